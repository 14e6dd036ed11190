#include "aplikacja.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool zaladujTlumaczenia(QCoreApplication &app)
{
    auto *tlumacz = new QTranslator(&app);
    if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumacz;
        return false;
    }
    QCoreApplication::installTranslator(tlumacz);
    return true;
}

QString formatCzasu()
{
    const QString dlugi = QLocale::system().timeFormat(QLocale::LongFormat);
    // Drop every unquoted 't' (the time zone) and tidy the spaces it leaves.
    QString wynik;
    bool wCudzyslowie = false;
    for (QChar z : dlugi) {
        if (z == u'\'')
            wCudzyslowie = !wCudzyslowie;
        if (!wCudzyslowie && z == u't')
            continue;
        wynik.append(z);
    }
    wynik = wynik.simplified();
    if (!wynik.contains(u's'))
        wynik = QStringLiteral("HH:mm:ss");
    return wynik;
}
