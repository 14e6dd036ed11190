// One list file changed by several programs: row commands change only their row, the
// lock, and noticing another program's save.
#include "blokada.h"
#include "obserwatorpliku.h"
#include "wiersze_pisarzy.h"
#include "wspolnalista.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Klienci;

namespace {

QByteArray bajtyPliku(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString pisarz()
{
    return QStringLiteral(LK_BIN_DIR "/wspolna_pisarz");
}

} // namespace

class TestWspolna : public QObject
{
    Q_OBJECT

    QTemporaryDir m_katalog;
    QString m_plik;

private slots:
    void init()
    {
        m_plik = m_katalog.filePath(QStringLiteral("lista.dat"));
        ListaKlientow l = ListaKlientow::nowa();
        l.kopiujDoWiersza(4, wierszPisarza(9, 4));
        l.ustawTekst(Nazwa1, 5, QStringLiteral("Długa nazwa klienta do skrócenia"));
        l.ustawTekst(Nazwa1, 0, QStringLiteral("Żabka"));
        QVERIFY(l.zapisz(m_plik).ok());
    }

    // Two programs load the list, each adds its own row, both save: the whole-file save
    // of the second drops the first one's row; the row commands keep both.
    void dwaZapisy_data()
    {
        QTest::addColumn<bool>("wierszami");
        QTest::newRow("cały plik z pamięci") << false;
        QTest::newRow("wiersz pod blokadą") << true;
    }
    void dwaZapisy()
    {
        QFETCH(bool, wierszami);
        ListaKlientow a, b;
        QVERIFY(a.wczytaj(m_plik).ok());
        QVERIFY(b.wczytaj(m_plik).ok());
        if (wierszami) {
            QVERIFY(WspolnaLista::zapiszWiersz(m_plik, 10, wierszPisarza(1, 10)).ok());
            const auto wynik = WspolnaLista::zapiszWiersz(m_plik, 20, wierszPisarza(2, 20));
            QVERIFY(wynik.ok());
            QCOMPARE(wynik.lista.dane(), bajtyPliku(m_plik));
        } else {
            a.kopiujDoWiersza(10, wierszPisarza(1, 10));
            b.kopiujDoWiersza(20, wierszPisarza(2, 20));
            QVERIFY(a.zapisz(m_plik).ok());
            QVERIFY(b.zapisz(m_plik).ok());
        }
        ListaKlientow naDysku;
        QVERIFY(naDysku.wczytaj(m_plik).ok());
        QCOMPARE(wierszZgodny(naDysku, 10, wierszPisarza(1, 10)), wierszami);
        QVERIFY(wierszZgodny(naDysku, 20, wierszPisarza(2, 20)));
    }

    // Each command writes exactly what the window's command writes into the list as it
    // is on disk now, including a row another program saved after the window's load.
    void polecenia_data()
    {
        QTest::addColumn<int>("polecenie");
        QTest::newRow("Dodaj do listy: krótsza nazwa") << 0;
        QTest::newRow("Usuń wpis") << 1;
        QTest::newRow("Sortowanie A-Z") << 2;
        QTest::newRow("Sortowanie Z-A") << 3;
    }
    void polecenia()
    {
        QFETCH(int, polecenie);
        QVERIFY(WspolnaLista::zapiszWiersz(m_plik, 30, wierszPisarza(3, 30)).ok()); // another program
        ListaKlientow oczekiwana;
        QVERIFY(oczekiwana.wczytaj(m_plik).ok());
        TekstyWiersza krotka;
        krotka[Nazwa1] = QStringLiteral("Krótka");
        WspolnaLista::Wynik wynik;
        switch (polecenie) {
        case 0:
            oczekiwana.kopiujDoWiersza(5, krotka);
            wynik = WspolnaLista::zapiszWiersz(m_plik, 5, krotka);
            break;
        case 1:
            oczekiwana.kopiujDoWiersza(4, TekstyWiersza{});
            wynik = WspolnaLista::usunWiersz(m_plik, 4);
            break;
        default:
            const Kierunek k = polecenie == 2 ? Kierunek::OdADoZ : Kierunek::OdZDoA;
            oczekiwana.sortuj(k);
            oczekiwana = oczekiwana.spakowana();
            wynik = WspolnaLista::sortuj(m_plik, k);
        }
        QVERIFY(wynik.ok());
        QCOMPARE(bajtyPliku(m_plik), oczekiwana.dane());
        QVERIFY(wynik.lista == oczekiwana);
        QCOMPARE(wynik.stan, StanPliku::z(m_plik));
    }

    // A lock held by another program: a change gives up after its waiting time and
    // writes nothing; once the holder is killed the next change goes through.
    void zabityTrzymajacy()
    {
        QProcess trzymajacy;
        trzymajacy.start(pisarz(), {QStringLiteral("trzymaj"), m_plik});
        QVERIFY(trzymajacy.waitForReadyRead(10000));
        QCOMPARE(trzymajacy.readAll(), QByteArray("mam\n"));

        const QByteArray przed = bajtyPliku(m_plik);
        const auto wynik = WspolnaLista::zapiszWiersz(m_plik, 7, wierszPisarza(1, 7), 50);
        QVERIFY(wynik.zajeta);
        QVERIFY(!wynik.ok());
        QCOMPARE(wynik.komunikat, QStringLiteral("Lista %1 jest właśnie zmieniana przez inny program. "
                                                 "Spróbuj ponownie za chwilę.").arg(m_plik));
        QCOMPARE(bajtyPliku(m_plik), przed);
        QVERIFY(WspolnaLista::sortuj(m_plik, Kierunek::OdADoZ, 20).zajeta);
        QCOMPARE(bajtyPliku(m_plik), przed);

        trzymajacy.kill();
        QVERIFY(trzymajacy.waitForFinished(10000));
        QVERIFY(WspolnaLista::zapiszWiersz(m_plik, 7, wierszPisarza(1, 7), 2000).ok());
    }

    // Two locks in one program exclude each other too; the lock file is hidden from the
    // "*.dat" filter; where no lock file can be made the change reports the folder's error.
    void blokadaWJednymProgramie()
    {
        {
            BlokadaListy pierwsza(m_plik);
            QCOMPARE(pierwsza.stan(), BlokadaListy::Stan::Zalozona);
            QVERIFY(BlokadaListy(m_plik, 30).zajeta());
        }
        QCOMPARE(BlokadaListy(m_plik, 30).stan(), BlokadaListy::Stan::Zalozona);
        QCOMPARE(QDir(m_katalog.path()).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("lista.dat")});

        const QString brak = m_katalog.filePath(QStringLiteral("brak/lista.dat"));
        QCOMPARE(BlokadaListy(brak, 30).stan(), BlokadaListy::Stan::BezBlokady);
        const auto wynik = WspolnaLista::zapiszWiersz(brak, 1, wierszPisarza(1, 1));
        QVERIFY(!wynik.zajeta);
        QCOMPARE(wynik.blad.kod, int(BladIO::ZlaNazwa));
    }

    // Saves of another program are noticed by notification and by the clock tick's
    // check, once each; the owner's own saves are not.
    void obserwator()
    {
        ObserwatorPliku obserwator;
        obserwator.obserwuj(m_plik);
        QSignalSpy sygnaly(&obserwator, &ObserwatorPliku::zmienionaNaDysku);

        const auto wlasny = WspolnaLista::zapiszWiersz(m_plik, 1, wierszPisarza(1, 1));
        obserwator.przyjmij(wlasny.stan);
        QTest::qWait(200);
        obserwator.sprawdz();
        QCOMPARE(sygnaly.count(), 0);

        const QStringList dodaj{QStringLiteral("dodaj"), m_plik, QStringLiteral("2")};
        QCOMPARE(QProcess::execute(pisarz(), dodaj + QStringList{QStringLiteral("2"), QStringLiteral("3")}), 0);
        obserwator.sprawdz(); // before any notification arrives
        QCOMPARE(sygnaly.count(), 1);
        QTest::qWait(200);
        QCOMPARE(sygnaly.count(), 1);

        // The file was replaced, so its watch must have been renewed.
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(QProcess::execute(pisarz(), dodaj + QStringList{QString::number(3 + i), QString::number(4 + i)}), 0);
            QVERIFY(sygnaly.wait(1000));
        }
    }
};

QTEST_GUILESS_MAIN(TestWspolna)
#include "test_wspolna.moc"
