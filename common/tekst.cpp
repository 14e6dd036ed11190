#include "tekst.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace {
constexpr auto kNazwaKodowania = "windows-1250";
}

QByteArray doCp1250(QStringView tekst)
{
    QStringEncoder koder(kNazwaKodowania);
    QByteArray wynik = koder.encode(tekst);
    if (!koder.hasError())
        return wynik;

    // Some character has no place in the code page: encode one code point at a
    // time, so that exactly the missing ones become '?'.
    wynik.clear();
    wynik.reserve(tekst.size());
    qsizetype i = 0;
    while (i < tekst.size()) {
        const qsizetype dlugosc =
            (tekst[i].isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate()) ? 2 : 1;
        QStringEncoder jeden(kNazwaKodowania);
        const QByteArray b = jeden.encode(tekst.mid(i, dlugosc));
        if (jeden.hasError() || b.size() != 1)
            wynik.append('?');
        else
            wynik.append(b);
        i += dlugosc;
    }
    return wynik;
}

QString zCp1250(QByteArrayView bajty)
{
    QStringDecoder dekoder(kNazwaKodowania);
    return dekoder.decode(bajty);
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
