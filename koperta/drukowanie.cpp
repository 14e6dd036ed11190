#include "drukowanie.h"

#include "dialogi.h"

#include <QCoreApplication>
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
