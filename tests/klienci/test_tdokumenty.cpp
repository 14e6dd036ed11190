// The client list window, driven through its controls with scripted dialogs.
#include "aplikacja.h"
#include "dialogi.h"
#include "polenip.h"
#include "tdokumenty.h"
#include "tekst.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Klienci;

namespace {

QByteArray czytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(dane) == dane.size();
}

// Types text the way a user does; Polish letters go as single key events.
void wpisz(QWidget *w, const QString &tekst)
{
    for (QChar z : tekst)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

void kliknij(QToolButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

ListaKlientow przykladowaLista()
{
    ListaKlientow l = ListaKlientow::nowa();
    const QStringList nazwy{"Żuraw Sp. z o.o.", "Kowalski Jan", "", "Ąbc", "Nowak"};
    for (int w = 0; w < nazwy.size(); ++w) {
        l.ustawTekst(Nazwa1, w, nazwy[w]);
        l.ustawTekst(Ulica, w, QStringLiteral("ul. Długa %1").arg(w + 1));
        l.ustawTekst(Nip, w, QStringLiteral("123%1").arg(w));
    }
    return l;
}

} // namespace

class TestTdokumenty : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void stanPoczatkowy();
    void kontrolki_data();
    void kontrolki();
    void wyglad();
    void kolejnoscKlawiszaTab();
    void pomoc();
    void podpisyZPliku();
    void bladPrzyStarcie_data();
    void bladPrzyStarcie();
    void przyciskiNarzedzi_data();
    void przyciskiNarzedzi();
    void koniec_data();
    void koniec();
    void filtrNip();

    void nowaLista();
    void nowaListaAnulowana();
    void nowaListaNieudana();
    void czytajListe();
    void czytajListeNieudana_data();
    void czytajListeNieudana();
    void usunListe_data();
    void usunListe();

    void klikniecieWiersza();
    void klikniecieBezZaznaczenia();
    void dodaj();
    void dodajPozaZakresem_data();
    void dodajPozaZakresem();
    void usunWpis();
    void szukajMiejsca();
    void szukajDanych_data();
    void szukajDanych();
    void sortowanie_data();
    void sortowanie();
    void nieOdpowiedzNaKazdePytanie();

private:
    Tdokumenty *utworz();
    QString otworz(const ListaKlientow &l, const QString &nazwa = QStringLiteral("lista.dat"));

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_katalog;
    QString m_start;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Tdokumenty> m_okno;
    int m_zakonczenia = 0;
};

void TestTdokumenty::init()
{
    m_start = QDir::currentPath();
    m_tmp = std::make_unique<QTemporaryDir>();
    m_katalog = m_tmp->path();
    QVERIFY(QDir(m_katalog).mkdir(QStringLiteral("Admini")));
    QVERIFY(QDir(m_katalog).mkdir(QStringLiteral("Firmy")));
    QVERIFY(QDir::setCurrent(m_katalog));
    m_skrypt.wyczysc();
    ustawDialogi(&m_skrypt);
    m_zakonczenia = 0;
}

void TestTdokumenty::cleanup()
{
    m_okno.reset();
    ustawDialogi(nullptr);
    QDir::setCurrent(m_start);
    m_tmp.reset();
    QVERIFY2(m_skrypt.niespodziewane.isEmpty(), qPrintable(m_skrypt.niespodziewane.join(u'\n')));
    QCOMPARE(m_skrypt.pozostaleOdpowiedzi(), 0);
}

Tdokumenty *TestTdokumenty::utworz()
{
    m_okno = std::make_unique<Tdokumenty>();
    m_okno->zakonczProces = [this] { ++m_zakonczenia; };
    m_okno->show();
    if (!QTest::qWaitForWindowExposed(m_okno.get()))
        return nullptr;
    return m_okno.get();
}

// Puts the list into Firmy and opens it with "Czytaj listę".
QString TestTdokumenty::otworz(const ListaKlientow &l, const QString &nazwa)
{
    const QString sciezka = m_katalog + QStringLiteral("/Firmy/") + nazwa;
    if (!zapiszPlik(sciezka, l.dane()))
        return {};
    m_skrypt.plik(sciezka);
    kliknij(m_okno->SpeedButton11);
    return sciezka;
}

void TestTdokumenty::stanPoczatkowy()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    QCOMPARE(o->lista->count(), 0);
    for (QToolButton *b : {o->SpeedButton9, o->SpeedButton8, o->SpeedButton3, o->SpeedButton2, o->SpeedButton4,
                           o->SpeedButton6})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    for (QToolButton *b : {o->SpeedButton10, o->SpeedButton11, o->SpeedButton12, o->SpeedButton5, o->SpeedButton1})
        QVERIFY(b->isEnabled());
    for (QLineEdit *p : o->polaEdycji())
        QVERIFY(p->text().isEmpty());
    QCOMPARE(o->Label1->text(), QStringLiteral("Lista klientów"));
    QCOMPARE(o->Label2->text(), QStringLiteral("00:00:00"));
    QVERIFY(!o->Panel3->isVisible());
    QCOMPARE(o->biezacaLista(), QStringLiteral("klienci.dat"));
    QCOMPARE(o->katalogDanych(), m_katalog);
    QVERIFY(m_skrypt.wywolania.isEmpty());

    // The files made at start.
    QCOMPARE(QFileInfo(m_katalog + QStringLiteral("/Admini/siec.dat")).size(), qsizetype(403));
    QCOMPARE(czytajPlik(m_katalog + QStringLiteral("/Admini/info.dat")), QByteArray(66, '\0'));
    for (QLabel *l : {o->Label5, o->Label11, o->Label12, o->Label13, o->Label14, o->Label15})
        QCOMPARE(l->text(), QString());

    // Within the first ticks the clock runs and the client tools are off.
    QTRY_VERIFY_WITH_TIMEOUT(o->Label2->text() != QStringLiteral("00:00:00"), 1000);
    QCOMPARE(o->Timer1->interval(), 100);
    QVERIFY(QTime::fromString(o->Label2->text(), formatCzasu()).isValid());
    QVERIFY(!o->SpeedButton13->isEnabled());
    QVERIFY(!o->SpeedButton14->isEnabled());
    QVERIFY(!o->SpeedButton15->isEnabled());

    // Window frame.
    QCOMPARE(o->size(), QSize(861, 641));
    QCOMPARE(o->minimumSize(), o->maximumSize());
    QVERIFY(!(o->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(o->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(o->windowTitle().isEmpty());
}

void TestTdokumenty::kontrolki_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("podpowiedz");
    QTest::newRow("10") << "SpeedButton10" << "Nowa lista" << "Stworzenie nowej, czystej listy klientów";
    QTest::newRow("11") << "SpeedButton11" << "Czytaj listę" << "Wczytanej listy z dysku";
    QTest::newRow("12") << "SpeedButton12" << "Usuń listę" << "Skasowanie wskazanej listy z dysku";
    QTest::newRow("9") << "SpeedButton9" << "Szukaj danych" << "Szuka wpisu zawierajacego podany ciąg znaków";
    QTest::newRow("8") << "SpeedButton8" << "Szukaj miejsca" << "Odszuka pierwszy wolny wiersz";
    QTest::newRow("3") << "SpeedButton3" << "Sortowanie" << "Ułozy w kolejności alfabetycznej od A do Z";
    QTest::newRow("2") << "SpeedButton2" << "Sortowanie" << "Ułozy w kolejności alfabetycznej od Z do A";
    QTest::newRow("4") << "SpeedButton4" << "Usuń wpis" << "Usunie wskazaną pozycję";
    QTest::newRow("6") << "SpeedButton6" << "Dodaj do listy" << "Doda do listy nową lub poprawioną pozycję";
    QTest::newRow("5") << "SpeedButton5" << "Pomoc" << "";
    QTest::newRow("1") << "SpeedButton1" << "Zamknij moduł" << "";
    QTest::newRow("7") << "SpeedButton7" << "Koniec pomocy" << "";
    QTest::newRow("15") << "SpeedButton15" << "Dokumenty" << "Rejestrator dokumentów związanych z klientem";
    QTest::newRow("13") << "SpeedButton13" << "O kliencie" << "Zestaw informacji i komentarzy o kliencie";
    QTest::newRow("14") << "SpeedButton14" << "Koperta" << "Wydruk koperty na adres klienta";
    QTest::newRow("Label10") << "Label10" << "Klienci" << "";
    QTest::newRow("Label3") << "Label3" << "Lp" << "";
    QTest::newRow("Label4") << "Label4" << "Nazwa" << "";
    QTest::newRow("Label7") << "Label7" << "Ulica" << "";
    QTest::newRow("Label8") << "Label8" << "Miejscowość" << "";
    QTest::newRow("Label6") << "Label6" << "NIP" << "";
    QTest::newRow("Label9") << "Label9" << "Opis" << "";
}

void TestTdokumenty::kontrolki()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, tekst);
    QFETCH(QString, podpowiedz);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    if (auto *b = o->findChild<QToolButton *>(nazwa)) {
        QCOMPARE(b->text(), tekst);
        QCOMPARE(b->toolTip(), podpowiedz);
        QVERIFY(b->autoRaise());
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        const bool poLewej = nazwa == u"SpeedButton13" || nazwa == u"SpeedButton14" || nazwa == u"SpeedButton15";
        QCOMPARE(b->layoutDirection(), poLewej ? Qt::LeftToRight : Qt::RightToLeft);
    } else {
        auto *l = o->findChild<QLabel *>(nazwa);
        QVERIFY(l);
        QCOMPARE(l->text(), tekst);
    }
    // The edit fields carry their design names for assistive technology.
    for (int k = 0; k < LiczbaKolumn; ++k) {
        auto *p = o->findChild<QLineEdit *>(QLatin1String(NazwyKolumn[k]));
        QVERIFY(p);
        QCOMPARE(p->accessibleName(), QLatin1String(NazwyKolumn[k]));
        QCOMPARE(p, o->polaEdycji()[k]);
    }
}

void TestTdokumenty::wyglad()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    QCOMPARE(o->palette().color(QPalette::Window), QColor(234, 234, 234));
    QCOMPARE(o->Panel2->palette().color(QPalette::Window), QColor(228, 241, 241));
    QCOMPARE(o->Panel3->palette().color(QPalette::Window), QColor(228, 241, 241));
    QCOMPARE(o->Panel1->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(o->Panel2->size(), QSize(681, 623));
    QCOMPARE(o->Panel1->size(), QSize(153, 599));
    QCOMPARE(o->lista->size(), QSize(657, 365));
    QCOMPARE(o->Image1->size(), QSize(105, 85));
    QCOMPARE(o->font().pixelSize(), 11);
    QCOMPARE(o->Label10->font().pixelSize(), 21);
    QCOMPARE(o->Label10->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(o->Label4->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(o->Label4->font().pixelSize(), 13);
    QCOMPARE(o->nazwa1->font().pixelSize(), 12);
    QCOMPARE(o->nazwa1->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(o->SpeedButton10->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    QCOMPARE(o->SpeedButton7->palette().color(QPalette::ButtonText), QColor(0, 0, 128));
    QVERIFY(o->SpeedButton1->font().bold());
    QVERIFY(!o->windowIcon().isNull());
    // The command panel stands under the clock at the right, the list panel at the left.
    QVERIFY(o->Panel1->geometry().left() > o->Panel2->geometry().right());
    QVERIFY(o->Label2->geometry().bottom() < o->Panel1->geometry().top());
    QVERIFY(QRect(QPoint(), o->size()).contains(o->Panel1->geometry()));
}

void TestTdokumenty::kolejnoscKlawiszaTab()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    o->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(o));
    o->lista->setFocus();
    QStringList kolejnosc{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < LiczbaKolumn; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        kolejnosc.append(QApplication::focusWidget()->objectName());
    }
    QStringList oczekiwana{"lista"};
    for (const char *n : NazwyKolumn)
        oczekiwana.append(QLatin1String(n));
    QCOMPARE(kolejnosc, oczekiwana);
}

void TestTdokumenty::pomoc()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QStringList linie = o->Memo1->toPlainText().split(u'\n');
    QCOMPARE(linie.size(), 36);
    QCOMPARE(linie, Tdokumenty::tekstPomocy());
    QCOMPARE(linie[1], QString(50, u'-'));
    QCOMPARE(linie[5], QString());
    QCOMPARE(linie[6], QStringLiteral("Usunięcie klienta z listyi."));
    QVERIFY(linie[19].endsWith(QStringLiteral("Miejscowość, ")));
    QCOMPARE(linie[17], QString(20, u'_'));
    QCOMPARE(linie[29], QString(19, u'-'));
    QVERIFY(linie[35].startsWith(QStringLiteral("rejestrować")));
    QVERIFY(o->Memo1->isReadOnly());

    kliknij(o->SpeedButton5);
    QVERIFY(o->Panel3->isVisible());
    QCOMPARE(o->Panel3->geometry(), QRect(71, 108, 689, 337));
    QCOMPARE(o->Memo1->geometry(), QRect(12, 12, 665, 261));
    QCOMPARE(o->SpeedButton7->geometry(), QRect(544, 292, 133, 22));
    kliknij(o->SpeedButton5);
    QVERIFY(o->Panel3->isVisible());
    QCOMPARE(o->Panel3->geometry(), QRect(71, 108, 689, 337));
    kliknij(o->SpeedButton7);
    QVERIFY(!o->Panel3->isVisible());
}

void TestTdokumenty::podpisyZPliku()
{
    QByteArray rekord(66, '\0');
    const QStringList podpisy{"Telefon", "E-mail", "Osoba", "Źródło", "", "Uwagi"};
    for (int i = 0; i < 6; ++i)
        zapiszTekst(rekord, i * 11, 10, podpisy[i]);
    QVERIFY(zapiszPlik(m_katalog + QStringLiteral("/Admini/info.dat"), rekord));
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QLabel *etykiety[] = {o->Label5, o->Label11, o->Label12, o->Label13, o->Label14, o->Label15};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(etykiety[i]->text(), podpisy[i]);
}

void TestTdokumenty::bladPrzyStarcie_data()
{
    QTest::addColumn<QString>("przypadek");
    QTest::addColumn<QString>("blad");
    QTest::newRow("no Admini") << "brak" << "Invalid filename";
    QTest::newRow("short siec.dat") << "siec" << "Read beyond end of file";
    QTest::newRow("short info.dat") << "info" << "Read beyond end of file";
}

void TestTdokumenty::bladPrzyStarcie()
{
    QFETCH(QString, przypadek);
    QFETCH(QString, blad);
    if (przypadek == u"brak")
        QVERIFY(QDir(m_katalog + QStringLiteral("/Admini")).removeRecursively());
    else if (przypadek == u"siec")
        QVERIFY(zapiszPlik(m_katalog + QStringLiteral("/Admini/siec.dat"), QByteArray(402, '\1')));
    else
        QVERIFY(zapiszPlik(m_katalog + QStringLiteral("/Admini/info.dat"), QByteArray(65, '\0')));

    // Reported, and the window opens all the same with the design captions.
    Tdokumenty *o = utworz();
    QVERIFY(o);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{blad});
    QCOMPARE(o->katalogDanych(), m_katalog);
    const QLabel *etykiety[] = {o->Label5, o->Label11, o->Label12, o->Label13, o->Label14, o->Label15};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(etykiety[i]->text(), QStringLiteral("Info %1").arg(i + 1));
    QCOMPARE(o->Label1->text(), QStringLiteral("Lista klientów"));
    QVERIFY(!o->SpeedButton6->isEnabled());
}

void TestTdokumenty::przyciskiNarzedzi_data()
{
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QString>("nip");
    QTest::addColumn<bool>("koperta");
    QTest::addColumn<bool>("narzedzia");
    QTest::newRow("both empty") << "" << "" << false << false;
    QTest::newRow("a single space in nazwa1") << " " << "" << true << false;
    QTest::newRow("Polish name") << "Łódź" << "" << true << false;
    QTest::newRow("nip alone") << "" << "1" << false << true;
    QTest::newRow("both") << "A" << "123.45" << true << true;
}

void TestTdokumenty::przyciskiNarzedzi()
{
    QFETCH(QString, nazwa1);
    QFETCH(QString, nip);
    QFETCH(bool, koperta);
    QFETCH(bool, narzedzia);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    // No list loaded: the tick looks at the fields as typed.
    wpisz(o->nazwa1, nazwa1);
    wpisz(o->nip, nip);
    QCOMPARE(o->nazwa1->text(), nazwa1);
    QCOMPARE(o->nip->text(), nip);
    QTRY_COMPARE_WITH_TIMEOUT(o->SpeedButton14->isEnabled(), koperta, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(o->SpeedButton13->isEnabled(), narzedzia, 1000);
    QCOMPARE(o->SpeedButton15->isEnabled(), narzedzia);
    // Emptying the fields turns them off at the next tick.
    o->nazwa1->clear();
    o->nip->clear();
    o->Timer1Timer();
    QVERIFY(!o->SpeedButton14->isEnabled());
    QVERIFY(!o->SpeedButton13->isEnabled());
    QVERIFY(!o->SpeedButton15->isEnabled());
}

void TestTdokumenty::koniec_data()
{
    QTest::addColumn<bool>("przycisk"); // "Zamknij moduł" or the window's close
    QTest::addColumn<bool>("tak");
    QTest::newRow("close, No") << false << false;
    QTest::newRow("close, Yes") << false << true;
    QTest::newRow("Zamknij moduł, No") << true << false;
    QTest::newRow("Zamknij moduł, Yes") << true << true;
}

void TestTdokumenty::koniec()
{
    QFETCH(bool, przycisk);
    QFETCH(bool, tak);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    wpisz(o->nazwa1, QStringLiteral("kept"));
    tak ? m_skrypt.tak() : m_skrypt.nie();
    // The offscreen platform draws no opacity and says so at every step.
    static QtMessageHandler poprzedni = nullptr;
    poprzedni = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst) {
        if (!tekst.contains(QStringLiteral("does not support setting window opacity")))
            poprzedni(typ, kontekst, tekst);
    });
    if (przycisk)
        kliknij(o->SpeedButton1);
    else
        QVERIFY(!o->close());
    qInstallMessageHandler(poprzedni);
    QCOMPARE(m_skrypt.wywolania.size(), 1);
    QCOMPARE(m_skrypt.wywolania[0].rodzaj, QStringLiteral("pytanie"));
    QCOMPARE(m_skrypt.wywolania[0].tekst, QStringLiteral("Koniec pracy ?"));
    QVERIFY(o->isVisible());
    if (!tak) {
        QCOMPARE(m_zakonczenia, 0);
        QVERIFY(o->ostatnieWygaszanie.isEmpty());
        QCOMPARE(o->windowOpacity(), 1.0);
        QCOMPARE(o->nazwa1->text(), QStringLiteral("kept"));
        return;
    }
    QCOMPARE(m_zakonczenia, 1);
    QCOMPARE(o->ostatnieWygaszanie.size(), 50);
    QCOMPARE(o->ostatnieWygaszanie.first(), 255);
    QCOMPARE(o->ostatnieWygaszanie.last(), 10);
    for (int i = 1; i < 50; ++i)
        QCOMPARE(o->ostatnieWygaszanie[i], o->ostatnieWygaszanie[i - 1] - 5);
    QCOMPARE(o->ostatnieWygaszanie, Tdokumenty::krokiWygaszania());
}

void TestTdokumenty::filtrNip()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    wpisz(o->nip, QStringLiteral("123,45 abc-Ł/9"));
    QCOMPARE(o->nip->text(), QStringLiteral("123.459"));
    QTest::keyClick(o->nip, Qt::Key_Backspace);
    QCOMPARE(o->nip->text(), QStringLiteral("123.45"));
    QTest::keyClick(o->nip, Qt::Key_Home);
    QTest::keyClick(o->nip, Qt::Key_Delete);
    QCOMPARE(o->nip->text(), QStringLiteral("23.45"));
    // Other fields take anything.
    wpisz(o->opis, QStringLiteral("a,b-ł"));
    QCOMPARE(o->opis->text(), QStringLiteral("a,b-ł"));
    // Text put in by the program is not filtered.
    o->nip->setText(QStringLiteral("PL 123"));
    QCOMPARE(o->nip->text(), QStringLiteral("PL 123"));
}

void TestTdokumenty::nowaLista()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    QDir::setCurrent(QDir::tempPath());
    QVERIFY(QDir(m_katalog).mkdir(QStringLiteral("inne")));
    const QString sciezka = m_katalog + QStringLiteral("/inne/nowa");
    m_skrypt.plik(sciezka);
    kliknij(o->SpeedButton10);

    QCOMPARE(m_skrypt.wywolania.size(), 1);
    const auto &w = m_skrypt.wywolania[0];
    QCOMPARE(w.rodzaj, QStringLiteral("zapisz"));
    QCOMPARE(w.plik.filtr, QStringLiteral("Lista klientów (*.dat)"));
    QCOMPARE(w.plik.rozszerzenie, QStringLiteral("dat"));
    QVERIFY(w.plik.pytajONadpisanie);
    QCOMPARE(w.plik.katalog, QDir::tempPath() + QStringLiteral("/Firmy")); // relative to the current directory

    const QString plik = sciezka + QStringLiteral(".dat");
    QCOMPARE(czytajPlik(plik), ListaKlientow::nowa().dane());
    QCOMPARE(o->biezacaLista(), plik);
    QCOMPARE(o->Label1->text(), QStringLiteral("Lista klientów bazy ") + plik);
    QCOMPARE(o->lista->count(), 501);
    QCOMPARE(o->lista->currentRow(), 0);
    QCOMPARE(o->lista->item(0)->text(), QStringLiteral("01  "));
    QCOMPARE(o->lista->item(500)->text(), QStringLiteral("501  "));
    QCOMPARE(o->lp->text(), QStringLiteral("01"));
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        QVERIFY(o->polaEdycji()[k]->text().isEmpty());
    for (QToolButton *b : {o->SpeedButton9, o->SpeedButton8, o->SpeedButton3, o->SpeedButton2, o->SpeedButton4,
                           o->SpeedButton6})
        QVERIFY(b->isEnabled());
    QCOMPARE(QDir::currentPath(), m_katalog);

    // On the name of an existing list it replaces that list with an empty one, and the
    // save dialog now starts in the data root's Firmy and offers the last name.
    QVERIFY(zapiszPlik(plik, przykladowaLista().dane()));
    m_skrypt.plik(plik);
    kliknij(o->SpeedButton10);
    QCOMPARE(m_skrypt.wywolania[1].plik.katalog, m_katalog + QStringLiteral("/Firmy"));
    QCOMPARE(m_skrypt.wywolania[1].plik.nazwa, plik);
    QCOMPARE(czytajPlik(plik), ListaKlientow::nowa().dane());
}

void TestTdokumenty::nowaListaAnulowana()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    QDir::setCurrent(QDir::tempPath());
    m_skrypt.anuluj();
    kliknij(o->SpeedButton10);
    QCOMPARE(o->lista->count(), 0);
    QCOMPARE(o->Label1->text(), QStringLiteral("Lista klientów"));
    QVERIFY(!o->SpeedButton6->isEnabled());
    QCOMPARE(QDir::currentPath(), QDir::tempPath()); // not reset after a cancel
    QCOMPARE(QDir(m_katalog + QStringLiteral("/Firmy")).entryList(QDir::Files), QStringList());
}

void TestTdokumenty::nowaListaNieudana()
{
    // A list that cannot be created does not replace the open one: nothing of it is
    // later saved into the wrong file.
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString stara = otworz(przykladowaLista());
    const QString etykieta = o->Label1->text();
    m_skrypt.plik(m_katalog + QStringLiteral("/brak/nowa.dat"));
    kliknij(o->SpeedButton10);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{"Invalid filename"});
    QCOMPARE(o->biezacaLista(), stara);
    QCOMPARE(o->Label1->text(), etykieta);
    QCOMPARE(o->lista->item(0)->text(), QStringLiteral("01 Żuraw Sp. z o.o. "));
    QCOMPARE(o->listaKlientow(), przykladowaLista());

    o->lp->setText(QStringLiteral("3"));
    o->nazwa1->setText(QStringLiteral("Trzeci"));
    kliknij(o->SpeedButton6);
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(stara));
    QCOMPARE(zapisana.tekst(Nazwa1, 0), QStringLiteral("Żuraw Sp. z o.o."));
    QCOMPARE(zapisana.tekst(Nazwa1, 2), QStringLiteral("Trzeci"));
}

void TestTdokumenty::czytajListe()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    QDir::setCurrent(QDir::tempPath());
    // A longer file loads its first record.
    const QString sciezka = m_katalog + QStringLiteral("/Firmy/dluga.dat");
    QVERIFY(zapiszPlik(sciezka, przykladowaLista().dane() + QByteArray(1000, 'X')));
    m_skrypt.plik(sciezka);
    kliknij(o->SpeedButton11);

    QCOMPARE(m_skrypt.wywolania[0].rodzaj, QStringLiteral("otworz"));
    QCOMPARE(m_skrypt.wywolania[0].plik.katalog, m_katalog + QStringLiteral("/Firmy"));
    QCOMPARE(m_skrypt.wywolania[0].plik.filtr, QStringLiteral("Lista klientów (*.dat)"));
    QCOMPARE(o->biezacaLista(), sciezka);
    QCOMPARE(o->Label1->text(), QStringLiteral("Lista klientów bazy ") + sciezka);
    QCOMPARE(o->lista->count(), 501);
    QCOMPARE(o->lista->currentRow(), 0);
    QCOMPARE(o->lista->item(0)->text(), QStringLiteral("01 Żuraw Sp. z o.o. "));
    QCOMPARE(o->lista->item(2)->text(), QStringLiteral("03  "));
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Żuraw Sp. z o.o."));
    QCOMPARE(o->ulica->text(), QStringLiteral("ul. Długa 1"));
    QVERIFY(o->SpeedButton3->isEnabled());
    QCOMPARE(QDir::currentPath(), m_katalog);

    // The next save truncates it to one record.
    o->lp->setText(QStringLiteral("2"));
    kliknij(o->SpeedButton6);
    QCOMPARE(QFileInfo(sciezka).size(), qsizetype(349698));
}

void TestTdokumenty::czytajListeNieudana_data()
{
    QTest::addColumn<QByteArray>("zawartosc"); // empty: no file
    QTest::addColumn<QString>("blad");
    QTest::newRow("one byte short") << QByteArray(349697, '\3') << "Read beyond end of file";
    QTest::newRow("missing") << QByteArray() << "File not found";
}

void TestTdokumenty::czytajListeNieudana()
{
    QFETCH(QByteArray, zawartosc);
    QFETCH(QString, blad);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString stara = otworz(przykladowaLista());
    const QString zla = m_katalog + QStringLiteral("/Firmy/zla.dat");
    if (!zawartosc.isEmpty())
        QVERIFY(zapiszPlik(zla, zawartosc));
    m_skrypt.plik(zla);
    kliknij(o->SpeedButton11);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{blad});
    // Everything stays with the list that was open.
    QCOMPARE(o->biezacaLista(), stara);
    QCOMPARE(o->Label1->text(), QStringLiteral("Lista klientów bazy ") + stara);
    QCOMPARE(o->listaKlientow(), przykladowaLista());
    QCOMPARE(o->lista->item(1)->text(), QStringLiteral("02 Kowalski Jan "));
    // A later change goes to the open list's file, not into the file that failed.
    o->lp->setText(QStringLiteral("3"));
    o->nazwa1->setText(QStringLiteral("Trzeci"));
    kliknij(o->SpeedButton6);
    QCOMPARE(czytajPlik(zla), zawartosc);
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(stara));
    QCOMPARE(zapisana.tekst(Nazwa1, 2), QStringLiteral("Trzeci"));
    QCOMPARE(zapisana.tekst(Nazwa1, 1), QStringLiteral("Kowalski Jan"));
}

void TestTdokumenty::usunListe_data()
{
    QTest::addColumn<bool>("tak");
    QTest::addColumn<bool>("istnieje");
    QTest::addColumn<QStringList>("informacje");
    QTest::newRow("No") << false << true << QStringList();
    QTest::newRow("Yes") << true << true << QStringList{"Lista została usunięta."};
    QTest::newRow("Yes, cannot delete") << true << false << QStringList{"x"};
}

void TestTdokumenty::usunListe()
{
    QFETCH(bool, tak);
    QFETCH(bool, istnieje);
    QFETCH(QStringList, informacje);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString otwarta = otworz(przykladowaLista());
    QDir::setCurrent(QDir::tempPath());
    const QString sciezka = istnieje ? otwarta : m_katalog + QStringLiteral("/Firmy/brak.dat");
    m_skrypt.plik(sciezka);
    tak ? m_skrypt.tak() : m_skrypt.nie();
    kliknij(o->SpeedButton12);

    // The dialog offers the list just read, in the data root's Firmy.
    QCOMPARE(m_skrypt.wywolania[1].rodzaj, QStringLiteral("otworz"));
    QCOMPARE(m_skrypt.wywolania[1].plik.katalog, m_katalog + QStringLiteral("/Firmy"));
    QCOMPARE(m_skrypt.wywolania[1].plik.nazwa, otwarta);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Usunąć listę ?"});
    const QStringList pokazane = m_skrypt.teksty(QStringLiteral("informacja"));
    QCOMPARE(pokazane.size(), informacje.size());
    if (istnieje && !informacje.isEmpty())
        QCOMPARE(pokazane, informacje);
    if (!istnieje) // a file that could not be deleted is reported
        QVERIFY(pokazane.constFirst().contains(QStringLiteral("brak.dat")));
    QCOMPARE(QFileInfo::exists(otwarta), !(tak && istnieje));
    QCOMPARE(QDir::currentPath(), m_katalog);
    // The list stays in memory and on screen.
    QCOMPARE(o->lista->count(), 501);
    QCOMPARE(o->biezacaLista(), otwarta);

    if (tak && istnieje) {
        // The next click reads the missing file and reports it; the next save writes it again.
        QTest::keyClick(o->lista, Qt::Key_Down);
        QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{"File not found"});
        kliknij(o->SpeedButton6);
        QCOMPARE(czytajPlik(otwarta), przykladowaLista().dane());
    }
}

void TestTdokumenty::klikniecieWiersza()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString sciezka = otworz(przykladowaLista());
    auto kliknijLinie = [o](int wiersz) {
        QListWidgetItem *p = o->lista->item(wiersz);
        o->lista->scrollToItem(p);
        QTest::mouseClick(o->lista->viewport(), Qt::LeftButton, {}, o->lista->visualItemRect(p).center());
    };
    kliknijLinie(1);
    QCOMPARE(o->lista->currentRow(), 1);
    QCOMPARE(o->lp->text(), QStringLiteral("02"));
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Kowalski Jan"));
    QCOMPARE(o->nip->text(), QStringLiteral("1231"));

    // Another program changes the file: a click shows the file, the line keeps its text.
    ListaKlientow zmieniona = przykladowaLista();
    zmieniona.ustawTekst(Nazwa1, 3, QStringLiteral("Zmieniony"));
    zmieniona.ustawTekst(Nazwa1, 1, QStringLiteral("Inny"));
    QVERIFY(zapiszPlik(sciezka, zmieniona.dane()));
    kliknijLinie(3);
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Zmieniony"));
    QCOMPARE(o->lista->item(3)->text(), QStringLiteral("04 Ąbc "));
    // A click on the line already selected reads it again.
    kliknijLinie(3);
    QCOMPARE(o->lp->text(), QStringLiteral("04"));
    // Arrow keys and the start of a row number move the selection and read the row.
    QTest::keyClick(o->lista, Qt::Key_Up);
    QCOMPARE(o->lp->text(), QStringLiteral("03"));
    QCOMPARE(o->ulica->text(), QStringLiteral("ul. Długa 3"));
    QTest::keyClick(o->lista, Qt::Key_Up);
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Inny"));
    QTest::keyClicks(o->lista, QStringLiteral("05"));
    QCOMPARE(o->lista->currentRow(), 4);
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Nowak"));
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
}

void TestTdokumenty::klikniecieBezZaznaczenia()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    // No list, no line: nothing is read (the default list file does not exist).
    o->listaClick();
    QVERIFY(m_skrypt.wywolania.isEmpty());
    otworz(przykladowaLista());
    o->lista->setCurrentRow(-1);
    o->listaClick();
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
}

void TestTdokumenty::dodaj()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString sciezka = otworz(przykladowaLista());
    o->lista->setCurrentRow(1);
    // Typing 12 into lp writes row 12, whatever line is selected.
    o->lp->setText(QStringLiteral("12"));
    o->nazwa1->setText(QString(85, u'N'));
    o->nip->setText(QString(25, u'7'));
    wpisz(o->miejscowosc, QStringLiteral("Łódź"));
    kliknij(o->SpeedButton6);

    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(sciezka));
    QCOMPARE(zapisana.tekst(Nazwa1, 11), QString(80, u'N'));
    QCOMPARE(zapisana.tekst(Nip, 11), QString(20, u'7'));
    QCOMPARE(zapisana.tekst(Miejscowosc, 11), QStringLiteral("Łódź"));
    QCOMPARE(zapisana.tekst(Lp, 11), QStringLiteral("12"));
    QCOMPARE(zapisana.tekst(Nazwa1, 1), QStringLiteral("Kowalski Jan"));
    // Refilled from the row as read back, and the line selected.
    QCOMPARE(o->nazwa1->text(), QString(80, u'N'));
    QCOMPARE(o->nip->text(), QString(20, u'7'));
    QCOMPARE(o->lista->currentRow(), 11);
    QCOMPARE(o->lista->item(11)->text(), QStringLiteral("12 ") + QString(80, u'N') + u' ');

    // Twice with the same fields: the file stays byte for byte the same.
    const QByteArray poPierwszym = czytajPlik(sciezka);
    kliknij(o->SpeedButton6);
    QCOMPARE(czytajPlik(sciezka), poPierwszym);

    // A shorter name over a longer one: old bytes stay in the file, the new text shows.
    o->nazwa1->setText(QStringLiteral("Krótki"));
    kliknij(o->SpeedButton6);
    const QByteArray d = czytajPlik(sciezka);
    const qsizetype p = przesuniecieWpisu(Nazwa1, 11);
    QCOMPARE(d.mid(p, 10), QByteArray("\x06Kr\xf3tkiNNN"));
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Krótki"));
    QCOMPARE(o->lista->item(11)->text(), QStringLiteral("12 Krótki "));
    QVERIFY(m_skrypt.wywolania.size() == 1); // only the open dialog: no question, no notice
}

void TestTdokumenty::dodajPozaZakresem_data()
{
    QTest::addColumn<QString>("lp");
    QTest::addColumn<bool>("usun"); // "Usuń wpis" instead of "Dodaj do listy"
    for (bool usun : {false, true}) {
        const char *polecenie = usun ? "delete" : "add";
        QTest::addRow("%s empty", polecenie) << "" << usun;
        QTest::addRow("%s letters", polecenie) << "abc" << usun;
        QTest::addRow("%s zero", polecenie) << "0" << usun;
        QTest::addRow("%s negative", polecenie) << "-3" << usun;
        QTest::addRow("%s 502", polecenie) << "502" << usun;
        QTest::addRow("%s huge", polecenie) << "99999999999" << usun;
    }
}

void TestTdokumenty::dodajPozaZakresem()
{
    QFETCH(QString, lp);
    QFETCH(bool, usun);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString sciezka = otworz(przykladowaLista());
    const QByteArray przed = czytajPlik(sciezka);
    o->lp->setText(lp);
    o->nazwa1->setText(QStringLiteral("Nikt"));
    if (usun) {
        m_skrypt.tak();
        kliknij(o->SpeedButton4);
    } else {
        kliknij(o->SpeedButton6);
    }
    // No row and no file touched, and the user is told which number is wrong.
    const QStringList informacje = m_skrypt.teksty(QStringLiteral("informacja"));
    QCOMPARE(informacje.size(), 1);
    if (!lp.isEmpty())
        QVERIFY2(informacje[0].contains(lp), qPrintable(informacje[0]));
    QCOMPARE(czytajPlik(sciezka), przed);
    QCOMPARE(o->listaKlientow(), przykladowaLista());
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Nikt"));
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
}

void TestTdokumenty::usunWpis()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(o->lista, Qt::Key_Down);
    QTest::keyClick(o->lista, Qt::Key_Down);
    QTest::keyClick(o->lista, Qt::Key_Down); // row 4
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Ąbc"));
    o->lp->setText(QStringLiteral("2"));

    // No: nothing changes.
    const QByteArray przed = czytajPlik(sciezka);
    m_skrypt.nie();
    kliknij(o->SpeedButton4);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Usunąć wskazany wpis ?"});
    QCOMPARE(o->nazwa1->text(), QStringLiteral("Ąbc"));
    QCOMPARE(czytajPlik(sciezka), przed);

    // Yes: the row named by lp is blanked and keeps its number; nothing else moves.
    m_skrypt.tak();
    kliknij(o->SpeedButton4);
    QCOMPARE(o->lista->currentRow(), 1);
    QCOMPARE(o->lp->text(), QStringLiteral("02"));
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        QVERIFY(o->polaEdycji()[k]->text().isEmpty());
    QCOMPARE(o->lista->item(1)->text(), QStringLiteral("02  "));
    QCOMPARE(o->lista->item(3)->text(), QStringLiteral("04 Ąbc "));
    QCOMPARE(o->lista->count(), 501);
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(sciezka));
    QVERIFY(zapisana.wolny(1));
    QCOMPARE(zapisana.tekst(Ulica, 1), QString());
    QCOMPARE(zapisana.tekst(Lp, 1), QStringLiteral("02"));
    QCOMPARE(zapisana.tekst(Nazwa1, 4), QStringLiteral("Nowak"));
}

void TestTdokumenty::szukajMiejsca()
{
    Tdokumenty *o = utworz();
    QVERIFY(o);
    otworz(przykladowaLista());
    QTest::keyClick(o->lista, Qt::Key_End);
    kliknij(o->SpeedButton8);
    QCOMPARE(o->lista->currentRow(), 2);
    QCOMPARE(o->lp->text(), QStringLiteral("03"));
    QCOMPARE(o->ulica->text(), QStringLiteral("ul. Długa 3")); // free although it has a street

    ListaKlientow pelna = ListaKlientow::nowa();
    for (int w = 0; w < LiczbaWierszy; ++w)
        pelna.ustawTekst(Nazwa1, w, QStringLiteral("K%1").arg(w));
    otworz(pelna, QStringLiteral("pelna.dat"));
    QTest::keyClick(o->lista, Qt::Key_Down);
    kliknij(o->SpeedButton8);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")), QStringList{"Na liście brak wolnego miejsca."});
    QCOMPARE(o->lista->currentRow(), 1);
    QCOMPARE(o->nazwa1->text(), QStringLiteral("K1"));
}

void TestTdokumenty::szukajDanych_data()
{
    QTest::addColumn<bool>("anuluj");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wiersz"); // -1: not found
    QTest::newRow("cancel") << true << "" << 3;
    QTest::newRow("found in nazwa1") << false << "Nowak" << 4;
    QTest::newRow("found in ulica, lowest row") << false << "Długa" << 0;
    QTest::newRow("found in nip") << false << "1233" << 3;
    QTest::newRow("case") << false << "nowak" << -1;
    QTest::newRow("empty") << false << "" << -1;
}

void TestTdokumenty::szukajDanych()
{
    QFETCH(bool, anuluj);
    QFETCH(QString, tekst);
    QFETCH(int, wiersz);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    otworz(przykladowaLista());
    o->lista->setCurrentRow(3);
    anuluj ? m_skrypt.anuluj() : m_skrypt.tekst(tekst);
    kliknij(o->SpeedButton9);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("wpisz")), QStringList{"Szukaj danych|Podaj ciag znaków"});
    if (wiersz < 0) {
        QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")),
                 QStringList{"Na liście brak danych spełniajacych zadany warunek."});
        wiersz = 3;
    } else {
        QVERIFY(m_skrypt.teksty(QStringLiteral("informacja")).isEmpty());
    }
    QCOMPARE(o->lista->currentRow(), wiersz);
    QCOMPARE(o->lp->text(), numerWiersza(wiersz));
}

void TestTdokumenty::sortowanie_data()
{
    QTest::addColumn<bool>("odZ");
    QTest::addColumn<QStringList>("linie");
    QTest::newRow("A to Z") << false
                            << QStringList{"01 Kowalski Jan ", "02 Nowak ", "03 Ąbc ", "04 Żuraw Sp. z o.o. ", "05  "};
    QTest::newRow("Z to A") << true
                            << QStringList{"01 Żuraw Sp. z o.o. ", "02 Ąbc ", "03 Nowak ", "04 Kowalski Jan ", "05  "};
}

void TestTdokumenty::sortowanie()
{
    QFETCH(bool, odZ);
    QFETCH(QStringList, linie);
    Tdokumenty *o = utworz();
    QVERIFY(o);
    ListaKlientow l = przykladowaLista();
    l.ustawTekst(Opis, 2, QStringLiteral("free row text")); // row 3 is free
    const QString sciezka = otworz(l);
    QTest::keyClick(o->lista, Qt::Key_End);
    m_skrypt.tak();
    kliknij(odZ ? o->SpeedButton2 : o->SpeedButton3);
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Sortować listę usług ?"});
    QStringList pierwsze;
    for (int w = 0; w < 5; ++w)
        pierwsze.append(o->lista->item(w)->text());
    QCOMPARE(pierwsze, linie);
    QCOMPARE(o->lista->count(), 501);
    QCOMPARE(o->lista->currentRow(), 0);
    QCOMPARE(o->lp->text(), QStringLiteral("01"));
    QCOMPARE(o->nazwa1->text(), linie[0].mid(3).chopped(1));
    // The file holds the packed list.
    ListaKlientow oczekiwana = l;
    oczekiwana.sortuj(odZ ? Kierunek::OdZDoA : Kierunek::OdADoZ);
    QCOMPARE(czytajPlik(sciezka), oczekiwana.spakowana().dane());
    QCOMPARE(o->listaKlientow(), oczekiwana.spakowana());
}

void TestTdokumenty::nieOdpowiedzNaKazdePytanie()
{
    // Every question answered No changes neither the file, the memory nor the window.
    Tdokumenty *o = utworz();
    QVERIFY(o);
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(o->lista, Qt::Key_Down);
    const QByteArray plik = czytajPlik(sciezka);
    const TekstyWiersza pola = o->tekstyPol();
    const QStringList linie = [o] {
        QStringList l;
        for (int i = 0; i < o->lista->count(); ++i)
            l.append(o->lista->item(i)->text());
        return l;
    }();
    for (QToolButton *b : {o->SpeedButton3, o->SpeedButton2, o->SpeedButton4, o->SpeedButton1}) {
        m_skrypt.nie();
        kliknij(b);
    }
    m_skrypt.plik(sciezka).nie();
    kliknij(o->SpeedButton12);
    m_skrypt.nie();
    QVERIFY(!o->close());

    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")),
             (QStringList{"Sortować listę usług ?", "Sortować listę usług ?", "Usunąć wskazany wpis ?",
                          "Koniec pracy ?", "Usunąć listę ?", "Koniec pracy ?"}));
    QCOMPARE(czytajPlik(sciezka), plik);
    QCOMPARE(o->tekstyPol(), pola);
    QCOMPARE(o->lista->currentRow(), 1);
    QCOMPARE(o->listaKlientow(), przykladowaLista());
    QStringList poTym;
    for (int i = 0; i < o->lista->count(); ++i)
        poTym.append(o->lista->item(i)->text());
    QCOMPARE(poTym, linie);
    QCOMPARE(m_zakonczenia, 0);
    QVERIFY(o->isVisible());
    QVERIFY(m_skrypt.teksty(QStringLiteral("informacja")).isEmpty());
}

QTEST_MAIN(TestTdokumenty)
#include "test_tdokumenty.moc"
