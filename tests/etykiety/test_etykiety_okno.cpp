// "Etykiety": the dialog driven offscreen with scripted dialogs prints what the command
// line prints for the same rows and settings, and previews it; the drawn sheet picks the
// first label; a user's sheet is checked, kept and removed; a cancelled job writes
// nothing; the button of the client list window.
#include "../wspolne/kontrolki.h"
#include "../wspolne/pdf.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "kontekst.h"
#include "oknoetykiet.h"
#include "rysunekarkusza.h"
#include "tdokumenty.h"
#include "ustawienia_etykiet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

using namespace Klienci;

namespace {

// Clients in rows 1, 3 and 5.
ListaKlientow lista()
{
    ListaKlientow l = ListaKlientow::nowa();
    const QStringList wiersze[] = {{"Żabiński Łukasz", "Usługi Ślusarskie", "ul. Źródlana 7", "90-001 Łódź"},
                                   {"Kowalczyk Anna", "", "ul. Krótka 2", "30-001 Kraków"},
                                   {"Ąbecki Marian", "Sklep", "ul. Wąska 15", "80-001 Gdańsk"}};
    for (int w = 0; w < 3; ++w)
        for (int k = 0; k < 4; ++k)
            l.ustawTekst(Nazwa1 + k, w * 2, wiersze[w][k]);
    return l;
}

// Every page's words with their boxes, to compare two PDFs.
QString slowa(const QString &pdf)
{
    return uruchom(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})
        .section(QStringLiteral("<doc>"), 1);
}

} // namespace

class TestEtykietyOkno : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void jakPolecenie_data();
    void jakPolecenie();
    void arkuszWlasny();
    void anulowanie();
    void przycisk();

private:
    // The dialog shown, its chooser giving `wiersze`, run once.
    std::unique_ptr<OknoEtykiet> okno(const QList<int> &wiersze);
    template <class T>
    T *k(const char *nazwa) const
    {
        return kontrolka<T>(m_okno, nazwa);
    }
    void kliknij(const char *przycisk) const { QTest::mouseClick(k<QPushButton>(przycisk), Qt::LeftButton); }

    std::unique_ptr<KatalogTestu> m_katalog;
    SkryptDialogi m_skrypt;
    QPrinter m_drukarka{QPrinter::HighResolution};
    OknoEtykiet *m_okno = nullptr;
};

void TestEtykietyOkno::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"Admini", "Firmy"});
    QVERIFY(m_katalog->zapisz(QStringLiteral("Admini/firma.dat"),
                              rekordFirmy(QStringLiteral("Biuro „Żuraw”"), QStringLiteral("ul. Długa 5"),
                                          QStringLiteral("00-950 Warszawa"))));
    QVERIFY(m_katalog->zapisz(QStringLiteral("Firmy/klienci.dat"), lista().dane()));
    zacznijSkrypt(m_skrypt);
}

void TestEtykietyOkno::cleanup()
{
    m_katalog.reset();
    sprawdzSkrypt(m_skrypt);
}

std::unique_ptr<OknoEtykiet> TestEtykietyOkno::okno(const QList<int> &wiersze)
{
    auto o = std::make_unique<OknoEtykiet>(
        m_skrypt, m_drukarka, m_katalog->korzen(), m_katalog->sciezka(QStringLiteral("FONT/font_zentar.dat")), lista(),
        [wiersze](QWidget *, const ListaKlientow &, const QList<int> &) { return wiersze; });
    m_okno = o.get();
    o->wybierzKlientow();
    o->show();
    return o;
}

void TestEtykietyOkno::jakPolecenie_data()
{
    QTest::addColumn<QList<int>>("wiersze");
    QTest::addColumn<QString>("arkusz");
    QTest::addColumn<int>("od"); // clicked on the drawn sheet
    QTest::addColumn<int>("kopie");
    QTest::addColumn<double>("margines");
    QTest::addColumn<bool>("nadawca");
    QTest::addColumn<int>("problemy"); // lines that do not fit: asked about before printing
    QTest::addColumn<int>("strony");
    QTest::addColumn<int>("nastepna"); // the first label left free, offered next
    QTest::addColumn<QStringList>("polecenie");
    const QString lista = QStringLiteral("--lista=Firmy/klienci.dat");
    QTest::newRow("three rows from label 4, six copies")
        << QList<int>{0, 2, 4} << "70x37" << 4 << 6 << 3.0 << false << 0 << 1 << 22
        << QStringList{lista, "--arkusz=70x37", "--od=4", "--kopie=6"};
    QTest::newRow("a sender's sheets from label 6")
        << QList<int>{} << "105x74" << 6 << 2 << 4.5 << true << 0 << 2 << 1
        << QStringList{"--nadawca", "--arkusz=105x74", "--od=6", "--kopie=2", "--margines=4.5"};
    QTest::newRow("lines too tall for a small label")
        << QList<int>{0} << "38.1x21.2" << 65 << 1 << 8.0 << false << 1 << 1 << 1
        << QStringList{lista, "--wiersze=1", "--arkusz=38.1x21.2", "--od=65", "--margines=8", "--mimo-to"};
}

void TestEtykietyOkno::jakPolecenie()
{
    QFETCH(QList<int>, wiersze);
    QFETCH(QString, arkusz);
    QFETCH(int, od);
    QFETCH(int, kopie);
    QFETCH(double, margines);
    QFETCH(bool, nadawca);
    QFETCH(int, problemy);
    QFETCH(int, strony);
    QFETCH(int, nastepna);
    QFETCH(QStringList, polecenie);
    const auto o = okno(wiersze);
    k<QComboBox>("arkusz")->setCurrentText(arkusz);
    auto *rysunek = k<RysunekArkusza>("rysunek");
    QTest::mouseClick(rysunek, Qt::LeftButton, {}, rysunek->prostokat(od - 1).center().toPoint());
    QCOMPARE(k<QSpinBox>("od")->value(), od);
    k<QSpinBox>("kopie")->setValue(kopie);
    k<QDoubleSpinBox>("margines")->setValue(margines);
    k<QCheckBox>("nadawca")->setChecked(nadawca);
    QCOMPARE(k<QListWidget>("problemy")->count(), problemy);
    const QString pdf = m_katalog->sciezka(QStringLiteral("okno.pdf"));
    if (problemy)
        m_skrypt.tak();
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); });
    kliknij("drukuj");

    // The command line puts the same words at the same places on the same pages.
    QProcess p;
    p.setWorkingDirectory(m_katalog->korzen());
    p.start(QStringLiteral(LK_BIN_DIR "/lista_klientow"), QStringList{"etykiety", "--pdf=polecenie.pdf"} + polecenie);
    QVERIFY(p.waitForFinished(30000) && p.exitCode() == 0);
    const QString zOkna = slowa(pdf);
    QCOMPARE(zOkna.count(QStringLiteral("<page ")), strony);
    QCOMPARE(zOkna, slowa(m_katalog->sciezka(QStringLiteral("polecenie.pdf"))));
    // The next job starts where this one left off, and the sheet is kept for next time.
    const UstawieniaEtykiet u = PlikEtykiet::czytaj(PlikEtykiet::sciezka(m_katalog->korzen()));
    QCOMPARE(std::tuple(k<QSpinBox>("od")->value(), u.arkusz, u.od, u.margines),
             std::tuple(nastepna, arkusz, nastepna, margines));

    // The preview draws the job's pages with the routine that prints.
    k<QSpinBox>("od")->setValue(od);
    kliknij("podglad");
    auto *podglad = o->findChild<QPrintPreviewDialog *>();
    QVERIFY(podglad && podglad->isVisible());
    // LK_ZRZUT_ETYKIET=folder: instead, pictures of the dialog and its preview for the README.
    if (const QString zrzut = qEnvironmentVariable("LK_ZRZUT_ETYKIET"); !zrzut.isEmpty()) {
        podglad->resize(760, 640);
        QTest::qWait(300);
        QVERIFY(podglad->grab().save(zrzut + QStringLiteral("/podglad_etykiet.png")));
        QVERIFY(o->grab().save(zrzut + QStringLiteral("/okno_etykiet.png")));
        return;
    }
    const QString zPodgladu = m_katalog->sciezka(QStringLiteral("podglad.pdf"));
    QPrinter dr(QPrinter::HighResolution);
    doPdf(dr, zPodgladu);
    emit podglad->paintRequested(&dr);
    QCOMPARE(slowa(zPodgladu), zOkna);
}

void TestEtykietyOkno::arkuszWlasny()
{
    const auto o = okno({0});
    const QString plik = PlikEtykiet::sciezka(m_katalog->korzen());
    // 63.5 mm labels 60 mm apart overlap: refused with the reason, nothing written.
    k<QComboBox>("arkusz")->setCurrentText(QStringLiteral("63.5x38.1"));
    k<QLineEdit>("nazwaWlasnego")->setText(QStringLiteral("Biuro 3×7"));
    k<QDoubleSpinBox>("krokPoziomy")->setValue(60);
    kliknij("zapiszArkusz");
    QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")),
             QStringList{"Etykiety nachodzą na siebie: odstęp kolumn (60 mm) jest mniejszy niż szerokość etykiety "
                         "(63,5 mm). Arkusz nie został zapisany."});
    QVERIFY(!QFile::exists(plik));
    // Set right, it is kept by name and chosen; removed, it is gone from the file.
    k<QDoubleSpinBox>("krokPoziomy")->setValue(66.5);
    kliknij("zapiszArkusz");
    QVERIFY(PlikEtykiet::czytaj(plik).wlasne.size() == 1 && k<QComboBox>("arkusz")->currentText() == u"Biuro 3×7");
    m_skrypt.tak();
    kliknij("usunArkusz");
    QVERIFY(PlikEtykiet::czytaj(plik).wlasne.isEmpty());
    QCOMPARE(k<QComboBox>("arkusz")->currentText(), QStringLiteral("70x37"));
}

void TestEtykietyOkno::anulowanie()
{
    // Cancelled in the progress of a job of 5 pages: nothing is written, the abort tells
    // how many pages had been sent.
    const auto o = okno({0, 2, 4});
    k<QSpinBox>("kopie")->setValue(40);
    const QString pdf = m_katalog->sciezka(QStringLiteral("okno.pdf"));
    m_skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); });
    QTimer::singleShot(0, o.get(), [&o] {
        if (auto *postep = o->findChild<QProgressDialog *>(QStringLiteral("postepDruku")))
            postep->cancel();
    });
    kliknij("drukuj");
    QVERIFY(!QFile::exists(pdf) && !QFile::exists(PlikEtykiet::sciezka(m_katalog->korzen())));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")).size(), 1);
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad"))
                .constFirst()
                .contains(QRegularExpression(QStringLiteral("^Drukowanie przerwane. Wysłano stron: [1-4] z 5.$"))));
}

void TestEtykietyOkno::przycisk()
{
    Kontekst kontekst(QDir::currentPath());
    Tdokumenty okno(kontekst, m_skrypt);
    auto *etykiety = kontrolka<QToolButton>(&okno, "SpeedButton21");
    QVERIFY(etykiety->text() == u"Etykiety" && !etykiety->icon().isNull() && !etykiety->isEnabled()
            && etykiety->toolTip().endsWith(QStringLiteral("(Ctrl+L)")));
    // With a list open, Ctrl+L opens the dialog for it.
    ListaKlientow dlaOkna;
    okno.ustawEtykiety({[&](QWidget *, const QString &, const ListaKlientow &l, auto) { dlaOkna = l; }});
    m_skrypt.plik(m_katalog->sciezka(QStringLiteral("Firmy/klienci.dat")));
    QTest::mouseClick(kontrolka<QToolButton>(&okno, "SpeedButton11"), Qt::LeftButton);
    okno.show();
    okno.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&okno));
    QTest::keyClick(&okno, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(etykiety->isEnabled() && dlaOkna == lista());
}

QTEST_MAIN(TestEtykietyOkno)
#include "test_etykiety_okno.moc"
