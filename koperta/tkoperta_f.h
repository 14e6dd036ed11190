#pragma once
#include <QWidget>
// Envelope window (placeholder, being built).
class Tkoperta_f : public QWidget
{
    Q_OBJECT
public:
    explicit Tkoperta_f(QWidget *parent = nullptr);
};
