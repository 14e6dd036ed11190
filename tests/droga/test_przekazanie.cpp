// The client tools through the client list window: "Koperta" fills, sets up and shows
// the envelope window; "O kliencie" and "Dokumenty" start their tools with the client's
// texts. Scripted dialogs; the tools are replaced by the argument recorder.

#include "../wspolne/argumenty.h"
#include "dialogi.h"
#include "polenip.h"
#include "tdokumenty.h"
#include "tekst.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dane) == dane.size();
}

// A firm record with three sender lines; the bytes this program does not read are set.
QByteArray rekordFirmy(const QString &a, const QString &b, const QString &c)
{
    QByteArray r(306, '\x55');
    zapiszTekst(r, 0, 50, a);
    zapiszTekst(r, 51, 50, b);
    zapiszTekst(r, 102, 50, c);
    return r;
}

QByteArray formaAdresu(const QString &forma)
{
    QByteArray r(21, '\0');
    zapiszTekst(r, 0, 20, forma);
    return r;
}

} // namespace

class TestPrzekazanie : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void koperta_data();
    void koperta();
    void staraKopiaFirmy();
    void drugaKoperta();
    void nieudaneUstawienie_data();
    void nieudaneUstawienie();
    void narzedzia_data();
    void narzedzia();
    void brakNarzedzia();

private:
    QString sciezka(const QString &wzgledna) const { return m_tmp->filePath(wzgledna); }
    QString plikFirmy() const { return sciezka(QStringLiteral("dane/Admini/firma.dat")); }
    void klient(const QString &nazwa1, const QString &nazwa2, const QString &ulica, const QString &miejscowosc);
    void kliknij(QToolButton *b);
    QStringList nadawca() const;
    QStringList odbiorca() const; // o2..o5

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_start;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Tkoperta_f> m_koperta;
    std::unique_ptr<Tdokumenty> m_okno;
};

void TestPrzekazanie::init()
{
    m_start = QDir::currentPath();
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(sciezka(QStringLiteral("dane/Admini"))));
    QVERIFY(QDir::setCurrent(sciezka(QStringLiteral("dane"))));
    QVERIFY(zapiszPlik(sciezka(QStringLiteral("dane/Admini/dane_kop_for.dat")), formaAdresu(QStringLiteral("Szanowny Pan"))));
    m_skrypt.wyczysc();
    ustawDialogi(&m_skrypt);

    // Created in the program's order; then the client list window learns of the other.
    m_okno = std::make_unique<Tdokumenty>();
    m_okno->zakonczProces = [] {};
    m_koperta = std::make_unique<Tkoperta_f>();
    m_okno->ustawKoperte(m_koperta.get());
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno.get()));
    QVERIFY(!m_koperta->isVisible());
}

void TestPrzekazanie::cleanup()
{
    m_okno.reset();
    m_koperta.reset();
    ustawDialogi(nullptr);
    QDir::setCurrent(m_start);
    m_tmp.reset();
    QVERIFY2(m_skrypt.niespodziewane.isEmpty(), qPrintable(m_skrypt.niespodziewane.join(u'\n')));
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
}

void TestPrzekazanie::klient(const QString &nazwa1, const QString &nazwa2, const QString &ulica,
                             const QString &miejscowosc)
{
    m_okno->nazwa1->setText(nazwa1);
    m_okno->nazwa2->setText(nazwa2);
    m_okno->ulica->setText(ulica);
    m_okno->miejscowosc->setText(miejscowosc);
}

// Clicks a client tool button once the clock tick has enabled it.
void TestPrzekazanie::kliknij(QToolButton *b)
{
    QTRY_VERIFY_WITH_TIMEOUT(b->isEnabled(), 1000);
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList TestPrzekazanie::nadawca() const
{
    return {m_koperta->n1->text(), m_koperta->n2->text(), m_koperta->n3->text(), m_koperta->n4->text()};
}

QStringList TestPrzekazanie::odbiorca() const
{
    return {m_koperta->o2->text(), m_koperta->o3->text(), m_koperta->o4->text(), m_koperta->o5->text()};
}

void TestPrzekazanie::koperta_data()
{
    QTest::addColumn<QByteArray>("firma"); // empty: no file
    QTest::addColumn<QString>("blad");
    QTest::addColumn<QStringList>("nadawca");

    QTest::newRow("no firm record: empty sender") << QByteArray() << QString() << QStringList(4);
    QTest::newRow("firm record, longer than a record")
        << rekordFirmy(QStringLiteral("Firma Zażółć"), QStringLiteral("ul. Polna 2"), QStringLiteral("00-001 Warszawa"))
               + QByteArray(20, 'x')
        << QString() << QStringList{"Firma Zażółć", "ul. Polna 2", "00-001 Warszawa", ""};
    QTest::newRow("short firm record") << QByteArray(305, 'A') << QStringLiteral("Read beyond end of file")
                                       << QStringList(4, QStringLiteral("stare"));
}

void TestPrzekazanie::koperta()
{
    QFETCH(QByteArray, firma);
    QFETCH(QString, blad);
    QFETCH(QStringList, nadawca);
    if (!firma.isEmpty())
        QVERIFY(zapiszPlik(plikFirmy(), firma));
    // Whatever the envelope window held before.
    for (QLineEdit *e : {m_koperta->n1, m_koperta->n2, m_koperta->n3, m_koperta->n4, m_koperta->o2,
                         m_koperta->o3, m_koperta->o4, m_koperta->o5})
        e->setText(QStringLiteral("stare"));
    m_koperta->setEnabled(false);

    // Texts as typed, not saved anywhere.
    klient(QStringLiteral("Żuraw \"Beta\""), QStringLiteral(" Sp. z o.o. "), QStringLiteral("ul. Długa 1"),
           QStringLiteral("Łódź"));
    kliknij(m_okno->SpeedButton14);

    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), blad.isEmpty() ? QStringList() : QStringList{blad});
    QCOMPARE(this->nadawca(), nadawca);
    if (!blad.isEmpty()) {
        // Neither filled nor shown.
        QCOMPARE(odbiorca(), QStringList(4, QStringLiteral("stare")));
        QVERIFY(!m_koperta->isVisible());
        QVERIFY(!m_koperta->isEnabled());
        return;
    }
    QCOMPARE(odbiorca(), (QStringList{"Żuraw \"Beta\"", " Sp. z o.o. ", "ul. Długa 1", "Łódź"}));
    QVERIFY(m_koperta->isVisible());
    QVERIFY(m_koperta->isEnabled());
    QCOMPARE(m_koperta->windowModality(), Qt::NonModal);
    // The set-up ran: the stored form of address is in o1.
    QCOMPARE(m_koperta->o1->text(), QStringLiteral("Szanowny Pan"));
    // The client list window stays usable.
    QVERIFY(m_okno->isEnabled());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestPrzekazanie::staraKopiaFirmy()
{
    QVERIFY(zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Alfa"), QStringLiteral("Beta"), QStringLiteral("Gamma"))));
    klient(QStringLiteral("Pierwszy"), {}, {}, {});
    kliknij(m_okno->SpeedButton14);
    QCOMPARE(nadawca(), (QStringList{"Alfa", "Beta", "Gamma", ""}));

    // The firm record goes away: the copy read before fills the sender lines again,
    // and n4 is emptied again.
    QVERIFY(QFile::remove(plikFirmy()));
    m_koperta->n1->setText(QStringLiteral("zmienione"));
    m_koperta->n4->setText(QStringLiteral("czwarta"));
    klient(QStringLiteral("Drugi"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"));
    kliknij(m_okno->SpeedButton14);
    QCOMPARE(nadawca(), (QStringList{"Alfa", "Beta", "Gamma", ""}));
    QCOMPARE(odbiorca(), (QStringList{"Drugi", "b", "c", "d"}));

    // A damaged record now: reported, and the copy is still the old one.
    QVERIFY(zapiszPlik(plikFirmy(), QByteArray(10, 'Z')));
    kliknij(m_okno->SpeedButton14);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Read beyond end of file")});
    QVERIFY(QFile::remove(plikFirmy()));
    kliknij(m_okno->SpeedButton14);
    QCOMPARE(nadawca(), (QStringList{"Alfa", "Beta", "Gamma", ""}));
    QCOMPARE(m_okno->kopiaFirmy().nadawca(0), QStringLiteral("Alfa"));
}

void TestPrzekazanie::drugaKoperta()
{
    QVERIFY(zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Alfa"), QStringLiteral("Beta"), QStringLiteral("Gamma"))));
    klient(QStringLiteral("Pierwszy"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    kliknij(m_okno->SpeedButton14);
    QVERIFY(m_koperta->isVisible());
    QCOMPARE(m_koperta->l1->text(), QStringLiteral("50"));

    // The user edits the open envelope window, then asks for another client's envelope.
    m_koperta->o1->setText(QStringLiteral("Pani"));
    m_koperta->l1->setText(QStringLiteral("77"));
    for (QLineEdit *e : {m_koperta->n1, m_koperta->n4, m_koperta->o2, m_koperta->o5})
        e->setText(QStringLiteral("ręcznie"));
    QVERIFY(zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Nowa"), QStringLiteral("Firma"), QString())));
    klient(QStringLiteral("Drugi"), QStringLiteral("d"), QString(), QStringLiteral("f"));
    kliknij(m_okno->SpeedButton14);
    QCOMPARE(nadawca(), (QStringList{"Nowa", "Firma", "", ""}));
    QCOMPARE(odbiorca(), (QStringList{"Drugi", "d", "", "f"}));
    // The set-up ran again: defaults and the stored form of address are back.
    QCOMPARE(m_koperta->o1->text(), QStringLiteral("Szanowny Pan"));
    QCOMPARE(m_koperta->l1->text(), QStringLiteral("50"));
    QVERIFY(m_koperta->isVisible());

    // "Koniec" of the envelope window disables and hides it; "Koperta" brings it back.
    m_skrypt.tak();
    QTest::mouseClick(m_koperta->SpeedButton1, Qt::LeftButton);
    QVERIFY(!m_koperta->isVisible() && !m_koperta->isEnabled());
    kliknij(m_okno->SpeedButton14);
    QVERIFY(m_koperta->isVisible() && m_koperta->isEnabled());
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
}

void TestPrzekazanie::nieudaneUstawienie_data()
{
    QTest::addColumn<QString>("przypadek");
    QTest::addColumn<QString>("blad");
    QTest::newRow("short envelope layout file") << "uklad" << "Read beyond end of file";
    QTest::newRow("current directory without ADMINI") << "katalog" << "Invalid filename";
}

void TestPrzekazanie::nieudaneUstawienie()
{
    QFETCH(QString, przypadek);
    QFETCH(QString, blad);
    QVERIFY(zapiszPlik(plikFirmy(), rekordFirmy(QStringLiteral("Alfa"), QStringLiteral("Beta"), QStringLiteral("Gamma"))));
    if (przypadek == u"uklad") {
        QVERIFY(zapiszPlik(sciezka(QStringLiteral("dane/Admini/dane_kop_1.dat")), QByteArray(479, '\0')));
    } else {
        // The envelope window resolves its data root from the current directory.
        QVERIFY(QDir().mkpath(sciezka(QStringLiteral("pusty"))));
        QVERIFY(QDir::setCurrent(sciezka(QStringLiteral("pusty"))));
    }
    klient(QStringLiteral("Klient"), {}, {}, {});
    kliknij(m_okno->SpeedButton14);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{blad});
    QVERIFY(!m_koperta->isVisible());
    // The lines were handed over before the set-up.
    QCOMPARE(m_koperta->o2->text(), QStringLiteral("Klient"));
    QCOMPARE(m_koperta->n1->text(), QStringLiteral("Alfa"));
}

void TestPrzekazanie::narzedzia_data()
{
    QTest::addColumn<bool>("komentarze"); // "O kliencie", else "Dokumenty"
    QTest::addColumn<QString>("nip");
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QStringList>("argumenty");

    QTest::newRow("O kliencie, 123 / Alfa") << true << "123" << "Alfa" << QStringList{"123.kom", "Komentarze dla: Alfa "};
    QTest::newRow("Dokumenty, 123 / Alfa") << false << "123" << "Alfa" << QStringList{"123.kom", "Dokumenty dla: Alfa "};
    QTest::newRow("empty name") << true << "123" << "" << QStringList{"123.kom", "Komentarze dla:  "};
    QTest::newRow("double quotes and spaces, untrimmed")
        << false << "52-6.1" << "  Firma \"Beta\" & Syn  "
        << QStringList{"52-6.1.kom", "Dokumenty dla:   Firma \"Beta\" & Syn   "};
}

void TestPrzekazanie::narzedzia()
{
    QFETCH(bool, komentarze);
    QFETCH(QString, nip);
    QFETCH(QString, nazwa1);
    QFETCH(QStringList, argumenty);

    // The recorder stands in for both tools beside the "program"; nothing on the path.
    const QString program = sciezka(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(program));
    for (const char *n : {"notar", "teczkar"})
        QVERIFY(QFile::copy(QStringLiteral(LK_BIN_DIR "/lk_zapisz_argumenty"), program + u'/' + QLatin1String(n)));
    m_okno->ustawMiejsceNarzedzi(program, {sciezka(QStringLiteral("nic"))});

    m_okno->nip->setText(nip);
    m_okno->nazwa1->setText(nazwa1);
    kliknij(komentarze ? m_okno->SpeedButton13 : m_okno->SpeedButton15);
    const auto zapisane = czekajNaArgumenty(sciezka(QStringLiteral("dane/argumenty.txt")));
    QVERIFY(zapisane);
    QCOMPARE(*zapisane, argumenty);
    QVERIFY(m_skrypt.wywolania.isEmpty());
}

void TestPrzekazanie::brakNarzedzia()
{
    const QString pusty = sciezka(QStringLiteral("nic"));
    QVERIFY(QDir().mkpath(pusty));
    m_okno->ustawMiejsceNarzedzi(pusty, {pusty});
    m_okno->nip->setText(QStringLiteral("123"));
    m_okno->nazwa1->setText(QStringLiteral("Alfa"));
    const QStringList przed = QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    kliknij(m_okno->SpeedButton13);
    kliknij(m_okno->SpeedButton15);
    // Nothing is reported and nothing changes.
    QVERIFY(m_skrypt.wywolania.isEmpty());
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), przed);
    QCOMPARE(m_okno->nazwa1->text(), QStringLiteral("Alfa"));
}

QTEST_MAIN(TestPrzekazanie)
#include "test_przekazanie.moc"
