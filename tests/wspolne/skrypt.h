// Scripted dialogs in widget tests: the windows are made with the test's script, which is
// emptied at the start of each test function and checked at its end (no dialog came unasked for, every prepared answer
// was used).
#pragma once

#include "skryptdialogi.h"

#include <QTest>

inline void zacznijSkrypt(SkryptDialogi &s)
{
    s.wyczysc();
}

inline void sprawdzSkrypt(SkryptDialogi &s)
{
    QVERIFY2(s.niespodziewane.isEmpty(), qPrintable(s.niespodziewane.join(u'\n')));
    QCOMPARE(s.pozostaleOdpowiedzi(), 0);
}
