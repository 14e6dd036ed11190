#include "rekordczcionki.h"

#include "rekord.h"
#include "tekst.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtEndian>

namespace {

qint32 czytajInt32(const QByteArray &r, qsizetype przesuniecie)
{
    return qFromLittleEndian<qint32>(r.constData() + przesuniecie);
}

void zapiszInt32(QByteArray &r, qsizetype przesuniecie, qint32 wartosc)
{
    qToLittleEndian<qint32>(wartosc, r.data() + przesuniecie);
}

} // namespace

namespace RekordCzcionki {

qint32 kolor(const QByteArray &r)
{
    return czytajInt32(r, Kolor);
}
QString nazwa(const QByteArray &r)
{
    return czytajTekst(r, Nazwa, PojemnoscNazwy);
}
qint32 wielkosc(const QByteArray &r)
{
    return czytajInt32(r, Wielkosc);
}
quint8 styl(const QByteArray &r)
{
    return quint8(r[Styl]);
}

quint8 stylCzcionki(const QFont &f)
{
    quint8 s = 0;
    if (f.bold())
        s |= Pogrubiona;
    if (f.italic())
        s |= Kursywa;
    if (f.underline())
        s |= Podkreslona;
    if (f.strikeOut())
        s |= Przekreslona;
    return s;
}

void ustawStyl(QFont &f, quint8 s)
{
    f.setBold(s & Pogrubiona);
    f.setItalic(s & Kursywa);
    f.setUnderline(s & Podkreslona);
    f.setStrikeOut(s & Przekreslona);
}

qint32 wielkoscWPunktach(const QFont &f)
{
    if (f.pointSize() > 0)
        return f.pointSize();
    if (f.pointSizeF() > 0)
        return qRound(f.pointSizeF());
    if (f.pixelSize() > 0)
        return qRound(f.pixelSize() * 72.0 / 96.0);
    return 0;
}

void wpisz(QByteArray &r, const QFont &f, qint32 k)
{
    if (r.size() < Rozmiar)
        r.resize(Rozmiar, '\0');
    zapiszInt32(r, Kolor, k);
    zapiszTekst(r, Nazwa, PojemnoscNazwy, f.family());
    zapiszInt32(r, Wielkosc, wielkoscWPunktach(f));
    r[Styl] = char(stylCzcionki(f));
}

} // namespace RekordCzcionki

QColor kolorZZapisu(qint32 kolor)
{
    const quint32 k = quint32(kolor);
    if ((k & 0xFF000000u) == 0xFF000000u) {
        const QPalette paleta = QGuiApplication::palette();
        using P = QPalette;
        auto rola = [&paleta](P::ColorGroup g, P::ColorRole r) { return paleta.color(g, r); };
        switch (k & 0xFFu) {
        case 0: return rola(P::Active, P::Button);          // scroll bar
        case 1: return rola(P::Active, P::Dark);            // desktop
        case 2: return rola(P::Active, P::Highlight);       // active caption
        case 3: return rola(P::Inactive, P::Highlight);     // inactive caption
        case 4: return rola(P::Active, P::Window);          // menu
        case 5: return rola(P::Active, P::Base);            // window
        case 6: return rola(P::Active, P::Shadow);          // window frame
        case 7: return rola(P::Active, P::WindowText);      // menu text
        case 8: return rola(P::Active, P::WindowText);      // window text
        case 9: return rola(P::Active, P::HighlightedText); // caption text
        case 10:
        case 11: return rola(P::Active, P::Window);            // borders
        case 12: return rola(P::Active, P::Mid);               // application workspace
        case 13: return rola(P::Active, P::Highlight);         // highlight
        case 14: return rola(P::Active, P::HighlightedText);   // highlighted text
        case 15: return rola(P::Active, P::Button);            // button face
        case 16: return rola(P::Active, P::Dark);              // button shadow
        case 17: return rola(P::Disabled, P::WindowText);      // grey text
        case 18: return rola(P::Active, P::ButtonText);        // button text
        case 19: return rola(P::Inactive, P::HighlightedText); // inactive caption text
        case 20: return rola(P::Active, P::Light);             // button highlight
        case 21: return rola(P::Active, P::Shadow);            // dark shadow
        case 22: return rola(P::Active, P::Midlight);          // light
        case 23: return rola(P::Active, P::ToolTipText);       // info text
        case 24: return rola(P::Active, P::ToolTipBase);       // info background
        case 26: return rola(P::Active, P::Link);              // hot-tracked item
        case 27:
        case 28:
        case 29: return rola(P::Active, P::Highlight);
        case 30: return rola(P::Active, P::Window); // menu bar
        default: return rola(P::Active, P::WindowText);
        }
    }
    return QColor(int(k & 0xFF), int((k >> 8) & 0xFF), int((k >> 16) & 0xFF));
}

BladIO CzytajFonty(const QString &sciezka, CzcionkaDruku &czcionka, Otwarcie otwarcie)
{
    if (!plikIstnieje(sciezka))
        return {};
    QByteArray rekord = czcionka.rekord;
    if (const BladIO blad = czytajRekord(sciezka, rekord, RekordCzcionki::Rozmiar, otwarcie))
        return blad;
    czcionka.rekord = rekord;
    czcionka.kroj = RekordCzcionki::nazwa(rekord);
    czcionka.rozmiar = RekordCzcionki::wielkosc(rekord);
    return {};
}

BladIO ZapiszFonty(const QString &sciezka, CzcionkaDruku &czcionka, const QFont &wybrana, qint32 kolor)
{
    QByteArray nowy = czcionka.rekord;
    RekordCzcionki::wpisz(nowy, wybrana, kolor);
    if (const BladIO blad = zapiszRekord(sciezka, nowy))
        return blad;
    czcionka.rekord = nowy;
    czcionka.kroj = RekordCzcionki::nazwa(nowy);
    czcionka.rozmiar = RekordCzcionki::wielkosc(nowy);
    return {};
}
