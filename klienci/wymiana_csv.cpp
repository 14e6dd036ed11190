#include "wymiana_csv.h"

#include "tekst.h"
#include "wymiana_tekst.h"

#include <QBuffer>
#include <QHash>

#include <algorithm>

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

// The names other programs give the columns, compared as uproscNazwe leaves them.
struct InneNazwy
{
    int cel;
    std::initializer_list<const char *> nazwy;
};
const InneNazwy InneNazwyKolumn[] = {
    {Lp, {"lp", "nr", "numer", "no"}},
    {Nazwa1,
     {"nazwa", "nazwa1", "nazwa firmy", "firma", "company", "company name", "organization", "organisation",
      "organization 1 - name", "organizacja", "name 1", "kontrahent", "klient"}},
    {Nazwa2, {"nazwa2", "nazwa cd", "name 2", "name2"}},
    {Ulica,
     {"ulica", "adres", "street", "address", "street address", "business street", "home street", "address 1 - street",
      "work street", "ulica i numer"}},
    {Miejscowosc,
     {"miejscowość", "miasto", "city", "town", "locality", "business city", "home city", "address 1 - city",
      "work city", "poczta"}},
    {KodPocztowy,
     {"kod", "kod pocztowy", "postal code", "zip", "zip code", "postcode", "business postal code", "home postal code",
      "address 1 - postal code", "work postal code", "work zip"}},
    {Nip, {"nip", "vat", "vat id", "vat number", "tax id", "tax number", "nip ue"}},
    {Opis, {"opis", "uwagi", "notatki", "notatka", "notes", "note", "description", "comments", "komentarz"}},
    {Osoba,
     {"name", "full name", "display name", "imię i nazwisko", "osoba", "kontakt", "contact", "osoba kontaktowa"}},
    {Imie, {"first name", "given name", "imię"}},
    {Nazwisko, {"last name", "family name", "surname", "nazwisko"}},
    {Info1, {"info1"}},
    {Info2, {"info2"}},
    {Info3, {"info3"}},
    {Info4, {"info4"}},
    {Info5, {"info5"}},
    {Info6, {"info6"}},
};

const QHash<QString, int> &slownikNaglowkow()
{
    static const QHash<QString, int> s = [] {
        QHash<QString, int> h;
        for (const InneNazwy &n : InneNazwyKolumn)
            for (const char *nazwa : n.nazwy)
                h.insert(uproscNazwe(QString::fromUtf8(nazwa)), n.cel);
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

// One record as a client (possibly empty); nullopt with `blad` naming the record's line
// when it holds more fields than the header.
std::optional<TekstyWiersza> klientZRekordu(const RekordCsv &rek, const QList<int> &mapowanie, QString &blad)
{
    const qsizetype szerokosc = mapowanie.size();
    for (qsizetype k = szerokosc; k < rek.pola.size(); ++k)
        if (!rek.pola[k].trimmed().isEmpty()) {
            blad = QStringLiteral("Wiersz %1: więcej pól (%2) niż w nagłówku (%3)")
                       .arg(rek.linia)
                       .arg(rek.pola.size())
                       .arg(szerokosc);
            return std::nullopt;
        }
    TekstyWiersza t;
    QString kod, imie, nazwisko, osoba;
    for (qsizetype k = 0; k < szerokosc && k < rek.pola.size(); ++k) {
        const int cel = mapowanie[k];
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
    return t;
}

QString bladBinarny(qsizetype linia)
{
    return QStringLiteral("Linia %1: plik binarny (bajt zerowy), to nie jest CSV ani vCard").arg(linia);
}

} // namespace

// ---- Header --------------------------------------------------------------------------

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
    QString blad;
    const QList<RekordCsv> rekordy = rekordyCsv(tekst, wynik.separator, blad);
    if (!blad.isEmpty())
        return bladWczytania(blad);
    if (rekordy.isEmpty())
        return bladWczytania(QStringLiteral("Wiersz 1: plik jest pusty"));
    wynik.naglowek = rekordy[0].pola;
    for (QString &n : wynik.naglowek)
        n = n.trimmed();
    if (m_mapowanie) {
        if (m_mapowanie->size() != wynik.naglowek.size())
            return bladWczytania(QStringLiteral("Wiersz 1: przypisanie ma %1 kolumn, nagłówek %2")
                                     .arg(m_mapowanie->size())
                                     .arg(wynik.naglowek.size()));
        wynik.mapowanie = *m_mapowanie;
    } else {
        wynik.mapowanie = mapujNaglowek(wynik.naglowek, m_podpisy);
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
    if (!cokolwiek && !m_mapowanie && nazwane < 2)
        return bladWczytania(QStringLiteral("Wiersz 1: to nie jest plik CSV ani vCard (nie rozpoznano nagłówka)"));

    for (qsizetype r = 1; r < rekordy.size(); ++r) {
        const std::optional<TekstyWiersza> t = klientZRekordu(rekordy[r], wynik.mapowanie, blad);
        if (!t)
            return bladWczytania(blad);
        if (!pustyKlient(*t))
            wynik.klienci.append(*t);
    }
    return wynik;
}

} // namespace Wymiana
