#include "wyborklientow.h"
#include "ui_wyborklientow.h"

#include "listaklientow.h"

using namespace Klienci;

WyborKlientow::WyborKlientow(const ListaKlientow &lista, QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::WyborKlientow>())
{
    m_ui->setupUi(this);
    for (int w : lista.wierszeZAdresem()) {
        auto *pozycja = new QListWidgetItem(tekstWiersza(lista, w), m_ui->wiersze);
        pozycja->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        pozycja->setCheckState(Qt::Unchecked);
        m_wiersze.append(w);
    }
    if (m_ui->wiersze->count() > 0)
        m_ui->wiersze->setCurrentRow(0);

    connect(m_ui->filtr, &QLineEdit::textChanged, this, &WyborKlientow::filtruj);
    connect(m_ui->zaznaczWszystkie, &QPushButton::clicked, this, [this] { zaznaczWidoczne(true); });
    connect(m_ui->odznaczWszystkie, &QPushButton::clicked, this, [this] { zaznaczWidoczne(false); });
    connect(m_ui->wiersze, &QListWidget::itemChanged, this, &WyborKlientow::odswiezLicznik);
    odswiezLicznik();
}

WyborKlientow::~WyborKlientow() = default;

QString WyborKlientow::tekstWiersza(const ListaKlientow &lista, int wiersz)
{
    QStringList czesci;
    for (int k : {Nazwa1, Nazwa2}) {
        const QString t = lista.tekst(k, wiersz).trimmed();
        if (!t.isEmpty())
            czesci.append(t);
    }
    QString linia = lista.tekst(Lp, wiersz);
    if (!czesci.isEmpty())
        linia += u' ' + czesci.join(u' ');
    const QString miejscowosc = lista.tekst(Miejscowosc, wiersz).trimmed();
    if (!miejscowosc.isEmpty())
        linia += (czesci.isEmpty() ? QStringLiteral(" ") : QStringLiteral(", ")) + miejscowosc;
    return linia;
}

QList<int> WyborKlientow::wybraneWiersze() const
{
    QList<int> wybrane;
    for (int i = 0; i < m_ui->wiersze->count(); ++i)
        if (m_ui->wiersze->item(i)->checkState() == Qt::Checked)
            wybrane.append(m_wiersze[i]);
    return wybrane;
}

void WyborKlientow::filtruj(const QString &tekst)
{
    if (m_ui->filtr->text() != tekst)
        m_ui->filtr->setText(tekst); // comes back here through textChanged
    QListWidgetItem *pierwsza = nullptr;
    for (int i = 0; i < m_ui->wiersze->count(); ++i) {
        QListWidgetItem *p = m_ui->wiersze->item(i);
        p->setHidden(!p->text().contains(tekst, Qt::CaseInsensitive));
        if (!p->isHidden() && !pierwsza)
            pierwsza = p;
    }
    if (QListWidgetItem *biezaca = m_ui->wiersze->currentItem(); !biezaca || biezaca->isHidden())
        m_ui->wiersze->setCurrentItem(pierwsza);
}

void WyborKlientow::zaznaczWidoczne(bool zaznacz)
{
    const QSignalBlocker blokada(m_ui->wiersze);
    for (int i = 0; i < m_ui->wiersze->count(); ++i) {
        QListWidgetItem *p = m_ui->wiersze->item(i);
        if (!p->isHidden())
            p->setCheckState(zaznacz ? Qt::Checked : Qt::Unchecked);
    }
    odswiezLicznik();
}

void WyborKlientow::zaznacz(const QList<int> &wiersze)
{
    const QSignalBlocker blokada(m_ui->wiersze);
    for (int i = 0; i < m_wiersze.size(); ++i)
        m_ui->wiersze->item(i)->setCheckState(wiersze.contains(m_wiersze[i]) ? Qt::Checked : Qt::Unchecked);
    odswiezLicznik();
}

void WyborKlientow::ustawCel(const QString &tytul, const QString &opis, const QString &przycisk)
{
    setWindowTitle(tytul);
    m_ui->opis->setText(opis);
    m_ui->drukuj->setText(przycisk);
}

void WyborKlientow::odswiezLicznik()
{
    const qsizetype wybrane = wybraneWiersze().size();
    m_ui->licznik->setText(QStringLiteral("Wybrano: %1 z %2").arg(wybrane).arg(m_wiersze.size()));
    m_ui->drukuj->setEnabled(wybrane > 0);
}

QList<int> wybierzKlientow(QWidget *rodzic, const ListaKlientow &lista)
{
    WyborKlientow wybor(lista, rodzic);
    if (wybor.exec() != QDialog::Accepted)
        return {};
    return wybor.wybraneWiersze();
}

QList<int> wybierzDoEtykiet(QWidget *rodzic, const ListaKlientow &lista, const QList<int> &zaznaczone)
{
    WyborKlientow wybor(lista, rodzic);
    wybor.ustawCel(QStringLiteral("Etykiety"),
                   QStringLiteral("Zaznacz klientów, dla których mają być wydrukowane etykiety (spacja zaznacza "
                                  "wskazany wiersz)."),
                   QStringLiteral("&Wybierz"));
    wybor.zaznacz(zaznaczone);
    if (wybor.exec() != QDialog::Accepted)
        return zaznaczone;
    return wybor.wybraneWiersze();
}

#include "moc_wyborklientow.cpp"
