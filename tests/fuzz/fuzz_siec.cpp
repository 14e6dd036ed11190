// The network setting and the data root: the input is the file Admini/siec.dat under a
// start directory, and the data root is resolved from it.
#include "fuzz.h"
#include "katalogdanych.h"
#include "sciezki.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const QString start = [] {
        const QString k = fuzz::katalogRoboczy() + QStringLiteral("/start");
        LK_WYMAGAJ(QDir().mkpath(k + QStringLiteral("/Admini")));
        return k;
    }();
    const QString plik = start + QStringLiteral("/Admini/siec.dat");
    const QByteArray wejscie = fuzz::bajty(dane, rozmiar);
    fuzz::zapiszPlik(plik, wejscie);

    const KatalogDanych wynik = rozwiazKatalogDanych(start);
    LK_WYMAGAJ(fuzz::czytajPlik(plik) == wejscie); // an existing setting is never rewritten

    if (wejscie.size() < UstawienieSieci::Rozmiar) {
        LK_WYMAGAJ(wynik.blad.kod == BladIO::KoniecPliku);
        LK_WYMAGAJ(wynik.katalog == start);
        return 0;
    }
    LK_WYMAGAJ(wynik.blad.ok());
    const unsigned char tryb = static_cast<unsigned char>(wejscie[UstawienieSieci::Tryb]);
    if (tryb != 1 && tryb != 2) {
        LK_WYMAGAJ(wynik.katalog == start);
        return 0;
    }
    // A stored path is mapped to a platform path: no backslashes, no doubled separators.
    LK_WYMAGAJ(!wynik.katalog.contains(u'\\'));
    LK_WYMAGAJ(!wynik.katalog.contains(QStringLiteral("//")));
    LK_WYMAGAJ(wynik.katalog.size() <= UstawienieSieci::PojemnoscSciezki + 3); // "/net" for "\\"

    // The data paths built on it.
    const QString info = sciezkaDanych(wynik.katalog, QStringLiteral("\\ADMINI\\info.dat"));
    LK_WYMAGAJ(info.endsWith(QStringLiteral("/info.dat"), Qt::CaseInsensitive));
    // A NUL in the stored path is an invalid name, never a shorter path.
    if (wynik.katalog.contains(QChar(0))) {
        QByteArray r;
        LK_WYMAGAJ(czytajRekord(info, r, 66).kod == BladIO::ZlaNazwa);
        LK_WYMAGAJ(zapiszRekord(info, QByteArray(66, '\0')).kod == BladIO::ZlaNazwa);
    }
    return 0;
}
