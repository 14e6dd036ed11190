#include "oknomapowania.h"
#include "ui_oknomapowania.h"

#include "przyciskidialogu.h"
#include "wymiana.h"

#include <QComboBox>

using namespace Wymiana;

OknoMapowania::OknoMapowania(const QStringList &naglowek, const QList<int> &mapowanie, const QList<int> &nierozpoznane,
                             QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::OknoMapowania>())
{
    // The column choices are made before the form, so that Tab goes through them before
    // the form's buttons.
    for (qsizetype i = 0; i < naglowek.size(); ++i) {
        auto *wybor = new QComboBox(this);
        wybor->setObjectName(QStringLiteral("kolumna%1").arg(i + 1));
        for (int cel : cele())
            wybor->addItem(nazwaCelu(cel), cel);
        const int cel = i < mapowanie.size() ? mapowanie[i] : int(Pomin);
        wybor->setCurrentIndex(std::max(0, wybor->findData(cel)));
        QString podpis = naglowek[i].isEmpty() ? QStringLiteral("(kolumna %1)").arg(i + 1) : naglowek[i];
        if (nierozpoznane.contains(int(i)))
            podpis += QStringLiteral(" *");
        wybor->setAccessibleName(podpis);
        m_wybory.append(wybor);
    }
    m_ui->setupUi(this);
    for (QComboBox *wybor : m_wybory)
        m_ui->kolumny->addRow(wybor->accessibleName(), wybor);
    dodajPrzyciski(m_ui->przyciski, QStringLiteral("Dalej"), QStringLiteral("dalej"));
}

OknoMapowania::~OknoMapowania() = default;

QList<int> OknoMapowania::mapowanie() const
{
    QList<int> m;
    for (const QComboBox *w : m_wybory)
        m.append(w->currentData().toInt());
    return m;
}

#include "moc_oknomapowania.cpp"
