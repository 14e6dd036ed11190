// Row numbers as typed in the export dialog or on the command line: "1-40,57".
#pragma once

#include <QList>
#include <QString>

#include <optional>

// The row indexes (0-based, ascending, each once) of a text of numbers and ranges
// 1..`liczbaWierszy` separated by commas; none, with `blad` set, for anything else.
std::optional<QList<int>> parsujWiersze(QStringView tekst, int liczbaWierszy, QString *blad);
