// The envelope's record files: the four defaults files and the profile. The first input
// byte picks the kind, the rest is the file (none at all when it is empty: the reader
// creates it). The file is read as the envelope window reads it, into a working copy
// that holds other bytes before, its fields are taken into the settings, and the
// positions are worked out as printing does.
#include "fuzz.h"
#include "rekordykoperty.h"
#include "uklad_wydruku.h"

#include <QDir>
#include <QFile>

namespace {

struct Tekst
{
    qsizetype przesuniecie;
    int pojemnosc;
};

std::vector<Tekst> tekstyUkladu(qsizetype baza)
{
    using namespace UkladKoperty;
    std::vector<Tekst> t;
    for (int i = 0; i < 4; ++i) {
        t.push_back({baza + Nadawca[i], PojemnoscNadawcy});
        t.push_back({baza + OdLewej[i], PojemnoscLiczby});
        t.push_back({baza + OdGory[i], PojemnoscLiczby});
    }
    t.push_back({baza + Odstep, PojemnoscLiczby});
    t.push_back({baza + NadawcaOdLewej, PojemnoscPolozeniaNadawcy});
    t.push_back({baza + NadawcaOdGory, PojemnoscPolozeniaNadawcy});
    return t;
}

std::vector<Tekst> tekstyLogo(qsizetype baza)
{
    using namespace LogoKoperty;
    return {{baza + Nazwa, PojemnoscNazwy}, {baza + OdLewej, PojemnoscLiczby}, {baza + OdGory, PojemnoscLiczby}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    if (rozmiar == 0)
        return 0;
    static const QString katalog = [] {
        const QString k = fuzz::katalogRoboczy() + QStringLiteral("/koperta");
        LK_WYMAGAJ(QDir().mkpath(k + QStringLiteral("/ADMINI")));
        return k;
    }();
    const int rodzaj = dane[0] % 5;
    const QByteArray wejscie = fuzz::bajty(dane + 1, rozmiar - 1);

    QByteArray poczatkowy;
    std::vector<Tekst> teksty;
    switch (rodzaj) {
    case 0:
        poczatkowy = UkladKoperty::poczatkowy();
        teksty = tekstyUkladu(0);
        break;
    case 1:
        poczatkowy = QByteArray(LogoKoperty::Rozmiar, '\0');
        teksty = tekstyLogo(0);
        break;
    case 2: poczatkowy = QByteArray(OpcjeDruku::Rozmiar, '\0'); break;
    case 3:
        poczatkowy = QByteArray(FormaAdresu::Rozmiar, '\0');
        teksty = {{0, FormaAdresu::Pojemnosc}};
        break;
    default:
        poczatkowy = QByteArray(ProfilKoperty::Rozmiar, '\0');
        teksty = tekstyUkladu(ProfilKoperty::Uklad);
        for (const Tekst &t : tekstyLogo(ProfilKoperty::Logo))
            teksty.push_back(t);
        break;
    }
    const QString plik = katalog + QStringLiteral("/ADMINI/plik.dat");

    const QByteArray wzor(poczatkowy.size(), '\x5a');
    QByteArray bufor = wzor;
    BladIO blad;
    if (wejscie.isEmpty()) {
        QFile::remove(plik);
        blad = wczytajLubUtworz(plik, poczatkowy, bufor);
        LK_WYMAGAJ(blad.ok());
        LK_WYMAGAJ(fuzz::czytajPlik(plik) == poczatkowy);
        LK_WYMAGAJ(bufor == poczatkowy);
    } else {
        fuzz::zapiszPlik(plik, wejscie);
        blad = wczytajLubUtworz(plik, poczatkowy, bufor);
        LK_WYMAGAJ(fuzz::czytajPlik(plik) == wejscie); // an existing file is never rewritten
        if (wejscie.size() < poczatkowy.size()) {
            LK_WYMAGAJ(blad.kod == BladIO::KoniecPliku);
            LK_WYMAGAJ(blad.tekst() == QStringLiteral("Read beyond end of file"));
            LK_WYMAGAJ(bufor == wzor);
            return 0;
        }
        LK_WYMAGAJ(blad.ok());
        LK_WYMAGAJ(bufor == wejscie.left(poczatkowy.size()));
    }
    for (const Tekst &t : teksty)
        fuzz::czytajPole(bufor, t.przesuniecie, t.pojemnosc);

    UstawieniaKoperty u;
    switch (rodzaj) {
    case 0: odczytajUklad(bufor, 0, u); break;
    case 1: odczytajLogo(bufor, 0, u); break;
    case 2: odczytajOpcje(bufor, 0, u); break;
    case 3: break;
    default: odczytajProfil(bufor, u); break;
    }
    for (const QString *t : {&u.nadawca[0], &u.nadawca[1], &u.nadawca[2], &u.nadawca[3]})
        LK_WYMAGAJ(t->size() <= UkladKoperty::PojemnoscNadawcy);
    LK_WYMAGAJ(u.nazwaObrazka.size() <= LogoKoperty::PojemnoscNazwy);

    // Storing the settings back into a copy of what was read keeps the record's size.
    QByteArray kopia = bufor;
    switch (rodzaj) {
    case 0: wpiszUklad(kopia, 0, u); break;
    case 1: wpiszLogo(kopia, 0, u); break;
    case 2: wpiszOpcje(kopia, 0, u); break;
    case 3: break;
    default: wpiszProfil(kopia, u); break;
    }
    LK_WYMAGAJ(kopia.size() == bufor.size());

    // Every preset's positions as printing works them out, within the painter's range.
    for (int n = 0; n < 4; ++n) {
        TekstyPolozen t{u.odstep,    u.nadawcaOdLewej, u.nadawcaOdGory, u.odLewej[n],
                        u.odGory[n], u.logoOdLewej,    u.logoOdGory};
        const Polozenia p = parsujPolozenia(t);
        const WierszeMm w = polozeniaWierszy(p);
        for (qint32 dpi : {96, 600}) {
            const qint32 naMm = punktyNaMilimetr(dpi);
            auto sprawdz = [&](const PunktMm &m) {
                for (qint64 mm : {m.x, m.y}) {
                    const qint32 d = mmNaPunkty(mm, naMm);
                    LK_WYMAGAJ(d >= -UkladWydruku::MaksWspolrzedna && d <= UkladWydruku::MaksWspolrzedna);
                }
            };
            for (const PunktMm &m : w.nadawca)
                sprawdz(m);
            for (const PunktMm &m : w.odbiorca)
                sprawdz(m);
        }
        const ProstokatPunkty r = prostokatLogo(p.lewyLogo, p.gornyLogo, 100, 50);
        LK_WYMAGAJ(r.lewy <= r.prawy && r.gorny <= r.dolny);
    }
    return 0;
}
