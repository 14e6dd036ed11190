#include "etykiety_klientow.h"

#include "listaklientow.h"
#include "narzedzia_klienta.h"

using namespace Klienci;

namespace DrukEtykiet {

namespace {

DaneKoperty dane(const UstawieniaWsadowe &u, const std::array<QString, 4> &odbiorca = {})
{
    return daneKoperty(u.ustawienia, odbiorca, {}, u.czcionka);
}

} // namespace

std::optional<QString> wczytajUstawienia(const QString &katalogDanych, const QString &sciezkaCzcionki,
                                         const QString &profil, UstawieniaWsadowe &u)
{
    // Only read: no write permission is needed.
    KopiaFirmy firma;
    if (const BladIO b = firma.czytaj(katalogDanych, Otwarcie::TylkoOdczyt))
        return QStringLiteral("dane firmy: %1").arg(b.tekst());
    return wczytajUstawieniaWsadowe(katalogDanych, sciezkaCzcionki, profil,
                                    wierszeKopertyKlienta(firma, {}, {}, {}, {}).nadawca, u);
}

void etykietyWierszy(ZadanieEtykiet &z, const UstawieniaWsadowe &u, const ListaKlientow &lista,
                     const QList<int> &wiersze)
{
    z.czcionka = czcionka(dane(u));
    z.etykiety.clear();
    z.etykiety.reserve(wiersze.size());
    for (int w : wiersze)
        z.etykiety.append(etykietaOdbiorcy(dane(u, {lista.tekst(Nazwa1, w), lista.tekst(Nazwa2, w),
                                                    lista.tekst(Ulica, w), lista.tekst(Miejscowosc, w)}),
                                           w));
}

std::optional<QString> arkuszeNadawcy(ZadanieEtykiet &z, const UstawieniaWsadowe &u, int arkusze)
{
    z.czcionka = czcionka(dane(u));
    const Etykieta e = etykietaNadawcy(dane(u));
    if (e.wiersze.isEmpty())
        return QStringLiteral("dane firmy nie zawierają adresu nadawcy");
    arkuszeJednejEtykiety(z, e, arkusze);
    return std::nullopt;
}

} // namespace DrukEtykiet
