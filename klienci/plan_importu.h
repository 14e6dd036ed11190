// Importing clients into the free rows of a list: the plan (which row each client
// takes, what is cut or replaced) and applying it. No I/O: the import into a list file is
// import_do_listy.h.
#pragma once

#include "listaklientow.h"

#include <QList>
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

struct PlanImportu
{
    QList<Klienci::TekstyWiersza> klienci;       // as read
    QList<int> wiersze;                          // wiersze[i]: the row of klienci[i]; only the first umieszczone()
    QList<UwagaImportu> uwagi;                   // for placed clients only
    QList<Klienci::TekstyWiersza> niemieszczace; // clients without a free row
    // The placed clients' texts in Windows-1250, cut to capacity, as they will be stored.
    QList<std::array<QByteArray, Klienci::LiczbaKolumn>> bajty;

    int umieszczone() const { return int(wiersze.size()); }
};

// A row an import may take: every column but lp is empty. An import never writes over a
// row that holds any text, even one that counts as free because nazwa1 is empty.
bool wierszDoImportu(const ListaKlientow &lista, int wiersz);

// Places the clients in the importable rows, lowest first. No I/O.
PlanImportu zaplanujImport(const ListaKlientow &lista, const QList<Klienci::TekstyWiersza> &klienci);

// Writes the placed clients as "Dodaj do listy" writes a row: only the length bytes
// and the characters change; lp is untouched.
void zastosujPlan(ListaKlientow &lista, const PlanImportu &plan);

} // namespace Wymiana
