// The advisory lock that keeps two programs from changing one list file at the same time,
// and keeps readers from reading a list while it is being written.
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QString>

// A change takes two fcntl locks, which the system drops when the holder dies and which
// work on local disks and on NFS and SMB mounts:
// - a write lock on a small lock file beside the list (".<list file name>.blokada",
//   hidden, never matched by the "*.dat" filter of the list-file dialogs), named after the
//   list's real path, so a list reached through a symbolic link or another spelling of
//   its path has one lock. The file exists only while a change holds it; the release
//   removes it.
// - a write lock on one byte of the list file itself, far beyond its end (where nobody
//   reads or writes, so a server that enforces byte-range locks never holds up the suite's
//   other modules reading the list). Every user who may change the list can take it,
//   also where the lock file cannot be made (a folder the user may not write) or opened
//   (one left by another user's program with narrower permissions).
// A reader takes a shared lock on that byte, so it waits while a change writes.
//
// Each lock is checked, once had, to be on the file the name leads to now: a save that
// renames a new list into place, or a release that removes the lock file, sends a waiting
// program to the new file.
class BlokadaListy
{
public:
    enum class Rodzaj {
        Zmiana, // exclusive, for a change (read, change, save)
        Odczyt, // shared, for a read; the list is opened read-only
    };

    enum class Stan {
        Zalozona,   // the lock is held until the object is destroyed
        BezOchrony, // this mount supports no locks: go ahead unprotected, and say so
        Niemozliwa, // the list could not be opened (missing, or not writable for a change):
                    // no lock is needed, since nothing can be changed; see bladListy()
        Zajeta,     // another program held the lock for the whole waiting time
    };

    static constexpr int DomyslnyCzasMs = 5000;

    // Tries every millisecond for the first second (so that a reader gets in between
    // changes that follow one another), then every 10 ms, until the lock is had or
    // `czasMs` has passed.
    explicit BlokadaListy(const QString &sciezkaListy, int czasMs = DomyslnyCzasMs, Rodzaj rodzaj = Rodzaj::Zmiana);
    ~BlokadaListy();
    BlokadaListy(const BlokadaListy &) = delete;
    BlokadaListy &operator=(const BlokadaListy &) = delete;

    Stan stan() const { return m_stan; }
    bool zajeta() const { return m_stan == Stan::Zajeta; }
    // Releases the lock now (the destructor does it too).
    void zwolnij();

    // The list, opened read-write for a change (when it may be written) or read-only for
    // a read, on which the lock is held; -1 when it is not open.
    int plikListy() const { return m_plikListy; }
    // Why the list could not be opened.
    const BladIO &bladListy() const { return m_bladListy; }

    // The message for a lock that could not be had.
    static QString komunikatZajetej(const QString &sciezkaListy);
    // The message for a list on a mount without lock support.
    static QString komunikatBezOchrony(const QString &sciezkaListy);
    // The lock file of a list that exists (its real path); empty for one that does not.
    static QString sciezkaBlokady(const QString &sciezkaListy);

private:
    int m_katalog = -1; // the list's real folder (O_PATH), in which both files are named
    int m_plikBlokady = -1;
    int m_plikListy = -1;
    QByteArray m_nazwaBlokady;
    BladIO m_bladListy;
    Stan m_stan = Stan::Niemozliwa;
};
