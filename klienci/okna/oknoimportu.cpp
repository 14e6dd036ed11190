#include "oknoimportu.h"
#include "ui_oknoimportu.h"

#include "przyciskidialogu.h"
#include "tekst.h"

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

} // namespace

OknoImportu::OknoImportu(const PlanImportu &plan, const PodpisyPol &podpisy, QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::OknoImportu>())
{
    m_ui->setupUi(this);
    const int ile = plan.umieszczone();

    QString tekst = QStringLiteral("Klientów w pliku: %1. Zostaną zapisani w wierszach: %2.")
                        .arg(plan.klienci.size())
                        .arg(ile ? zakresyWierszy(plan.wiersze) : QStringLiteral("brak"));
    if (!plan.niemieszczace.isEmpty())
        tekst +=
            QStringLiteral("\nNie mieści się na liście (brak wolnych wierszy): %1.").arg(plan.niemieszczace.size());
    m_ui->podsumowanie->setText(tekst);

    const QStringList naglowki = naglowkiCsv(podpisy);
    const int kolumny[] = {Nazwa1, Nazwa2, Miejscowosc};
    QTableWidget *tabela = m_ui->tabela;
    tabela->setRowCount(ile);
    tabela->setColumnCount(4);
    tabela->setHorizontalHeaderLabels(
        {QStringLiteral("Wiersz"), naglowki[Nazwa1], naglowki[Nazwa2], naglowki[Miejscowosc]});
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
    m_ui->uwagi->setPlainText(linie.isEmpty() ? QStringLiteral("Wszystkie pola zmieszczą się bez zmian.")
                                              : linie.join(u'\n'));

    dodajPrzyciski(m_ui->przyciski, QStringLiteral("Importuj"), QStringLiteral("importuj"))->setEnabled(ile > 0);
}

OknoImportu::~OknoImportu() = default;

#include "moc_oknoimportu.cpp"
