#include "jpeg.h"

#include "sciezki.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <turbojpeg.h>

#include <limits>
#include <memory>

namespace {

constexpr qint64 MaksRozmiarPliku = 128 * 1024 * 1024;
// The largest picture decoded: 50 million pixels (a page scanned at 600 dpi is 35
// million). The size comes from the file's header, so a damaged file of a few hundred
// bytes could otherwise claim 60000 × 60000 pixels and have gigabytes allocated and
// filled before its data turn out to be missing.
constexpr qint64 MaksPikseli = 50'000'000;

struct ZwolnijUchwyt
{
    void operator()(void *h) const { tjDestroy(h); }
};
using Uchwyt = std::unique_ptr<void, ZwolnijUchwyt>;

QString bladJpeg(const QString &szczegoly)
{
    return QStringLiteral("Nie można wczytać obrazka JPEG: %1").arg(szczegoly);
}

// True when the markers before the image data include an Adobe APP14 segment: such
// files keep CMYK inverted (0 means full ink).
bool maZnacznikAdobe(QByteArrayView d)
{
    qsizetype i = 2; // after the start marker
    while (i + 4 <= d.size()) {
        if (quint8(d[i]) != 0xFF)
            return false;
        const quint8 znacznik = quint8(d[i + 1]);
        if (znacznik == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (znacznik == 0xDA || znacznik == 0xD9) // start of scan, end of image
            return false;
        const qsizetype dlugosc = (qsizetype(quint8(d[i + 2])) << 8) | quint8(d[i + 3]);
        if (dlugosc < 2)
            return false;
        if (znacznik == 0xEE && dlugosc >= 7 && i + 9 <= d.size() && d.sliced(i + 4, 5) == "Adobe")
            return true;
        i += 2 + dlugosc;
    }
    return false;
}

} // namespace

ObrazJpeg dekodujJpeg(QByteArrayView dane)
{
    if (dane.isEmpty())
        return {{}, bladJpeg(QStringLiteral("plik jest pusty"))};
    if (quint64(dane.size()) > quint64(std::numeric_limits<unsigned long>::max()))
        return {{}, bladJpeg(QStringLiteral("plik jest za duży"))};

    Uchwyt h(tjInitDecompress());
    if (!h)
        return {{}, bladJpeg(QStringLiteral("za mało pamięci"))};

    const auto *bajty = reinterpret_cast<const unsigned char *>(dane.data());
    const auto rozmiar = static_cast<unsigned long>(dane.size());
    int szer = 0, wys = 0, probkowanie = 0, przestrzen = 0;
    if (tjDecompressHeader3(h.get(), bajty, rozmiar, &szer, &wys, &probkowanie, &przestrzen) != 0)
        return {{}, bladJpeg(QStringLiteral("plik jest uszkodzony albo nie jest obrazkiem JPEG"))};
    // A file holding little more than the start marker passes the header check
    // without a size.
    if (szer <= 0 || wys <= 0)
        return {{}, bladJpeg(QStringLiteral("brak rozmiaru obrazka"))};
    if (qint64(szer) * wys > MaksPikseli)
        return {{}, bladJpeg(QStringLiteral("obrazek jest za duży (%1 × %2 pikseli)").arg(szer).arg(wys))};

    // A warning is accepted (many pictures carry harmless oddities), except the one
    // saying the data ended early: a truncated file is a damaged file.
    auto nieudane = [&h](int wynik) -> QString {
        if (wynik == 0)
            return {};
        // The library's own texts are English: they only tell a truncated file apart.
        const QString tekst = QString::fromLocal8Bit(tjGetErrorStr2(h.get()));
        const bool urwany = tekst.contains(QLatin1String("Premature end"));
        if (tjGetErrorCode(h.get()) == TJERR_WARNING && !urwany)
            return {};
        return urwany ? QStringLiteral("plik jest niekompletny") : QStringLiteral("plik jest uszkodzony");
    };

    if (przestrzen == TJCS_CMYK || przestrzen == TJCS_YCCK) {
        QByteArray cmyk(qsizetype(szer) * wys * 4, '\0');
        const QString blad =
            nieudane(tjDecompress2(h.get(), bajty, rozmiar, reinterpret_cast<unsigned char *>(cmyk.data()), szer,
                                   szer * 4, wys, TJPF_CMYK, 0));
        if (!blad.isEmpty())
            return {{}, bladJpeg(blad)};
        const bool odwrocone = maZnacznikAdobe(dane);
        QImage obraz(szer, wys, QImage::Format_RGB888);
        if (obraz.isNull())
            return {{}, bladJpeg(QStringLiteral("za mało pamięci"))};
        const auto *z = reinterpret_cast<const quint8 *>(cmyk.constData());
        for (int y = 0; y < wys; ++y) {
            quint8 *wiersz = obraz.scanLine(y);
            for (int x = 0; x < szer; ++x, z += 4) {
                // Amount of light left by each ink, 255 = no ink.
                int c = z[0], m = z[1], yy = z[2], k = z[3];
                if (!odwrocone) {
                    c = 255 - c;
                    m = 255 - m;
                    yy = 255 - yy;
                    k = 255 - k;
                }
                wiersz[3 * x] = quint8((c * k + 127) / 255);
                wiersz[3 * x + 1] = quint8((m * k + 127) / 255);
                wiersz[3 * x + 2] = quint8((yy * k + 127) / 255);
            }
        }
        return {obraz, {}};
    }

    QImage obraz(szer, wys, QImage::Format_RGB888);
    if (obraz.isNull())
        return {{}, bladJpeg(QStringLiteral("za mało pamięci"))};
    const QString blad = nieudane(
        tjDecompress2(h.get(), bajty, rozmiar, obraz.bits(), szer, int(obraz.bytesPerLine()), wys, TJPF_RGB, 0));
    if (!blad.isEmpty())
        return {{}, bladJpeg(blad)};
    return {obraz, {}};
}

namespace {

QString bladObrazka(const QString &szczegoly)
{
    return QStringLiteral("Nie można wczytać obrazka: %1").arg(szczegoly);
}

// Reads at most the size a logo may have; the text is the reason it could not be read.
QByteArray czytajObrazek(const QString &sciezka, QString &blad)
{
    // Only a regular file of sensible size: a device such as /dev/zero named in a
    // damaged profile would otherwise be read without end.
    const QFileInfo info(sciezka);
    if (!info.exists())
        blad = bladObrazka(QStringLiteral("nie ma takiego pliku"));
    else if (!info.isFile())
        blad = bladObrazka(QStringLiteral("to nie jest plik"));
    else if (info.size() > MaksRozmiarPliku)
        blad = bladObrazka(QStringLiteral("plik jest za duży"));
    if (!blad.isEmpty())
        return {};
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) {
        blad = bladObrazka(QStringLiteral("brak dostępu do pliku"));
        return {};
    }
    const QByteArray dane = plik.read(MaksRozmiarPliku + 1);
    if (plik.error() != QFileDevice::NoError)
        blad = bladObrazka(QStringLiteral("błąd odczytu pliku"));
    else if (dane.size() > MaksRozmiarPliku)
        blad = bladObrazka(QStringLiteral("plik jest za duży"));
    return blad.isEmpty() ? dane : QByteArray();
}

bool toJpeg(QByteArrayView dane)
{
    return dane.size() >= 2 && quint8(dane[0]) == 0xFF && quint8(dane[1]) == 0xD8;
}

} // namespace

ObrazJpeg wczytajObrazek(const QString &sciezka)
{
    QString blad;
    const QByteArray dane = czytajObrazek(sciezka, blad);
    if (!blad.isEmpty())
        return {{}, blad};
    if (toJpeg(dane) || dane.isEmpty())
        return dekodujJpeg(dane);

    // Other formats through Qt's readers, with the same limit on the picture's size.
    QBuffer bufor;
    bufor.setData(dane);
    QImageReader czytnik(&bufor);
    if (!czytnik.canRead())
        return {{}, bladObrazka(QStringLiteral("nieznany format obrazka (obsługiwane: JPEG, PNG)"))};
    const QSize rozmiar = czytnik.size();
    if (rozmiar.isValid() && qint64(rozmiar.width()) * rozmiar.height() > MaksPikseli)
        return {
            {},
            bladObrazka(
                QStringLiteral("obrazek jest za duży (%1 × %2 pikseli)").arg(rozmiar.width()).arg(rozmiar.height()))};
    QImage obraz = czytnik.read();
    if (obraz.isNull())
        return {{}, bladObrazka(QStringLiteral("plik jest uszkodzony"))};
    // Transparent parts print as the white of the envelope.
    if (obraz.hasAlphaChannel()) {
        QImage tlo(obraz.size(), QImage::Format_RGB888);
        tlo.fill(Qt::white);
        QPainter p(&tlo);
        p.drawImage(0, 0, obraz);
        p.end();
        obraz = tlo;
    } else {
        obraz = obraz.convertToFormat(QImage::Format_RGB888);
    }
    return {obraz, {}};
}

QString sciezkaObrazka(const QString &zapisana)
{
    if (zapisana.isEmpty())
        return {};
    return dopasujWielkoscLiter(sciezkaZWindows(zapisana));
}
