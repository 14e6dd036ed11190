// Printing an envelope to a PDF file at 600 dpi, checked with poppler's tools: every
// line lands where the layout puts it, in portrait and landscape, with and without the
// logo; the font, the opaque text cells, failures and the "Drukuj kopertę" sequence.

#include "../wspolne/pdf.h"
#include "drukowanie.h"
#include "skryptdialogi.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
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
    d.odbiorca = {QStringLiteral("Pan"), QStringLiteral("Gęślą"), QStringLiteral("Jaźń"), QStringLiteral("ŁÓDŹ"),
                  QStringLiteral("Odbiorca5")};
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

// Where the layout puts every line of przyklad() at 24 dots per millimetre: sender
// 10/10, spacing 5, recipient 100/50.
const QList<std::pair<QString, QPoint>> Wiersze = {
    {QStringLiteral("Nadawca1"), {240, 264}},    {QStringLiteral("Nadawca2"), {240, 384}},
    {QStringLiteral("Nadawca3"), {240, 504}},    {QStringLiteral("Zażółć"), {240, 624}},
    {QStringLiteral("Pan"), {2400, 1200}},       {QStringLiteral("Gęślą"), {2520, 1560}},
    {QStringLiteral("Jaźń"), {2520, 1680}},      {QStringLiteral("ŁÓDŹ"), {2520, 1800}},
    {QStringLiteral("Odbiorca5"), {2520, 1920}},
};

// Prints `d` to a PDF file named `nazwa` in `katalog`, which it returns.
QString doPliku(const QTemporaryDir &katalog, const QString &nazwa, const DaneKoperty &d)
{
    QPrinter drukarka(QPrinter::HighResolution);
    const QString pdf = katalog.filePath(nazwa);
    doPdf(drukarka, pdf);
    const std::optional<QString> blad = drukujKoperty(drukarka, {d});
    if (blad || drukarka.pageLayout().orientation() != QPageLayout::Portrait)
        return {};
    return pdf;
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
    void nieprzezroczystaKomorka();
    void ogromneLiczby();
    void podgladNaObrazku();
    void daneDlaKlienta_data();
    void daneDlaKlienta();
    void wieleKopertWPdf();
    void drukarkaProgramu();
    void drukujKoperte_anulowane();
    void drukujKoperte_czcionkaNieudana();
    void drukujKoperte_bladPokazany();
    void drukujKoperte_udany();
    void zadanieWielu_data();
    void zadanieWielu();

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
}

void TestDrukKoperty::wiersze_data()
{
    // Portrait and landscape with a logo print through the windows as well.
    QTest::addColumn<bool>("poziomo");
    QTest::addColumn<bool>("obrazek");
    QTest::newRow("landscape with logo") << true << true;
    QTest::newRow("logo ticked, no picture, the canvas' own font") << false << false;
}

void TestDrukKoperty::wiersze()
{
    QFETCH(bool, poziomo);
    QFETCH(bool, obrazek);
    DaneKoperty d = przyklad();
    d.poziomo = poziomo;
    d.drukujLogo = true;
    if (obrazek) {
        d.logo = czerwonyObrazek(100, 40);
    } else { // no print font read yet: no face, size 0
        d.krojCzcionki.clear();
        d.rozmiarCzcionki = 0;
    }
    const QString pdf = doPliku(m_katalog, QStringLiteral("wiersze.pdf"), d);
    QVERIFY(!pdf.isEmpty());
    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.szerokosc > s.wysokosc, poziomo);
    sprawdzPolozenia(s, Wiersze);
    QCOMPARE(liczbaObrazowPdf(pdf), obrazek ? 1 : 0);
    if (!obrazek)
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
        const StronaPdf s = czytajStrone(doPliku(m_katalog, QStringLiteral("rozmiar.pdf"), d));
        const Slowo *w = s.znajdz(QStringLiteral("Nadawca1"));
        QVERIFY(w);
        wysokosci.append(w->yMax - w->yMin);
    }
    QVERIFY2(qAbs(wysokosci[1] / wysokosci[0] - 167.0 / 83.0) < 0.05,
             qPrintable(QString::number(wysokosci[1] / wysokosci[0])));
}

void TestDrukKoperty::krojIStyl_data()
{
    QTest::addColumn<QString>("kroj");
    QTest::addColumn<int>("styl");
    QTest::addColumn<QString>("wPdf");
    QTest::newRow("plain") << QStringLiteral("DejaVu Sans") << 0 << QStringLiteral("DejaVuSans");
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
    QCOMPARE(czcionkiPdf(doPliku(m_katalog, QStringLiteral("styl.pdf"), d)), QStringList{wPdf});
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
    const QString pdf = doPliku(m_katalog, QStringLiteral("komorka.pdf"), d);

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
    const QString pdf = doPliku(m_katalog, QStringLiteral("ogromne.pdf"), d);
    QVERIFY(!pdf.isEmpty() && czytajStrone(pdf).slowa.isEmpty());

    // The same onto a picture, as a preview.
    QImage obraz(200, 200, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    rysujKoperte(p, d);
    // The largest font on the page itself.
    DaneKoperty naStronie = przyklad();
    naStronie.rozmiarCzcionki = std::numeric_limits<qint32>::max();
    rysujKoperte(p, naStronie);
    QVERIFY(!doPliku(m_katalog, QStringLiteral("ogromne.pdf"), naStronie).isEmpty());
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
    ParametryPlotna par;
    {
        QPainter p(&obraz);
        par = rysujKoperte(p, d);
    }
    QCOMPARE(par.dpiX, 96);
    QCOMPARE(par.punktyNaMmY, 4);
    // n1 at (10, 11) mm: (40, 44) dots; nothing above or left of its cell.
    const auto ciemny = [&](int x, int y) { return obraz.pixelColor(x, y).lightness() < 128; };
    QVERIFY(ciemny(42, 50));
    QVERIFY(!ciemny(38, 50));
    QVERIFY(!ciemny(42, 42));
}

void TestDrukKoperty::daneDlaKlienta_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<int>("logo");
    QTest::addColumn<QString>("lOdbiorcy");
    QTest::addColumn<bool>("drukujLogo");
    QTest::newRow("preset 1, logo") << 1 << 1 << QStringLiteral("11") << true;
    QTest::newRow("preset 4") << 4 << 0 << QStringLiteral("14") << false;
    QTest::newRow("none checked") << 0 << 1 << QString() << true;
    QTest::newRow("damaged preset byte") << 5 << 2 << QString() << false;
}

void TestDrukKoperty::daneDlaKlienta()
{
    // The recipient block takes the checked preset's pair; the client's lines follow the
    // form of address.
    QFETCH(int, rozmiar);
    QFETCH(int, logo);
    QFETCH(QString, lOdbiorcy);
    QFETCH(bool, drukujLogo);
    UstawieniaKoperty u;
    u.odLewej = {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14")};
    u.odGory = {QStringLiteral("21"), QStringLiteral("22"), QStringLiteral("23"), QStringLiteral("24")};
    u.formaAdresu = QStringLiteral("Pani");
    u.nadawca[3] = QStringLiteral("n4");
    u.rozmiar = quint8(rozmiar);
    u.logo = quint8(logo);
    u.poziomo = 1;
    CzcionkaDruku c;
    c.kroj = QStringLiteral("DejaVu Sans");
    c.rozmiar = 12;
    c.rekord[RekordCzcionki::Styl] = 0x02;
    const DaneKoperty d = daneKoperty(u, {QStringLiteral("a"), {}, {}, QStringLiteral("d")}, czerwonyObrazek(2, 2), c);
    QCOMPARE(d.polozenia.lOdbiorcy, lOdbiorcy);
    QCOMPARE(d.polozenia.gOdbiorcy.isEmpty(), lOdbiorcy.isEmpty());
    QCOMPARE(d.drukujLogo, drukujLogo);
    QCOMPARE(d.odbiorca, (std::array<QString, 5>{"Pani", "a", "", "", "d"}));
    QCOMPARE(d.nadawca[3], QStringLiteral("n4"));
    QVERIFY(d.poziomo);
    QCOMPARE(d.krojCzcionki, c.kroj);
    QCOMPARE(d.rozmiarCzcionki, 12);
    QCOMPARE(d.stylCzcionki, quint8(0x02));
    QCOMPARE(d.kolorCzcionki, QColor(Qt::black));
}

void TestDrukKoperty::wieleKopertWPdf()
{
    // One job, one envelope per page, on a PDF writer; the progress can stop the job.
    const QString pdf = plik(QStringLiteral("wiele.pdf"));
    QList<DaneKoperty> koperty(3, przyklad());
    koperty[2].nadawca[0] = QStringLiteral("Trzecia");
    QList<qsizetype> postep;
    {
        QPdfWriter pisarz(pdf);
        pisarz.setResolution(600);
        QVERIFY(!drukujKoperty(pisarz, koperty, [&](qsizetype n) { return postep.append(n), true; }));
    }
    QCOMPARE(postep, (QList<qsizetype>{1, 2, 3}));
    QVERIFY(uruchom(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const auto strona = [&](const char *n) {
        return uruchom(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QLatin1String(n), QStringLiteral("-l"),
                                                     QLatin1String(n), pdf, QStringLiteral("-")});
    };
    QVERIFY(strona("1").contains(QStringLiteral("Nadawca1")) && !strona("1").contains(QStringLiteral("Trzecia")));
    QVERIFY(strona("3").contains(QStringLiteral("Trzecia")));

    QPdfWriter drugi(plik(QStringLiteral("przerwane.pdf")));
    QCOMPARE(drukujKoperty(drugi, koperty, [](qsizetype n) { return n < 2; }),
             std::optional{QStringLiteral("Błąd drukowania. Koperta nie została wydrukowana.")});
}

void TestDrukKoperty::drukarkaProgramu()
{
    // The orientation operations act on the device given, here the program's one printer,
    // which is made once, at its first use.
    WspolnaDrukarka drukarka;
    UstawPoziomo(drukarka());
    QCOMPARE(drukarka().pageLayout().orientation(), QPageLayout::Landscape);
    UstawPionowo(drukarka());
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
    QVERIFY(!wykonajDrukKoperty(nullptr, m_skrypt, drukarka, [&]() -> std::optional<DaneKoperty> {
        czytano = true;
        return przyklad();
    }));
    QVERIFY(!czytano); // neither the window nor the print font is even read
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
    QVERIFY(!wykonajDrukKoperty(nullptr, m_skrypt, drukarka, []() { return std::optional<DaneKoperty>{}; }));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    QCOMPARE(drukarka.pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
}

void TestDrukKoperty::drukujKoperte_bladPokazany()
{
    // The job cannot begin: the error box, nothing left open, portrait again.
    m_skrypt.wyczysc();
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, plik(QStringLiteral("brak/koperta.pdf"))); });
    QPrinter drukarka(QPrinter::HighResolution);
    DaneKoperty d = przyklad();
    d.poziomo = true;
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!wykonajDrukKoperty(nullptr, m_skrypt, drukarka, [&d]() { return std::optional{d}; }));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")),
             QStringList{QStringLiteral("Błąd drukowania. Koperta nie została wydrukowana.")});
    QCOMPARE(drukarka.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(drukarka.printerState() != QPrinter::Active);
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
}

void TestDrukKoperty::drukujKoperte_udany()
{
    // The print font decides face, style, size and colour; where the lines land is
    // checked through the windows.
    m_skrypt.wyczysc();
    const QString pdf = plik(QStringLiteral("udany.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); });
    QPrinter drukarka(QPrinter::HighResolution);
    CzcionkaDruku czcionka;
    czcionka.kroj = QStringLiteral("DejaVu Serif");
    czcionka.rozmiar = 10;
    czcionka.rekord[RekordCzcionki::Styl] = 0x01;
    czcionka.rekord[RekordCzcionki::Kolor] = char(0xFF); // red
    UstawieniaKoperty u;
    u.nadawca = przyklad().nadawca;
    u.nadawcaOdLewej = u.nadawcaOdGory = QStringLiteral("10");
    QVERIFY(wykonajDrukKoperty(nullptr, m_skrypt, drukarka,
                               [&]() { return std::optional{daneKoperty(u, {}, {}, czcionka)}; }));
    QVERIFY(m_skrypt.niespodziewane.isEmpty());
    QCOMPARE(czcionkiPdf(pdf), QStringList{QStringLiteral("DejaVuSerif-Bold")});
    const StronaPdf s = czytajStrone(pdf);

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

void TestDrukKoperty::zadanieWielu_data()
{
    QTest::addColumn<int>("przerwijPo"); // 0: never
    QTest::newRow("whole job") << 0;
    QTest::newRow("cancelled after page 2") << 2;
}

void TestDrukKoperty::zadanieWielu()
{
    // Five envelopes on DL: the page size is the envelope's, the logo drawn on every page
    // is held once; a cancel aborts the whole job, leaves no file and counts what was sent.
    QFETCH(int, przerwijPo);
    DaneKoperty d = przyklad();
    d.drukujLogo = true;
    d.logo = czerwonyObrazek(100, 40);
    d.strona = QPageSize(QPageSize::EnvelopeDL);
    const QList<DaneKoperty> koperty(5, d);
    const QString pdf = plik(QStringLiteral("zadanie.pdf"));
    QPrinter drukarka(QPrinter::HighResolution);
    doPdf(drukarka, pdf);
    QList<qsizetype> strony;
    const WynikDruku wynik = drukujZadanie(drukarka, koperty, [&](qsizetype n) {
        strony.append(n);
        return n != przerwijPo;
    });
    if (przerwijPo) {
        QCOMPARE(strony, (QList<qsizetype>{1, 2}));
        QCOMPARE(wynik.wyslane, 2);
        QCOMPARE(wynik.blad.value_or(QString()), QStringLiteral("Drukowanie przerwane. Wysłano stron: 2 z 5."));
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QVERIFY(!wynik.blad);
    QCOMPARE(wynik.wyslane, 5);
    // pdfimages lists each page's use; the object number (column 11) names the one picture.
    QSet<QString> obiekty;
    const QStringList wiersze =
        uruchom(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < wiersze.size(); ++i)
        obiekty.insert(wiersze[i].simplified().section(u' ', 10, 10));
    QCOMPARE(wiersze.size(), 2 + 5);
    QCOMPARE(obiekty.size(), 1);
    const StronaPdf s = czytajStrone(pdf);
    QVERIFY(qAbs(s.szerokosc - 110 * 72 / 25.4) < 1 && qAbs(s.wysokosc - 220 * 72 / 25.4) < 1);
}
