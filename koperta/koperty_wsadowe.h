// Envelopes for many clients without any window, as the command line prints them: the
// settings the envelope window holds after "Koperta" (and after "Czytaj profil"), and a
// job written to a PDF file that appears only when it is complete.
#pragma once

#include "druk_koperty.h"
#include "rozmiarkoperty.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct UstawieniaWsadowe
{
    UstawieniaKoperty ustawienia; // the checked preset; logo 1 only when a picture is printed
    QImage logo;                  // null: no picture to print
    CzcionkaDruku czcionka;
    RozmiarKoperty rozmiar = RozmiarKoperty::JakWDrukarce;
    QStringList uwagi; // what the window would have reported but printed anyway
};

// The envelope window's settings after "Koperta" for the data root `katalogDanych` (its
// set-up, ustawKoperte, with the firm's sender lines; a missing record counts as the one
// the set-up would create, and nothing is written), then after "Czytaj profil" of `profil`
// when given; the sender lines of a job for many clients (nadawcaDlaWielu); the print font
// from `sciezkaCzcionki`. Returns the error text when a file could not be read; a logo to
// be printed whose picture cannot be loaded is a note in `uwagi`, and is left out.
std::optional<QString> wczytajUstawieniaWsadowe(const QString &katalogDanych, const QString &sciezkaCzcionki,
                                                const QString &profil, const std::array<QString, 4> &nadawcaFirmy,
                                                UstawieniaWsadowe &wynik);

// The job into `plik` at `dpi`: one page per envelope on the envelopes' page size (A4
// when none is named). It is written beside the file under a temporary name and renamed
// over it only when complete, so a failure leaves no partial PDF.
std::optional<QString> drukujDoPdf(const QString &plik, const QList<DaneKoperty> &koperty, int dpi = 600);
