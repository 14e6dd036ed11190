// The client list file (349,698 bytes), built from a short input laid over a new list:
//
//   byte 0       flags: bit 0 cuts the file at the length in bytes 1..3 (a short file),
//                bit 1 appends the bytes 1..3 as extra bytes after the record
//   bytes 4..    entries: row (2 bytes, little-endian, modulo 501), column (modulo 13),
//                length byte (as stored, may exceed the capacity), then up to the
//                column's capacity of text bytes, as many as the input still has
//
// The file is read with ListaKlientow::wczytaj, then the list box lines, the search for
// texts taken from the list, both sorts, the first free row and the packed list are
// checked on what was read.
#include "fuzz.h"
#include "listaklientow.h"

#include <QCollator>
#include <QDir>
#include <QLocale>

#include <algorithm>
#include <map>

using namespace Klienci;

namespace {

// Unsigned byte order of nazwa1, a prefix before the longer text.
// The Polish alphabetical order the sort uses: letter case ignored, numbers by value.
bool przed(const QString &a, const QString &b)
{
    static const QCollator kolacja = [] {
        QCollator k{QLocale(QLocale::Polish, QLocale::Poland)};
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(true);
        return k;
    }();
    return kolacja.sortKey(a).compare(kolacja.sortKey(b)) < 0;
}

// The 12 columns after lp as the list stores them (text bytes only).
QList<QByteArray> rekordWiersza(const ListaKlientow &l, int w)
{
    QList<QByteArray> r;
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        r.append(l.bajty(k, w));
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    if (rozmiar < 4)
        return 0;
    static const QString plik = fuzz::katalogRoboczy() + QStringLiteral("/lista.dat");

    QByteArray tresc = ListaKlientow::nowa().dane();
    std::vector<bool> zmieniony(LiczbaWierszy, false);
    zmieniony[0] = zmieniony[LiczbaWierszy - 1] = true;
    for (size_t i = 4; i + 4 <= rozmiar;) {
        const int wiersz = (dane[i] | dane[i + 1] << 8) % LiczbaWierszy;
        zmieniony[wiersz] = true;
        const int kolumna = dane[i + 2] % LiczbaKolumn;
        const qsizetype p = przesuniecieWpisu(kolumna, wiersz);
        tresc[p] = char(dane[i + 3]);
        i += 4;
        const size_t ile = std::min<size_t>(size_t(Pojemnosc[kolumna]), rozmiar - i);
        std::memcpy(tresc.data() + p + 1, dane + i, ile);
        i += ile;
    }
    const qsizetype trzy = dane[1] | dane[2] << 8 | dane[3] << 16;
    if (dane[0] & 1)
        tresc.truncate(trzy % Rozmiar);
    else if (dane[0] & 2)
        tresc.append(QByteArray(trzy % 4096, '\x7f'));
    fuzz::zapiszPlik(plik, tresc);

    ListaKlientow lista;
    const BladIO blad = lista.wczytaj(plik);
    LK_WYMAGAJ(fuzz::czytajPlik(plik) == tresc); // reading changes nothing
    if (tresc.size() < Rozmiar) {
        LK_WYMAGAJ(blad.kod == BladIO::KoniecPliku);
        LK_WYMAGAJ(blad.tekst() == QStringLiteral("Read beyond end of file"));
        LK_WYMAGAJ(lista == ListaKlientow()); // the list stays as it was
        return 0;
    }
    LK_WYMAGAJ(blad.ok());
    LK_WYMAGAJ(lista.dane() == tresc.left(Rozmiar));

    // Every entry reads within its field, and the list box shows lp, nazwa1 and nazwa2.
    const QStringList linie = lista.linie();
    LK_WYMAGAJ(linie.size() == LiczbaWierszy);
    for (int w = 0; w < LiczbaWierszy; ++w) {
        for (int k = 0; k < LiczbaKolumn; ++k) {
            const QByteArray b = lista.bajty(k, w);
            const int dlugosc = quint8(tresc[przesuniecieWpisu(k, w)]);
            LK_WYMAGAJ(b == tresc.mid(przesuniecieWpisu(k, w) + 1, std::min(dlugosc, Pojemnosc[k])));
            if (zmieniony[w]) // decoding every entry would make each input slow
                LK_WYMAGAJ(lista.tekst(k, w).size() == b.size());
        }
        if (zmieniony[w])
            LK_WYMAGAJ(linie[w] == lista.tekst(Lp, w) + u' ' + lista.tekst(Nazwa1, w) + u' ' + lista.tekst(Nazwa2, w));
        else
            LK_WYMAGAJ(linie[w].size()
                       == lista.bajty(Lp, w).size() + lista.bajty(Nazwa1, w).size() + lista.bajty(Nazwa2, w).size()
                              + 2);
        LK_WYMAGAJ(lista.wolny(w) == lista.bajty(Nazwa1, w).isEmpty());
    }
    const int wolny = lista.pierwszyWolny();
    for (int w = 0; w < (wolny < 0 ? LiczbaWierszy : wolny); ++w)
        LK_WYMAGAJ(!lista.wolny(w));
    if (wolny >= 0)
        LK_WYMAGAJ(lista.wolny(wolny));

    // Search for texts that are in the list: found in that row or an earlier one.
    for (int proba = 0; proba < 3; ++proba) {
        const int w = (trzy + 167 * proba) % LiczbaWierszy;
        const int k = Nazwa1 + (trzy / 7 + proba) % 6;
        const QByteArray b = lista.bajty(k, w);
        const QString t = lista.tekst(k, w);
        const int znaleziony = lista.szukaj(t);
        if (b.isEmpty() || doCp1250(t) != b) { // empty, or bytes the code page cannot map back
            LK_WYMAGAJ(b.isEmpty() ? znaleziony == -1 : znaleziony <= w);
            continue;
        }
        LK_WYMAGAJ(znaleziony >= 0 && znaleziony <= w);
        bool jest = false;
        for (int kk = Nazwa1; kk <= Opis; ++kk)
            jest = jest || lista.bajty(kk, znaleziony).contains(b);
        LK_WYMAGAJ(jest);
    }

    // Sorting moves whole rows (without lp), keeps every row and orders nazwa1.
    std::map<QList<QByteArray>, int> wiersze;
    for (int w = 0; w < LiczbaWierszy; ++w)
        ++wiersze[rekordWiersza(lista, w)];
    for (Kierunek kierunek : {Kierunek::OdADoZ, Kierunek::OdZDoA}) {
        ListaKlientow s = lista;
        s.sortuj(kierunek);
        std::map<QList<QByteArray>, int> po;
        for (int w = 0; w < LiczbaWierszy; ++w) {
            ++po[rekordWiersza(s, w)];
            LK_WYMAGAJ(s.bajty(Lp, w) == lista.bajty(Lp, w));
            if (w > 0) {
                const QString a = s.tekst(Nazwa1, w - 1), b = s.tekst(Nazwa1, w);
                LK_WYMAGAJ(kierunek == Kierunek::OdADoZ ? !przed(b, a) : !przed(a, b));
            }
        }
        LK_WYMAGAJ(po == wiersze);
        // The packed list: the named rows first, numbered, the rest zero.
        const ListaKlientow p = s.spakowana();
        int nazwane = 0;
        for (int w = 0; w < LiczbaWierszy; ++w)
            nazwane += !s.wolny(w);
        for (int w = 0; w < LiczbaWierszy; ++w) {
            LK_WYMAGAJ(p.tekst(Lp, w) == numerWiersza(w));
            LK_WYMAGAJ(p.wolny(w) == (w >= nazwane));
        }
    }
    return 0;
}
