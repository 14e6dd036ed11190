// The client list without any window: block layout, list lines, row editing, search,
// sort, the list file and the information captions file.
#include "../wspolne/pliki.h"
#include "listaklientow.h"
#include "zakres_wierszy.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Klienci;

Q_DECLARE_METATYPE(Klienci::Kierunek)

namespace {

// A new list whose rows from index 0 on hold these names (empty: a free row) and a
// street that tells where the row came from.
ListaKlientow listaZNazwami(const QStringList &nazwy)
{
    ListaKlientow l = ListaKlientow::nowa();
    for (int w = 0; w < nazwy.size(); ++w) {
        l.ustawTekst(Nazwa1, w, nazwy[w]);
        l.ustawTekst(Ulica, w, QStringLiteral("ulica %1").arg(w));
    }
    return l;
}

QStringList kolumna(const ListaKlientow &l, int k, int ile)
{
    QStringList wynik;
    for (int w = 0; w < ile; ++w)
        wynik.append(l.tekst(k, w));
    return wynik;
}

} // namespace

class TestListaKlientow : public QObject
{
    Q_OBJECT
private slots:
    void uklad_data();
    void uklad();
    void nowaLista();
    void linia_data();
    void linia();
    void edycjaWiersza();
    void wierszeZAdresem();
    void zakresWierszy_data();
    void zakresWierszy();
    void uszkodzonaDlugosc();
    void szukaj_data();
    void szukaj();
    void sortuj_data();
    void sortuj();
    void sortujKolejnoscIStabilnosc();
    void sortujZerujeResztki();
    void sortujPustaIUlozona();
    void sortujNajgorszyPrzypadek();
    void plik_data();
    void plik();
    void sortowaniePrzyPelnymDysku();
    void podpisyInfo_data();
    void podpisyInfo();
    void przykladoweDane();
};

void TestListaKlientow::uklad_data()
{
    QTest::addColumn<int>("kolumna");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<qsizetype>("przesuniecie");
    QTest::newRow("nazwa1 row 1") << int(Nazwa1) << 0 << qsizetype(3006);
    QTest::newRow("nip row 1") << int(Nip) << 0 << qsizetype(165330);
    QTest::newRow("info6 row 1") << int(Info6) << 0 << qsizetype(329157);
    QTest::newRow("info6 row 501") << int(Info6) << 500 << qsizetype(349657);
}

void TestListaKlientow::uklad()
{
    QFETCH(int, kolumna);
    QFETCH(int, wiersz);
    QFETCH(qsizetype, przesuniecie);
    // A text of full capacity lands at the offset and nowhere else.
    ListaKlientow l;
    l.ustawTekst(kolumna, wiersz, QString(Pojemnosc[kolumna], u'x'));
    QCOMPARE(int(uchar(l.dane()[przesuniecie])), Pojemnosc[kolumna]);
    QCOMPARE(l.dane().mid(przesuniecie + 1, Pojemnosc[kolumna]), QByteArray(Pojemnosc[kolumna], 'x'));
    QCOMPARE(l.dane().count('x'), qsizetype(Pojemnosc[kolumna]));
    if (wiersz == 500)
        QCOMPARE(l.dane().lastIndexOf('x'), qsizetype(349697));
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
    QCOMPARE(ListaKlientow::nowa().pierwszyWolny(), 0);
}

void TestListaKlientow::linia_data()
{
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QString>("nazwa2");
    QTest::addColumn<QString>("linia");
    QTest::newRow("free row") << 0 << ""
                              << ""
                              << "01  ";
    QTest::newRow("row 5 ABC") << 4 << "ABC"
                               << ""
                               << "05 ABC ";
    QTest::newRow("two names") << 9 << "Łódź"
                               << "Sp. z o.o."
                               << "10 Łódź Sp. z o.o.";
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
    QCOMPARE(l.linie().size(), 501);
    QCOMPARE(l.linie().at(wiersz), linia);
}

// Which rows get an envelope or a label: the chooser, "Etykiety", `koperty` and `etykiety`
// all ask the list. A row counts when any of the four lines an envelope prints holds text.
void TestListaKlientow::wierszeZAdresem()
{
    struct Przypadek
    {
        int kolumna; // the one column given text (-1: none)
        bool maAdres;
    };
    const Przypadek przypadki[] = {{Nazwa1, true}, {Nazwa2, true}, {Ulica, true},  {Miejscowosc, true}, {Nip, false},
                                   {Opis, false},  {Info1, false}, {Info6, false}, {Lp, false},         {-1, false}};
    ListaKlientow l = ListaKlientow::nowa();
    QList<int> oczekiwane;
    for (int w = 0; w < int(std::size(przypadki)); ++w) {
        const int k = przypadki[w].kolumna;
        if (k >= 0)
            l.ustawTekst(k, 2 * w + 1, QStringLiteral("x"));
        if (przypadki[w].maAdres)
            oczekiwane.append(2 * w + 1);
    }
    for (int w = 0; w < int(std::size(przypadki)); ++w)
        QVERIFY2(l.maAdres(2 * w + 1) == przypadki[w].maAdres, qPrintable(QString::number(przypadki[w].kolumna)));
    QCOMPARE(l.wierszeZAdresem(), oczekiwane);
}

// Rows typed as "1-40,57": the export dialog, `koperty`, `etykiety` and `eksport` take them
// and show these messages.
void TestListaKlientow::zakresWierszy_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QList<int>>("wiersze"); // 0-based
    QTest::addColumn<QString>("blad");
    QTest::newRow("ranges and rows") << "1-3,5" << QList<int>{0, 1, 2, 4} << "";
    QTest::newRow("spaces, any order") << " 7 , 2 - 3 " << QList<int>{1, 2, 6} << "";
    QTest::newRow("each row once") << "4,4,3-4" << QList<int>{2, 3} << "";
    QTest::newRow("the last row") << "501" << QList<int>{500} << "";
    const QString poza = QStringLiteral("wiersze %1 są poza listą (numery od 1 do 501)");
    const QString niezrozumialy = QStringLiteral("niezrozumiały zakres wierszy \"%1\" (przykład: 1-40,57)");
    QTest::newRow("row 0") << "0" << QList<int>{} << poza.arg("0");
    QTest::newRow("past the list") << "500-502" << QList<int>{} << poza.arg("500-502");
    QTest::newRow("backwards") << "5-3" << QList<int>{} << poza.arg("5-3");
    QTest::newRow("six digits") << "000007" << QList<int>{6} << "";
    QTest::newRow("seven digits") << "1000000" << QList<int>{} << niezrozumialy.arg("1000000");
    QTest::newRow("a letter") << "1-x" << QList<int>{} << niezrozumialy.arg("1-x");
    QTest::newRow("empty part") << "1,,2" << QList<int>{} << niezrozumialy.arg("");
    QTest::newRow("nothing") << "" << QList<int>{} << niezrozumialy.arg("");
}

void TestListaKlientow::zakresWierszy()
{
    QFETCH(QString, tekst);
    QFETCH(QList<int>, wiersze);
    QFETCH(QString, blad);
    QString komunikat;
    const std::optional<QList<int>> w = parsujWiersze(tekst, LiczbaWierszy, &komunikat);
    QCOMPARE(komunikat, blad);
    QCOMPARE(w.has_value(), blad.isEmpty());
    if (w)
        QCOMPARE(*w, wiersze);
}

void TestListaKlientow::edycjaWiersza()
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
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        QCOMPARE(r[k], t[k].left(Pojemnosc[k])); // cut to capacity: 80, 20 for nip...
    QVERIFY(l.wolny(10) && l.wolny(12));

    // A shorter text over a longer one keeps the old bytes after its length.
    l.ustawTekst(Nazwa1, 2, QStringLiteral("Kowalski"));
    l.ustawTekst(Nazwa1, 2, QStringLiteral("Nowak"));
    QCOMPARE(QByteArray(l.pole(Nazwa1, 2), 9), QByteArray("\x05Nowakski"));
    QCOMPARE(l.linia(2), QStringLiteral("03 Nowak "));

    // Free means an empty nazwa1, whatever else the row holds.
    l.ustawTekst(Nazwa1, 0, QStringLiteral("A"));
    l.ustawTekst(Ulica, 1, QStringLiteral("only a street"));
    QCOMPARE(l.pierwszyWolny(), 1);
    for (int w = 0; w < LiczbaWierszy; ++w)
        l.ustawTekst(Nazwa1, w, QStringLiteral("x"));
    QCOMPARE(l.pierwszyWolny(), -1);
}

void TestListaKlientow::uszkodzonaDlugosc()
{
    // A length byte above the capacity (a damaged file) never reaches the next entry.
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nip, 0, QString(20, u'1'));
    l.ustawTekst(Nip, 1, QStringLiteral("NEXT"));
    l.pole(Nip, 0)[0] = char(255);
    QCOMPARE(l.tekst(Nip, 0), QString(20, u'1'));
    QCOMPARE(l.szukaj(QStringLiteral("1N")), -1);
    l.pole(Nazwa1, 500)[0] = char(200);
    QCOMPARE(l.linia(500).size(), 3 + 1 + 80 + 1);
    QCOMPARE(int(l.spakowana().pole(Nazwa1, 0)[0]), 80);
}

void TestListaKlientow::szukaj_data()
{
    // Row 2 holds "Kowalski Łódź" in kolumna1 and row 5 "?Zabrze-ski" in kolumna2;
    // both rows are free unless one of the columns is nazwa1.
    QTest::addColumn<int>("kolumna1");
    QTest::addColumn<int>("kolumna2");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wiersz");
    QTest::newRow("nazwa1") << int(Nazwa1) << int(Opis) << "Kowal" << 1;
    QTest::newRow("case matters") << int(Nazwa1) << int(Opis) << "kowal" << -1;
    QTest::newRow("exact diacritics") << int(Miejscowosc) << int(Opis) << "Łódź" << 1;
    QTest::newRow("empty text") << int(Nazwa1) << int(Opis) << "" << -1;
    QTest::newRow("no trimming") << int(Nazwa1) << int(Opis) << " Kowalski" << -1;
    QTest::newRow("longer than the entry") << int(Nip) << int(Opis) << "Kowalski Łódź!" << -1;
    QTest::newRow("ulica row 2 before opis row 5") << int(Ulica) << int(Opis) << "ski" << 1;
    QTest::newRow("lowest row, whatever column") << int(Opis) << int(Nazwa1) << "ski" << 1;
    QTest::newRow("free row through nazwa2") << int(Nazwa2) << int(Info1) << "Kowal" << 1;
    QTest::newRow("info1 not searched") << int(Info1) << int(Info6) << "Kowal" << -1;
    QTest::newRow("lp not searched") << int(Info1) << int(Info6) << "05" << -1;
    QTest::newRow("a real question mark") << int(Info1) << int(Nazwa1) << "?Zab" << 4;
    QTest::newRow("character outside the code page") << int(Info1) << int(Nazwa1) << "中Zab" << -1;
}

void TestListaKlientow::szukaj()
{
    QFETCH(int, kolumna1);
    QFETCH(int, kolumna2);
    QFETCH(QString, tekst);
    QFETCH(int, wiersz);
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(kolumna1, 1, QStringLiteral("Kowalski Łódź"));
    l.ustawTekst(kolumna2, 4, QStringLiteral("?Zabrze-ski"));
    QCOMPARE(l.szukaj(tekst), wiersz);
}

void TestListaKlientow::sortuj_data()
{
    QTest::addColumn<Kierunek>("kierunek");
    QTest::addColumn<QStringList>("wynik");
    QTest::newRow("A to Z") << Kierunek::OdADoZ << QStringList{"9", "10", "A", "a", "b", "Łódź", "Zabrze"};
    QTest::newRow("Z to A") << Kierunek::OdZDoA << QStringList{"Zabrze", "Łódź", "b", "A", "a", "10", "9"};
}

void TestListaKlientow::sortuj()
{
    QFETCH(Kierunek, kierunek);
    QFETCH(QStringList, wynik);
    const QStringList przed{"b", "", "A", "a", "Łódź", "Zabrze", "10", "9"};
    ListaKlientow l = listaZNazwami(przed);
    l.ustawTekst(Opis, 1, QStringLiteral("dropped")); // the free row holds text
    l.sortuj(kierunek);
    const ListaKlientow s = l.spakowana();
    QCOMPARE(kolumna(s, Nazwa1, 7), wynik);
    // The other columns moved with the name; lp stayed with the position.
    for (int w = 0; w < 7; ++w)
        QCOMPARE(s.tekst(Ulica, w), QStringLiteral("ulica %1").arg(przed.indexOf(wynik[w])));
    QCOMPARE(s.szukaj(QStringLiteral("dropped")), -1);
    QCOMPARE(s.szukaj(QStringLiteral("ulica 1")), -1);
    // Rows 8 to 501 are empty and numbered.
    ListaKlientow oczekiwana = ListaKlientow::nowa();
    for (int w = 0; w < 7; ++w)
        oczekiwana.kopiujDoWiersza(w, s.wiersz(w));
    QCOMPARE(s, oczekiwana);
}

void TestListaKlientow::sortujKolejnoscIStabilnosc()
{
    // The Polish alphabet; a prefix is less than the longer text; numbers by value.
    const QStringList rosnaco{"1",   "9",    "10",     "A",     "Ab",     "Abc",    "Ąbecadło", "b",
                              "Ćma", "Łódź", "Ósemka", "Śruba", "Zabrze", "Zakład", "Żabka"};
    QStringList odwrotnie = rosnaco;
    std::reverse(odwrotnie.begin(), odwrotnie.end());
    ListaKlientow l = listaZNazwami(odwrotnie);
    l.sortuj(Kierunek::OdADoZ);
    QCOMPARE(kolumna(l.spakowana(), Nazwa1, rosnaco.size()), rosnaco);

    // Equal keys keep their order in both directions.
    const QStringList ulice[] = {{"ulica 1", "ulica 4", "ulica 0", "ulica 2", "ulica 5", "ulica 3"},
                                 {"ulica 3", "ulica 0", "ulica 2", "ulica 5", "ulica 1", "ulica 4"}};
    for (Kierunek k : {Kierunek::OdADoZ, Kierunek::OdZDoA}) {
        ListaKlientow r = listaZNazwami({"B", "A", "B", "C", "A", "B"});
        r.sortuj(k);
        QCOMPARE(kolumna(r.spakowana(), Ulica, 6), ulice[k == Kierunek::OdZDoA]);
    }
}

void TestListaKlientow::sortujZerujeResztki()
{
    ListaKlientow l = listaZNazwami({"Zenon Długi", "Adam"});
    l.ustawTekst(Nazwa1, 0, QStringLiteral("Zet")); // "on Długi" stays after the text
    l.ustawTekst(Opis, 1, QString(100, u'o'));
    l.ustawTekst(Opis, 1, QStringLiteral("krótki"));
    l.sortuj(Kierunek::OdADoZ);
    const ListaKlientow s = l.spakowana();
    QCOMPARE(QByteArray(s.pole(Opis, 0), 101), QByteArray("\x06kr\xf3tki") + QByteArray(94, '\0'));
    QCOMPARE(QByteArray(s.pole(Nazwa1, 1), 81), QByteArray("\x03Zet") + QByteArray(77, '\0'));
}

void TestListaKlientow::sortujPustaIUlozona()
{
    // No named rows: 501 empty rows numbered from 01.
    ListaKlientow pusta;
    pusta.ustawTekst(Ulica, 3, QStringLiteral("no name"));
    QCOMPARE(pusta.sortuj(Kierunek::OdADoZ), 1);
    QCOMPARE(pusta.spakowana(), ListaKlientow::nowa());

    // Already in order, free rows at the top: one pass, nothing moves.
    ListaKlientow l = ListaKlientow::nowa();
    l.ustawTekst(Nazwa1, 499, QStringLiteral("A"));
    l.ustawTekst(Nazwa1, 500, QStringLiteral("B"));
    const ListaKlientow przed = l;
    QCOMPARE(l.sortuj(Kierunek::OdADoZ), 1);
    QCOMPARE(l, przed);
    QCOMPARE(kolumna(l.spakowana(), Nazwa1, 3), (QStringList{"A", "B", ""}));
}

void TestListaKlientow::sortujNajgorszyPrzypadek()
{
    QStringList odwrotnie;
    for (int w = 0; w < LiczbaWierszy; ++w)
        odwrotnie.append(QStringLiteral("Klient %1").arg(LiczbaWierszy - w, 3, 10, QChar(u'0')));
    ListaKlientow l = listaZNazwami(odwrotnie);
    // 500 passes exchange something, the last one nothing.
    QCOMPARE(l.sortuj(Kierunek::OdADoZ), 501);
    for (int w = 0; w < LiczbaWierszy; ++w) {
        QCOMPARE(l.tekst(Nazwa1, w), odwrotnie[LiczbaWierszy - 1 - w]);
        QCOMPARE(l.tekst(Ulica, w), QStringLiteral("ulica %1").arg(LiczbaWierszy - 1 - w));
    }
}

void TestListaKlientow::plik_data()
{
    QTest::addColumn<qsizetype>("rozmiar"); // -1: no file
    QTest::addColumn<QString>("blad");
    QTest::newRow("exact") << qsizetype(349698) << "";
    QTest::newRow("longer") << qsizetype(400000) << "";
    QTest::newRow("one byte short") << qsizetype(349697) << "Read beyond end of file";
    QTest::newRow("missing") << qsizetype(-1) << "File not found";
}

void TestListaKlientow::plik()
{
    QFETCH(qsizetype, rozmiar);
    QFETCH(QString, blad);
    QTemporaryDir tmp;
    const QString sciezka = tmp.filePath(QStringLiteral("lista.dat"));
    const ListaKlientow zrodlo = listaZNazwami({"Łukasz Żółć", "Ąę"});
    if (rozmiar >= 0)
        QVERIFY(zapiszPlik(sciezka, zrodlo.dane().leftJustified(rozmiar, 'X', true)));

    // A failed load leaves the list in memory as it was.
    ListaKlientow l = listaZNazwami({"previous"});
    const ListaKlientow przed = l;
    const BladIO b = l.wczytaj(sciezka);
    QCOMPARE(b ? b.tekst() : QString(), blad);
    QCOMPARE(l, b ? przed : zrodlo);
    if (b)
        return;
    // The next save writes exactly one record, truncating a longer file.
    l.ustawTekst(Nazwa1, 5, QStringLiteral("nowy"));
    QVERIFY(!l.zapisz(sciezka));
    QCOMPARE(czytajPlik(sciezka), l.dane());
}

void TestListaKlientow::sortowaniePrzyPelnymDysku()
{
    // A sort whose save runs out of disk space leaves the list file as it was, in a
    // small tmpfs of a private mount namespace.
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        QSKIP("unshare is not available");
    QTemporaryDir tmp;
    const QString zrodlo = tmp.filePath(QStringLiteral("zrodlo.dat"));
    QVERIFY(zapiszPlik(zrodlo, listaZNazwami({"b", "a", "", "c"}).dane()));
    QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("mnt")));
    const QString skrypt = QStringLiteral("mount -t tmpfs -o size=512k tmpfs \"$1\" || exit 3\n"
                                          "cp \"$2\" \"$1/lista.dat\" || exit 3\n"
                                          "dd if=/dev/zero of=\"$1/wypelnienie\" bs=4k 2>/dev/null\n"
                                          "\"$3\" sortuj \"$1/lista.dat\"\n"
                                          "cmp -s \"$2\" \"$1/lista.dat\" && echo SAME || echo CHANGED\n");
    QProcess p;
    p.start(QStringLiteral("unshare"), {"-Urm", "sh", "-c", skrypt, "sh", tmp.filePath(QStringLiteral("mnt")), zrodlo,
                                        QStringLiteral(LK_BIN_DIR "/klienci_pomocnik")});
    QVERIFY(p.waitForFinished(20000));
    if (p.exitCode() == 3)
        QSKIP("a private tmpfs cannot be mounted here");
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             (QStringList{"Disk full", "SAME"}));
}

void TestListaKlientow::podpisyInfo_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("zawartosc"); // empty: no file
    QTest::addColumn<QString>("blad");
    QTest::addColumn<QStringList>("teksty");
    const QStringList nazwy{"Telefon", "E-mail", "Osoba", "Źródło", "", "Uwagi"};
    QByteArray rekord(66, '\0');
    for (int i = 0; i < 6; ++i)
        zapiszTekst(rekord, i * 11, 10, nazwy[i]);
    QTest::newRow("missing: created as zeros") << "Admini" << QByteArray() << "" << QStringList(6);
    QTest::newRow("six captions, longer file") << "ADMINI" << rekord + "tail"
                                               << "" << nazwy;
    QTest::newRow("short file") << "admini" << QByteArray(65, '\0') << "Read beyond end of file" << QStringList();
    QTest::newRow("no folder") << "" << QByteArray() << "Invalid filename" << QStringList();
}

void TestListaKlientow::podpisyInfo()
{
    QFETCH(QString, folder);
    QFETCH(QByteArray, zawartosc);
    QFETCH(QString, blad);
    QFETCH(QStringList, teksty);
    QTemporaryDir tmp;
    const QString plik = tmp.path() + u'/' + folder + QStringLiteral("/info.dat");
    if (!folder.isEmpty())
        QVERIFY(QDir(tmp.path()).mkdir(folder));
    if (!zawartosc.isEmpty())
        QVERIFY(zapiszPlik(plik, zawartosc));
    const Podpisy p = czytajPodpisyInfo(tmp.path());
    QCOMPARE(p.blad ? p.blad.tekst() : QString(), blad);
    if (p.blad)
        return;
    QCOMPARE(QStringList(p.teksty.begin(), p.teksty.end()), teksty);
    QCOMPARE(czytajPlik(plik), zawartosc.isEmpty() ? QByteArray(66, '\0') : zawartosc);
}

void TestListaKlientow::przykladoweDane()
{
    // The example data root that ./run copies for the user.
    const QString katalog = QStringLiteral(LK_PRZYKLAD);
    QVERIFY(!QFileInfo::exists(katalog + QStringLiteral("/Admini/siec.dat")));
    QVERIFY(QFileInfo(katalog + QStringLiteral("/Koperty")).isDir()
            && QFileInfo(katalog + QStringLiteral("/FONT")).isDir());
    const QByteArray firma = czytajPlik(katalog + QStringLiteral("/Admini/firma.dat"));
    QCOMPARE(firma.size(), qsizetype(306));
    QCOMPARE(czytajTekst(firma, 0, 50), QStringLiteral("Biuro Rachunkowe „Żuraw” Sp. z o.o."));
    QCOMPARE(czytajTekst(firma, 51, 50), QStringLiteral("ul. Długa 5"));
    QCOMPARE(czytajTekst(firma, 102, 50), QStringLiteral("00-950 Warszawa"));
    const QByteArray info = czytajPlik(katalog + QStringLiteral("/Admini/info.dat"));
    QCOMPARE(info.size(), qsizetype(66));
    QCOMPARE(czytajTekst(info, 44, 10), QStringLiteral("Płatność"));
    ListaKlientow l;
    QVERIFY(!l.wczytaj(katalog + QStringLiteral("/Firmy/klienci.dat")));
    QCOMPARE(l.pierwszyWolny(), 10);
    QCOMPARE(l.tekst(Lp, 500), QStringLiteral("501"));
}

QTEST_GUILESS_MAIN(TestListaKlientow)
#include "test_listaklientow.moc"
