// The JPEG decoder of the logo picture: the input is a whole file held in memory.
#include "fuzz.h"
#include "jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const ObrazJpeg wynik = dekodujJpeg(QByteArrayView(dane, qsizetype(rozmiar)));
    if (!wynik.ok()) {
        LK_WYMAGAJ(wynik.obraz.isNull());
        LK_WYMAGAJ(wynik.blad.startsWith(QStringLiteral("Nie można wczytać obrazka JPEG: ")));
        return 0;
    }
    LK_WYMAGAJ(!wynik.obraz.isNull());
    LK_WYMAGAJ(wynik.obraz.width() > 0 && wynik.obraz.height() > 0);
    LK_WYMAGAJ(wynik.obraz.format() == QImage::Format_RGB888);
    // Every pixel was written: touch the last one.
    (void)wynik.obraz.pixel(wynik.obraz.width() - 1, wynik.obraz.height() - 1);
    return 0;
}
