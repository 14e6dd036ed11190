#include "oknoeksportu.h"
#include "ui_oknoeksportu.h"

#include "przyciskidialogu.h"
#include "zakres_wierszy.h"

using namespace Klienci;
using namespace Wymiana;

OknoEksportu::OknoEksportu(int wiersz, const QList<int> &zTekstem, QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::OknoEksportu>())
    , m_wiersz(wiersz)
    , m_zTekstem(zTekstem)
{
    m_ui->setupUi(this);
    m_ui->wszystkie->setText(QStringLiteral("Wszystkie niepuste (%1)").arg(zTekstem.size()));
    if (wiersz >= 0)
        m_ui->biezacy->setText(QStringLiteral("Wskazany wiersz (%1)").arg(wiersz + 1));
    m_ui->biezacy->setEnabled(wiersz >= 0);
    m_ui->separator->addItem(QStringLiteral("średnik ;"), QChar(u';'));
    m_ui->separator->addItem(QStringLiteral("przecinek ,"), QChar(u','));
    dodajPrzyciski(m_ui->przyciski, QStringLiteral("Eksportuj"), QStringLiteral("eksportuj"));

    connect(m_ui->przyciski, &QDialogButtonBox::accepted, this, [this] {
        if (opcje())
            accept();
    });
    for (QRadioButton *r : {m_ui->wszystkie, m_ui->biezacy, m_ui->wybrane, m_ui->csv, m_ui->vcard})
        connect(r, &QRadioButton::toggled, this, &OknoEksportu::sprawdz);
    connect(m_ui->zakres, &QLineEdit::textEdited, this, [this] {
        m_ui->wybrane->setChecked(true);
        sprawdz();
    });
    sprawdz();
}

OknoEksportu::~OknoEksportu() = default;

std::optional<OpcjeEksportu> OknoEksportu::opcje() const
{
    OpcjeEksportu o;
    QList<int> wskazane;
    if (m_ui->wszystkie->isChecked()) {
        wskazane = m_zTekstem;
    } else if (m_ui->biezacy->isChecked()) {
        wskazane = {m_wiersz};
    } else {
        const auto z = parsujWiersze(m_ui->zakres->text(), LiczbaWierszy, nullptr);
        if (!z)
            return std::nullopt;
        wskazane = *z;
    }
    // Only rows holding text are written.
    for (int w : wskazane)
        if (m_zTekstem.contains(w))
            o.wiersze.append(w);
    o.format = m_ui->vcard->isChecked() ? Format::Vcard : Format::Csv;
    o.separator = m_ui->separator->currentData().toChar();
    return o;
}

void OknoEksportu::sprawdz()
{
    m_ui->separator->setEnabled(m_ui->csv->isChecked());
    if (const auto o = opcje()) {
        m_ui->uwaga->setText(
            QStringLiteral("Klientów do zapisania: %1 (puste wiersze są pomijane).").arg(o->wiersze.size()));
    } else {
        QString blad;
        parsujWiersze(m_ui->zakres->text(), LiczbaWierszy, &blad);
        m_ui->uwaga->setText(QStringLiteral("Wiersze: %1.").arg(blad));
    }
}

#include "moc_oknoeksportu.cpp"
