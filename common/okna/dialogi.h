// Every question, notice, error box and standard dialog of the program goes through
// one Dialogi object, so that tests can answer them by script.
#pragma once

#include "rekord.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

struct UstawieniaPliku
{
    QString filtr;                // e.g. "Lista klientów (*.dat)"
    QString rozszerzenie;         // default extension without the dot, added to a bare name
    QString katalog;              // initial folder; empty: the platform's choice
    QString nazwa;                // offered in the file-name box
    bool pytajONadpisanie = true; // save dialogs only
    QString obiekt;               // the dialog's design name, given to it as its object name
    QString tytul;                // the window title; empty: the platform's
    QString przycisk;             // the accept button's text; empty: the platform's
};

// A font as the font dialog presets and returns it; `kolor` is the stored colour
// value (an explicit RGB with red in the lowest byte, or 0xFF0000nn for system colour nn).
struct WyborCzcionki
{
    QFont czcionka;
    qint32 kolor = 0;
};

class Dialogi
{
public:
    virtual ~Dialogi() = default;

    // Yes/No box captioned "Pytanie", no icon; true for Yes.
    virtual bool pytanie(QWidget *rodzic, const QString &tekst) = 0;
    // The same box with No as its default button, for questions that destroy something.
    virtual bool pytanieDomyslnieNie(QWidget *rodzic, const QString &tekst) { return pytanie(rodzic, tekst); }
    // Yes/No/Cancel box captioned "Pytanie" ("Tak", "Nie", "Anuluj"): true for Yes, false
    // for No, nothing for Cancel (also the window's close button).
    virtual std::optional<bool> pytanieZAnuluj(QWidget *rodzic, const QString &tekst) = 0;
    // OK box captioned "Informacja", no icon.
    virtual void informacja(QWidget *rodzic, const QString &tekst) = 0;
    // The application's standard error box.
    virtual void blad(QWidget *rodzic, const QString &tekst) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString otworzPlik(QWidget *rodzic, const UstawieniaPliku &u) = 0;
    virtual QString zapiszPlik(QWidget *rodzic, const UstawieniaPliku &u) = 0;
    // Text input box with a caption, a prompt, one field, OK and Cancel.
    virtual std::optional<QString> wpisz(QWidget *rodzic, const QString &tytul, const QString &zacheta) = 0;
    // Print dialog: chooses the printer (and may set it to print to a file).
    virtual bool drukuj(QWidget *rodzic, QPrinter *drukarka) = 0;
    // Font dialog with effects (underline, strike-out, colour).
    virtual std::optional<WyborCzcionki> czcionka(QWidget *rodzic, const WyborCzcionki &poczatkowa) = 0;
};

// Reports an input/output error with the standard error box.
void pokazBlad(Dialogi &dialogi, QWidget *rodzic, const BladIO &blad);

// A name typed without an extension gets `rozszerzenie`.
QString dodajRozszerzenie(const QString &sciezka, const QString &rozszerzenie);

// The real dialogs: message boxes with Polish buttons and the platform's file, print and
// font dialogs.
class PrawdziweDialogi : public Dialogi
{
public:
    bool pytanie(QWidget *rodzic, const QString &tekst) override;
    bool pytanieDomyslnieNie(QWidget *rodzic, const QString &tekst) override;
    std::optional<bool> pytanieZAnuluj(QWidget *rodzic, const QString &tekst) override;
    void informacja(QWidget *rodzic, const QString &tekst) override;
    void blad(QWidget *rodzic, const QString &tekst) override;
    QString otworzPlik(QWidget *rodzic, const UstawieniaPliku &u) override;
    QString zapiszPlik(QWidget *rodzic, const UstawieniaPliku &u) override;
    std::optional<QString> wpisz(QWidget *rodzic, const QString &tytul, const QString &zacheta) override;
    bool drukuj(QWidget *rodzic, QPrinter *drukarka) override;
    std::optional<WyborCzcionki> czcionka(QWidget *rodzic, const WyborCzcionki &poczatkowa) override;
};
