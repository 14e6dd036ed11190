#include "wyjscie.h"

#include "chronione.h"
#include "dialogi.h"

bool wolnoZapisac(Dialogi &dialogi, QWidget *rodzic, const QString &wyjscie, const QStringList &wejscia,
                  const QStringList &katalogiDanych)
{
    const auto b = wyjscieZastapiloby(wyjscie, wejscia, katalogiDanych);
    if (b)
        dialogi.blad(rodzic, b->front().toUpper() + b->mid(1) + u'.');
    return !b;
}
