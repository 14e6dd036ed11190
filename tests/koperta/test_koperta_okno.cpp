// The envelope window driven through its handlers, with scripted dialogs.

#include "../wspolne/kontrolki.h"
#include "../wspolne/pdf.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "drukowanie.h"
#include "kontekst.h"
#include "koperty_wsadowe.h"
#include "rekordykoperty.h"
#include "tekst.h"
#include "tkoperta_f.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QString Uklad = QStringLiteral("Admini/dane_kop_1.dat");
const QString Logo = QStringLiteral("Admini/dane_kop_log_1.dat");
const QString Opcje = QStringLiteral("Admini/dane_kop_ori_1.dat");
const QString Forma = QStringLiteral("Admini/dane_kop_for.dat");
const QString Domyslny = QStringLiteral("Adresowanie kopert - profil domyślny");

// A start directory with Admini and the given folders; the test picture copied in.
struct Katalog : KatalogTestu
{
    explicit Katalog(const QStringList &foldery = {QStringLiteral("Admini"), QStringLiteral("inny")})
        : KatalogTestu(foldery)
    {}
    QString kopiujObrazek(const QString &zrodlo, const QString &cel) const
    {
        QFile::copy(QStringLiteral(LK_TEST_DATA "/") + zrodlo, sciezka(cel));
        return sciezka(cel);
    }
};

} // namespace

class TestOknoKoperty : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void oknoIPierwszeUstawienie();
    void ustawienieZostawiaNadawceIOdbiorce();
    void czytajDomyslne_data();
    void czytajDomyslne();
    void koniec_data();
    void koniec();
    void profilTamIZPowrotem();
    void profilZleBajty_data();
    void profilZleBajty();
    void profilLosowy();
    void profilBledy_data();
    void profilBledy();
    void anulowanie_data();
    void anulowanie();
    void obrazek();
    void obrazekZWindows_data();
    void obrazekZWindows();
    void rozmiarObokRekordow();
    void podgladJakWydruk();
    void wieleKopertWJednymZadaniu();
    void obrazekZly_data();
    void obrazekZly();
    void dlugaSciezkaObrazka();
    void profilBezPlikuObrazka_data();
    void profilBezPlikuObrazka();
    void brakPlikuDomyslnego();
    void krotkiPlikPrzyUstawieniu();
    void uszkodzonyObrazekNieBlokujeOkna();
    void brakFolderuADMINI();
    void tylkoDoOdczytu();
    void pomocZegarIRozmiar();
    void czcionkaDruku();
    void jakPolecenie_data();
    void jakPolecenie();

private:
    SkryptDialogi s;
    WspolnaDrukarka m_drukarka;
};

void TestOknoKoperty::init()
{
    zacznijSkrypt(s);
}

void TestOknoKoperty::cleanup()
{
    sprawdzSkrypt(s);
}

void TestOknoKoperty::oknoIPierwszeUstawienie()
{
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QCOMPARE(w.size(), QSize(824, 548));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(w.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!w.isVisible());

    const char *pola[] = {"n1", "n2", "n3", "n4", "o1", "o2",  "o3",  "o4", "o5",    "l1",    "l2",   "l3",
                          "l4", "g1", "g2", "g3", "g4", "l_n", "g_n", "od", "l_log", "g_log", "nazwa"};
    for (const char *n : pola) {
        auto *e = w.findChild<QLineEdit *>(QLatin1String(n));
        QVERIFY2(e, n);
        QCOMPARE(e->accessibleName(), QLatin1String(n));
    }
    QVERIFY(kontrolka<QLineEdit>(&w, "nazwa")->isReadOnly());
    const QStringList pomoc = kontrolka<QTextEdit>(&w, "Memo1")->toPlainText().split(u'\n');
    QCOMPARE(pomoc.size(), 16);
    QCOMPARE(pomoc[5], QStringLiteral("6.Jeżeli na kopercia chcesz wydrukować logo, odszukaj właściwy obrazek."));
    QCOMPARE(pomoc[9], QStringLiteral("10.Po ustaleniu nadawcy, jego parametrów oraz parametrów odbiorcy i definicji "
                                      "dotyczących logo, możesz "));
    QCOMPARE(pomoc[13], QString());
    QCOMPARE(pomoc[15], QStringLiteral("wierszami."));
    const QStringList wskazowka = kontrolka<QTextEdit>(&w, "Memo2")->toPlainText().split(u'\n');
    QCOMPARE(wskazowka.size(), 3);
    QCOMPARE(wskazowka[0], QStringLiteral("Po zdefiniowanu parametrów nadawcy, odbiorcy oraz logo zapisz definicje "));
    QVERIFY(!kontrolka<QTextEdit>(&w, "Memo1")->isEnabled());
    QVERIFY(!kontrolka<QTextEdit>(&w, "Memo2")->isEnabled());
    QVERIFY(kontrolka<QFrame>(&w, "Panel3")->isHidden());
    QCOMPARE(kontrolka<QLabel>(&w, "Image2")->size(), QSize(101, 69));
    QVERIFY(kontrolka<QLabel>(&w, "Image2")->hasScaledContents());

    // The first set-up creates the defaults files and shows them, with no dialog.
    QVERIFY(s.wywolania.isEmpty());
    QCOMPARE(k.czytaj(Uklad), UkladKoperty::poczatkowy());
    QCOMPARE(k.czytaj(Logo), QByteArray(243, '\0'));
    QCOMPARE(k.czytaj(Opcje), QByteArray(3, '\0'));
    QCOMPARE(k.czytaj(Forma), QByteArray(21, '\0'));
    QCOMPARE(w.katalogDanych(), k.korzen());

    QCOMPARE(kontrolka<QLineEdit>(&w, "l1")->text() + kontrolka<QLineEdit>(&w, "g1")->text(), QStringLiteral("5050"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "l2")->text() + kontrolka<QLineEdit>(&w, "g2")->text(), QStringLiteral("100100"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "l3")->text() + kontrolka<QLineEdit>(&w, "g3")->text(), QStringLiteral("150150"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "l4")->text() + kontrolka<QLineEdit>(&w, "g4")->text(), QStringLiteral("200200"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "l_n")->text() + kontrolka<QLineEdit>(&w, "g_n")->text()
                 + kontrolka<QLineEdit>(&w, "od")->text(),
             QStringLiteral("555"));
    QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton1")->isChecked());
    QCOMPARE(w.wybranyRozmiar(), 1);
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 50X50"));
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isChecked());
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(!kontrolka<QCheckBox>(&w, "poziomo")->isChecked());
    QVERIFY(kontrolka<QLineEdit>(&w, "nazwa")->text().isEmpty());
    QVERIFY(kontrolka<QLineEdit>(&w, "o1")->text().isEmpty());
    QCOMPARE(w.windowTitle(), Domyslny);
    QVERIFY(w.obrazDruku().isNull());
    QVERIFY(!w.drukujLogo());
}

void TestOknoKoperty::ustawienieZostawiaNadawceIOdbiorce()
{
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    // Stored sender lines and a form of address.
    QByteArray uklad = UkladKoperty::poczatkowy();
    zapiszTekst(uklad, 0, 80, u"Zapisana firma");
    k.zapisz(Uklad, uklad);
    k.zapisz(Forma, formaAdresu("Pani"));

    QLineEdit *pola[] = {kontrolka<QLineEdit>(&w, "n1"), kontrolka<QLineEdit>(&w, "n2"), kontrolka<QLineEdit>(&w, "n3"),
                         kontrolka<QLineEdit>(&w, "n4"), kontrolka<QLineEdit>(&w, "o2"), kontrolka<QLineEdit>(&w, "o3"),
                         kontrolka<QLineEdit>(&w, "o4"), kontrolka<QLineEdit>(&w, "o5")};
    for (int i = 0; i < 8; ++i)
        pola[i]->setText(QStringLiteral("tekst %1").arg(i));
    kontrolka<QLineEdit>(&w, "o1")->setText(QStringLiteral("Pan"));
    kontrolka<QLineEdit>(&w, "l1")->setText(QStringLiteral("999"));
    QVERIFY(w.FormCreate());
    for (int i = 0; i < 8; ++i)
        QCOMPARE(pola[i]->text(), QStringLiteral("tekst %1").arg(i));
    QCOMPARE(kontrolka<QLineEdit>(&w, "o1")->text(), QStringLiteral("Pani"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "l1")->text(), QStringLiteral("50"));

    // Reading the defaults brings the stored sender lines back.
    s.tak();
    w.SpeedButton12Click();
    QCOMPARE(kontrolka<QLineEdit>(&w, "n1")->text(), QStringLiteral("Zapisana firma"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "n2")->text(), QString());
    QCOMPARE(kontrolka<QLineEdit>(&w, "o2")->text(), QStringLiteral("tekst 4"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "o1")->text(), QStringLiteral("Pani"));
}

void TestOknoKoperty::czytajDomyslne_data()
{
    QTest::addColumn<bool>("tak");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestOknoKoperty::czytajDomyslne()
{
    QFETCH(bool, tak);
    Katalog k;
    const QString obrazek = k.kopiujObrazek(QStringLiteral("logo.jpg"), QStringLiteral("logo.jpg"));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    kontrolka<QRadioButton>(&w, "RadioButton3")->click();
    kontrolka<QLineEdit>(&w, "l3")->setText(QStringLiteral("33"));
    kontrolka<QLineEdit>(&w, "g3")->setText(QStringLiteral("44"));
    kontrolka<QLineEdit>(&w, "n2")->setText(QStringLiteral("Nadawca 2"));
    kontrolka<QCheckBox>(&w, "poziomo")->setChecked(true);
    s.plik(obrazek);
    w.SpeedButton6Click();
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    kontrolka<QLineEdit>(&w, "l_log")->setText(QStringLiteral("7"));
    w.SpeedButton2Click(); // no question, no message
    QVERIFY(s.teksty(QStringLiteral("pytanie")).isEmpty());
    QCOMPARE(k.czytaj(Opcje), QByteArray("\x03\x01\x01", 3));
    QCOMPARE(k.czytaj(Uklad).mid(336, 3), QByteArray("\x02"
                                                     "33"));
    QCOMPARE(czytajTekst(k.czytaj(Logo), 0, 230), obrazek);
    QCOMPARE(w.windowTitle(), Domyslny);

    kontrolka<QRadioButton>(&w, "RadioButton1")->click();
    kontrolka<QLineEdit>(&w, "l3")->setText(QStringLiteral("99"));
    kontrolka<QLineEdit>(&w, "n2")->clear();
    kontrolka<QCheckBox>(&w, "poziomo")->setChecked(false);
    w.SpeedButton7Click();
    w.setWindowTitle(QStringLiteral("inny"));
    k.wejdz(QStringLiteral("inny"));

    tak ? s.tak() : s.nie();
    w.SpeedButton12Click();
    QCOMPARE(s.teksty(QStringLiteral("pytanie")), QStringList{QStringLiteral("Wczytać ustawienia domyślne ?")});
    if (tak) {
        QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton3")->isChecked());
        QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 33X44"));
        QCOMPARE(kontrolka<QLineEdit>(&w, "l3")->text(), QStringLiteral("33"));
        QCOMPARE(kontrolka<QLineEdit>(&w, "n2")->text(), QStringLiteral("Nadawca 2"));
        QVERIFY(kontrolka<QCheckBox>(&w, "poziomo")->isChecked());
        QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), obrazek);
        QVERIFY(kontrolka<QCheckBox>(&w, "logo")->isChecked() && kontrolka<QCheckBox>(&w, "logo")->isEnabled());
        QCOMPARE(w.obrazDruku().size(), QSize(12, 8));
        QCOMPARE(w.windowTitle(), Domyslny);
        QVERIFY(k.biezacy());
    } else {
        QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton1")->isChecked());
        QCOMPARE(kontrolka<QLineEdit>(&w, "l3")->text(), QStringLiteral("99"));
        QVERIFY(kontrolka<QLineEdit>(&w, "nazwa")->text().isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("inny"));
        QVERIFY(k.biezacy(QStringLiteral("inny")));
        k.wejdz();
    }

    // The set-up shows the stored preset too.
    Kontekst kontekstDrugie(QDir::currentPath());
    Tkoperta_f drugie(kontekstDrugie, s, m_drukarka);
    QVERIFY(kontrolka<QRadioButton>(&drugie, "RadioButton3")->isChecked());
    QCOMPARE(kontrolka<QLabel>(&drugie, "Label7")->text(), QStringLiteral("Rozmiar 33X44"));
}

void TestOknoKoperty::koniec_data()
{
    QTest::addColumn<bool>("tak");
    QTest::addColumn<QString>("forma");
    QTest::addColumn<QByteArray>("zapisana");
    QTest::addColumn<int>("sposob"); // 0 "Koniec", 1 the window manager's close, 2 Escape
    for (int sposob : {0, 1, 2}) {
        const QByteArray n = QByteArray::number(sposob);
        QTest::newRow("Yes " + n) << true << QStringLiteral("Szanowna Pani") << formaAdresu("Szanowna Pani") << sposob;
        QTest::newRow("Yes, cut to 20 " + n)
            << true << QStringLiteral("Wielce Szanowny Pan Prezes") << formaAdresu("Wielce Szanowny Pan ") << sposob;
        QTest::newRow("No " + n) << false << QStringLiteral("Pan") << QByteArray(21, '\0') << sposob;
    }
}

void TestOknoKoperty::koniec()
{
    QFETCH(bool, tak);
    QFETCH(QString, forma);
    QFETCH(QByteArray, zapisana);
    QFETCH(int, sposob);
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    w.show();
    kontrolka<QLineEdit>(&w, "o1")->setText(forma);
    w.SpeedButton2Click(); // saving the defaults leaves the form of address alone
    QCOMPARE(k.czytaj(Forma), QByteArray(21, '\0'));
    tak ? s.tak() : s.nie();
    if (sposob == 0)
        kontrolka<QToolButton>(&w, "SpeedButton1")->click();
    else if (sposob == 1)
        QCOMPARE(w.close(), tak);
    else
        QTest::keyClick(kontrolka<QLineEdit>(&w, "o1"), Qt::Key_Escape);
    QCOMPARE(s.teksty(QStringLiteral("pytanie")), QStringList{QStringLiteral("Koniec pracy ?")});
    QCOMPARE(k.czytaj(Forma), zapisana);
    QCOMPARE(w.isVisible(), !tak);
    QCOMPARE(w.isEnabled(), !tak);
    if (tak) {
        // The next set-up brings the form of address back.
        kontrolka<QLineEdit>(&w, "o1")->clear();
        QVERIFY(w.FormCreate());
        QCOMPARE(kontrolka<QLineEdit>(&w, "o1")->text(), czytajTekst(zapisana, 0, 20));
    }
}

void TestOknoKoperty::profilTamIZPowrotem()
{
    Katalog k;
    QDir(k.korzen()).mkdir(QStringLiteral("Koperty"));
    const QString obrazek = k.kopiujObrazek(QStringLiteral("logo.jpg"), QStringLiteral("firma.jpg"));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QLineEdit *pola[] = {
        kontrolka<QLineEdit>(&w, "n1"),    kontrolka<QLineEdit>(&w, "n2"),   kontrolka<QLineEdit>(&w, "n3"),
        kontrolka<QLineEdit>(&w, "n4"),    kontrolka<QLineEdit>(&w, "l1"),   kontrolka<QLineEdit>(&w, "l2"),
        kontrolka<QLineEdit>(&w, "l3"),    kontrolka<QLineEdit>(&w, "l4"),   kontrolka<QLineEdit>(&w, "g1"),
        kontrolka<QLineEdit>(&w, "g2"),    kontrolka<QLineEdit>(&w, "g3"),   kontrolka<QLineEdit>(&w, "g4"),
        kontrolka<QLineEdit>(&w, "l_n"),   kontrolka<QLineEdit>(&w, "g_n"),  kontrolka<QLineEdit>(&w, "od"),
        kontrolka<QLineEdit>(&w, "l_log"), kontrolka<QLineEdit>(&w, "g_log")};
    for (int i = 0; i < 17; ++i)
        pola[i]->setText(QStringLiteral("%1ą").arg(i));
    kontrolka<QLineEdit>(&w, "nazwa")->setText(obrazek);
    kontrolka<QRadioButton>(&w, "RadioButton4")->click();
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    kontrolka<QCheckBox>(&w, "poziomo")->setChecked(true);
    kontrolka<QLineEdit>(&w, "o1")->setText(QStringLiteral("Pan"));
    kontrolka<QLineEdit>(&w, "o2")->setText(QStringLiteral("Odbiorca"));

    const QString plik = k.sciezka(QStringLiteral("Koperty/biuro"));
    s.plik(plik); // typed without an extension
    k.wejdz(QStringLiteral("inny"));
    w.SpeedButton11Click();
    const SkryptDialogi::Wywolanie zapis = s.wywolania.constLast();
    QCOMPARE(zapis.rodzaj, QStringLiteral("zapisz"));
    QCOMPARE(zapis.plik.filtr, QStringLiteral("Pliki profilów (*.pro)"));
    QCOMPARE(zapis.plik.rozszerzenie, QStringLiteral("pro"));
    QCOMPARE(zapis.plik.katalog, k.sciezka(QStringLiteral("Koperty")));
    QVERIFY(zapis.plik.pytajONadpisanie);
    QCOMPARE(k.czytaj(QStringLiteral("Koperty/biuro.pro")).size(), 726);
    QVERIFY(k.biezacy());
    const QString tytul = w.windowTitle();

    // Change everything, then read the profile back.
    for (QLineEdit *e : pola)
        e->setText(QStringLiteral("x"));
    kontrolka<QLineEdit>(&w, "nazwa")->clear();
    kontrolka<QRadioButton>(&w, "RadioButton2")->click();
    kontrolka<QCheckBox>(&w, "logo")->setChecked(false);
    kontrolka<QCheckBox>(&w, "poziomo")->setChecked(false);
    kontrolka<QLineEdit>(&w, "o1")->setText(QStringLiteral("Pani"));
    k.wejdz(QStringLiteral("inny"));
    s.plik(plik + QStringLiteral(".pro"));
    w.SpeedButton10Click();
    QCOMPARE(s.wywolania.constLast().plik.katalog, k.sciezka(QStringLiteral("Koperty")));
    QCOMPARE(s.wywolania.constLast().plik.filtr, QStringLiteral("Pliki profilów (*.pro)"));
    for (int i = 0; i < 17; ++i)
        QCOMPARE(pola[i]->text(), QStringLiteral("%1ą").arg(i));
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), obrazek);
    QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton4")->isChecked());
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 7ąX11ą"));
    QVERIFY(kontrolka<QCheckBox>(&w, "logo")->isChecked() && kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(kontrolka<QCheckBox>(&w, "poziomo")->isChecked());
    QVERIFY(w.drukujLogo());
    QCOMPARE(w.obrazDruku().size(), QSize(12, 8));
    QCOMPARE(kontrolka<QLineEdit>(&w, "o1")->text(), QStringLiteral("Pani"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "o2")->text(), QStringLiteral("Odbiorca"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Adresowanie kopert ") + plik + QStringLiteral(".pro"));
    QVERIFY(tytul != w.windowTitle());
    QVERIFY(k.biezacy());
    QCOMPARE(k.czytaj(Forma), QByteArray(21, '\0'));
}

void TestOknoKoperty::profilZleBajty_data()
{
    QTest::addColumn<char>("rozmiar");
    QTest::addColumn<char>("flaga");
    QTest::newRow("preset 7") << char(7) << char(1);
    QTest::newRow("preset 255, flags 2") << char(255) << char(2);
}

void TestOknoKoperty::profilZleBajty()
{
    QFETCH(char, rozmiar);
    QFETCH(char, flaga);
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    kontrolka<QRadioButton>(&w, "RadioButton2")->click();
    kontrolka<QLineEdit>(&w, "l2")->setText(QStringLiteral("12"));
    kontrolka<QCheckBox>(&w, "poziomo")->setChecked(true);
    QByteArray r(726, '\0');
    wpiszProfil(r, UstawieniaKoperty{});
    r[723] = rozmiar;
    r[724] = flaga;
    r[725] = flaga;
    k.zapisz(QStringLiteral("p.pro"), r);
    s.plik(k.sciezka(QStringLiteral("p.pro")));
    w.SpeedButton10Click();
    QVERIFY(s.teksty(QStringLiteral("blad")).isEmpty());
    QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton2")->isChecked());
    QCOMPARE(w.wybranyRozmiar(), 2);
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 100X100")); // not refreshed
    QCOMPARE(kontrolka<QCheckBox>(&w, "poziomo")->isChecked(), flaga != 0);
    QCOMPARE(kontrolka<QCheckBox>(&w, "logo")->isChecked(), flaga == 1);
}

void TestOknoKoperty::profilLosowy()
{
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QRandomGenerator los(77);
    for (int i = 0; i < 40; ++i) {
        QByteArray r(726 + (i % 4) * 100, '\0');
        los.fillRange(reinterpret_cast<quint32 *>(r.data()), r.size() / 4);
        if (i % 5 == 0)
            r.fill(char(0xff));
        k.zapisz(QStringLiteral("los.pro"), r);
        s.plik(k.sciezka(QStringLiteral("los.pro")));
        w.SpeedButton10Click();
        // A random path names no picture; the load itself never fails.
        QVERIFY2(s.teksty(QStringLiteral("blad")).isEmpty(), qPrintable(s.teksty(QStringLiteral("blad")).join(u',')));
        QVERIFY(kontrolka<QLineEdit>(&w, "n1")->text().size() <= 80
                && kontrolka<QLineEdit>(&w, "l_n")->text().size() <= 50 && w.wybranyRozmiar() >= 1);
    }
}

void TestOknoKoperty::profilBledy_data()
{
    QTest::addColumn<int>("rozmiar"); // -1: no file
    QTest::addColumn<QString>("blad");
    QTest::newRow("missing") << -1 << QStringLiteral("File not found");
    QTest::newRow("725 bytes") << 725 << QStringLiteral("Read beyond end of file");
}

void TestOknoKoperty::profilBledy()
{
    QFETCH(int, rozmiar);
    QFETCH(QString, blad);
    Katalog k;
    if (rozmiar >= 0)
        k.zapisz(QStringLiteral("zly.pro"), QByteArray(rozmiar, '\x03'));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    kontrolka<QLineEdit>(&w, "n1")->setText(QStringLiteral("bez zmian"));
    k.wejdz(QStringLiteral("inny"));
    s.plik(k.sciezka(QStringLiteral("zly.pro")));
    w.SpeedButton10Click();
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{blad});
    QCOMPARE(kontrolka<QLineEdit>(&w, "n1")->text(), QStringLiteral("bez zmian"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "l1")->text(), QStringLiteral("50"));
    QCOMPARE(w.windowTitle(), Domyslny);
    QVERIFY(k.biezacy(QStringLiteral("inny")));
    k.wejdz();
}

void TestOknoKoperty::anulowanie_data()
{
    QTest::addColumn<int>("polecenie");
    QTest::addColumn<QString>("dialog"); // the dialog's design name
    QTest::newRow("read profile") << 10 << QStringLiteral("OpenDialog2");
    QTest::newRow("save profile") << 11 << QStringLiteral("SaveDialog1");
    QTest::newRow("attach picture") << 6 << QStringLiteral("OpenDialog1");
}

void TestOknoKoperty::anulowanie()
{
    QFETCH(int, polecenie);
    QFETCH(QString, dialog);
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    kontrolka<QLineEdit>(&w, "l1")->setText(QStringLiteral("1"));
    k.wejdz(QStringLiteral("inny"));
    const QStringList pliki = QDir(k.korzen()).entryList(QDir::Files);
    s.anuluj();
    switch (polecenie) {
    case 10: w.SpeedButton10Click(); break;
    case 11: w.SpeedButton11Click(); break;
    case 6: w.SpeedButton6Click(); break;
    }
    QCOMPARE(s.wywolania.size(), 1);
    QCOMPARE(s.wywolania[0].plik.obiekt, dialog);
    QCOMPARE(kontrolka<QLineEdit>(&w, "l1")->text(), QStringLiteral("1"));
    QVERIFY(kontrolka<QLineEdit>(&w, "nazwa")->text().isEmpty());
    QCOMPARE(w.windowTitle(), Domyslny);
    QVERIFY(k.biezacy(QStringLiteral("inny")));
    QCOMPARE(QDir(k.korzen()).entryList(QDir::Files), pliki);
    if (polecenie == 6) {
        QCOMPARE(s.wywolania[0].plik.filtr, QStringLiteral("Pliki graficzne (*.jpg *.jpeg *.png)"));
        QCOMPARE(s.wywolania[0].plik.rozszerzenie, QStringLiteral("jpg"));
        QVERIFY(s.wywolania[0].plik.katalog.isEmpty());
    }
    k.wejdz();
}

void TestOknoKoperty::obrazekZWindows_data()
{
    QTest::addColumn<QString>("plik");
    QTest::newRow("JPEG") << QStringLiteral("Logo.jpg");
    QTest::newRow("PNG") << QStringLiteral("Logo.png");
}

void TestOknoKoperty::obrazekZWindows()
{
    // A logo path written by the suite's Windows modules: drive letter, backslashes,
    // another letter case. The defaults name it; the set-up loads it and enables the box.
    QFETCH(QString, plik);
    Katalog k;
    const QString sciezka = k.sciezka(plik);
    QVERIFY(QImage(QStringLiteral(LK_TEST_DATA "/logo.jpg")).save(sciezka));
    const QString zWindows = QStringLiteral("C:") + QDir::toNativeSeparators(sciezka).replace(u'/', u'\\').toUpper();
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    kontrolka<QLineEdit>(&w, "nazwa")->setText(zWindows);
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    w.SpeedButton2Click();
    QVERIFY(w.FormCreate());
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), zWindows);
    QVERIFY(w.drukujLogo());
    QCOMPARE(w.obrazDruku().size(), QSize(12, 8));
    QCOMPARE(kontrolka<QToolButton>(&w, "SpeedButton4")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
}

void TestOknoKoperty::rozmiarObokRekordow()
{
    // The size lives in files of its own: the profile and the four defaults records are
    // the same bytes whatever size is chosen, and each size comes back.
    Katalog k;
    QDir(k.korzen()).mkdir(QStringLiteral("Koperty"));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QComboBox *rozmiar = kontrolka<QComboBox>(&w, "rozmiar");
    QCOMPARE(rozmiar->currentText(), QStringLiteral("Jak w drukarce"));
    QCOMPARE(rozmiar->count(), RozmiaryKopert::wszystkie().size());
    const QStringList rekordy = {Uklad, Logo, Opcje, Forma, QStringLiteral("Koperty/biuro.pro")};
    QList<QByteArray> pierwsze;
    for (int indeks : {0, 4, 1}) {
        rozmiar->setCurrentIndex(indeks);
        w.SpeedButton2Click();
        s.plik(k.sciezka(QStringLiteral("Koperty/biuro.pro")));
        w.SpeedButton11Click();
        QList<QByteArray> bajty;
        for (const QString &r : rekordy)
            bajty.append(k.czytaj(r));
        QCOMPARE(bajty.constLast().size(), 726);
        if (pierwsze.isEmpty())
            pierwsze = bajty;
        QCOMPARE(bajty, pierwsze);

        rozmiar->setCurrentIndex(2);
        QVERIFY(w.FormCreate());
        QCOMPARE(rozmiar->currentIndex(), indeks);
        rozmiar->setCurrentIndex(2);
        s.plik(k.sciezka(QStringLiteral("Koperty/biuro.pro")));
        w.SpeedButton10Click();
        QCOMPARE(rozmiar->currentIndex(), indeks);
    }
    QCOMPARE(k.czytaj(QStringLiteral("Koperty/biuro.pro.rozmiar")), QByteArray("DL\n"));
    // A profile without its sidecar means "Jak w drukarce".
    QFile::remove(k.sciezka(QStringLiteral("Koperty/biuro.pro.rozmiar")));
    s.plik(k.sciezka(QStringLiteral("Koperty/biuro.pro")));
    w.SpeedButton10Click();
    QCOMPARE(rozmiar->currentIndex(), 0);
}

namespace {

// A window with sender and recipient lines, a logo and size DL across.
void przygotujDoDruku(Tkoperta_f &w, const QString &obrazek)
{
    const char *pola[] = {"n1", "n4", "o1", "o2", "o5"};
    for (const char *p : pola)
        kontrolka<QLineEdit>(&w, p)->setText(QString::fromLatin1(p).toUpper() + QStringLiteral("ąż"));
    kontrolka<QLineEdit>(&w, "l_log")->setText(QStringLiteral("300"));
    kontrolka<QLineEdit>(&w, "g_log")->setText(QStringLiteral("20"));
    kontrolka<QLineEdit>(&w, "nazwa")->setText(obrazek);
    w.FormCreate();
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    kontrolka<QCheckBox>(&w, "poziomo")->setChecked(true);
    kontrolka<QComboBox>(&w, "rozmiar")->setCurrentIndex(1); // DL
}

} // namespace

void TestOknoKoperty::podgladJakWydruk()
{
    // The preview draws with the routine that prints: its page on a PDF printer and the
    // printed page are the same pixels, on a DL page across.
    Katalog k;
    const QString obrazek = k.kopiujObrazek(QStringLiteral("logo.jpg"), QStringLiteral("logo.jpg"));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    kontrolka<QLineEdit>(&w, "nazwa")->setText(obrazek);
    w.SpeedButton2Click();
    przygotujDoDruku(w, obrazek);
    // LK_ZRZUT_PODGLADU=folder: pictures of the window and its preview for the README.
    const QString zrzut = qEnvironmentVariable("LK_ZRZUT_PODGLADU");
    if (!zrzut.isEmpty()) {
        const QStringList teksty{"Biuro Rachunkowe „Żuraw” Sp. z o.o.",
                                 "ul. Długa 5",
                                 "00-950 Warszawa",
                                 "",
                                 "Szanowny Pan",
                                 "Kowalski Jan",
                                 "Usługi Stolarskie",
                                 "ul. Ogrodowa 3",
                                 "90-012 Łódź"};
        const char *pola[] = {"n1", "n2", "n3", "n4", "o1", "o2", "o3", "o4", "o5"};
        for (int i = 0; i < 9; ++i)
            kontrolka<QLineEdit>(&w, pola[i])->setText(teksty[i]);
        kontrolka<QLineEdit>(&w, "l1")->setText(QStringLiteral("110"));
        kontrolka<QLineEdit>(&w, "g1")->setText(QStringLiteral("55"));
        kontrolka<QLineEdit>(&w, "od")->setText(QStringLiteral("6"));
    }
    kontrolka<QToolButton>(&w, "podglad")->click();
    auto *podglad = w.findChild<QPrintPreviewDialog *>();
    QVERIFY(podglad && podglad->isVisible());
    if (!zrzut.isEmpty()) {
        podglad->resize(900, 560);
        QTest::qWait(300);
        QVERIFY(podglad->grab().save(zrzut + QStringLiteral("/podglad_koperty.png")));
        QVERIFY(w.grab().save(zrzut + QStringLiteral("/okno_koperty.png")));
        return;
    }
    QPrinter zPodgladu(QPrinter::HighResolution);
    doPdf(zPodgladu, k.sciezka(QStringLiteral("podglad.pdf")));
    emit podglad->paintRequested(&zPodgladu);
    // Its print command goes through the program's print dialog, prints and closes it.
    const QString zPodgladuDruk = k.sciezka(QStringLiteral("z_podgladu.pdf"));
    s.drukarka([&](QPrinter *d) { doPdf(*d, zPodgladuDruk); });
    QPointer<QPrintPreviewDialog> zamykany(podglad);
    for (QAction *a : podglad->findChildren<QAction *>())
        if (a->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
            a->trigger();
    QVERIFY(QFile::exists(zPodgladuDruk));
    QTRY_VERIFY(!zamykany);

    const QString wydruk = k.sciezka(QStringLiteral("wydruk.pdf"));
    s.drukarka([&](QPrinter *d) { doPdf(*d, wydruk); });
    w.SpeedButton4Click();
    const StronaPdf strona = czytajStrone(wydruk);
    QVERIFY(qAbs(strona.szerokosc - 220 * 72 / 25.4) < 1 && qAbs(strona.wysokosc - 110 * 72 / 25.4) < 1);
    QVERIFY(strona.znajdz(QStringLiteral("O2ąż")));
    const QImage a = renderuj(k.sciezka(QStringLiteral("podglad.pdf")), 5196, 2598);
    const QImage b = renderuj(wydruk, 5196, 2598);
    QVERIFY(!a.isNull());
    QCOMPARE(a, b);
}

void TestOknoKoperty::wieleKopertWJednymZadaniu()
{
    // Three clients, one job: one page each, in order, each at the recipient's place;
    // the firm's sender lines only while the window's are empty. No data file changes.
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    const QByteArray uklad = k.czytaj(Uklad);
    const QString pdf = k.sciezka(QStringLiteral("wiele.pdf"));
    s.drukarka([&](QPrinter *d) { doPdf(*d, pdf); }).nie();
    const QList<std::array<QString, 4>> odbiorcy = {{QStringLiteral("Alfa"), QStringLiteral("ul.1")},
                                                    {QStringLiteral("Beta"), QStringLiteral("ul.2")},
                                                    {QStringLiteral("Gamma"), QStringLiteral("ul.3")}};
    QVERIFY(w.drukujDlaKlientow(&w, {QStringLiteral("Firma")}, odbiorcy));
    QCOMPARE(s.teksty(QStringLiteral("pytanie")), QStringList{QStringLiteral("Pokazać podgląd przed drukowaniem?")});
    QVERIFY(uruchom(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    for (int i = 0; i < 3; ++i) {
        const QString jedna = k.sciezka(QStringLiteral("strona%1.pdf").arg(i));
        uruchom(QStringLiteral("pdfseparate"), {QStringLiteral("-f"), QString::number(i + 1), QStringLiteral("-l"),
                                                QString::number(i + 1), pdf, jedna});
        // The defaults: sender at 5/5 mm, preset 1 at 50/50 mm, spacing 5 mm: o2 at
        // 55/60 mm, o3 a line below (24 dots a millimetre).
        sprawdzPolozenia(
            czytajStrone(jedna),
            {{QStringLiteral("Firma"), {120, 144}}, {odbiorcy[i][0], {1320, 1440}}, {odbiorcy[i][1], {1320, 1560}}});
    }
    QCOMPARE(k.czytaj(Uklad), uklad);

    // A longer job shows its progress; "Anuluj" aborts it all and leaves no file.
    s.drukarka([&](QPrinter *d) { doPdf(*d, pdf); }).nie();
    QTimer::singleShot(0, &w, [&w] {
        if (auto *postep = w.findChild<QProgressDialog *>(QStringLiteral("postepDruku")))
            postep->cancel();
    });
    QVERIFY(!w.drukujDlaKlientow(&w, {}, odbiorcy + odbiorcy));
    // Cancelled at the first page whose progress let the event loop run.
    QCOMPARE(s.teksty(QStringLiteral("blad")).size(), 1);
    QVERIFY(s.teksty(QStringLiteral("blad"))
                .constFirst()
                .contains(QRegularExpression(QStringLiteral("^Drukowanie przerwane. Wysłano stron: [1-5] z 6.$"))));
    QVERIFY(!QFile::exists(pdf));
}

void TestOknoKoperty::obrazek()
{
    Katalog k;
    const QString obrazek = k.kopiujObrazek(QStringLiteral("logo_cmyk.jpg"), QStringLiteral("inny/logo.jpg"));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    const QImage zastepczy = w.obrazPodgladu();
    QVERIFY(!zastepczy.isNull());
    k.wejdz(QStringLiteral("inny"));
    s.plik(QStringLiteral("logo")); // relative to the current folder, extension added
    w.SpeedButton6Click();
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), obrazek);
    QVERIFY(kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isChecked());
    QVERIFY(!w.drukujLogo());
    QCOMPARE(w.obrazDruku().size(), QSize(12, 8));
    QCOMPARE(w.obrazPodgladu().size(), QSize(12, 8));
    QVERIFY(w.obrazDruku().pixelColor(1, 4).red() > 200);
    QVERIFY(k.biezacy());
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    QVERIFY(w.drukujLogo());

    w.SpeedButton7Click();
    QVERIFY(kontrolka<QLineEdit>(&w, "nazwa")->text().isEmpty());
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(kontrolka<QCheckBox>(&w, "logo")->isChecked()); // the tick stays, but a disabled box prints nothing
    QVERIFY(!w.drukujLogo());
    QVERIFY(w.obrazDruku().isNull());
    QCOMPARE(w.obrazPodgladu(), zastepczy);

    // A picture file deleted after attaching: the set-up disables the box.
    s.plik(obrazek);
    w.SpeedButton6Click();
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    w.SpeedButton2Click();
    QFile::remove(obrazek);
    QVERIFY(w.FormCreate());
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), obrazek);
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(!w.drukujLogo());
}

void TestOknoKoperty::obrazekZly_data()
{
    QTest::addColumn<QByteArray>("dane");
    QTest::newRow("truncated") << czytajPlik(QStringLiteral(LK_TEST_DATA "/logo.jpg")).left(161);
    QTest::newRow("text renamed") << QByteArray("Lista klientów\n");
}

void TestOknoKoperty::obrazekZly()
{
    QFETCH(QByteArray, dane);
    Katalog k;
    const QString dobry = k.kopiujObrazek(QStringLiteral("logo.jpg"), QStringLiteral("dobry.jpg"));
    k.zapisz(QStringLiteral("zly.jpg"), dane);
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    s.plik(dobry);
    w.SpeedButton6Click();
    kontrolka<QCheckBox>(&w, "logo")->setChecked(true);
    QVERIFY(w.drukujLogo());

    s.plik(k.sciezka(QStringLiteral("zly.jpg")));
    w.SpeedButton6Click();
    QCOMPARE(s.teksty(QStringLiteral("blad")).size(), 1);
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), k.sciezka(QStringLiteral("zly.jpg")));
    // The earlier logo is not left behind to be printed.
    QVERIFY(w.obrazDruku().isNull());
}

void TestOknoKoperty::dlugaSciezkaObrazka()
{
    Katalog k;
    QString sciezka = k.korzen() + u'/';
    const int reszta = 231 - int(sciezka.size()) - 4;
    QVERIFY(reszta > 0 && reszta < 250);
    sciezka += QString(reszta, u'o') + QStringLiteral(".jpg");
    QCOMPARE(sciezka.size(), 231);
    QVERIFY(QFile::copy(QStringLiteral(LK_TEST_DATA "/logo.jpg"), sciezka));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    s.plik(sciezka);
    w.SpeedButton6Click();
    QVERIFY(kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    s.plik(k.sciezka(QStringLiteral("dlugi.pro")));
    w.SpeedButton11Click();
    s.plik(k.sciezka(QStringLiteral("dlugi.pro")));
    w.SpeedButton10Click();
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), sciezka.left(230));
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(s.teksty(QStringLiteral("blad")).isEmpty());
}

void TestOknoKoperty::profilBezPlikuObrazka_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::newRow("missing file") << QStringLiteral("nie_ma.jpg");
    QTest::newRow("endless device") << QStringLiteral("/dev/zero");
}

void TestOknoKoperty::profilBezPlikuObrazka()
{
    QFETCH(QString, nazwa);
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    UstawieniaKoperty u;
    u.nazwaObrazka = nazwa.startsWith(u'/') ? nazwa : k.sciezka(nazwa);
    u.rozmiar = 1;
    u.logo = 1;
    QByteArray r(726, '\0');
    wpiszProfil(r, u);
    k.zapisz(QStringLiteral("p.pro"), r);
    s.plik(k.sciezka(QStringLiteral("p.pro")));
    w.SpeedButton10Click();
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), u.nazwaObrazka);
    QVERIFY(kontrolka<QCheckBox>(&w, "logo")->isChecked());
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QVERIFY(!w.drukujLogo());
    QVERIFY(s.teksty(QStringLiteral("blad")).isEmpty());
}

void TestOknoKoperty::brakPlikuDomyslnego()
{
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    k.zapisz(Opcje, QByteArray("\x02\x00\x01", 3));
    QFile::remove(k.sciezka(Logo));
    kontrolka<QLineEdit>(&w, "l1")->setText(QStringLiteral("bez zmian"));
    s.tak();
    w.SpeedButton12Click();
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("File not found")});
    // The print options, read first, stay applied; the layout was not read.
    QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton2")->isChecked());
    QVERIFY(kontrolka<QCheckBox>(&w, "poziomo")->isChecked());
    QCOMPARE(kontrolka<QLineEdit>(&w, "l1")->text(), QStringLiteral("bez zmian"));
    QVERIFY(!QFile::exists(k.sciezka(Logo))); // not created here
}

void TestOknoKoperty::uszkodzonyObrazekNieBlokujeOkna()
{
    // A damaged logo named in the defaults is reported, and the set-up still finishes,
    // so the window opens and the picture can be detached.
    Katalog k;
    const QString obrazek = QDir::current().absoluteFilePath(QStringLiteral("logo.jpg"));
    QVERIFY(zapiszPlik(obrazek, "to nie jest obrazek"));
    UstawieniaKoperty u;
    u.nazwaObrazka = obrazek;
    QByteArray logo(243, '\0');
    wpiszLogo(logo, 0, u);
    k.zapisz(Logo, logo);
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QCOMPARE(s.teksty(QStringLiteral("blad")).size(), 1);
    QVERIFY(s.teksty(QStringLiteral("blad")).constFirst().startsWith(QStringLiteral("Nie można wczytać obrazka")));
    s.wyczysc();
    QVERIFY(w.FormCreate());
    QCOMPARE(w.windowTitle(), QStringLiteral("Adresowanie kopert - profil domyślny"));
    QCOMPARE(kontrolka<QLineEdit>(&w, "nazwa")->text(), obrazek);
    QVERIFY(w.obrazDruku().isNull());
    QVERIFY(!w.drukujLogo());
}

void TestOknoKoperty::krotkiPlikPrzyUstawieniu()
{
    Katalog k;
    UstawieniaKoperty u;
    u.logoOdLewej = QStringLiteral("17");
    QByteArray logo(243, '\0');
    wpiszLogo(logo, 0, u);
    k.zapisz(Logo, logo);
    k.zapisz(Uklad, QByteArray(100, '\0'));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka); // the set-up reports the error and stops
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Read beyond end of file")});
    QCOMPARE(kontrolka<QLineEdit>(&w, "l_log")->text(), QStringLiteral("17"));
    QVERIFY(kontrolka<QLineEdit>(&w, "l1")->text().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Wydruk kopert"));
    QVERIFY(!QFile::exists(k.sciezka(Forma)));
    s.wyczysc();
    QVERIFY(!w.FormCreate());
    QCOMPARE(QFileInfo(k.sciezka(Uklad)).size(), 100);
}

void TestOknoKoperty::brakFolderuADMINI()
{
    // A data root named by the setting, without ADMINI (a start directory without Admini
    // is tried through the client list window).
    Katalog k;
    QTemporaryDir inny;
    QByteArray siec(403, '\0');
    siec[0] = 1;
    zapiszTekst(siec, 1, 200, inny.path());
    k.zapisz(QStringLiteral("Admini/siec.dat"), siec);
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("Invalid filename")});
    QCOMPARE(w.katalogDanych(), inny.path());
    QVERIFY(kontrolka<QLineEdit>(&w, "l1")->text().isEmpty());
    QVERIFY(QDir(inny.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestOknoKoperty::tylkoDoOdczytu()
{
    // Files that cannot be opened for reading and writing (here folders in their place):
    // every operation stops at that file with its error and keeps what it did before.
    Katalog k;
    {
        Kontekst kontekstW(QDir::currentPath());
        Tkoperta_f w(kontekstW, s, m_drukarka); // creates the defaults files
    }
    QVERIFY(QFile::remove(k.sciezka(Opcje)) && QDir(k.korzen()).mkpath(Opcje));
    QVERIFY(QDir(k.korzen()).mkpath(QStringLiteral("ro.pro")));
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList{QStringLiteral("File access denied")});
    QVERIFY(!kontrolka<QCheckBox>(&w, "logo")->isEnabled());
    QCOMPARE(kontrolka<QLineEdit>(&w, "l1")->text(), QStringLiteral("50"));

    s.plik(k.sciezka(QStringLiteral("ro.pro")));
    w.SpeedButton10Click();
    QCOMPARE(s.teksty(QStringLiteral("blad")).size(), 2);

    // Saving the defaults writes the layout and the logo, then stops at the options.
    kontrolka<QRadioButton>(&w, "RadioButton4")->click();
    kontrolka<QLineEdit>(&w, "l1")->setText(QStringLiteral("61"));
    w.SpeedButton2Click();
    QCOMPARE(s.teksty(QStringLiteral("blad")), QStringList(3, QStringLiteral("File access denied")));
    QCOMPARE(k.czytaj(Uklad).mid(324, 3), QByteArray("\x02"
                                                     "61"));
    QVERIFY(QFileInfo(k.sciezka(Opcje)).isDir());
}

void TestOknoKoperty::pomocZegarIRozmiar()
{
    Katalog k;
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    w.show();
    kontrolka<QToolButton>(&w, "SpeedButton9")->click();
    QVERIFY(kontrolka<QFrame>(&w, "Panel3")->isVisible());
    QCOMPARE(kontrolka<QFrame>(&w, "Panel3")->geometry(), QRect(93, 62, 636, 390));
    kontrolka<QToolButton>(&w, "SpeedButton8")->click();
    QVERIFY(!kontrolka<QFrame>(&w, "Panel3")->isVisible());
    w.SpeedButton9Click();
    QVERIFY(w.FormCreate());
    QVERIFY(!kontrolka<QFrame>(&w, "Panel3")->isVisible());

    kontrolka<QLabel>(&w, "Label5")->setText(QStringLiteral("00:00:00"));
    QVERIFY(kontrolka<QTimer>(&w, "Timer1")->isActive());
    QCOMPARE(kontrolka<QTimer>(&w, "Timer1")->interval(), 100);
    w.hide(); // the clock runs while hidden too
    QTRY_VERIFY(kontrolka<QLabel>(&w, "Label5")->text() != QStringLiteral("00:00:00"));
    QVERIFY(QRegularExpression(QStringLiteral("\\d{1,2}\\D\\d{2}\\D\\d{2}"))
                .match(kontrolka<QLabel>(&w, "Label5")->text())
                .hasMatch());

    // A click on a preset shows its size.
    w.show();
    QTest::mouseClick(kontrolka<QRadioButton>(&w, "RadioButton2"), Qt::LeftButton, {},
                      QPoint(8, kontrolka<QRadioButton>(&w, "RadioButton2")->height() / 2));
    QVERIFY(kontrolka<QRadioButton>(&w, "RadioButton2")->isChecked());
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 100X100"));
    // Typing does not change the label; the next click does.
    kontrolka<QLineEdit>(&w, "l2")->setText(QStringLiteral("120"));
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 100X100"));
    kontrolka<QRadioButton>(&w, "RadioButton4")->click();
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 200X200"));
    kontrolka<QRadioButton>(&w, "RadioButton2")->click();
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar 120X100"));

    // The label shows the sizes as typed, never as markup.
    kontrolka<QLineEdit>(&w, "l3")->setText(QStringLiteral("<b>1"));
    kontrolka<QLineEdit>(&w, "g3")->setText(QStringLiteral("2<br>"));
    kontrolka<QRadioButton>(&w, "RadioButton3")->click();
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->text(), QStringLiteral("Rozmiar <b>1X2<br>"));
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->textFormat(), Qt::PlainText);
    QLabel jakTekst(QStringLiteral("Rozmiar <b>1X2<br>"));
    jakTekst.setFont(kontrolka<QLabel>(&w, "Label7")->font());
    jakTekst.setTextFormat(Qt::PlainText);
    QCOMPARE(kontrolka<QLabel>(&w, "Label7")->sizeHint(), jakTekst.sizeHint());
}

void TestOknoKoperty::czcionkaDruku()
{
    // "Czcionka druku" opens the chooser and stores the print font.
    Katalog k({QStringLiteral("Admini"), QStringLiteral("FONT")});
    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka);
    QFont czcionka(QStringLiteral("DejaVu Sans"), 11);
    czcionka.setItalic(true);
    s.czcionka({czcionka, 0x00FF00});
    kontrolka<QToolButton>(&w, "SpeedButton3")->click();
    QCOMPARE(s.wywolania.size(), 1);
    QCOMPARE(k.czytaj(QStringLiteral("FONT/font_zentar.dat")).size(), 76);
    QCOMPARE(w.fonty().czcionka().rozmiar, 11);
    QCOMPARE(w.windowTitle(), Domyslny);
}

void TestOknoKoperty::jakPolecenie_data()
{
    QTest::addColumn<QByteArray>("opcje"); // the print options record; empty: no defaults files
    QTest::addColumn<QString>("obrazek");  // the picture the defaults name ("-": a layout record cut short)
    QTest::addColumn<QString>("rozmiar");  // the size kept with the defaults
    QTest::addColumn<int>("profil");       // read after "Koperta": 0 none, else a preset (the rest below)
    QTest::addColumn<QString>("wynik");    // preset, logo printed, size, first sender line
    QTest::addColumn<QString>("blad");     // what the window reports

    const QByteArray zapisane("\x03\x01\x01", 3);
    const QString zly = QStringLiteral("Nie można wczytać obrazka: nieznany format obrazka (obsługiwane: JPEG, PNG)");
    const QString logo = QStringLiteral("logo.jpg"), dl = QStringLiteral("DL"), nic;
    QTest::newRow("no defaults files") << QByteArray() << nic << nic << 0 << "1 - - Firma" << nic;
    QTest::newRow("stored defaults") << zapisane << logo << dl << 0 << "3 logo DL Firma" << nic;
    QTest::newRow("damaged values") << QByteArray("\x07\x02\x09", 3) << logo << dl << 0 << "1 - DL Firma" << nic;
    QTest::newRow("layout cut short") << zapisane << "-" << nic << 0 << nic << "Read beyond end of file";
    QTest::newRow("picture that cannot be loaded") << zapisane << "zly.jpg" << nic << 0 << "3 - - Firma" << zly;
    // Profiles: 2 with its size C5 and sender lines; 4 without either; 9 with flags of 5,
    // which leave the defaults' ticks; 1 ticking a picture that is not there.
    QTest::newRow("profile with its size") << zapisane << logo << dl << 2 << "2 - C5 Biuro" << nic;
    QTest::newRow("profile without its size") << zapisane << logo << dl << 4 << "4 - - Firma" << nic;
    QTest::newRow("profile with damaged values") << zapisane << nic << nic << 9 << "3 logo - Biuro" << nic;
    QTest::newRow("profile's picture missing") << zapisane << logo << nic << 1 << "1 - - Biuro" << nic;
}

void TestOknoKoperty::jakPolecenie()
{
    // The settings the command line's `koperty` prints with are those the window shows
    // after "Koperta" (and "Czytaj profil"), and both stop at the same error.
    QFETCH(QByteArray, opcje);
    QFETCH(QString, obrazek);
    QFETCH(QString, rozmiar);
    QFETCH(int, profil);
    QFETCH(QString, wynik);
    QFETCH(QString, blad);

    Katalog k;
    k.kopiujObrazek(QStringLiteral("logo.jpg"), QStringLiteral("logo.jpg"));
    QVERIFY(k.zapisz(QStringLiteral("zly.jpg"), "to nie jest obrazek"));
    UstawieniaKoperty u;
    u.nadawca[0] = QStringLiteral("Zapisana"); // the set-up leaves the window's sender lines
    u.nazwaObrazka = obrazek;
    QByteArray uklad = UkladKoperty::poczatkowy(), rekordLogo(243, '\0');
    wpiszUklad(uklad, 0, u);
    uklad.replace(324, 156, UkladKoperty::poczatkowy().mid(324));
    wpiszLogo(rekordLogo, 0, u);
    if (!opcje.isEmpty())
        QVERIFY(k.zapisz(Uklad, obrazek == u"-" ? uklad.left(100) : uklad) && k.zapisz(Logo, rekordLogo)
                && k.zapisz(Opcje, opcje) && k.zapisz(Forma, formaAdresu(QStringLiteral("Pani"))));
    if (!rozmiar.isEmpty())
        QVERIFY(k.zapisz(QStringLiteral("Admini/koperta_rozmiar.txt"), rozmiar.toLatin1()));
    const QString plikProfilu = profil ? k.sciezka(QStringLiteral("p.pro")) : QString();
    if (profil) {
        u.nadawca = {profil == 4 ? QString() : QStringLiteral("Biuro")};
        u.nazwaObrazka = QString::fromLatin1(profil == 1 ? "brak.jpg" : "logo.jpg");
        u.rozmiar = quint8(profil);
        u.logo = u.poziomo = profil == 9 ? 5 : profil == 1 ? 1 : 0;
        QByteArray r(726, '\0');
        wpiszProfil(r, u);
        QVERIFY(k.zapisz(QStringLiteral("p.pro"), r)
                && (profil != 2 || k.zapisz(QStringLiteral("p.pro.rozmiar"), "C5")));
    }
    const std::array<QString, 4> firmy{QStringLiteral("Firma"), QStringLiteral("ul. Długa 1")};

    // The command line first: it writes nothing.
    const auto pliki = [&k] { return QDir(k.sciezka(QStringLiteral("Admini"))).entryList(QDir::Files); };
    const QStringList przed = pliki();
    UstawieniaWsadowe z;
    const auto bladPolecenia =
        wczytajUstawieniaWsadowe(k.korzen(), k.sciezka(QStringLiteral("FONT/x.dat")), plikProfilu, firmy, z);
    QCOMPARE(pliki(), przed);

    Kontekst kontekstW(QDir::currentPath());
    Tkoperta_f w(kontekstW, s, m_drukarka, nullptr, Tkoperta_f::Ustawienia::PrzyPierwszymUzyciu);
    if (w.pokazDlaKlienta(firmy, {QStringLiteral("Odbiorca")}) && profil) {
        s.plik(plikProfilu);
        w.SpeedButton10Click();
    }
    QCOMPARE(s.teksty(QStringLiteral("blad")).join(u'\n'), blad);
    if (wynik.isEmpty()) { // a record the window could not read stops the command line too
        QVERIFY(bladPolecenia && bladPolecenia->endsWith(QStringLiteral(": ") + blad));
        return;
    }
    QVERIFY2(!bladPolecenia, qPrintable(bladPolecenia.value_or(QString())));
    QCOMPARE(z.uwagi.join(u'\n'), blad);

    // What the window holds, as a job for many clients prints it.
    UstawieniaKoperty wOknie = w.ustawienia();
    wOknie.logo = w.drukujLogo() && !w.obrazDruku().isNull() ? 1 : 0;
    wOknie.nadawca = nadawcaDlaWielu(wOknie.nadawca, firmy);
    QVERIFY(z.ustawienia == wOknie);
    QCOMPARE(z.logo, wOknie.logo ? w.obrazDruku() : QImage());
    QCOMPARE(z.rozmiar, w.rozmiarKoperty());
    const QString nazwa = RozmiaryKopert::nazwa(z.rozmiar);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                 .arg(z.ustawienia.rozmiar)
                 .arg(z.logo.isNull() ? QStringLiteral("-") : QStringLiteral("logo"), nazwa.isEmpty() ? u"-"_qs : nazwa,
                      z.ustawienia.nadawca[0]),
             wynik);
}

QTEST_MAIN(TestOknoKoperty)
#include "test_koperta_okno.moc"
