#include "katalogdanych.h"

#include "sciezki.h"
#include "tekst.h"

#include <QDir>

QByteArray UstawienieSieci::domyslne(const QString &katalogStartowy)
{
    QByteArray rekord(Rozmiar, '\0');
    rekord[Tryb] = 1;
    zapiszTekst(rekord, SciezkaLokalna, PojemnoscSciezki, katalogStartowy);
    // A start directory with letters the code page cannot hold would be stored with '?'
    // in their place and name a folder that does not exist. Mode 0 keeps the data root
    // at the start directory instead, which is what the default means.
    if (zCp1250(doCp1250(katalogStartowy)) != katalogStartowy)
        rekord[Tryb] = 0;
    return rekord;
}

KatalogDanych rozwiazKatalogDanych(const QString &katalogStartowy, BrakUstawienia brak)
{
    KatalogDanych wynik{katalogStartowy, {}};
    const QString sciezka = sciezkaDanych(katalogStartowy, QStringLiteral("\\Admini\\siec.dat"));

    if (brak == BrakUstawienia::PrzyjmijDomyslne && !plikIstnieje(sciezka))
        return wynik;
    QByteArray rekord;
    wynik.blad =
        wczytajLubUtworz(sciezka, UstawienieSieci::domyslne(QDir::toNativeSeparators(katalogStartowy)), rekord);
    if (wynik.blad)
        return wynik;

    switch (static_cast<unsigned char>(rekord[UstawienieSieci::Tryb])) {
    case 1:
        wynik.katalog =
            sciezkaZWindows(czytajTekst(rekord, UstawienieSieci::SciezkaLokalna, UstawienieSieci::PojemnoscSciezki));
        break;
    case 2:
        wynik.katalog =
            sciezkaZWindows(czytajTekst(rekord, UstawienieSieci::SciezkaSieciowa, UstawienieSieci::PojemnoscSciezki));
        break;
    default: break;
    }
    return wynik;
}
