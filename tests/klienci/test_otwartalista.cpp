// The open list: which file is current, and what each row command and the import leave in
// that file.
#include "../wspolne/pliki.h"
#include "import_do_listy.h"
#include "otwartalista.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Klienci;

class TestOtwartaLista : public QObject
{
    Q_OBJECT
private slots:
    void biezacyPlik();
    void ustawWiersz();
    void wyczyscWiersz();
    void sortuj_data();
    void sortuj();
    void cofnij();
    void cofnijPoObcejZmianie_data();
    void cofnijPoObcejZmianie();
    void importuj_data();
    void importuj();

private:
    // A list file holding rows 1 to 5: four names and a free row 3 with a street.
    QString przykladowyPlik(const QString &nazwa = QStringLiteral("lista.dat"));
    ListaKlientow przykladowaLista() const;
    QTemporaryDir m_tmp;
};

ListaKlientow TestOtwartaLista::przykladowaLista() const
{
    ListaKlientow l = ListaKlientow::nowa();
    const QStringList nazwy{"Żuraw Sp. z o.o.", "Kowalski Jan", "", "Ąbc", "Nowak"};
    for (int w = 0; w < nazwy.size(); ++w) {
        l.ustawTekst(Nazwa1, w, nazwy[w]);
        l.ustawTekst(Ulica, w, QStringLiteral("ul. Długa %1").arg(w + 1));
    }
    return l;
}

QString TestOtwartaLista::przykladowyPlik(const QString &nazwa)
{
    const QString sciezka = m_tmp.filePath(nazwa);
    return zapiszPlik(sciezka, przykladowaLista().dane()) ? sciezka : QString();
}

void TestOtwartaLista::biezacyPlik()
{
    OtwartaLista o;
    QCOMPARE(o.biezacaLista(), QStringLiteral("klienci.dat"));
    QCOMPARE(o.lista(), ListaKlientow());

    // Failures leave the file and the rows as they were.
    const QString krotki = m_tmp.filePath(QStringLiteral("krotki.dat"));
    QVERIFY(zapiszPlik(krotki, QByteArray(Rozmiar - 1, 'x')));
    QCOMPARE(o.otworz(krotki).blad.kod, BladIO::KoniecPliku);
    QCOMPARE(o.utworzNowa(m_tmp.filePath(QStringLiteral("brak/nowa.dat"))).blad.kod, BladIO::ZlaNazwa);
    QCOMPARE(o.biezacaLista(), QStringLiteral("klienci.dat"));
    QCOMPARE(o.lista(), ListaKlientow());

    const QString sciezka = przykladowyPlik();
    QVERIFY(!o.otworz(sciezka));
    QCOMPARE(o.biezacaLista(), sciezka);
    QCOMPARE(o.lista(), przykladowaLista());

    const QString nowa = m_tmp.filePath(QStringLiteral("nowa.dat"));
    QVERIFY(!o.utworzNowa(nowa));
    QCOMPARE(o.biezacaLista(), nowa);
    QCOMPARE(czytajPlik(nowa), ListaKlientow::nowa().dane());
    QCOMPARE(o.lista(), ListaKlientow::nowa());
    QVERIFY(OtwartaLista::usunPlikListy(nowa).ok() && !QFile::exists(nowa));
}

void TestOtwartaLista::ustawWiersz()
{
    const QString sciezka = przykladowyPlik();
    OtwartaLista o;
    QVERIFY(!o.otworz(sciezka));
    TekstyWiersza t;
    t[Lp] = QStringLiteral("999"); // never written
    t[Nazwa1] = QString(85, u'N');
    t[Nip] = QString(25, u'7');
    t[Miejscowosc] = QStringLiteral("Łódź");
    QVERIFY(o.ustawWiersz(11, t).ok());
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(sciezka));
    QCOMPARE(o.lista(), zapisana);
    QCOMPARE(zapisana.tekst(Lp, 11), QStringLiteral("12"));
    QCOMPARE(zapisana.tekst(Nazwa1, 11), QString(80, u'N'));
    QCOMPARE(zapisana.tekst(Nip, 11), QString(20, u'7'));
    QCOMPARE(zapisana.tekst(Miejscowosc, 11), QStringLiteral("Łódź"));
    QCOMPARE(zapisana.tekst(Nazwa1, 1), QStringLiteral("Kowalski Jan"));

    // The same texts again: the file stays byte for byte the same.
    const QByteArray poPierwszym = czytajPlik(sciezka);
    QVERIFY(o.ustawWiersz(11, t).ok());
    QCOMPARE(czytajPlik(sciezka), poPierwszym);

    // A shorter name over a longer one: only the length byte and the characters change.
    t[Nazwa1] = QStringLiteral("Krótki");
    QVERIFY(o.ustawWiersz(11, t).ok());
    QCOMPARE(czytajPlik(sciezka).mid(przesuniecieWpisu(Nazwa1, 11), 10), QByteArray("\x06Kr\xf3tkiNNN"));
}

void TestOtwartaLista::wyczyscWiersz()
{
    const QString sciezka = przykladowyPlik();
    OtwartaLista o;
    QVERIFY(!o.otworz(sciezka));
    QVERIFY(o.wyczyscWiersz(1).ok());
    // The row keeps its number and the bytes after each length byte; nothing else moves.
    ListaKlientow oczekiwana = przykladowaLista();
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        oczekiwana.pole(k, 1)[0] = 0;
    QCOMPARE(czytajPlik(sciezka), oczekiwana.dane());
    QCOMPARE(o.lista(), oczekiwana);
    QCOMPARE(o.pierwszyWolny(), 1);
}

void TestOtwartaLista::sortuj_data()
{
    QTest::addColumn<bool>("odZ");
    QTest::addColumn<QStringList>("linie");
    QTest::newRow("A to Z") << false
                            << QStringList{"01 Ąbc ", "02 Kowalski Jan ", "03 Nowak ", "04 Żuraw Sp. z o.o. ", "05  "};
    QTest::newRow("Z to A") << true
                            << QStringList{"01 Żuraw Sp. z o.o. ", "02 Nowak ", "03 Kowalski Jan ", "04 Ąbc ", "05  "};
}

void TestOtwartaLista::sortuj()
{
    QFETCH(bool, odZ);
    QFETCH(QStringList, linie);
    const QString sciezka = przykladowyPlik();
    OtwartaLista o;
    QVERIFY(!o.otworz(sciezka));
    QVERIFY(o.sortuj(odZ ? Kierunek::OdZDoA : Kierunek::OdADoZ).ok());
    // The file holds the sorted, packed list, and so do the rows in memory.
    QCOMPARE(czytajPlik(sciezka), o.lista().dane());
    QCOMPARE(o.lista().linie().mid(0, 5), linie);
    QCOMPARE(o.lista().tekst(Ulica, 4), QString()); // the free row's street is gone
    QCOMPARE(o.szukaj(QStringLiteral("Nowak")), odZ ? 1 : 2);
}

void TestOtwartaLista::cofnij()
{
    // Add, delete, sort, then undo them one by one: each undo gives the file back byte
    // for byte as it was before that change.
    const QString sciezka = przykladowyPlik();
    OtwartaLista o;
    QVERIFY(!o.otworz(sciezka));
    QList<QByteArray> przed{czytajPlik(sciezka)};
    QVERIFY(o.ustawWiersz(2, {QString(), QStringLiteral("Łęcki")}).ok());
    przed.append(czytajPlik(sciezka));
    QVERIFY(o.wyczyscWiersz(0).ok());
    przed.append(czytajPlik(sciezka));
    QVERIFY(o.sortuj(Kierunek::OdADoZ).ok());
    while (!przed.isEmpty()) {
        QVERIFY(o.cofnij().ok());
        QCOMPARE(czytajPlik(sciezka), przed.takeLast());
    }
    QCOMPARE(o.krokiDoCofniecia(), 0);
}

void TestOtwartaLista::cofnijPoObcejZmianie_data()
{
    // Steps: dN this program writes "MN" into row N, oN another program (a process) writes
    // its row N, i this program imports A and B, s it sorts, u an undo that writes, xN,M an
    // undo refused because rows N and M changed since.
    QTest::addColumn<QString>("kroki");
    QTest::addColumn<QString>("wiersze"); // nazwa1 of rows 1, 2, 3, 4, 10 afterwards: "-" empty, "P" the other's
    QTest::newRow("add, another row, import, undo twice") << "d2 o10 i u u"
                                                          << "- - - - P";
    QTest::newRow("another row between two adds") << "d2 o3 d4 u u"
                                                  << "- - P - -";
    QTest::newRow("the row undone was changed") << "d2 o2 x2"
                                                << "- P - - -";
    QTest::newRow("the import's row was changed") << "d2 i o3 x3"
                                                  << "A M2 P - -";
    QTest::newRow("a sort covers every row") << "d2 s o10 x10"
                                             << "M2 Stały - - P";
}

void TestOtwartaLista::cofnijPoObcejZmianie()
{
    QFETCH(QString, kroki);
    QFETCH(QString, wiersze);
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nazwa1, 4, u"Stały");
    const QString sciezka = m_tmp.filePath(QStringLiteral("obca.dat"));
    QVERIFY(zapiszPlik(sciezka, l.dane()));
    OtwartaLista o;
    QVERIFY(!o.otworz(sciezka));
    const TekstyWiersza ab[] = {{QString(), QStringLiteral("A")}, {QString(), QStringLiteral("B")}};
    for (const QString &krok : kroki.split(u' ')) {
        const QString n = krok.mid(1);
        const QByteArray przed = czytajPlik(sciezka);
        if (krok[0] == u'd')
            QVERIFY(o.ustawWiersz(n.toInt() - 1, {QString(), u'M' + n}).ok());
        else if (krok[0] == u'o')
            QCOMPARE(QProcess::execute(QStringLiteral(LK_BIN_DIR "/wspolna_pisarz"),
                                       {"dodaj", sciezka, "7", QString::number(n.toInt() - 1), n}),
                     0);
        else if (krok[0] == u'i')
            QVERIFY(Wymiana::importujDoListy(o, {ab[0], ab[1]}, {}, [](const Wymiana::PlanImportu &plan, bool, auto &) {
                        return std::optional(plan.wybor);
                    }).zapis.ok());
        else if (krok[0] == u's')
            QVERIFY(o.sortuj(Kierunek::OdADoZ).ok());
        else if (krok[0] == u'u')
            QVERIFY(o.krokiDoCofniecia() > 0 && o.cofnij().ok());
        else { // refused: nothing written, the steps forgotten
            QStringList obce;
            for (int w : o.cofnij().obceWiersze)
                obce << QString::number(w + 1);
            QVERIFY(obce.join(u',') == n && czytajPlik(sciezka) == przed && o.krokiDoCofniecia() == 0);
        }
    }
    ListaKlientow z;
    QVERIFY(!z.wczytaj(sciezka));
    QStringList nazwy;
    for (int w : {0, 1, 2, 3, 9}) {
        const QString t = z.tekst(Nazwa1, w);
        nazwy << (t.isEmpty() ? QStringLiteral("-") : t.startsWith(u"Pisarz") ? QStringLiteral("P") : t);
    }
    QCOMPARE(nazwy.join(u' '), wiersze);
}

void TestOtwartaLista::importuj_data()
{
    using I = Wymiana::ImportDoListy;
    QTest::addColumn<int>("wolne");              // free rows at the top, the rest hold a name
    QTest::addColumn<QList<bool>>("odpowiedzi"); // to each question in turn
    QTest::addColumn<int>("obcy");               // another program saves the list: 1 during the first question, 2 after
    QTest::addColumn<QString>("pytania");        // the rows of each plan asked about; "+": asked again
    QTest::addColumn<int>("koniec");
    QTest::addColumn<QString>("nazwy");       // nazwa1 of rows 1..3 in the file afterwards,
    QTest::addColumn<QString>("poCofnieciu"); // and after "Cofnij"; empty: nothing to undo

    QTest::newRow("saved") << 501 << QList<bool>{true} << 0 << "1 2" << int(I::Zapisano) << "A B -"
                           << "- - -";
    QTest::newRow("cancelled") << 501 << QList<bool>{false} << 0 << "1 2" << int(I::Anulowano) << "- - -"
                               << "";
    QTest::newRow("full list") << 0 << QList<bool>{} << 0 << "" << int(I::BrakMiejsca) << "P P P"
                               << "";
    QTest::newRow("changed during the preview")
        << 501 << QList<bool>{true, true} << 1 << "1 2|2 3 +" << int(I::Zapisano) << "Obcy A B"
        << "Obcy - -";
    QTest::newRow("changed, then cancelled")
        << 501 << QList<bool>{true, false} << 1 << "1 2|2 3 +" << int(I::Anulowano) << "Obcy - -"
        << "";
    QTest::newRow("changed, then full") << 1 << QList<bool>{true} << 1 << "1" << int(I::BrakMiejsca) << "Obcy P P"
                                        << "";
    QTest::newRow("undo after a foreign save") << 501 << QList<bool>{true} << 2 << "1 2" << int(I::Zapisano) << "A B -"
                                               << "Obcy B -";
}

void TestOtwartaLista::importuj()
{
    QFETCH(int, wolne);
    QFETCH(QList<bool>, odpowiedzi);
    QFETCH(int, obcy);
    QFETCH(QString, pytania);
    QFETCH(int, koniec);
    QFETCH(QString, nazwy);
    QFETCH(QString, poCofnieciu);

    ListaKlientow l = ListaKlientow::nowa();
    for (int w = wolne; w < LiczbaWierszy; ++w)
        l.ustawTekst(Nazwa1, w, u"P");
    const QString sciezka = m_tmp.filePath(QStringLiteral("import.dat"));
    QVERIFY(zapiszPlik(sciezka, l.dane()));
    OtwartaLista o, inny;
    QVERIFY(!o.otworz(sciezka) && !inny.otworz(sciezka));
    const TekstyWiersza obcyWiersz{QString(), QStringLiteral("Obcy")};
    const auto wPliku = [&] {
        ListaKlientow z;
        QStringList n;
        if (!z.wczytaj(sciezka))
            for (int w = 0; w < 3; ++w)
                n << (z.tekst(Nazwa1, w).isEmpty() ? QStringLiteral("-") : z.tekst(Nazwa1, w));
        return n.join(u' ');
    };

    QStringList zadane;
    const Wymiana::ImportDoListy w = Wymiana::importujDoListy(
        o, {{QString(), QStringLiteral("A")}, {QString(), QStringLiteral("B")}}, {},
        [&](const Wymiana::PlanImportu &plan, bool ponownie, auto &) {
            QStringList wiersze;
            for (int r : plan.wiersze)
                wiersze << QString::number(r + 1);
            zadane << wiersze.join(u' ') + (ponownie ? QStringLiteral(" +") : QString());
            if (obcy == 1 && zadane.size() == 1)
                inny.ustawWiersz(plan.wiersze.first(), obcyWiersz);
            return odpowiedzi.value(zadane.size() - 1) ? std::optional(plan.wybor) : std::nullopt;
        });
    QCOMPARE(zadane.join(u'|'), pytania);
    QCOMPARE(int(w.koniec), koniec);
    QCOMPARE(wPliku(), nazwy);
    QCOMPARE(o.krokiDoCofniecia(), poCofnieciu.isEmpty() ? 0 : 1);
    if (poCofnieciu.isEmpty())
        return;
    QCOMPARE(o.lista().dane(), czytajPlik(sciezka));
    if (obcy == 2) // undoing would overwrite the other program's row: nothing is written
        QVERIFY(inny.ustawWiersz(0, obcyWiersz).ok());
    const QByteArray przed = czytajPlik(sciezka);
    QCOMPARE(o.cofnij().obcaZmiana(), obcy == 2);
    QVERIFY(obcy != 2 || czytajPlik(sciezka) == przed);
    QCOMPARE(wPliku(), poCofnieciu);
}

QTEST_GUILESS_MAIN(TestOtwartaLista)
#include "test_otwartalista.moc"
