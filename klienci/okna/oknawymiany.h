// The client list window's "Eksport" and "Import" commands: the steps between their
// dialogs (oknoeksportu.h, oknomapowania.h, oknoimportu.h). The exchange itself is
// Wymiana's; this file only asks and shows.
#pragma once

#include "import_do_listy.h"
#include "oknoeksportu.h"
#include "oknoimportu.h"
#include "oknomapowania.h"

#include <functional>
#include <optional>

class Dialogi;

// The window's own dialogs, replaceable by a test. Each returns nullopt / false when the
// user cancelled. The defaults show the dialogs above modally.
struct OknaWymiany
{
    std::function<std::optional<OpcjeEksportu>(QWidget *, int wiersz, const QList<int> &zTekstem)> eksport;
    std::function<std::optional<QList<int>>(QWidget *, const Wymiana::WynikWczytania &)> mapowanie;
    std::function<bool(QWidget *, const Wymiana::PlanImportu &, const Wymiana::PodpisyPol &)> podglad;

    OknaWymiany();
};

// "Eksport" of `lista`, `wiersz` being the row shown. Every question and notice goes
// through `dialogi`.
void eksportujKlientow(QWidget *rodzic, Dialogi &dialogi, const OknaWymiany &okna, const ListaKlientow &lista,
                       int wiersz, const Wymiana::PodpisyPol &podpisy);

// "Import" into the open list: file dialog, reading, mapping, then the import of
// importujDoListy with the preview as its question (a plan changed by another program is
// shown again after a notice) and, once saved, the clients left over offered a file of
// their own. Every error and notice is shown here.
struct ImportZOkna
{
    int wiersz = -1;           // the first row written; -1: nothing was saved
    WspolnaLista::Wynik wynik; // the locked save
};
ImportZOkna importujKlientow(QWidget *rodzic, Dialogi &dialogi, const OknaWymiany &okna, OtwartaLista &lista,
                             const Wymiana::PodpisyPol &podpisy);
