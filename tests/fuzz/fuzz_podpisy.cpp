// The information captions: the input is the file ADMINI/info.dat under a data root
// (an empty input: no file, which the reader creates), read with czytajPodpisyInfo.
#include "fuzz.h"
#include "listaklientow.h"
#include "sciezki.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const QString katalog = [] {
        const QString k = fuzz::katalogRoboczy() + QStringLiteral("/podpisy");
        LK_WYMAGAJ(QDir().mkpath(k + QStringLiteral("/Admini")));
        return k;
    }();
    const QString plik = katalog + QStringLiteral("/Admini/info.dat");
    const QByteArray wejscie = fuzz::bajty(dane, rozmiar);
    if (wejscie.isEmpty()) {
        QFile::remove(plik);
        const Podpisy p = czytajPodpisyInfo(katalog);
        LK_WYMAGAJ(p.blad.ok());
        LK_WYMAGAJ(fuzz::czytajPlik(plik) == QByteArray(PodpisyInfo::Rozmiar, '\0'));
        for (const QString &t : p.teksty)
            LK_WYMAGAJ(t.isEmpty());
        return 0;
    }
    fuzz::zapiszPlik(plik, wejscie);
    const Podpisy p = czytajPodpisyInfo(katalog);
    LK_WYMAGAJ(fuzz::czytajPlik(plik) == wejscie); // an existing file is never rewritten
    if (wejscie.size() < PodpisyInfo::Rozmiar) {
        LK_WYMAGAJ(p.blad.kod == BladIO::KoniecPliku);
        LK_WYMAGAJ(p.blad.tekst() == QStringLiteral("Read beyond end of file"));
        for (const QString &t : p.teksty)
            LK_WYMAGAJ(t.isEmpty());
        return 0;
    }
    LK_WYMAGAJ(p.blad.ok());
    const QByteArray rekord = wejscie.left(PodpisyInfo::Rozmiar);
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        LK_WYMAGAJ(p.teksty[i] == fuzz::czytajPole(rekord, i * (PodpisyInfo::Pojemnosc + 1), PodpisyInfo::Pojemnosc));
    return 0;
}
