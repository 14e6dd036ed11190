#include "polecenie.h"

#include "etykiety_klientow.h"
#include "kontekst.h"
#include "ustawienia_etykiet.h"

#include <QDir>
#include <QPrinter>

namespace Polecenia {
namespace {

void wypiszArkusze(const QString &tytul, const QList<Arkusz> &arkusze)
{
    if (arkusze.isEmpty())
        return;
    QString t = tytul + u'\n';
    for (const Arkusz &a : arkusze)
        t += QStringLiteral("  %1  %2\n").arg(a.nazwa.leftJustified(16), a.opis());
    pisz(stdout, t);
}

// An option's value as a whole number; `wartosc` is kept when the option is not given.
std::optional<int> liczbaOpcji(const Polecenie &p, const QCommandLineParser &parser, const QCommandLineOption &o,
                               int &wartosc)
{
    if (!parser.isSet(o))
        return std::nullopt;
    bool ok = false;
    wartosc = parser.value(o).trimmed().toInt(&ok);
    if (!ok)
        return p.blad(QStringLiteral("--%1: „%2” nie jest liczbą całkowitą").arg(o.names().first(), parser.value(o)));
    return std::nullopt;
}

} // namespace

int etykiety(const QStringList &argumenty)
{
    const Polecenie p(QStringLiteral("etykiety"));
    QCommandLineParser parser;
    const QCommandLineOption lista = opcjaListy();
    const QCommandLineOption wiersze = opcjaWierszy(QStringLiteral("wszyscy klienci listy"));
    const QCommandLineOption arkusz(QStringLiteral("arkusz"),
                                    QStringLiteral("Arkusz etykiet, np. 70x37 albo \"Zweckform 3475\" (domyślnie "
                                                   "70x37; znane: --arkusze)."),
                                    QStringLiteral("nazwa"));
    const QCommandLineOption arkusze(QStringLiteral("arkusze"),
                                     QStringLiteral("Wypisuje znane arkusze i ich wymiary."));
    const QCommandLineOption od(QStringLiteral("od"),
                                QStringLiteral("Pierwsza wolna etykieta pierwszego arkusza (1 = lewa górna, liczone "
                                               "wierszami; domyślnie 1)."),
                                QStringLiteral("N"));
    const QCommandLineOption kopie(
        QStringLiteral("kopie"),
        QStringLiteral("Kopie etykiety każdego klienta, jedna po drugiej (1–100, domyślnie 1)."), QStringLiteral("K"));
    const QCommandLineOption nadawca(QStringLiteral("nadawca"),
                                     QStringLiteral("Arkusz etykiet z adresem firmy (zwrotnych) zamiast klientów "
                                                    "listy; z --kopie tyle arkuszy."));
    const QCommandLineOption margines(QStringLiteral("margines"),
                                      QStringLiteral("Margines wewnątrz etykiety w mm (domyślnie 3)."),
                                      QStringLiteral("mm"));
    const QCommandLineOption profil(QStringLiteral("profil"),
                                    QStringLiteral("Profil koperty (.pro): forma adresu i czcionka jak dla kopert."),
                                    QStringLiteral("plik"));
    const QCommandLineOption mimoTo(QStringLiteral("mimo-to"),
                                    QStringLiteral("Drukuje także wiersze, które nie mieszczą się na etykiecie "
                                                   "(ucięte na jej brzegu)."));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Zapisuje etykiety do pliku PDF."),
                                 QStringLiteral("plik"));
    const QCommandLineOption drukarka(QStringLiteral("drukarka"),
                                      QStringLiteral("Drukuje etykiety na tej drukarce (kolejce wydruku)."),
                                      QStringLiteral("kolejka"));
    parser.addOptions({lista, wiersze, arkusz, arkusze, od, kopie, nadawca, margines, profil, mimoTo, pdf, drukarka});
    if (const auto s = p.parsuj(parser, argumenty,
                                QStringLiteral("Drukuje etykiety adresowe klientów listy na arkuszach A4, "
                                               "z ustaleniami okna koperty.")))
        return *s;
    if (const auto s = bezArgumentow(p, parser))
        return *s;

    const Kontekst kontekst(QDir::currentPath());
    const QString katalog = katalogDanych(kontekst, p);
    QStringList uwagi;
    const UstawieniaEtykiet ustawienia = PlikEtykiet::czytaj(PlikEtykiet::sciezka(katalog), &uwagi);
    for (const QString &uwaga : uwagi)
        p.uwaga(uwaga);
    if (parser.isSet(arkusze)) {
        wypiszArkusze(QStringLiteral("Arkusze wbudowane:"), Arkusze::wbudowane());
        wypiszArkusze(QStringLiteral("Arkusze własne:"), ustawienia.wlasne);
        wypiszArkusze(QStringLiteral("Szablony systemu (%1):").arg(Arkusze::katalogSzablonow()),
                      Arkusze::szablonySystemu());
        return 0;
    }
    if (const auto s = jednoZ(p, parser, pdf, drukarka))
        return *s;
    if (parser.isSet(nadawca) && parser.isSet(wiersze))
        return p.blad(QStringLiteral("--nadawca drukuje adres firmy: --wiersze nie ma tu znaczenia"), ZlePolecenie);

    // Mistakes in what the job asks for end with status 1, as a failed job does.
    ZadanieEtykiet z;
    const QString nazwa = parser.isSet(arkusz) ? parser.value(arkusz) : QStringLiteral("70x37");
    const std::optional<Arkusz> a = Arkusze::znajdz(nazwa, ustawienia.wlasne);
    if (!a)
        return p.blad(
            QStringLiteral("nieznany arkusz „%1” (znane wypisuje: lista_klientow etykiety --arkusze)").arg(nazwa));
    z.arkusz = *a;
    z.margines = ustawienia.margines;
    if (parser.isSet(margines)) {
        bool ok = false;
        z.margines = parser.value(margines).trimmed().replace(u',', u'.').toDouble(&ok);
        if (!ok)
            return p.blad(QStringLiteral("--margines: „%1” nie jest liczbą").arg(parser.value(margines)));
    }
    if (const auto s = liczbaOpcji(p, parser, od, z.od))
        return *s;
    if (const auto s = liczbaOpcji(p, parser, kopie, z.kopie))
        return *s;
    if (const auto b = DrukEtykiet::sprawdz(z))
        return p.blad(*b);

    ListaKlientow l;
    QList<int> zAdresem;
    if (!parser.isSet(nadawca))
        if (const auto s = wierszeZAdresem(p, parser, lista, wiersze, Blad, l, zAdresem))
            return *s;

    // The form of address, the sender lines and the font as `koperty` takes them.
    UstawieniaWsadowe u;
    const QString plikProfilu = parser.isSet(profil) ? sciezkaBezwzgledna(parser.value(profil)) : QString();
    if (const auto s = ustawieniaKopert(p, kontekst, katalog, plikProfilu, u))
        return *s;
    if (parser.isSet(nadawca)) {
        // The copies of a sender's label are whole sheets.
        if (const auto b = DrukEtykiet::arkuszeNadawcy(z, u, z.kopie))
            return p.blad(*b);
    } else {
        DrukEtykiet::etykietyWierszy(z, u, l, zAdresem);
    }

    const QList<DrukEtykiet::Problem> problemy = DrukEtykiet::problemy(z);
    for (const DrukEtykiet::Problem &pr : problemy) {
        if (parser.isSet(mimoTo))
            p.uwaga(pr.opis);
        else
            p.blad(pr.opis);
    }
    if (!problemy.isEmpty() && !parser.isSet(mimoTo))
        return p.blad(QStringLiteral("nic nie wydrukowano: wiersze nie mieszczą się na etykietach nawet w %1 pt "
                                     "(--mimo-to drukuje je ucięte na brzegu etykiety)")
                          .arg(DrukEtykiet::NajmniejszyRozmiar));

    const qsizetype strony = DrukEtykiet::liczbaStron(z);
    const qsizetype ile = z.etykiety.size() * z.kopie;
    if (parser.isSet(pdf)) {
        const QString plik = sciezkaBezwzgledna(parser.value(pdf));
        if (const auto b = DrukEtykiet::doPdf(plik, z))
            return p.blad(*b);
        pisz(stdout, QStringLiteral("Zapisano etykiet: %1 na stronach: %2 (%3)\n")
                         .arg(ile)
                         .arg(strony)
                         .arg(QDir::toNativeSeparators(plik)));
        return 0;
    }
    QPrinter drukarkaKolejki(QPrinter::HighResolution);
    drukarkaKolejki.setPrinterName(parser.value(drukarka));
    if (!drukarkaKolejki.isValid() || drukarkaKolejki.printerName() != parser.value(drukarka))
        return p.blad(QStringLiteral("nie ma drukarki \"%1\"").arg(parser.value(drukarka)));
    drukarkaKolejki.setDocName(QStringLiteral("Etykiety"));
    z.przesuniecie = PlikEtykiet::kalibracja(ustawienia, drukarkaKolejki.printerName());
    if (const WynikDruku w = DrukEtykiet::drukuj(drukarkaKolejki, z); w.blad)
        return p.blad(*w.blad);
    pisz(stdout,
         QStringLiteral("Wysłano etykiet: %1 na stronach: %2 (%3)\n").arg(ile).arg(strony).arg(parser.value(drukarka)));
    return 0;
}

} // namespace Polecenia
