#include "tdokumenty.h"
Tdokumenty::Tdokumenty(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("dokumenty")); }
