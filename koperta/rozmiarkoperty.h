// Envelope sizes by name. The chosen size is kept beside the envelope records, never in
// them: the suite's other modules read those records byte for byte and know no size.
//  - with the defaults: "\ADMINI\koperta_rozmiar.txt" under the data root;
//  - with a profile "x.pro": "x.pro.rozmiar" beside it.
// Either holds one line, the size's name ("DL"); a missing, unreadable or unknown one
// means "Jak w drukarce": the paper chosen in the print dialog.
#pragma once

#include "rekord.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

enum class RozmiarKoperty { JakWDrukarce, DL, C6, C6C5, C5, C4, B5, B4 };

namespace RozmiaryKopert {

// Every choice in the order the envelope window lists them, "Jak w drukarce" first.
const QList<RozmiarKoperty> &wszystkie();

// "DL", "C6/C5", ...; "" for JakWDrukarce.
QString nazwa(RozmiarKoperty r);
// What the window shows: "DL (110 × 220 mm)", or "Jak w drukarce".
QString etykieta(RozmiarKoperty r);
// A name as typed on the command line ("dl", "C6/C5", "c65"), or none.
std::optional<RozmiarKoperty> zNazwy(QStringView nazwa);
// The page size of the job; invalid for JakWDrukarce.
QPageSize rozmiarStrony(RozmiarKoperty r);

// Where the size is kept, for the defaults (under the data root) and for a profile.
QString plikDomyslny(const QString &katalogDanych);
QString plikProfilu(const QString &sciezkaProfilu);

RozmiarKoperty czytaj(const QString &plik);
BladIO zapisz(const QString &plik, RozmiarKoperty r);

} // namespace RozmiaryKopert
