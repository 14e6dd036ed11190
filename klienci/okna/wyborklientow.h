// The chooser of "Koperty dla wielu" and "Etykiety": the list's rows that hold an address
// (ListaKlientow::maAdres), with check boxes, a filter over the shown text, select
// all/none on the rows shown and the count chosen. The layout is wyborklientow.ui.
#pragma once

#include <QDialog>
#include <QList>

#include <memory>

class ListaKlientow;
class QListWidgetItem;

namespace Ui {
class WyborKlientow;
}

class WyborKlientow : public QDialog
{
    Q_OBJECT
public:
    explicit WyborKlientow(const ListaKlientow &lista, QWidget *rodzic = nullptr);
    ~WyborKlientow() override;

    // The chooser's line of a row: lp, the name lines and the town.
    static QString tekstWiersza(const ListaKlientow &lista, int wiersz);

    // The rows chosen (indices into the list), in list order.
    QList<int> wybraneWiersze() const;
    // Shows only the lines holding `tekst`, letter case ignored (empty: all lines).
    void filtruj(const QString &tekst);
    // Checks or unchecks every line the filter shows.
    void zaznaczWidoczne(bool zaznacz);
    // Checks the lines of these rows.
    void zaznacz(const QList<int> &wiersze);
    // What the chooser is for: its title, the line above the rows, the accept button.
    void ustawCel(const QString &tytul, const QString &opis, const QString &przycisk);

private:
    void odswiezLicznik();

    std::unique_ptr<Ui::WyborKlientow> m_ui;
    QList<int> m_wiersze; // list row of each line
};

// Opens the chooser over `lista` and waits for it: the chosen rows, or none when it was
// cancelled.
QList<int> wybierzKlientow(QWidget *rodzic, const ListaKlientow &lista);
// The chooser for labels, the rows `zaznaczone` checked: the rows chosen, or `zaznaczone`
// when it was cancelled.
QList<int> wybierzDoEtykiet(QWidget *rodzic, const ListaKlientow &lista, const QList<int> &zaznaczone);
