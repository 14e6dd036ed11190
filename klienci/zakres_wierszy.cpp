#include "zakres_wierszy.h"

#include <QRegularExpression>

#include <set>

std::optional<QList<int>> parsujWiersze(QStringView tekst, int liczbaWierszy, QString *blad)
{
    static const QRegularExpression czesc(QStringLiteral("^\\s*(\\d{1,6})\\s*(?:-\\s*(\\d{1,6})\\s*)?$"));
    std::set<int> wiersze;
    for (QStringView kawalek : tekst.split(u',')) {
        const QRegularExpressionMatch m = czesc.match(kawalek.toString());
        if (!m.hasMatch()) {
            if (blad)
                *blad =
                    QStringLiteral("niezrozumiały zakres wierszy \"%1\" (przykład: 1-40,57)").arg(kawalek.trimmed());
            return std::nullopt;
        }
        const int od = m.captured(1).toInt();
        const int doW = m.hasCaptured(2) ? m.captured(2).toInt() : od;
        if (od < 1 || doW > liczbaWierszy || od > doW) {
            if (blad)
                *blad = QStringLiteral("wiersze %1 są poza listą (numery od 1 do %2)")
                            .arg(kawalek.trimmed())
                            .arg(liczbaWierszy);
            return std::nullopt;
        }
        for (int w = od; w <= doW; ++w)
            wiersze.insert(w - 1);
    }
    return QList<int>(wiersze.begin(), wiersze.end());
}
