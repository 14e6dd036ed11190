// Before a window writes a file the user chose (an export, the clients left out of an
// import, a print to a file): the refusal of an output that would replace a file the
// program reads (wyjscieZastapiloby).
#pragma once

#include <QStringList>

class Dialogi;
class QWidget;

// False, after an error box naming both files, when `wyjscie` is one of `wejscia` or a
// record file of `katalogiDanych`; true otherwise (also for an empty path: no file).
bool wolnoZapisac(Dialogi &dialogi, QWidget *rodzic, const QString &wyjscie, const QStringList &wejscia,
                  const QStringList &katalogiDanych);
