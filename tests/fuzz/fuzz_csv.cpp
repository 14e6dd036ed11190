// Reading clients from a CSV file: any bytes that do not start a vCard.
#include "fuzz_wymiana.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const QByteArray wejscie = fuzz::bajty(dane, rozmiar);
    if (wejscie.trimmed().startsWith("BEGIN:"))
        return 0;
    const Wymiana::WynikWczytania w = Wymiana::wczytajKlientow(wejscie, fuzz::podpisyWymiany());
    LK_WYMAGAJ(w.format == Wymiana::Format::Csv || !w.ok());
    if (w.ok())
        LK_WYMAGAJ(w.mapowanie.size() == w.naglowek.size());
    fuzz::sprawdzWczytanie(w);
    return 0;
}
