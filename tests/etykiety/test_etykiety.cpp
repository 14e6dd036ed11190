// Labels printed to PDF and measured with pdftotext -bbox: each label's lines inside its
// own rectangle, in order, on the page expected (sheets of the table, a start label,
// copies, a printer's offset, through a printer too); lines shrunk together to fit, and
// those that cannot fit reported and cut at their label's edge; the test page; the
// checks of a user's sheet; the label template reader; the settings file.
#include "../wspolne/pdf.h"
#include "druk_etykiet.h"
#include "ustawienia_etykiet.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

constexpr double Pt = 72 / 25.4; // points per millimetre

// The words whose centre lies in `mm` (a rectangle on the page), top to bottom.
QList<Slowo> wRamce(const StronaPdf &s, const QRectF &mm)
{
    const QRectF r(mm.topLeft() * Pt, mm.size() * Pt);
    QList<Slowo> w;
    for (const Slowo &x : s.slowa)
        if (r.contains((x.xMin + x.xMax) / 2, (x.yMin + x.yMax) / 2))
            w.append(x);
    std::stable_sort(w.begin(), w.end(), [](const Slowo &a, const Slowo &b) { return a.yMin < b.yMin; });
    return w;
}

QStringList teksty(const QList<Slowo> &slowa)
{
    QStringList t;
    for (const Slowo &s : slowa)
        t.append(s.tekst);
    return t;
}

ZadanieEtykiet zadanie(const QString &arkusz, const QList<QStringList> &etykiety, qint32 rozmiar = 10)
{
    ZadanieEtykiet z;
    z.arkusz = *Arkusze::znajdz(arkusz, {});
    z.czcionka = {QStringLiteral("DejaVu Sans"), rozmiar};
    for (const QStringList &e : etykiety)
        z.etykiety.append({e, QStringLiteral("Klient %1").arg(z.etykiety.size() + 1)});
    return z;
}

} // namespace

Q_DECLARE_METATYPE(Arkusz)

class TestEtykiety : public QObject
{
    Q_OBJECT
private slots:
    void polozenia_data();
    void polozenia();
    void dopasowanie_data();
    void dopasowanie();
    void proba();
    void arkusze_data();
    void arkusze();
    void szablony();
    void plik_data();
    void plik();

private:
    QTemporaryDir m_katalog;
};

void TestEtykiety::polozenia_data()
{
    QTest::addColumn<QString>("arkusz");
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<int>("klientow");
    QTest::addColumn<QPointF>("przesuniecie");
    QTest::addColumn<bool>("drukarka");
    QTest::addColumn<int>("strony");
    QTest::newRow("70x37, 30 clients") << "70x37" << 1 << 1 << 30 << QPointF() << false << 2;
    QTest::newRow("38.1x21.2 from label 60, 3 copies") << "38.1x21.2" << 60 << 3 << 4 << QPointF() << false << 2;
    QTest::newRow("63.5x38.1 from label 5, 2 copies, offset, printer")
        << "63.5x38.1" << 5 << 2 << 10 << QPointF(1.5, -2) << true << 2;
    QTest::newRow("105x42,3 from the last label") << "105x42,3" << 14 << 1 << 3 << QPointF() << false << 2;
}

void TestEtykiety::polozenia()
{
    QFETCH(QString, arkusz);
    QFETCH(int, od);
    QFETCH(int, kopie);
    QFETCH(int, klientow);
    QFETCH(QPointF, przesuniecie);
    QFETCH(bool, drukarka);
    QFETCH(int, strony);
    QList<QStringList> etykiety;
    for (int i = 1; i <= klientow; ++i)
        etykiety.append({QStringLiteral("Żółć%1").arg(i), QStringLiteral("Ulica%1").arg(i)});
    etykiety.last().append(QStringLiteral("Łódź"));
    ZadanieEtykiet z = zadanie(arkusz, etykiety);
    z.od = od;
    z.kopie = kopie;
    z.przesuniecie = przesuniecie;
    QCOMPARE(DrukEtykiet::liczbaStron(z), strony);

    const QString pdf = m_katalog.filePath(QStringLiteral("polozenia.pdf"));
    if (drukarka) {
        // A printer's own margins do not move the labels.
        QPrinter d(QPrinter::HighResolution);
        doPdf(d, pdf);
        d.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QVERIFY(!DrukEtykiet::drukuj(d, z).blad);
    } else {
        QVERIFY(!DrukEtykiet::doPdf(pdf, z));
    }
    const QList<StronaPdf> s = czytajStrony(pdf);
    QCOMPARE(s.size(), strony);
    const int naArkuszu = z.arkusz.naArkuszu();
    QList<qsizetype> slowa(strony, 0);
    for (int n = 0; n < klientow * kopie; ++n) {
        const int pozycja = od - 1 + n;
        const QRectF e = z.arkusz.etykieta(pozycja % naArkuszu).translated(przesuniecie);
        const QList<Slowo> w = wRamce(s[pozycja / naArkuszu], e);
        QCOMPARE(teksty(w), z.etykiety[n / kopie].wiersze);
        // Left-aligned at the margin, the block centred down the label.
        QVERIFY2(qAbs(w.first().xMin - (e.left() + 3) * Pt) < 0.5, qPrintable(w.first().tekst));
        QVERIFY2(qAbs((w.first().yMin + w.last().yMax) / 2 - e.center().y() * Pt) < 1, qPrintable(w.first().tekst));
        slowa[pozycja / naArkuszu] += w.size();
    }
    for (int i = 0; i < strony; ++i)
        QCOMPARE(s[i].slowa.size(), slowa[i]); // no word outside its label
}

void TestEtykiety::dopasowanie_data()
{
    QTest::addColumn<QString>("arkusz");
    QTest::addColumn<QStringList>("wiersze");
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<int>("problem"); // the line reported (0: the height), -1 none
    QTest::addColumn<bool>("zmniejszone");
    const QString dlugi = QStringLiteral("Przedsiębiorstwo Wielobranżowe Import-Eksport Hurt-Detal Spółka Jawna");
    QTest::newRow("fits at its size") << "70x37" << QStringList{"Kowalski", "Łódź"} << 10 << -1 << false;
    QTest::newRow("a long line shrinks the block")
        << "70x37" << QStringList{"Przedsiębiorstwo Handlowo-Usługowe", "Łódź"} << 14 << -1 << true;
    QTest::newRow("too wide even at 6 pt") << "38.1x21.2" << QStringList{"Krótki", dlugi} << 10 << 2 << true;
    QTest::newRow("too tall even at 6 pt")
        << "38.1x21.2" << QStringList{"W1", "W2", "W3", "W4", "W5", "W6", "W7", "W8", "W9"} << 10 << 0 << true;
}

void TestEtykiety::dopasowanie()
{
    QFETCH(QString, arkusz);
    QFETCH(QStringList, wiersze);
    QFETCH(int, rozmiar);
    QFETCH(int, problem);
    QFETCH(bool, zmniejszone);
    const ZadanieEtykiet z = zadanie(arkusz, {wiersze}, rozmiar);
    const QList<DrukEtykiet::Problem> p = DrukEtykiet::problemy(z);
    QCOMPARE(p.isEmpty(), problem < 0);
    if (problem >= 0) {
        QCOMPARE(p.size(), 1);
        QCOMPARE(p[0].wiersz, problem);
        QVERIFY2(p[0].opis.startsWith(QStringLiteral("Klient 1: ")), qPrintable(p[0].opis));
        QVERIFY2(problem == 0 || p[0].opis.contains(wiersze[problem - 1]), qPrintable(p[0].opis));
    }

    const QString pdf = m_katalog.filePath(QStringLiteral("dopasowanie.pdf"));
    QVERIFY(!DrukEtykiet::doPdf(pdf, z));
    const StronaPdf s = czytajStrone(pdf);
    QVERIFY(!s.slowa.isEmpty());
    // A word box is about 1.06 times the font size high.
    QCOMPARE(s.slowa[0].yMax - s.slowa[0].yMin < rozmiar, zmniejszone);
    const QRectF etykieta = z.arkusz.etykieta(0);
    if (problem < 0) {
        for (const Slowo &w : s.slowa)
            QVERIFY2(w.xMax <= (etykieta.right() - 3) * Pt + 0.5, qPrintable(w.tekst));
        return;
    }
    // What does not fit is cut at the label's edge: no ink right of it or below it.
    const double dpmm = 600 / 25.4;
    const QImage obraz = renderuj(pdf, 2000, 1300);
    QVERIFY(!obraz.isNull());
    QPoint tusz(-1, -1);
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if ((x > etykieta.right() * dpmm + 4 || y > etykieta.bottom() * dpmm + 4) && qGray(obraz.pixel(x, y)) < 200)
                tusz = {x, y};
    QCOMPARE(tusz, QPoint(-1, -1));
}

void TestEtykiety::proba()
{
    // Each label's number 1 mm inside its outline, the outline moved by the offset.
    const Arkusz a = *Arkusze::znajdz(u"105x74", {});
    QCOMPARE(a.etykietaW({106, 80}), 3);
    QCOMPARE(a.etykietaW({100, 296.8}), -1);
    const QString pdf = m_katalog.filePath(QStringLiteral("proba.pdf"));
    QPdfWriter d(pdf);
    d.setResolution(600);
    QVERIFY(!DrukEtykiet::rysujProbe(d, a, {2, -1}));
    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.slowa.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const Slowo *w = s.znajdz(QString::number(i + 1));
        QVERIFY(w);
        QVERIFY(qAbs(w->xMin - (a.etykieta(i).left() + 3) * Pt) < 0.5);
        QVERIFY(qAbs(w->yMin - (a.etykieta(i).top() + 0) * Pt) < 1);
    }
}

void TestEtykiety::arkusze_data()
{
    QTest::addColumn<Arkusz>("arkusz");
    QTest::addColumn<QString>("blad");
    QTest::newRow("fits") << Arkusz{"Moje 50×30", 50, 30, 4, 9, 2, 5, 51, 31} << "";
    QTest::newRow("overlap across") << Arkusz{"a", 70, 37, 3, 8, 0, 0.5, 69.5, 37}
                                    << "nachodzą na siebie: odstęp kolumn";
    QTest::newRow("overlap down") << Arkusz{"a", 70, 37, 3, 7, 0, 0.5, 70, 36} << "nachodzą na siebie: odstęp rzędów";
    QTest::newRow("beyond the right edge") << Arkusz{"a", 75, 37, 3, 8, 0, 0, 75, 37} << "poza arkusz A4";
    QTest::newRow("above the top") << Arkusz{"a", 70, 37, 3, 8, 0, -1, 70, 37} << "poza arkusz A4";
    QTest::newRow("no columns") << Arkusz{"a", 70, 37, 0, 8, 0, 0, 70, 37} << "od 1 do 100";
    QTest::newRow("not a number") << Arkusz{"a", NAN, 37, 3, 8, 0, 0, 70, 37} << "liczbami";
    QTest::newRow("a built-in's name") << Arkusz{"70 X 37", 50, 30, 1, 1, 0, 0, 0, 0} << "wbudowanego";
    QTest::newRow("no name") << Arkusz{" ", 50, 30, 1, 1, 0, 0, 0, 0} << "nazwę";
}

void TestEtykiety::arkusze()
{
    QFETCH(Arkusz, arkusz);
    QFETCH(QString, blad);
    UstawieniaEtykiet u;
    const std::optional<QString> b = PlikEtykiet::dodajArkusz(u, arkusz);
    QCOMPARE(b.value_or(QString()).contains(blad), true);
    QCOMPARE(b.has_value(), !blad.isEmpty());
    // A sheet is found by its name whatever its spacing, letter case or decimal comma.
    const std::optional<Arkusz> znaleziony = Arkusze::znajdz(u"moje 50x30", u.wlasne);
    QCOMPARE(znaleziony.has_value(), blad.isEmpty());
    QCOMPARE(Arkusze::znajdz(u"70X42,3", u.wlasne)->wysokosc, 42.3);
}

void TestEtykiety::szablony()
{
    QByteArray xml(R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Firma" part="MM" size="A4"><Meta category="label"/>
    <Label-rectangle id="0" width="70mm" height="37mm" round="0"><Markup-margin size="0"/>
      <Layout nx="3" ny="8" x0="0mm" y0="0.5mm" dx="70mm" dy="37mm"/></Label-rectangle></Template>
  <Template brand="Firma" part="PT" size="A4">
    <Label-rectangle id="0" width="198.4252" height="102.0472"><Layout nx="3" ny="8" x0="0" y0="12.5" dx="198.4252" dy="102.0472"/></Label-rectangle></Template>
  <Template brand="Firma" part="IN" size="A4">
    <Label-rectangle id="0" width="4in" height="2in"><Layout nx="1" ny="1" x0="1in" y0="0.5in"/></Label-rectangle></Template>
  <Template brand="Firma" part="RND" size="A4"><Label-round id="0" radius="20mm"><Layout nx="2" ny="2" x0="0" y0="0" dx="50mm" dy="50mm"/></Label-round></Template>
  <Template brand="Firma" part="US" size="US-Letter"><Label-rectangle id="0" width="2in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0"/></Label-rectangle></Template>
  <Template brand="Firma" part="DWA" size="A4"><Label-rectangle id="0" width="50mm" height="50mm"><Layout nx="1" ny="1" x0="0" y0="0"/><Layout nx="1" ny="1" x0="100mm" y0="0"/></Label-rectangle></Template>
  <Template brand="Firma" part="ZA" size="A4"><Label-rectangle id="0" width="80mm" height="37mm"><Layout nx="3" ny="1" x0="0" y0="0" dx="80mm" dy="0"/></Label-rectangle></Template>
  <Template brand="Firma" part="KOPIA" equiv="MM"/>
  <Template brand="Firma" part="BRAK" equiv="NIC"/>
  <Template brand="Firma" part="PO" size="A4"><Label-rectangle)");
    QBuffer plik(&xml);
    plik.open(QIODevice::ReadOnly);
    QString blad;
    const QList<Arkusz> a = Arkusze::czytajSzablony(plik, &blad);
    QVERIFY(!blad.isEmpty());
    QStringList opisy;
    for (const Arkusz &x : a)
        opisy.append(x.nazwa + QStringLiteral(": ") + x.opis());
    QCOMPARE(opisy, QStringList({
                        "Firma IN: 101,6 × 50,8 mm, 1 × 1, od lewej 25,4, od góry 12,7, co 0 × 0 mm",
                        "Firma KOPIA: 70 × 37 mm, 3 × 8, od lewej 0, od góry 0,5, co 70 × 37 mm",
                        "Firma MM: 70 × 37 mm, 3 × 8, od lewej 0, od góry 0,5, co 70 × 37 mm",
                        "Firma PT: 70 × 36 mm, 3 × 8, od lewej 0, od góry 4,40972, co 70 × 36 mm",
                    }));
}

void TestEtykiety::plik_data()
{
    QTest::addColumn<QByteArray>("dane");
    QTest::addColumn<int>("arkuszy");
    QTest::addColumn<QString>("uwaga");
    const QByteArray arkusz = R"({"nazwa": "Moje", "szerokosc": 50, "wysokosc": 30, "kolumny": 4, "wiersze": 9,
                                  "lewy": 2, "gorny": 5, "krokPoziomy": 51, "krokPionowy": 31})";
    QTest::newRow("whole") << R"({"arkusze": [)" + arkusz + "]}" << 1 << "";
    QTest::newRow("garbage") << QByteArray("\x00\xff{\"arkusze\"", 11) << 0 << "uszkodzony";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << 0 << "uszkodzony";
    QTest::newRow("a sheet that overlaps, one that fits")
        << R"({"arkusze": [{"nazwa": "Zła", "szerokosc": 50, "wysokosc": 30, "kolumny": 4, "wiersze": 9, "lewy": 0,
              "gorny": 0, "krokPoziomy": 40, "krokPionowy": 31}, )"
               + arkusz + "]}"
        << 1 << "arkusz „Zła” pominięto: Etykiety nachodzą";
    QTest::newRow("a count that is not whole") << QByteArray(
        R"({"arkusze": [{"nazwa": "Pół", "szerokosc": 50, "wysokosc": 30, "kolumny": 1.5, "wiersze": 9, "lewy": 0,
              "gorny": 0, "krokPoziomy": 50, "krokPionowy": 31}]})")
                                               << 0 << "całkowita";
    QTest::newRow("an offset out of range")
        << QByteArray(R"({"kalibracja": {"PDF": {"x": 10.5, "y": 0}}})") << 0 << "kalibrację drukarki „PDF” pominięto";
}

void TestEtykiety::plik()
{
    QFETCH(QByteArray, dane);
    QFETCH(int, arkuszy);
    QFETCH(QString, uwaga);
    const QString sciezka = m_katalog.filePath(QStringLiteral("etykiety.json"));
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dane) == dane.size());
    f.close();
    QStringList uwagi;
    UstawieniaEtykiet u = PlikEtykiet::czytaj(sciezka, &uwagi);
    QCOMPARE(u.wlasne.size(), arkuszy);
    QCOMPARE(uwagi.size(), uwaga.isEmpty() ? 0 : 1);
    QVERIFY2(uwagi.join(u'\n').contains(uwaga), qPrintable(uwagi.join(u'\n')));

    // Written and read again, the settings come back as they were.
    QVERIFY(!PlikEtykiet::ustawKalibracje(u, QStringLiteral("Biuro/HP"), {0.44, -9.96}));
    u.margines = 2.5;
    u.arkusz = QStringLiteral("105x48");
    u.od = 7;
    QVERIFY(PlikEtykiet::zapisz(sciezka, u).ok());
    const UstawieniaEtykiet z = PlikEtykiet::czytaj(sciezka, &uwagi);
    QCOMPARE(z.wlasne.size(), arkuszy);
    QCOMPARE(z.margines, 2.5);
    QCOMPARE(PlikEtykiet::kalibracja(z, QStringLiteral("Biuro/HP")), QPointF(0.4, -10));
    QCOMPARE(std::pair(z.arkusz, z.od), std::pair(QStringLiteral("105x48"), 7));
}

QTEST_MAIN(TestEtykiety)
#include "test_etykiety.moc"
