#include "polecenie.h"

#include "kontekst.h"
#include "koperty_wsadowe.h"
#include "zadanie_druku.h"

#include <QDir>
#include <QPrinter>

using namespace Klienci;

namespace Polecenia {

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
    ListaKlientow l;
    QList<int> zAdresem;
    if (const auto s = wierszeZAdresem(p, parser, lista, wiersze, ZlePolecenie, l, zAdresem))
        return *s;

    const QString katalog = katalogDanych(kontekst, p);
    UstawieniaWsadowe u;
    const QString plikProfilu = parser.isSet(profil) ? sciezkaBezwzgledna(parser.value(profil)) : QString();
    if (const auto s = ustawieniaKopert(p, kontekst, katalog, plikProfilu, u))
        return *s;
    if (wybranyRozmiar)
        u.rozmiar = *wybranyRozmiar;

    QList<DaneKoperty> dane;
    dane.reserve(zAdresem.size());
    for (int w : zAdresem) {
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

} // namespace Polecenia
