// Envelopes for many clients without any window, as the command line prints them: the
// settings the envelope window would hold after its set-up (or after reading a profile),
// and a job written to a PDF file that appears only when it is complete.
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
    UstawieniaKoperty ustawienia; // preset 1..4, logo and landscape flags as the window applies them
    QImage logo;                  // null: no picture to print
    CzcionkaDruku czcionka;
    RozmiarKoperty rozmiar = RozmiarKoperty::JakWDrukarce;
    QStringList uwagi; // what the window would have reported but printed anyway
};

// The defaults under `katalogDanych` (a missing record counts as the one the window's
// set-up would create, and nothing is written), then `profil` when given with its size,
// the print font from `sciezkaCzcionki`, the logo. Sender lines: `nadawcaFirmy`, unless the
// profile brings its own. Returns the error text when a file could not be read.
std::optional<QString> wczytajUstawieniaWsadowe(const QString &katalogDanych, const QString &sciezkaCzcionki,
                                                const QString &profil, const std::array<QString, 4> &nadawcaFirmy,
                                                UstawieniaWsadowe &wynik);

// The job into `plik` at `dpi`: one page per envelope on the envelopes' page size (A4
// when none is named). It is written beside the file under a temporary name and renamed
// over it only when complete, so a failure leaves no partial PDF.
std::optional<QString> drukujDoPdf(const QString &plik, const QList<DaneKoperty> &koperty, int dpi = 600);
