// A small command-line driver of the record files, for the fault-injection scripts.
//
//   rekord_proba zapisz PLIK ROZMIAR WERSJA   safe save of record WERSJA
//   rekord_proba naiwnie PLIK ROZMIAR WERSJA  buffered QSaveFile without the flush check
//                                             (shows that a script really hits the
//                                             case it is meant to hit)
//   rekord_proba czytaj PLIK ROZMIAR          read through czytajRekord
//   rekord_proba sprawdz PLIK ROZMIAR         is the file one complete record?
//   rekord_proba petla PLIK ROZMIAR OD        saves OD, OD+1, ... until killed
//   rekord_proba czytelnik PLIK ROZMIAR SEK   reads the file over and over for SEK seconds;
//                                             every read must be one complete record
//
// A record of version v holds v in its first four bytes and a pattern of v and the
// offset in every other byte; two consecutive versions differ in every byte, so a file
// made of parts of two saves, or cut short, is always told apart from a whole one.
// Output: "OK", "OK WERSJA" or the error text; exit code 0 for OK, 1 for an I/O error,
// 2 for a file that is no complete record, 3 for wrong use.

#include "rekord.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

QByteArray wzor(qsizetype rozmiar, quint32 wersja)
{
    QByteArray r(rozmiar, '\0');
    for (qsizetype i = 0; i < rozmiar; ++i)
        r[i] = static_cast<char>((i * 131 + qsizetype(wersja) * 17 + (i >> 8)) & 0xff);
    for (qsizetype i = 0; i < 4 && i < rozmiar; ++i)
        r[i] = static_cast<char>((wersja >> (8 * i)) & 0xff);
    return r;
}

// The version the record holds, when it is a complete record of that version.
std::optional<quint32> wersjaRekordu(const QByteArray &r, qsizetype rozmiar)
{
    if (r.size() != rozmiar || rozmiar < 1)
        return std::nullopt;
    quint32 w = 0;
    for (qsizetype i = 0; i < 4 && i < rozmiar; ++i)
        w |= quint32(static_cast<unsigned char>(r[i])) << (8 * i);
    if (r != wzor(rozmiar, w))
        return std::nullopt;
    return w;
}

int wypisz(const BladIO &b)
{
    if (b.ok()) {
        std::puts("OK");
        return 0;
    }
    std::puts(b.tekst().toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4)
        return 3;
    const std::string polecenie = argv[1];
    const QString plik = QFile::decodeName(argv[2]);
    const qsizetype rozmiar = std::stoll(argv[3]);
    const quint32 wersja = argc > 4 ? quint32(std::stoul(argv[4])) : 0;

    if (polecenie == "zapisz")
        return wypisz(zapiszRekord(plik, wzor(rozmiar, wersja)));

    if (polecenie == "naiwnie") {
        QSaveFile f(plik);
        if (!f.open(QIODevice::WriteOnly))
            return wypisz({BladIO::OdmowaDostepu});
        f.write(wzor(rozmiar, wersja));
        return wypisz(f.commit() ? BladIO{} : BladIO{BladIO::PelnyDysk});
    }

    if (polecenie == "czytaj") {
        QByteArray r;
        const BladIO b = czytajRekord(plik, r, rozmiar);
        if (b)
            return wypisz(b);
        const auto w = wersjaRekordu(r, rozmiar);
        if (w)
            std::printf("OK %u\n", *w);
        else
            std::puts("OK");
        return 0;
    }

    if (polecenie == "sprawdz") {
        QFile f(plik);
        if (!f.open(QIODevice::ReadOnly)) {
            std::puts("brak pliku");
            return 2;
        }
        const auto w = wersjaRekordu(f.readAll(), rozmiar);
        if (!w) {
            std::printf("niepelny rekord (%lld bajtow)\n", static_cast<long long>(f.size()));
            return 2;
        }
        std::printf("OK %u\n", *w);
        return 0;
    }

    if (polecenie == "czytelnik") {
        QElapsedTimer zegar;
        zegar.start();
        long odczyty = 0, bledy = 0;
        while (zegar.elapsed() < qint64(wersja) * 1000) {
            QByteArray r;
            const BladIO b = czytajRekord(plik, r, rozmiar);
            if (b) {
                // Between two saves the name always names a file; a missing one is a fault.
                std::printf("read %ld: %s\n", odczyty, b.tekst().toUtf8().constData());
                ++bledy;
            } else if (!wersjaRekordu(r, rozmiar)) {
                std::printf("read %ld: no complete record\n", odczyty);
                ++bledy;
            }
            ++odczyty;
        }
        std::printf("%ld reads, %ld bad\n", odczyty, bledy);
        return bledy ? 2 : 0;
    }

    if (polecenie == "petla") {
        for (quint32 w = wersja;; ++w) {
            const BladIO b = zapiszRekord(plik, wzor(rozmiar, w));
            if (b)
                return wypisz(b);
        }
    }
    return 3;
}
