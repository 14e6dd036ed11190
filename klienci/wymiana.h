// Clients in and out of the list: the CSV and vCard writers and readers
// (wymiana_csv.h, wymiana_vcard.h), the import plan (plan_importu.h), and here what
// chooses between the formats and works on files. No window: the list window and the
// command line call these.
#pragma once

#include "plan_importu.h"
#include "wymiana_csv.h"
#include "wymiana_vcard.h"

#include <QByteArray>

#include <optional>

namespace Wymiana {

// Reads a CSV or vCard file's content: vCard when the text begins with BEGIN:VCARD
// (blanks aside), otherwise CSV; binary files and files larger than MaksRozmiarPliku
// are refused. `podpisy` are the current free-field captions (CSV headers and vCard X-
// names are matched against them); `mapowanie` is CzytnikCsv's.
WynikWczytania wczytajKlientow(const QByteArray &dane, const PodpisyPol &podpisy,
                               const std::optional<QList<int>> &mapowanie = std::nullopt);

// Reads at most MaksRozmiarPliku + 1 bytes of a file; an empty result and a Polish
// message in `blad` when the file cannot be read or is too large.
QByteArray czytajPlikWymiany(const QString &sciezka, QString &blad);

// czytajPlikWymiany then wczytajKlientow.
WynikWczytania wczytajPlikKlientow(const QString &sciezka, const PodpisyPol &podpisy,
                                   const std::optional<QList<int>> &mapowanie = std::nullopt);

// Writes an exported file safely (temporary file, flush, sync, rename).
BladIO zapiszPlikWymiany(const QString &sciezka, const QByteArray &tresc);

// What an export wrote: the chosen rows holding text, in their order (empty rows are
// left out), or why nothing was written.
struct WynikEksportu
{
    BladIO blad;
    QList<int> zapisane;
    bool ok() const { return blad.ok(); }
};

// Exports the chosen rows that hold text in the format and writes the file safely;
// `separator` is for CSV.
WynikEksportu eksportujDoPliku(const QString &sciezka, Format format, const ListaKlientow &lista,
                               const QList<int> &wiersze, const PodpisyPol &podpisy, QChar separator = u';');

} // namespace Wymiana
