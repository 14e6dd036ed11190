// A sheet of labels drawn to scale: the labels a used sheet has lost, the first free one,
// those the job fills on the first sheet. A click on a label chooses it as the first free.
#pragma once

#include "arkusze.h"

#include <QWidget>

class RysunekArkusza : public QWidget
{
    Q_OBJECT
public:
    explicit RysunekArkusza(QWidget *rodzic = nullptr);

    // The sheet, its first free label (from 1) and how many labels the job puts on it.
    void ustaw(const Arkusz &arkusz, int od, qsizetype naPierwszym);
    // Where label `indeks` (from 0) is drawn, in the widget's pixels.
    QRectF prostokat(int indeks) const;

    QSize sizeHint() const override { return {240, 340}; }

signals:
    // A click on label `indeks` (from 0).
    void wybrano(int indeks);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *zdarzenie) override;

private:
    // The A4 page in the widget, and millimetres to pixels.
    QRectF strona() const;
    double skala() const;

    Arkusz m_arkusz;
    int m_od = 1;
    qsizetype m_naPierwszym = 0;
};
