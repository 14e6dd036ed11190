// System errors map onto the runtime's error texts; an error without an equivalent must
// never read as one of them (EIO is errno 5, which is also "File access denied";
// ENETUNREACH is 101, also "Disk full").
#include "rekord.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

class TestBledy : public QObject
{
    Q_OBJECT

private slots:
    void zErrno_data();
    void zErrno();
    void nazwaZZerem();
};

void TestBledy::zErrno_data()
{
    QTest::addColumn<int>("numer");
    QTest::addColumn<bool>("katalogJest");
    QTest::addColumn<QString>("tekst");

    QTest::newRow("missing file") << ENOENT << true << "File not found";
    QTest::newRow("missing folder") << ENOENT << false << "Invalid filename";
    QTest::newRow("not a folder on the path") << ENOTDIR << true << "Invalid filename";
    QTest::newRow("name too long") << ENAMETOOLONG << true << "Invalid filename";
    QTest::newRow("too many open files") << EMFILE << true << "Too many open files";
    QTest::newRow("no permission") << EACCES << true << "File access denied";
    QTest::newRow("read-only file system") << EROFS << true << "File access denied";
    QTest::newRow("a folder") << EISDIR << true << "File access denied";
    QTest::newRow("no space") << ENOSPC << true << "Disk full";
    QTest::newRow("quota") << EDQUOT << true << "Disk full";
    QTest::newRow("disk failed") << EIO << true << "I/O error 31";
    QTest::newRow("network down") << ENETDOWN << true << "I/O error 59";
    QTest::newRow("network unreachable") << ENETUNREACH << true << "I/O error 59";
    QTest::newRow("stale network file") << ESTALE << true << "I/O error 59";
    QTest::newRow("connection reset") << ECONNRESET << true << "I/O error 59";
    QTest::newRow("another error keeps its number") << ENXIO << true << "I/O error 6";
    QTest::newRow("one that would read as ours") << EISCONN << true << "I/O error 31";
}

void TestBledy::zErrno()
{
    QFETCH(int, numer);
    QFETCH(bool, katalogJest);
    QFETCH(QString, tekst);

    QTemporaryDir katalog;
    QVERIFY(katalog.isValid());
    const QString sciezka = katalog.path() + (katalogJest ? "/plik.dat" : "/brak/plik.dat");
    const BladIO blad = BladIO::zErrno(numer, sciezka);
    QVERIFY(!blad.ok());
    QCOMPARE(blad.tekst(), tekst);
}

// A path with a NUL character in it (a damaged network setting can yield one) is an
// invalid name: it must not be cut at the NUL and reach the file named by the part
// before it.
void TestBledy::nazwaZZerem()
{
    QTemporaryDir katalog;
    QVERIFY(katalog.isValid());
    const QString prawdziwy = katalog.path() + "/lista.dat";
    const QByteArray tresc(726, 'A');
    QVERIFY(!zapiszRekord(prawdziwy, tresc));

    const QString zly = prawdziwy + QChar(0) + "/ADMINI/info.dat";
    QByteArray rekord("nietkniety");
    QCOMPARE(czytajRekord(zly, rekord, 66).tekst(), QString("Invalid filename"));
    QCOMPARE(rekord, QByteArray("nietkniety"));
    QCOMPARE(zapiszRekord(zly, QByteArray(66, 'B')).tekst(), QString("Invalid filename"));
    QVERIFY(!plikIstnieje(zly));

    QByteArray jest;
    QVERIFY(!czytajRekord(prawdziwy, jest, 726));
    QCOMPARE(jest, tresc);
}

QTEST_GUILESS_MAIN(TestBledy)
#include "tst_bledy.moc"
