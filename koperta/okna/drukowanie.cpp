#include "drukowanie.h"

#include "dialogi.h"
#include "podglad.h"
#include "wyjscie.h"
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

namespace {

// Lines past the page, at most a screenful of them.
QString opisPozaStrona(const QList<WierszPozaStrona> &poza)
{
    constexpr qsizetype Najwyzej = 10;
    QStringList opisy;
    for (qsizetype i = 0; i < std::min(poza.size(), Najwyzej); ++i)
        opisy << poza[i].opis;
    if (poza.size() > Najwyzej)
        opisy << QStringLiteral("… i wierszy: %1 więcej").arg(poza.size() - Najwyzej);
    return QStringLiteral("Nie wszystko zmieści się na kopercie:\n%1\n").arg(opisy.join(u'\n'));
}

} // namespace

bool przedDrukiem(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr, const QList<DaneKoperty> &koperty,
                  const ChronioneWydruku &chronione)
{
    if (!wolnoZapisac(dialogi, rodzic, dr.outputFileName(), chronione.wejscia, chronione.katalogiDanych))
        return false;
    // Measured on the canvas the job draws on: the printable area (drukujNaDrukarce).
    dr.setFullPage(false);
    const QList<WierszPozaStrona> poza = wierszePozaStrona(dr, koperty);
    return poza.isEmpty()
           || dialogi.pytanieDomyslnieNie(rodzic, opisPozaStrona(poza) + QStringLiteral("Drukować mimo to?"));
}

void przedPodgladem(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr, const QList<DaneKoperty> &koperty)
{
    dr.setFullPage(false);
    const QList<WierszPozaStrona> poza = wierszePozaStrona(dr, koperty);
    if (!poza.isEmpty())
        dialogi.informacja(rodzic, opisPozaStrona(poza) + QStringLiteral("Podgląd pokazuje, co zostanie ucięte."));
}

bool wykonajDrukKoperty(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr,
                        const std::function<std::optional<DaneKoperty>()> &zbierzDane,
                        const ChronioneWydruku &chronione)
{
    if (!dialogi.drukuj(rodzic, &dr))
        return false;
    const std::optional<DaneKoperty> dane = zbierzDane();
    if (!dane || !przedDrukiem(rodzic, dialogi, dr, {*dane}, chronione))
        return false;
    if (const auto blad = drukujNaDrukarce(dr, {*dane})) {
        dialogi.blad(rodzic, *blad);
        return false;
    }
    return true;
}

QPrintPreviewDialog *podgladKopert(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr, const QList<DaneKoperty> &koperty,
                                   bool bezPytania, const std::function<bool()> &drukuj,
                                   const ChronioneWydruku &chronione)
{
    // An output file chosen in the preview's print dialog is checked before the job.
    return podgladWydruku(
        rodzic, dialogi, dr, [koperty](QPrinter &podglad) { rysujPodglad(podglad, koperty); }, bezPytania,
        [rodzic, &dialogi, &dr, drukuj, chronione] {
            return wolnoZapisac(dialogi, rodzic, dr.outputFileName(), chronione.wejscia, chronione.katalogiDanych)
                   && drukuj();
        });
}
