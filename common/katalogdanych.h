// The data root: the folder under which the data folders lie, chosen by the suite's
// network setting file "Admini\siec.dat" under the start directory.
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QString>

// The network setting record.
namespace UstawienieSieci {
constexpr qsizetype Rozmiar = 403;
constexpr qsizetype Tryb = 0;              // 1 local path, 2 network path, else the start directory
constexpr qsizetype SciezkaLokalna = 1;    // text, capacity 200
constexpr qsizetype SciezkaSieciowa = 202; // text, capacity 200
constexpr int PojemnoscSciezki = 200;

// The record written when the file is missing: mode 1, the start directory as the local
// path (mode 0 when the path has letters outside Windows-1250).
QByteArray domyslne(const QString &katalogStartowy);
} // namespace UstawienieSieci

struct KatalogDanych
{
    QString katalog; // the data root as a platform path
    BladIO blad;     // set when the setting file could not be created or read
};

// What resolving the data root does when the setting file is missing.
enum class BrakUstawienia {
    Utworz,           // creates it with the default record, as the suite's modules do
    PrzyjmijDomyslne, // writes nothing: the default record's data root, the start directory
};

// Resolves the data root from `katalogStartowy`: creates a missing setting file with the
// default record (the folder Admini is not created), reads it and picks the path its
// mode names. On an error the data root stays the start directory.
KatalogDanych rozwiazKatalogDanych(const QString &katalogStartowy, BrakUstawienia brak = BrakUstawienia::Utworz);
