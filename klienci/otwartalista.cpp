#include "otwartalista.h"

using namespace Klienci;

OtwartaLista::OtwartaLista()
    : m_biezacaLista(QStringLiteral("klienci.dat"))
{}

WspolnaLista::Wynik OtwartaLista::wczytaj()
{
    return WspolnaLista::czytaj(m_biezacaLista, m_lista, m_czasBlokadyMs);
}

WspolnaLista::Wynik OtwartaLista::otworz(const QString &sciezka)
{
    const WspolnaLista::Wynik wynik = WspolnaLista::czytaj(sciezka, m_lista, m_czasBlokadyMs);
    if (wynik.ok()) {
        m_biezacaLista = sciezka;
        m_cofanie.clear();
    }
    return wynik;
}

WspolnaLista::Wynik OtwartaLista::utworzNowa(const QString &sciezka)
{
    const ListaKlientow nowa = ListaKlientow::nowa();
    const WspolnaLista::Wynik wynik = WspolnaLista::zapisz(sciezka, nowa, m_czasBlokadyMs);
    if (wynik.ok()) {
        m_lista = nowa;
        m_biezacaLista = sciezka;
        m_cofanie.clear();
    }
    return wynik;
}

WspolnaLista::Wynik OtwartaLista::zmien(const std::function<bool(ListaKlientow &)> &zmiana)
{
    ListaKlientow przed;
    StanPliku stanPrzed;
    bool zmieniona = false;
    WspolnaLista::Wynik wynik = WspolnaLista::zmienPodBlokada(
        m_biezacaLista, m_lista,
        [&](ListaKlientow &l) {
            przed = l;
            stanPrzed = StanPliku::z(m_biezacaLista);
            zmieniona = zmiana(l);
            return zmieniona;
        },
        m_czasBlokadyMs);
    if (!wynik.ok() || !zmieniona)
        return wynik;
    // Someone else saved the file after our last change: undoing that older change
    // would overwrite their work, so the older steps go.
    if (!m_cofanie.empty() && !(m_cofanie.back().po == stanPrzed))
        m_cofanie.clear();
    zapamietajDoCofniecia(przed, wynik.stan);
    return wynik;
}

WspolnaLista::Wynik OtwartaLista::ustawWiersz(int wiersz, const TekstyWiersza &teksty)
{
    return zmien([&](ListaKlientow &l) {
        if (wiersz < 0 || wiersz >= LiczbaWierszy)
            return false;
        l.kopiujDoWiersza(wiersz, teksty);
        return true;
    });
}

WspolnaLista::Wynik OtwartaLista::wyczyscWiersz(int wiersz)
{
    // What the window does: empty edit fields copied into the row.
    return ustawWiersz(wiersz, TekstyWiersza{});
}

WspolnaLista::Wynik OtwartaLista::sortuj(Kierunek kierunek)
{
    return zmien([kierunek](ListaKlientow &l) {
        l.sortuj(kierunek);
        l = l.spakowana();
        return true;
    });
}

void OtwartaLista::zapamietajDoCofniecia(const ListaKlientow &przed, const StanPliku &po)
{
    if (int(m_cofanie.size()) >= NajwiecejKrokow)
        m_cofanie.erase(m_cofanie.begin());
    m_cofanie.push_back({przed, po});
}

OtwartaLista::WynikCofania OtwartaLista::cofnij()
{
    WynikCofania w;
    if (m_cofanie.empty())
        return w;
    const KrokCofania &krok = m_cofanie.back();
    w.wynik = WspolnaLista::zmienPodBlokada(
        m_biezacaLista, m_lista,
        [&](ListaKlientow &l) {
            if (!(StanPliku::z(m_biezacaLista) == krok.po)) {
                w.obcaZmiana = true;
                return false;
            }
            l = krok.przed;
            return true;
        },
        m_czasBlokadyMs);
    if (w.obcaZmiana) {
        m_cofanie.clear();
    } else if (w.wynik.ok()) {
        m_cofanie.pop_back();
        // The file now holds what the previous change saved, so that change can be
        // undone in turn.
        if (!m_cofanie.empty())
            m_cofanie.back().po = w.wynik.stan;
    }
    return w;
}

WspolnaLista::Wynik OtwartaLista::usunPlikListy(const QString &sciezka,
                                                const std::function<bool(const QString &)> &usun)
{
    return WspolnaLista::usun(sciezka, usun);
}
