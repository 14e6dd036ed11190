#include "drukowanie.h"

#include "chronione.h"
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

bool wolnoZapisac(QWidget *rodzic, Dialogi &dialogi, const QPrinter &dr, const ChronioneWydruku &chronione)
{
    const auto b = dr.outputFileName().isEmpty()
                       ? std::nullopt
                       : wyjscieZastapiloby(dr.outputFileName(), chronione.wejscia, chronione.katalogiDanych);
    if (b)
        dialogi.blad(rodzic, b->front().toUpper() + b->mid(1) + u'.');
    return !b;
}

} // namespace

bool przedDrukiem(QWidget *rodzic, Dialogi &dialogi, QPrinter &dr, const QList<DaneKoperty> &koperty,
                  const ChronioneWydruku &chronione)
{
    if (!wolnoZapisac(rodzic, dialogi, dr, chronione))
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
            QObject::connect(a, &QAction::triggered, okno, [okno, &dialogi, &dr, bezPytania, drukuj, chronione] {
                if (!bezPytania && (!dialogi.drukuj(okno, &dr) || !wolnoZapisac(okno, dialogi, dr, chronione)))
                    return;
                if (drukuj())
                    okno->accept();
            });
        }
    }
    return okno;
}
