// Client tools: the two arguments of the comments and documents tools, how they reach
// the started program, where the tools are looked up, the firm record's copy for the
// envelope, and the stand-in tools' storage names.

#include "../wspolne/argumenty.h"
#include "magazyn.h"
#include "narzedzia_klienta.h"
#include "tekst.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Narzedzie)

namespace {

QByteArray rekordFirmy(const QString &a, const QString &b, const QString &c)
{
    QByteArray r(RekordFirmy::Rozmiar, '\x55'); // bytes this program does not read
    zapiszTekst(r, 0, 50, a);
    zapiszTekst(r, 51, 50, b);
    zapiszTekst(r, 102, 50, c);
    return r;
}

bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dane) == dane.size();
}

} // namespace

class TestNarzedziaKlienta : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void argumenty_data();
    void argumenty();
    void uruchomienie_data();
    void uruchomienie();
    void wyszukiwanie();
    void brakNarzedzia();
    void kopiaFirmy();
    void kopiaFirmyBledy_data();
    void kopiaFirmyBledy();
    void magazyn_data();
    void magazyn();

private:
    std::unique_ptr<QTemporaryDir> m_katalog;
    QString sciezka(const QString &s) const { return m_katalog->filePath(s); }
};

void TestNarzedziaKlienta::init()
{
    m_katalog = std::make_unique<QTemporaryDir>();
    QVERIFY(m_katalog->isValid());
    QVERIFY(QDir().mkpath(sciezka(QStringLiteral("program"))));
    QVERIFY(QDir().mkpath(sciezka(QStringLiteral("praca"))));
    QVERIFY(QDir::setCurrent(sciezka(QStringLiteral("praca"))));
}

void TestNarzedziaKlienta::argumenty_data()
{
    QTest::addColumn<Narzedzie>("narzedzie");
    QTest::addColumn<QString>("nip");
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QStringList>("oczekiwane");
    QTest::addColumn<QString>("program");

    QTest::newRow("comments for 123 / Alfa")
        << Narzedzie::Komentarze << "123" << "Alfa" << QStringList{"123.kom", "Komentarze dla: Alfa "} << "notar";
    QTest::newRow("documents for 123 / Alfa")
        << Narzedzie::Dokumenty << "123" << "Alfa" << QStringList{"123.kom", "Dokumenty dla: Alfa "} << "teczkar";
    QTest::newRow("empty name keeps both spaces")
        << Narzedzie::Komentarze << "123" << "" << QStringList{"123.kom", "Komentarze dla:  "} << "notar";
    QTest::newRow("untrimmed texts")
        << Narzedzie::Dokumenty << " 12.3 " << "  Alfa  " << QStringList{" 12.3 .kom", "Dokumenty dla:   Alfa   "} << "teczkar";
    QTest::newRow("double quotes stay in the name")
        << Narzedzie::Komentarze << "526" << "Firma \"Beta\" Sp. z o.o."
        << QStringList{"526.kom", "Komentarze dla: Firma \"Beta\" Sp. z o.o. "} << "notar";
}

void TestNarzedziaKlienta::argumenty()
{
    QFETCH(Narzedzie, narzedzie);
    QFETCH(QString, nip);
    QFETCH(QString, nazwa1);
    QFETCH(QStringList, oczekiwane);
    QFETCH(QString, program);
    QCOMPARE(argumentyNarzedzia(narzedzie, nip, nazwa1), oczekiwane);
    QCOMPARE(programNarzedzia(narzedzie), program);
}

void TestNarzedziaKlienta::uruchomienie_data()
{
    QTest::addColumn<Narzedzie>("narzedzie");
    QTest::addColumn<QString>("nip");
    QTest::addColumn<QString>("nazwa1");
    QTest::newRow("comments, Alfa") << Narzedzie::Komentarze << "123" << "Alfa";
    QTest::newRow("documents, empty name") << Narzedzie::Dokumenty << "123" << "";
    QTest::newRow("quotes and shell characters")
        << Narzedzie::Komentarze << "9.8" << "\"Beta\" & Syn; $(rm -rf x) `y` 'z' \\";
    QTest::newRow("Polish letters") << Narzedzie::Dokumenty << "77" << "Łódź Żółć Sp.j.";
}

void TestNarzedziaKlienta::uruchomienie()
{
    QFETCH(Narzedzie, narzedzie);
    QFETCH(QString, nip);
    QFETCH(QString, nazwa1);

    // The recorder stands beside the "program" under the tool's name.
    const QString program = sciezka(QStringLiteral("program"));
    QVERIFY(QFile::copy(QStringLiteral(LK_BIN_DIR "/lk_zapisz_argumenty"),
                        QDir(program).filePath(programNarzedzia(narzedzie))));
    QVERIFY(uruchomNarzedzie(narzedzie, nip, nazwa1, program, {sciezka(QStringLiteral("nic"))}));

    // Started in the current directory, with the arguments whole.
    const auto argumenty = czekajNaArgumenty(sciezka(QStringLiteral("praca/argumenty.txt")));
    QVERIFY(argumenty);
    QCOMPARE(*argumenty, argumentyNarzedzia(narzedzie, nip, nazwa1));
}

void TestNarzedziaKlienta::wyszukiwanie()
{
    const QString program = sciezka(QStringLiteral("program"));
    const QString naSciezce = sciezka(QStringLiteral("sciezka"));
    QVERIFY(QDir().mkpath(naSciezce));
    const auto wykonywalny = [](const QString &p) {
        return zapiszPlik(p, "#!/bin/true\n")
            && QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };

    QCOMPARE(znajdzNarzedzie(QStringLiteral("notar"), program, {naSciezce}), QString());
    QVERIFY(wykonywalny(naSciezce + QStringLiteral("/notar")));
    QCOMPARE(znajdzNarzedzie(QStringLiteral("notar"), program, {naSciezce}), naSciezce + QStringLiteral("/notar"));
    // A file that is not executable beside the program does not count.
    QVERIFY(zapiszPlik(program + QStringLiteral("/notar"), "tekst"));
    QCOMPARE(znajdzNarzedzie(QStringLiteral("notar"), program, {naSciezce}), naSciezce + QStringLiteral("/notar"));
    // An executable beside the program comes first.
    QVERIFY(wykonywalny(program + QStringLiteral("/notar")));
    QCOMPARE(znajdzNarzedzie(QStringLiteral("notar"), program, {naSciezce}), program + QStringLiteral("/notar"));
}

void TestNarzedziaKlienta::brakNarzedzia()
{
    // Nowhere to be found: false, and nothing was created or started.
    QVERIFY(!uruchomNarzedzie(Narzedzie::Komentarze, QStringLiteral("123"), QStringLiteral("Alfa"),
                              sciezka(QStringLiteral("program")), {sciezka(QStringLiteral("nic"))}));
    QVERIFY(!uruchomNarzedzie(Narzedzie::Dokumenty, QStringLiteral("123"), QStringLiteral("Alfa"),
                              sciezka(QStringLiteral("program")), {sciezka(QStringLiteral("nic"))}));
    QCOMPARE(QDir(sciezka(QStringLiteral("praca"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(sciezka(QStringLiteral("program"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestNarzedziaKlienta::kopiaFirmy()
{
    const QString dane = sciezka(QStringLiteral("dane"));
    QVERIFY(QDir().mkpath(dane + QStringLiteral("/Admini")));
    const QString plikFirmy = dane + QStringLiteral("/Admini/Firma.DAT"); // found whatever the case
    KopiaFirmy kopia;

    // No file and no read yet: empty sender lines, n4 always empty.
    QVERIFY(kopia.czytaj(dane).ok());
    QCOMPARE(kopia.rekord(), QByteArray(306, '\0'));
    WierszeKopertyKlienta w = wierszeKopertyKlienta(kopia, QStringLiteral("Alfa"), QStringLiteral("Beta"),
                                                    QStringLiteral("ul. Długa 1"), QStringLiteral("Łódź"));
    QCOMPARE(w.nadawca, (std::array<QString, 4>{}));
    QCOMPARE(w.odbiorca, (std::array<QString, 4>{"Alfa", "Beta", "ul. Długa 1", "Łódź"}));

    // With the file: its three lines; n4 stays empty.
    QVERIFY(zapiszPlik(plikFirmy, rekordFirmy(QStringLiteral("Firma Zażółć"), QStringLiteral("ul. Polna 2"),
                                              QStringLiteral("00-001 Warszawa")) + QByteArray(10, 'x')));
    QVERIFY(kopia.czytaj(dane).ok());
    w = wierszeKopertyKlienta(kopia, {}, {}, {}, {});
    QCOMPARE(w.nadawca, (std::array<QString, 4>{"Firma Zażółć", "ul. Polna 2", "00-001 Warszawa", ""}));

    // File deleted after a read: the old lines are kept.
    QVERIFY(QFile::remove(plikFirmy));
    QVERIFY(kopia.czytaj(dane).ok());
    QCOMPARE(kopia.nadawca(0), QStringLiteral("Firma Zażółć"));
    QCOMPARE(kopia.nadawca(2), QStringLiteral("00-001 Warszawa"));
}

void TestNarzedziaKlienta::kopiaFirmyBledy_data()
{
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::addColumn<QString>("blad");
    QTest::newRow("short file") << QByteArray(305, 'A') << QStringLiteral("Read beyond end of file");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("Read beyond end of file");
}

void TestNarzedziaKlienta::kopiaFirmyBledy()
{
    QFETCH(QByteArray, zawartosc);
    QFETCH(QString, blad);
    const QString dane = sciezka(QStringLiteral("dane"));
    QVERIFY(QDir().mkpath(dane + QStringLiteral("/ADMINI")));
    const QString plikFirmy = dane + QStringLiteral("/ADMINI/firma.dat");

    KopiaFirmy kopia;
    const QByteArray dobry = rekordFirmy(QStringLiteral("Stara"), QStringLiteral("Firma"), QStringLiteral("Adres"));
    QVERIFY(zapiszPlik(plikFirmy, dobry));
    QVERIFY(kopia.czytaj(dane).ok());

    // A failed read reports and leaves the copy as it was.
    QVERIFY(zapiszPlik(plikFirmy, zawartosc));
    const BladIO b = kopia.czytaj(dane);
    QCOMPARE(b.tekst(), blad);
    QCOMPARE(kopia.rekord(), dobry);
    QCOMPARE(kopia.nadawca(0), QStringLiteral("Stara"));
}

void TestNarzedziaKlienta::magazyn_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<bool>("dozwolona");
    QTest::newRow("nip") << "123.kom" << true;
    QTest::newRow("empty nip") << ".kom" << true;
    QTest::newRow("spaces") << " 12 .kom" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("up a folder") << "../123.kom" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("backslash") << "..\\x.kom" << false;
}

void TestNarzedziaKlienta::magazyn()
{
    QFETCH(QString, nazwa);
    QFETCH(bool, dozwolona);
    const std::optional<QString> s = sciezkaMagazynu(QStringLiteral("Komentarze"), nazwa);
    QCOMPARE(s.has_value(), dozwolona);
    if (!s)
        return;
    QCOMPARE(*s, QStringLiteral("Komentarze/") + nazwa);

    // Missing: empty. Saving creates the folder; reading gives it back.
    QByteArray dane("x");
    QVERIFY(czytajMagazyn(*s, dane).ok());
    QVERIFY(dane.isEmpty());
    const QByteArray tekst = QStringLiteral("Notatka: Łódź\n").toUtf8();
    QVERIFY(zapiszMagazyn(*s, tekst).ok());
    QVERIFY(czytajMagazyn(*s, dane).ok());
    QCOMPARE(dane, tekst);
}

QTEST_GUILESS_MAIN(TestNarzedziaKlienta)
#include "test_narzedzia_klienta.moc"
