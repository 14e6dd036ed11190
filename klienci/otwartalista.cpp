#include "otwartalista.h"

#include <algorithm>

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

namespace {

// One row's bytes: its 13 entries, length bytes and all, in column order.
constexpr qsizetype RozmiarWiersza = przesuniecieKolumny(LiczbaKolumn) / LiczbaWierszy;

QByteArray bajtyWiersza(const ListaKlientow &l, int wiersz)
{
    QByteArray b;
    b.reserve(RozmiarWiersza);
    for (int k = 0; k < LiczbaKolumn; ++k)
        b.append(l.pole(k, wiersz), rozmiarWpisu(k));
    return b;
}

void wpiszBajtyWiersza(ListaKlientow &l, int wiersz, QByteArrayView b)
{
    for (int k = 0; k < LiczbaKolumn; ++k) {
        std::copy_n(b.data(), rozmiarWpisu(k), l.pole(k, wiersz));
        b = b.sliced(rozmiarWpisu(k));
    }
}

QByteArrayView wierszKroku(const QByteArray &bajty, qsizetype i)
{
    return QByteArrayView(bajty).sliced(i * RozmiarWiersza, RozmiarWiersza);
}

bool teSameTeksty(const TekstyWiersza &a, const TekstyWiersza &b)
{
    return std::equal(a.begin() + Nazwa1, a.end(), b.begin() + Nazwa1);
}

} // namespace

WspolnaLista::Wynik OtwartaLista::zmien(const std::function<bool(ListaKlientow &)> &zmiana)
{
    return zmien(zmiana, false);
}

WspolnaLista::Wynik OtwartaLista::zmien(const std::function<bool(ListaKlientow &)> &zmiana, bool calaLista)
{
    ListaKlientow przed;
    bool zmieniona = false;
    WspolnaLista::Wynik wynik = WspolnaLista::zmienPodBlokada(
        m_biezacaLista, m_lista,
        [&](ListaKlientow &l) {
            przed = l;
            zmieniona = zmiana(l);
            return zmieniona;
        },
        m_czasBlokadyMs);
    if (!wynik.ok() || !zmieniona)
        return wynik;
    // The step keeps only the rows this change wrote, so that undoing it never touches
    // rows others save meanwhile.
    KrokCofania krok;
    for (int w = 0; w < LiczbaWierszy; ++w) {
        QByteArray byl = bajtyWiersza(przed, w);
        QByteArray jest = bajtyWiersza(m_lista, w);
        if (calaLista || byl != jest) {
            krok.wiersze.append(w);
            krok.przed += byl;
            krok.po += jest;
        }
    }
    if (krok.wiersze.isEmpty())
        return wynik;
    if (int(m_cofanie.size()) >= NajwiecejKrokow)
        m_cofanie.erase(m_cofanie.begin());
    m_cofanie.push_back(std::move(krok));
    return wynik;
}

OtwartaLista::WynikWiersza OtwartaLista::ustawWiersz(int wiersz, const TekstyWiersza &teksty,
                                                     const std::optional<TekstyWiersza> &widziany)
{
    WynikWiersza w;
    static_cast<WspolnaLista::Wynik &>(w) = zmien([&](ListaKlientow &l) {
        if (wiersz < 0 || wiersz >= LiczbaWierszy)
            return false;
        // Someone else changed the row since the user saw it: nothing is written over it.
        if (widziany && !teSameTeksty(l.wiersz(wiersz), *widziany)) {
            w.obcy = l.wiersz(wiersz);
            return false;
        }
        l.kopiujDoWiersza(wiersz, teksty);
        return true;
    });
    return w;
}

OtwartaLista::WynikWiersza OtwartaLista::wyczyscWiersz(int wiersz, const std::optional<TekstyWiersza> &widziany)
{
    // What the window does: empty edit fields copied into the row.
    return ustawWiersz(wiersz, TekstyWiersza{}, widziany);
}

WspolnaLista::Wynik OtwartaLista::sortuj(Kierunek kierunek)
{
    return zmien(
        [kierunek](ListaKlientow &l) {
            l.sortuj(kierunek);
            l = l.spakowana();
            return true;
        },
        true);
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
            for (qsizetype i = 0; i < krok.wiersze.size(); ++i)
                if (bajtyWiersza(l, krok.wiersze[i]) != wierszKroku(krok.po, i))
                    w.obceWiersze.append(krok.wiersze[i]);
            if (w.obcaZmiana())
                return false;
            for (qsizetype i = 0; i < krok.wiersze.size(); ++i)
                wpiszBajtyWiersza(l, krok.wiersze[i], wierszKroku(krok.przed, i));
            return true;
        },
        m_czasBlokadyMs);
    if (w.obcaZmiana())
        m_cofanie.clear();
    else if (w.wynik.ok())
        m_cofanie.pop_back();
    return w;
}

void OtwartaLista::zamknij()
{
    m_biezacaLista = QStringLiteral("klienci.dat");
    m_lista = ListaKlientow();
    m_cofanie.clear();
}

WspolnaLista::Wynik OtwartaLista::usunPlikListy(const QString &sciezka,
                                                const std::function<bool(const QString &)> &usun)
{
    return WspolnaLista::usun(sciezka, usun);
}
