// Helpers the CSV and vCard readers and writers share: each rule about texts, Windows-1250
// and devices written once. Not for callers outside the exchange.
#pragma once

#include "wymiana_wspolne.h"

#include <QByteArrayView>

#include <optional>

class QIODevice;

namespace Wymiana {

// A Polish letter without its diacritic ("ą" → "a", "Ł" → "L"); any other character as it is.
QChar bezOgonka(QChar c);

// Lower case, Polish letters without diacritics, only letters and digits kept: names
// compared this way match whatever their case, spacing and punctuation.
QString uproscNazwe(QStringView s);

// The bytes without a leading UTF-8 byte-order mark.
QByteArrayView bezBomUtf8(QByteArrayView b);

// The text after a UTF-16 byte-order mark (either byte order); nullopt without one.
std::optional<QString> zUtf16(QByteArrayView b);

// The text when the bytes are valid UTF-8.
std::optional<QString> zUtf8(QByteArrayView b);

// Line breaks and other control characters do not belong in a one-line field: a run of
// line breaks (CR, LF in any order) becomes one space, or nothing at either end; any other
// control character a space.
QString jednaLinia(const QString &s);

// The position of the first half of a surrogate pair without its other half (text that
// no UTF-8 file can hold), or -1.
qsizetype samotnySurogat(QStringView s);

// The two texts with a space between, or the one that is not empty.
QString dolacz(const QString &a, const QString &b);

// No text in any column but lp.
bool pustyKlient(const Klienci::TekstyWiersza &t);

// A failed read.
WynikWczytania bladWczytania(const QString &blad, Format format = Format::Csv);

// "Plik jest za duży (ponad 16 MB)".
QString bladRozmiaru();

// Reads the device to its end; nullopt with a Polish message in `blad` when reading
// fails or the device holds more than MaksRozmiarPliku bytes.
std::optional<QByteArray> czytajCalosc(QIODevice &urzadzenie, QString &blad);

// Writes all of `dane`; false with a Polish message in `blad` when the device takes less.
bool zapiszCalosc(QIODevice &urzadzenie, const QByteArray &dane, QString &blad);

// Windows-1250 as the list stores it (the tables of tekst.h, far quicker than a
// converter); `brak`: some character has no place in the code page (it becomes '?').
QByteArray kodujCp1250(QStringView s, bool &brak);

// The rows of the list as texts, in the order given.
QList<Klienci::TekstyWiersza> klienciZListy(const ListaKlientow &lista, const QList<int> &wiersze);

} // namespace Wymiana
