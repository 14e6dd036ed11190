// The command line run as a separate process in a data root of its own: mistakes give a
// Polish message naming the problem and a non-zero status and leave no output file; the
// envelopes of the chosen rows land one per page, and on the envelope; no output replaces
// what is read; export and import meet in the list; reading needs no write permission and
// leaves nothing behind.
#include "../wspolne/innyuzytkownik.h"
#include "../wspolne/pdf.h"
#include "../wspolne/pliki.h"
#include "listaklientow.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Klienci;

class TestPolecenia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bledy_data();
    void bledy();
    void wyjscieNaWejscie_data();
    void wyjscieNaWejscie();
    void kopertyNaKopercie_data();
    void kopertyNaKopercie();
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
    // without lock support; `katalog`: the start directory, when not the test's data root.
    Wynik uruchom(const QStringList &argumenty, bool jakoInny = false, bool bezBlokad = false,
                  const QString &katalog = {});
    QTemporaryDir m_dane;
    QTemporaryDir m_wyjscie; // outputs, and the home of user nobody
};

TestPolecenia::Wynik TestPolecenia::uruchom(const QStringList &argumenty, bool jakoInny, bool bezBlokad,
                                            const QString &katalog)
{
    QProcess p;
    p.setWorkingDirectory(katalog.isEmpty() ? m_dane.path() : katalog);
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
    // What outputs must not replace: the list under other names, a record, an import's
    // input (more clients than free rows, so that some are left for the rest file).
    QVERIFY(QFile::link(QStringLiteral("Firmy/lista.dat"), m_dane.filePath(QStringLiteral("dowiazanie.dat"))));
    QCOMPARE(::link(QFile::encodeName(m_dane.filePath(QStringLiteral("Firmy/lista.dat"))).constData(),
                    QFile::encodeName(m_dane.filePath(QStringLiteral("twarde.dat"))).constData()),
             0);
    QVERIFY(QDir(m_dane.path()).mkpath(QStringLiteral("Koperty")));
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("Koperty/x.pro")), QByteArray(726, '\0')));
    QVERIFY(zapiszPlik(m_dane.filePath(QStringLiteral("wejscie.csv")),
                       "Nazwa 1\n" + QByteArray(600, 'K').replace("K", "K\n")));
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

void TestPolecenia::wyjscieNaWejscie_data()
{
    // Every output named as a file the command reads or a record of the data root, spelt
    // in several ways: refused, nothing written.
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<QString>("cel"); // what "@" names
    for (const QStringList &a : QList<QStringList>{{"eksport", "--csv=@"},
                                                   {"eksport", "--vcard=@"},
                                                   {"koperty", "--pdf=@"},
                                                   {"etykiety", "--pdf=@"},
                                                   {"import", "--reszta=@", "wejscie.csv"}})
        for (const char *c :
             {"Firmy/lista.dat", "Firmy/./lista.dat", "dowiazanie.dat", "twarde.dat", "Koperty/x.pro", "wejscie.csv"})
            if (a[0] == u"import" || QLatin1String(c) != "wejscie.csv")
                QTest::addRow("%s %s, %s", qPrintable(a[0]), qPrintable(a[1]), c) << a << QString::fromLatin1(c);
}

void TestPolecenia::wyjscieNaWejscie()
{
    QFETCH(QStringList, argumenty);
    QFETCH(QString, cel);
    const QStringList chronione{"Firmy/lista.dat", "Koperty/x.pro", "wejscie.csv"};
    QList<QByteArray> przed;
    for (const QString &p : chronione)
        przed << czytajPlik(m_dane.filePath(p));
    const Wynik w = uruchom(argumenty.replaceInStrings(u"@"_qs, cel) << QStringLiteral("--lista=Firmy/lista.dat"));
    QCOMPARE(w.status, 1);
    QVERIFY2(w.bledy.contains(QStringLiteral("nie można zapisać do %1: to ten sam plik co ")
                                  .arg(QFileInfo(m_dane.filePath(cel)).absoluteFilePath())),
             qPrintable(w.bledy));
    for (int i = 0; i < chronione.size(); ++i)
        QVERIFY2(czytajPlik(m_dane.filePath(chronione[i])) == przed[i], qPrintable(chronione[i]));
}

void TestPolecenia::kopertyNaKopercie_data()
{
    // The example data root on DL envelopes: with the defaults' preset every line lies on
    // the envelope; with "rozmiar 2" the recipient would fall below it.
    QTest::addColumn<int>("rozmiar"); // the preset kept with the defaults; 0: none kept
    QTest::addColumn<QString>("mimoTo");
    QTest::newRow("defaults") << 0 << "";
    QTest::newRow("rozmiar 2") << 2 << "";
    QTest::newRow("rozmiar 2, --mimo-to") << 2 << "--mimo-to";
}

void TestPolecenia::kopertyNaKopercie()
{
    QFETCH(int, rozmiar);
    QFETCH(QString, mimoTo);
    QTemporaryDir przyklad;
    QCOMPARE(QProcess::execute(QStringLiteral("cp"), {"-r", LK_PRZYKLAD "/.", przyklad.path()}), 0);
    if (rozmiar)
        QVERIFY(zapiszPlik(przyklad.filePath(QStringLiteral("Admini/dane_kop_ori_1.dat")), QByteArray("\2\0\0", 3)));
    const Wynik w = uruchom(QStringList{"koperty", "--lista=Firmy/klienci.dat", "--rozmiar=DL", "--pdf=dl.pdf"}
                                + QStringList(mimoTo).filter(u"-"_qs),
                            false, false, przyklad.path());
    const bool drukuje = rozmiar == 0 || !mimoTo.isEmpty();
    QCOMPARE(w.status, drukuje ? 0 : 1);
    // Which client, which line; a note when printed anyway.
    QCOMPARE(
        w.bledy.contains((mimoTo.isEmpty() ? u"koperty: "_qs : u"koperty: uwaga: "_qs)
                         + QStringLiteral("wiersz 1 listy (Przedsiębiorstwo Handlowe „Łania”): 1. wiersz adresu "
                                          "„Przedsiębiorstwo Handlowe „Łania”” wychodzi poza dolną krawędź koperty")),
        rozmiar == 2);
    // On its long edge, 220 × 110 mm; every word drawn lies on it, the recipient's lines
    // only when they fit.
    const StronaPdf s = czytajStrone(przyklad.filePath(QStringLiteral("dl.pdf")));
    QVERIFY(!drukuje || (qRound(s.szerokosc) == 624 && qRound(s.wysokosc) == 312));
    for (const Slowo &sl : s.slowa)
        QVERIFY2(sl.xMin >= 0 && sl.yMin >= 0 && sl.xMax <= s.szerokosc && sl.yMax <= s.wysokosc, qPrintable(sl.tekst));
    QCOMPARE(s.znajdz(QStringLiteral("Źródlana")) != nullptr, rozmiar == 0);
}

void TestPolecenia::kopertyIWymiana()
{
    // Rows 1 to 4 (row 3 holds only a town, as "Koperty dla wielu" offers it; row 5 is
    // empty and skipped with a note): one envelope per page, in list order, on C6/C5 envelopes
    // lying on their long edge (229 × 114 mm).
    Wynik w = uruchom(
        {"koperty", "--lista", "Firmy/lista.dat", "--wiersze", "1-5", "--rozmiar", "c6/c5", "--pdf", "koperty.pdf"});
    QVERIFY2(w.status == 0, qPrintable(w.bledy));
    QVERIFY2(w.bledy.contains(QStringLiteral("pominięto wiersze bez nazwy i adresu: 1")), qPrintable(w.bledy));
    // No firm record: the envelopes have no sender, and the command says so.
    QVERIFY2(w.bledy.contains(QStringLiteral("koperty nie mają nadawcy: brak danych firmy")), qPrintable(w.bledy));
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
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QLatin1String("648 x 324 pts")));

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
    // Of rows 3 to 6 two hold text: two clients written and counted, the empty ones noted.
    w = uruchom({"eksport", "--lista=Firmy/lista.dat", "--wiersze=3-6", "--vcard=wybrane.vcf"});
    QVERIFY2(w.wyjscie.startsWith(QStringLiteral("Zapisano klientów: 2 "))
                 && w.bledy.contains(QStringLiteral("pominięto puste wiersze: 2"))
                 && czytajPlik(m_dane.filePath(QStringLiteral("wybrane.vcf"))).count("BEGIN:VCARD") == 2,
             qPrintable(w.wyjscie + w.bledy));
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
