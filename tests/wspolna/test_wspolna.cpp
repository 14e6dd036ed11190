// One list file changed by several programs: row commands change only their row, the
// lock on every path to the list, and noticing another program's save.
#include "../wspolne/innyuzytkownik.h"
#include "../wspolne/pliki.h"
#include "obserwatorpliku.h"
#include "otwartalista.h"
#include "wiersze_pisarzy.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Klienci;

class TestWspolna : public QObject
{
    Q_OBJECT
    QTemporaryDir m_katalog;
    QString m_plik;
    const QString m_pisarz = QStringLiteral(LK_BIN_DIR "/wspolna_pisarz");
    const QString m_program = QStringLiteral(LK_BIN_DIR "/lista_klientow");

    QByteArray naDysku() const
    {
        ListaKlientow l;
        return l.wczytaj(m_plik).ok() ? l.dane() : QByteArray();
    }

private slots:
    void init()
    {
        m_plik = m_katalog.filePath(QStringLiteral("lista.dat"));
        ListaKlientow l = ListaKlientow::nowa();
        l.kopiujDoWiersza(4, wierszPisarza(9, 4));
        l.ustawTekst(Nazwa1, 5, QStringLiteral("Długa nazwa klienta do skrócenia"));
        QVERIFY(l.zapisz(m_plik).ok());
    }

    // Two programs load the list, then each adds its own row: the whole-file save of the
    // second drops the first one's row; the row commands keep both.
    void dwaZapisy_data()
    {
        QTest::addColumn<bool>("wierszami");
        QTest::newRow("cały plik z pamięci") << false;
        QTest::newRow("wiersz pod blokadą") << true;
    }
    void dwaZapisy()
    {
        QFETCH(bool, wierszami);
        ListaKlientow a, b, wynik;
        QVERIFY(a.wczytaj(m_plik).ok() && b.wczytaj(m_plik).ok());
        a.kopiujDoWiersza(10, wierszPisarza(1, 10));
        b.kopiujDoWiersza(20, wierszPisarza(2, 20));
        if (wierszami) {
            OtwartaLista oa, ob;
            QVERIFY(oa.otworz(m_plik).ok() && ob.otworz(m_plik).ok());
            QVERIFY(oa.ustawWiersz(10, a.wiersz(10)).ok());
            QVERIFY(ob.ustawWiersz(20, b.wiersz(20)).ok());
        } else {
            QVERIFY(a.zapisz(m_plik).ok() && b.zapisz(m_plik).ok());
        }
        QVERIFY(wynik.wczytaj(m_plik).ok());
        QCOMPARE(wierszZgodny(wynik, 10, wierszPisarza(1, 10)), wierszami);
        QVERIFY(wierszZgodny(wynik, 20, wierszPisarza(2, 20)));
    }

    // Each command writes into the list as it is on disk now (with a row another program
    // added) exactly what the window's command writes, and returns the list as saved.
    void polecenia_data()
    {
        QTest::addColumn<int>("polecenie");
        QTest::newRow("Dodaj do listy: krótsza nazwa") << 0;
        QTest::newRow("Usuń wpis") << 1;
        QTest::newRow("Sortowanie A-Z") << int(Kierunek::OdADoZ) + 2;
        QTest::newRow("Sortowanie Z-A") << int(Kierunek::OdZDoA) + 2;
    }
    void polecenia()
    {
        QFETCH(int, polecenie);
        OtwartaLista lista, inna;
        QVERIFY(lista.otworz(m_plik).ok() && inna.otworz(m_plik).ok());
        QVERIFY(inna.ustawWiersz(30, wierszPisarza(3, 30)).ok());
        ListaKlientow oczekiwana = inna.lista();
        TekstyWiersza krotka;
        krotka[Nazwa1] = QStringLiteral("Krótka");
        WspolnaLista::Wynik wynik;
        if (polecenie == 0) {
            oczekiwana.kopiujDoWiersza(5, krotka);
            wynik = lista.ustawWiersz(5, krotka);
        } else if (polecenie == 1) {
            oczekiwana.kopiujDoWiersza(4, TekstyWiersza{});
            wynik = lista.wyczyscWiersz(4);
        } else {
            oczekiwana.sortuj(Kierunek(polecenie - 2));
            oczekiwana = oczekiwana.spakowana();
            wynik = lista.sortuj(Kierunek(polecenie - 2));
        }
        QVERIFY(wynik.ok() && lista.lista() == oczekiwana);
        QCOMPARE(naDysku(), oczekiwana.dane());
        QCOMPARE(wynik.stan, StanPliku::z(m_plik));
    }

    // A lock held by another program: a change gives up after its waiting time and
    // writes nothing; once the holder is killed the next change goes through.
    void blokada()
    {
        OtwartaLista lista;
        QVERIFY(lista.otworz(m_plik).ok());
        lista.ustawCzasBlokady(50);
        QProcess trzymajacy;
        trzymajacy.start(m_pisarz, {QStringLiteral("trzymaj"), m_plik});
        QVERIFY(trzymajacy.waitForReadyRead(10000));
        const QByteArray przed = naDysku();
        const auto wynik = lista.ustawWiersz(7, wierszPisarza(1, 7));
        QVERIFY(wynik.zajeta && !wynik.ok());
        QCOMPARE(wynik.komunikat, QStringLiteral("Lista %1 jest właśnie zmieniana przez inny program. "
                                                 "Spróbuj ponownie za chwilę.")
                                      .arg(m_plik));
        // A read waits for the change as well, and gives up the same way.
        const auto odczyt = lista.wczytaj();
        QVERIFY(odczyt.zajeta);
        QCOMPARE(odczyt.komunikat, wynik.komunikat);
        QCOMPARE(naDysku(), przed);
        QCOMPARE(lista.lista().dane(), przed);
        trzymajacy.kill();
        QVERIFY(trzymajacy.waitForFinished(10000));
        lista.ustawCzasBlokady(2000);
        QVERIFY(lista.ustawWiersz(7, wierszPisarza(1, 7)).ok());
        BlokadaListy pierwsza(m_plik); // two locks in one program exclude each other too
        QVERIFY(BlokadaListy(m_plik, 20).zajeta());
        // The lock file stays out of the list-file dialogs, and every user may lock it.
        QVERIFY(QFile::permissions(BlokadaListy::sciezkaBlokady(m_plik)) & QFile::WriteOther);
        QCOMPARE(QDir(m_katalog.path()).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("lista.dat")});
        // Where no lock file can be made, the change reports the folder's own error.
        ListaKlientow bezPliku;
        const auto brak = WspolnaLista::zmienPodBlokada(
            m_katalog.filePath(QStringLiteral("brak/l.dat")), bezPliku, [](ListaKlientow &) { return true; }, 20);
        QVERIFY(!brak.zajeta);
        QCOMPARE(brak.blad.kod, int(BladIO::ZlaNazwa));
    }

    // 12 one-client imports at once, half naming the list through a symbolic link, as a
    // second user where permissions matter: every import that reports success is in the
    // list, and no lock file is left (but another user's, which is not ours to remove).
    // Repeated, as one round did not always catch the race.
    void importyNaRaz_data()
    {
        QTest::addColumn<bool>("inny");
        QTest::addColumn<int>("katalog"); // the folder's permissions
        QTest::addColumn<bool>("obcaBlokada");
        QTest::newRow("writable folder") << false << 0x7777 << false;
        QTest::newRow("lock file 0644 of another user") << true << 0x7777 << true;
        QTest::newRow("folder the user cannot write, list 0666") << true << 0x7555 << false;
    }
    void importyNaRaz()
    {
        QFETCH(bool, inny);
        QFETCH(int, katalog);
        QFETCH(bool, obcaBlokada);
        if (inny && ::geteuid() != 0)
            QSKIP("a second user needs root");
        const QDir k(m_katalog.path());
        QVERIFY(QFile::setPermissions(k.path(), QFileDevice::Permissions(0x7777)));
        const QString w = k.filePath(QStringLiteral("wspolny")), lista = w + QStringLiteral("/lista.dat");
        QDir(w).removeRecursively();
        QVERIFY(k.mkpath(w) && QFile::link(QStringLiteral("lista.dat"), w + QStringLiteral("/biezaca.dat")));
        QStringList oczekiwane{QStringLiteral("biezaca.dat"), QStringLiteral("lista.dat")}, klienci;
        if (obcaBlokada) {
            QVERIFY(zapiszPlik(w + QStringLiteral("/.lista.dat.blokada"), {}));
            oczekiwane.prepend(QStringLiteral(".lista.dat.blokada"));
        }
        for (int i = 0; i < 12; ++i) {
            klienci << QStringLiteral("Klient %1").arg(i);
            QVERIFY(zapiszPlik(k.filePath(QStringLiteral("k%1.csv").arg(i)), "nazwa1\r\n" + klienci.last().toUtf8()));
        }
        klienci.sort();
        for (int runda = 0; runda < 3; ++runda) {
            QVERIFY(QFile::setPermissions(w, QFileDevice::Permissions(0x7777)));
            QVERIFY(ListaKlientow::nowa().zapisz(lista).ok());
            QVERIFY(QFile::setPermissions(lista, QFileDevice::Permissions(0x6666)));
            QVERIFY(QFile::setPermissions(w, QFileDevice::Permissions(katalog)));
            std::vector<std::unique_ptr<QProcess>> importy;
            for (int i = 0; i < 12; ++i) {
                const QStringList argumenty{"import", "--lista=" + w + (i % 2 ? "/biezaca.dat" : "/lista.dat"),
                                            k.filePath(QStringLiteral("k%1.csv").arg(i))};
                importy.push_back(std::make_unique<QProcess>());
                if (inny)
                    innyUzytkownik::uruchomProcesJakoNobody(*importy.back(), m_program, argumenty, k.path());
                else
                    importy.back()->start(m_program, argumenty);
            }
            for (auto &p : importy) {
                QVERIFY(p->waitForFinished(30000));
                QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
            }
            ListaKlientow wynik;
            QVERIFY(wynik.wczytaj(lista).ok());
            QStringList zapisani;
            for (int i = 0; i < 12; ++i)
                zapisani << wynik.tekst(Nazwa1, i);
            zapisani.sort();
            QCOMPARE(zapisani, klienci);
            QCOMPARE(QDir(w).entryList(QDir::Files | QDir::Hidden | QDir::System), oczekiwane);
        }
    }

    // Another program's saves are noticed by notification and by the clock tick's check,
    // once each, also after the file was replaced; the owner's own save is not.
    void obserwator()
    {
        ObserwatorPliku obserwator;
        obserwator.obserwuj(m_plik);
        QSignalSpy sygnaly(&obserwator, &ObserwatorPliku::zmienionaNaDysku);
        OtwartaLista lista;
        QVERIFY(lista.otworz(m_plik).ok());
        obserwator.przyjmij(lista.ustawWiersz(1, wierszPisarza(1, 1)).stan);
        QTest::qWait(100);
        QCOMPARE(sygnaly.count(), 0);

        const QStringList dodaj{QStringLiteral("dodaj"), m_plik, QStringLiteral("2")};
        QCOMPARE(QProcess::execute(m_pisarz, dodaj + QStringList{QStringLiteral("2"), QStringLiteral("3")}), 0);
        obserwator.sprawdz(); // before any notification arrives
        QTest::qWait(100);
        QCOMPARE(sygnaly.count(), 1);
        for (int w = 3; w < 5; ++w) {
            QCOMPARE(QProcess::execute(m_pisarz, dodaj + QStringList{QString::number(w), QString::number(w + 1)}), 0);
            QVERIFY(sygnaly.wait(1000));
        }
    }
};

QTEST_GUILESS_MAIN(TestWspolna)
#include "test_wspolna.moc"
