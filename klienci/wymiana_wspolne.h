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

// A card or record that could not be read: it is left out and the rest of the file is read.
struct Pominiety
{
    int linia;     // where it begins (vCard: the line found wrong)
    QString opis;  // Polish, beginning with the line: "Linia 4448: brak dwukropka, …"
    QString nazwa; // what could be read of the client's name; may be empty
};

struct WynikWczytania
{
    QList<Klienci::TekstyWiersza> klienci; // lp empty
    // Per client: what the file holds for it that no column of the list takes, as
    // "name: value" ("Telefon (dom): 58 300 00 00", "Adres (dom): ul. Polna 1, 81-701 Gdynia").
    QList<QStringList> nieprzeniesione;
    QList<Pominiety> pominiete; // in file order
    // Polish, naming the line; empty on success. A file of which nothing could be read has
    // the first reason a card or record was left out.
    QString blad;
    Format format = Format::Csv;

    // CSV only:
    QStringList naglowek;      // the header row as read (without a header: the first row)
    QList<int> mapowanie;      // per header column: a Kolumna or a Cel (wymiana_csv.h)
    QList<int> nierozpoznane;  // header columns holding text that no column takes
    bool bezNaglowka = false;  // no column name recognised: `blad` names the names needed
    QList<QStringList> probki; // the first rows of data as read, for choosing the columns
    QChar separator;
    QString kodowanie; // "UTF-8", "UTF-16", "Windows-1250"

    bool ok() const { return blad.isEmpty(); }
};

} // namespace Wymiana
