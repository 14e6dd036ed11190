#include "nip.h"

namespace Klienci {

QString kluczNip(QStringView nip)
{
    QString k;
    k.reserve(nip.size());
    for (QChar c : nip)
        if (c != u' ' && c != u'-' && c != u'.' && c != u'/')
            k += c.toUpper();
    if (k.startsWith(u"PL"))
        k.remove(0, 2);
    return std::any_of(k.cbegin(), k.cend(), [](QChar c) { return c.isDigit(); }) ? k : QString();
}

bool zlaCyfraKontrolnaNip(QStringView nip)
{
    const QString k = kluczNip(nip);
    if (k.size() != 10 || !std::all_of(k.cbegin(), k.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    static constexpr int Wagi[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int suma = 0;
    for (int i = 0; i < 9; ++i)
        suma += Wagi[i] * (k[i].unicode() - u'0');
    return suma % 11 != k[9].unicode() - u'0';
}

int wierszZTymSamymNip(const ListaKlientow &lista, QStringView nip, int pomin)
{
    const QString klucz = kluczNip(nip);
    if (klucz.isEmpty())
        return -1;
    for (int w = 0; w < LiczbaWierszy; ++w)
        if (w != pomin && kluczNip(lista.tekst(Nip, w)) == klucz)
            return w;
    return -1;
}

} // namespace Klienci
