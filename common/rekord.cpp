#include "rekord.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString BladIO::tekst() const
{
    switch (kod) {
    case NieZnaleziono: return QStringLiteral("File not found");
    case ZlaNazwa: return QStringLiteral("Invalid filename");
    case ZaDuzoPlikow: return QStringLiteral("Too many open files");
    case OdmowaDostepu: return QStringLiteral("File access denied");
    case KoniecPliku: return QStringLiteral("Read beyond end of file");
    case PelnyDysk: return QStringLiteral("Disk full");
    case ZlaLiczba: return QStringLiteral("Invalid numeric input");
    default: return QStringLiteral("I/O error %1").arg(kod);
    }
}

namespace {

bool katalogIstnieje(const QString &sciezka)
{
    const QFileInfo plik(sciezka);
    const QFileInfo katalog(plik.absolutePath());
    return katalog.exists() && katalog.isDir();
}

} // namespace

BladIO BladIO::zErrno(int numer, const QString &sciezka)
{
    switch (numer) {
    case 0: return {Brak};
    case ENOENT: return {katalogIstnieje(sciezka) ? NieZnaleziono : ZlaNazwa};
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return {ZlaNazwa};
    case EMFILE:
    case ENFILE: return {ZaDuzoPlikow};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return {OdmowaDostepu};
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return {PelnyDysk};
    case EIO: return {UrzadzenieNieDziala};
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ECONNABORTED:
    case ECONNRESET:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ESTALE:
    case ENOLINK:
    case ECOMM: return {BladSieci};
    default:
        // The error number itself, unless it would read as one of the runtime's errors.
        switch (numer) {
        case NieZnaleziono:
        case ZlaNazwa:
        case ZaDuzoPlikow:
        case OdmowaDostepu:
        case KoniecPliku:
        case PelnyDysk:
        case ZlaLiczba: return {UrzadzenieNieDziala};
        default: return {numer};
        }
    }
}

namespace {

int otworz(const QString &sciezka, int flagi, BladIO &blad)
{
    if (sciezka.isEmpty()) {
        blad = {BladIO::NieZnaleziono};
        return -1;
    }
    if (sciezka.contains(QChar(0))) { // the system would cut the name there
        blad = {BladIO::ZlaNazwa};
        return -1;
    }
    const QByteArray nazwa = QFile::encodeName(sciezka);
    int fd;
    do {
        fd = ::open(nazwa.constData(), flagi | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        blad = BladIO::zErrno(errno, sciezka);
    return fd;
}

// Writes the record over the file's own bytes, then cuts anything beyond it. Nothing is
// cut before the record is whole in the file: a write interrupted part way leaves the old
// bytes after that point, so bytes that stay the same are never lost.
BladIO zapiszWMiejscu(const QString &sciezka, const QByteArray &rekord)
{
    BladIO blad;
    const int fd = otworz(sciezka, O_WRONLY, blad);
    if (fd < 0)
        return blad;
    int e = 0;
    qsizetype zapisane = 0;
    while (e == 0 && zapisane < rekord.size()) {
        const ssize_t n =
            ::pwrite(fd, rekord.constData() + zapisane, size_t(rekord.size() - zapisane), off_t(zapisane));
        if (n > 0)
            zapisane += n;
        else if (n == 0)
            e = ENOSPC;
        else if (errno != EINTR)
            e = errno;
    }
    if (e == 0 && ::ftruncate(fd, off_t(rekord.size())) != 0)
        e = errno;
    if (e == 0 && ::fdatasync(fd) != 0 && errno != EINVAL && errno != EINTR)
        e = errno;
    // A network file system may report a lost write only when the file is closed.
    if (::close(fd) != 0 && e == 0 && errno != EINTR)
        e = errno;
    return BladIO::zErrno(e, sciezka);
}

} // namespace

BladIO czytajRekord(const QString &sciezka, QByteArray &rekord, qsizetype rozmiar)
{
    return czytajRekord(sciezka, rekord, rozmiar, Otwarcie::OdczytIZapis);
}

BladIO czytajRekord(const QString &sciezka, QByteArray &rekord, qsizetype rozmiar, Otwarcie otwarcie)
{
    BladIO blad;
    const int fd = otworz(sciezka, otwarcie == Otwarcie::TylkoOdczyt ? O_RDONLY : O_RDWR, blad);
    if (fd < 0)
        return blad;
    blad = czytajRekord(fd, sciezka, rekord, rozmiar);
    ::close(fd);
    return blad;
}

int otworzDoOdczytu(const QString &sciezka, BladIO &blad)
{
    return otworz(sciezka, O_RDONLY, blad);
}

BladIO czytajRekord(int plik, const QString &sciezka, QByteArray &rekord, qsizetype rozmiar)
{
    QByteArray bufor(rozmiar, '\0');
    qsizetype przeczytane = 0;
    while (przeczytane < rozmiar) {
        const ssize_t n = ::pread(plik, bufor.data() + przeczytane, size_t(rozmiar - przeczytane), off_t(przeczytane));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return BladIO::zErrno(errno, sciezka);
        }
        if (n == 0)
            return {BladIO::KoniecPliku};
        przeczytane += n;
    }
    rekord = bufor;
    return {};
}

BladIO zapiszRekord(const QString &sciezka, const QByteArray &rekord)
{
    if (sciezka.isEmpty())
        return {BladIO::NieZnaleziono};
    if (sciezka.contains(QChar(0)))
        return {BladIO::ZlaNazwa};
    const QByteArray nazwa = QFile::encodeName(sciezka);

    // What a plain create-or-truncate would have refused, refuse here too, before a
    // temporary file is made: a missing folder, a folder in the file's place, a
    // read-only file.
    if (!katalogIstnieje(sciezka))
        return {BladIO::ZlaNazwa};
    struct stat st
    {};
    const bool istnieje = ::stat(nazwa.constData(), &st) == 0;
    if (istnieje) {
        if (S_ISDIR(st.st_mode))
            return {BladIO::OdmowaDostepu};
        if (::access(nazwa.constData(), W_OK) != 0)
            return BladIO::zErrno(errno, sciezka);
    }

    QSaveFile plik(sciezka);
    // Unbuffered, so a full disk shows at the write itself; the flush below is checked
    // as well, since a failure there alone would still let commit() succeed.
    errno = 0;
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int e = errno;
        // A folder that takes no new file (a share where only the list itself is
        // writable): the existing file is written in place and synced; safe renaming is
        // not possible there. (QSaveFile's own fallback would cut the file first.)
        if (istnieje && e == EACCES)
            return zapiszWMiejscu(sciezka, rekord);
        return e ? BladIO::zErrno(e, sciezka) : BladIO{BladIO::OdmowaDostepu};
    }
    errno = 0;
    if (plik.write(rekord) != rekord.size() || !plik.flush()) {
        const int e = errno;
        const bool pelny = plik.error() == QFileDevice::ResourceError;
        plik.cancelWriting();
        if (pelny || e == 0)
            return {BladIO::PelnyDysk};
        return BladIO::zErrno(e, sciezka);
    }
    // commit() syncs too, but ignores a failed sync, and a network file system or a
    // failing disk may report a full disk or a lost write only there. A file system
    // that cannot sync at all (EINVAL) is no error.
    if (::fdatasync(plik.handle()) != 0 && errno != EINVAL && errno != EINTR) {
        const int e = errno;
        plik.cancelWriting();
        return BladIO::zErrno(e, sciezka);
    }
    // The replacement is a new file: give it the owner and group the old one had, as far
    // as the user may (a member of the file's group may keep the group), so a list shared
    // through a group stays writable for the others.
    if (istnieje && ::fchown(plik.handle(), st.st_uid, st.st_gid) != 0)
        (void)::fchown(plik.handle(), uid_t(-1), st.st_gid);
    errno = 0;
    if (!plik.commit()) {
        const int e = errno;
        return e ? BladIO::zErrno(e, sciezka) : BladIO{BladIO::PelnyDysk};
    }
    // The replacement keeps the permissions the file had (a change of owner may have
    // cleared some).
    if (istnieje)
        ::chmod(nazwa.constData(), st.st_mode & 07777);
    return {};
}

bool plikIstnieje(const QString &sciezka)
{
    const QFileInfo info(sciezka);
    return info.exists() && !info.isDir();
}

BladIO wczytajLubUtworz(const QString &sciezka, const QByteArray &poczatkowy, QByteArray &bufor)
{
    if (!plikIstnieje(sciezka)) {
        if (const BladIO blad = zapiszRekord(sciezka, poczatkowy))
            return blad;
    }
    return czytajRekord(sciezka, bufor, poczatkowy.size());
}

bool usunPlik(const QString &sciezka)
{
    return QFile::remove(sciezka);
}
