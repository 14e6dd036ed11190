// The column mapping of a CSV file whose header holds names the program does not know:
// one choice of target per file column ("kolumna1", "kolumna2", …), preset with the
// automatic mapping. The layout is oknomapowania.ui.
#pragma once

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
    OknoMapowania(const QStringList &naglowek, const QList<int> &mapowanie, const QList<int> &nierozpoznane,
                  QWidget *rodzic = nullptr);
    ~OknoMapowania() override;

    // Per file column: a Klienci::Kolumna or a Wymiana::Cel.
    QList<int> mapowanie() const;

private:
    std::unique_ptr<Ui::OknoMapowania> m_ui;
    QList<QComboBox *> m_wybory; // one per file column, its item data the target
};
