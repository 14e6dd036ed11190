// Printing envelopes without any window: the print data of one envelope made from the
// settings and one client's lines, the printer operations acting on a canvas passed in,
// and one routine that draws envelopes on any paged device (a printer, a PDF file).
#pragma once

#include "rekordczcionki.h"
#include "rekordykoperty.h"
#include "uklad_wydruku.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

// Everything one envelope print needs.
struct DaneKoperty
{
    std::array<QString, 4> nadawca;  // n1..n4
    std::array<QString, 5> odbiorca; // o1 (form of address), o2..o5
    TekstyPolozen polozenia;         // od, l_n, g_n, the checked preset's pair, l_log, g_log
    bool poziomo = false;            // "drukuj poziomo"
    bool drukujLogo = false;         // "drukuj obrazek"
    QImage logo;                     // the print picture at its own size; null: no logo
    QPageSize strona;                // the envelope's page size; invalid: the device's paper

    // The print font: an empty face keeps the canvas' default face, size 0 its default size.
    QString krojCzcionki;
    qint32 rozmiarCzcionki = 0; // points
    quint8 stylCzcionki = 0;    // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    QColor kolorCzcionki = Qt::black;
};

// Whether a logo path names an existing regular file (a damaged path with a NUL, a folder
// or a device names none). Only then can "drukuj obrazek" be ticked.
bool obrazekIstnieje(const QString &sciezka);

// The print data of one envelope: the sender lines and the form of address from the
// settings, `odbiorca` as o2..o5, the recipient block at the checked preset's pair (none
// checked: empty positions), the logo printed when `u.logo` is 1 and `logo` holds a
// picture, and the print font's face, size, style and colour.
DaneKoperty daneKoperty(const UstawieniaKoperty &u, const std::array<QString, 4> &odbiorca, const QImage &logo,
                        const CzcionkaDruku &czcionka);

// The resolution of a canvas' device in dots per inch, and dots per millimetre from it.
struct ParametryPlotna
{
    qint32 dpiX = 0;
    qint32 dpiY = 0;
    qint32 punktyNaMmX = 0;
    qint32 punktyNaMmY = 0;
};

// The canvas the printer operations act on: an active painter and its measured resolution.
struct Plotno
{
    QPainter &malarz;
    ParametryPlotna parametry{};
};

// ---- The printer operations.
// Measures the resolution of the canvas' device.
void ParametryDrukarki(Plotno &plotno);
// Orientation of a device; set while no job is open on it.
void UstawPoziomo(QPagedPaintDevice &urzadzenie);
void UstawPionowo(QPagedPaintDevice &urzadzenie);
// Face (an empty name keeps the face) and height −round(size × dpi / 72) of the canvas
// font; height 0 keeps the canvas' default size.
void UstawCzcionke(Plotno &plotno, const QString &kroj, qint32 rozmiar);
// Writes one line, unwrapped and unclipped, with the top-left of its text cell at
// (x, y) millimetres, on an opaque white background.
void PiszTekst(Plotno &plotno, qint64 x, qint64 y, const QString &tekst);

// Draws one envelope onto an active painter, in the painter's device dots: logo (when
// `drukujLogo` and a picture is held), then the sender block and the recipient block.
// Returns the resolution it measured.
ParametryPlotna rysujKoperte(QPainter &p, const DaneKoperty &d);

// The page set-up of a job: the envelope's page size (an invalid size keeps the device's
// paper), the orientation, margins at the printable area (the canvas' origin is its corner).
void ustawStrone(QPagedPaintDevice &urzadzenie, bool poziomo, const QPageSize &strona = {});

// The error text of a print job that could not be done.
QString tekstBleduDruku();

// Called after each page with the number of pages drawn; false stops the job.
using PostepDruku = std::function<bool(qsizetype)>;

// One job on `urzadzenie`: the page set-up of the first envelope, one envelope per page, end, and the device
// in portrait again. Returns the error text when the job could not be done (it could not
// begin or end, or `postep` stopped it).
std::optional<QString> drukujKoperty(QPagedPaintDevice &urzadzenie, const QList<DaneKoperty> &koperty,
                                     const PostepDruku &postep = {});
