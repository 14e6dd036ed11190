// Shared by the CSV and vCard fuzz targets: what every successful read promises.
#pragma once

#include "fuzz.h"
#include "wymiana.h"

namespace fuzz {

inline const Wymiana::PodpisyPol &podpisyWymiany()
{
    static const Wymiana::PodpisyPol p{QStringLiteral("Telefon"), QStringLiteral("E-mail"), QString(),
                                       QStringLiteral("Uwagi"),   QStringLiteral("NIP"),    QStringLiteral("Telefon")};
    return p;
}

// Clients hold one-line texts and no empty client; what is left out is named by its
// line; written out again in the format they came in and read back, the clients are the
// same; planned into a new list they fit, repeat or are counted, and the list keeps its
// row numbers.
inline void sprawdzWczytanie(const Wymiana::WynikWczytania &w)
{
    LK_WYMAGAJ(w.nieprzeniesione.size() == w.klienci.size());
    for (const Wymiana::Pominiety &p : w.pominiete)
        LK_WYMAGAJ(p.opis.startsWith(QStringLiteral("Linia ")) || p.opis.startsWith(QStringLiteral("Wiersz ")));
    if (!w.ok()) {
        LK_WYMAGAJ(w.klienci.isEmpty());
        LK_WYMAGAJ(w.blad.startsWith(QStringLiteral("Linia ")) || w.blad.startsWith(QStringLiteral("Wiersz ")));
        return;
    }
    for (const Klienci::TekstyWiersza &t : w.klienci) {
        LK_WYMAGAJ(t[Klienci::Lp].isEmpty());
        bool cos = false;
        for (const QString &s : t) {
            cos = cos || !s.isEmpty();
            for (QChar c : s)
                LK_WYMAGAJ(c.unicode() >= 0x20 && c.unicode() != 0x7f);
        }
        LK_WYMAGAJ(cos);
    }
    const QByteArray znowu = w.format == Wymiana::Format::Csv ? Wymiana::eksportCsv(w.klienci, podpisyWymiany())
                                                              : Wymiana::eksportVcard(w.klienci, podpisyWymiany());
    if (!w.klienci.isEmpty()) {
        const Wymiana::WynikWczytania w2 = Wymiana::wczytajKlientow(znowu, podpisyWymiany());
        LK_WYMAGAJ(w2.ok());
        LK_WYMAGAJ(w2.klienci == w.klienci);
    }
    ListaKlientow lista = ListaKlientow::nowa();
    const Wymiana::PlanImportu plan = Wymiana::zaplanujImport(lista, w.klienci);
    LK_WYMAGAJ(plan.umieszczone() + plan.niemieszczace.size() + plan.pominieci() == w.klienci.size());
    Wymiana::zastosujPlan(lista, plan);
    for (int r = 0; r < Klienci::LiczbaWierszy; ++r)
        LK_WYMAGAJ(lista.tekst(Klienci::Lp, r) == Klienci::numerWiersza(r));
}

} // namespace fuzz
