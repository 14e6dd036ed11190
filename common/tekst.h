// Length-prefixed texts in Windows-1250, as every data file of the suite stores them.
#pragma once

#include <QByteArray>
#include <QString>

// Encodes to Windows-1250; a character the code page cannot hold becomes '?'.
QByteArray doCp1250(QStringView tekst);
QString zCp1250(QByteArrayView bajty);
// Whether the code page holds the character.
bool miesciSieWCp1250(QChar z);

// A field of capacity C takes C + 1 bytes: the length byte, then C bytes of text.
// Reading takes a length byte above the capacity as the capacity (a damaged file),
// so it never reads past the field.
QString czytajTekst(const char *pole, int pojemnosc);
QString czytajTekst(const QByteArray &rekord, qsizetype przesuniecie, int pojemnosc);

// Writing cuts the text to the capacity and replaces only the length byte and the
// new characters: the bytes after the text keep whatever the buffer held.
void zapiszTekst(char *pole, int pojemnosc, QStringView tekst);
void zapiszTekst(QByteArray &rekord, qsizetype przesuniecie, int pojemnosc, QStringView tekst);

// The same for text that is already in Windows-1250.
QByteArray czytajBajtyTekstu(const char *pole, int pojemnosc);
void zapiszBajtyTekstu(char *pole, int pojemnosc, QByteArrayView bajty);
