// Print jobs on a printer (a print queue, or Qt's PDF output through a printer) and into
// PDF files, without any window: any job of pages with progress and abort, a PDF file
// written whole or not at all, the envelope jobs, and the drawing of a preview's pages by
// the routine that prints.
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

// Draws the pages of a job on a device, calling its argument after each page.
using RysowanieZadania = std::function<std::optional<QString>(QPagedPaintDevice &, const PostepDruku &)>;

// A job of `strony` pages on a printer, drawn by `rysuj`. `postep` is called after each
// page (false cancels). A failure or a cancel aborts the whole job, removes a PDF file it
// began and gives "Drukowanie przerwane. Wysłano stron: N z M."
WynikDruku wykonajZadanie(QPrinter &drukarka, qsizetype strony, const RysowanieZadania &rysuj,
                          const PostepDruku &postep = {});
// A job of many envelopes on a printer, as wykonajZadanie.
WynikDruku drukujZadanie(QPrinter &drukarka, const QList<DaneKoperty> &koperty, const PostepDruku &postep = {});

// A job into the PDF file `plik` at `dpi`, drawn by `rysuj`. It is written beside the file
// under a temporary name and renamed over it only when complete, so a failure leaves no
// partial PDF.
std::optional<QString> zapiszPdf(const QString &plik, int dpi, const RysowanieZadania &rysuj);

// Draws a job for a preview on the preview's printer with the routine that prints, so the
// preview is what prints, and leaves that printer with the job's paper to show.
void rysujPodglad(QPrinter &podglad, const QList<DaneKoperty> &koperty);
