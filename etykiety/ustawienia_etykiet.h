// What the program keeps for labels in a small file of its own beside the envelope
// defaults ("\ADMINI\etykiety.json" under the data root), never in a record of the
// suite: the user's own sheets by name, the inner margin of a label, the offset of each
// printer measured with the test page, and the sheet the window printed on last with its
// first free label. Read tolerantly (a damaged file or entry
// gives a message and is left out), written safely.
#pragma once

#include "arkusze.h"
#include "rekord.h"

#include <QByteArray>
#include <QMap>
#include <QPointF>
#include <QStringList>

struct UstawieniaEtykiet
{
    QList<Arkusz> wlasne;
    double margines = 3;               // mm, inside every label
    QMap<QString, QPointF> kalibracja; // printer name → offset across and down, mm
    QString arkusz;                    // the sheet of the window's last job; empty: none yet
    int od = 1;                        // the first label that job left free on it
};

namespace PlikEtykiet {

constexpr double DomyslnyMargines = 3;
// The offset of a printer: −10 … +10 mm in steps of 0.1 mm.
constexpr double MaksPrzesuniecie = 10;

QString sciezka(const QString &katalogDanych);

// The settings of a file; a missing file gives the defaults and no message. Whatever
// cannot be used (an unreadable or damaged file, a sheet that fails its checks, an
// offset out of range) is left out with a message in `uwagi`.
UstawieniaEtykiet czytaj(const QString &plik, QStringList *uwagi = nullptr);
UstawieniaEtykiet zBajtow(const QByteArray &dane, QStringList *uwagi = nullptr);
QByteArray doBajtow(const UstawieniaEtykiet &u);
BladIO zapisz(const QString &plik, const UstawieniaEtykiet &u);

// Adds a user's sheet, or replaces the user's sheet of that name. Refused with a message
// when it fails Arkusze::sprawdz, has no name, or takes the name of a built-in sheet.
std::optional<QString> dodajArkusz(UstawieniaEtykiet &u, Arkusz a);
bool usunArkusz(UstawieniaEtykiet &u, QStringView nazwa);

// A printer's offset, rounded to 0.1 mm; refused outside −10 … +10 mm.
std::optional<QString> ustawKalibracje(UstawieniaEtykiet &u, const QString &drukarka, QPointF mm);
QPointF kalibracja(const UstawieniaEtykiet &u, const QString &drukarka);

} // namespace PlikEtykiet
