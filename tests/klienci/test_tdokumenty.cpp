// The client list window, driven through its controls with scripted dialogs.
#include "../wspolne/kontrolki.h"
#include "../wspolne/pliki.h"
#include "../wspolne/skrypt.h"
#include "aplikacja.h"
#include "katalogdanych.h"
#include "kontekst.h"
#include "polenip.h"
#include "tdokumenty.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Klienci;

namespace {

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

const QString Tytul = QStringLiteral("Lista klientów bazy ");

// Rows 1 to 5: four clients and a free row 3 that still has a street.
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

QStringList linie(const QListWidget *lista, int ile = -1)
{
    QStringList wynik;
    for (int i = 0; i < (ile < 0 ? lista->count() : ile); ++i)
        wynik.append(lista->item(i)->text());
    return wynik;
}

} // namespace

class TestTdokumenty : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void stanPoczatkowy();
    void start_data();
    void start();
    void kolejnoscKlawiszaTab();
    void pomoc();
    void przyciskiNarzedzi_data();
    void przyciskiNarzedzi();
    void koniec_data();
    void koniec();
    void filtrNip();

    void nowaICzytajLista();
    void otwarcieNieudane_data();
    void otwarcieNieudane();
    void usunListe_data();
    void usunListe();
    void nazwyDialogowPlikow_data();
    void nazwyDialogowPlikow();
    void katalogBiezacyInnaWielkoscLiter_data();
    void katalogBiezacyInnaWielkoscLiter();

    void klikniecieWiersza();
    void dodaj();
    void numerPozaZakresem_data();
    void numerPozaZakresem();
    void usunWpis();
    void szukajMiejsca();
    void szukajDanych_data();
    void szukajDanych();
    void sortowanie();
    void nieNaKazdePytanie();

    void nadpisanie();
    void zmienionyWiersz_data();
    void zmienionyWiersz();
    void nipInnegoWiersza_data();
    void nipInnegoWiersza();
    void niedodanePola_data();
    void niedodanePola();
    void pojemnoscIZnaki();
    void cofnij();
    void szukajDalej();
    void zmianaInnegoProgramu();
    void blokadaZajeta();

private:
    bool utworz();
    QString otworz(const ListaKlientow &l, const QString &nazwa = QStringLiteral("lista.dat"));
    QString firmy() const { return m_katalog->sciezka(QStringLiteral("Firmy")); }

    std::unique_ptr<KatalogTestu> m_katalog;
    QString m_root;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Kontekst> m_kontekst;
    std::unique_ptr<Tdokumenty> m_okno;
    Tdokumenty *o = nullptr;
    // The window's controls by their object names.
    QListWidget *lista() const { return kontrolka<QListWidget>(o, "lista"); }
    QLineEdit *pole(const char *nazwa) const { return kontrolka<QLineEdit>(o, nazwa); }
    QToolButton *polecenie(const char *nazwa) const { return kontrolka<QToolButton>(o, nazwa); }
    int m_zakonczenia = 0;
};

void TestTdokumenty::init()
{
    m_katalog = std::make_unique<KatalogTestu>(QStringList{"Admini", "Firmy"});
    m_root = m_katalog->korzen();
    zacznijSkrypt(m_skrypt);
    m_zakonczenia = 0;
}

void TestTdokumenty::cleanup()
{
    m_okno.reset();
    o = nullptr;
    m_katalog.reset();
    sprawdzSkrypt(m_skrypt);
}

bool TestTdokumenty::utworz()
{
    m_kontekst = std::make_unique<Kontekst>(QDir::currentPath());
    m_okno = std::make_unique<Tdokumenty>(*m_kontekst, m_skrypt);
    o = m_okno.get();
    o->zakonczProces = [this] { ++m_zakonczenia; };
    o->show();
    return QTest::qWaitForWindowExposed(o);
}

// Puts the list into Firmy and opens it with "Czytaj listę".
QString TestTdokumenty::otworz(const ListaKlientow &l, const QString &nazwa)
{
    const QString sciezka = firmy() + u'/' + nazwa;
    if (!zapiszPlik(sciezka, l.dane()))
        return {};
    m_skrypt.plik(sciezka);
    kliknij(polecenie("SpeedButton11"));
    return sciezka;
}

void TestTdokumenty::stanPoczatkowy()
{
    QVERIFY(utworz());
    QCOMPARE(lista()->count(), 0);
    for (const char *nazwa :
         {"SpeedButton9", "SpeedButton8", "SpeedButton3", "SpeedButton2", "SpeedButton4", "SpeedButton6"})
        QVERIFY2(!polecenie(nazwa)->isEnabled(), nazwa);
    for (QLineEdit *p : polaKlienta(o))
        QVERIFY(p->text().isEmpty());
    QCOMPARE(kontrolka<QLabel>(o, "Label1")->text(), QStringLiteral("Lista klientów"));
    QCOMPARE(kontrolka<QLabel>(o, "Label2")->text(), QStringLiteral("00:00:00"));
    QVERIFY(!kontrolka<QWidget>(o, "Panel3")->isVisible());
    QCOMPARE(o->biezacaLista(), QStringLiteral("klienci.dat"));
    QCOMPARE(o->katalogDanych(), m_root);
    QVERIFY(m_skrypt.wywolania.isEmpty());
    QCOMPARE(QFileInfo(m_root + QStringLiteral("/Admini/siec.dat")).size(), qsizetype(403));

    // Within the first ticks the clock runs and the client tools are off.
    QTRY_VERIFY_WITH_TIMEOUT(kontrolka<QLabel>(o, "Label2")->text() != QStringLiteral("00:00:00"), 1000);
    QVERIFY(QTime::fromString(kontrolka<QLabel>(o, "Label2")->text(), formatCzasu()).isValid());
    QVERIFY(!polecenie("SpeedButton13")->isEnabled() && !polecenie("SpeedButton14")->isEnabled()
            && !polecenie("SpeedButton15")->isEnabled());

    QCOMPARE(o->size(), QSize(861, 641));
    QCOMPARE(o->minimumSize(), o->maximumSize());
    QVERIFY(!(o->windowFlags() & Qt::WindowMaximizeButtonHint));
    // Every control can be found under its design name; edit fields by accessible name too.
    for (const char *n : {"Panel1", "Panel2", "Panel3", "Bevel1", "Image1", "Timer1", "lista"})
        QVERIFY2(o->findChild<QObject *>(QLatin1String(n)), n);
    for (const char *n : {"Label1", "Label5", "Label11", "Label12", "Label13", "Label14", "Label15"})
        QCOMPARE(kontrolka<QLabel>(o, n)->textFormat(), Qt::PlainText); // user data, never markup
    for (int i = 1; i <= 15; ++i) {
        auto *b = o->findChild<QToolButton *>(QStringLiteral("SpeedButton%1").arg(i));
        QVERIFY(b && b->autoRaise() && b->focusPolicy() == Qt::TabFocus && !b->icon().isNull());
        QVERIFY(o->findChild<QLabel *>(QStringLiteral("Label%1").arg(i)));
    }
    for (int k = 0; k < LiczbaKolumn; ++k) {
        auto *p = o->findChild<QLineEdit *>(QLatin1String(NazwyKolumn[k]));
        QVERIFY(p && p == polaKlienta(o)[k]);
        QCOMPARE(p->accessibleName(), QLatin1String(NazwyKolumn[k]));
    }
}

void TestTdokumenty::start_data()
{
    QTest::addColumn<QString>("plik"); // written before the window is made
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::addColumn<QString>("blad");
    QTest::addColumn<QStringList>("podpisy");
    const QStringList projekt{"Info 1", "Info 2", "Info 3", "Info 4", "Info 5", "Info 6"};
    const QStringList nazwy{"Telefon", "E-mail", "Osoba", "Źródło", "", "Uwagi"};
    QByteArray rekord(66, '\0');
    for (int i = 0; i < 6; ++i)
        zapiszTekst(rekord, i * 11, 10, nazwy[i]);
    QTest::newRow("captions from the file") << "Admini/info.dat" << rekord << "" << nazwy;
    QTest::newRow("no Admini") << "-" << QByteArray() << "Invalid filename" << projekt;
    QTest::newRow("short siec.dat") << "Admini/siec.dat" << QByteArray(402, '\1') << "Read beyond end of file"
                                    << projekt;
    QTest::newRow("short info.dat") << "Admini/info.dat" << QByteArray(65, '\0') << "Read beyond end of file"
                                    << projekt;
}

void TestTdokumenty::start()
{
    QFETCH(QString, plik);
    QFETCH(QByteArray, zawartosc);
    QFETCH(QString, blad);
    QFETCH(QStringList, podpisy);
    if (plik == u"-")
        QVERIFY(QDir(m_katalog->sciezka(QStringLiteral("Admini"))).removeRecursively());
    else
        QVERIFY(m_katalog->zapisz(plik, zawartosc));
    // An error is reported and the window opens all the same.
    QVERIFY(utworz());
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), blad.isEmpty() ? QStringList() : QStringList{blad});
    QCOMPARE(o->katalogDanych(), m_root);
    const QLabel *etykiety[] = {kontrolka<QLabel>(o, "Label5"),  kontrolka<QLabel>(o, "Label11"),
                                kontrolka<QLabel>(o, "Label12"), kontrolka<QLabel>(o, "Label13"),
                                kontrolka<QLabel>(o, "Label14"), kontrolka<QLabel>(o, "Label15")};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(etykiety[i]->text(), podpisy[i]);
}

void TestTdokumenty::kolejnoscKlawiszaTab()
{
    QVERIFY(utworz());
    o->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(o));
    lista()->setFocus();
    QTRY_VERIFY(!polecenie("SpeedButton14")->isEnabled()); // the clock has disabled the client tools
    QStringList kolejnosc{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < LiczbaKolumn + 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        kolejnosc.append(QApplication::focusWidget()->objectName());
    }
    // Then the commands enabled at start, top to bottom, and back to the list.
    QStringList oczekiwana{"lista"};
    for (const char *n : NazwyKolumn)
        oczekiwana.append(QLatin1String(n));
    oczekiwana << "SpeedButton10"
               << "SpeedButton11"
               << "SpeedButton12"
               << "SpeedButton5"
               << "SpeedButton1";
    QCOMPARE(kolejnosc, oczekiwana);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), lista());
}

void TestTdokumenty::pomoc()
{
    QVERIFY(utworz());
    kliknij(polecenie("SpeedButton5"));
    const QStringList linie = kontrolka<QPlainTextEdit>(o, "Memo1")->toPlainText().split(u'\n');
    QCOMPARE(linie.size(), 36);
    QCOMPARE(linie, Tdokumenty::tekstPomocy());
    QCOMPARE(linie[6], QStringLiteral("Usunięcie klienta z listyi."));
    QVERIFY(linie[19].endsWith(QStringLiteral("Miejscowość, ")));
    for (int i = 0; i < 2; ++i) { // showing it twice changes nothing
        kliknij(polecenie("SpeedButton5"));
        QVERIFY(kontrolka<QWidget>(o, "Panel3")->isVisible());
        QCOMPARE(kontrolka<QWidget>(o, "Panel3")->geometry(), QRect(71, 108, 689, 337));
    }
    QCOMPARE(kontrolka<QPlainTextEdit>(o, "Memo1")->geometry(), QRect(12, 12, 665, 261));
    QCOMPARE(polecenie("SpeedButton7")->geometry(), QRect(544, 292, 133, 22));
    kliknij(polecenie("SpeedButton7"));
    QVERIFY(!kontrolka<QWidget>(o, "Panel3")->isVisible());
}

void TestTdokumenty::przyciskiNarzedzi_data()
{
    QTest::addColumn<QString>("nazwa1");
    QTest::addColumn<QString>("nip");
    QTest::addColumn<bool>("koperta");
    QTest::addColumn<bool>("narzedzia");
    QTest::newRow("both empty") << ""
                                << "" << false << false;
    QTest::newRow("a single space in nazwa1") << " "
                                              << "" << true << false;
    QTest::newRow("nip alone") << ""
                               << "1" << false << true;
    QTest::newRow("both, Polish name") << "Łódź"
                                       << "123.45" << true << true;
}

void TestTdokumenty::przyciskiNarzedzi()
{
    QFETCH(QString, nazwa1);
    QFETCH(QString, nip);
    QFETCH(bool, koperta);
    QFETCH(bool, narzedzia);
    QVERIFY(utworz());
    // No list loaded: the tick looks at the fields as typed.
    wpisz(pole("nazwa1"), nazwa1);
    wpisz(pole("nip"), nip);
    QTRY_COMPARE_WITH_TIMEOUT(polecenie("SpeedButton14")->isEnabled(), koperta, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(polecenie("SpeedButton13")->isEnabled(), narzedzia, 1000);
    QCOMPARE(polecenie("SpeedButton15")->isEnabled(), narzedzia);
    pole("nazwa1")->clear();
    pole("nip")->clear();
    QTRY_VERIFY_WITH_TIMEOUT(!polecenie("SpeedButton13")->isEnabled() && !polecenie("SpeedButton14")->isEnabled()
                                 && !polecenie("SpeedButton15")->isEnabled(),
                             1000);
}

void TestTdokumenty::koniec_data()
{
    QTest::addColumn<bool>("przycisk"); // "Zamknij moduł", else the window's close
    QTest::addColumn<bool>("tak");
    QTest::newRow("close, Yes") << false << true;
    QTest::newRow("Zamknij moduł, Yes") << true << true;
    QTest::newRow("Zamknij moduł, No") << true << false;
}

void TestTdokumenty::koniec()
{
    QFETCH(bool, przycisk);
    QFETCH(bool, tak);
    QVERIFY(utworz());
    tak ? m_skrypt.tak() : m_skrypt.nie();
    // The offscreen platform draws no opacity and says so at every step.
    static QtMessageHandler poprzedni = nullptr;
    poprzedni = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst) {
        if (!tekst.contains(QStringLiteral("does not support setting window opacity")))
            poprzedni(typ, kontekst, tekst);
    });
    if (przycisk)
        kliknij(polecenie("SpeedButton1"));
    else
        QVERIFY(!o->close());
    qInstallMessageHandler(poprzedni);

    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Koniec pracy ?"});
    QVERIFY(o->isVisible());
    QCOMPARE(m_zakonczenia, tak ? 1 : 0);
    // Yes fades out in 50 steps: 255, 250, ... 10.
    QList<int> kroki;
    for (int v = 255; tak && v >= 10; v -= 5)
        kroki.append(v);
    QCOMPARE(o->ostatnieWygaszanie, kroki);
    if (!tak)
        QCOMPARE(o->windowOpacity(), 1.0);
}

void TestTdokumenty::filtrNip()
{
    QVERIFY(utworz());
    wpisz(pole("nip"), QStringLiteral("123,45 abc-Ł/\t9"));
    QCOMPARE(pole("nip")->text(), QStringLiteral("123.459"));
    QTest::keyClick(pole("nip"), Qt::Key_Backspace);
    QTest::keyClick(pole("nip"), Qt::Key_Home);
    QTest::keyClick(pole("nip"), Qt::Key_Delete);
    QCOMPARE(pole("nip")->text(), QStringLiteral("23.45"));
    // Delete as X11 delivers it, with the text DEL: still deletes.
    QTest::sendKeyEvent(QTest::Click, pole("nip"), Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
    QCOMPARE(pole("nip")->text(), QStringLiteral("3.45"));
    wpisz(pole("opis"), QStringLiteral("a,b-ł")); // no other field filters
    QCOMPARE(pole("opis")->text(), QStringLiteral("a,b-ł"));
}

void TestTdokumenty::nowaICzytajLista()
{
    QVERIFY(utworz());
    m_kontekst->przejdzDo(QDir::tempPath());
    m_skrypt.anuluj();
    kliknij(polecenie("SpeedButton10"));
    QCOMPARE(lista()->count(), 0);
    QCOMPARE(QDir::currentPath(), QDir::tempPath()); // a cancel changes nothing

    const QString sciezka = firmy() + QStringLiteral("/nowa");
    m_skrypt.plik(sciezka);
    kliknij(polecenie("SpeedButton10"));
    const auto &w = m_skrypt.wywolania[1];
    QCOMPARE(w.rodzaj, QStringLiteral("zapisz"));
    QCOMPARE(w.plik.filtr, QStringLiteral("Lista klientów (*.dat)"));
    QCOMPARE(w.plik.rozszerzenie, QStringLiteral("dat"));
    QVERIFY(w.plik.pytajONadpisanie);
    QCOMPARE(w.plik.katalog, QDir::tempPath() + QStringLiteral("/Firmy")); // relative to the working directory

    const QString plik = sciezka + QStringLiteral(".dat");
    QCOMPARE(czytajPlik(plik), ListaKlientow::nowa().dane());
    QCOMPARE(o->biezacaLista(), plik);
    QCOMPARE(kontrolka<QLabel>(o, "Label1")->text(), Tytul + plik);
    QCOMPARE(lista()->count(), 501);
    QCOMPARE(lista()->currentRow(), 0);
    QCOMPARE(lista()->item(0)->text(), QStringLiteral("01  "));
    QCOMPARE(lista()->item(500)->text(), QStringLiteral("501  "));
    QCOMPARE(o->tekstyPol(), ListaKlientow::nowa().wiersz(0));
    for (const char *nazwa :
         {"SpeedButton9", "SpeedButton8", "SpeedButton3", "SpeedButton2", "SpeedButton4", "SpeedButton6"})
        QVERIFY2(polecenie(nazwa)->isEnabled(), nazwa);
    QVERIFY(m_katalog->biezacy());

    // Over an existing list it writes an empty one; the dialog offers the last name.
    QVERIFY(zapiszPlik(plik, przykladowaLista().dane()));
    m_skrypt.plik(plik);
    kliknij(polecenie("SpeedButton10"));
    QCOMPARE(m_skrypt.wywolania[2].plik.nazwa, plik);
    QCOMPARE(czytajPlik(plik), ListaKlientow::nowa().dane());

    // "Czytaj listę" offers the data root's Firmy, whatever the current directory.
    QDir::setCurrent(QDir::tempPath());
    const QString sciezkaListy = otworz(przykladowaLista());
    QCOMPARE(m_skrypt.wywolania[3].plik.katalog, firmy());
    QCOMPARE(o->biezacaLista(), sciezkaListy);
    QCOMPARE(kontrolka<QLabel>(o, "Label1")->text(), Tytul + sciezkaListy);
    QCOMPARE(linie(lista(), 3), (QStringList{"01 Żuraw Sp. z o.o. ", "02 Kowalski Jan ", "03  "}));
    QCOMPARE(lista()->currentRow(), 0);
    QCOMPARE(pole("ulica")->text(), QStringLiteral("ul. Długa 1"));
    QVERIFY(m_katalog->biezacy());
}

void TestTdokumenty::otwarcieNieudane_data()
{
    QTest::addColumn<bool>("nowa"); // "Nowa lista", else "Czytaj listę"
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::addColumn<QString>("blad");
    QTest::newRow("new list in a missing folder") << true << QByteArray() << "Invalid filename";
    QTest::newRow("read: one byte short") << false << QByteArray(349697, '\3') << "Read beyond end of file";
}

void TestTdokumenty::otwarcieNieudane()
{
    // A list that cannot be created or read does not replace the open one, so no later
    // save writes one list's rows into another list's file.
    QFETCH(bool, nowa);
    QFETCH(QByteArray, zawartosc);
    QFETCH(QString, blad);
    QVERIFY(utworz());
    const QString stara = otworz(przykladowaLista());
    const QString zla = m_root + (nowa ? QStringLiteral("/brak/zla.dat") : QStringLiteral("/Firmy/zla.dat"));
    if (!zawartosc.isEmpty())
        QVERIFY(zapiszPlik(zla, zawartosc));
    m_skrypt.plik(zla);
    kliknij(nowa ? polecenie("SpeedButton10") : polecenie("SpeedButton11"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("blad")), QStringList{blad});
    QCOMPARE(o->biezacaLista(), stara);
    QCOMPARE(kontrolka<QLabel>(o, "Label1")->text(), Tytul + stara);
    QCOMPARE(o->listaKlientow(), przykladowaLista());
    QCOMPARE(lista()->item(1)->text(), QStringLiteral("02 Kowalski Jan "));

    pole("lp")->setText(QStringLiteral("3"));
    pole("nazwa1")->setText(QStringLiteral("Trzeci"));
    pole("nip")->clear(); // row 1's NIP would be asked about
    kliknij(polecenie("SpeedButton6"));
    QCOMPARE(czytajPlik(zla), zawartosc);
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(stara));
    QCOMPARE(zapisana.tekst(Nazwa1, 2), QStringLiteral("Trzeci"));
    QCOMPARE(zapisana.tekst(Nazwa1, 1), QStringLiteral("Kowalski Jan"));
}

void TestTdokumenty::usunListe_data()
{
    QTest::addColumn<QString>("wybrana"); // "Tak" to deleting the open list (by two names), another, a missing one
    for (const char *w : {"lista.dat", "./lista.dat", "inna.dat", "brak.dat"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

void TestTdokumenty::usunListe()
{
    QFETCH(QString, wybrana);
    const QString informacja = wybrana == u"brak.dat"
                                   ? QStringLiteral("Nie udało się usunąć listy ")
                                   : QStringLiteral("Lista została usunięta. Można ją odzyskać z kosza.");
    QVERIFY(utworz());
    QVERIFY(zapiszPlik(firmy() + QStringLiteral("/inna.dat"), ListaKlientow::nowa().dane()));
    const QString otwarta = otworz(przykladowaLista());
    QDir::setCurrent(QDir::tempPath());
    // The trash of a data home that does not exist yet.
    const QString dom = m_katalog->sciezka(QStringLiteral("dom"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dom));
    wybrana = firmy() + u'/' + wybrana;
    m_skrypt.plik(wybrana);
    m_skrypt.tak();
    kliknij(polecenie("SpeedButton12"));
    qunsetenv("XDG_DATA_HOME");

    // A dialog of its own, in the data root's Firmy, with no list offered; the question
    // names the list.
    QCOMPARE(m_skrypt.wywolania[1].plik.katalog, firmy());
    QCOMPARE(m_skrypt.wywolania[1].plik.nazwa, QString());
    QCOMPARE(m_skrypt.wywolania[1].plik.tytul, QStringLiteral("Usuń listę"));
    QCOMPARE(m_skrypt.wywolania[1].plik.przycisk, QStringLiteral("Usuń"));
    const QString nazwa = QFileInfo(wybrana).absoluteFilePath();
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Usunąć listę " + nazwa + " ?"});
    QCOMPARE(QFileInfo::exists(dom + QStringLiteral("/Trash/files/") + QFileInfo(wybrana).fileName()),
             !wybrana.endsWith(u"brak.dat"));
    const QStringList pokazane = m_skrypt.teksty(QStringLiteral("informacja"));
    QCOMPARE(pokazane.size(), 1);
    QVERIFY(pokazane[0].startsWith(informacja));
    QVERIFY(m_katalog->biezacy());
    // A deleted open list is closed: the window shows no list, as at start.
    const bool zamknieta = !QFileInfo::exists(otwarta);
    QCOMPARE(zamknieta, wybrana.endsWith(u"/lista.dat"));
    QCOMPARE(lista()->count(), zamknieta ? 0 : 501);
    QCOMPARE(o->biezacaLista(), zamknieta ? QStringLiteral("klienci.dat") : otwarta);
    QVERIFY(polecenie("SpeedButton6")->isEnabled() != zamknieta && pole("nazwa1")->text().isEmpty() == zamknieta);
    QCOMPARE(kontrolka<QLabel>(o, "Label1")->text(),
             zamknieta ? QStringLiteral("Lista klientów") : Tytul + QDir::toNativeSeparators(otwarta));
}

void TestTdokumenty::nazwyDialogowPlikow_data()
{
    QTest::addColumn<int>("przycisk");
    QTest::addColumn<QString>("rodzaj");
    QTest::addColumn<QString>("obiekt");
    QTest::newRow("new list") << 10 << "zapisz"
                              << "SaveDialog1";
    QTest::newRow("read list") << 11 << "otworz"
                               << "OpenDialog2";
    QTest::newRow("delete list") << 12 << "otworz"
                                 << "OpenDialog2";
}

void TestTdokumenty::nazwyDialogowPlikow()
{
    QFETCH(int, przycisk);
    QFETCH(QString, rodzaj);
    QFETCH(QString, obiekt);
    QVERIFY(utworz());
    m_skrypt.anuluj();
    kliknij(polecenie(przycisk == 10 ? "SpeedButton10" : przycisk == 11 ? "SpeedButton11" : "SpeedButton12"));
    QCOMPARE(m_skrypt.wywolania.size(), 1);
    QCOMPARE(m_skrypt.wywolania[0].rodzaj, rodzaj);
    QCOMPARE(m_skrypt.wywolania[0].plik.obiekt, obiekt);
}

void TestTdokumenty::katalogBiezacyInnaWielkoscLiter_data()
{
    QTest::addColumn<int>("przycisk"); // 10 "Nowa lista", 11 "Czytaj listę", 12 "Usuń listę"
    QTest::newRow("new list") << 10;
    QTest::newRow("read list") << 11;
    QTest::newRow("delete list") << 12;
}

void TestTdokumenty::katalogBiezacyInnaWielkoscLiter()
{
    // The network setting spells the data root "DANE"; on disk the folder is "Dane".
    QFETCH(int, przycisk);
    QVERIFY(QDir(m_root).mkpath(QStringLiteral("Dane/Admini")));
    QVERIFY(QDir(m_root).mkpath(QStringLiteral("Dane/Firmy")));
    QVERIFY(m_katalog->zapisz(QStringLiteral("Admini/siec.dat"),
                              UstawienieSieci::domyslne(m_root + QStringLiteral("/DANE"))));
    QVERIFY(utworz());
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    QVERIFY(QFileInfo::exists(m_root + QStringLiteral("/Dane/Admini/info.dat")));

    const QString plik = m_root + QStringLiteral("/Dane/Firmy/lista.dat");
    QVERIFY(zapiszPlik(plik, przykladowaLista().dane()));
    m_skrypt.plik(plik);
    if (przycisk == 12)
        m_skrypt.nie();
    kliknij(polecenie(przycisk == 10 ? "SpeedButton10" : przycisk == 11 ? "SpeedButton11" : "SpeedButton12"));
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
    // The command ends in the data root, as the folder is spelt on disk.
    QVERIFY2(m_katalog->biezacy(QStringLiteral("Dane")), qPrintable(QDir::currentPath()));
}

void TestTdokumenty::klikniecieWiersza()
{
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    auto kliknijLinie = [this](int wiersz) {
        QListWidgetItem *p = lista()->item(wiersz);
        lista()->scrollToItem(p);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualItemRect(p).center());
    };
    kliknijLinie(1);
    QCOMPARE(o->tekstyPol(), przykladowaLista().wiersz(1));

    // Another program changes the file: a click shows the file, the line keeps its text.
    ListaKlientow zmieniona = przykladowaLista();
    zmieniona.ustawTekst(Nazwa1, 3, QStringLiteral("Zmieniony"));
    zmieniona.ustawTekst(Nazwa1, 1, QStringLiteral("Inny"));
    QVERIFY(zapiszPlik(sciezka, zmieniona.dane()));
    kliknijLinie(3);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Zmieniony"));
    QCOMPARE(lista()->item(3)->text(), QStringLiteral("04 Ąbc "));
    // Arrow keys and typing the start of a row number read the row too.
    QTest::keyClick(lista(), Qt::Key_Up);
    QTest::keyClick(lista(), Qt::Key_Up);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Inny"));
    QTest::keyClicks(lista(), QStringLiteral("05"));
    QCOMPARE(pole("lp")->text(), QStringLiteral("05"));
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Nowak"));
    // A click on the line already selected reads it again.
    zmieniona.ustawTekst(Nazwa1, 4, QStringLiteral("Nowy"));
    QVERIFY(zapiszPlik(sciezka, zmieniona.dane()));
    kliknijLinie(4);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Nowy"));
    lista()->setCurrentRow(-1); // no line: nothing is read
    QVERIFY(m_skrypt.teksty(QStringLiteral("blad")).isEmpty());
}

void TestTdokumenty::dodaj()
{
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    lista()->setCurrentRow(1);
    // Typing 12 into lp writes row 12, whatever line is selected.
    pole("lp")->setText(QStringLiteral("12"));
    pole("nazwa1")->setText(QString(85, u'N'));
    pole("nip")->setText(QString(25, u'7'));
    wpisz(pole("miejscowosc"), QStringLiteral("Łódź"));
    kliknij(polecenie("SpeedButton6"));
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(sciezka));
    QCOMPARE(zapisana.tekst(Miejscowosc, 11), QStringLiteral("Łódź"));
    // Refilled from the row as read back (names cut to their capacity), its line rebuilt
    // and selected.
    QCOMPARE(o->tekstyPol(), zapisana.wiersz(11));
    QCOMPARE(lista()->currentRow(), 11);
    QCOMPARE(lista()->item(11)->text(), QStringLiteral("12 ") + QString(80, u'N') + u' ');

    // A shorter name over a longer one: the new text shows.
    pole("nazwa1")->setText(QStringLiteral("Krótki"));
    kliknij(polecenie("SpeedButton6"));
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Krótki"));
    QCOMPARE(lista()->item(11)->text(), QStringLiteral("12 Krótki "));
    QCOMPARE(m_skrypt.wywolania.size(), 1); // only the open dialog: no question, no notice
}

void TestTdokumenty::numerPozaZakresem_data()
{
    QTest::addColumn<QString>("lp");
    QTest::addColumn<bool>("usun"); // "Usuń wpis", else "Dodaj do listy"
    for (bool usun : {false, true}) {
        for (const char *lp : {"", "abc", "0", "-3", "502", "99999999999"})
            QTest::addRow("%s '%s'", usun ? "delete" : "add", lp) << QString::fromLatin1(lp) << usun;
    }
}

void TestTdokumenty::numerPozaZakresem()
{
    QFETCH(QString, lp);
    QFETCH(bool, usun);
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    const QByteArray przed = czytajPlik(sciezka);
    pole("lp")->setText(lp);
    pole("nazwa1")->setText(QStringLiteral("Nikt"));
    kliknij(usun ? polecenie("SpeedButton4") : polecenie("SpeedButton6"));
    // No row and no file touched, and a notice names the number; no question comes first.
    const QStringList informacje = m_skrypt.teksty(QStringLiteral("informacja"));
    QCOMPARE(informacje.size(), 1);
    QVERIFY2(informacje[0].contains(lp.isEmpty() ? QStringLiteral("Lp") : lp), qPrintable(informacje[0]));
    QCOMPARE(czytajPlik(sciezka), przed);
    QCOMPARE(o->listaKlientow(), przykladowaLista());
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Nikt"));
}

void TestTdokumenty::usunWpis()
{
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    lista()->setCurrentRow(3);
    pole("lp")->setText(QStringLiteral("2"));
    m_skrypt.tak();
    kliknij(polecenie("SpeedButton4"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Usunąć wpis z wiersza 02: Kowalski Jan ?"});
    // Row 2 is blank and keeps its number; nothing else moves.
    QCOMPARE(lista()->currentRow(), 1);
    QCOMPARE(o->tekstyPol(), ListaKlientow::nowa().wiersz(1));
    QCOMPARE(linie(lista(), 4), (QStringList{"01 Żuraw Sp. z o.o. ", "02  ", "03  ", "04 Ąbc "}));
    QCOMPARE(czytajPlik(sciezka), o->listaKlientow().dane());
}

void TestTdokumenty::szukajMiejsca()
{
    QVERIFY(utworz());
    otworz(przykladowaLista());
    QTest::keyClick(lista(), Qt::Key_End);
    kliknij(polecenie("SpeedButton8"));
    QCOMPARE(lista()->currentRow(), 2); // free although it has a street
    QCOMPARE(o->tekstyPol(), przykladowaLista().wiersz(2));

    ListaKlientow pelna = ListaKlientow::nowa();
    for (int w = 0; w < LiczbaWierszy; ++w)
        pelna.ustawTekst(Nazwa1, w, QStringLiteral("K%1").arg(w));
    otworz(pelna, QStringLiteral("pelna.dat"));
    QTest::keyClick(lista(), Qt::Key_Down);
    kliknij(polecenie("SpeedButton8"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")), QStringList{"Na liście brak wolnego miejsca."});
    QCOMPARE(lista()->currentRow(), 1);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("K1"));
}

void TestTdokumenty::szukajDanych_data()
{
    QTest::addColumn<bool>("anuluj");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wiersz"); // -1: not found; which rows match is the list's own test
    QTest::newRow("cancel") << true << "" << 3;
    QTest::newRow("nip") << false << "1233" << 3;
    QTest::newRow("case") << false << "nowak" << -1;
}

void TestTdokumenty::szukajDanych()
{
    QFETCH(bool, anuluj);
    QFETCH(QString, tekst);
    QFETCH(int, wiersz);
    QVERIFY(utworz());
    otworz(przykladowaLista());
    lista()->setCurrentRow(3);
    anuluj ? m_skrypt.anuluj() : m_skrypt.tekst(tekst);
    kliknij(polecenie("SpeedButton9"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("wpisz")), QStringList{"Szukaj danych|Podaj ciag znaków"});
    QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")),
             wiersz < 0 ? QStringList{"Na liście brak danych spełniajacych zadany warunek."} : QStringList());
    QCOMPARE(lista()->currentRow(), wiersz < 0 ? 3 : wiersz);
    QCOMPARE(pole("lp")->text(), numerWiersza(wiersz < 0 ? 3 : wiersz));
}

void TestTdokumenty::sortowanie()
{
    // The order itself is the open list's test; here the window asks, then shows the
    // sorted list from row 1 as the file holds it.
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(lista(), Qt::Key_End);
    m_skrypt.tak();
    kliknij(polecenie("SpeedButton2"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")), QStringList{"Sortować listę usług ?"});
    QCOMPARE(::linie(lista(), 2), (QStringList{"01 Żuraw Sp. z o.o. ", "02 Nowak "}));
    QCOMPARE(lista()->count(), 501);
    QCOMPARE(lista()->currentRow(), 0);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Żuraw Sp. z o.o."));
    QCOMPARE(czytajPlik(sciezka), o->listaKlientow().dane());
}

void TestTdokumenty::nieNaKazdePytanie()
{
    // Every question answered No changes neither the file, the memory nor the window.
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(lista(), Qt::Key_Down);
    const QByteArray plik = czytajPlik(sciezka);
    const TekstyWiersza pola = o->tekstyPol();
    const QStringList przed = linie(lista());
    for (const char *nazwa : {"SpeedButton3", "SpeedButton2", "SpeedButton4", "SpeedButton1"}) {
        m_skrypt.nie();
        kliknij(polecenie(nazwa));
    }
    m_skrypt.plik(sciezka).nie();
    kliknij(polecenie("SpeedButton12"));
    m_skrypt.nie();
    QVERIFY(!o->close());

    QCOMPARE(
        m_skrypt.teksty(QStringLiteral("pytanie")),
        (QStringList{"Sortować listę usług ?", "Sortować listę usług ?", "Usunąć wpis z wiersza 02: Kowalski Jan ?",
                     "Koniec pracy ?", "Usunąć listę " + sciezka + " ?", "Koniec pracy ?"}));
    QVERIFY(m_skrypt.teksty(QStringLiteral("informacja")).isEmpty());
    QCOMPARE(czytajPlik(sciezka), plik);
    QCOMPARE(o->tekstyPol(), pola);
    QCOMPARE(o->listaKlientow(), przykladowaLista());
    QCOMPARE(linie(lista()), przed);
    QCOMPARE(lista()->currentRow(), 1);
    QCOMPARE(m_zakonczenia, 0);
    QVERIFY(o->ostatnieWygaszanie.isEmpty());
}

void TestTdokumenty::nadpisanie()
{
    // Row 2 is shown; lp names row 4, which holds another client: No keeps it, Yes replaces it.
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(lista(), Qt::Key_Down);
    const QByteArray przed = czytajPlik(sciezka);
    pole("nip")->clear(); // row 2's NIP would be asked about
    for (bool tak : {false, true}) {
        pole("lp")->setText(QStringLiteral("4"));
        pole("nazwa1")->setText(QStringLiteral("Nowy"));
        tak ? m_skrypt.tak() : m_skrypt.nie();
        kliknij(polecenie("SpeedButton6"));
        QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")).constLast(),
                 QStringLiteral("Wiersz 04 zawiera: Ąbc. Zastąpić go danymi z pól edycji?"));
        QCOMPARE(czytajPlik(sciezka) == przed, !tak);
    }
    QCOMPARE(o->listaKlientow().tekst(Nazwa1, 3), QStringLiteral("Nowy"));
    // The row shown itself, or a free one, is written without a question.
    pole("lp")->setText(QStringLiteral("3"));
    kliknij(polecenie("SpeedButton6"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")).size(), 2);
}

void TestTdokumenty::zmienionyWiersz_data()
{
    // A row picked (row 01 as opened, or row 03 by "Szukaj miejsca"), another program (a
    // process) changes the list, then the command: asked, naming what the row holds now.
    QTest::addColumn<bool>("miejsce");
    QTest::addColumn<QStringList>("inny");
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<int>("odpowiedz"); // 1 Tak, 0 Nie; -1: nothing asked
    const QStringList wiersz3{"dodaj", "7", "2", "3"};
    QTest::newRow("free row taken meanwhile, No") << true << wiersz3 << "SpeedButton6" << 0;
    QTest::newRow("free row taken meanwhile, Yes") << true << wiersz3 << "SpeedButton6" << 1;
    QTest::newRow("list sorted meanwhile, No") << false << QStringList{"sortuj"} << "SpeedButton6" << 0;
    QTest::newRow("list sorted meanwhile, delete, No") << false << QStringList{"sortuj"} << "SpeedButton4" << 0;
    QTest::newRow("another row changed") << false << QStringList{"dodaj", "7", "9", "10"} << "SpeedButton6" << -1;
}

void TestTdokumenty::zmienionyWiersz()
{
    QFETCH(bool, miejsce);
    QFETCH(QStringList, inny);
    QFETCH(QString, przycisk);
    QFETCH(int, odpowiedz);
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    if (miejsce)
        kliknij(polecenie("SpeedButton8"));
    const int wiersz = miejsce ? 2 : 0;
    pole("nazwa1")->setText(QStringLiteral("Mój klient"));
    QCOMPARE(QProcess::execute(QStringLiteral(LK_BIN_DIR "/wspolna_pisarz"), inny.mid(0, 1) << sciezka << inny.mid(1)),
             0);
    const QByteArray ich = czytajPlik(sciezka);
    ListaKlientow l;
    QVERIFY(!l.wczytaj(sciezka));
    const QString teraz = l.tekst(Nazwa1, wiersz);
    if (przycisk == u"SpeedButton4")
        m_skrypt.tak(); // "Usunąć wpis …?"
    if (odpowiedz >= 0)
        odpowiedz ? m_skrypt.tak() : m_skrypt.nie();
    kliknij(polecenie(przycisk.toLatin1().constData()));
    const QStringList pytania = m_skrypt.teksty(QStringLiteral("pytanie"));
    QCOMPARE(pytania.size(), (odpowiedz >= 0) + (przycisk == u"SpeedButton4"));
    if (odpowiedz >= 0)
        QVERIFY2(pytania.constLast().startsWith(QStringLiteral("Wiersz %1 został zmieniony przez kogoś innego, odkąd "
                                                               "go tu wybrano, i zawiera teraz: %2")
                                                    .arg(numerWiersza(wiersz), teraz)),
                 qPrintable(pytania.constLast()));
    QVERIFY(!l.wczytaj(sciezka));
    // Written on Tak, or where nobody else changed the row; the other's rows stay.
    QCOMPARE(l.tekst(Nazwa1, wiersz), odpowiedz == 0 ? teraz : QStringLiteral("Mój klient"));
    QCOMPARE(czytajPlik(sciezka) == ich, odpowiedz == 0);
    QVERIFY(odpowiedz >= 0 || l.tekst(Nazwa1, 9).startsWith(QStringLiteral("Pisarz 7/9")));
    // On Nie the list box shows what the row holds now, the fields keep the typing.
    QVERIFY(odpowiedz != 0 || lista()->item(wiersz)->text().contains(teraz));
    QVERIFY(odpowiedz != 0 || pole("nazwa1")->text() == QStringLiteral("Mój klient"));
}

void TestTdokumenty::nipInnegoWiersza_data()
{
    QTest::addColumn<QString>("nip");   // put into row 6 with "Dodaj do listy"
    QTest::addColumn<int>("odpowiedz"); // to the question: 1 Yes, 0 No, -1 none is asked
    QTest::addColumn<bool>("znak");     // the mark of a wrong check digit beside the field
    QTest::newRow("row 1's NIP, No") << "1230" << 0 << false;
    QTest::newRow("row 1's NIP with full stops, Yes") << "1.23.0" << 1 << false;
    QTest::newRow("a NIP of its own") << "5830001126" << -1 << false;
    QTest::newRow("a wrong check digit: marked, saved") << "583.000.11.22" << -1 << true;
}

void TestTdokumenty::nipInnegoWiersza()
{
    // The client tools key notes and documents by NIP: a NIP another row holds is asked
    // about (default No); a ten-digit one with a wrong check digit is only marked.
    QFETCH(QString, nip);
    QFETCH(int, odpowiedz);
    QFETCH(bool, znak);
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    pole("lp")->setText(QStringLiteral("6"));
    pole("nazwa1")->setText(QStringLiteral("Nowy"));
    pole("nip")->setText(nip);
    QCOMPARE(pole("nip")->findChild<QAction *>(QStringLiteral("zlaCyfraNip"))->isVisible(), znak);
    if (odpowiedz >= 0)
        odpowiedz ? m_skrypt.tak() : m_skrypt.nie();
    kliknij(polecenie("SpeedButton6"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")),
             odpowiedz < 0 ? QStringList()
                           : QStringList{"NIP " + nip
                                         + " ma już wiersz 01: Żuraw Sp. z o.o.. Narzędzia klienta rozpoznają "
                                           "klienta po NIP, więc oba wiersze miałyby wspólne komentarze i "
                                           "dokumenty. Zapisać mimo to?"});
    ListaKlientow zapisana;
    QVERIFY(!zapisana.wczytaj(sciezka));
    QCOMPARE(zapisana.tekst(Nip, 5), odpowiedz == 0 ? QString() : nip);
}

void TestTdokumenty::niedodanePola_data()
{
    QTest::addColumn<QString>("przycisk"); // empty: the Down arrow in the list box; "mysz": a click on line 4
    QTest::addColumn<int>("odpowiedz");    // 1 Tak, 0 Nie, -1 Anuluj
    for (const char *p : {"", "mysz", "SpeedButton8", "SpeedButton3", "SpeedButton11", "SpeedButton1"})
        for (int odpowiedz : {1, 0, -1})
            QTest::addRow("%s %d", p, odpowiedz) << QString::fromLatin1(p) << odpowiedz;
}

void TestTdokumenty::niedodanePola()
{
    QFETCH(QString, przycisk);
    QFETCH(int, odpowiedz);
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(lista(), Qt::Key_Down);
    wpisz(pole("opis"), QStringLiteral("Źle"));
    const QByteArray przed = czytajPlik(sciezka);
    odpowiedz > 0 ? m_skrypt.tak() : odpowiedz == 0 ? m_skrypt.nie() : m_skrypt.anuluj();
    if (odpowiedz >= 0 && przycisk.startsWith(u"Speed") && przycisk != u"SpeedButton8") // the command's own dialog
        przycisk == u"SpeedButton11" ? m_skrypt.anuluj() : m_skrypt.nie();
    if (przycisk.isEmpty())
        QTest::keyClick(lista(), Qt::Key_Down);
    else if (przycisk == u"mysz")
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, lista()->visualItemRect(lista()->item(3)).center());
    else
        kliknij(polecenie(przycisk.toLatin1().constData()));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("pytanie")).value(0),
             QStringLiteral("Zmiany w polach edycji nie zostały dodane do listy. Dodać je teraz do wiersza 02?"));
    QCOMPARE(o->listaKlientow().tekst(Opis, 1), odpowiedz > 0 ? QStringLiteral("Źle") : QString());
    QCOMPARE(czytajPlik(sciezka) == przed, odpowiedz <= 0);
    if (odpowiedz < 0) { // nothing moves; the typing stays, the line shown stays selected
        QCoreApplication::processEvents();
        QVERIFY(pole("opis")->text() == QStringLiteral("Źle") && lista()->currentRow() == 1);
        QCOMPARE(lista()->selectedItems(), QList<QListWidgetItem *>{lista()->item(1)});
    }
    QCOMPARE(m_zakonczenia, 0);
}

void TestTdokumenty::pojemnoscIZnaki()
{
    QVERIFY(utworz());
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        QCOMPARE(polaKlienta(o)[k]->maxLength(), Pojemnosc[k]);
    // Typed: the 81st character and one outside Windows-1250 are refused, the second
    // with an explanation; pasted: the whole insertion is refused.
    QLineEdit *nazwa = pole("nazwa1");
    wpisz(nazwa, QString(81, u'Ż'));
    QCOMPARE(nazwa->text(), QString(80, u'Ż'));
    nazwa->clear();
    wpisz(nazwa, QStringLiteral("Ł中ć€"));
    QCOMPARE(nazwa->text(), QStringLiteral("Łć€"));
    QVERIFY(o->uwagaPol().contains(QStringLiteral("„中”")));
    pole("opis")->insert(QStringLiteral("ok ✓"));
    QCOMPARE(pole("opis")->text(), QString());
}

void TestTdokumenty::cofnij()
{
    // Byte-for-byte undo is the open list's own test; here the keys and the refusal.
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    const QByteArray poczatek = czytajPlik(sciezka);
    QVERIFY(polecenie("SpeedButton6")->toolTip().endsWith(QStringLiteral("(Ctrl+S)")));
    QTest::keyClick(lista(), Qt::Key_Down);
    pole("nazwa1")->setText(QStringLiteral("Zmieniony"));
    QTest::keyClick(pole("nazwa1"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(o->krokiDoCofniecia(), 1);
    // In a field Ctrl+Z undoes its typing first, then the list; the line and fields follow.
    wpisz(pole("ulica"), QStringLiteral("x"));
    QTest::keyClick(pole("ulica"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o->krokiDoCofniecia(), 1);
    QTest::keyClick(pole("ulica"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(czytajPlik(sciezka), poczatek);
    QCOMPARE(lista()->item(1)->text(), QStringLiteral("02 Kowalski Jan "));
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Kowalski Jan"));

    // Someone else saved since: refused with a notice, nothing written.
    m_skrypt.tak();
    kliknij(polecenie("SpeedButton3"));
    ListaKlientow cudza = o->listaKlientow();
    cudza.ustawTekst(Nazwa1, 9, QStringLiteral("Cudzy"));
    QVERIFY(!cudza.zapisz(sciezka));
    kliknij(polecenie("SpeedButton16"));
    QCOMPARE(czytajPlik(sciezka), cudza.dane());
    QVERIFY(m_skrypt.teksty(QStringLiteral("informacja")).value(0).contains(QStringLiteral("przez kogoś innego")));
    QCOMPARE(lista()->item(9)->text(), QStringLiteral("10 Cudzy "));
}

void TestTdokumenty::szukajDalej()
{
    QVERIFY(utworz());
    otworz(przykladowaLista());
    m_skrypt.tekst(QStringLiteral("Długa"));
    QTest::keyClick(lista(), Qt::Key_F, Qt::ControlModifier);
    // F3: rows 2, 3 (free, found by its street), 4, 5, then row 1 again with a notice.
    for (int oczekiwany : {1, 2, 3, 4, 0}) {
        QTest::keyClick(lista(), Qt::Key_F3);
        QCOMPARE(lista()->currentRow(), oczekiwany);
    }
    QCOMPARE(pole("lp")->text(), QStringLiteral("01"));
    QCOMPARE(m_skrypt.teksty(QStringLiteral("informacja")).size(), 1);
}

void TestTdokumenty::zmianaInnegoProgramu()
{
    // Another program adds row 7 under the lock: the line follows, the fields keep the typing.
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    QTest::keyClick(lista(), Qt::Key_Down);
    pole("nazwa1")->setText(QStringLiteral("Piszę"));
    QCOMPARE(QProcess::execute(QStringLiteral(LK_BIN_DIR "/wspolna_pisarz"), {"dodaj", sciezka, "1", "6", "7"}), 0);
    QTRY_VERIFY(lista()->item(6)->text().startsWith(QStringLiteral("07 Pisarz 1/6")));
    QCOMPARE(lista()->currentRow(), 1);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Piszę"));
}

void TestTdokumenty::blokadaZajeta()
{
    // Another program holds the lock: a notice names the list, nothing is written.
    QVERIFY(utworz());
    const QString sciezka = otworz(przykladowaLista());
    const QByteArray przed = czytajPlik(sciezka);
    QProcess trzymajacy;
    trzymajacy.start(QStringLiteral(LK_BIN_DIR "/wspolna_pisarz"), {QStringLiteral("trzymaj"), sciezka});
    QVERIFY(trzymajacy.waitForReadyRead(10000));
    pole("nazwa1")->setText(QStringLiteral("Czekam"));
    kliknij(polecenie("SpeedButton6"));
    trzymajacy.kill();
    trzymajacy.waitForFinished(10000);
    QVERIFY(m_skrypt.teksty(QStringLiteral("informacja")).value(0).contains(QStringLiteral("lista.dat")));
    QCOMPARE(czytajPlik(sciezka), przed);
    QCOMPARE(pole("nazwa1")->text(), QStringLiteral("Czekam"));
}

QTEST_MAIN(TestTdokumenty)
#include "test_tdokumenty.moc"
