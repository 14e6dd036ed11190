#include "tform3.h"
#include "ui_tform3.h"

Tform3::Tform3(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::Tform3>())
{
    m_ui->setupUi(this);
}

Tform3::~Tform3() = default;

#include "moc_tform3.cpp"
