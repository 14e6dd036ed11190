#include "sciezki.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString sciezkaZWindows(const QString &sciezka)
{
    QString s = sciezka;
    s.replace(u'\\', u'/');
    if (s.startsWith(QLatin1String("//"))) {
        // A shared network folder.
        const QString reszta = s.mid(2);
        s = QStringLiteral("/net/") + reszta;
    } else if (s.size() >= 2 && s[1] == u':' && s[0].isLetter()) {
        s = s.mid(2);
        if (!s.startsWith(u'/'))
            s.prepend(u'/');
    }
    // Fold runs of separators; keep a lone root.
    QString wynik;
    wynik.reserve(s.size());
    for (QChar z : std::as_const(s)) {
        if (z == u'/' && wynik.endsWith(u'/'))
            continue;
        wynik.append(z);
    }
    if (wynik.size() > 1 && wynik.endsWith(u'/'))
        wynik.chop(1);
    return wynik;
}

QString dopasujWielkoscLiter(const QString &sciezka)
{
    if (sciezka.isEmpty())
        return sciezka;
    const bool bezwzgledna = sciezka.startsWith(u'/');
    const QStringList czesci = sciezka.split(u'/', Qt::SkipEmptyParts);
    QString wynik = bezwzgledna ? QStringLiteral("/") : QString();
    bool istnieje = true; // once a part is missing, nothing below it can exist
    for (const QString &czesc : czesci) {
        QString nazwa = czesc;
        if (istnieje && czesc != u"." && czesc != u"..") {
            const QString katalog = wynik.isEmpty() ? QStringLiteral(".") : wynik;
            if (!QFileInfo::exists(katalog + u'/' + czesc)) {
                const QStringList wpisy =
                    QDir(katalog).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                istnieje = false;
                for (const QString &wpis : wpisy) {
                    if (wpis.compare(czesc, Qt::CaseInsensitive) == 0) {
                        nazwa = wpis;
                        istnieje = true;
                        break;
                    }
                }
            }
        }
        if (!wynik.isEmpty() && !wynik.endsWith(u'/'))
            wynik.append(u'/');
        wynik.append(nazwa);
    }
    return wynik;
}

QString sciezkaDanych(const QString &katalog, const QString &wzgledna)
{
    // The data root is already a platform path; the relative part uses backslashes.
    // An empty data root leaves the path beginning with its separator: the root folder.
    QString reszta = wzgledna;
    reszta.replace(u'\\', u'/');
    return dopasujWielkoscLiter(QDir::cleanPath(katalog + u'/' + reszta));
}
