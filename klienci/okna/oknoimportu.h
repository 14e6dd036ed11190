// The import preview: one line per client of the file with the row it takes (or why
// none), its texts under the list's captions as they will be stored, what no column
// takes, and its marks: a repeat of a row or of an earlier client (left out unless
// ticked), a NIP with a wrong check digit, fields cut or holding characters Windows-1250
// lacks; then every field changed on saving and the cards of the file that could not be
// read. Ticking a client plans again. "Importuj" accepts, "Anuluj" rejects; nothing is
// written here. The layout is oknoimportu.ui.
#pragma once

#include "import_do_listy.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace Ui {
class OknoImportu;
}

class OknoImportu : public QDialog
{
    Q_OBJECT
public:
    OknoImportu(const Wymiana::WynikWczytania &wczytane, const Wymiana::PlanImportu &plan,
                Wymiana::ZaplanujPonownie zaplanuj, const Wymiana::PodpisyPol &podpisy, QWidget *rodzic = nullptr);
    ~OknoImportu() override;

    // The choice the plan shown was made with.
    Wymiana::WyborImportu wybor() const { return m_plan.wybor; }

private:
    void pokaz();
    void zaznaczono(int klient, bool importowac);

    std::unique_ptr<Ui::OknoImportu> m_ui;
    Wymiana::PlanImportu m_plan;
    Wymiana::ZaplanujPonownie m_zaplanuj;
    QList<QStringList> m_nieprzeniesione;
    QList<Wymiana::Pominiety> m_pominiete;
    QStringList m_naglowki;
    QPushButton *m_importuj = nullptr;
};
