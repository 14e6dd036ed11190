#include "koperty_wsadowe.h"

#include "jpeg.h"
#include "magazynkoperty.h"
#include "sciezki.h"
#include "zadanie_druku.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString opisBledu(const QString &plik, const BladIO &blad)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), blad.tekst());
}

// Applies stored print options as the window does: a preset outside 1..4 and a flag
// other than 0 or 1 leave what was there.
void zastosujOpcje(UstawieniaKoperty &cel, const UstawieniaKoperty &z)
{
    if (z.rozmiar >= 1 && z.rozmiar <= 4)
        cel.rozmiar = z.rozmiar;
    if (z.logo <= 1)
        cel.logo = z.logo;
    if (z.poziomo <= 1)
        cel.poziomo = z.poziomo;
}

} // namespace

std::optional<QString> wczytajUstawieniaWsadowe(const QString &katalogDanych, const QString &sciezkaCzcionki,
                                                const QString &profil, const std::array<QString, 4> &nadawcaFirmy,
                                                UstawieniaWsadowe &wynik)
{
    MagazynKoperty magazyn(katalogDanych);
    UstawieniaKoperty &u = wynik.ustawienia;
    u = {};
    u.rozmiar = 1; // the set-up checks the first preset, no logo, portrait

    UstawieniaKoperty zapisane;
    using R = MagazynKoperty::Rekord;
    for (R r : {R::Logo, R::Uklad, R::Forma, R::Opcje}) {
        const QString plik = magazyn.sciezka(r);
        if (!QFileInfo::exists(plik)) {
            // What the set-up would create: the layout's initial values, the rest empty.
            if (r == R::Uklad)
                odczytajUklad(UkladKoperty::poczatkowy(), 0, zapisane);
            continue;
        }
        if (const BladIO blad = magazyn.wczytaj(r, zapisane))
            return opisBledu(plik, blad);
    }
    const quint8 rozmiar = u.rozmiar;
    u = zapisane;
    u.rozmiar = rozmiar;
    u.logo = 0;
    u.poziomo = 0;
    zastosujOpcje(u, zapisane);
    u.nadawca = nadawcaFirmy;
    wynik.rozmiar = RozmiaryKopert::czytaj(RozmiaryKopert::plikDomyslny(katalogDanych));

    if (!profil.isEmpty()) {
        UstawieniaKoperty p;
        if (const BladIO blad = magazyn.wczytajProfil(profil, p))
            return opisBledu(profil, blad);
        const QString forma = u.formaAdresu;
        const UstawieniaKoperty przed = u;
        u = p;
        u.formaAdresu = forma; // a profile holds no form of address
        u.rozmiar = przed.rozmiar;
        u.logo = przed.logo;
        u.poziomo = przed.poziomo;
        zastosujOpcje(u, p);
        wynik.rozmiar = RozmiaryKopert::czytaj(RozmiaryKopert::plikProfilu(profil));
    }

    if (const BladIO blad = CzytajFonty(sciezkaCzcionki, wynik.czcionka))
        return opisBledu(sciezkaCzcionki, blad);

    // The logo: only a picture file that exists can be ticked; one that cannot be read
    // is reported and the envelopes print without it.
    wynik.logo = QImage();
    const QString obrazek = sciezkaObrazka(u.nazwaObrazka);
    if (u.logo == 1 && obrazekIstnieje(obrazek)) {
        const ObrazJpeg o = wczytajObrazek(obrazek);
        if (o.ok())
            wynik.logo = o.obraz;
        else
            wynik.uwagi.append(o.blad);
    }
    if (wynik.logo.isNull())
        u.logo = 0;
    return std::nullopt;
}

std::optional<QString> drukujDoPdf(const QString &plik, const QList<DaneKoperty> &koperty, int dpi)
{
    return zapiszPdf(plik, dpi,
                     [&koperty](QPagedPaintDevice &pdf, const PostepDruku &) { return drukujKoperty(pdf, koperty); });
}
