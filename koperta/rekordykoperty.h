// The envelope's record files: the four defaults files in ADMINI and the profile.
//
// Every number is kept as the text typed in its edit field; the preset number and the
// two print flags are single bytes. The window keeps one working copy per file kind
// (BuforyKoperty): a store fills the copy's fields and writes the copy, a load reads
// the file into the copy, so the bytes after a text's length keep what the copy held.
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QString>

#include <array>

// Envelope layout record, "\ADMINI\dane_kop_1.dat".
namespace UkladKoperty {
constexpr qsizetype Rozmiar = 480;
constexpr int PojemnoscNadawcy = 80;          // n1..n4
constexpr int PojemnoscLiczby = 5;            // l1..l4, g1..g4, od
constexpr int PojemnoscPolozeniaNadawcy = 50; // l_n, g_n
constexpr std::array<qsizetype, 4> Nadawca = {0, 81, 162, 243};
constexpr std::array<qsizetype, 4> OdLewej = {324, 330, 336, 342};
constexpr std::array<qsizetype, 4> OdGory = {348, 354, 360, 366};
constexpr qsizetype Odstep = 372;
constexpr qsizetype NadawcaOdLewej = 378;
constexpr qsizetype NadawcaOdGory = 429;

// Written when the file is missing: presets 50, 100, 150, 200 mm both ways, the sender
// at 5 mm from the left and the top, a line spacing of 5 mm, empty sender lines.
QByteArray poczatkowy();
} // namespace UkladKoperty

// Logo record, "\ADMINI\dane_kop_log_1.dat".
namespace LogoKoperty {
constexpr qsizetype Rozmiar = 243;
constexpr qsizetype Nazwa = 0; // full path of the picture
constexpr int PojemnoscNazwy = 230;
constexpr qsizetype OdLewej = 231;
constexpr qsizetype OdGory = 237;
constexpr int PojemnoscLiczby = 5;
} // namespace LogoKoperty

// Print options record, "\ADMINI\dane_kop_ori_1.dat".
namespace OpcjeDruku {
constexpr qsizetype Rozmiar = 3;
constexpr qsizetype NumerRozmiaru = 0; // 1..4
constexpr qsizetype Logo = 1;          // 1 print the logo
constexpr qsizetype Poziomo = 2;       // 1 landscape
} // namespace OpcjeDruku

// Form-of-address record, "\ADMINI\dane_kop_for.dat".
namespace FormaAdresu {
constexpr qsizetype Rozmiar = 21;
constexpr int Pojemnosc = 20;
} // namespace FormaAdresu

// Envelope profile (".pro"): the layout, logo and print options records end to end.
namespace ProfilKoperty {
constexpr qsizetype Rozmiar = 726;
constexpr qsizetype Uklad = 0;
constexpr qsizetype Logo = 480;
constexpr qsizetype Opcje = 723;
} // namespace ProfilKoperty

// Relative paths of the defaults files under the envelope data root.
namespace PlikiKoperty {
inline const QString Uklad = QStringLiteral("\\ADMINI\\dane_kop_1.dat");
inline const QString Logo = QStringLiteral("\\ADMINI\\dane_kop_log_1.dat");
inline const QString Opcje = QStringLiteral("\\ADMINI\\dane_kop_ori_1.dat");
inline const QString Forma = QStringLiteral("\\ADMINI\\dane_kop_for.dat");
inline const QString Profile = QStringLiteral("\\Koperty");
} // namespace PlikiKoperty

// The envelope settings as the window's controls hold them.
struct UstawieniaKoperty
{
    std::array<QString, 4> nadawca; // n1..n4
    std::array<QString, 4> odLewej; // l1..l4
    std::array<QString, 4> odGory;  // g1..g4
    QString odstep;                 // od
    QString nadawcaOdLewej;         // l_n
    QString nadawcaOdGory;          // g_n
    QString nazwaObrazka;           // nazwa
    QString logoOdLewej;            // l_log
    QString logoOdGory;             // g_log
    QString formaAdresu;            // o1, its own record
    // The stored bytes. On storing, a preset of 0 (no radio button checked) keeps the
    // byte the working copy already holds; on loading they come back as stored, and the
    // window applies only 1..4 and 0/1.
    quint8 rozmiar = 0;
    quint8 logo = 0;
    quint8 poziomo = 0;

    bool operator==(const UstawieniaKoperty &) const = default;
};

// Field-by-field copies between settings and a record; `baza` is where the record
// starts inside the buffer (0 for its own file, or its place in a profile).
void wpiszUklad(QByteArray &bufor, qsizetype baza, const UstawieniaKoperty &u);
void odczytajUklad(const QByteArray &bufor, qsizetype baza, UstawieniaKoperty &u);
void wpiszLogo(QByteArray &bufor, qsizetype baza, const UstawieniaKoperty &u);
void odczytajLogo(const QByteArray &bufor, qsizetype baza, UstawieniaKoperty &u);
void wpiszOpcje(QByteArray &bufor, qsizetype baza, const UstawieniaKoperty &u);
void odczytajOpcje(const QByteArray &bufor, qsizetype baza, UstawieniaKoperty &u);
void wpiszProfil(QByteArray &bufor, const UstawieniaKoperty &u);
void odczytajProfil(const QByteArray &bufor, UstawieniaKoperty &u);

// The working copies, zero bytes at first and kept for the window's whole life.
struct BuforyKoperty
{
    QByteArray uklad{UkladKoperty::Rozmiar, '\0'};
    QByteArray logo{LogoKoperty::Rozmiar, '\0'};
    QByteArray opcje{OpcjeDruku::Rozmiar, '\0'};
    QByteArray forma{FormaAdresu::Rozmiar, '\0'};
    QByteArray profil{ProfilKoperty::Rozmiar, '\0'};
};
