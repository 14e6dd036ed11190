// What a change of the client list costs on disk: every change saves the whole list
// safely (temporary file, sync, rename) and reads it back; every row click reads it.
// The files go to a temporary folder on the disk of the current directory
// (LK_BENCH_KATALOG chooses another folder).
#include "rekord.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

QString katalog()
{
    static QTemporaryDir dir(qEnvironmentVariableIsSet("LK_BENCH_KATALOG")
                                 ? qEnvironmentVariable("LK_BENCH_KATALOG") + "/bench_rekord-XXXXXX"
                                 : QStringLiteral("bench_rekord-XXXXXX"));
    return dir.path();
}

void zapis(benchmark::State &stan)
{
    const QString plik = katalog() + "/rekord.dat";
    QByteArray rekord(stan.range(0), 'x');
    for (auto _ : stan) {
        rekord[0] = char(rekord[0] + 1);
        if (const BladIO b = zapiszRekord(plik, rekord)) {
            stan.SkipWithError(qPrintable(b.tekst()));
            break;
        }
    }
    stan.SetBytesProcessed(stan.iterations() * stan.range(0));
}

void odczyt(benchmark::State &stan)
{
    const QString plik = katalog() + "/rekord.dat";
    zapiszRekord(plik, QByteArray(stan.range(0), 'x'));
    QByteArray rekord;
    for (auto _ : stan) {
        if (const BladIO b = czytajRekord(plik, rekord, stan.range(0))) {
            stan.SkipWithError(qPrintable(b.tekst()));
            break;
        }
        benchmark::DoNotOptimize(rekord.data());
    }
    stan.SetBytesProcessed(stan.iterations() * stan.range(0));
}

// One change of a row: save the list, read it back.
void zmianaWiersza(benchmark::State &stan)
{
    const QString plik = katalog() + "/lista.dat";
    QByteArray lista(349698, '\0');
    for (auto _ : stan) {
        lista[3006] = char(lista[3006] + 1);
        zapiszRekord(plik, lista);
        czytajRekord(plik, lista, 349698);
    }
}

} // namespace

BENCHMARK(zapis)->Arg(726)->Arg(349698)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(odczyt)->Arg(726)->Arg(349698)->Unit(benchmark::kMicrosecond);
BENCHMARK(zmianaWiersza)->Unit(benchmark::kMicrosecond)->UseRealTime();
