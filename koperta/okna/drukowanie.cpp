#include "drukowanie.h"

#include "dialogi.h"
#include "podglad.h"
#include "zadanie_druku.h"

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
    return podgladWydruku(
        rodzic, dialogi, dr, [koperty](QPrinter &podglad) { rysujPodglad(podglad, koperty); }, bezPytania, drukuj);
}
