// Envelope records, the settings store and the logo decoder, without any window.

#include "../wspolne/pliki.h"
#include "jpeg.h"
#include "magazynkoperty.h"
#include "rekordykoperty.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray plik(const QString &nazwa)
{
    return czytajPlik(QStringLiteral(LK_TEST_DATA "/") + nazwa);
}

// A text field as stored: the length byte and the characters.
QByteArray pole(const QByteArray &r, qsizetype przesuniecie)
{
    return r.mid(przesuniecie, 1 + quint8(r[przesuniecie]));
}

QByteArray tekst(const char *t)
{
    return char(qstrlen(t)) + QByteArray(t);
}

UstawieniaKoperty przykladowe()
{
    UstawieniaKoperty u;
    u.nadawca = {QStringLiteral("Firma Łódź"), QStringLiteral("ul. Żółta 1"), QStringLiteral("00-001 Wąchock"),
                 QStringLiteral("tel. 1")};
    u.odLewej = {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14")};
    u.odGory = {QStringLiteral("21"), QStringLiteral("22"), QStringLiteral("23"), QStringLiteral("24")};
    u.odstep = QStringLiteral("6");
    u.nadawcaOdLewej = QStringLiteral("7");
    u.nadawcaOdGory = QStringLiteral("8");
    u.nazwaObrazka = QStringLiteral("/dane/logo.jpg");
    u.logoOdLewej = QStringLiteral("30");
    u.logoOdGory = QStringLiteral("40");
    u.rozmiar = 3;
    u.logo = 1;
    u.poziomo = 0;
    return u;
}

} // namespace

class TestRekordyKoperty : public QObject
{
    Q_OBJECT
private slots:
    void poczatkowyUklad_data();
    void poczatkowyUklad();
    void poczatkowyUkladReszta();
    void profilPolozenia_data();
    void profilPolozenia();
    void profilTamIZPowrotem();
    void tekstyObcinane_data();
    void tekstyObcinane();
    void bajtyZaTekstemZostaja();
    void brakRozmiaruZostawiaBajt();
    void wczytajLubUtworz();
    void magazyn();
    void jpeg_data();
    void jpeg();
    void jpegCmyk();
    void jpegLosowe();
    void jpegZPliku_data();
    void jpegZPliku();
    void obrazekWindowsIPng();
};

void TestRekordyKoperty::poczatkowyUklad_data()
{
    QTest::addColumn<int>("przesuniecie");
    QTest::addColumn<QByteArray>("oczekiwane");
    QTest::newRow("n1") << 0 << tekst("");
    QTest::newRow("n4") << 243 << tekst("");
    QTest::newRow("l1") << 324 << tekst("50");
    QTest::newRow("l2") << 330 << tekst("100");
    QTest::newRow("l3") << 336 << tekst("150");
    QTest::newRow("l4") << 342 << tekst("200");
    QTest::newRow("g1") << 348
                        << QByteArray("\x02"
                                      "50");
    QTest::newRow("g2") << 354 << tekst("100");
    QTest::newRow("g3") << 360 << tekst("150");
    QTest::newRow("g4") << 366 << tekst("200");
    QTest::newRow("od") << 372 << tekst("5");
    QTest::newRow("l_n") << 378 << tekst("5");
    QTest::newRow("g_n") << 429 << tekst("5");
}

void TestRekordyKoperty::poczatkowyUklad()
{
    QFETCH(int, przesuniecie);
    QFETCH(QByteArray, oczekiwane);
    const QByteArray r = UkladKoperty::poczatkowy();
    QCOMPARE(r.size(), 480);
    QCOMPARE(pole(r, przesuniecie), oczekiwane);
}

void TestRekordyKoperty::poczatkowyUkladReszta()
{
    // Every byte not named by the initial values is zero.
    QByteArray r = UkladKoperty::poczatkowy();
    for (qsizetype p : {324, 330, 336, 342, 348, 354, 360, 366, 372, 378, 429})
        r.replace(p, 1 + quint8(r[p]), QByteArray(1 + quint8(r[p]), '\0'));
    QCOMPARE(r, QByteArray(480, '\0'));
}

void TestRekordyKoperty::profilPolozenia_data()
{
    QTest::addColumn<int>("przesuniecie");
    QTest::addColumn<QByteArray>("oczekiwane");
    QTest::newRow("n1") << 0
                        << QByteArray("\x0a"
                                      "Firma \xa3\xf3"
                                      "d\x9f");
    QTest::newRow("n4") << 243 << tekst("tel. 1");
    QTest::newRow("l1") << 324 << tekst("11");
    QTest::newRow("g4") << 366 << tekst("24");
    QTest::newRow("od") << 372 << tekst("6");
    QTest::newRow("g_n") << 429 << tekst("8");
    QTest::newRow("nazwa") << 480 << tekst("/dane/logo.jpg");
    QTest::newRow("g_log") << 717 << tekst("40");
    QTest::newRow("rozmiar") << 723 << QByteArray("\x03\x01\x00", 3);
}

void TestRekordyKoperty::profilPolozenia()
{
    QFETCH(int, przesuniecie);
    QFETCH(QByteArray, oczekiwane);
    QByteArray r(ProfilKoperty::Rozmiar, '\0');
    wpiszProfil(r, przykladowe());
    QCOMPARE(r.size(), 726);
    QCOMPARE(r.mid(przesuniecie, oczekiwane.size()), oczekiwane);
}

void TestRekordyKoperty::profilTamIZPowrotem()
{
    QByteArray r(ProfilKoperty::Rozmiar, '\0');
    const UstawieniaKoperty u = przykladowe();
    wpiszProfil(r, u);
    // Read back and stored again: the same bytes, so every field came back.
    UstawieniaKoperty w;
    odczytajProfil(r, w);
    QByteArray znowu(ProfilKoperty::Rozmiar, '\0');
    wpiszProfil(znowu, w);
    QCOMPARE(znowu, r);
    QCOMPARE(w.nadawca, u.nadawca);

    // The separate defaults records hold the same fields at the same places.
    QByteArray uklad(UkladKoperty::Rozmiar, '\0'), logo(LogoKoperty::Rozmiar, '\0'), opcje(3, '\0');
    wpiszUklad(uklad, 0, u);
    wpiszLogo(logo, 0, u);
    wpiszOpcje(opcje, 0, u);
    QCOMPARE(uklad + logo + opcje, r);
}

void TestRekordyKoperty::tekstyObcinane_data()
{
    QTest::addColumn<QString>("wpisane");
    QTest::addColumn<QString>("zapisane");
    QTest::addColumn<int>("pole"); // 0 preset, 1 sender position, 2 picture path, 3 sender line
    QTest::newRow("preset 6 digits") << QStringLiteral("123456") << QStringLiteral("12345") << 0;
    QTest::newRow("sender left 51") << QString(51, u'7') << QString(50, u'7') << 1;
    QTest::newRow("path 231") << QString(231, u'a') << QString(230, u'a') << 2;
    QTest::newRow("sender line 81") << QString(81, u'ż') << QString(80, u'ż') << 3;
}

void TestRekordyKoperty::tekstyObcinane()
{
    QFETCH(QString, wpisane);
    QFETCH(QString, zapisane);
    QFETCH(int, pole);
    UstawieniaKoperty u;
    QString *cel[] = {&u.odLewej[1], &u.nadawcaOdLewej, &u.nazwaObrazka, &u.nadawca[2]};
    *cel[pole] = wpisane;
    QByteArray r(ProfilKoperty::Rozmiar, '\0');
    wpiszProfil(r, u);
    UstawieniaKoperty w;
    odczytajProfil(r, w);
    const QString *wynik[] = {&w.odLewej[1], &w.nadawcaOdLewej, &w.nazwaObrazka, &w.nadawca[2]};
    QCOMPARE(*wynik[pole], zapisane);
    // The neighbouring field is untouched.
    QCOMPARE(w.odLewej[2], QString());
    QCOMPARE(w.nadawca[3], QString());
}

void TestRekordyKoperty::bajtyZaTekstemZostaja()
{
    // A working copy that held a longer text keeps its tail after a shorter one is stored.
    QByteArray r(UkladKoperty::Rozmiar, '\0');
    UstawieniaKoperty u;
    u.odLewej[0] = QStringLiteral("12345");
    wpiszUklad(r, 0, u);
    u.odLewej[0] = QStringLiteral("9");
    wpiszUklad(r, 0, u);
    QCOMPARE(r.mid(324, 6), QByteArray("\x01"
                                       "92345"));
}

void TestRekordyKoperty::brakRozmiaruZostawiaBajt()
{
    QByteArray r("\x04\x07\x07", 3);
    UstawieniaKoperty u; // no preset checked, both boxes clear
    wpiszOpcje(r, 0, u);
    QCOMPARE(r, QByteArray("\x04\x00\x00", 3));
    u.rozmiar = 2;
    u.poziomo = 1;
    wpiszOpcje(r, 0, u);
    QCOMPARE(r, QByteArray("\x02\x00\x01", 3));
}

void TestRekordyKoperty::wczytajLubUtworz()
{
    QTemporaryDir tmp;
    const QString s = tmp.filePath(QStringLiteral("dane_kop_1.dat"));
    QByteArray bufor(UkladKoperty::Rozmiar, '\x55');
    QVERIFY(::wczytajLubUtworz(s, UkladKoperty::poczatkowy(), bufor).ok());
    QCOMPARE(bufor, UkladKoperty::poczatkowy());
    QCOMPARE(czytajPlik(s), UkladKoperty::poczatkowy());

    // An existing file is read, not replaced.
    QVERIFY(zapiszPlik(s, QByteArray(480, '\x01')));
    QVERIFY(::wczytajLubUtworz(s, UkladKoperty::poczatkowy(), bufor).ok());
    QCOMPARE(bufor, QByteArray(480, '\x01'));

    // A short file fails and leaves the buffer.
    QVERIFY(zapiszPlik(s, QByteArray(479, '\x02')));
    QCOMPARE(::wczytajLubUtworz(s, UkladKoperty::poczatkowy(), bufor).tekst(),
             QStringLiteral("Read beyond end of file"));
    QCOMPARE(bufor, QByteArray(480, '\x01'));

    // No folder: nothing created.
    QCOMPARE(::wczytajLubUtworz(tmp.filePath(QStringLiteral("ADMINI/x.dat")), QByteArray(3, '\0'), bufor).tekst(),
             QStringLiteral("Invalid filename"));
}

void TestRekordyKoperty::jpeg_data()
{
    QTest::addColumn<QByteArray>("dane");
    QTest::addColumn<QSize>("rozmiar"); // invalid: an error is expected
    const QByteArray dobry = plik(QStringLiteral("logo.jpg"));
    QTest::newRow("valid") << dobry << QSize(12, 8);
    QTest::newRow("grey") << plik(QStringLiteral("szary.jpg")) << QSize(10, 6);
    QTest::newRow("truncated") << dobry.left(dobry.size() * 2 / 3) << QSize();
    QTest::newRow("header only") << dobry.left(dobry.indexOf("\xff\xda")) << QSize();
    QTest::newRow("text file") << QByteArray("To nie jest obrazek, tylko tekst.\n") << QSize();
    QTest::newRow("start marker only") << QByteArray("\xff\xd8", 2) << QSize();
    QByteArray uszkodzony = dobry;
    for (qsizetype i = dobry.indexOf("\xff\xc0"); i < dobry.indexOf("\xff\xc0") + 12; ++i)
        uszkodzony[i] = char(0x00);
    QTest::newRow("damaged frame header") << uszkodzony << QSize();
    // A few hundred bytes claiming a huge picture are refused before any memory is
    // taken for it.
    const qsizetype sof = dobry.indexOf("\xff\xc0") + 5;
    for (int bok : {60000, 7072}) {
        QByteArray duzy = dobry;
        for (int i : {0, 2}) {
            duzy[sof + i] = char(bok >> 8);
            duzy[sof + i + 1] = char(bok & 0xff);
        }
        QTest::addRow("%d x %d pixels claimed", bok, bok) << duzy << QSize();
    }
}

void TestRekordyKoperty::jpeg()
{
    QFETCH(QByteArray, dane);
    QFETCH(QSize, rozmiar);
    const ObrazJpeg w = dekodujJpeg(dane);
    if (rozmiar.isValid()) {
        QVERIFY2(w.ok(), qPrintable(w.blad));
        QCOMPARE(w.obraz.size(), rozmiar);
    } else {
        QVERIFY(!w.ok());
        QVERIFY(w.obraz.isNull());
    }
    if (QByteArray(QTest::currentDataTag()).endsWith("claimed"))
        QVERIFY2(w.blad.contains(QStringLiteral("obrazek jest za duży")), qPrintable(w.blad));
}

void TestRekordyKoperty::jpegCmyk()
{
    // A red and blue picture, once as RGB and once converted to CMYK by an image
    // program (inverted values with the Adobe marker): both decode to the same colours.
    const ObrazJpeg rgb = dekodujJpeg(plik(QStringLiteral("logo.jpg")));
    const ObrazJpeg cmyk = dekodujJpeg(plik(QStringLiteral("logo_cmyk.jpg")));
    QVERIFY2(cmyk.ok(), qPrintable(cmyk.blad));
    QCOMPARE(cmyk.obraz.size(), QSize(12, 8));
    for (QPoint p : {QPoint(1, 4), QPoint(10, 4)}) {
        const QColor a = rgb.obraz.pixelColor(p), b = cmyk.obraz.pixelColor(p);
        QVERIFY2(qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40,
                 qPrintable(QStringLiteral("%1 vs %2").arg(a.name(), b.name())));
    }
    QVERIFY(cmyk.obraz.pixelColor(1, 4).red() > 200);
    QVERIFY(cmyk.obraz.pixelColor(10, 4).blue() > 200);
}

void TestRekordyKoperty::jpegLosowe()
{
    // Damaged copies of a good picture and random bytes never crash the decoder.
    const QByteArray dobry = plik(QStringLiteral("logo.jpg"));
    QRandomGenerator los(1234);
    for (int i = 0; i < 300; ++i) {
        QByteArray d = dobry;
        const int ile = 1 + int(los.bounded(8));
        for (int j = 0; j < ile; ++j)
            d[los.bounded(int(d.size()))] = char(los.bounded(256));
        if (i % 3 == 0)
            d.truncate(los.bounded(int(d.size())));
        const ObrazJpeg w = dekodujJpeg(d);
        QVERIFY(w.ok() != w.obraz.isNull());
        QByteArray smieci(int(los.bounded(600)), '\0');
        los.fillRange(reinterpret_cast<quint32 *>(smieci.data()), smieci.size() / 4);
        if (i % 2)
            smieci.prepend("\xff\xd8\xff", 3);
        dekodujJpeg(smieci);
    }
}

void TestRekordyKoperty::jpegZPliku_data()
{
    QTest::addColumn<QString>("sciezka");
    QTest::addColumn<bool>("ok");
    QTest::newRow("picture") << QStringLiteral(LK_TEST_DATA "/logo.jpg") << true;
    QTest::newRow("missing") << QStringLiteral(LK_TEST_DATA "/nie_ma.jpg") << false;
    QTest::newRow("folder") << QStringLiteral(LK_TEST_DATA) << false;
    QTest::newRow("endless device") << QStringLiteral("/dev/zero") << false;
}

void TestRekordyKoperty::jpegZPliku()
{
    QFETCH(QString, sciezka);
    QFETCH(bool, ok);
    const ObrazJpeg o = wczytajObrazek(sciezka);
    QCOMPARE(o.ok(), ok);
    QCOMPARE(o.obraz.isNull(), !ok);
    QVERIFY2(ok || o.blad.startsWith(QStringLiteral("Nie można wczytać obrazka")), qPrintable(o.blad));
}

void TestRekordyKoperty::obrazekWindowsIPng()
{
    // A logo named the way the suite's Windows modules store it, in other letter case,
    // and a PNG with a transparent part, which prints white.
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("Logo")));
    QImage png(6, 4, QImage::Format_ARGB32);
    png.fill(Qt::transparent);
    png.setPixelColor(0, 0, Qt::red);
    QVERIFY(png.save(tmp.filePath(QStringLiteral("Logo/Firma.png"))));
    QVERIFY(QFile::copy(QStringLiteral(LK_TEST_DATA "/logo.jpg"), tmp.filePath(QStringLiteral("Logo/firma.jpg"))));
    const QString windows = QStringLiteral("C:") + QDir::toNativeSeparators(tmp.path()).replace(u'/', u'\\');
    const ObrazJpeg p = wczytajObrazek(sciezkaObrazka(windows + QStringLiteral("\\LOGO\\FIRMA.PNG")));
    QVERIFY2(p.ok(), qPrintable(p.blad));
    QCOMPARE(p.obraz.size(), QSize(6, 4));
    QCOMPARE(p.obraz.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(p.obraz.pixelColor(5, 3), QColor(Qt::white));
    QVERIFY(wczytajObrazek(sciezkaObrazka(windows + QStringLiteral("\\logo\\FIRMA.JPG"))).ok());
    // Neither JPEG nor a picture Qt reads: a Polish text, no library's English.
    QFile tekst(tmp.filePath(QStringLiteral("Logo/opis.png")));
    QVERIFY(tekst.open(QIODevice::WriteOnly) && tekst.write("to nie obrazek") > 0);
    tekst.close();
    QCOMPARE(wczytajObrazek(tekst.fileName()).blad,
             QStringLiteral("Nie można wczytać obrazka: nieznany format obrazka (obsługiwane: JPEG, PNG)"));
    QCOMPARE(dekodujJpeg(QByteArray("to nie jest JPEG")).blad,
             QStringLiteral("Nie można wczytać obrazka JPEG: plik jest uszkodzony albo nie jest obrazkiem JPEG"));
}

void TestRekordyKoperty::magazyn()
{
    using R = MagazynKoperty::Rekord;
    KatalogTestu k;
    MagazynKoperty m(k.korzen());
    // The set-up creates the missing defaults: the layout with its initial values.
    UstawieniaKoperty u;
    for (R r : {R::Logo, R::Uklad, R::Forma, R::Opcje})
        QVERIFY(!m.wczytaj(r, u, MagazynKoperty::Brakujacy::Utworz));
    QCOMPARE(k.czytaj(QStringLiteral("Admini/dane_kop_1.dat")), UkladKoperty::poczatkowy());
    QCOMPARE(k.czytaj(QStringLiteral("Admini/dane_kop_for.dat")), QByteArray(21, '\0'));
    QCOMPARE(u.odLewej[1], QStringLiteral("100"));

    // Stored and read back, the form of address included.
    const UstawieniaKoperty zapisane = przykladowe();
    QVERIFY(!m.zapiszDomyslne(zapisane));
    QVERIFY(!m.zapiszForme(QStringLiteral("Szanowny Pan")));
    UstawieniaKoperty wczytane;
    for (R r : {R::Opcje, R::Logo, R::Uklad, R::Forma})
        QVERIFY(!m.wczytaj(r, wczytane));
    QCOMPARE(wczytane.nadawca, zapisane.nadawca);
    QCOMPARE(wczytane.odGory, zapisane.odGory);
    QCOMPARE(wczytane.nazwaObrazka, zapisane.nazwaObrazka);
    QCOMPARE(wczytane.rozmiar, quint8(3));
    QCOMPARE(wczytane.formaAdresu, QStringLiteral("Szanowny Pan"));
    QCOMPARE(m.bufory().forma, k.czytaj(QStringLiteral("Admini/dane_kop_for.dat")));

    // A short profile fails and leaves the settings as they were.
    QVERIFY(!m.zapiszProfil(k.sciezka(QStringLiteral("a.pro")), zapisane));
    QCOMPARE(k.czytaj(QStringLiteral("a.pro")).size(), 726);
    QVERIFY(k.zapisz(QStringLiteral("krotki.pro"), QByteArray(725, 'x')));
    UstawieniaKoperty profil;
    QVERIFY(m.wczytajProfil(k.sciezka(QStringLiteral("krotki.pro")), profil));
    QVERIFY(profil.nadawca[0].isEmpty());
    QVERIFY(!m.wczytajProfil(k.sciezka(QStringLiteral("a.pro")), profil));
    QCOMPARE(profil.nadawca, zapisane.nadawca);

    // The defaults stop at the first record that cannot be written: the layout here.
    const QString uklad = k.sciezka(QStringLiteral("Admini/dane_kop_1.dat"));
    QVERIFY(QFile::remove(uklad) && QDir().mkdir(uklad));
    const QByteArray logo = k.czytaj(QStringLiteral("Admini/dane_kop_log_1.dat"));
    UstawieniaKoperty inne = zapisane;
    inne.logoOdLewej = QStringLiteral("99");
    QVERIFY(m.zapiszDomyslne(inne));
    QCOMPARE(k.czytaj(QStringLiteral("Admini/dane_kop_log_1.dat")), logo);
}

QTEST_GUILESS_MAIN(TestRekordyKoperty)
#include "test_koperta_rekordy.moc"
