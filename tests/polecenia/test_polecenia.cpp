// The command line run as a separate process in a data root of its own: mistakes give a
// Polish message naming the problem and a non-zero status and leave no output file; the
// envelopes of the chosen rows land one per page; export and import meet in the list;
// reading needs no write permission and leaves nothing behind.
#include "../wspolne/innyuzytkownik.h"
#include "../wspolne/pliki.h"
#include "listaklientow.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Klienci;

class TestPolecenia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bledy_data();
    void bledy();
    void kopertyIWymiana();
    void bezZapisu_data();
    void bezZapisu();

private:
    struct Wynik
    {
        int status;
        QString wyjscie, bledy;
    };
    // `jakoInny`: as user nobody when the test runs as root; `bezBlokad`: on a mount
    // without lock support.
    Wynik uruchom(const QStringList &argumenty, bool jakoInny = false, bool bezBlokad = false);
    QTemporaryDir m_dane;
    QTemporaryDir m_wyjscie; // outputs, and the home of user nobody
};

TestPolecenia::Wynik TestPolecenia::uruchom(const QStringList &argumenty, bool jakoInny, bool bezBlokad)
{
    QProcess p;
    p.setWorkingDirectory(m_dane.path());
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(QStringLiteral("DISPLAY"));
    e.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (bezBlokad) {
        e.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(LK_BEZ_BLOKAD));
        e.insert(QStringLiteral("ASAN_OPTIONS"), e.value(QStringLiteral("ASAN_OPTIONS")) + ":verify_asan_link_order=0");
    }
    p.setProcessEnvironment(e);
    const QString program = QStringLiteral(LK_BIN_DIR "/lista_klientow");
    if (jakoInny && ::geteuid() == 0)
        innyUzytkownik::uruchomProcesJakoNobody(p, program, argumenty, m_wyjscie.path());
    else
        p.start(program, argumenty);
    if (!p.waitForFinished(30000))
        return {-1, {}, {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void TestPolecenia::initTestCase()
{
    QVERIFY(QDir(m_dane.path()).mkpath(QStringLiteral("Firmy")));
    ListaKlientow l = ListaKlientow::nowa();
    const QStringList nazwy{"Żabiński Łukasz", "Ąbecki Marian", "", "Kowalczyk Anna"};
    for (int w = 0; w < nazwy.size(); ++w) {
        l.ustawTekst(Nazwa1, w, nazwy[w]);
        l.ustawTekst(Miejscowosc, w, QStringLiteral("Miasto %1").arg(w + 1));
    }
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("Firmy/lista.dat")), l.dane()));
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("bez_naglowka.csv")), "Alfa;ul. Polna 1;Opole\r\n"));
}

void TestPolecenia::bledy_data()
{
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("komunikat");
    const QString pdf = QStringLiteral("--pdf=wynik.pdf");
    const QString lista = QStringLiteral("--lista=Firmy/lista.dat");
    QTest::newRow("unknown command") << QStringList{"drukuj"} << 2 << "nieznane polecenie \"drukuj\"";
    QTest::newRow("unknown option") << QStringList{"koperty", "--kolor", pdf} << 2 << "kolor";
    QTest::newRow("no list") << QStringList{"koperty", pdf} << 2 << "brak opcji --lista";
    QTest::newRow("no output") << QStringList{"koperty", lista} << 2 << "--pdf <plik>, --drukarka <kolejka>";
    QTest::newRow("missing list") << QStringList{"koperty", "--lista=brak.dat", pdf} << 1 << "brak.dat: File not found";
    QTest::newRow("row out of range") << QStringList{"koperty", lista, "--wiersze=1-502", pdf} << 2
                                      << "wiersze 1-502 są poza listą (numery od 1 do 501)";
    QTest::newRow("rows garbled") << QStringList{"koperty", lista, "--wiersze=1-x", pdf} << 2
                                  << "niezrozumiały zakres wierszy \"1-x\"";
    QTest::newRow("only free rows") << QStringList{"koperty", lista, "--wiersze=5,9", pdf} << 1
                                    << "nie ma żadnego klienta";
    QTest::newRow("unknown size") << QStringList{"koperty", lista, "--rozmiar=A7", pdf} << 2
                                  << "nieznany rozmiar koperty \"A7\"";
    QTest::newRow("missing profile") << QStringList{"koperty", lista, "--profil=brak.pro", pdf} << 1
                                     << "brak.pro: File not found";
    QTest::newRow("short profile") << QStringList{"koperty", lista, "--profil=Firmy/lista.dat.krotki", pdf} << 1
                                   << "Read beyond end of file";
    QTest::newRow("unwritable PDF") << QStringList{"koperty", lista, "--pdf=brak/wynik.pdf"} << 1 << "wynik.pdf";
    QTest::newRow("no such printer") << QStringList{"koperty", lista, "--drukarka=nie-ma-takiej"} << 1
                                     << "nie ma drukarki \"nie-ma-takiej\"";
    // Mistakes in what a job of labels asks for end with status 1.
    QTest::newRow("labels, unknown sheet")
        << QStringList{"etykiety", lista, "--arkusz=70x99", pdf} << 1 << "nieznany arkusz „70x99”";
    QTest::newRow("labels, first label beyond the sheet")
        << QStringList{"etykiety", lista, "--arkusz=105x74", "--od=9", pdf} << 1 << "nie ma etykiety 9";
    QTest::newRow("labels, no copies") << QStringList{"etykiety", lista, "--kopie=0", pdf} << 1 << "od 1 do 100";
    QTest::newRow("labels, 101 copies") << QStringList{"etykiety", lista, "--kopie=101", pdf} << 1 << "od 1 do 100";
    QTest::newRow("labels, rows out of range")
        << QStringList{"etykiety", lista, "--wiersze=1-502", pdf} << 1 << "wiersze 1-502 są poza listą";
    QTest::newRow("labels, lines that do not fit")
        << QStringList{"etykiety", lista, "--arkusz=38.1x21.2", "--margines=10.5", pdf} << 1
        << "wiersz 1 listy (Żabiński Łukasz): wiersze nie mieszczą się na wysokość etykiety nawet w 6 pt";
    QTest::newRow("labels, a firm without an address")
        << QStringList{"etykiety", "--nadawca", pdf} << 1 << "dane firmy nie zawierają adresu nadawcy";
    QTest::newRow("export, two outputs") << QStringList{"eksport", lista, "--csv=a.csv", "--vcard=a.vcf"} << 2
                                         << "--csv <plik>, --vcard <plik>";
    QTest::newRow("import, not a client file") << QStringList{"import", lista, "Firmy/lista.dat"} << 1 << "lista.dat";
    QTest::newRow("import, no header") << QStringList{"import", lista, "bez_naglowka.csv"} << 1
                                       << "Wiersz 1: nie rozpoznano nagłówka. Pierwszy wiersz musi nazywać kolumny";
}

void TestPolecenia::bledy()
{
    QFETCH(QStringList, argumenty);
    QFETCH(int, status);
    QFETCH(QString, komunikat);
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("Firmy/lista.dat.krotki")), QByteArray(100, 'x')));
    const QByteArray lista = czytajPlik(m_dane.filePath(QStringLiteral("Firmy/lista.dat")));
    const Wynik w = uruchom(argumenty);
    QVERIFY2(w.status == status, qPrintable(w.bledy));
    QVERIFY2(w.bledy.contains(komunikat), qPrintable(w.bledy));
    QVERIFY2(w.bledy.startsWith(QStringLiteral("lista_klientow")), qPrintable(w.bledy));
    QVERIFY(!QFile::exists(m_dane.filePath(QStringLiteral("wynik.pdf"))));
    QCOMPARE(czytajPlik(m_dane.filePath(QStringLiteral("Firmy/lista.dat"))), lista);
}

void TestPolecenia::kopertyIWymiana()
{
    // Rows 1 to 4 (row 3 holds only a town, as "Koperty dla wielu" offers it; row 5 is
    // empty and skipped with a note): one envelope per page, in list order, on C6/C5 paper
    // (114 × 229 mm).
    Wynik w = uruchom(
        {"koperty", "--lista", "Firmy/lista.dat", "--wiersze", "1-5", "--rozmiar", "c6/c5", "--pdf", "koperty.pdf"});
    QVERIFY2(w.status == 0, qPrintable(w.bledy));
    QVERIFY2(w.bledy.contains(QStringLiteral("pominięto wiersze bez nazwy i adresu: 1")), qPrintable(w.bledy));
    const QString pdf = m_dane.filePath(QStringLiteral("koperty.pdf"));
    QProcess tekst;
    tekst.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(tekst.waitForFinished());
    const QStringList strony = QString::fromUtf8(tekst.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(strony.size(), 4);
    const QStringList oczekiwane{"Żabiński Łukasz", "Ąbecki Marian", "Miasto 3", "Kowalczyk Anna"};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(strony[i].contains(oczekiwane[i]), qPrintable(strony[i]));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished());
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QLatin1String("324 x 648 pts")));

    // Labels from the third label on, two of each client, in list order; the sender's
    // sheet fills the rest of a sheet.
    w = uruchom({"etykiety", "--lista=Firmy/lista.dat", "--wiersze=1-5", "--od=3", "--kopie=2", "--pdf=e.pdf"});
    QVERIFY2(w.status == 0, qPrintable(w.bledy));
    QCOMPARE(w.wyjscie, QStringLiteral("Zapisano etykiet: 8 na stronach: 1 (%1)\n")
                            .arg(QDir::toNativeSeparators(m_dane.filePath(QStringLiteral("e.pdf")))));
    tekst.start(QStringLiteral("pdftotext"), {m_dane.filePath(QStringLiteral("e.pdf")), QStringLiteral("-")});
    QVERIFY(tekst.waitForFinished());
    QCOMPARE(QString::fromUtf8(tekst.readAllStandardOutput()).count(QStringLiteral("Ąbecki Marian")), 2);
    QVERIFY(QDir(m_dane.path()).mkpath(QStringLiteral("ADMINI")));
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("ADMINI/firma.dat")),
                       rekordFirmy(QStringLiteral("Firma"), QStringLiteral("Długa 1"), {})));
    w = uruchom({"etykiety", "--nadawca", "--od=20", "--arkusz=70x42,3", "--pdf=n.pdf"});
    QVERIFY2(w.status == 0 && w.wyjscie.startsWith(QStringLiteral("Zapisano etykiet: 2 na stronach: 1")),
             qPrintable(w.bledy + w.wyjscie));
    tekst.start(QStringLiteral("pdftotext"), {m_dane.filePath(QStringLiteral("n.pdf")), QStringLiteral("-")});
    QVERIFY(tekst.waitForFinished());
    QCOMPARE(QString::fromUtf8(tekst.readAllStandardOutput()).count(QStringLiteral("Długa 1")), 2);

    // The rows holding text, exported and imported into an empty list, land in its first
    // rows in their order.
    w = uruchom({"eksport", "--lista=Firmy/lista.dat", "--csv=klienci.csv"});
    QVERIFY2(w.status == 0, qPrintable(w.bledy));
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("Firmy/nowa.dat")), ListaKlientow::nowa().dane()));
    w = uruchom({"import", "--lista=Firmy/nowa.dat", "klienci.csv"});
    QVERIFY2(w.status == 0, qPrintable(w.bledy));
    ListaKlientow nowa;
    QVERIFY(nowa.wczytaj(m_dane.filePath(QStringLiteral("Firmy/nowa.dat"))).ok());
    QCOMPARE(nowa.tekst(Nazwa1, 3), QStringLiteral("Kowalczyk Anna"));
    QCOMPARE(nowa.tekst(Miejscowosc, 2), QStringLiteral("Miasto 3"));
    QCOMPARE(nowa.tekst(Miejscowosc, 1), QStringLiteral("Miasto 2"));

    // The same file again: the three clients with a name are there already (the row with
    // only a town is no repeat); asked to, the repeats are added.
    w = uruchom({"import", "--lista=Firmy/nowa.dat", "klienci.csv"});
    QVERIFY2(w.status == 0 && w.bledy.contains(QStringLiteral("już są na liście albo wcześniej w pliku: 3"))
                 && w.wyjscie.startsWith(QStringLiteral("Zaimportowano klientów: 1, wiersze 05–05")),
             qPrintable(w.bledy + w.wyjscie));
    w = uruchom({"import", "--lista=Firmy/nowa.dat", "--takze-powtorzone", "klienci.csv"});
    QVERIFY2(w.status == 0 && w.wyjscie.startsWith(QStringLiteral("Zaimportowano klientów: 4, wiersze 06–09")),
             qPrintable(w.bledy + w.wyjscie));

    // A card that cannot be read is named, the rest is saved, and the status tells a script.
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("k.vcf")),
                       "BEGIN:VCARD\r\nFN:Dobra\r\nEND:VCARD\r\n"
                       "BEGIN:VCARD\r\nFN:Zepsuta\r\nbzdura\r\nEND:VCARD\r\n"));
    w = uruchom({"import", "--lista=Firmy/nowa.dat", "k.vcf"});
    QCOMPARE(w.status, 1);
    QVERIFY2(w.bledy.contains(QStringLiteral("Linia 6: brak dwukropka, to nie jest wiersz vCard (\"Zepsuta\")")),
             qPrintable(w.bledy));
    QVERIFY(nowa.wczytaj(m_dane.filePath(QStringLiteral("Firmy/nowa.dat"))).ok());
    QCOMPARE(nowa.tekst(Nazwa1, 9), QStringLiteral("Dobra"));
}

// Run as another user: commands that only read need no write permission, and no command
// leaves anything in the data root (here without its setting file): no lock file, no
// setting file. On a mount without lock support an import works and says so once.
void TestPolecenia::bezZapisu_data()
{
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<bool>("bezBlokad");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("komunikat");
    const QString ro = "--lista=Firmy/tylko_odczyt.dat", csv = "--csv=" + m_wyjscie.filePath("a.csv");
    const QString klient = m_wyjscie.filePath("klient.csv"), pdf = "--pdf=" + m_wyjscie.filePath("a.pdf");
    QTest::newRow("export, read-only list") << QStringList{"eksport", ro, csv} << false << 0 << "Zapisano klientów: 4";
    QTest::newRow("envelopes, read-only list") << QStringList{"koperty", ro, pdf} << false << 0 << "Zapisano kopert: 4";
    QTest::newRow("import, read-only list")
        << QStringList{"import", ro, klient} << false << 1 << "tylko_odczyt.dat: File access denied";
    QTest::newRow("import, missing list") << QStringList{"import", "--lista=Firmy/literowka.dat", klient} << false << 1
                                          << "literowka.dat: File not found";
    QTest::newRow("import, no locks") << QStringList{"import", "--lista=Firmy/do_importu.dat", klient} << true << 0
                                      << "Zaimportowano klientów: 1";
    QTest::newRow("export, no locks") << QStringList{"eksport", ro, csv} << true << 0 << "Zapisano klientów: 4";
}

void TestPolecenia::bezZapisu()
{
    QFETCH(QStringList, argumenty);
    QFETCH(bool, bezBlokad);
    QFETCH(int, status);
    QFETCH(QString, komunikat);
    const QDir dane(m_dane.path());
    QVERIFY(dane.mkpath(QStringLiteral("Admini")));
    for (const QString &k : {dane.path(), dane.filePath("Firmy"), dane.filePath("Admini"), m_wyjscie.path()})
        QVERIFY(QFile::setPermissions(k, QFileDevice::Permissions(0x7777)));
    const QString ro = dane.filePath(QStringLiteral("Firmy/tylko_odczyt.dat"));
    QFile::remove(ro);
    QVERIFY(QFile::copy(dane.filePath(QStringLiteral("Firmy/lista.dat")), ro));
    QVERIFY(QFile::setPermissions(ro, QFileDevice::Permissions(0x4444)));
    const QString doImportu = dane.filePath(QStringLiteral("Firmy/do_importu.dat"));
    QVERIFY(zapiszPlik(doImportu, ListaKlientow::nowa().dane()));
    QVERIFY(QFile::setPermissions(doImportu, QFileDevice::Permissions(0x6666)));
    QVERIFY(zapiszPlik(m_wyjscie.filePath(QStringLiteral("klient.csv")), "nazwa1\r\nNowy klient\r\n"));
    const auto pliki = [&] {
        QMap<QString, QByteArray> wynik;
        for (QDirIterator it(dane.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            const QString plik = it.next();
            wynik[dane.relativeFilePath(plik)] = czytajPlik(plik);
        }
        return wynik;
    };
    auto przed = pliki();

    const Wynik w = uruchom(argumenty, true, bezBlokad);
    QVERIFY2(w.status == status, qPrintable(w.bledy));
    QVERIFY2((w.wyjscie + w.bledy).contains(komunikat), qPrintable(w.bledy));
    const bool zmiana = status == 0 && argumenty.first() == u"import";
    QCOMPARE(w.bledy.count(QStringLiteral("nie obsługuje blokad")), zmiana && bezBlokad ? 1 : 0);
    ListaKlientow l;
    QVERIFY(l.wczytaj(doImportu).ok());
    QCOMPARE(l.tekst(Nazwa1, 0), zmiana ? QStringLiteral("Nowy klient") : QString());
    przed[QStringLiteral("Firmy/do_importu.dat")] = l.dane();
    QCOMPARE(pliki().keys().join(u' '), przed.keys().join(u' '));
    QVERIFY(pliki() == przed);
}

QTEST_GUILESS_MAIN(TestPolecenia)
#include "test_polecenia.moc"
