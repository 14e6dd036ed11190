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

// The locked byte of the list file: 1 GiB in, far beyond the list's 349,698 bytes (where
// SQLite puts its lock bytes, for the same reason).
constexpr off_t BajtListy = off_t(1) << 30;

struct Zakres
{
    short rodzaj; // F_RDLCK or F_WRLCK
    off_t od;
    off_t dlugosc; // 0: to the end of any file
};

// 0: locked; EAGAIN: held by someone else; another errno: locking does not work here.
int sprobuj(int plik, const Zakres &z)
{
    struct flock f = {};
    f.l_type = z.rodzaj;
    f.l_whence = SEEK_SET;
    f.l_start = z.od;
    f.l_len = z.dlugosc;
    for (;;) {
        if (::fcntl(plik, PolecenieBlokady, &f) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        return (errno == EACCES || errno == EAGAIN) ? EAGAIN : errno;
    }
}

// Opens `nazwa` in the folder `katalog`. With O_CREAT a missing lock file is made, with
// mode 0666 whatever the umask, so that every user who may change the list can lock it;
// one that is there is opened as it is. Close-on-exec: a tool started while the lock is
// held must not keep it.
int otworz(int katalog, const char *nazwa, int flagi)
{
    const bool utworz = flagi & O_CREAT;
    for (;;) {
        int plik = ::openat(katalog, nazwa, flagi | (utworz ? O_EXCL : 0) | O_CLOEXEC, 0666);
        if (plik >= 0) {
            if (utworz)
                ::fchmod(plik, 0666);
            return plik;
        }
        if (errno == EINTR)
            continue;
        if (!utworz || errno != EEXIST)
            return -1;
        plik = ::openat(katalog, nazwa, (flagi & ~O_CREAT) | O_CLOEXEC);
        if (plik >= 0 || (errno != ENOENT && errno != EINTR)) // ENOENT: it went meanwhile
            return plik;
    }
}

// The open file is the one the name leads to now.
bool tenSam(int plik, int katalog, const char *nazwa)
{
    struct stat otwarty, podNazwa;
    return ::fstat(plik, &otwarty) == 0 && ::fstatat(katalog, nazwa, &podNazwa, 0) == 0
           && otwarty.st_dev == podNazwa.st_dev && otwarty.st_ino == podNazwa.st_ino;
}

enum class Proba { Zalozona, Zajeta, NieOtwarto, BezWsparcia };

// Opens `nazwa` in `katalog` and locks the range, waiting until `termin`; once locked,
// checks that the name still leads to the locked file and starts again when it does not.
// `plik` stays open when the lock is had or locking is not supported; `bladOtwarcia` is
// the errno of a failed open.
Proba zablokuj(int katalog, const char *nazwa, int flagi, const Zakres &zakres, const QDeadlineTimer &termin,
               int czasMs, int &plik, int &bladOtwarcia)
{
    for (;;) {
        plik = otworz(katalog, nazwa, flagi);
        if (plik < 0) {
            bladOtwarcia = errno;
            return Proba::NieOtwarto;
        }
        int wynik;
        while ((wynik = sprobuj(plik, zakres)) == EAGAIN && !termin.hasExpired())
            // Short waits first: a row change holds the lock for about a millisecond.
            QThread::msleep(termin.remainingTime() > czasMs - 1000 ? 1 : 10);
        // ESTALE: on a network file system the file was removed or replaced meanwhile.
        if (wynik != 0 && wynik != EAGAIN && wynik != ESTALE)
            return Proba::BezWsparcia;
        if (wynik == 0 && tenSam(plik, katalog, nazwa))
            return Proba::Zalozona;
        ::close(plik);
        plik = -1;
        if (termin.hasExpired())
            return Proba::Zajeta;
    }
}

QByteArray nazwaBlokady(const QString &plikListy)
{
    return QFile::encodeName(QStringLiteral(".") + plikListy + QStringLiteral(".blokada"));
}

} // namespace

QString BlokadaListy::sciezkaBlokady(const QString &sciezkaListy)
{
    const QFileInfo lista(QFileInfo(sciezkaListy).canonicalFilePath());
    return lista.fileName().isEmpty() ? QString()
                                      : lista.path() + u'/' + QFile::decodeName(nazwaBlokady(lista.fileName()));
}

QString BlokadaListy::komunikatZajetej(const QString &sciezkaListy)
{
    return QStringLiteral("Lista %1 jest właśnie zmieniana przez inny program. Spróbuj ponownie za chwilę.")
        .arg(QDir::toNativeSeparators(sciezkaListy));
}

QString BlokadaListy::komunikatBezOchrony(const QString &sciezkaListy)
{
    return QStringLiteral("Lista %1 leży na dysku, który nie obsługuje blokad plików: nie jest chroniona przed "
                          "jednoczesnymi zmianami. Zmiany zapisane w tym samym czasie w innym programie mogą "
                          "zostać utracone; zmieniaj ją w jednym programie naraz.")
        .arg(QDir::toNativeSeparators(sciezkaListy));
}

BlokadaListy::BlokadaListy(const QString &sciezkaListy, int czasMs, Rodzaj rodzaj)
{
    const QDeadlineTimer termin(czasMs);
    const bool zmiana = rodzaj == Rodzaj::Zmiana;
    // One lock whatever name the list is reached by; a list that does not exist gets no
    // lock file. Both files are then named within the list's real folder.
    const QFileInfo lista(QFileInfo(sciezkaListy).canonicalFilePath());
    if (!lista.fileName().isEmpty()) {
        do
            m_katalog = ::open(QFile::encodeName(lista.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        while (m_katalog < 0 && errno == EINTR);
    }
    if (m_katalog < 0) {
        const int plik = otworzDoOdczytu(sciezkaListy, m_bladListy);
        if (plik >= 0) {
            ::close(plik);
            m_bladListy = {BladIO::NieZnaleziono};
        }
        return;
    }

    bool bezWsparcia = false;
    int bladOtwarcia = 0;
    if (zmiana) {
        m_nazwaBlokady = nazwaBlokady(lista.fileName());
        const Proba p = zablokuj(m_katalog, m_nazwaBlokady.constData(), O_RDWR | O_CREAT, {F_WRLCK, 0, 0}, termin,
                                 czasMs, m_plikBlokady, bladOtwarcia);
        if (p == Proba::Zajeta) {
            zwolnij();
            m_stan = Stan::Zajeta;
            return;
        }
        bezWsparcia = p == Proba::BezWsparcia;
        if (bezWsparcia) {
            // Of no use where nothing can be locked; not left behind either.
            ::unlinkat(m_katalog, m_nazwaBlokady.constData(), 0);
            ::close(m_plikBlokady);
            m_plikBlokady = -1;
        }
    }
    const Proba p =
        zablokuj(m_katalog, QFile::encodeName(lista.fileName()).constData(), zmiana ? O_RDWR : O_RDONLY,
                 {short(zmiana ? F_WRLCK : F_RDLCK), BajtListy, 1}, termin, czasMs, m_plikListy, bladOtwarcia);
    if (p == Proba::Zajeta) {
        zwolnij();
        m_stan = Stan::Zajeta;
        return;
    }
    if (p == Proba::NieOtwarto)
        m_bladListy = BladIO::zErrno(bladOtwarcia, sciezkaListy);
    bezWsparcia = bezWsparcia || p == Proba::BezWsparcia;
    if (m_plikBlokady >= 0 || p == Proba::Zalozona)
        m_stan = Stan::Zalozona;
    else if (bezWsparcia)
        m_stan = Stan::BezOchrony;
    else
        m_stan = Stan::Niemozliwa;
}

BlokadaListy::~BlokadaListy()
{
    zwolnij();
}

void BlokadaListy::zwolnij()
{
    if (m_plikBlokady >= 0) {
        // The lock file goes with the release, so none is left beside the list; a program
        // waiting on it finds it gone and makes a new one.
        if (tenSam(m_plikBlokady, m_katalog, m_nazwaBlokady.constData()))
            ::unlinkat(m_katalog, m_nazwaBlokady.constData(), 0);
        // Closing the only descriptor of the open file releases its lock.
        ::close(m_plikBlokady);
        m_plikBlokady = -1;
    }
    for (int *plik : {&m_plikListy, &m_katalog}) {
        if (*plik >= 0)
            ::close(*plik);
        *plik = -1;
    }
}
