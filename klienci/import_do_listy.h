// "Import" into the open list, for the window and the command line alike: planned on the
// list as it is, asked about, then under the list's lock planned again on the list as it
// is then and saved once, as one change of the open list that "Cofnij" can undo.
#pragma once

#include "otwartalista.h"
#include "wymiana.h"

#include <functional>
#include <optional>

namespace Wymiana {

// The same clients planned on the same list with another choice (a preview that lets the
// user add a repeat or leave a client out shows the plan it would save).
using ZaplanujPonownie = std::function<PlanImportu(const WyborImportu &wybor)>;

// Asked before anything is saved, with the plan that would be saved (made with
// plan.wybor); `ponownie` when the list was changed by someone else since the previous
// question and the plan is new. Returns the choice to save with, or nullopt to cancel.
using PotwierdzImport = std::function<std::optional<WyborImportu>(const PlanImportu &plan, bool ponownie,
                                                                  const ZaplanujPonownie &zaplanuj)>;

struct ImportDoListy
{
    enum Koniec {
        Zapisano,
        Anulowano,
        BrakMiejsca, // no client to import found a free row: nothing was asked
        NicDoZapisu, // every client was left out (repeats, or by the choice)
        Blad,
    };
    Koniec koniec = Blad;
    PlanImportu plan;          // the last plan: the one saved when Zapisano
    WspolnaLista::Wynik zapis; // the save under the lock; when Blad, why nothing was saved
};

// Reads the list file of `lista` and plans the clients into the rows an import may take
// (repeats left out unless `wybor` says otherwise), then asks `potwierdz`. Under the
// list's lock the file is read and planned again: when the plan differs (rows, repeats),
// the lock is released and the new plan is asked about; otherwise the plan is applied and
// the list saved once (OtwartaLista::zmien). Nothing is asked or written when no client
// to import fits.
ImportDoListy importujDoListy(OtwartaLista &lista, const QList<Klienci::TekstyWiersza> &klienci,
                              const WyborImportu &wybor, const PotwierdzImport &potwierdz);

} // namespace Wymiana
