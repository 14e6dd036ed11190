#include "wymiana_csv.h"

#include "tekst.h"
#include "wymiana_kontakt.h"
#include "wymiana_tekst.h"

#include <QBuffer>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>

using namespace Klienci;

namespace Wymiana {

namespace {

const QStringList &naglowkiStale()
{
    static const QStringList n{QStringLiteral("Lp"),    QStringLiteral("Nazwa 1"),     QStringLiteral("Nazwa 2"),
                               QStringLiteral("Ulica"), QStringLiteral("Miejscowość"), QStringLiteral("NIP"),
                               QStringLiteral("Opis")};
    return n;
}

// ---- Writing -------------------------------------------------------------------------

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

// ---- Reading -------------------------------------------------------------------------

struct RekordCsv
{
    QStringList pola;
    int linia; // the file line the record starts on, from 1
};

// The index after the line end at `i` (CR LF, a lone CR or LF, and CR CR LF count as one).
qsizetype zaKoncemLinii(QStringView s, qsizetype i)
{
    if (s[i] == u'\n')
        return i + 1;
    while (i < s.size() && s[i] == u'\r')
        ++i;
    return i < s.size() && s[i] == u'\n' ? i + 1 : i;
}

// Splits the text into records. A record whose quote is never closed is left out (named
// by its line in `pominiete`) and reading goes on at the next line.
QList<RekordCsv> rekordyCsv(QStringView s, QChar sep, QList<Pominiety> &pominiete)
{
    QList<RekordCsv> wynik;
    int linia = 1;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const qsizetype poczatek = i;
        RekordCsv r{{}, linia};
        QString pole;
        bool koniecRekordu = false, zepsuty = false;
        while (!koniecRekordu && !zepsuty) {
            pole.clear();
            if (i < n && s[i] == u'"') {
                ++i;
                for (;;) {
                    if (i >= n) {
                        zepsuty = true;
                        break;
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
                    if (c == u'\n' || c == u'\r') {
                        const qsizetype j = zaKoncemLinii(s, i);
                        pole += s.sliced(i, j - i);
                        i = j;
                        ++linia;
                        continue;
                    }
                    pole += c;
                    ++i;
                }
                if (zepsuty)
                    break;
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
                i = zaKoncemLinii(s, i);
                ++linia;
                koniecRekordu = true;
            }
        }
        if (zepsuty) {
            pominiete.append({r.linia, QStringLiteral("Wiersz %1: cudzysłów bez zamknięcia").arg(r.linia),
                              r.pola.value(0).left(80)});
            i = poczatek;
            while (i < n && s[i] != u'\n' && s[i] != u'\r')
                ++i;
            if (i < n)
                i = zaKoncemLinii(s, i);
            linia = r.linia + 1;
            continue;
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

// ---- The header: what each column holds --------------------------------------------

// Address groups of a header: its words say whose address it is.
enum GrupaAdresu { BezGrupy, GrupaSluzbowa, GrupaDomowa, GrupaInna, GrupaKorespondencyjna };

// Numbered groups of other programs' headers ("Phone 2 - Value" with "Phone 2 - Type").
constexpr int GrupyNumerowane = 100;

// What one header column holds, from its name.
struct OpisKolumny
{
    int cel = Pomin;
    int grupa = BezGrupy;
    int ranga = BezTypu;
    bool szum = false;  // says nothing about the client ("Labels", "Priority")
    bool znany = false; // a name known to hold something no column takes ("Birthday")
};

// The names other programs give their columns, compared as uproscNazwe leaves them.
struct NazwyCelu
{
    int cel;
    std::initializer_list<const char *> nazwy;
};
const NazwyCelu InneNazwyKolumn[] = {
    {Lp, {"lp", "nr", "numer", "no"}},
    {Nazwa1,
     {"nazwa", "nazwa1", "nazwafirmy", "firma", "company", "companyname", "organization", "organisation",
      "organizationname", "organizacja", "name1", "kontrahent", "klient"}},
    {Nazwa2, {"nazwa2", "nazwacd", "name2", "department", "organizationdepartment", "dzial", "departament"}},
    {Nip, {"nip", "vat", "vatid", "vatnumber", "taxid", "taxnumber", "nipue", "numernip"}},
    {Opis, {"opis", "uwagi", "notatki", "notatka", "notes", "note", "description", "comments", "komentarz"}},
    {Osoba, {"name", "fullname", "displayname", "imieinazwisko", "osoba", "kontakt", "contact", "osobakontaktowa"}},
    {Imie, {"firstname", "givenname", "imie", "middlename", "additionalname", "drugieimie", "first", "middle"}},
    {Nazwisko, {"lastname", "familyname", "surname", "nazwisko", "last"}},
    {Info1, {"info1"}},
    {Info2, {"info2"}},
    {Info3, {"info3"}},
    {Info4, {"info4"}},
    {Info5, {"info5"}},
    {Info6, {"info6"}},
    // Known, but no column takes them: their text is listed as not imported.
    {Pomin, {"title",       "tytul",      "suffix",
             "sufiks",      "prefix",     "nameprefix",
             "namesuffix",  "jobtitle",   "organizationtitle",
             "stanowisko",  "birthday",   "urodziny",
             "birthyear",   "birthmonth", "anniversary",
             "rocznica",    "nickname",   "pseudonim",
             "shortname",   "maidenname", "pager",
             "pagernumber", "categories", "kategorie",
             "screenname"}},
};

// Parts of an address, each name with a group word before it ("Business Street", "Work
// ZipCode", "HOMECITY"), after it ("Ulica (biuro)", "Kod pocztowy (dom)"), between
// "address" and the part (Apple's "address (work) street"), or alone.
const NazwyCelu CzesciAdresu[] = {
    {Ulica, {"street", "address", "streetaddress", "addressline1", "ulica", "adres", "ulicainumer"}},
    {UlicaCd, {"street2", "street3", "address2", "address3", "addressline2", "addressline3", "ulica2", "ulica3"}},
    {Miejscowosc, {"city", "town", "locality", "miasto", "miejscowosc", "poczta"}},
    {KodPocztowy, {"postalcode", "zip", "zipcode", "postcode", "kod", "kodpocztowy"}},
    {Kraj, {"country", "countryregion", "kraj", "krajregion"}},
    {Pomin, {"state", "region", "province", "wojewodztwo", "pobox", "addresspobox", "skrytkapocztowa"}},
};
struct SlowaGrupy
{
    int grupa;
    int ranga;
    std::initializer_list<const char *> przed, po;
};
const SlowaGrupy GrupyAdresu[] = {
    {BezGrupy, BezTypu, {""}, {}},
    {GrupaSluzbowa, Sluzbowy, {"business", "work", "office"}, {"biuro", "sluzbowy", "sluzbowa", "sluzbowe", "praca"}},
    {GrupaDomowa, Domowy, {"home"}, {"dom", "domowy", "domowa", "domowe", "prywatny"}},
    {GrupaInna, Pozostaly, {"other"}, {"inny", "inne", "pozostaly"}},
    {GrupaKorespondencyjna, Sluzbowy, {"postal", "mailing"}, {"korespondencyjny", "dokorespondencji"}},
};

// Columns that say nothing about the client, whatever they hold.
// clang-format off
const char *const Szum[] = {
    "labels", "groupmembership", "photo", "emailtype", "email2type", "email3type", "emaildisplayname",
    "email2displayname", "email3displayname", "priority", "sensitivity", "private", "gender", "initials",
    "fileas", "yominame", "givennameyomi", "additionalnameyomi", "familynameyomi", "phoneticfirstname",
    "phoneticmiddlename", "phoneticlastname", "prefermailformat", "internetfreebusy", "priorytet", "prywatne",
    "poufnosc", "plec", "inicjaly", "nazwawyswietlanaemail", "nazwawyswietlanaemail2", "typemail", "typemail2"};
// clang-format on

struct Slownik
{
    QHash<QString, OpisKolumny> nazwy;
    QSet<QString> szum;
};

const Slownik &slownik()
{
    static const Slownik s = [] {
        Slownik w;
        for (const NazwyCelu &n : InneNazwyKolumn)
            for (const char *nazwa : n.nazwy)
                w.nazwy.insert(QString::fromLatin1(nazwa), {n.cel, BezGrupy, BezTypu, false, true});
        for (const SlowaGrupy &g : GrupyAdresu)
            for (const NazwyCelu &c : CzesciAdresu)
                for (const char *czesc : c.nazwy) {
                    const OpisKolumny o{c.cel, g.grupa, g.ranga, false, true};
                    for (const char *przed : g.przed) {
                        w.nazwy.insert(QString::fromLatin1(przed) + QLatin1StringView(czesc), o);
                        w.nazwy.insert(u"address"_qs + QLatin1StringView(przed) + QLatin1StringView(czesc), o);
                    }
                    for (const char *po : g.po)
                        w.nazwy.insert(QLatin1StringView(czesc) + QString::fromLatin1(po), o);
                }
        for (const char *nazwa : Szum)
            w.szum.insert(QString::fromLatin1(nazwa));
        return w;
    }();
    return s;
}

// "Address 2 - Postal Code", "Phone 1 - Type": the numbered groups of other programs.
OpisKolumny opiszNumerowana(const QString &naglowek, const RodzajePol &rodzaje)
{
    static const QRegularExpression wzor(QStringLiteral("^(.+?)\\s*(\\d+)\\s+-\\s+(.+)$"));
    const QRegularExpressionMatch m = wzor.match(naglowek);
    if (!m.hasMatch())
        return {};
    const QString baza = uproscNazwe(m.captured(1)), czesc = uproscNazwe(m.captured(3));
    const int numer = std::min(m.captured(2).toInt(), 99);
    int rodzaj = 0;
    if (baza == u"address")
        rodzaj = 1;
    else if (baza == u"phone")
        rodzaj = 2;
    else if (baza == u"email")
        rodzaj = 3;
    else if (baza == u"website")
        rodzaj = 4;
    else if (baza == u"organization")
        rodzaj = 5;
    OpisKolumny o;
    o.grupa = GrupyNumerowane * rodzaj + numer;
    o.znany = rodzaj != 0;
    if (czesc == u"type" || czesc == u"label") {
        o.cel = rodzaj ? TypGrupy : int(Pomin);
        o.szum = rodzaj == 0;
        return o;
    }
    switch (rodzaj) {
    case 1: {
        static const QHash<QString, int> czesci{{u"street"_qs, Ulica},           {u"city"_qs, Miejscowosc},
                                                {u"postalcode"_qs, KodPocztowy}, {u"extendedaddress"_qs, UlicaCd},
                                                {u"formatted"_qs, AdresCaly},    {u"country"_qs, Kraj}};
        o.cel = czesci.value(czesc, Pomin);
        break;
    }
    case 2: o.cel = czesc == u"value" ? kolumnaRodzaju(RodzajPola::Telefon, rodzaje) : -1; break;
    case 3: o.cel = czesc == u"value" ? kolumnaRodzaju(RodzajPola::Email, rodzaje) : -1; break;
    case 4: o.cel = czesc == u"value" ? kolumnaRodzaju(RodzajPola::Www, rodzaje) : -1; break;
    case 5: o.cel = czesc == u"name" ? int(Nazwa1) : czesc == u"department" ? int(Nazwa2) : int(Pomin); break;
    default: break;
    }
    if (o.cel < 0)
        o.cel = Pomin;
    return o;
}

OpisKolumny opiszKolumne(const QString &naglowek, const PodpisyPol &podpisy, const RodzajePol &rodzaje)
{
    const QString u = uproscNazwe(naglowek);
    if (u.isEmpty())
        return {};
    // The list's own column names, the captions, other programs' names, then what the
    // name says it holds (a phone, an e-mail…) for the free column of that kind.
    for (int k = 0; k < naglowkiStale().size(); ++k)
        if (u == uproscNazwe(naglowkiStale()[k]))
            return {k};
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        if (uproscNazwe(podpisy[i]) == u)
            return {Info1 + i};
    if (slownik().szum.contains(u))
        return {Pomin, BezGrupy, BezTypu, true, true};
    if (const OpisKolumny o = opiszNumerowana(naglowek, rodzaje); o.cel != Pomin || o.grupa)
        return o;
    if (const auto o = slownik().nazwy.constFind(u); o != slownik().nazwy.cend())
        return *o;
    const RodzajPola rodzaj = rodzajNazwy(naglowek);
    if (rodzaj == RodzajPola::Osoba)
        return {Osoba};
    if (rodzaj == RodzajPola::Uwagi)
        return {Opis};
    return {std::max<int>(Pomin, kolumnaRodzaju(rodzaj, rodzaje)), BezGrupy, rangaNazwy(naglowek), false,
            rodzaj != RodzajPola::Inny};
}

// Our own export, whatever its captions: "Lp" and the six fixed names in their places.
// Its free columns go to the columns of the same caption, else of the same kind.
std::optional<QList<OpisKolumny>> opiszWlasny(const QStringList &naglowek, const PodpisyPol &podpisy,
                                              const RodzajePol &rodzaje)
{
    if (naglowek.size() < LiczbaKolumn)
        return std::nullopt;
    for (int k = 0; k < naglowkiStale().size(); ++k)
        if (naglowek[k] != naglowkiStale()[k])
            return std::nullopt;
    QList<OpisKolumny> o(naglowek.size());
    for (int k = 0; k < naglowkiStale().size(); ++k)
        o[k].cel = k;
    const QStringList nasze = naglowkiCsv(podpisy);
    std::array<bool, PodpisyInfo::Liczba> zajeta{};
    const auto przypisz = [&](int i, const std::function<bool(int)> &pasuje) {
        if (o[Info1 + i].cel != Pomin)
            return;
        for (int j : {i, 0, 1, 2, 3, 4, 5})
            if (!zajeta[j] && pasuje(j)) {
                zajeta[j] = true;
                o[Info1 + i].cel = Info1 + j;
                return;
            }
    };
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        przypisz(i, [&](int j) { return uproscNazwe(naglowek[Info1 + i]) == uproscNazwe(nasze[Info1 + j]); });
    for (int i = 0; i < PodpisyInfo::Liczba; ++i) {
        const RodzajPola r = rodzajNazwy(naglowek[Info1 + i]);
        przypisz(i, [&](int j) { return r != RodzajPola::Inny && rodzaje[j] == r; });
    }
    return o;
}

QString etykietaAdresu(int grupa, const QString &typ)
{
    if (grupa >= GrupyNumerowane)
        return typ.isEmpty() ? QStringLiteral("Adres %1").arg(grupa % GrupyNumerowane)
                             : QStringLiteral("Adres (%1)").arg(typ);
    switch (grupa) {
    case GrupaSluzbowa: return QStringLiteral("Adres (biuro)");
    case GrupaDomowa: return QStringLiteral("Adres (dom)");
    case GrupaInna: return QStringLiteral("Adres (inny)");
    case GrupaKorespondencyjna: return QStringLiteral("Adres korespondencyjny");
    }
    return QStringLiteral("Adres");
}

// A value that stands for nothing: empty, or how one program writes an empty date in
// the columns no list column takes.
bool pusta(const QString &v)
{
    const QStringView t = QStringView(v).trimmed();
    return t.isEmpty() || t == u"0/0/00" || t == u"0.0.00";
}

// One record as a contact.
Kontakt kontaktZRekordu(const RekordCsv &rek, const QStringList &naglowek, const QList<OpisKolumny> &opisy,
                        const QList<int> &mapowanie, const RodzajePol &rodzaje)
{
    Kontakt k;
    QHash<int, QString> typy;
    for (qsizetype c = 0; c < mapowanie.size() && c < rek.pola.size(); ++c)
        if (mapowanie[c] == TypGrupy && !pusta(rek.pola[c])) {
            // "* Work": the star marks the first of its kind.
            QString typ = rek.pola[c].trimmed();
            if (typ.startsWith(u'*'))
                typ = typ.mid(1).trimmed();
            typy.insert(opisy[c].grupa, typ);
        }
    const auto ranga = [&](const OpisKolumny &o) {
        const auto t = typy.constFind(o.grupa);
        return t == typy.cend() ? o.ranga : rangaNazwy(*t);
    };
    QMap<int, AdresKontaktu> adresy;
    QString imiona, nazwiska;
    for (qsizetype c = 0; c < mapowanie.size() && c < rek.pola.size(); ++c) {
        const OpisKolumny &o = opisy[c];
        const int cel = mapowanie[c];
        if (rek.pola[c].isEmpty() || (cel == Pomin && pusta(rek.pola[c])))
            continue;
        const QString v = jednaLinia(rek.pola[c]);
        const QString nazwa = naglowek.value(c).isEmpty() ? QStringLiteral("Kolumna %1").arg(c + 1) : naglowek[c];
        if (cel == Ulica || cel == UlicaCd || cel == Miejscowosc || cel == KodPocztowy || cel == AdresCaly
            || cel == Kraj) {
            AdresKontaktu &a = adresy[o.grupa];
            a.ranga = ranga(o);
            a.etykieta = etykietaAdresu(o.grupa, typy.value(o.grupa));
            QString &dokad = cel == Ulica         ? a.ulica
                             : cel == UlicaCd     ? a.ulica2
                             : cel == Miejscowosc ? a.miejscowosc
                             : cel == KodPocztowy ? a.kod
                             : cel == Kraj        ? a.kraj
                                                  : a.caly;
            if (cel == AdresCaly)
                dokad = rek.pola[c].trimmed(); // its lines matter
            else if (cel == UlicaCd)
                dokad = dokad.isEmpty() ? v : dokad + QStringLiteral(", ") + v;
            else if (dokad.isEmpty())
                dokad = v;
        } else if (cel == Osoba) {
            if (k.osoba.isEmpty())
                k.osoba = v;
            else if (k.osoba != v)
                k.nieprzeniesione.append(nazwa + QStringLiteral(": ") + v);
        } else if (cel == Imie) {
            imiona = dolacz(imiona, v);
        } else if (cel == Nazwisko) {
            nazwiska = dolacz(nazwiska, v);
        } else if (cel > Lp && cel < LiczbaKolumn) {
            const RodzajPola r = cel >= Info1 ? rodzaje[cel - Info1] : RodzajPola::Inny;
            // One cell may hold several phones or addresses: "a@x.pl ::: b@x.pl".
            const QStringList czesci = r == RodzajPola::Inny ? QStringList{v} : v.split(QStringLiteral(" ::: "));
            for (const QString &czesc : czesci)
                k.wartosci.append({cel, r, ranga(o), czesc, nazwa});
        } else if (cel == Pomin && !o.szum) {
            k.nieprzeniesione.append(nazwa + QStringLiteral(": ") + v);
        }
    }
    if (k.osoba.isEmpty())
        k.osoba = dolacz(imiona, nazwiska);
    for (const AdresKontaktu &a : adresy)
        k.adresy.append(a);
    return k;
}

QString bladBinarny(qsizetype linia)
{
    return QStringLiteral("Linia %1: plik binarny (bajt zerowy), to nie jest CSV ani vCard").arg(linia);
}

} // namespace

// ---- Header --------------------------------------------------------------------------

QString nazwaCelu(int cel, const PodpisyPol &podpisy)
{
    switch (cel) {
    case Pomin: return QStringLiteral("(pomiń)");
    case Lp: return QStringLiteral("Lp (pomijane)");
    case KodPocztowy: return QStringLiteral("Kod pocztowy (przed miejscowością)");
    case UlicaCd: return QStringLiteral("Ulica, ciąg dalszy (po przecinku)");
    case Osoba: return QStringLiteral("Imię i nazwisko");
    case Imie: return QStringLiteral("Imię");
    case Nazwisko: return QStringLiteral("Nazwisko");
    case TypGrupy: return QStringLiteral("Rodzaj (służbowy, domowy…)");
    case AdresCaly: return QStringLiteral("Cały adres");
    case Kraj: return QStringLiteral("Kraj (nie jest importowany)");
    default:
        if (cel >= Nazwa1 && cel < LiczbaKolumn)
            return naglowkiCsv(podpisy)[cel];
    }
    return {};
}

QList<int> cele()
{
    QList<int> c{Pomin};
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        c.append(k);
    c << KodPocztowy << UlicaCd << Osoba << Imie << Nazwisko;
    return c;
}

QStringList naglowkiCsv(const PodpisyPol &podpisy)
{
    QStringList n = naglowkiStale();
    for (int i = 0; i < 6; ++i)
        n.append(podpisy[i].trimmed().isEmpty() ? QStringLiteral("Info %1").arg(i + 1) : podpisy[i].trimmed());
    return n;
}

// ---- Writer --------------------------------------------------------------------------

PisarzCsv::PisarzCsv(const PodpisyPol &podpisy, QChar separator)
    : m_podpisy(podpisy)
    , m_separator(separator)
{}

bool PisarzCsv::zapisz(QIODevice &urzadzenie, const QList<TekstyWiersza> &klienci)
{
    QString s = poczatekCsv(m_podpisy, m_separator);
    for (const TekstyWiersza &t : klienci)
        dopiszWierszCsv(s, t, m_separator);
    return zapiszCalosc(urzadzenie, s.toUtf8(), m_blad);
}

QByteArray eksportCsv(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy, QChar separator)
{
    return eksportCsv(klienciZListy(lista, wiersze), podpisy, separator);
}

QByteArray eksportCsv(const QList<TekstyWiersza> &klienci, const PodpisyPol &podpisy, QChar separator)
{
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    PisarzCsv(podpisy, separator).zapisz(bufor, klienci);
    return bufor.data();
}

// ---- Reader --------------------------------------------------------------------------

CzytnikCsv::CzytnikCsv(const PodpisyPol &podpisy, std::optional<QList<int>> mapowanie)
    : m_podpisy(podpisy)
    , m_mapowanie(std::move(mapowanie))
{}

WynikWczytania CzytnikCsv::czytaj(QIODevice &urzadzenie) const
{
    QString blad;
    const std::optional<QByteArray> dane = czytajCalosc(urzadzenie, blad);
    return dane ? czytajDane(*dane) : bladWczytania(blad);
}

WynikWczytania CzytnikCsv::czytajDane(const QByteArray &dane) const
{
    QString tekst;
    QString kodowanie;
    if (const std::optional<QString> utf16 = zUtf16(dane)) {
        tekst = *utf16;
        kodowanie = QStringLiteral("UTF-16");
        if (const qsizetype zero = tekst.indexOf(QChar(0)); zero >= 0)
            return bladWczytania(bladBinarny(QStringView(tekst).left(zero).count(u'\n') + 1));
        if (const qsizetype zly = samotnySurogat(tekst); zly >= 0)
            return bladWczytania(QStringLiteral("Linia %1: niepoprawny tekst UTF-16 (połowa pary zastępczej)")
                                     .arg(QStringView(tekst).left(zly).count(u'\n') + 1));
    } else {
        const QByteArrayView b = bezBomUtf8(dane);
        if (const qsizetype zero = b.indexOf('\0'); zero >= 0)
            return bladWczytania(bladBinarny(b.first(zero).count('\n') + 1));
        if (std::optional<QString> s = zUtf8(b)) {
            tekst = *s;
            kodowanie = QStringLiteral("UTF-8");
        } else {
            tekst = zCp1250(b);
            kodowanie = QStringLiteral("Windows-1250");
        }
    }
    if (QStringView(tekst).trimmed().isEmpty())
        return bladWczytania(QStringLiteral("Linia 1: plik jest pusty"));
    WynikWczytania w = czytajTekst(tekst);
    w.kodowanie = kodowanie;
    return w;
}

WynikWczytania CzytnikCsv::czytajTekst(const QString &tekst) const
{
    WynikWczytania wynik;
    wynik.format = Format::Csv;
    wynik.separator = wykryjSeparator(tekst);
    const QList<RekordCsv> rekordy = rekordyCsv(tekst, wynik.separator, wynik.pominiete);
    if (rekordy.isEmpty())
        return bladWczytania(wynik.pominiete.isEmpty() ? QStringLiteral("Wiersz 1: plik jest pusty")
                                                       : wynik.pominiete.first().opis);
    wynik.naglowek = rekordy[0].pola;
    for (QString &n : wynik.naglowek)
        n = n.trimmed();
    const RodzajePol rodzaje = rodzajePol(m_podpisy);
    QList<OpisKolumny> opisy;
    if (const auto wlasny = opiszWlasny(wynik.naglowek, m_podpisy, rodzaje)) {
        opisy = *wlasny;
    } else {
        for (const QString &n : wynik.naglowek)
            opisy.append(opiszKolumne(n, m_podpisy, rodzaje));
    }
    // A first row that names nothing known is not a header: it is not guessed.
    wynik.bezNaglowka =
        std::none_of(opisy.cbegin(), opisy.cend(), [](const OpisKolumny &o) { return o.cel != Pomin || o.znany; });
    const auto nazwane =
        std::count_if(wynik.naglowek.cbegin(), wynik.naglowek.cend(), [](const QString &n) { return !n.isEmpty(); });
    if (wynik.bezNaglowka && !m_mapowanie && nazwane < 2)
        return bladWczytania(QStringLiteral("Wiersz 1: to nie jest plik CSV ani vCard (nie rozpoznano nagłówka)"));
    if (wynik.bezNaglowka)
        opisy = QList<OpisKolumny>(wynik.naglowek.size());
    if (m_mapowanie) {
        if (m_mapowanie->size() != wynik.naglowek.size())
            return bladWczytania(QStringLiteral("Wiersz 1: przypisanie ma %1 kolumn, nagłówek %2")
                                     .arg(m_mapowanie->size())
                                     .arg(wynik.naglowek.size()));
        wynik.mapowanie = *m_mapowanie;
    } else {
        for (const OpisKolumny &o : opisy)
            wynik.mapowanie.append(o.cel);
    }
    const qsizetype pierwszy = wynik.bezNaglowka ? 0 : 1;
    for (qsizetype r = pierwszy; r < rekordy.size() && wynik.probki.size() < 3; ++r)
        wynik.probki.append(rekordy[r].pola);

    QList<bool> zTekstem(wynik.naglowek.size());
    for (qsizetype r = pierwszy; r < rekordy.size(); ++r) {
        const RekordCsv &rek = rekordy[r];
        for (qsizetype k = 0; k < rek.pola.size() && k < zTekstem.size(); ++k)
            zTekstem[k] = zTekstem[k] || !pusta(rek.pola[k]);
        if (wynik.bezNaglowka && !m_mapowanie)
            continue;
        QStringList nie;
        const TekstyWiersza t =
            klientZKontaktu(kontaktZRekordu(rek, wynik.naglowek, opisy, wynik.mapowanie, rodzaje), rodzaje, nie);
        const auto nadmiar = std::find_if(rek.pola.cbegin() + std::min(rek.pola.size(), wynik.naglowek.size()),
                                          rek.pola.cend(), [](const QString &p) { return !p.trimmed().isEmpty(); });
        if (nadmiar != rek.pola.cend()) {
            wynik.pominiete.append({rek.linia,
                                    QStringLiteral("Wiersz %1: więcej pól (%2) niż w nagłówku (%3)")
                                        .arg(rek.linia)
                                        .arg(rek.pola.size())
                                        .arg(wynik.naglowek.size()),
                                    t[Nazwa1].isEmpty() ? t[Nazwa2] : t[Nazwa1]});
            continue;
        }
        if (!pustyKlient(t)) {
            wynik.klienci.append(t);
            wynik.nieprzeniesione.append(nie);
        }
    }
    for (int k = 0; k < wynik.mapowanie.size(); ++k)
        if (wynik.mapowanie[k] == Pomin && !opisy[k].znany && zTekstem[k])
            wynik.nierozpoznane.append(k);
    if (wynik.bezNaglowka && !m_mapowanie) {
        wynik.blad = QStringLiteral("Wiersz 1: nie rozpoznano nagłówka. Pierwszy wiersz musi nazywać kolumny, "
                                    "na przykład: „Nazwa 1” (albo „Firma”, „Company”, „Name”), „Ulica”, "
                                    "„Miejscowość”, „Kod pocztowy”, „NIP”");
        return wynik;
    }
    std::stable_sort(wynik.pominiete.begin(), wynik.pominiete.end(),
                     [](const Pominiety &a, const Pominiety &b) { return a.linia < b.linia; });
    if (wynik.klienci.isEmpty() && !wynik.pominiete.isEmpty())
        wynik.blad = wynik.pominiete.first().opis;
    return wynik;
}

} // namespace Wymiana
