// "Eksport" and "Import" of the client list window. The window's own dialogs are replaced
// through Tdokumenty::oknaWymiany by functions that build the real dialog, set its
// controls, press its button and return its answer, so nothing runs exec().
#include "../wspolne/kontrolki.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "kontekst.h"
#include "tdokumenty.h"
#include "zakres_wierszy.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

using namespace Klienci;
using namespace Wymiana;

namespace {

// Rows 1 to `zajete` named, row 3 also a street (an import keeps off it), the rest free.
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
// Three clients: Polish letters, a name over its capacity, letters Windows-1250 lacks.
const QByteArray Csv = "\xEF\xBB\xBF"
                       + QStringLiteral("Nazwa 1;Miejscowość;NIP\r\nŻółć Sp. z o.o.;00-950 Łódź;123\r\n"
                                        "%1;Gdańsk;\r\nИван Kowalczyk;Kraków;9\r\n")
                             .arg(DlugaNazwa)
                             .toUtf8();

} // namespace

class TestOknaWymiany : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_okno.reset(), m_katalog.reset(), sprawdzSkrypt(m_skrypt); }
    void import_data();
    void import();
    void mapowanieKolumn();
    void innyProgramZajalWiersz();
    void eksport_data();
    void eksport();
    void prawdziweOkna();

private:
    // Opens the list with "Czytaj listę", writes the CSV file and answers the import's file dialog.
    QString otworz(const ListaKlientow &l, const QByteArray &csv = Csv);
    void kliknij(const char *nazwa) { QTest::mouseClick(kontrolka<QToolButton>(o, nazwa), Qt::LeftButton); }

    std::unique_ptr<KatalogTestu> m_katalog;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Kontekst> m_kontekst;
    std::unique_ptr<Tdokumenty> m_okno;
    Tdokumenty *o = nullptr;
};

void TestOknaWymiany::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"Admini", "Firmy"});
    zacznijSkrypt(m_skrypt);
    m_kontekst = std::make_unique<Kontekst>(QDir::currentPath());
    m_okno = std::make_unique<Tdokumenty>(*m_kontekst, m_skrypt);
    o = m_okno.get();
    o->show();
    QVERIFY(QTest::qWaitForWindowExposed(o));
    // A dialog the test did not expect fails it instead of waiting for a user.
    o->oknaWymiany.eksport = [](auto &&...) {
        return QTest::qFail("eksport", __FILE__, __LINE__), std::optional<OpcjeEksportu>();
    };
    o->oknaWymiany.mapowanie = [](auto &&...) {
        return QTest::qFail("mapowanie", __FILE__, __LINE__), std::optional<QList<int>>();
    };
    o->oknaWymiany.podglad = [](auto &&...) { return QTest::qFail("podgląd", __FILE__, __LINE__), false; };
}

QString TestOknaWymiany::otworz(const ListaKlientow &l, const QByteArray &csv)
{
    const QString sciezka = m_katalog->sciezka(QStringLiteral("Firmy/lista.dat"));
    if (!zapiszPlik(sciezka, l.dane()) || !m_katalog->zapisz(QStringLiteral("k.csv"), csv))
        return {};
    m_skrypt.plik(sciezka);
    kliknij("SpeedButton11");
    m_skrypt.plik(m_katalog->sciezka(QStringLiteral("k.csv")));
    return sciezka;
}

void TestOknaWymiany::import_data()
{
    QTest::addColumn<int>("zajete");
    QTest::addColumn<bool>("importuj"); // the button pressed in the preview
    QTest::addColumn<QStringList>("informacje");
    QTest::newRow("importuj") << 2 << true << QStringList{};
    QTest::newRow("anuluj") << 2 << false << QStringList{};
    QTest::newRow("pełna lista") << LiczbaWierszy << false
                                 << QStringList{"Na liście brak wolnego miejsca. Lista nie została zmieniona."};
}

void TestOknaWymiany::import()
{
    QFETCH(int, zajete);
    QFETCH(bool, importuj);
    QFETCH(QStringList, informacje);
    const ListaKlientow przed = lista(zajete);
    const QString plikListy = otworz(przed);
    // What the core says the list must hold afterwards.
    ListaKlientow oczekiwana = przed;
    zastosujPlan(oczekiwana, zaplanujImport(przed, wczytajKlientow(Csv, {}).klienci));

    const auto sprawdz = [&](OknoImportu &okno) {
        // Rows 4 to 6 (row 3 holds a street), names as stored.
        const auto tekst = [&](int w, int k) { return kontrolka<QTableWidget>(&okno, "tabela")->item(w, k)->text(); };
        QStringList tabela{tekst(0, 0), tekst(2, 0), tekst(0, 1), tekst(0, 3), tekst(2, 1)};
        QCOMPARE(tabela, (QStringList{"4", "6", "Żółć Sp. z o.o.", "00-950 Łódź", "???? Kowalczyk"}));
        QVERIFY(kontrolka<QLabel>(&okno, "podsumowanie")->text().contains(QStringLiteral("wierszach: 4-6.")));
        QCOMPARE(kontrolka<QPlainTextEdit>(&okno, "uwagi")->toPlainText(),
                 "Wiersz 5, Nazwa 1: skrócone do „" + DlugaNazwa.left(80)
                     + "”\nWiersz 6, Nazwa 1: znaki spoza Windows-1250, zapisane jako "
                       "„???? Kowalczyk”");
        if (!qEnvironmentVariableIsEmpty("LK_ZRZUT_PODGLADU")) { // the README's picture
            okno.show();
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            okno.grab().save(qEnvironmentVariable("LK_ZRZUT_PODGLADU"));
        }
    };
    if (informacje.isEmpty())
        o->oknaWymiany.podglad = [&](QWidget *rodzic, const PlanImportu &plan, const PodpisyPol &podpisy) {
            OknoImportu okno(plan, podpisy, rodzic);
            sprawdz(okno);
            kontrolka<QPushButton>(&okno, importuj ? "importuj" : "anuluj")->click();
            return okno.result() == QDialog::Accepted;
        };
    kliknij("SpeedButton20");

    QCOMPARE(m_skrypt.teksty("informacja"), informacje);
    const bool zapisano = importuj && informacje.isEmpty();
    QCOMPARE(czytajPlik(plikListy), zapisano ? oczekiwana.dane() : przed.dane());
    // The list box shows what the file holds.
    QCOMPARE(o->listaKlientow().dane(), czytajPlik(plikListy));
    QCOMPARE(kontrolka<QListWidget>(o, "lista")->item(3)->text().contains(QStringLiteral("Żółć")), zapisano);
}

void TestOknaWymiany::mapowanieKolumn()
{
    const QString plikListy = otworz(lista(), "Firma,Komorka,Miasto\r\nAlfa,600100200,Opole\r\n");
    o->oknaWymiany.mapowanie = [&](QWidget *rodzic, const WynikWczytania &w) {
        OknoMapowania okno(w.naglowek, w.mapowanie, w.nierozpoznane, rodzic);
        // Preset with the automatic mapping; the unknown column marked and skipped.
        auto *komorka = kontrolka<QComboBox>(&okno, "kolumna2");
        if (okno.mapowanie() != QList<int>{Nazwa1, Pomin, Miejscowosc} || komorka->accessibleName() != "Komorka *")
            return std::optional<QList<int>>();
        komorka->setCurrentIndex(komorka->findData(int(Info2)));
        return std::optional(okno.mapowanie());
    };
    o->oknaWymiany.podglad = [](auto &&...) { return true; };
    kliknij("SpeedButton20");

    ListaKlientow zapisana;
    QVERIFY(zapisana.wczytaj(plikListy).ok());
    const QStringList wiersz4{zapisana.tekst(Nazwa1, 3), zapisana.tekst(Info2, 3), zapisana.tekst(Miejscowosc, 3)};
    QCOMPARE(wiersz4, (QStringList{"Alfa", "600100200", "Opole"}));
}

void TestOknaWymiany::innyProgramZajalWiersz()
{
    // Rows 4 to 6 free; another program fills row 4 while the first preview is open. Under
    // the lock the import plans again on the file and shows the new plan before it writes;
    // the client left without a row may go to a file of its own.
    ListaKlientow l = lista(LiczbaWierszy);
    for (int w : {3, 4, 5})
        l.ustawTekst(Nazwa1, w, QString());
    const QString plikListy = otworz(l);
    l.ustawTekst(Nazwa1, 3, QStringLiteral("Inny program"));
    QStringList pokazane;
    o->oknaWymiany.podglad = [&](QWidget *rodzic, const PlanImportu &plan, const PodpisyPol &podpisy) {
        const OknoImportu okno(plan, podpisy, rodzic);
        pokazane.append(kontrolka<QLabel>(&okno, "podsumowanie")->text());
        return pokazane.size() > 1 || zapiszPlik(plikListy, l.dane());
    };
    const QString reszta = m_katalog->sciezka(QStringLiteral("reszta.csv"));
    m_skrypt.tak().plik(reszta);
    kliknij("SpeedButton20");

    QCOMPARE(pokazane, (QStringList{"Klientów w pliku: 3. Zostaną zapisani w wierszach: 4-6.",
                                    "Klientów w pliku: 3. Zostaną zapisani w wierszach: 5-6.\n"
                                    "Nie mieści się na liście (brak wolnych wierszy): 1."}));
    QCOMPARE(m_skrypt.teksty("pytanie"),
             QStringList{"Klientów, którzy nie zmieścili się na liście: 1. Zapisać ich do osobnego pliku CSV ?"});
    QCOMPARE(m_skrypt.teksty("informacja").value(1), "Zapisano klientów: 1 do pliku " + reszta + ".");
    const QStringList wiersze{o->listaKlientow().tekst(Nazwa1, 3), o->listaKlientow().tekst(Nazwa1, 4)};
    QCOMPARE(wiersze, (QStringList{"Inny program", "Żółć Sp. z o.o."}));
    QCOMPARE(kontrolka<QListWidget>(o, "lista")->currentRow(), 4);
    QCOMPARE(wczytajPlikKlientow(reszta, {}).klienci.value(0)[Nazwa1], QStringLiteral("Иван Kowalczyk"));
}

void TestOknaWymiany::eksport_data()
{
    QTest::addColumn<int>("wybor");      // 0 all rows with text, 1 the row shown, 2 typed rows
    QTest::addColumn<QString>("zakres"); // typed rows; also the choice of ',' as separator
    QTest::addColumn<bool>("vcard");
    QTest::addColumn<QList<int>>("wiersze"); // exported, or {-1}: the dialog refuses
    QTest::newRow("wszystkie csv") << 0 << "" << false << QList<int>{0, 1, 2};
    QTest::newRow("wskazany vcard") << 1 << "" << true << QList<int>{0};
    QTest::newRow("zakres odwrotny") << 2 << "9-2" << false << QList<int>{-1};
    QTest::newRow("zakres, puste pominięte") << 2 << " 2 - 9,2, 501" << false << QList<int>{1, 2};
    QTest::newRow("zakres błędny") << 2 << "1,,a" << false << QList<int>{-1};
}

void TestOknaWymiany::eksport()
{
    QFETCH(int, wybor);
    QFETCH(QString, zakres);
    QFETCH(bool, vcard);
    QFETCH(QList<int>, wiersze);
    ListaKlientow l = lista();
    l.ustawTekst(Miejscowosc, 0, QStringLiteral("Łódź; \"Bałuty\""));
    otworz(l);
    m_skrypt.wyczysc();
    const QChar separator = zakres.isEmpty() ? u';' : u',';
    QString uwaga;
    o->oknaWymiany.eksport = [&](QWidget *rodzic, int wiersz, const QList<int> &zTekstem) {
        OknoEksportu okno(wiersz, zTekstem, rodzic);
        QTest::keyClicks(kontrolka<QLineEdit>(&okno, "zakres"), zakres);
        const char *wybory[] = {"wszystkie", "biezacy", "wybrane"};
        kontrolka<QRadioButton>(&okno, wybory[wybor])->setChecked(true);
        kontrolka<QRadioButton>(&okno, vcard ? "vcard" : "csv")->setChecked(true);
        auto *separatory = kontrolka<QComboBox>(&okno, "separator");
        separatory->setCurrentIndex(separatory->findData(separator));
        uwaga = kontrolka<QLabel>(&okno, "uwaga")->text();
        return okno.opcje();
    };
    const QString plik = m_katalog->sciezka(vcard ? QStringLiteral("k.vcf") : QStringLiteral("k.csv"));
    if (wiersze != QList<int>{-1})
        m_skrypt.plik(plik);
    kliknij("SpeedButton19");

    QCOMPARE(m_skrypt.wywolania.isEmpty(), wiersze == QList<int>{-1});
    if (wiersze == QList<int>{-1}) {
        // Refused with the core's word on the typed rows.
        QString blad;
        QVERIFY(!parsujWiersze(zakres, LiczbaWierszy, &blad));
        QCOMPARE(uwaga, QStringLiteral("Wiersze: %1.").arg(blad));
        return;
    }
    QCOMPARE(m_skrypt.wywolania.value(0).plik.filtr,
             vcard ? QStringLiteral("vCard (*.vcf)") : QStringLiteral("CSV (*.csv)"));
    QCOMPARE(m_skrypt.teksty("informacja"),
             QStringList{QStringLiteral("Zapisano klientów: %1 do pliku %2.").arg(wiersze.size()).arg(plik)});
    QCOMPARE(czytajPlik(plik), vcard ? eksportVcard(l, wiersze, {}) : eksportCsv(l, wiersze, {}, separator));
}

void TestOknaWymiany::prawdziweOkna()
{
    // The real dialogs open modally and give their answer; here a timer answers them.
    const OknaWymiany prawdziwe;
    const auto odpowiedz = [](bool tak) {
        QTimer::singleShot(0, [tak] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                tak ? d->accept() : d->reject();
        });
    };
    odpowiedz(true);
    QCOMPARE(prawdziwe.eksport(o, 0, {0, 2}).value_or(OpcjeEksportu{}).wiersze, (QList<int>{0, 2}));
    odpowiedz(false);
    QVERIFY(!prawdziwe.podglad(o, zaplanujImport(lista(), wczytajKlientow(Csv, {}).klienci), {}));
}

QTEST_MAIN(TestOknaWymiany)
#include "test_oknawymiany.moc"
