// The whole road through the windows: "Czytaj listę", a click on a client, "Koperta",
// a size preset, the positions typed in, a logo attached, "Drukuj kopertę" with the print
// dialog sending the page to a PDF file at 600 dpi. The PDF is read back with poppler's
// tools: every line where the layout puts it, the print font from its file, the logo.

#include "../wspolne/pdf.h"
#include "dialogi.h"
#include "druk_koperty.h"
#include "tdokumenty.h"
#include "tekst.h"
#include "tfont_f.h"
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
#include <QtEndian>

#include <memory>

using namespace Klienci;

namespace {

bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dane) == dane.size();
}

// The print-font record: colour, face (capacity 60), size in points, style.
QByteArray rekordCzcionki(const QString &kroj, qint32 rozmiar, quint8 styl)
{
    QByteArray r(76, '\0');
    qToLittleEndian<qint32>(0, r.data());
    zapiszTekst(r, 4, 60, kroj);
    qToLittleEndian<qint32>(rozmiar, r.data() + 68);
    r[72] = char(styl);
    return r;
}

QByteArray rekordFirmy(const QString &a, const QString &b, const QString &c)
{
    QByteArray r(306, '\0');
    zapiszTekst(r, 0, 50, a);
    zapiszTekst(r, 51, 50, b);
    zapiszTekst(r, 102, 50, c);
    return r;
}

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
    void bezWydruku_data();
    void bezWydruku();

private:
    QString sciezka(const QString &wzgledna) const { return m_tmp->filePath(wzgledna); }
    // Opens the list, clicks the client and opens the envelope window for it.
    void doKoperty();

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_start;
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
    m_start = QDir::currentPath();
    m_tmp = std::make_unique<QTemporaryDir>();
    for (const char *d : {"Admini", "Firmy", "FONT"})
        QVERIFY(QDir(m_tmp->path()).mkdir(QLatin1String(d)));
    QVERIFY(QDir::setCurrent(m_tmp->path()));

    QVERIFY(zapiszPlik(sciezka(QStringLiteral("Admini/firma.dat")),
                       rekordFirmy(QStringLiteral("Nadawca1"), QStringLiteral("Nadawca2"), QStringLiteral("Zażółć"))));
    QByteArray forma(21, '\0');
    zapiszTekst(forma, 0, 20, QStringLiteral("Pan"));
    QVERIFY(zapiszPlik(sciezka(QStringLiteral("Admini/dane_kop_for.dat")), forma));
    QVERIFY(zapiszPlik(sciezka(QStringLiteral("FONT/font_zentar.dat")),
                       rekordCzcionki(QStringLiteral("DejaVu Serif"), 10, 0x01)));
    // The client in row 3 of the list.
    ListaKlientow lista = ListaKlientow::nowa();
    lista.ustawTekst(Nazwa1, 0, u"Inny");
    lista.ustawTekst(Nazwa1, 2, u"Gęślą");
    lista.ustawTekst(Nazwa2, 2, u"Jaźń");
    lista.ustawTekst(Ulica, 2, u"ŁÓDŹ");
    lista.ustawTekst(Miejscowosc, 2, u"Odbiorca5");
    QVERIFY(zapiszPlik(sciezka(QStringLiteral("Firmy/klienci.dat")), lista.dane()));

    m_skrypt.wyczysc();
    ustawDialogi(&m_skrypt);
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
    ustawDialogi(nullptr);
    drukarka().setPageOrientation(QPageLayout::Portrait);
    QDir::setCurrent(m_start);
    m_tmp.reset();
    QVERIFY2(m_skrypt.niespodziewane.isEmpty(), qPrintable(m_skrypt.niespodziewane.join(u'\n')));
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
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
    QTest::newRow("portrait with logo") << false << true;
    QTest::newRow("landscape") << true << false;
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
    const QList<std::pair<QString, QPoint>> oczekiwane = {
        {QStringLiteral("Nadawca1"), {240, 264}}, {QStringLiteral("Nadawca2"), {240, 384}},
        {QStringLiteral("Zażółć"), {240, 504}},   {QStringLiteral("Pan"), {2400, 1200}},
        {QStringLiteral("Gęślą"), {2520, 1560}},  {QStringLiteral("Jaźń"), {2520, 1680}},
        {QStringLiteral("ŁÓDŹ"), {2520, 1800}},   {QStringLiteral("Odbiorca5"), {2520, 1920}},
    };
    QCOMPARE(s.slowa.size(), oczekiwane.size());
    for (const auto &[tekst, punkt] : oczekiwane) {
        const Slowo *w = s.znajdz(tekst);
        QVERIFY2(w, qPrintable(tekst));
        QVERIFY2(qAbs(w->xMin - pt(punkt.x())) < 0.5, qPrintable(tekst));
        QVERIFY2(qAbs(w->yMin - pt(punkt.y())) < 1.0, qPrintable(tekst));
    }
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

void TestDrukZOkien::bezWydruku_data()
{
    QTest::addColumn<bool>("anuluj");
    QTest::addColumn<QStringList>("bledy");
    QTest::newRow("print dialog cancelled") << true << QStringList();
    QTest::newRow("short print-font file") << false << QStringList{QStringLiteral("Read beyond end of file")};
}

void TestDrukZOkien::bezWydruku()
{
    QFETCH(bool, anuluj);
    QFETCH(QStringList, bledy);
    // A print-font file that fails to read, so reading it would show.
    QVERIFY(zapiszPlik(sciezka(QStringLiteral("FONT/font_zentar.dat")), QByteArray(75, '\0')));
    doKoperty();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!m_koperta->poziomo->isChecked());
    const QString pdf = sciezka(QStringLiteral("nic.pdf"));
    doPdf(drukarka(), pdf);
    drukarka().setPageOrientation(QPageLayout::Landscape);
    if (anuluj)
        m_skrypt.anuluj();
    else
        m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); });
    QTest::mouseClick(m_koperta->SpeedButton4, Qt::LeftButton);

    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), bledy);
    QVERIFY(!QFile::exists(pdf));
    // The orientation is left alone: the job never came near it.
    QCOMPARE(drukarka().pageLayout().orientation(), QPageLayout::Landscape);
}

QTEST_MAIN(TestDrukZOkien)
#include "test_druk_z_okien.moc"
