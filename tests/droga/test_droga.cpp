// The road through the windows. The client tools of the client list window: "Koperta"
// fills, sets up and shows the envelope window; "O kliencie" and "Dokumenty" start their
// tools with the client's texts (the argument recorder stands in for them). And the whole
// way to paper: "Czytaj listę", a click on a client, "Koperta", a size preset, the
// positions typed in, a logo attached, "Drukuj kopertę" with the print dialog sending the
// page to a PDF file at 600 dpi, read back with poppler's tools.

#include "../wspolne/argumenty.h"
#include "../wspolne/kontrolki.h"
#include "../wspolne/pdf.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "drukowanie.h"
#include "kontekst.h"
#include "polaczenia.h"
#include "polenip.h"
#include "rekordczcionki.h"
#include "tdokumenty.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
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

class TestDroga : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void koperta_data();
    void koperta();
    void drugaKoperta();
    void nieudaneUstawienie_data();
    void nieudaneUstawienie();
    void narzedzia_data();
    void narzedzia();
    void brakNarzedzia();
    void wydruk_data();
    void wydruk();

private:
    QString sciezka(const QString &wzgledna) const { return m_katalog->sciezka(wzgledna); }
    QString plikFirmy() const { return sciezka(QStringLiteral("Admini/firma.dat")); }
    void klient(const QString &nazwa1, const QString &nazwa2, const QString &ulica, const QString &miejscowosc);
    void kliknij(QToolButton *b);
    QStringList nadawca() const;
    QStringList odbiorca() const; // o2..o5
    // Opens a list, clicks its client and opens the envelope window for it.
    void doKoperty();

    std::unique_ptr<KatalogTestu> m_katalog;
    QString m_logo;
    QTemporaryDir m_obrazki;
    SkryptDialogi m_skrypt;
    WspolnaDrukarka m_drukarka;
    std::unique_ptr<Kontekst> m_kontekst;
    std::unique_ptr<Tdokumenty> m_okno;
    std::unique_ptr<Tkoperta_f> m_koperta;
};

void TestDroga::initTestCase()
{
    // A red logo of 100 x 40 pixels.
    m_logo = m_obrazki.filePath(QStringLiteral("logo.jpg"));
    uruchom(QStringLiteral("convert"),
            {QStringLiteral("-size"), QStringLiteral("100x40"), QStringLiteral("xc:red"), m_logo});
}

void TestDroga::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"Admini", "Firmy", "FONT"});
    QVERIFY(m_katalog->zapisz(QStringLiteral("Admini/dane_kop_for.dat"), formaAdresu(QStringLiteral("Pan"))));
    // The print font: DejaVu Serif, 10 points, bold.
    QByteArray czcionka(RekordCzcionki::Rozmiar, '\0');
    RekordCzcionki::wpisz(czcionka, QFont(QStringLiteral("DejaVu Serif"), 10, QFont::Bold), 0);
    QVERIFY(m_katalog->zapisz(QStringLiteral("FONT/font_zentar.dat"), czcionka));

    zacznijSkrypt(m_skrypt);
    // The windows in the program's order, wired as the program wires them.
    m_kontekst = std::make_unique<Kontekst>(QDir::currentPath());
    m_okno = std::make_unique<Tdokumenty>(*m_kontekst, m_skrypt);
    m_okno->zakonczProces = [] {};
    m_koperta = std::make_unique<Tkoperta_f>(*m_kontekst, m_skrypt, m_drukarka);
    m_okno->ustawKoperte(polaczKoperte([this]() -> Tkoperta_f & { return *m_koperta; }));
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno.get()));
    QVERIFY(!m_koperta->isVisible());
    QVERIFY(m_skrypt.wywolania.isEmpty());
}

void TestDroga::cleanup()
{
    m_okno.reset();
    m_koperta.reset();
    m_kontekst.reset();
    m_drukarka().setPageOrientation(QPageLayout::Portrait);
    m_katalog.reset();
    sprawdzSkrypt(m_skrypt);
}

void TestDroga::klient(const QString &nazwa1, const QString &nazwa2, const QString &ulica, const QString &miejscowosc)
{
    kontrolka<QLineEdit>(m_okno.get(), "nazwa1")->setText(nazwa1);
    kontrolka<QLineEdit>(m_okno.get(), "nazwa2")->setText(nazwa2);
    kontrolka<QLineEdit>(m_okno.get(), "ulica")->setText(ulica);
    kontrolka<QLineEdit>(m_okno.get(), "miejscowosc")->setText(miejscowosc);
}

// Clicks a client tool button once the clock tick has enabled it.
void TestDroga::kliknij(QToolButton *b)
{
    QTRY_VERIFY_WITH_TIMEOUT(b->isEnabled(), 1000);
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList TestDroga::nadawca() const
{
    return {kontrolka<QLineEdit>(m_koperta.get(), "n1")->text(), kontrolka<QLineEdit>(m_koperta.get(), "n2")->text(),
            kontrolka<QLineEdit>(m_koperta.get(), "n3")->text(), kontrolka<QLineEdit>(m_koperta.get(), "n4")->text()};
}

QStringList TestDroga::odbiorca() const
{
    return {kontrolka<QLineEdit>(m_koperta.get(), "o2")->text(), kontrolka<QLineEdit>(m_koperta.get(), "o3")->text(),
            kontrolka<QLineEdit>(m_koperta.get(), "o4")->text(), kontrolka<QLineEdit>(m_koperta.get(), "o5")->text()};
}

void TestDroga::koperta_data()
{
    QTest::addColumn<QByteArray>("firma"); // empty: no file
    QTest::addColumn<QString>("blad");
    QTest::addColumn<QStringList>("nadawca");

    QTest::newRow("no firm record: empty sender") << QByteArray() << QString() << QStringList(4);
    QTest::newRow("firm record, longer than a record")
        << rekordFirmy(QStringLiteral("Firma Zażółć"), QStringLiteral("ul. Polna 2"), QStringLiteral("00-001 Warszawa"))
               + QByteArray(20, 'x')
        << QString() << QStringList{"Firma Zażółć", "ul. Polna 2", "00-001 Warszawa", ""};
    QTest::newRow("short firm record") << QByteArray(305, 'A') << QStringLiteral("Read beyond end of file")
                                       << QStringList(4, QStringLiteral("stare"));
}

void TestDroga::koperta()
{
    QFETCH(QByteArray, firma);
    QFETCH(QString, blad);
    QFETCH(QStringList, nadawca);
    if (!firma.isEmpty())
        QVERIFY(zapiszPlik(plikFirmy(), firma));
    // Whatever the envelope window held before.
    for (QLineEdit *e : {kontrolka<QLineEdit>(m_koperta.get(), "n1"), kontrolka<QLineEdit>(m_koperta.get(), "n2"),
                         kontrolka<QLineEdit>(m_koperta.get(), "n3"), kontrolka<QLineEdit>(m_koperta.get(), "n4"),
                         kontrolka<QLineEdit>(m_koperta.get(), "o2"), kontrolka<QLineEdit>(m_koperta.get(), "o3"),
                         kontrolka<QLineEdit>(m_koperta.get(), "o4"), kontrolka<QLineEdit>(m_koperta.get(), "o5")})
        e->setText(QStringLiteral("stare"));
    m_koperta->setEnabled(false);

    // Texts as typed, not saved anywhere.
    klient(QStringLiteral("Żuraw \"Beta\""), QStringLiteral(" Sp. z o.o. "), QStringLiteral("ul. Długa 1"),
           QStringLiteral("Łódź"));
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"));

    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), blad.isEmpty() ? QStringList() : QStringList{blad});
    QCOMPARE(this->nadawca(), nadawca);
    if (!blad.isEmpty()) {
        // Neither filled nor shown.
        QCOMPARE(odbiorca(), QStringList(4, QStringLiteral("stare")));
        QVERIFY(!m_koperta->isVisible());
        QVERIFY(!m_koperta->isEnabled());
        return;
    }
    QCOMPARE(odbiorca(), (QStringList{"Żuraw \"Beta\"", " Sp. z o.o. ", "ul. Długa 1", "Łódź"}));
    QVERIFY(m_koperta->isVisible());
    QVERIFY(m_koperta->isEnabled());
    QCOMPARE(m_koperta->windowModality(), Qt::NonModal);
    // The set-up ran: the stored form of address is in o1.
    QCOMPARE(kontrolka<QLineEdit>(m_koperta.get(), "o1")->text(), QStringLiteral("Pan"));
    // The client list window stays usable.
    QVERIFY(m_okno->isEnabled());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestDroga::drugaKoperta()
{
    QVERIFY(
        zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Alfa"), QStringLiteral("Beta"), QStringLiteral("Gamma"))));
    klient(QStringLiteral("Pierwszy"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"));
    QVERIFY(m_koperta->isVisible());
    QCOMPARE(kontrolka<QLineEdit>(m_koperta.get(), "l1")->text(), QStringLiteral("50"));

    // The user edits the open envelope window, then asks for another client's envelope.
    kontrolka<QLineEdit>(m_koperta.get(), "o1")->setText(QStringLiteral("Pani"));
    kontrolka<QLineEdit>(m_koperta.get(), "l1")->setText(QStringLiteral("77"));
    for (QLineEdit *e : {kontrolka<QLineEdit>(m_koperta.get(), "n1"), kontrolka<QLineEdit>(m_koperta.get(), "n4"),
                         kontrolka<QLineEdit>(m_koperta.get(), "o2"), kontrolka<QLineEdit>(m_koperta.get(), "o5")})
        e->setText(QStringLiteral("ręcznie"));
    QVERIFY(zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Nowa"), QStringLiteral("Firma"), QString())));
    klient(QStringLiteral("Drugi"), QStringLiteral("d"), QString(), QStringLiteral("f"));
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"));
    QCOMPARE(nadawca(), (QStringList{"Nowa", "Firma", "", ""}));
    QCOMPARE(odbiorca(), (QStringList{"Drugi", "d", "", "f"}));
    // The set-up ran again: defaults and the stored form of address are back.
    QCOMPARE(kontrolka<QLineEdit>(m_koperta.get(), "o1")->text(), QStringLiteral("Pan"));
    QCOMPARE(kontrolka<QLineEdit>(m_koperta.get(), "l1")->text(), QStringLiteral("50"));
    QVERIFY(m_koperta->isVisible());

    // "Koniec" of the envelope window disables and hides it; "Koperta" brings it back.
    m_skrypt.tak();
    QTest::mouseClick(kontrolka<QToolButton>(m_koperta.get(), "SpeedButton1"), Qt::LeftButton);
    QVERIFY(!m_koperta->isVisible() && !m_koperta->isEnabled());
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"));
    QVERIFY(m_koperta->isVisible() && m_koperta->isEnabled());
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());

    // The firm record goes away: the copy read before fills the sender lines again.
    QVERIFY(QFile::remove(plikFirmy()));
    kontrolka<QLineEdit>(m_koperta.get(), "n1")->setText(QStringLiteral("zmienione"));
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"));
    QCOMPARE(nadawca(), (QStringList{"Nowa", "Firma", "", ""}));
}

void TestDroga::nieudaneUstawienie_data()
{
    QTest::addColumn<QString>("przypadek");
    QTest::addColumn<QString>("blad");
    QTest::newRow("short envelope layout file") << "uklad"
                                                << "Read beyond end of file";
    QTest::newRow("current directory without ADMINI") << "katalog"
                                                      << "Invalid filename";
}

void TestDroga::nieudaneUstawienie()
{
    QFETCH(QString, przypadek);
    QFETCH(QString, blad);
    QVERIFY(
        zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Alfa"), QStringLiteral("Beta"), QStringLiteral("Gamma"))));
    if (przypadek == u"uklad") {
        QVERIFY(zapiszPlik(sciezka(QStringLiteral("Admini/dane_kop_1.dat")), QByteArray(479, '\0')));
    } else {
        // The envelope window resolves its data root from the working directory.
        QVERIFY(QDir().mkpath(sciezka(QStringLiteral("pusty"))));
        m_kontekst->przejdzDo(sciezka(QStringLiteral("pusty")));
    }
    klient(QStringLiteral("Klient"), {}, {}, {});
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{blad});
    QVERIFY(!m_koperta->isVisible());
    // The lines were handed over before the set-up.
    QCOMPARE(kontrolka<QLineEdit>(m_koperta.get(), "o2")->text(), QStringLiteral("Klient"));
    QCOMPARE(kontrolka<QLineEdit>(m_koperta.get(), "n1")->text(), QStringLiteral("Alfa"));
}

void TestDroga::narzedzia_data()
{
    QTest::addColumn<bool>("komentarze"); // "O kliencie", else "Dokumenty"
    QTest::addColumn<QString>("nip");
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QStringList>("argumenty");

    // The command lines themselves are checked with the client tools.
    QTest::newRow("O kliencie, 123 / Alfa") << true << "123"
                                            << "Alfa" << QStringList{"123.kom", "Komentarze dla: Alfa "};
    QTest::newRow("Dokumenty, double quotes and spaces, untrimmed")
        << false << "52-6.1"
        << "  Firma \"Beta\" & Syn  " << QStringList{"52-6.1.kom", "Dokumenty dla:   Firma \"Beta\" & Syn   "};
}

void TestDroga::narzedzia()
{
    QFETCH(bool, komentarze);
    QFETCH(QString, nip);
    QFETCH(QString, nazwa1);
    QFETCH(QStringList, argumenty);

    // The recorder stands in for both tools beside the "program"; nothing on the path.
    const QString program = sciezka(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(program));
    for (const char *n : {"notar", "teczkar"})
        QVERIFY(QFile::copy(QStringLiteral(LK_BIN_DIR "/lk_zapisz_argumenty"), program + u'/' + QLatin1String(n)));
    m_okno->ustawMiejsceNarzedzi(program, {sciezka(QStringLiteral("nic"))});

    kontrolka<QLineEdit>(m_okno.get(), "nip")->setText(nip);
    kontrolka<QLineEdit>(m_okno.get(), "nazwa1")->setText(nazwa1);
    kliknij(kontrolka<QToolButton>(m_okno.get(), komentarze ? "SpeedButton13" : "SpeedButton15"));
    const auto zapisane = czekajNaArgumenty(sciezka(QStringLiteral("argumenty.txt")));
    QVERIFY(zapisane);
    QCOMPARE(*zapisane, argumenty);
    QVERIFY(m_skrypt.wywolania.isEmpty());
}

void TestDroga::brakNarzedzia()
{
    const QString pusty = sciezka(QStringLiteral("nic"));
    QVERIFY(QDir().mkpath(pusty));
    m_okno->ustawMiejsceNarzedzi(pusty, {pusty});
    kontrolka<QLineEdit>(m_okno.get(), "nip")->setText(QStringLiteral("123"));
    kontrolka<QLineEdit>(m_okno.get(), "nazwa1")->setText(QStringLiteral("Alfa"));
    const QStringList przed = QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton13"));
    kliknij(kontrolka<QToolButton>(m_okno.get(), "SpeedButton15"));
    // Nothing is reported and nothing changes.
    QVERIFY(m_skrypt.wywolania.isEmpty());
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), przed);
    QCOMPARE(kontrolka<QLineEdit>(m_okno.get(), "nazwa1")->text(), QStringLiteral("Alfa"));
}

void TestDroga::doKoperty()
{
    QVERIFY(zapiszPlik(plikFirmy(),
                       rekordFirmy(QStringLiteral("Nadawca1"), QStringLiteral("Nadawca2"), QStringLiteral("Zażółć"))));
    // The client in row 3 of the list.
    ListaKlientow klienci = ListaKlientow::nowa();
    klienci.ustawTekst(Nazwa1, 0, u"Inny");
    klienci.ustawTekst(Nazwa1, 2, u"Gęślą");
    klienci.ustawTekst(Nazwa2, 2, u"Jaźń");
    klienci.ustawTekst(Ulica, 2, u"ŁÓDŹ");
    klienci.ustawTekst(Miejscowosc, 2, u"Odbiorca5");
    QVERIFY(m_katalog->zapisz(QStringLiteral("Firmy/klienci.dat"), klienci.dane()));
    m_skrypt.plik(sciezka(QStringLiteral("Firmy/klienci.dat")));
    QTest::mouseClick(kontrolka<QToolButton>(m_okno.get(), "SpeedButton11"), Qt::LeftButton);
    QListWidget *lista = kontrolka<QListWidget>(m_okno.get(), "lista");
    QCOMPARE(lista->count(), 501);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(2)).center());
    QCOMPARE(kontrolka<QLineEdit>(m_okno.get(), "nazwa1")->text(), QStringLiteral("Gęślą"));
    QTRY_VERIFY_WITH_TIMEOUT(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14")->isEnabled(), 1000);
    QTest::mouseClick(kontrolka<QToolButton>(m_okno.get(), "SpeedButton14"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(m_koperta.get()));

    // Size preset 3, and the positions typed in: sender 10/10 mm, spacing 5 mm,
    // recipient 100/50 mm, logo at pixel 1/3.
    QTest::mouseClick(kontrolka<QRadioButton>(m_koperta.get(), "RadioButton3"), Qt::LeftButton);
    QCOMPARE(m_koperta->wybranyRozmiar(), 3);
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "l3"), QStringLiteral("100"));
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "g3"), QStringLiteral("50"));
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "od"), QStringLiteral("5"));
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "l_n"), QStringLiteral("10"));
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "g_n"), QStringLiteral("10"));
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "l_log"), QStringLiteral("1"));
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "g_log"), QStringLiteral("3"));
}

void TestDroga::wydruk_data()
{
    QTest::addColumn<bool>("poziomo");
    QTest::addColumn<bool>("logo");
    QTest::newRow("portrait") << false << false;
    QTest::newRow("landscape with logo") << true << true;
}

void TestDroga::wydruk()
{
    QFETCH(bool, poziomo);
    QFETCH(bool, logo);
    for (const char *program : {"pdftotext", "pdfimages", "pdffonts"})
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(program))));
    if (logo && !QFile::exists(m_logo))
        QSKIP("convert could not make the logo");
    doKoperty();
    if (QTest::currentTestFailed())
        return;
    if (logo) {
        m_skrypt.plik(m_logo);
        QTest::mouseClick(kontrolka<QToolButton>(m_koperta.get(), "SpeedButton6"), Qt::LeftButton);
        QVERIFY(kontrolka<QCheckBox>(m_koperta.get(), "logo")->isEnabled());
        QTest::mouseClick(kontrolka<QCheckBox>(m_koperta.get(), "logo"), Qt::LeftButton);
        QVERIFY(kontrolka<QCheckBox>(m_koperta.get(), "logo")->isChecked());
    }
    if (poziomo)
        QTest::mouseClick(kontrolka<QCheckBox>(m_koperta.get(), "poziomo"), Qt::LeftButton);
    QCOMPARE(kontrolka<QCheckBox>(m_koperta.get(), "poziomo")->isChecked(), poziomo);

    // The positions are read when the print dialog has closed: what the user typed
    // while it was open (here, by the scripted dialog) is what prints.
    wpisz(kontrolka<QLineEdit>(m_koperta.get(), "l_n"), QStringLiteral("99"));
    const QString pdf = sciezka(QStringLiteral("koperta.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) {
        doPdf(*d, pdf);
        kontrolka<QLineEdit>(m_koperta.get(), "l_n")->setText(QStringLiteral("10"));
    });
    QTest::mouseClick(kontrolka<QToolButton>(m_koperta.get(), "SpeedButton4"), Qt::LeftButton);
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    QCOMPARE(m_drukarka().pageLayout().orientation(), QPageLayout::Portrait);

    const StronaPdf s = czytajStrone(pdf);
    QCOMPARE(s.szerokosc > s.wysokosc, poziomo);
    // At 24 dots per mm: n1..n3 (n4 empty) at x 10 mm, y 11, 16, 21 mm; o1 at
    // (100, 50) mm; o2..o5 at x 105 mm and y 50 + 10 + k·5 mm.
    sprawdzPolozenia(s, {{QStringLiteral("Nadawca1"), {240, 264}},
                         {QStringLiteral("Nadawca2"), {240, 384}},
                         {QStringLiteral("Zażółć"), {240, 504}},
                         {QStringLiteral("Pan"), {2400, 1200}},
                         {QStringLiteral("Gęślą"), {2520, 1560}},
                         {QStringLiteral("Jaźń"), {2520, 1680}},
                         {QStringLiteral("ŁÓDŹ"), {2520, 1800}},
                         {QStringLiteral("Odbiorca5"), {2520, 1920}}});
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

QTEST_MAIN(TestDroga)
#include "test_droga.moc"
