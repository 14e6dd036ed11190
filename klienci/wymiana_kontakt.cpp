#include "wymiana_kontakt.h"

#include "wymiana_tekst.h"

#include <algorithm>

using namespace Klienci;

namespace Wymiana {

namespace {

// The words of a name, lower case and without diacritics: "Tel. kom." → "tel", "kom".
QStringList slowa(QStringView nazwa)
{
    QStringList w;
    QString biezace;
    for (QChar c : nazwa) {
        c = bezOgonka(c).toLower();
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
            biezace += c;
        } else if (!biezace.isEmpty()) {
            w.append(biezace);
            biezace.clear();
        }
    }
    if (!biezace.isEmpty())
        w.append(biezace);
    return w;
}

// Parts of words, each a pattern: "phone" matches "phone", "WORKPHONE", "telephone"; a
// pattern ending in '=' matches a whole word only ("tel=": "Tel." but not "Telex").
bool pasuje(const QStringList &slowa, std::initializer_list<const char *> wzorce)
{
    for (const QString &s : slowa)
        for (const char *w : wzorce) {
            const QLatin1StringView wz(w);
            if (wz.endsWith(u'=') ? s == wz.chopped(1) : s.contains(wz))
                return true;
        }
    return false;
}

template <typename T>
struct Wzorce
{
    T co;
    std::initializer_list<const char *> wzorce;
};

const Wzorce<RodzajPola> RodzajeSlow[] = {
    {RodzajPola::Faks, {"fax", "faks", "telefax", "telefaks"}},
    {RodzajPola::Komorka, {"kom=", "komor", "gsm", "mobil", "cell", "handy"}},
    {RodzajPola::Telefon, {"tel=", "telef", "teleph", "phone", "fon="}},
    {RodzajPola::Email, {"mail=", "email"}},
    {RodzajPola::Www, {"www", "web", "url=", "strona", "witryn", "http", "homepage"}},
    {RodzajPola::Osoba, {"osob", "kontakt", "contact", "przedstawiciel", "person="}},
    {RodzajPola::Uwagi, {"uwag", "notat", "note", "opis=", "koment", "comment", "memo="}},
    {RodzajPola::Bank, {"bank", "konto=", "rachun", "iban="}},
};

const Wzorce<int> RangiSlow[] = {
    {Komorkowy, {"mobil", "cell", "kom=", "komor", "gsm", "handy"}},
    {Sluzbowy,
     {"work", "business", "office", "biur", "sluzb", "firmow", "praca", "company", "main=", "glown", "postal",
      "korespond"}},
    {Domowy, {"home", "dom=", "domow", "prywat", "private", "personal"}},
    {Pozostaly,
     {"other", "inn", "pozost", "fax", "faks", "pager", "assistant", "callback", "car=", "radio", "telex", "isdn",
      "tty"}},
};

bool jestPolska(const QString &kraj)
{
    const QString u = uproscNazwe(kraj);
    return u == u"polska" || u == u"poland" || u == u"pl";
}

QString opisAdresu(const AdresKontaktu &a)
{
    QStringList czesci;
    for (const QString &s : {dolacz(a.ulica, a.ulica2), dolacz(a.kod, a.miejscowosc), a.kraj})
        if (!s.isEmpty())
            czesci.append(s);
    if (czesci.isEmpty())
        czesci.append(jednaLinia(a.caly));
    return czesci.join(QStringLiteral(", "));
}

// Street, postal code and town out of an address written as one text: the first line is
// the street, a line beginning with a postal code "NN-NNN" gives the code and the town.
void rozlozAdres(AdresKontaktu &a)
{
    const QStringList linie = QString(a.caly).replace(u'\r', u'\n').split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < linie.size(); ++i) {
        const QString l = jednaLinia(linie[i].trimmed());
        const bool kod = l.size() >= 6 && l[0].isDigit() && l[1].isDigit() && l[2] == u'-' && l[3].isDigit()
                         && l[4].isDigit() && l[5].isDigit();
        if (kod) {
            a.kod = l.left(6);
            a.miejscowosc = l.mid(6).trimmed();
        } else if (i == 0) {
            a.ulica = l;
        } else if (a.miejscowosc.isEmpty() && a.kod.isEmpty()) {
            a.miejscowosc = l;
        }
    }
}

// The kind itself, then a related kind (Inny: none): a mobile is a phone too, and may
// take the phone column, but a landline does not go to a mobile column.
std::array<RodzajPola, 2> pokrewne(RodzajPola r)
{
    return {r, r == RodzajPola::Komorka ? RodzajPola::Telefon : RodzajPola::Inny};
}

// Kinds whose values may copy one another: all phones are one family.
RodzajPola rodzina(RodzajPola r)
{
    return r == RodzajPola::Komorka || r == RodzajPola::Faks ? RodzajPola::Telefon : r;
}

class Rozmieszczenie
{
public:
    Rozmieszczenie(const RodzajePol &rodzaje, QStringList &nie)
        : m_rodzaje(rodzaje)
        , m_nie(nie)
    {}

    TekstyWiersza t;

    // Free columns that some value names: others do not overflow into them.
    void zarezerwuj(const QList<WartoscKontaktu> &w)
    {
        for (const WartoscKontaktu &x : w)
            if (x.kolumna >= Info1)
                m_zarezerwowana[x.kolumna - Info1] = true;
    }

    // Places the values, the better rank first: each in its column, else in an empty free
    // column of its kind, and only then (the values left) of a related kind; what finds
    // none is listed as not imported. Returns each value placed with its column.
    QList<std::pair<int, QString>> umiesc(QList<WartoscKontaktu> wartosci)
    {
        std::stable_sort(wartosci.begin(), wartosci.end(),
                         [](const WartoscKontaktu &a, const WartoscKontaktu &b) { return a.ranga < b.ranga; });
        QList<std::pair<int, QString>> umieszczone;
        QList<WartoscKontaktu> reszta;
        for (bool zPokrewnymi : {false, true}) {
            for (const WartoscKontaktu &w : wartosci) {
                const int k = umiesc(w, zPokrewnymi);
                if (k >= 0)
                    umieszczone.append({k, w.tekst});
                else if (k == Brak && !zPokrewnymi)
                    reszta.append(w);
                else if (k == Brak)
                    m_nie.append(w.etykieta + QStringLiteral(": ") + w.tekst);
            }
            wartosci = std::move(reszta);
        }
        return umieszczone;
    }

    // The first empty free column of the kind (or a related one) that no other value names
    // (`wszystkie`: named or not).
    int wolnaKolumna(RodzajPola rodzaj, int wlasna = -1, bool wszystkie = false, bool zPokrewnymi = true) const
    {
        for (RodzajPola r : pokrewne(rodzaj))
            for (int i = 0; i < PodpisyInfo::Liczba && r != RodzajPola::Inny && (zPokrewnymi || r == rodzaj); ++i)
                if (m_rodzaje[i] == r && t[Info1 + i].isEmpty()
                    && (wszystkie || !m_zarezerwowana[i] || wlasna == Info1 + i))
                    return Info1 + i;
        return -1;
    }

    bool maWKolumnieRodzaju(RodzajPola r, const QString &tekst) const
    {
        for (RodzajPola p : pokrewne(r))
            for (int i = 0; i < PodpisyInfo::Liczba && p != RodzajPola::Inny; ++i)
                if (m_rodzaje[i] == p && t[Info1 + i] == tekst)
                    return true;
        return false;
    }

private:
    static constexpr int Brak = -1, Jest = -2; // no column; the text is there already

    int umiesc(const WartoscKontaktu &w, bool zPokrewnymi)
    {
        if (w.tekst.isEmpty())
            return Jest;
        if (w.kolumna >= 0) {
            if (t[w.kolumna].isEmpty()) {
                t[w.kolumna] = w.tekst;
                return w.kolumna;
            }
            if (t[w.kolumna] == w.tekst)
                return Jest;
        }
        if (const int k = wolnaKolumna(w.rodzaj, w.kolumna, false, zPokrewnymi); k >= 0) {
            t[k] = w.tekst;
            return k;
        }
        return maWKolumnieRodzaju(w.rodzaj, w.tekst) ? Jest : Brak;
    }

    const RodzajePol &m_rodzaje;
    QStringList &m_nie;
    std::array<bool, PodpisyInfo::Liczba> m_zarezerwowana{};
};

} // namespace

RodzajPola rodzajNazwy(QStringView nazwa)
{
    const QStringList s = slowa(nazwa);
    for (const auto &w : RodzajeSlow)
        if (pasuje(s, w.wzorce))
            return w.co;
    return RodzajPola::Inny;
}

RodzajePol rodzajePol(const PodpisyPol &podpisy)
{
    RodzajePol r;
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        r[i] = rodzajNazwy(podpisy[i]);
    return r;
}

int kolumnaRodzaju(RodzajPola rodzaj, const RodzajePol &rodzaje)
{
    for (RodzajPola r : pokrewne(rodzaj))
        for (int i = 0; i < PodpisyInfo::Liczba && r != RodzajPola::Inny; ++i)
            if (rodzaje[i] == r)
                return Info1 + i;
    return -1;
}

int rangaNazwy(QStringView nazwa)
{
    const QStringList s = slowa(nazwa);
    for (const auto &w : RangiSlow)
        if (pasuje(s, w.wzorce))
            return w.co;
    return BezTypu;
}

bool AdresKontaktu::pusty() const
{
    return ulica.isEmpty() && ulica2.isEmpty() && kod.isEmpty() && miejscowosc.isEmpty() && caly.isEmpty();
}

TekstyWiersza klientZKontaktu(const Kontakt &k, const RodzajePol &rodzaje, QStringList &nieprzeniesione)
{
    nieprzeniesione = k.nieprzeniesione;
    Rozmieszczenie r(rodzaje, nieprzeniesione);
    r.zarezerwuj(k.wartosci);

    // Values of their own first, then the copies our own export writes beside them: each
    // text a value of its own placed in a free column takes away one copy of the same
    // text, the last one first (the first NOTE of our own cards is the description).
    QList<WartoscKontaktu> wlasne, kopie;
    for (const WartoscKontaktu &w : k.wartosci)
        (w.kopiaPola ? kopie : wlasne).append(w);
    bool osobaZabrana = false;
    for (const auto &[kolumna, tekst] : r.umiesc(wlasne)) {
        const RodzajPola rodzajZ = kolumna >= Info1 ? rodzina(rodzaje[kolumna - Info1]) : RodzajPola::Inny;
        if (rodzajZ == RodzajPola::Inny)
            continue;
        bool zabrano = false;
        for (qsizetype i = kopie.size() - 1; i >= 0 && !zabrano; --i)
            if (rodzina(kopie[i].rodzaj) == rodzajZ && kopie[i].tekst == tekst) {
                kopie.removeAt(i);
                zabrano = true;
            }
        if (!zabrano && k.osobaKopiaPola && !osobaZabrana && rodzajZ == RodzajPola::Osoba && tekst == k.osoba)
            osobaZabrana = true;
    }
    r.umiesc(kopie);

    // One address, whole.
    QList<AdresKontaktu> adresy;
    for (AdresKontaktu a : k.adresy) {
        if (a.pusty())
            continue;
        if (a.ulica.isEmpty() && a.kod.isEmpty() && a.miejscowosc.isEmpty())
            rozlozAdres(a);
        adresy.append(a);
    }
    std::stable_sort(adresy.begin(), adresy.end(),
                     [](const AdresKontaktu &a, const AdresKontaktu &b) { return a.ranga < b.ranga; });
    qsizetype wybrany = -1;
    for (qsizetype i = 0; i < adresy.size() && wybrany < 0; ++i)
        if (!adresy[i].ulica.isEmpty() && (!adresy[i].kod.isEmpty() || !adresy[i].miejscowosc.isEmpty()))
            wybrany = i;
    if (wybrany < 0 && !adresy.isEmpty())
        wybrany = 0;
    for (qsizetype i = 0; i < adresy.size(); ++i) {
        const AdresKontaktu &a = adresy[i];
        if (i != wybrany) {
            nieprzeniesione.append(a.etykieta + QStringLiteral(": ") + opisAdresu(a));
            continue;
        }
        r.t[Ulica] =
            a.ulica2.isEmpty() || a.ulica.isEmpty() ? a.ulica + a.ulica2 : a.ulica + QStringLiteral(", ") + a.ulica2;
        r.t[Miejscowosc] = dolacz(a.kod, a.miejscowosc);
        if (!a.kraj.isEmpty() && !jestPolska(a.kraj))
            nieprzeniesione.append(QStringLiteral("Kraj: ") + a.kraj);
    }

    // The person.
    const QString &osoba = k.osoba;
    if (!osoba.isEmpty() && !osobaZabrana) {
        TekstyWiersza &t = r.t;
        if (t[Nazwa1].isEmpty() && t[Nazwa2].isEmpty()) {
            t[Nazwa1] = osoba;
        } else if (osoba != t[Nazwa1] && osoba != t[Nazwa2] && !r.maWKolumnieRodzaju(RodzajPola::Osoba, osoba)) {
            if (const int kolumna = r.wolnaKolumna(RodzajPola::Osoba, -1, true); kolumna >= 0)
                t[kolumna] = osoba;
            else if (t[Nazwa2].isEmpty())
                t[Nazwa2] = osoba;
            else
                nieprzeniesione.append(QStringLiteral("Osoba: ") + osoba);
        }
    }
    return r.t;
}

} // namespace Wymiana
