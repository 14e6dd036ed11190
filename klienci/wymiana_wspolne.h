// What the CSV and vCard formats share with their callers: the captions of the free
// columns, the formats, the size limit and the result of reading a file.
#pragma once

#include "listaklientow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace Wymiana {

using PodpisyPol = std::array<QString, PodpisyInfo::Liczba>;

// Files larger than this are refused; a reader needs only this many bytes plus one.
constexpr qsizetype MaksRozmiarPliku = 16 * 1024 * 1024;

enum class Format { Csv, Vcard };

struct WynikWczytania
{
    QList<Klienci::TekstyWiersza> klienci; // lp empty
    QString blad;                          // Polish, naming the line; empty on success
    Format format = Format::Csv;

    // CSV only:
    QStringList naglowek;     // the header row as read
    QList<int> mapowanie;     // per header column: a Kolumna or a Cel (wymiana_csv.h)
    QList<int> nierozpoznane; // header columns no name matched (mapped to Pomin)
    QChar separator;
    QString kodowanie; // "UTF-8", "UTF-16", "Windows-1250"

    bool ok() const { return blad.isEmpty(); }
};

} // namespace Wymiana
