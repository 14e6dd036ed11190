#include "zadanie_druku.h"

#include <QFile>
#include <QPrinter>

namespace {

bool zawiodla(const QPrinter &d)
{
    return d.printerState() == QPrinter::Error || d.printerState() == QPrinter::Aborted;
}

} // namespace

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
