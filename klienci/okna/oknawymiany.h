// The client list window's "Eksport" and "Import" commands: their dialogs and the steps
// between them. The exchange itself is Wymiana's; this file only asks and shows.
#pragma once

#include "wspolnalista.h"
#include "wymiana.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// What the export dialog chose.
struct OpcjeEksportu
{
    QList<int> wiersze; // row indexes, 0-based, ascending
    Wymiana::Format format = Wymiana::Format::Csv;
    QChar separator = u';';
};

// "Eksport": which rows, which format, which CSV separator.
class OknoEksportu : public QDialog
{
    Q_OBJECT
public:
    // `wiersz`: the row shown in the window (-1: none); `zTekstem`: the rows holding text.
    OknoEksportu(int wiersz, const QList<int> &zTekstem, QWidget *rodzic = nullptr);

    // The choice as it stands; nullopt while the typed rows are not a valid list.
    std::optional<OpcjeEksportu> opcje() const;

    QRadioButton *wszystkie, *biezacy, *wybrane, *csv, *vcard;
    QLineEdit *zakres;
    QComboBox *separator;
    QLabel *uwaga;

private:
    void sprawdz();
    int m_wiersz;
    QList<int> m_zTekstem;
};

// The column mapping of a CSV file whose header holds names the program does not know.
class OknoMapowania : public QDialog
{
    Q_OBJECT
public:
    OknoMapowania(const QStringList &naglowek, const QList<int> &mapowanie, const QList<int> &nierozpoznane,
                  QWidget *rodzic = nullptr);
    QList<int> mapowanie() const;

    QList<QComboBox *> wybory; // one per file column, its item data the target
};

// The import preview: what the plan would write. "Importuj" accepts, "Anuluj" rejects.
class OknoImportu : public QDialog
{
    Q_OBJECT
public:
    OknoImportu(const Wymiana::PlanImportu &plan, const Wymiana::PodpisyPol &podpisy, QWidget *rodzic = nullptr);

    QLabel *podsumowanie;
    QTableWidget *tabela;  // row number, name lines, town
    QPlainTextEdit *uwagi; // cut fields and missing characters, as stored
    QPushButton *importuj, *anuluj;
};

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
// through dialogi().
void eksportujKlientow(QWidget *rodzic, const OknaWymiany &okna, const ListaKlientow &lista, int wiersz,
                       const Wymiana::PodpisyPol &podpisy);

// "Import" into the list file: file dialog, reading, mapping, preview, then under the
// list's lock the file read again, planned again (a changed plan is shown again) and
// saved once. Returns the first row written, or -1 when nothing was written.
struct ImportZOkna
{
    int wiersz = -1;           // the first row written; -1: nothing was saved
    ListaKlientow przed;       // the list as it was on disk just before the import
    WspolnaLista::Wynik wynik; // the locked save
};
ImportZOkna importujKlientow(QWidget *rodzic, const OknaWymiany &okna, const QString &plikListy,
                             const Wymiana::PodpisyPol &podpisy);

// A read or change of a list that failed: the lock's message, or the file's error.
void pokazBlad(QWidget *rodzic, const WspolnaLista::Wynik &wynik);
