#include "oknawymiany.h"

#include "dialogi.h"
#include "wyjscie.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Klienci;
using namespace Wymiana;

namespace {

QString natywna(const QString &sciezka)
{
    return QDir::toNativeSeparators(sciezka);
}

} // namespace

// ---- the real dialogs

OknaWymiany::OknaWymiany()
{
    eksport = [](QWidget *rodzic, int wiersz, const QList<int> &zTekstem) -> std::optional<OpcjeEksportu> {
        OknoEksportu okno(wiersz, zTekstem, rodzic);
        if (okno.exec() != QDialog::Accepted)
            return std::nullopt;
        return okno.opcje();
    };
    mapowanie = [](QWidget *rodzic, const WynikWczytania &w, const PodpisyPol &podpisy) -> std::optional<QList<int>> {
        OknoMapowania okno(w, podpisy, rodzic);
        if (okno.exec() != QDialog::Accepted)
            return std::nullopt;
        return okno.mapowanie();
    };
    podglad = [](QWidget *rodzic, const WynikWczytania &w, const PlanImportu &plan, const ZaplanujPonownie &zaplanuj,
                 const PodpisyPol &podpisy) -> std::optional<WyborImportu> {
        OknoImportu okno(w, plan, zaplanuj, podpisy, rodzic);
        if (okno.exec() != QDialog::Accepted)
            return std::nullopt;
        return okno.wybor();
    };
}

QString KatalogWymiany::teraz() const
{
    if (!ostatni.isEmpty() && QFileInfo(ostatni).isDir())
        return ostatni;
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumenty).isDir() ? dokumenty : QDir::homePath();
}

void KatalogWymiany::zapamietaj(const QString &plik)
{
    if (!plik.isEmpty())
        ostatni = QFileInfo(plik).absolutePath();
}

// ---- the commands

void eksportujKlientow(QWidget *rodzic, Dialogi &dialogi, const OknaWymiany &okna, KatalogWymiany &katalog,
                       const ListaKlientow &lista, const QString &plikListy, int wiersz, const PodpisyPol &podpisy,
                       const QStringList &katalogiDanych)
{
    const auto opcje = okna.eksport(rodzic, wiersz, wierszeZTekstem(lista));
    if (!opcje)
        return;
    if (opcje->wiersze.isEmpty()) {
        dialogi.informacja(rodzic, QStringLiteral("Wybrane wiersze są puste. Nic nie zapisano."));
        return;
    }
    const bool vcf = opcje->format == Format::Vcard;
    UstawieniaPliku u;
    u.filtr = vcf ? QStringLiteral("vCard (*.vcf)") : QStringLiteral("CSV (*.csv)");
    u.rozszerzenie = vcf ? QStringLiteral("vcf") : QStringLiteral("csv");
    u.nazwa = vcf ? QStringLiteral("klienci.vcf") : QStringLiteral("klienci.csv");
    u.obiekt = QStringLiteral("SaveDialogEksport");
    u.katalog = katalog.teraz();
    const QString sciezka = dialogi.zapiszPlik(rodzic, u);
    if (sciezka.isEmpty() || !wolnoZapisac(dialogi, rodzic, sciezka, {plikListy}, katalogiDanych))
        return;
    katalog.zapamietaj(sciezka);
    const WynikEksportu w = eksportujDoPliku(sciezka, opcje->format, lista, opcje->wiersze, podpisy, opcje->separator);
    if (w.blad) {
        pokazBlad(dialogi, rodzic, w.blad);
        return;
    }
    dialogi.informacja(
        rodzic, QStringLiteral("Zapisano klientów: %1 do pliku %2.").arg(w.zapisane.size()).arg(natywna(sciezka)));
}

namespace {

// Offers the clients without a row a CSV file of their own.
void zapiszNiemieszczacych(QWidget *rodzic, Dialogi &dialogi, KatalogWymiany &katalog,
                           const QList<TekstyWiersza> &klienci, const PodpisyPol &podpisy, const QStringList &wejscia,
                           const QStringList &katalogiDanych)
{
    if (!dialogi.pytanie(rodzic, QStringLiteral("Klientów, którzy nie zmieścili się na liście: %1. "
                                                "Zapisać ich do osobnego pliku CSV ?")
                                     .arg(klienci.size())))
        return;
    UstawieniaPliku u;
    u.filtr = QStringLiteral("CSV (*.csv)");
    u.rozszerzenie = QStringLiteral("csv");
    u.nazwa = QStringLiteral("niezaimportowani.csv");
    u.obiekt = QStringLiteral("SaveDialogNiemieszczace");
    u.katalog = katalog.teraz();
    const QString sciezka = dialogi.zapiszPlik(rodzic, u);
    if (sciezka.isEmpty() || !wolnoZapisac(dialogi, rodzic, sciezka, wejscia, katalogiDanych))
        return;
    katalog.zapamietaj(sciezka);
    if (const BladIO blad = zapiszPlikWymiany(sciezka, eksportCsv(klienci, podpisy)))
        pokazBlad(dialogi, rodzic, blad);
    else
        dialogi.informacja(
            rodzic, QStringLiteral("Zapisano klientów: %1 do pliku %2.").arg(klienci.size()).arg(natywna(sciezka)));
}

} // namespace

ImportZOkna importujKlientow(QWidget *rodzic, Dialogi &dialogi, const OknaWymiany &okna, KatalogWymiany &katalog,
                             OtwartaLista &lista, const PodpisyPol &podpisy, const QStringList &katalogiDanych)
{
    UstawieniaPliku u;
    u.filtr = QStringLiteral("Pliki klientów (*.csv *.vcf *.vcard);;CSV (*.csv);;vCard (*.vcf *.vcard)");
    u.pytajONadpisanie = false;
    u.obiekt = QStringLiteral("OpenDialogImport");
    u.katalog = katalog.teraz();
    const QString plik = dialogi.otworzPlik(rodzic, u);
    if (plik.isEmpty())
        return {};
    katalog.zapamietaj(plik);

    // The columns are asked about when some hold text no column takes, or nothing in the
    // first row names a column: a file without a header is not guessed.
    WynikWczytania wczytane = wczytajPlikKlientow(plik, podpisy);
    if (wczytane.format == Format::Csv
        && (wczytane.bezNaglowka || (wczytane.ok() && !wczytane.nierozpoznane.isEmpty()))) {
        const auto mapowanie = okna.mapowanie(rodzic, wczytane, podpisy);
        if (!mapowanie)
            return {};
        wczytane = wczytajPlikKlientow(plik, podpisy, *mapowanie);
    }
    if (!wczytane.ok()) {
        dialogi.blad(rodzic, wczytane.blad);
        return {};
    }
    if (wczytane.klienci.isEmpty()) {
        dialogi.informacja(rodzic, QStringLiteral("Plik %1 nie zawiera klientów.").arg(natywna(plik)));
        return {};
    }

    const ImportDoListy w = importujDoListy(
        lista, wczytane.klienci, {}, [&](const PlanImportu &plan, bool ponownie, const ZaplanujPonownie &zaplanuj) {
            if (ponownie)
                dialogi.informacja(rodzic, QStringLiteral("Lista została w międzyczasie zmieniona przez inny "
                                                          "program. Sprawdź nowy plan importu."));
            return okna.podglad(rodzic, wczytane, plan, zaplanuj, podpisy);
        });
    switch (w.koniec) {
    case ImportDoListy::Anulowano: return {};
    case ImportDoListy::BrakMiejsca:
        dialogi.informacja(rodzic, QStringLiteral("Na liście brak wolnego miejsca. Lista nie została zmieniona."));
        return {};
    case ImportDoListy::NicDoZapisu:
        dialogi.informacja(rodzic, QStringLiteral("Nie wybrano żadnego klienta. Lista nie została zmieniona."));
        return {};
    case ImportDoListy::Blad: pokazBlad(dialogi, rodzic, w.zapis); return {};
    case ImportDoListy::Zapisano: break;
    }
    if (!w.plan.niemieszczace.isEmpty())
        zapiszNiemieszczacych(rodzic, dialogi, katalog, w.plan.niemieszczace, podpisy, {lista.biezacaLista(), plik},
                              katalogiDanych);
    return {w.plan.wiersze.first(), w.zapis};
}

void pokazBlad(Dialogi &dialogi, QWidget *rodzic, const WspolnaLista::Wynik &wynik)
{
    if (wynik.zajeta)
        dialogi.informacja(rodzic, wynik.komunikat);
    else
        pokazBlad(dialogi, rodzic, wynik.blad);
}
