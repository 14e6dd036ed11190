// Loads a client list file, sorts it from A to Z, packs it and saves it, then prints the
// result ("OK" or the error text). The tests start it in a private mount namespace,
// where the test process itself cannot go.
//   klienci_pomocnik sortuj PLIK
#include "listaklientow.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3 || QString::fromLocal8Bit(argv[1]) != u"sortuj")
        return 2;
    const QString plik = QString::fromLocal8Bit(argv[2]);
    ListaKlientow lista;
    BladIO blad = lista.wczytaj(plik);
    if (!blad) {
        lista.sortuj(Klienci::Kierunek::OdADoZ);
        blad = lista.spakowana().zapisz(plik);
    }
    std::printf("%s\n", blad ? qPrintable(blad.tekst()) : "OK");
    return 0;
}
