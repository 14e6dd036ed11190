#include "uklad_wydruku.h"

#include "liczby.h"

#include <algorithm>

using namespace UkladWydruku;

Polozenia parsujPolozenia(const TekstyPolozen &t)
{
    Polozenia p;
    p.odstep = parsujLiczbe(t.od);
    p.lewyNadawcy = parsujLiczbe(t.l_n);
    p.gornyNadawcy = parsujLiczbe(t.g_n);
    p.lewyOdbiorcy = parsujLiczbe(t.lOdbiorcy);
    p.gornyOdbiorcy = parsujLiczbe(t.gOdbiorcy);
    p.lewyLogo = parsujLiczbe(t.l_log);
    p.gornyLogo = parsujLiczbe(t.g_log);
    return p;
}

WierszeMm polozeniaWierszy(const Polozenia &p)
{
    // Every operand is a 32-bit value and at most six of them are added: 64 bits hold it.
    WierszeMm w;
    const qint64 s = p.gornyNadawcy;
    const qint64 d = p.odstep;

    qint64 linia = s;
    for (auto &punkt : w.nadawca) {
        punkt = {p.lewyNadawcy, linia + ObnizenieNadawcy};
        linia += d;
    }

    // The recipient's line position starts again from the sender top, not from zero.
    linia = s;
    w.odbiorca[0] = {p.lewyOdbiorcy, p.gornyOdbiorcy};
    for (std::size_t i = 1; i < w.odbiorca.size(); ++i) {
        linia += d;
        w.odbiorca[i] = {qint64(p.lewyOdbiorcy) + WciecieOdbiorcy, qint64(p.gornyOdbiorcy) + linia};
    }
    return w;
}

qint32 punktyNaMilimetr(qint32 dpi)
{
    return qint32(zaokraglijIloraz(dpi, 25));
}

qint32 przytnijWspolrzedna(qint64 punkty)
{
    return qint32(std::clamp(punkty, -MaksWspolrzedna, MaksWspolrzedna));
}

qint32 mmNaPunkty(qint64 mm, qint32 punktyNaMm)
{
    // |mm| < 2^35 and |dots per mm| < 2^27: the product stays below 2^62.
    return przytnijWspolrzedna(mm * punktyNaMm);
}

qint32 wysokoscCzcionki(qint32 rozmiarPt, qint32 dpi)
{
    const qint64 h = -zaokraglijIloraz(qint64(rozmiarPt) * dpi, 72);
    return qint32(std::clamp<qint64>(h, -MaksWysokoscCzcionki, MaksWysokoscCzcionki));
}

ProstokatPunkty prostokatLogo(qint32 lewy, qint32 gorny, qint32 szerokosc, qint32 wysokosc)
{
    // x × 2.5 is 5x / 2, exact in integers.
    ProstokatPunkty r;
    r.lewy = przytnijWspolrzedna(zaokraglijIloraz(qint64(lewy) * 5, 2));
    r.gorny = przytnijWspolrzedna(zaokraglijIloraz(qint64(gorny) * 5, 2));
    r.prawy = przytnijWspolrzedna(obetnijIloraz((qint64(lewy) + szerokosc) * 5, 2));
    r.dolny = przytnijWspolrzedna(obetnijIloraz((qint64(gorny) + wysokosc) * 5, 2));
    return r;
}
