// The tax number edit field: typed characters pass the key filter `nipKeyPress`, and a
// ten-digit number whose check digit is wrong gets a warning mark at the field's end
// (the action "zlaCyfraNip"); it is never refused.
#pragma once

#include <QLineEdit>

class PoleNip : public QLineEdit
{
    Q_OBJECT
public:
    explicit PoleNip(QWidget *rodzic = nullptr);

protected:
    void keyPressEvent(QKeyEvent *zdarzenie) override;
    void inputMethodEvent(QInputMethodEvent *zdarzenie) override;

private:
    // Passes, converts (a comma to a full stop) or drops one typed key.
    void nipKeyPress(QKeyEvent *zdarzenie);

    QAction *m_zlaCyfra;
};
