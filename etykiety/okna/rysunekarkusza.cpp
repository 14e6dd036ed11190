#include "rysunekarkusza.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int Brzeg = 4; // pixels around the page

} // namespace

RysunekArkusza::RysunekArkusza(QWidget *rodzic)
    : QWidget(rodzic)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Kliknij pierwszą wolną etykietę arkusza"));
}

void RysunekArkusza::ustaw(const Arkusz &arkusz, int od, qsizetype naPierwszym)
{
    m_arkusz = arkusz;
    m_od = od;
    m_naPierwszym = naPierwszym;
    update();
}

double RysunekArkusza::skala() const
{
    return std::max(
        0.0, std::min((width() - 2.0 * Brzeg) / Arkusze::SzerokoscA4, (height() - 2.0 * Brzeg) / Arkusze::WysokoscA4));
}

QRectF RysunekArkusza::strona() const
{
    QRectF r(0, 0, Arkusze::SzerokoscA4 * skala(), Arkusze::WysokoscA4 * skala());
    r.moveCenter(QRectF(rect()).center());
    return r;
}

QRectF RysunekArkusza::prostokat(int indeks) const
{
    const QRectF mm = m_arkusz.etykieta(indeks);
    const double k = skala();
    return {strona().topLeft() + mm.topLeft() * k, mm.size() * k};
}

void RysunekArkusza::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawRect(strona());
    QFont f = font();
    f.setPixelSize(9);
    p.setFont(f);
    for (int i = 0; i < m_arkusz.naArkuszu(); ++i) {
        const QRectF r = prostokat(i);
        const bool zuzyta = i < m_od - 1;
        const bool zadania = i >= m_od - 1 && i < m_od - 1 + m_naPierwszym;
        p.setPen(i == m_od - 1 ? QPen(QColor(40, 100, 185), 2) : QPen(QColor(150, 150, 150), 1));
        p.setBrush(zuzyta    ? QBrush(QColor(200, 200, 200), Qt::BDiagPattern)
                   : zadania ? QBrush(QColor(205, 225, 250))
                             : QBrush(Qt::white));
        p.drawRect(r);
        if (r.height() >= 12 && r.width() >= 16) {
            p.setPen(zuzyta ? QColor(150, 150, 150) : QColor(60, 60, 60));
            p.drawText(r.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(i + 1));
        }
    }
}

void RysunekArkusza::mousePressEvent(QMouseEvent *zdarzenie)
{
    const double k = skala();
    if (zdarzenie->button() != Qt::LeftButton || k <= 0)
        return;
    const int indeks = m_arkusz.etykietaW((zdarzenie->position() - strona().topLeft()) / k);
    if (indeks >= 0)
        emit wybrano(indeks);
}

#include "moc_rysunekarkusza.cpp"
