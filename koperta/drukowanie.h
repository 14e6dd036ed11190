// Printing from the envelope window: the program's printer and the dialog flow of
// "Drukuj kopertę" around the print routine of druk_koperty.h.
#pragma once

#include "druk_koperty.h"

#include <functional>
#include <optional>

class QPrinter;
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
