#include "polecenie.h"

#include "etykiety_klientow.h"
#include "katalogdanych.h"
#include "kontekst.h"
#include "koperty_wsadowe.h"
#include "narzedzia_klienta.h"
#include "sciezki.h"
#include "wspolnalista.h"
#include "zakres_wierszy.h"

#include <QDir>
#include <QFileInfo>

using namespace Klienci;

namespace Polecenia {

void pisz(std::FILE *gdzie, const QString &tekst)
{
    const QByteArray b = tekst.toLocal8Bit();
    std::fwrite(b.constData(), 1, size_t(b.size()), gdzie);
    std::fflush(gdzie);
}

Polecenie::Polecenie(QString nazwa)
    : m_nazwa(std::move(nazwa))
{}

int Polecenie::blad(const QString &tekst, int status) const
{
    pisz(stderr, QStringLiteral("lista_klientow %1: %2\n").arg(m_nazwa, tekst));
    return status;
}

void Polecenie::uwaga(const QString &tekst) const
{
    pisz(stderr, QStringLiteral("lista_klientow %1: uwaga: %2\n").arg(m_nazwa, tekst));
}

std::optional<int> Polecenie::parsuj(QCommandLineParser &p, const QStringList &argumenty, const QString &opis) const
{
    p.setApplicationDescription(opis);
    const QCommandLineOption pomoc({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Wyświetla tę pomoc."));
    p.addOption(pomoc);
    QStringList wszystkie{QStringLiteral("lista_klientow ") + m_nazwa};
    wszystkie += argumenty;
    if (!p.parse(wszystkie))
        return blad(p.errorText() + QStringLiteral(" (lista_klientow %1 --help)").arg(m_nazwa), ZlePolecenie);
    if (p.isSet(pomoc)) {
        // The first line names the program as it was started; name the command instead.
        QString tekst = p.helpText();
        const qsizetype koniec = tekst.indexOf(u'\n');
        const QString wiersz = tekst.left(koniec);
        tekst.replace(0, koniec,
                      wiersz.left(wiersz.indexOf(u':') + 1) + QStringLiteral(" lista_klientow ") + m_nazwa
                          + wiersz.mid(wiersz.indexOf(u'[') - 1));
        pisz(stdout, tekst);
        return 0;
    }
    return std::nullopt;
}

QCommandLineOption opcjaListy()
{
    return {QStringLiteral("lista"), QStringLiteral("Plik listy klientów (.dat)."), QStringLiteral("plik")};
}

QCommandLineOption opcjaWierszy(const QString &domyslnie)
{
    return {QStringLiteral("wiersze"), QStringLiteral("Numery wierszy, np. 1-40,57 (domyślnie %1).").arg(domyslnie),
            QStringLiteral("zakres")};
}

std::optional<int> bezArgumentow(const Polecenie &p, const QCommandLineParser &parser)
{
    if (parser.positionalArguments().isEmpty())
        return std::nullopt;
    return p.blad(QStringLiteral("nieoczekiwany argument \"%1\"").arg(parser.positionalArguments().first()),
                  ZlePolecenie);
}

std::optional<int> jednoZ(const Polecenie &p, const QCommandLineParser &parser, const QCommandLineOption &a,
                          const QCommandLineOption &b)
{
    if (parser.isSet(a) != parser.isSet(b))
        return std::nullopt;
    return p.blad(QStringLiteral("podaj dokładnie jedno z: --%1 <%2>, --%3 <%4>")
                      .arg(a.names().first(), a.valueName(), b.names().first(), b.valueName()),
                  ZlePolecenie);
}

QString sciezkaBezwzgledna(const QString &sciezka)
{
    return QFileInfo(sciezka).absoluteFilePath();
}

QString katalogDanych(const Kontekst &kontekst, const Polecenie &p)
{
    if (!QFileInfo(sciezkaDanych(kontekst.katalogStartowy(), QStringLiteral("\\Admini"))).isDir())
        return kontekst.katalogStartowy();
    // Only a change of data may write: a missing setting is taken as its default, not made.
    const KatalogDanych k = kontekst.rozwiazKatalogDanych(BrakUstawienia::PrzyjmijDomyslne);
    if (k.blad)
        p.uwaga(QStringLiteral("ustawienie sieci: %1; katalog danych: %2")
                    .arg(k.blad.tekst(), QDir::toNativeSeparators(k.katalog)));
    return k.katalog;
}

std::array<QString, PodpisyInfo::Liczba> podpisy(const QString &katalog)
{
    return czytajPodpisyInfo(katalog, Otwarcie::TylkoOdczyt).teksty;
}

std::optional<int> wczytajListe(const Polecenie &p, const QString &sciezka, ListaKlientow &lista)
{
    if (sciezka.isEmpty())
        return p.blad(QStringLiteral("brak opcji --lista <plik listy>"), ZlePolecenie);
    const WspolnaLista::Wynik w = WspolnaLista::czytaj(sciezka, lista);
    if (w.zajeta)
        return p.blad(w.komunikat);
    if (w.blad)
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezka), w.blad.tekst()));
    return std::nullopt;
}

std::optional<int> wybierzWiersze(const Polecenie &p, const QCommandLineParser &parser, const QCommandLineOption &opcja,
                                  QList<int> domyslne, QList<int> &wiersze)
{
    if (!parser.isSet(opcja)) {
        wiersze = std::move(domyslne);
        return std::nullopt;
    }
    QString blad;
    const std::optional<QList<int>> w = parsujWiersze(parser.value(opcja), LiczbaWierszy, &blad);
    if (!w)
        return p.blad(QStringLiteral("--wiersze: ") + blad, ZlePolecenie);
    wiersze = *w;
    return std::nullopt;
}

std::optional<int> wierszeZAdresem(const Polecenie &p, const QCommandLineParser &parser,
                                   const QCommandLineOption &lista, const QCommandLineOption &wiersze,
                                   int statusZakresu, ListaKlientow &l, QList<int> &zAdresem)
{
    const QString sciezkaListy = parser.isSet(lista) ? sciezkaBezwzgledna(parser.value(lista)) : QString();
    if (const auto s = wczytajListe(p, sciezkaListy, l))
        return s;
    QList<int> wybrane;
    if (wybierzWiersze(p, parser, wiersze, l.wierszeZAdresem(), wybrane))
        return statusZakresu;
    zAdresem.clear();
    for (int w : wybrane)
        if (l.maAdres(w))
            zAdresem.append(w);
    if (zAdresem.isEmpty())
        return p.blad(QStringLiteral("w wybranych wierszach listy nie ma żadnego klienta"));
    if (zAdresem.size() < wybrane.size())
        p.uwaga(QStringLiteral("pominięto wiersze bez nazwy i adresu: %1").arg(wybrane.size() - zAdresem.size()));
    return std::nullopt;
}

std::optional<int> ustawieniaKopert(const Polecenie &p, const Kontekst &kontekst, const QString &katalog,
                                    const QString &profil, UstawieniaWsadowe &u)
{
    if (const auto b = DrukEtykiet::wczytajUstawienia(
            katalog, kontekst.sciezkaRobocza(QStringLiteral("\\FONT\\font_zentar.dat")), profil, u))
        return p.blad(*b);
    for (const QString &uwaga : u.uwagi)
        p.uwaga(uwaga);
    return std::nullopt;
}

} // namespace Polecenia
