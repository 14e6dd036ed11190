// Clients in and out: reading 501 clients from CSV and vCard and planning and applying
// them into a new list, the same from 2,000 cards of which 1,499 are repeats or broken,
// and exporting a full list to each format.
#include "wymiana.h"

#include <benchmark/benchmark.h>

using namespace Klienci;

namespace {

const Wymiana::PodpisyPol kPodpisy{QStringLiteral("Telefon"),
                                   QStringLiteral("E-mail"),
                                   QStringLiteral("Osoba"),
                                   QStringLiteral("Branża"),
                                   QString(),
                                   QString()};

ListaKlientow pelnaListaDoWymiany()
{
    ListaKlientow l = ListaKlientow::nowa();
    for (int w = 0; w < LiczbaWierszy; ++w) {
        l.ustawTekst(Nazwa1, w, QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe „Żuraw”; nr %1").arg(w));
        l.ustawTekst(Nazwa2, w, QStringLiteral("Spółka z ograniczoną odpowiedzialnością"));
        l.ustawTekst(Ulica, w, QStringLiteral("ul. Źródlana %1").arg(w));
        l.ustawTekst(Miejscowosc, w, QStringLiteral("00-%1 Łódź").arg(w, 3, 10, QChar(u'0')));
        l.ustawTekst(Nip, w, QStringLiteral("%1").arg(1000000000 + w));
        l.ustawTekst(Opis, w, QString(100, u'ó'));
        for (int k = Info1; k <= Info6; ++k)
            l.ustawTekst(k, w, QString(40, u'ś'));
    }
    return l;
}

// Reads the file, plans it into a new list and applies the plan: all 501 rows must be
// taken and `pominiete` cards left out.
void importuj(benchmark::State &stan, const QByteArray &plik, qsizetype pominiete = 0)
{
    for (auto _ : stan) {
        ListaKlientow lista = ListaKlientow::nowa();
        const Wymiana::WynikWczytania w = Wymiana::wczytajKlientow(plik, kPodpisy);
        const Wymiana::PlanImportu plan = Wymiana::zaplanujImport(lista, w.klienci);
        Wymiana::zastosujPlan(lista, plan);
        benchmark::DoNotOptimize(lista);
        if (plan.umieszczone() != LiczbaWierszy || w.pominiete.size() != pominiete)
            stan.SkipWithError("not all rows taken, or other cards left out");
    }
    stan.counters["bajty"] = double(plik.size());
}

void BM_ImportCsv501(benchmark::State &stan)
{
    const ListaKlientow pelna = pelnaListaDoWymiany();
    importuj(stan, Wymiana::eksportCsv(pelna, Wymiana::wierszeZTekstem(pelna), kPodpisy));
}
void BM_ImportVcard501(benchmark::State &stan)
{
    const ListaKlientow pelna = pelnaListaDoWymiany();
    importuj(stan, Wymiana::eksportVcard(pelna, Wymiana::wierszeZTekstem(pelna), kPodpisy));
}

// A phone's 2,000 cards: the 501 clients of a full list, 1,300 of them again, and 199
// broken cards (a line without a colon), imported into an empty list: 501 placed.
void BM_ImportVcard2000Powtorzenia(benchmark::State &stan)
{
    const ListaKlientow pelna = pelnaListaDoWymiany();
    const QByteArray jedna = Wymiana::eksportVcard(pelna, Wymiana::wierszeZTekstem(pelna), kPodpisy);
    QList<QByteArray> osobno;
    for (qsizetype od = 0; od < jedna.size();) {
        const qsizetype koniec = jedna.indexOf("END:VCARD\r\n", od) + 11;
        osobno.append(jedna.mid(od, koniec - od));
        od = koniec;
    }
    QByteArray plik;
    for (int i = 0; i < 2000; ++i) {
        QByteArray karta = osobno[i % osobno.size()];
        if (i >= 1801)
            karta.replace("N:;;;;\r\n", "N:;;;;\r\nzepsuta linia\r\n");
        plik += karta;
    }
    importuj(stan, plik, 199);
}

void BM_EksportCsv501(benchmark::State &stan)
{
    const ListaKlientow pelna = pelnaListaDoWymiany();
    for (auto _ : stan)
        benchmark::DoNotOptimize(Wymiana::eksportCsv(pelna, Wymiana::wierszeZTekstem(pelna), kPodpisy));
}

void BM_EksportVcard501(benchmark::State &stan)
{
    const ListaKlientow pelna = pelnaListaDoWymiany();
    for (auto _ : stan)
        benchmark::DoNotOptimize(Wymiana::eksportVcard(pelna, Wymiana::wierszeZTekstem(pelna), kPodpisy));
}

} // namespace

BENCHMARK(BM_ImportCsv501)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportVcard501)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportVcard2000Powtorzenia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EksportCsv501)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EksportVcard501)->Unit(benchmark::kMillisecond);
