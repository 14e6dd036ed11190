#include "magazynkoperty.h"

#include "sciezki.h"
#include "tekst.h"

#include <QFileInfo>

#include <utility>

MagazynKoperty::MagazynKoperty(QString katalogDanych, Otwarcie otwarcie)
    : m_katalog(std::move(katalogDanych))
    , m_otwarcie(otwarcie)
{}

QString MagazynKoperty::sciezka(Rekord r) const
{
    switch (r) {
    case Rekord::Uklad: return sciezkaDanych(m_katalog, PlikiKoperty::Uklad);
    case Rekord::Logo: return sciezkaDanych(m_katalog, PlikiKoperty::Logo);
    case Rekord::Opcje: return sciezkaDanych(m_katalog, PlikiKoperty::Opcje);
    case Rekord::Forma: return sciezkaDanych(m_katalog, PlikiKoperty::Forma);
    }
    return {};
}

QString MagazynKoperty::katalogProfili() const
{
    return sciezkaDanych(m_katalog, PlikiKoperty::Profile);
}

QByteArray &MagazynKoperty::bufor(Rekord r)
{
    switch (r) {
    case Rekord::Uklad: return m_bufory.uklad;
    case Rekord::Logo: return m_bufory.logo;
    case Rekord::Opcje: return m_bufory.opcje;
    case Rekord::Forma: break;
    }
    return m_bufory.forma;
}

BladIO MagazynKoperty::wczytaj(Rekord r, UstawieniaKoperty &u, Brakujacy brakujacy)
{
    QByteArray &b = bufor(r);
    const QString plik = sciezka(r);
    const QByteArray poczatkowy = r == Rekord::Uklad ? UkladKoperty::poczatkowy() : QByteArray(b.size(), '\0');
    if (brakujacy == Brakujacy::Utworz) {
        if (const BladIO blad = wczytajLubUtworz(plik, poczatkowy, b))
            return blad;
    } else if (brakujacy == Brakujacy::JakUtworzony && !QFileInfo::exists(plik)) {
        b = poczatkowy;
    } else if (const BladIO blad = czytajRekord(plik, b, b.size(), m_otwarcie)) {
        return blad;
    }
    switch (r) {
    case Rekord::Uklad: odczytajUklad(b, 0, u); break;
    case Rekord::Logo: odczytajLogo(b, 0, u); break;
    case Rekord::Opcje: odczytajOpcje(b, 0, u); break;
    case Rekord::Forma: u.formaAdresu = czytajTekst(b, 0, FormaAdresu::Pojemnosc); break;
    }
    return {};
}

BladIO MagazynKoperty::zapisz(Rekord r)
{
    return zapiszRekord(sciezka(r), bufor(r));
}

BladIO MagazynKoperty::utworzBrakujace()
{
    UstawieniaKoperty u;
    for (Rekord r : {Rekord::Logo, Rekord::Uklad, Rekord::Forma, Rekord::Opcje})
        if (BladIO b = wczytaj(r, u, Brakujacy::Utworz))
            return b;
    return {};
}

BladIO MagazynKoperty::zapiszDomyslne(const UstawieniaKoperty &u)
{
    wpiszUklad(m_bufory.uklad, 0, u);
    if (const BladIO blad = zapisz(Rekord::Uklad))
        return blad;
    wpiszLogo(m_bufory.logo, 0, u);
    if (const BladIO blad = zapisz(Rekord::Logo))
        return blad;
    wpiszOpcje(m_bufory.opcje, 0, u);
    return zapisz(Rekord::Opcje);
}

BladIO MagazynKoperty::zapiszForme(const QString &forma)
{
    zapiszTekst(m_bufory.forma, 0, FormaAdresu::Pojemnosc, forma);
    return zapisz(Rekord::Forma);
}

BladIO MagazynKoperty::wczytajProfil(const QString &plik, UstawieniaKoperty &u)
{
    if (const BladIO blad = czytajRekord(plik, m_bufory.profil, ProfilKoperty::Rozmiar, m_otwarcie))
        return blad;
    odczytajProfil(m_bufory.profil, u);
    return {};
}

BladIO MagazynKoperty::zapiszProfil(const QString &plik, const UstawieniaKoperty &u)
{
    wpiszProfil(m_bufory.profil, u);
    return zapiszRekord(plik, m_bufory.profil);
}
