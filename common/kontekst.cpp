#include "kontekst.h"

#include "sciezki.h"

#include <QDir>

#include <utility>

Kontekst::Kontekst(QString katalogStartowy)
    : m_katalogStartowy(std::move(katalogStartowy))
    , m_katalogRoboczy(m_katalogStartowy)
{}

KatalogDanych Kontekst::rozwiazKatalogDanych() const
{
    return ::rozwiazKatalogDanych(m_katalogRoboczy);
}

void Kontekst::przejdzDo(const QString &katalog)
{
    const QString naDysku = katalog.isEmpty() ? QStringLiteral("/") : dopasujWielkoscLiter(katalog);
    // A folder that is gone leaves the process where it was, and the working directory too.
    if (QDir::setCurrent(naDysku))
        m_katalogRoboczy = QDir::cleanPath(naDysku);
}

QString Kontekst::sciezkaRobocza(const QString &wzgledna) const
{
    return sciezkaDanych(m_katalogRoboczy, wzgledna);
}
