// The client list: 501 rows by 13 columns held as one block of 349,698 bytes, exactly
// as a client list file stores it, and the operations on it that need no window.
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Klienci {

// The columns in the order the block stores them.
enum Kolumna : int {
    Lp,
    Nazwa1,
    Nazwa2,
    Ulica,
    Miejscowosc,
    Nip,
    Opis,
    Info1,
    Info2,
    Info3,
    Info4,
    Info5,
    Info6,
};

constexpr int LiczbaKolumn = 13;
constexpr int LiczbaWierszy = 501;

// Characters each column holds; an entry takes one length byte more.
constexpr std::array<int, LiczbaKolumn> Pojemnosc{5, 80, 80, 80, 80, 20, 100, 40, 40, 40, 40, 40, 40};

constexpr qsizetype rozmiarWpisu(int kolumna)
{
    return Pojemnosc[kolumna] + 1;
}

// The block is organised by column: every column is 501 entries one after the other.
constexpr qsizetype przesuniecieKolumny(int kolumna)
{
    qsizetype p = 0;
    for (int k = 0; k < kolumna; ++k)
        p += rozmiarWpisu(k) * LiczbaWierszy;
    return p;
}

constexpr qsizetype przesuniecieWpisu(int kolumna, int wiersz)
{
    return przesuniecieKolumny(kolumna) + qsizetype(wiersz) * rozmiarWpisu(kolumna);
}

constexpr qsizetype Rozmiar = przesuniecieKolumny(LiczbaKolumn);

static_assert(przesuniecieKolumny(Nazwa1) == 3006);
static_assert(przesuniecieKolumny(Nip) == 165330);
static_assert(przesuniecieKolumny(Info6) == 329157);
static_assert(Rozmiar == 349698);

// Names of the columns, which are also the names of their edit fields.
extern const std::array<const char *, LiczbaKolumn> NazwyKolumn;

// The texts of one row, indexed by Kolumna.
using TekstyWiersza = std::array<QString, LiczbaKolumn>;

enum class Kierunek { OdADoZ, OdZDoA };

// The row number text of row index `wiersz`: "01" to "09", then "10" to "501".
QString numerWiersza(int wiersz);

// What the tax number field makes of one typed character: a comma becomes a full stop;
// digits, the full stop and Backspace pass; anything else is dropped.
std::optional<QChar> filtrujZnakNip(QChar znak);

} // namespace Klienci

class ListaKlientow
{
public:
    // All zero bytes: the list before anything was loaded.
    ListaKlientow();

    // A new list: all zero except the row numbers.
    static ListaKlientow nowa();

    const QByteArray &dane() const { return m_dane; }

    // The raw entry (length byte first) of a column in a row.
    const char *pole(int kolumna, int wiersz) const;
    char *pole(int kolumna, int wiersz);

    // The entry's text bytes (Windows-1250), up to its length byte.
    QByteArray bajty(int kolumna, int wiersz) const;
    QString tekst(int kolumna, int wiersz) const;
    // Stores a text cut to the column's capacity; the bytes after it stay as they were.
    void ustawTekst(int kolumna, int wiersz, QStringView tekst);

    Klienci::TekstyWiersza wiersz(int wiersz) const;
    // Stores the texts of the 12 columns from nazwa1 to info6 into the row; lp is never
    // written.
    void kopiujDoWiersza(int wiersz, const Klienci::TekstyWiersza &teksty);

    // A row is free when its nazwa1 is empty, whatever the other columns hold.
    bool wolny(int wiersz) const;
    // The first free row, or -1 when every row holds a name.
    int pierwszyWolny() const;

    // A row that gets an envelope or a label when chosen: any of nazwa1, nazwa2, ulica,
    // miejscowosc holds text.
    bool maAdres(int wiersz) const;
    // Those rows, in list order.
    QList<int> wierszeZAdresem() const;

    // The list box line of a row: lp, a space, nazwa1, a space, nazwa2.
    QString linia(int wiersz) const;
    QStringList linie() const;

    // Writes the row numbers into lp.
    void numeruj();

    // The lowest row from `od` on in which the text occurs, as exact Windows-1250 bytes, in nazwa1,
    // nazwa2, ulica, miejscowosc, nip or opis; -1 when none. An empty text, or one
    // with characters that no stored text can hold, matches nothing.
    int szukaj(QStringView tekst, int od = 0) const;

    // Exchange sort by nazwa1 in Polish alphabetical order (letter case ignored, digit
    // runs as numbers), stable: full passes over all 500 pairs until a pass exchanges
    // nothing. Exchanges move the 12 columns other than lp.
    // Returns the number of passes.
    int sortuj(Klienci::Kierunek kierunek);
    // The named rows in their order from row 1 on, in a zeroed list, numbered.
    ListaKlientow spakowana() const;

    // Reads the file's first 349,698 bytes, opened read-only; on an error the list stays
    // as it was. A list others may change is read through WspolnaLista::czytaj.
    BladIO wczytaj(const QString &sciezka);
    // The same from a file already open (`sciezka` names it in errors).
    BladIO wczytaj(int plik, const QString &sciezka);
    // Replaces the file with the block (safely: a failure leaves the file as it was).
    BladIO zapisz(const QString &sciezka) const;

    bool operator==(const ListaKlientow &inna) const { return m_dane == inna.m_dane; }

private:
    QByteArray m_dane;
};

// The captions of the six free fields, "\ADMINI\info.dat" under the data root: six
// texts of capacity 10 in a 66-byte record.
namespace PodpisyInfo {
constexpr qsizetype Rozmiar = 66;
constexpr int Pojemnosc = 10;
constexpr int Liczba = 6;
} // namespace PodpisyInfo

struct Podpisy
{
    std::array<QString, PodpisyInfo::Liczba> teksty;
    BladIO blad;
};

// Creates a missing captions file as 66 zero bytes, then reads it. Read only: a missing
// file gives empty captions and nothing is written.
Podpisy czytajPodpisyInfo(const QString &katalogDanych, Otwarcie otwarcie = Otwarcie::OdczytIZapis);
