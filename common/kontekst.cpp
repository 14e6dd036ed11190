#include "kontekst.h"

#include "sciezki.h"

#include <QDir>

#include <utility>

Kontekst::Kontekst(QString katalogStartowy)
    : m_katalogStartowy(std::move(katalogStartowy))
    , m_katalogRoboczy(m_katalogStartowy)
{}

KatalogDanych Kontekst::rozwiazKatalogDanych(BrakUstawienia brak) const
{
    return ::rozwiazKatalogDanych(m_katalogRoboczy, brak);
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
