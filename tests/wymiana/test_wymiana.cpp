// Clients in and out: CSV and vCard round trips, real-world shaped inputs, the import
// plan on a full list, bad inputs, and peers reading what we write.
#include "wymiana.h"

#include "tekst.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Klienci;
using namespace Wymiana;

namespace {

const PodpisyPol kPodpisy{QStringLiteral("Telefon"), QStringLiteral("E-mail"), QString(),
                          QStringLiteral("Uwagi"),   QStringLiteral("NIP"),    QStringLiteral("Telefon")};

TekstyWiersza klient(const QStringList &pola)
{
    TekstyWiersza t;
    for (int k = 0; k < pola.size(); ++k)
        t[Nazwa1 + k] = pola[k];
    return t;
}

// A client's 12 columns joined by '|', for readable comparisons.
QString opisz(const TekstyWiersza &t)
{
    QStringList s;
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        s.append(t[k]);
    while (!s.isEmpty() && s.last().isEmpty())
        s.removeLast();
    return s.join(u'|');
}

QStringList opisz(const QList<TekstyWiersza> &k)
{
    QStringList s;
    for (const TekstyWiersza &t : k)
        s.append(opisz(t));
    return s;
}

// Rows from index 0 on, including texts at capacity, Polish letters and the characters
// each format must quote or escape.
ListaKlientow listaProbna()
{
    ListaKlientow l = ListaKlientow::nowa();
    const QString pelne80 = QString(QStringLiteral("Zażółć gęślą jaźń; \"„”\\,")).repeated(4).left(80);
    l.kopiujDoWiersza(
        0, klient({pelne80, pelne80, pelne80, QStringLiteral("00-950 ") + pelne80.left(73), QString(20, u'9'),
                   QString(QStringLiteral("Ą;ę,\"x\\ ")).repeated(13).left(100), QString(40, u'ł'), QString(40, u'€'),
                   QString(40, u';'), QString(40, u','), QString(40, u'"'), QString(40, u'Ż')}));
    l.kopiujDoWiersza(
        1, klient({QStringLiteral("Kowalski"), {}, QStringLiteral("  ul. Polna 1 "), QStringLiteral("00-001")}));
    l.kopiujDoWiersza(2, klient({{},
                                 QStringLiteral("tylko druga linia"),
                                 {},
                                 QStringLiteral("00-001  Łódź"),
                                 {},
                                 QStringLiteral("NIP: 5")}));
    l.kopiujDoWiersza(3, klient({QStringLiteral("Bez adresu"),
                                 {},
                                 {},
                                 {},
                                 QStringLiteral("123"),
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 QStringLiteral("x")}));
    return l;
}

} // namespace

class TestWymiana : public QObject
{
    Q_OBJECT

private slots:
    void kolko_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("csv ;") << "csv;";
        QTest::newRow("csv ,") << "csv,";
        QTest::newRow("vcard") << "vcard";
    }

    // Export, then import into a new list: the same rows byte for byte in every column.
    void kolko()
    {
        QFETCH(QString, format);
        const ListaKlientow zrodlo = listaProbna();
        const QList<int> wiersze = wierszeZTekstem(zrodlo);
        QCOMPARE(wiersze, (QList<int>{0, 1, 2, 3}));
        const QByteArray plik = format == u"vcard" ? eksportVcard(zrodlo, wiersze, kPodpisy)
                                                   : eksportCsv(zrodlo, wiersze, kPodpisy, format.back());
        if (format == u"vcard") {
            for (const QByteArray &linia : plik.split('\n')) {
                QVERIFY2(linia.size() <= 76, linia.constData()); // 75 and the CR
                QStringDecoder utf8(QStringDecoder::Utf8);
                (void)utf8.decode(linia);
                QVERIFY2(!utf8.hasError(), linia.constData());
            }
        } else {
            QVERIFY(plik.startsWith(QByteArray("\xEF\xBB\xBFLp") + format.back().toLatin1() + "Nazwa 1"));
        }
        const WynikWczytania w = wczytajKlientow(plik, kPodpisy);
        QVERIFY2(w.ok(), qPrintable(w.blad));
        QVERIFY(w.nierozpoznane.isEmpty());
        QCOMPARE(w.klienci.size(), 4);

        ListaKlientow cel = ListaKlientow::nowa();
        const PlanImportu plan = zaplanujImport(cel, w.klienci);
        QCOMPARE(plan.wiersze, wiersze);
        QVERIFY(plan.uwagi.isEmpty());
        zastosujPlan(cel, plan);
        for (int r : wiersze)
            for (int k = 0; k < LiczbaKolumn; ++k)
                QCOMPARE(cel.bajty(k, r), zrodlo.bajty(k, r));
        QCOMPARE(cel, zrodlo);
    }

    void przyklady_data()
    {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<QStringList>("klienci");

        QTest::newRow("arkusz ; Windows-1250")
            << doCp1250(
                   u"Nazwa;Ulica;Kod pocztowy;Miasto;NIP;Notatki;Telefon;Faks\r\n"
                   u"Zakład Usług Różnych;ul. Łąkowa 5;00-950;Warszawa;123-456-32-18;stały klient;22 555 12 12;\r\n"
                   u";;;;;;;\r\n"
                   u"Źródło s.c.;;;Żary;;;;\r\n")
            << QStringList{
                   u"Zakład Usług Różnych||ul. Łąkowa 5|00-950 Warszawa|123-456-32-18|stały klient|22 555 12 12"_qs,
                   u"Źródło s.c.|||Żary"_qs};
        QTest::newRow("UTF-8 z BOM, przecinki, łamane wiersze")
            << QByteArray("\xEF\xBB\xBF")
                   + QStringLiteral(
                         "Company,First Name,Last Name,Business Street,Business City,Business Postal Code,Notes\r\n"
                         "\"Firma \"\"Ąę\"\", s.c.\",Jan,Kowalski,\"ul. Długa 1\nlok. 2\",Kraków,30-001,\"a\r\nb\"\r\n"
                         ",Ewa,Nowak,,,,\r\n")
                         .toUtf8()
            << QStringList{u"Firma \"Ąę\", s.c.|Jan Kowalski|ul. Długa 1 lok. 2|30-001 Kraków||a b"_qs,
                           u"Ewa Nowak"_qs};
        QTest::newRow("vCard 2.1 quoted-printable")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                   "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Kowalski;Jan;;;\r\n"
                   "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jan Kowalski\r\n"
                   "ORG;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C5=81=C3=B3d=C5=BA=\r\nka Sp. z o.o.\r\n"
                   "ADR;HOME:;;ul. Domowa 1;Gdynia;;81-001;Polska\r\n"
                   "ADR;WORK;CHARSET=windows-1250;ENCODING=QUOTED-PRINTABLE:;;ul. =A3=B9kowa 3;Pozna=F1;;60-001;\r\n"
                   "TEL;CELL:+48600100200\r\n"
                   "NOTE;ENCODING=QUOTED-PRINTABLE:Pierwsza=0D=0Adruga\r\n"
                   "END:VCARD\r\n")
            << QStringList{u"Łódźka Sp. z o.o.|Jan Kowalski|ul. Łąkowa 3|60-001 Poznań||Pierwsza druga"_qs};
        QTest::newRow("vCard 3.0 zawijana, dwie karty")
            << QStringLiteral(
                   "BEGIN:VCARD\nVERSION:3.0\nFN:Anna Nowak\nN:Nowak;Anna;;;\n"
                   "item1.ADR;TYPE=HOME:;;ul. Polna 2;Lublin;;20-001;\n"
                   "NOTE:Spotkanie 5.05\\, godz. 10\\; sala 2\nX-NIP:111-222-33-44\nX-TELEFON:81 1\nEND:VCARD\n"
                   "BEGIN:VCARD\nVERSION:3.0\n"
                   "FN:Przedsiębiorstwo Wielobranżowe „Sokół” Spółka Jawna Oddział w Bydgoszc\n zy\n"
                   "END:VCARD\n")
                   .toUtf8()
            << QStringList{
                   u"Anna Nowak||ul. Polna 2|20-001 Lublin|111-222-33-44|Spotkanie 5.05, godz. 10; sala 2|81 1"_qs,
                   u"Przedsiębiorstwo Wielobranżowe „Sokół” Spółka Jawna Oddział w Bydgoszczy"_qs};
        QTest::newRow("vCard 4.0")
            << QStringLiteral(
                   "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Piotr Zieliński\r\nORG:Hurtownia Opole;Dział zakupów\r\n"
                   "ADR;type=home:;;ul. Domowa 9;Nysa;;48-300;\r\n"
                   "ADR;TYPE=\"work,pref\";LABEL=\"ul. Krótka 7: parter\":;;ul. Krótka 7;Opole;;45-001;Polska\r\n"
                   "EMAIL:p@example.pl\r\nEND:VCARD\r\n")
                   .toUtf8()
            << QStringList{u"Hurtownia Opole|Dział zakupów|ul. Krótka 7|45-001 Opole"_qs};
    }

    // Inputs shaped like what spreadsheets, e-mail programs and phones write.
    void przyklady()
    {
        QFETCH(QByteArray, dane);
        QFETCH(QStringList, klienci);
        const WynikWczytania w = wczytajKlientow(dane, kPodpisy);
        QVERIFY2(w.ok(), qPrintable(w.blad));
        QCOMPARE(opisz(w.klienci), klienci);
    }

    // Unknown CSV columns are reported, and a mapping given by the user replaces the
    // automatic one.
    void mapowanie()
    {
        const QByteArray dane = "Nazwa;Telefon kom.;XYZ\nA;601;z\n";
        WynikWczytania w = wczytajKlientow(dane, kPodpisy);
        QVERIFY(w.ok());
        QCOMPARE(w.naglowek, (QStringList{"Nazwa", "Telefon kom.", "XYZ"}));
        QCOMPARE(w.mapowanie, (QList<int>{Nazwa1, Pomin, Pomin}));
        QCOMPARE(w.nierozpoznane, (QList<int>{1, 2}));
        w = wczytajKlientow(dane, kPodpisy, QList<int>{Nazwa1, Info2, Pomin});
        QCOMPARE(opisz(w.klienci), QStringList{"A|||||||601"});
        QVERIFY(wczytajKlientow(dane, kPodpisy, QList<int>{Nazwa1}).blad.startsWith(u"Wiersz 1:"));
    }

    // Rows holding any text are never taken; cut fields and missing characters are
    // reported as they will be stored; a full list takes nobody.
    void plan()
    {
        ListaKlientow l = ListaKlientow::nowa();
        l.ustawTekst(Opis, 0, u"zajęty bez nazwy");
        l.ustawTekst(Nazwa1, 2, u"B");
        const QList<TekstyWiersza> nowi{klient({QString(81, u'x'), u"日本"_qs}), klient({u"C"_qs})};
        PlanImportu p = zaplanujImport(l, nowi);
        QCOMPARE(p.wiersze, (QList<int>{1, 3}));
        QCOMPARE(p.uwagi.size(), 2);
        QCOMPARE(p.uwagi[0].rodzaj, UwagaImportu::Przyciete);
        QCOMPARE(p.uwagi[0].zapisane, QString(80, u'x'));
        QCOMPARE(p.uwagi[1].rodzaj, UwagaImportu::BrakZnakow);
        QCOMPARE(p.uwagi[1].zapisane, u"??"_qs);
        QCOMPARE(p.uwagi[1].kolumna, int(Nazwa2));
        zastosujPlan(l, p);
        QCOMPARE(l.tekst(Nazwa1, 3), u"C"_qs);
        QCOMPARE(l.tekst(Lp, 3), u"04"_qs);

        for (int r = 0; r < LiczbaWierszy; ++r)
            l.ustawTekst(Nazwa1, r, u"Pełny"_qs);
        p = zaplanujImport(l, nowi);
        QCOMPARE(p.umieszczone(), 0);
        QCOMPARE(p.niemieszczace.size(), 2);
        QVERIFY(wczytajKlientow(eksportCsv(p.niemieszczace, kPodpisy), kPodpisy).klienci.size() == 2);
    }

    void zleDane_data()
    {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<QString>("poczatek");
        QTest::newRow("binarny") << QByteArray("Nazwa;A\nx\0y", 12) << "Linia 2: plik binarny";
        QTest::newRow("pusty") << QByteArray(" \r\n") << "Linia 1: plik jest pusty";
        QTest::newRow("bez END") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\n")
                                 << "Linia 1: karta bez END:VCARD";
        QTest::newRow("karta w karcie") << QByteArray("BEGIN:VCARD\nFN:A\nBEGIN:VCARD\n")
                                        << "Linia 3: BEGIN:VCARD wewnątrz";
        QTest::newRow("śmieci w karcie") << QByteArray("BEGIN:VCARD\nFN:A\nbzdura\nEND:VCARD\n")
                                         << "Linia 3: brak dwukropka";
        QTest::newRow("poza kartą") << QByteArray("BEGIN:VCARD\nEND:VCARD\nFN:B\n") << "Linia 3: tekst poza kartą";
        QTest::newRow("END bez BEGIN") << QByteArray("BEGIN:VCARD\nEND:VCARD\nEND:VCARD\n") << "Linia 3: END bez";
        QTest::newRow("otwarty cudzysłów") << QByteArray("Nazwa;Ulica\nA;B\n\"C;D\n") << "Wiersz 3: cudzysłów";
        QTest::newRow("za dużo pól") << QByteArray("Nazwa;Ulica\nA;B\nC;D;E\n") << "Wiersz 3: więcej pól";
        QTest::newRow("zwykły tekst") << QByteArray("Drogi Panie,\nzałączam.\n") << "Wiersz 1: to nie jest plik CSV";
        QTest::newRow("za duży") << QByteArray(MaksRozmiarPliku + 1, 'a') << "Plik jest za duży";
    }

    void zleDane()
    {
        QFETCH(QByteArray, dane);
        QFETCH(QString, poczatek);
        const WynikWczytania w = wczytajKlientow(dane, kPodpisy);
        QVERIFY2(w.blad.startsWith(poczatek), qPrintable(w.blad));
        QVERIFY(w.klienci.isEmpty());
    }

    void duzyPlik()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(u"duzy.csv"_qs));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(MaksRozmiarPliku + 1));
        f.close();
        QString blad;
        QVERIFY(czytajPlikWymiany(f.fileName(), blad).isEmpty());
        QVERIFY(blad.startsWith(u"Plik jest za duży"));
        QVERIFY(wczytajPlikKlientow(dir.filePath(u"brak.csv"_qs), kPodpisy).blad.startsWith(u"Nie można otworzyć"));
    }

    // Python's csv module and vobject read our files as we meant them.
    void czytanePrzezInnych()
    {
        const ListaKlientow l = listaProbna();
        const QList<int> wiersze = wierszeZTekstem(l);
        QTemporaryDir dir;
        const QString csv = dir.filePath(u"k.csv"_qs), vcf = dir.filePath(u"k.vcf"_qs);
        QVERIFY(eksportujDoPliku(csv, Format::Csv, l, wiersze, kPodpisy).ok());
        QVERIFY(eksportujDoPliku(vcf, Format::Vcard, l, wiersze, kPodpisy).ok());
        QProcess py;
        py.start(u"/usr/bin/python3"_qs, {QStringLiteral(LK_PEER_PY), csv, vcf});
        QVERIFY(py.waitForFinished(60000));
        QVERIFY2(py.exitCode() == 0, py.readAllStandardError().constData());
        const QJsonObject o = QJsonDocument::fromJson(py.readAllStandardOutput()).object();

        const QJsonArray rows = o[u"csv"].toArray();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].toArray()[5].toString(), u"NIP"_qs);
        QCOMPARE(rows[0].toArray()[9].toString(), u"Info 3"_qs);
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < LiczbaKolumn; ++k)
                QCOMPARE(rows[r + 1].toArray()[k].toString(), l.tekst(k, r));

        const QJsonArray cards = o[u"vcf"].toArray();
        QCOMPARE(cards.size(), 4);
        const QJsonObject c0 = cards[0].toObject();
        QCOMPARE(c0[u"org"].toArray()[0].toString(), l.tekst(Nazwa1, 0));
        QCOMPARE(c0[u"org"].toArray()[1].toString(), l.tekst(Nazwa2, 0));
        QCOMPARE(c0[u"adr"].toArray()[0].toString(), l.tekst(Ulica, 0));
        QCOMPARE(c0[u"adr"].toArray()[1].toString(), l.tekst(Miejscowosc, 0).mid(7));
        QCOMPARE(c0[u"adr"].toArray()[2].toString(), u"00-950"_qs);
        QCOMPARE(c0[u"X-NIP"].toString(), l.tekst(Nip, 0));
        QCOMPARE(c0[u"note"].toString(), u"NIP: "_qs + l.tekst(Nip, 0) + u'\n' + l.tekst(Opis, 0));
        QCOMPARE(c0[u"X-TELEFON"].toString(), l.tekst(Info1, 0));
        QCOMPARE(c0[u"X-E-MAIL"].toString(), l.tekst(Info2, 0));
        QCOMPARE(c0[u"X-INFO5"].toString(), l.tekst(Info5, 0));
        QCOMPARE(c0[u"X-INFO6"].toString(), l.tekst(Info6, 0));
        QCOMPARE(cards[2].toObject()[u"adr"].toArray()[1].toString(), u"00-001  Łódź"_qs);
    }
};

QTEST_GUILESS_MAIN(TestWymiana)
#include "test_wymiana.moc"
