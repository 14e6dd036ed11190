// The print-font record (76 bytes, little-endian), the only record of "FONT\<name>".
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>

namespace RekordCzcionki {
constexpr qsizetype Rozmiar = 76;
constexpr qsizetype Kolor = 0; // int32: explicit RGB (red lowest) or 0xFF0000nn system colour nn
constexpr qsizetype Nazwa = 4; // face name, text of capacity 60
constexpr int PojemnoscNazwy = 60;
constexpr qsizetype Wielkosc = 68; // int32: size in points
constexpr qsizetype Styl = 72;     // style bits

enum : quint8 { Pogrubiona = 1, Kursywa = 2, Podkreslona = 4, Przekreslona = 8 };

// The window-text system colour: the dialog's colour until the user picks one.
constexpr qint32 KolorTekstuOkna = qint32(0xFF000008u);

qint32 kolor(const QByteArray &rekord);
QString nazwa(const QByteArray &rekord);
qint32 wielkosc(const QByteArray &rekord);
quint8 styl(const QByteArray &rekord);

// Fills colour, face name (cut to 60 characters), size and style. Every other byte,
// including those after the face name and the padding, keeps what the record held.
void wpisz(QByteArray &rekord, const QFont &czcionka, qint32 kolor);

// The style bits of a font, and a font's style set from them.
quint8 stylCzcionki(const QFont &czcionka);
void ustawStyl(QFont &czcionka, quint8 styl);

// The size in points of a font given in pixels is worked out at 96 pixels per inch.
qint32 wielkoscWPunktach(const QFont &czcionka);
} // namespace RekordCzcionki

// The colour to draw with: an explicit colour as it stands, a system colour as the
// platform's current value of the palette role that matches it (window text 8 is
// QPalette::WindowText).
QColor kolorZZapisu(qint32 kolor);

// The print font as the program holds it: the print-font record in memory (printing
// takes the style and the colour from it; a save keeps its other bytes) and the current
// print font's face and size (printing takes those from here). All zero at start.
struct CzcionkaDruku
{
    QByteArray rekord = QByteArray(RekordCzcionki::Rozmiar, '\0');
    QString kroj;
    qint32 rozmiar = 0;

    quint8 styl() const { return RekordCzcionki::styl(rekord); }
    qint32 kolor() const { return RekordCzcionki::kolor(rekord); }
};

// When the file exists, reads its first record into the print-font record and takes the
// current face and size from it; a missing file changes nothing. On an error (short,
// unreadable or read-only file) nothing changes.
BladIO CzytajFonty(const QString &sciezka, CzcionkaDruku &czcionka, Otwarcie otwarcie = Otwarcie::OdczytIZapis);
// Fills a copy of the record from `wybrana` and `kolor` and writes it as the file's only
// record (the folder is never created); only once written do the record and the current
// face and size change.
BladIO ZapiszFonty(const QString &sciezka, CzcionkaDruku &czcionka, const QFont &wybrana, qint32 kolor);
