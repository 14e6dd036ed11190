// Numbers typed badly: empty, letters, units, decimal points, signs, hexadecimal, beyond
// the 32-bit range. The program never refuses one: each gives the value of the lenient
// parse, and nothing crashes.
#include "../wspolne/kontrolki.h"
#include "../wspolne/pdf.h"
#include "drukowanie.h"
#include "kontekst.h"
#include "skryptdialogi.h"
#include "tdokumenty.h"
#include "tkoperta_f.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Klienci;

class TestZleLiczby : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wierszLp_data();
    void wierszLp();
    void polozeniaKoperty_data();
    void polozeniaKoperty();
    void wydrukPoOgromnychLiczbach_data();
    void wydrukPoOgromnychLiczbach();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_start;
    SkryptDialogi m_skrypt;
    WspolnaDrukarka m_drukarka;
};

void TestZleLiczby::init()
{
    m_start = QDir::currentPath();
    m_tmp = std::make_unique<QTemporaryDir>();
    for (const char *d : {"Admini", "Firmy", "Koperty"})
        QVERIFY(QDir(m_tmp->path()).mkdir(QLatin1String(d)));
    QVERIFY(QDir::setCurrent(m_tmp->path()));
    m_skrypt.wyczysc();
}

void TestZleLiczby::cleanup()
{
    m_drukarka().setPageOrientation(QPageLayout::Portrait);
    QDir::setCurrent(m_start);
    m_tmp.reset();
    QVERIFY2(m_skrypt.niespodziewane.isEmpty(), qPrintable(m_skrypt.niespodziewane.join(u'\n')));
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
}

void TestZleLiczby::wierszLp_data()
{
    QTest::addColumn<QString>("lp");
    QTest::addColumn<int>("wiersz"); // 1..501, or 0: no such row, a notice and no change
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blank") << " " << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("Polish letter") << "ł5" << 0;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("negative hexadecimal") << "-$10" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("one past the end") << "502" << 0;
    QTest::newRow("huge") << "99999999999" << 0;
    QTest::newRow("beyond 32 bits") << "4294967297" << 0;
    QTest::newRow("most negative") << "-2147483648" << 0;
    QTest::newRow("last row") << "501" << 501;
    QTest::newRow("leading spaces") << "  7" << 7;
    QTest::newRow("trailing space: digits before it") << "7 " << 7;
    QTest::newRow("plus sign") << "+4" << 4;
    QTest::newRow("unit after the number") << "12mm" << 12;
    QTest::newRow("decimal point") << "1.5" << 1;
    QTest::newRow("sign and a fault: no sign") << "-3x" << 3;
    QTest::newRow("hexadecimal $") << "$1F" << 31;
    QTest::newRow("hexadecimal 0x") << "0x10" << 16;
    QTest::newRow("leading zeros") << "0000000000000000009" << 9;
}

void TestZleLiczby::wierszLp()
{
    QFETCH(QString, lp);
    QFETCH(int, wiersz);
    const QString plik = m_tmp->filePath(QStringLiteral("Firmy/lista.dat"));
    QVERIFY(ListaKlientow::nowa().zapisz(plik).ok());
    Kontekst kontekst(QDir::currentPath());
    Tdokumenty o(kontekst, m_skrypt);
    o.zakonczProces = [] {};
    o.show();
    m_skrypt.plik(plik);
    QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton11"), Qt::LeftButton);
    QCOMPARE(kontrolka<QListWidget>(&o, "lista")->count(), LiczbaWierszy);

    for (bool usun : {false, true}) {
        m_skrypt.wyczysc();
        kontrolka<QLineEdit>(&o, "lp")->setText(lp);
        kontrolka<QLineEdit>(&o, "nazwa1")->setText(QStringLiteral("Źdźbło"));
        if (usun) {
            if (wiersz != 0) // a row that does not exist is reported before the question
                m_skrypt.tak();
            QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton4"), Qt::LeftButton);
        } else {
            QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton6"), Qt::LeftButton);
        }
        ListaKlientow zPliku;
        QVERIFY(zPliku.wczytaj(plik).ok());
        if (wiersz == 0) {
            QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")).size(), 1);
            QCOMPARE(zPliku.pierwszyWolny(), 0);
            QCOMPARE(kontrolka<QLineEdit>(&o, "nazwa1")->text(), QStringLiteral("Źdźbło")); // the fields stay as typed
            QCOMPARE(kontrolka<QLineEdit>(&o, "lp")->text(), lp);
        } else {
            QVERIFY(m_skrypt.teksty(QStringLiteral("informacja")).isEmpty());
            QCOMPARE(zPliku.tekst(Nazwa1, wiersz - 1), usun ? QString() : QStringLiteral("Źdźbło"));
            QCOMPARE(kontrolka<QLineEdit>(&o, "lp")->text(), numerWiersza(wiersz - 1));
            QCOMPARE(kontrolka<QListWidget>(&o, "lista")->currentRow(), wiersz - 1);
        }
        QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    }
}

void TestZleLiczby::polozeniaKoperty_data()
{
    // One field typed badly at a time; the others hold: spacing 5, sender 10/10 mm,
    // preset 1 at 100/50 mm. The value is what the field counts as.
    QTest::addColumn<QString>("pole");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<qint64>("wartosc");
    QTest::addColumn<bool>("poziomo");
    struct Wiersz
    {
        const char *pole, *tekst;
        qint64 wartosc;
    };
    const Wiersz wiersze[] = {
        {"od", "", 0},       {"od", "abc", 0},
        {"od", "-5", -5},    {"od", "2.5", 2},
        {"od", "$A", 10},    {"l_n", "", 0},
        {"l_n", "12mm", 12}, {"l_n", " 7", 7},
        {"l_n", "7 ", 7},    {"l_n", "-5x", 5},
        {"l_n", "-3", -3},   {"l_n", "99999999999", 999999999},
        {"g_n", "x", 0},     {"g_n", "-$10", -16},
        {"g_n", "0x14", 20}, {"g_n", "2147483647", 2147483647},
        {"l1", "+20", 20},   {"l1", "-2147483648", 214748364},
        {"l1", "ł", 0},      {"g1", "", 0},
        {"g1", "1e3", 1},    {"g1", "-99999999999", 999999999},
        {"l_log", "abc", 0}, {"g_log", "-2147483648", 214748364},
    };
    for (bool poziomo : {false, true})
        for (const Wiersz &w : wiersze)
            QTest::addRow("%s '%s'%s", w.pole, w.tekst, poziomo ? " landscape" : "")
                << QString::fromLatin1(w.pole) << QString::fromUtf8(w.tekst) << w.wartosc << poziomo;
}

void TestZleLiczby::polozeniaKoperty()
{
    QFETCH(QString, pole);
    QFETCH(QString, tekst);
    QFETCH(qint64, wartosc);
    QFETCH(bool, poziomo);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");

    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, m_skrypt, m_drukarka);
    w.show();
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    const QStringList nadawcy{QStringLiteral("Nadawca1"), QStringLiteral("Nadawca2"), QStringLiteral("Nadawca3")};
    const QStringList odbiorcy{QStringLiteral("Pan"), QStringLiteral("Odbiorca2"), QStringLiteral("Odbiorca3"),
                               QStringLiteral("Odbiorca4"), QStringLiteral("Odbiorca5")};
    QLineEdit *n[] = {kontrolka<QLineEdit>(&w, "n1"), kontrolka<QLineEdit>(&w, "n2"), kontrolka<QLineEdit>(&w, "n3"),
                      kontrolka<QLineEdit>(&w, "n4")};
    QLineEdit *o[] = {kontrolka<QLineEdit>(&w, "o1"), kontrolka<QLineEdit>(&w, "o2"), kontrolka<QLineEdit>(&w, "o3"),
                      kontrolka<QLineEdit>(&w, "o4"), kontrolka<QLineEdit>(&w, "o5")};
    for (int i = 0; i < 4; ++i)
        n[i]->setText(i < 3 ? nadawcy[i] : QString());
    for (int i = 0; i < 5; ++i)
        o[i]->setText(odbiorcy[i]);
    kontrolka<QRadioButton>(&w, "RadioButton1")->click();
    QCOMPARE(w.wybranyRozmiar(), 1);
    std::map<QString, qint64> v{{"od", 5},  {"l_n", 10},  {"g_n", 10}, {"l1", 100},
                                {"g1", 50}, {"l_log", 0}, {"g_log", 0}};
    for (const auto &[nazwa, liczba] : v)
        w.findChild<QLineEdit *>(nazwa)->setText(QString::number(liczba));
    auto *p = w.findChild<QLineEdit *>(pole);
    QVERIFY(p);
    p->setText(tekst);
    v[pole] = wartosc;
    if (poziomo)
        kontrolka<QCheckBox>(&w, "poziomo")->click();

    const QString pdf = m_tmp->filePath(QStringLiteral("koperta.pdf"));
    // A line that falls off the page is asked about first: printed anyway.
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); }).tak();
    w.SpeedButton4Click();
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    QVERIFY(QFile::exists(pdf));
    if (m_skrypt.teksty(QStringLiteral("pytanie")).isEmpty())
        m_skrypt.wyczysc();

    // Where each line goes at 24 dots per mm; lines that fall off the page are not looked for.
    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.szerokosc > s.wysokosc, poziomo);
    std::vector<std::tuple<QString, qint64, qint64>> oczekiwane;
    for (int k = 0; k < 3; ++k)
        oczekiwane.emplace_back(nadawcy[k], v["l_n"], v["g_n"] + 1 + k * v["od"]);
    oczekiwane.emplace_back(odbiorcy[0], v["l1"], v["g1"]);
    for (int k = 1; k <= 4; ++k)
        oczekiwane.emplace_back(odbiorcy[k], v["l1"] + 5, v["g1"] + v["g_n"] + k * v["od"]);
    int naStronie = 0;
    for (const auto &[slowo, xMm, yMm] : oczekiwane) {
        const double x = double(xMm) * 24 * 72 / 600, y = double(yMm) * 24 * 72 / 600;
        const bool widoczne = xMm >= 0 && yMm >= 0 && x < s.szerokosc - 60 && y < s.wysokosc - 20;
        const Slowo *z = s.znajdz(slowo);
        if (!widoczne) {
            QVERIFY2(!z || z->xMin < 0 || z->yMin < 0 || z->xMin > s.szerokosc - 60 || z->yMin > s.wysokosc - 20,
                     qPrintable(slowo + QStringLiteral(" printed on the page")));
            continue;
        }
        ++naStronie;
        if (!z) {
            QStringList jest;
            for (const Slowo &sl : s.slowa)
                jest.append(QStringLiteral("%1 (%2, %3)").arg(sl.tekst).arg(sl.xMin).arg(sl.yMin));
            QFAIL(qPrintable(
                QStringLiteral("%1 missing; the page holds: %2").arg(slowo, jest.join(QStringLiteral(", ")))));
        }
        QVERIFY2(
            qAbs(z->xMin - x) < 0.5 && qAbs(z->yMin - y) < 1.0,
            qPrintable(
                QStringLiteral("%1 at %2, %3 pt; expected %4, %5").arg(slowo).arg(z->xMin).arg(z->yMin).arg(x).arg(y)));
    }
    QVERIFY(naStronie >= 1);
}

void TestZleLiczby::wydrukPoOgromnychLiczbach_data()
{
    QTest::addColumn<QString>("pole");
    QTest::addColumn<QString>("tekst");
    for (const char *pole : {"l_n", "g_n", "l1", "g1"})
        for (const char *tekst : {"2147483647", "-99999999999", "-$7FFFFFFF"})
            QTest::addRow("%s '%s'", pole, tekst) << QString::fromLatin1(pole) << QString::fromLatin1(tekst);
}

void TestZleLiczby::wydrukPoOgromnychLiczbach()
{
    // An envelope with a line far off the page, then the numbers put right and printed
    // again on the same printer: the second page has every line in its place.
    QFETCH(QString, pole);
    QFETCH(QString, tekst);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, m_skrypt, m_drukarka);
    kontrolka<QLineEdit>(&w, "n1")->setText(QStringLiteral("Nadawca1"));
    kontrolka<QLineEdit>(&w, "o2")->setText(QStringLiteral("Odbiorca2"));
    kontrolka<QRadioButton>(&w, "RadioButton1")->click();
    const std::map<QString, QString> dobre{{"od", "5"}, {"l_n", "10"}, {"g_n", "10"}, {"l1", "100"}, {"g1", "50"}};
    for (const auto &[nazwa, liczba] : dobre)
        w.findChild<QLineEdit *>(nazwa)->setText(liczba);
    w.findChild<QLineEdit *>(pole)->setText(tekst);
    const QString pdf1 = m_tmp->filePath(QStringLiteral("pierwsza.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf1); }).tak(); // printed although a line is off the page
    w.SpeedButton4Click();

    w.findChild<QLineEdit *>(pole)->setText(dobre.at(pole));
    const QString pdf2 = m_tmp->filePath(QStringLiteral("druga.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf2); });
    w.SpeedButton4Click();
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    const StronaPdf s = czytajStrone(pdf2);
    const Slowo *n = s.znajdz(QStringLiteral("Nadawca1"));
    const Slowo *o = s.znajdz(QStringLiteral("Odbiorca2"));
    QVERIFY2(n && o, "a line of the second page is missing");
    // n1 at (10, 11) mm, o2 at (105, 65) mm, 24 dots per mm at 600 dpi.
    QVERIFY(qAbs(n->xMin - pt(240)) < 0.5 && qAbs(n->yMin - pt(264)) < 1.0);
    QVERIFY(qAbs(o->xMin - pt(2520)) < 0.5 && qAbs(o->yMin - pt(1560)) < 1.0);
}

QTEST_MAIN(TestZleLiczby)
#include "test_zle_liczby.moc"
