#include "ikony.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace {

// Every picture is drawn on a 16 × 16 grid and scaled to the size asked for.
constexpr qreal Siatka = 16;

const QColor Kontur(55, 55, 60);
const QColor Papier(255, 255, 255);
const QColor Niebieski(40, 100, 185);
const QColor Czerwony(200, 50, 40);
const QColor Zielony(35, 140, 70);
const QColor ZoltyCiemny(215, 160, 50);
const QColor ZoltyJasny(245, 205, 105);

void pioro(QPainter &p, const QColor &k, qreal szerokosc = 1)
{
    p.setPen(QPen(k, szerokosc, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void wielokat(QPainter &p, std::initializer_list<QPointF> punkty, const QColor &wypelnienie)
{
    pioro(p, Kontur);
    p.setBrush(wypelnienie);
    p.drawPolygon(punkty.begin(), int(punkty.size()));
}

void kolo(QPainter &p, QPointF srodek, qreal r, const QColor &wypelnienie, const QColor &kontur = Kontur)
{
    pioro(p, kontur);
    p.setBrush(wypelnienie);
    p.drawEllipse(srodek, r, r);
}

void kartka(QPainter &p)
{
    wielokat(p, {{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}, Papier);
    p.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));
}

void lupa(QPainter &p, QPointF srodek, qreal r)
{
    const QPointF kierunek(M_SQRT1_2, M_SQRT1_2);
    pioro(p, Kontur, 2.2);
    p.drawLine(srodek + kierunek * (r + 0.8), srodek + kierunek * (r + 4.2));
    kolo(p, srodek, r, QColor(200, 225, 250));
}

void strzalkaWPrawo(QPainter &p)
{
    wielokat(p, {{1.5, 6}, {8.5, 6}, {8.5, 2.5}, {14.5, 8}, {8.5, 13.5}, {8.5, 10}, {1.5, 10}}, Niebieski);
}

void strzalkaObrocona(QPainter &p, qreal stopnie)
{
    p.translate(8, 8);
    p.rotate(stopnie);
    p.translate(-8, -8);
    strzalkaWPrawo(p);
}

void koperta(QPainter &p, const QRectF &r)
{
    pioro(p, Kontur);
    p.setBrush(Papier);
    p.drawRect(r);
    p.drawPolyline(QPolygonF({r.topLeft(), QPointF(r.center().x(), r.top() + r.height() * 0.55), r.topRight()}));
}

void folderTyl(QPainter &p)
{
    wielokat(p, {{1.5, 3.5}, {5.5, 3.5}, {6.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}, ZoltyCiemny);
}

void rysuj(QPainter &p, Ikona rodzaj)
{
    switch (rodzaj) {
    case Ikona::Plik: kartka(p); break;
    case Ikona::Otworz:
        folderTyl(p);
        wielokat(p, {{1.5, 13.5}, {3.8, 7.5}, {15.5, 7.5}, {13.5, 13.5}}, ZoltyJasny);
        break;
    case Ikona::Folder:
        folderTyl(p);
        pioro(p, Kontur);
        p.setBrush(ZoltyJasny);
        p.drawRect(QRectF(1.5, 6.5, 12, 7));
        break;
    case Ikona::Kosz:
        pioro(p, Kontur);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6, 1.5, 4, 2));
        wielokat(p, {{3.5, 4}, {12.5, 4}, {11.5, 14.5}, {4.5, 14.5}}, QColor(215, 215, 220));
        p.drawLine(QPointF(2, 4), QPointF(14, 4));
        for (qreal x : {6.5, 8.0, 9.5})
            p.drawLine(QPointF(x, 6.5), QPointF(x, 12.5));
        break;
    case Ikona::Szukaj: lupa(p, {6.5, 6.5}, 4.5); break;
    case Ikona::SzukajDalej:
        lupa(p, {6, 7}, 4);
        wielokat(p, {{10.5, 1}, {15, 4.25}, {10.5, 7.5}}, Zielony);
        break;
    case Ikona::Podglad:
        kartka(p);
        lupa(p, {9.5, 9.5}, 3);
        break;
    case Ikona::WPrawo: strzalkaWPrawo(p); break;
    case Ikona::WLewo: strzalkaObrocona(p, 180); break;
    case Ikona::WGore: strzalkaObrocona(p, -90); break;
    case Ikona::WDol: strzalkaObrocona(p, 90); break;
    case Ikona::Zapisz:
        wielokat(p, {{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}, Niebieski);
        pioro(p, Kontur);
        p.setBrush(QColor(225, 225, 230));
        p.drawRect(QRectF(4, 1.5, 7.5, 4.5));
        p.setBrush(Papier);
        p.drawRect(QRectF(3.5, 8.5, 9, 6));
        break;
    case Ikona::Odrzuc:
        kolo(p, {8, 8}, 6.5, Czerwony);
        pioro(p, Papier, 2);
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        break;
    case Ikona::Zamknij:
        wielokat(p, {{2.5, 1.5}, {9.5, 1.5}, {9.5, 14.5}, {2.5, 14.5}}, QColor(165, 110, 60));
        pioro(p, Czerwony, 2);
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawPolyline(QPolygonF({{11.5, 5}, {14.5, 8}, {11.5, 11}}));
        break;
    case Ikona::Pomoc: {
        kolo(p, {8, 8}, 6.5, Niebieski);
        QPainterPath znak;
        const QRectF luk(5.6, 3.4, 4.8, 4.8);
        znak.arcMoveTo(luk, 160);
        znak.arcTo(luk, 160, -240);
        znak.lineTo(8, 9.6);
        pioro(p, Papier, 1.8);
        p.setBrush(Qt::NoBrush);
        p.drawPath(znak);
        kolo(p, {8, 12}, 1, Papier, Papier);
        break;
    }
    case Ikona::Informacja:
        kolo(p, {8, 8}, 6.5, Niebieski);
        kolo(p, {8, 4.8}, 1, Papier, Papier);
        pioro(p, Papier, 2);
        p.drawLine(QPointF(8, 7.2), QPointF(8, 12));
        break;
    case Ikona::Ok:
        pioro(p, Zielony, 2.6);
        p.drawPolyline(QPolygonF({{2.8, 8.5}, {6.3, 12}, {13.2, 3.8}}));
        break;
    case Ikona::Odswiez: {
        const QPointF srodek(8, 8);
        const qreal r = 5, poczatek = 30, luk = 270;
        pioro(p, Zielony, 2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(srodek.x() - r, srodek.y() - r, 2 * r, 2 * r), int(poczatek * 16), int(luk * 16));
        const qreal k = qDegreesToRadians(poczatek + luk);
        const QPointF koniec = srodek + QPointF(std::cos(k), -std::sin(k)) * r;
        const QPointF styczna(-std::sin(k), -std::cos(k)), normalna(styczna.y(), -styczna.x());
        pioro(p, Zielony);
        p.setBrush(Zielony);
        p.drawPolygon(QPolygonF({koniec + styczna * 3, koniec + normalna * 2.4, koniec - normalna * 2.4}));
        break;
    }
    case Ikona::Czcionka:
        pioro(p, Kontur, 2);
        p.drawPolyline(QPolygonF({{3, 14}, {8, 2}, {13, 14}}));
        p.drawLine(QPointF(5.2, 10), QPointF(10.8, 10));
        break;
    case Ikona::Koperta: koperta(p, QRectF(1.5, 3.5, 13, 9)); break;
    case Ikona::Koperty:
        koperta(p, QRectF(0.5, 1.5, 11, 7.5));
        koperta(p, QRectF(4.5, 6.5, 11, 8));
        break;
    case Ikona::Etykiety:
        wielokat(p, {{2.5, 0.5}, {13.5, 0.5}, {13.5, 15.5}, {2.5, 15.5}}, Papier);
        for (int i = 0; i < 6; ++i) {
            pioro(p, Kontur, 0.8);
            p.setBrush(i == 2 ? Niebieski : QColor(250, 235, 190));
            p.drawRect(QRectF(4 + (i % 2) * 4.5, 2 + (i / 2) * 4.5, 3.5, 3.5));
        }
        break;
    case Ikona::Lista:
        wielokat(p, {{2.5, 1.5}, {13.5, 1.5}, {13.5, 14.5}, {2.5, 14.5}}, Papier);
        pioro(p, Niebieski, 1.2);
        for (qreal y : {4.5, 7.0, 9.5, 12.0})
            p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
        break;
    case Ikona::Dom:
        wielokat(p, {{3, 7.5}, {13, 7.5}, {13, 14.5}, {3, 14.5}}, QColor(250, 235, 190));
        wielokat(p, {{1, 8}, {8, 1.5}, {15, 8}}, Czerwony);
        wielokat(p, {{7, 10}, {9.5, 10}, {9.5, 14.5}, {7, 14.5}}, QColor(165, 110, 60));
        break;
    }
}

class SilnikIkony final : public QIconEngine
{
public:
    explicit SilnikIkony(Ikona rodzaj)
        : m_rodzaj(rodzaj)
    {}

    void paint(QPainter *p, const QRect &prostokat, QIcon::Mode, QIcon::State) override
    {
        const qreal bok = qMin(prostokat.width(), prostokat.height());
        QRectF kwadrat(0, 0, bok, bok);
        kwadrat.moveCenter(QRectF(prostokat).center());
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(kwadrat.topLeft());
        p->scale(bok / Siatka, bok / Siatka);
        rysuj(*p, m_rodzaj);
        p->restore();
    }

    QPixmap pixmap(const QSize &rozmiar, QIcon::Mode tryb, QIcon::State stan) override
    {
        return scaledPixmap(rozmiar, tryb, stan, 1);
    }

    QPixmap scaledPixmap(const QSize &rozmiar, QIcon::Mode tryb, QIcon::State stan, qreal skala) override
    {
        QImage obraz(rozmiar * skala, QImage::Format_ARGB32_Premultiplied);
        if (obraz.isNull())
            return {};
        obraz.fill(Qt::transparent);
        {
            QPainter p(&obraz);
            paint(&p, obraz.rect(), tryb, stan);
        }
        if (tryb == QIcon::Disabled) {
            // Grey and faint: the premultiplied grey level of each pixel at 40 % cover.
            for (int y = 0; y < obraz.height(); ++y) {
                auto *wiersz = reinterpret_cast<QRgb *>(obraz.scanLine(y));
                for (int x = 0; x < obraz.width(); ++x) {
                    const int a = qAlpha(wiersz[x]) * 2 / 5, g = qGray(wiersz[x]) * 2 / 5;
                    wiersz[x] = qRgba(g, g, g, a);
                }
            }
        }
        obraz.setDevicePixelRatio(skala);
        return QPixmap::fromImage(std::move(obraz));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        // What a window icon is sent at: every size is drawn when the window is shown.
        return {{16, 16}, {32, 32}, {48, 48}};
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("lista_klientow"); }
    QIconEngine *clone() const override { return new SilnikIkony(m_rodzaj); }

private:
    Ikona m_rodzaj;
};

} // namespace

QIcon ikona(Ikona rodzaj)
{
    return QIcon(new SilnikIkony(rodzaj));
}

void ObrazekIkony::ustawIkone(const QIcon &ikona)
{
    m_ikona = ikona;
    update();
}

void ObrazekIkony::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_ikona.paint(&p, contentsRect());
}
