// Reading clients from a vCard file: the input follows a first BEGIN:VCARD line.
#include "fuzz_wymiana.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const QByteArray wejscie = QByteArray("BEGIN:VCARD\r\n") + fuzz::bajty(dane, rozmiar);
    const Wymiana::WynikWczytania w = Wymiana::wczytajKlientow(wejscie, fuzz::podpisyWymiany());
    fuzz::sprawdzWczytanie(w);
    return 0;
}
