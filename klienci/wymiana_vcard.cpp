#include "wymiana_vcard.h"

#include "tekst.h"
#include "wymiana_tekst.h"

#include <QBuffer>
#include <QRegularExpression>

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
{}

bool PisarzVcard::zapisz(QIODevice &urzadzenie, const QList<TekstyWiersza> &klienci)
{
    QByteArray w;
    w.reserve(klienci.size() * 900);
    for (const TekstyWiersza &t : klienci)
        dopiszKarte(w, t, m_nazwyPol);
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
    : m_nazwyPol(nazwyPolVcard(podpisy))
{}

WynikWczytania CzytnikVcard::czytaj(QIODevice &urzadzenie) const
{
    QString blad;
    const std::optional<QByteArray> dane = czytajCalosc(urzadzenie, blad);
    return dane ? czytajDane(*dane) : bladVcard(blad);
}

WynikWczytania CzytnikVcard::czytajDane(const QByteArray &wejscie) const
{
    // vCard values carry their own character sets; a UTF-16 file is re-encoded.
    QByteArray dane = wejscie;
    if (const std::optional<QString> tekst = zUtf16(dane))
        dane = tekst->toUtf8();
    WynikWczytania wynik;
    wynik.format = Format::Vcard;
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
    linie[0] = bezBomUtf8(linie[0]);

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
            const TekstyWiersza t = klientZKarty(karta, m_nazwyPol);
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

} // namespace Wymiana
