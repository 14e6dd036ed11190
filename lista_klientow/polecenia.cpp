#include "polecenia.h"

#include "aplikacja.h"
#include "drukowanie.h"
#include "kontekst.h"
#include "koperty_wsadowe.h"
#include "listaklientow.h"
#include "narzedzia_klienta.h"
#include "sciezki.h"
#include "wspolnalista.h"
#include "wymiana.h"
#include "zakres_wierszy.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

#include <cstdio>
#include <functional>
#include <map>

using namespace Klienci;

namespace {

// Exit statuses: 0 done, 1 the work failed (a file, the printer), 2 the command was
// written wrong.
constexpr int Blad = 1;
constexpr int ZlePolecenie = 2;

void pisz(std::FILE *gdzie, const QString &tekst)
{
    const QByteArray b = tekst.toLocal8Bit();
    std::fwrite(b.constData(), 1, size_t(b.size()), gdzie);
    std::fflush(gdzie);
}

// One command run: its name for messages and the error output.
class Polecenie
{
public:
    explicit Polecenie(QString nazwa)
        : m_nazwa(std::move(nazwa))
    {}

    int blad(const QString &tekst, int status = Blad) const
    {
        pisz(stderr, QStringLiteral("lista_klientow %1: %2\n").arg(m_nazwa, tekst));
        return status;
    }
    void uwaga(const QString &tekst) const
    {
        pisz(stderr, QStringLiteral("lista_klientow %1: uwaga: %2\n").arg(m_nazwa, tekst));
    }

    // Parses the command's arguments; returns the exit status when the run ends here
    // (help shown or a mistake reported).
    std::optional<int> parsuj(QCommandLineParser &p, const QStringList &argumenty, const QString &opis) const
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

private:
    QString m_nazwa;
};

QCommandLineOption opcjaListy()
{
    return {QStringLiteral("lista"), QStringLiteral("Plik listy klientów (.dat)."), QStringLiteral("plik")};
}

QCommandLineOption opcjaWierszy(const QString &domyslnie)
{
    return {QStringLiteral("wiersze"), QStringLiteral("Numery wierszy, np. 1-40,57 (domyślnie %1).").arg(domyslnie),
            QStringLiteral("zakres")};
}

// A command that takes no file names but options.
std::optional<int> bezArgumentow(const Polecenie &p, const QCommandLineParser &parser)
{
    if (parser.positionalArguments().isEmpty())
        return std::nullopt;
    return p.blad(QStringLiteral("nieoczekiwany argument \"%1\"").arg(parser.positionalArguments().first()),
                  ZlePolecenie);
}

// Exactly one of two outputs.
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

// The data root as at start-up, from the current directory. A start directory without
// an "Admini" folder holds no network setting and gets none: the data root is the start
// directory, and nothing is written there.
QString katalogDanych(const Kontekst &kontekst, const Polecenie &p)
{
    if (!QFileInfo(sciezkaDanych(kontekst.katalogStartowy(), QStringLiteral("\\Admini"))).isDir())
        return kontekst.katalogStartowy();
    const KatalogDanych k = kontekst.rozwiazKatalogDanych();
    if (k.blad)
        p.uwaga(QStringLiteral("ustawienie sieci: %1; katalog danych: %2")
                    .arg(k.blad.tekst(), QDir::toNativeSeparators(k.katalog)));
    return k.katalog;
}

// The captions of the free fields, read without creating a missing file.
Wymiana::PodpisyPol podpisy(const QString &katalog)
{
    if (!plikIstnieje(sciezkaDanych(katalog, QStringLiteral("\\ADMINI\\info.dat"))))
        return {};
    return czytajPodpisyInfo(katalog).teksty;
}

// The list named by --lista, read.
std::optional<int> wczytajListe(const Polecenie &p, const QString &sciezka, ListaKlientow &lista)
{
    if (sciezka.isEmpty())
        return p.blad(QStringLiteral("brak opcji --lista <plik listy>"), ZlePolecenie);
    if (const BladIO b = lista.wczytaj(sciezka))
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezka), b.tekst()));
    return std::nullopt;
}

// The rows named by --wiersze, or all rows `domyslne` gives.
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

QList<int> wierszeZNazwa(const ListaKlientow &lista)
{
    QList<int> w;
    for (int i = 0; i < LiczbaWierszy; ++i)
        if (!lista.wolny(i))
            w.append(i);
    return w;
}

int koperty(const QStringList &argumenty)
{
    const Polecenie p(QStringLiteral("koperty"));
    QCommandLineParser parser;
    const QCommandLineOption lista = opcjaListy();
    const QCommandLineOption wiersze = opcjaWierszy(QStringLiteral("wszyscy klienci listy"));
    const QCommandLineOption profil(QStringLiteral("profil"),
                                    QStringLiteral("Profil koperty (.pro) zamiast ustaleń domyślnych."),
                                    QStringLiteral("plik"));
    QStringList nazwy;
    for (RozmiarKoperty r : RozmiaryKopert::wszystkie())
        if (r != RozmiarKoperty::JakWDrukarce)
            nazwy << RozmiaryKopert::nazwa(r);
    const QCommandLineOption rozmiar(
        QStringLiteral("rozmiar"),
        QStringLiteral("Rozmiar koperty: %1 (domyślnie jak w ustaleniach).").arg(nazwy.join(QStringLiteral(", "))),
        QStringLiteral("nazwa"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Zapisuje koperty do pliku PDF."),
                                 QStringLiteral("plik"));
    const QCommandLineOption drukarka(QStringLiteral("drukarka"),
                                      QStringLiteral("Drukuje koperty na tej drukarce (kolejce wydruku)."),
                                      QStringLiteral("kolejka"));
    parser.addOptions({lista, wiersze, profil, rozmiar, pdf, drukarka});
    if (const auto s = p.parsuj(parser, argumenty,
                                QStringLiteral("Drukuje koperty dla klientów listy, po jednej na stronie, "
                                               "z ustaleniami okna koperty.")))
        return *s;
    if (const auto s = bezArgumentow(p, parser))
        return *s;
    if (const auto s = jednoZ(p, parser, pdf, drukarka))
        return *s;
    std::optional<RozmiarKoperty> wybranyRozmiar;
    if (parser.isSet(rozmiar)) {
        wybranyRozmiar = RozmiaryKopert::zNazwy(parser.value(rozmiar));
        if (!wybranyRozmiar)
            return p.blad(QStringLiteral("nieznany rozmiar koperty \"%1\" (znane: %2)")
                              .arg(parser.value(rozmiar), nazwy.join(QStringLiteral(", "))),
                          ZlePolecenie);
    }

    const Kontekst kontekst(QDir::currentPath());
    const QString sciezkaListy = parser.isSet(lista) ? sciezkaBezwzgledna(parser.value(lista)) : QString();
    ListaKlientow l;
    if (const auto s = wczytajListe(p, sciezkaListy, l))
        return *s;
    QList<int> wybrane;
    if (const auto s = wybierzWiersze(p, parser, wiersze, wierszeZNazwa(l), wybrane))
        return *s;
    QList<int> zNazwa;
    for (int w : wybrane)
        if (!l.wolny(w))
            zNazwa.append(w);
    if (zNazwa.isEmpty())
        return p.blad(QStringLiteral("w wybranych wierszach listy nie ma żadnego klienta"));

    const QString katalog = katalogDanych(kontekst, p);
    KopiaFirmy firma;
    if (const BladIO b = firma.czytaj(katalog))
        return p.blad(QStringLiteral("dane firmy: %1").arg(b.tekst()));
    const WierszeKopertyKlienta nadawca = wierszeKopertyKlienta(firma, {}, {}, {}, {});

    UstawieniaWsadowe u;
    const QString plikProfilu = parser.isSet(profil) ? sciezkaBezwzgledna(parser.value(profil)) : QString();
    if (const auto b =
            wczytajUstawieniaWsadowe(katalog, kontekst.sciezkaRobocza(QStringLiteral("\\FONT\\font_zentar.dat")),
                                     plikProfilu, nadawca.nadawca, u))
        return p.blad(*b);
    for (const QString &uwaga : u.uwagi)
        p.uwaga(uwaga);
    if (wybranyRozmiar)
        u.rozmiar = *wybranyRozmiar;

    QList<DaneKoperty> dane;
    dane.reserve(zNazwa.size());
    for (int w : zNazwa) {
        dane.append(daneKoperty(u.ustawienia,
                                {l.tekst(Nazwa1, w), l.tekst(Nazwa2, w), l.tekst(Ulica, w), l.tekst(Miejscowosc, w)},
                                u.logo, u.czcionka));
        dane.back().strona = RozmiaryKopert::rozmiarStrony(u.rozmiar);
    }

    if (parser.isSet(pdf)) {
        const QString plik = sciezkaBezwzgledna(parser.value(pdf));
        if (const auto b = drukujDoPdf(plik, dane))
            return p.blad(*b);
        pisz(stdout, QStringLiteral("Zapisano kopert: %1 (%2)\n").arg(dane.size()).arg(QDir::toNativeSeparators(plik)));
        return 0;
    }
    QPrinter drukarkaKolejki(QPrinter::HighResolution);
    drukarkaKolejki.setPrinterName(parser.value(drukarka));
    if (!drukarkaKolejki.isValid() || drukarkaKolejki.printerName() != parser.value(drukarka))
        return p.blad(QStringLiteral("nie ma drukarki \"%1\"").arg(parser.value(drukarka)));
    drukarkaKolejki.setDocName(QStringLiteral("Koperty"));
    if (const auto b = drukujNaDrukarce(drukarkaKolejki, dane))
        return p.blad(*b);
    pisz(stdout, QStringLiteral("Wysłano kopert: %1 (%2)\n").arg(dane.size()).arg(parser.value(drukarka)));
    return 0;
}

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
    const Wymiana::Format format = parser.isSet(csv) ? Wymiana::Format::Csv : Wymiana::Format::Vcard;
    if (const BladIO b = Wymiana::eksportujDoPliku(plik, format, l, wybrane, podpisy(katalogDanych(kontekst, p)), sep))
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(plik), b.tekst()));
    pisz(stdout,
         QStringLiteral("Zapisano klientów: %1 (%2)\n").arg(wybrane.size()).arg(QDir::toNativeSeparators(plik)));
    return 0;
}

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

    // Under the list's lock, on the list as it is on disk now.
    ListaKlientow l;
    Wymiana::PlanImportu plan;
    const WspolnaLista::Wynik w = WspolnaLista::zmienPodBlokada(sciezkaListy, l, [&](ListaKlientow &naDysku) {
        plan = Wymiana::zaplanujImport(naDysku, wczytane.klienci);
        if (plan.umieszczone() == 0)
            return false;
        Wymiana::zastosujPlan(naDysku, plan);
        return true;
    });
    if (w.zajeta)
        return p.blad(w.komunikat);
    if (w.blad)
        return p.blad(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezkaListy), w.blad.tekst()));
    if (plan.umieszczone() == 0)
        return p.blad(QStringLiteral("na liście nie ma wolnego wiersza; nic nie zapisano"));

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

const std::map<QString, std::function<int(const QStringList &)>> &polecenia()
{
    static const std::map<QString, std::function<int(const QStringList &)>> p{
        {QStringLiteral("koperty"), koperty},
        {QStringLiteral("eksport"), eksport},
        {QStringLiteral("import"), import},
    };
    return p;
}

QString pomocOgolna()
{
    return QStringLiteral("Użycie: lista_klientow [polecenie] [opcje]\n"
                          "\n"
                          "Bez polecenia program otwiera okno listy klientów.\n"
                          "\n"
                          "Polecenia (działają bez okna i bez ekranu):\n"
                          "  koperty   drukuje koperty dla klientów listy do pliku PDF albo na drukarkę\n"
                          "  eksport   zapisuje klientów listy do pliku CSV albo vCard\n"
                          "  import    dodaje klientów z pliku CSV albo vCard do wolnych wierszy listy\n"
                          "\n"
                          "Opcje każdego polecenia: lista_klientow <polecenie> --help\n"
                          "Katalog danych (ustalenia kopert, dane firmy, podpisy pól) wynika z bieżącego katalogu,\n"
                          "tak jak przy uruchomieniu programu.\n");
}

} // namespace

namespace Polecenia {

bool jestPolecenie(int argc)
{
    return argc > 1;
}

int uruchom(int argc, char **argv)
{
    // No window and no display: pictures and fonts work on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's note that it made a runtime folder of its own is no news to a command's user.
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext &kontekst, const QString &tekst) {
        if (!tekst.startsWith(QLatin1String("QStandardPaths:")))
            pisz(stderr, qFormatLogMessage(typ, kontekst, tekst) + u'\n');
    });
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lista_klientow"));
    zaladujTlumaczenia(app);

    QStringList argumenty = QCoreApplication::arguments().mid(1);
    const QString nazwa = argumenty.takeFirst();
    if (nazwa == u"--help" || nazwa == u"-h" || nazwa == u"pomoc") {
        pisz(stdout, pomocOgolna());
        return 0;
    }
    const auto p = polecenia().find(nazwa);
    if (p == polecenia().end()) {
        pisz(stderr, QStringLiteral("lista_klientow: nieznane polecenie \"%1\"\n\n").arg(nazwa) + pomocOgolna());
        return ZlePolecenie;
    }
    return p->second(argumenty);
}

} // namespace Polecenia
