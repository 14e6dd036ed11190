// One contact as a reader finds it in a file, whatever the format, and the one rule that
// makes a client of it: which column each value lands in (the free columns by what their
// captions say), one address taken whole, the person, and what no column takes.
#pragma once

#include "wymiana_wspolne.h"

namespace Wymiana {

// What a free column holds, from its caption: "Telefon", "Tel. kom.", "Fax", "E-mail",
// "WWW", "Osoba", "Uwagi", "Bank"; Inny for anything else. Also what a header of another
// program or a vCard X- name holds ("Mobile Phone", "X-TELEFON").
enum class RodzajPola { Inny, Telefon, Komorka, Faks, Email, Www, Osoba, Uwagi, Bank };
RodzajPola rodzajNazwy(QStringView nazwa);

using RodzajePol = std::array<RodzajPola, PodpisyInfo::Liczba>;
RodzajePol rodzajePol(const PodpisyPol &podpisy);

// The free column (Klienci::Info1 …) a value of this kind goes to first: the first column
// of the kind, then of a related kind (a phone and a mobile take each other's column); -1.
int kolumnaRodzaju(RodzajPola rodzaj, const RodzajePol &rodzaje);

// Which of several values or addresses wins: work before untyped before mobile before
// home before other.
enum Ranga : int { Sluzbowy, BezTypu, Komorkowy, Domowy, Pozostaly };
// The rank a type word or header name gives ("WORK", "* Home", "Mobile Phone", "(biuro)").
int rangaNazwy(QStringView nazwa);

struct WartoscKontaktu
{
    int kolumna = -1;                     // a column of the list (Klienci::Kolumna); -1: a free column of `rodzaj`
    RodzajPola rodzaj = RodzajPola::Inny; // when `kolumna` is taken: another free column of the kind
    int ranga = BezTypu;
    QString tekst;
    QString etykieta; // its name in the list of what is not imported ("Home Phone", "Telefon (dom)")
    // A standard vCard property (TEL, EMAIL, URL, NOTE) that our own export writes beside
    // an X- field holding the same text: such a copy is not a value of its own.
    bool kopiaPola = false;
};

struct AdresKontaktu
{
    int ranga = BezTypu;
    QString ulica, ulica2, kod, miejscowosc, kraj;
    QString caly;     // the whole address as one text, used when the parts are empty
    QString etykieta; // "Adres (dom)"
    bool pusty() const;
};

struct Kontakt
{
    QList<WartoscKontaktu> wartosci;
    QList<AdresKontaktu> adresy;
    QString osoba;               // the person's full name
    bool osobaKopiaPola = false; // a vCard FN that may repeat the contact-person X- field
    QStringList nieprzeniesione; // what the reader already knows no column takes: "Stanowisko: szef"
};

// The client the contact makes for a list with free columns of `rodzaje`, and in
// `nieprzeniesione` every value that found no column ("Telefon (dom): 58 300 00 00"):
// - values in their column, the better rank first; a taken free column passes the value
//   to the next free column of the same kind, otherwise it is not imported;
// - one address: the first complete one (a street and a town or postal code) by rank,
//   else the first with anything, street, postal code and town taken together from it;
// - the person: nazwa1 without a firm, else the contact-person column, else nazwa2.
Klienci::TekstyWiersza klientZKontaktu(const Kontakt &k, const RodzajePol &rodzaje, QStringList &nieprzeniesione);

} // namespace Wymiana
