// Client tools: the two arguments of the comments and documents tools, how they reach
// the started program, where the tools are looked up, the firm record's copy for the
// envelope, and the stand-in tools' storage names.

#include "../wspolne/argumenty.h"
#include "../wspolne/pliki.h"
#include "magazyn.h"
#include "narzedzia_klienta.h"

#include <QTest>

Q_DECLARE_METATYPE(Narzedzie)

class TestNarzedziaKlienta : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_katalog.reset(); }
    void argumenty_data();
    void argumenty();
    void wyszukiwanie();
    void kopiaFirmy();
    void kopiaFirmyBledy_data();
    void kopiaFirmyBledy();
    void magazyn_data();
    void magazyn();

private:
    std::unique_ptr<KatalogTestu> m_katalog;
    QString sciezka(const QString &s) const { return m_katalog->sciezka(s); }
};

void TestNarzedziaKlienta::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"program", "praca"});
    QVERIFY(m_katalog->wejdz(QStringLiteral("praca")));
}

void TestNarzedziaKlienta::argumenty_data()
{
    QTest::addColumn<Narzedzie>("narzedzie");
    QTest::addColumn<QString>("nip");
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QStringList>("oczekiwane");

    QTest::newRow("comments for 123 / Alfa") << Narzedzie::Komentarze << "123"
                                             << "Alfa" << QStringList{"123.kom", "Komentarze dla: Alfa "};
    QTest::newRow("documents for 123 / Alfa") << Narzedzie::Dokumenty << "123"
                                              << "Alfa" << QStringList{"123.kom", "Dokumenty dla: Alfa "};
    QTest::newRow("empty name keeps both spaces") << Narzedzie::Komentarze << "123"
                                                  << "" << QStringList{"123.kom", "Komentarze dla:  "};
    QTest::newRow("untrimmed texts, Polish letters")
        << Narzedzie::Dokumenty << " 12.3 "
        << "  Łódź  " << QStringList{" 12.3 .kom", "Dokumenty dla:   Łódź   "};
    QTest::newRow("double quotes and shell characters stay in the name")
        << Narzedzie::Komentarze << "526"
        << "\"Beta\" & Syn; $(rm -rf x) `y` 'z' \\"
        << QStringList{"526.kom", "Komentarze dla: \"Beta\" & Syn; $(rm -rf x) `y` 'z' \\ "};
}

void TestNarzedziaKlienta::argumenty()
{
    QFETCH(Narzedzie, narzedzie);
    QFETCH(QString, nip);
    QFETCH(QString, nazwa1);
    QFETCH(QStringList, oczekiwane);
    QCOMPARE(argumentyNarzedzia(narzedzie, nip, nazwa1), oczekiwane);
    QCOMPARE(programNarzedzia(narzedzie), narzedzie == Narzedzie::Komentarze ? "notar" : "teczkar");

    // The recorder stands beside the "program" under the tool's name, started in the
    // current directory with the arguments whole.
    const QString program = sciezka(QStringLiteral("program"));
    QVERIFY(QFile::copy(QStringLiteral(LK_BIN_DIR "/lk_zapisz_argumenty"),
                        QDir(program).filePath(programNarzedzia(narzedzie))));
    QVERIFY(uruchomNarzedzie(narzedzie, nip, nazwa1, program, {sciezka(QStringLiteral("nic"))}, QPoint(640, -12)));
    const auto argumenty = czekajNaArgumenty(sciezka(QStringLiteral("praca/argumenty.txt")));
    QVERIFY(argumenty);
    QCOMPARE(*argumenty, oczekiwane);
    // The main window's centre goes along beside the two arguments.
    QCOMPARE(czytajPlik(sciezka(QStringLiteral("praca/srodek.txt"))), QByteArray("640,-12"));
    // ... and the stand-in tools read it back.
    qputenv("LK_SRODEK_OKNA", "640,-12");
    QCOMPARE(srodekOknaWywolujacego(), std::optional<QPoint>(QPoint(640, -12)));
    qunsetenv("LK_SRODEK_OKNA");
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

    // Nowhere to be found: nothing (the window then starts nothing and says nothing).
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
                                              QStringLiteral("00-001 Warszawa"))
                                      + QByteArray(10, 'x')));
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
    QTest::newRow("empty") << "" << false;
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
