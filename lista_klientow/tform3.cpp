#include "tform3.h"

#include <QLabel>
#include <QVBoxLayout>

Tform3::Tform3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("O programie"));
    auto *uklad = new QVBoxLayout(this);
    auto *opis = new QLabel(QStringLiteral("Lista klientów\nModuł pakietu biurowego"), this);
    opis->setAlignment(Qt::AlignCenter);
    uklad->addWidget(opis);
}
