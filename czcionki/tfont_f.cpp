#include "tfont_f.h"
Tfont_f::Tfont_f(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("font_f")); setWindowTitle(QStringLiteral("Fonty")); }
