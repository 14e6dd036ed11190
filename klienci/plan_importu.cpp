#include "plan_importu.h"

#include "nip.h"
#include "tekst.h"
#include "wymiana_tekst.h"

#include <QHash>

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

int PlanImportu::pominieci() const
{
    return int(std::count_if(stany.cbegin(), stany.cend(), [](const StanKlienta &s) { return s.pominiety; }));
}

namespace {

// A client's name and town as compared for repeats; empty without a name.
QString kluczNazwy(const QString &nazwa1, const QString &miejscowosc)
{
    const QString nazwa = uproscNazwe(nazwa1);
    if (nazwa.isEmpty())
        return {};
    // Without a leading postal code: "00-950 Warszawa" is the town "Warszawa".
    QString miasto = uproscNazwe(miejscowosc);
    if (miasto.size() >= 5 && std::all_of(miasto.cbegin(), miasto.cbegin() + 5, [](QChar c) { return c.isDigit(); })
        && QStringView(miejscowosc).trimmed().mid(2, 1) == u"-")
        miasto.remove(0, 5);
    return nazwa + u'|' + miasto;
}

} // namespace

PlanImportu zaplanujImport(const ListaKlientow &lista, const QList<TekstyWiersza> &klienci, const WyborImportu &wybor)
{
    PlanImportu plan;
    plan.klienci = klienci;
    plan.wybor = wybor;
    plan.stany.resize(klienci.size());
    plan.bajty.resize(klienci.size());

    // What the list holds, by NIP and by name and town.
    QHash<QString, int> nipy, nazwy;
    for (int w = 0; w < LiczbaWierszy; ++w) {
        if (wierszDoImportu(lista, w))
            continue;
        const auto tekst = [&](int k) { return zCp1250(lista.bajty(k, w)); };
        if (const QString n = kluczNip(tekst(Nip)); !n.isEmpty())
            nipy.insert(n, w);
        if (const QString n = kluczNazwy(tekst(Nazwa1), tekst(Miejscowosc)); !n.isEmpty())
            nazwy.insert(n, w);
    }
    QHash<QString, int> nipyPliku, nazwyPliku;

    int wiersz = 0;
    for (int i = 0; i < klienci.size(); ++i) {
        std::array<QByteArray, LiczbaKolumn> &bajty = plan.bajty[i];
        QList<UwagaImportu> uwagi;
        const auto zakoduj = [&](int k) {
            const QString &t = klienci[i][k];
            if (t.isEmpty())
                return;
            bool brak = false;
            QByteArray b = kodujCp1250(t, brak);
            const bool przyciete = b.size() > Pojemnosc[k];
            if (przyciete)
                b.truncate(Pojemnosc[k]);
            if (brak || przyciete) {
                const QString zapisane = zCp1250(b);
                if (brak)
                    uwagi.append({UwagaImportu::BrakZnakow, i, -1, k, zapisane});
                if (przyciete)
                    uwagi.append({UwagaImportu::Przyciete, i, -1, k, zapisane});
            }
            bajty[k] = std::move(b);
        };
        for (int k : {Nazwa1, Miejscowosc, Nip})
            zakoduj(k);

        StanKlienta &s = plan.stany[i];
        const QString nip = zCp1250(bajty[Nip]);
        s.zlyNip = zlaCyfraKontrolnaNip(nip);
        const QString kNip = kluczNip(nip), kNazwy = kluczNazwy(zCp1250(bajty[Nazwa1]), zCp1250(bajty[Miejscowosc]));
        const auto znajdz = [&](const QHash<QString, int> &h, const QString &klucz) {
            return klucz.isEmpty() ? -1 : h.value(klucz, -1);
        };
        if ((s.powtorzonyWiersz = znajdz(nipy, kNip)) >= 0)
            s.poNip = true;
        else if ((s.powtorzonyKlient = znajdz(nipyPliku, kNip)) >= 0)
            s.poNip = true;
        else if ((s.powtorzonyWiersz = znajdz(nazwy, kNazwy)) < 0)
            s.powtorzonyKlient = znajdz(nazwyPliku, kNazwy);
        if (!kNip.isEmpty())
            nipyPliku.insert(kNip, i);
        if (!kNazwy.isEmpty())
            nazwyPliku.insert(kNazwy, i);

        s.pominiety = s.powtorzony() ? !(wybor.takzePowtorzone || wybor.dodaj.contains(i)) : wybor.pomin.contains(i);
        if (s.pominiety)
            continue;
        while (wiersz < LiczbaWierszy && !wierszDoImportu(lista, wiersz))
            ++wiersz;
        if (wiersz >= LiczbaWierszy) {
            plan.niemieszczace.append(klienci[i]);
            continue;
        }
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            if (k != Nazwa1 && k != Miejscowosc && k != Nip)
                zakoduj(k);
        std::sort(uwagi.begin(), uwagi.end(),
                  [](const UwagaImportu &a, const UwagaImportu &b) { return a.kolumna < b.kolumna; });
        s.wiersz = wiersz;
        plan.wiersze.append(wiersz);
        plan.umieszczeni.append(i);
        for (UwagaImportu &u : uwagi) {
            u.wiersz = wiersz;
            plan.uwagi.append(u);
        }
        ++wiersz;
    }
    return plan;
}

void zastosujPlan(ListaKlientow &lista, const PlanImportu &plan)
{
    // The same bytes kopiujDoWiersza would write, converted once while planning.
    for (int i = 0; i < plan.umieszczone(); ++i)
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            zapiszBajtyTekstu(lista.pole(k, plan.wiersze[i]), Pojemnosc[k], plan.bajty[plan.umieszczeni[i]][k]);
}

} // namespace Wymiana
