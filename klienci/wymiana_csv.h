// CSV files of clients: the header row, the writer and the reader.
#pragma once

#include "wymiana_wspolne.h"

#include <optional>

class QIODevice;

namespace Wymiana {

// Targets of a CSV column beyond the list's own columns (Klienci::Kolumna 0..12;
// Lp is recognised and ignored). Several columns may go to one target: the street, the
// postal code and the town come from one address (business, work or postal before home
// and other, see klientZKontaktu), a free column takes the value of the best rank and
// passes the others to a free column of the same kind. The person goes to nazwa1 without
// a firm, else to the contact-person column, else to nazwa2.
enum Cel : int {
    Pomin = -1,       // not imported (its text is listed per client as not imported)
    KodPocztowy = 13, // put before the town, with a space
    Osoba = 14,       // a person's full name
    Imie = 15,        // first (and middle) names, joined with Nazwisko into Osoba
    Nazwisko = 16,
    UlicaCd = 17,   // a second street line, after the street and a comma
    TypGrupy = 18,  // the kind of a numbered group ("Phone 1 - Type": Work, Home, Mobile)
    AdresCaly = 19, // a whole address in one field, taken when its parts are empty
    Kraj = 20,      // the country of an address, listed when it is not Poland
};

// A caption for a CSV target, for the mapping dialog: the list's columns by the captions
// of `podpisy`.
QString nazwaCelu(int cel, const PodpisyPol &podpisy = {});
// Every target the mapping dialog offers, Pomin first.
QList<int> cele();

// The CSV header: "Lp", "Nazwa 1", "Nazwa 2", "Ulica", "Miejscowość", "NIP", "Opis"
// and the six captions ("Info 1".."Info 6" where a caption is empty).
QStringList naglowkiCsv(const PodpisyPol &podpisy);

// Writes UTF-8 with a byte-order mark, a header row, RFC 4180 quoting, CRLF line ends.
// The lp column is written for reference; reading ignores it.
class PisarzCsv
{
public:
    explicit PisarzCsv(const PodpisyPol &podpisy, QChar separator = u';');

    // False, with blad() saying why, when the device did not take everything.
    bool zapisz(QIODevice &urzadzenie, const QList<Klienci::TekstyWiersza> &klienci);
    QString blad() const { return m_blad; }

private:
    PodpisyPol m_podpisy;
    QChar m_separator;
    QString m_blad;
};

// The export as PisarzCsv writes it, of the list's rows or of clients.
QByteArray eksportCsv(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy,
                      QChar separator = u';');
QByteArray eksportCsv(const QList<Klienci::TekstyWiersza> &klienci, const PodpisyPol &podpisy, QChar separator = u';');

// Reads a CSV file: UTF-16 with a byte-order mark, UTF-8 (with or without one), otherwise
// Windows-1250; any line ends; the separator (';', ',' or tab) taken from the header row.
// Our own export is recognised by "Lp" and the fixed names in their places, its free
// columns matched to `podpisy` by caption, else by kind. Other header names are matched
// against the list's own column names, then `podpisy`, then the names other programs
// write (Google, Outlook in English and Polish, Thunderbird, LibreOffice), then what they
// say they hold (a phone, an e-mail…). A first row naming nothing known is no header:
// the result says so (bezNaglowka, blad) and holds no clients. `mapowanie` (one entry
// per column, as WynikWczytania::mapowanie) replaces the recognised targets, and a wrong
// count is an error. A record that cannot be read is left out and named by its line.
class CzytnikCsv
{
public:
    explicit CzytnikCsv(const PodpisyPol &podpisy, std::optional<QList<int>> mapowanie = std::nullopt);

    WynikWczytania czytaj(QIODevice &urzadzenie) const;

private:
    WynikWczytania czytajDane(const QByteArray &dane) const;
    WynikWczytania czytajTekst(const QString &tekst) const;

    PodpisyPol m_podpisy;
    std::optional<QList<int>> m_mapowanie;
};

} // namespace Wymiana
