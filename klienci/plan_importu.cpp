#include "plan_importu.h"

#include "tekst.h"
#include "wymiana_tekst.h"

using namespace Klienci;

namespace Wymiana {

QList<int> wierszeZTekstem(const ListaKlientow &lista)
{
    QList<int> w;
    for (int r = 0; r < LiczbaWierszy; ++r)
        if (!wierszDoImportu(lista, r))
            w.append(r);
    return w;
}

QList<int> wierszeZTekstem(const ListaKlientow &lista, const QList<int> &wybrane)
{
    QList<int> w;
    for (int r : wybrane)
        if (r >= 0 && r < LiczbaWierszy && !wierszDoImportu(lista, r))
            w.append(r);
    return w;
}

bool wierszDoImportu(const ListaKlientow &lista, int wiersz)
{
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        if (lista.pole(k, wiersz)[0] != 0)
            return false;
    return true;
}

PlanImportu zaplanujImport(const ListaKlientow &lista, const QList<TekstyWiersza> &klienci)
{
    PlanImportu plan;
    plan.klienci = klienci;
    Cp1250 cp;
    int wiersz = 0;
    for (int i = 0; i < klienci.size(); ++i) {
        while (wiersz < LiczbaWierszy && !wierszDoImportu(lista, wiersz))
            ++wiersz;
        if (wiersz >= LiczbaWierszy) {
            plan.niemieszczace = klienci.mid(i);
            break;
        }
        plan.wiersze.append(wiersz);
        std::array<QByteArray, LiczbaKolumn> bajty;
        for (int k = Nazwa1; k < LiczbaKolumn; ++k) {
            const QString &t = klienci[i][k];
            if (t.isEmpty())
                continue;
            bool brak = false;
            QByteArray b = cp.koduj(t, brak);
            const bool przyciete = b.size() > Pojemnosc[k];
            if (przyciete)
                b.truncate(Pojemnosc[k]);
            if (brak || przyciete) {
                const QString zapisane = cp.dekoduj(b);
                if (brak)
                    plan.uwagi.append({UwagaImportu::BrakZnakow, i, wiersz, k, zapisane});
                if (przyciete)
                    plan.uwagi.append({UwagaImportu::Przyciete, i, wiersz, k, zapisane});
            }
            bajty[k] = std::move(b);
        }
        plan.bajty.append(std::move(bajty));
        ++wiersz;
    }
    return plan;
}

void zastosujPlan(ListaKlientow &lista, const PlanImportu &plan)
{
    // The same bytes kopiujDoWiersza would write, converted once while planning.
    const bool zakodowane = plan.bajty.size() == plan.wiersze.size();
    for (int i = 0; i < plan.umieszczone(); ++i) {
        if (!zakodowane) {
            lista.kopiujDoWiersza(plan.wiersze[i], plan.klienci[i]);
            continue;
        }
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            zapiszBajtyTekstu(lista.pole(k, plan.wiersze[i]), Pojemnosc[k], plan.bajty[i][k]);
    }
}

} // namespace Wymiana
