// Print jobs of envelopes on a printer (a print queue, or Qt's PDF output through a
// printer), without any window: the job, a job of many envelopes with progress and abort,
// and the drawing of a preview's pages by the routine that prints.
#pragma once

#include "druk_koperty.h"

#include <optional>

class QPrinter;

// A job on a printer: as drukujKoperty, with the origin at the printable area and the
// job aborted as soon as the printer reports a failure.
std::optional<QString> drukujNaDrukarce(QPrinter &drukarka, const QList<DaneKoperty> &koperty);

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
