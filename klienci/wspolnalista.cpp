#include "wspolnalista.h"

using namespace Klienci;

namespace WspolnaLista {

Wynik zmienPodBlokada(const QString &sciezka, const std::function<bool(ListaKlientow &)> &zmiana, int czasMs)
{
    Wynik wynik;
    BlokadaListy blokada(sciezka, czasMs);
    if (blokada.zajeta()) {
        wynik.zajeta = true;
        wynik.komunikat = BlokadaListy::komunikatZajetej(sciezka);
        return wynik;
    }
    wynik.blad = wynik.lista.wczytaj(sciezka);
    if (wynik.blad || !zmiana(wynik.lista))
        return wynik;
    wynik.blad = wynik.lista.zapisz(sciezka);
    if (!wynik.blad)
        wynik.stan = StanPliku::z(sciezka);
    return wynik;
}

Wynik zapiszWiersz(const QString &sciezka, int wiersz, const TekstyWiersza &teksty, int czasMs)
{
    return zmienPodBlokada(
        sciezka,
        [&](ListaKlientow &lista) {
            if (wiersz < 0 || wiersz >= LiczbaWierszy)
                return false;
            lista.kopiujDoWiersza(wiersz, teksty);
            return true;
        },
        czasMs);
}

Wynik usunWiersz(const QString &sciezka, int wiersz, int czasMs)
{
    // What the window does: empty edit fields copied into the row.
    return zapiszWiersz(sciezka, wiersz, TekstyWiersza{}, czasMs);
}

Wynik sortuj(const QString &sciezka, Kierunek kierunek, int czasMs)
{
    return zmienPodBlokada(
        sciezka,
        [kierunek](ListaKlientow &lista) {
            lista.sortuj(kierunek);
            lista = lista.spakowana();
            return true;
        },
        czasMs);
}

} // namespace WspolnaLista
