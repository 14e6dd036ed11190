// The client list window under a long run of random operations: adding, deleting,
// searching, sorting both ways, the first free row, clicking rows, new lists and
// reading lists, with good and bad row numbers and texts longer than the columns hold.
// A plain model of the list says what must happen; after every step the file, the
// list box and the 13 edit fields must agree with it.
//
// LK_SOAK_KROKI=N runs N steps (default 3000); LK_SOAK_ZIARNO=S repeats the run of seed S
// (printed at the start and with every failure).
#include "../wspolne/kontrolki.h"
#include "kontekst.h"
#include "skryptdialogi.h"
#include "tdokumenty.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <random>

// A named namespace: the test class below holds these types, and a class of a unity build
// may not hold a type of an anonymous namespace.
namespace soak {

constexpr int Wiersze = 501;
constexpr int Kolumny = 13;
// Characters each column holds, lp first.
constexpr std::array<int, Kolumny> Pojemnosci{5, 80, 80, 80, 80, 20, 100, 40, 40, 40, 40, 40, 40};

using Wiersz = std::array<QString, Kolumny>;

QString numer(int w)
{
    return w < 9 ? QStringLiteral("0%1").arg(w + 1) : QString::number(w + 1);
}

// What a column keeps of a typed text: characters outside Windows-1250 become "?",
// and the text is cut to the column's capacity.
QString zapisany(const QString &tekst, int kolumna)
{
    QString wynik;
    for (QChar z : tekst) {
        QStringEncoder koder("windows-1250");
        const QByteArray b = koder.encode(QStringView(&z, 1));
        wynik += koder.hasError() ? QChar(u'?') : z;
    }
    return wynik.left(Pojemnosci[kolumna]);
}

// The model: 501 rows of texts, lp included.
struct Model
{
    std::vector<Wiersz> wiersze;

    static Model nowa()
    {
        Model m;
        m.wiersze.resize(Wiersze);
        for (int w = 0; w < Wiersze; ++w)
            m.wiersze[w][0] = numer(w);
        return m;
    }
    QString linia(int w) const { return wiersze[w][0] + u' ' + wiersze[w][1] + u' ' + wiersze[w][2]; }
    int pierwszyWolny() const
    {
        for (int w = 0; w < Wiersze; ++w)
            if (wiersze[w][1].isEmpty())
                return w;
        return -1;
    }
    // Another row whose NIP is the same number (separators, a leading "PL" and letter
    // case aside); -1 when none.
    static QString kluczNip(QString nip)
    {
        nip = nip.toUpper().remove(QRegularExpression(QStringLiteral("[ ./-]")));
        if (nip.startsWith(QLatin1String("PL")))
            nip.remove(0, 2);
        return nip.contains(QRegularExpression(QStringLiteral("\\d"))) ? nip : QString();
    }
    int tenSamNip(const QString &nip, int pomin) const
    {
        const QString klucz = kluczNip(nip);
        for (int w = 0; w < Wiersze && !klucz.isEmpty(); ++w)
            if (w != pomin && kluczNip(wiersze[w][5]) == klucz)
                return w;
        return -1;
    }
    int szukaj(const QString &t) const
    {
        if (t.isEmpty())
            return -1;
        for (int w = 0; w < Wiersze; ++w)
            for (int k = 1; k <= 6; ++k)
                if (wiersze[w][k].contains(t))
                    return w;
        return -1;
    }
    // Named rows sorted by nazwa1 (Polish alphabet, case ignored, numbers by value,
    // stable), packed from row 1, renumbered; everything else empty.
    void sortuj(bool odAdoZ)
    {
        std::vector<Wiersz> nazwane;
        for (const Wiersz &w : wiersze)
            if (!w[1].isEmpty())
                nazwane.push_back(w);
        QCollator c{QLocale(QLocale::Polish, QLocale::Poland)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        auto mniejszy = [&](const Wiersz &a, const Wiersz &b) { return c.compare(a[1], b[1]) < 0; };
        if (odAdoZ)
            std::stable_sort(nazwane.begin(), nazwane.end(), mniejszy);
        else
            std::stable_sort(nazwane.begin(), nazwane.end(),
                             [&](const Wiersz &a, const Wiersz &b) { return mniejszy(b, a); });
        *this = nowa();
        for (size_t i = 0; i < nazwane.size(); ++i)
            for (int k = 1; k < Kolumny; ++k)
                wiersze[i][k] = nazwane[i][k];
    }
};

// The row a typed number names: leading spaces, a sign, decimal or hexadecimal ("$",
// "x", "0x") digits; a fault gives the digits read so far without the sign.
qint64 liczbaWpisana(const QString &t)
{
    int i = 0;
    while (i < t.size() && t[i] == u' ')
        ++i;
    bool minus = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        minus = t[i++] == u'-';
    int podstawa = 10;
    if (i < t.size() && (t[i] == u'$' || t[i] == u'x' || t[i] == u'X')) {
        podstawa = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == u'0' && (t[i + 1] == u'x' || t[i + 1] == u'X')) {
        podstawa = 16;
        i += 2;
    }
    qint64 wartosc = 0;
    bool cyfra = false;
    for (; i < t.size(); ++i) {
        const int c = QString(t[i]).toInt(nullptr, podstawa);
        const bool jest = t[i].isDigit() || (podstawa == 16 && QStringLiteral("abcdefABCDEF").contains(t[i]));
        if (!jest || t[i].unicode() > 127)
            return wartosc; // a fault: no sign
        if (wartosc * podstawa + c > 0x7fffffff)
            return wartosc;
        wartosc = wartosc * podstawa + c;
        cyfra = true;
    }
    return cyfra && minus ? -wartosc : wartosc;
}

// The texts of the list file, read with offsets of its own (column after column,
// 501 entries each).
std::vector<Wiersz> czytajPlikListy(const QString &sciezka, QString *blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        *blad = QStringLiteral("no file ") + sciezka;
        return {};
    }
    const QByteArray d = f.readAll();
    if (d.size() != 349698) {
        *blad = QStringLiteral("file size %1").arg(d.size());
        return {};
    }
    std::vector<Wiersz> w(Wiersze);
    qsizetype p = 0;
    for (int k = 0; k < Kolumny; ++k)
        for (int r = 0; r < Wiersze; ++r, p += Pojemnosci[k] + 1) {
            const int n = quint8(d[p]);
            if (n > Pojemnosci[k]) {
                *blad = QStringLiteral("length byte %1 in column %2 row %3").arg(n).arg(k).arg(r + 1);
                return {};
            }
            QStringDecoder dek("windows-1250");
            w[r][k] = dek.decode(d.mid(p + 1, n));
        }
    return w;
}

const QStringList Slowa{QStringLiteral("Łódź"),
                        QStringLiteral("Kowalski"),
                        QStringLiteral("Żółć"),
                        QStringLiteral("ąęśćńźż"),
                        QStringLiteral("ZAKŁAD"),
                        QStringLiteral("Ąbc"),
                        QStringLiteral("Świętochłowice"),
                        QStringLiteral("ul."),
                        QStringLiteral("12"),
                        QStringLiteral("€uro"),
                        QStringLiteral("Жук"),
                        QStringLiteral("a"),
                        QStringLiteral("Zenon"),
                        QStringLiteral("Sp. z o.o."),
                        QStringLiteral("\"cudzysłów\""),
                        QStringLiteral("  ")};

} // namespace soak

using namespace soak;

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void losoweOperacje();

private:
    QString tekstLosowy(int kolumna);
    QString numerLosowy();
    bool sprawdz(int krok, const QString &operacja);
    void wpiszPola();

    std::mt19937 m_los;
    quint32 m_ziarno = 0;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_start;
    SkryptDialogi m_skrypt;
    std::unique_ptr<Kontekst> m_kontekst;
    std::unique_ptr<Tdokumenty> m_okno;

    std::map<QString, Model> m_pliki; // every list file made so far
    QString m_biezacy;                // the current list file
    Wiersz m_pola;                    // what the edit fields must show
    Wiersz m_pokazane;                // the row last shown in them, and its index
    int m_pokazany = -1;
    int m_informacje = 0; // notices expected so far
    int m_bledy = 0;      // error boxes expected so far
};

void TestSoak::init()
{
    m_start = QDir::currentPath();
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_tmp->path()).mkpath(QStringLiteral("Admini")));
    QVERIFY(QDir(m_tmp->path()).mkpath(QStringLiteral("Firmy")));
    QVERIFY(QDir::setCurrent(m_tmp->path()));
}

void TestSoak::cleanup()
{
    m_okno.reset();
    QDir::setCurrent(m_start);
    m_tmp.reset();
}

QString TestSoak::tekstLosowy(int kolumna)
{
    const int rodzaj = int(m_los() % 10);
    if (rodzaj == 0)
        return {};
    QString t;
    const int slowa = rodzaj == 9 ? 40 : 1 + int(m_los() % 4); // sometimes far beyond the capacity
    for (int i = 0; i < slowa; ++i) {
        if (i)
            t += u' ';
        t += Slowa[int(m_los() % Slowa.size())];
    }
    if (kolumna == 5) // the tax number: digits and full stops, as its key filter lets through
        t = QString::number(m_los() % 100000000) + (m_los() % 2 ? QStringLiteral(".5") : QString());
    return t;
}

QString TestSoak::numerLosowy()
{
    const int r = int(m_los() % 20);
    static const QStringList zle{QString(),
                                 QStringLiteral("abc"),
                                 QStringLiteral("0"),
                                 QStringLiteral("502"),
                                 QStringLiteral("-3"),
                                 QStringLiteral("99999999999"),
                                 QStringLiteral("-99999999999"),
                                 QStringLiteral("1.5"),
                                 QStringLiteral("-5x"),
                                 QStringLiteral("$1F"),
                                 QStringLiteral("0x10"),
                                 QStringLiteral("  7"),
                                 QStringLiteral("12mm"),
                                 QStringLiteral("-$10"),
                                 QStringLiteral("+4"),
                                 QStringLiteral("ł"),
                                 QStringLiteral(" ")};
    if (r < 3)
        return zle[int(m_los() % zle.size())];
    if (r < 8) // the first rows, so that rows meet and sorting has work
        return QString::number(1 + m_los() % 12);
    if (r == 8)
        return QString::number(Wiersze);
    return QString::number(1 + m_los() % Wiersze);
}

// Types into lp and the other 12 fields (each changed or left as it is).
void TestSoak::wpiszPola()
{
    const auto pola = polaKlienta(m_okno.get());
    m_pola[0] = numerLosowy();
    pola[0]->setText(m_pola[0]);
    for (int k = 1; k < Kolumny; ++k) {
        if (m_los() % 3 == 0)
            continue;
        m_pola[k] = tekstLosowy(k).left(Pojemnosci[k]); // a field holds no more than its column
        pola[k]->setText(m_pola[k]);
    }
}

bool TestSoak::sprawdz(int krok, const QString &operacja)
{
    const QString gdzie = QStringLiteral("seed %1, step %2 (%3): ").arg(m_ziarno).arg(krok).arg(operacja);
    auto nie = [&](const QString &co) {
        QTest::qFail(qPrintable(gdzie + co), __FILE__, __LINE__);
        return false;
    };
    if (!m_skrypt.niespodziewane.isEmpty())
        return nie(QStringLiteral("unexpected dialog: ") + m_skrypt.niespodziewane.join(u'|'));
    if (m_skrypt.pozostaleOdpowiedzi() != 0)
        return nie(QStringLiteral("a scripted answer was not used"));
    if (m_skrypt.teksty(QStringLiteral("informacja")).size() != m_informacje)
        return nie(QStringLiteral("notices: %1, expected %2")
                       .arg(m_skrypt.teksty(QStringLiteral("informacja")).size())
                       .arg(m_informacje));
    if (m_skrypt.teksty(QStringLiteral("blad")).size() != m_bledy)
        return nie(QStringLiteral("error boxes: ") + m_skrypt.teksty(QStringLiteral("blad")).join(u'|'));
    if (m_biezacy.isEmpty())
        return true;

    const Model &m = m_pliki.at(m_biezacy);
    QString blad;
    const std::vector<Wiersz> plik = czytajPlikListy(m_biezacy, &blad);
    if (!blad.isEmpty())
        return nie(blad);
    for (int w = 0; w < Wiersze; ++w)
        for (int k = 0; k < Kolumny; ++k)
            if (plik[w][k] != m.wiersze[w][k])
                return nie(QStringLiteral("file row %1 column %2: \"%3\", model \"%4\"")
                               .arg(w + 1)
                               .arg(k)
                               .arg(plik[w][k], m.wiersze[w][k]));
    if (kontrolka<QListWidget>(m_okno.get(), "lista")->count() != Wiersze)
        return nie(QStringLiteral("list box lines: %1").arg(kontrolka<QListWidget>(m_okno.get(), "lista")->count()));
    for (int w = 0; w < Wiersze; ++w)
        if (kontrolka<QListWidget>(m_okno.get(), "lista")->item(w)->text() != m.linia(w))
            return nie(QStringLiteral("list box line %1: \"%2\", model \"%3\"")
                           .arg(w + 1)
                           .arg(kontrolka<QListWidget>(m_okno.get(), "lista")->item(w)->text(), m.linia(w)));
    const auto pola = polaKlienta(m_okno.get());
    for (int k = 0; k < Kolumny; ++k)
        if (pola[k]->text() != m_pola[k])
            return nie(QStringLiteral("field %1: \"%2\", model \"%3\"")
                           .arg(pola[k]->objectName(), pola[k]->text(), m_pola[k]));
    return true;
}

void TestSoak::losoweOperacje()
{
    const QByteArray zZiarna = qgetenv("LK_SOAK_ZIARNO");
    m_ziarno = zZiarna.isEmpty() ? std::random_device{}() : zZiarna.toUInt();
    const int kroki = qEnvironmentVariableIsSet("LK_SOAK_KROKI") ? qEnvironmentVariableIntValue("LK_SOAK_KROKI") : 3000;
    m_los.seed(m_ziarno);
    qInfo("soak: seed %u, %d steps (LK_SOAK_ZIARNO=%u repeats this run)", m_ziarno, kroki, m_ziarno);

    m_kontekst = std::make_unique<Kontekst>(QDir::currentPath());
    m_okno = std::make_unique<Tdokumenty>(*m_kontekst, m_skrypt);
    m_okno->zakonczProces = [] {};
    m_okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_okno.get()));
    Tdokumenty *o = m_okno.get();
    const QString firmy = m_tmp->path() + QStringLiteral("/Firmy/");
    const QStringList nazwyPlikow{firmy + QStringLiteral("klienci.dat"), firmy + QStringLiteral("Łódź 2.dat")};

    auto pokaz = [&](int w) {
        m_pola = m_pokazane = m_pliki.at(m_biezacy).wiersze[w];
        m_pokazany = w;
    };
    // Typing that was never added: the window asks before moving on; the run says No.
    auto przedRuchem = [&] {
        if (!m_biezacy.isEmpty() && !std::equal(m_pola.begin() + 1, m_pola.end(), m_pokazane.begin() + 1))
            m_skrypt.nie();
    };
    auto kliknij = [](QToolButton *b) { QTest::mouseClick(b, Qt::LeftButton); };

    std::map<QString, int> licznik;
    for (int krok = 0; krok < kroki; ++krok) {
        const int los = m_biezacy.isEmpty() ? 0 : int(m_los() % 100);
        QString operacja;
        if (los < 2) {
            operacja = QStringLiteral("new list");
            przedRuchem();
            const QString plik = nazwyPlikow[m_los() % 2];
            if (m_los() % 8 == 0) {
                m_skrypt.anuluj();
                operacja += QStringLiteral(" cancelled");
            } else {
                m_skrypt.plik(plik);
                m_pliki[plik] = Model::nowa();
                m_biezacy = plik;
                pokaz(0);
            }
            kliknij(kontrolka<QToolButton>(o, "SpeedButton10"));
        } else if (los < 5) {
            operacja = QStringLiteral("read list");
            przedRuchem();
            const QString plik = nazwyPlikow[m_los() % 2];
            m_skrypt.plik(plik);
            if (m_pliki.count(plik)) {
                m_biezacy = plik;
                pokaz(0);
            } else {
                ++m_bledy; // "File not found"; nothing changes
            }
            kliknij(kontrolka<QToolButton>(o, "SpeedButton11"));
        } else if (los < 45) {
            operacja = QStringLiteral("add");
            wpiszPola();
            const qint64 n = liczbaWpisana(m_pola[0]);
            if (n >= 1 && n <= Wiersze) {
                Model &m = m_pliki.at(m_biezacy);
                // Another client's row is replaced after a question; the run says Yes.
                if (n - 1 != m_pokazany && !m.wiersze[n - 1][1].isEmpty()
                    && !std::equal(m_pola.begin() + 1, m_pola.end(), m.wiersze[n - 1].begin() + 1))
                    m_skrypt.tak();
                // A NIP new to the row that another row holds: asked too; Yes.
                if (Model::kluczNip(m_pola[5]) != Model::kluczNip(m.wiersze[n - 1][5])
                    && m.tenSamNip(m_pola[5], int(n - 1)) >= 0)
                    m_skrypt.tak();
                for (int k = 1; k < Kolumny; ++k)
                    m.wiersze[n - 1][k] = zapisany(m_pola[k], k);
                pokaz(int(n - 1));
            } else {
                ++m_informacje;
            }
            kliknij(kontrolka<QToolButton>(o, "SpeedButton6"));
        } else if (los < 55) {
            operacja = QStringLiteral("delete");
            wpiszPola();
            const qint64 n = liczbaWpisana(m_pola[0]);
            if (n < 1 || n > Wiersze) {
                ++m_informacje; // before any question
            } else if (m_los() % 5 != 0) {
                m_skrypt.tak();
                Model &m = m_pliki.at(m_biezacy);
                for (int k = 1; k < Kolumny; ++k)
                    m.wiersze[n - 1][k].clear();
                pokaz(int(n - 1));
            } else {
                m_skrypt.nie();
            }
            kliknij(kontrolka<QToolButton>(o, "SpeedButton4"));
        } else if (los < 70) {
            operacja = QStringLiteral("search");
            przedRuchem();
            const Model &m = m_pliki.at(m_biezacy);
            QString t;
            const int r = int(m_los() % 10);
            if (r < 6) { // a piece of a stored text
                const int w = m_los() % 3 ? int(m_los() % 15) : int(m_los() % Wiersze);
                const QString &s = m.wiersze[w][1 + m_los() % 6];
                const int od = s.isEmpty() ? 0 : int(m_los() % s.size());
                t = s.mid(od, 1 + int(m_los() % 6));
            } else if (r < 9) {
                t = tekstLosowy(1).left(8);
            }
            if (m_los() % 10 == 0) {
                m_skrypt.anuluj();
                operacja += QStringLiteral(" cancelled");
            } else {
                m_skrypt.tekst(t);
                operacja += QStringLiteral(" \"%1\"").arg(t);
                const int w = m.szukaj(t);
                if (w >= 0)
                    pokaz(w);
                else
                    ++m_informacje;
            }
            kliknij(kontrolka<QToolButton>(o, "SpeedButton9"));
        } else if (los < 78) {
            const bool odAdoZ = m_los() % 2;
            operacja = odAdoZ ? QStringLiteral("sort A-Z") : QStringLiteral("sort Z-A");
            przedRuchem();
            if (m_los() % 6 == 0) {
                m_skrypt.nie();
                operacja += QStringLiteral(" declined");
            } else {
                m_skrypt.tak();
                m_pliki.at(m_biezacy).sortuj(odAdoZ);
                pokaz(0);
            }
            kliknij(odAdoZ ? kontrolka<QToolButton>(o, "SpeedButton3") : kontrolka<QToolButton>(o, "SpeedButton2"));
        } else if (los < 86) {
            operacja = QStringLiteral("first free row");
            przedRuchem();
            const int w = m_pliki.at(m_biezacy).pierwszyWolny();
            if (w >= 0)
                pokaz(w);
            else
                ++m_informacje;
            kliknij(kontrolka<QToolButton>(o, "SpeedButton8"));
        } else {
            const int w = m_los() % 2 ? int(m_los() % 20) : int(m_los() % Wiersze);
            operacja = QStringLiteral("click row %1").arg(w + 1);
            przedRuchem();
            // A click on the line already selected changes no row; the fields are
            // reloaded all the same.
            QListWidgetItem *poz = kontrolka<QListWidget>(o, "lista")->item(w);
            kontrolka<QListWidget>(o, "lista")->scrollToItem(poz);
            QTest::mouseClick(kontrolka<QListWidget>(o, "lista")->viewport(), Qt::LeftButton, {},
                              kontrolka<QListWidget>(o, "lista")->visualItemRect(poz).center());
            pokaz(w);
        }
        QString rodzaj = operacja.section(u'"', 0, 0);
        rodzaj.remove(QStringLiteral(" cancelled")).remove(QStringLiteral(" declined"));
        if (rodzaj.startsWith(QStringLiteral("click")))
            rodzaj = QStringLiteral("click row");
        ++licznik[rodzaj.trimmed()];
        if (!sprawdz(krok, operacja))
            return;
    }
    QStringList podsumowanie;
    for (const auto &[op, ile] : licznik)
        podsumowanie.append(QStringLiteral("%1 %2").arg(op).arg(ile));
    qInfo("%s", qPrintable(podsumowanie.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
