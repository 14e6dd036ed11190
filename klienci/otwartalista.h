// The list the user works on: its file and its rows as last read. Every command that
// changes the list takes the list's lock, reads the file as it is on disk, changes it,
// saves it and keeps what it saved, so the rows always show what the file holds. Nothing
// here shows anything: each operation returns its error. It also keeps the changes made
// here, so that they can be undone while nobody else has changed the file since.
#pragma once

#include "listaklientow.h"
#include "wspolnalista.h"

#include <vector>

class OtwartaLista
{
public:
    // "klienci.dat" and an all-zero list until a list is created or read.
    OtwartaLista();

    // How long a change waits for another program's lock on the list before it gives up.
    void ustawCzasBlokady(int ms) { m_czasBlokadyMs = ms; }

    // The current list file.
    const QString &biezacaLista() const { return m_biezacaLista; }
    const ListaKlientow &lista() const { return m_lista; }

    // Reads the current file again (read-only, waiting while another program changes it);
    // on an error the rows stay as they were.
    WspolnaLista::Wynik wczytaj();
    // Reads another file, which becomes the current one; a failed read changes nothing.
    // Changes made to the previous list can no longer be undone.
    WspolnaLista::Wynik otworz(const QString &sciezka);
    // Writes a new list to the file (under the lock, when it replaces one); only once it is
    // written does it become the current one.
    WspolnaLista::Wynik utworzNowa(const QString &sciezka);

    // "Dodaj do listy": the 12 texts from nazwa1 on go into the row as it is on disk now
    // (lp is never written, only each entry's length byte and characters), under the lock.
    WspolnaLista::Wynik ustawWiersz(int wiersz, const Klienci::TekstyWiersza &teksty);
    // "Usuń wpis": the row's 12 texts from nazwa1 on become empty, under the lock.
    WspolnaLista::Wynik wyczyscWiersz(int wiersz);
    // Sorts the list on disk by nazwa1, packs the named rows to the top and saves, under the lock.
    WspolnaLista::Wynik sortuj(Klienci::Kierunek kierunek);
    // Any other change (an import): under the lock, `zmiana` gets the list as it is on disk
    // now and returns true to have it saved (false: nothing is saved or kept to undo).
    WspolnaLista::Wynik zmien(const std::function<bool(ListaKlientow &)> &zmiana);

    // Undo: how many changes can be undone, and undoing the last one by writing back what
    // it replaced (under the lock). When the file is no longer what that change saved
    // (someone else saved it since), nothing is written, `obcaZmiana` is set and the
    // steps are forgotten.
    struct WynikCofania
    {
        WspolnaLista::Wynik wynik;
        bool obcaZmiana = false;
        bool ok() const { return !obcaZmiana && wynik.ok(); }
    };
    int krokiDoCofniecia() const { return int(m_cofanie.size()); }
    WynikCofania cofnij();
    static constexpr int NajwiecejKrokow = 30;

    // The lowest row from `od` on holding the text (see ListaKlientow::szukaj), or -1.
    int szukaj(QStringView tekst, int od = 0) const { return m_lista.szukaj(tekst, od); }
    // The first row with an empty nazwa1, or -1.
    int pierwszyWolny() const { return m_lista.pierwszyWolny(); }

    // Deletes a list file (any, not only the current one) by `usun` (for good unless told
    // otherwise), under the list's lock.
    static WspolnaLista::Wynik usunPlikListy(const QString &sciezka,
                                             const std::function<bool(const QString &)> &usun = usunPlik);

private:
    // Keeps a change as a step to undo: `przed` is the list as the file held it before,
    // `po` the file's state right after the save.
    void zapamietajDoCofniecia(const ListaKlientow &przed, const StanPliku &po);

    struct KrokCofania
    {
        ListaKlientow przed;
        StanPliku po;
    };

    QString m_biezacaLista;
    int m_czasBlokadyMs = BlokadaListy::DomyslnyCzasMs;
    ListaKlientow m_lista;
    std::vector<KrokCofania> m_cofanie;
};
