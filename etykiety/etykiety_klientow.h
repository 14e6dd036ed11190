// The labels of a job as the command line and the window both make them: the envelope
// settings they take the form of address, the sender lines and the print font from, and
// the labels of a list's rows or of the firm's own address.
#pragma once

#include "druk_etykiet.h"
#include "koperty_wsadowe.h"

class ListaKlientow;

namespace DrukEtykiet {

// The envelope settings as `koperty` reads them: the defaults under `katalogDanych` (or
// the profile `profil` when given), the print font at `sciezkaCzcionki`, the firm
// record's sender lines. Returns the error text when a file could not be read.
std::optional<QString> wczytajUstawienia(const QString &katalogDanych, const QString &sciezkaCzcionki,
                                         const QString &profil, UstawieniaWsadowe &u);

// The print font and the labels of rows `wiersze` of `lista`, one each, in that order.
void etykietyWierszy(ZadanieEtykiet &z, const UstawieniaWsadowe &u, const ListaKlientow &lista,
                     const QList<int> &wiersze);

// The print font and `arkusze` sheets of the firm's own address, from label z.od of the
// first one. Returns the error text when the settings hold no sender address.
std::optional<QString> arkuszeNadawcy(ZadanieEtykiet &z, const UstawieniaWsadowe &u, int arkusze);

} // namespace DrukEtykiet
