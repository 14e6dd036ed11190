#include "import_do_listy.h"

namespace Wymiana {

ImportDoListy importujDoListy(OtwartaLista &lista, const QList<Klienci::TekstyWiersza> &klienci,
                              const PotwierdzImport &potwierdz)
{
    ImportDoListy w;
    // The question is asked without the lock, so nobody waits on it.
    ListaKlientow teraz;
    w.zapis.blad = teraz.wczytaj(lista.biezacaLista());
    if (w.zapis.blad)
        return w;
    w.plan = zaplanujImport(teraz, klienci);
    for (bool ponownie = false;; ponownie = true) {
        if (w.plan.umieszczone() == 0) {
            w.koniec = ImportDoListy::BrakMiejsca;
            return w;
        }
        if (!potwierdz(w.plan, ponownie)) {
            w.koniec = ImportDoListy::Anulowano;
            return w;
        }
        bool zmieniony = false;
        w.zapis = lista.zmien([&](ListaKlientow &naDysku) {
            PlanImportu nowy = zaplanujImport(naDysku, klienci);
            if (nowy.wiersze != w.plan.wiersze) {
                w.plan = std::move(nowy);
                zmieniony = true;
                return false;
            }
            zastosujPlan(naDysku, w.plan);
            return true;
        });
        if (!w.zapis.ok())
            return w;
        if (!zmieniony) {
            w.koniec = ImportDoListy::Zapisano;
            return w;
        }
    }
}

} // namespace Wymiana
