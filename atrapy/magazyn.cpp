#include "magazyn.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> sciezkaMagazynu(const QString &folder, const QString &nazwa)
{
    if (nazwa.isEmpty() || nazwa == u"." || nazwa == u".." || nazwa.contains(u'/')
        || nazwa.contains(u'\\') || nazwa.contains(QChar(0)))
        return std::nullopt;
    return QDir(folder).filePath(nazwa);
}

BladIO czytajMagazyn(const QString &sciezka, QByteArray &dane)
{
    if (!plikIstnieje(sciezka)) {
        dane.clear();
        return {};
    }
    return czytajRekord(sciezka, dane, QFileInfo(sciezka).size());
}

BladIO zapiszMagazyn(const QString &sciezka, const QByteArray &dane)
{
    QDir().mkpath(QFileInfo(sciezka).path());
    return zapiszRekord(sciezka, dane);
}
