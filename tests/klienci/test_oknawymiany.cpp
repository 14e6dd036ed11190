// "Eksport" and "Import" of the client list window, with scripted dialogs: the window's
// own dialogs are replaced through Tdokumenty::oknaWymiany by functions that build the
// real dialog, set its controls, press its button and return its answer (no exec()).
#include "../wspolne/kontrolki.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "kontekst.h"
#include "oknawymiany.h"
#include "tdokumenty.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Klienci;
using namespace Wymiana;

namespace {

// Rows 1-2 named, row 3 only a street (an import keeps off it), the rest free.
ListaKlientow lista(int zajete = 2)
{
    ListaKlientow l = ListaKlientow::nowa();
    for (int w = 0; w < zajete; ++w)
        l.ustawTekst(Nazwa1, w, QStringLiteral("Klient %1").arg(w + 1));
    l.ustawTekst(Ulica, 2, QStringLiteral("ul. Bez Nazwy"));
    return l;
}

// 97 characters, 80 fit.
const QString DlugaNazwa = QStringLiteral("Przedsiębiorstwo Produkcyjno-Handlowo-Usługowe „Świętokrzyska Spółdzielnia "
                                          "Ogrodnicza” Sp. z o.o.");

// Three clients, Polish letters, a name over its capacity, a letter Windows-1250 lacks.
const QByteArray Csv = QByteArray("\xEF\xBB\xBF") + QStringLiteral(
    "Nazwa 1;Miejscowość;NIP\r\n"
    "Żółć Sp. z o.o.;00-950 Łódź;123\r\n"
    "%1;Gdańsk;\r\n"
    "Иван Kowalczyk;Kraków;9\r\n").arg(DlugaNazwa).toUtf8();

} // namespace

class TestOknaWymiany : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void zakresWierszy_data();
    void zakresWierszy();
    void import_data();
    void import();
    void mapowanieKolumn();
    void niemieszczacy();
    void listaZmienionaWMiedzyczasie();
    void eksport_data();
    void eksport();

private:
    QString otworz(const ListaKlientow &l);
    QListWidget *listaOkna() const { return kontrolka<QListWidget>(o, "lista"); }
    void kliknij(const char *nazwa) { QTest::mouseClick(kontrolka<QToolButton>(o, nazwa), Qt::LeftButton); }

    std::unique_ptr<KatalogTestu> m_katalog;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Kontekst> m_kontekst;
    std::unique_ptr<Tdokumenty> m_okno;
    Tdokumenty *o = nullptr;
    int m_podglady = 0;
};

void TestOknaWymiany::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"Admini", "Firmy"});
    zacznijSkrypt(m_skrypt);
    m_kontekst = std::make_unique<Kontekst>(QDir::currentPath());
    m_okno = std::make_unique<Tdokumenty>(*m_kontekst);
    o = m_okno.get();
    o->zakonczProces = [] {};
    o->show();
    QVERIFY(QTest::qWaitForWindowExposed(o));
    // No dialog of the window's own may open unless the test function says how to answer.
    o->oknaWymiany.eksport = [](QWidget *, int, const QList<int> &) -> std::optional<OpcjeEksportu> {
        qWarning("unexpected export dialog");
        return std::nullopt;
    };
    o->oknaWymiany.mapowanie = [](QWidget *, const WynikWczytania &) -> std::optional<QList<int>> {
        qWarning("unexpected mapping dialog");
        return std::nullopt;
    };
    m_podglady = 0;
    o->oknaWymiany.podglad = [this](QWidget *, const PlanImportu &, const PodpisyPol &) {
        ++m_podglady;
        return false;
    };
}

void TestOknaWymiany::cleanup()
{
    m_okno.reset();
    o = nullptr;
    m_katalog.reset();
    sprawdzSkrypt(m_skrypt);
}

QString TestOknaWymiany::otworz(const ListaKlientow &l)
{
    const QString sciezka = m_katalog->sciezka(QStringLiteral("Firmy/lista.dat"));
    if (!zapiszPlik(sciezka, l.dane()))
        return {};
    m_skrypt.plik(sciezka);
    kliknij("SpeedButton11");
    return sciezka;
}

void TestOknaWymiany::zakresWierszy_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QList<int>>("wiersze"); // {-1}: refused
    QTest::newRow("zakres i wiersz") << "1-3,57" << QList<int>{0, 1, 2, 56};
    QTest::newRow("spacje, powtórzenia") << " 5 - 6 , 5,1 " << QList<int>{0, 4, 5};
    QTest::newRow("ostatni") << "501" << QList<int>{500};
    QTest::newRow("zero") << "0" << QList<int>{-1};
    QTest::newRow("za duży") << "500-502" << QList<int>{-1};
    QTest::newRow("odwrotnie") << "3-1" << QList<int>{-1};
    QTest::newRow("pusty element") << "1,,2" << QList<int>{-1};
    QTest::newRow("litery") << "a" << QList<int>{-1};
    QTest::newRow("pusty") << "" << QList<int>{-1};
}

void TestOknaWymiany::zakresWierszy()
{
    QFETCH(QString, tekst);
    QFETCH(QList<int>, wiersze);
    QCOMPARE(parsujZakresWierszy(tekst).value_or(QList<int>{-1}), wiersze);
}

void TestOknaWymiany::import_data()
{
    QTest::addColumn<int>("zajete");
    QTest::addColumn<bool>("importuj"); // the button pressed in the preview
    QTest::addColumn<int>("podglady");
    QTest::addColumn<QStringList>("informacje");
    QTest::newRow("importuj") << 2 << true << 1 << QStringList{};
    QTest::newRow("anuluj") << 2 << false << 1 << QStringList{};
    QTest::newRow("pełna lista") << LiczbaWierszy << true << 0
                                 << QStringList{"Na liście brak wolnego miejsca. Lista nie została zmieniona."};
}

void TestOknaWymiany::import()
{
    QFETCH(int, zajete);
    QFETCH(bool, importuj);
    QFETCH(int, podglady);
    QFETCH(QStringList, informacje);

    const ListaKlientow przed = lista(zajete);
    const QString plikListy = otworz(przed);
    QVERIFY(!plikListy.isEmpty());
    const QString plikCsv = m_katalog->sciezka(QStringLiteral("klienci.csv"));
    QVERIFY(zapiszPlik(plikCsv, Csv));

    // What the core says the list must hold afterwards.
    const WynikWczytania wczytane = wczytajKlientow(Csv, {});
    QVERIFY(wczytane.ok());
    ListaKlientow oczekiwana = przed;
    zastosujPlan(oczekiwana, zaplanujImport(przed, wczytane.klienci));

    o->oknaWymiany.podglad = [&](QWidget *rodzic, const PlanImportu &plan, const PodpisyPol &podpisy) {
        ++m_podglady;
        OknoImportu okno(plan, podpisy, rodzic);
        // Rows 4, 5, 6 (row 3 holds a street); names as stored.
        [&] {
            QCOMPARE(okno.tabela->rowCount(), 3);
            QCOMPARE(okno.tabela->item(0, 0)->text(), QStringLiteral("4"));
            QCOMPARE(okno.tabela->item(2, 0)->text(), QStringLiteral("6"));
            QCOMPARE(okno.tabela->item(0, 1)->text(), QStringLiteral("Żółć Sp. z o.o."));
            QCOMPARE(okno.tabela->item(0, 3)->text(), QStringLiteral("00-950 Łódź"));
            QCOMPARE(okno.tabela->item(2, 1)->text(), QStringLiteral("???? Kowalczyk"));
            QVERIFY(okno.podsumowanie->text().contains(QStringLiteral("wierszach: 4-6.")));
            const QString uwagi = okno.uwagi->toPlainText();
            QVERIFY2(uwagi.contains(QStringLiteral("Wiersz 5, Nazwa 1: skrócone do „")), qPrintable(uwagi));
            QVERIFY2(uwagi.contains(QStringLiteral("Wiersz 6, Nazwa 1: znaki spoza Windows-1250, zapisane jako „???? Kowalczyk”")),
                     qPrintable(uwagi));
        }();
        if (!qEnvironmentVariableIsEmpty("LK_ZRZUT_PODGLADU")) {
            okno.show();
            [&] { QVERIFY(QTest::qWaitForWindowExposed(&okno)); }();
            okno.grab().save(qEnvironmentVariable("LK_ZRZUT_PODGLADU"));
        }
        (importuj ? okno.importuj : okno.anuluj)->click();
        return okno.result() == QDialog::Accepted;
    };
    m_skrypt.plik(plikCsv);
    kliknij("SpeedButton20");

    QCOMPARE(m_podglady, podglady);
    QCOMPARE(m_skrypt.teksty("informacja"), informacje);
    QVERIFY(m_skrypt.teksty("blad").isEmpty());
    const bool zapisano = importuj && podglady > 0;
    QCOMPARE(czytajPlik(plikListy), zapisano ? oczekiwana.dane() : przed.dane());
    // The list box shows the rows the file holds.
    QCOMPARE(listaOkna()->item(3)->text().contains(QStringLiteral("Żółć")), zapisano);
    QCOMPARE(o->listaKlientow().dane(), czytajPlik(plikListy));
    if (zapisano)
        QCOMPARE(listaOkna()->currentRow(), 3);
}

void TestOknaWymiany::mapowanieKolumn()
{
    const QString plikListy = otworz(lista());
    const QString plikCsv = m_katalog->sciezka(QStringLiteral("k.csv"));
    QVERIFY(zapiszPlik(plikCsv, QByteArray("Firma,Komorka,Miasto\r\nAlfa,600100200,Opole\r\n")));

    int mapowania = 0;
    o->oknaWymiany.mapowanie = [&](QWidget *rodzic, const WynikWczytania &w) -> std::optional<QList<int>> {
        ++mapowania;
        OknoMapowania okno(w.naglowek, w.mapowanie, w.nierozpoznane, rodzic);
        // Prefilled with the automatic mapping; the unknown column marked and skipped.
        if (okno.wybory.size() != 3 || okno.mapowanie() != QList<int>{Nazwa1, Pomin, Miejscowosc}
            || okno.wybory[1]->accessibleName() != QStringLiteral("Komorka *"))
            return std::nullopt;
        okno.wybory[1]->setCurrentIndex(okno.wybory[1]->findData(int(Info2)));
        return okno.mapowanie();
    };
    PlanImportu pokazany;
    o->oknaWymiany.podglad = [&](QWidget *, const PlanImportu &plan, const PodpisyPol &) {
        pokazany = plan;
        return true;
    };
    m_skrypt.plik(plikCsv);
    kliknij("SpeedButton20");

    QCOMPARE(mapowania, 1);
    QCOMPARE(pokazany.wiersze, QList<int>{3});
    ListaKlientow zapisana;
    QVERIFY(zapisana.wczytaj(plikListy).ok());
    QCOMPARE(zapisana.tekst(Nazwa1, 3), QStringLiteral("Alfa"));
    QCOMPARE(zapisana.tekst(Info2, 3), QStringLiteral("600100200"));
    QCOMPARE(zapisana.tekst(Miejscowosc, 3), QStringLiteral("Opole"));
}

void TestOknaWymiany::niemieszczacy()
{
    // One importable row: the other two clients are offered a file of their own.
    ListaKlientow l = lista(LiczbaWierszy);
    l.ustawTekst(Nazwa1, 200, QString());
    const QString plikListy = otworz(l);
    const QString plikCsv = m_katalog->sciezka(QStringLiteral("k.csv"));
    const QString reszta = m_katalog->sciezka(QStringLiteral("reszta.csv"));
    QVERIFY(zapiszPlik(plikCsv, Csv));
    o->oknaWymiany.podglad = [](QWidget *rodzic, const PlanImportu &plan, const PodpisyPol &podpisy) {
        OknoImportu okno(plan, podpisy, rodzic);
        return okno.podsumowanie->text().contains(QStringLiteral("Nie mieści się na liście (brak wolnych wierszy): 2."));
    };
    m_skrypt.plik(plikCsv).tak().plik(reszta);
    kliknij("SpeedButton20");

    QCOMPARE(m_skrypt.teksty("pytanie"),
             QStringList{"Klientów, którzy nie zmieścili się na liście: 2. Zapisać ich do osobnego pliku CSV ?"});
    QCOMPARE(m_skrypt.teksty("informacja"), QStringList{"Zapisano klientów: 2 do pliku " + reszta + "."});
    QCOMPARE(o->listaKlientow().tekst(Nazwa1, 200), QStringLiteral("Żółć Sp. z o.o."));
    const WynikWczytania zapisani = wczytajPlikKlientow(reszta, {});
    QVERIFY(zapisani.ok());
    QCOMPARE(zapisani.klienci.size(), 2);
    QCOMPARE(zapisani.klienci[0][Nazwa1], DlugaNazwa);
    QCOMPARE(zapisani.klienci[1][Nazwa1], QStringLiteral("Иван Kowalczyk"));
}

void TestOknaWymiany::listaZmienionaWMiedzyczasie()
{
    // Another program saves a client into row 4 while the first preview is open: the
    // import plans again on the file under the lock and shows the new rows.
    const QString plikListy = otworz(lista());
    const QString plikCsv = m_katalog->sciezka(QStringLiteral("k.csv"));
    QVERIFY(zapiszPlik(plikCsv, Csv));
    QList<QList<int>> pokazane;
    o->oknaWymiany.podglad = [&](QWidget *, const PlanImportu &plan, const PodpisyPol &) {
        pokazane.append(plan.wiersze);
        if (pokazane.size() == 1) {
            ListaKlientow inna = lista();
            inna.ustawTekst(Nazwa1, 3, QStringLiteral("Inny program"));
            zapiszPlik(plikListy, inna.dane());
        }
        return true;
    };
    m_skrypt.plik(plikCsv);
    kliknij("SpeedButton20");

    QCOMPARE(pokazane, (QList<QList<int>>{{3, 4, 5}, {4, 5, 6}}));
    QCOMPARE(m_skrypt.teksty("informacja").size(), 1);
    QCOMPARE(o->listaKlientow().tekst(Nazwa1, 3), QStringLiteral("Inny program"));
    QCOMPARE(o->listaKlientow().tekst(Nazwa1, 4), QStringLiteral("Żółć Sp. z o.o."));
    QCOMPARE(listaOkna()->currentRow(), 4);
}

void TestOknaWymiany::eksport_data()
{
    QTest::addColumn<QString>("wybor"); // which radio button
    QTest::addColumn<QString>("zakres");
    QTest::addColumn<bool>("vcard");
    QTest::addColumn<QList<int>>("wiersze");
    QTest::newRow("wszystkie csv") << "wszystkie" << "" << false << QList<int>{0, 1, 2};
    QTest::newRow("wskazany vcard") << "biezacy" << "" << true << QList<int>{0};
    // Empty rows in the range are skipped.
    QTest::newRow("zakres csv ,") << "wybrane" << "2-9" << false << QList<int>{1, 2};
}

void TestOknaWymiany::eksport()
{
    QFETCH(QString, wybor);
    QFETCH(QString, zakres);
    QFETCH(bool, vcard);
    QFETCH(QList<int>, wiersze);

    ListaKlientow l = lista();
    l.ustawTekst(Miejscowosc, 0, QStringLiteral("Łódź; \"Bałuty\""));
    otworz(l);
    const QChar separator = zakres.isEmpty() ? u';' : u',';
    o->oknaWymiany.eksport = [&](QWidget *rodzic, int wiersz, const QList<int> &zTekstem) {
        OknoEksportu okno(wiersz, zTekstem, rodzic);
        (wybor == "wszystkie" ? okno.wszystkie : wybor == "biezacy" ? okno.biezacy : okno.wybrane)->setChecked(true);
        okno.zakres->setText(zakres);
        (vcard ? okno.vcard : okno.csv)->setChecked(true);
        okno.separator->setCurrentIndex(okno.separator->findData(separator));
        return okno.opcje();
    };
    const QString plik = m_katalog->sciezka(vcard ? QStringLiteral("k.vcf") : QStringLiteral("k.csv"));
    m_skrypt.plik(plik);
    kliknij("SpeedButton19");

    QCOMPARE(m_skrypt.wywolania.size(), 3); // open the list, save the export, the notice
    QCOMPARE(m_skrypt.wywolania[1].plik.filtr, vcard ? QStringLiteral("vCard (*.vcf)") : QStringLiteral("CSV (*.csv)"));
    QCOMPARE(m_skrypt.teksty("informacja"),
             QStringList{QStringLiteral("Zapisano klientów: %1 do pliku %2.").arg(wiersze.size()).arg(plik)});
    const PodpisyPol podpisy{};
    QCOMPARE(czytajPlik(plik), vcard ? eksportVcard(l, wiersze, podpisy) : eksportCsv(l, wiersze, podpisy, separator));
}

QTEST_MAIN(TestOknaWymiany)
#include "test_oknawymiany.moc"
