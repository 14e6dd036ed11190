// The envelope settings on disk: the four defaults records under the data root, the
// profiles (".pro") and the form of address. It owns the working copies of the records
// (each load fills its copy, each store writes the copy with the settings' fields, so
// bytes after a text's length keep what the copy held) and returns every I/O error.
#pragma once

#include "rekordykoperty.h"

#include <QString>

class MagazynKoperty
{
public:
    // The records of the defaults, one per file.
    enum class Rekord { Uklad, Logo, Opcje, Forma };
    // What reading a defaults record does when its file is missing: fails ("File not
    // found"), creates the file with the initial record first (the window's set-up), or
    // takes the initial record without writing anything (the command line). Something
    // other than a file at that path is read, and fails, in every case.
    enum class Brakujacy { Blad, Utworz, JakUtworzony };

    // `katalogDanych`: the envelope data root (empty: the file-system root). `otwarcie`:
    // how the records and profiles are opened for reading (read only for work that
    // writes nothing).
    explicit MagazynKoperty(QString katalogDanych = QString(), Otwarcie otwarcie = Otwarcie::OdczytIZapis);

    void ustawKatalog(const QString &katalogDanych) { m_katalog = katalogDanych; }
    const QString &katalog() const { return m_katalog; }
    QString sciezka(Rekord r) const;
    // The folder the profile dialogs open in.
    QString katalogProfili() const;

    // Reads one defaults record into its working copy and its fields of `u` (the layout
    // with its sender lines). The initial record is the layout with its initial values,
    // the others zero-filled.
    BladIO wczytaj(Rekord r, UstawieniaKoperty &u, Brakujacy brakujacy = Brakujacy::Blad);
    // Reads the four defaults records in the window's set-up order (logo, layout, form of
    // address, print options), creating those missing; stops at the first error.
    BladIO utworzBrakujace();

    // "Zapisz ustalenia jako domyślne": layout, logo, print options, in that order,
    // stopping at the first error.
    BladIO zapiszDomyslne(const UstawieniaKoperty &u);
    // The form of address alone ("Koniec").
    BladIO zapiszForme(const QString &forma);

    // A profile is read whole before anything of `u` changes.
    BladIO wczytajProfil(const QString &plik, UstawieniaKoperty &u);
    BladIO zapiszProfil(const QString &plik, const UstawieniaKoperty &u);

    const BuforyKoperty &bufory() const { return m_bufory; }

private:
    QByteArray &bufor(Rekord r);
    BladIO zapisz(Rekord r);

    QString m_katalog;
    Otwarcie m_otwarcie;
    BuforyKoperty m_bufory;
};
