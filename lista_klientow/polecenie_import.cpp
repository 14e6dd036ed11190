#include "polecenie.h"

#include "import_do_listy.h"
#include "kontekst.h"

#include <QDir>

using namespace Klienci;

namespace Polecenia {

int import(const QStringList &argumenty)
{
    const Polecenie p(QStringLiteral("import"));
    QCommandLineParser parser;
    const QCommandLineOption lista = opcjaListy();
    const QCommandLineOption reszta(QStringLiteral("reszta"),
                                    QStringLiteral("Zapisuje do tego pliku CSV klientów, dla których "
                                                   "zabrakło wolnych wierszy."),
                                    QStringLiteral("plik"));
    parser.addOptions({lista, reszta});
    parser.addPositionalArgument(QStringLiteral("plik"), QStringLiteral("Plik CSV albo vCard z klientami."));
    if (const auto s = p.parsuj(parser, argumenty,
                                QStringLiteral("Dodaje klientów z pliku CSV albo vCard do wolnych wierszy listy "
                                               "(nigdy do wiersza, który zawiera tekst).")))
        return *s;
    if (parser.positionalArguments().size() != 1)
        return p.blad(QStringLiteral("podaj jeden plik CSV albo vCard"), ZlePolecenie);
    if (!parser.isSet(lista))
        return p.blad(QStringLiteral("brak opcji --lista <plik listy>"), ZlePolecenie);

    const Kontekst kontekst(QDir::currentPath());
    const QString sciezkaListy = sciezkaBezwzgledna(parser.value(lista));
    const QString plik = sciezkaBezwzgledna(parser.positionalArguments().first());
    const Wymiana::PodpisyPol pp = podpisy(katalogDanych(kontekst, p));
    const Wymiana::WynikWczytania wczytane = Wymiana::wczytajPlikKlientow(plik, pp);
    if (!wczytane.ok())
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), wczytane.blad));
    QStringList pominiete;
    for (int k : wczytane.nierozpoznane)
        pominiete << QStringLiteral("\"%1\"").arg(wczytane.naglowek.value(k));
    if (!pominiete.isEmpty())
        p.uwaga(QStringLiteral("pominięto nierozpoznane kolumny: %1").arg(pominiete.join(QStringLiteral(", "))));
    if (wczytane.klienci.isEmpty())
        return p.blad(QStringLiteral("%1: brak klientów w pliku").arg(QDir::toNativeSeparators(plik)));

    // The same import as the window's, confirmed without asking.
    OtwartaLista otwarta;
    if (const BladIO b = otwarta.otworz(sciezkaListy))
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezkaListy), b.tekst()));
    const Wymiana::ImportDoListy w =
        Wymiana::importujDoListy(otwarta, wczytane.klienci, [](const Wymiana::PlanImportu &, bool) { return true; });
    if (w.zapis.zajeta)
        return p.blad(w.zapis.komunikat);
    if (w.zapis.blad)
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezkaListy), w.zapis.blad.tekst()));
    if (w.koniec == Wymiana::ImportDoListy::BrakMiejsca)
        return p.blad(QStringLiteral("na liście nie ma wolnego wiersza; nic nie zapisano"));

    const Wymiana::PlanImportu &plan = w.plan;
    for (const Wymiana::UwagaImportu &u : plan.uwagi)
        p.uwaga(QStringLiteral("wiersz %1, %2: zapisano \"%3\" (%4)")
                    .arg(numerWiersza(u.wiersz), QString::fromLatin1(NazwyKolumn[u.kolumna]), u.zapisane,
                         u.rodzaj == Wymiana::UwagaImportu::Przyciete ? QStringLiteral("tekst skrócony")
                                                                      : QStringLiteral("znaki spoza strony kodowej")));
    pisz(stdout, QStringLiteral("Zaimportowano klientów: %1, wiersze %2–%3\n")
                     .arg(plan.umieszczone())
                     .arg(numerWiersza(plan.wiersze.first()), numerWiersza(plan.wiersze.last())));
    if (plan.niemieszczace.isEmpty())
        return 0;
    if (parser.isSet(reszta)) {
        const QString plikReszty = sciezkaBezwzgledna(parser.value(reszta));
        if (const BladIO b = Wymiana::zapiszPlikWymiany(plikReszty, Wymiana::eksportCsv(plan.niemieszczace, pp)))
            return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plikReszty), b.tekst()));
        p.uwaga(QStringLiteral("klientów bez wolnego wiersza: %1, zapisani w %2")
                    .arg(plan.niemieszczace.size())
                    .arg(QDir::toNativeSeparators(plikReszty)));
        return 0;
    }
    return p.blad(
        QStringLiteral("klientów bez wolnego wiersza: %1 (nie zapisano ich; opcja --reszta zapisze ich do pliku)")
            .arg(plan.niemieszczace.size()));
}

} // namespace Polecenia
