// The envelope settings as the envelope window holds them, and the operations that load
// them: the set-up that "Koperta" runs, "Czytaj ustalenia domyślne", "Czytaj profil" and
// the logo picture's steps. The window takes its controls' state, asks these and shows
// the result; the command line's `koperty` prints with the same result. No widgets.
#pragma once

#include "magazynkoperty.h"
#include "rozmiarkoperty.h"

#include <QImage>
#include <QString>

#include <array>

struct StanKoperty
{
    // What the controls hold: the texts; `rozmiar` the checked preset (1..4, 0 none),
    // `logo` and `poziomo` the ticks (0 or 1).
    UstawieniaKoperty ustawienia;
    // The preset label: the preset last checked, with lN and gN as they were then.
    QString etykieta;
    // "drukuj obrazek" enabled: the picture file named existed when last looked at.
    bool logoDostepne = false;
    // The logo picture held for printing; null: none.
    QImage obraz;
    RozmiarKoperty rozmiar = RozmiarKoperty::JakWDrukarce;

    // The logo is printed only when "drukuj obrazek" is ticked and enabled (a box
    // disabled because its picture file is missing or detached counts as unticked).
    bool drukujLogo() const { return ustawienia.logo == 1 && logoDostepne; }
    // The settings a print takes: the logo flag as above.
    UstawieniaKoperty doDruku() const;
};

// The preset label: "Rozmiar " + lN + "X" + gN.
QString etykietaRozmiaru(const UstawieniaKoperty &u, int numer);
// Checks a preset (1..4; other numbers change nothing); when it was not checked, its
// click operation shows its label.
void zaznaczRozmiar(StanKoperty &s, int numer);

// What one operation did.
struct WynikUstawien
{
    BladIO blad;             // a record that could not be read (or created): the operation stopped there
    QString plik;            // that record's file
    QString bladObrazka;     // the picture named could not be loaded: the picture held was emptied
    bool dokonczone = false; // every step ran
};

// The set-up: preset 1 and both ticks cleared, the positions, spacing and logo emptied;
// then the logo record, the layout record without its sender lines (preset 1's label),
// the logo picture (one that cannot be loaded does not stop the set-up), the form of
// address, the print options (a preset outside 1..4 and a flag other than 0 or 1 leave
// what is there), the logo box and the size kept with the defaults. The sender lines and
// the recipient lines are left as they are. A record that cannot be read stops it, and
// what was done before stays done. `brakujacy`: Utworz in the window, JakUtworzony on the
// command line, which writes nothing.
WynikUstawien ustawKoperte(MagazynKoperty &m, StanKoperty &s, MagazynKoperty::Brakujacy brakujacy);
// "Czytaj ustalenia domyślne": preset 1, ticks cleared, then the print options, the logo
// record and the layout with its sender lines (a missing file is an error, none is
// created), the label of the checked preset, the size, the picture and the logo box. A
// picture that cannot be loaded stops it before the logo box.
WynikUstawien czytajDomyslne(MagazynKoperty &m, StanKoperty &s);
// "Czytaj profil": the profile read whole before anything changes, then its size, its
// layout with the sender lines, its logo and print options, the picture and the logo box.
// The form of address is not in a profile.
WynikUstawien czytajProfil(MagazynKoperty &m, const QString &plik, StanKoperty &s);

// "Load the logo pictures": when the file named exists, its picture; one that cannot be
// loaded empties the picture held and gives its error text. A name of no existing file
// leaves the picture held.
QString zaladujObrazekLogo(StanKoperty &s);
// "Set the logo box": enabled when the file named exists.
void ustawPoleLogo(StanKoperty &s);

// The sender lines of a job for many clients: the settings' lines when any holds text,
// else the firm's.
std::array<QString, 4> nadawcaDlaWielu(const std::array<QString, 4> &ustawione, const std::array<QString, 4> &firmy);
