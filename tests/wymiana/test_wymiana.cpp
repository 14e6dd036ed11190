// Clients in and out: CSV and vCard round trips, golden files of exports and of real-world
// shaped inputs (zlote/), a failing device, the import plan on a full list, bad inputs,
// and peers reading what we write.
#include "wymiana.h"

#include "tekst.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Klienci;
using namespace Wymiana;

namespace {

const PodpisyPol kPodpisy{QStringLiteral("Telefon"), QStringLiteral("E-mail"), QString(),
                          QStringLiteral("Uwagi"),   QStringLiteral("NIP"),    QStringLiteral("Telefon")};

TekstyWiersza klient(const QStringList &pola)
{
    TekstyWiersza t;
    for (int k = 0; k < pola.size(); ++k)
        t[Nazwa1 + k] = pola[k];
    return t;
}

// A client's 12 columns joined by '|', for readable comparisons.
QString opisz(const TekstyWiersza &t)
{
    QStringList s;
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        s.append(t[k]);
    while (!s.isEmpty() && s.last().isEmpty())
        s.removeLast();
    return s.join(u'|');
}

QStringList opisz(const QList<TekstyWiersza> &k)
{
    QStringList s;
    for (const TekstyWiersza &t : k)
        s.append(opisz(t));
    return s;
}

// Rows from index 0 on, including texts at capacity, Polish letters and the characters
// each format must quote or escape.
ListaKlientow listaProbna()
{
    ListaKlientow l = ListaKlientow::nowa();
    const QString pelne80 = QString(QStringLiteral("Zażółć gęślą jaźń; \"„”\\,")).repeated(4).left(80);
    l.kopiujDoWiersza(
        0, klient({pelne80, pelne80, pelne80, QStringLiteral("00-950 ") + pelne80.left(73), QString(20, u'9'),
                   QString(QStringLiteral("Ą;ę,\"x\\ ")).repeated(13).left(100), QString(40, u'ł'), QString(40, u'€'),
                   QString(40, u';'), QString(40, u','), QString(40, u'"'), QString(40, u'Ż')}));
    l.kopiujDoWiersza(
        1, klient({QStringLiteral("Kowalski"), {}, QStringLiteral("  ul. Polna 1 "), QStringLiteral("00-001")}));
    l.kopiujDoWiersza(2, klient({{},
                                 QStringLiteral("tylko druga linia"),
                                 {},
                                 QStringLiteral("00-001  Łódź"),
                                 {},
                                 QStringLiteral("NIP: 5")}));
    l.kopiujDoWiersza(3, klient({QStringLiteral("Bez adresu"),
                                 {},
                                 {},
                                 {},
                                 QStringLiteral("123"),
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 QStringLiteral("x")}));
    return l;
}

// Hands out its bytes, then fails instead of ending; takes no write.
class ZepsuteUrzadzenie : public QIODevice
{
public:
    explicit ZepsuteUrzadzenie(const QByteArray &dane)
        : m_dane(dane)
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
        setErrorString(u"urządzenie odmówiło"_qs);
    }

protected:
    qint64 readData(char *dane, qint64 ile) override
    {
        ile = std::min(ile, m_dane.size() - m_pozycja);
        if (ile <= 0)
            return -1;
        memcpy(dane, m_dane.constData() + m_pozycja, ile);
        m_pozycja += ile;
        return ile;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_dane;
    qint64 m_pozycja = 0;
};

// ---- Golden files: tests/wymiana/zlote/<case>/, see README.md there.

QByteArray czytaj(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

PodpisyPol podpisyZJson(const QJsonObject &o)
{
    PodpisyPol p;
    const QJsonArray a = o[u"podpisy"].toArray();
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        p[i] = a[i].toString();
    return p;
}

// Clients of a JSON array put into a new list from its first row on (cut as the list cuts).
ListaKlientow listaZJson(const QJsonArray &klienci)
{
    ListaKlientow l = ListaKlientow::nowa();
    for (int w = 0; w < klienci.size(); ++w)
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            l.ustawTekst(k, w, klienci[w].toObject()[QLatin1String(NazwyKolumn[k])].toString());
    return l;
}

QJsonArray klienciDoJson(const QList<TekstyWiersza> &klienci)
{
    QJsonArray a;
    for (const TekstyWiersza &t : klienci) {
        QJsonObject o;
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            if (!t[k].isEmpty())
                o.insert(QLatin1String(NazwyKolumn[k]), t[k]);
        a.append(o);
    }
    return a;
}

// Compares line by line and names the first line that differs. With LK_ZLOTE_ZAPISZ set
// the file is written instead (for a new case: then read it by eye).
QString porownajZPlikiem(const QByteArray &wynik, const QString &sciezka)
{
    if (qEnvironmentVariableIsSet("LK_ZLOTE_ZAPISZ")) {
        QFile f(sciezka);
        return f.open(QIODevice::WriteOnly) && f.write(wynik) == wynik.size() ? QString() : u"nie zapisano"_qs;
    }
    const QList<QByteArray> a = wynik.split('\n'), b = czytaj(sciezka).split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return QStringLiteral("%1, linia %2:\n  jest:    %3\n  powinno: %4")
                .arg(sciezka)
                .arg(i + 1)
                .arg(QString::fromUtf8(a.value(i)), QString::fromUtf8(b.value(i)));
    return {};
}

QStringList przypadki(const QString &kierunek)
{
    QStringList p;
    for (const QString &n : QDir(QStringLiteral(LK_ZLOTE)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (n.startsWith(kierunek + u'-'))
            p.append(n);
    if (p.isEmpty())
        qFatal("no %s cases in %s", qPrintable(kierunek), LK_ZLOTE);
    return p;
}

// The case's file: plik.csv or plik.vcf.
QString plikPrzypadku(const QString &katalog)
{
    const QStringList p = QDir(katalog).entryList({QStringLiteral("plik.*")}, QDir::Files);
    return p.size() == 1 ? katalog + u'/' + p[0] : QString();
}

} // namespace

class TestWymiana : public QObject
{
    Q_OBJECT

private slots:
    void kolko_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("csv ;") << "csv;";
        QTest::newRow("csv ,") << "csv,";
        QTest::newRow("vcard") << "vcard";
    }

    // Export, then import into a new list: the same rows byte for byte in every column.
    void kolko()
    {
        QFETCH(QString, format);
        const ListaKlientow zrodlo = listaProbna();
        const QList<int> wiersze = wierszeZTekstem(zrodlo);
        QCOMPARE(wiersze, (QList<int>{0, 1, 2, 3}));
        const QByteArray plik = format == u"vcard" ? eksportVcard(zrodlo, wiersze, kPodpisy)
                                                   : eksportCsv(zrodlo, wiersze, kPodpisy, format.back());
        if (format == u"vcard") {
            for (const QByteArray &linia : plik.split('\n')) {
                QVERIFY2(linia.size() <= 76, linia.constData()); // 75 and the CR
                QStringDecoder utf8(QStringDecoder::Utf8);
                (void)utf8.decode(linia);
                QVERIFY2(!utf8.hasError(), linia.constData());
            }
        } else {
            QVERIFY(plik.startsWith(QByteArray("\xEF\xBB\xBFLp") + format.back().toLatin1() + "Nazwa 1"));
        }
        const WynikWczytania w = wczytajKlientow(plik, kPodpisy);
        QVERIFY2(w.ok(), qPrintable(w.blad));
        QVERIFY(w.nierozpoznane.isEmpty());
        QCOMPARE(w.klienci.size(), 4);

        ListaKlientow cel = ListaKlientow::nowa();
        const PlanImportu plan = zaplanujImport(cel, w.klienci);
        QCOMPARE(plan.wiersze, wiersze);
        QVERIFY(plan.uwagi.isEmpty());
        zastosujPlan(cel, plan);
        for (int r : wiersze)
            for (int k = 0; k < LiczbaKolumn; ++k)
                QCOMPARE(cel.bajty(k, r), zrodlo.bajty(k, r));
        QCOMPARE(cel, zrodlo);
    }

    void zloteEksporty_data()
    {
        QTest::addColumn<QString>("katalog");
        for (const QString &p : przypadki(u"eksport"_qs))
            QTest::newRow(qPrintable(p)) << QStringLiteral(LK_ZLOTE "/") + p;
    }

    // The clients of lista.json put into a new list from its first row on and exported:
    // the file written is plik.csv or plik.vcf byte for byte.
    void zloteEksporty()
    {
        QFETCH(QString, katalog);
        const QJsonObject o = QJsonDocument::fromJson(czytaj(katalog + QStringLiteral("/lista.json"))).object();
        QVERIFY(!o.isEmpty());
        const ListaKlientow l = listaZJson(o[u"klienci"].toArray());
        const QString plik = plikPrzypadku(katalog);
        const bool vcard = plik.endsWith(u".vcf");
        QVERIFY2(vcard || plik.endsWith(u".csv"), qPrintable(katalog));
        const QByteArray wynik =
            vcard ? eksportVcard(l, wierszeZTekstem(l), podpisyZJson(o))
                  : eksportCsv(l, wierszeZTekstem(l), podpisyZJson(o), o[u"separator"].toString(u";"_qs).front());
        const QString roznica = porownajZPlikiem(wynik, plik);
        QVERIFY2(roznica.isEmpty(), qPrintable(roznica));
    }

    void zloteImporty_data()
    {
        QTest::addColumn<QString>("katalog");
        for (const QString &p : przypadki(u"import"_qs))
            QTest::newRow(qPrintable(p)) << QStringLiteral(LK_ZLOTE "/") + p;
    }

    // plik.csv or plik.vcf read with the captions of lista.json: the clients, what no
    // column takes, the cards or records left out, and for CSV the encoding and the columns
    // not recognised, are those of lista.json; with "naLiscie" (clients already on the
    // list, from its first row on) also where the import puts each client.
    void zloteImporty()
    {
        QFETCH(QString, katalog);
        QJsonObject o = QJsonDocument::fromJson(czytaj(katalog + QStringLiteral("/lista.json"))).object();
        const WynikWczytania w = wczytajKlientow(czytaj(plikPrzypadku(katalog)), podpisyZJson(o));
        QVERIFY2(w.ok(), qPrintable(w.blad));
        const int pokaz = o.value(u"pokaz").toInt(int(w.klienci.size()));
        o[u"klienci"] = klienciDoJson(w.klienci.mid(0, pokaz));
        if (pokaz < w.klienci.size())
            o[u"liczbaKlientow"] = int(w.klienci.size());
        QJsonArray nie, pominiete, plan;
        for (const QStringList &n : w.nieprzeniesione.mid(0, pokaz))
            nie.append(QJsonArray::fromStringList(n));
        for (const Pominiety &p : w.pominiete)
            pominiete.append(p.opis + QStringLiteral(" | ") + p.nazwa);
        if (std::any_of(w.nieprzeniesione.cbegin(), w.nieprzeniesione.cend(), [](auto &n) { return !n.isEmpty(); }))
            o[u"nieprzeniesione"] = nie;
        if (!pominiete.isEmpty())
            o[u"pominiete"] = pominiete;
        if (w.format == Format::Csv) {
            o[u"kodowanie"] = w.kodowanie;
            QJsonArray nierozpoznane;
            for (int k : w.nierozpoznane)
                nierozpoznane.append(w.naglowek[k]);
            o[u"nierozpoznane"] = nierozpoznane;
        }
        if (o.contains(u"naLiscie")) {
            const PlanImportu p = zaplanujImport(listaZJson(o[u"naLiscie"].toArray()), w.klienci);
            for (const StanKlienta &s : p.stany) {
                QString t = s.wiersz >= 0 ? QStringLiteral("wiersz %1").arg(s.wiersz + 1) : QStringLiteral("pominięty");
                if (s.powtorzony())
                    t += QStringLiteral(": jak %1 %2 (%3)")
                             .arg(s.powtorzonyWiersz >= 0 ? u"wiersz"_qs : u"klient"_qs)
                             .arg(std::max(s.powtorzonyWiersz, s.powtorzonyKlient) + 1)
                             .arg(s.poNip ? u"NIP"_qs : u"nazwa i miejscowość"_qs);
                if (s.zlyNip)
                    t += QStringLiteral(", zła cyfra kontrolna NIP");
                plan.append(t);
            }
            o[u"plan"] = plan;
        }
        const QString roznica = porownajZPlikiem(QJsonDocument(o).toJson(), katalog + QStringLiteral("/lista.json"));
        QVERIFY2(roznica.isEmpty(), qPrintable(roznica));
    }

    // Unknown CSV columns are reported, and a mapping given by the user replaces the
    // automatic one.
    void mapowanie()
    {
        const QByteArray dane = "Nazwa;Kolor;XYZ\nA;601;z\n";
        WynikWczytania w = wczytajKlientow(dane, kPodpisy);
        QVERIFY(w.ok());
        QCOMPARE(w.naglowek, (QStringList{"Nazwa", "Kolor", "XYZ"}));
        QCOMPARE(w.mapowanie, (QList<int>{Nazwa1, Pomin, Pomin}));
        QCOMPARE(w.nierozpoznane, (QList<int>{1, 2}));
        w = wczytajKlientow(dane, kPodpisy, QList<int>{Nazwa1, Info2, Pomin});
        QCOMPARE(opisz(w.klienci), QStringList{"A|||||||601"});
        QVERIFY(wczytajKlientow(dane, kPodpisy, QList<int>{Nazwa1}).blad.startsWith(u"Wiersz 1:"));
    }

    // Rows holding any text are never taken; cut fields and missing characters are
    // reported as they will be stored; a full list takes nobody.
    void plan()
    {
        ListaKlientow l = ListaKlientow::nowa();
        l.ustawTekst(Opis, 0, u"zajęty bez nazwy");
        l.ustawTekst(Nazwa1, 2, u"B");
        const QList<TekstyWiersza> nowi{klient({QString(81, u'x'), u"日本"_qs}), klient({u"C"_qs})};
        PlanImportu p = zaplanujImport(l, nowi);
        QCOMPARE(p.wiersze, (QList<int>{1, 3}));
        QCOMPARE(p.uwagi.size(), 2);
        QCOMPARE(p.uwagi[0].rodzaj, UwagaImportu::Przyciete);
        QCOMPARE(p.uwagi[0].zapisane, QString(80, u'x'));
        QCOMPARE(p.uwagi[1].rodzaj, UwagaImportu::BrakZnakow);
        QCOMPARE(p.uwagi[1].zapisane, u"??"_qs);
        QCOMPARE(p.uwagi[1].kolumna, int(Nazwa2));
        zastosujPlan(l, p);
        QCOMPARE(l.tekst(Nazwa1, 3), u"C"_qs);
        QCOMPARE(l.tekst(Lp, 3), u"04"_qs);

        for (int r = 0; r < LiczbaWierszy; ++r)
            l.ustawTekst(Nazwa1, r, u"Pełny"_qs);
        p = zaplanujImport(l, nowi);
        QCOMPARE(p.umieszczone(), 0);
        QCOMPARE(p.niemieszczace.size(), 2);
        QVERIFY(wczytajKlientow(eksportCsv(p.niemieszczace, kPodpisy), kPodpisy).klienci.size() == 2);
    }

    void zepsuteUrzadzenie_data()
    {
        QTest::addColumn<bool>("vcard");
        QTest::newRow("CSV") << false;
        QTest::newRow("vCard") << true;
    }

    // A device that fails is reported as the failure it is, never as a file written or
    // read, even when the bytes before the failure make a whole file.
    void zepsuteUrzadzenie()
    {
        QFETCH(bool, vcard);
        const QList<TekstyWiersza> klienci{klient({u"Łódź"_qs})};
        ZepsuteUrzadzenie u(vcard ? eksportVcard(klienci, kPodpisy) : eksportCsv(klienci, kPodpisy));
        PisarzCsv csv(kPodpisy);
        PisarzVcard vcf(kPodpisy);
        QVERIFY(vcard ? !vcf.zapisz(u, klienci) : !csv.zapisz(u, klienci));
        QCOMPARE(vcard ? vcf.blad() : csv.blad(), u"Błąd zapisu: urządzenie odmówiło"_qs);
        const WynikWczytania w = vcard ? CzytnikVcard(kPodpisy).czytaj(u) : CzytnikCsv(kPodpisy).czytaj(u);
        QCOMPARE(w.blad, u"Błąd odczytu: urządzenie odmówiło"_qs);
        QVERIFY(w.klienci.isEmpty());
    }

    void zleDane_data()
    {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<QString>("poczatek");
        QTest::newRow("binarny") << QByteArray("Nazwa;A\nx\0y", 12) << "Linia 2: plik binarny";
        QTest::newRow("pusty") << QByteArray(" \r\n") << "Linia 1: plik jest pusty";
        QTest::newRow("bez END") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\n")
                                 << "Linia 1: karta bez END:VCARD";
        QTest::newRow("karta w karcie") << QByteArray("BEGIN:VCARD\nFN:A\nBEGIN:VCARD\n")
                                        << "Linia 3: BEGIN:VCARD wewnątrz";
        QTest::newRow("śmieci w karcie") << QByteArray("BEGIN:VCARD\nFN:A\nbzdura\nEND:VCARD\n")
                                         << "Linia 3: brak dwukropka";
        QTest::newRow("poza kartą") << QByteArray("BEGIN:VCARD\nEND:VCARD\nFN:B\n") << "Linia 3: tekst poza kartą";
        QTest::newRow("END bez BEGIN") << QByteArray("BEGIN:VCARD\nEND:VCARD\nEND:VCARD\n") << "Linia 3: END bez";
        QTest::newRow("otwarty cudzysłów") << QByteArray("Nazwa;Ulica\n\"C;D\n") << "Wiersz 2: cudzysłów";
        QTest::newRow("za dużo pól") << QByteArray("Nazwa;Ulica\nC;D;E\n") << "Wiersz 2: więcej pól";
        QTest::newRow("bez nagłówka") << QByteArray("Alfa;ul. Polna 1;Opole\nBeta;;Nysa\n")
                                      << "Wiersz 1: nie rozpoznano nagłówka";
        QTest::newRow("nieznany zestaw znaków")
            << QByteArray("BEGIN:VCARD\nFN;CHARSET=XYZ:a\nEND:VCARD\n") << "Linia 2: nieznany zestaw znaków „XYZ”";
        QTest::newRow("UTF-7 bez pary") << QByteArray("BEGIN:VCARD\r\nN;CHARSET=UTF7:+windIW\nEND:")
                                        << "Linia 2: tekst w zestawie znaków „UTF7” jest niepoprawny";
        QTest::newRow("zwykły tekst") << QByteArray("Drogi Panie,\nzałączam.\n") << "Wiersz 1: to nie jest plik CSV";
        QTest::newRow("za duży") << QByteArray(MaksRozmiarPliku + 1, 'a') << "Plik jest za duży";
    }

    void zleDane()
    {
        QFETCH(QByteArray, dane);
        QFETCH(QString, poczatek);
        const WynikWczytania w = wczytajKlientow(dane, kPodpisy);
        QVERIFY2(w.blad.startsWith(poczatek), qPrintable(w.blad));
        QVERIFY(w.klienci.isEmpty());
    }

    void duzyPlik()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(u"duzy.csv"_qs));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(MaksRozmiarPliku + 1));
        f.close();
        QString blad;
        QVERIFY(czytajPlikWymiany(f.fileName(), blad).isEmpty());
        QVERIFY(blad.startsWith(u"Plik jest za duży"));
        QVERIFY(wczytajPlikKlientow(dir.filePath(u"brak.csv"_qs), kPodpisy).blad.startsWith(u"Nie można otworzyć"));
    }

    // Python's csv module and vobject read our files as we meant them.
    void czytanePrzezInnych()
    {
        const ListaKlientow l = listaProbna();
        const QList<int> wiersze = wierszeZTekstem(l);
        QTemporaryDir dir;
        const QString csv = dir.filePath(u"k.csv"_qs), vcf = dir.filePath(u"k.vcf"_qs);
        QVERIFY(eksportujDoPliku(csv, Format::Csv, l, wiersze, kPodpisy).ok());
        QVERIFY(eksportujDoPliku(vcf, Format::Vcard, l, wiersze, kPodpisy).ok());
        QProcess py;
        py.start(u"/usr/bin/python3"_qs, {QStringLiteral(LK_PEER_PY), csv, vcf});
        QVERIFY(py.waitForFinished(60000));
        QVERIFY2(py.exitCode() == 0, py.readAllStandardError().constData());
        const QJsonObject o = QJsonDocument::fromJson(py.readAllStandardOutput()).object();

        const QJsonArray rows = o[u"csv"].toArray();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].toArray()[5].toString(), u"NIP"_qs);
        QCOMPARE(rows[0].toArray()[9].toString(), u"Info 3"_qs);
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < LiczbaKolumn; ++k)
                QCOMPARE(rows[r + 1].toArray()[k].toString(), l.tekst(k, r));

        const QJsonArray cards = o[u"vcf"].toArray();
        QCOMPARE(cards.size(), 4);
        const QJsonObject c0 = cards[0].toObject();
        QCOMPARE(c0[u"org"].toArray()[0].toString(), l.tekst(Nazwa1, 0));
        QCOMPARE(c0[u"org"].toArray()[1].toString(), l.tekst(Nazwa2, 0));
        QCOMPARE(c0[u"adr"].toArray()[0].toString(), l.tekst(Ulica, 0));
        QCOMPARE(c0[u"adr"].toArray()[1].toString(), l.tekst(Miejscowosc, 0).mid(7));
        QCOMPARE(c0[u"adr"].toArray()[2].toString(), u"00-950"_qs);
        QCOMPARE(c0[u"X-NIP"].toString(), l.tekst(Nip, 0));
        QCOMPARE(c0[u"note"].toString(), u"NIP: "_qs + l.tekst(Nip, 0) + u'\n' + l.tekst(Opis, 0));
        QCOMPARE(c0[u"X-TELEFON"].toString(), l.tekst(Info1, 0));
        QCOMPARE(c0[u"X-E-MAIL"].toString(), l.tekst(Info2, 0));
        QCOMPARE(c0[u"X-INFO5"].toString(), l.tekst(Info5, 0));
        QCOMPARE(c0[u"X-INFO6"].toString(), l.tekst(Info6, 0));
        QCOMPARE(cards[2].toObject()[u"adr"].toArray()[1].toString(), u"00-001  Łódź"_qs);
    }
};

QTEST_GUILESS_MAIN(TestWymiana)
#include "test_wymiana.moc"
