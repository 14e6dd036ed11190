#include "oknoimportu.h"
#include "ui_oknoimportu.h"

#include "przyciskidialogu.h"
#include "tekst.h"

#include <QScreen>

using namespace Klienci;
using namespace Wymiana;

namespace {

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

enum StalaKolumna { KolumnaImportu, KolumnaWiersza, PierwszaKolumnaListy };

} // namespace

OknoImportu::OknoImportu(const WynikWczytania &wczytane, const PlanImportu &plan, ZaplanujPonownie zaplanuj,
                         const PodpisyPol &podpisy, QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::OknoImportu>())
    , m_plan(plan)
    , m_zaplanuj(std::move(zaplanuj))
    , m_nieprzeniesione(wczytane.nieprzeniesione)
    , m_pominiete(wczytane.pominiete)
    , m_naglowki(naglowkiCsv(podpisy))
{
    m_ui->setupUi(this);
    m_importuj = dodajPrzyciski(m_ui->przyciski, QStringLiteral("Importuj"), QStringLiteral("importuj"));
    connect(m_ui->tabela, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *p) {
        if (p->column() == KolumnaImportu)
            zaznaczono(p->row(), p->checkState() == Qt::Checked);
    });
    pokaz();
    // The whole dialog on the screen, however many clients and columns: the table scrolls.
    if (const QScreen *ekran = rodzic ? rodzic->screen() : screen()) {
        const QSize miejsce = ekran->availableGeometry().size() - QSize(40, 60);
        resize(size().boundedTo(miejsce));
    }
}

OknoImportu::~OknoImportu() = default;

void OknoImportu::zaznaczono(int klient, bool importowac)
{
    if (!m_zaplanuj)
        return;
    WyborImportu w = m_plan.wybor;
    const bool powtorzony = m_plan.stany.value(klient).powtorzony();
    w.dodaj.remove(klient);
    w.pomin.remove(klient);
    if (powtorzony && importowac && !w.takzePowtorzone)
        w.dodaj.insert(klient);
    if (!importowac && (!powtorzony || w.takzePowtorzone))
        w.pomin.insert(klient);
    m_plan = m_zaplanuj(w);
    pokaz();
}

void OknoImportu::pokaz()
{
    const PlanImportu &plan = m_plan;
    const int ile = plan.umieszczone();
    QString tekst = QStringLiteral("Klientów w pliku: %1. Zostaną zapisani w wierszach: %2.")
                        .arg(plan.klienci.size())
                        .arg(ile ? zakresyWierszy(plan.wiersze) : QStringLiteral("brak"));
    int powtorzeni = 0;
    for (const StanKlienta &s : plan.stany)
        powtorzeni += s.powtorzony() && s.pominiety;
    if (powtorzeni)
        tekst += QStringLiteral("\nJuż na liście albo powtórzeni w pliku, pominięci (można ich zaznaczyć): %1.")
                     .arg(powtorzeni);
    if (!plan.niemieszczace.isEmpty())
        tekst +=
            QStringLiteral("\nNie mieści się na liście (brak wolnych wierszy): %1.").arg(plan.niemieszczace.size());
    if (!m_pominiete.isEmpty())
        tekst += QStringLiteral("\nKart lub wierszy pliku nie da się odczytać, zostaną pominięte: %1.")
                     .arg(m_pominiete.size());
    m_ui->podsumowanie->setText(tekst);

    // The list's columns that any client fills, under their captions.
    QList<int> kolumny;
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        if (std::any_of(plan.klienci.cbegin(), plan.klienci.cend(), [k](const auto &t) { return !t[k].isEmpty(); }))
            kolumny.append(k);
    const int kolumnaNie = PierwszaKolumnaListy + int(kolumny.size()), kolumnaUwag = kolumnaNie + 1;
    QStringList naglowki{QStringLiteral("Import"), QStringLiteral("Wiersz")};
    for (int k : kolumny)
        naglowki.append(m_naglowki[k]);
    naglowki << QStringLiteral("Nie importowane") << QStringLiteral("Uwagi");

    QTableWidget *tabela = m_ui->tabela;
    const QSignalBlocker blokada(tabela);
    tabela->clear();
    tabela->setRowCount(int(plan.klienci.size()));
    tabela->setColumnCount(int(naglowki.size()));
    tabela->setHorizontalHeaderLabels(naglowki);
    QList<QStringList> uwagiKlientow(plan.klienci.size());
    QStringList linie;
    for (const UwagaImportu &u : plan.uwagi) {
        const bool przyciete = u.rodzaj == UwagaImportu::Przyciete;
        uwagiKlientow[u.klient].append(
            (przyciete ? QStringLiteral("skrócone: ") : QStringLiteral("znaki spoza Windows-1250: "))
            + m_naglowki[u.kolumna]);
        linie.append(QStringLiteral("Wiersz %1, %2: %3 „%4”")
                         .arg(u.wiersz + 1)
                         .arg(m_naglowki[u.kolumna],
                              przyciete ? QStringLiteral("skrócone do")
                                        : QStringLiteral("znaki spoza Windows-1250, zapisane jako"),
                              u.zapisane));
    }
    for (int i = 0; i < plan.klienci.size(); ++i) {
        const StanKlienta &s = plan.stany[i];
        auto *import = new QTableWidgetItem;
        import->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        import->setCheckState(s.pominiety ? Qt::Unchecked : Qt::Checked);
        tabela->setItem(i, KolumnaImportu, import);
        auto *wiersz = new QTableWidgetItem(s.wiersz >= 0 ? QString::number(s.wiersz + 1) : QStringLiteral("—"));
        wiersz->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabela->setItem(i, KolumnaWiersza, wiersz);
        // A placed client as stored: cut, and '?' for what Windows-1250 cannot hold.
        for (int c = 0; c < kolumny.size(); ++c) {
            const int k = kolumny[c];
            auto *pole = new QTableWidgetItem(s.wiersz >= 0 ? zCp1250(plan.bajty[i][k]) : plan.klienci[i][k]);
            if (pole->text() != plan.klienci[i][k]) {
                pole->setToolTip(QStringLiteral("W pliku: ") + plan.klienci[i][k]);
                pole->setBackground(palette().brush(QPalette::ToolTipBase));
            }
            tabela->setItem(i, PierwszaKolumnaListy + c, pole);
        }
        const QString nie = m_nieprzeniesione.value(i).join(QStringLiteral("; "));
        auto *niePole = new QTableWidgetItem(nie);
        niePole->setToolTip(m_nieprzeniesione.value(i).join(u'\n'));
        tabela->setItem(i, kolumnaNie, niePole);

        QStringList uwagi;
        if (s.powtorzonyWiersz >= 0)
            uwagi.append(QStringLiteral("już na liście w wierszu %1 (%2)")
                             .arg(s.powtorzonyWiersz + 1)
                             .arg(s.poNip ? QStringLiteral("ten sam NIP: narzędzia klienta miałyby wspólne "
                                                           "notatki i dokumenty")
                                          : QStringLiteral("ta sama nazwa i miejscowość")));
        else if (s.powtorzonyKlient >= 0)
            uwagi.append(
                QStringLiteral("powtórzenie klienta %1 z pliku (%2)")
                    .arg(s.powtorzonyKlient + 1)
                    .arg(s.poNip ? QStringLiteral("ten sam NIP") : QStringLiteral("ta sama nazwa i miejscowość")));
        if (s.zlyNip)
            uwagi.append(QStringLiteral("NIP ma złą cyfrę kontrolną"));
        if (s.wiersz < 0 && !s.pominiety)
            uwagi.append(QStringLiteral("brak wolnego wiersza"));
        uwagi += uwagiKlientow[i];
        tabela->setItem(i, kolumnaUwag, new QTableWidgetItem(uwagi.join(QStringLiteral("; "))));
    }
    tabela->resizeColumnsToContents();
    for (int c = KolumnaWiersza + 1; c < tabela->columnCount(); ++c)
        tabela->setColumnWidth(c, std::min(tabela->columnWidth(c), 230));

    for (const Pominiety &p : m_pominiete)
        linie.append(p.opis + (p.nazwa.isEmpty() ? QString() : QStringLiteral(" („%1”)").arg(p.nazwa))
                     + QStringLiteral(" – pominięta"));
    if (std::any_of(m_nieprzeniesione.cbegin(), m_nieprzeniesione.cend(), [](auto &n) { return !n.isEmpty(); }))
        linie.append(QStringLiteral("Dane bez kolumny na liście nie zostaną zaimportowane: kolumna „Nie "
                                    "importowane”."));
    m_ui->uwagi->setPlainText(linie.isEmpty() ? QStringLiteral("Wszystkie pola zmieszczą się bez zmian.")
                                              : linie.join(u'\n'));
    m_importuj->setEnabled(ile > 0);
}

#include "moc_oknoimportu.cpp"
