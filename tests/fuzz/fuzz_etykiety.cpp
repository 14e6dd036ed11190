// The label settings file and the label template reader: an input beginning with "<" is
// read as a file of label templates, any other as the settings file. Whatever they keep
// is a sheet that passes its checks, and settings written back read the same.
#include "fuzz.h"
#include "ustawienia_etykiet.h"

#include <QBuffer>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    QByteArray wejscie = fuzz::bajty(dane, rozmiar);
    if (wejscie.startsWith('<')) {
        QBuffer plik(&wejscie);
        LK_WYMAGAJ(plik.open(QIODevice::ReadOnly));
        for (const Arkusz &a : Arkusze::czytajSzablony(plik))
            LK_WYMAGAJ(!Arkusze::sprawdz(a) && !a.nazwa.trimmed().isEmpty());
        return 0;
    }
    const UstawieniaEtykiet u = PlikEtykiet::zBajtow(wejscie);
    for (const Arkusz &a : u.wlasne)
        LK_WYMAGAJ(!Arkusze::sprawdz(a) && !a.nazwa.isEmpty());
    LK_WYMAGAJ(u.margines >= 0 && u.margines <= 50);
    for (const QPointF &p : u.kalibracja)
        LK_WYMAGAJ(std::abs(p.x()) <= PlikEtykiet::MaksPrzesuniecie
                   && std::abs(p.y()) <= PlikEtykiet::MaksPrzesuniecie);

    QStringList uwagi;
    const UstawieniaEtykiet z = PlikEtykiet::zBajtow(PlikEtykiet::doBajtow(u), &uwagi);
    LK_WYMAGAJ(uwagi.isEmpty());
    LK_WYMAGAJ(z.wlasne.size() == u.wlasne.size() && z.margines == u.margines && z.kalibracja == u.kalibracja);
    return 0;
}
