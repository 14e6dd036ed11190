// "Koperty dla wielu": the chooser (filter, select all/none on the lines shown, the count,
// the rows in list order) and the window's command with a scripted chooser, printed to PDF.

#include "../wspolne/kontrolki.h"
#include "../wspolne/pdf.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "drukowanie.h"
#include "kontekst.h"
#include "polaczenia.h"
#include "rekordczcionki.h"
#include "tdokumenty.h"
#include "tkoperta_f.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace Klienci;

// Rows 1, 3, 4 and 6 hold addresses; row 2 only a tax number, row 5 nothing.
static ListaKlientow lista()
{
    ListaKlientow l = ListaKlientow::nowa();
    const QStringList wiersze[] = {{"Żabiński Łukasz", "Usługi", "ul. Źródlana 7", "90-001 Łódź"},
                                   {},
                                   {"Kowalczyk Anna", "", "ul. Krótka 2", "30-001 Kraków"},
                                   {"", "", "ul. Bez Nazwy 1", "ŁOMŻA"},
                                   {},
                                   {"Ąbecki Marian", "Sklep", "ul. Wąska 15", "80-001 Gdańsk"}};
    for (int w = 0; w < 6; ++w)
        for (int k = 0; k < wiersze[w].size(); ++k)
            l.ustawTekst(Nazwa1 + k, w, wiersze[w][k]);
    l.ustawTekst(Nip, 1, u"123");
    return l;
}

class TestWyborKlientow : public QObject
{
    Q_OBJECT
private slots:
    void wybor_data();
    void wybor();
    void koperty_data();
    void koperty();
};

void TestWyborKlientow::wybor_data()
{
    QTest::addColumn<QString>("filtr");
    QTest::addColumn<QStringList>("widoczne");
    QTest::addColumn<QList<int>>("poOdznaczeniu"); // all chosen, then "Odznacz wszystkie"
    QTest::newRow("no filter") << QString()
                               << QStringList{"01 Żabiński Łukasz Usługi, 90-001 Łódź",
                                              "03 Kowalczyk Anna, 30-001 Kraków", "04 ŁOMŻA",
                                              "06 Ąbecki Marian Sklep, 80-001 Gdańsk"}
                               << QList<int>{};
    QTest::newRow("letter case, Polish letters")
        << "łÓ" << QStringList{"01 Żabiński Łukasz Usługi, 90-001 Łódź"} << QList<int>{2, 3, 5};
    QTest::newRow("row number, two words; not the street")
        << "06 ąbecki" << QStringList{"06 Ąbecki Marian Sklep, 80-001 Gdańsk"} << QList<int>{0, 2, 3};
}

void TestWyborKlientow::wybor()
{
    QFETCH(QString, filtr);
    QFETCH(QStringList, widoczne);
    QFETCH(QList<int>, poOdznaczeniu);
    WyborKlientow w(lista());
    auto *wiersze = kontrolka<QListWidget>(&w, "wiersze");
    auto *licznik = kontrolka<QLabel>(&w, "licznik");
    auto *drukuj = kontrolka<QPushButton>(&w, "drukuj");
    QVERIFY(!drukuj->isEnabled());
    // Two lines ticked by the space bar, the later one first: they come back in list order.
    w.show();
    for (int i : {3, 1}) {
        wiersze->setCurrentRow(i);
        QTest::keyClick(wiersze, Qt::Key_Space);
    }
    QCOMPARE(w.wybraneWiersze(), (QList<int>{2, 5}));
    QCOMPARE(licznik->text(), QStringLiteral("Wybrano: 2 z 4"));
    QVERIFY(drukuj->isEnabled());
    w.zaznaczWidoczne(true);

    // The filter typed into its field; "Odznacz wszystkie" acts on the lines shown only.
    kontrolka<QLineEdit>(&w, "filtr")->setText(filtr);
    QStringList pokazane;
    for (int i = 0; i < wiersze->count(); ++i)
        if (!wiersze->item(i)->isHidden())
            pokazane.append(wiersze->item(i)->text());
    QCOMPARE(pokazane, widoczne);
    QTest::mouseClick(kontrolka<QPushButton>(&w, "odznaczWszystkie"), Qt::LeftButton);
    QCOMPARE(w.wybraneWiersze(), poOdznaczeniu);
    QCOMPARE(licznik->text(), QStringLiteral("Wybrano: %1 z 4").arg(poOdznaczeniu.size()));
    QCOMPARE(drukuj->isEnabled(), !poOdznaczeniu.isEmpty());
    QTest::mouseClick(kontrolka<QPushButton>(&w, "zaznaczWszystkie"), Qt::LeftButton);
    QCOMPARE(w.wybraneWiersze(), (QList<int>{0, 2, 3, 5}));
    // Opened again for labels, the choice made before is checked, hidden lines too.
    w.zaznacz({5, 3});
    QCOMPARE(w.wybraneWiersze(), (QList<int>{3, 5}));
    QCOMPARE(licznik->text(), QStringLiteral("Wybrano: 2 z 4"));
}

void TestWyborKlientow::koperty_data()
{
    QTest::addColumn<QByteArray>("firma");
    QTest::addColumn<QList<int>>("wybrane");
    QTest::addColumn<QString>("blad");
    const QByteArray firma = rekordFirmy(QStringLiteral("Nadawca"), QStringLiteral("ul. Polna 2"), QString());
    QTest::newRow("three rows, one job") << firma << QList<int>{0, 3, 5} << QString();
    QTest::newRow("chooser cancelled") << firma << QList<int>{} << QString();
    QTest::newRow("short firm record: no chooser")
        << QByteArray(305, 'A') << QList<int>{0} << QStringLiteral("Read beyond end of file");
}

void TestWyborKlientow::koperty()
{
    QFETCH(QByteArray, firma);
    QFETCH(QList<int>, wybrane);
    QFETCH(QString, blad);
    KatalogTestu katalog({"Admini", "Firmy", "FONT"});
    QByteArray czcionka(RekordCzcionki::Rozmiar, '\0');
    RekordCzcionki::wpisz(czcionka, QFont(QStringLiteral("DejaVu Sans"), 10), 0);
    QVERIFY(katalog.zapisz(QStringLiteral("FONT/font_zentar.dat"), czcionka));
    QVERIFY(katalog.zapisz(QStringLiteral("Admini/firma.dat"), firma));
    QVERIFY(katalog.zapisz(QStringLiteral("Firmy/klienci.dat"), lista().dane()));

    SkryptDialogi skrypt;
    zacznijSkrypt(skrypt);
    Kontekst kontekst(QDir::currentPath());
    WspolnaDrukarka drukarka;
    Tdokumenty okno(kontekst, skrypt);
    Tkoperta_f koperta(kontekst, skrypt, drukarka);
    okno.ustawKoperte(polaczKoperte([&]() -> Tkoperta_f & { return koperta; }));
    QTest::mouseClick(kontrolka<QRadioButton>(&koperta, "RadioButton1"), Qt::LeftButton);
    skrypt.plik(katalog.sciezka(QStringLiteral("Firmy/klienci.dat")));
    QTest::mouseClick(kontrolka<QToolButton>(&okno, "SpeedButton11"), Qt::LeftButton);
    int zapytania = 0;
    okno.wybierzDoKopert = [&](QWidget *, const ListaKlientow &l) {
        ++zapytania;
        return l == lista() ? wybrane : QList<int>{};
    };
    const QString pdf = katalog.sciezka(QStringLiteral("koperty.pdf"));
    if (!wybrane.isEmpty() && blad.isEmpty())
        skrypt.drukarka([&](QPrinter *d) { doPdf(*d, pdf); }).nie(); // no preview first
    QTest::mouseClick(kontrolka<QToolButton>(&okno, "SpeedButton18"), Qt::LeftButton);

    QCOMPARE(zapytania, blad.isEmpty() ? 1 : 0);
    QCOMPARE(skrypt.teksty(QStringLiteral("blad")), blad.isEmpty() ? QStringList() : QStringList{blad});
    QCOMPARE(katalog.czytaj(QStringLiteral("Firmy/klienci.dat")), lista().dane());
    // One page per row in the order chosen, each with the firm and its own recipient.
    const QStringList strony =
        QFile::exists(pdf)
            ? uruchom(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(u'\f', Qt::SkipEmptyParts)
            : QStringList();
    QCOMPARE(strony.size(), blad.isEmpty() ? wybrane.size() : 0);
    for (int i = 0; i < strony.size(); ++i)
        QVERIFY2(strony[i].contains(u"Nadawca") && strony[i].contains(lista().tekst(Ulica, wybrane[i])),
                 qPrintable(strony[i]));
    sprawdzSkrypt(skrypt);
}

QTEST_MAIN(TestWyborKlientow)
#include "test_wyborklientow.moc"
