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
#include <QScrollArea>
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

// The captions file holding the example data root's captions.
QByteArray podpisyPrzykladu()
{
    QByteArray r(PodpisyInfo::Rozmiar, '\0');
    const char *p[] = {"Telefon", "E-mail", "Osoba", "Bank", "P\xb3\x61tno\x9c\xe6", "Uwagi"};
    for (int i = 0; i < PodpisyInfo::Liczba; ++i) {
        r[i * 11] = char(qstrlen(p[i]));
        memcpy(r.data() + i * 11 + 1, p[i], qstrlen(p[i]));
    }
    return r;
}

// Builds the real preview, lets `sprawdz` look and click, then answers as its buttons say.
auto podgladZ(std::function<void(OknoImportu &)> sprawdz)
{
    return [sprawdz](QWidget *rodzic, const WynikWczytania &w, const PlanImportu &plan, const ZaplanujPonownie &z,
                     const PodpisyPol &podpisy) -> std::optional<WyborImportu> {
        OknoImportu okno(w, plan, z, podpisy, rodzic);
        sprawdz(okno);
        if (okno.result() != QDialog::Accepted)
            return std::nullopt;
        return okno.wybor();
    };
}

QString komorka(OknoImportu &okno, int wiersz, int kolumna)
{
    const QTableWidgetItem *p = kontrolka<QTableWidget>(&okno, "tabela")->item(wiersz, kolumna);
    return p ? p->text() : QStringLiteral("(brak)");
}

} // namespace

class TestOknaWymiany : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_okno.reset(), m_katalog.reset(), sprawdzSkrypt(m_skrypt); }
    void import_data();
    void import();
    void mapowanieKolumn_data();
    void mapowanieKolumn();
    void powtorzenia();
    void katalogiPlikow();
    void naEkranie_data();
    void naEkranie();
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
    o->oknaWymiany.podglad = [](auto &&...) {
        return QTest::qFail("podgląd", __FILE__, __LINE__), std::optional<WyborImportu>();
    };
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
        QStringList tabela{komorka(okno, 0, 1), komorka(okno, 2, 1), komorka(okno, 0, 2),
                           komorka(okno, 0, 3), komorka(okno, 2, 2), komorka(okno, 1, 6)};
        QCOMPARE(tabela,
                 (QStringList{"4", "6", "Żółć Sp. z o.o.", "00-950 Łódź", "???? Kowalczyk", "skrócone: Nazwa 1"}));
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
        kontrolka<QPushButton>(&okno, importuj ? "importuj" : "anuluj")->click();
    };
    if (informacje.isEmpty())
        o->oknaWymiany.podglad = podgladZ(sprawdz);
    kliknij("SpeedButton20");

    QCOMPARE(m_skrypt.teksty("informacja"), informacje);
    const bool zapisano = importuj && informacje.isEmpty();
    QCOMPARE(czytajPlik(plikListy), zapisano ? oczekiwana.dane() : przed.dane());
    // The list box shows what the file holds.
    QCOMPARE(o->listaKlientow().dane(), czytajPlik(plikListy));
    QCOMPARE(kontrolka<QListWidget>(o, "lista")->item(3)->text().contains(QStringLiteral("Żółć")), zapisano);
}

void TestOknaWymiany::mapowanieKolumn_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("proponowane"); // the choices preset, by their names
    QTest::addColumn<int>("zmien");               // a column set to the "E-mail" column by the user
    QTest::addColumn<QStringList>("wiersz4");     // nazwa1, info1 (Telefon), info2 (E-mail), miejscowosc
    // A header with a column nothing recognises: the phone goes to the captioned column.
    QTest::newRow("nieznana kolumna") << QByteArray("Firma,Komórka,Kolor\r\nAlfa,600100200,x@alfa.pl\r\n")
                                      << QStringList{"Nazwa 1", "Telefon", "(pomiń)"} << 3
                                      << QStringList{"Alfa", "600100200", "x@alfa.pl", ""};
    // No header: the first row is data, not lost as a header.
    QTest::newRow("bez nagłówka") << QByteArray("Alfa;600100200;Opole\r\nBeta;;Nysa\r\n")
                                  << QStringList{"(pomiń)", "(pomiń)", "(pomiń)"} << -1
                                  << QStringList{"Alfa", "600100200", "", "Opole"};
}

void TestOknaWymiany::mapowanieKolumn()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, proponowane);
    QFETCH(int, zmien);
    QFETCH(QStringList, wiersz4);
    QVERIFY(m_katalog->zapisz(QStringLiteral("Admini/info.dat"), podpisyPrzykladu()));
    const QString plikListy = otworz(lista(), csv);
    o->oknaWymiany.mapowanie = [&](QWidget *rodzic, const WynikWczytania &w, const PodpisyPol &podpisy) {
        OknoMapowania okno(w, podpisy, rodzic);
        QStringList nazwy;
        for (int k = 1; k <= 3; ++k)
            nazwy << kontrolka<QComboBox>(&okno, qPrintable(QStringLiteral("kolumna%1").arg(k)))->currentText();
        if (nazwy != proponowane)
            return QTest::qFail(qPrintable(nazwy.join(u'|')), __FILE__, __LINE__), std::optional<QList<int>>();
        const auto wybor = [&](int k) {
            return kontrolka<QComboBox>(&okno, qPrintable(QStringLiteral("kolumna%1").arg(k)));
        };
        if (zmien > 0)
            wybor(zmien)->setCurrentIndex(wybor(zmien)->findText(u"E-mail"_qs));
        else
            for (int k : {1, 2, 3})
                wybor(k)->setCurrentIndex(wybor(k)->findData(QList<int>{Nazwa1, Info1, Miejscowosc}[k - 1]));
        return std::optional(okno.mapowanie());
    };
    o->oknaWymiany.podglad = podgladZ([](OknoImportu &okno) { okno.accept(); });
    kliknij("SpeedButton20");

    ListaKlientow zapisana;
    QVERIFY(zapisana.wczytaj(plikListy).ok());
    const QStringList jest{zapisana.tekst(Nazwa1, 3), zapisana.tekst(Info1, 3), zapisana.tekst(Info2, 3),
                           zapisana.tekst(Miejscowosc, 3)};
    QCOMPARE(jest, wiersz4);
}

void TestOknaWymiany::powtorzenia()
{
    // The file's first client is on the list already (row 1, written another way): the
    // preview leaves it out and marks it; ticked, it is imported all the same.
    ListaKlientow l = lista();
    l.ustawTekst(Nazwa1, 0, QStringLiteral("ŻÓŁĆ sp. z o.o."));
    l.ustawTekst(Miejscowosc, 0, QStringLiteral("Łódź"));
    const QString plikListy = otworz(l);
    QStringList widziane;
    o->oknaWymiany.podglad = podgladZ([&](OknoImportu &okno) {
        auto *tabela = kontrolka<QTableWidget>(&okno, "tabela");
        auto *przycisk = kontrolka<QPushButton>(&okno, "importuj");
        const auto stan = [&] {
            widziane << QStringLiteral("%1 %2 %3 %4")
                            .arg(tabela->item(0, 0)->checkState() == Qt::Checked ? "tak" : "nie", komorka(okno, 0, 1),
                                 komorka(okno, 1, 1), przycisk->isEnabled() ? "+" : "-");
        };
        stan();
        widziane << komorka(okno, 0, tabela->columnCount() - 1);
        tabela->item(0, 0)->setCheckState(Qt::Checked);
        stan();
        przycisk->click();
    });
    kliknij("SpeedButton20");
    QCOMPARE(widziane,
             (QStringList{"nie — 4 +", "już na liście w wierszu 1 (ta sama nazwa i miejscowość)", "tak 4 5 +"}));
    ListaKlientow zapisana;
    QVERIFY(zapisana.wczytaj(plikListy).ok());
    QCOMPARE(zapisana.tekst(Nazwa1, 3), QStringLiteral("Żółć Sp. z o.o."));
}

void TestOknaWymiany::katalogiPlikow()
{
    // The user's documents folder the first time, then where the user last was.
    const QByteArray dom = qgetenv("HOME"), konfiguracja = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", m_katalog->korzen().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_katalog->sciezka(u".config"_qs).toUtf8());
    QVERIFY(QDir(m_katalog->korzen()).mkpath(u"Documents"_qs) && QDir(m_katalog->korzen()).mkpath(u"inny"_qs));
    otworz(lista());
    o->oknaWymiany.eksport = [](QWidget *, int, const QList<int> &z) { return std::optional(OpcjeEksportu{z}); };
    m_skrypt.wyczysc();
    m_skrypt.plik(m_katalog->sciezka(u"inny/k.csv"_qs)).anuluj();
    kliknij("SpeedButton19");
    kliknij("SpeedButton20");
    qputenv("HOME", dom);
    qputenv("XDG_CONFIG_HOME", konfiguracja);
    QCOMPARE(m_skrypt.wywolania.value(0).plik.katalog, m_katalog->sciezka(u"Documents"_qs));
    QCOMPARE(m_skrypt.wywolania.value(2).plik.katalog, m_katalog->sciezka(u"inny"_qs));
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
    o->oknaWymiany.podglad = podgladZ([&](OknoImportu &okno) {
        pokazane.append(kontrolka<QLabel>(&okno, "podsumowanie")->text());
        if (pokazane.size() > 1 || zapiszPlik(plikListy, l.dane()))
            okno.accept();
    });
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

void TestOknaWymiany::naEkranie_data()
{
    QTest::addColumn<QString>("plik");
    QTest::newRow("kolumny pliku Google") << "import-csv-google/plik.csv";
    QTest::newRow("podgląd 498 kart") << "import-vcard21-telefon/plik.vcf";
}

void TestOknaWymiany::naEkranie()
{
    // However many columns or clients, the dialog fits a 1024 × 768 screen and its buttons
    // are in view: the lists scroll.
    QFETCH(QString, plik);
    QFile f(QStringLiteral(LK_ZLOTE "/") + plik);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const WynikWczytania w = wczytajKlientow(f.readAll(), {});
    std::unique_ptr<QDialog> okno;
    if (w.format == Format::Csv)
        okno = std::make_unique<OknoMapowania>(w, PodpisyPol{});
    else
        okno = std::make_unique<OknoImportu>(w, zaplanujImport(lista(), w.klienci), ZaplanujPonownie(), PodpisyPol{});
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
    QVERIFY2(okno->width() <= 1024 && okno->height() <= 768,
             qPrintable(QStringLiteral("%1 × %2").arg(okno->width()).arg(okno->height())));
    auto *przycisk = kontrolka<QPushButton>(okno.get(), "anuluj");
    QVERIFY(okno->rect().contains(QRect(przycisk->mapTo(okno.get(), QPoint()), przycisk->size())));
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
    const WynikWczytania w = wczytajKlientow(Csv, {});
    QVERIFY(!prawdziwe.podglad(o, w, zaplanujImport(lista(), w.klienci), {}, {}));
}

QTEST_MAIN(TestOknaWymiany)
#include "test_oknawymiany.moc"
