#include "zadanie_druku.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

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

WynikDruku wykonajZadanie(QPrinter &dr, qsizetype strony, const RysowanieZadania &rysuj, const PostepDruku &postep)
{
    WynikDruku wynik;
    wynik.wszystkie = strony;
    wynik.blad = rysuj(dr, [&](qsizetype narysowane) {
        if (!zawiodla(dr)) {
            wynik.wyslane = narysowane;
            if (!postep || postep(narysowane))
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

WynikDruku drukujZadanie(QPrinter &dr, const QList<DaneKoperty> &koperty, const PostepDruku &postep)
{
    dr.setFullPage(false);
    return wykonajZadanie(
        dr, koperty.size(),
        [&koperty](QPagedPaintDevice &d, const PostepDruku &p) { return drukujKoperty(d, koperty, p); }, postep);
}

std::optional<QString> zapiszPdf(const QString &plik, int dpi, const RysowanieZadania &rysuj)
{
    QSaveFile wyjscie(plik);
    if (!wyjscie.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), wyjscie.errorString());
    std::optional<QString> blad;
    {
        QPdfWriter pdf(&wyjscie);
        pdf.setResolution(dpi);
        pdf.setCreator(QStringLiteral("Lista klientów"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        blad = rysuj(pdf, {});
    }
    // A failure at the last flush alone would still let commit() replace the file.
    if (!blad && (!wyjscie.flush() || !wyjscie.commit()))
        blad = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), wyjscie.errorString());
    if (blad)
        wyjscie.cancelWriting();
    return blad;
}

void rysujPodglad(QPrinter &podglad, const QList<DaneKoperty> &koperty)
{
    if (koperty.isEmpty())
        return;
    drukujKoperty(podglad, koperty);
    // The preview reads the paper after drawing; the job put the device back in portrait.
    ustawStrone(podglad, koperty.front().poziomo, koperty.front().strona);
}
