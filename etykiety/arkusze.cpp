#include "arkusze.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

Arkusz wbudowany(const char *nazwa, double w, double h, int kol, int wier, double lewy, double gorny, double dx,
                 double dy)
{
    return {QString::fromLatin1(nazwa), w, h, kol, wier, lewy, gorny, dx, dy, Arkusz::Zrodlo::Wbudowany, {}};
}

// Out-of-page allowance, and how much two labels may share before they overlap.
constexpr double ZapasStrony = 0.5;
constexpr double ZapasNakladania = 0.01;

// A length of the label database in millimetres: a plain number is points.
std::optional<double> dlugosc(QStringView tekst)
{
    static const struct
    {
        const char *jednostka;
        double mm;
    } Jednostki[] = {{"pt", 25.4 / 72}, {"mm", 1}, {"cm", 10}, {"in", 25.4}, {"pc", 25.4 / 6}};
    tekst = tekst.trimmed();
    double mnoznik = 25.4 / 72;
    for (const auto &j : Jednostki)
        if (tekst.endsWith(QLatin1String(j.jednostka))) {
            tekst.chop(2);
            mnoznik = j.mm;
            break;
        }
    bool ok = false;
    const double v = tekst.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v * mnoznik;
}

// What one file of the database holds: full templates, and the names of templates that
// take another one's geometry (its maker's name and the other part number).
struct Odczyt
{
    QList<Arkusz> arkusze;
    QList<std::pair<QString, QString>> rownowazne;
};

void czytajSzablon(QXmlStreamReader &xml, Odczyt &wynik)
{
    const QXmlStreamAttributes a = xml.attributes();
    const QString marka = a.value(QLatin1String("brand")).toString().simplified();
    const QString nazwa = (marka + u' ' + a.value(QLatin1String("part")).toString()).simplified();
    // A template is named by its maker and part number; one without a part has no name.
    if (a.value(QLatin1String("part")).trimmed().isEmpty()) {
        xml.skipCurrentElement();
        return;
    }
    if (a.hasAttribute(QLatin1String("equiv"))) {
        wynik.rownowazne.append({nazwa, (marka + u' ' + a.value(QLatin1String("equiv")).toString()).simplified()});
        xml.skipCurrentElement();
        return;
    }
    const bool a4 = a.value(QLatin1String("size")) == u"A4";
    int etykiety = 0, uklady = 0;
    bool prostokat = false;
    std::optional<double> w, h, x0, y0, dx, dy;
    int nx = 0, ny = 0;
    while (xml.readNextStartElement()) {
        if (!xml.name().startsWith(u"Label-")) {
            xml.skipCurrentElement();
            continue;
        }
        ++etykiety;
        prostokat = xml.name() == u"Label-rectangle";
        w = dlugosc(xml.attributes().value(QLatin1String("width")));
        h = dlugosc(xml.attributes().value(QLatin1String("height")));
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Layout") {
                ++uklady;
                const QXmlStreamAttributes u = xml.attributes();
                nx = u.value(QLatin1String("nx")).toInt();
                ny = u.value(QLatin1String("ny")).toInt();
                x0 = dlugosc(u.value(QLatin1String("x0")));
                y0 = dlugosc(u.value(QLatin1String("y0")));
                // One row or column may leave its pitch out.
                dx = u.hasAttribute(QLatin1String("dx")) ? dlugosc(u.value(QLatin1String("dx"))) : 0.0;
                dy = u.hasAttribute(QLatin1String("dy")) ? dlugosc(u.value(QLatin1String("dy"))) : 0.0;
            }
            xml.skipCurrentElement();
        }
    }
    if (!a4 || etykiety != 1 || !prostokat || uklady != 1 || !w || !h || !x0 || !y0 || !dx || !dy)
        return;
    const Arkusz ark{nazwa, *w, *h, nx, ny, *x0, *y0, *dx, *dy, Arkusz::Zrodlo::Szablon, marka};
    if (!Arkusze::sprawdz(ark))
        wynik.arkusze.append(ark);
}

Odczyt czytajPlik(QIODevice &plik, QString *blad)
{
    Odczyt wynik;
    QXmlStreamReader xml(&plik);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Template")
                czytajSzablon(xml, wynik);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError() && blad)
        *blad = QStringLiteral("wiersz %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return wynik;
}

// Gives the equivalent templates the geometry of the ones they name (chains too), then
// orders everything by name, each name once.
QList<Arkusz> polacz(QList<Arkusz> arkusze, const QList<std::pair<QString, QString>> &rownowazne)
{
    QHash<QString, qsizetype> indeksy;
    for (qsizetype i = 0; i < arkusze.size(); ++i)
        indeksy.insert(Arkusze::klucz(arkusze[i].nazwa), i);
    QList<std::pair<QString, QString>> czekajace = rownowazne;
    for (bool zmiana = true; zmiana;) {
        zmiana = false;
        for (auto it = czekajace.begin(); it != czekajace.end();) {
            const auto wzor = indeksy.constFind(Arkusze::klucz(it->second));
            if (wzor == indeksy.cend()) {
                ++it;
                continue;
            }
            Arkusz a = arkusze[*wzor];
            a.nazwa = it->first;
            indeksy.insert(Arkusze::klucz(a.nazwa), arkusze.size());
            arkusze.append(a);
            it = czekajace.erase(it);
            zmiana = true;
        }
    }
    std::stable_sort(arkusze.begin(), arkusze.end(), [](const Arkusz &a, const Arkusz &b) {
        return QString::compare(a.nazwa, b.nazwa, Qt::CaseInsensitive) < 0;
    });
    arkusze.erase(std::unique(arkusze.begin(), arkusze.end(),
                              [](const Arkusz &a, const Arkusz &b) {
                                  return Arkusze::klucz(a.nazwa) == Arkusze::klucz(b.nazwa);
                              }),
                  arkusze.end());
    return arkusze;
}

} // namespace

QRectF Arkusz::etykieta(int indeks) const
{
    const int k = kolumny > 0 ? indeks % kolumny : 0;
    const int w = kolumny > 0 ? indeks / kolumny : 0;
    return {lewy + k * krokPoziomy, gorny + w * krokPionowy, szerokosc, wysokosc};
}

int Arkusz::etykietaW(QPointF mm) const
{
    for (int i = 0; i < naArkuszu(); ++i)
        if (etykieta(i).contains(mm))
            return i;
    return -1;
}

QString Arkusz::opis() const
{
    using Arkusze::liczba;
    return QStringLiteral("%1 × %2 mm, %3 × %4, od lewej %5, od góry %6, co %7 × %8 mm")
        .arg(liczba(szerokosc), liczba(wysokosc))
        .arg(kolumny)
        .arg(wiersze)
        .arg(liczba(lewy), liczba(gorny), liczba(krokPoziomy), liczba(krokPionowy));
}

namespace Arkusze {

QString liczba(double mm)
{
    return QLocale(QLocale::Polish, QLocale::Poland).toString(mm, 'g', 6);
}

const QList<Arkusz> &wbudowane()
{
    static const QList<Arkusz> lista{
        wbudowany("70x37", 70, 37, 3, 8, 0, 0.5, 70, 37),
        wbudowany("70x36", 70, 36, 3, 8, 0, 4.5, 70, 36),
        wbudowany("70x42.3", 70, 42.3, 3, 7, 0, 0.45, 70, 42.3),
        wbudowany("105x37", 105, 37, 2, 8, 0, 0.5, 105, 37),
        wbudowany("105x42.3", 105, 42.3, 2, 7, 0, 0.45, 105, 42.3),
        wbudowany("105x48", 105, 48, 2, 6, 0, 4.5, 105, 48),
        wbudowany("105x57", 105, 57, 2, 5, 0, 6, 105, 57),
        wbudowany("105x74", 105, 74, 2, 4, 0, 0.5, 105, 74),
        wbudowany("63.5x38.1", 63.5, 38.1, 3, 7, 7.2, 15.15, 66, 38.1),
        wbudowany("99.1x38.1", 99.1, 38.1, 2, 7, 4.65, 15.15, 101.6, 38.1),
        wbudowany("38.1x21.2", 38.1, 21.2, 5, 13, 4.75, 10.7, 40.6, 21.2),
    };
    return lista;
}

std::optional<QString> sprawdz(const Arkusz &a)
{
    for (double v : {a.szerokosc, a.wysokosc, a.lewy, a.gorny, a.krokPoziomy, a.krokPionowy})
        if (!std::isfinite(v))
            return QStringLiteral("Wymiary arkusza muszą być liczbami.");
    if (a.szerokosc < 1 || a.wysokosc < 1)
        return QStringLiteral("Etykieta musi mieć co najmniej 1 mm szerokości i wysokości.");
    if (a.kolumny < 1 || a.kolumny > 100 || a.wiersze < 1 || a.wiersze > 100)
        return QStringLiteral("Etykiet w poziomie i w pionie może być od 1 do 100.");
    if (a.kolumny > 1 && a.krokPoziomy < a.szerokosc - ZapasNakladania)
        return QStringLiteral("Etykiety nachodzą na siebie: odstęp kolumn (%1 mm) jest mniejszy niż szerokość "
                              "etykiety (%2 mm).")
            .arg(liczba(a.krokPoziomy), liczba(a.szerokosc));
    if (a.wiersze > 1 && a.krokPionowy < a.wysokosc - ZapasNakladania)
        return QStringLiteral("Etykiety nachodzą na siebie: odstęp rzędów (%1 mm) jest mniejszy niż wysokość "
                              "etykiety (%2 mm).")
            .arg(liczba(a.krokPionowy), liczba(a.wysokosc));
    const QRectF ostatnia = a.etykieta(a.naArkuszu() - 1);
    if (a.lewy < -ZapasStrony || a.gorny < -ZapasStrony || ostatnia.right() > SzerokoscA4 + ZapasStrony
        || ostatnia.bottom() > WysokoscA4 + ZapasStrony)
        return QStringLiteral("Etykiety wychodzą poza arkusz A4 (210 × 297 mm): zajmują od %1 do %2 mm w poziomie "
                              "i od %3 do %4 mm w pionie.")
            .arg(liczba(a.lewy), liczba(ostatnia.right()), liczba(a.gorny), liczba(ostatnia.bottom()));
    return std::nullopt;
}

std::optional<QString> sprawdzMargines(double mm, const Arkusz &a)
{
    const double polowa = std::min(a.szerokosc, a.wysokosc) / 2;
    if (!std::isfinite(mm) || mm < 0 || mm >= polowa)
        return QStringLiteral("Margines etykiety musi wynosić od 0 do mniej niż %1 mm (połowy jej boku).")
            .arg(liczba(polowa));
    return std::nullopt;
}

QString klucz(QStringView nazwa)
{
    QString k;
    k.reserve(nazwa.size());
    for (QChar c : nazwa) {
        if (c.isSpace())
            continue;
        k += c == u',' ? QChar(u'.') : c == u'×' ? QChar(u'x') : c;
    }
    return k.toCaseFolded();
}

QList<Arkusz> czytajSzablony(QIODevice &plik, QString *blad)
{
    const Odczyt o = czytajPlik(plik, blad);
    return polacz(o.arkusze, o.rownowazne);
}

QString katalogSzablonow()
{
    return QStringLiteral("/usr/share/libglabels-3.0/templates");
}

QList<Arkusz> szablonySystemu(const QString &katalog)
{
    QList<Arkusz> arkusze;
    QList<std::pair<QString, QString>> rownowazne;
    const QStringList pliki = QDir(katalog).entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name);
    for (const QString &nazwa : pliki) {
        QFile f(QDir(katalog).filePath(nazwa));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        Odczyt o = czytajPlik(f, nullptr);
        arkusze += std::move(o.arkusze);
        rownowazne += std::move(o.rownowazne);
    }
    return polacz(std::move(arkusze), rownowazne);
}

std::optional<Arkusz> znajdz(QStringView nazwa, const QList<Arkusz> &wlasne, const QString &katalog)
{
    const QString k = klucz(nazwa);
    if (k.isEmpty())
        return std::nullopt;
    for (const QList<Arkusz> *lista : {&wbudowane(), &wlasne})
        for (const Arkusz &a : *lista)
            if (klucz(a.nazwa) == k)
                return a;
    for (const Arkusz &a : szablonySystemu(katalog))
        if (klucz(a.nazwa) == k)
            return a;
    return std::nullopt;
}

} // namespace Arkusze
