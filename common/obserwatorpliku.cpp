#include "obserwatorpliku.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

StanPliku StanPliku::z(const QString &sciezka)
{
    StanPliku s;
    struct stat st;
    if (sciezka.isEmpty() || ::stat(QFile::encodeName(sciezka).constData(), &st) != 0)
        return s;
    s.istnieje = true;
    s.inode = quint64(st.st_ino);
    s.rozmiar = qint64(st.st_size);
    s.czasNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.czasZmianyNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

ObserwatorPliku::ObserwatorPliku(QObject *rodzic)
    : QObject(rodzic)
{
    // A save renames a new file over the watched one, which ends the file's watch; the
    // folder's watch sees the rename, and every check puts the file's watch back.
    connect(&m_obserwator, &QFileSystemWatcher::fileChanged, this, &ObserwatorPliku::sprawdz);
    connect(&m_obserwator, &QFileSystemWatcher::directoryChanged, this, &ObserwatorPliku::sprawdz);
}

void ObserwatorPliku::obserwuj(const QString &sciezka)
{
    if (!m_obserwator.files().isEmpty())
        m_obserwator.removePaths(m_obserwator.files());
    if (!m_obserwator.directories().isEmpty())
        m_obserwator.removePaths(m_obserwator.directories());
    m_sciezka = sciezka;
    m_znany = StanPliku::z(sciezka);
    if (sciezka.isEmpty())
        return;
    m_obserwator.addPath(QFileInfo(sciezka).path());
    odnowObserwacje();
}

void ObserwatorPliku::odnowObserwacje()
{
    if (!m_sciezka.isEmpty() && !m_obserwator.files().contains(m_sciezka) && QFileInfo::exists(m_sciezka))
        m_obserwator.addPath(m_sciezka);
}

void ObserwatorPliku::sprawdz()
{
    if (m_sciezka.isEmpty())
        return;
    odnowObserwacje();
    const StanPliku teraz = StanPliku::z(m_sciezka);
    if (teraz == m_znany)
        return;
    m_znany = teraz;
    emit zmienionaNaDysku();
}

#include "moc_obserwatorpliku.cpp"
