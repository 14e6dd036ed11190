#include "koperty_wsadowe.h"

#include "stankoperty.h"
#include "zadanie_druku.h"

#include <QDir>

namespace {

QString opisBledu(const QString &plik, const BladIO &blad)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), blad.tekst());
}

} // namespace

std::optional<QString> wczytajUstawieniaWsadowe(const QString &katalogDanych, const QString &sciezkaCzcionki,
                                                const QString &profil, const std::array<QString, 4> &nadawcaFirmy,
                                                UstawieniaWsadowe &wynik)
{
    // Nothing is written, so nothing needs write permission.
    MagazynKoperty magazyn(katalogDanych, Otwarcie::TylkoOdczyt);
    StanKoperty stan;
    stan.ustawienia.nadawca = nadawcaFirmy; // what "Koperta" puts into n1..n4
    WynikUstawien w = ustawKoperte(magazyn, stan, MagazynKoperty::Brakujacy::JakUtworzony);
    if (w.blad)
        return opisBledu(w.plik, w.blad);
    if (!profil.isEmpty()) {
        w = czytajProfil(magazyn, profil, stan);
        if (w.blad)
            return opisBledu(w.plik, w.blad);
    }

    if (const BladIO blad = CzytajFonty(sciezkaCzcionki, wynik.czcionka, Otwarcie::TylkoOdczyt))
        return opisBledu(sciezkaCzcionki, blad);

    wynik.ustawienia = stan.doDruku();
    wynik.ustawienia.nadawca = nadawcaDlaWielu(stan.ustawienia.nadawca, nadawcaFirmy);
    wynik.rozmiar = stan.rozmiar;
    wynik.logo = wynik.ustawienia.logo == 1 ? stan.obraz : QImage();
    // A picture that cannot be loaded is reported; the envelopes print without it.
    if (stan.ustawienia.logo == 1 && !w.bladObrazka.isEmpty())
        wynik.uwagi.append(w.bladObrazka);
    if (wynik.logo.isNull())
        wynik.ustawienia.logo = 0;
    return std::nullopt;
}

std::optional<QString> drukujDoPdf(const QString &plik, const QList<DaneKoperty> &koperty, int dpi)
{
    return zapiszPdf(plik, dpi,
                     [&koperty](QPagedPaintDevice &pdf, const PostepDruku &) { return drukujKoperty(pdf, koperty); });
}
