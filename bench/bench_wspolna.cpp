// A change of a shared list: the lock, a read of the list as it is on disk, the row,
// the safe save, the release. And what the lock and the change check cost alone.
#include "blokada.h"
#include "lk_bench.h"
#include "obserwatorpliku.h"
#include "otwartalista.h"

#include <benchmark/benchmark.h>

using namespace Klienci;

namespace {

QString plikWspolny()
{
    const QString plik = katalogBenchmarku() + QStringLiteral("/Firmy/wspolna.dat");
    ListaKlientow::nowa().zapisz(plik);
    return plik;
}

// "Dodaj do listy" on a shared list; the list is left as saved, so no read follows.
void dodajPodBlokada(benchmark::State &stan)
{
    const QString plik = plikWspolny();
    TekstyWiersza teksty;
    OtwartaLista lista;
    lista.otworz(plik);
    int n = 0;
    for (auto _ : stan) {
        teksty[Nazwa1] = QStringLiteral("Przedsiębiorstwo „Żuraw” %1").arg(++n);
        const auto wynik = lista.ustawWiersz(n % LiczbaWierszy, teksty);
        if (!wynik.ok()) {
            stan.SkipWithError(qPrintable(wynik.blad.tekst()));
            break;
        }
        benchmark::DoNotOptimize(lista.lista().dane().data());
    }
}

void blokadaIZwolnienie(benchmark::State &stan)
{
    const QString plik = plikWspolny();
    for (auto _ : stan) {
        BlokadaListy blokada(plik);
        benchmark::DoNotOptimize(blokada.stan());
    }
}

// The window's clock tick on a watched list.
void sprawdzenieZmiany(benchmark::State &stan)
{
    ObserwatorPliku obserwator;
    obserwator.obserwuj(plikWspolny());
    for (auto _ : stan)
        obserwator.sprawdz();
}

} // namespace

BENCHMARK(dodajPodBlokada)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(blokadaIZwolnienie)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(sprawdzenieZmiany)->Unit(benchmark::kMicrosecond);
