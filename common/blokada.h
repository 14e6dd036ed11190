// The advisory lock that keeps two programs from changing one list file at the same time.
#pragma once

#include <QString>

// A write lock on a small lock file beside the list (".<list file name>.blokada", hidden,
// and never matched by the "*.dat" filter of the list-file dialogs). It is an fcntl lock,
// so the system drops it when the holder dies, and it works on local disks and on NFS
// and SMB mounts. The list file itself is never locked: programs that do not take the
// lock (the suite's other modules, a plain read) are never held up.
//
// Where the lock file cannot be created or locked (a read-only folder, a mount without
// lock support), the lock is given up and the change goes ahead as it would without it:
// the save then reports the folder's own error, or succeeds as before.
class BlokadaListy
{
public:
    enum class Stan {
        Zalozona,   // the lock is held until the object is destroyed
        BezBlokady, // no lock could be used here; go ahead unprotected
        Zajeta,     // another program held the lock for the whole waiting time
    };

    static constexpr int DomyslnyCzasMs = 5000;

    // Tries every millisecond for the first 0.1 s, then every 10 ms, until the lock is had or `czasMs` has passed.
    explicit BlokadaListy(const QString &sciezkaListy, int czasMs = DomyslnyCzasMs);
    ~BlokadaListy();
    BlokadaListy(const BlokadaListy &) = delete;
    BlokadaListy &operator=(const BlokadaListy &) = delete;

    Stan stan() const { return m_stan; }
    bool zajeta() const { return m_stan == Stan::Zajeta; }
    // Releases the lock now (the destructor does it too).
    void zwolnij();

    // The message for a lock that could not be had.
    static QString komunikatZajetej(const QString &sciezkaListy);
    static QString sciezkaBlokady(const QString &sciezkaListy);

private:
    int m_plik = -1;
    Stan m_stan = Stan::BezBlokady;
};
