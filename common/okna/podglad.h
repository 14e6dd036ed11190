// The print preview of the program's jobs: Qt's preview dialog on the program's printer,
// its pages drawn by the routine that prints, its print command going through the
// program's dialogs and print flow.
#pragma once

#include <functional>

class Dialogi;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// A preview on `drukarka` whose pages `rysuj` draws, not shown yet and deleted when
// closed. Its print command asks for the printer through `dialogi` unless `bezPytania`,
// then runs `drukuj` and closes the preview when that returns true. Its own page set-up
// is hidden: the job rules the page.
QPrintPreviewDialog *podgladWydruku(QWidget *rodzic, Dialogi &dialogi, QPrinter &drukarka,
                                    const std::function<void(QPrinter &)> &rysuj, bool bezPytania,
                                    const std::function<bool()> &drukuj);
