#include "wymiana.h"

#include "tekst.h"
#include "wymiana_tekst.h"

#include <QBuffer>
#include <QFile>

namespace Wymiana {

namespace {

bool zaczynaKarte(QStringView s)
{
    return s.trimmed().startsWith(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive);
}

// Whether the content is a vCard: its text, decoded as CzytnikCsv decodes it, begins
// with BEGIN:VCARD. A file holding a zero byte is left to CzytnikCsv, which refuses it.
bool jestVcard(const QByteArray &dane)
{
    if (const std::optional<QString> tekst = zUtf16(dane))
        return !tekst->contains(QChar(0)) && zaczynaKarte(*tekst);
    const QByteArrayView b = bezBomUtf8(dane);
    if (b.contains('\0'))
        return false;
    qsizetype p = 0;
    while (p < b.size() && QChar::isSpace(uchar(b[p])))
        ++p;
    if (b.sliced(p).first(std::min<qsizetype>(11, b.size() - p)).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0)
        return true;
    // Only a text that begins with a blank beyond ASCII needs decoding to tell.
    if (p == b.size() || uchar(b[p]) < 0x80)
        return false;
    const std::optional<QString> utf8 = zUtf8(b);
    return zaczynaKarte(utf8 ? *utf8 : zCp1250(b));
}

} // namespace

WynikWczytania wczytajKlientow(const QByteArray &dane, const PodpisyPol &podpisy,
                               const std::optional<QList<int>> &mapowanie)
{
    if (dane.size() > MaksRozmiarPliku)
        return bladWczytania(bladRozmiaru());
    QBuffer bufor;
    bufor.setData(dane);
    bufor.open(QIODevice::ReadOnly);
    if (jestVcard(dane))
        return CzytnikVcard(podpisy).czytaj(bufor);
    return CzytnikCsv(podpisy, mapowanie).czytaj(bufor);
}

QByteArray czytajPlikWymiany(const QString &sciezka, QString &blad)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        blad = QStringLiteral("Nie można otworzyć pliku %1").arg(sciezka);
        return {};
    }
    std::optional<QByteArray> d = czytajCalosc(f, blad);
    if (!d) {
        if (f.error() != QFileDevice::NoError)
            blad = QStringLiteral("Błąd odczytu pliku %1").arg(sciezka);
        return {};
    }
    blad.clear();
    return *d;
}

WynikWczytania wczytajPlikKlientow(const QString &sciezka, const PodpisyPol &podpisy,
                                   const std::optional<QList<int>> &mapowanie)
{
    QString blad;
    const QByteArray d = czytajPlikWymiany(sciezka, blad);
    if (!blad.isEmpty())
        return bladWczytania(blad);
    return wczytajKlientow(d, podpisy, mapowanie);
}

BladIO zapiszPlikWymiany(const QString &sciezka, const QByteArray &tresc)
{
    return zapiszRekord(sciezka, tresc);
}

WynikEksportu eksportujDoPliku(const QString &sciezka, Format format, const ListaKlientow &lista,
                               const QList<int> &wiersze, const PodpisyPol &podpisy, QChar separator)
{
    WynikEksportu w;
    w.zapisane = wierszeZTekstem(lista, wiersze);
    w.blad = zapiszPlikWymiany(sciezka, format == Format::Vcard ? eksportVcard(lista, w.zapisane, podpisy)
                                                                : eksportCsv(lista, w.zapisane, podpisy, separator));
    return w;
}

} // namespace Wymiana
