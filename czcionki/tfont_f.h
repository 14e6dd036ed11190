#pragma once
#include <QWidget>
// Print-font window (placeholder, being built).
class Tfont_f : public QWidget
{
    Q_OBJECT
public:
    explicit Tfont_f(QWidget *parent = nullptr);
};
