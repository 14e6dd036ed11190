#include "drukowanie.h"

#include "dialogi.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

bool zawiodla(const QPrinter &d)
{
    return d.printerState() == QPrinter::Error || d.printerState() == QPrinter::Aborted;
}

} // namespace

QPrinter &drukarka()
{
    // Lives until the application object goes, not into static destruction after it.
    static QPrinter *wlasna = nullptr;
    if (!wlasna) {
        wlasna = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete wlasna;
            wlasna = nullptr;
        });
    }
    return *wlasna;
}

std::optional<QString> drukujNaDrukarce(QPrinter &dr, const QList<DaneKoperty> &koperty)
{
    dr.setFullPage(false);
    std::optional<QString> blad = drukujKoperty(dr, koperty, [&dr](qsizetype) {
        if (!zawiodla(dr))
            return true;
        dr.abort();
        return false;
    });
    if (!blad && zawiodla(dr))
        blad = tekstBleduDruku();
    return blad;
}

bool wykonajDrukKoperty(QWidget *rodzic, QPrinter &dr, const std::function<std::optional<DaneKoperty>()> &zbierzDane)
{
    if (!dialogi().drukuj(rodzic, &dr))
        return false;
    const std::optional<DaneKoperty> dane = zbierzDane();
    if (!dane)
        return false;
    if (const auto blad = drukujNaDrukarce(dr, {*dane})) {
        dialogi().blad(rodzic, *blad);
        return false;
    }
    return true;
}

WynikDruku drukujZadanie(QPrinter &dr, const QList<DaneKoperty> &koperty, const PostepDruku &postep)
{
    WynikDruku wynik;
    wynik.wszystkie = koperty.size();
    dr.setFullPage(false);
    wynik.blad = drukujKoperty(dr, koperty, [&](qsizetype strony) {
        if (!zawiodla(dr)) {
            wynik.wyslane = strony;
            if (!postep || postep(strony))
                return true;
        }
        dr.abort();
        return false;
    });
    if (!wynik.blad && zawiodla(dr))
        wynik.blad = tekstBleduDruku();
    if (wynik.blad) {
        // Nothing of a PDF job that did not finish is left behind.
        if (dr.outputFormat() == QPrinter::PdfFormat && !dr.outputFileName().isEmpty())
            QFile::remove(dr.outputFileName());
        wynik.blad =
            QStringLiteral("Drukowanie przerwane. Wysłano stron: %1 z %2.").arg(wynik.wyslane).arg(wynik.wszystkie);
    }
    return wynik;
}

void rysujPodglad(QPrinter &podglad, const QList<DaneKoperty> &koperty)
{
    if (koperty.isEmpty())
        return;
    drukujKoperty(podglad, koperty);
    // The preview reads the paper after drawing; the job put the device back in portrait.
    ustawStrone(podglad, koperty.front().poziomo, koperty.front().strona);
}

QPrintPreviewDialog *podgladKopert(QWidget *rodzic, QPrinter &dr, const QList<DaneKoperty> &koperty, bool bezPytania,
                                   const std::function<bool()> &drukuj)
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
            QObject::connect(a, &QAction::triggered, okno, [okno, &dr, bezPytania, drukuj] {
                if (!bezPytania && !dialogi().drukuj(okno, &dr))
                    return;
                if (drukuj())
                    okno->accept();
            });
        }
    }
    return okno;
}
