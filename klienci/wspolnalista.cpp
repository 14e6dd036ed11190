#include "wspolnalista.h"

namespace WspolnaLista {

namespace {

// The lock for a change: false when it was not had in time (`wynik` says so).
bool zalozona(const BlokadaListy &blokada, const QString &sciezka, Wynik &wynik)
{
    if (blokada.zajeta()) {
        wynik.zajeta = true;
        wynik.komunikat = BlokadaListy::komunikatZajetej(sciezka);
        return false;
    }
    if (blokada.stan() == BlokadaListy::Stan::BezOchrony)
        wynik.ostrzezenie = BlokadaListy::komunikatBezOchrony(sciezka);
    return true;
}

} // namespace

Wynik czytaj(const QString &sciezka, ListaKlientow &lista, int czasMs)
{
    Wynik wynik;
    const BlokadaListy blokada(sciezka, czasMs, BlokadaListy::Rodzaj::Odczyt);
    if (!zalozona(blokada, sciezka, wynik))
        return wynik;
    wynik.ostrzezenie.clear(); // said when the list is changed
    wynik.blad = blokada.plikListy() < 0 ? blokada.bladListy() : lista.wczytaj(blokada.plikListy(), sciezka);
    return wynik;
}

Wynik zmienPodBlokada(const QString &sciezka, ListaKlientow &lista, const std::function<bool(ListaKlientow &)> &zmiana,
                      int czasMs)
{
    Wynik wynik;
    const BlokadaListy blokada(sciezka, czasMs);
    if (!zalozona(blokada, sciezka, wynik))
        return wynik;
    wynik.blad = blokada.plikListy() < 0 ? lista.wczytaj(sciezka) : lista.wczytaj(blokada.plikListy(), sciezka);
    if (wynik.blad || !zmiana(lista))
        return wynik;
    wynik.blad = lista.zapisz(sciezka);
    if (!wynik.blad)
        wynik.stan = StanPliku::z(sciezka);
    return wynik;
}

Wynik zapisz(const QString &sciezka, const ListaKlientow &lista, int czasMs)
{
    Wynik wynik;
    const BlokadaListy blokada(sciezka, czasMs);
    if (!zalozona(blokada, sciezka, wynik))
        return wynik;
    wynik.blad = lista.zapisz(sciezka);
    if (!wynik.blad)
        wynik.stan = StanPliku::z(sciezka);
    return wynik;
}

Wynik usun(const QString &sciezka, const std::function<bool(const QString &)> &usun, int czasMs)
{
    Wynik wynik;
    const BlokadaListy blokada(sciezka, czasMs);
    if (!zalozona(blokada, sciezka, wynik))
        return wynik;
    wynik.ostrzezenie.clear();
    if (!usun(sciezka))
        wynik.blad = {BladIO::OdmowaDostepu};
    return wynik;
}

} // namespace WspolnaLista
