// Test helper: what the argument recorder (lk_zapisz_argumenty, standing in for a client
// tool) wrote, each argument ended by a NUL byte.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

#include <optional>

// The recorded arguments, or nothing when the file did not appear within a few seconds.
inline std::optional<QStringList> czekajNaArgumenty(const QString &plik)
{
    for (int i = 0; i < 100 && !QFile::exists(plik); ++i)
        QTest::qWait(50);
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList argumenty;
    const QList<QByteArray> czesci = f.readAll().split('\0');
    for (qsizetype i = 0; i + 1 < czesci.size(); ++i) // the last NUL ends the last argument
        argumenty.append(QString::fromUtf8(czesci[i]));
    return argumenty;
}
