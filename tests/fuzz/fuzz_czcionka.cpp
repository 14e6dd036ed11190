// The print-font record: the input is the file FONT/font_zentar.dat, read as the
// envelope print reads it, and the font and colour made from it.
#include "fuzz.h"
#include "rekordczcionki.h"

#include <QDir>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const QString katalog = [] {
        const QString k = fuzz::katalogRoboczy() + QStringLiteral("/FONT");
        LK_WYMAGAJ(QDir().mkpath(k));
        return k;
    }();
    const auto rekord = fuzz::czytajJakoRekord(fuzz::bajty(dane, rozmiar), RekordCzcionki::Rozmiar);
    if (!rekord)
        return 0;

    auto int32 = [&](qsizetype p) {
        quint32 w = 0;
        for (int i = 3; i >= 0; --i)
            w = (w << 8) | static_cast<unsigned char>((*rekord)[p + i]);
        return qint32(w);
    };
    LK_WYMAGAJ(RekordCzcionki::kolor(*rekord) == int32(RekordCzcionki::Kolor));
    LK_WYMAGAJ(RekordCzcionki::wielkosc(*rekord) == int32(RekordCzcionki::Wielkosc));
    LK_WYMAGAJ(RekordCzcionki::styl(*rekord) == static_cast<unsigned char>((*rekord)[RekordCzcionki::Styl]));
    const QString nazwa = RekordCzcionki::nazwa(*rekord);
    LK_WYMAGAJ(nazwa == fuzz::czytajPole(*rekord, RekordCzcionki::Nazwa, RekordCzcionki::PojemnoscNazwy));

    // What printing makes of it: any face, size, style bits and colour value.
    QFont czcionka;
    if (!nazwa.isEmpty())
        czcionka.setFamily(nazwa);
    const qint32 wielkosc = RekordCzcionki::wielkosc(*rekord);
    if (wielkosc > 0 && wielkosc < 10000)
        czcionka.setPointSize(wielkosc);
    RekordCzcionki::ustawStyl(czcionka, RekordCzcionki::styl(*rekord));
    LK_WYMAGAJ(RekordCzcionki::stylCzcionki(czcionka) == (RekordCzcionki::styl(*rekord) & 15));
    // An explicit colour is drawn as it stands (a system colour needs the running
    // application's palette, not present here), red in the lowest byte.
    const qint32 zapisany = RekordCzcionki::kolor(*rekord);
    if ((quint32(zapisany) & 0xFF000000u) != 0xFF000000u) {
        const QColor kolor = kolorZZapisu(zapisany);
        LK_WYMAGAJ((kolor.red() | kolor.green() << 8 | kolor.blue() << 16) == (zapisany & 0xFFFFFF));
    }

    // Storing the font back changes only colour, face, size and style.
    QByteArray kopia = *rekord;
    RekordCzcionki::wpisz(kopia, czcionka, RekordCzcionki::kolor(*rekord));
    LK_WYMAGAJ(kopia.size() == RekordCzcionki::Rozmiar);
    const qsizetype koniecNazwy = RekordCzcionki::Nazwa + 1 + RekordCzcionki::PojemnoscNazwy;
    LK_WYMAGAJ(std::memcmp(kopia.constData() + koniecNazwy, rekord->constData() + koniecNazwy,
                           size_t(RekordCzcionki::Wielkosc - koniecNazwy))
               == 0);
    LK_WYMAGAJ(std::memcmp(kopia.constData() + RekordCzcionki::Styl + 1, rekord->constData() + RekordCzcionki::Styl + 1,
                           size_t(RekordCzcionki::Rozmiar - RekordCzcionki::Styl - 1))
               == 0);
    return 0;
}
