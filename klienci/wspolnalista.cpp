#include "wspolnalista.h"

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

} // namespace WspolnaLista
