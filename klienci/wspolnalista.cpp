#include "wspolnalista.h"

using namespace Klienci;

namespace WspolnaLista {

Wynik zmienPodBlokada(const QString &sciezka, ListaKlientow &lista, const std::function<bool(ListaKlientow &)> &zmiana,
                      int czasMs)
{
    Wynik wynik;
    BlokadaListy blokada(sciezka, czasMs);
    if (blokada.zajeta()) {
        wynik.zajeta = true;
        wynik.komunikat = BlokadaListy::komunikatZajetej(sciezka);
        return wynik;
    }
    wynik.blad = lista.wczytaj(sciezka);
    if (wynik.blad || !zmiana(lista))
        return wynik;
    wynik.blad = lista.zapisz(sciezka);
    if (!wynik.blad)
        wynik.stan = StanPliku::z(sciezka);
    return wynik;
}

Wynik zapiszWiersz(const QString &sciezka, ListaKlientow &lista, int wiersz, const TekstyWiersza &teksty, int czasMs)
{
    return zmienPodBlokada(
        sciezka, lista,
        [&](ListaKlientow &l) {
            if (wiersz < 0 || wiersz >= LiczbaWierszy)
                return false;
            l.kopiujDoWiersza(wiersz, teksty);
            return true;
        },
        czasMs);
}

Wynik usunWiersz(const QString &sciezka, ListaKlientow &lista, int wiersz, int czasMs)
{
    // What the window does: empty edit fields copied into the row.
    return zapiszWiersz(sciezka, lista, wiersz, TekstyWiersza{}, czasMs);
}

Wynik sortuj(const QString &sciezka, ListaKlientow &lista, Kierunek kierunek, int czasMs)
{
    return zmienPodBlokada(
        sciezka, lista,
        [kierunek](ListaKlientow &l) {
            l.sortuj(kierunek);
            l = l.spakowana();
            return true;
        },
        czasMs);
}

} // namespace WspolnaLista
