#pragma once

#include <QDialog>

// About window: the maker's contact details. Created at start; no command opens it.
class Tform3 : public QDialog
{
    Q_OBJECT
public:
    explicit Tform3(QWidget *parent = nullptr);
};
