#include "polecenie.h"

#include "kontekst.h"
#include "wymiana.h"

#include <QDir>

using namespace Klienci;

namespace Polecenia {

int eksport(const QStringList &argumenty)
{
    const Polecenie p(QStringLiteral("eksport"));
    QCommandLineParser parser;
    const QCommandLineOption lista = opcjaListy();
    const QCommandLineOption wiersze = opcjaWierszy(QStringLiteral("wszystkie niepuste"));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Zapisuje do pliku CSV (UTF-8)."),
                                 QStringLiteral("plik"));
    const QCommandLineOption vcard(QStringLiteral("vcard"), QStringLiteral("Zapisuje do pliku vCard 3.0."),
                                   QStringLiteral("plik"));
    const QCommandLineOption separator(QStringLiteral("separator"),
                                       QStringLiteral("Separator pól CSV: \";\" (domyślny), \",\" albo \"tab\"."),
                                       QStringLiteral("znak"));
    parser.addOptions({lista, wiersze, csv, vcard, separator});
    if (const auto s = p.parsuj(parser, argumenty, QStringLiteral("Zapisuje klientów listy do pliku CSV albo vCard.")))
        return *s;
    if (const auto s = bezArgumentow(p, parser))
        return *s;
    if (const auto s = jednoZ(p, parser, csv, vcard))
        return *s;
    QChar sep = u';';
    if (parser.isSet(separator)) {
        const QString s = parser.value(separator);
        if (s == u"tab" || s == u"\t")
            sep = u'\t';
        else if (s == u";" || s == u",")
            sep = s.front();
        else
            return p.blad(QStringLiteral("separator może być tylko \";\", \",\" albo \"tab\""), ZlePolecenie);
    }

    const Kontekst kontekst(QDir::currentPath());
    const QString sciezkaListy = parser.isSet(lista) ? sciezkaBezwzgledna(parser.value(lista)) : QString();
    ListaKlientow l;
    if (const auto s = wczytajListe(p, sciezkaListy, l))
        return *s;
    QList<int> wybrane;
    if (const auto s = wybierzWiersze(p, parser, wiersze, Wymiana::wierszeZTekstem(l), wybrane))
        return *s;
    const QString plik = sciezkaBezwzgledna(parser.value(parser.isSet(csv) ? csv : vcard));
    const QString katalog = katalogDanych(kontekst, p);
    if (const auto s = sprawdzWyjscie(p, kontekst, katalog, plik, {sciezkaListy}))
        return *s;
    const Wymiana::Format format = parser.isSet(csv) ? Wymiana::Format::Csv : Wymiana::Format::Vcard;
    const Wymiana::WynikEksportu w = Wymiana::eksportujDoPliku(plik, format, l, wybrane, podpisy(katalog), sep);
    if (w.blad)
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), w.blad.tekst()));
    if (w.zapisane.size() < wybrane.size())
        p.uwaga(QStringLiteral("pominięto puste wiersze: %1").arg(wybrane.size() - w.zapisane.size()));
    pisz(stdout,
         QStringLiteral("Zapisano klientów: %1 (%2)\n").arg(w.zapisane.size()).arg(QDir::toNativeSeparators(plik)));
    return 0;
}

} // namespace Polecenia
