// Outputs that must never replace what the program reads: an export, a PDF or the clients
// left out of an import written over the list, over a file the command reads, or over a
// record file of the data root would destroy it. Files are compared by identity (device
// and inode, links followed), so another spelling of a path ("Firmy/./klienci.dat"), a
// symbolic link or a hard link is the same file.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Whether both paths name one existing file.
bool tenSamPlik(const QString &a, const QString &b);

// The message (Polish, without a capital or a full stop: "nie można zapisać do …; nic
// nie zapisano") when the output `wyjscie` is one of the files `wejscia` or a record file
// of one of `katalogiDanych`: anything in its Admini folder, the lists (*.dat) in Firmy,
// the profiles and their sizes in Koperty, the print font in FONT. Nothing when it is
// none of them (or does not exist yet).
std::optional<QString> wyjscieZastapiloby(const QString &wyjscie, const QStringList &wejscia,
                                          const QStringList &katalogiDanych);
