// The import preview: the rows the clients take, as they will be stored, every cut or
// replaced field, and how many do not fit. "Importuj" accepts, "Anuluj" rejects. The
// layout is oknoimportu.ui.
#pragma once

#include "wymiana.h"

#include <QDialog>

#include <memory>

namespace Ui {
class OknoImportu;
}

class OknoImportu : public QDialog
{
    Q_OBJECT
public:
    OknoImportu(const Wymiana::PlanImportu &plan, const Wymiana::PodpisyPol &podpisy, QWidget *rodzic = nullptr);
    ~OknoImportu() override;

private:
    std::unique_ptr<Ui::OknoImportu> m_ui;
};
