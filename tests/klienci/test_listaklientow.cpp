// The client list without any window: block layout, list lines, row editing, search,
// sort, the list file and the information captions file.
#include "listaklientow.h"
#include "tekst.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Klienci;

Q_DECLARE_METATYPE(Klienci::Kierunek)

namespace {

QByteArray czytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}

// A new list whose rows, from row index 0 on, hold these names in nazwa1 (an empty
// string leaves the row free) and a marker of the row in ulica.
ListaKlientow listaZNazwami(const QStringList &nazwy)
{
    ListaKlientow l = ListaKlientow::nowa();
    for (int w = 0; w < nazwy.size(); ++w) {
        l.ustawTekst(Nazwa1, w, nazwy[w]);
        l.ustawTekst(Ulica, w, QStringLiteral("ulica %1").arg(w));
    }
    return l;
}

QStringList nazwy(const ListaKlientow &l, int ile)
{
    QStringList wynik;
    for (int w = 0; w < ile; ++w)
        wynik.append(l.tekst(Nazwa1, w));
    return wynik;
}

QString pomocnik()
{
    return QStringLiteral(LK_BIN_DIR "/klienci_pomocnik");
}

} // namespace

class TestListaKlientow : public QObject
{
    Q_OBJECT
private slots:
    void uklad_data();
    void uklad();
    void nowaLista();
    void numerWiersza_data();
    void numerWiersza();
    void linia_data();
    void linia();
    void kopiujDoWiersza();
    void krotszyTekstZostawiaStareBajty();
    void uszkodzonaDlugosc();
    void wolneWiersze();
    void szukaj_data();
    void szukaj();
    void sortuj_data();
    void sortuj();
    void sortujKolejnoscBajtow();
    void sortujStabilnie();
    void sortujZerujeResztki();
    void sortujPustaIUlozona();
    void sortujNajgorszyPrzypadek();
    void plik_data();
    void plik();
    void nieudanyOdczytNieRuszaListy();
    void plikTylkoDoOdczytu();
    void sortowaniePrzyPelnymDysku();
    void podpisyInfo_data();
    void podpisyInfo();
    void filtrNip_data();
    void filtrNip();
    void przykladoweDane();
};

void TestListaKlientow::uklad_data()
{
    QTest::addColumn<int>("kolumna");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<qsizetype>("przesuniecie");
    QTest::newRow("lp 0") << int(Lp) << 0 << qsizetype(0);
    QTest::newRow("lp 500") << int(Lp) << 500 << qsizetype(3000);
    QTest::newRow("nazwa1 0") << int(Nazwa1) << 0 << qsizetype(3006);
    QTest::newRow("nazwa1 1") << int(Nazwa1) << 1 << qsizetype(3087);
    QTest::newRow("nazwa2 0") << int(Nazwa2) << 0 << qsizetype(43587);
    QTest::newRow("ulica 0") << int(Ulica) << 0 << qsizetype(84168);
    QTest::newRow("miejscowosc 0") << int(Miejscowosc) << 0 << qsizetype(124749);
    QTest::newRow("nip 0") << int(Nip) << 0 << qsizetype(165330);
    QTest::newRow("opis 0") << int(Opis) << 0 << qsizetype(175851);
    QTest::newRow("info1 0") << int(Info1) << 0 << qsizetype(226452);
    QTest::newRow("info2 0") << int(Info2) << 0 << qsizetype(246993);
    QTest::newRow("info3 0") << int(Info3) << 0 << qsizetype(267534);
    QTest::newRow("info4 0") << int(Info4) << 0 << qsizetype(288075);
    QTest::newRow("info5 0") << int(Info5) << 0 << qsizetype(308616);
    QTest::newRow("info6 0") << int(Info6) << 0 << qsizetype(329157);
    QTest::newRow("info6 500") << int(Info6) << 500 << qsizetype(349657);
}

void TestListaKlientow::uklad()
{
    QFETCH(int, kolumna);
    QFETCH(int, wiersz);
    QFETCH(qsizetype, przesuniecie);
    QCOMPARE(przesuniecieWpisu(kolumna, wiersz), przesuniecie);

    // A text of full capacity lands at the offset and ends at offset + capacity.
    ListaKlientow l;
    const QString pelny(Pojemnosc[kolumna], u'x');
    l.ustawTekst(kolumna, wiersz, pelny);
    QCOMPARE(int(static_cast<unsigned char>(l.dane()[przesuniecie])), Pojemnosc[kolumna]);
    QCOMPARE(l.dane().mid(przesuniecie + 1, Pojemnosc[kolumna]), QByteArray(Pojemnosc[kolumna], 'x'));
    QCOMPARE(l.dane().count('x'), qsizetype(Pojemnosc[kolumna]));
    if (kolumna == Info6 && wiersz == 500)
        QCOMPARE(przesuniecie + Pojemnosc[kolumna], qsizetype(349697));
}

void TestListaKlientow::nowaLista()
{
    const QByteArray d = ListaKlientow::nowa().dane();
    QCOMPARE(d.size(), qsizetype(349698));
    QCOMPARE(d.mid(0, 6), QByteArray::fromHex("023031000000"));
    QCOMPARE(d.mid(9 * 6, 6), QByteArray::fromHex("023130000000"));
    QCOMPARE(d.mid(99 * 6, 6), QByteArray::fromHex("033130300000"));
    QCOMPARE(d.mid(500 * 6, 6), QByteArray::fromHex("033530310000"));
    QCOMPARE(d.mid(3006), QByteArray(349698 - 3006, '\0'));
    for (int w = 0; w < LiczbaWierszy; ++w)
        QVERIFY(ListaKlientow::nowa().wolny(w));
}

void TestListaKlientow::numerWiersza_data()
{
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QString>("numer");
    QTest::newRow("1") << 0 << "01";
    QTest::newRow("9") << 8 << "09";
    QTest::newRow("10") << 9 << "10";
    QTest::newRow("99") << 98 << "99";
    QTest::newRow("100") << 99 << "100";
    QTest::newRow("501") << 500 << "501";
}

void TestListaKlientow::numerWiersza()
{
    QFETCH(int, wiersz);
    QFETCH(QString, numer);
    QCOMPARE(Klienci::numerWiersza(wiersz), numer);
    QCOMPARE(ListaKlientow::nowa().tekst(Lp, wiersz), numer);
}

void TestListaKlientow::linia_data()
{
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QString>("nazwa2");
    QTest::addColumn<QString>("linia");
    QTest::newRow("free row") << 0 << "" << "" << "01  ";
    QTest::newRow("row 5 ABC") << 4 << "ABC" << "" << "05 ABC ";
    QTest::newRow("two names") << 9 << "Łódź" << "Sp. z o.o." << "10 Łódź Sp. z o.o.";
    QTest::newRow("only second") << 99 << "" << "b" << "100  b";
    QTest::newRow("longest") << 500 << QString(80, u'a') << QString(80, u'Ż')
                             << QStringLiteral("501 ") + QString(80, u'a') + u' ' + QString(80, u'Ż');
}

void TestListaKlientow::linia()
{
    QFETCH(int, wiersz);
    QFETCH(QString, nazwa1);
    QFETCH(QString, nazwa2);
    QFETCH(QString, linia);
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nazwa1, wiersz, nazwa1);
    l.ustawTekst(Nazwa2, wiersz, nazwa2);
    l.ustawTekst(Ulica, wiersz, QStringLiteral("not in the line"));
    QCOMPARE(l.linia(wiersz), linia);
    const QStringList linie = l.linie();
    QCOMPARE(linie.size(), 501);
    QCOMPARE(linie.at(wiersz), linia);
}

void TestListaKlientow::kopiujDoWiersza()
{
    ListaKlientow l = ListaKlientow::nowa();
    TekstyWiersza t;
    t[Lp] = QStringLiteral("999");
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        t[k] = QString(Pojemnosc[k] + 5, QChar(u'A' + k));
    t[Nazwa1] = QString(85, u'ą');
    l.kopiujDoWiersza(11, t);

    const TekstyWiersza r = l.wiersz(11);
    QCOMPARE(r[Lp], QStringLiteral("12")); // lp is never written
    QCOMPARE(r[Nazwa1], QString(80, u'ą'));
    QCOMPARE(r[Nip].size(), 20);
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        QCOMPARE(r[k], t[k].left(Pojemnosc[k]));
    // Neighbouring rows stay untouched.
    QVERIFY(l.wolny(10));
    QVERIFY(l.wolny(12));
    QCOMPARE(l.tekst(Info6, 12), QString());
}

void TestListaKlientow::krotszyTekstZostawiaStareBajty()
{
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nazwa1, 2, QStringLiteral("Kowalski"));
    l.ustawTekst(Nazwa1, 2, QStringLiteral("Nowak"));
    QCOMPARE(l.tekst(Nazwa1, 2), QStringLiteral("Nowak"));
    QCOMPARE(QByteArray(l.pole(Nazwa1, 2), 9), QByteArray("\x05Nowakski"));
    QCOMPARE(l.linia(2), QStringLiteral("03 Nowak "));
}

void TestListaKlientow::uszkodzonaDlugosc()
{
    // A length byte above the capacity (a damaged file) never reads into the next entry.
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nip, 0, QString(20, u'1'));
    l.ustawTekst(Nip, 1, QStringLiteral("NEXT"));
    l.pole(Nip, 0)[0] = char(255);
    QCOMPARE(l.tekst(Nip, 0), QString(20, u'1'));
    QCOMPARE(l.szukaj(QStringLiteral("1N")), -1);
    l.pole(Nazwa1, 500)[0] = char(200);
    QCOMPARE(l.linia(500).size(), 3 + 1 + 80 + 1);
    const ListaKlientow s = l.spakowana();
    QCOMPARE(int(s.pole(Nazwa1, 0)[0]), 80);
}

void TestListaKlientow::wolneWiersze()
{
    ListaKlientow l = ListaKlientow::nowa();
    QCOMPARE(l.pierwszyWolny(), 0);
    l.ustawTekst(Nazwa1, 0, QStringLiteral("A"));
    l.ustawTekst(Ulica, 1, QStringLiteral("only a street"));
    QVERIFY(l.wolny(1));
    QCOMPARE(l.pierwszyWolny(), 1);
    for (int w = 0; w < LiczbaWierszy; ++w)
        l.ustawTekst(Nazwa1, w, QStringLiteral("x"));
    QCOMPARE(l.pierwszyWolny(), -1);
}

void TestListaKlientow::szukaj_data()
{
    QTest::addColumn<int>("kolumna1"); // where text 1 goes, in row 2 (index 1)
    QTest::addColumn<int>("kolumna2"); // where text 2 goes, in row 5 (index 4)
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wiersz");
    // Rows: index 1 holds "Kowalski Łódź" in kolumna1, index 4 "?Zabrze-ski" in kolumna2.
    QTest::newRow("found in nazwa1") << int(Nazwa1) << int(Opis) << "Kowal" << 1;
    QTest::newRow("case matters") << int(Nazwa1) << int(Opis) << "kowal" << -1;
    QTest::newRow("diacritics exact") << int(Ulica) << int(Opis) << "Łódź" << 1;
    QTest::newRow("no diacritic folding") << int(Ulica) << int(Opis) << "Lodz" << -1;
    QTest::newRow("small letters differ") << int(Ulica) << int(Opis) << "łódź" << -1;
    QTest::newRow("empty text") << int(Nazwa1) << int(Opis) << "" << -1;
    QTest::newRow("lowest row wins") << int(Opis) << int(Nazwa1) << "a" << 1;
    QTest::newRow("opis row 5, ulica row 2") << int(Ulica) << int(Opis) << "ski" << 1;
    QTest::newRow("nip searched") << int(Nip) << int(Opis) << "Kowalski" << 1;
    QTest::newRow("miejscowosc searched") << int(Miejscowosc) << int(Opis) << "ski Ł" << 1;
    QTest::newRow("nazwa2 searched") << int(Nazwa2) << int(Opis) << "Kowalski" << 1;
    QTest::newRow("info1 not searched") << int(Info1) << int(Info6) << "Kowalski" << -1;
    QTest::newRow("info6 not searched") << int(Info6) << int(Info3) << "Zabrze" << -1;
    QTest::newRow("second row found") << int(Info1) << int(Nazwa2) << "Zabrze" << 4;
    QTest::newRow("longer than the entry") << int(Nip) << int(Opis) << "Kowalski Łódź!" << -1;
    QTest::newRow("no trimming") << int(Nazwa1) << int(Opis) << " Kowalski" << -1;
    QTest::newRow("character outside the code page") << int(Nazwa1) << int(Nazwa1) << "中Zabrze" << -1;
    QTest::newRow("question mark itself") << int(Nazwa1) << int(Nazwa1) << "?Zab" << 4;
}

void TestListaKlientow::szukaj()
{
    QFETCH(int, kolumna1);
    QFETCH(int, kolumna2);
    QFETCH(QString, tekst);
    QFETCH(int, wiersz);
    ListaKlientow l = ListaKlientow::nowa();
    // Row 2 is free (no nazwa1 unless kolumna1 is nazwa1) and must still be found.
    l.ustawTekst(kolumna1, 1, QStringLiteral("Kowalski Łódź"));
    l.ustawTekst(kolumna2, 4, QStringLiteral("?Zabrze-ski"));
    QCOMPARE(l.szukaj(tekst), wiersz);
    QCOMPARE(l.szukaj(tekst), wiersz); // searching again finds the same row
}

void TestListaKlientow::sortuj_data()
{
    QTest::addColumn<Kierunek>("kierunek");
    QTest::addColumn<QStringList>("wynik");
    QTest::newRow("A to Z") << Kierunek::OdADoZ
                            << QStringList{"10", "9", "A", "Zabrze", "a", "b", "Łódź"};
    QTest::newRow("Z to A") << Kierunek::OdZDoA
                            << QStringList{"Łódź", "b", "a", "Zabrze", "A", "9", "10"};
}

void TestListaKlientow::sortuj()
{
    QFETCH(Kierunek, kierunek);
    QFETCH(QStringList, wynik);
    ListaKlientow l = listaZNazwami({"b", "", "A", "a", "Łódź", "Zabrze", "10", "9"});
    // The free row holds text in other columns; it goes with the sort.
    l.ustawTekst(Opis, 1, QStringLiteral("dropped"));
    l.sortuj(kierunek);
    const ListaKlientow s = l.spakowana();
    QCOMPARE(nazwy(s, 7), wynik);
    for (int w = 7; w < LiczbaWierszy; ++w) {
        QVERIFY(s.wolny(w));
        QCOMPARE(s.linia(w), Klienci::numerWiersza(w) + QStringLiteral("  "));
    }
    QCOMPARE(s.szukaj(QStringLiteral("dropped")), -1);
    QCOMPARE(s.szukaj(QStringLiteral("ulica 1")), -1); // the free row's street went too
    // Every other column moved with its name; lp stayed with the position.
    const QStringList przed{"b", "", "A", "a", "Łódź", "Zabrze", "10", "9"};
    for (int w = 0; w < 7; ++w) {
        QCOMPARE(s.tekst(Ulica, w), QStringLiteral("ulica %1").arg(przed.indexOf(wynik[w])));
        QCOMPARE(s.tekst(Lp, w), Klienci::numerWiersza(w));
    }
    // The list in memory is sorted (the free row at the top or the bottom) but not packed.
    QCOMPARE(l.tekst(Lp, 0), QStringLiteral("01"));
    QCOMPARE(l.spakowana(), s);
}

void TestListaKlientow::sortujKolejnoscBajtow()
{
    const QStringList rosnaco{"", " ", "1", "Z", "a", "Ś", "Ł", "Ą", "Ż", "ą", "Ó", "ó"};
    QStringList odwrotnie = rosnaco;
    std::reverse(odwrotnie.begin(), odwrotnie.end());
    ListaKlientow l = listaZNazwami(odwrotnie);
    l.sortuj(Kierunek::OdADoZ);
    // The empty name counts as free and collects at the top among the 501 rows.
    QCOMPARE(nazwy(l.spakowana(), 11), rosnaco.mid(1));
    QCOMPARE(l.tekst(Nazwa1, LiczbaWierszy - 1), QStringLiteral("ó"));
    // A prefix is less than the longer text.
    ListaKlientow p = listaZNazwami({"Abc", "Ab", "Abcd", "A"});
    p.sortuj(Kierunek::OdADoZ);
    QCOMPARE(nazwy(p.spakowana(), 4), (QStringList{"A", "Ab", "Abc", "Abcd"}));
}

void TestListaKlientow::sortujStabilnie()
{
    for (Kierunek k : {Kierunek::OdADoZ, Kierunek::OdZDoA}) {
        ListaKlientow l = listaZNazwami({"B", "A", "B", "C", "A", "B"});
        l.sortuj(k);
        const ListaKlientow s = l.spakowana();
        QStringList ulice;
        for (int w = 0; w < 6; ++w)
            ulice.append(s.tekst(Ulica, w));
        if (k == Kierunek::OdADoZ)
            QCOMPARE(ulice, (QStringList{"ulica 1", "ulica 4", "ulica 0", "ulica 2", "ulica 5", "ulica 3"}));
        else
            QCOMPARE(ulice, (QStringList{"ulica 3", "ulica 0", "ulica 2", "ulica 5", "ulica 1", "ulica 4"}));
    }
}

void TestListaKlientow::sortujZerujeResztki()
{
    ListaKlientow l = listaZNazwami({"Zenon Długi", "Adam"});
    l.ustawTekst(Nazwa1, 0, QStringLiteral("Zet")); // leaves "on Długi" after the text
    l.ustawTekst(Opis, 1, QString(100, u'o'));
    l.ustawTekst(Opis, 1, QStringLiteral("krótki"));
    l.sortuj(Kierunek::OdADoZ);
    const ListaKlientow s = l.spakowana();
    QCOMPARE(nazwy(s, 2), (QStringList{"Adam", "Zet"}));
    // Outside the texts and lp everything is zero.
    ListaKlientow wzor = ListaKlientow::nowa();
    wzor.kopiujDoWiersza(0, s.wiersz(0));
    wzor.kopiujDoWiersza(1, s.wiersz(1));
    QCOMPARE(s.dane(), wzor.dane());
    QCOMPARE(QByteArray(s.pole(Opis, 0), 101), QByteArray("\x06kr\xf3tki") + QByteArray(94, '\0'));
}

void TestListaKlientow::sortujPustaIUlozona()
{
    ListaKlientow pusta;
    pusta.ustawTekst(Ulica, 3, QStringLiteral("no name"));
    QCOMPARE(pusta.sortuj(Kierunek::OdADoZ), 1);
    QCOMPARE(pusta.spakowana(), ListaKlientow::nowa());

    // Already in order, free rows at the top: one pass, nothing moves, still packed.
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nazwa1, 498, QStringLiteral("A"));
    l.ustawTekst(Nazwa1, 499, QStringLiteral("B"));
    l.ustawTekst(Nazwa1, 500, QStringLiteral("C"));
    const ListaKlientow przed = l;
    QCOMPARE(l.sortuj(Kierunek::OdADoZ), 1);
    QCOMPARE(l, przed);
    QCOMPARE(nazwy(l.spakowana(), 4), (QStringList{"A", "B", "C", ""}));
    // From Z to A the same list needs passes.
    QVERIFY(l.sortuj(Kierunek::OdZDoA) > 1);
    QCOMPARE(nazwy(l, 3), (QStringList{"C", "B", "A"}));
}

void TestListaKlientow::sortujNajgorszyPrzypadek()
{
    QStringList odwrotnie;
    for (int w = 0; w < LiczbaWierszy; ++w)
        odwrotnie.append(QStringLiteral("Klient %1").arg(LiczbaWierszy - w, 3, 10, QChar(u'0')));
    ListaKlientow l = listaZNazwami(odwrotnie);
    // Every pass covers all pairs; 500 passes exchange, the last one does not.
    QCOMPARE(l.sortuj(Kierunek::OdADoZ), 501);
    for (int w = 0; w < LiczbaWierszy; ++w) {
        QCOMPARE(l.tekst(Nazwa1, w), QStringLiteral("Klient %1").arg(w + 1, 3, 10, QChar(u'0')));
        QCOMPARE(l.tekst(Ulica, w), QStringLiteral("ulica %1").arg(LiczbaWierszy - 1 - w));
        QCOMPARE(l.tekst(Lp, w), Klienci::numerWiersza(w));
    }
}

void TestListaKlientow::plik_data()
{
    QTest::addColumn<qsizetype>("rozmiar");
    QTest::addColumn<QString>("blad");
    QTest::newRow("exact") << qsizetype(349698) << "";
    QTest::newRow("one byte short") << qsizetype(349697) << "Read beyond end of file";
    QTest::newRow("empty") << qsizetype(0) << "Read beyond end of file";
    QTest::newRow("longer") << qsizetype(400000) << "";
    QTest::newRow("missing") << qsizetype(-1) << "File not found";
    QTest::newRow("missing folder") << qsizetype(-2) << "Invalid filename";
}

void TestListaKlientow::plik()
{
    QFETCH(qsizetype, rozmiar);
    QFETCH(QString, blad);
    QTemporaryDir tmp;
    QString sciezka = tmp.filePath(QStringLiteral("lista.dat"));
    ListaKlientow zrodlo = listaZNazwami({"Łukasz Żółć", "Ąę"});
    QByteArray zawartosc = zrodlo.dane();
    if (rozmiar >= 0) {
        QByteArray plik = zawartosc.leftJustified(rozmiar, 'X', true);
        QVERIFY(zapiszPlik(sciezka, plik));
    } else if (rozmiar == -2) {
        sciezka = tmp.filePath(QStringLiteral("brak/lista.dat"));
    }

    ListaKlientow l = listaZNazwami({"previous"});
    const ListaKlientow przed = l;
    const BladIO b = l.wczytaj(sciezka);
    QCOMPARE(b ? b.tekst() : QString(), blad);
    if (b) {
        QCOMPARE(l, przed);
        return;
    }
    QCOMPARE(l, zrodlo);
    QCOMPARE(l.tekst(Nazwa1, 0), QStringLiteral("Łukasz Żółć"));
    // The next save writes exactly one record, truncating a longer file.
    l.ustawTekst(Nazwa1, 5, QStringLiteral("nowy"));
    QVERIFY(!l.zapisz(sciezka));
    QCOMPARE(QFileInfo(sciezka).size(), qsizetype(349698));
    QCOMPARE(czytajPlik(sciezka), l.dane());
}

void TestListaKlientow::nieudanyOdczytNieRuszaListy()
{
    QTemporaryDir tmp;
    const QString sciezka = tmp.filePath(QStringLiteral("krotki.dat"));
    QVERIFY(zapiszPlik(sciezka, QByteArray(349697, 'Z')));
    ListaKlientow l = listaZNazwami({"keep"});
    QCOMPARE(l.wczytaj(sciezka).tekst(), QStringLiteral("Read beyond end of file"));
    QCOMPARE(l.tekst(Nazwa1, 0), QStringLiteral("keep"));
    QCOMPARE(l.tekst(Lp, 0), QStringLiteral("01"));
}

void TestListaKlientow::plikTylkoDoOdczytu()
{
    QTemporaryDir tmp;
    QVERIFY(QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadOther | QFileDevice::ExeOther
                                                  | QFileDevice::ReadGroup | QFileDevice::ExeGroup));
    const QString sciezka = tmp.filePath(QStringLiteral("lista.dat"));
    const QByteArray zawartosc = listaZNazwami({"read only"}).dane();
    QVERIFY(zapiszPlik(sciezka, zawartosc));
    QVERIFY(QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

    for (const char *polecenie : {"wczytaj", "zapisz", "sortuj"}) {
        QProcess p;
        if (::geteuid() == 0) {
            // Root may write anything: run the operation as an unprivileged user.
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty())
                QSKIP("running as root without setpriv");
            p.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", pomocnik(),
                              QString::fromLatin1(polecenie), sciezka});
        } else {
            p.start(pomocnik(), {QString::fromLatin1(polecenie), sciezka});
        }
        QVERIFY(p.waitForFinished(10000));
        const QString wynik = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
        if (wynik.isEmpty() && ::geteuid() == 0)
            QSKIP("the unprivileged user cannot run the helper here");
        QCOMPARE(wynik, QStringLiteral("File access denied"));
        QCOMPARE(czytajPlik(sciezka), zawartosc);
    }
}

void TestListaKlientow::sortowaniePrzyPelnymDysku()
{
    // A sort whose save runs out of disk space leaves the list file as it was.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        QSKIP("unshare is not available");
    QTemporaryDir tmp;
    const QString zrodlo = tmp.filePath(QStringLiteral("zrodlo.dat"));
    QVERIFY(zapiszPlik(zrodlo, listaZNazwami({"b", "a", "", "c"}).dane()));
    const QString mnt = tmp.filePath(QStringLiteral("mnt"));
    QVERIFY(QDir().mkpath(mnt));
    const QString skrypt = QStringLiteral(
        "mount -t tmpfs -o size=512k tmpfs \"$1\" || exit 3\n"
        "cp \"$2\" \"$1/lista.dat\" || exit 4\n"
        "dd if=/dev/zero of=\"$1/wypelnienie\" bs=4k 2>/dev/null\n"
        "\"$3\" sortuj \"$1/lista.dat\"\n"
        "cmp -s \"$2\" \"$1/lista.dat\" && echo SAME || echo CHANGED\n");
    QProcess p;
    p.start(unshare, {"-Urm", "sh", "-c", skrypt, "sh", mnt, zrodlo, pomocnik()});
    QVERIFY(p.waitForFinished(20000));
    if (p.exitCode() == 3 || p.exitCode() == 4)
        QSKIP("a private tmpfs cannot be mounted here");
    const QStringList wynik = QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(wynik, (QStringList{"Disk full", "SAME"}));
}

void TestListaKlientow::podpisyInfo_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("zawartosc"); // empty: no file
    QTest::addColumn<QString>("blad");
    QTest::addColumn<QStringList>("teksty");
    QByteArray szesc(66, '\0');
    const QStringList nazwy{"Telefon", "E-mail", "Osoba", "Bank", "Konto", "Uwagi"};
    for (int i = 0; i < 6; ++i)
        zapiszTekst(szesc, i * 11, 10, nazwy[i]);
    QByteArray dlugi(66, '\0');
    zapiszTekst(dlugi, 0, 10, QStringLiteral("Źródło"));
    zapiszTekst(dlugi, 55, 10, QStringLiteral("Ósmy"));
    dlugi.append("trailing bytes are ignored");
    const QStringList puste(6, QString());

    QTest::newRow("missing: created") << "Admini" << QByteArray() << "" << puste;
    QTest::newRow("six captions") << "ADMINI" << szesc << "" << nazwy;
    QTest::newRow("longer file, Polish") << "admini" << dlugi << ""
                                         << QStringList{"Źródło", "", "", "", "", "Ósmy"};
    QTest::newRow("short file") << "Admini" << QByteArray(65, '\0') << "Read beyond end of file" << puste;
    QTest::newRow("no folder") << "" << QByteArray() << "Invalid filename" << puste;
}

void TestListaKlientow::podpisyInfo()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, zawartosc);
    QFETCH(QString, blad);
    QFETCH(QStringList, teksty);
    QTemporaryDir tmp;
    if (!folder.isEmpty())
        QVERIFY(QDir(tmp.path()).mkdir(folder));
    if (!zawartosc.isEmpty())
        QVERIFY(zapiszPlik(tmp.filePath(folder + QStringLiteral("/info.dat")), zawartosc));

    const Podpisy p = czytajPodpisyInfo(tmp.path());
    QCOMPARE(p.blad ? p.blad.tekst() : QString(), blad);
    if (p.blad)
        return;
    QCOMPARE(QStringList(p.teksty.begin(), p.teksty.end()), teksty);
    const QString plik = tmp.filePath(folder + QStringLiteral("/info.dat"));
    if (zawartosc.isEmpty())
        QCOMPARE(czytajPlik(plik), QByteArray(66, '\0'));
    else
        QCOMPARE(czytajPlik(plik), zawartosc); // never written when it exists
}

void TestListaKlientow::filtrNip_data()
{
    QTest::addColumn<QChar>("znak");
    QTest::addColumn<QString>("wynik"); // empty: dropped
    for (char c = '0'; c <= '9'; ++c)
        QTest::addRow("digit %c", c) << QChar(c) << QString(QChar(c));
    QTest::newRow("full stop") << QChar(u'.') << ".";
    QTest::newRow("comma") << QChar(u',') << ".";
    QTest::newRow("backspace") << QChar(8) << QString(QChar(8));
    QTest::newRow("letter") << QChar(u'a') << "";
    QTest::newRow("Polish letter") << QChar(u'ł') << "";
    QTest::newRow("hyphen") << QChar(u'-') << "";
    QTest::newRow("space") << QChar(u' ') << "";
    QTest::newRow("tab") << QChar(9) << "";
    QTest::newRow("ctrl-v") << QChar(22) << "";
    QTest::newRow("enter") << QChar(13) << "";
}

void TestListaKlientow::filtrNip()
{
    QFETCH(QChar, znak);
    QFETCH(QString, wynik);
    const auto z = filtrujZnakNip(znak);
    QCOMPARE(z ? QString(*z) : QString(), wynik);
}

void TestListaKlientow::przykladoweDane()
{
    // The example data root that ./run starts the program on.
    const QString katalog = QStringLiteral(LK_PRZYKLAD);
    QCOMPARE(QFileInfo(katalog + QStringLiteral("/Admini/firma.dat")).size(), qsizetype(306));
    QVERIFY(!QFileInfo::exists(katalog + QStringLiteral("/Admini/siec.dat")));
    QVERIFY(QFileInfo(katalog + QStringLiteral("/Koperty")).isDir());
    QVERIFY(QFileInfo(katalog + QStringLiteral("/FONT")).isDir());
    const QByteArray firma = czytajPlik(katalog + QStringLiteral("/Admini/firma.dat"));
    QCOMPARE(czytajTekst(firma, 0, 50), QStringLiteral("Biuro Rachunkowe „Żuraw” Sp. z o.o."));
    QCOMPARE(czytajTekst(firma, 51, 50), QStringLiteral("ul. Długa 5"));
    QCOMPARE(czytajTekst(firma, 102, 50), QStringLiteral("00-950 Warszawa"));

    // Read in place: copy first, since reading opens the file for writing too.
    QTemporaryDir tmp;
    QVERIFY(QFile::copy(katalog + QStringLiteral("/Admini/info.dat"), tmp.filePath(QStringLiteral("info.dat"))));
    QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("ADMINI")));
    QVERIFY(QFile::rename(tmp.filePath(QStringLiteral("info.dat")), tmp.filePath(QStringLiteral("ADMINI/info.dat"))));
    const Podpisy p = czytajPodpisyInfo(tmp.path());
    QVERIFY(!p.blad);
    QCOMPARE(p.teksty[4], QStringLiteral("Płatność"));

    ListaKlientow l;
    QVERIFY(!l.wczytaj(katalog + QStringLiteral("/Firmy/klienci.dat")));
    QCOMPARE(l.pierwszyWolny(), 10);
    QCOMPARE(l.tekst(Lp, 500), QStringLiteral("501"));
    QVERIFY(l.szukaj(QStringLiteral("Łódź")) >= 0);
}

QTEST_GUILESS_MAIN(TestListaKlientow)
#include "test_listaklientow.moc"
