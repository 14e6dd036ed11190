#include "oknomapowania.h"
#include "ui_oknomapowania.h"

#include "przyciskidialogu.h"

#include <QComboBox>
#include <QLabel>

using namespace Wymiana;

OknoMapowania::OknoMapowania(const WynikWczytania &wczytane, const PodpisyPol &podpisy, QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::OknoMapowania>())
{
    m_ui->setupUi(this);
    m_ui->opis->setText(wczytane.bezNaglowka
                            ? QStringLiteral("Pierwszy wiersz pliku nie nazywa kolumn, więc jest czytany jak "
                                             "dane. Wskaż, do której kolumny listy trafia każda kolumna pliku.")
                            : QStringLiteral("Sprawdź, dokąd trafi każda kolumna pliku. Kolumny oznaczone * nie "
                                             "zostały rozpoznane; kolumny „(pomiń)” nie są importowane."));
    const QStringList &naglowek = wczytane.naglowek;
    QWidget *poprzedni = nullptr;
    for (qsizetype i = 0; i < naglowek.size(); ++i) {
        const int cel = i < wczytane.mapowanie.size() ? wczytane.mapowanie[i] : int(Pomin);
        QString nazwa =
            wczytane.bezNaglowka || naglowek[i].isEmpty() ? QStringLiteral("(kolumna %1)").arg(i + 1) : naglowek[i];
        if (wczytane.nierozpoznane.contains(int(i)))
            nazwa += QStringLiteral(" *");
        QStringList probka;
        for (const QStringList &wiersz : wczytane.probki)
            if (!wiersz.value(i).trimmed().isEmpty())
                probka.append(wiersz.value(i).simplified());
        auto *etykieta = new QLabel(nazwa, m_ui->kolumnyPliku);
        auto *tekst = new QLabel(m_ui->kolumnyPliku);
        const QString calaProbka = probka.join(QStringLiteral(" | "));
        tekst->setText(tekst->fontMetrics().elidedText(calaProbka, Qt::ElideRight, 260));
        tekst->setToolTip(calaProbka);
        tekst->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        tekst->setMinimumWidth(80);
        auto *wybor = new QComboBox(m_ui->kolumnyPliku);
        wybor->setObjectName(QStringLiteral("kolumna%1").arg(i + 1));
        QList<int> cele = Wymiana::cele();
        if (!cele.contains(cel))
            cele.append(cel);
        for (int c : cele)
            wybor->addItem(nazwaCelu(c, podpisy), c);
        wybor->setCurrentIndex(std::max(0, wybor->findData(cel)));
        wybor->setAccessibleName(nazwa);
        etykieta->setBuddy(wybor);
        const int r = int(i) + 1;
        m_ui->kolumny->addWidget(etykieta, r, 0);
        m_ui->kolumny->addWidget(tekst, r, 1);
        m_ui->kolumny->addWidget(wybor, r, 2);
        if (poprzedni)
            setTabOrder(poprzedni, wybor);
        poprzedni = wybor;
        m_wybory.append(wybor);
    }
    QPushButton *dalej = dodajPrzyciski(m_ui->przyciski, QStringLiteral("Dalej"), QStringLiteral("dalej"));
    if (poprzedni)
        setTabOrder(poprzedni, dalej);
}

OknoMapowania::~OknoMapowania() = default;

QList<int> OknoMapowania::mapowanie() const
{
    QList<int> m;
    for (const QComboBox *w : m_wybory)
        m.append(w->currentData().toInt());
    return m;
}

#include "moc_oknomapowania.cpp"
