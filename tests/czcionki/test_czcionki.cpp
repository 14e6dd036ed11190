// The print-font record, the print-font state with its chooser and the font dialog's colour choice.

#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "fontydruku.h"
#include "kontekst.h"
#include "rekordczcionki.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDialog>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString Plik = QStringLiteral("font_zentar.dat");
const QString WFont = QStringLiteral("FONT/font_zentar.dat");

QFont czcionka(const QString &nazwa, int wielkosc, quint8 styl = 0)
{
    QFont f(nazwa);
    f.setPointSize(wielkosc);
    RekordCzcionki::ustawStyl(f, styl);
    return f;
}

QByteArray rekord(qint32 kolor, const QString &nazwa, qint32 wielkosc, quint8 styl, char wypelnienie = '\0')
{
    QByteArray r(RekordCzcionki::Rozmiar, wypelnienie);
    RekordCzcionki::wpisz(r, czcionka(nazwa, wielkosc, styl), kolor);
    return r;
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
    void zapiszPierwszyRaz();
    void dluzszyPlik();
    void presetZPliku();
    void anulowanie();
    void brakFolderuFONT();
    void bladOdczytu_data();
    void bladOdczytu();
    void wzgledemKataloguRoboczego();
    void prawdziweOkno_data();
    void prawdziweOkno();

private:
    SkryptDialogi s;
};

void TestCzcionki::init()
{
    zacznijSkrypt(s);
}

void TestCzcionki::cleanup()
{
    sprawdzSkrypt(s);
}

void TestCzcionki::zapisRekordu_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<int>("wielkosc");
    QTest::addColumn<int>("styl");
    QTest::addColumn<qint32>("kolor");
    QTest::addColumn<QByteArray>("oczekiwane"); // colour, face; then size at 68, style at 72
    QTest::newRow("window text, none") << QStringLiteral("Tahoma") << 8 << 0 << qint32(0xFF000008u)
                                       << QByteArray("\x08\x00\x00\xff\x06Tahoma", 11);
    QTest::newRow("bold + underline") << QStringLiteral("Arial") << 12 << 0x05 << qint32(0x0000FF)
                                      << QByteArray("\xff\x00\x00\x00\x05"
                                                    "Arial",
                                                    10);
    QTest::newRow("italic + strike-out") << QStringLiteral("Łódź Sans") << 300 << 0x0A << qint32(0x123456)
                                         << QByteArray("\x56\x34\x12\x00\x09\xa3\xf3"
                                                       "d\x9f Sans",
                                                       14);
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
    QCOMPARE(r.mid(68, 5), QByteArray::fromRawData(reinterpret_cast<const char *>(&wielkosc), 4) + char(styl));
    QCOMPARE(r.mid(65, 3) + r.mid(73, 3), QByteArray(6, '\0'));
    QCOMPARE(RekordCzcionki::nazwa(r), nazwa);
    QCOMPARE(RekordCzcionki::wielkosc(r), wielkosc);
    QCOMPARE(RekordCzcionki::kolor(r), kolor);
    QCOMPARE(int(RekordCzcionki::styl(r)), styl);
}

void TestCzcionki::kolory_data()
{
    QTest::addColumn<qint32>("zapis");
    QTest::addColumn<QColor>("kolor");
    const QPalette p = QGuiApplication::palette();
    QTest::newRow("red") << qint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("mixed") << qint32(0x804020) << QColor(0x20, 0x40, 0x80);
    QTest::newRow("window text") << qint32(0xFF000008u) << p.color(QPalette::Active, QPalette::WindowText);
    QTest::newRow("button face") << qint32(0xFF00000Fu) << p.color(QPalette::Active, QPalette::Button);
}

void TestCzcionki::kolory()
{
    QFETCH(qint32, zapis);
    QFETCH(QColor, kolor);
    QCOMPARE(kolorZZapisu(zapis), kolor);
}

void TestCzcionki::poczatek()
{
    // Nothing read yet, and a missing file changes nothing and creates nothing.
    KatalogTestu k({QStringLiteral("FONT")});
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    QVERIFY(f.CzytajFonty(nullptr, Plik));
    QVERIFY(!QFile::exists(k.sciezka(WFont)));
    QCOMPARE(f.czcionka().rekord, QByteArray(76, '\0'));
    QVERIFY(f.czcionka().kroj.isEmpty());
    QCOMPARE(f.czcionka().rozmiar, 0);
    QCOMPARE(f.czcionka().styl(), quint8(0));
    QCOMPARE(kolorZZapisu(f.czcionka().kolor()), QColor(Qt::black));
    QCOMPARE(f.FontDialog1().czcionka.family(), QStringLiteral("Tahoma"));
    QCOMPARE(f.FontDialog1().czcionka.pointSize(), 8);
    QCOMPARE(f.FontDialog1().kolor, qint32(0xFF000008u));
}

void TestCzcionki::zapiszPierwszyRaz()
{
    KatalogTestu k({QStringLiteral("FONT")});
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    // A first save without a colour choice keeps the window-text colour.
    s.czcionka({czcionka(QString(61, u'x'), 14, RekordCzcionki::Pogrubiona | RekordCzcionki::Podkreslona),
                qint32(0xFF000008u)});
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    const SkryptDialogi::Wywolanie &w = s.wywolania.constFirst();
    QCOMPARE(w.czcionka.czcionka.family(), QStringLiteral("Tahoma"));
    QCOMPARE(w.czcionka.czcionka.pointSize(), 8);

    const QByteArray r = k.czytaj(WFont);
    QCOMPARE(r.size(), 76);
    QCOMPARE(r.left(65), QByteArray("\x08\x00\x00\xff\x3c", 5) + QByteArray(60, 'x'));
    QCOMPARE(quint8(r[72]), quint8(0x05));
    QCOMPARE(RekordCzcionki::wielkosc(r), 14);
    QCOMPARE(f.czcionka().rekord, r);
    QCOMPARE(f.czcionka().kroj, QString(60, u'x'));
    QCOMPARE(f.czcionka().rozmiar, 14);
    QCOMPARE(f.czcionka().styl(), quint8(0x05));

    // The dialog keeps the font chosen last.
    s.anuluj();
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    QCOMPARE(s.wywolania[1].czcionka.czcionka.pointSize(), 14);
    QVERIFY(s.wywolania[1].czcionka.czcionka.bold());
}

void TestCzcionki::dluzszyPlik()
{
    KatalogTestu k({QStringLiteral("FONT")});
    // 100 bytes: a record whose insignificant bytes are 0xAA, then 24 more bytes.
    const QByteArray r = rekord(0x0000FF, QStringLiteral("Arial"), 10, RekordCzcionki::Kursywa, '\xAA');
    QVERIFY(k.zapisz(WFont, r + QByteArray(24, '\x55')));
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    QVERIFY(f.CzytajFonty(nullptr, Plik));
    QCOMPARE(f.czcionka().rekord, r);
    QCOMPARE(f.czcionka().kroj, QStringLiteral("Arial"));
    QCOMPARE(f.czcionka().rozmiar, 10);
    QCOMPARE(f.czcionka().styl(), quint8(RekordCzcionki::Kursywa));
    QCOMPARE(kolorZZapisu(f.czcionka().kolor()), QColor(255, 0, 0));

    // The next save truncates to 76 bytes; the bytes after the name and the padding
    // keep what was read.
    s.czcionka({czcionka(QStringLiteral("Ar"), 9), 0x00FF00});
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    const QByteArray zapisany = k.czytaj(WFont);
    QCOMPARE(zapisany.size(), 76);
    QCOMPARE(zapisany.mid(4, 6), QByteArray("\x02"
                                            "Arial"));
    QCOMPARE(zapisany.mid(10, 58), QByteArray(58, '\xAA'));
    QCOMPARE(zapisany.mid(72), QByteArray("\0\xAA\xAA\xAA", 4));
}

void TestCzcionki::presetZPliku()
{
    KatalogTestu k({QStringLiteral("FONT")});
    QVERIFY(k.zapisz(WFont, rekord(0x00FF00, QStringLiteral("Courier New"), 16,
                                   RekordCzcionki::Pogrubiona | RekordCzcionki::Przekreslona)));
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    s.anuluj();
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    const WyborCzcionki &w = s.wywolania.constFirst().czcionka;
    QCOMPARE(w.czcionka.family(), QStringLiteral("Courier New"));
    QCOMPARE(w.czcionka.pointSize(), 16);
    QVERIFY(w.czcionka.bold() && w.czcionka.strikeOut() && !w.czcionka.italic() && !w.czcionka.underline());
    QCOMPARE(w.kolor, 0x00FF00);
}

void TestCzcionki::anulowanie()
{
    KatalogTestu k({QStringLiteral("FONT")});
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    // Another program changed the file; cancelling writes nothing and keeps the current
    // font, while the record in memory has been read afresh.
    const QByteArray inny = rekord(0x0000FF, QStringLiteral("Verdana"), 20, RekordCzcionki::Kursywa);
    QVERIFY(k.zapisz(WFont, inny));
    s.anuluj();
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    QCOMPARE(k.czytaj(WFont), inny);
    QCOMPARE(f.czcionka().kroj, QStringLiteral("Arial"));
    QCOMPARE(f.czcionka().rozmiar, 10);
    QCOMPARE(f.czcionka().rekord, inny);
}

void TestCzcionki::brakFolderuFONT()
{
    KatalogTestu k(QStringList{});
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(!f.ZapiszFonty(nullptr, Plik));
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Invalid filename")});
    QCOMPARE(f.czcionka().rekord, QByteArray(76, '\0'));
    QVERIFY(f.czcionka().kroj.isEmpty());
    QCOMPARE(f.czcionka().rozmiar, 0);
    QVERIFY(QDir(k.korzen()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty()); // no FONT made
}

void TestCzcionki::bladOdczytu_data()
{
    QTest::addColumn<int>("rozmiar");
    QTest::newRow("empty") << 0;
    QTest::newRow("75 bytes") << 75;
}

void TestCzcionki::bladOdczytu()
{
    // Reading fails: reported, the font in memory stays, and saving shows no dialog.
    QFETCH(int, rozmiar);
    KatalogTestu k({QStringLiteral("FONT")});
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    const QByteArray przed = f.czcionka().rekord;
    QVERIFY(k.zapisz(WFont, QByteArray(rozmiar, '\x01')));

    QVERIFY(!f.CzytajFonty(nullptr, Plik));
    QVERIFY(!f.ZapiszFonty(nullptr, Plik));
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList(2, QStringLiteral("Read beyond end of file")));
    QCOMPARE(s.teksty(QStringLiteral("czcionka")).size(), 1);
    QCOMPARE(f.czcionka().rekord, przed);
    QCOMPARE(f.czcionka().kroj, QStringLiteral("Arial"));
    QCOMPARE(k.czytaj(WFont).size(), rozmiar);
}

void TestCzcionki::wzgledemKataloguRoboczego()
{
    // The file is found from the working directory, whatever the folder's letter case.
    KatalogTestu k({QStringLiteral("font"), QStringLiteral("drugi/FONT")});
    Kontekst kt(QDir::currentPath());
    FontyDruku f(kt, s);
    s.czcionka({czcionka(QStringLiteral("Arial"), 10), 0});
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    QVERIFY(QFile::exists(k.sciezka(QStringLiteral("font/") + Plik)));

    kt.przejdzDo(k.sciezka(QStringLiteral("drugi")));
    QVERIFY(f.CzytajFonty(nullptr, Plik)); // no file there: the font in memory stays
    QCOMPARE(f.czcionka().kroj, QStringLiteral("Arial"));
    s.czcionka({czcionka(QStringLiteral("Verdana"), 12), 0});
    QVERIFY(f.ZapiszFonty(nullptr, Plik));
    QVERIFY(QFile::exists(k.sciezka(QStringLiteral("drugi/") + WFont)));
    QCOMPARE(s.wywolania[1].czcionka.czcionka.family(), QStringLiteral("Arial"));
}

void TestCzcionki::prawdziweOkno_data()
{
    QTest::addColumn<QString>("kolor"); // entry of "Kolor:"; empty: cancel
    QTest::addColumn<qint32>("oczekiwany");
    QTest::newRow("no choice keeps the preset") << QStringLiteral("Bieżący") << qint32(0xFF000008u);
    QTest::newRow("navy") << QStringLiteral("Granatowy") << qint32(0x800000);
    QTest::newRow("cancel") << QString() << qint32(0);
}

void TestCzcionki::prawdziweOkno()
{
    QFETCH(QString, kolor);
    QFETCH(qint32, oczekiwany);
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
        if (!kolor.isEmpty())
            kolory->setCurrentIndex(kolory->findText(kolor));
        przyciski->button(kolor.isEmpty() ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
    });
    PrawdziweDialogi prawdziwe;
    const auto wynik = prawdziwe.czcionka(nullptr, {czcionka(QStringLiteral("Tahoma"), 8), qint32(0xFF000008u)});
    QVERIFY(znaleziony);
    QCOMPARE(wynik.has_value(), !kolor.isEmpty());
    if (wynik) {
        QCOMPARE(wynik->kolor, oczekiwany);
        QCOMPARE(wynik->czcionka.pointSize(), 13);
        QVERIFY(wynik->czcionka.underline());
    }
}

QTEST_MAIN(TestCzcionki)
#include "test_czcionki.moc"
