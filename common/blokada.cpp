#include "blokada.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Open file description locks belong to the open file, not to the process, so two locks
// taken in one process exclude each other as well.
#ifdef F_OFD_SETLK
constexpr int PolecenieBlokady = F_OFD_SETLK;
#else
constexpr int PolecenieBlokady = F_SETLK;
#endif

// 0: locked; EAGAIN: held by someone else; another errno: locking does not work here.
int sprobuj(int plik)
{
    struct flock f = {};
    f.l_type = F_WRLCK;
    f.l_whence = SEEK_SET;
    for (;;) {
        if (::fcntl(plik, PolecenieBlokady, &f) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        return (errno == EACCES || errno == EAGAIN) ? EAGAIN : errno;
    }
}

} // namespace

QString BlokadaListy::sciezkaBlokady(const QString &sciezkaListy)
{
    const QFileInfo info(sciezkaListy);
    return info.path() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".blokada");
}

QString BlokadaListy::komunikatZajetej(const QString &sciezkaListy)
{
    return QStringLiteral("Lista %1 jest właśnie zmieniana przez inny program. Spróbuj ponownie za chwilę.")
        .arg(QDir::toNativeSeparators(sciezkaListy));
}

BlokadaListy::BlokadaListy(const QString &sciezkaListy, int czasMs)
{
    // Close-on-exec: a tool started while the lock is held must not keep it.
    const QByteArray nazwa = QFile::encodeName(sciezkaBlokady(sciezkaListy));
    do
        m_plik = ::open(nazwa.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    while (m_plik < 0 && errno == EINTR);
    if (m_plik < 0)
        return; // a read-only or missing folder: nothing can be saved there anyway
    // Everyone who may change the list must be able to lock it, whatever the creator's
    // umask.
    struct stat st;
    if (::fstat(m_plik, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 0666) != 0666)
        ::fchmod(m_plik, 0666);

    const QDeadlineTimer termin(czasMs);
    for (;;) {
        const int wynik = sprobuj(m_plik);
        if (wynik == 0) {
            m_stan = Stan::Zalozona;
            return;
        }
        if (wynik != EAGAIN) {
            zwolnij(); // no lock support on this mount
            return;
        }
        if (termin.hasExpired()) {
            zwolnij();
            m_stan = Stan::Zajeta;
            return;
        }
        // Short waits first: a row change holds the lock for about a millisecond.
        QThread::msleep(termin.remainingTime() > czasMs - 100 ? 1 : 10);
    }
}

BlokadaListy::~BlokadaListy()
{
    zwolnij();
}

void BlokadaListy::zwolnij()
{
    // Closing the only descriptor of the open file releases its lock.
    if (m_plik >= 0)
        ::close(m_plik);
    m_plik = -1;
    if (m_stan == Stan::Zalozona)
        m_stan = Stan::BezBlokady;
}
