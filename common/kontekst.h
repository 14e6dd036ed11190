// Where the program works: the directory it was started in and the working directory,
// which the list-file and envelope commands move to their data root when they complete.
// The suite's tools and the print-font file are found relative to the working directory,
// so the process's current directory follows it; nothing reads the current directory
// back. One object is made by the program main and handed to both windows.
#pragma once

#include "katalogdanych.h"

#include <QString>

class Kontekst
{
public:
    // The process's current directory is taken to be `katalogStartowy`; it is not changed.
    explicit Kontekst(QString katalogStartowy);

    const QString &katalogStartowy() const { return m_katalogStartowy; }
    const QString &katalogRoboczy() const { return m_katalogRoboczy; }

    // The data root chosen by the network setting under the working directory.
    KatalogDanych rozwiazKatalogDanych(BrakUstawienia brak = BrakUstawienia::Utworz) const;

    // Moves the working directory, and the process's current directory, to `katalog` as
    // its folders are spelt on disk (the setting need not match their letter case); an
    // empty path means the file-system root.
    void przejdzDo(const QString &katalog);

    // A path under the working directory from a Windows-style relative path such as
    // "\\FONT\\font_zentar.dat".
    QString sciezkaRobocza(const QString &wzgledna) const;

private:
    QString m_katalogStartowy;
    QString m_katalogRoboczy;
};
