// Application-wide settings shared by the program and its tests.
#pragma once

#include <QString>

class QCoreApplication;

// Installs Qt's Polish translation, so standard buttons read "Tak", "Nie", "Anuluj".
// Returns false when the translation file was not found.
bool zaladujTlumaczenia(QCoreApplication &app);

// The user's long time format (hours, minutes and seconds with the regional separator)
// without the time zone that Qt's long format appends.
QString formatCzasu();
