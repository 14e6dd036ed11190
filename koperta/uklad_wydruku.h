// Geometry of the printed envelope, without any printer: the numbers typed in the
// envelope window, the printer's dots per millimetre, where every text line goes, the
// logo rectangle and the font height.
//
// Text positions are whole millimetres times a whole number of dots per millimetre;
// the logo is placed at a fixed 2.5 printer dots per picture pixel. All arithmetic is
// done in 64 bits and every coordinate is kept within ±MaksWspolrzedna dots, so no input,
// however large, can overflow or hand the painter a coordinate it cannot handle.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace UkladWydruku {
// 2^21 dots: about 87 m at 600 dpi, far beyond any page. Qt's PDF output, which print
// jobs go through, mishandles text placed beyond about ±2^22 dots: it carries that
// position over into the next job on the same printer, whose lines then all land off
// the page. Kept well below that.
constexpr qint64 MaksWspolrzedna = qint64(1) << 21;
// The largest font height in dots that font engines accept.
constexpr qint32 MaksWysokoscCzcionki = 0xFFFF;
// Indent of the recipient's address lines from the form-of-address line, mm.
constexpr qint64 WciecieOdbiorcy = 5;
// Sender lines stand this far below the sender top, mm.
constexpr qint64 ObnizenieNadawcy = 1;
} // namespace UkladWydruku

// The position texts as the envelope window holds them.
struct TekstyPolozen
{
    QString od;        // line spacing, mm
    QString l_n;       // sender block from the left, mm
    QString g_n;       // sender block from the top, mm
    QString lOdbiorcy; // recipient block from the left: lN of the checked size preset, mm
    QString gOdbiorcy; // recipient block from the top: gN of the checked size preset, mm
    QString l_log;     // logo from the left, picture pixels
    QString g_log;     // logo from the top, picture pixels
};

// The same once parsed with the lenient parse (an empty or bad field gives its digits or 0).
struct Polozenia
{
    qint32 odstep = 0;
    qint32 lewyNadawcy = 0;
    qint32 gornyNadawcy = 0;
    qint32 lewyOdbiorcy = 0;
    qint32 gornyOdbiorcy = 0;
    qint32 lewyLogo = 0;
    qint32 gornyLogo = 0;
};

Polozenia parsujPolozenia(const TekstyPolozen &t);

// A point in millimetres (may lie far outside the page).
struct PunktMm
{
    qint64 x = 0;
    qint64 y = 0;
    friend bool operator==(const PunktMm &, const PunktMm &) = default;
};

// Where each text line's top-left corner goes, in mm: the four sender lines n1..n4 and
// the five recipient lines o1 (form of address) and o2..o5.
//
// With S the sender top and D the spacing: n1..n4 at (sender left, S + 1 + k·D);
// o1 at (recipient left, recipient top); o2..o5 indented 5 mm at
// (recipient left + 5, recipient top + S + k·D), k = 1..4. The address lines carry the
// sender top as well: stored layouts are tuned to exactly this.
struct WierszeMm
{
    std::array<PunktMm, 4> nadawca;
    std::array<PunktMm, 5> odbiorca;
};

WierszeMm polozeniaWierszy(const Polozenia &p);

// Dots per millimetre for a resolution in dots per inch: dpi / 25 rounded half to even
// (25, not 25.4, so 600 dpi gives 24 and 360 gives 14).
qint32 punktyNaMilimetr(qint32 dpi);

// Clamps a coordinate in dots to ±MaksWspolrzedna.
qint32 przytnijWspolrzedna(qint64 punkty);

// Millimetres to dots on one axis, clamped.
qint32 mmNaPunkty(qint64 mm, qint32 punktyNaMm);

// Font height in dots for a size in points: −round(size × dpi / 72), halves to even.
// Negative asks for that character height without internal leading; 0 means the
// default size. The magnitude is kept within MaksWysokoscCzcionki.
qint32 wysokoscCzcionki(qint32 rozmiarPt, qint32 dpi);

// A rectangle in dots; right and bottom are exclusive.
struct ProstokatPunkty
{
    qint32 lewy = 0;
    qint32 gorny = 0;
    qint32 prawy = 0;
    qint32 dolny = 0;
    friend bool operator==(const ProstokatPunkty &, const ProstokatPunkty &) = default;
};

// The logo rectangle for a picture of w × h pixels whose top-left is at (lewy, gorny)
// picture pixels: 2.5 dots per pixel, left and top rounded (halves to even), right and
// bottom truncated toward zero. Logo left 1 with 100 pixels gives 2 .. 252.
ProstokatPunkty prostokatLogo(qint32 lewy, qint32 gorny, qint32 szerokosc, qint32 wysokosc);
