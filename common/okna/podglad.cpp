#include "podglad.h"

#include "dialogi.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

QPrintPreviewDialog *podgladWydruku(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr,
                                    const std::function<void(QPrinter &)> &rysuj, bool bezPytania,
                                    const std::function<bool()> &drukuj)
{
    auto *okno = new QPrintPreviewDialog(&dr, rodzic);
    okno->setObjectName(QStringLiteral("PrintPreviewDialog1"));
    okno->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(okno, &QPrintPreviewDialog::paintRequested, okno, [rysuj](QPrinter *podglad) { rysuj(*podglad); });
    const QString drukujTekst = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    const QString ustawienieTekst = QCoreApplication::translate("QPrintPreviewDialog", "Page setup");
    for (QAction *a : okno->findChildren<QAction *>()) {
        if (a->text() == ustawienieTekst) {
            a->setVisible(false);
        } else if (a->text() == drukujTekst) {
            QObject::disconnect(a, &QAction::triggered, okno, nullptr);
            QObject::connect(a, &QAction::triggered, okno, [okno, &dialogi, &dr, bezPytania, drukuj] {
                if (!bezPytania && !dialogi.drukuj(okno, &dr))
                    return;
                if (drukuj())
                    okno->accept();
            });
        }
    }
    return okno;
}
