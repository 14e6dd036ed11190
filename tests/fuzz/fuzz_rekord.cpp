// The record reader and the length-prefixed texts: the input is a file's content,
// read as a record of one of the layouts below, and every text field of it is read.
// The first input byte picks the layout; the rest is the file.
#include "fuzz.h"
#include "katalogdanych.h"

#include <vector>

namespace {

struct Pole
{
    qsizetype przesuniecie;
    int pojemnosc;
};

struct Uklad
{
    qsizetype rozmiar;
    std::vector<Pole> pola;
};

std::vector<Uklad> uklady()
{
    std::vector<Uklad> u;
    // The network setting.
    u.push_back({UstawienieSieci::Rozmiar,
                 {{UstawienieSieci::SciezkaLokalna, UstawienieSieci::PojemnoscSciezki},
                  {UstawienieSieci::SciezkaSieciowa, UstawienieSieci::PojemnoscSciezki}}});
    // The six information captions.
    Uklad podpisy{66, {}};
    for (int i = 0; i < 6; ++i)
        podpisy.pola.push_back({11 * i, 10});
    u.push_back(podpisy);
    return u;
}

// A layout made up from the input: a size up to 4 KiB and fields of assorted capacities
// packed one after another, the last one ending at the record's last byte when it fits.
Uklad ukladZDanych(const QByteArray &wejscie)
{
    const int pojemnosci[] = {0, 1, 5, 10, 20, 40, 80, 100, 200, 254, 255};
    Uklad u;
    u.rozmiar =
        wejscie.size() >= 2
            ? ((static_cast<unsigned char>(wejscie[0]) | static_cast<unsigned char>(wejscie[1]) << 8) % 4096) + 1
            : 1;
    qsizetype przesuniecie = 0;
    for (int i = 0;; ++i) {
        const int c = pojemnosci[(i + u.rozmiar) % std::size(pojemnosci)];
        if (przesuniecie + c + 1 > u.rozmiar) {
            const qsizetype reszta = u.rozmiar - przesuniecie - 1;
            if (reszta >= 0)
                u.pola.push_back({przesuniecie, int(qMin<qsizetype>(reszta, 255))});
            break;
        }
        u.pola.push_back({przesuniecie, c});
        przesuniecie += c + 1;
    }
    return u;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    if (rozmiar == 0)
        return 0;
    static const std::vector<Uklad> znane = uklady();
    const unsigned wybor = dane[0] % (znane.size() + 1);
    const QByteArray plik = fuzz::bajty(dane + 1, rozmiar - 1);
    const Uklad uklad = wybor < znane.size() ? znane[wybor] : ukladZDanych(plik);

    const auto rekord = fuzz::czytajJakoRekord(plik, uklad.rozmiar);
    if (!rekord)
        return 0;
    for (const Pole &p : uklad.pola)
        fuzz::czytajPole(*rekord, p.przesuniecie, p.pojemnosc);
    return 0;
}
