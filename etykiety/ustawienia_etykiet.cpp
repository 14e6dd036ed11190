#include "ustawienia_etykiet.h"

#include "sciezki.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// A settings file larger than this is not one.
constexpr qint64 MaksRozmiar = 1 << 20;

const char *const PolaArkusza[] = {"szerokosc", "wysokosc", "kolumny",     "wiersze",
                                   "lewy",      "gorny",    "krokPoziomy", "krokPionowy"};

QJsonObject doJson(const Arkusz &a)
{
    const double liczby[] = {a.szerokosc, a.wysokosc, double(a.kolumny), double(a.wiersze),
                             a.lewy,      a.gorny,    a.krokPoziomy,     a.krokPionowy};
    QJsonObject o{{QStringLiteral("nazwa"), a.nazwa}};
    for (std::size_t i = 0; i < std::size(PolaArkusza); ++i)
        o.insert(QLatin1String(PolaArkusza[i]), liczby[i]);
    return o;
}

std::optional<QString> zJson(const QJsonValue &v, Arkusz &a)
{
    const QJsonObject o = v.toObject();
    a.nazwa = o.value(QStringLiteral("nazwa")).toString().simplified();
    a.zrodlo = Arkusz::Zrodlo::Wlasny;
    double liczby[std::size(PolaArkusza)];
    for (std::size_t i = 0; i < std::size(PolaArkusza); ++i) {
        const QJsonValue p = o.value(QLatin1String(PolaArkusza[i]));
        if (!p.isDouble())
            return QStringLiteral("brak liczby „%1”").arg(QLatin1String(PolaArkusza[i]));
        liczby[i] = p.toDouble();
    }
    for (double k : {liczby[2], liczby[3]})
        if (k != std::floor(k) || std::abs(k) > 1000)
            return QStringLiteral("liczba etykiet nie jest całkowita");
    a.szerokosc = liczby[0];
    a.wysokosc = liczby[1];
    a.kolumny = int(liczby[2]);
    a.wiersze = int(liczby[3]);
    a.lewy = liczby[4];
    a.gorny = liczby[5];
    a.krokPoziomy = liczby[6];
    a.krokPionowy = liczby[7];
    return std::nullopt;
}

void dopisz(QStringList *uwagi, const QString &tekst)
{
    if (uwagi)
        uwagi->append(tekst);
}

} // namespace

namespace PlikEtykiet {

QString sciezka(const QString &katalogDanych)
{
    return sciezkaDanych(katalogDanych, QStringLiteral("\\ADMINI\\etykiety.json"));
}

UstawieniaEtykiet czytaj(const QString &plik, QStringList *uwagi)
{
    QFile f(plik);
    if (!f.exists())
        return {};
    QStringList wlasne;
    UstawieniaEtykiet u;
    if (!f.open(QIODevice::ReadOnly))
        wlasne.append(QStringLiteral("nie można go odczytać (%1)").arg(f.errorString()));
    else if (f.size() > MaksRozmiar)
        wlasne.append(QStringLiteral("jest za duży"));
    else
        u = zBajtow(f.readAll(), &wlasne);
    for (const QString &t : wlasne)
        dopisz(uwagi, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), t));
    return u;
}

UstawieniaEtykiet zBajtow(const QByteArray &dane, QStringList *uwagi)
{
    UstawieniaEtykiet u;
    QJsonParseError blad;
    const QJsonDocument dok = QJsonDocument::fromJson(dane, &blad);
    if (!dok.isObject()) {
        dopisz(uwagi, QStringLiteral("plik jest uszkodzony (bajt %1), ustalenia etykiet pominięto").arg(blad.offset));
        return u;
    }
    const QJsonObject o = dok.object();
    for (const QJsonValue &v : o.value(QStringLiteral("arkusze")).toArray()) {
        Arkusz a;
        std::optional<QString> b = zJson(v, a);
        if (!b)
            b = dodajArkusz(u, a);
        if (b)
            dopisz(uwagi, QStringLiteral("arkusz „%1” pominięto: %2").arg(a.nazwa, *b));
    }
    if (const QJsonValue m = o.value(QStringLiteral("margines")); !m.isUndefined()) {
        if (m.isDouble() && m.toDouble() >= 0 && m.toDouble() <= 50)
            u.margines = m.toDouble();
        else
            dopisz(uwagi, QStringLiteral("margines etykiet pominięto"));
    }
    const QJsonObject kal = o.value(QStringLiteral("kalibracja")).toObject();
    for (auto it = kal.begin(); it != kal.end(); ++it) {
        const QJsonObject p = it.value().toObject();
        const QJsonValue x = p.value(QStringLiteral("x")), y = p.value(QStringLiteral("y"));
        if (!x.isDouble() || !y.isDouble() || ustawKalibracje(u, it.key(), {x.toDouble(), y.toDouble()}))
            dopisz(uwagi, QStringLiteral("kalibrację drukarki „%1” pominięto").arg(it.key()));
    }
    u.arkusz = o.value(QStringLiteral("arkusz")).toString().simplified();
    // Checked against its sheet where it is used.
    if (const QJsonValue od = o.value(QStringLiteral("od"));
        od.isDouble() && od.toDouble() >= 1 && od.toDouble() <= 10000)
        u.od = int(od.toDouble());
    return u;
}

QByteArray doBajtow(const UstawieniaEtykiet &u)
{
    QJsonArray arkusze;
    for (const Arkusz &a : u.wlasne)
        arkusze.append(doJson(a));
    QJsonObject kal;
    for (auto it = u.kalibracja.begin(); it != u.kalibracja.end(); ++it)
        kal.insert(it.key(), QJsonObject{{QStringLiteral("x"), it->x()}, {QStringLiteral("y"), it->y()}});
    QJsonObject o{{QStringLiteral("arkusze"), arkusze},
                  {QStringLiteral("margines"), u.margines},
                  {QStringLiteral("kalibracja"), kal}};
    if (!u.arkusz.isEmpty()) {
        o.insert(QStringLiteral("arkusz"), u.arkusz);
        o.insert(QStringLiteral("od"), u.od);
    }
    return QJsonDocument(o).toJson();
}

BladIO zapisz(const QString &plik, const UstawieniaEtykiet &u)
{
    return zapiszRekord(plik, doBajtow(u));
}

std::optional<QString> dodajArkusz(UstawieniaEtykiet &u, Arkusz a)
{
    a.nazwa = a.nazwa.simplified();
    a.zrodlo = Arkusz::Zrodlo::Wlasny;
    if (a.nazwa.isEmpty())
        return QStringLiteral("Arkusz musi mieć nazwę.");
    for (const Arkusz &w : Arkusze::wbudowane())
        if (Arkusze::klucz(w.nazwa) == Arkusze::klucz(a.nazwa))
            return QStringLiteral("Nazwa „%1” należy do arkusza wbudowanego.").arg(w.nazwa);
    if (const auto b = Arkusze::sprawdz(a))
        return b;
    usunArkusz(u, a.nazwa);
    u.wlasne.append(a);
    return std::nullopt;
}

bool usunArkusz(UstawieniaEtykiet &u, QStringView nazwa)
{
    const QString k = Arkusze::klucz(nazwa);
    return u.wlasne.removeIf([&](const Arkusz &a) { return Arkusze::klucz(a.nazwa) == k; }) > 0;
}

std::optional<QString> ustawKalibracje(UstawieniaEtykiet &u, const QString &drukarka, QPointF mm)
{
    for (double v : {mm.x(), mm.y()})
        if (!std::isfinite(v) || std::abs(v) > MaksPrzesuniecie + 1e-9)
            return QStringLiteral("Przesunięcie wydruku może wynosić od −10 do +10 mm.");
    const QPointF zaokraglone(std::round(mm.x() * 10) / 10, std::round(mm.y() * 10) / 10);
    if (zaokraglone.isNull())
        u.kalibracja.remove(drukarka);
    else
        u.kalibracja.insert(drukarka, zaokraglone);
    return std::nullopt;
}

QPointF kalibracja(const UstawieniaEtykiet &u, const QString &drukarka)
{
    return u.kalibracja.value(drukarka);
}

} // namespace PlikEtykiet
