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
    const QCommandLineOption powtorzone(QStringLiteral("takze-powtorzone"),
                                        QStringLiteral("Dodaje także klientów, którzy już są na liście albo "
                                                       "wcześniej w pliku (ten sam NIP albo nazwa i miejscowość)."));
    parser.addOptions({lista, reszta, powtorzone});
    parser.addPositionalArgument(QStringLiteral("plik"), QStringLiteral("Plik CSV albo vCard z klientami."));
    if (const auto s = p.parsuj(parser, argumenty,
                                QStringLiteral("Dodaje klientów z pliku CSV albo vCard do wolnych wierszy listy "
                                               "(nigdy do wiersza, który zawiera tekst). Klientów, którzy już są "
                                               "na liście, pomija. Karty i wiersze pliku, których nie da się "
                                               "odczytać, pomija, zapisuje resztę i kończy się kodem 1.")))
        return *s;
    if (parser.positionalArguments().size() != 1)
        return p.blad(QStringLiteral("podaj jeden plik CSV albo vCard"), ZlePolecenie);
    if (!parser.isSet(lista))
        return p.blad(QStringLiteral("brak opcji --lista <plik listy>"), ZlePolecenie);

    const Kontekst kontekst(QDir::currentPath());
    const QString sciezkaListy = sciezkaBezwzgledna(parser.value(lista));
    const QString plik = sciezkaBezwzgledna(parser.positionalArguments().first());
    const QString katalog = katalogDanych(kontekst, p);
    // A rest file that would replace the list or the input stops the import before it begins.
    const QString plikReszty = parser.isSet(reszta) ? sciezkaBezwzgledna(parser.value(reszta)) : QString();
    if (parser.isSet(reszta))
        if (const auto s = sprawdzWyjscie(p, kontekst, katalog, plikReszty, {sciezkaListy, plik}))
            return *s;
    const Wymiana::PodpisyPol pp = podpisy(katalog);
    const QString nazwaPliku = QDir::toNativeSeparators(plik);
    const Wymiana::WynikWczytania wczytane = Wymiana::wczytajPlikKlientow(plik, pp);
    if (!wczytane.ok())
        return p.blad(QStringLiteral("%1: %2").arg(nazwaPliku, wczytane.blad));
    // A script notices what was left out by the status; the good clients are saved first.
    for (const Wymiana::Pominiety &o : wczytane.pominiete)
        p.uwaga(QStringLiteral("%1: %2%3 – pominięto")
                    .arg(nazwaPliku, o.opis, o.nazwa.isEmpty() ? QString() : QStringLiteral(" (\"%1\")").arg(o.nazwa)));
    const int status = wczytane.pominiete.isEmpty() ? 0 : Blad;
    QStringList bezKolumny;
    for (int k : wczytane.nierozpoznane)
        bezKolumny << QStringLiteral("\"%1\"").arg(wczytane.naglowek.value(k));
    if (!bezKolumny.isEmpty())
        p.uwaga(QStringLiteral("kolumny, których nie ma na liście (nie zaimportowano ich): %1")
                    .arg(bezKolumny.join(QStringLiteral(", "))));
    if (wczytane.klienci.isEmpty())
        return p.blad(QStringLiteral("%1: brak klientów w pliku").arg(nazwaPliku));

    // The same import as the window's, confirmed without asking.
    OtwartaLista otwarta;
    if (const WspolnaLista::Wynik b = otwarta.otworz(sciezkaListy))
        return p.blad(b.zajeta ? b.komunikat
                               : QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezkaListy), b.blad.tekst()));
    Wymiana::WyborImportu wybor;
    wybor.takzePowtorzone = parser.isSet(powtorzone);
    const Wymiana::ImportDoListy w = Wymiana::importujDoListy(
        otwarta, wczytane.klienci, wybor, [](const Wymiana::PlanImportu &plan, bool, auto &) { return plan.wybor; });
    if (w.zapis.zajeta)
        return p.blad(w.zapis.komunikat);
    // Said once: the last change was made without protection.
    if (!w.zapis.ostrzezenie.isEmpty())
        p.uwaga(w.zapis.ostrzezenie);
    if (w.zapis.blad)
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezkaListy), w.zapis.blad.tekst()));
    if (w.koniec == Wymiana::ImportDoListy::BrakMiejsca)
        return p.blad(QStringLiteral("na liście nie ma wolnego wiersza; nic nie zapisano"));

    const Wymiana::PlanImportu &plan = w.plan;
    if (const int ile = plan.pominieci())
        p.uwaga(QStringLiteral("pominięto klientów, którzy już są na liście albo wcześniej w pliku: %1 (opcja "
                               "--takze-powtorzone doda ich mimo to)")
                    .arg(ile));
    if (w.koniec == Wymiana::ImportDoListy::NicDoZapisu) {
        pisz(stdout, QStringLiteral("Nie zaimportowano nikogo: wszyscy klienci z pliku już są na liście\n"));
        return status;
    }
    for (int i = 0; i < plan.umieszczone(); ++i) {
        const int k = plan.umieszczeni[i];
        const QString wiersz = numerWiersza(plan.wiersze[i]);
        if (plan.stany[k].zlyNip)
            p.uwaga(QStringLiteral("wiersz %1: NIP \"%2\" ma złą cyfrę kontrolną (zapisano go bez zmian)")
                        .arg(wiersz, plan.klienci[k][Nip]));
        const QStringList nie = wczytane.nieprzeniesione.value(k);
        if (!nie.isEmpty())
            p.uwaga(QStringLiteral("wiersz %1: bez kolumny na liście, nie zaimportowano: %2")
                        .arg(wiersz, nie.join(QStringLiteral("; "))));
    }
    for (const Wymiana::UwagaImportu &u : plan.uwagi)
        p.uwaga(QStringLiteral("wiersz %1, %2: zapisano \"%3\" (%4)")
                    .arg(numerWiersza(u.wiersz), QString::fromLatin1(NazwyKolumn[u.kolumna]), u.zapisane,
                         u.rodzaj == Wymiana::UwagaImportu::Przyciete ? QStringLiteral("tekst skrócony")
                                                                      : QStringLiteral("znaki spoza strony kodowej")));
    pisz(stdout, QStringLiteral("Zaimportowano klientów: %1, wiersze %2–%3\n")
                     .arg(plan.umieszczone())
                     .arg(numerWiersza(plan.wiersze.first()), numerWiersza(plan.wiersze.last())));
    if (plan.niemieszczace.isEmpty())
        return status;
    if (parser.isSet(reszta)) {
        if (const BladIO b = Wymiana::zapiszPlikWymiany(plikReszty, Wymiana::eksportCsv(plan.niemieszczace, pp)))
            return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plikReszty), b.tekst()));
        p.uwaga(QStringLiteral("klientów bez wolnego wiersza: %1, zapisani w %2")
                    .arg(plan.niemieszczace.size())
                    .arg(QDir::toNativeSeparators(plikReszty)));
        return status;
    }
    return p.blad(
        QStringLiteral("klientów bez wolnego wiersza: %1 (nie zapisano ich; opcja --reszta zapisze ich do pliku)")
            .arg(plan.niemieszczace.size()));
}

} // namespace Polecenia
