// Texts, record files, numbers, paths and the data root, without any window.

#include "katalogdanych.h"
#include "liczby.h"
#include "rekord.h"
#include "sciezki.h"
#include "tekst.h"

#include "../wspolne/pliki.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

class TstCommon : public QObject
{
    Q_OBJECT

private slots:
    void parsujLiczbe_data();
    void parsujLiczbe();
    void zaokraglanie_data();
    void zaokraglanie();

    void cp1250();
    void tekstZDlugosciaPonadPojemnosc();
    void zapisTekstuZostawiaResztePola();

    void bledyOdczytu_data();
    void bledyOdczytu();
    void dluzszyPlikCzytanyOdPoczatku();
    void zapisZastepujePlikICzyjeUprawnienia();
    void zapisDoBrakujacegoKatalogu();
    void tekstyBledow();

    void sciezkiWindows_data();
    void sciezkiWindows();
    void wielkoscLiter();

    void katalogDomyslny();
    void katalogDlugiejSciezki();
    void katalogWedlugTrybu_data();
    void katalogWedlugTrybu();
    void katalogZLiteramiSpozaKodowania();
    void katalogBezAdmini();
    void katalogKrotkiePlikUstawien();
};

void TstCommon::parsujLiczbe_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wynik");
    QTest::newRow("pusty") << "" << 0;
    QTest::newRow("12mm") << "12mm" << 12;
    QTest::newRow("1.5") << "1.5" << 1;
    QTest::newRow("abc") << "abc" << 0;
    QTest::newRow("-5x bez znaku") << "-5x" << 5;
    QTest::newRow("-5") << "-5" << -5;
    QTest::newRow("spacje na poczatku") << "   7" << 7;
    QTest::newRow("spacja na koncu") << "-7 " << 7;
    QTest::newRow("-$10") << "-$10" << -16;
    QTest::newRow("$ff") << "$ff" << 255;
    QTest::newRow("x1F") << "x1F" << 31;
    QTest::newRow("X10") << "X10" << 16;
    QTest::newRow("0x10") << "0x10" << 16;
    QTest::newRow("0X1a") << "0X1a" << 26;
    QTest::newRow("sam prefiks") << "$" << 0;
    QTest::newRow("hex z bledem") << "$1G" << 1;
    QTest::newRow("dziesietny nie zna liter hex") << "12ab" << 12;
    QTest::newRow("minus spacja") << "- 5" << 0;
    QTest::newRow("max") << "2147483647" << 2147483647;
    QTest::newRow("min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("ponad max") << "2147483648" << 214748364;
    QTest::newRow("bardzo dlugi") << "99999999999999999999" << 999999999;
    QTest::newRow("min z bledem") << "-2147483648x" << 214748364;
    QTest::newRow("hex ponad zakres") << "$FFFFFFFF" << 0x0FFFFFFF;
}

void TstCommon::parsujLiczbe()
{
    QFETCH(QString, tekst);
    QFETCH(int, wynik);
    QCOMPARE(::parsujLiczbe(tekst), wynik);
}

void TstCommon::zaokraglanie_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("zaokraglony");
    QTest::addColumn<qint64>("obciety");
    QTest::newRow("12.5") << qint64(25) << qint64(2) << qint64(12) << qint64(12);
    QTest::newRow("37.5") << qint64(75) << qint64(2) << qint64(38) << qint64(37);
    QTest::newRow("-12.5") << qint64(-25) << qint64(2) << qint64(-12) << qint64(-12);
    QTest::newRow("-7.5") << qint64(-15) << qint64(2) << qint64(-8) << qint64(-7);
    QTest::newRow("720/25") << qint64(720) << qint64(25) << qint64(29) << qint64(28);
    QTest::newRow("96/25") << qint64(96) << qint64(25) << qint64(4) << qint64(3);
    QTest::newRow("ujemny dzielnik") << qint64(25) << qint64(-2) << qint64(-12) << qint64(-12);
}

void TstCommon::zaokraglanie()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, zaokraglony);
    QFETCH(qint64, obciety);
    QCOMPARE(zaokraglijIloraz(a, b), zaokraglony);
    QCOMPARE(obetnijIloraz(a, b), obciety);
}

void TstCommon::cp1250()
{
    const QString polski = QStringLiteral("Łódź ŚĄŻąóÓ");
    const QByteArray bajty = QByteArray::fromHex("A3F3649F208CA5AFB9F3D3");
    QCOMPARE(doCp1250(polski), bajty);
    QCOMPARE(zCp1250(bajty), polski);
    QCOMPARE(doCp1250(QStringLiteral("€")), QByteArray("\x80"));
    // Characters outside the code page become '?', one per character.
    QCOMPARE(doCp1250(QStringLiteral("a漢b")), QByteArray("a?b"));
    QCOMPARE(doCp1250(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
    // Every byte decodes to something and encodes back (the five unassigned ones aside).
    for (int b = 1; b < 256; ++b) {
        const QByteArray jeden(1, char(b));
        const QString z = zCp1250(jeden);
        QCOMPARE(z.size(), 1);
        if (z != QChar(QChar::ReplacementCharacter))
            QCOMPARE(doCp1250(z), jeden);
    }
    // The table agrees with the system's converter on every byte and every character.
    for (int b = 0; b < 256; ++b) {
        const QByteArray jeden(1, char(b));
        QCOMPARE(zCp1250(jeden), QStringDecoder("windows-1250").decode(jeden));
    }
    for (char16_t u = 1; u != 0; ++u) {
        if (QChar::isSurrogate(u))
            continue;
        const QChar z(u);
        QStringEncoder koder("windows-1250");
        const QByteArray wzor = koder.encode(QStringView(&z, 1));
        const bool miesci = !koder.hasError() && wzor.size() == 1;
        QCOMPARE(miesciSieWCp1250(z), miesci);
        QCOMPARE(doCp1250(QStringView(&z, 1)), miesci ? wzor : QByteArray("?"));
    }
}

void TstCommon::tekstZDlugosciaPonadPojemnosc()
{
    // A damaged length byte is read as the capacity, never past the field.
    QByteArray rekord("\xFF"
                      "abcde"
                      "XYZ",
                      9);
    QCOMPARE(czytajTekst(rekord, 0, 5), QStringLiteral("abcde"));
    rekord[0] = 3;
    QCOMPARE(czytajTekst(rekord, 0, 5), QStringLiteral("abc"));
    rekord[0] = 0;
    QCOMPARE(czytajTekst(rekord, 0, 5), QString());
}

void TstCommon::zapisTekstuZostawiaResztePola()
{
    QByteArray rekord(7, 'q');
    zapiszTekst(rekord, 0, 5, QStringLiteral("Ła"));
    QCOMPARE(rekord, QByteArray("\x02\xA3"
                                "aqqqq"
                                "q",
                                7)
                         .left(7));
    zapiszTekst(rekord, 0, 5, QStringLiteral("abcdefgh")); // cut to the capacity
    QCOMPARE(rekord, QByteArray("\x05"
                                "abcde"
                                "q",
                                7));
    QCOMPARE(czytajTekst(rekord, 0, 5), QStringLiteral("abcde"));
}

void TstCommon::bledyOdczytu_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<int>("rozmiarPliku");
    QTest::addColumn<int>("kod");
    QTest::newRow("brak pliku") << "brak.dat" << -1 << 2;
    QTest::newRow("brak katalogu") << "nie_ma/plik.dat" << -1 << 3;
    QTest::newRow("pusty plik") << "pusty.dat" << 0 << 100;
    QTest::newRow("krotszy o bajt") << "krotki.dat" << 402 << 100;
    QTest::newRow("katalog zamiast pliku") << "katalog" << -2 << 5;
}

void TstCommon::bledyOdczytu()
{
    QFETCH(QString, nazwa);
    QFETCH(int, rozmiarPliku);
    QFETCH(int, kod);
    QTemporaryDir tmp;
    const QString sciezka = tmp.filePath(nazwa);
    if (rozmiarPliku >= 0)
        zapiszPlik(sciezka, QByteArray(rozmiarPliku, 'x'));
    else if (rozmiarPliku == -2)
        QDir(tmp.path()).mkdir(nazwa);

    QByteArray rekord("niezmieniony");
    const BladIO blad = czytajRekord(sciezka, rekord, 403);
    QCOMPARE(blad.kod, kod);
    QCOMPARE(rekord, QByteArray("niezmieniony"));
}

void TstCommon::dluzszyPlikCzytanyOdPoczatku()
{
    QTemporaryDir tmp;
    const QString sciezka = tmp.filePath("dlugi.dat");
    QByteArray dane(500, 'a');
    dane[0] = 'S';
    dane[2] = 'E';
    zapiszPlik(sciezka, dane);
    QByteArray rekord;
    QVERIFY(czytajRekord(sciezka, rekord, 3).ok());
    QCOMPARE(rekord, QByteArray("SaE"));
    QCOMPARE(QFileInfo(sciezka).size(), 500); // reading never changes the file
}

void TstCommon::zapisZastepujePlikICzyjeUprawnienia()
{
    QTemporaryDir tmp;
    const QString sciezka = tmp.filePath("rekord.dat");
    zapiszPlik(sciezka, QByteArray(1000, 'z'));
    QFile::setPermissions(sciezka, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    const QByteArray nowy = QByteArray::fromHex("0102030400");
    QVERIFY(zapiszRekord(sciezka, nowy).ok());
    QCOMPARE(czytajPlik(sciezka), nowy); // truncated to the record
    QCOMPARE(QFile::permissions(sciezka) & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    // No temporary file is left beside it.
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files), QStringList{"rekord.dat"});
}

void TstCommon::zapisDoBrakujacegoKatalogu()
{
    QTemporaryDir tmp;
    QCOMPARE(zapiszRekord(tmp.filePath("nie_ma/plik.dat"), "abc").kod, int(BladIO::ZlaNazwa));
    QDir(tmp.path()).mkdir("katalog");
    QCOMPARE(zapiszRekord(tmp.filePath("katalog"), "abc").kod, int(BladIO::OdmowaDostepu));
    QVERIFY(QFileInfo(tmp.filePath("katalog")).isDir());
}

void TstCommon::tekstyBledow()
{
    const QList<QPair<int, QString>> teksty = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {32, "I/O error 32"},
    };
    for (const auto &[kod, tekst] : teksty) // system errors map onto these in the fault tests
        QCOMPARE(BladIO{kod}.tekst(), tekst);
}

void TstCommon::sciezkiWindows_data()
{
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("platforma");
    QTest::newRow("litera dysku") << "C:\\Dane\\Firma"
                                  << "/Dane/Firma";
    QTest::newRow("sam dysk") << "D:"
                              << "/";
    QTest::newRow("udzial sieciowy") << "\\\\serwer\\udzial\\Dane"
                                     << "/net/serwer/udzial/Dane";
    QTest::newRow("sciezka platformy") << "/home/biuro/dane"
                                       << "/home/biuro/dane";
    QTest::newRow("separator na koncu") << "/home/biuro/"
                                        << "/home/biuro";
    QTest::newRow("pusta") << ""
                           << "";
    QTest::newRow("wzgledna") << "dane\\firmy"
                              << "dane/firmy";
}

void TstCommon::sciezkiWindows()
{
    QFETCH(QString, windows);
    QFETCH(QString, platforma);
    QCOMPARE(sciezkaZWindows(windows), platforma);
}

void TstCommon::wielkoscLiter()
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath("Admini/Podkatalog");
    zapiszPlik(tmp.filePath("Admini/Info.DAT"), "x");
    const QString root = tmp.path();
    QCOMPARE(sciezkaDanych(root, "\\ADMINI\\info.dat"), root + "/Admini/Info.DAT");
    QCOMPARE(sciezkaDanych(root, "\\admini\\INFO.dat"), root + "/Admini/Info.DAT");
    // A missing file keeps its spelling; the folder is still matched.
    QCOMPARE(sciezkaDanych(root, "\\ADMINI\\firma.dat"), root + "/Admini/firma.dat");
    QCOMPARE(sciezkaDanych(root, "\\ADMINI\\podkatalog\\a.dat"), root + "/Admini/Podkatalog/a.dat");
    // A trailing separator on the root names the same file.
    QCOMPARE(sciezkaDanych(root + "/", "\\Admini\\info.dat"), root + "/Admini/Info.DAT");
    // An empty root means the root folder.
    QCOMPARE(sciezkaDanych(QString(), "\\nie_ma_takiego\\x.dat"), QStringLiteral("/nie_ma_takiego/x.dat"));
    QCOMPARE(sciezkaDanych("/", "\\nie_ma_takiego\\x.dat"), QStringLiteral("/nie_ma_takiego/x.dat"));
}

void TstCommon::katalogDomyslny()
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkdir("Admini");
    const KatalogDanych k = rozwiazKatalogDanych(tmp.path());
    QVERIFY(k.blad.ok());
    QCOMPARE(k.katalog, tmp.path());

    const QByteArray plik = czytajPlik(tmp.filePath("Admini/siec.dat"));
    QByteArray oczekiwany(403, '\0');
    oczekiwany[0] = 1;
    oczekiwany[1] = char(tmp.path().size());
    oczekiwany.replace(2, tmp.path().size(), tmp.path().toLatin1());
    QCOMPARE(plik, oczekiwany);

    // A second start reads the file it made and changes nothing.
    QCOMPARE(rozwiazKatalogDanych(tmp.path()).katalog, tmp.path());
    QCOMPARE(czytajPlik(tmp.filePath("Admini/siec.dat")), oczekiwany);
}

void TstCommon::katalogDlugiejSciezki()
{
    QTemporaryDir tmp;
    QString dlugi = tmp.path();
    while (dlugi.size() <= 210)
        dlugi += QStringLiteral("/katalog_z_dluga_nazwa");
    QVERIFY(QDir().mkpath(dlugi + "/Admini"));
    const KatalogDanych k = rozwiazKatalogDanych(dlugi);
    QVERIFY(k.blad.ok());
    QCOMPARE(k.katalog, dlugi.left(200));
    const QByteArray plik = czytajPlik(dlugi + "/Admini/siec.dat");
    QCOMPARE(plik.size(), 403);
    QCOMPARE(quint8(plik[1]), quint8(200));
}

void TstCommon::katalogWedlugTrybu_data()
{
    QTest::addColumn<int>("tryb");
    QTest::addColumn<QString>("lokalna");
    QTest::addColumn<QString>("sieciowa");
    QTest::addColumn<QString>("katalog"); // "<start>" stands for the start directory
    QTest::newRow("1 lokalna") << 1 << "/srv/lokalne"
                               << "/srv/siec"
                               << "/srv/lokalne";
    QTest::newRow("2 sieciowa") << 2 << "/srv/lokalne"
                                << "\\\\serwer\\dane"
                                << "/net/serwer/dane";
    QTest::newRow("0") << 0 << "/srv/lokalne"
                       << "/srv/siec"
                       << "<start>";
    QTest::newRow("3") << 3 << "/srv/lokalne"
                       << "/srv/siec"
                       << "<start>";
    QTest::newRow("255") << 255 << "/srv/lokalne"
                         << "/srv/siec"
                         << "<start>";
    QTest::newRow("2 pusta sciezka") << 2 << "/srv/lokalne"
                                     << ""
                                     << "";
    QTest::newRow("1 dysk windows") << 1 << "C:\\Biuro\\Dane"
                                    << ""
                                    << "/Biuro/Dane";
}

void TstCommon::katalogWedlugTrybu()
{
    QFETCH(int, tryb);
    QFETCH(QString, lokalna);
    QFETCH(QString, sieciowa);
    QFETCH(QString, katalog);
    QTemporaryDir tmp;
    QDir(tmp.path()).mkdir("admini"); // any letter case names the folder
    QByteArray rekord(403, '\0');
    rekord[0] = char(tryb);
    zapiszTekst(rekord, 1, 200, lokalna);
    zapiszTekst(rekord, 202, 200, sieciowa);
    zapiszPlik(tmp.filePath("admini/SIEC.DAT"), rekord);

    const KatalogDanych k = rozwiazKatalogDanych(tmp.path());
    QVERIFY(k.blad.ok());
    QCOMPARE(k.katalog, katalog == "<start>" ? tmp.path() : katalog);
    QCOMPARE(QDir(tmp.filePath("admini")).entryList(QDir::Files), QStringList{"SIEC.DAT"});
}

void TstCommon::katalogZLiteramiSpozaKodowania()
{
    QTemporaryDir tmp;
    const QString start = tmp.filePath(QStringLiteral("Иван"));
    QVERIFY(QDir().mkpath(start + "/Admini"));
    const KatalogDanych k = rozwiazKatalogDanych(start);
    QVERIFY(k.blad.ok());
    QCOMPARE(k.katalog, start);
    QCOMPARE(czytajPlik(start + "/Admini/siec.dat").at(0), '\0');
}

void TstCommon::katalogBezAdmini()
{
    QTemporaryDir tmp;
    const KatalogDanych k = rozwiazKatalogDanych(tmp.path());
    QCOMPARE(k.blad.tekst(), QStringLiteral("Invalid filename"));
    QCOMPARE(k.katalog, tmp.path());
    QVERIFY(!QFileInfo::exists(tmp.filePath("Admini")));
}

void TstCommon::katalogKrotkiePlikUstawien()
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkdir("Admini");
    QByteArray rekord(402, '\0');
    rekord[0] = 1;
    zapiszTekst(rekord, 1, 200, QStringLiteral("/gdzie/indziej"));
    zapiszPlik(tmp.filePath("Admini/siec.dat"), rekord);
    const KatalogDanych k = rozwiazKatalogDanych(tmp.path());
    QCOMPARE(k.blad.tekst(), QStringLiteral("Read beyond end of file"));
    QCOMPARE(k.katalog, tmp.path());
    QCOMPARE(QFileInfo(tmp.filePath("Admini/siec.dat")).size(), 402);
}

QTEST_GUILESS_MAIN(TstCommon)
#include "tst_common.moc"
