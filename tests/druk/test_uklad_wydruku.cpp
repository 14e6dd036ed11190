// Envelope geometry without a printer: dots per millimetre, line points, font height,
// logo rectangle, and large inputs kept within the coordinate range.

#include "uklad_wydruku.h"

#include <QTest>

#include <limits>

using Punkty = QList<QPoint>; // n1..n4, o1..o5 in dots
Q_DECLARE_METATYPE(TekstyPolozen)

namespace {
constexpr qint32 M = qint32(UkladWydruku::MaksWspolrzedna);

Punkty wDotach(const WierszeMm &w, qint32 naMmX, qint32 naMmY)
{
    Punkty p;
    for (const PunktMm &m : w.nadawca)
        p.append({mmNaPunkty(m.x, naMmX), mmNaPunkty(m.y, naMmY)});
    for (const PunktMm &m : w.odbiorca)
        p.append({mmNaPunkty(m.x, naMmX), mmNaPunkty(m.y, naMmY)});
    return p;
}
} // namespace

class TestUkladWydruku : public QObject
{
    Q_OBJECT
private slots:
    void kropkiNaMilimetr_data();
    void kropkiNaMilimetr();
    void wysokosc_data();
    void wysokosc();
    void wiersze_data();
    void wiersze();
    void logo_data();
    void logo();
};

void TestUkladWydruku::kropkiNaMilimetr_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("naMm");
    QTest::newRow("600") << 600 << 24;
    QTest::newRow("360 (14.4)") << 360 << 14;
    QTest::newRow("720 (28.8)") << 720 << 29;
    QTest::newRow("203 (8.12)") << 203 << 8;
    QTest::newRow("96 (3.84)") << 96 << 4;
    QTest::newRow("300, divisor 25 not 25.4") << 300 << 12;
    QTest::newRow("largest") << std::numeric_limits<int>::max() << 85899346;
}

void TestUkladWydruku::kropkiNaMilimetr()
{
    QFETCH(int, dpi);
    QFETCH(int, naMm);
    QCOMPARE(punktyNaMilimetr(dpi), naMm);
}

void TestUkladWydruku::wysokosc_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("wysokosc");
    QTest::newRow("9 pt at 300: 37.5 to even") << 9 << 300 << -38;
    QTest::newRow("3 pt at 300: 12.5 to even") << 3 << 300 << -12;
    QTest::newRow("10 pt at 600") << 10 << 600 << -83;
    QTest::newRow("12 pt at 600") << 12 << 600 << -100;
    QTest::newRow("size 0: default") << 0 << 600 << 0;
    QTest::newRow("negative size") << -10 << 600 << 83;
    QTest::newRow("huge size, no overflow") << std::numeric_limits<int>::max() << 1200 << -0xFFFF;
}

void TestUkladWydruku::wysokosc()
{
    QFETCH(int, rozmiar);
    QFETCH(int, dpi);
    QFETCH(int, wysokosc);
    QCOMPARE(wysokoscCzcionki(rozmiar, dpi), wysokosc);
}

void TestUkladWydruku::wiersze_data()
{
    QTest::addColumn<TekstyPolozen>("teksty");
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<Punkty>("punkty");

    const auto t = [](QString od, QString l_n, QString g_n, QString lO, QString gO) {
        TekstyPolozen p;
        p.od = od;
        p.l_n = l_n;
        p.g_n = g_n;
        p.lOdbiorcy = lO;
        p.gOdbiorcy = gO;
        return p;
    };

    QTest::newRow("600 dpi example") << t("5", "10", "10", "100", "50") << 600 << 600
                                     << Punkty{{240, 264},   {240, 384},   {240, 504},   {240, 624},  {2400, 1200},
                                               {2520, 1560}, {2520, 1680}, {2520, 1800}, {2520, 1920}};
    QTest::newRow("600 across, 300 down") << t("5", "10", "10", "100", "50") << 600 << 300
                                          << Punkty{{240, 132},  {240, 192},  {240, 252},  {240, 312}, {2400, 600},
                                                    {2520, 780}, {2520, 840}, {2520, 900}, {2520, 960}};
    QTest::newRow("empty od: lines stacked")
        << t("", "10", "10", "100", "50") << 600 << 600
        << Punkty{{240, 264},   {240, 264},   {240, 264},   {240, 264},  {2400, 1200},
                  {2520, 1440}, {2520, 1440}, {2520, 1440}, {2520, 1440}};
    QTest::newRow("empty g_n: S = 0") << t("5", "10", "", "100", "50") << 600 << 600
                                      << Punkty{{240, 24},    {240, 144},   {240, 264},   {240, 384},  {2400, 1200},
                                                {2520, 1320}, {2520, 1440}, {2520, 1560}, {2520, 1680}};
    QTest::newRow("negative spacing stacks upward")
        << t("-5", "10", "30", "100", "50") << 600 << 600
        << Punkty{{240, 744},   {240, 624},   {240, 504},   {240, 384},  {2400, 1200},
                  {2520, 1800}, {2520, 1680}, {2520, 1560}, {2520, 1440}};
    QTest::newRow("lenient numbers: 5mm, 1.5, leading blank, -5x")
        << t("5mm", "1.5", " 7", "-5x", "$10") << 600 << 600
        << Punkty{{24, 192},  {24, 312},  {24, 432},  {24, 552},  {120, 384},
                  {240, 672}, {240, 792}, {240, 912}, {240, 1032}};
    QTest::newRow("huge numbers clamped, no overflow")
        << t("2147483647", "-2147483648", "2147483647", "2147483647", "-2147483648") << 600 << 600
        << Punkty{{-M, M}, {-M, M}, {-M, M}, {-M, M}, {M, -M}, {M, M}, {M, M}, {M, M}, {M, M}};
    // S + D and S + 1 + D come back near zero although S + 1 and S + 2D overflow 32 bits.
    QTest::newRow("64-bit line position")
        << t("-2147483648", "0", "2147483647", "0", "0") << 96 << 96
        << Punkty{{0, M}, {0, 0}, {0, -M}, {0, -M}, {0, 0}, {20, -4}, {20, -M}, {20, -M}, {20, -M}};
}

void TestUkladWydruku::wiersze()
{
    QFETCH(TekstyPolozen, teksty);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(Punkty, punkty);
    const WierszeMm w = polozeniaWierszy(parsujPolozenia(teksty));
    QCOMPARE(wDotach(w, punktyNaMilimetr(dpiX), punktyNaMilimetr(dpiY)), punkty);
}

void TestUkladWydruku::logo_data()
{
    QTest::addColumn<QList<int>>("wejscie");   // left, top (pixels), width, height
    QTest::addColumn<QList<int>>("prostokat"); // left, top, right, bottom (dots)
    QTest::newRow("1,3 with 100x40") << QList<int>{1, 3, 100, 40} << QList<int>{2, 8, 252, 107};
    QTest::newRow("left -3, 10 wide") << QList<int>{-3, 0, 10, 1} << QList<int>{-8, 0, 17, 2};
    QTest::newRow("halves: 12.5 and 7.5") << QList<int>{3, 5, 2, 2} << QList<int>{8, 12, 12, 17};
    QTest::newRow("negative right edge truncated toward zero")
        << QList<int>{-10, -10, 3, 3} << QList<int>{-25, -25, -17, -17};
    QTest::newRow("huge, clamped") << QList<int>{std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 1000,
                                                 1000}
                                   << QList<int>{M, -M, M, -M};
}

void TestUkladWydruku::logo()
{
    QFETCH(QList<int>, wejscie);
    QFETCH(QList<int>, prostokat);
    const ProstokatPunkty r = prostokatLogo(wejscie[0], wejscie[1], wejscie[2], wejscie[3]);
    QCOMPARE((QList<int>{r.lewy, r.gorny, r.prawy, r.dolny}), prostokat);
}

QTEST_APPLESS_MAIN(TestUkladWydruku)
#include "test_uklad_wydruku.moc"
