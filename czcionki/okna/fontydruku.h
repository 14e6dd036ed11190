// The print-font state of the envelope window: the print font (record and current face
// and size) and the font the chooser opens with. Not a widget: the chooser is the dialog
// interface's font dialog and errors go to its standard error box.
#pragma once

#include "dialogi.h"
#include "rekordczcionki.h"

class Kontekst;
class QWidget;

class FontyDruku
{
public:
    // The file is looked for under the working directory of `kontekst`; the chooser and
    // the error boxes are those of `dialogi`. Both must outlive this object.
    FontyDruku(const Kontekst &kontekst, Dialogi &dialogi);

    // "FONT\" + name under the working directory.
    QString sciezkaPliku(const QString &nazwa) const;

    // When the file exists, reads the print font from it; a missing file changes nothing.
    // False when an error was reported.
    bool CzytajFonty(QWidget *rodzic, const QString &nazwa);
    // Presets the chooser from the file when it exists (else from its last font), runs it
    // and, on OK, writes the file and sets the print font. Cancelling changes nothing and
    // returns true; false when an error was reported.
    bool ZapiszFonty(QWidget *rodzic, const QString &nazwa);

    const CzcionkaDruku &czcionka() const { return m_czcionka; }
    // What the chooser opens with next: "Tahoma" 8 points in the window-text colour at first.
    const WyborCzcionki &FontDialog1() const { return m_dialog; }

private:
    const Kontekst &m_kontekst;
    Dialogi &m_dialogi;
    CzcionkaDruku m_czcionka;
    WyborCzcionki m_dialog;
};
