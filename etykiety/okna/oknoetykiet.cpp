#include "oknoetykiet.h"
#include "ui_oknoetykiet.h"

#include "dialogi.h"
#include "etykiety_klientow.h"
#include "podglad.h"
#include "postep.h"
#include "wyjscie.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// The rows of the sheet kinds in the form's combo box.
enum Rodzaj { Wbudowane, Wlasne, Szablony };

Rodzaj rodzajArkusza(const Arkusz &a)
{
    switch (a.zrodlo) {
    case Arkusz::Zrodlo::Wbudowany: return Wbudowane;
    case Arkusz::Zrodlo::Wlasny: return Wlasne;
    case Arkusz::Zrodlo::Szablon: break;
    }
    return Szablony;
}

// A template is listed under its maker by the rest of its name, its part number.
QString czesc(const Arkusz &a)
{
    return a.producent.isEmpty() ? a.nazwa : a.nazwa.mid(a.producent.size()).trimmed();
}

} // namespace

OknoEtykiet::OknoEtykiet(Dialogi &dialogi, QPrinter &drukarka, const QString &katalogDanych,
                         const QString &sciezkaCzcionki, const ListaKlientow &lista, WyborWierszy wybor,
                         QWidget *rodzic)
    : QDialog(rodzic)
    , m_ui(std::make_unique<Ui::OknoEtykiet>())
    , m_dialogi(dialogi)
    , m_drukarka(drukarka)
    , m_plikUstawien(PlikEtykiet::sciezka(katalogDanych))
    , m_katalogiDanych{katalogDanych}
    , m_wejscia{sciezkaCzcionki}
    , m_lista(lista)
    , m_wybor(std::move(wybor))
{
    m_ui->setupUi(this);
    QStringList uwagi;
    m_ustawienia = PlikEtykiet::czytaj(m_plikUstawien, &uwagi);
    if (!uwagi.isEmpty())
        m_dialogi.informacja(rodzic, uwagi.join(u'\n'));
    // The form of address, the sender lines and the print font as the command line takes them.
    m_bladKoperty = DrukEtykiet::wczytajUstawienia(katalogDanych, sciezkaCzcionki, {}, m_koperta);
    m_ui->margines->setValue(m_ustawienia.margines);

    const Ui::OknoEtykiet &ui = *m_ui;
    connect(ui.wybierz, &QPushButton::clicked, this, &OknoEtykiet::wybierzKlientow);
    connect(ui.rodzaj, &QComboBox::currentIndexChanged, this, &OknoEtykiet::wypelnijArkusze);
    connect(ui.producent, &QComboBox::currentIndexChanged, this, &OknoEtykiet::wypelnijArkusze);
    connect(ui.arkusz, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_wypelnianie && i >= 0)
            pokazArkusz();
    });
    connect(ui.zapiszArkusz, &QPushButton::clicked, this, &OknoEtykiet::zapiszArkusz);
    connect(ui.usunArkusz, &QPushButton::clicked, this, &OknoEtykiet::usunArkusz);
    connect(ui.rysunek, &RysunekArkusza::wybrano, ui.od, [this](int indeks) { m_ui->od->setValue(indeks + 1); });
    for (QSpinBox *s : {ui.od, ui.kopie})
        connect(s, &QSpinBox::valueChanged, this, &OknoEtykiet::odswiez);
    connect(ui.margines, &QDoubleSpinBox::valueChanged, this, &OknoEtykiet::odswiez);
    connect(ui.nadawca, &QCheckBox::toggled, this, &OknoEtykiet::odswiez);
    // The offset typed counts at once for the printer shown; Zapamiętaj writes it down.
    for (QDoubleSpinBox *s : {ui.przesuniecieX, ui.przesuniecieY})
        connect(s, &QDoubleSpinBox::valueChanged, this, [this] {
            if (!m_wypelnianie)
                PlikEtykiet::ustawKalibracje(m_ustawienia, m_drukarka.printerName(),
                                             {m_ui->przesuniecieX->value(), m_ui->przesuniecieY->value()});
        });
    connect(ui.zapiszKalibracje, &QPushButton::clicked, this, &OknoEtykiet::zapiszKalibracje);
    connect(ui.stronaProbna, &QPushButton::clicked, this, &OknoEtykiet::drukujProbe);
    connect(ui.podglad, &QPushButton::clicked, this, &OknoEtykiet::podglad);
    connect(ui.drukuj, &QPushButton::clicked, this, &OknoEtykiet::drukuj);

    // The sheet of the last job, from the label it left free.
    const std::optional<Arkusz> ostatni =
        m_ustawienia.arkusz.isEmpty() ? std::nullopt : Arkusze::znajdz(m_ustawienia.arkusz, m_ustawienia.wlasne);
    wybierzArkusz(ostatni ? *ostatni : Arkusze::wbudowane().front());
    if (ostatni)
        m_ui->od->setValue(m_ustawienia.od);
    pokazDrukarke();
    odswiez();
}

OknoEtykiet::~OknoEtykiet() = default;

void OknoEtykiet::wybierzKlientow()
{
    m_wiersze = m_wybor(this, m_lista, m_wiersze);
    odswiez();
}

// ---- the sheet

// Fills the maker and sheet boxes for the kind chosen, keeping m_arkusz chosen when listed.
void OknoEtykiet::wypelnijArkusze()
{
    if (m_wypelnianie)
        return;
    m_wypelnianie = true;
    const auto rodzaj = Rodzaj(m_ui->rodzaj->currentIndex());
    if (rodzaj == Szablony && !m_szablonyWczytane) {
        m_szablony = Arkusze::szablonySystemu();
        m_szablonyWczytane = true;
    }
    m_ui->producent->setEnabled(rodzaj == Szablony);
    if (rodzaj == Szablony && m_ui->producent->count() == 0) {
        for (const Arkusz &a : std::as_const(m_szablony))
            if (m_ui->producent->findText(a.producent) < 0)
                m_ui->producent->addItem(a.producent);
        m_ui->producent->model()->sort(0);
        m_ui->producent->setCurrentIndex(std::max(0, m_ui->producent->findText(m_arkusz.producent)));
    }
    const QList<Arkusz> &lista = arkuszeRodzaju();
    m_ui->arkusz->clear();
    for (int i = 0; i < lista.size(); ++i)
        if (rodzaj != Szablony || lista[i].producent == m_ui->producent->currentText())
            m_ui->arkusz->addItem(czesc(lista[i]), i);
    const int biezacy = m_ui->arkusz->findText(czesc(m_arkusz));
    m_ui->arkusz->setCurrentIndex(rodzajArkusza(m_arkusz) == rodzaj && biezacy >= 0 ? biezacy : 0);
    m_wypelnianie = false;
    if (m_ui->arkusz->count() > 0)
        pokazArkusz();
    else if (rodzaj == Szablony)
        m_ui->opisArkusza->setText(
            QStringLiteral("Szablony arkuszy systemu nie są zainstalowane (pakiet glabels-data)."));
    else if (rodzaj == Wlasne)
        m_ui->opisArkusza->setText(QStringLiteral("Nie ma jeszcze arkuszy własnych: wpisz wymiary poniżej i zapisz."));
}

const QList<Arkusz> &OknoEtykiet::arkuszeRodzaju() const
{
    switch (Rodzaj(m_ui->rodzaj->currentIndex())) {
    case Wbudowane: return Arkusze::wbudowane();
    case Wlasne: return m_ustawienia.wlasne;
    case Szablony: break;
    }
    return m_szablony;
}

void OknoEtykiet::wybierzArkusz(const Arkusz &a)
{
    m_arkusz = a;
    {
        const QSignalBlocker rodzaj(m_ui->rodzaj), producent(m_ui->producent);
        m_ui->rodzaj->setCurrentIndex(rodzajArkusza(a));
        m_ui->producent->clear();
    }
    wypelnijArkusze();
}

// Takes the sheet chosen in the boxes and shows its numbers in the fields of a user's sheet.
void OknoEtykiet::pokazArkusz()
{
    const QList<Arkusz> &lista = arkuszeRodzaju();
    const int i = m_ui->arkusz->currentData().toInt();
    if (i < 0 || i >= lista.size())
        return;
    m_arkusz = lista[i];
    const Ui::OknoEtykiet &ui = *m_ui;
    ui.nazwaWlasnego->setText(m_arkusz.nazwa);
    ui.szerokosc->setValue(m_arkusz.szerokosc);
    ui.wysokosc->setValue(m_arkusz.wysokosc);
    ui.kolumny->setValue(m_arkusz.kolumny);
    ui.wiersze->setValue(m_arkusz.wiersze);
    ui.lewy->setValue(m_arkusz.lewy);
    ui.gorny->setValue(m_arkusz.gorny);
    ui.krokPoziomy->setValue(m_arkusz.krokPoziomy);
    ui.krokPionowy->setValue(m_arkusz.krokPionowy);
    ui.opisArkusza->setText(m_arkusz.opis());
    ui.usunArkusz->setEnabled(m_arkusz.zrodlo == Arkusz::Zrodlo::Wlasny);
    ui.od->setMaximum(m_arkusz.naArkuszu());
    odswiez();
}

Arkusz OknoEtykiet::arkuszZPol() const
{
    const Ui::OknoEtykiet &ui = *m_ui;
    Arkusz a;
    a.nazwa = ui.nazwaWlasnego->text();
    a.szerokosc = ui.szerokosc->value();
    a.wysokosc = ui.wysokosc->value();
    a.kolumny = ui.kolumny->value();
    a.wiersze = ui.wiersze->value();
    a.lewy = ui.lewy->value();
    a.gorny = ui.gorny->value();
    a.krokPoziomy = ui.krokPoziomy->value();
    a.krokPionowy = ui.krokPionowy->value();
    return a;
}

void OknoEtykiet::zapiszArkusz()
{
    UstawieniaEtykiet u = m_ustawienia;
    const Arkusz a = arkuszZPol();
    if (const auto blad = PlikEtykiet::dodajArkusz(u, a)) {
        m_dialogi.informacja(this, *blad + QStringLiteral(" Arkusz nie został zapisany."));
        return;
    }
    std::swap(u, m_ustawienia);
    if (!zapiszUstawienia()) {
        m_ustawienia = u;
        return;
    }
    wybierzArkusz(m_ustawienia.wlasne.constLast());
}

void OknoEtykiet::usunArkusz()
{
    if (m_arkusz.zrodlo != Arkusz::Zrodlo::Wlasny
        || !m_dialogi.pytanieDomyslnieNie(this, QStringLiteral("Usunąć arkusz własny „%1”?").arg(m_arkusz.nazwa)))
        return;
    const UstawieniaEtykiet przed = m_ustawienia;
    PlikEtykiet::usunArkusz(m_ustawienia, m_arkusz.nazwa);
    if (!zapiszUstawienia()) {
        m_ustawienia = przed;
        return;
    }
    wybierzArkusz(m_ustawienia.wlasne.isEmpty() ? Arkusze::wbudowane().front() : m_ustawienia.wlasne.constFirst());
}

// ---- the job

std::optional<ZadanieEtykiet> OknoEtykiet::zadanie(QString *blad) const
{
    const auto zBledem = [blad](const QString &tekst) -> std::optional<ZadanieEtykiet> {
        if (blad)
            *blad = tekst;
        return std::nullopt;
    };
    if (m_bladKoperty)
        return zBledem(*m_bladKoperty);
    ZadanieEtykiet z;
    z.arkusz = m_arkusz;
    z.od = m_ui->od->value();
    z.kopie = m_ui->kopie->value();
    z.margines = m_ui->margines->value();
    if (const auto b = DrukEtykiet::sprawdz(z))
        return zBledem(*b);
    if (m_ui->nadawca->isChecked()) {
        // The copies of a sender's label are whole sheets.
        if (const auto b = DrukEtykiet::arkuszeNadawcy(z, m_koperta, z.kopie))
            return zBledem(*b);
    } else {
        DrukEtykiet::etykietyWierszy(z, m_koperta, m_lista, m_wiersze);
    }
    if (z.etykiety.isEmpty())
        return zBledem(QStringLiteral("Nie wybrano klientów."));
    return z;
}

// Shows what the job will be: the count chosen, the labels and pages or why there is no
// job, the labels that do not fit, the labels it fills on the drawn sheet.
void OknoEtykiet::odswiez()
{
    const Ui::OknoEtykiet &ui = *m_ui;
    const bool nadawca = ui.nadawca->isChecked();
    ui.liczbaKlientow->setText(m_wiersze.isEmpty() ? QStringLiteral("Nie wybrano klientów")
                                                   : QStringLiteral("Wybrano klientów: %1").arg(m_wiersze.size()));
    ui.liczbaKlientow->setEnabled(!nadawca);
    ui.wybierz->setEnabled(!nadawca);
    ui.etykietaKopii->setText(nadawca ? QStringLiteral("&Kopie (arkusze):")
                                      : QStringLiteral("&Kopie każdej etykiety:"));

    QString blad;
    const std::optional<ZadanieEtykiet> z = zadanie(&blad);
    ui.problemy->clear();
    qsizetype ile = 0;
    if (z) {
        ile = z->etykiety.size() * z->kopie;
        ui.podsumowanie->setText(QStringLiteral("Etykiet: %1, stron: %2.").arg(ile).arg(DrukEtykiet::liczbaStron(*z)));
        for (const DrukEtykiet::Problem &p : DrukEtykiet::problemy(*z))
            ui.problemy->addItem(p.opis);
    } else {
        ui.podsumowanie->setText(blad);
    }
    ui.etykietaProblemow->setEnabled(ui.problemy->count() > 0);
    ui.podglad->setEnabled(z.has_value());
    ui.drukuj->setEnabled(z.has_value());
    ui.rysunek->ustaw(m_arkusz, ui.od->value(), ile);
}

void OknoEtykiet::pokazDrukarke()
{
    const bool plik = m_drukarka.outputFormat() != QPrinter::NativeFormat || m_drukarka.printerName().isEmpty();
    m_ui->drukarka->setText(plik ? QStringLiteral("Drukarka: wydruk do pliku PDF (bez przesunięcia)")
                                 : QStringLiteral("Drukarka: %1").arg(m_drukarka.printerName()));
    for (QWidget *w : {static_cast<QWidget *>(m_ui->przesuniecieX), static_cast<QWidget *>(m_ui->przesuniecieY),
                       static_cast<QWidget *>(m_ui->zapiszKalibracje)})
        w->setEnabled(!plik);
    const QPointF mm = przesuniecie();
    m_wypelnianie = true;
    m_ui->przesuniecieX->setValue(mm.x());
    m_ui->przesuniecieY->setValue(mm.y());
    m_wypelnianie = false;
}

QPointF OknoEtykiet::przesuniecie() const
{
    if (m_drukarka.outputFormat() != QPrinter::NativeFormat)
        return {};
    return PlikEtykiet::kalibracja(m_ustawienia, m_drukarka.printerName());
}

bool OknoEtykiet::zapiszUstawienia()
{
    if (const BladIO blad = PlikEtykiet::zapisz(m_plikUstawien, m_ustawienia)) {
        m_dialogi.blad(this, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_plikUstawien), blad.tekst()));
        return false;
    }
    return true;
}

void OknoEtykiet::zapiszKalibracje()
{
    zapiszUstawienia();
}

void OknoEtykiet::drukujProbe()
{
    if (!m_dialogi.drukuj(this, &m_drukarka)
        || !wolnoZapisac(m_dialogi, this, m_drukarka.outputFileName(), m_wejscia, m_katalogiDanych))
        return;
    pokazDrukarke();
    m_drukarka.setDocName(QStringLiteral("Strona próbna etykiet"));
    if (const auto blad = DrukEtykiet::rysujProbe(m_drukarka, m_arkusz, przesuniecie()))
        m_dialogi.blad(this, *blad);
}

bool OknoEtykiet::mimoProblemow(const ZadanieEtykiet &z)
{
    const qsizetype ile = DrukEtykiet::problemy(z).size();
    return ile == 0
           || m_dialogi.pytanieDomyslnieNie(
               this, QStringLiteral("Wierszy, które nie mieszczą się na etykiecie nawet w %1 pt: %2. Zostaną ucięte "
                                    "na brzegu etykiety. Drukować mimo to?")
                         .arg(DrukEtykiet::NajmniejszyRozmiar)
                         .arg(ile));
}

bool OknoEtykiet::wydrukuj(ZadanieEtykiet z)
{
    if (!wolnoZapisac(m_dialogi, this, m_drukarka.outputFileName(), m_wejscia, m_katalogiDanych))
        return false;
    pokazDrukarke();
    z.przesuniecie = przesuniecie();
    m_drukarka.setDocName(QStringLiteral("Etykiety"));
    const qsizetype strony = DrukEtykiet::liczbaStron(z);
    // A job of many pages shows its progress and can be cancelled.
    OknoPostepu postep(QStringLiteral("Drukowanie etykiet..."), strony, this, strony > 1);
    const WynikDruku wynik = DrukEtykiet::drukuj(m_drukarka, z, [&postep](qsizetype s) { return postep(s); });
    postep.zamknij();
    if (wynik.blad) {
        m_dialogi.blad(this, *wynik.blad);
        return false;
    }
    // The next job starts at the label this one left free on its last sheet.
    const int naArkuszu = z.arkusz.naArkuszu();
    const int nastepna = int((z.od - 1 + z.etykiety.size() * z.kopie) % naArkuszu) + 1;
    m_ustawienia.arkusz = z.arkusz.nazwa;
    m_ustawienia.od = nastepna;
    m_ustawienia.margines = z.margines;
    zapiszUstawienia();
    m_ui->od->setValue(nastepna);
    return true;
}

void OknoEtykiet::drukuj()
{
    const std::optional<ZadanieEtykiet> z = zadanie();
    if (!z || !mimoProblemow(*z) || !m_dialogi.drukuj(this, &m_drukarka))
        return;
    wydrukuj(*z);
}

void OknoEtykiet::podglad()
{
    std::optional<ZadanieEtykiet> z = zadanie();
    if (!z)
        return;
    z->przesuniecie = przesuniecie();
    QPrintPreviewDialog *okno = podgladWydruku(
        this, m_dialogi, m_drukarka, [z](QPrinter &p) { DrukEtykiet::rysuj(p, *z); }, false,
        [this, z] { return mimoProblemow(*z) && wydrukuj(*z); });
    okno->open(); // the dialog stays usable behind it
}

#include "moc_oknoetykiet.cpp"
