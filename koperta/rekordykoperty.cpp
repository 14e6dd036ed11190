#include "rekordykoperty.h"

#include "tekst.h"

QByteArray UkladKoperty::poczatkowy()
{
    QByteArray r(Rozmiar, '\0');
    const char *presety[4] = {"50", "100", "150", "200"};
    for (int i = 0; i < 4; ++i) {
        zapiszTekst(r, OdLewej[i], PojemnoscLiczby, QString::fromLatin1(presety[i]));
        zapiszTekst(r, OdGory[i], PojemnoscLiczby, QString::fromLatin1(presety[i]));
    }
    zapiszTekst(r, Odstep, PojemnoscLiczby, u"5");
    zapiszTekst(r, NadawcaOdLewej, PojemnoscPolozeniaNadawcy, u"5");
    zapiszTekst(r, NadawcaOdGory, PojemnoscPolozeniaNadawcy, u"5");
    return r;
}

void wpiszUklad(QByteArray &b, qsizetype baza, const UstawieniaKoperty &u)
{
    using namespace UkladKoperty;
    for (int i = 0; i < 4; ++i) {
        zapiszTekst(b, baza + Nadawca[i], PojemnoscNadawcy, u.nadawca[i]);
        zapiszTekst(b, baza + OdLewej[i], PojemnoscLiczby, u.odLewej[i]);
        zapiszTekst(b, baza + OdGory[i], PojemnoscLiczby, u.odGory[i]);
    }
    zapiszTekst(b, baza + Odstep, PojemnoscLiczby, u.odstep);
    zapiszTekst(b, baza + NadawcaOdLewej, PojemnoscPolozeniaNadawcy, u.nadawcaOdLewej);
    zapiszTekst(b, baza + NadawcaOdGory, PojemnoscPolozeniaNadawcy, u.nadawcaOdGory);
}

void odczytajUklad(const QByteArray &b, qsizetype baza, UstawieniaKoperty &u)
{
    using namespace UkladKoperty;
    for (int i = 0; i < 4; ++i) {
        u.nadawca[i] = czytajTekst(b, baza + Nadawca[i], PojemnoscNadawcy);
        u.odLewej[i] = czytajTekst(b, baza + OdLewej[i], PojemnoscLiczby);
        u.odGory[i] = czytajTekst(b, baza + OdGory[i], PojemnoscLiczby);
    }
    u.odstep = czytajTekst(b, baza + Odstep, PojemnoscLiczby);
    u.nadawcaOdLewej = czytajTekst(b, baza + NadawcaOdLewej, PojemnoscPolozeniaNadawcy);
    u.nadawcaOdGory = czytajTekst(b, baza + NadawcaOdGory, PojemnoscPolozeniaNadawcy);
}

void wpiszLogo(QByteArray &b, qsizetype baza, const UstawieniaKoperty &u)
{
    using namespace LogoKoperty;
    zapiszTekst(b, baza + Nazwa, PojemnoscNazwy, u.nazwaObrazka);
    zapiszTekst(b, baza + OdLewej, PojemnoscLiczby, u.logoOdLewej);
    zapiszTekst(b, baza + OdGory, PojemnoscLiczby, u.logoOdGory);
}

void odczytajLogo(const QByteArray &b, qsizetype baza, UstawieniaKoperty &u)
{
    using namespace LogoKoperty;
    u.nazwaObrazka = czytajTekst(b, baza + Nazwa, PojemnoscNazwy);
    u.logoOdLewej = czytajTekst(b, baza + OdLewej, PojemnoscLiczby);
    u.logoOdGory = czytajTekst(b, baza + OdGory, PojemnoscLiczby);
}

void wpiszOpcje(QByteArray &b, qsizetype baza, const UstawieniaKoperty &u)
{
    using namespace OpcjeDruku;
    if (u.rozmiar != 0)
        b[baza + NumerRozmiaru] = char(u.rozmiar);
    b[baza + Logo] = char(u.logo);
    b[baza + Poziomo] = char(u.poziomo);
}

void odczytajOpcje(const QByteArray &b, qsizetype baza, UstawieniaKoperty &u)
{
    using namespace OpcjeDruku;
    u.rozmiar = quint8(b[baza + NumerRozmiaru]);
    u.logo = quint8(b[baza + Logo]);
    u.poziomo = quint8(b[baza + Poziomo]);
}

void wpiszProfil(QByteArray &b, const UstawieniaKoperty &u)
{
    wpiszUklad(b, ProfilKoperty::Uklad, u);
    wpiszLogo(b, ProfilKoperty::Logo, u);
    wpiszOpcje(b, ProfilKoperty::Opcje, u);
}

void odczytajProfil(const QByteArray &b, UstawieniaKoperty &u)
{
    odczytajUklad(b, ProfilKoperty::Uklad, u);
    odczytajLogo(b, ProfilKoperty::Logo, u);
    odczytajOpcje(b, ProfilKoperty::Opcje, u);
}
