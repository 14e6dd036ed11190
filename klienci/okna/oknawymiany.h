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

// The window's own dialogs, replaceable by a test. Each returns nullopt when the user
// cancelled. The defaults show the dialogs above modally.
struct OknaWymiany
{
    std::function<std::optional<OpcjeEksportu>(QWidget *, int wiersz, const QList<int> &zTekstem)> eksport;
    std::function<std::optional<QList<int>>(QWidget *, const Wymiana::WynikWczytania &, const Wymiana::PodpisyPol &)>
        mapowanie;
    // The preview returns the choice to import with.
    std::function<std::optional<Wymiana::WyborImportu>(QWidget *, const Wymiana::WynikWczytania &,
                                                       const Wymiana::PlanImportu &, const Wymiana::ZaplanujPonownie &,
                                                       const Wymiana::PodpisyPol &)>
        podglad;

    OknaWymiany();
};

// The folder the file dialogs of "Eksport" and "Import" open in: the user's documents
// folder the first time, then the folder of the file last chosen in either.
struct KatalogWymiany
{
    QString ostatni;
    QString teraz() const;
    void zapamietaj(const QString &plik);
};

// "Eksport" of `lista` (read from `plikListy`), `wiersz` being the row shown. Every
// question and notice goes through `dialogi`. No file chosen is written that is the list
// or a record file of `katalogiDanych` (wyjscieZastapiloby).
void eksportujKlientow(QWidget *rodzic, Dialogi &dialogi, const OknaWymiany &okna, KatalogWymiany &katalog,
                       const ListaKlientow &lista, const QString &plikListy, int wiersz,
                       const Wymiana::PodpisyPol &podpisy, const QStringList &katalogiDanych);

// "Import" into the open list: file dialog, reading, the columns of a CSV file when some
// hold text no column takes or the file has no header, then the import of
// importujDoListy with the preview as its question (a plan changed by another program is
// shown again after a notice) and, once saved, the clients left over offered a file of
// their own (never the list, the file imported or a record file of `katalogiDanych`).
// Every error and notice is shown here.
struct ImportZOkna
{
    int wiersz = -1;           // the first row written; -1: nothing was saved
    WspolnaLista::Wynik wynik; // the locked save
};
ImportZOkna importujKlientow(QWidget *rodzic, Dialogi &dialogi, const OknaWymiany &okna, KatalogWymiany &katalog,
                             OtwartaLista &lista, const Wymiana::PodpisyPol &podpisy,
                             const QStringList &katalogiDanych);

// A read or change of a list that failed: the lock's message, or the file's error.
void pokazBlad(Dialogi &dialogi, QWidget *rodzic, const WspolnaLista::Wynik &wynik);
