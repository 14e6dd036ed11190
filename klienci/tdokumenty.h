#pragma once
#include <QWidget>
// Client list window (placeholder, being built).
class Tdokumenty : public QWidget
{
    Q_OBJECT
public:
    explicit Tdokumenty(QWidget *parent = nullptr);
};
