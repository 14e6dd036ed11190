// The tax number edit field: typed characters pass the key filter `nipKeyPress`.
#pragma once

#include <QLineEdit>

class PoleNip : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *zdarzenie) override;
    void inputMethodEvent(QInputMethodEvent *zdarzenie) override;

private:
    // Passes, converts (a comma to a full stop) or drops one typed key.
    void nipKeyPress(QKeyEvent *zdarzenie);
};
