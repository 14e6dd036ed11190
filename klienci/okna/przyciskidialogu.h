// The buttons of a form's button box: the accepting one under the dialog's own word and
// "Anuluj" (object name "anuluj"), without the icons of standard buttons. The box puts
// them in the platform's order.
#pragma once

#include <QDialogButtonBox>
#include <QPushButton>

inline QPushButton *dodajPrzyciski(QDialogButtonBox *przyciski, const QString &tekst, const QString &nazwa)
{
    QPushButton *tak = przyciski->addButton(tekst, QDialogButtonBox::AcceptRole);
    tak->setObjectName(nazwa);
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("anuluj"));
    return tak;
}
