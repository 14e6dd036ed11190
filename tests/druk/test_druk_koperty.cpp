// Printing an envelope to a PDF file at 600 dpi, checked with poppler's tools: every
// line lands where the layout puts it, in portrait and landscape, with and without the
// logo; the font, the opaque text cells, failures and the "Drukuj kopertę" sequence.

#include "dialogi.h"
#include "druk_koperty.h"
#include "../wspolne/pdf.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A red picture, so that it can be told from the white page and the black text.
QImage czerwonyObrazek(int w, int h)
{
    QImage obraz(w, h, QImage::Format_RGB32);
    obraz.fill(Qt::red);
    return obraz;
}

DaneKoperty przyklad()
{
    DaneKoperty d;
    d.nadawca = {QStringLiteral("Nadawca1"), QStringLiteral("Nadawca2"), QStringLiteral("Nadawca3"),
                 QStringLiteral("Zażółć")};
    d.odbiorca = {QStringLiteral("Pan"), QStringLiteral("Gęślą"), QStringLiteral("Jaźń"),
                  QStringLiteral("ŁÓDŹ"), QStringLiteral("Odbiorca5")};
    d.polozenia.od = QStringLiteral("5");
    d.polozenia.l_n = QStringLiteral("10");
    d.polozenia.g_n = QStringLiteral("10");
    d.polozenia.lOdbiorcy = QStringLiteral("100");
    d.polozenia.gOdbiorcy = QStringLiteral("50");
    d.polozenia.l_log = QStringLiteral("1");
    d.polozenia.g_log = QStringLiteral("3");
    d.krojCzcionki = QStringLiteral("DejaVu Sans");
    d.rozmiarCzcionki = 10;
    return d;
}

// Every line of przyklad() has its top-left corner where the layout puts it, at 24 dots
// per millimetre: sender 10/10, spacing 5, recipient 100/50.
void sprawdzPolozenia(const StronaPdf &s)
{
    const QList<std::pair<QString, QPoint>> oczekiwane = {
        {QStringLiteral("Nadawca1"), {240, 264}}, {QStringLiteral("Nadawca2"), {240, 384}},
        {QStringLiteral("Nadawca3"), {240, 504}}, {QStringLiteral("Zażółć"), {240, 624}},
        {QStringLiteral("Pan"), {2400, 1200}},    {QStringLiteral("Gęślą"), {2520, 1560}},
        {QStringLiteral("Jaźń"), {2520, 1680}},   {QStringLiteral("ŁÓDŹ"), {2520, 1800}},
        {QStringLiteral("Odbiorca5"), {2520, 1920}},
    };
    QCOMPARE(s.slowa.size(), oczekiwane.size());
    for (const auto &[tekst, punkt] : oczekiwane) {
        const Slowo *w = s.znajdz(tekst);
        QVERIFY2(w, qPrintable(tekst));
        QVERIFY2(qAbs(w->xMin - pt(punkt.x())) < 0.5, qPrintable(tekst));
        QVERIFY2(qAbs(w->yMin - pt(punkt.y())) < 1.0, qPrintable(tekst));
    }
}

} // namespace

class TestDrukKoperty : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wiersze_data();
    void wiersze();
    void rozmiarCzcionki();
    void krojIStyl_data();
    void krojIStyl();
    void domyslnaCzcionka();
    void nieprzezroczystaKomorka();
    void bladPlikuWyjsciowego();
    void ogromneLiczby();
    void podgladNaObrazku();
    void drukarkaProgramu();
    void drukujKoperte_anulowane();
    void drukujKoperte_czcionkaNieudana();
    void drukujKoperte_bladPokazany();
    void drukujKoperte_udany();

private:
    QTemporaryDir m_katalog;
    SkryptDialogi m_skrypt;
    QString plik(const QString &nazwa) const { return m_katalog.filePath(nazwa); }
};

void TestDrukKoperty::initTestCase()
{
    QVERIFY(m_katalog.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils (pdftotext) is not installed");
    ustawDialogi(&m_skrypt);
}

void TestDrukKoperty::wiersze_data()
{
    QTest::addColumn<bool>("poziomo");
    QTest::addColumn<bool>("logo");
    QTest::addColumn<bool>("obrazek");
    QTest::newRow("portrait") << false << false << true;
    QTest::newRow("portrait with logo") << false << true << true;
    QTest::newRow("landscape") << true << false << true;
    QTest::newRow("landscape with logo") << true << true << true;
    QTest::newRow("logo ticked, no picture") << false << true << false;
}

void TestDrukKoperty::wiersze()
{
    QFETCH(bool, poziomo);
    QFETCH(bool, logo);
    QFETCH(bool, obrazek);

    DaneKoperty d = przyklad();
    d.poziomo = poziomo;
    d.drukujLogo = logo;
    if (obrazek)
        d.logo = czerwonyObrazek(100, 40);

    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = plik(QStringLiteral("wiersze.pdf"));
    doPdf(drukarka, pdf);
    QCOMPARE(drukujKoperte(drukarka, d), std::nullopt);
    QCOMPARE(drukarka.pageLayout().orientation(), QPageLayout::Portrait);

    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.szerokosc > s.wysokosc, poziomo);

    sprawdzPolozenia(s);
    if (QTest::currentTestFailed())
        return;

    const int liczbaObrazow = liczbaObrazowPdf(pdf);
    QCOMPARE(liczbaObrazow, logo && obrazek ? 1 : 0);
    if (!liczbaObrazow)
        return;

    // The picture fills dots 2..251 across and 8..106 down: render that corner and look.
    const QImage rog = renderuj(pdf, 300, 150);
    QVERIFY(!rog.isNull());
    const auto czerwonyPiksel = [&](int x, int y) { return czerwony(rog.pixelColor(x, y)); };
    const auto bialy = [&](int x, int y) { return rog.pixelColor(x, y).lightness() > 240; };
    QVERIFY(czerwonyPiksel(2, 50) && czerwonyPiksel(251, 50) && czerwonyPiksel(100, 8) && czerwonyPiksel(100, 106));
    QVERIFY(bialy(1, 50) && bialy(252, 50) && bialy(100, 7) && bialy(100, 107));
}

void TestDrukKoperty::rozmiarCzcionki()
{
    // 10 pt and 20 pt at 600 dpi: heights 83 and 167 dots; the word boxes follow.
    QList<double> wysokosci;
    for (int rozmiar : {10, 20}) {
        DaneKoperty d = przyklad();
        d.rozmiarCzcionki = rozmiar;
        QPrinter drukarka(QPrinter::HighResolution);
        const QString pdf = plik(QStringLiteral("rozmiar.pdf"));
        doPdf(drukarka, pdf);
        QCOMPARE(drukujKoperte(drukarka, d), std::nullopt);
        const StronaPdf s = czytajStrone(pdf);
        const Slowo *w = s.znajdz(QStringLiteral("Nadawca1"));
        QVERIFY(w);
        wysokosci.append(w->yMax - w->yMin);
    }
    QVERIFY2(qAbs(wysokosci[1] / wysokosci[0] - 167.0 / 83.0) < 0.05, qPrintable(QString::number(wysokosci[1] / wysokosci[0])));
}

void TestDrukKoperty::krojIStyl_data()
{
    QTest::addColumn<QString>("kroj");
    QTest::addColumn<int>("styl");
    QTest::addColumn<QString>("wPdf");
    QTest::newRow("plain") << QStringLiteral("DejaVu Sans") << 0 << QStringLiteral("DejaVuSans");
    QTest::newRow("bold") << QStringLiteral("DejaVu Sans") << 1 << QStringLiteral("DejaVuSans-Bold");
    QTest::newRow("bold italic") << QStringLiteral("DejaVu Sans") << 3 << QStringLiteral("DejaVuSans-BoldOblique");
    QTest::newRow("other face, italic") << QStringLiteral("DejaVu Serif") << 2 << QStringLiteral("DejaVuSerif-Italic");
}

void TestDrukKoperty::krojIStyl()
{
    QFETCH(QString, kroj);
    QFETCH(int, styl);
    QFETCH(QString, wPdf);
    DaneKoperty d = przyklad();
    d.krojCzcionki = kroj;
    d.stylCzcionki = quint8(styl);
    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = plik(QStringLiteral("styl.pdf"));
    doPdf(drukarka, pdf);
    QCOMPARE(drukujKoperte(drukarka, d), std::nullopt);
    QCOMPARE(czcionkiPdf(pdf), QStringList{wPdf});
}

void TestDrukKoperty::domyslnaCzcionka()
{
    // No print font read yet: no face, size 0. The canvas' own font is used, and the
    // lines still start at their points.
    DaneKoperty d = przyklad();
    d.krojCzcionki.clear();
    d.rozmiarCzcionki = 0;
    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = plik(QStringLiteral("domyslna.pdf"));
    doPdf(drukarka, pdf);
    QCOMPARE(drukujKoperte(drukarka, d), std::nullopt);
    sprawdzPolozenia(czytajStrone(pdf));
}

void TestDrukKoperty::nieprzezroczystaKomorka()
{
    // A line over the logo blanks the logo inside its text cell, between the letters too.
    DaneKoperty d = przyklad();
    d.nadawca = {};
    d.odbiorca = {QStringLiteral("x   x")};
    d.polozenia.lOdbiorcy = QStringLiteral("1");
    d.polozenia.gOdbiorcy = QStringLiteral("1");
    d.polozenia.l_log = QStringLiteral("0");
    d.polozenia.g_log = QStringLiteral("0");
    d.drukujLogo = true;
    d.logo = czerwonyObrazek(400, 400); // 1000 x 1000 dots
    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = plik(QStringLiteral("komorka.pdf"));
    doPdf(drukarka, pdf);
    QCOMPARE(drukujKoperte(drukarka, d), std::nullopt);

    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.slowa.size(), 2);
    const auto kropki = [](double punkty) { return int(punkty * 600.0 / 72.0); };
    const int srodekY = kropki((s.slowa[0].yMin + s.slowa[0].yMax) / 2);
    const int przerwaX = kropki((s.slowa[0].xMax + s.slowa[1].xMin) / 2);
    const int zaKomorkaX = kropki(s.slowa[1].xMax) + 100;
    const QImage obraz = renderuj(pdf, 1000, 1000);
    QVERIFY(!obraz.isNull());
    QCOMPARE(obraz.pixelColor(przerwaX, srodekY), QColor(Qt::white));
    QVERIFY(czerwony(obraz.pixelColor(zaKomorkaX, srodekY)));
    QVERIFY(czerwony(obraz.pixelColor(10, srodekY))); // left of the cell
}

void TestDrukKoperty::bladPlikuWyjsciowego()
{
    // The job cannot begin: an error, nothing left open, portrait again.
    DaneKoperty d = przyklad();
    d.poziomo = true;
    QPrinter drukarka(QPrinter::HighResolution);
    doPdf(drukarka, plik(QStringLiteral("brak/folderu/koperta.pdf")));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const std::optional<QString> blad = drukujKoperte(drukarka, d);
    QVERIFY(blad);
    QCOMPARE(*blad, QStringLiteral("Błąd drukowania. Koperta nie została wydrukowana."));
    QCOMPARE(drukarka.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(drukarka.printerState() != QPrinter::Active);
}

void TestDrukKoperty::ogromneLiczby()
{
    // Positions and sizes at the ends of the 32-bit range: the job completes, with the
    // lines far off the page.
    DaneKoperty d = przyklad();
    d.polozenia = {QStringLiteral("2147483647"), QStringLiteral("-2147483648"), QStringLiteral("2147483647"),
                   QStringLiteral("2147483647"), QStringLiteral("-2147483648"), QStringLiteral("-2147483648"),
                   QStringLiteral("2147483647")};
    d.rozmiarCzcionki = std::numeric_limits<qint32>::max();
    d.drukujLogo = true;
    d.logo = czerwonyObrazek(10, 10);
    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = plik(QStringLiteral("ogromne.pdf"));
    doPdf(drukarka, pdf);
    QCOMPARE(drukujKoperte(drukarka, d), std::nullopt);
    QVERIFY(czytajStrone(pdf).slowa.isEmpty());

    // The same onto a picture, as a preview.
    QImage obraz(200, 200, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    rysujKoperte(p, d);
    // The largest font on the page itself.
    DaneKoperty naStronie = przyklad();
    naStronie.rozmiarCzcionki = std::numeric_limits<qint32>::max();
    rysujKoperte(p, naStronie);
    QCOMPARE(drukujKoperte(drukarka, naStronie), std::nullopt);
}

void TestDrukKoperty::podgladNaObrazku()
{
    // The same drawing onto a picture of 96 dpi (4 dots per mm), as a preview would.
    QImage obraz(1000, 600, QImage::Format_RGB32);
    obraz.setDotsPerMeterX(3780); // 96 dpi
    obraz.setDotsPerMeterY(3780);
    obraz.fill(Qt::white);
    DaneKoperty d = przyklad();
    d.odbiorca = {};
    d.nadawca = {QStringLiteral("█")}; // a full block fills its cell's top-left corner
    {
        QPainter p(&obraz);
        rysujKoperte(p, d);
    }
    const ParametryPlotna par = parametryPlotna();
    QCOMPARE(par.dpiX, 96);
    QCOMPARE(par.punktyNaMmY, 4);
    // n1 at (10, 11) mm: (40, 44) dots; nothing above or left of its cell.
    const auto ciemny = [&](int x, int y) { return obraz.pixelColor(x, y).lightness() < 128; };
    QVERIFY(ciemny(42, 50));
    QVERIFY(!ciemny(38, 50));
    QVERIFY(!ciemny(42, 42));
}

void TestDrukKoperty::drukarkaProgramu()
{
    // Outside a job the orientation operations act on the program's one printer.
    UstawPoziomo();
    QCOMPARE(drukarka().pageLayout().orientation(), QPageLayout::Landscape);
    UstawPionowo();
    QCOMPARE(drukarka().pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(&drukarka(), &drukarka());
}

void TestDrukKoperty::drukujKoperte_anulowane()
{
    m_skrypt.wyczysc();
    m_skrypt.anuluj();
    bool czytano = false;
    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = plik(QStringLiteral("anulowane.pdf"));
    doPdf(drukarka, pdf);
    QVERIFY(!wykonajDrukKoperty(nullptr, drukarka, przyklad(), [&]() -> std::optional<CzcionkaDruku> {
        czytano = true;
        return CzcionkaDruku{};
    }));
    QVERIFY(!czytano); // the print font is not even read
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
}

void TestDrukKoperty::drukujKoperte_czcionkaNieudana()
{
    // Reading the print font failed (and reported it): no job, no further box, and the
    // orientation is not touched.
    m_skrypt.wyczysc();
    const QString pdf = plik(QStringLiteral("bez_czcionki.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); });
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(!wykonajDrukKoperty(nullptr, drukarka, przyklad(), []() { return std::optional<CzcionkaDruku>{}; }));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    QCOMPARE(drukarka.pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
}

void TestDrukKoperty::drukujKoperte_bladPokazany()
{
    m_skrypt.wyczysc();
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, plik(QStringLiteral("brak/koperta.pdf"))); });
    QPrinter drukarka(QPrinter::HighResolution);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!wykonajDrukKoperty(nullptr, drukarka, przyklad(), []() { return std::optional{CzcionkaDruku{}}; }));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")),
             QStringList{QStringLiteral("Błąd drukowania. Koperta nie została wydrukowana.")});
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
}

void TestDrukKoperty::drukujKoperte_udany()
{
    // The print font read at the time of printing decides face, style, size and colour.
    m_skrypt.wyczysc();
    const QString pdf = plik(QStringLiteral("udany.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); });
    QPrinter drukarka(QPrinter::HighResolution);
    DaneKoperty d = przyklad();
    d.krojCzcionki = QStringLiteral("nie ta");
    QVERIFY(wykonajDrukKoperty(nullptr, drukarka, d, []() {
        return std::optional{CzcionkaDruku{QStringLiteral("DejaVu Serif"), 10, 0x01, 0x0000FF}};
    }));
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
    QCOMPARE(czcionkiPdf(pdf), QStringList{QStringLiteral("DejaVuSerif-Bold")});
    const StronaPdf s = czytajStrone(pdf);
    sprawdzPolozenia(s);

    // The text is red: some pixel in the first word is red, none is dark.
    const Slowo *w = s.znajdz(QStringLiteral("Nadawca1"));
    QVERIFY(w);
    const QImage obraz = renderuj(pdf, 2000, 800);
    bool czerwonyPiksel = false, ciemnyPiksel = false;
    for (int y = int(w->yMin * 600 / 72); y < int(w->yMax * 600 / 72); ++y) {
        for (int x = int(w->xMin * 600 / 72); x < int(w->xMax * 600 / 72); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            czerwonyPiksel = czerwonyPiksel || czerwony(c);
            ciemnyPiksel = ciemnyPiksel || (c.red() < 100 && c.green() < 100);
        }
    }
    QVERIFY(czerwonyPiksel);
    QVERIFY(!ciemnyPiksel);
}

QTEST_MAIN(TestDrukKoperty)
#include "test_druk_koperty.moc"
