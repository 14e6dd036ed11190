// The pictures on the windows' buttons, drawn rather than read from files: they cost
// nothing at start-up and stay sharp at any size.
#pragma once

#include <QIcon>
#include <QLabel>

enum class Ikona {
    Plik,        // a sheet of paper
    Otworz,      // an open folder
    Folder,      // a closed folder
    Kosz,        // a waste bin
    Szukaj,      // a magnifying glass
    SzukajDalej, // a magnifying glass and an arrow
    Podglad,     // a sheet under a magnifying glass
    WPrawo,      // arrows
    WLewo,
    WGore,
    WDol,
    Zapisz,     // a diskette
    Odrzuc,     // a red cross in a circle
    Zamknij,    // a door with an arrow
    Pomoc,      // a question mark in a circle
    Informacja, // an "i" in a circle
    Ok,         // a tick
    Odswiez,    // a turning arrow
    Czcionka,   // a letter A
    Koperta,    // an envelope
    Koperty,    // two envelopes
    Etykiety,   // a sheet of labels
    Lista,      // a card with lines (the program's own picture)
    Dom,        // a house
};

// A scalable icon; disabled, it is drawn pale.
QIcon ikona(Ikona rodzaj);

// A label showing an icon drawn to its size whenever it is painted (a picture of the
// windows' forms).
class ObrazekIkony : public QLabel
{
public:
    using QLabel::QLabel;
    void ustawIkone(const QIcon &ikona);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QIcon m_ikona;
};
