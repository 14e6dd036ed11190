// CSV files of clients: the header row, the writer and the reader.
#pragma once

#include "wymiana_wspolne.h"

#include <optional>

class QIODevice;

namespace Wymiana {

// Targets of a CSV column beyond the list's own columns (Klienci::Kolumna 0..12;
// Lp is recognised and ignored). The name lines come from a firm and a person: the firm
// (nazwa1) first, the person in nazwa2 when that is empty; without a firm the person is
// nazwa1.
enum Cel : int {
    Pomin = -1,       // not imported
    KodPocztowy = 13, // put before the town, with a space
    Osoba = 14,       // a person's full name
    Imie = 15,        // first name, joined with Nazwisko into Osoba
    Nazwisko = 16,
};

// A caption for a CSV target, for the mapping dialog.
QString nazwaCelu(int cel);
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
// Windows-1250; the separator (';', ',' or tab) taken from the header row. Header names
// are matched against the list's own column names, then `podpisy`, then the names other
// programs use; `mapowanie` (one entry per header column, as WynikWczytania::mapowanie)
// replaces that, and a wrong count is an error. A record that cannot be read is named
// by the line it starts on.
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
