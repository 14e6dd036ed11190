#include "tkoperta_f.h"

#include "aplikacja.h"
#include "dialogi.h"
#include "drukowanie.h"
#include "ikony.h"
#include "kontekst.h"
#include "postep.h"
#include "ui_tkoperta_f.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

const QColor Kasztanowy(128, 0, 0);
const QColor Granatowy(0, 0, 128);
const QColor Szary(128, 128, 128);

// Jobs up to this many pages show no progress.
constexpr qsizetype MaleZadanie = 3;

const QString PlikCzcionki = QStringLiteral("font_zentar.dat");
const QString TytulDomyslny = QStringLiteral("Adresowanie kopert - profil domyślny");

QFont arial(int punkty, bool pogrubiona = false)
{
    QFont f(QStringLiteral("Arial"), punkty);
    f.setBold(pogrubiona);
    return f;
}

QStringList tekstPomocy()
{
    return {QStringLiteral("1.Określ położenie napisów odbiorcy od lewej i górnej krawędzi koperty."),
            QStringLiteral("2.Wpisz swoje dane jako nadawca korespondencji."),
            QStringLiteral("3.Przyciskiem Zapisz ustalenia zapamiętaj dane."),
            QStringLiteral("4.Wybierz czcionkę druku."),
            QStringLiteral("5.Wpisz formę Pan/Pani oraz dane odbiorcy."),
            QStringLiteral("6.Jeżeli na kopercia chcesz wydrukować logo, odszukaj właściwy obrazek."),
            QStringLiteral("7.Podaj położenie obrazka na kopercie ( w pixelach)."),
            QStringLiteral("8.Zaznacz opcję drukowania obrazka."),
            QStringLiteral("9.W zależności od typu podajnika włącz lub wyłącz opcję drukowania poziomego."),
            QStringLiteral("10.Po ustaleniu nadawcy, jego parametrów oraz parametrów odbiorcy i definicji "
                           "dotyczących logo, możesz "),
            QStringLiteral("stworzyć włąsny profil podając jego przyjazną nazwę."),
            QStringLiteral("11.Możesz przygotować dowolną ilość profili."),
            QStringLiteral("12.W każdej chwili możesz wczytać profil i drukować koperty na jego podstawie."),
            QString(),
            QStringLiteral("Pamiętaj! Dla różnych czcionek może zachodzić potrzeba zmiany odstępów między "),
            QStringLiteral("wierszami.")};
}

// Decorative postage stamp.
QPixmap znaczek()
{
    QPixmap p(84, 100);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(250, 246, 232));
    g.drawRect(4, 4, 76, 92);
    g.setBrush(QColor(243, 243, 243));
    for (int x = 4; x <= 80; x += 8) {
        g.drawEllipse(QPointF(x, 4), 2.5, 2.5);
        g.drawEllipse(QPointF(x, 96), 2.5, 2.5);
    }
    for (int y = 4; y <= 96; y += 8) {
        g.drawEllipse(QPointF(4, y), 2.5, 2.5);
        g.drawEllipse(QPointF(80, y), 2.5, 2.5);
    }
    g.setBrush(QColor(70, 110, 170));
    g.drawRect(12, 12, 60, 60);
    g.setBrush(QColor(240, 220, 90));
    g.drawEllipse(QPointF(52, 30), 8, 8);
    g.setBrush(QColor(60, 140, 70));
    QPainterPath gory;
    gory.moveTo(12, 72);
    gory.lineTo(30, 44);
    gory.lineTo(44, 60);
    gory.lineTo(56, 48);
    gory.lineTo(72, 72);
    gory.closeSubpath();
    g.drawPath(gory);
    g.setPen(QColor(128, 0, 0));
    g.setFont(arial(8, true));
    g.drawText(QRect(12, 74, 60, 18), Qt::AlignCenter, QStringLiteral("1,50 zł"));
    return p;
}

// Placeholder of the preview: a small map of the world.
QImage mapaSwiata()
{
    QImage obraz(101, 69, QImage::Format_RGB32);
    obraz.fill(QColor(170, 205, 235));
    QPainter g(&obraz);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(110, 160, 90));
    g.drawEllipse(QRectF(8, 10, 26, 20));  // North America
    g.drawEllipse(QRectF(24, 34, 12, 24)); // South America
    g.drawEllipse(QRectF(44, 10, 16, 12)); // Europe
    g.drawEllipse(QRectF(46, 24, 16, 26)); // Africa
    g.drawEllipse(QRectF(58, 8, 34, 24));  // Asia
    g.drawEllipse(QRectF(78, 42, 14, 10)); // Australia
    g.setPen(QColor(255, 255, 255, 120));
    g.setBrush(Qt::NoBrush);
    g.drawLine(0, 34, 101, 34);
    return obraz;
}

} // namespace

Tkoperta_f::Tkoperta_f(Kontekst &kontekst, Dialogi &dialogi, WspolnaDrukarka &drukarka, QWidget *parent,
                       Ustawienia kiedy)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_ui(new Ui::Tkoperta_f)
    , m_kontekst(kontekst)
    , m_dialogi(dialogi)
    , m_drukarka(drukarka)
    , m_fonty(kontekst, dialogi)
{
    m_ui->setupUi(this);
    wykonczWyglad();
    polacz();
    m_zegar->start();
    if (kiedy == Ustawienia::Teraz)
        FormCreate();
}

Tkoperta_f::~Tkoperta_f() = default;

void Tkoperta_f::wykonczWyglad()
{
    setFixedSize(size());
    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(ekran->availableGeometry().center());
        move(r.topLeft());
    }

    const Ui::Tkoperta_f &ui = *m_ui;
    const std::pair<QToolButton *, Ikona> obrazki[] = {
        {ui.zapiszDomyslne, Ikona::Zapisz}, {ui.czytajDomyslne, Ikona::Odswiez}, {ui.czcionkaDruku, Ikona::Czcionka},
        {ui.zapiszProfil, Ikona::Zapisz},   {ui.czytajProfil, Ikona::Otworz},    {ui.pomoc, Ikona::Pomoc},
        {ui.drukujKoperte, Ikona::Koperta}, {ui.dolaczObrazek, Ikona::Otworz},   {ui.odlaczObrazek, Ikona::Odrzuc},
        {ui.koniec, Ikona::Zamknij},        {ui.powrot, Ikona::WLewo},
    };
    for (const auto &[przycisk, obrazek] : obrazki)
        przycisk->setIcon(ikona(obrazek));

    ui.znaczek->setPixmap(znaczek());
    m_zastepczy = mapaSwiata();
    m_obrazPodgladu = m_zastepczy;
    ui.podgladLogo->setPixmap(QPixmap::fromImage(m_obrazPodgladu));

    ui.tekstPomocy->setPlainText(tekstPomocy().join(u'\n'));
    ui.uwagaOProfilach->setPlainText(
        {QStringLiteral("Po zdefiniowanu parametrów nadawcy, odbiorcy oraz logo zapisz definicje \n"
                        "w postaci profilu któremu nadaj przyjazną nazwę. W każdej chwili możesz \n"
                        "taki profil wczytać i drukować koperty na jego podstawie.")});
    QTextCursor k(ui.uwagaOProfilach->document());
    k.select(QTextCursor::Document);
    QTextBlockFormat wysrodkowany;
    wysrodkowany.setAlignment(Qt::AlignHCenter);
    k.mergeBlockFormat(wysrodkowany);
    ui.uwagaOProfilach->document()->setDocumentMargin(2);
    ui.panelPomocy->hide();

    ui.podgladWydruku->setIcon(ikona(Ikona::Podglad));
    for (RozmiarKoperty r : RozmiaryKopert::wszystkie())
        ui.rozmiarKoperty->addItem(RozmiaryKopert::etykieta(r));
    ui.drukujKoperte->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui.drukujKoperte->setToolTip(QStringLiteral("Drukuj kopertę (Ctrl+P)"));

    m_zegar = new QTimer(this);
    m_zegar->setObjectName(QStringLiteral("Timer1"));
    m_zegar->setInterval(100);
}

void Tkoperta_f::polacz()
{
    const Ui::Tkoperta_f &ui = *m_ui;
    connect(ui.wzorzec1, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton1Click);
    connect(ui.wzorzec2, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton2Click);
    connect(ui.wzorzec3, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton3Click);
    connect(ui.wzorzec4, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton4Click);
    connect(ui.koniec, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton1Click);
    connect(ui.zapiszDomyslne, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton2Click);
    connect(ui.czcionkaDruku, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton3Click);
    connect(ui.drukujKoperte, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton4Click);
    connect(ui.dolaczObrazek, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton6Click);
    connect(ui.odlaczObrazek, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton7Click);
    connect(ui.powrot, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton8Click);
    connect(ui.pomoc, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton9Click);
    connect(ui.czytajProfil, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton10Click);
    connect(ui.zapiszProfil, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton11Click);
    connect(ui.czytajDomyslne, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton12Click);
    connect(ui.podgladWydruku, &QToolButton::clicked, this, &Tkoperta_f::podgladClick);
    connect(m_zegar, &QTimer::timeout, this, &Tkoperta_f::Timer1Timer);
}

// ---- helpers

QRadioButton *Tkoperta_f::przyciskRozmiaru(int numer) const
{
    switch (numer) {
    case 1: return m_ui->wzorzec1;
    case 2: return m_ui->wzorzec2;
    case 3: return m_ui->wzorzec3;
    case 4: return m_ui->wzorzec4;
    default: return nullptr;
    }
}

QLineEdit *Tkoperta_f::poleOdLewej(int numer) const
{
    QLineEdit *const pola[4] = {m_ui->odLewej1, m_ui->odLewej2, m_ui->odLewej3, m_ui->odLewej4};
    return pola[numer - 1];
}

QLineEdit *Tkoperta_f::poleOdGory(int numer) const
{
    QLineEdit *const pola[4] = {m_ui->odGory1, m_ui->odGory2, m_ui->odGory3, m_ui->odGory4};
    return pola[numer - 1];
}

int Tkoperta_f::wybranyRozmiar() const
{
    for (int i = 1; i <= 4; ++i)
        if (przyciskRozmiaru(i)->isChecked())
            return i;
    return 0;
}

bool Tkoperta_f::drukujLogo() const
{
    return stan().drukujLogo();
}

void Tkoperta_f::etykietaRozmiaru(int numer)
{
    m_ui->opisWzorca->setText(::etykietaRozmiaru(ustawienia(), numer));
}

UstawieniaKoperty Tkoperta_f::ustawienia() const
{
    UstawieniaKoperty u;
    u.nadawca = {m_ui->nadawca1->text(), m_ui->nadawca2->text(), m_ui->nadawca3->text(), m_ui->nadawca4->text()};
    for (int i = 1; i <= 4; ++i) {
        u.odLewej[i - 1] = poleOdLewej(i)->text();
        u.odGory[i - 1] = poleOdGory(i)->text();
    }
    u.odstep = m_ui->odstepWierszy->text();
    u.nadawcaOdLewej = m_ui->nadawcaOdLewej->text();
    u.nadawcaOdGory = m_ui->nadawcaOdGory->text();
    u.nazwaObrazka = m_ui->plikObrazka->text();
    u.logoOdLewej = m_ui->logoOdLewej->text();
    u.logoOdGory = m_ui->logoOdGory->text();
    u.formaAdresu = m_ui->forma->text();
    u.rozmiar = quint8(wybranyRozmiar());
    u.logo = m_ui->drukujObrazek->isChecked() ? 1 : 0;
    u.poziomo = m_ui->drukujPoziomo->isChecked() ? 1 : 0;
    return u;
}

StanKoperty Tkoperta_f::stan() const
{
    StanKoperty s;
    s.ustawienia = ustawienia();
    s.etykieta = m_ui->opisWzorca->text();
    s.logoDostepne = m_ui->drukujObrazek->isEnabled();
    s.obraz = m_obrazDruku;
    s.rozmiar = rozmiarKoperty();
    return s;
}

void Tkoperta_f::pokaz(const StanKoperty &s)
{
    const UstawieniaKoperty &u = s.ustawienia;
    // A field whose text stays keeps its cursor and its undo steps.
    const auto ustaw = [](QLineEdit *pole, const QString &tekst) {
        if (pole->text() != tekst)
            pole->setText(tekst);
    };
    QLineEdit *const nadawca[] = {m_ui->nadawca1, m_ui->nadawca2, m_ui->nadawca3, m_ui->nadawca4};
    for (int i = 1; i <= 4; ++i) {
        ustaw(nadawca[i - 1], u.nadawca[i - 1]);
        ustaw(poleOdLewej(i), u.odLewej[i - 1]);
        ustaw(poleOdGory(i), u.odGory[i - 1]);
    }
    ustaw(m_ui->odstepWierszy, u.odstep);
    ustaw(m_ui->nadawcaOdLewej, u.nadawcaOdLewej);
    ustaw(m_ui->nadawcaOdGory, u.nadawcaOdGory);
    ustaw(m_ui->plikObrazka, u.nazwaObrazka);
    ustaw(m_ui->logoOdLewej, u.logoOdLewej);
    ustaw(m_ui->logoOdGory, u.logoOdGory);
    ustaw(m_ui->forma, u.formaAdresu);
    // Checked from code, the radio buttons run no click operation: the label is the state's.
    if (QRadioButton *przycisk = przyciskRozmiaru(u.rozmiar))
        przycisk->setChecked(true);
    m_ui->opisWzorca->setText(s.etykieta);
    m_ui->drukujObrazek->setChecked(u.logo == 1);
    m_ui->drukujObrazek->setEnabled(s.logoDostepne);
    m_ui->drukujPoziomo->setChecked(u.poziomo == 1);
    m_obrazDruku = s.obraz;
    m_obrazPodgladu = s.obraz.isNull() ? m_zastepczy : s.obraz;
    m_ui->podgladLogo->setPixmap(QPixmap::fromImage(m_obrazPodgladu));
    ustawRozmiarKoperty(s.rozmiar);
}

bool Tkoperta_f::pokazBledy(const WynikUstawien &w)
{
    if (!w.bladObrazka.isEmpty())
        m_dialogi.blad(this, w.bladObrazka);
    blad(w.blad);
    return w.dokonczone;
}

void Tkoperta_f::przejdzDoKataloguDanych()
{
    m_kontekst.przejdzDo(m_magazyn.katalog());
}

bool Tkoperta_f::blad(const BladIO &b)
{
    if (b)
        pokazBlad(m_dialogi, this, b);
    return bool(b);
}

// ---- operations

bool Tkoperta_f::pokazDlaKlienta(const std::array<QString, 4> &nadawca, const std::array<QString, 4> &odbiorca)
{
    QLineEdit *const polaOdbiorcy[] = {m_ui->odbiorca1, m_ui->odbiorca2, m_ui->odbiorca3, m_ui->odbiorca4};
    QLineEdit *const polaNadawcy[] = {m_ui->nadawca1, m_ui->nadawca2, m_ui->nadawca3, m_ui->nadawca4};
    for (std::size_t i = 0; i < odbiorca.size(); ++i)
        polaOdbiorcy[i]->setText(odbiorca[i]);
    for (std::size_t i = 0; i < nadawca.size(); ++i)
        polaNadawcy[i]->setText(nadawca[i]);

    setEnabled(true);
    // The set-up reloads the defaults and the form of address; its failure was reported.
    if (!FormCreate())
        return false;
    // Not modal: the client list stays usable.
    show();
    raise();
    activateWindow();
    return true;
}

bool Tkoperta_f::FormCreate()
{
    // The envelope data root, from the working directory at this moment.
    const KatalogDanych katalog = m_kontekst.rozwiazKatalogDanych();
    m_magazyn.ustawKatalog(katalog.katalog);
    if (blad(katalog.blad))
        return false;
    m_ui->panelPomocy->hide();
    // Missing defaults files are created; the sender and recipient lines are left alone.
    StanKoperty s = stan();
    const WynikUstawien w = ustawKoperte(m_magazyn, s, MagazynKoperty::Brakujacy::Utworz);
    pokaz(s);
    if (!pokazBledy(w))
        return false;
    setWindowTitle(TytulDomyslny);
    m_ustawione = true;
    return true;
}

RozmiarKoperty Tkoperta_f::rozmiarKoperty() const
{
    return RozmiaryKopert::wszystkie().value(m_ui->rozmiarKoperty->currentIndex(), RozmiarKoperty::JakWDrukarce);
}

void Tkoperta_f::ustawRozmiarKoperty(RozmiarKoperty r)
{
    m_ui->rozmiarKoperty->setCurrentIndex(int(RozmiaryKopert::wszystkie().indexOf(r)));
}

void Tkoperta_f::RadioButton1Click()
{
    etykietaRozmiaru(1);
}
void Tkoperta_f::RadioButton2Click()
{
    etykietaRozmiaru(2);
}
void Tkoperta_f::RadioButton3Click()
{
    etykietaRozmiaru(3);
}
void Tkoperta_f::RadioButton4Click()
{
    etykietaRozmiaru(4);
}

void Tkoperta_f::SpeedButton12Click()
{
    if (!m_dialogi.pytanie(this, QStringLiteral("Wczytać ustawienia domyślne ?")))
        return;
    przejdzDoKataloguDanych();
    StanKoperty s = stan();
    const WynikUstawien w = czytajDomyslne(m_magazyn, s);
    pokaz(s); // what was read before an error stays applied
    if (pokazBledy(w))
        setWindowTitle(TytulDomyslny);
}

void Tkoperta_f::SpeedButton2Click()
{
    if (blad(m_magazyn.zapiszDomyslne(ustawienia())))
        return;
    if (blad(RozmiaryKopert::zapisz(RozmiaryKopert::plikDomyslny(m_magazyn.katalog()), rozmiarKoperty())))
        return;
    StanKoperty s = stan();
    ustawPoleLogo(s);
    m_ui->drukujObrazek->setEnabled(s.logoDostepne);
}

void Tkoperta_f::SpeedButton10Click()
{
    UstawieniaPliku ust;
    ust.filtr = QStringLiteral("Pliki profilów (*.pro)");
    ust.rozszerzenie = QStringLiteral("pro");
    ust.katalog = m_magazyn.katalogProfili();
    ust.obiekt = QStringLiteral("OpenDialog2");
    const QString plik = m_dialogi.otworzPlik(this, ust);
    if (plik.isEmpty())
        return;

    StanKoperty s = stan();
    const WynikUstawien w = czytajProfil(m_magazyn, plik, s);
    if (w.blad) { // read whole before anything changes
        blad(w.blad);
        return;
    }
    pokaz(s);
    if (!pokazBledy(w))
        return;
    przejdzDoKataloguDanych();
    setWindowTitle(QStringLiteral("Adresowanie kopert ")
                   + QDir::toNativeSeparators(QFileInfo(plik).absoluteFilePath()));
}

void Tkoperta_f::SpeedButton11Click()
{
    UstawieniaPliku ust;
    ust.filtr = QStringLiteral("Pliki profilów (*.pro)");
    ust.rozszerzenie = QStringLiteral("pro");
    ust.katalog = m_magazyn.katalogProfili();
    ust.pytajONadpisanie = true;
    ust.obiekt = QStringLiteral("SaveDialog1");
    const QString plik = m_dialogi.zapiszPlik(this, ust);
    if (plik.isEmpty())
        return;
    if (blad(m_magazyn.zapiszProfil(plik, ustawienia())))
        return;
    if (blad(RozmiaryKopert::zapisz(RozmiaryKopert::plikProfilu(plik), rozmiarKoperty())))
        return;
    przejdzDoKataloguDanych();
}

void Tkoperta_f::SpeedButton6Click()
{
    UstawieniaPliku ust;
    ust.filtr = QStringLiteral("Pliki graficzne (*.jpg *.jpeg *.png)");
    ust.rozszerzenie = QStringLiteral("jpg");
    ust.obiekt = QStringLiteral("OpenDialog1");
    const QString plik = m_dialogi.otworzPlik(this, ust);
    if (plik.isEmpty())
        return;
    StanKoperty s = stan();
    s.ustawienia.nazwaObrazka = QDir::toNativeSeparators(QFileInfo(plik).absoluteFilePath());
    const QString bladObrazka = zaladujObrazekLogo(s);
    if (bladObrazka.isEmpty())
        ustawPoleLogo(s);
    pokaz(s);
    if (!bladObrazka.isEmpty()) {
        m_dialogi.blad(this, bladObrazka);
        return;
    }
    przejdzDoKataloguDanych();
}

void Tkoperta_f::SpeedButton7Click()
{
    StanKoperty s = stan();
    s.ustawienia.nazwaObrazka.clear();
    ustawPoleLogo(s);
    // Nothing of the detached picture stays behind to be printed.
    s.obraz = QImage();
    pokaz(s);
}

void Tkoperta_f::SpeedButton3Click()
{
    m_fonty.ZapiszFonty(this, PlikCzcionki);
}

std::array<QString, 4> Tkoperta_f::odbiorcaOkna() const
{
    return {m_ui->odbiorca1->text(), m_ui->odbiorca2->text(), m_ui->odbiorca3->text(), m_ui->odbiorca4->text()};
}

DaneKoperty Tkoperta_f::daneDruku(const std::array<QString, 4> &odbiorca, const std::array<QString, 4> *nadawca) const
{
    UstawieniaKoperty u = stan().doDruku();
    if (nadawca)
        u.nadawca = *nadawca;
    // m_obrazDruku is shared by every page of a job, so a PDF holds the logo once.
    DaneKoperty d = daneKoperty(u, odbiorca, m_obrazDruku, m_fonty.czcionka());
    d.strona = RozmiaryKopert::rozmiarStrony(rozmiarKoperty());
    return d;
}

ChronioneWydruku Tkoperta_f::chronione() const
{
    return {{m_kontekst.sciezkaRobocza(QStringLiteral("\\FONT\\") + PlikCzcionki), stan().ustawienia.nazwaObrazka},
            {m_magazyn.katalog(), m_kontekst.katalogStartowy()}};
}

void Tkoperta_f::SpeedButton4Click()
{
    // The controls are read once the print dialog has closed, as they stand then.
    wykonajDrukKoperty(
        this, m_dialogi, m_drukarka(),
        [this]() -> std::optional<DaneKoperty> {
            // The print font is read at every print, so a font just chosen counts.
            if (!m_fonty.CzytajFonty(this, PlikCzcionki))
                return std::nullopt;
            return daneDruku(odbiorcaOkna());
        },
        chronione());
}

void Tkoperta_f::podgladClick()
{
    if (!m_fonty.CzytajFonty(this, PlikCzcionki))
        return;
    const QList<DaneKoperty> koperty{daneDruku(odbiorcaOkna())};
    QPrinter &dr = m_drukarka();
    przedPodgladem(this, m_dialogi, dr, koperty);
    QPrintPreviewDialog *okno = podgladKopert(
        this, m_dialogi, dr, koperty, false,
        [this, &dr, koperty] {
            if (const auto blad = drukujNaDrukarce(dr, koperty)) {
                m_dialogi.blad(this, *blad);
                return false;
            }
            return true;
        },
        chronione());
    okno->open(); // not blocking: the window stays usable behind it
}

bool Tkoperta_f::drukujDlaKlientow(QWidget *rodzic, const std::array<QString, 4> &nadawcaFirmy,
                                   const QList<std::array<QString, 4>> &odbiorcy)
{
    if (odbiorcy.isEmpty())
        return false;
    if (!m_ustawione && !FormCreate())
        return false;
    QPrinter &dr = m_drukarka();
    if (!m_dialogi.drukuj(rodzic, &dr))
        return false;
    if (!m_fonty.CzytajFonty(rodzic, PlikCzcionki))
        return false;

    const std::array<QString, 4> nadawca = nadawcaDlaWielu(ustawienia().nadawca, nadawcaFirmy);
    QList<DaneKoperty> koperty;
    koperty.reserve(odbiorcy.size());
    for (const auto &odbiorca : odbiorcy)
        koperty.append(daneDruku(odbiorca, &nadawca));
    if (!przedDrukiem(rodzic, m_dialogi, dr, koperty, chronione()))
        return false;

    const auto drukuj = [this, rodzic, &dr, &koperty] {
        // A long job shows its progress and can be cancelled.
        OknoPostepu postep(QStringLiteral("Drukowanie kopert..."), koperty.size(), rodzic,
                           koperty.size() > MaleZadanie);
        const WynikDruku wynik = drukujZadanie(dr, koperty, [&postep](qsizetype strony) { return postep(strony); });
        postep.zamknij();
        if (wynik.blad) {
            m_dialogi.blad(rodzic, *wynik.blad);
            return false;
        }
        return true;
    };

    if (m_dialogi.pytanie(rodzic, QStringLiteral("Pokazać podgląd przed drukowaniem?"))) {
        bool wydrukowane = false;
        QPrintPreviewDialog *okno =
            podgladKopert(rodzic, m_dialogi, dr, koperty, true, [&] { return wydrukowane = drukuj(); });
        okno->exec();
        return wydrukowane;
    }
    return drukuj();
}

void Tkoperta_f::SpeedButton9Click()
{
    m_ui->panelPomocy->setGeometry(93, 62, 636, 390);
    m_ui->panelPomocy->raise();
    m_ui->panelPomocy->show();
}

void Tkoperta_f::SpeedButton8Click()
{
    m_ui->panelPomocy->hide();
}

void Tkoperta_f::SpeedButton1Click()
{
    if (!m_dialogi.pytanie(this, QStringLiteral("Koniec pracy ?")))
        return;
    if (blad(m_magazyn.zapiszForme(m_ui->forma->text())))
        return;
    setEnabled(false);
    hide();
    close(); // hidden already: passes closeEvent without asking again
}

void Tkoperta_f::closeEvent(QCloseEvent *e)
{
    // Closed by the window manager: the same as "Koniec", which may keep the window open.
    if (!isVisible()) {
        e->accept();
        return;
    }
    SpeedButton1Click();
    e->setAccepted(!isVisible());
}

void Tkoperta_f::keyPressEvent(QKeyEvent *e)
{
    if (e->key() != Qt::Key_Escape || e->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(e);
        return;
    }
    // Escape leaves the help panel first, then the window as "Koniec" does.
    if (m_ui->panelPomocy->isVisible())
        SpeedButton8Click();
    else
        SpeedButton1Click();
}

void Tkoperta_f::Timer1Timer()
{
    m_ui->zegar->setText(QLocale::system().toString(QTime::currentTime(), formatCzasu()));
}

#include "moc_tkoperta_f.cpp"
