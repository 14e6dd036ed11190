// Saves of the real windows that fail: a full disk (a small tmpfs in a private mount
// namespace) and files or folders user nobody may not write. The standard error box
// gives the runtime's text and every earlier file stays byte for byte as it was.
//
// Each case runs in a copy of this program: under `unshare -Urm` with the tmpfs mounted
// on LK_KATALOG_TESTU, or as user nobody (setpriv) in a prepared folder.
#include "../wspolne/innyuzytkownik.h"

#include "../wspolne/kontrolki.h"
#include "drukowanie.h"
#include "kontekst.h"
#include "skryptdialogi.h"
#include "tdokumenty.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <map>

#include <fcntl.h>
#include <unistd.h>

using namespace Klienci;

namespace {

QByteArray czytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}

// Every file under the folder with its content.
std::map<QString, QByteArray> zawartosc(const QString &katalog)
{
    std::map<QString, QByteArray> wynik;
    QDirIterator it(katalog, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString s = it.next();
        // The filler; a lock file left behind would count.
        if (!s.endsWith(QStringLiteral("/wypelnienie")))
            wynik[QDir(katalog).relativeFilePath(s)] = czytajPlik(s);
    }
    return wynik;
}

// Fills the file system of `katalog`, then frees about `wolne` bytes again.
bool zapelnij(const QString &katalog, qint64 wolne)
{
    const QByteArray sciezka = (katalog + QStringLiteral("/wypelnienie")).toLocal8Bit();
    const int fd = ::open(sciezka.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    static const QByteArray blok(65536, 'w');
    qint64 razem = 0;
    for (;;) {
        const ssize_t n = ::write(fd, blok.constData(), size_t(blok.size()));
        if (n <= 0)
            break;
        razem += n;
    }
    // Smaller pieces for the last pages.
    for (;;) {
        const ssize_t n = ::write(fd, blok.constData(), 512);
        if (n <= 0)
            break;
        razem += n;
    }
    const bool ok = ::ftruncate(fd, qMax<qint64>(0, razem - wolne)) == 0;
    ::close(fd);
    return ok;
}

// A list with a few clients.
ListaKlientow przykladowaLista()
{
    ListaKlientow l = ListaKlientow::nowa();
    const QStringList nazwy{QStringLiteral("Żuraw"), QStringLiteral("Kowalski"), QStringLiteral("Ąbc"),
                            QStringLiteral("Nowak")};
    for (int w = 0; w < nazwy.size(); ++w)
        l.ustawTekst(Nazwa1, w, nazwy[w]);
    return l;
}

} // namespace

class TestZapisyOkien : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listaPrzyPelnymDysku_data();
    void listaPrzyPelnymDysku();
    void kopertaPrzyPelnymDysku_data();
    void kopertaPrzyPelnymDysku();
    void listaTylkoDoOdczytu_data();
    void listaTylkoDoOdczytu();

private:
    // In the test program: runs the current test case in a copy under a private tmpfs
    // and returns true (the case is then done). In the copy: returns false.
    bool wPelnymDysku(const char *funkcja);
    QString m_start;
    SkryptDialogi m_skrypt;
    WspolnaDrukarka m_drukarka;
};

void TestZapisyOkien::init()
{
    m_start = QDir::currentPath();
    m_skrypt.wyczysc();
}

void TestZapisyOkien::cleanup()
{
    QDir::setCurrent(m_start);
    QVERIFY2(m_skrypt.niespodziewane.isEmpty(), qPrintable(m_skrypt.niespodziewane.join(u'\n')));
}

bool TestZapisyOkien::wPelnymDysku(const char *funkcja)
{
    if (!innyUzytkownik::katalogDziecka().isEmpty())
        return false;
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty()) {
        QTest::qSkip("unshare is not available", __FILE__, __LINE__);
        return true;
    }
    QTemporaryDir tmp;
    const QString przypadek = QString::fromLatin1(funkcja) + u':' + QString::fromLatin1(QTest::currentDataTag());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LK_KATALOG_TESTU"), tmp.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("unshare"),
            {"-Urm", "sh", "-c", "mount -t tmpfs -o size=2m tmpfs \"$1\" || exit 77; shift; exec \"$@\"", "sh",
             tmp.path(), QCoreApplication::applicationFilePath(), przypadek});
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        QTest::qFail("the copy under a private tmpfs did not finish", __FILE__, __LINE__);
        return true;
    }
    const QByteArray wyjscie = p.readAll();
    if (p.exitCode() == 77) {
        QTest::qSkip("a private tmpfs cannot be mounted here", __FILE__, __LINE__);
        return true;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qWarning().noquote() << QString::fromLocal8Bit(wyjscie);
    [&] {
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }();
    return true;
}

void TestZapisyOkien::listaPrzyPelnymDysku_data()
{
    QTest::addColumn<QString>("polecenie");
    QTest::addColumn<qint64>("wolne");
    // With room for part of the list, only the last buffered bytes fail to reach the disk.
    for (qint64 wolne : {qint64(0), qint64(200 * 1024), qint64(340 * 1024)}) {
        for (const char *p : {"dodaj", "usun", "sortuj", "nowa"})
            QTest::addRow("%s, %lld bytes free", p, wolne) << QString::fromLatin1(p) << wolne;
    }
}

void TestZapisyOkien::listaPrzyPelnymDysku()
{
    if (wPelnymDysku("listaPrzyPelnymDysku"))
        return;
    QFETCH(QString, polecenie);
    QFETCH(qint64, wolne);
    const QString k = innyUzytkownik::katalogDziecka();
    QVERIFY(QDir(k).mkpath(QStringLiteral("Admini")) && QDir(k).mkpath(QStringLiteral("Firmy")));
    const QString plik = k + QStringLiteral("/Firmy/lista.dat");
    QVERIFY(zapiszPlik(plik, przykladowaLista().dane()));
    QVERIFY(QDir::setCurrent(k));

    Kontekst kontekst(QDir::currentPath());
    Tdokumenty o(kontekst, m_skrypt);
    o.zakonczProces = [] {};
    o.show();
    m_skrypt.plik(plik);
    QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton11"), Qt::LeftButton);
    QCOMPARE(kontrolka<QListWidget>(&o, "lista")->count(), LiczbaWierszy);
    const auto przed = zawartosc(k);
    QVERIFY(zapelnij(k, wolne));

    if (polecenie == u"dodaj") {
        kontrolka<QLineEdit>(&o, "lp")->setText(QStringLiteral("7"));
        kontrolka<QLineEdit>(&o, "nazwa1")->setText(QStringLiteral("Świętochłowice"));
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton6"), Qt::LeftButton);
    } else if (polecenie == u"usun") {
        kontrolka<QLineEdit>(&o, "lp")->setText(QStringLiteral("1"));
        m_skrypt.tak();
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton4"), Qt::LeftButton);
    } else if (polecenie == u"sortuj") {
        m_skrypt.tak();
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton3"), Qt::LeftButton);
    } else {
        m_skrypt.plik(k + QStringLiteral("/Firmy/nowa.dat"));
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton10"), Qt::LeftButton);
        QCOMPARE(o.biezacaLista(), plik); // the new list did not become the current one
    }
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Disk full")});
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
    const auto po = zawartosc(k);
    QCOMPARE(po.size(), przed.size()); // no temporary file left behind
    for (const auto &[nazwa, tresc] : przed)
        QVERIFY2(po.count(nazwa) && po.at(nazwa) == tresc, qPrintable(nazwa));

    // With room again, the next save goes through and the list box shows the file.
    QVERIFY(QFile::remove(k + QStringLiteral("/wypelnienie")));
    m_skrypt.wyczysc();
    kontrolka<QLineEdit>(&o, "lp")->setText(QStringLiteral("9"));
    kontrolka<QLineEdit>(&o, "nazwa1")->setText(QStringLiteral("Po awarii"));
    QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton6"), Qt::LeftButton);
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    ListaKlientow zPliku;
    QVERIFY(zPliku.wczytaj(o.biezacaLista()).ok());
    QCOMPARE(zPliku.tekst(Nazwa1, 8), QStringLiteral("Po awarii"));
    QCOMPARE(kontrolka<QListWidget>(&o, "lista")->item(8)->text(), QStringLiteral("09 Po awarii "));
}

void TestZapisyOkien::kopertaPrzyPelnymDysku_data()
{
    QTest::addColumn<QString>("polecenie");
    QTest::newRow("profile") << QStringLiteral("profil");
    QTest::newRow("profile over an existing one") << QStringLiteral("profil istniejacy");
    QTest::newRow("defaults") << QStringLiteral("domyslne");
}

void TestZapisyOkien::kopertaPrzyPelnymDysku()
{
    if (wPelnymDysku("kopertaPrzyPelnymDysku"))
        return;
    QFETCH(QString, polecenie);
    const QString k = innyUzytkownik::katalogDziecka();
    QVERIFY(QDir(k).mkpath(QStringLiteral("ADMINI")) && QDir(k).mkpath(QStringLiteral("Koperty")));
    QVERIFY(QDir::setCurrent(k));
    const QString profil = k + QStringLiteral("/Koperty/profil.pro");

    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, m_skrypt, m_drukarka); // creates the defaults files
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    if (polecenie == u"profil istniejacy") {
        m_skrypt.plik(profil);
        w.SpeedButton11Click();
        QVERIFY(QFile::exists(profil));
    }
    const auto przed = zawartosc(k);
    QVERIFY(zapelnij(k, 0));

    kontrolka<QLineEdit>(&w, "n1")->setText(QStringLiteral("Zmieniony nadawca Łódź"));
    kontrolka<QLineEdit>(&w, "l1")->setText(QStringLiteral("77"));
    kontrolka<QRadioButton>(&w, "RadioButton3")->click();
    if (polecenie.startsWith(QStringLiteral("profil"))) {
        m_skrypt.plik(profil);
        w.SpeedButton11Click();
    } else {
        w.SpeedButton2Click();
    }
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Disk full")});
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
    const auto po = zawartosc(k);
    QCOMPARE(po.size(), przed.size());
    for (const auto &[nazwa, tresc] : przed)
        QVERIFY2(po.count(nazwa) && po.at(nazwa) == tresc, qPrintable(nazwa));
}

void TestZapisyOkien::listaTylkoDoOdczytu_data()
{
    QTest::addColumn<QString>("polecenie");
    QTest::addColumn<bool>("folderTylkoDoOdczytu");
    for (bool folder : {false, true})
        for (const char *p : {"dodaj", "usun", "sortuj", "sortuj odwrotnie", "nowa na miejscu", "nowa obok", "czytaj"})
            QTest::addRow("%s, %s", p, folder ? "read-only folder" : "read-only file")
                << QString::fromLatin1(p) << folder;
}

void TestZapisyOkien::listaTylkoDoOdczytu()
{
    QFETCH(QString, polecenie);
    QFETCH(bool, folderTylkoDoOdczytu);
    QString k = innyUzytkownik::katalogDziecka();
    std::unique_ptr<QTemporaryDir> tmp;
    if (k.isEmpty()) {
        tmp = std::make_unique<QTemporaryDir>();
        k = tmp->path();
        QVERIFY(QDir(k).mkpath(QStringLiteral("Admini")) && QDir(k).mkpath(QStringLiteral("Firmy")));
        QVERIFY(zapiszPlik(k + QStringLiteral("/Firmy/lista.dat"), przykladowaLista().dane()));
        QVERIFY(zapiszPlik(k + QStringLiteral("/Admini/siec.dat"), QByteArray(403, '\0')));
        QVERIFY(zapiszPlik(k + QStringLiteral("/Admini/info.dat"), QByteArray(66, '\0')));
        if (::geteuid() == 0) {
            if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
                QSKIP("running as root without setpriv");
            // The list and its folder belong to the user, who makes them read-only.
            innyUzytkownik::udostepnij(k, {});
            for (const char *s : {"/Firmy", "/Firmy/lista.dat"})
                QVERIFY(::chown(QFile::encodeName(k + QLatin1String(s)).constData(), 65534, 65534) == 0);
            const QString przypadek =
                QStringLiteral("listaTylkoDoOdczytu:") + QString::fromLatin1(QTest::currentDataTag());
            QVERIFY(innyUzytkownik::uruchomJakoNobody(qPrintable(przypadek), k));
            return;
        }
    }
    const QString plik = k + QStringLiteral("/Firmy/lista.dat");
    QVERIFY(QDir::setCurrent(k));

    Kontekst kontekst(QDir::currentPath());
    Tdokumenty o(kontekst, m_skrypt);
    o.zakonczProces = [] {};
    o.show();
    m_skrypt.plik(plik);
    QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton11"), Qt::LeftButton);
    QCOMPARE(kontrolka<QListWidget>(&o, "lista")->count(), LiczbaWierszy);
    QVERIFY(m_skrypt.wywolania.size() == 1);
    // The list becomes read-only while it is open.
    if (folderTylkoDoOdczytu)
        QVERIFY(QFile::setPermissions(k + QStringLiteral("/Firmy"), QFileDevice::Permissions(0x5555)));
    else
        QVERIFY(QFile::setPermissions(plik, QFileDevice::Permissions(0x4444)));
    const auto przed = zawartosc(k);
    m_skrypt.wyczysc();

    // A read-only folder takes no new file, but its writable list is written in place.
    bool odmowa = !folderTylkoDoOdczytu;
    if (polecenie == u"czytaj") { // reading needs no write permission
        odmowa = false;
        m_skrypt.plik(plik);
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton11"), Qt::LeftButton);
        kontrolka<QListWidget>(&o, "lista")->setCurrentRow(3);
        QCOMPARE(kontrolka<QLineEdit>(&o, "nazwa1")->text(), QStringLiteral("Nowak"));
    } else if (polecenie == u"dodaj") {
        kontrolka<QLineEdit>(&o, "lp")->setText(QStringLiteral("5"));
        kontrolka<QLineEdit>(&o, "nazwa1")->setText(QStringLiteral("Źdźbło"));
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton6"), Qt::LeftButton);
    } else if (polecenie == u"usun") {
        kontrolka<QLineEdit>(&o, "lp")->setText(QStringLiteral("2"));
        m_skrypt.tak();
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton4"), Qt::LeftButton);
    } else if (polecenie.startsWith(QStringLiteral("sortuj"))) {
        m_skrypt.tak();
        QTest::mouseClick(kontrolka<QToolButton>(&o, polecenie == u"sortuj" ? "SpeedButton3" : "SpeedButton2"),
                          Qt::LeftButton);
    } else {
        const QString nowa = polecenie == u"nowa obok" ? k + QStringLiteral("/Firmy/nowa.dat") : plik;
        m_skrypt.plik(nowa);
        QTest::mouseClick(kontrolka<QToolButton>(&o, "SpeedButton10"), Qt::LeftButton);
        if (polecenie == u"nowa obok")
            odmowa = folderTylkoDoOdczytu;
        QCOMPARE(o.biezacaLista(), odmowa ? plik : nowa);
    }
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")),
             odmowa ? QStringList{QStringLiteral("File access denied")} : QStringList());
    const auto po = zawartosc(k);
    const bool obok = polecenie == u"nowa obok";
    QCOMPARE(po.size(), przed.size() + (!odmowa && obok ? 1 : 0));
    for (const auto &[nazwa, tresc] : przed)
        QVERIFY2(po.count(nazwa) && (po.at(nazwa) == tresc || (!odmowa && !obok && nazwa.endsWith(u"lista.dat"))),
                 qPrintable(nazwa));
    QFile::setPermissions(k + QStringLiteral("/Firmy"), QFileDevice::Permissions(0x7777));
    QFile::setPermissions(plik, QFileDevice::Permissions(0x6666));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestZapisyOkien t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_zapisy_okien.moc"
