// Changes to a list file that several programs may change at once: every change takes
// the list's lock, reads the file as it is on disk now, changes only what the command
// changes and saves before the lock is released, so rows others saved meanwhile stay.
// Every read takes the list's shared lock, so it never sees a list half written.
#pragma once

#include "blokada.h"
#include "listaklientow.h"
#include "obserwatorpliku.h"

#include <functional>

namespace WspolnaLista {

// Every function reads the file into `lista` (usually the window's own list, whose
// block is reused) and leaves there the list as saved, the same bytes a read-back would
// give. When the save fails, `lista` holds the list as read and changed; when the lock
// or the read fails, it is left as it was.
struct Wynik
{
    // The read or save error; the file is left as it was.
    BladIO blad;
    // The lock could not be had in time: nothing was read or written, and `komunikat`
    // says so, naming the list.
    bool zajeta = false;
    QString komunikat;
    // The file just after the save, taken under the lock (for ObserwatorPliku::przyjmij).
    StanPliku stan;
    // The list lies where no lock can be had (a mount without lock support): the change
    // went ahead unprotected, and this says so, naming the list.
    QString ostrzezenie;

    bool ok() const { return !zajeta && blad.ok(); }
    explicit operator bool() const { return !ok(); } // true when it failed, as BladIO
};

// Reads the list read-only under its shared lock, waiting while another program changes
// it (up to `czasMs`, then `zajeta`).
Wynik czytaj(const QString &sciezka, ListaKlientow &lista, int czasMs = BlokadaListy::DomyslnyCzasMs);

// Locks the list, reads it, lets `zmiana` change it and saves it when `zmiana` returns
// true (false: nothing to save, the list as read is returned), then releases the lock.
Wynik zmienPodBlokada(const QString &sciezka, ListaKlientow &lista, const std::function<bool(ListaKlientow &)> &zmiana,
                      int czasMs = BlokadaListy::DomyslnyCzasMs);

// Writes `lista` over the file (or as a new file) under the lock, without reading it.
Wynik zapisz(const QString &sciezka, const ListaKlientow &lista, int czasMs = BlokadaListy::DomyslnyCzasMs);

// Deletes the list by `usun` (to the trash, or for good) under its lock, so that no change
// is under way; false in `blad` (as "File access denied") when `usun` failed.
Wynik usun(const QString &sciezka, const std::function<bool(const QString &)> &usun,
           int czasMs = BlokadaListy::DomyslnyCzasMs);

} // namespace WspolnaLista
