// Storage of the stand-in client tools: one file per client, named by the tool's first
// argument ("<nip>.kom"), in a folder of the current directory. The client list program
// starts the tools in its own current directory, which is normally its data root.
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <optional>

// folder/nazwa, or nothing when `nazwa` is not a plain file name (empty, "." or "..",
// or holding a path separator), so a command line cannot point a tool elsewhere.
std::optional<QString> sciezkaMagazynu(const QString &folder, const QString &nazwa);

// Where the client list window asked the tool to open: the centre given in
// LK_SRODEK_OKNA="x,y", or nothing.
std::optional<QPoint> srodekOknaWywolujacego();

// Reads the whole file; a missing file is empty and no error.
BladIO czytajMagazyn(const QString &sciezka, QByteArray &dane);

// Replaces the file safely, creating its folder when missing.
BladIO zapiszMagazyn(const QString &sciezka, const QByteArray &dane);
