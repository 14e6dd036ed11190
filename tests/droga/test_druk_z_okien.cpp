// The whole road through the windows: "Czytaj listę", a click on a client, "Koperta",
// a size preset, the positions typed in, a logo attached, "Drukuj kopertę" with the print
// dialog sending the page to a PDF file at 600 dpi. The PDF is read back with poppler's
// tools: every line where the layout puts it, the print font from its file, the logo.

#include "../wspolne/pdf.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "rekordczcionki.h"
#include "druk_koperty.h"
#include "tdokumenty.h"
#include "tfont_f.h"
#include "tkoperta_f.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Klienci;

namespace {

void wpisz(QLineEdit *pole, const QString &tekst)
{
    pole->clear();
    QTest::keyClicks(pole, tekst);
}

} // namespace

class TestDrukZOkien : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wydruk_data();
    void wydruk();

private:
    QString sciezka(const QString &wzgledna) const { return m_katalog->sciezka(wzgledna); }
    // Opens the list, clicks the client and opens the envelope window for it.
    void doKoperty();

    std::unique_ptr<KatalogTestu> m_katalog;
    QString m_logo;
    QTemporaryDir m_obrazki;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Tdokumenty> m_dokumenty;
    std::unique_ptr<Tkoperta_f> m_koperta;
    std::unique_ptr<Tfont_f> m_font;
};

void TestDrukZOkien::initTestCase()
{
    for (const char *program : {"pdftotext", "pdfimages", "pdffonts", "convert"})
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(program))));
    // A red logo of 100 x 40 pixels.
    m_logo = m_obrazki.filePath(QStringLiteral("logo.jpg"));
    uruchom(QStringLiteral("convert"), {QStringLiteral("-size"), QStringLiteral("100x40"), QStringLiteral("xc:red"), m_logo});
    QVERIFY(QFile::exists(m_logo));
}

void TestDrukZOkien::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"Admini", "Firmy", "FONT"});
    QVERIFY(m_katalog->zapisz(QStringLiteral("Admini/firma.dat"),
                              rekordFirmy(QStringLiteral("Nadawca1"), QStringLiteral("Nadawca2"), QStringLiteral("Zażółć"))));
    QVERIFY(m_katalog->zapisz(QStringLiteral("Admini/dane_kop_for.dat"), formaAdresu(QStringLiteral("Pan"))));
    // The print font: DejaVu Serif, 10 points, bold.
    QByteArray czcionka(RekordCzcionki::Rozmiar, '\0');
    QFont f(QStringLiteral("DejaVu Serif"), 10, QFont::Bold);
    RekordCzcionki::wpisz(czcionka, f, 0);
    QVERIFY(m_katalog->zapisz(QStringLiteral("FONT/font_zentar.dat"), czcionka));
    // The client in row 3 of the list.
    ListaKlientow lista = ListaKlientow::nowa();
    lista.ustawTekst(Nazwa1, 0, u"Inny");
    lista.ustawTekst(Nazwa1, 2, u"Gęślą");
    lista.ustawTekst(Nazwa2, 2, u"Jaźń");
    lista.ustawTekst(Ulica, 2, u"ŁÓDŹ");
    lista.ustawTekst(Miejscowosc, 2, u"Odbiorca5");
    QVERIFY(m_katalog->zapisz(QStringLiteral("Firmy/klienci.dat"), lista.dane()));

    zacznijSkrypt(m_skrypt);
    // The windows in the program's order, wired as the program wires them.
    m_dokumenty = std::make_unique<Tdokumenty>();
    m_dokumenty->zakonczProces = [] {};
    m_koperta = std::make_unique<Tkoperta_f>();
    m_font = std::make_unique<Tfont_f>();
    m_koperta->ustawFont(m_font.get());
    m_dokumenty->ustawKoperte(m_koperta.get());
    m_dokumenty->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dokumenty.get()));
    QVERIFY(m_skrypt.wywolania.isEmpty());
}

void TestDrukZOkien::cleanup()
{
    m_dokumenty.reset();
    m_koperta.reset();
    m_font.reset();
    drukarka().setPageOrientation(QPageLayout::Portrait);
    m_katalog.reset();
    sprawdzSkrypt(m_skrypt);
}

void TestDrukZOkien::doKoperty()
{
    m_skrypt.plik(sciezka(QStringLiteral("Firmy/klienci.dat")));
    QTest::mouseClick(m_dokumenty->SpeedButton11, Qt::LeftButton);
    QListWidget *lista = m_dokumenty->lista;
    QCOMPARE(lista->count(), 501);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(2)).center());
    QCOMPARE(m_dokumenty->nazwa1->text(), QStringLiteral("Gęślą"));
    QTRY_VERIFY_WITH_TIMEOUT(m_dokumenty->SpeedButton14->isEnabled(), 1000);
    QTest::mouseClick(m_dokumenty->SpeedButton14, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(m_koperta.get()));

    // Size preset 3, and the positions typed in: sender 10/10 mm, spacing 5 mm,
    // recipient 100/50 mm, logo at pixel 1/3.
    QTest::mouseClick(m_koperta->RadioButton3, Qt::LeftButton);
    QCOMPARE(m_koperta->wybranyRozmiar(), 3);
    wpisz(m_koperta->l3, QStringLiteral("100"));
    wpisz(m_koperta->g3, QStringLiteral("50"));
    wpisz(m_koperta->od, QStringLiteral("5"));
    wpisz(m_koperta->l_n, QStringLiteral("10"));
    wpisz(m_koperta->g_n, QStringLiteral("10"));
    wpisz(m_koperta->l_log, QStringLiteral("1"));
    wpisz(m_koperta->g_log, QStringLiteral("3"));
}

void TestDrukZOkien::wydruk_data()
{
    QTest::addColumn<bool>("poziomo");
    QTest::addColumn<bool>("logo");
    QTest::newRow("portrait") << false << false;
    QTest::newRow("landscape with logo") << true << true;
}

void TestDrukZOkien::wydruk()
{
    QFETCH(bool, poziomo);
    QFETCH(bool, logo);
    doKoperty();
    if (QTest::currentTestFailed())
        return;
    if (logo) {
        m_skrypt.plik(m_logo);
        QTest::mouseClick(m_koperta->SpeedButton6, Qt::LeftButton);
        QVERIFY(m_koperta->logo->isEnabled());
        QTest::mouseClick(m_koperta->logo, Qt::LeftButton);
        QVERIFY(m_koperta->logo->isChecked());
    }
    if (poziomo)
        QTest::mouseClick(m_koperta->poziomo, Qt::LeftButton);
    QCOMPARE(m_koperta->poziomo->isChecked(), poziomo);

    // The positions are read when the print dialog has closed: what the user typed
    // while it was open (here, by the scripted dialog) is what prints.
    wpisz(m_koperta->l_n, QStringLiteral("99"));
    const QString pdf = sciezka(QStringLiteral("koperta.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) {
        doPdf(*d, pdf);
        m_koperta->l_n->setText(QStringLiteral("10"));
    });
    QTest::mouseClick(m_koperta->SpeedButton4, Qt::LeftButton);
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    QCOMPARE(drukarka().pageLayout().orientation(), QPageLayout::Portrait);

    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.szerokosc > s.wysokosc, poziomo);
    // At 24 dots per mm: n1..n3 (n4 empty) at x 10 mm, y 11, 16, 21 mm; o1 at
    // (100, 50) mm; o2..o5 at x 105 mm and y 50 + 10 + k·5 mm.
    sprawdzPolozenia(s, {{QStringLiteral("Nadawca1"), {240, 264}}, {QStringLiteral("Nadawca2"), {240, 384}},
                         {QStringLiteral("Zażółć"), {240, 504}},   {QStringLiteral("Pan"), {2400, 1200}},
                         {QStringLiteral("Gęślą"), {2520, 1560}},  {QStringLiteral("Jaźń"), {2520, 1680}},
                         {QStringLiteral("ŁÓDŹ"), {2520, 1800}},   {QStringLiteral("Odbiorca5"), {2520, 1920}}});
    // The print font came from FONT/font_zentar.dat: DejaVu Serif, bold.
    QCOMPARE(czcionkiPdf(pdf), QStringList{QStringLiteral("DejaVuSerif-Bold")});
    QCOMPARE(liczbaObrazowPdf(pdf), logo ? 1 : 0);
    if (logo) {
        // 2.5 dots per pixel: dots 2..251 across and 8..106 down are red.
        const QImage rog = renderuj(pdf, 300, 150);
        QVERIFY(czerwony(rog.pixelColor(2, 50)) && czerwony(rog.pixelColor(251, 106)));
        QVERIFY(!czerwony(rog.pixelColor(1, 50)) && !czerwony(rog.pixelColor(252, 50)));
    }
}

QTEST_MAIN(TestDrukZOkien)
#include "test_druk_z_okien.moc"
