#include "tkoperta_f.h"
Tkoperta_f::Tkoperta_f(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("koperta_f")); }
