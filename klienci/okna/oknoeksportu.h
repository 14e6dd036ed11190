// "Eksport": which rows, which format, which CSV separator. The layout is oknoeksportu.ui.
#pragma once

#include "wymiana.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class OknoEksportu;
}

// What the export dialog chose.
struct OpcjeEksportu
{
    QList<int> wiersze; // row indexes, 0-based, ascending
    Wymiana::Format format = Wymiana::Format::Csv;
    QChar separator = u';';
};

class OknoEksportu : public QDialog
{
    Q_OBJECT
public:
    // `wiersz`: the row shown in the window (-1: none); `zTekstem`: the rows holding text.
    OknoEksportu(int wiersz, const QList<int> &zTekstem, QWidget *rodzic = nullptr);
    ~OknoEksportu() override;

    // The choice as it stands; nullopt while the typed rows are not a valid list.
    std::optional<OpcjeEksportu> opcje() const;

private:
    void sprawdz();

    std::unique_ptr<Ui::OknoEksportu> m_ui;
    int m_wiersz;
    QList<int> m_zTekstem;
};
