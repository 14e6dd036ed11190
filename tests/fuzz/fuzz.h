// Helpers shared by the fuzz targets.
#pragma once

#include "rekord.h"
#include "tekst.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

// A broken promise of the code under test: report it and abort, which libFuzzer keeps
// as a crash input.
#define LK_WYMAGAJ(warunek)                                                                                            \
    do {                                                                                                               \
        if (!(warunek)) {                                                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #warunek);                                 \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace fuzz {

// Qt's warnings (a file name with a NUL in it, say) would flood the fuzzer's output.
inline void cicho(QtMsgType, const QMessageLogContext &, const QString &) {}
inline const bool wyciszoneQt = (qInstallMessageHandler(cicho), true);

// A folder that lives as long as the process; every input is written below it.
inline const QString &katalogRoboczy()
{
    static QTemporaryDir katalog;
    LK_WYMAGAJ(katalog.isValid());
    static const QString sciezka = katalog.path();
    return sciezka;
}

inline QByteArray bajty(const uint8_t *dane, size_t rozmiar)
{
    return QByteArray(reinterpret_cast<const char *>(dane), static_cast<qsizetype>(rozmiar));
}

// Writes `tresc` to `sciezka` with plain file calls (not the code under test).
inline void zapiszPlik(const QString &sciezka, const QByteArray &tresc)
{
    std::FILE *f = std::fopen(sciezka.toLocal8Bit().constData(), "wb");
    LK_WYMAGAJ(f != nullptr);
    if (!tresc.isEmpty())
        LK_WYMAGAJ(std::fwrite(tresc.constData(), 1, size_t(tresc.size()), f) == size_t(tresc.size()));
    LK_WYMAGAJ(std::fclose(f) == 0);
}

inline QByteArray czytajPlik(const QString &sciezka)
{
    QByteArray wynik;
    std::FILE *f = std::fopen(sciezka.toLocal8Bit().constData(), "rb");
    LK_WYMAGAJ(f != nullptr);
    char bufor[4096];
    size_t n;
    while ((n = std::fread(bufor, 1, sizeof bufor, f)) > 0)
        wynik.append(bufor, static_cast<qsizetype>(n));
    std::fclose(f);
    return wynik;
}

// Writes the input as a file and reads it as a record of `rozmiar` bytes, checking the
// reader's promises: a shorter file fails with "Read beyond end of file" and leaves the
// buffer alone; otherwise the record is the file's first `rozmiar` bytes.
inline std::optional<QByteArray> czytajJakoRekord(const QByteArray &wejscie, qsizetype rozmiar)
{
    const QString plik = katalogRoboczy() + QStringLiteral("/rekord.dat");
    zapiszPlik(plik, wejscie);
    QByteArray rekord("nietkniety");
    const BladIO blad = czytajRekord(plik, rekord, rozmiar);
    if (wejscie.size() < rozmiar) {
        LK_WYMAGAJ(blad.kod == BladIO::KoniecPliku);
        LK_WYMAGAJ(blad.tekst() == QStringLiteral("Read beyond end of file"));
        LK_WYMAGAJ(rekord == "nietkniety");
        return std::nullopt;
    }
    LK_WYMAGAJ(blad.ok());
    LK_WYMAGAJ(rekord == wejscie.left(rozmiar));
    LK_WYMAGAJ(czytajPlik(plik) == wejscie); // reading changes nothing
    return rekord;
}

// Reads the length-prefixed text of capacity `pojemnosc` at `przesuniecie` the ways the
// program does. The field is first copied into a buffer of exactly its own size, so a
// read past the field is caught by AddressSanitizer.
inline QString czytajPole(const QByteArray &rekord, qsizetype przesuniecie, int pojemnosc)
{
    LK_WYMAGAJ(przesuniecie >= 0 && przesuniecie + pojemnosc + 1 <= rekord.size());
    const size_t rozmiar = size_t(pojemnosc) + 1;
    std::unique_ptr<char[]> pole(new char[rozmiar]);
    std::memcpy(pole.get(), rekord.constData() + przesuniecie, rozmiar);

    const QByteArray surowe = czytajBajtyTekstu(pole.get(), pojemnosc);
    const QString tekst = czytajTekst(pole.get(), pojemnosc);
    LK_WYMAGAJ(surowe.size() <= pojemnosc);
    LK_WYMAGAJ(surowe.size() == qMin<int>(static_cast<unsigned char>(rekord[przesuniecie]), pojemnosc));
    LK_WYMAGAJ(surowe == rekord.mid(przesuniecie + 1, surowe.size()));
    // Windows-1250 is a one-byte code page: one character per byte, both ways.
    LK_WYMAGAJ(tekst.size() == surowe.size());
    LK_WYMAGAJ(doCp1250(tekst).size() == tekst.size());
    LK_WYMAGAJ(tekst == czytajTekst(rekord, przesuniecie, pojemnosc));

    // Writing the text back stays inside the field and keeps the bytes after the text.
    std::unique_ptr<char[]> kopia(new char[rozmiar]);
    std::memcpy(kopia.get(), pole.get(), rozmiar);
    zapiszTekst(kopia.get(), pojemnosc, tekst);
    LK_WYMAGAJ(static_cast<unsigned char>(kopia[0]) == surowe.size());
    if (size_t(surowe.size()) + 1 < rozmiar)
        LK_WYMAGAJ(std::memcmp(kopia.get() + 1 + surowe.size(), pole.get() + 1 + surowe.size(),
                               rozmiar - 1 - size_t(surowe.size()))
                   == 0);
    return tekst;
}

} // namespace fuzz
