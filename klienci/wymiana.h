// Clients in and out of the list: CSV and vCard export, reading CSV and vCard files
// into clients, and planning and applying an import into the free rows of a list.
// No window: the list window and the command line call these.
#pragma once

#include "listaklientow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Wymiana {

using PodpisyPol = std::array<QString, PodpisyInfo::Liczba>;

// Files larger than this are refused; a reader needs only this many bytes plus one.
constexpr qsizetype MaksRozmiarPliku = 16 * 1024 * 1024;

// ---- Export -------------------------------------------------------------------------

// The rows worth exporting: those holding text in any column other than lp.
QList<int> wierszeZTekstem(const ListaKlientow &lista);

// The CSV header: "Lp", "Nazwa 1", "Nazwa 2", "Ulica", "Miejscowość", "NIP", "Opis"
// and the six captions ("Info 1".."Info 6" where a caption is empty).
QStringList naglowkiCsv(const PodpisyPol &podpisy);

// UTF-8 with a byte-order mark, a header row, RFC 4180 quoting, CRLF line ends. The lp
// column is written for reference; reading ignores it.
QByteArray eksportCsv(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy,
                      QChar separator = u';');
QByteArray eksportCsv(const QList<Klienci::TekstyWiersza> &klienci, const PodpisyPol &podpisy, QChar separator = u';');

// vCard 3.0, one card per client: FN, N (empty), ORG from the two name lines, a work
// ADR (a leading "NN-NNN " of the town becomes the postal code), X-NIP, NOTE ("NIP: …"
// line, then the description), the free fields as X-<caption>. UTF-8, CRLF, lines
// folded at 75 octets.
QByteArray eksportVcard(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy);
QByteArray eksportVcard(const QList<Klienci::TekstyWiersza> &klienci, const PodpisyPol &podpisy);

// The vCard property names of the six free fields: "X-" and the caption without
// diacritics, upper case, other characters as '-'; "X-INFO<n>" when a caption is empty
// or its name is taken.
std::array<QString, PodpisyInfo::Liczba> nazwyPolVcard(const PodpisyPol &podpisy);

// Writes an exported file safely (temporary file, flush, sync, rename).
BladIO zapiszPlikWymiany(const QString &sciezka, const QByteArray &tresc);

enum class Format { Csv, Vcard };

// Exports the rows in the format and writes the file safely; `separator` is for CSV.
BladIO eksportujDoPliku(const QString &sciezka, Format format, const ListaKlientow &lista, const QList<int> &wiersze,
                        const PodpisyPol &podpisy, QChar separator = u';');

// ---- Reading ------------------------------------------------------------------------

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

struct WynikWczytania
{
    QList<Klienci::TekstyWiersza> klienci; // lp empty
    QString blad;                          // Polish, naming the line; empty on success
    Format format = Format::Csv;

    // CSV only:
    QStringList naglowek;     // the header row as read
    QList<int> mapowanie;     // per header column: a Kolumna or a Cel
    QList<int> nierozpoznane; // header columns no name matched (mapped to Pomin)
    QChar separator;
    QString kodowanie; // "UTF-8", "UTF-16", "Windows-1250"

    bool ok() const { return blad.isEmpty(); }
};

// Reads a CSV or vCard file's content. `podpisy` are the current free-field captions
// (CSV headers and vCard X- names are matched against them). For CSV, `mapowanie`
// (one entry per header column, as WynikWczytania::mapowanie) replaces the automatic
// mapping; a wrong count is an error.
WynikWczytania wczytajKlientow(const QByteArray &dane, const PodpisyPol &podpisy,
                               const std::optional<QList<int>> &mapowanie = std::nullopt);

// Reads at most MaksRozmiarPliku + 1 bytes of a file; an empty result and a Polish
// message in `blad` when the file cannot be read or is too large.
QByteArray czytajPlikWymiany(const QString &sciezka, QString &blad);

// czytajPlikWymiany then wczytajKlientow.
WynikWczytania wczytajPlikKlientow(const QString &sciezka, const PodpisyPol &podpisy,
                                   const std::optional<QList<int>> &mapowanie = std::nullopt);

// ---- Import plan --------------------------------------------------------------------

struct UwagaImportu
{
    enum Rodzaj { Przyciete, BrakZnakow };
    Rodzaj rodzaj;
    int klient;       // index into PlanImportu::klienci
    int wiersz;       // the row it goes to
    int kolumna;      // Klienci::Kolumna
    QString zapisane; // the text as it will be stored (cut, '?' for missing characters)
};

struct PlanImportu
{
    QList<Klienci::TekstyWiersza> klienci;       // as read
    QList<int> wiersze;                          // wiersze[i]: the row of klienci[i]; only the first umieszczone()
    QList<UwagaImportu> uwagi;                   // for placed clients only
    QList<Klienci::TekstyWiersza> niemieszczace; // clients without a free row
    // The placed clients' texts in Windows-1250, cut to capacity, as they will be stored.
    QList<std::array<QByteArray, Klienci::LiczbaKolumn>> bajty;

    int umieszczone() const { return int(wiersze.size()); }
};

// A row an import may take: every column but lp is empty. An import never writes over a
// row that holds any text, even one that counts as free because nazwa1 is empty.
bool wierszDoImportu(const ListaKlientow &lista, int wiersz);

// Places the clients in the importable rows, lowest first. No I/O.
PlanImportu zaplanujImport(const ListaKlientow &lista, const QList<Klienci::TekstyWiersza> &klienci);

// Writes the placed clients as "Dodaj do listy" writes a row: only the length bytes
// and the characters change; lp is untouched.
void zastosujPlan(ListaKlientow &lista, const PlanImportu &plan);

} // namespace Wymiana
