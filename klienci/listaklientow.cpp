#include "listaklientow.h"

#include "sciezki.h"
#include "tekst.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>
#include <vector>

#include <unistd.h>

using namespace Klienci;

namespace Klienci {

const std::array<const char *, LiczbaKolumn> NazwyKolumn{
    "lp",    "nazwa1", "nazwa2", "ulica", "miejscowosc", "nip",   "opis",
    "info1", "info2",  "info3",  "info4", "info5",       "info6",
};

QString numerWiersza(int wiersz)
{
    const int numer = wiersz + 1;
    return numer < 10 ? QStringLiteral("0%1").arg(numer) : QString::number(numer);
}

std::optional<QChar> filtrujZnakNip(QChar znak)
{
    if (znak == u',')
        znak = u'.';
    if ((znak >= u'0' && znak <= u'9') || znak == u'.' || znak == QChar(8))
        return znak;
    return std::nullopt;
}

} // namespace Klienci

namespace {

// The length of an entry's text; a length byte above the capacity (a damaged file)
// counts as the capacity, so nothing past the entry is ever read.
inline int dlugosc(const char *pole, int pojemnosc)
{
    return std::min<int>(static_cast<unsigned char>(pole[0]), pojemnosc);
}

inline std::string_view widok(const char *pole, int pojemnosc)
{
    return std::string_view(pole + 1, size_t(dlugosc(pole, pojemnosc)));
}

} // namespace

ListaKlientow::ListaKlientow()
    : m_dane(Rozmiar, '\0')
{}

ListaKlientow ListaKlientow::nowa()
{
    ListaKlientow lista;
    lista.numeruj();
    return lista;
}

const char *ListaKlientow::pole(int kolumna, int wiersz) const
{
    Q_ASSERT(kolumna >= 0 && kolumna < LiczbaKolumn && wiersz >= 0 && wiersz < LiczbaWierszy);
    return m_dane.constData() + przesuniecieWpisu(kolumna, wiersz);
}

char *ListaKlientow::pole(int kolumna, int wiersz)
{
    Q_ASSERT(kolumna >= 0 && kolumna < LiczbaKolumn && wiersz >= 0 && wiersz < LiczbaWierszy);
    return m_dane.data() + przesuniecieWpisu(kolumna, wiersz);
}

QByteArray ListaKlientow::bajty(int kolumna, int wiersz) const
{
    return czytajBajtyTekstu(pole(kolumna, wiersz), Pojemnosc[kolumna]);
}

QString ListaKlientow::tekst(int kolumna, int wiersz) const
{
    return czytajTekst(pole(kolumna, wiersz), Pojemnosc[kolumna]);
}

void ListaKlientow::ustawTekst(int kolumna, int wiersz, QStringView tekst)
{
    zapiszTekst(pole(kolumna, wiersz), Pojemnosc[kolumna], tekst);
}

TekstyWiersza ListaKlientow::wiersz(int w) const
{
    TekstyWiersza teksty;
    for (int k = 0; k < LiczbaKolumn; ++k)
        teksty[k] = tekst(k, w);
    return teksty;
}

void ListaKlientow::kopiujDoWiersza(int w, const TekstyWiersza &teksty)
{
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        ustawTekst(k, w, teksty[k]);
}

bool ListaKlientow::wolny(int w) const
{
    return pole(Nazwa1, w)[0] == 0;
}

int ListaKlientow::pierwszyWolny() const
{
    for (int w = 0; w < LiczbaWierszy; ++w)
        if (wolny(w))
            return w;
    return -1;
}

bool ListaKlientow::maAdres(int wiersz) const
{
    for (int k : {Nazwa1, Nazwa2, Ulica, Miejscowosc})
        if (pole(k, wiersz)[0] != 0)
            return true;
    return false;
}

QList<int> ListaKlientow::wierszeZAdresem() const
{
    QList<int> w;
    for (int i = 0; i < LiczbaWierszy; ++i)
        if (maAdres(i))
            w.append(i);
    return w;
}

QString ListaKlientow::linia(int w) const
{
    // Joined as bytes and decoded once.
    const std::string_view a = widok(pole(Lp, w), Pojemnosc[Lp]);
    const std::string_view b = widok(pole(Nazwa1, w), Pojemnosc[Nazwa1]);
    const std::string_view c = widok(pole(Nazwa2, w), Pojemnosc[Nazwa2]);
    char bufor[5 + 1 + 80 + 1 + 80];
    char *p = bufor;
    p = std::copy(a.begin(), a.end(), p);
    *p++ = ' ';
    p = std::copy(b.begin(), b.end(), p);
    *p++ = ' ';
    p = std::copy(c.begin(), c.end(), p);
    return zCp1250(QByteArrayView(bufor, p - bufor));
}

QStringList ListaKlientow::linie() const
{
    QStringList wynik;
    wynik.reserve(LiczbaWierszy);
    for (int w = 0; w < LiczbaWierszy; ++w)
        wynik.append(linia(w));
    return wynik;
}

void ListaKlientow::numeruj()
{
    for (int w = 0; w < LiczbaWierszy; ++w)
        zapiszBajtyTekstu(pole(Lp, w), Pojemnosc[Lp], numerWiersza(w).toLatin1());
}

int ListaKlientow::szukaj(QStringView tekst, int od) const
{
    if (tekst.isEmpty())
        return -1;
    const QByteArray igla = doCp1250(tekst);
    // A character the code page cannot hold was stored as '?'; such a text can occur
    // in no stored entry, and must not match a real question mark.
    if (zCp1250(igla) != tekst)
        return -1;
    const std::string_view szukany(igla.constData(), size_t(igla.size()));
    for (int w = std::max(od, 0); w < LiczbaWierszy; ++w) {
        for (int k = Nazwa1; k <= Opis; ++k) {
            if (widok(pole(k, w), Pojemnosc[k]).find(szukany) != std::string_view::npos)
                return w;
        }
    }
    return -1;
}

int ListaKlientow::sortuj(Kierunek kierunek)
{
    // The passes run on a row order and compare the keys in place; the rows are moved
    // once at the end. The result is the same as exchanging the rows at every step.
    // Keys follow the Polish alphabet (Ą after A, Ł after L, Ż after Z), ignore letter
    // case and compare digit runs as numbers, so "9" comes before "10".
    QCollator kolacja{QLocale(QLocale::Polish, QLocale::Poland)};
    kolacja.setCaseSensitivity(Qt::CaseInsensitive);
    kolacja.setNumericMode(true);
    std::vector<QCollatorSortKey> klucze;
    klucze.reserve(LiczbaWierszy);
    for (int w = 0; w < LiczbaWierszy; ++w)
        klucze.push_back(kolacja.sortKey(tekst(Nazwa1, w)));
    std::array<int, LiczbaWierszy> kolejnosc;
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);

    auto porownaj = [&klucze](int a, int b) { return klucze[size_t(a)].compare(klucze[size_t(b)]); };

    int przebiegi = 0;
    bool zamiana;
    do {
        zamiana = false;
        ++przebiegi;
        for (int n = 0; n + 1 < LiczbaWierszy; ++n) {
            const int r = porownaj(kolejnosc[n], kolejnosc[n + 1]);
            if (kierunek == Kierunek::OdADoZ ? r > 0 : r < 0) {
                std::swap(kolejnosc[n], kolejnosc[n + 1]);
                zamiana = true;
            }
        }
    } while (zamiana);

    if (przebiegi > 1) {
        const QByteArray stare = m_dane;
        for (int k = Nazwa1; k < LiczbaKolumn; ++k) {
            const qsizetype rozmiar = rozmiarWpisu(k);
            for (int w = 0; w < LiczbaWierszy; ++w) {
                if (kolejnosc[w] != w)
                    std::memcpy(pole(k, w), stare.constData() + przesuniecieWpisu(k, kolejnosc[w]), size_t(rozmiar));
            }
        }
    }
    return przebiegi;
}

ListaKlientow ListaKlientow::spakowana() const
{
    ListaKlientow wynik;
    int cel = 0;
    for (int w = 0; w < LiczbaWierszy; ++w) {
        if (wolny(w))
            continue;
        for (int k = Nazwa1; k < LiczbaKolumn; ++k) {
            const char *z = pole(k, w);
            char *do_ = wynik.pole(k, cel);
            const int n = dlugosc(z, Pojemnosc[k]);
            do_[0] = char(n);
            std::memcpy(do_ + 1, z + 1, size_t(n));
        }
        ++cel;
    }
    wynik.numeruj();
    return wynik;
}

BladIO ListaKlientow::wczytaj(const QString &sciezka)
{
    // Reading never needs write permission.
    BladIO blad;
    const int plik = otworzDoOdczytu(sciezka, blad);
    if (plik < 0)
        return blad;
    blad = wczytaj(plik, sciezka);
    ::close(plik);
    return blad;
}

BladIO ListaKlientow::wczytaj(int plik, const QString &sciezka)
{
    // czytajRekord replaces the buffer only when the whole record was read.
    return czytajRekord(plik, sciezka, m_dane, Rozmiar);
}

BladIO ListaKlientow::zapisz(const QString &sciezka) const
{
    return zapiszRekord(sciezka, m_dane);
}

Podpisy czytajPodpisyInfo(const QString &katalogDanych, Otwarcie otwarcie)
{
    Podpisy wynik;
    const QString sciezka = sciezkaDanych(katalogDanych, QStringLiteral("\\ADMINI\\info.dat"));
    QByteArray rekord;
    if (otwarcie == Otwarcie::TylkoOdczyt && !plikIstnieje(sciezka))
        return wynik;
    wynik.blad = otwarcie == Otwarcie::TylkoOdczyt
                     ? czytajRekord(sciezka, rekord, PodpisyInfo::Rozmiar, otwarcie)
                     : wczytajLubUtworz(sciezka, QByteArray(PodpisyInfo::Rozmiar, '\0'), rekord);
    if (wynik.blad)
        return wynik;
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        wynik.teksty[i] = czytajTekst(rekord, i * (PodpisyInfo::Pojemnosc + 1), PodpisyInfo::Pojemnosc);
    return wynik;
}
