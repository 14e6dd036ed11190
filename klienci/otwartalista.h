// The list the user works on: its file and its rows as last read. Every command that
// changes the list takes the list's lock, reads the file as it is on disk, changes it,
// saves it and keeps what it saved, so the rows always show what the file holds. Nothing
// here shows anything: each operation returns its error. It also keeps the rows each
// change wrote, so that a change can be undone while nobody else has changed those rows.
#pragma once

#include "listaklientow.h"
#include "wspolnalista.h"

#include <optional>
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

    // A row command's result: as a change's, or, when the row on disk no longer held what
    // the user saw, nothing written and `obcy` holding what the row holds now.
    struct WynikWiersza : WspolnaLista::Wynik
    {
        std::optional<Klienci::TekstyWiersza> obcy;
        bool ok() const { return !obcy && WspolnaLista::Wynik::ok(); }
    };

    // "Dodaj do listy": the 12 texts from nazwa1 on go into the row as it is on disk now
    // (lp is never written, only each entry's length byte and characters), under the lock.
    // With `widziany` (the row's texts as the user saw them), only while the row on disk
    // still holds those texts from nazwa1 on.
    WynikWiersza ustawWiersz(int wiersz, const Klienci::TekstyWiersza &teksty,
                             const std::optional<Klienci::TekstyWiersza> &widziany = std::nullopt);
    // "Usuń wpis": the row's 12 texts from nazwa1 on become empty, under the lock, as
    // ustawWiersz with empty texts.
    WynikWiersza wyczyscWiersz(int wiersz, const std::optional<Klienci::TekstyWiersza> &widziany = std::nullopt);
    // Sorts the list on disk by nazwa1, packs the named rows to the top and saves, under the lock.
    WspolnaLista::Wynik sortuj(Klienci::Kierunek kierunek);
    // Any other change (an import): under the lock, `zmiana` gets the list as it is on disk
    // now and returns true to have it saved (false: nothing is saved or kept to undo).
    WspolnaLista::Wynik zmien(const std::function<bool(ListaKlientow &)> &zmiana);

    // Undo: how many changes can be undone, and undoing the last one by writing back the
    // rows it changed as they were before (under the lock; a sort changed every row). Rows
    // others saved meanwhile stay as they are. When a row it would write back is no longer
    // what that change saved (someone else changed it since), nothing is written,
    // `obceWiersze` names those rows and the steps are forgotten.
    struct WynikCofania
    {
        WspolnaLista::Wynik wynik;
        QList<int> obceWiersze;
        bool obcaZmiana() const { return !obceWiersze.isEmpty(); }
        bool ok() const { return !obcaZmiana() && wynik.ok(); }
    };
    int krokiDoCofniecia() const { return int(m_cofanie.size()); }
    WynikCofania cofnij();
    static constexpr int NajwiecejKrokow = 30;

    // The lowest row from `od` on holding the text (see ListaKlientow::szukaj), or -1.
    int szukaj(QStringView tekst, int od = 0) const { return m_lista.szukaj(tekst, od); }
    // The first row with an empty nazwa1, or -1.
    int pierwszyWolny() const { return m_lista.pierwszyWolny(); }

    // No list any more (its file was deleted): as before the first list was read.
    void zamknij();

    // Deletes a list file (any, not only the current one) by `usun` (for good unless told
    // otherwise), under the list's lock.
    static WspolnaLista::Wynik usunPlikListy(const QString &sciezka,
                                             const std::function<bool(const QString &)> &usun = usunPlik);

private:
    // A change as zmien, whose step to undo covers every row when `calaLista`.
    WspolnaLista::Wynik zmien(const std::function<bool(ListaKlientow &)> &zmiana, bool calaLista);

    // The rows a change wrote, with their bytes (all 13 entries of each, row after row)
    // before and after it.
    struct KrokCofania
    {
        QList<int> wiersze;
        QByteArray przed;
        QByteArray po;
    };

    QString m_biezacaLista;
    int m_czasBlokadyMs = BlokadaListy::DomyslnyCzasMs;
    ListaKlientow m_lista;
    std::vector<KrokCofania> m_cofanie;
};
