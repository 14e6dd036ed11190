#include "druk_koperty.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

bool obrazekIstnieje(const QString &sciezka)
{
    return !sciezka.isEmpty() && !sciezka.contains(QChar(0)) && QFileInfo(sciezka).isFile();
}

DaneKoperty daneKoperty(const UstawieniaKoperty &u, const std::array<QString, 4> &odbiorca, const QImage &logo,
                        const CzcionkaDruku &czcionka)
{
    DaneKoperty d;
    d.nadawca = u.nadawca;
    d.odbiorca = {u.formaAdresu, odbiorca[0], odbiorca[1], odbiorca[2], odbiorca[3]};
    d.polozenia.od = u.odstep;
    d.polozenia.l_n = u.nadawcaOdLewej;
    d.polozenia.g_n = u.nadawcaOdGory;
    if (u.rozmiar >= 1 && u.rozmiar <= 4) {
        d.polozenia.lOdbiorcy = u.odLewej[u.rozmiar - 1];
        d.polozenia.gOdbiorcy = u.odGory[u.rozmiar - 1];
    }
    d.polozenia.l_log = u.logoOdLewej;
    d.polozenia.g_log = u.logoOdGory;
    d.poziomo = u.poziomo == 1;
    d.drukujLogo = u.logo == 1;
    d.logo = logo;
    d.krojCzcionki = czcionka.kroj;
    d.rozmiarCzcionki = czcionka.rozmiar;
    d.stylCzcionki = czcionka.styl();
    d.kolorCzcionki = kolorZZapisu(czcionka.kolor());
    return d;
}

void ParametryDrukarki(Plotno &plotno)
{
    const QPaintDevice *urzadzenie = plotno.malarz.device();
    if (!urzadzenie)
        return;
    plotno.parametry.dpiX = urzadzenie->logicalDpiX();
    plotno.parametry.dpiY = urzadzenie->logicalDpiY();
    plotno.parametry.punktyNaMmX = punktyNaMilimetr(plotno.parametry.dpiX);
    plotno.parametry.punktyNaMmY = punktyNaMilimetr(plotno.parametry.dpiY);
}

void UstawPoziomo(QPagedPaintDevice &urzadzenie)
{
    urzadzenie.setPageOrientation(QPageLayout::Landscape);
}

void UstawPionowo(QPagedPaintDevice &urzadzenie)
{
    urzadzenie.setPageOrientation(QPageLayout::Portrait);
}

void UstawCzcionke(Plotno &plotno, const QString &kroj, qint32 rozmiar)
{
    QFont f = plotno.malarz.font();
    if (!kroj.isEmpty())
        f.setFamilies({kroj});
    // A negative height is the character height; a positive one (a negative size in a
    // damaged record) is taken the same way.
    const qint32 h = wysokoscCzcionki(rozmiar, plotno.parametry.dpiY);
    if (h != 0)
        f.setPixelSize(qAbs(h));
    plotno.malarz.setFont(f);
}

void PiszTekst(Plotno &plotno, qint64 x, qint64 y, const QString &tekst)
{
    if (tekst.isEmpty())
        return;
    const QRectF komorka(mmNaPunkty(x, plotno.parametry.punktyNaMmX), mmNaPunkty(y, plotno.parametry.punktyNaMmY), 0,
                         0);
    plotno.malarz.drawText(komorka, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, tekst);
}

ParametryPlotna rysujKoperte(QPainter &p, const DaneKoperty &d)
{
    Plotno plotno{p};

    // Style and colour hold for the whole envelope; UstawCzcionke changes face and height.
    QFont f = p.font();
    f.setBold(d.stylCzcionki & 0x01);
    f.setItalic(d.stylCzcionki & 0x02);
    f.setUnderline(d.stylCzcionki & 0x04);
    f.setStrikeOut(d.stylCzcionki & 0x08);
    p.setFont(f);
    p.setPen(d.kolorCzcionki);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);

    ParametryDrukarki(plotno);
    const Polozenia poz = parsujPolozenia(d.polozenia);

    if (d.drukujLogo && !d.logo.isNull()) {
        const ProstokatPunkty r = prostokatLogo(poz.lewyLogo, poz.gornyLogo, d.logo.width(), d.logo.height());
        if (r.prawy > r.lewy && r.dolny > r.gorny)
            p.drawImage(QRectF(r.lewy, r.gorny, qreal(r.prawy) - r.lewy, qreal(r.dolny) - r.gorny), d.logo);
    }

    const WierszeMm w = polozeniaWierszy(poz);
    UstawCzcionke(plotno, d.krojCzcionki, d.rozmiarCzcionki);
    for (std::size_t i = 0; i < w.nadawca.size(); ++i)
        PiszTekst(plotno, w.nadawca[i].x, w.nadawca[i].y, d.nadawca[i]);
    UstawCzcionke(plotno, d.krojCzcionki, d.rozmiarCzcionki);
    for (std::size_t i = 0; i < w.odbiorca.size(); ++i)
        PiszTekst(plotno, w.odbiorca[i].x, w.odbiorca[i].y, d.odbiorca[i]);
    return plotno.parametry;
}

QString tekstBleduDruku()
{
    return QStringLiteral("Błąd drukowania. Koperta nie została wydrukowana.");
}

void ustawStrone(QPagedPaintDevice &urzadzenie, bool poziomo, const QPageSize &strona)
{
    // An envelope size given by name replaces the paper; the size is portrait, the
    // orientation below turns it.
    if (strona.isValid())
        urzadzenie.setPageSize(strona);
    // The orientation is chosen here, before the job, whatever a print dialog said.
    if (poziomo)
        UstawPoziomo(urzadzenie);
    else
        UstawPionowo(urzadzenie);
    // Origin at the corner of the printable area, not inside the default page margins.
    const QPageLayout uklad = urzadzenie.pageLayout();
    urzadzenie.setPageMargins(uklad.minimumMargins(), uklad.units());
}

std::optional<QString> drukujKoperty(QPagedPaintDevice &urzadzenie, const QList<DaneKoperty> &koperty,
                                     const PostepDruku &postep)
{
    if (koperty.isEmpty())
        return std::nullopt;
    ustawStrone(urzadzenie, koperty.front().poziomo, koperty.front().strona);

    // The resolution is the device's once the job has begun.
    QPainter p;
    if (!p.begin(&urzadzenie)) {
        UstawPionowo(urzadzenie);
        return tekstBleduDruku();
    }
    bool przerwany = false;
    for (qsizetype i = 0; i < koperty.size() && !przerwany; ++i) {
        if (i > 0 && !urzadzenie.newPage()) {
            przerwany = true;
            break;
        }
        // Every page starts from the canvas' own font and pen.
        p.save();
        rysujKoperte(p, koperty[i]);
        p.restore();
        przerwany = postep && !postep(i + 1);
    }
    const bool zakonczony = p.end();
    UstawPionowo(urzadzenie);
    if (przerwany || !zakonczony)
        return tekstBleduDruku();
    return std::nullopt;
}
