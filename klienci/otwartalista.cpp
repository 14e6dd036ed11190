#include "otwartalista.h"

using namespace Klienci;

OtwartaLista::OtwartaLista()
    : m_biezacaLista(QStringLiteral("klienci.dat"))
{
}

BladIO OtwartaLista::wczytaj()
{
    return m_lista.wczytaj(m_biezacaLista);
}

BladIO OtwartaLista::otworz(const QString &sciezka)
{
    const BladIO blad = m_lista.wczytaj(sciezka);
    if (!blad)
        m_biezacaLista = sciezka;
    return blad;
}

BladIO OtwartaLista::utworzNowa(const QString &sciezka)
{
    const ListaKlientow nowa = ListaKlientow::nowa();
    const BladIO blad = nowa.zapisz(sciezka);
    if (!blad) {
        m_lista = nowa;
        m_biezacaLista = sciezka;
    }
    return blad;
}

BladIO OtwartaLista::ustawWiersz(int wiersz, const TekstyWiersza &teksty)
{
    // The rows in memory keep the change even when the save fails; the next save
    // carries it, as the user typed it.
    m_lista.kopiujDoWiersza(wiersz, teksty);
    return zapiszIWczytaj(m_lista);
}

BladIO OtwartaLista::wyczyscWiersz(int wiersz)
{
    return ustawWiersz(wiersz, TekstyWiersza{});
}

BladIO OtwartaLista::sortuj(Kierunek kierunek)
{
    m_lista.sortuj(kierunek);
    return zapiszIWczytaj(m_lista.spakowana());
}

bool OtwartaLista::usunPlikListy(const QString &sciezka)
{
    return usunPlik(sciezka);
}

BladIO OtwartaLista::zapiszIWczytaj(const ListaKlientow &doZapisu)
{
    BladIO blad = doZapisu.zapisz(m_biezacaLista);
    if (!blad)
        blad = m_lista.wczytaj(m_biezacaLista);
    return blad;
}
