#include "liczby.h"

#include <cstdint>

qint32 parsujLiczbe(QStringView tekst)
{
    qsizetype i = 0;
    const qsizetype n = tekst.size();
    while (i < n && tekst[i] == u' ')
        ++i;

    bool ujemna = false;
    if (i < n && (tekst[i] == u'-' || tekst[i] == u'+')) {
        ujemna = tekst[i] == u'-';
        ++i;
    }

    int podstawa = 10;
    if (i < n && tekst[i] == u'$') {
        podstawa = 16;
        ++i;
    } else if (i < n && (tekst[i] == u'x' || tekst[i] == u'X')) {
        podstawa = 16;
        ++i;
    } else if (i + 1 < n && tekst[i] == u'0' && (tekst[i + 1] == u'x' || tekst[i + 1] == u'X')) {
        podstawa = 16;
        i += 2;
    }

    // The magnitude is limited so that the signed result fits in 32 bits.
    const std::int64_t granica = ujemna ? 2147483648LL : 2147483647LL;
    std::int64_t wartosc = 0;
    bool cyfra = false;
    for (; i < n; ++i) {
        const char16_t z = tekst[i].unicode();
        int d;
        if (z >= u'0' && z <= u'9')
            d = z - u'0';
        else if (podstawa == 16 && z >= u'a' && z <= u'f')
            d = z - u'a' + 10;
        else if (podstawa == 16 && z >= u'A' && z <= u'F')
            d = z - u'A' + 10;
        else
            break;
        const std::int64_t nowa = wartosc * podstawa + d;
        if (nowa > granica)
            break;
        wartosc = nowa;
        cyfra = true;
    }

    const bool poprawna = cyfra && i == n;
    if (!poprawna) {
        // The sign is applied only to a wholly valid number. Unsigned, the magnitude
        // 2147483648 (possible only after a minus sign) would overflow at its last
        // digit: keep what was read before it.
        if (wartosc > 2147483647LL)
            wartosc /= podstawa;
        return static_cast<qint32>(wartosc);
    }
    return static_cast<qint32>(ujemna ? -wartosc : wartosc);
}

qint64 obetnijIloraz(qint64 a, qint64 b)
{
    return a / b;
}

qint64 zaokraglijIloraz(qint64 a, qint64 b)
{
    if (b < 0) {
        a = -a;
        b = -b;
    }
    qint64 q = a / b;
    qint64 r = a % b; // same sign as a
    const qint64 dwaR = 2 * (r < 0 ? -r : r);
    if (dwaR > b || (dwaR == b && (q % 2 != 0)))
        q += (a < 0) ? -1 : 1;
    return q;
}
