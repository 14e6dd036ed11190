#include "polaczenia.h"

#include "kontekst.h"
#include "oknoetykiet.h"
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

OknoEtykietKlientow polaczEtykiety(Dialogi &dialogi, std::function<QPrinter &()> drukarka, const Kontekst &kontekst)
{
    OknoEtykietKlientow e;
    e.pokaz = [&dialogi, drukarka, &kontekst](QWidget *rodzic, const QString &katalogDanych, const ListaKlientow &lista,
                                              OknoEtykietKlientow::Wybor wybor) {
        OknoEtykiet okno(dialogi, drukarka(), katalogDanych,
                         kontekst.sciezkaRobocza(QStringLiteral("\\FONT\\font_zentar.dat")), lista, std::move(wybor),
                         rodzic);
        okno.wybierzKlientow();
        okno.exec();
    };
    return e;
}
