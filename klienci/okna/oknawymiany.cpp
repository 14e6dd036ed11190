#include "oknawymiany.h"

#include "dialogi.h"
#include "tekst.h"
#include "wspolnalista.h"
#include "zakres_wierszy.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Klienci;
using namespace Wymiana;

namespace {

QString natywna(const QString &sciezka)
{
    return QDir::toNativeSeparators(sciezka);
}

// 0-based rows as the user reads them: "3, 5-9, 12".
QString zakresyWierszy(const QList<int> &wiersze)
{
    QList<int> w = wiersze;
    std::sort(w.begin(), w.end());
    QStringList czesci;
    for (qsizetype i = 0; i < w.size();) {
        qsizetype j = i;
        while (j + 1 < w.size() && w[j + 1] == w[j] + 1)
            ++j;
        czesci.append(j == i ? QString::number(w[i] + 1) : QStringLiteral("%1-%2").arg(w[i] + 1).arg(w[j] + 1));
        i = j + 1;
    }
    return czesci.join(QStringLiteral(", "));
}

} // namespace

// ---- export dialog

OknoEksportu::OknoEksportu(int wiersz, const QList<int> &zTekstem, QWidget *rodzic)
    : QDialog(rodzic)
    , m_wiersz(wiersz)
    , m_zTekstem(zTekstem)
{
    setObjectName(QStringLiteral("OknoEksportu"));
    setWindowTitle(QStringLiteral("Eksport klientów"));

    auto *grupaWierszy = new QGroupBox(QStringLiteral("Wiersze"), this);
    wszystkie = new QRadioButton(QStringLiteral("Wszystkie niepuste (%1)").arg(zTekstem.size()), grupaWierszy);
    biezacy = new QRadioButton(wiersz >= 0 ? QStringLiteral("Wskazany wiersz (%1)").arg(wiersz + 1)
                                           : QStringLiteral("Wskazany wiersz"),
                               grupaWierszy);
    wybrane = new QRadioButton(QStringLiteral("Wiersze:"), grupaWierszy);
    zakres = new QLineEdit(grupaWierszy);
    zakres->setPlaceholderText(QStringLiteral("np. 1-40,57"));
    zakres->setAccessibleName(QStringLiteral("Wiersze"));
    biezacy->setEnabled(wiersz >= 0);
    wszystkie->setChecked(true);
    auto *wiersz3 = new QHBoxLayout;
    wiersz3->addWidget(wybrane);
    wiersz3->addWidget(zakres, 1);
    auto *ukladWierszy = new QVBoxLayout(grupaWierszy);
    ukladWierszy->addWidget(wszystkie);
    ukladWierszy->addWidget(biezacy);
    ukladWierszy->addLayout(wiersz3);

    auto *grupaFormatu = new QGroupBox(QStringLiteral("Format"), this);
    csv = new QRadioButton(QStringLiteral("CSV"), grupaFormatu);
    vcard = new QRadioButton(QStringLiteral("vCard"), grupaFormatu);
    csv->setChecked(true);
    separator = new QComboBox(grupaFormatu);
    separator->addItem(QStringLiteral("średnik ;"), QChar(u';'));
    separator->addItem(QStringLiteral("przecinek ,"), QChar(u','));
    separator->setAccessibleName(QStringLiteral("Separator"));
    auto *ukladFormatu = new QFormLayout(grupaFormatu);
    ukladFormatu->addRow(csv, separator);
    ukladFormatu->addRow(vcard);

    uwaga = new QLabel(this);
    uwaga->setWordWrap(true);
    auto *przyciski = new QDialogButtonBox(this);
    przyciski->addButton(QStringLiteral("Eksportuj"), QDialogButtonBox::AcceptRole)->setObjectName("eksportuj");
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    connect(przyciski, &QDialogButtonBox::accepted, this, [this] {
        if (opcje())
            accept();
    });
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(grupaWierszy);
    uklad->addWidget(grupaFormatu);
    uklad->addWidget(uwaga);
    uklad->addWidget(przyciski);

    for (QRadioButton *r : {wszystkie, biezacy, wybrane, csv, vcard})
        connect(r, &QRadioButton::toggled, this, &OknoEksportu::sprawdz);
    connect(zakres, &QLineEdit::textEdited, this, [this] {
        wybrane->setChecked(true);
        sprawdz();
    });
    sprawdz();
}

std::optional<OpcjeEksportu> OknoEksportu::opcje() const
{
    OpcjeEksportu o;
    QList<int> wskazane;
    if (wszystkie->isChecked()) {
        wskazane = m_zTekstem;
    } else if (biezacy->isChecked()) {
        wskazane = {m_wiersz};
    } else {
        const auto z = parsujWiersze(zakres->text(), LiczbaWierszy, nullptr);
        if (!z)
            return std::nullopt;
        wskazane = *z;
    }
    // Only rows holding text are written.
    for (int w : wskazane)
        if (m_zTekstem.contains(w))
            o.wiersze.append(w);
    o.format = vcard->isChecked() ? Format::Vcard : Format::Csv;
    o.separator = separator->currentData().toChar();
    return o;
}

void OknoEksportu::sprawdz()
{
    separator->setEnabled(csv->isChecked());
    if (const auto o = opcje()) {
        uwaga->setText(QStringLiteral("Klientów do zapisania: %1 (puste wiersze są pomijane).").arg(o->wiersze.size()));
    } else {
        QString blad;
        parsujWiersze(zakres->text(), LiczbaWierszy, &blad);
        uwaga->setText(QStringLiteral("Wiersze: %1.").arg(blad));
    }
}

// ---- mapping dialog

OknoMapowania::OknoMapowania(const QStringList &naglowek, const QList<int> &mapowanie, const QList<int> &nierozpoznane,
                             QWidget *rodzic)
    : QDialog(rodzic)
{
    setObjectName(QStringLiteral("OknoMapowania"));
    setWindowTitle(QStringLiteral("Kolumny pliku"));
    setMinimumWidth(440);
    auto *uklad = new QVBoxLayout(this);
    auto *opis = new QLabel(QStringLiteral("Nie rozpoznano niektórych kolumn pliku (oznaczone *). "
                                           "Wskaż, gdzie ma trafić każda kolumna."),
                            this);
    opis->setWordWrap(true);
    uklad->addWidget(opis);
    auto *formularz = new QFormLayout;
    for (qsizetype i = 0; i < naglowek.size(); ++i) {
        auto *wybor = new QComboBox(this);
        for (int cel : cele())
            wybor->addItem(nazwaCelu(cel), cel);
        const int cel = i < mapowanie.size() ? mapowanie[i] : int(Pomin);
        wybor->setCurrentIndex(std::max(0, wybor->findData(cel)));
        QString podpis = naglowek[i].isEmpty() ? QStringLiteral("(kolumna %1)").arg(i + 1) : naglowek[i];
        if (nierozpoznane.contains(int(i)))
            podpis += QStringLiteral(" *");
        wybor->setAccessibleName(podpis);
        formularz->addRow(podpis, wybor);
        wybory.append(wybor);
    }
    uklad->addLayout(formularz);
    auto *przyciski = new QDialogButtonBox(this);
    przyciski->addButton(QStringLiteral("Dalej"), QDialogButtonBox::AcceptRole);
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    uklad->addWidget(przyciski);
}

QList<int> OknoMapowania::mapowanie() const
{
    QList<int> m;
    for (const QComboBox *w : wybory)
        m.append(w->currentData().toInt());
    return m;
}

// ---- preview dialog

OknoImportu::OknoImportu(const PlanImportu &plan, const PodpisyPol &podpisy, QWidget *rodzic)
    : QDialog(rodzic)
{
    setObjectName(QStringLiteral("OknoImportu"));
    setWindowTitle(QStringLiteral("Import klientów"));
    const int ile = plan.umieszczone();

    QString tekst = QStringLiteral("Klientów w pliku: %1. Zostaną zapisani w wierszach: %2.")
                        .arg(plan.klienci.size())
                        .arg(ile ? zakresyWierszy(plan.wiersze) : QStringLiteral("brak"));
    if (!plan.niemieszczace.isEmpty())
        tekst +=
            QStringLiteral("\nNie mieści się na liście (brak wolnych wierszy): %1.").arg(plan.niemieszczace.size());
    podsumowanie = new QLabel(tekst, this);
    podsumowanie->setWordWrap(true);

    const QStringList naglowki = naglowkiCsv(podpisy);
    const int kolumny[] = {Nazwa1, Nazwa2, Miejscowosc};
    tabela = new QTableWidget(ile, 4, this);
    tabela->setObjectName(QStringLiteral("tabela"));
    tabela->setHorizontalHeaderLabels(
        {QStringLiteral("Wiersz"), naglowki[Nazwa1], naglowki[Nazwa2], naglowki[Miejscowosc]});
    tabela->verticalHeader()->hide();
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setSelectionMode(QAbstractItemView::NoSelection);
    tabela->setWordWrap(false);
    for (int i = 0; i < ile; ++i) {
        auto *lp = new QTableWidgetItem(QString::number(plan.wiersze[i] + 1));
        lp->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabela->setItem(i, 0, lp);
        // As stored: cut, and '?' for what Windows-1250 cannot hold.
        for (int k = 0; k < 3; ++k)
            tabela->setItem(i, k + 1, new QTableWidgetItem(zCp1250(plan.bajty[i][kolumny[k]])));
    }
    tabela->resizeColumnsToContents();
    for (int k = 1; k < tabela->columnCount(); ++k)
        tabela->setColumnWidth(k, std::min(tabela->columnWidth(k), 230));
    tabela->horizontalHeader()->setStretchLastSection(true);

    QStringList linie;
    for (const UwagaImportu &u : plan.uwagi) {
        const QString co = u.rodzaj == UwagaImportu::Przyciete
                               ? QStringLiteral("skrócone do")
                               : QStringLiteral("znaki spoza Windows-1250, zapisane jako");
        linie.append(
            QStringLiteral("Wiersz %1, %2: %3 „%4”").arg(u.wiersz + 1).arg(naglowki[u.kolumna], co, u.zapisane));
    }
    uwagi = new QPlainTextEdit(this);
    uwagi->setObjectName(QStringLiteral("uwagi"));
    uwagi->setReadOnly(true);
    uwagi->setPlainText(linie.isEmpty() ? QStringLiteral("Wszystkie pola zmieszczą się bez zmian.")
                                        : linie.join(u'\n'));
    uwagi->setMaximumHeight(110);

    auto *przyciski = new QDialogButtonBox(this);
    importuj = przyciski->addButton(QStringLiteral("Importuj"), QDialogButtonBox::AcceptRole);
    anuluj = przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    importuj->setEnabled(ile > 0);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(podsumowanie);
    uklad->addWidget(tabela, 1);
    uklad->addWidget(new QLabel(QStringLiteral("Pola zmienione przy zapisie:"), this));
    uklad->addWidget(uwagi);
    uklad->addWidget(przyciski);
    resize(620, 420);
}

// ---- the real dialogs

OknaWymiany::OknaWymiany()
{
    eksport = [](QWidget *rodzic, int wiersz, const QList<int> &zTekstem) -> std::optional<OpcjeEksportu> {
        OknoEksportu okno(wiersz, zTekstem, rodzic);
        if (okno.exec() != QDialog::Accepted)
            return std::nullopt;
        return okno.opcje();
    };
    mapowanie = [](QWidget *rodzic, const WynikWczytania &w) -> std::optional<QList<int>> {
        OknoMapowania okno(w.naglowek, w.mapowanie, w.nierozpoznane, rodzic);
        if (okno.exec() != QDialog::Accepted)
            return std::nullopt;
        return okno.mapowanie();
    };
    podglad = [](QWidget *rodzic, const PlanImportu &plan, const PodpisyPol &podpisy) {
        OknoImportu okno(plan, podpisy, rodzic);
        return okno.exec() == QDialog::Accepted;
    };
}

// ---- the commands

void eksportujKlientow(QWidget *rodzic, const OknaWymiany &okna, const ListaKlientow &lista, int wiersz,
                       const PodpisyPol &podpisy)
{
    const auto opcje = okna.eksport(rodzic, wiersz, wierszeZTekstem(lista));
    if (!opcje)
        return;
    if (opcje->wiersze.isEmpty()) {
        dialogi().informacja(rodzic, QStringLiteral("Wybrane wiersze są puste. Nic nie zapisano."));
        return;
    }
    const bool vcf = opcje->format == Format::Vcard;
    UstawieniaPliku u;
    u.filtr = vcf ? QStringLiteral("vCard (*.vcf)") : QStringLiteral("CSV (*.csv)");
    u.rozszerzenie = vcf ? QStringLiteral("vcf") : QStringLiteral("csv");
    u.nazwa = vcf ? QStringLiteral("klienci.vcf") : QStringLiteral("klienci.csv");
    u.obiekt = QStringLiteral("SaveDialogEksport");
    const QString sciezka = dialogi().zapiszPlik(rodzic, u);
    if (sciezka.isEmpty())
        return;
    if (const BladIO blad =
            eksportujDoPliku(sciezka, opcje->format, lista, opcje->wiersze, podpisy, opcje->separator)) {
        pokazBlad(rodzic, blad);
        return;
    }
    dialogi().informacja(
        rodzic, QStringLiteral("Zapisano klientów: %1 do pliku %2.").arg(opcje->wiersze.size()).arg(natywna(sciezka)));
}

namespace {

// Offers the clients without a row a CSV file of their own.
void zapiszNiemieszczacych(QWidget *rodzic, const QList<TekstyWiersza> &klienci, const PodpisyPol &podpisy)
{
    if (!dialogi().pytanie(rodzic, QStringLiteral("Klientów, którzy nie zmieścili się na liście: %1. "
                                                  "Zapisać ich do osobnego pliku CSV ?")
                                       .arg(klienci.size())))
        return;
    UstawieniaPliku u;
    u.filtr = QStringLiteral("CSV (*.csv)");
    u.rozszerzenie = QStringLiteral("csv");
    u.nazwa = QStringLiteral("niezaimportowani.csv");
    u.obiekt = QStringLiteral("SaveDialogNiemieszczace");
    const QString sciezka = dialogi().zapiszPlik(rodzic, u);
    if (sciezka.isEmpty())
        return;
    if (const BladIO blad = zapiszPlikWymiany(sciezka, eksportCsv(klienci, podpisy)))
        pokazBlad(rodzic, blad);
    else
        dialogi().informacja(
            rodzic, QStringLiteral("Zapisano klientów: %1 do pliku %2.").arg(klienci.size()).arg(natywna(sciezka)));
}

} // namespace

ImportZOkna importujKlientow(QWidget *rodzic, const OknaWymiany &okna, const QString &plikListy,
                             const PodpisyPol &podpisy)
{
    UstawieniaPliku u;
    u.filtr = QStringLiteral("Pliki klientów (*.csv *.vcf *.vcard);;CSV (*.csv);;vCard (*.vcf *.vcard)");
    u.pytajONadpisanie = false;
    u.obiekt = QStringLiteral("OpenDialogImport");
    const QString plik = dialogi().otworzPlik(rodzic, u);
    if (plik.isEmpty())
        return {};

    WynikWczytania wczytane = wczytajPlikKlientow(plik, podpisy);
    if (wczytane.ok() && wczytane.format == Format::Csv && !wczytane.nierozpoznane.isEmpty()) {
        const auto mapowanie = okna.mapowanie(rodzic, wczytane);
        if (!mapowanie)
            return {};
        wczytane = wczytajPlikKlientow(plik, podpisy, *mapowanie);
    }
    if (!wczytane.ok()) {
        dialogi().blad(rodzic, wczytane.blad);
        return {};
    }
    if (wczytane.klienci.isEmpty()) {
        dialogi().informacja(rodzic, QStringLiteral("Plik %1 nie zawiera klientów.").arg(natywna(plik)));
        return {};
    }

    // The preview is planned without the lock; the lock is held only while the list is
    // read again, planned again and saved.
    ListaKlientow lista;
    if (const auto odczyt = WspolnaLista::czytaj(plikListy, lista)) {
        pokazBlad(rodzic, odczyt);
        return {};
    }
    PlanImportu plan = zaplanujImport(lista, wczytane.klienci);
    for (;;) {
        if (plan.umieszczone() == 0) {
            dialogi().informacja(rodzic,
                                 QStringLiteral("Na liście brak wolnego miejsca. Lista nie została zmieniona."));
            return {};
        }
        if (!okna.podglad(rodzic, plan, podpisy))
            return {};
        bool zmieniony = false;
        ListaKlientow przed;
        const WspolnaLista::Wynik wynik = WspolnaLista::zmienPodBlokada(plikListy, lista, [&](ListaKlientow &l) {
            przed = l;
            PlanImportu nowy = zaplanujImport(l, wczytane.klienci);
            if (nowy.wiersze != plan.wiersze) {
                plan = std::move(nowy);
                zmieniony = true;
                return false;
            }
            zastosujPlan(l, plan);
            return true;
        });
        if (wynik) {
            pokazBlad(rodzic, wynik);
            return {};
        }
        if (!zmieniony) {
            if (!plan.niemieszczace.isEmpty())
                zapiszNiemieszczacych(rodzic, plan.niemieszczace, podpisy);
            return {plan.wiersze.first(), przed, wynik};
        }
        dialogi().informacja(rodzic, QStringLiteral("Lista została w międzyczasie zmieniona przez inny program. "
                                                    "Sprawdź nowy plan importu."));
    }
}

void pokazBlad(QWidget *rodzic, const WspolnaLista::Wynik &wynik)
{
    if (wynik.zajeta)
        dialogi().informacja(rodzic, wynik.komunikat);
    else
        pokazBlad(rodzic, wynik.blad);
}

#include "moc_oknawymiany.cpp"
