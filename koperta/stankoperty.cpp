#include "stankoperty.h"

#include "druk_koperty.h"
#include "jpeg.h"

#include <algorithm>

namespace {

using Rekord = MagazynKoperty::Rekord;

bool wczytaj(MagazynKoperty &m, Rekord r, UstawieniaKoperty &u, MagazynKoperty::Brakujacy brakujacy, WynikUstawien &w)
{
    w.blad = m.wczytaj(r, u, brakujacy);
    if (w.blad)
        w.plik = m.sciezka(r);
    return !w.blad;
}

void ustawLogo(UstawieniaKoperty &u, const UstawieniaKoperty &z)
{
    u.nazwaObrazka = z.nazwaObrazka;
    u.logoOdLewej = z.logoOdLewej;
    u.logoOdGory = z.logoOdGory;
}

void ustawUklad(UstawieniaKoperty &u, const UstawieniaKoperty &z, bool zNadawca)
{
    if (zNadawca)
        u.nadawca = z.nadawca;
    u.odLewej = z.odLewej;
    u.odGory = z.odGory;
    u.odstep = z.odstep;
    u.nadawcaOdLewej = z.nadawcaOdLewej;
    u.nadawcaOdGory = z.nadawcaOdGory;
}

// Stored print options: only a preset 1..4 and flags 0 or 1 change anything.
void ustawOpcje(StanKoperty &s, const UstawieniaKoperty &z)
{
    zaznaczRozmiar(s, z.rozmiar);
    if (z.logo <= 1)
        s.ustawienia.logo = z.logo;
    if (z.poziomo <= 1)
        s.ustawienia.poziomo = z.poziomo;
}

// The last steps of reading the defaults or a profile: the pictures, then the logo box; a
// picture that cannot be loaded stops before the box.
WynikUstawien zakonczZObrazkiem(StanKoperty &s, WynikUstawien &w)
{
    w.bladObrazka = zaladujObrazekLogo(s);
    if (!w.bladObrazka.isEmpty())
        return w;
    ustawPoleLogo(s);
    w.dokonczone = true;
    return w;
}

// Preset 1 checked, no logo, portrait: how the set-up and reading the defaults begin.
void zacznij(StanKoperty &s)
{
    zaznaczRozmiar(s, 1);
    s.ustawienia.logo = 0;
    s.ustawienia.poziomo = 0;
}

} // namespace

UstawieniaKoperty StanKoperty::doDruku() const
{
    UstawieniaKoperty u = ustawienia;
    u.logo = drukujLogo() ? 1 : 0;
    return u;
}

QString etykietaRozmiaru(const UstawieniaKoperty &u, int numer)
{
    return QStringLiteral("Rozmiar ") + u.odLewej[numer - 1] + u'X' + u.odGory[numer - 1];
}

void zaznaczRozmiar(StanKoperty &s, int numer)
{
    if (numer < 1 || numer > 4 || numer == s.ustawienia.rozmiar)
        return;
    s.ustawienia.rozmiar = quint8(numer);
    s.etykieta = etykietaRozmiaru(s.ustawienia, numer);
}

QString zaladujObrazekLogo(StanKoperty &s)
{
    // A path stored by the suite's Windows modules is mapped before it is looked up.
    const QString plik = sciezkaObrazka(s.ustawienia.nazwaObrazka);
    if (!obrazekIstnieje(plik))
        return {};
    ObrazJpeg wynik = wczytajObrazek(plik);
    // A picture that cannot be loaded must not leave an earlier logo to be printed.
    s.obraz = wynik.obraz;
    return wynik.blad;
}

void ustawPoleLogo(StanKoperty &s)
{
    s.logoDostepne = obrazekIstnieje(sciezkaObrazka(s.ustawienia.nazwaObrazka));
}

WynikUstawien ustawKoperte(MagazynKoperty &m, StanKoperty &s, MagazynKoperty::Brakujacy brakujacy)
{
    WynikUstawien w;
    UstawieniaKoperty &u = s.ustawienia;
    zacznij(s);
    // The sender lines and the recipient's lines are left alone.
    u.odLewej = {};
    u.odGory = {};
    u.nadawcaOdLewej.clear();
    u.nadawcaOdGory.clear();
    u.odstep.clear();
    u.nazwaObrazka.clear();
    u.logoOdLewej.clear();
    u.logoOdGory.clear();

    UstawieniaKoperty z;
    if (!wczytaj(m, Rekord::Logo, z, brakujacy, w))
        return w;
    ustawLogo(u, z);
    if (!wczytaj(m, Rekord::Uklad, z, brakujacy, w))
        return w;
    ustawUklad(u, z, false);
    s.etykieta = etykietaRozmiaru(u, 1);
    // A picture that cannot be loaded does not stop the set-up: the window must still
    // open, or the user could never detach the damaged picture.
    w.bladObrazka = zaladujObrazekLogo(s);
    if (!wczytaj(m, Rekord::Forma, z, brakujacy, w))
        return w;
    u.formaAdresu = z.formaAdresu;
    if (!wczytaj(m, Rekord::Opcje, z, brakujacy, w))
        return w;
    ustawOpcje(s, z);
    ustawPoleLogo(s);
    // The envelope size, kept beside the defaults.
    s.rozmiar = RozmiaryKopert::czytaj(RozmiaryKopert::plikDomyslny(m.katalog()));
    w.dokonczone = true;
    return w;
}

WynikUstawien czytajDomyslne(MagazynKoperty &m, StanKoperty &s)
{
    WynikUstawien w;
    UstawieniaKoperty &u = s.ustawienia;
    zacznij(s);
    // Each record applies as soon as it is read; an error stops at that record.
    UstawieniaKoperty z;
    if (!wczytaj(m, Rekord::Opcje, z, MagazynKoperty::Brakujacy::Blad, w))
        return w;
    ustawOpcje(s, z);
    if (!wczytaj(m, Rekord::Logo, z, MagazynKoperty::Brakujacy::Blad, w))
        return w;
    ustawLogo(u, z);
    if (!wczytaj(m, Rekord::Uklad, z, MagazynKoperty::Brakujacy::Blad, w))
        return w;
    ustawUklad(u, z, true);
    if (u.rozmiar >= 1 && u.rozmiar <= 4)
        s.etykieta = etykietaRozmiaru(u, u.rozmiar);
    s.rozmiar = RozmiaryKopert::czytaj(RozmiaryKopert::plikDomyslny(m.katalog()));
    return zakonczZObrazkiem(s, w);
}

WynikUstawien czytajProfil(MagazynKoperty &m, const QString &plik, StanKoperty &s)
{
    WynikUstawien w;
    UstawieniaKoperty p;
    w.blad = m.wczytajProfil(plik, p);
    if (w.blad) {
        w.plik = plik;
        return w;
    }
    s.rozmiar = RozmiaryKopert::czytaj(RozmiaryKopert::plikProfilu(plik));
    ustawUklad(s.ustawienia, p, true);
    ustawLogo(s.ustawienia, p);
    ustawOpcje(s, p);
    return zakonczZObrazkiem(s, w);
}

std::array<QString, 4> nadawcaDlaWielu(const std::array<QString, 4> &ustawione, const std::array<QString, 4> &firmy)
{
    const bool zUstawien =
        std::any_of(ustawione.begin(), ustawione.end(), [](const QString &t) { return !t.isEmpty(); });
    return zUstawien ? ustawione : firmy;
}
