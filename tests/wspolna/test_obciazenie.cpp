// Four programs adding 120 rows each to one list at once; then the same while writers
// are killed at random moments and started again and this program reads the list as the
// window's refresh does all along: in a plain folder, with half the writers naming the
// list through a symbolic link, and in a folder the writers (another user) may not write,
// where the list is written in place. Prints the figures.
#include "../wspolne/innyuzytkownik.h"
#include "wiersze_pisarzy.h"
#include "wspolnalista.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace Klienci;

namespace {

constexpr int Pisarze = 4;
constexpr int Wiersze = 120;
const QString Program = QStringLiteral(LK_BIN_DIR "/wspolna_pisarz");

struct Pisarz
{
    std::unique_ptr<QProcess> proces;
    int numer = 0;
    int zapisany = -1; // the last row reported saved
    bool gotowy = false;
    QString plik;      // the name the writer gives the list
    QString domInnego; // set: runs as user nobody with this home

    int od() const { return numer * Wiersze; }
    int doW() const { return od() + Wiersze; }

    void uruchom()
    {
        proces = std::make_unique<QProcess>();
        const int nastepny = std::max(od(), zapisany + 1);
        const QStringList argumenty{QStringLiteral("dodaj"), plik, QString::number(numer), QString::number(nastepny),
                                    QString::number(doW())};
        if (domInnego.isEmpty())
            proces->start(Program, argumenty);
        else
            innyUzytkownik::uruchomProcesJakoNobody(*proces, Program, argumenty, domInnego);
    }
    // Takes in the rows reported so far; false on a report that is not a row number.
    bool odczytaj()
    {
        while (proces && proces->canReadLine()) {
            bool ok = false;
            const int w = proces->readLine().trimmed().toInt(&ok);
            if (!ok || w != std::max(od(), zapisany + 1))
                return false;
            zapisany = w;
        }
        return true;
    }
};

QString nowaLista(const QTemporaryDir &katalog)
{
    const QString plik = katalog.filePath(QStringLiteral("wspolna.dat"));
    return ListaKlientow::nowa().zapisz(plik).ok() ? plik : QString();
}

// The file is whole and reads without fail, and every row reported saved holds what was
// written.
bool sprawdzPlik(const QString &plik, const std::vector<Pisarz> &pisarze, QString &blad)
{
    if (QFileInfo(plik).size() != Rozmiar) {
        blad = QStringLiteral("rozmiar %1").arg(QFileInfo(plik).size());
        return false;
    }
    ListaKlientow lista;
    if (const auto b = WspolnaLista::czytaj(plik, lista, 30000)) {
        blad = b.zajeta ? b.komunikat : b.blad.tekst();
        return false;
    }
    for (const Pisarz &p : pisarze)
        for (int w = p.od(); w <= p.zapisany; ++w)
            if (!wierszZgodny(lista, w, wierszPisarza(p.numer, w))) {
                blad = QStringLiteral("wiersz %1 pisarza %2 utracony").arg(w + 1).arg(p.numer);
                return false;
            }
    return true;
}

} // namespace

class TestObciazenie : public QObject
{
    Q_OBJECT

private slots:
    void rownoczesniPisarze()
    {
        QTemporaryDir katalog;
        const QString plik = nowaLista(katalog);
        QVERIFY(!plik.isEmpty());
        std::vector<Pisarz> pisarze(Pisarze);
        QElapsedTimer czas;
        czas.start();
        for (int i = 0; i < Pisarze; ++i) {
            pisarze[i].numer = i;
            pisarze[i].plik = plik;
            pisarze[i].uruchom();
        }
        for (Pisarz &p : pisarze) {
            QVERIFY(p.proces->waitForFinished(60000));
            QCOMPARE(p.proces->exitCode(), 0);
            QVERIFY(p.odczytaj());
            QCOMPARE(p.zapisany, p.doW() - 1);
        }
        const qint64 ms = czas.elapsed();
        QString blad;
        QVERIFY2(sprawdzPlik(plik, pisarze, blad), qPrintable(blad));
        qInfo("%d pisarzy x %d wierszy: %lld ms, %.0f wierszy/s", Pisarze, Wiersze, ms,
              Pisarze * Wiersze * 1000.0 / std::max<qint64>(ms, 1));
    }

    void zabijaniPisarze_data()
    {
        QTest::addColumn<bool>("przezDowiazanie"); // half the writers and the reader
        QTest::addColumn<bool>("inny");            // writers of another user in a folder they cannot write
        QTest::newRow("plain folder") << false << false;
        QTest::newRow("half through a symbolic link") << true << false;
        QTest::newRow("folder the writers cannot write, list 0666") << false << true;
    }

    void zabijaniPisarze()
    {
        QFETCH(bool, przezDowiazanie);
        QFETCH(bool, inny);
        if (inny && ::geteuid() != 0)
            QSKIP("writers of another user need root");
        QTemporaryDir katalog;
        const QString plik = nowaLista(katalog);
        QVERIFY(!plik.isEmpty());
        const QString dowiazanie = katalog.filePath(QStringLiteral("biezaca.dat"));
        QVERIFY(QFile::link(QStringLiteral("wspolna.dat"), dowiazanie));
        const QString dom = katalog.filePath(QStringLiteral("dom"));
        if (inny) {
            QVERIFY(QDir(katalog.path()).mkdir(QStringLiteral("dom")));
            QVERIFY(QFile::setPermissions(dom, QFileDevice::Permissions(0x7777)));
            QVERIFY(QFile::setPermissions(plik, QFileDevice::Permissions(0x6666)));
            QVERIFY(QFile::setPermissions(katalog.path(), QFileDevice::Permissions(0x5555)));
        }
        const quint32 ziarno = qEnvironmentVariableIsSet("LK_OBCIAZENIE_ZIARNO")
                                   ? quint32(qEnvironmentVariableIntValue("LK_OBCIAZENIE_ZIARNO"))
                                   : QRandomGenerator::global()->generate();
        QRandomGenerator los(ziarno);
        std::vector<Pisarz> pisarze(Pisarze);
        for (int i = 0; i < Pisarze; ++i) {
            pisarze[i].numer = i;
            pisarze[i].plik = przezDowiazanie && i % 2 ? dowiazanie : plik;
            pisarze[i].domInnego = inny ? dom : QString();
            pisarze[i].uruchom();
        }
        QElapsedTimer czas;
        czas.start();
        qint64 nastepneZabicie = los.bounded(5, 60);
        int zabicia = 0, sprawdzenia = 0;
        QString blad;
        for (;;) {
            QCoreApplication::processEvents();
            bool wszyscy = true;
            for (Pisarz &p : pisarze) {
                QVERIFY2(p.odczytaj(), "zły raport pisarza");
                if (p.gotowy)
                    continue;
                wszyscy = false;
                if (p.proces->state() == QProcess::NotRunning) {
                    QVERIFY(p.odczytaj());
                    QCOMPARE(p.proces->exitStatus(), QProcess::NormalExit);
                    QCOMPARE(p.proces->exitCode(), 0);
                    QCOMPARE(p.zapisany, p.doW() - 1);
                    p.gotowy = true;
                }
            }
            if (wszyscy)
                break;
            QVERIFY2(sprawdzPlik(przezDowiazanie ? dowiazanie : plik, pisarze, blad), qPrintable(blad));
            ++sprawdzenia;
            if (czas.elapsed() >= nastepneZabicie && zabicia < 40) {
                Pisarz &p = pisarze[los.bounded(Pisarze)];
                if (!p.gotowy && p.proces->state() == QProcess::Running) {
                    p.proces->kill();
                    QVERIFY(p.proces->waitForFinished(10000));
                    QVERIFY(p.odczytaj());
                    p.uruchom();
                    ++zabicia;
                }
                nastepneZabicie = czas.elapsed() + los.bounded(5, 60);
            }
            QVERIFY2(czas.elapsed() < 60000, "pisarze nie skończyli w minutę");
            QThread::msleep(1);
        }
        const qint64 ms = czas.elapsed();
        QVERIFY2(sprawdzPlik(plik, pisarze, blad), qPrintable(blad));
        // No lock file is left beside the list.
        QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(u".blokada"),
                 QStringList());
        qInfo("%s, z zabijaniem (ziarno %u): %d zabitych, %d sprawdzeń pliku, %lld ms, %.0f wierszy/s",
              QTest::currentDataTag(), ziarno, zabicia, sprawdzenia, ms,
              Pisarze * Wiersze * 1000.0 / std::max<qint64>(ms, 1));
    }
};

QTEST_GUILESS_MAIN(TestObciazenie)
#include "test_obciazenie.moc"
