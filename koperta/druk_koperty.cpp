#include "druk_koperty.h"

#include "dialogi.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPrinter>

#include <utility>

namespace {

// Print state of the envelope unit.
QPrinter *g_drukarka = nullptr; // the printer of the job under way; none: the program's own
QPainter *g_plotno = nullptr;   // the canvas being drawn on
ParametryPlotna g_parametry;

QPrinter &biezacaDrukarka()
{
    return g_drukarka ? *g_drukarka : drukarka();
}

// Makes a painter the canvas, or a printer the one the operations act on, for as long
// as it lives.
template <typename T>
class NaCzas
{
public:
    NaCzas(T *&zmienna, T *wartosc) : m_zmienna(zmienna), m_poprzednia(zmienna) { zmienna = wartosc; }
    ~NaCzas() { m_zmienna = m_poprzednia; }
    NaCzas(const NaCzas &) = delete;
    NaCzas &operator=(const NaCzas &) = delete;

private:
    T *&m_zmienna;
    T *m_poprzednia;
};

bool zawiodla(const QPrinter &d)
{
    return d.printerState() == QPrinter::Error || d.printerState() == QPrinter::Aborted;
}

QString tekstBleduDruku()
{
    return QStringLiteral("Błąd drukowania. Koperta nie została wydrukowana.");
}

} // namespace

QPrinter &drukarka()
{
    // Lives until the application object goes, not into static destruction after it.
    static QPrinter *wlasna = nullptr;
    if (!wlasna) {
        wlasna = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete wlasna;
            wlasna = nullptr;
        });
    }
    return *wlasna;
}

void ParametryDrukarki()
{
    if (!g_plotno || !g_plotno->device())
        return;
    const QPaintDevice *urzadzenie = g_plotno->device();
    g_parametry.dpiX = urzadzenie->logicalDpiX();
    g_parametry.dpiY = urzadzenie->logicalDpiY();
    g_parametry.punktyNaMmX = punktyNaMilimetr(g_parametry.dpiX);
    g_parametry.punktyNaMmY = punktyNaMilimetr(g_parametry.dpiY);
}

ParametryPlotna parametryPlotna()
{
    return g_parametry;
}

void UstawPoziomo()
{
    biezacaDrukarka().setPageOrientation(QPageLayout::Landscape);
}

void UstawPionowo()
{
    biezacaDrukarka().setPageOrientation(QPageLayout::Portrait);
}

void UstawCzcionke(const QString &kroj, qint32 rozmiar)
{
    if (!g_plotno)
        return;
    QFont f = g_plotno->font();
    if (!kroj.isEmpty())
        f.setFamilies({kroj});
    // A negative height is the character height; a positive one (a negative size in a
    // damaged record) is taken the same way.
    const qint32 h = wysokoscCzcionki(rozmiar, g_parametry.dpiY);
    if (h != 0)
        f.setPixelSize(qAbs(h));
    g_plotno->setFont(f);
}

void PiszTekst(qint64 x, qint64 y, const QString &tekst)
{
    if (!g_plotno || tekst.isEmpty())
        return;
    const QRectF komorka(mmNaPunkty(x, g_parametry.punktyNaMmX), mmNaPunkty(y, g_parametry.punktyNaMmY), 0, 0);
    g_plotno->drawText(komorka, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, tekst);
}

void rysujKoperte(QPainter &p, const DaneKoperty &d)
{
    const NaCzas<QPainter> plotno(g_plotno, &p);

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

    ParametryDrukarki();
    const Polozenia poz = parsujPolozenia(d.polozenia);

    if (d.drukujLogo && !d.logo.isNull()) {
        const ProstokatPunkty r = prostokatLogo(poz.lewyLogo, poz.gornyLogo, d.logo.width(), d.logo.height());
        if (r.prawy > r.lewy && r.dolny > r.gorny)
            p.drawImage(QRectF(r.lewy, r.gorny, qreal(r.prawy) - r.lewy, qreal(r.dolny) - r.gorny), d.logo);
    }

    const WierszeMm w = polozeniaWierszy(poz);
    UstawCzcionke(d.krojCzcionki, d.rozmiarCzcionki);
    for (std::size_t i = 0; i < w.nadawca.size(); ++i)
        PiszTekst(w.nadawca[i].x, w.nadawca[i].y, d.nadawca[i]);
    UstawCzcionke(d.krojCzcionki, d.rozmiarCzcionki);
    for (std::size_t i = 0; i < w.odbiorca.size(); ++i)
        PiszTekst(w.odbiorca[i].x, w.odbiorca[i].y, d.odbiorca[i]);
}

std::optional<QString> drukujKoperte(QPrinter &dr, const DaneKoperty &d)
{
    const NaCzas<QPrinter> aktywna(g_drukarka, &dr);

    // The orientation is chosen here, before the job, whatever the print dialog said.
    if (!d.poziomo)
        UstawPionowo();
    if (d.poziomo)
        UstawPoziomo();
    // Origin at the corner of the printable area, not inside the default page margins.
    dr.setFullPage(false);
    dr.setPageMargins(dr.pageLayout().minimumMargins(), dr.pageLayout().units());

    QPainter p;
    if (!p.begin(&dr)) {
        UstawPionowo();
        return tekstBleduDruku();
    }
    rysujKoperte(p, d);

    const bool przerwac = zawiodla(dr);
    if (przerwac)
        dr.abort();
    const bool zakonczony = p.end();
    UstawPionowo();
    if (przerwac || !zakonczony || zawiodla(dr))
        return tekstBleduDruku();
    return std::nullopt;
}

bool wykonajDrukKoperty(QWidget *rodzic, QPrinter &dr, DaneKoperty dane,
                        const std::function<std::optional<CzcionkaDruku>()> &czytajCzcionke)
{
    return wykonajDrukKoperty(rodzic, dr, [&dane]() { return std::move(dane); }, czytajCzcionke);
}

bool wykonajDrukKoperty(QWidget *rodzic, QPrinter &dr, const std::function<DaneKoperty()> &zbierzDane,
                        const std::function<std::optional<CzcionkaDruku>()> &czytajCzcionke)
{
    if (!dialogi().drukuj(rodzic, &dr))
        return false;
    DaneKoperty dane = zbierzDane();
    const std::optional<CzcionkaDruku> czcionka = czytajCzcionke();
    if (!czcionka)
        return false;
    dane.krojCzcionki = czcionka->kroj;
    dane.rozmiarCzcionki = czcionka->rozmiar;
    dane.stylCzcionki = czcionka->styl;
    dane.kolorCzcionki = kolorZZapisu(czcionka->kolor);

    if (const auto blad = drukujKoperte(dr, dane)) {
        dialogi().blad(rodzic, *blad);
        return false;
    }
    return true;
}
