// The columns of a CSV file and where each goes: one row per file column with its name
// (unrecognised ones marked *), its text in the first rows and a choice of target
// ("kolumna1", "kolumna2", …) naming the list's columns by their captions, preset with
// what was recognised. A long header scrolls; the buttons stay in view. A file whose
// first row names nothing known is shown as data, to be mapped from its first rows. The
// layout is oknomapowania.ui.
#pragma once

#include "wymiana.h"

#include <QDialog>
#include <QList>

#include <memory>

class QComboBox;

namespace Ui {
class OknoMapowania;
}

class OknoMapowania : public QDialog
{
    Q_OBJECT
public:
    OknoMapowania(const Wymiana::WynikWczytania &wczytane, const Wymiana::PodpisyPol &podpisy,
                  QWidget *rodzic = nullptr);
    ~OknoMapowania() override;

    // Per file column: a Klienci::Kolumna or a Wymiana::Cel.
    QList<int> mapowanie() const;

private:
    std::unique_ptr<Ui::OknoMapowania> m_ui;
    QList<QComboBox *> m_wybory; // one per file column, its item data the target
};
