// Timings of the client list on a full list of 501 named rows, on the window where the
// operation involves it (offscreen).
#include "kontekst.h"
#include "listaklientow.h"
#include "skryptdialogi.h"
#include "tdokumenty.h"

#include "lk_bench.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

using namespace Klienci;

namespace {

ListaKlientow pelnaLista()
{
    ListaKlientow l = ListaKlientow::nowa();
    for (int w = 0; w < LiczbaWierszy; ++w) {
        l.ustawTekst(Nazwa1, w, QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe „Żuraw” nr %1").arg(w));
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

// The names of all rows in reverse order: the exchange sort's worst case.
ListaKlientow odwrotnaLista()
{
    ListaKlientow l = pelnaLista();
    for (int w = 0; w < LiczbaWierszy; ++w)
        l.ustawTekst(Nazwa1, w, QStringLiteral("Klient %1").arg(LiczbaWierszy - w, 3, 10, QChar(u'0')));
    return l;
}

QString plikListy()
{
    return katalogBenchmarku() + QStringLiteral("/Firmy/lista.dat");
}

// A window with the full list open.
struct Okno
{
    SkryptDialogi skrypt;
    std::unique_ptr<Kontekst> kontekst;
    std::unique_ptr<Tdokumenty> okno;

    Okno()
    {
        QDir::setCurrent(katalogBenchmarku());
        pelnaLista().zapisz(plikListy());
        kontekst = std::make_unique<Kontekst>(QDir::currentPath());
        okno = std::make_unique<Tdokumenty>(*kontekst, skrypt);
        okno->show();
        skrypt.plik(plikListy());
        okno->findChild<QToolButton *>(QStringLiteral("SpeedButton11"))->click();
    }
};

void BM_Wczytaj(benchmark::State &stan)
{
    pelnaLista().zapisz(plikListy());
    ListaKlientow l;
    for (auto _ : stan)
        benchmark::DoNotOptimize(l.wczytaj(plikListy()));
}
BENCHMARK(BM_Wczytaj)->Unit(benchmark::kMicrosecond);

void BM_Zapisz(benchmark::State &stan)
{
    const ListaKlientow l = pelnaLista();
    for (auto _ : stan)
        benchmark::DoNotOptimize(l.zapisz(plikListy()));
}
BENCHMARK(BM_Zapisz)->Unit(benchmark::kMicrosecond);

void BM_LinieListy(benchmark::State &stan)
{
    const ListaKlientow l = pelnaLista();
    for (auto _ : stan)
        benchmark::DoNotOptimize(l.linie());
}
BENCHMARK(BM_LinieListy)->Unit(benchmark::kMicrosecond);

void BM_OdbudujListe(benchmark::State &stan)
{
    Okno o;
    for (auto _ : stan)
        o.okno->odbuduj();
}
BENCHMARK(BM_OdbudujListe)->Unit(benchmark::kMicrosecond);

void BM_WczytajIPokazWiersz(benchmark::State &stan)
{
    Okno o;
    auto *lista = o.okno->findChild<QListWidget *>(QStringLiteral("lista"));
    int wiersz = 250;
    // Each change of the selected line reads the file and shows the row.
    for (auto _ : stan)
        lista->setCurrentRow(wiersz ^= 1);
}
BENCHMARK(BM_WczytajIPokazWiersz)->Unit(benchmark::kMicrosecond);

void BM_Dodaj(benchmark::State &stan)
{
    Okno o;
    o.okno->findChild<QLineEdit *>(QStringLiteral("lp"))->setText(QStringLiteral("250"));
    auto *dodaj = o.okno->findChild<QToolButton *>(QStringLiteral("SpeedButton6"));
    for (auto _ : stan)
        dodaj->click();
}
BENCHMARK(BM_Dodaj)->Unit(benchmark::kMicrosecond);

void BM_SzukajBezWyniku(benchmark::State &stan)
{
    const ListaKlientow l = pelnaLista();
    for (auto _ : stan)
        benchmark::DoNotOptimize(l.szukaj(QStringLiteral("Nie ma takiego tekstu")));
}
BENCHMARK(BM_SzukajBezWyniku)->Unit(benchmark::kMicrosecond);

void BM_SortowanieNajgorsze(benchmark::State &stan)
{
    const ListaKlientow wzor = odwrotnaLista();
    for (auto _ : stan) {
        stan.PauseTiming();
        ListaKlientow l = wzor;
        stan.ResumeTiming();
        l.sortuj(Kierunek::OdADoZ);
        benchmark::DoNotOptimize(l.spakowana());
    }
}
BENCHMARK(BM_SortowanieNajgorsze)->Unit(benchmark::kMicrosecond);

// The whole command: sort, pack, save, load, rebuild, show row 1.
void BM_PolecenieSortowania(benchmark::State &stan)
{
    Okno o;
    const ListaKlientow wzor = odwrotnaLista();
    auto *lista = o.okno->findChild<QListWidget *>(QStringLiteral("lista"));
    auto *sortuj = o.okno->findChild<QToolButton *>(QStringLiteral("SpeedButton3"));
    for (auto _ : stan) {
        stan.PauseTiming();
        // The reversed list in the file, read by selecting another line.
        wzor.zapisz(plikListy());
        lista->setCurrentRow(1);
        o.skrypt.tak();
        stan.ResumeTiming();
        sortuj->click();
    }
}
BENCHMARK(BM_PolecenieSortowania)->Unit(benchmark::kMicrosecond);

} // namespace
