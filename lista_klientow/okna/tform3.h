#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Tform3;
}

// About window: the maker's contact details. Created at start; no command opens it. The
// layout is tform3.ui.
class Tform3 : public QDialog
{
    Q_OBJECT
public:
    explicit Tform3(QWidget *parent = nullptr);
    ~Tform3() override;

private:
    std::unique_ptr<Ui::Tform3> m_ui;
};
