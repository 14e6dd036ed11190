#include "drukowanie.h"

#include "dialogi.h"
#include "zadanie_druku.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

WspolnaDrukarka::WspolnaDrukarka() = default;
WspolnaDrukarka::~WspolnaDrukarka() = default;

QPrinter &WspolnaDrukarka::operator()()
{
    if (!m_drukarka)
        m_drukarka = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_drukarka;
}

bool wykonajDrukKoperty(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr,
                        const std::function<std::optional<DaneKoperty>()> &zbierzDane)
{
    if (!dialogi.drukuj(rodzic, &dr))
        return false;
    const std::optional<DaneKoperty> dane = zbierzDane();
    if (!dane)
        return false;
    if (const auto blad = drukujNaDrukarce(dr, {*dane})) {
        dialogi.blad(rodzic, *blad);
        return false;
    }
    return true;
}

QPrintPreviewDialog *podgladKopert(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr, const QList<DaneKoperty> &koperty,
                                   bool bezPytania, const std::function<bool()> &drukuj)
{
    auto *okno = new QPrintPreviewDialog(&dr, rodzic);
    okno->setObjectName(QStringLiteral("PrintPreviewDialog1"));
    okno->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(okno, &QPrintPreviewDialog::paintRequested, okno,
                     [koperty](QPrinter *podglad) { rysujPodglad(*podglad, koperty); });
    // The print command goes through the program's dialogs and print flow.
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
