// The print-font record, the print-font window and the font dialog's colour choice.

#include "../koperta/innyuzytkownik.h"
#include "dialogi.h"
#include "rekordczcionki.h"
#include "tekst.h"
#include "tfont_f.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString Plik = QStringLiteral("font_zentar.dat");

// A current directory with a FONT folder (unless told otherwise).
class Katalog
{
public:
    explicit Katalog(bool font = true)
    {
        if (font)
            QDir(tmp.path()).mkdir(QStringLiteral("FONT"));
        QDir::setCurrent(tmp.path());
    }
    ~Katalog() { QDir::setCurrent(m_stary); }
    QString plik() const { return tmp.filePath(QStringLiteral("FONT/") + Plik); }
    QByteArray czytaj() const
    {
        QFile f(plik());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void zapisz(const QByteArray &d) const
    {
        QFile f(plik());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(d);
    }
    QTemporaryDir tmp;

private:
    QString m_stary = QDir::currentPath();
};

QByteArray rekord(qint32 kolor, const QString &nazwa, qint32 wielkosc, quint8 styl, char wypelnienie = '\0')
{
    QByteArray r(RekordCzcionki::Rozmiar, wypelnienie);
    QFont f(nazwa);
    f.setPointSize(wielkosc);
    RekordCzcionki::ustawStyl(f, styl);
    RekordCzcionki::wpisz(r, f, kolor);
    return r;
}

QFont czcionka(const QString &nazwa, int wielkosc, quint8 styl = 0)
{
    QFont f(nazwa);
    f.setPointSize(wielkosc);
    RekordCzcionki::ustawStyl(f, styl);
    return f;
}

} // namespace

class TestCzcionki : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void zapisRekordu_data();
    void zapisRekordu();
    void kolory_data();
    void kolory();
    void poczatek();
    void czytajBrakPliku();
    void zapiszPierwszyRaz();
    void dluzszyPlik();
    void presetZPliku();
    void anulowanie();
    void brakFolderuFONT();
    void krotkiPlik_data();
    void krotkiPlik();
    void tylkoDoOdczytu();
    void wzgledemBiezacegoKatalogu();
    void prawdziweOkno_data();
    void prawdziweOkno();

private:
    SkryptDialogi s;
};

void TestCzcionki::init()
{
    s.wyczysc();
    ustawDialogi(&s);
}

void TestCzcionki::cleanup()
{
    ustawDialogi(nullptr);
    QVERIFY2(s.niespodziewane.isEmpty(), qPrintable(s.niespodziewane.join(u'\n')));
    QCOMPARE(s.pozostaleOdpowiedzi(), 0);
}

void TestCzcionki::zapisRekordu_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<int>("wielkosc");
    QTest::addColumn<int>("styl");
    QTest::addColumn<qint32>("kolor");
    QTest::addColumn<QByteArray>("oczekiwane"); // bytes 0..4+1+len, then size, style
    QTest::newRow("window text, none") << QStringLiteral("Tahoma") << 8 << 0 << qint32(0xFF000008u)
                                       << QByteArray("\x08\x00\x00\xff\x06Tahoma", 11);
    QTest::newRow("bold + underline") << QStringLiteral("Arial") << 12 << 0x05 << qint32(0x0000FF)
                                      << QByteArray("\xff\x00\x00\x00\x05" "Arial", 10);
    QTest::newRow("italic + strike-out") << QStringLiteral("Łódź Sans") << 300 << 0x0A << qint32(0x123456)
                                         << QByteArray("\x56\x34\x12\x00\x09\xa3\xf3" "d\x9f Sans", 14);
    QTest::newRow("all four") << QStringLiteral("A") << 9 << 0x0F << qint32(0) << QByteArray("\0\0\0\0\x01" "A", 6);
}

void TestCzcionki::zapisRekordu()
{
    QFETCH(QString, nazwa);
    QFETCH(int, wielkosc);
    QFETCH(int, styl);
    QFETCH(qint32, kolor);
    QFETCH(QByteArray, oczekiwane);
    const QByteArray r = rekord(kolor, nazwa, wielkosc, quint8(styl));
    QCOMPARE(r.size(), 76);
    QCOMPARE(r.left(oczekiwane.size()), oczekiwane);
    QCOMPARE(r.mid(68, 4), QByteArray::fromRawData(reinterpret_cast<const char *>(&wielkosc), 4)); // little-endian host
    QCOMPARE(int(quint8(r[72])), styl);
    QCOMPARE(RekordCzcionki::nazwa(r), nazwa);
    QCOMPARE(RekordCzcionki::wielkosc(r), wielkosc);
    QCOMPARE(RekordCzcionki::kolor(r), kolor);
    QCOMPARE(int(RekordCzcionki::styl(r)), styl);
    QCOMPARE(r.mid(65, 3), QByteArray(3, '\0'));
    QCOMPARE(r.mid(73, 3), QByteArray(3, '\0'));
}

void TestCzcionki::kolory_data()
{
    QTest::addColumn<qint32>("zapis");
    QTest::addColumn<QColor>("kolor");
    const QPalette p = QGuiApplication::palette();
    QTest::newRow("black") << qint32(0) << QColor(0, 0, 0);
    QTest::newRow("red") << qint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("green") << qint32(0x00FF00) << QColor(0, 255, 0);
    QTest::newRow("blue") << qint32(0xFF0000) << QColor(0, 0, 255);
    QTest::newRow("mixed") << qint32(0x804020) << QColor(0x20, 0x40, 0x80);
    QTest::newRow("window text") << qint32(0xFF000008u) << p.color(QPalette::Active, QPalette::WindowText);
    QTest::newRow("window") << qint32(0xFF000005u) << p.color(QPalette::Active, QPalette::Base);
    QTest::newRow("button face") << qint32(0xFF00000Fu) << p.color(QPalette::Active, QPalette::Button);
    QTest::newRow("highlight") << qint32(0xFF00000Du) << p.color(QPalette::Active, QPalette::Highlight);
}

void TestCzcionki::kolory()
{
    QFETCH(qint32, zapis);
    QFETCH(QColor, kolor);
    QCOMPARE(kolorZZapisu(zapis), kolor);
    if (zapis >= 0)
        QCOMPARE(kolorDoZapisu(kolor), zapis);
}

void TestCzcionki::poczatek()
{
    Tfont_f f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Fonty"));
    QCOMPARE(f.rekord(), QByteArray(76, '\0'));
    QVERIFY(f.nazwaCzcionki().isEmpty());
    QCOMPARE(f.wielkoscCzcionki(), 0);
    QCOMPARE(f.styl(), quint8(0));
    QCOMPARE(f.kolor(), 0);
    QCOMPARE(f.kolorDruku(), QColor(Qt::black));
    QCOMPARE(f.FontDialog1().czcionka.family(), QStringLiteral("Tahoma"));
    QCOMPARE(f.FontDialog1().czcionka.pointSize(), 8);
    QCOMPARE(f.FontDialog1().kolor, qint32(0xFF000008u));
}

void TestCzcionki::czytajBrakPliku()
{
    Katalog k;
    Tfont_f f;
    QVERIFY(f.CzytajFonty(Plik));
    QCOMPARE(f.rekord(), QByteArray(76, '\0'));
    QVERIFY(f.nazwaCzcionki().isEmpty());
    QVERIFY(s.wywolania.isEmpty());
    QVERIFY(!QFile::exists(k.plik()));
}

void TestCzcionki::zapiszPierwszyRaz()
{
    Katalog k;
    Tfont_f f;
    // A first save without a colour choice keeps the window-text colour.
    QFont wybrana = czcionka(QString(61, u'x'), 14, RekordCzcionki::Pogrubiona | RekordCzcionki::Podkreslona);
    s.czcionka({wybrana, qint32(0xFF000008u)});
    QVERIFY(f.ZapiszFonty(Plik));
    const SkryptDialogi::Wywolanie &w = s.wywolania.constFirst();
    QCOMPARE(w.czcionka.czcionka.family(), QStringLiteral("Tahoma"));
    QCOMPARE(w.czcionka.czcionka.pointSize(), 8);
    QCOMPARE(w.czcionka.kolor, qint32(0xFF000008u));

    const QByteArray r = k.czytaj();
    QCOMPARE(r.size(), 76);
    QCOMPARE(r.left(4), QByteArray("\x08\x00\x00\xff", 4));
    QCOMPARE(quint8(r[4]), quint8(60));
    QCOMPARE(r.mid(5, 60), QByteArray(60, 'x'));
    QCOMPARE(quint8(r[72]), quint8(0x05));
    QCOMPARE(RekordCzcionki::wielkosc(r), 14);
    QCOMPARE(f.rekord(), r);
    QCOMPARE(f.nazwaCzcionki(), QString(60, u'x'));
    QCOMPARE(f.wielkoscCzcionki(), 14);
    QCOMPARE(f.styl(), quint8(0x05));

    // The dialog keeps the font chosen last.
    s.anuluj();
    QVERIFY(f.ZapiszFonty(Plik));
    QCOMPARE(s.wywolania[1].czcionka.czcionka.pointSize(), 14);
    QVERIFY(s.wywolania[1].czcionka.czcionka.bold());
}

void TestCzcionki::dluzszyPlik()
{
    Katalog k;
    // 100 bytes: a record whose insignificant bytes are 0xAA, then 24 more bytes.
    QByteArray r = rekord(0x0000FF, QStringLiteral("Arial"), 10, RekordCzcionki::Kursywa, '\xAA');
    k.zapisz(r + QByteArray(24, '\x55'));
    Tfont_f f;
    QVERIFY(f.CzytajFonty(Plik));
    QCOMPARE(f.rekord(), r);
    QCOMPARE(f.nazwaCzcionki(), QStringLiteral("Arial"));
    QCOMPARE(f.wielkoscCzcionki(), 10);
    QCOMPARE(f.styl(), quint8(RekordCzcionki::Kursywa));
    QCOMPARE(f.kolorDruku(), QColor(255, 0, 0));

    // The next save truncates to 76 bytes; the bytes after the name and the padding
    // keep what was read.
    s.czcionka({czcionka(QStringLiteral("Ar"), 9), 0x00FF00});
    QVERIFY(f.ZapiszFonty(Plik));
    const QByteArray zapisany = k.czytaj();
    QCOMPARE(zapisany.size(), 76);
    QCOMPARE(zapisany.mid(4, 3), QByteArray("\x02" "Ar"));
    QCOMPARE(zapisany.mid(7, 3), QByteArray("ial"));
    QCOMPARE(zapisany.mid(10, 55), QByteArray(55, '\xAA'));
    QCOMPARE(zapisany.mid(65, 3), QByteArray(3, '\xAA'));
    QCOMPARE(zapisany.mid(73, 3), QByteArray(3, '\xAA'));
    QCOMPARE(quint8(zapisany[72]), quint8(0));
}

void TestCzcionki::presetZPliku()
{
    Katalog k;
    k.zapisz(rekord(0x00FF00, QStringLiteral("Courier New"), 16,
                    RekordCzcionki::Pogrubiona | RekordCzcionki::Przekreslona));
    Tfont_f f;
    s.anuluj();
    QVERIFY(f.ZapiszFonty(Plik));
    const WyborCzcionki &w = s.wywolania.constFirst().czcionka;
    QCOMPARE(w.czcionka.family(), QStringLiteral("Courier New"));
    QCOMPARE(w.czcionka.pointSize(), 16);
    QVERIFY(w.czcionka.bold() && w.czcionka.strikeOut());
    QVERIFY(!w.czcionka.italic() && !w.czcionka.underline());
    QCOMPARE(w.kolor, 0x00FF00);
}

void TestCzcionki::anulowanie()
{
    Katalog k;
    Tfont_f f;
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(f.ZapiszFonty(Plik));
    const QByteArray pierwszy = k.czytaj();

    // Another program changed the file; cancelling writes nothing and keeps the current
    // font, while the record in memory has been read afresh.
    const QByteArray inny = rekord(0x0000FF, QStringLiteral("Verdana"), 20, RekordCzcionki::Kursywa);
    k.zapisz(inny);
    s.anuluj();
    QVERIFY(f.ZapiszFonty(Plik));
    QCOMPARE(k.czytaj(), inny);
    QCOMPARE(f.nazwaCzcionki(), QStringLiteral("Arial"));
    QCOMPARE(f.wielkoscCzcionki(), 10);
    QCOMPARE(f.rekord(), inny);
    QVERIFY(pierwszy != inny);
}

void TestCzcionki::brakFolderuFONT()
{
    Katalog k(false);
    Tfont_f f;
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(!f.ZapiszFonty(Plik));
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Invalid filename")});
    QCOMPARE(f.rekord(), QByteArray(76, '\0'));
    QVERIFY(f.nazwaCzcionki().isEmpty());
    QCOMPARE(f.wielkoscCzcionki(), 0);
    QVERIFY(!QDir(k.tmp.filePath(QStringLiteral("FONT"))).exists());
    QVERIFY(QDir(k.tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestCzcionki::krotkiPlik_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::newRow("empty") << 0;
    QTest::newRow("75 bytes") << 75;
}

void TestCzcionki::krotkiPlik()
{
    QFETCH(int, rozmiar);
    Katalog k;
    Tfont_f f;
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(f.ZapiszFonty(Plik));
    const QByteArray przed = f.rekord();
    k.zapisz(QByteArray(rozmiar, '\x01'));

    QVERIFY(!f.CzytajFonty(Plik));
    QVERIFY(!f.ZapiszFonty(Plik)); // the dialog is not shown
    QCOMPARE(s.teksty(QStringLiteral("blad")),
             (QStringList{QStringLiteral("Read beyond end of file"), QStringLiteral("Read beyond end of file")}));
    QCOMPARE(s.teksty(QStringLiteral("czcionka")).size(), 1);
    QCOMPARE(f.rekord(), przed);
    QCOMPARE(f.nazwaCzcionki(), QStringLiteral("Arial"));
    QCOMPARE(k.czytaj().size(), rozmiar);
}

void TestCzcionki::tylkoDoOdczytu()
{
    QString katalog = innyUzytkownik::katalogDziecka();
    std::unique_ptr<Katalog> k;
    if (katalog.isEmpty()) {
        k = std::make_unique<Katalog>();
        k->zapisz(rekord(0, QStringLiteral("Arial"), 10, 0));
        katalog = k->tmp.path();
        innyUzytkownik::udostepnij(katalog, {QStringLiteral("FONT/") + Plik});
        if (innyUzytkownik::uruchomJakoNobody("tylkoDoOdczytu", katalog))
            return;
    }
    QDir::setCurrent(katalog);
    Tfont_f f;
    QVERIFY(!f.CzytajFonty(Plik));
    QVERIFY(!f.ZapiszFonty(Plik));
    QCOMPARE(s.teksty(QStringLiteral("blad")),
             (QStringList{QStringLiteral("File access denied"), QStringLiteral("File access denied")}));
    QVERIFY(f.nazwaCzcionki().isEmpty());
    QCOMPARE(f.rekord(), QByteArray(76, '\0'));
}

void TestCzcionki::wzgledemBiezacegoKatalogu()
{
    Katalog k;
    // Letter case of the folder does not matter.
    QVERIFY(QDir(k.tmp.path()).rename(QStringLiteral("FONT"), QStringLiteral("font")));
    QDir(k.tmp.path()).mkpath(QStringLiteral("drugi/FONT"));
    Tfont_f f;
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(f.ZapiszFonty(Plik));
    QVERIFY(QFile::exists(k.tmp.filePath(QStringLiteral("font/") + Plik)));

    QDir::setCurrent(k.tmp.filePath(QStringLiteral("drugi")));
    QVERIFY(f.CzytajFonty(Plik)); // no file there: the font in memory stays
    QCOMPARE(f.nazwaCzcionki(), QStringLiteral("Arial"));
    s.czcionka({czcionka(QStringLiteral("Verdana"), 12), 0});
    QVERIFY(f.ZapiszFonty(Plik));
    QVERIFY(QFile::exists(k.tmp.filePath(QStringLiteral("drugi/FONT/") + Plik)));
    QCOMPARE(s.wywolania[1].czcionka.czcionka.family(), QStringLiteral("Arial"));
}

void TestCzcionki::prawdziweOkno_data()
{
    QTest::addColumn<QString>("kolor"); // entry of "Kolor:"; empty: cancel
    QTest::addColumn<qint32>("oczekiwany");
    QTest::newRow("no choice keeps the preset") << QStringLiteral("Bieżący") << qint32(0xFF000008u);
    QTest::newRow("red") << QStringLiteral("Czerwony") << qint32(0x0000FF);
    QTest::newRow("navy") << QStringLiteral("Granatowy") << qint32(0x800000);
    QTest::newRow("cancel") << QString() << qint32(0);
}

void TestCzcionki::prawdziweOkno()
{
    QFETCH(QString, kolor);
    QFETCH(qint32, oczekiwany);
    ustawDialogi(nullptr);
    bool znaleziony = false;
    QTimer::singleShot(0, [&] {
        QWidget *okno = QApplication::activeModalWidget();
        if (!okno)
            return;
        znaleziony = true;
        auto *kolory = okno->findChild<QComboBox *>(QStringLiteral("kolor"));
        auto *przyciski = okno->findChild<QDialogButtonBox *>();
        auto *wybor = okno->findChild<QFontDialog *>();
        if (!kolory || !przyciski || !wybor) {
            okno->close();
            return;
        }
        wybor->setCurrentFont(czcionka(QStringLiteral("DejaVu Sans"), 13, RekordCzcionki::Podkreslona));
        if (kolor.isEmpty()) {
            przyciski->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        kolory->setCurrentIndex(kolory->findText(kolor));
        przyciski->button(QDialogButtonBox::Ok)->click();
    });
    PrawdziweDialogi prawdziwe;
    const auto wynik = prawdziwe.czcionka(nullptr, {czcionka(QStringLiteral("Tahoma"), 8), qint32(0xFF000008u)});
    ustawDialogi(&s);
    QVERIFY(znaleziony);
    if (kolor.isEmpty()) {
        QVERIFY(!wynik);
        return;
    }
    QVERIFY(wynik);
    QCOMPARE(wynik->kolor, oczekiwany);
    QCOMPARE(wynik->czcionka.pointSize(), 13);
    QVERIFY(wynik->czcionka.underline());
}

QTEST_MAIN(TestCzcionki)
#include "test_czcionki.moc"
