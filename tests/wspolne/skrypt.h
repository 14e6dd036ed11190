// Scripted dialogs in widget tests: a script per test function, installed at its start
// and checked at its end (no dialog came unasked for, every prepared answer was used).
#pragma once

#include "skryptdialogi.h"

#include <QTest>

inline void zacznijSkrypt(SkryptDialogi &s)
{
    s.wyczysc();
    ustawDialogi(&s);
}

inline void sprawdzSkrypt(SkryptDialogi &s)
{
    ustawDialogi(nullptr);
    QVERIFY2(s.niespodziewane.isEmpty(), qPrintable(s.niespodziewane.join(u'\n')));
    QCOMPARE(s.pozostaleOdpowiedzi(), 0);
}
