// Printing an envelope: the printer operations of the envelope unit, one drawing routine
// for any paint device (the printer's page, or a preview picture), and the print job.
#pragma once

#include "rekordczcionki.h" // kolorZZapisu
#include "uklad_wydruku.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QPainter;
class QPrinter;
class QWidget;

// Everything one envelope print needs, as the envelope window holds it.
struct DaneKoperty
{
    std::array<QString, 4> nadawca;  // n1..n4
    std::array<QString, 5> odbiorca; // o1 (form of address), o2..o5
    TekstyPolozen polozenia;         // od, l_n, g_n, the checked preset's pair, l_log, g_log
    bool poziomo = false;            // "drukuj poziomo"
    // "drukuj obrazek": pass it ticked only while the box is enabled too, so a logo
    // whose picture file is missing or was detached is not printed.
    bool drukujLogo = false;
    QImage logo;                     // the print picture at its own size; null: no logo

    // The print font: an empty face keeps the canvas' default face, size 0 its default size.
    QString krojCzcionki;
    qint32 rozmiarCzcionki = 0;      // points
    quint8 stylCzcionki = 0;         // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    QColor kolorCzcionki = Qt::black;
};

// The print font as the print-font window stores it (colour as the stored value).
struct CzcionkaDruku
{
    QString kroj;
    qint32 rozmiar = 0;
    quint8 styl = 0;
    qint32 kolor = 0;
};


// ---- The printer operations. They act on the program's one printer and on the canvas
// of the drawing under way (the printer's page during a job).

// The program's one printer object (made at first use, after the application).
QPrinter &drukarka();

// Resolution of the canvas' device in dots per inch, and dots per millimetre from it.
void ParametryDrukarki();
// Orientation of the printer; set while no job is open.
void UstawPoziomo();
void UstawPionowo();
// Face (an empty name keeps the face) and height −round(size × dpi / 72) of the canvas
// font; height 0 keeps the canvas' default size.
void UstawCzcionke(const QString &kroj, qint32 rozmiar);
// Writes one line, unwrapped and unclipped, with the top-left of its text cell at
// (x, y) millimetres, on an opaque white background.
void PiszTekst(qint64 x, qint64 y, const QString &tekst);

// The resolution measured by the last ParametryDrukarki.
struct ParametryPlotna
{
    qint32 dpiX = 0;
    qint32 dpiY = 0;
    qint32 punktyNaMmX = 0;
    qint32 punktyNaMmY = 0;
};
ParametryPlotna parametryPlotna();

// Draws the envelope onto an active painter, in the painter's device dots: logo (when
// `drukujLogo` and a picture is held), then the sender block and the recipient block.
// Used by the print job and usable for a preview.
void rysujKoperte(QPainter &p, const DaneKoperty &d);

// The print job on `drukarka` (the printer the print dialog chose): orientation, begin,
// drawing, end, portrait again. The canvas' origin is the printable area's corner.
// Returns the error text when the job could not be done; the job is then aborted and
// the printer is in portrait again.
std::optional<QString> drukujKoperte(QPrinter &drukarka, const DaneKoperty &d);

// "Drukuj kopertę" from start to end: the print dialog on `drukarka` (cancel: nothing
// happens), the print font from `czytajCzcionke` (nullopt: it failed and has already been
// reported, nothing is printed), the job, and an error box when the job failed.
// Returns true when an envelope was printed.
bool wykonajDrukKoperty(QWidget *rodzic, QPrinter &drukarka, DaneKoperty dane,
                        const std::function<std::optional<CzcionkaDruku>()> &czytajCzcionke);
// The same, with the envelope's data taken by `zbierzDane` once the print dialog has
// closed (and before the print font is read), so the job prints the window's controls
// as they stand at that moment.
bool wykonajDrukKoperty(QWidget *rodzic, QPrinter &drukarka, const std::function<DaneKoperty()> &zbierzDane,
                        const std::function<std::optional<CzcionkaDruku>()> &czytajCzcionke);
