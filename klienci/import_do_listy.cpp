#include "import_do_listy.h"

namespace Wymiana {

ImportDoListy importujDoListy(OtwartaLista &lista, const QList<Klienci::TekstyWiersza> &klienci,
                              const WyborImportu &wybor, const PotwierdzImport &potwierdz)
{
    ImportDoListy w;
    // The question is asked without the lock, so nobody waits on it.
    ListaKlientow teraz;
    w.zapis = WspolnaLista::czytaj(lista.biezacaLista(), teraz);
    if (!w.zapis.ok())
        return w;
    const ZaplanujPonownie zaplanuj = [&](const WyborImportu &inny) { return zaplanujImport(teraz, klienci, inny); };
    w.plan = zaplanuj(wybor);
    for (bool ponownie = false;; ponownie = true) {
        if (w.plan.umieszczone() == 0 && !w.plan.niemieszczace.isEmpty()) {
            w.koniec = ImportDoListy::BrakMiejsca;
            return w;
        }
        const std::optional<WyborImportu> odpowiedz = potwierdz(w.plan, ponownie, zaplanuj);
        if (!odpowiedz) {
            w.koniec = ImportDoListy::Anulowano;
            return w;
        }
        if (*odpowiedz != w.plan.wybor)
            w.plan = zaplanuj(*odpowiedz);
        if (w.plan.umieszczone() == 0) {
            w.koniec = w.plan.niemieszczace.isEmpty() ? ImportDoListy::NicDoZapisu : ImportDoListy::BrakMiejsca;
            return w;
        }
        bool zmieniony = false;
        w.zapis = lista.zmien([&](ListaKlientow &naDysku) {
            PlanImportu nowy = zaplanujImport(naDysku, klienci, w.plan.wybor);
            if (nowy.wiersze != w.plan.wiersze || nowy.stany != w.plan.stany) {
                w.plan = std::move(nowy);
                teraz = naDysku;
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
