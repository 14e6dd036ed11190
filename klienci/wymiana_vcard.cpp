#include "wymiana_vcard.h"

#include "tekst.h"
#include "wymiana_kontakt.h"
#include "wymiana_tekst.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Klienci;

namespace Wymiana {

namespace {

// ---- Writing -------------------------------------------------------------------------

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
void dopiszKarte(QByteArray &w, const TekstyWiersza &t, const std::array<QString, 6> &nazwyInfo,
                 const RodzajePol &rodzaje)
{
    dopiszLinie(w, QStringLiteral("BEGIN:VCARD"));
    dopiszLinie(w, QStringLiteral("VERSION:3.0"));
    // The contact person when there is one (a phone shows the person of the firm), else
    // the two name lines joined.
    QString fn;
    for (int i = 0; i < PodpisyInfo::Liczba && fn.isEmpty(); ++i)
        if (rodzaje[i] == RodzajPola::Osoba)
            fn = t[Info1 + i];
    if (fn.isEmpty())
        fn = dolacz(t[Nazwa1], t[Nazwa2]);
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
    // The free columns whose captions say phone, e-mail, web page or notes also as the
    // standard properties, so that a phone or a mail program shows them.
    for (int i = 0; i < PodpisyInfo::Liczba; ++i) {
        const QString &v = t[Info1 + i];
        if (v.isEmpty())
            continue;
        switch (rodzaje[i]) {
        case RodzajPola::Telefon: dopiszLinie(w, QStringLiteral("TEL;TYPE=work:") + escVcard(v)); break;
        case RodzajPola::Komorka: dopiszLinie(w, QStringLiteral("TEL;TYPE=cell:") + escVcard(v)); break;
        case RodzajPola::Faks: dopiszLinie(w, QStringLiteral("TEL;TYPE=fax:") + escVcard(v)); break;
        case RodzajPola::Email: dopiszLinie(w, QStringLiteral("EMAIL;TYPE=internet:") + escVcard(v)); break;
        case RodzajPola::Www: dopiszLinie(w, QStringLiteral("URL:") + escVcard(v)); break;
        case RodzajPola::Uwagi: dopiszLinie(w, QStringLiteral("NOTE:") + escVcard(v)); break;
        default: break;
        }
    }
    for (int i = 0; i < 6; ++i)
        if (!t[Info1 + i].isEmpty())
            dopiszLinie(w, nazwyInfo[i] + u':' + escVcard(t[Info1 + i]));
    dopiszLinie(w, QStringLiteral("END:VCARD"));
}

// ---- Reading -------------------------------------------------------------------------

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
        if (QByteArrayView(p).first(r) != nazwa)
            continue;
        // TYPE=work,voice or TYPE="work,pref"
        const QByteArrayView v = QByteArrayView(p).sliced(r + 1);
        qsizetype od = 0;
        for (qsizetype j = 0; j <= v.size(); ++j) {
            if (j < v.size() && v[j] != ',')
                continue;
            QByteArrayView x = v.sliced(od, j - od);
            while (x.startsWith('"'))
                x = x.sliced(1);
            while (x.endsWith('"'))
                x.chop(1);
            if (x == wartosc)
                return true;
            od = j + 1;
        }
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

// The rank and the name of a TEL, EMAIL or ADR by its TYPE.
int rangaTypu(const Wlasciwosc &w)
{
    const auto typ = [&](const char *t) { return maParametr(w, "TYPE", t); };
    if (typ("CELL"))
        return Komorkowy;
    if (typ("WORK") || typ("POSTAL") || typ("PARCEL"))
        return Sluzbowy;
    if (typ("HOME"))
        return Domowy;
    if (typ("OTHER") || typ("FAX") || typ("PAGER"))
        return Pozostaly;
    return BezTypu;
}

QString nazwaRangi(const QString &rzecz, int ranga)
{
    switch (ranga) {
    case Sluzbowy: return rzecz + QStringLiteral(" (biuro)");
    case Komorkowy: return rzecz + QStringLiteral(" (komórka)");
    case Domowy: return rzecz + QStringLiteral(" (dom)");
    case Pozostaly: return rzecz + QStringLiteral(" (inny)");
    }
    return rzecz;
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

// Why a card cannot be read.
struct BladKarty
{
    int linia = 0;
    QString powod;
};

// The value as text: in its CHARSET when it names one (through Qt's codecs), else UTF-8,
// else Windows-1250. A character set Qt does not know, or one that gives text no UTF-8
// file can hold, is an error.
std::optional<QString> tekstWartosci(const Wlasciwosc &w, BladKarty &blad)
{
    const QByteArray b = jestQp(w) ? dekodujQp(w.wartosc) : w.wartosc;
    QByteArray zestaw = parametr(w, "CHARSET");
    zestaw.replace('"', "");
    if (zestaw.isEmpty()) {
        if (std::optional<QString> s = zUtf8(b))
            return s;
        return zCp1250(b);
    }
    QStringDecoder d(zestaw.constData());
    if (!d.isValid()) {
        blad = {w.linia, QStringLiteral("nieznany zestaw znaków „%1”").arg(QString::fromLatin1(zestaw))};
        return std::nullopt;
    }
    const QString s = d.decode(b);
    if (samotnySurogat(s) >= 0) {
        blad = {w.linia,
                QStringLiteral("tekst w zestawie znaków „%1” jest niepoprawny").arg(QString::fromLatin1(zestaw))};
        return std::nullopt;
    }
    return s;
}

// Splits a structured value at unescaped ';' and removes the escapes.
QStringList skladowe(QStringView s, bool dziel = true)
{
    QStringList wynik;
    QString biezaca;
    qsizetype od = 0; // the text from here up to the current character is taken as it is
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\\' && i + 1 < s.size()) {
            biezaca += s.sliced(od, i - od);
            const QChar n = s[++i];
            biezaca += (n == u'n' || n == u'N') ? QChar(u'\n') : n;
            od = i + 1;
        } else if (c == u';' && dziel) {
            biezaca += s.sliced(od, i - od);
            wynik.append(biezaca);
            biezaca.clear();
            od = i + 1;
        }
    }
    biezaca += s.sliced(od);
    wynik.append(biezaca);
    return wynik;
}

// Other programs' own X- properties: nothing of the client's.
bool obcyDodatek(const QByteArray &nazwa)
{
    for (const char *p :
         {"X-AB", "X-ANDROID", "X-MS-", "X-MOZILLA", "X-EVOLUTION", "X-KADDRESSBOOK", "X-PHONETIC", "X-SOCIALPROFILE",
          "X-GOOGLE", "X-WAB", "X-MAEMO", "X-ACTIVITY", "X-IMAGE", "X-SHARED", "X-GENDER", "X-SORT", "X-FILE-AS"})
        if (nazwa.startsWith(p))
            return true;
    return false;
}

// A card as a contact; nullopt with `blad` when a value cannot be decoded.
std::optional<Kontakt> kontaktZKarty(const QList<Wlasciwosc> &karta, const std::array<QByteArray, 6> &nazwyInfo,
                                     BladKarty &blad)
{
    Kontakt k;
    const Wlasciwosc *org = nullptr, *fn = nullptr, *n = nullptr, *xnip = nullptr;
    QList<const Wlasciwosc *> notatki;
    bool ok = true;
    const auto tekst = [&](const Wlasciwosc &w, bool dziel = false) {
        const std::optional<QString> s = tekstWartosci(w, blad);
        ok = ok && s;
        return s ? skladowe(*s, dziel) : QStringList{QString()};
    };
    for (const Wlasciwosc &w : karta) {
        const QByteArray &p = w.nazwa;
        if (p == "ORG" && !org)
            org = &w;
        else if (p == "FN" && !fn)
            fn = &w;
        else if (p == "N" && !n)
            n = &w;
        else if (p == "X-NIP" && !xnip)
            xnip = &w;
        else if (p == "NOTE")
            notatki.append(&w);
        else if (p == "ADR") {
            const QStringList s = tekst(w, true);
            AdresKontaktu a;
            a.ranga = rangaTypu(w);
            a.etykieta = nazwaRangi(QStringLiteral("Adres"), a.ranga);
            a.ulica = jednaLinia(s.value(2));
            a.ulica2 = jednaLinia(s.value(1));
            a.miejscowosc = jednaLinia(s.value(3));
            a.kod = jednaLinia(s.value(5));
            a.kraj = jednaLinia(s.value(6));
            k.adresy.append(a);
        } else if (p == "TEL" || p == "EMAIL" || p == "URL") {
            WartoscKontaktu v;
            v.ranga = rangaTypu(w);
            v.kopiaPola = true;
            v.tekst = jednaLinia(tekst(w).value(0));
            if (p == "EMAIL") {
                v.rodzaj = RodzajPola::Email;
                v.etykieta = nazwaRangi(QStringLiteral("E-mail"), v.ranga);
            } else if (p == "URL") {
                v.rodzaj = RodzajPola::Www;
                v.etykieta = QStringLiteral("WWW");
            } else if (maParametr(w, "TYPE", "FAX")) {
                v.rodzaj = RodzajPola::Faks;
                v.etykieta = QStringLiteral("Faks");
            } else {
                v.rodzaj = v.ranga == Komorkowy ? RodzajPola::Komorka : RodzajPola::Telefon;
                v.etykieta = nazwaRangi(QStringLiteral("Telefon"), v.ranga);
            }
            k.wartosci.append(v);
        } else if (p == "TITLE" || p == "ROLE" || p == "BDAY" || p == "NICKNAME") {
            const QString v = jednaLinia(tekst(w).value(0));
            static const QHash<QByteArray, QString> nazwy{{"TITLE", QStringLiteral("Stanowisko")},
                                                          {"ROLE", QStringLiteral("Funkcja")},
                                                          {"BDAY", QStringLiteral("Urodziny")},
                                                          {"NICKNAME", QStringLiteral("Pseudonim")}};
            if (!v.isEmpty())
                k.nieprzeniesione.append(nazwy.value(p) + QStringLiteral(": ") + v);
        } else if (p.startsWith("X-") && !obcyDodatek(p)) {
            int kolumna = -1;
            for (int i = 0; i < 6 && kolumna < 0; ++i)
                if (p == nazwyInfo[i] || (p.size() == 7 && p.startsWith("X-INFO") && p[6] == '1' + i))
                    kolumna = Info1 + i;
            const QString v = jednaLinia(tekst(w).value(0));
            const QString nazwa = QString::fromLatin1(p.mid(2));
            const RodzajPola r = kolumna < 0 ? rodzajNazwy(nazwa) : RodzajPola::Inny;
            if (kolumna >= 0 || r != RodzajPola::Inny)
                k.wartosci.append({kolumna, r, BezTypu, v, nazwa});
            else if (!v.isEmpty())
                k.nieprzeniesione.append(nazwa + QStringLiteral(": ") + v);
        }
    }
    QString nazwa1, nazwa2;
    if (org) {
        const QStringList s = tekst(*org, true);
        nazwa1 = jednaLinia(s.value(0));
        nazwa2 = jednaLinia(s.mid(1).join(QStringLiteral(", ")));
        k.wartosci.append({Nazwa1, RodzajPola::Inny, BezTypu, nazwa1, QStringLiteral("Firma")});
        k.wartosci.append({Nazwa2, RodzajPola::Inny, BezTypu, nazwa2, QStringLiteral("Dział")});
    }
    if (fn) {
        k.osoba = jednaLinia(tekst(*fn).value(0));
        k.osobaKopiaPola = true;
    }
    if (k.osoba.isEmpty() && n) {
        const QStringList s = tekst(*n, true);
        k.osoba =
            jednaLinia(dolacz(dolacz(s.value(3), s.value(1)), dolacz(s.value(2), dolacz(s.value(0), s.value(4)))));
    }
    // Our own cards write FN as the two name lines joined.
    if (org && k.osoba == dolacz(nazwa1, nazwa2))
        k.osoba.clear();
    QString nip;
    if (xnip) {
        nip = jednaLinia(tekst(*xnip).value(0));
        k.wartosci.append({Nip, RodzajPola::Inny, BezTypu, nip, QStringLiteral("NIP")});
    }
    // The first note is the description (without our own "NIP: …" line), the others go
    // to a notes column.
    for (const Wlasciwosc *w : notatki) {
        QString opis = tekst(*w).value(0);
        const QString linia = QStringLiteral("NIP: ") + nip;
        if (!nip.isEmpty() && opis.startsWith(linia)) {
            if (opis.size() == linia.size())
                opis.clear();
            else if (opis[linia.size()] == u'\n')
                opis = opis.mid(linia.size() + 1);
        }
        k.wartosci.append({Opis, RodzajPola::Uwagi, BezTypu, jednaLinia(opis), QStringLiteral("Notatka"), true});
    }
    if (!ok)
        return std::nullopt;
    return k;
}

WynikWczytania bladVcard(const QString &blad)
{
    return bladWczytania(blad, Format::Vcard);
}

} // namespace

std::array<QString, PodpisyInfo::Liczba> nazwyPolVcard(const PodpisyPol &podpisy)
{
    std::array<QString, PodpisyInfo::Liczba> n;
    for (int i = 0; i < 6; ++i) {
        QString s;
        for (QChar c : podpisy[i].trimmed()) {
            c = bezOgonka(c);
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

// ---- Writer --------------------------------------------------------------------------

PisarzVcard::PisarzVcard(const PodpisyPol &podpisy)
    : m_nazwyPol(nazwyPolVcard(podpisy))
    , m_rodzaje(rodzajePol(podpisy))
{}

bool PisarzVcard::zapisz(QIODevice &urzadzenie, const QList<TekstyWiersza> &klienci)
{
    QByteArray w;
    w.reserve(klienci.size() * 900);
    for (const TekstyWiersza &t : klienci)
        dopiszKarte(w, t, m_nazwyPol, m_rodzaje);
    return zapiszCalosc(urzadzenie, w, m_blad);
}

QByteArray eksportVcard(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy)
{
    return eksportVcard(klienciZListy(lista, wiersze), podpisy);
}

QByteArray eksportVcard(const QList<TekstyWiersza> &klienci, const PodpisyPol &podpisy)
{
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    PisarzVcard(podpisy).zapisz(bufor, klienci);
    return bufor.data();
}

// ---- Reader --------------------------------------------------------------------------

CzytnikVcard::CzytnikVcard(const PodpisyPol &podpisy)
    : m_rodzaje(rodzajePol(podpisy))
{
    const std::array<QString, PodpisyInfo::Liczba> nazwy = nazwyPolVcard(podpisy);
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        m_nazwyPol[i] = nazwy[i].toLatin1();
}

WynikWczytania CzytnikVcard::czytaj(QIODevice &urzadzenie) const
{
    QString blad;
    const std::optional<QByteArray> dane = czytajCalosc(urzadzenie, blad);
    return dane ? czytajDane(*dane) : bladVcard(blad);
}

namespace {

// The lines of the file: CR LF, CR CR LF, a lone CR or LF each end one.
QList<QByteArrayView> linieVcard(const QByteArray &dane)
{
    QList<QByteArrayView> linie;
    const char *p = dane.constData();
    const qsizetype n = dane.size();
    qsizetype poczatek = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != '\n' && p[i] != '\r')
            continue;
        linie.append(QByteArrayView(p + poczatek, i - poczatek));
        while (i + 1 < n && p[i] == '\r' && p[i + 1] == '\r')
            ++i;
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        poczatek = i + 1;
    }
    linie.append(QByteArrayView(p + poczatek, n - poczatek));
    return linie;
}

} // namespace

WynikWczytania CzytnikVcard::czytajDane(const QByteArray &wejscie) const
{
    // vCard values carry their own character sets; a UTF-16 file is re-encoded.
    QByteArray dane = wejscie;
    if (const std::optional<QString> tekst = zUtf16(dane)) {
        if (const qsizetype zly = samotnySurogat(*tekst); zly >= 0)
            return bladVcard(QStringLiteral("Linia %1: niepoprawny tekst UTF-16 (połowa pary zastępczej)")
                                 .arg(QStringView(*tekst).left(zly).count(u'\n') + 1));
        dane = tekst->toUtf8();
    }
    WynikWczytania wynik;
    wynik.format = Format::Vcard;
    QList<QByteArrayView> linie = linieVcard(dane);
    linie[0] = bezBomUtf8(linie[0]);

    // A card is read whole; one that breaks the structure is left out with the line at
    // fault and what could be read of its name, and reading goes on after it.
    bool wKarcie = false, base64 = false;
    int liniaPoczatku = 0, liniaBledu = 0, ostatniaPoza = -2;
    QString bladKarty;
    QList<Wlasciwosc> karta;
    const auto pomin = [&](int linia, const QString &powod, const QList<Wlasciwosc> &wlasciwosci) {
        BladKarty nic;
        QStringList nie;
        QString nazwa;
        if (const auto k = kontaktZKarty(wlasciwosci, m_nazwyPol, nic)) {
            const TekstyWiersza t = klientZKontaktu(*k, m_rodzaje, nie);
            nazwa = t[Nazwa1].isEmpty() ? t[Nazwa2] : t[Nazwa1];
        }
        wynik.pominiete.append({linia, QStringLiteral("Linia %1: %2").arg(linia).arg(powod), nazwa});
    };
    const auto bladWKarcie = [&](int linia, const QString &powod) {
        if (bladKarty.isEmpty()) {
            bladKarty = powod;
            liniaBledu = linia;
        }
    };
    const auto poza = [&](int linia, const QString &powod) {
        if (linia != ostatniaPoza + 1)
            pomin(linia, powod, {});
        ostatniaPoza = linia;
    };
    // A line that cannot be read: inside a card the card is left out, outside it the line.
    const auto zlaLinia = [&](int linia, const QString &powod) {
        wKarcie ? bladWKarcie(linia, powod) : poza(linia, powod);
    };
    for (qsizetype i = 0; i < linie.size(); ++i) {
        const int nr = int(i) + 1;
        // The line's own bytes, copied only when something is added to it.
        QByteArray l = QByteArray::fromRawData(linie[i].data(), linie[i].size());
        if (QByteArrayView(l).trimmed().isEmpty()) {
            base64 = false;
            continue;
        }
        if (l.at(0) == ' ' || l.at(0) == '\t') {
            if (wKarcie && base64)
                continue;
            zlaLinia(nr, QStringLiteral("wiersz kontynuacji bez właściwości"));
            continue;
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
            if (l.at(j) == '"')
                cudzyslow = !cudzyslow;
            else if (!cudzyslow && l.at(j) == ';')
                srednik.append(j);
            else if (!cudzyslow && l.at(j) == ':') {
                dwukropek = j;
                break;
            }
        }
        if (dwukropek < 0) {
            if (wKarcie && base64)
                continue;
            zlaLinia(nr, QStringLiteral("brak dwukropka, to nie jest wiersz vCard"));
            continue;
        }
        Wlasciwosc w;
        w.linia = nr;
        srednik.append(dwukropek);
        QByteArrayView nazwa = QByteArrayView(l).first(srednik.first()).trimmed();
        if (const qsizetype kropka = nazwa.lastIndexOf('.'); kropka >= 0)
            nazwa = nazwa.sliced(kropka + 1);
        w.nazwa = nazwa.toByteArray().toUpper();
        w.parametry.reserve(srednik.size() - 1);
        for (qsizetype j = 1; j < srednik.size(); ++j) {
            const QByteArrayView c =
                QByteArrayView(l).sliced(srednik[j - 1] + 1, srednik[j] - srednik[j - 1] - 1).trimmed();
            const qsizetype r = c.indexOf('=');
            QByteArray p = c.toByteArray();
            // Names and values in capitals, but not the name of a character set.
            if (r < 0 || c.first(r).compare("CHARSET", Qt::CaseInsensitive) != 0)
                p = std::move(p).toUpper();
            else
                p.replace(0, r, "CHARSET");
            w.parametry.append(std::move(p));
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
            if (w.wartosc.trimmed().toUpper() != "VCARD") {
                const QString powod =
                    QStringLiteral("nieznany blok BEGIN:%1").arg(QString::fromLatin1(w.wartosc.left(40)));
                zlaLinia(nr, powod);
                continue;
            }
            if (wKarcie)
                pomin(nr, QStringLiteral("BEGIN:VCARD wewnątrz karty z linii %1").arg(liniaPoczatku), karta);
            wKarcie = true;
            liniaPoczatku = nr;
            bladKarty.clear();
            karta.clear();
        } else if (w.nazwa == "END") {
            if (!wKarcie) {
                poza(nr, QStringLiteral("END bez BEGIN:VCARD"));
                continue;
            }
            wKarcie = false;
            if (!bladKarty.isEmpty()) {
                pomin(liniaBledu, bladKarty, karta);
                continue;
            }
            BladKarty blad;
            const std::optional<Kontakt> k = kontaktZKarty(karta, m_nazwyPol, blad);
            if (!k) {
                pomin(blad.linia, blad.powod, karta);
                continue;
            }
            QStringList nie;
            const TekstyWiersza t = klientZKontaktu(*k, m_rodzaje, nie);
            if (!pustyKlient(t)) {
                wynik.klienci.append(t);
                wynik.nieprzeniesione.append(nie);
            }
        } else if (!wKarcie) {
            poza(nr, QStringLiteral("tekst poza kartą (brak BEGIN:VCARD)"));
        } else {
            karta.append(std::move(w));
        }
    }
    if (wKarcie)
        pomin(liniaPoczatku, QStringLiteral("karta bez END:VCARD"), karta);
    if (wynik.klienci.isEmpty() && !wynik.pominiete.isEmpty())
        wynik.blad = wynik.pominiete.first().opis;
    return wynik;
}

} // namespace Wymiana
