// Printing from the envelope window: the program's printer and the dialog flow of
// "Drukuj kopertę" around the print routine of druk_koperty.h.
#pragma once

#include "druk_koperty.h"

#include <functional>
#include <optional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// The program's one printer object, made at its first use (after the application).
QPrinter &drukarka();

// A job on a printer: as drukujKoperty, with the origin at the printable area and the
// job aborted as soon as the printer reports a failure.
std::optional<QString> drukujNaDrukarce(QPrinter &drukarka, const QList<DaneKoperty> &koperty);

// "Drukuj kopertę" from start to end: the print dialog on `drukarka` (cancel: nothing
// happens), the envelope's data from `zbierzDane` as the window stands once the dialog
// has closed (nullopt: the print font could not be read and that has been reported,
// nothing is printed), the job, and an error box when the job failed.
// Returns true when an envelope was printed.
bool wykonajDrukKoperty(QWidget *rodzic, QPrinter &drukarka,
                        const std::function<std::optional<DaneKoperty>()> &zbierzDane);

// The outcome of a job of many envelopes: pages sent of all, and the error text.
struct WynikDruku
{
    qsizetype wyslane = 0;
    qsizetype wszystkie = 0;
    std::optional<QString> blad;
};

// A job of many envelopes on a printer. `postep` is called after each page (false
// cancels). A failure or a cancel aborts the whole job, removes a PDF file it began and
// gives "Drukowanie przerwane. Wysłano stron: N z M."
WynikDruku drukujZadanie(QPrinter &drukarka, const QList<DaneKoperty> &koperty, const PostepDruku &postep = {});

// Draws a job for a preview on the preview's printer with the routine that prints, so the
// preview is what prints, and leaves that printer with the job's paper to show.
void rysujPodglad(QPrinter &podglad, const QList<DaneKoperty> &koperty);

// A preview of `koperty` on `drukarka`, not shown yet and deleted when closed. Its print
// command asks for the printer through dialogi() unless `bezPytania`, then runs `drukuj`
// and closes the preview when that returns true. Its own page set-up is hidden: the
// envelope's size and orientation rule the page.
QPrintPreviewDialog *podgladKopert(QWidget *rodzic, QPrinter &drukarka, const QList<DaneKoperty> &koperty,
                                   bool bezPytania, const std::function<bool()> &drukuj);
