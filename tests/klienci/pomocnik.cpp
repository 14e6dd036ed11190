// Runs one client list file operation and prints its result ("OK" or the error text).
// The tests start it as another user or in a private mount namespace, where the test
// process itself cannot go.
//   klienci_pomocnik wczytaj PLIK   load
//   klienci_pomocnik zapisz PLIK    save a new list
//   klienci_pomocnik sortuj PLIK    load, sort A to Z, pack, save
#include "listaklientow.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const QString polecenie = QString::fromLocal8Bit(argv[1]);
    const QString plik = QString::fromLocal8Bit(argv[2]);
    ListaKlientow lista;
    BladIO blad;
    if (polecenie == u"wczytaj") {
        blad = lista.wczytaj(plik);
    } else if (polecenie == u"zapisz") {
        blad = ListaKlientow::nowa().zapisz(plik);
    } else if (polecenie == u"sortuj") {
        blad = lista.wczytaj(plik);
        if (!blad) {
            lista.sortuj(Klienci::Kierunek::OdADoZ);
            blad = lista.spakowana().zapisz(plik);
        }
    } else {
        return 2;
    }
    std::printf("%s\n", blad ? qPrintable(blad.tekst()) : "OK");
    return 0;
}
