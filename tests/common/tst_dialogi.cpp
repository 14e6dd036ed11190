// The scripted dialogs that every widget test relies on, and the Polish buttons.

#include "aplikacja.h"
#include "dialogi.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstDialogi : public QObject
{
    Q_OBJECT

private slots:
    void skryptOdpowiadaPoKolei();
    void brakOdpowiedziNieZawiesza();
    void rozszerzenieDodawaneDoGolejNazwy_data();
    void rozszerzenieDodawaneDoGolejNazwy();
    void polskiePrzyciski();
    void dialogPlikuNosiNazwe();
    void formatCzasuBezStrefy();
};

void TstDialogi::skryptOdpowiadaPoKolei()
{
    SkryptDialogi s;
    ustawDialogi(&s);
    s.tak().nie().plik("/tmp/a").tekst("Łódź").anuluj();
    QVERIFY(dialogi().pytanie(nullptr, "Pierwsze ?"));
    QVERIFY(!dialogi().pytanie(nullptr, "Drugie ?"));
    QCOMPARE(dialogi().zapiszPlik(nullptr, {"Lista klientów (*.dat)", "dat", "Firmy", {}, true}), "/tmp/a.dat");
    QCOMPARE(dialogi().wpisz(nullptr, "Szukaj danych", "Podaj ciag znaków"), std::optional<QString>("Łódź"));
    QCOMPARE(dialogi().otworzPlik(nullptr, {}), QString());
    dialogi().informacja(nullptr, "Komunikat");
    QCOMPARE(s.teksty("pytanie"), (QStringList{"Pierwsze ?", "Drugie ?"}));
    QCOMPARE(s.teksty("informacja"), QStringList{"Komunikat"});
    QCOMPARE(s.teksty("wpisz"), QStringList{"Szukaj danych|Podaj ciag znaków"});
    QVERIFY(s.niespodziewane.isEmpty());
    QCOMPARE(s.pozostaleOdpowiedzi(), 0);
    ustawDialogi(nullptr);
}

void TstDialogi::brakOdpowiedziNieZawiesza()
{
    SkryptDialogi s;
    ustawDialogi(&s);
    s.plik("/x"); // a file answer where a question comes: the question gets No
    QVERIFY(!dialogi().pytanie(nullptr, "Usunąć ?"));
    QCOMPARE(s.niespodziewane.size(), 1);
    QCOMPARE(s.pozostaleOdpowiedzi(), 1);
    QVERIFY(!dialogi().wpisz(nullptr, "a", "b").has_value());
    QCOMPARE(s.niespodziewane.size(), 2);
    ustawDialogi(nullptr);
}

void TstDialogi::rozszerzenieDodawaneDoGolejNazwy_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("wynik");
    QTest::newRow("gola") << "/k/lista" << "/k/lista.dat";
    QTest::newRow("z rozszerzeniem") << "/k/lista.dat" << "/k/lista.dat";
    QTest::newRow("inne rozszerzenie") << "/k/lista.txt" << "/k/lista.txt";
    QTest::newRow("kropka w katalogu") << "/k.d/lista" << "/k.d/lista.dat";
    QTest::newRow("pusta") << "" << "";
}

void TstDialogi::rozszerzenieDodawaneDoGolejNazwy()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, wynik);
    QCOMPARE(dodajRozszerzenie(nazwa, "dat"), wynik);
}

void TstDialogi::polskiePrzyciski()
{
    QVERIFY(zaladujTlumaczenia(*qApp));
    QMessageBox okno(QMessageBox::NoIcon, "Pytanie", "Koniec pracy ?", QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(okno.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Tak"));
    QCOMPARE(okno.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nie"));

    // The real question box answers Yes/No; close it from a timer.
    PrawdziweDialogi prawdziwe;
    QTimer::singleShot(0, [] {
        auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(m);
        QCOMPARE(m->windowTitle(), QStringLiteral("Pytanie"));
        QCOMPARE(m->icon(), QMessageBox::NoIcon);
        m->button(QMessageBox::Yes)->click();
    });
    QVERIFY(prawdziwe.pytanie(nullptr, "Koniec pracy ?"));
}

void TstDialogi::dialogPlikuNosiNazwe()
{
    // The real file dialog carries the design name it was given.
    PrawdziweDialogi prawdziwe;
    QString nazwa;
    QTimer::singleShot(0, [&nazwa] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        nazwa = okno->objectName();
        okno->close();
    });
    UstawieniaPliku u{"Lista klientów (*.dat)", "dat", {}, {}, true};
    u.obiekt = QStringLiteral("SaveDialog1");
    QCOMPARE(prawdziwe.zapiszPlik(nullptr, u), QString());
    QCOMPARE(nazwa, QStringLiteral("SaveDialog1"));
}

void TstDialogi::formatCzasuBezStrefy()
{
    const QString f = formatCzasu();
    QVERIFY2(!f.contains(u't'), qPrintable(f));
    QVERIFY(f.contains(QStringLiteral("mm")));
    QVERIFY(f.contains(QStringLiteral("ss")));
    QCOMPARE(QTime(7, 8, 9).toString(f).count(QStringLiteral("08")), 1);
}

QTEST_MAIN(TstDialogi)
#include "tst_dialogi.moc"
