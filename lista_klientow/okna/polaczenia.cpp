#include "polaczenia.h"

#include "tkoperta_f.h"

OknoKoperty polaczKoperte(std::function<Tkoperta_f &()> okno)
{
    OknoKoperty k;
    k.pokazDlaKlienta = [okno](const std::array<QString, 4> &nadawca, const std::array<QString, 4> &odbiorca) {
        okno().pokazDlaKlienta(nadawca, odbiorca);
    };
    k.drukujDlaKlientow = [okno](QWidget *rodzic, const std::array<QString, 4> &nadawcaFirmy,
                                 const QList<std::array<QString, 4>> &odbiorcy) {
        return okno().drukujDlaKlientow(rodzic, nadawcaFirmy, odbiorcy);
    };
    return k;
}
