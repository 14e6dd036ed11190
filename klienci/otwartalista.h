// The list the user works on: its file and its rows as last read. Every command that
// changes the list writes the whole file and reads it back, so the rows always show
// what the file holds. Nothing here shows anything: each operation returns its error.
#pragma once

#include "listaklientow.h"

class OtwartaLista
{
public:
    // "klienci.dat" and an all-zero list until a list is created or read.
    OtwartaLista();

    // The current list file.
    const QString &biezacaLista() const { return m_biezacaLista; }
    const ListaKlientow &lista() const { return m_lista; }

    // Reads the current file again; on an error the rows stay as they were.
    BladIO wczytaj();
    // Reads another file, which becomes the current one; a failed read changes nothing.
    BladIO otworz(const QString &sciezka);
    // Writes a new list to the file; only once it is written does it become the current one.
    BladIO utworzNowa(const QString &sciezka);

    // "Dodaj do listy": the 12 texts from nazwa1 on go into the row (lp is never written,
    // only each entry's length byte and characters), then save and read back.
    BladIO ustawWiersz(int wiersz, const Klienci::TekstyWiersza &teksty);
    // "Usuń wpis": the row's 12 texts from nazwa1 on become empty, then save and read back.
    BladIO wyczyscWiersz(int wiersz);
    // Sorts by nazwa1, packs the named rows to the top, saves and reads back.
    BladIO sortuj(Klienci::Kierunek kierunek);

    // The lowest row holding the text (see ListaKlientow::szukaj), or -1.
    int szukaj(QStringView tekst) const { return m_lista.szukaj(tekst); }
    // The first row with an empty nazwa1, or -1.
    int pierwszyWolny() const { return m_lista.pierwszyWolny(); }

    // Deletes a list file (any, not only the current one); false when it could not.
    static bool usunPlikListy(const QString &sciezka);

private:
    // Writes the block to the current file, then reads the file back.
    BladIO zapiszIWczytaj(const ListaKlientow &doZapisu);

    QString m_biezacaLista;
    ListaKlientow m_lista;
};
