// Test helpers for files: whole-file read and write, the small records the tests put in
// place, and a temporary folder that is the current directory while it lives.
#pragma once

#include "tekst.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

inline QByteArray czytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dane) == dane.size();
}

// The firm record (306 bytes) with three sender lines; the bytes this program does not
// read hold `reszta`.
inline QByteArray rekordFirmy(const QString &a, const QString &b, const QString &c, char reszta = '\x55')
{
    QByteArray r(306, reszta);
    zapiszTekst(r, 0, 50, a);
    zapiszTekst(r, 51, 50, b);
    zapiszTekst(r, 102, 50, c);
    return r;
}

// The stored form of address (21 bytes).
inline QByteArray formaAdresu(const QString &forma)
{
    QByteArray r(21, '\0');
    zapiszTekst(r, 0, 20, forma);
    return r;
}

// A temporary folder holding `foldery`, the current directory until it goes.
class KatalogTestu
{
public:
    explicit KatalogTestu(const QStringList &foldery = {QStringLiteral("Admini")})
    {
        for (const QString &f : foldery)
            QDir(tmp.path()).mkpath(f);
        QDir::setCurrent(tmp.path());
    }
    ~KatalogTestu() { QDir::setCurrent(m_stary); }
    QString sciezka(const QString &wzgledna) const { return tmp.filePath(wzgledna); }
    QString korzen() const { return tmp.path(); }
    QByteArray czytaj(const QString &wzgledna) const { return czytajPlik(sciezka(wzgledna)); }
    bool zapisz(const QString &wzgledna, const QByteArray &dane) const { return zapiszPlik(sciezka(wzgledna), dane); }
    // Makes `wzgledna` (a folder below) the current directory.
    bool wejdz(const QString &wzgledna = {}) const { return QDir::setCurrent(sciezka(wzgledna)); }
    // Whether the current directory is `wzgledna`.
    bool biezacy(const QString &wzgledna = {}) const
    {
        return QDir::current().canonicalPath() == QDir(sciezka(wzgledna)).canonicalPath();
    }

    QTemporaryDir tmp;

private:
    QString m_stary = QDir::currentPath();
};
