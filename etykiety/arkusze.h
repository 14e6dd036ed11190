// Sheets of self-adhesive labels on A4: the geometry of one sheet, the sheets built in,
// the checks a user's own sheet must pass, lookup by name, and the label templates of
// the system's label database (package glabels-data) when it is installed.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

class QIODevice;

// One sheet, all lengths in millimetres on portrait A4: the label's size, how many
// labels across and down, the first label's top-left corner, and the pitch (the step
// from one label to the next) across and down.
struct Arkusz
{
    enum class Zrodlo { Wbudowany, Wlasny, Szablon };

    QString nazwa;
    double szerokosc = 0;
    double wysokosc = 0;
    int kolumny = 0;
    int wiersze = 0;
    double lewy = 0;
    double gorny = 0;
    double krokPoziomy = 0;
    double krokPionowy = 0;
    Zrodlo zrodlo = Zrodlo::Wlasny;
    QString producent = {}; // of a template: its maker, the first words of its name

    int naArkuszu() const { return kolumny * wiersze; }
    // Label `indeks` (0 = top left, counted across then down) on the page, mm.
    QRectF etykieta(int indeks) const;
    // The label at a point of the page (mm), or -1: where a click on a drawn sheet lands.
    int etykietaW(QPointF mm) const;
    // "70 × 37 mm, 3 × 8, od lewej 0, od góry 0,5, co 70 × 37 mm"
    QString opis() const;
};

namespace Arkusze {

// The size of the page every sheet is on.
constexpr double SzerokoscA4 = 210;
constexpr double WysokoscA4 = 297;

// A length for messages, Polish style: "0,45".
QString liczba(double mm);

// The built-in sheets, in the order they are offered.
const QList<Arkusz> &wbudowane();

// Why a sheet cannot be used (a Polish message), or none: every number a finite one,
// a label at least 1 mm each way, 1 to 100 labels across and down, no label over the
// next one, all labels on the A4 page (to half a millimetre: templates given in points
// round a little over it).
std::optional<QString> sprawdz(const Arkusz &a);

// Why a label's inner margin cannot be used: it must be from 0 to below half the label's
// smaller side.
std::optional<QString> sprawdzMargines(double mm, const Arkusz &a);

// The form a name is compared in: letter case, spaces, a decimal comma and "×" do not
// count ("70 X 42,3" is "70x42.3").
QString klucz(QStringView nazwa);

// The label templates of one file of the system's label database: the A4 sheets of
// rectangular labels laid out as one grid ("Zweckform 3475"), a template that names
// another of its maker as equivalent taking that one's geometry. Lengths are points
// unless they carry a unit (pt, mm, cm, in, pc). Anything else, and templates that fail
// `sprawdz`, are left out. `blad` gets the reader's message when the file is not
// well-formed; the templates read before the fault are kept.
QList<Arkusz> czytajSzablony(QIODevice &plik, QString *blad = nullptr);

// Where the system keeps that database.
QString katalogSzablonow();
// Every template of every file there, ordered by name; none when it is not installed.
QList<Arkusz> szablonySystemu(const QString &katalog = katalogSzablonow());

// The sheet of this name: a built-in one first, then the user's own, then a template of
// the system's database (read only when the name is not one of the others).
std::optional<Arkusz> znajdz(QStringView nazwa, const QList<Arkusz> &wlasne,
                             const QString &katalog = katalogSzablonow());

} // namespace Arkusze
