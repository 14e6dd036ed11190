// The firm record: the input is the file ADMINI/firma.dat under a data root, read into
// the program's copy (KopiaFirmy) after a valid record, and turned into sender lines.
#include "fuzz.h"
#include "narzedzia_klienta.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const QString katalog = [] {
        const QString k = fuzz::katalogRoboczy() + QStringLiteral("/firma");
        LK_WYMAGAJ(QDir().mkpath(k + QStringLiteral("/ADMINI")));
        return k;
    }();
    const QString plik = katalog + QStringLiteral("/ADMINI/firma.dat");

    // The copy first holds a valid record with three sender lines.
    QByteArray poprzedni(RekordFirmy::Rozmiar, 'x');
    for (int i = 0; i < 3; ++i)
        zapiszTekst(poprzedni, RekordFirmy::Nadawca[i], RekordFirmy::PojemnoscNadawcy,
                    QStringLiteral("Firma Źródło %1").arg(i));
    fuzz::zapiszPlik(plik, poprzedni);
    KopiaFirmy kopia;
    LK_WYMAGAJ(kopia.czytaj(katalog).ok());
    LK_WYMAGAJ(kopia.rekord() == poprzedni);

    const QByteArray wejscie = fuzz::bajty(dane, rozmiar);
    fuzz::zapiszPlik(plik, wejscie);
    const BladIO blad = kopia.czytaj(katalog);
    LK_WYMAGAJ(fuzz::czytajPlik(plik) == wejscie); // only read
    if (wejscie.size() < RekordFirmy::Rozmiar) {
        LK_WYMAGAJ(blad.kod == BladIO::KoniecPliku);
        LK_WYMAGAJ(blad.tekst() == QStringLiteral("Read beyond end of file"));
        LK_WYMAGAJ(kopia.rekord() == poprzedni); // the copy keeps the last record read
        return 0;
    }
    LK_WYMAGAJ(blad.ok());
    LK_WYMAGAJ(kopia.rekord() == wejscie.left(RekordFirmy::Rozmiar));
    const WierszeKopertyKlienta w = wierszeKopertyKlienta(kopia, QStringLiteral("a"), {}, {}, {});
    for (int i = 0; i < 3; ++i) {
        const QString linia = fuzz::czytajPole(kopia.rekord(), RekordFirmy::Nadawca[i], RekordFirmy::PojemnoscNadawcy);
        LK_WYMAGAJ(kopia.nadawca(i) == linia);
        LK_WYMAGAJ(w.nadawca[i] == linia);
    }
    LK_WYMAGAJ(w.nadawca[3].isEmpty());
    return 0;
}
