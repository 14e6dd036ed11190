#include "polenip.h"

#include "listaklientow.h"
#include "nip.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStyle>

PoleNip::PoleNip(QWidget *rodzic)
    : QLineEdit(rodzic)
    , m_zlaCyfra(new QAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                             QStringLiteral("Zła cyfra kontrolna NIP (numer zostanie zapisany tak, jak jest)"), this))
{
    m_zlaCyfra->setObjectName(QStringLiteral("zlaCyfraNip"));
    m_zlaCyfra->setToolTip(m_zlaCyfra->text());
    addAction(m_zlaCyfra, QLineEdit::TrailingPosition);
    m_zlaCyfra->setVisible(false);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &tekst) { m_zlaCyfra->setVisible(Klienci::zlaCyfraKontrolnaNip(tekst)); });
}

void PoleNip::keyPressEvent(QKeyEvent *zdarzenie)
{
    nipKeyPress(zdarzenie);
}

void PoleNip::nipKeyPress(QKeyEvent *zdarzenie)
{
    const QString tekst = zdarzenie->text();
    // Keys that type nothing (Delete, arrows, Home) work as usual. Under X11 Delete comes
    // with the text DEL (0x7f); it is still an editing key, not a typed character.
    if (tekst.isEmpty() || zdarzenie->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(zdarzenie);
        return;
    }
    if (tekst.size() != 1) {
        zdarzenie->accept();
        return;
    }
    const auto znak = Klienci::filtrujZnakNip(tekst.at(0));
    if (!znak) {
        // Dropped without a message or a sound.
        zdarzenie->accept();
        return;
    }
    if (*znak == tekst.at(0)) {
        QLineEdit::keyPressEvent(zdarzenie);
        return;
    }
    QKeyEvent zamieniony(zdarzenie->type(), Qt::Key_Period, zdarzenie->modifiers(), QString(*znak),
                         zdarzenie->isAutoRepeat(), ushort(zdarzenie->count()));
    QLineEdit::keyPressEvent(&zamieniony);
    zdarzenie->setAccepted(zamieniony.isAccepted());
}

void PoleNip::inputMethodEvent(QInputMethodEvent *zdarzenie)
{
    // Characters composed by an input method are typed characters too.
    if (zdarzenie->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(zdarzenie);
        return;
    }
    QString przepuszczone;
    for (QChar z : zdarzenie->commitString()) {
        const auto znak = Klienci::filtrujZnakNip(z);
        if (znak && *znak != QChar(8))
            przepuszczone.append(*znak);
    }
    QInputMethodEvent zamieniony(zdarzenie->preeditString(), zdarzenie->attributes());
    zamieniony.setCommitString(przepuszczone, zdarzenie->replacementStart(), zdarzenie->replacementLength());
    QLineEdit::inputMethodEvent(&zamieniony);
}

#include "moc_polenip.cpp"
