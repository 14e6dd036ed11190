#include "tekst.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Windows-1250 as the system's converter has it: bytes below 0x80 are ASCII, the code
// page has no gaps (the five bytes it leaves undefined stand for the C1 controls of the
// same number) and no character has two bytes, so one table serves both ways. Kept here
// rather than asked of the converter: reading a list decodes thousands of fields, and
// the program need not load the converter's tables to start.
constexpr std::array<char16_t, 128> Gorna = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

struct Odwrotna
{
    std::array<char16_t, 128> znaki; // sorted
    std::array<char, 128> bajty;
};

constexpr Odwrotna odwrotna()
{
    Odwrotna o{};
    std::array<int, 128> kolejnosc{};
    for (int i = 0; i < 128; ++i)
        kolejnosc[i] = i;
    std::sort(kolejnosc.begin(), kolejnosc.end(), [](int a, int b) { return Gorna[a] < Gorna[b]; });
    for (int i = 0; i < 128; ++i) {
        o.znaki[i] = Gorna[kolejnosc[i]];
        o.bajty[i] = static_cast<char>(0x80 + kolejnosc[i]);
    }
    return o;
}
constexpr Odwrotna Odwrotnie = odwrotna();

// The bytes of the characters below U+0300, where all but a few of the code page's lie
// (-1: not in the code page), for a look-up without a search.
constexpr std::array<short, 0x300> Ponizej300 = [] {
    std::array<short, 0x300> t{};
    for (short &b : t)
        b = -1;
    for (int i = 0; i < 0x80; ++i)
        t[i] = short(i);
    for (int i = 0; i < 128; ++i)
        if (Gorna[i] < 0x300)
            t[Gorna[i]] = short(0x80 + i);
    return t;
}();

// The byte of `z`, or -1 when the code page cannot hold it.
int bajtZnaku(char16_t z)
{
    if (z < 0x300)
        return Ponizej300[z];
    const auto it = std::lower_bound(Odwrotnie.znaki.begin(), Odwrotnie.znaki.end(), z);
    if (it == Odwrotnie.znaki.end() || *it != z)
        return -1;
    return static_cast<unsigned char>(Odwrotnie.bajty[std::size_t(it - Odwrotnie.znaki.begin())]);
}

} // namespace

bool miesciSieWCp1250(QChar z)
{
    return bajtZnaku(z.unicode()) >= 0;
}

QByteArray doCp1250(QStringView tekst)
{
    QByteArray wynik;
    wynik.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        // A character outside the plane (a surrogate pair) becomes one '?'.
        if (tekst[i].isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate())
            ++i;
        const int b = bajtZnaku(tekst[i].unicode());
        wynik.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return wynik;
}

QString zCp1250(QByteArrayView bajty)
{
    QString wynik(bajty.size(), Qt::Uninitialized);
    QChar *z = wynik.data();
    for (const char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        *z++ = QChar(b < 0x80 ? char16_t(b) : Gorna[b - 0x80]);
    }
    return wynik;
}

QByteArray czytajBajtyTekstu(const char *pole, int pojemnosc)
{
    const int dlugosc = std::min<int>(static_cast<unsigned char>(pole[0]), pojemnosc);
    return QByteArray(pole + 1, dlugosc);
}

void zapiszBajtyTekstu(char *pole, int pojemnosc, QByteArrayView bajty)
{
    const int dlugosc = static_cast<int>(std::min<qsizetype>(bajty.size(), pojemnosc));
    pole[0] = static_cast<char>(dlugosc);
    if (dlugosc > 0)
        std::memcpy(pole + 1, bajty.data(), dlugosc);
}

QString czytajTekst(const char *pole, int pojemnosc)
{
    const int dlugosc = std::min<int>(static_cast<unsigned char>(pole[0]), pojemnosc);
    return zCp1250(QByteArrayView(pole + 1, dlugosc));
}

QString czytajTekst(const QByteArray &rekord, qsizetype przesuniecie, int pojemnosc)
{
    Q_ASSERT(przesuniecie >= 0 && przesuniecie + pojemnosc + 1 <= rekord.size());
    return czytajTekst(rekord.constData() + przesuniecie, pojemnosc);
}

void zapiszTekst(char *pole, int pojemnosc, QStringView tekst)
{
    zapiszBajtyTekstu(pole, pojemnosc, doCp1250(tekst));
}

void zapiszTekst(QByteArray &rekord, qsizetype przesuniecie, int pojemnosc, QStringView tekst)
{
    Q_ASSERT(przesuniecie >= 0 && przesuniecie + pojemnosc + 1 <= rekord.size());
    zapiszTekst(rekord.data() + przesuniecie, pojemnosc, tekst);
}
