// Address labels on A4 sheets without any window: what a label holds, the job's settings
// as one value, the problems to show before printing, and one routine that draws the
// pages on any paged device (a printer, its preview, a PDF file).
#pragma once

#include "arkusze.h"
#include "druk_koperty.h"
#include "zadanie_druku.h"

#include <QColor>
#include <QPointF>
#include <QStringList>

class QPrinter;

// One label's lines (none empty) and whom it is for, as reports name it.
struct Etykieta
{
    QStringList wiersze;
    QString kto;
};

// The print font: an empty face is the default face, size 0 DrukEtykiet::DomyslnyRozmiar.
struct CzcionkaEtykiet
{
    QString kroj;
    qint32 rozmiar = 0; // points
    quint8 styl = 0;    // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    QColor kolor = Qt::black;
};

// Everything a job of labels needs.
struct ZadanieEtykiet
{
    Arkusz arkusz;
    int od = 1;           // the first free label of the first sheet, 1 = top left, across then down
    int kopie = 1;        // of each label, one after another
    double margines = 3;  // inside every label, mm
    QPointF przesuniecie; // the printer's offset, mm (PlikEtykiet::kalibracja)
    CzcionkaEtykiet czcionka;
    QList<Etykieta> etykiety;
};

namespace DrukEtykiet {

constexpr int MaksKopii = 100;
constexpr double DomyslnyRozmiar = 10;    // points
constexpr double NajmniejszyRozmiar = 6;  // points: lines are never shrunk below it
constexpr double NajwiekszyRozmiar = 144; // points

// The recipient's lines as the envelope prints them (form of address, nazwa1, nazwa2,
// ulica, miejscowosc), without the empty ones, for the client of list row `wiersz`
// (from 0): reports name it "wiersz 12 listy (nazwa1)".
Etykieta etykietaOdbiorcy(const DaneKoperty &d, int wiersz);
// The sender's lines (a return-address label).
Etykieta etykietaNadawcy(const DaneKoperty &d);
CzcionkaEtykiet czcionka(const DaneKoperty &d);
// The labels of `arkusze` whole sheets, the first one from label `z.od` on, all `e`.
void arkuszeJednejEtykiety(ZadanieEtykiet &z, const Etykieta &e, int arkusze = 1);

// Why the job cannot be printed (a Polish message): a sheet that fails its checks, a first
// label not on the sheet, copies outside 1 … 100, a margin that leaves no room.
std::optional<QString> sprawdz(const ZadanieEtykiet &z);

qsizetype liczbaStron(const ZadanieEtykiet &z);

// A label whose lines do not fit even at NajmniejszyRozmiar: `wiersz` is the line (from
// 1) too long for the label's width, 0 when the lines together are too tall.
struct Problem
{
    qsizetype etykieta = 0;
    int wiersz = 0;
    QString opis; // "wiersz 12 listy (Kowalski): 2. wiersz etykiety „…” jest za długi nawet w 6 pt"
};
// Every problem of the job's labels (a label repeated in a row is reported once). The
// job prints such a label at the smallest size, cut at its label's edge.
QList<Problem> problemy(const ZadanieEtykiet &z);

// The job on a device: A4 portrait, the origin at the paper's corner, one sheet per
// page. Lines are shrunk together to fit inside the margin; a label that cannot fit is
// cut at its own edge, never drawn over the next one. `postep` after each page (false
// stops). Returns the error text when the job could not be done.
std::optional<QString> rysuj(QPagedPaintDevice &urzadzenie, const ZadanieEtykiet &z, const PostepDruku &postep = {});

// One test page for measuring a printer: every label's outline, a cross at its centre and
// its number, moved by `przesuniecie` (mm).
std::optional<QString> rysujProbe(QPagedPaintDevice &urzadzenie, const Arkusz &a, QPointF przesuniecie = {});

// The job on a printer with progress and cancel (see wykonajZadanie), or into a PDF file
// that appears only when complete.
WynikDruku drukuj(QPrinter &drukarka, const ZadanieEtykiet &z, const PostepDruku &postep = {});
std::optional<QString> doPdf(const QString &plik, const ZadanieEtykiet &z, int dpi = 600);

} // namespace DrukEtykiet
