// Importing clients into the free rows of a list: the plan (which row each client
// takes, what is cut or replaced) and applying it. No I/O: the import into a list file is
// import_do_listy.h.
#pragma once

#include "listaklientow.h"

#include <QList>
#include <QSet>
#include <QString>

#include <array>

namespace Wymiana {

// The rows worth exporting: those holding text in any column other than lp.
QList<int> wierszeZTekstem(const ListaKlientow &lista);
// Those of `wybrane`, in their order: the only rows an export writes.
QList<int> wierszeZTekstem(const ListaKlientow &lista, const QList<int> &wybrane);

struct UwagaImportu
{
    enum Rodzaj { Przyciete, BrakZnakow };
    Rodzaj rodzaj;
    int klient;       // index into PlanImportu::klienci
    int wiersz;       // the row it goes to
    int kolumna;      // Klienci::Kolumna
    QString zapisane; // the text as it will be stored (cut, '?' for missing characters)
};

// What the user chose about single clients; by default repeats are left out and every
// other client is imported.
struct WyborImportu
{
    bool takzePowtorzone = false; // repeats are imported too
    QSet<int> dodaj;              // clients imported although they repeat
    QSet<int> pomin;              // clients left out although new

    bool operator==(const WyborImportu &) const = default;
};

struct StanKlienta
{
    int wiersz = -1;           // the row it takes; -1: none
    int powtorzonyWiersz = -1; // a row of the list holding the same client
    int powtorzonyKlient = -1; // an earlier client of the file that is the same
    bool poNip = false;        // that repeat has the same NIP (else the same nazwa1 and town)
    bool zlyNip = false;       // ten digits with a wrong check digit (imported as it is)
    bool pominiety = false;    // left out: a repeat, or by the user's choice

    bool powtorzony() const { return powtorzonyWiersz >= 0 || powtorzonyKlient >= 0; }
    bool operator==(const StanKlienta &) const = default;
};

struct PlanImportu
{
    QList<Klienci::TekstyWiersza> klienci;       // as read
    WyborImportu wybor;                          // the choice it was made with
    QList<StanKlienta> stany;                    // per client
    QList<int> wiersze;                          // the rows taken, one per placed client, ascending
    QList<int> umieszczeni;                      // umieszczeni[i]: the client stored in wiersze[i]
    QList<UwagaImportu> uwagi;                   // for placed clients only
    QList<Klienci::TekstyWiersza> niemieszczace; // clients to import without a free row
    // Per client, the texts in Windows-1250 cut to capacity, as they will be stored: every
    // column of a placed client, only nazwa1, miejscowosc and nip (what repeats are found
    // by) of the others.
    QList<std::array<QByteArray, Klienci::LiczbaKolumn>> bajty;

    int umieszczone() const { return int(wiersze.size()); }
    int pominieci() const;
};

// A row an import may take: every column but lp is empty. An import never writes over a
// row that holds any text, even one that counts as free because nazwa1 is empty.
bool wierszDoImportu(const ListaKlientow &lista, int wiersz);

// Places the clients in the importable rows, lowest first. A client is a repeat when a
// row of the list, or an earlier client of the file, has the same NIP (separators aside)
// or the same nazwa1 and town (letter case, diacritics, punctuation and a postal code
// aside), all compared as they would be stored; repeats are left out unless `wybor` says
// otherwise. No I/O.
PlanImportu zaplanujImport(const ListaKlientow &lista, const QList<Klienci::TekstyWiersza> &klienci,
                           const WyborImportu &wybor = {});

// Writes the placed clients as "Dodaj do listy" writes a row: only the length bytes
// and the characters change; lp is untouched.
void zastosujPlan(ListaKlientow &lista, const PlanImportu &plan);

} // namespace Wymiana
