#include "druk_etykiet.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

constexpr double MmNaCal = 25.4;
// Fonts are measured at the resolution jobs are printed at.
constexpr int DpiPomiaru = 600;
// Shrunk sizes go down in steps of a quarter point: few sizes in a job, each a font of
// its own in the PDF.
constexpr double KrokRozmiaru = 0.25;

// The print font measured once at its own size on a 600 dpi device, in millimetres.
// Without hinting, text at another size scales in proportion, so one measurement serves
// every size, before printing and on any printer.
class Pomiar
{
public:
    explicit Pomiar(const CzcionkaEtykiet &c)
        : m_rozmiar(c.rozmiar > 0 ? std::min<double>(c.rozmiar, DrukEtykiet::NajwiekszyRozmiar)
                                  : DrukEtykiet::DomyslnyRozmiar)
        , m_czcionka(czcionka(c, m_rozmiar))
        , m_obraz(obraz())
        , m_metryki(m_czcionka, &m_obraz)
    {}
    const QFont &czcionka() const { return m_czcionka; }
    double rozmiar() const { return m_rozmiar; }
    double szerokosc(const QString &t) const { return m_metryki.horizontalAdvance(t) * Mm; }
    double wznios() const { return m_metryki.ascent() * Mm; }
    double odstep() const { return m_metryki.lineSpacing() * Mm; }
    // The height of `n` lines.
    double wysokosc(qsizetype n) const
    {
        return n > 0 ? ((n - 1) * m_metryki.lineSpacing() + m_metryki.ascent() + m_metryki.descent()) * Mm : 0;
    }

private:
    static constexpr double Mm = MmNaCal / DpiPomiaru;

    static QFont czcionka(const CzcionkaEtykiet &c, double rozmiar)
    {
        QFont f;
        if (!c.kroj.isEmpty())
            f.setFamilies({c.kroj});
        f.setBold(c.styl & 0x01);
        f.setItalic(c.styl & 0x02);
        f.setUnderline(c.styl & 0x04);
        f.setStrikeOut(c.styl & 0x08);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setPointSizeF(rozmiar);
        return f;
    }
    static QImage obraz()
    {
        QImage o(1, 1, QImage::Format_Mono);
        o.setDotsPerMeterX(qRound(DpiPomiaru / MmNaCal * 1000));
        o.setDotsPerMeterY(qRound(DpiPomiaru / MmNaCal * 1000));
        return o;
    }

    double m_rozmiar;
    QFont m_czcionka;
    QImage m_obraz;
    QFontMetricsF m_metryki;
};

// The size a label's lines are printed at, their block's height at it (mm), and what
// does not fit at it.
struct Uklad
{
    double rozmiar = 0;
    double wysokosc = 0;
    QList<int> zaSzerokie; // lines, from 0
    bool zaWysokie = false;
    bool miesci() const { return zaSzerokie.isEmpty() && !zaWysokie; }
};

// The print font's size when the lines fit inside the margin; else the whole block
// shrunk until they do, but never below the smallest size.
Uklad dopasuj(const QStringList &wiersze, const Pomiar &p, const QSizeF &wnetrze)
{
    QList<double> szerokosci;
    double szerokosc = 0;
    for (const QString &t : wiersze) {
        szerokosci.append(p.szerokosc(t));
        szerokosc = std::max(szerokosc, szerokosci.back());
    }
    const double wysokosc = p.wysokosc(wiersze.size());
    Uklad u;
    u.rozmiar = p.rozmiar();
    const double skala =
        std::min({1.0, wnetrze.width() / std::max(szerokosc, 1e-9), wnetrze.height() / std::max(wysokosc, 1e-9)});
    if (skala < 1)
        u.rozmiar = std::max(std::min(p.rozmiar(), DrukEtykiet::NajmniejszyRozmiar),
                             std::floor(p.rozmiar() * skala / KrokRozmiaru) * KrokRozmiaru);
    const double k = u.rozmiar / p.rozmiar();
    for (int i = 0; i < szerokosci.size(); ++i)
        if (szerokosci[i] * k > wnetrze.width())
            u.zaSzerokie.append(i);
    u.wysokosc = wysokosc * k;
    u.zaWysokie = u.wysokosc > wnetrze.height();
    return u;
}

QSizeF wnetrze(const ZadanieEtykiet &z)
{
    return {z.arkusz.szerokosc - 2 * z.margines, z.arkusz.wysokosc - 2 * z.margines};
}

QString tekstBledu()
{
    return QStringLiteral("Błąd drukowania. Etykiety nie zostały wydrukowane.");
}

// A4 portrait with the origin at the paper's corner: labels are placed on the paper,
// not inside a printer's margins.
void ustawA4(QPagedPaintDevice &urzadzenie)
{
    if (auto *drukarka = dynamic_cast<QPrinter *>(&urzadzenie))
        drukarka->setFullPage(true);
    QPageLayout uklad(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    uklad.setMode(QPageLayout::FullPageMode);
    urzadzenie.setPageLayout(uklad);
}

// Draws pages one after another; `rysujStrone(p, i)` draws page i.
template <typename F>
std::optional<QString> rysujStrony(QPagedPaintDevice &urzadzenie, qsizetype strony, const PostepDruku &postep,
                                   F rysujStrone)
{
    ustawA4(urzadzenie);
    QPainter p;
    if (!p.begin(&urzadzenie))
        return tekstBledu();
    bool przerwany = false;
    for (qsizetype s = 0; s < strony && !przerwany; ++s) {
        if (s > 0 && !urzadzenie.newPage()) {
            przerwany = true;
            break;
        }
        rysujStrone(p, s);
        przerwany = postep && !postep(s + 1);
    }
    if (!p.end() || przerwany)
        return tekstBledu();
    return std::nullopt;
}

// Millimetres on the page to the painter's dots.
struct Skala
{
    double x, y;
    QPointF przesuniecie;
    QPointF operator()(const QPointF &mm) const
    {
        return {(mm.x() + przesuniecie.x()) * x, (mm.y() + przesuniecie.y()) * y};
    }
    QRectF operator()(const QRectF &mm) const
    {
        return {(*this)(mm.topLeft()), QSizeF(mm.width() * x, mm.height() * y)};
    }
};

Skala skala(const QPainter &p, QPointF przesuniecie)
{
    return {p.device()->logicalDpiX() / MmNaCal, p.device()->logicalDpiY() / MmNaCal, przesuniecie};
}

void rysujEtykiete(QPainter &p, const Skala &mm, const QStringList &wiersze, const Uklad &u, const Pomiar &pomiar,
                   const QRectF &etykieta, double margines)
{
    const double k = u.rozmiar / pomiar.rozmiar();
    const QRectF wnetrze = etykieta.adjusted(margines, margines, -margines, -margines);
    // Centred down; a block too tall starts at the top.
    double y = wnetrze.top() + std::max(0.0, (wnetrze.height() - u.wysokosc) / 2) + pomiar.wznios() * k;
    // What does not fit is cut at the label's own edge.
    if (!u.miesci())
        p.setClipRect(mm(etykieta));
    for (const QString &t : wiersze) {
        p.drawText(mm(QPointF(wnetrze.left(), y)), t);
        y += pomiar.odstep() * k;
    }
    if (!u.miesci())
        p.setClipping(false);
}

} // namespace

namespace DrukEtykiet {

namespace {

QStringList bezPustych(const auto &wiersze)
{
    QStringList w;
    for (const QString &t : wiersze)
        if (!t.trimmed().isEmpty())
            w.append(t);
    return w;
}

} // namespace

Etykieta etykietaOdbiorcy(const DaneKoperty &d, int wiersz)
{
    const QString &nazwa = d.odbiorca[1];
    return {bezPustych(d.odbiorca), nazwa.trimmed().isEmpty()
                                        ? QStringLiteral("wiersz %1 listy").arg(wiersz + 1)
                                        : QStringLiteral("wiersz %1 listy (%2)").arg(wiersz + 1).arg(nazwa)};
}

Etykieta etykietaNadawcy(const DaneKoperty &d)
{
    return {bezPustych(d.nadawca), QStringLiteral("adres nadawcy")};
}

CzcionkaEtykiet czcionka(const DaneKoperty &d)
{
    return {d.krojCzcionki, d.rozmiarCzcionki, d.stylCzcionki, d.kolorCzcionki};
}

void arkuszeJednejEtykiety(ZadanieEtykiet &z, const Etykieta &e, int arkusze)
{
    const qsizetype ile = qsizetype(arkusze) * z.arkusz.naArkuszu() - (z.od - 1);
    z.kopie = 1;
    z.etykiety = QList<Etykieta>(std::max<qsizetype>(ile, 0), e);
}

std::optional<QString> sprawdz(const ZadanieEtykiet &z)
{
    if (const auto b = Arkusze::sprawdz(z.arkusz))
        return QStringLiteral("Arkusz „%1”: %2").arg(z.arkusz.nazwa, *b);
    if (z.od < 1 || z.od > z.arkusz.naArkuszu())
        return QStringLiteral("Na arkuszu %1 nie ma etykiety %2: są na nim etykiety od 1 do %3.")
            .arg(z.arkusz.nazwa)
            .arg(z.od)
            .arg(z.arkusz.naArkuszu());
    if (z.kopie < 1 || z.kopie > MaksKopii)
        return QStringLiteral("Liczba kopii musi wynosić od 1 do %1.").arg(MaksKopii);
    return Arkusze::sprawdzMargines(z.margines, z.arkusz);
}

qsizetype liczbaStron(const ZadanieEtykiet &z)
{
    if (z.etykiety.isEmpty() || sprawdz(z))
        return 0;
    const qsizetype pozycje = z.od - 1 + z.etykiety.size() * z.kopie;
    return (pozycje + z.arkusz.naArkuszu() - 1) / z.arkusz.naArkuszu();
}

QList<Problem> problemy(const ZadanieEtykiet &z)
{
    QList<Problem> wynik;
    if (sprawdz(z))
        return wynik;
    const Pomiar pomiar(z.czcionka);
    for (qsizetype i = 0; i < z.etykiety.size(); ++i) {
        const Etykieta &e = z.etykiety[i];
        if (i > 0 && z.etykiety[i - 1].wiersze == e.wiersze && z.etykiety[i - 1].kto == e.kto)
            continue;
        const Uklad u = dopasuj(e.wiersze, pomiar, wnetrze(z));
        for (int w : u.zaSzerokie)
            wynik.append({i, w + 1,
                          QStringLiteral("%1: %2. wiersz etykiety „%3” jest za długi nawet w %4 pt")
                              .arg(e.kto)
                              .arg(w + 1)
                              .arg(e.wiersze[w])
                              .arg(NajmniejszyRozmiar)});
        if (u.zaWysokie)
            wynik.append(
                {i, 0,
                 QStringLiteral("%1: wiersze nie mieszczą się na wysokość etykiety nawet w %3 pt (wierszy: %2)")
                     .arg(e.kto)
                     .arg(e.wiersze.size())
                     .arg(NajmniejszyRozmiar)});
    }
    return wynik;
}

std::optional<QString> rysuj(QPagedPaintDevice &urzadzenie, const ZadanieEtykiet &z, const PostepDruku &postep)
{
    if (const auto b = sprawdz(z))
        return b;
    const qsizetype strony = liczbaStron(z);
    if (strony == 0)
        return std::nullopt;
    const Pomiar pomiar(z.czcionka);
    const int naArkuszu = z.arkusz.naArkuszu();
    // Label i, copy k stands at position od − 1 + i·kopie + k counted over all sheets.
    return rysujStrony(urzadzenie, strony, postep, [&](QPainter &p, qsizetype s) {
        p.setPen(z.czcionka.kolor);
        const Skala mm = skala(p, z.przesuniecie);
        const qsizetype pierwsza = std::max<qsizetype>(s * naArkuszu - (z.od - 1), 0);
        const qsizetype ostatnia = std::min<qsizetype>((s + 1) * naArkuszu - (z.od - 1), z.etykiety.size() * z.kopie);
        Uklad u;
        const QStringList *zmierzone = nullptr;
        double rozmiar = 0; // of the painter's font
        for (qsizetype n = pierwsza; n < ostatnia; ++n) {
            const Etykieta &e = z.etykiety[n / z.kopie];
            if (!zmierzone || *zmierzone != e.wiersze) {
                u = dopasuj(e.wiersze, pomiar, wnetrze(z));
                zmierzone = &e.wiersze;
            }
            if (u.rozmiar != rozmiar) {
                QFont f = pomiar.czcionka();
                f.setPointSizeF(u.rozmiar);
                p.setFont(f);
                rozmiar = u.rozmiar;
            }
            rysujEtykiete(p, mm, e.wiersze, u, pomiar, z.arkusz.etykieta(int((z.od - 1 + n) % naArkuszu)), z.margines);
        }
    });
}

std::optional<QString> rysujProbe(QPagedPaintDevice &urzadzenie, const Arkusz &a, QPointF przesuniecie)
{
    if (const auto b = Arkusze::sprawdz(a))
        return QStringLiteral("Arkusz „%1”: %2").arg(a.nazwa, *b);
    return rysujStrony(urzadzenie, 1, {}, [&](QPainter &p, qsizetype) {
        const Skala mm = skala(p, przesuniecie);
        p.setPen(QPen(Qt::black, 0.2 * mm.x));
        QFont f;
        f.setPointSizeF(std::min(7.0, a.wysokosc));
        p.setFont(f);
        for (int i = 0; i < a.naArkuszu(); ++i) {
            const QRectF r = mm(a.etykieta(i));
            const double ramie = std::min({5.0 * mm.x, r.width() / 4, r.height() / 4});
            p.drawRect(r);
            p.drawLine(QPointF(r.center().x() - ramie, r.center().y()),
                       QPointF(r.center().x() + ramie, r.center().y()));
            p.drawLine(QPointF(r.center().x(), r.center().y() - ramie),
                       QPointF(r.center().x(), r.center().y() + ramie));
            p.drawText(r.adjusted(mm.x, mm.y, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(i + 1));
        }
    });
}

WynikDruku drukuj(QPrinter &drukarka, const ZadanieEtykiet &z, const PostepDruku &postep)
{
    return wykonajZadanie(
        drukarka, liczbaStron(z), [&z](QPagedPaintDevice &d, const PostepDruku &p) { return rysuj(d, z, p); }, postep);
}

std::optional<QString> doPdf(const QString &plik, const ZadanieEtykiet &z, int dpi)
{
    return zapiszPdf(plik, dpi, [&z](QPagedPaintDevice &d, const PostepDruku &p) { return rysuj(d, z, p); });
}

} // namespace DrukEtykiet
