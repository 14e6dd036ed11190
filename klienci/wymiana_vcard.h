// vCard files of clients: the writer and the reader.
#pragma once

#include "wymiana_kontakt.h"

class QIODevice;

namespace Wymiana {

// The vCard property names of the six free fields: "X-" and the caption without
// diacritics, upper case, other characters as '-'; "X-INFO<n>" when a caption is empty
// or its name is taken.
std::array<QString, PodpisyInfo::Liczba> nazwyPolVcard(const PodpisyPol &podpisy);

// Writes vCard 3.0, one card per client: FN (the contact person when a column says so,
// else the two name lines), N (empty), ORG from the two name lines, a work ADR (a
// leading "NN-NNN " of the town becomes the postal code), X-NIP, NOTE ("NIP: …" line,
// then the description), the free columns whose captions say phone, mobile, fax, e-mail,
// web page or notes also as TEL, EMAIL, URL, NOTE, and every free field as nazwyPolVcard
// names it. UTF-8, CRLF, lines folded at 75 octets.
class PisarzVcard
{
public:
    explicit PisarzVcard(const PodpisyPol &podpisy);

    // False, with blad() saying why, when the device did not take everything.
    bool zapisz(QIODevice &urzadzenie, const QList<Klienci::TekstyWiersza> &klienci);
    QString blad() const { return m_blad; }

private:
    std::array<QString, PodpisyInfo::Liczba> m_nazwyPol;
    RodzajePol m_rodzaje;
    QString m_blad;
};

// The export as PisarzVcard writes it, of the list's rows or of clients.
QByteArray eksportVcard(const ListaKlientow &lista, const QList<int> &wiersze, const PodpisyPol &podpisy);
QByteArray eksportVcard(const QList<Klienci::TekstyWiersza> &klienci, const PodpisyPol &podpisy);

// Reads vCard 2.1, 3.0 and 4.0: folded lines, quoted-printable with soft line breaks,
// CHARSET= through Qt's codecs, escapes, groups, several cards, any line ends; UTF-16
// with a byte-order mark. ORG gives the name lines, FN (or N) the person, ADR the address
// (klientZKontaktu chooses one), X-NIP the NIP, the first NOTE the description, TEL,
// EMAIL, URL and further NOTEs the free columns of their kind, the X- names of
// nazwyPolVcard(podpisy) (or X-INFO<n>) the free fields, other X- names the column of
// their kind. A card that breaks the structure or holds text that cannot be decoded is
// left out, named by the line at fault; the rest is read.
class CzytnikVcard
{
public:
    explicit CzytnikVcard(const PodpisyPol &podpisy);

    WynikWczytania czytaj(QIODevice &urzadzenie) const;

private:
    WynikWczytania czytajDane(const QByteArray &dane) const;

    std::array<QByteArray, PodpisyInfo::Liczba> m_nazwyPol; // X- names, as nazwyPolVcard gives them
    RodzajePol m_rodzaje;
};

} // namespace Wymiana
