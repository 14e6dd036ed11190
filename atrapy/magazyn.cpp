#include "magazyn.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

std::optional<QString> sciezkaMagazynu(const QString &folder, const QString &nazwa)
{
    if (nazwa.isEmpty() || nazwa == u"." || nazwa == u".." || nazwa.contains(u'/') || nazwa.contains(u'\\')
        || nazwa.contains(QChar(0)))
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

std::optional<QPoint> srodekOknaWywolujacego()
{
    const QStringList czesci = qEnvironmentVariable("LK_SRODEK_OKNA").split(u',');
    bool x = false;
    bool y = false;
    const QPoint p(czesci.value(0).toInt(&x), czesci.value(1).toInt(&y));
    if (czesci.size() != 2 || !x || !y)
        return std::nullopt;
    return p;
}
