// "Import" into the open list, for the window and the command line alike: planned on the
// list as it is, asked about, then under the list's lock planned again on the list as it
// is then and saved once, as one change of the open list that "Cofnij" can undo.
#pragma once

#include "otwartalista.h"
#include "wymiana.h"

#include <functional>

namespace Wymiana {

// Asked before anything is saved, with the plan that would be saved; `ponownie` when the
// list was changed by someone else since the previous question and the plan is new.
// False cancels.
using PotwierdzImport = std::function<bool(const PlanImportu &plan, bool ponownie)>;

struct ImportDoListy
{
    enum Koniec { Zapisano, Anulowano, BrakMiejsca, Blad };
    Koniec koniec = Blad;
    PlanImportu plan;          // the last plan: the one saved when Zapisano
    WspolnaLista::Wynik zapis; // the save under the lock; when Blad, why nothing was saved
};

// Reads the list file of `lista` and plans the clients into the rows an import may take,
// then asks `potwierdz`. Under the list's lock the file is read and planned again: when
// the rows differ, the lock is released and the new plan is asked about; otherwise the
// plan is applied and the list saved once (OtwartaLista::zmien). Nothing is asked or
// written when no client fits.
ImportDoListy importujDoListy(OtwartaLista &lista, const QList<Klienci::TekstyWiersza> &klienci,
                              const PotwierdzImport &potwierdz);

} // namespace Wymiana
