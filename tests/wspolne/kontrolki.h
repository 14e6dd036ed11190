// Controls of a window found by their object names, the names that accessibility and the
// end-to-end scripts see.
#pragma once

#include "listaklientow.h"

#include <QLineEdit>
#include <QtGlobal>

#include <array>

template <class T = QWidget>
T *kontrolka(const QObject *okno, const char *nazwa)
{
    T *w = okno->findChild<T *>(QString::fromLatin1(nazwa));
    if (!w)
        qFatal("no control %s", nazwa);
    return w;
}

// The 13 edit fields of the client list window in column order (lp first).
inline std::array<QLineEdit *, Klienci::LiczbaKolumn> polaKlienta(const QObject *okno)
{
    std::array<QLineEdit *, Klienci::LiczbaKolumn> pola{};
    for (int k = 0; k < Klienci::LiczbaKolumn; ++k)
        pola[k] = kontrolka<QLineEdit>(okno, Klienci::NazwyKolumn[k]);
    return pola;
}
