// A second program changing the same list, for the tests of shared lists.
//   wspolna_pisarz dodaj PLIK PISARZ OD DO   adds rows OD to DO-1 one by one and prints
//                                            each row's number once it is saved
//   wspolna_pisarz trzymaj PLIK              takes the list's lock, prints "mam" and
//                                            waits to be killed
#include "otwartalista.h"
#include "wiersze_pisarzy.h"

#include <QString>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const QString polecenie = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (polecenie == u"trzymaj" && argc == 3) {
        BlokadaListy blokada(QString::fromLocal8Bit(argv[2]));
        std::printf("mam\n");
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    if (polecenie != u"dodaj" || argc != 6)
        return 2;
    const QString plik = QString::fromLocal8Bit(argv[2]);
    const int pisarz = QString::fromLocal8Bit(argv[3]).toInt();
    const int od = QString::fromLocal8Bit(argv[4]).toInt();
    const int doW = QString::fromLocal8Bit(argv[5]).toInt();
    // What "Dodaj do listy" does, row after row.
    OtwartaLista lista;
    lista.ustawCzasBlokady(30000);
    if (const auto b = lista.otworz(plik)) {
        std::printf("BLAD %s\n", qPrintable(b.zajeta ? b.komunikat : b.blad.tekst()));
        return 1;
    }
    for (int w = od; w < doW; ++w) {
        const auto wynik = lista.ustawWiersz(w, wierszPisarza(pisarz, w));
        if (!wynik.ok()) {
            std::printf("BLAD %s\n", qPrintable(wynik.zajeta ? wynik.komunikat : wynik.blad.tekst()));
            return 1;
        }
        std::printf("%d\n", w);
        std::fflush(stdout);
    }
    return 0;
}
