#include "wymiana.h"

#include "tekst.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

using namespace Klienci;

namespace Wymiana {

namespace {

// ---- Common helpers -------------------------------------------------------------------

// One Windows-1250 encoder and decoder for a whole export or plan: making a converter
// costs far more than converting one field.
class Cp1250
{
public:
    // `brak`: some character has no place in the code page (it becomes '?').
    QByteArray koduj(QStringView s, bool &brak)
    {
        // The error flag of an ICU converter survives resetState(), so the bytes are
        // checked by decoding them back.
        const QByteArray b = m_koder.encode(s);
        brak = dekoduj(b) != s;
        return brak ? doCp1250(s) : b;
    }
    QString dekoduj(QByteArrayView b)
    {
        m_dekoder.resetState();
        return m_dekoder.decode(b);
    }
    TekstyWiersza wiersz(const ListaKlientow &lista, int w)
    {
        TekstyWiersza t;
        for (int k = 0; k < LiczbaKolumn; ++k) {
            const char *p = lista.pole(k, w);
            t[k] = dekoduj(QByteArrayView(p + 1, std::min<int>(static_cast<unsigned char>(p[0]), Pojemnosc[k])));
        }
        return t;
    }

private:
    QStringEncoder m_koder{"windows-1250"};
    QStringDecoder m_dekoder{"windows-1250"};
};

// Lower case, Polish letters without diacritics, only letters and digits kept.
QString uproscNazwe(QStringView s)
{
    static const QString z = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    static const QString na = QStringLiteral("acelnoszzACELNOSZZ");
    QString wynik;
    wynik.reserve(s.size());
    for (QChar c : s) {
        const qsizetype i = z.indexOf(c);
        if (i >= 0)
            c = na[i];
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            wynik.append(c.toLower());
    }
    return wynik;
}

// The text when the bytes are valid UTF-8.
std::optional<QString> zUtf8(QByteArrayView b)
{
    QStringDecoder d(QStringDecoder::Utf8);
    QString s = d.decode(b);
    if (d.hasError())
        return std::nullopt;
    return s;
}

// Line breaks and other control characters do not belong in a one-line field.
QString jednaLinia(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    return s;
}

bool pustyKlient(const TekstyWiersza &t)
{
    return std::all_of(t.begin() + Nazwa1, t.end(), [](const QString &s) { return s.isEmpty(); });
}

const QStringList &naglowkiStale()
{
    static const QStringList n{QStringLiteral("Lp"),    QStringLiteral("Nazwa 1"),     QStringLiteral("Nazwa 2"),
                               QStringLiteral("Ulica"), QStringLiteral("Miejscowość"), QStringLiteral("NIP"),
                               QStringLiteral("Opis")};
    return n;
}

// ---- CSV export -----------------------------------------------------------------------

void dopiszPoleCsv(QString &wyjscie, const QString &pole, QChar separator)
{
    const bool cytuj = pole.contains(separator) || pole.contains(u'"') || pole.contains(u'\n') || pole.contains(u'\r');
    if (!cytuj) {
        wyjscie += pole;
        return;
    }
    wyjscie += u'"';
    for (QChar c : pole) {
        if (c == u'"')
            wyjscie += u'"';
        wyjscie += c;
    }
    wyjscie += u'"';
}

void dopiszWierszCsv(QString &wyjscie, const TekstyWiersza &t, QChar separator)
{
    for (int k = 0; k < LiczbaKolumn; ++k) {
        if (k)
            wyjscie += separator;
        dopiszPoleCsv(wyjscie, t[k], separator);
    }
    wyjscie += QLatin1String("\r\n");
}

QString poczatekCsv(const PodpisyPol &podpisy, QChar separator)
{
    QString s;
    s.reserve(200 * 1024);
    s += QChar(0xFEFF);
    const QStringList n = naglowkiCsv(podpisy);
    for (int k = 0; k < n.size(); ++k) {
        if (k)
            s += separator;
        dopiszPoleCsv(s, n[k], separator);
    }
    s += QLatin1String("\r\n");
    return s;
}

// ---- vCard export ---------------------------------------------------------------------

QString escVcard(QStringView s)
{
    QString w;
    w.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\\' || c == u',' || c == u';')
            w += u'\\', w += c;
        else if (c == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
            continue;
        else if (c == u'\n' || c == u'\r')
            w += QLatin1String("\\n");
        else
            w += c;
    }
    return w;
}

// Appends one content line, folded so that no line exceeds 75 octets and no UTF-8
// sequence is split.
void dopiszLinie(QByteArray &wyjscie, const QString &linia)
{
    const QByteArray b = linia.toUtf8();
    qsizetype i = 0;
    int limit = 75;
    while (b.size() - i > limit) {
        qsizetype koniec = i + limit;
        while (koniec > i && (static_cast<unsigned char>(b[koniec]) & 0xC0) == 0x80)
            --koniec;
        wyjscie.append(b.constData() + i, koniec - i);
        wyjscie.append("\r\n ");
        i = koniec;
        limit = 74; // the leading space counts
    }
    wyjscie.append(b.constData() + i, b.size() - i);
    wyjscie.append("\r\n");
}

const QRegularExpression &wzorKodu()
{
    static const QRegularExpression r(QStringLiteral("^(\\d\\d-\\d\\d\\d)(?: (\\S.*))?$"),
                                      QRegularExpression::DotMatchesEverythingOption);
    return r;
}

void dopiszKarte(QByteArray &w, const TekstyWiersza &t, const std::array<QString, 6> &nazwyInfo)
{
    dopiszLinie(w, QStringLiteral("BEGIN:VCARD"));
    dopiszLinie(w, QStringLiteral("VERSION:3.0"));
    QString fn = t[Nazwa1];
    if (!t[Nazwa2].isEmpty())
        fn += (fn.isEmpty() ? QString() : QStringLiteral(" ")) + t[Nazwa2];
    dopiszLinie(w, QStringLiteral("FN:") + escVcard(fn));
    dopiszLinie(w, QStringLiteral("N:;;;;"));
    if (!t[Nazwa1].isEmpty() || !t[Nazwa2].isEmpty()) {
        QString org = QStringLiteral("ORG:") + escVcard(t[Nazwa1]);
        if (!t[Nazwa2].isEmpty())
            org += u';' + escVcard(t[Nazwa2]);
        dopiszLinie(w, org);
    }
    if (!t[Ulica].isEmpty() || !t[Miejscowosc].isEmpty()) {
        QString kod, miasto = t[Miejscowosc];
        const auto m = wzorKodu().match(miasto);
        if (m.hasMatch()) {
            kod = m.captured(1);
            miasto = m.captured(2);
        }
        dopiszLinie(
            w, QStringLiteral("ADR;TYPE=work:;;%1;%2;;%3;").arg(escVcard(t[Ulica]), escVcard(miasto), escVcard(kod)));
    }
    if (!t[Nip].isEmpty())
        dopiszLinie(w, QStringLiteral("X-NIP:") + escVcard(t[Nip]));
    QString notatka;
    if (!t[Nip].isEmpty())
        notatka = QStringLiteral("NIP: ") + t[Nip] + (t[Opis].isEmpty() ? QString() : QStringLiteral("\n"));
    notatka += t[Opis];
    if (!notatka.isEmpty())
        dopiszLinie(w, QStringLiteral("NOTE:") + escVcard(notatka));
    for (int i = 0; i < 6; ++i)
        if (!t[Info1 + i].isEmpty())
            dopiszLinie(w, nazwyInfo[i] + u':' + escVcard(t[Info1 + i]));
    dopiszLinie(w, QStringLiteral("END:VCARD"));
}

// ---- CSV reading ----------------------------------------------------------------------

struct RekordCsv
{
    QStringList pola;
    int linia; // the file line the record starts on, from 1
};

// Splits the text into records; an error names the line of an unclosed quote.
QList<RekordCsv> rekordyCsv(QStringView s, QChar sep, QString &blad)
{
    QList<RekordCsv> wynik;
    int linia = 1;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        RekordCsv r{{}, linia};
        QString pole;
        bool koniecRekordu = false;
        while (!koniecRekordu) {
            pole.clear();
            if (i < n && s[i] == u'"') {
                const int liniaCudzyslowu = linia;
                ++i;
                for (;;) {
                    if (i >= n) {
                        blad = QStringLiteral("Wiersz %1: cudzysłów bez zamknięcia").arg(liniaCudzyslowu);
                        return {};
                    }
                    const QChar c = s[i];
                    if (c == u'"') {
                        if (i + 1 < n && s[i + 1] == u'"') {
                            pole += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (c == u'\n' || (c == u'\r' && !(i + 1 < n && s[i + 1] == u'\n')))
                        ++linia;
                    pole += c;
                    ++i;
                }
            }
            // Unquoted text (or anything after a closing quote) up to the separator.
            while (i < n && s[i] != sep && s[i] != u'\n' && s[i] != u'\r')
                pole += s[i++];
            r.pola.append(pole);
            if (i >= n) {
                koniecRekordu = true;
            } else if (s[i] == sep) {
                ++i;
            } else {
                if (s[i] == u'\r' && i + 1 < n && s[i + 1] == u'\n')
                    ++i;
                ++i;
                ++linia;
                koniecRekordu = true;
            }
        }
        wynik.append(r);
    }
    return wynik;
}

QChar wykryjSeparator(QStringView s)
{
    int ile[3] = {0, 0, 0};
    const QChar sep[3] = {u';', u',', u'\t'};
    bool wCudzyslowie = false;
    for (QChar c : s) {
        if (c == u'"')
            wCudzyslowie = !wCudzyslowie;
        else if (!wCudzyslowie && (c == u'\n' || c == u'\r'))
            break;
        else if (!wCudzyslowie)
            for (int k = 0; k < 3; ++k)
                ile[k] += c == sep[k];
    }
    int naj = 0;
    for (int k = 1; k < 3; ++k)
        if (ile[k] > ile[naj])
            naj = k;
    return sep[naj];
}

const QHash<QString, int> &slownikNaglowkow()
{
    static const QHash<QString, int> s = [] {
        QHash<QString, int> h;
        auto dodaj = [&h](int cel, std::initializer_list<const char *> nazwy) {
            for (const char *n : nazwy)
                h.insert(uproscNazwe(QString::fromUtf8(n)), cel);
        };
        dodaj(Lp, {"lp", "nr", "numer", "no"});
        dodaj(Nazwa1, {"nazwa", "nazwa1", "nazwa firmy", "firma", "company", "company name", "organization",
                       "organisation", "organization 1 - name", "organizacja", "name 1", "kontrahent", "klient"});
        dodaj(Nazwa2, {"nazwa2", "nazwa cd", "name 2", "name2"});
        dodaj(Ulica, {"ulica", "adres", "street", "address", "street address", "business street", "home street",
                      "address 1 - street", "work street", "ulica i numer"});
        dodaj(Miejscowosc, {"miejscowość", "miasto", "city", "town", "locality", "business city", "home city",
                            "address 1 - city", "work city", "poczta"});
        dodaj(KodPocztowy, {"kod", "kod pocztowy", "postal code", "zip", "zip code", "postcode", "business postal code",
                            "home postal code", "address 1 - postal code", "work postal code", "work zip"});
        dodaj(Nip, {"nip", "vat", "vat id", "vat number", "tax id", "tax number", "nip ue"});
        dodaj(Opis, {"opis", "uwagi", "notatki", "notatka", "notes", "note", "description", "comments", "komentarz"});
        dodaj(Osoba, {"name", "full name", "display name", "imię i nazwisko", "osoba", "kontakt", "contact",
                      "osoba kontaktowa"});
        dodaj(Imie, {"first name", "given name", "imię"});
        dodaj(Nazwisko, {"last name", "family name", "surname", "nazwisko"});
        for (int i = 1; i <= 6; ++i)
            h.insert(QStringLiteral("info%1").arg(i), Info1 + i - 1);
        return h;
    }();
    return s;
}

QList<int> mapujNaglowek(const QStringList &naglowek, const PodpisyPol &podpisy)
{
    QList<int> m;
    // The program's own header: by position, whatever the captions are.
    if (naglowek.size() >= LiczbaKolumn) {
        const QStringList wlasne = naglowkiCsv(podpisy);
        bool wlasny = true;
        for (int k = 0; k < LiczbaKolumn && wlasny; ++k)
            wlasny = naglowek[k].trimmed() == wlasne[k];
        if (wlasny) {
            for (int k = 0; k < LiczbaKolumn; ++k)
                m.append(k);
            while (m.size() < naglowek.size())
                m.append(Pomin);
            return m;
        }
    }
    for (const QString &n : naglowek) {
        const QString u = uproscNazwe(n);
        int cel = Pomin;
        // The program's own column names first, then the user's captions, then the
        // names other programs use.
        for (int k = 0; k < naglowkiStale().size() && cel == Pomin; ++k)
            if (u == uproscNazwe(naglowkiStale()[k]))
                cel = k;
        for (int i = 0; i < 6 && cel == Pomin; ++i)
            if (!podpisy[i].isEmpty() && uproscNazwe(podpisy[i]) == u && !u.isEmpty())
                cel = Info1 + i;
        if (cel == Pomin && !u.isEmpty())
            cel = slownikNaglowkow().value(u, Pomin);
        m.append(cel);
    }
    return m;
}

// The name lines from the firm and the person fields.
void nazwyZFirmyIOsoby(TekstyWiersza &t, const QString &osoba)
{
    if (osoba.isEmpty())
        return;
    if (t[Nazwa1].isEmpty() && t[Nazwa2].isEmpty())
        t[Nazwa1] = osoba;
    else if (t[Nazwa2].isEmpty() && t[Nazwa1] != osoba)
        t[Nazwa2] = osoba;
}

QString dolacz(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + u' ' + b;
}

// ---- vCard reading --------------------------------------------------------------------

struct Wlasciwosc
{
    QByteArray nazwa;            // upper case, without a group
    QList<QByteArray> parametry; // upper case, as written ("TYPE=WORK", "QUOTED-PRINTABLE")
    QByteArray wartosc;
    int linia;
};

bool maParametr(const Wlasciwosc &w, QByteArrayView nazwa, QByteArrayView wartosc)
{
    for (const QByteArray &p : w.parametry) {
        const qsizetype r = p.indexOf('=');
        if (r < 0) {
            if (p == wartosc)
                return true; // vCard 2.1: a bare type
            continue;
        }
        if (p.left(r) != nazwa)
            continue;
        QByteArray v = p.mid(r + 1);
        v.replace('"', "");
        for (const QByteArray &x : v.split(','))
            if (x == wartosc)
                return true;
    }
    return false;
}

QByteArray parametr(const Wlasciwosc &w, QByteArrayView nazwa)
{
    for (const QByteArray &p : w.parametry)
        if (p.startsWith(nazwa) && p.size() > nazwa.size() && p[nazwa.size()] == '=')
            return p.mid(nazwa.size() + 1);
    return {};
}

QByteArray dekodujQp(QByteArrayView b)
{
    QByteArray w;
    w.reserve(b.size());
    auto hex = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (b[i] == '=' && i + 2 < b.size() && hex(b[i + 1]) >= 0 && hex(b[i + 2]) >= 0) {
            w.append(char(hex(b[i + 1]) * 16 + hex(b[i + 2])));
            i += 2;
        } else {
            w.append(b[i]);
        }
    }
    return w;
}

bool jestQp(const Wlasciwosc &w)
{
    return maParametr(w, "ENCODING", "QUOTED-PRINTABLE");
}

QString tekstWartosci(const Wlasciwosc &w)
{
    const QByteArray b = jestQp(w) ? dekodujQp(w.wartosc) : w.wartosc;
    QByteArray zestaw = parametr(w, "CHARSET");
    zestaw.replace('"', "");
    if (!zestaw.isEmpty()) {
        QStringDecoder d(zestaw.constData());
        if (d.isValid())
            return d.decode(b);
    }
    if (std::optional<QString> s = zUtf8(b))
        return *s;
    return zCp1250(b);
}

// Splits a structured value at unescaped ';' and removes the escapes.
QStringList skladowe(QStringView s, bool dziel = true)
{
    QStringList wynik;
    QString biezaca;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\\' && i + 1 < s.size()) {
            const QChar n = s[++i];
            biezaca += (n == u'n' || n == u'N') ? QChar(u'\n') : n;
        } else if (c == u';' && dziel) {
            wynik.append(biezaca);
            biezaca.clear();
        } else {
            biezaca += c;
        }
    }
    wynik.append(biezaca);
    return wynik;
}

TekstyWiersza klientZKarty(const QList<Wlasciwosc> &karta, const std::array<QString, 6> &nazwyInfo)
{
    TekstyWiersza t;
    const Wlasciwosc *org = nullptr, *fn = nullptr, *n = nullptr, *adr = nullptr, *note = nullptr, *xnip = nullptr;
    std::array<const Wlasciwosc *, 6> info{};
    for (const Wlasciwosc &w : karta) {
        const QByteArray &p = w.nazwa;
        if (p == "ORG" && !org)
            org = &w;
        else if (p == "FN" && !fn)
            fn = &w;
        else if (p == "N" && !n)
            n = &w;
        else if (p == "ADR") {
            if (!adr || (maParametr(w, "TYPE", "WORK") && !maParametr(*adr, "TYPE", "WORK")))
                adr = &w;
        } else if (p == "NOTE" && !note)
            note = &w;
        else if (p == "X-NIP" && !xnip)
            xnip = &w;
        else if (p.startsWith("X-")) {
            for (int i = 0; i < 6; ++i)
                if (!info[i] && (p == nazwyInfo[i].toLatin1() || p == QByteArray("X-INFO") + char('1' + i)))
                    info[i] = &w;
        }
    }
    if (org) {
        const QStringList s = skladowe(tekstWartosci(*org));
        t[Nazwa1] = s.value(0);
        t[Nazwa2] = s.mid(1).join(QStringLiteral(", "));
    }
    QString osoba;
    if (fn)
        osoba = skladowe(tekstWartosci(*fn), false).value(0);
    if (osoba.isEmpty() && n) {
        const QStringList s = skladowe(tekstWartosci(*n));
        osoba = dolacz(dolacz(s.value(3), s.value(1)), dolacz(s.value(2), dolacz(s.value(0), s.value(4))));
    }
    // Our own cards write FN as the two name lines joined.
    if (!(org && osoba == dolacz(t[Nazwa1], t[Nazwa2])))
        nazwyZFirmyIOsoby(t, osoba);
    if (adr) {
        const QStringList s = skladowe(tekstWartosci(*adr));
        t[Ulica] = s.value(2).isEmpty()
                       ? s.value(1)
                       : (s.value(1).isEmpty() ? s.value(2) : s.value(2) + QStringLiteral(", ") + s.value(1));
        t[Miejscowosc] = dolacz(s.value(5), s.value(3));
    }
    if (xnip)
        t[Nip] = skladowe(tekstWartosci(*xnip), false).value(0);
    if (note) {
        QString opis = skladowe(tekstWartosci(*note), false).value(0);
        const QString linia = QStringLiteral("NIP: ") + t[Nip];
        if (xnip && !t[Nip].isEmpty() && opis.startsWith(linia)) {
            if (opis.size() == linia.size())
                opis.clear();
            else if (opis[linia.size()] == u'\n')
                opis = opis.mid(linia.size() + 1);
        }
        t[Opis] = opis;
    }
    for (int i = 0; i < 6; ++i)
        if (info[i])
            t[Info1 + i] = skladowe(tekstWartosci(*info[i]), false).value(0);
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        t[k] = jednaLinia(t[k]);
    return t;
}

WynikWczytania bladWczytania(const QString &blad, Format format = Format::Csv)
{
    WynikWczytania w;
    w.blad = blad;
    w.format = format;
    return w;
}

WynikWczytania bladVcard(const QString &blad)
{
    return bladWczytania(blad, Format::Vcard);
}

WynikWczytania wczytajVcard(const QByteArray &dane, const PodpisyPol &podpisy)
{
    WynikWczytania wynik;
    wynik.format = Format::Vcard;
    const auto nazwyInfo = nazwyPolVcard(podpisy);
    QList<QByteArrayView> linie;
    {
        qsizetype p = 0;
        while (p <= dane.size()) {
            qsizetype k = dane.indexOf('\n', p);
            if (k < 0)
                k = dane.size();
            QByteArrayView l(dane.constData() + p, k - p);
            if (l.endsWith('\r'))
                l.chop(1);
            linie.append(l);
            p = k + 1;
        }
    }
    if (dane.startsWith("\xEF\xBB\xBF"))
        linie[0] = linie[0].sliced(3);

    bool wKarcie = false, base64 = false;
    int liniaPoczatku = 0;
    QList<Wlasciwosc> karta;
    for (qsizetype i = 0; i < linie.size(); ++i) {
        const int nr = int(i) + 1;
        QByteArray l = linie[i].toByteArray();
        if (l.trimmed().isEmpty()) {
            base64 = false;
            continue;
        }
        if (l[0] == ' ' || l[0] == '\t') {
            if (wKarcie && base64)
                continue;
            return bladVcard(QStringLiteral("Linia %1: wiersz kontynuacji bez właściwości").arg(nr));
        }
        // Unfold: following lines that begin with a blank.
        while (i + 1 < linie.size() && !linie[i + 1].isEmpty() && (linie[i + 1][0] == ' ' || linie[i + 1][0] == '\t')) {
            l += linie[i + 1].sliced(1);
            ++i;
        }
        // The name and parameters end at the first ':' outside a quoted parameter value.
        qsizetype dwukropek = -1;
        QList<qsizetype> srednik;
        bool cudzyslow = false;
        for (qsizetype j = 0; j < l.size(); ++j) {
            if (l[j] == '"')
                cudzyslow = !cudzyslow;
            else if (!cudzyslow && l[j] == ';')
                srednik.append(j);
            else if (!cudzyslow && l[j] == ':') {
                dwukropek = j;
                break;
            }
        }
        if (dwukropek < 0) {
            if (wKarcie && base64)
                continue;
            return bladVcard(QStringLiteral("Linia %1: brak dwukropka, to nie jest wiersz vCard").arg(nr));
        }
        Wlasciwosc w;
        w.linia = nr;
        QList<QByteArray> czesci;
        srednik.append(dwukropek);
        qsizetype od = 0;
        for (qsizetype j : srednik) {
            czesci.append(l.mid(od, j - od));
            od = j + 1;
        }
        w.nazwa = czesci.takeFirst().trimmed().toUpper();
        if (const qsizetype kropka = w.nazwa.lastIndexOf('.'); kropka >= 0)
            w.nazwa = w.nazwa.mid(kropka + 1);
        for (QByteArray &c : czesci) {
            c = c.trimmed();
            const qsizetype r = c.indexOf('=');
            c = r < 0 ? c.toUpper()
                      : c.left(r).toUpper() + '='
                            + (c.left(r).toUpper() == "CHARSET" ? c.mid(r + 1) : c.mid(r + 1).toUpper());
            w.parametry.append(c);
        }
        // vCard 2.1 quoted-printable: '=' at the end of a line is a soft line break.
        if (jestQp(w)) {
            while (l.endsWith('=') && i + 1 < linie.size()) {
                l.chop(1);
                l += linie[++i];
            }
        }
        w.wartosc = l.mid(dwukropek + 1);
        base64 = maParametr(w, "ENCODING", "BASE64") || maParametr(w, "ENCODING", "B");

        if (w.nazwa == "BEGIN") {
            if (w.wartosc.trimmed().toUpper() != "VCARD")
                return bladVcard(QStringLiteral("Linia %1: nieznany blok BEGIN:%2")
                                     .arg(nr)
                                     .arg(QString::fromLatin1(w.wartosc.left(40))));
            if (wKarcie)
                return bladVcard(
                    QStringLiteral("Linia %1: BEGIN:VCARD wewnątrz karty z linii %2").arg(nr).arg(liniaPoczatku));
            wKarcie = true;
            liniaPoczatku = nr;
            karta.clear();
        } else if (w.nazwa == "END") {
            if (!wKarcie)
                return bladVcard(QStringLiteral("Linia %1: END bez BEGIN:VCARD").arg(nr));
            wKarcie = false;
            const TekstyWiersza t = klientZKarty(karta, nazwyInfo);
            if (!pustyKlient(t))
                wynik.klienci.append(t);
        } else if (!wKarcie) {
            return bladVcard(QStringLiteral("Linia %1: tekst poza kartą (brak BEGIN:VCARD)").arg(nr));
        } else {
            karta.append(std::move(w));
        }
    }
    if (wKarcie)
        return bladVcard(QStringLiteral("Linia %1: karta bez END:VCARD").arg(liniaPoczatku));
    return wynik;
}

WynikWczytania wczytajCsv(const QString &tekst, const PodpisyPol &podpisy, const std::optional<QList<int>> &mapowanie)
{
    WynikWczytania wynik;
    wynik.format = Format::Csv;
    wynik.separator = wykryjSeparator(tekst);
    QString blad;
    const QList<RekordCsv> rekordy = rekordyCsv(tekst, wynik.separator, blad);
    if (!blad.isEmpty())
        return bladWczytania(blad);
    if (rekordy.isEmpty())
        return bladWczytania(QStringLiteral("Wiersz 1: plik jest pusty"));
    wynik.naglowek = rekordy[0].pola;
    for (QString &n : wynik.naglowek)
        n = n.trimmed();
    if (mapowanie) {
        if (mapowanie->size() != wynik.naglowek.size())
            return bladWczytania(QStringLiteral("Wiersz 1: przypisanie ma %1 kolumn, nagłówek %2")
                                     .arg(mapowanie->size())
                                     .arg(wynik.naglowek.size()));
        wynik.mapowanie = *mapowanie;
    } else {
        wynik.mapowanie = mapujNaglowek(wynik.naglowek, podpisy);
    }
    bool cokolwiek = false;
    for (int k = 0; k < wynik.mapowanie.size(); ++k) {
        if (wynik.mapowanie[k] == Pomin)
            wynik.nierozpoznane.append(k);
        else
            cokolwiek = true;
    }
    const auto nazwane =
        std::count_if(wynik.naglowek.cbegin(), wynik.naglowek.cend(), [](const QString &n) { return !n.isEmpty(); });
    if (!cokolwiek && !mapowanie && nazwane < 2)
        return bladWczytania(QStringLiteral("Wiersz 1: to nie jest plik CSV ani vCard (nie rozpoznano nagłówka)"));

    const qsizetype szerokosc = wynik.naglowek.size();
    for (qsizetype r = 1; r < rekordy.size(); ++r) {
        const RekordCsv &rek = rekordy[r];
        for (qsizetype k = szerokosc; k < rek.pola.size(); ++k)
            if (!rek.pola[k].trimmed().isEmpty())
                return bladWczytania(QStringLiteral("Wiersz %1: więcej pól (%2) niż w nagłówku (%3)")
                                         .arg(rek.linia)
                                         .arg(rek.pola.size())
                                         .arg(szerokosc));
        TekstyWiersza t;
        QString kod, imie, nazwisko, osoba;
        for (qsizetype k = 0; k < szerokosc && k < rek.pola.size(); ++k) {
            const int cel = wynik.mapowanie[k];
            const QString &v = rek.pola[k];
            QString *dokad = nullptr;
            if (cel > Lp && cel < LiczbaKolumn)
                dokad = &t[cel];
            else if (cel == KodPocztowy)
                dokad = &kod;
            else if (cel == Osoba)
                dokad = &osoba;
            else if (cel == Imie)
                dokad = &imie;
            else if (cel == Nazwisko)
                dokad = &nazwisko;
            if (dokad && dokad->isEmpty())
                *dokad = v;
        }
        t[Miejscowosc] = dolacz(kod, t[Miejscowosc]);
        if (osoba.isEmpty())
            osoba = dolacz(imie, nazwisko);
        nazwyZFirmyIOsoby(t, osoba);
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            t[k] = jednaLinia(t[k]);
        if (!pustyKlient(t))
            wynik.klienci.append(t);
    }
    return wynik;
}

} // namespace

// ---- Export ---------------------------------------------------------------------------

QList<int> wierszeZTekstem(const ListaKlientow &lista)
{
    QList<int> w;
    for (int r = 0; r < LiczbaWierszy; ++r)
        if (!wierszDoImportu(lista, r))
            w.append(r);
    return w;
}

QStringList naglowkiCsv(const PodpisyPol &podpisy)
{
    QStringList n = naglowkiStale();
    for (int i = 0; i < 6; ++i)
        n.append(podpisy[i].trimmed().isEmpty() ? QStringLiteral("Info %1").arg(i + 1) : podpisy[i].trimmed());
    return n;
}

QByteArray eksportCsv(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy, QChar separator)
{
    QString s = poczatekCsv(podpisy, separator);
    Cp1250 cp;
    for (int w : wiersze)
        dopiszWierszCsv(s, cp.wiersz(lista, w), separator);
    return s.toUtf8();
}

QByteArray eksportCsv(const QList<TekstyWiersza> &klienci, const PodpisyPol &podpisy, QChar separator)
{
    QString s = poczatekCsv(podpisy, separator);
    for (const TekstyWiersza &t : klienci)
        dopiszWierszCsv(s, t, separator);
    return s.toUtf8();
}

std::array<QString, PodpisyInfo::Liczba> nazwyPolVcard(const PodpisyPol &podpisy)
{
    static const QString z = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    static const QString na = QStringLiteral("acelnoszzACELNOSZZ");
    std::array<QString, PodpisyInfo::Liczba> n;
    for (int i = 0; i < 6; ++i) {
        QString s;
        for (QChar c : podpisy[i].trimmed()) {
            if (const qsizetype p = z.indexOf(c); p >= 0)
                c = na[p];
            s += ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) ? c.toUpper()
                                                                                                    : QChar(u'-');
        }
        while (s.contains(QStringLiteral("--")))
            s.replace(QStringLiteral("--"), QStringLiteral("-"));
        while (s.startsWith(u'-'))
            s.remove(0, 1);
        while (s.endsWith(u'-'))
            s.chop(1);
        QString nazwa = QStringLiteral("X-") + s;
        static const QStringList zajete{QStringLiteral("X-NIP")};
        bool wolna = !s.isEmpty() && !zajete.contains(nazwa) && !nazwa.startsWith(QStringLiteral("X-INFO"));
        for (int j = 0; j < i && wolna; ++j)
            wolna = n[j] != nazwa;
        n[i] = wolna ? nazwa : QStringLiteral("X-INFO%1").arg(i + 1);
    }
    return n;
}

QByteArray eksportVcard(const QList<TekstyWiersza> &klienci, const PodpisyPol &podpisy)
{
    const auto nazwy = nazwyPolVcard(podpisy);
    QByteArray w;
    w.reserve(klienci.size() * 900);
    for (const TekstyWiersza &t : klienci)
        dopiszKarte(w, t, nazwy);
    return w;
}

QByteArray eksportVcard(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy)
{
    const auto nazwy = nazwyPolVcard(podpisy);
    QByteArray w;
    w.reserve(wiersze.size() * 900);
    Cp1250 cp;
    for (int r : wiersze)
        dopiszKarte(w, cp.wiersz(lista, r), nazwy);
    return w;
}

BladIO zapiszPlikWymiany(const QString &sciezka, const QByteArray &tresc)
{
    return zapiszRekord(sciezka, tresc);
}

BladIO eksportujDoPliku(const QString &sciezka, Format format, const ListaKlientow &lista, const QList<int> &wiersze,
                        const PodpisyPol &podpisy, QChar separator)
{
    return zapiszPlikWymiany(sciezka, format == Format::Vcard ? eksportVcard(lista, wiersze, podpisy)
                                                              : eksportCsv(lista, wiersze, podpisy, separator));
}

// ---- Reading --------------------------------------------------------------------------

QString nazwaCelu(int cel)
{
    switch (cel) {
    case Pomin: return QStringLiteral("(pomiń)");
    case Lp: return QStringLiteral("Lp (pomijane)");
    case KodPocztowy: return QStringLiteral("Kod pocztowy (przed miejscowością)");
    case Osoba: return QStringLiteral("Imię i nazwisko");
    case Imie: return QStringLiteral("Imię");
    case Nazwisko: return QStringLiteral("Nazwisko");
    default:
        if (cel >= Nazwa1 && cel <= Opis)
            return naglowkiStale()[cel];
        if (cel >= Info1 && cel <= Info6)
            return QStringLiteral("Info %1").arg(cel - Info1 + 1);
    }
    return {};
}

QList<int> cele()
{
    QList<int> c{Pomin};
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        c.append(k);
    c << KodPocztowy << Osoba << Imie << Nazwisko;
    return c;
}

WynikWczytania wczytajKlientow(const QByteArray &dane, const PodpisyPol &podpisy,
                               const std::optional<QList<int>> &mapowanie)
{
    if (dane.size() > MaksRozmiarPliku)
        return bladWczytania(QStringLiteral("Plik jest za duży (ponad %1 MB)").arg(MaksRozmiarPliku / (1024 * 1024)));
    QString tekst;
    QString kodowanie;
    if (dane.startsWith("\xFF\xFE") || dane.startsWith("\xFE\xFF")) {
        QStringDecoder d(dane.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        tekst = d.decode(QByteArrayView(dane).sliced(2));
        kodowanie = QStringLiteral("UTF-16");
    } else {
        const QByteArrayView b =
            dane.startsWith("\xEF\xBB\xBF") ? QByteArrayView(dane).sliced(3) : QByteArrayView(dane);
        if (const qsizetype zero = b.indexOf('\0'); zero >= 0)
            return bladWczytania(QStringLiteral("Linia %1: plik binarny (bajt zerowy), to nie jest CSV ani vCard")
                                     .arg(b.first(zero).count('\n') + 1));
        // A vCard's values carry their own character sets.
        qsizetype p = 0;
        while (p < b.size() && QChar::isSpace(uchar(b[p])))
            ++p;
        if (b.sliced(p).first(std::min<qsizetype>(11, b.size() - p)).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0)
            return wczytajVcard(dane, podpisy);
        if (std::optional<QString> s = zUtf8(b)) {
            tekst = *s;
            kodowanie = QStringLiteral("UTF-8");
        } else {
            tekst = zCp1250(b);
            kodowanie = QStringLiteral("Windows-1250");
        }
    }
    if (const qsizetype zero = tekst.indexOf(QChar(0)); zero >= 0)
        return bladWczytania(QStringLiteral("Linia %1: plik binarny (bajt zerowy), to nie jest CSV ani vCard")
                                 .arg(QStringView(tekst).left(zero).count(u'\n') + 1));
    QStringView poczatek = QStringView(tekst).trimmed();
    if (poczatek.isEmpty())
        return bladWczytania(QStringLiteral("Linia 1: plik jest pusty"));
    if (poczatek.startsWith(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive)) {
        // vCard values carry their own character sets; a UTF-16 file is re-encoded.
        return wczytajVcard(kodowanie == QLatin1String("UTF-16") ? tekst.toUtf8() : dane, podpisy);
    }
    WynikWczytania w = wczytajCsv(tekst, podpisy, mapowanie);
    w.kodowanie = kodowanie;
    return w;
}

QByteArray czytajPlikWymiany(const QString &sciezka, QString &blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        blad = QStringLiteral("Nie można otworzyć pliku %1").arg(sciezka);
        return {};
    }
    QByteArray d = f.read(MaksRozmiarPliku + 1);
    if (f.error() != QFileDevice::NoError) {
        blad = QStringLiteral("Błąd odczytu pliku %1").arg(sciezka);
        return {};
    }
    if (d.size() > MaksRozmiarPliku) {
        blad = QStringLiteral("Plik jest za duży (ponad %1 MB)").arg(MaksRozmiarPliku / (1024 * 1024));
        return {};
    }
    blad.clear();
    return d;
}

WynikWczytania wczytajPlikKlientow(const QString &sciezka, const PodpisyPol &podpisy,
                                   const std::optional<QList<int>> &mapowanie)
{
    QString blad;
    const QByteArray d = czytajPlikWymiany(sciezka, blad);
    if (!blad.isEmpty())
        return bladWczytania(blad);
    return wczytajKlientow(d, podpisy, mapowanie);
}

// ---- Import plan ----------------------------------------------------------------------

bool wierszDoImportu(const ListaKlientow &lista, int wiersz)
{
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        if (lista.pole(k, wiersz)[0] != 0)
            return false;
    return true;
}

PlanImportu zaplanujImport(const ListaKlientow &lista, const QList<TekstyWiersza> &klienci)
{
    PlanImportu plan;
    plan.klienci = klienci;
    Cp1250 cp;
    int wiersz = 0;
    for (int i = 0; i < klienci.size(); ++i) {
        while (wiersz < LiczbaWierszy && !wierszDoImportu(lista, wiersz))
            ++wiersz;
        if (wiersz >= LiczbaWierszy) {
            plan.niemieszczace = klienci.mid(i);
            break;
        }
        plan.wiersze.append(wiersz);
        std::array<QByteArray, LiczbaKolumn> bajty;
        for (int k = Nazwa1; k < LiczbaKolumn; ++k) {
            const QString &t = klienci[i][k];
            if (t.isEmpty())
                continue;
            bool brak = false;
            QByteArray b = cp.koduj(t, brak);
            const bool przyciete = b.size() > Pojemnosc[k];
            if (przyciete)
                b.truncate(Pojemnosc[k]);
            if (brak || przyciete) {
                const QString zapisane = cp.dekoduj(b);
                if (brak)
                    plan.uwagi.append({UwagaImportu::BrakZnakow, i, wiersz, k, zapisane});
                if (przyciete)
                    plan.uwagi.append({UwagaImportu::Przyciete, i, wiersz, k, zapisane});
            }
            bajty[k] = std::move(b);
        }
        plan.bajty.append(std::move(bajty));
        ++wiersz;
    }
    return plan;
}

void zastosujPlan(ListaKlientow &lista, const PlanImportu &plan)
{
    // The same bytes kopiujDoWiersza would write, converted once while planning.
    const bool zakodowane = plan.bajty.size() == plan.wiersze.size();
    for (int i = 0; i < plan.umieszczone(); ++i) {
        if (!zakodowane) {
            lista.kopiujDoWiersza(plan.wiersze[i], plan.klienci[i]);
            continue;
        }
        for (int k = Nazwa1; k < LiczbaKolumn; ++k)
            zapiszBajtyTekstu(lista.pole(k, plan.wiersze[i]), Pojemnosc[k], plan.bajty[i][k]);
    }
}

} // namespace Wymiana
