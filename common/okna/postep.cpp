#include "postep.h"

#include <QProgressDialog>

OknoPostepu::OknoPostepu(const QString &tekst, qsizetype strony, QWidget *rodzic, bool pokaz)
{
    if (!pokaz)
        return;
    m_okno = std::make_unique<QProgressDialog>(tekst, QStringLiteral("Anuluj"), 0, int(strony), rodzic);
    m_okno->setObjectName(QStringLiteral("postepDruku"));
    m_okno->setWindowModality(Qt::WindowModal);
    m_okno->setMinimumDuration(0);
}

OknoPostepu::~OknoPostepu() = default;

bool OknoPostepu::operator()(qsizetype wyslane)
{
    if (!m_okno)
        return true;
    m_okno->setValue(int(wyslane));
    return !m_okno->wasCanceled();
}

void OknoPostepu::zamknij()
{
    m_okno.reset();
}
