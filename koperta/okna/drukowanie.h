// Printing from the envelope window: the program's printer and the dialog flow of
// "Drukuj kopertę" around the print routine of druk_koperty.h.
#pragma once

#include "zadanie_druku.h"

#include <functional>
#include <memory>
#include <optional>

#include <QStringList>

class Dialogi;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// The program's one printer, made at its first use (printing support costs start-up time
// that most sessions never need). The program main owns it and hands it to the windows
// that print, so that a printer chosen once stays chosen.
class WspolnaDrukarka
{
public:
    WspolnaDrukarka();
    ~WspolnaDrukarka();
    WspolnaDrukarka(const WspolnaDrukarka &) = delete;
    WspolnaDrukarka &operator=(const WspolnaDrukarka &) = delete;

    QPrinter &operator()();

private:
    std::unique_ptr<QPrinter> m_drukarka;
};

// The files a print must never write over, when the printer writes to a file: those the
// window reads and the record files of the data roots (wyjscieZastapiloby).
struct ChronioneWydruku
{
    QStringList wejscia;
    QStringList katalogiDanych;
};

// What comes before a job of `koperty` on `drukarka`, once its dialog has closed: an
// output file that would replace a file the program reads is refused with an error box;
// lines that would run past the page are listed (which envelope, which line) with the
// question whether to print anyway. False: nothing is to be printed.
bool przedDrukiem(QWidget *rodzic, Dialogi &dialogi, QPrinter &drukarka, const QList<DaneKoperty> &koperty,
                  const ChronioneWydruku &chronione);
// Before a preview: the lines that would run past the page, in a notice.
void przedPodgladem(QWidget *rodzic, Dialogi &dialogi, QPrinter &drukarka, const QList<DaneKoperty> &koperty);

// "Drukuj kopertę" from start to end: the print dialog on `drukarka` (cancel: nothing
// happens), the envelope's data from `zbierzDane` as the window stands once the dialog
// has closed (nullopt: the print font could not be read and that has been reported,
// nothing is printed), przedDrukiem, the job, and an error box when the job failed.
// Returns true when an envelope was printed.
bool wykonajDrukKoperty(QWidget *rodzic, Dialogi &dialogi, QPrinter &drukarka,
                        const std::function<std::optional<DaneKoperty>()> &zbierzDane,
                        const ChronioneWydruku &chronione = {});

// A preview of `koperty` on `drukarka`, not shown yet and deleted when closed. Its print
// command asks for the printer through `dialogi` (and refuses an output file that would
// replace one of `chronione`) unless `bezPytania`, then runs `drukuj` and closes the
// preview when that returns true. Its own page set-up is hidden: the
// envelope's size and orientation rule the page.
QPrintPreviewDialog *podgladKopert(QWidget *rodzic, Dialogi &dialogi, QPrinter &drukarka,
                                   const QList<DaneKoperty> &koperty, bool bezPytania,
                                   const std::function<bool()> &drukuj, const ChronioneWydruku &chronione = {});
