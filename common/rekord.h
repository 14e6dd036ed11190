// Record files: every data file holds exactly one fixed-size record.
#pragma once

#include <QByteArray>
#include <QString>

// An input/output error, numbered and worded as the suite's other programs report it.
struct BladIO
{
    enum Kod : int {
        Brak = 0,
        NieZnaleziono = 2, // "File not found"
        ZlaNazwa = 3,      // "Invalid filename" (also a missing folder on the path)
        ZaDuzoPlikow = 4,  // "Too many open files"
        OdmowaDostepu = 5, // "File access denied" (also a read-only file)
        KoniecPliku = 100, // "Read beyond end of file"
        PelnyDysk = 101,   // "Disk full"
        ZlaLiczba = 106,   // "Invalid numeric input"
        // System errors without a runtime equivalent get the number a Windows program
        // would see, never one of the numbers above.
        UrzadzenieNieDziala = 31, // "I/O error 31": the disk failed (EIO)
        BladSieci = 59,           // "I/O error 59": a network file system failed
    };

    int kod = Brak;

    bool ok() const { return kod == Brak; }
    explicit operator bool() const { return kod != Brak; } // true when there is an error
    QString tekst() const;

    // Maps a system error number (errno) from an operation on `sciezka`.
    static BladIO zErrno(int numer, const QString &sciezka);
};

// Opens the file for reading and writing (so a read-only file fails with
// "File access denied"), reads its first `rozmiar` bytes and closes it. A shorter file
// fails with "Read beyond end of file"; bytes beyond the record are ignored.
// `rekord` is replaced only when the whole record was read.
BladIO czytajRekord(const QString &sciezka, QByteArray &rekord, qsizetype rozmiar);
// How a record is opened for reading: for reading and writing, as the windows open every
// record, or for reading only, for work that writes nothing (the command line's reading
// commands need no write permission).
enum class Otwarcie { OdczytIZapis, TylkoOdczyt };
BladIO czytajRekord(const QString &sciezka, QByteArray &rekord, qsizetype rozmiar, Otwarcie otwarcie);

// Opens the file for reading only; -1 with `blad` set (as czytajRekord names it) when it
// cannot be opened. The descriptor is closed on exec.
int otworzDoOdczytu(const QString &sciezka, BladIO &blad);
// Reads the first `rozmiar` bytes of an open file from its start, as czytajRekord does;
// `sciezka` only names the file in errors.
BladIO czytajRekord(int plik, const QString &sciezka, QByteArray &rekord, qsizetype rozmiar);

// Replaces the file with exactly this record. Safe: the new content goes to a temporary
// file in the same folder, is flushed and synced, and only then renamed over the old
// one, so a failed or interrupted save leaves the earlier file byte for byte intact.
// A read-only target fails with "File access denied" and is left untouched. In a folder
// where no temporary file can be made, a writable file is written in place instead,
// never cut short first: an interrupted write leaves the old bytes after the point
// reached, and bytes that did not change are never lost.
BladIO zapiszRekord(const QString &sciezka, const QByteArray &rekord);

bool plikIstnieje(const QString &sciezka);

// Creates the file with `poczatkowy` when no file exists at the path, then reads its
// record (as long as `poczatkowy`) into `bufor`, which is left as it was on an error.
BladIO wczytajLubUtworz(const QString &sciezka, const QByteArray &poczatkowy, QByteArray &bufor);

// Deletes a file; false when it could not be deleted.
bool usunPlik(const QString &sciezka);
