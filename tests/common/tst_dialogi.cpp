// The scripted dialogs that every widget test relies on, the Polish buttons and the
// drawn button pictures.

#include "aplikacja.h"
#include "ikony.h"
#include "skryptdialogi.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrinter>
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
    void pytaniaZAnulujIDomyslnymNie_data();
    void pytaniaZAnulujIDomyslnymNie();
    void formatCzasuBezStrefy();
    void prawdziweOknaNoszaNazwy_data();
    void prawdziweOknaNoszaNazwy();
    void ikonyRysowane();
};

void TstDialogi::skryptOdpowiadaPoKolei()
{
    SkryptDialogi s;
    Dialogi &dialogi = s;
    s.tak().nie().plik("/tmp/a").tekst("Łódź").anuluj();
    QVERIFY(dialogi.pytanie(nullptr, "Pierwsze ?"));
    QVERIFY(!dialogi.pytanie(nullptr, "Drugie ?"));
    QCOMPARE(dialogi.zapiszPlik(nullptr, {"Lista klientów (*.dat)", "dat", "Firmy", {}, true, {}, {}, {}}),
             "/tmp/a.dat");
    QCOMPARE(dialogi.wpisz(nullptr, "Szukaj danych", "Podaj ciag znaków"), std::optional<QString>("Łódź"));
    QCOMPARE(dialogi.otworzPlik(nullptr, {}), QString());
    dialogi.informacja(nullptr, "Komunikat");
    QCOMPARE(s.teksty("pytanie"), (QStringList{"Pierwsze ?", "Drugie ?"}));
    QCOMPARE(s.teksty("informacja"), QStringList{"Komunikat"});
    QCOMPARE(s.teksty("wpisz"), QStringList{"Szukaj danych|Podaj ciag znaków"});
    QVERIFY(s.niespodziewane.isEmpty());
    QCOMPARE(s.pozostaleOdpowiedzi(), 0);
}

void TstDialogi::brakOdpowiedziNieZawiesza()
{
    SkryptDialogi s;
    Dialogi &dialogi = s;
    s.plik("/x"); // a file answer where a question comes: the question gets No
    QVERIFY(!dialogi.pytanie(nullptr, "Usunąć ?"));
    QCOMPARE(s.niespodziewane.size(), 1);
    QCOMPARE(s.pozostaleOdpowiedzi(), 1);
    QVERIFY(!dialogi.wpisz(nullptr, "a", "b").has_value());
    QCOMPARE(s.niespodziewane.size(), 2);
}

void TstDialogi::rozszerzenieDodawaneDoGolejNazwy_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("wynik");
    QTest::newRow("gola") << "/k/lista"
                          << "/k/lista.dat";
    QTest::newRow("z rozszerzeniem") << "/k/lista.dat"
                                     << "/k/lista.dat";
    QTest::newRow("inne rozszerzenie") << "/k/lista.txt"
                                       << "/k/lista.txt";
    QTest::newRow("kropka w katalogu") << "/k.d/lista"
                                       << "/k.d/lista.dat";
    QTest::newRow("pusta") << ""
                           << "";
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

void TstDialogi::pytaniaZAnulujIDomyslnymNie_data()
{
    QTest::addColumn<int>("przycisk"); // the button pressed in the real box
    QTest::addColumn<int>("wynik");    // 1 Yes, 0 No, -1 Cancel
    QTest::newRow("Tak") << int(QMessageBox::Yes) << 1;
    QTest::newRow("Nie") << int(QMessageBox::No) << 0;
    QTest::newRow("Anuluj") << int(QMessageBox::Cancel) << -1;
}

void TstDialogi::pytaniaZAnulujIDomyslnymNie()
{
    // The real three-way box has Polish buttons; the destructive question defaults to No.
    QFETCH(int, przycisk);
    QFETCH(int, wynik);
    PrawdziweDialogi prawdziwe;
    QStringList napisy;
    QTimer::singleShot(0, [&] {
        auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            napisy.append(m->button(b)->text().remove(u'&'));
        m->button(QMessageBox::StandardButton(przycisk))->click();
    });
    const auto odpowiedz = prawdziwe.pytanieZAnuluj(nullptr, "Dodać zmiany?");
    QCOMPARE(napisy, (QStringList{"Tak", "Nie", "Anuluj"}));
    QCOMPARE(odpowiedz.has_value() ? int(*odpowiedz) : -1, wynik);
    QTimer::singleShot(
        0, [] { qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->defaultButton()->click(); });
    QVERIFY(!prawdziwe.pytanieDomyslnieNie(nullptr, "Usunąć listę /x.dat ?"));
}

void TstDialogi::formatCzasuBezStrefy()
{
    const QString f = formatCzasu();
    QVERIFY2(!f.contains(u't'), qPrintable(f));
    QVERIFY(f.contains(QStringLiteral("mm")));
    QVERIFY(f.contains(QStringLiteral("ss")));
    QCOMPARE(QTime(7, 8, 9).toString(f).count(QStringLiteral("08")), 1);
}

void TstDialogi::prawdziweOknaNoszaNazwy_data()
{
    QTest::addColumn<int>("okno"); // 0 open, 1 save, 2 print
    QTest::addColumn<QString>("nazwa");
    QTest::newRow("open") << 0 << QStringLiteral("OpenDialog2");
    QTest::newRow("save") << 1 << QStringLiteral("SaveDialog1");
    QTest::newRow("print") << 2 << QStringLiteral("PrintDialog1");
}

void TstDialogi::prawdziweOknaNoszaNazwy()
{
    // The real dialogs carry their design names; each is cancelled from a timer as
    // soon as it is up.
    QFETCH(int, okno);
    QFETCH(QString, nazwa);
    QString znaleziona;
    QTimer zamknij;
    zamknij.setInterval(20);
    QString tytul;
    QObject::connect(&zamknij, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            znaleziona = d->objectName();
            tytul = d->windowTitle();
            d->reject();
        }
    });
    zamknij.start();
    PrawdziweDialogi prawdziwe;
    UstawieniaPliku u;
    u.filtr = QStringLiteral("Pliki profilów (*.pro)");
    u.rozszerzenie = QStringLiteral("pro");
    u.obiekt = nazwa;
    u.tytul = okno == 0 ? QStringLiteral("Usuń listę") : QString();
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    switch (okno) {
    case 0: QVERIFY(prawdziwe.otworzPlik(nullptr, u).isEmpty()); break;
    case 1: QVERIFY(prawdziwe.zapiszPlik(nullptr, u).isEmpty()); break;
    case 2: QVERIFY(!prawdziwe.drukuj(nullptr, &drukarka)); break;
    }
    QCOMPARE(znaleziona, nazwa);
    if (okno == 0)
        QCOMPARE(tytul, QStringLiteral("Usuń listę"));
}

void TstDialogi::ikonyRysowane()
{
    // Every picture draws something at any size, and pale grey when disabled.
    for (int r = int(Ikona::Plik); r <= int(Ikona::Dom); ++r) {
        const QIcon ikonka = ikona(Ikona(r));
        QVERIFY(!ikonka.isNull());
        for (int bok : {16, 32, 85}) {
            const QImage obraz = ikonka.pixmap(bok).toImage();
            QCOMPARE(obraz.size(), QSize(bok, bok));
            const QImage szary = ikonka.pixmap(bok, QIcon::Disabled).toImage();
            int pokryte = 0;
            for (int y = 0; y < bok; ++y)
                for (int x = 0; x < bok; ++x) {
                    const QRgb p = obraz.pixel(x, y), s = szary.pixel(x, y);
                    pokryte += qAlpha(p) > 0;
                    QVERIFY(qAlpha(s) <= qAlpha(p) && qRed(s) == qGreen(s) && qGreen(s) == qBlue(s));
                }
            QVERIFY2(pokryte > bok * bok / 20, qPrintable(QStringLiteral("ikona %1, %2 px").arg(r).arg(bok)));
        }
    }
}

QTEST_MAIN(TstDialogi)
#include "tst_dialogi.moc"
