// The row a test writer puts into the list: distinct for every writer and row, with
// Polish letters and texts up to the columns' capacity.
#pragma once

#include "listaklientow.h"

inline Klienci::TekstyWiersza wierszPisarza(int pisarz, int wiersz)
{
    using namespace Klienci;
    TekstyWiersza t;
    const QString znak = QStringLiteral("%1/%2").arg(pisarz).arg(wiersz);
    t[Nazwa1] = QStringLiteral("Pisarz %1 – Żółć Ślązak ").arg(znak) + QString(60, u'ą');
    t[Nazwa2] = QStringLiteral("Spółka %1").arg(znak);
    t[Ulica] = QStringLiteral("ul. Źródlana %1").arg(wiersz);
    t[Miejscowosc] = QStringLiteral("Łódź %1").arg(pisarz);
    t[Nip] = QString::number(1000000 * (pisarz + 1) + wiersz);
    t[Opis] = QString(100, QChar(u'a' + pisarz));
    for (int k = Info1; k <= Info6; ++k)
        t[k] = QStringLiteral("i%1 %2").arg(k).arg(znak);
    return t;
}

// The row as stored: every text cut to its column's capacity.
inline bool wierszZgodny(const ListaKlientow &lista, int wiersz, const Klienci::TekstyWiersza &t)
{
    for (int k = Klienci::Nazwa1; k < Klienci::LiczbaKolumn; ++k)
        if (lista.tekst(k, wiersz) != t[k].left(Klienci::Pojemnosc[k]))
            return false;
    return true;
}
