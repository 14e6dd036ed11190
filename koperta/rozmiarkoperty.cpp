#include "rozmiarkoperty.h"

#include "sciezki.h"

#include <QFile>
#include <QSizeF>

namespace {

struct Opis
{
    RozmiarKoperty rozmiar;
    const char *nazwa;
    QPageSize::PageSizeId strona;
};

// The standard envelope sizes in use in Poland; Qt knows them all.
constexpr Opis Opisy[] = {
    {RozmiarKoperty::DL, "DL", QPageSize::EnvelopeDL},       {RozmiarKoperty::C6, "C6", QPageSize::EnvelopeC6},
    {RozmiarKoperty::C6C5, "C6/C5", QPageSize::EnvelopeC65}, {RozmiarKoperty::C5, "C5", QPageSize::EnvelopeC5},
    {RozmiarKoperty::C4, "C4", QPageSize::EnvelopeC4},       {RozmiarKoperty::B5, "B5", QPageSize::EnvelopeB5},
    {RozmiarKoperty::B4, "B4", QPageSize::EnvelopeB4},
};

const Opis *opis(RozmiarKoperty r)
{
    for (const Opis &o : Opisy)
        if (o.rozmiar == r)
            return &o;
    return nullptr;
}

// The longest line a size file may hold; anything longer is not a size.
constexpr qint64 MaksDlugosc = 32;

} // namespace

namespace RozmiaryKopert {

const QList<RozmiarKoperty> &wszystkie()
{
    static const QList<RozmiarKoperty> lista = [] {
        QList<RozmiarKoperty> l{RozmiarKoperty::JakWDrukarce};
        for (const Opis &o : Opisy)
            l.append(o.rozmiar);
        return l;
    }();
    return lista;
}

QString nazwa(RozmiarKoperty r)
{
    const Opis *o = opis(r);
    return o ? QString::fromLatin1(o->nazwa) : QString();
}

QString etykieta(RozmiarKoperty r)
{
    const Opis *o = opis(r);
    if (!o)
        return QStringLiteral("Jak w drukarce");
    const QSizeF mm = QPageSize(o->strona).size(QPageSize::Millimeter);
    return QStringLiteral("%1 (%2 × %3 mm)").arg(nazwa(r)).arg(qRound(mm.width())).arg(qRound(mm.height()));
}

std::optional<RozmiarKoperty> zNazwy(QStringView tekst)
{
    const QString t = tekst.trimmed().toString().remove(u'/').toUpper();
    for (const Opis &o : Opisy)
        if (t == QString::fromLatin1(o.nazwa).remove(u'/'))
            return o.rozmiar;
    return std::nullopt;
}

QPageSize rozmiarStrony(RozmiarKoperty r)
{
    const Opis *o = opis(r);
    return o ? QPageSize(o->strona) : QPageSize();
}

QString plikDomyslny(const QString &katalogDanych)
{
    return sciezkaDanych(katalogDanych, QStringLiteral("\\ADMINI\\koperta_rozmiar.txt"));
}

QString plikProfilu(const QString &sciezkaProfilu)
{
    return sciezkaProfilu + QStringLiteral(".rozmiar");
}

RozmiarKoperty czytaj(const QString &plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return RozmiarKoperty::JakWDrukarce;
    const std::optional<RozmiarKoperty> r = zNazwy(QString::fromLatin1(f.read(MaksDlugosc)));
    return r.value_or(RozmiarKoperty::JakWDrukarce);
}

BladIO zapisz(const QString &plik, RozmiarKoperty r)
{
    return zapiszRekord(plik, nazwa(r).toLatin1() + '\n');
}

} // namespace RozmiaryKopert
