#include "tdokumenty.h"
#include "ui_tdokumenty.h"

#include "aplikacja.h"
#include "chronione.h"
#include "dialogi.h"
#include "ikony.h"
#include "kontekst.h"
#include "liczby.h"
#include "nip.h"
#include "obserwatorpliku.h"
#include "sciezki.h"
#include "tekst.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTime>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

using namespace Klienci;

namespace {

const QString kFiltrList = QStringLiteral("Lista klientów (*.dat)");

QFont czcionka(const QString &rodzina, int piksele, bool pogrubiona = false)
{
    QFont f(rodzina);
    f.setPixelSize(piksele);
    f.setBold(pogrubiona);
    return f;
}

// List box lines are 15 pixels high.
class WysokoscLinii : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &opcje, const QModelIndex &indeks) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(opcje, indeks);
        s.setHeight(15);
        return s;
    }
};

// Refuses, as typed or pasted, characters that a list file's Windows-1250 texts cannot
// hold, instead of storing them as '?'.
class ZnakiCp1250 : public QValidator
{
public:
    ZnakiCp1250(QObject *rodzic, std::function<void(QChar)> poOdmowie)
        : QValidator(rodzic)
        , m_poOdmowie(std::move(poOdmowie))
    {}
    State validate(QString &tekst, int &) const override
    {
        for (QChar z : tekst) {
            if (!miesciSieWCp1250(z)) {
                m_poOdmowie(z);
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    std::function<void(QChar)> m_poOdmowie;
};

// The trash needs the data home; without it Qt may build a trash in the working folder.
bool przeniesDoKosza(const QString &sciezka)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString gdzie;
    if (!QFile::moveToTrash(sciezka, &gdzie))
        return false;
    return !gdzie.isEmpty() && QFileInfo::exists(gdzie) && !QFileInfo::exists(sciezka);
}

} // namespace

Tdokumenty::Tdokumenty(Kontekst &kontekst, Dialogi &dialogi, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_ui(std::make_unique<Ui::Tdokumenty>())
    , m_kontekst(kontekst)
    , m_dialogi(dialogi)
{
    zakonczProces = [] { QCoreApplication::exit(0); };
    m_katalogNarzedzi = QCoreApplication::applicationDirPath();
    // The window's font first, so that the controls are made with it rather than
    // changed to it.
    setFont(czcionka(QStringLiteral("Tahoma"), 11));
    m_ui->setupUi(this);
    wykonczWyglad();
    ustawKlawiature();
    polacz();
    przyUtworzeniu();
}

Tdokumenty::~Tdokumenty() = default;

QStringList Tdokumenty::tekstPomocy()
{
    return {
        QStringLiteral("Dodanie klienta"),
        QString(50, u'-'),
        QStringLiteral("1. Wskazać na liście wolny wiersz."),
        QStringLiteral("2. W polach poniżej listy wpisać odpowiednią informację."),
        QStringLiteral("4. Zapisać zmiany przyciskiem Dodaj do listy."),
        QString(),
        QStringLiteral("Usunięcie klienta z listyi."),
        QString(40, u'-'),
        QStringLiteral("1. Wskazać na liście wiersz w którym znajduje się wpis."),
        QStringLiteral("2. Uruchomić przycisk Usuń wpis."),
        QString(),
        QStringLiteral("Sortowanie listy."),
        QString(20, u'-'),
        QStringLiteral("1.Wskaż przycisk Sortowanie."),
        QStringLiteral("2.Potwierdź chęć wykonania operacji."),
        QString(),
        QStringLiteral("Odszukiwanie danych"),
        QString(20, u'_'),
        QStringLiteral("1.Wskaż przycisk Szukaj danych"),
        QStringLiteral("2.W powstałym okienku wpisz ciąg znaków jakie maja byc odszukane w jednym z pól Nazwa, Ulica, "
                       "Miejscowość, "),
        QStringLiteral("Nip, Opis"),
        QStringLiteral(
            "3.Jeżeli podany ciąg znaków wystepuje w jednym z tych pól, belka ustawi się na danym rekordzie."),
        QString(),
        QStringLiteral("Informacje o kliencie"),
        QString(25, u'-'),
        QStringLiteral("Jest to zbiór informacji ( komentarzy) na temat klienta. Baza informacji jest tworzona na "
                       "podstawie unikatowego "),
        QStringLiteral(
            "numeru NIP i zawiera listę definiowalnych tematów pod którymi znajdują się notatki tematyczne."),
        QString(),
        QStringLiteral("Wydruk koperty"),
        QString(19, u'-'),
        QStringLiteral("Moduł wydruku koperty o definiowalnych rozmiarach."),
        QString(),
        QStringLiteral("Dokumenty"),
        QString(14, u'-'),
        QStringLiteral("Moduł dołączania dowolnych dokumentów zapisanych w dowolnej lokalizacji komputera. Dokumenty "
                       "można "),
        QStringLiteral("rejestrować a następnie przeglądać w programach domyślnie powiązanych z rodzajem dokumentu."),
    };
}

QList<int> Tdokumenty::krokiWygaszania()
{
    QList<int> kroki;
    for (int v = 255; v >= 10; v -= 5)
        kroki.append(v);
    return kroki;
}

// ---- building the window

// What the form cannot hold: fonts in pixels, the style's pictures, the help text, the
// list box's line height.
// The help text (Memo1) is made when help is first shown: a text editor costs start-up
// time and memory that most sessions never need.
void Tdokumenty::utworzTekstPomocy()
{
    if (m_ui->panelPomocy->findChild<QPlainTextEdit *>())
        return;
    auto *tekst = new QPlainTextEdit(m_ui->panelPomocy);
    tekst->setObjectName(QStringLiteral("Memo1"));
    tekst->setGeometry(12, 12, 665, 261);
    QPalette paleta = tekst->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        paleta.setColor(g, QPalette::Text, QColor(0, 0, 128));
    tekst->setPalette(paleta);
    tekst->setFont(czcionka(QStringLiteral("Tahoma"), 12));
    tekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tekst->setReadOnly(true);
    tekst->setPlainText(tekstPomocy().join(u'\n'));
    tekst->show();
}

void Tdokumenty::wykonczWyglad()
{
    // The icon the window manager shows is drawn at three sizes: once the window is up.
    QTimer::singleShot(0, this, [this] { setWindowIcon(ikona(Ikona::Lista)); });

    const QFont tahoma12 = czcionka(QStringLiteral("Tahoma"), 12);
    const QFont tahoma13 = czcionka(QStringLiteral("Tahoma"), 13);
    const QFont arial12 = czcionka(QStringLiteral("Arial"), 12);
    m_ui->zegar->setFont(tahoma13);
    m_ui->napisKlienci->setFont(czcionka(QStringLiteral("Arial"), 21));
    m_ui->tytulListy->setFont(tahoma12);
    // These labels show the user's data (a path, the captions): never as markup.
    m_ui->tytulListy->setTextFormat(Qt::PlainText);
    for (QLabel *l : {m_ui->podpisInfo1, m_ui->podpisInfo2, m_ui->podpisInfo3, m_ui->podpisInfo4, m_ui->podpisInfo5,
                      m_ui->podpisInfo6})
        l->setTextFormat(Qt::PlainText);
    for (QLabel *l : m_ui->panelListy->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (l != m_ui->tytulListy)
            l->setFont(tahoma13);
    m_ui->lista->setFont(arial12);
    const auto pola = polaEdycji();
    for (int k = 0; k < LiczbaKolumn; ++k) {
        QLineEdit *p = pola[k];
        p->setFont(arial12);
        // No field takes more than its column holds, nor a character it cannot hold
        // (lp only names the target row and is never stored: any length).
        if (k != Lp)
            p->setMaxLength(Pojemnosc[k]);
        p->setValidator(new ZnakiCp1250(p, [this, p](QChar z) {
            pokazUwagePola(p, QStringLiteral("Znak „%1” nie mieści się w zapisie listy (Windows-1250) "
                                             "i nie został przyjęty.")
                                  .arg(z));
        }));
        p->installEventFilter(this);
    }

    const std::pair<QToolButton *, Ikona> obrazki[] = {
        {m_ui->nowaLista, Ikona::Plik},
        {m_ui->czytajListe, Ikona::Otworz},
        {m_ui->usunListe, Ikona::Kosz},
        {m_ui->szukajDanych, Ikona::Szukaj},
        {m_ui->szukajMiejsca, Ikona::WPrawo},
        {m_ui->sortujOdADoZ, Ikona::WDol},
        {m_ui->sortujOdZDoA, Ikona::WGore},
        {m_ui->usunWpis, Ikona::Odrzuc},
        {m_ui->dodajDoListy, Ikona::Zapisz},
        {m_ui->pomoc, Ikona::Pomoc},
        {m_ui->cofnij, Ikona::WLewo},
        {m_ui->szukajDalej, Ikona::SzukajDalej},
        {m_ui->kopertyDlaWielu, Ikona::Koperty},
        {m_ui->etykiety, Ikona::Etykiety},
        {m_ui->eksportKlientow, Ikona::Zapisz},
        {m_ui->importKlientow, Ikona::Otworz},
        {m_ui->zamknijModul, Ikona::Zamknij},
        {m_ui->oKliencie, Ikona::Informacja},
        {m_ui->dokumentyKlienta, Ikona::Folder},
        {m_ui->kopertaKlienta, Ikona::Koperta},
        {m_ui->koniecPomocy, Ikona::Ok},
    };
    for (const auto &[przycisk, obrazek] : obrazki) {
        przycisk->setIcon(ikona(obrazek));
        przycisk->setFont(tahoma12);
    }
    m_ui->zamknijModul->setFont(czcionka(QStringLiteral("Tahoma"), 12, true));
    m_ui->obrazek->ustawIkone(ikona(Ikona::Dom));

    m_ui->lista->setItemDelegate(new WysokoscLinii(m_ui->lista));
    m_ui->panelPomocy->hide();

    m_obserwator = new ObserwatorPliku(this);
    m_zegar = new QTimer(this);
    m_zegar->setObjectName(QStringLiteral("Timer1"));
    m_zegar->setInterval(100);
    m_formatCzasu = formatCzasu();

    // Centred on the desktop.
    if (const QScreen *ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

// Every command can be reached with Tab: after the list and the edit fields come the
// three client tools and then the command column from top to bottom. The main commands
// have shortcuts, named in their hints.
void Tdokumenty::ustawKlawiature()
{
    QList<QToolButton *> kolumna = m_ui->panelPolecen->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    std::stable_sort(kolumna.begin(), kolumna.end(),
                     [](const QToolButton *a, const QToolButton *b) { return a->y() < b->y(); });
    QList<QWidget *> kolejnosc{m_ui->lista};
    for (QLineEdit *p : polaEdycji())
        kolejnosc.append(p);
    for (QToolButton *b : {m_ui->oKliencie, m_ui->dokumentyKlienta, m_ui->kopertaKlienta})
        kolejnosc.append(b);
    for (QToolButton *b : kolumna)
        kolejnosc.append(b);
    for (QWidget *w : kolejnosc) {
        if (qobject_cast<QToolButton *>(w))
            w->setFocusPolicy(Qt::TabFocus);
    }
    m_ui->koniecPomocy->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < kolejnosc.size(); ++i)
        QWidget::setTabOrder(kolejnosc[i - 1], kolejnosc[i]);

    const std::pair<QToolButton *, QKeySequence> skroty[] = {
        {m_ui->nowaLista, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {m_ui->czytajListe, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {m_ui->szukajDanych, QKeySequence(Qt::CTRL | Qt::Key_F)},
        {m_ui->szukajDalej, QKeySequence(Qt::Key_F3)},
        {m_ui->dodajDoListy, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {m_ui->cofnij, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {m_ui->kopertaKlienta, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {m_ui->etykiety, QKeySequence(Qt::CTRL | Qt::Key_L)},
        {m_ui->pomoc, QKeySequence(Qt::Key_F1)},
    };
    for (const auto &[przycisk, klawisze] : skroty) {
        m_skroty.append(klawisze);
        auto *skrot = new QShortcut(klawisze, this);
        skrot->setContext(Qt::WindowShortcut);
        // A disabled command ignores its shortcut, as it ignores a click.
        connect(skrot, &QShortcut::activated, przycisk, &QToolButton::click);
        const QString nazwa = klawisze.toString(QKeySequence::NativeText);
        if (!przycisk->toolTip().contains(nazwa))
            przycisk->setToolTip(
                przycisk->toolTip().isEmpty() ? nazwa : przycisk->toolTip() + QStringLiteral(" (%1)").arg(nazwa));
    }
    auto *koniecPomocy = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    koniecPomocy->setContext(Qt::WindowShortcut);
    connect(koniecPomocy, &QShortcut::activated, m_ui->panelPomocy, &QWidget::hide);
}

void Tdokumenty::polacz()
{
    const Ui::Tdokumenty &ui = *m_ui;
    connect(m_zegar, &QTimer::timeout, this, &Tdokumenty::odswiezZegar);
    connect(m_obserwator, &ObserwatorPliku::zmienionaNaDysku, this, &Tdokumenty::poZmianieNaDysku);
    connect(ui.cofnij, &QToolButton::clicked, this, &Tdokumenty::cofnijZmiane);
    connect(ui.szukajDalej, &QToolButton::clicked, this, &Tdokumenty::szukajDalej);
    connect(ui.zamknijModul, &QToolButton::clicked, this, &Tdokumenty::pytajOKoniec);
    connect(ui.sortujOdZDoA, &QToolButton::clicked, this, [this] { sortuj(Kierunek::OdZDoA); });
    connect(ui.sortujOdADoZ, &QToolButton::clicked, this, [this] { sortuj(Kierunek::OdADoZ); });
    connect(ui.usunWpis, &QToolButton::clicked, this, &Tdokumenty::usunWpis);
    connect(ui.dodajDoListy, &QToolButton::clicked, this, &Tdokumenty::dodajDoListy);
    connect(ui.pomoc, &QToolButton::clicked, this, [this] {
        utworzTekstPomocy();
        m_ui->panelPomocy->setGeometry(71, 108, 689, 337);
        m_ui->panelPomocy->show();
        m_ui->panelPomocy->raise();
    });
    connect(ui.koniecPomocy, &QToolButton::clicked, ui.panelPomocy, &QWidget::hide);
    connect(ui.szukajMiejsca, &QToolButton::clicked, this, &Tdokumenty::szukajMiejsca);
    connect(ui.szukajDanych, &QToolButton::clicked, this, &Tdokumenty::szukajDanych);
    connect(ui.nowaLista, &QToolButton::clicked, this, &Tdokumenty::nowaLista);
    connect(ui.czytajListe, &QToolButton::clicked, this, &Tdokumenty::czytajListe);
    connect(ui.usunListe, &QToolButton::clicked, this, &Tdokumenty::usunListe);
    connect(ui.oKliencie, &QToolButton::clicked, this, [this] {
        // The texts as they stand, saved or not. A tool that cannot be started changes nothing.
        uruchomNarzedzie(Narzedzie::Komentarze, m_ui->nip->text(), m_ui->nazwa1->text(), m_katalogNarzedzi,
                         m_sciezkiNarzedzi, frameGeometry().center());
    });
    connect(ui.dokumentyKlienta, &QToolButton::clicked, this, [this] {
        uruchomNarzedzie(Narzedzie::Dokumenty, m_ui->nip->text(), m_ui->nazwa1->text(), m_katalogNarzedzi,
                         m_sciezkiNarzedzi, frameGeometry().center());
    });
    connect(ui.kopertaKlienta, &QToolButton::clicked, this, &Tdokumenty::pokazKoperte);
    connect(ui.eksportKlientow, &QToolButton::clicked, this, &Tdokumenty::eksportujKlientow);
    connect(ui.importKlientow, &QToolButton::clicked, this, &Tdokumenty::importujKlientow);
    connect(ui.kopertyDlaWielu, &QToolButton::clicked, this, &Tdokumenty::kopertyDlaWielu);
    connect(ui.etykiety, &QToolButton::clicked, this, &Tdokumenty::drukujEtykiety);

    // The selected line changes by mouse, arrow keys or typing a row number; a click on
    // the line already selected reads the row again too.
    connect(ui.lista, &QListWidget::currentRowChanged, this, [this](int nowy) {
        if (m_zaznaczanie)
            return;
        if (!zachowajZmiany()) {
            // Back on the line shown, now and once the event that moved the selection is
            // done: a mouse press selects its line after this signal.
            zaznacz(m_wierszPokazany);
            QMetaObject::invokeMethod(
                this, [this] { zaznacz(m_wierszPokazany); }, Qt::QueuedConnection);
            return;
        }
        zaznacz(nowy); // an add selected its own row
        czytajZaznaczonyWiersz();
    });
    connect(ui.lista, &QListWidget::itemClicked, this, [this](QListWidgetItem *pozycja) {
        if (m_ui->lista->row(pozycja) == m_wierszPrzedNacisnieciem && zachowajZmiany())
            czytajZaznaczonyWiersz();
    });
    ui.lista->viewport()->installEventFilter(this);
    m_zegar->start();
}

std::array<QLineEdit *, LiczbaKolumn> Tdokumenty::polaEdycji() const
{
    const Ui::Tdokumenty &ui = *m_ui;
    return {ui.lp,    ui.nazwa1, ui.nazwa2, ui.ulica, ui.miejscowosc, ui.nip,  ui.opis,
            ui.info1, ui.info2,  ui.info3,  ui.info4, ui.info5,       ui.info6};
}

TekstyWiersza Tdokumenty::tekstyPol() const
{
    TekstyWiersza t;
    const auto pola = polaEdycji();
    for (int k = 0; k < LiczbaKolumn; ++k)
        t[k] = pola[k]->text();
    return t;
}

void Tdokumenty::ustawPolaEdycji(const TekstyWiersza &teksty)
{
    const auto pola = polaEdycji();
    for (int k = 0; k < LiczbaKolumn; ++k)
        pola[k]->setText(teksty[k]);
}

// ---- creation, clock, quitting

void Tdokumenty::przyUtworzeniu()
{
    pokazBezListy();

    const KatalogDanych katalog = m_kontekst.rozwiazKatalogDanych();
    m_katalogDanych = katalog.katalog;
    m_katalogOtwierania = QStringLiteral("Firmy");
    if (katalog.blad) {
        pokazBlad(m_dialogi, this, katalog.blad);
        return;
    }

    const Podpisy podpisy = czytajPodpisyInfo(m_katalogDanych);
    if (podpisy.blad) {
        pokazBlad(m_dialogi, this, podpisy.blad);
        return;
    }
    QLabel *etykiety[] = {m_ui->podpisInfo1, m_ui->podpisInfo2, m_ui->podpisInfo3,
                          m_ui->podpisInfo4, m_ui->podpisInfo5, m_ui->podpisInfo6};
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        etykiety[i]->setText(podpisy.teksty[i]);
}

void Tdokumenty::odswiezZegar()
{
    m_obserwator->sprawdz();
    m_ui->zegar->setText(QTime::currentTime().toString(m_formatCzasu));
    m_ui->kopertaKlienta->setEnabled(!m_ui->nazwa1->text().isEmpty());
    m_ui->oKliencie->setEnabled(!m_ui->nip->text().isEmpty());
    m_ui->dokumentyKlienta->setEnabled(!m_ui->nip->text().isEmpty());
}

void Tdokumenty::closeEvent(QCloseEvent *zdarzenie)
{
    // The window never closes the ordinary way: quitting ends the process.
    zdarzenie->ignore();
    pytajOKoniec();
}

bool Tdokumenty::pytajOKoniec()
{
    if (!zachowajZmiany())
        return false;
    if (!m_dialogi.pytanie(this, QStringLiteral("Koniec pracy ?")))
        return false;
    wygaszaj();
    if (zakonczProces)
        zakonczProces();
    return true;
}

void Tdokumenty::wygaszaj()
{
    // One setting right after the other, with no message processing in between.
    ostatnieWygaszanie.clear();
    for (int krok : krokiWygaszania()) {
        setWindowOpacity(krok / 255.0);
        ostatnieWygaszanie.append(krok);
    }
}

// ---- the list in the window

void Tdokumenty::odbuduj()
{
    m_zaznaczanie = true;
    m_ui->lista->clear();
    m_ui->lista->addItems(m_otwarta.lista().linie());
    m_zaznaczanie = false;
}

void Tdokumenty::zaznacz(int wiersz)
{
    QListWidget *lista = m_ui->lista;
    if (wiersz < 0 || wiersz >= lista->count())
        return;
    m_zaznaczanie = true;
    lista->setCurrentRow(wiersz);
    lista->scrollToItem(lista->item(wiersz));
    m_zaznaczanie = false;
}

void Tdokumenty::pokazWiersz(int wiersz)
{
    if (wiersz < 0 || wiersz >= LiczbaWierszy)
        return;
    ustawPolaEdycji(m_otwarta.lista().wiersz(wiersz));
    m_wierszPokazany = wiersz;
    m_pokazane = tekstyPol();
    zaznacz(wiersz);
}

bool Tdokumenty::polaZmienione() const
{
    if (!m_listaOtwarta)
        return false;
    const TekstyWiersza teksty = tekstyPol();
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        if (teksty[k] != m_pokazane[k])
            return true;
    return false;
}

bool Tdokumenty::zachowajZmiany()
{
    if (!polaZmienione())
        return true;
    const auto odpowiedz = m_dialogi.pytanieZAnuluj(
        this, QStringLiteral("Zmiany w polach edycji nie zostały dodane do listy. Dodać je teraz do wiersza %1?")
                  .arg(m_ui->lp->text()));
    if (!odpowiedz)
        return false;
    return !*odpowiedz || dodajDoListy();
}

void Tdokumenty::poZmianieNaDysku()
{
    if (!m_listaOtwarta || m_otwarta.wczytaj())
        return;
    const int wybrany = m_ui->lista->currentRow();
    odbuduj();
    zaznacz(wybrany);
}

void Tdokumenty::pokazUwagePola(QLineEdit *pole, const QString &tekst)
{
    m_uwagaPol = tekst;
    QToolTip::showText(pole->mapToGlobal(QPoint(0, pole->height())), tekst, pole);
}

bool Tdokumenty::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    // In an edit field the window's shortcuts win over the field's own keys (Ctrl+E is
    // "Koperta", not the end of the line), except Ctrl+Z while the field has typing to
    // undo: only then is it the field's undo, otherwise the window's "Cofnij".
    if (zdarzenie->type() == QEvent::ShortcutOverride) {
        auto *pole = qobject_cast<QLineEdit *>(obiekt);
        const auto *klawisz = static_cast<QKeyEvent *>(zdarzenie);
        const QKeySequence sekwencja(klawisz->keyCombination());
        if (pole && m_skroty.contains(sekwencja)
            && !(klawisz->matches(QKeySequence::Undo) && pole->isUndoAvailable())) {
            zdarzenie->ignore();
            return true;
        }
    }
    if (obiekt == m_ui->lista->viewport() && zdarzenie->type() == QEvent::MouseButtonPress)
        m_wierszPrzedNacisnieciem = m_ui->lista->currentRow();
    return QWidget::eventFilter(obiekt, zdarzenie);
}

void Tdokumenty::czytajZaznaczonyWiersz()
{
    const int wiersz = m_ui->lista->currentRow();
    // With no line selected there is no row to read.
    if (wiersz < 0 || wiersz >= LiczbaWierszy)
        return;
    if (const auto wynik = m_otwarta.wczytaj()) {
        pokazBlad(m_dialogi, this, wynik);
        return;
    }
    pokazWiersz(wiersz);
}

int Tdokumenty::wierszDocelowy()
{
    const QString tekst = m_ui->lp->text();
    const int numer = parsujLiczbe(tekst);
    if (numer >= 1 && numer <= LiczbaWierszy)
        return numer - 1;
    if (tekst.trimmed().isEmpty())
        m_dialogi.informacja(this, QStringLiteral("Nie podano numeru wiersza w polu Lp. Lista nie została zmieniona."));
    else
        m_dialogi.informacja(this, QStringLiteral("Na liście nie ma wiersza o numerze %1 (numery od 1 do %2). "
                                                  "Lista nie została zmieniona.")
                                       .arg(tekst)
                                       .arg(LiczbaWierszy));
    return -1;
}

bool Tdokumenty::pokazPoZapisie(const WspolnaLista::Wynik &wynik, int wiersz)
{
    if (!wynik.ostrzezenie.isEmpty() && !m_bezOchrony.contains(m_otwarta.biezacaLista())) {
        m_bezOchrony.append(m_otwarta.biezacaLista());
        m_dialogi.informacja(this, wynik.ostrzezenie);
    }
    if (wynik) {
        pokazBlad(m_dialogi, this, wynik);
        return false;
    }
    m_obserwator->przyjmij(wynik.stan);
    odbuduj();
    pokazWiersz(wiersz);
    return true;
}

bool Tdokumenty::dodajDoListy()
{
    const int wiersz = wierszDocelowy();
    if (wiersz < 0)
        return false;
    const TekstyWiersza teksty = tekstyPol();
    const TekstyWiersza widziany = widzianyWiersz(wiersz);
    // A row other than the one shown that holds another client is replaced only when
    // the user says so.
    if (wiersz != m_wierszPokazany && !widziany[Nazwa1].isEmpty()
        && !std::equal(widziany.begin() + Nazwa1, widziany.end(), teksty.begin() + Nazwa1)
        && !m_dialogi.pytanieDomyslnieNie(this,
                                          QStringLiteral("Wiersz %1 zawiera: %2. Zastąpić go danymi z pól edycji?")
                                              .arg(numerWiersza(wiersz), widziany[Nazwa1])))
        return false;
    if (!potwierdzNip(wiersz, teksty))
        return false;
    return zapiszWiersz(wiersz, teksty, widziany, QStringLiteral("Zastąpić go danymi z pól edycji?"))
           == ZapisWiersza::Zapisany;
}

TekstyWiersza Tdokumenty::widzianyWiersz(int wiersz) const
{
    return wiersz == m_wierszPokazany ? m_pokazane : m_otwarta.lista().wiersz(wiersz);
}

Tdokumenty::ZapisWiersza Tdokumenty::zapiszWiersz(int wiersz, const TekstyWiersza &teksty, TekstyWiersza widziany,
                                                  const QString &pytanie)
{
    for (;;) {
        const OtwartaLista::WynikWiersza w = m_otwarta.ustawWiersz(wiersz, teksty, widziany);
        if (!w.obcy) {
            if (pokazPoZapisie(w, wiersz))
                return ZapisWiersza::Zapisany;
            return w.zajeta ? ZapisWiersza::Niezapisany : ZapisWiersza::Blad;
        }
        // Someone else changed the row since the user saw it: the list box shows what it
        // holds now, and it is written over only when the user says so.
        const int wybrany = m_ui->lista->currentRow();
        odbuduj();
        zaznacz(wybrany);
        const TekstyWiersza &obcy = *w.obcy;
        QStringList tresc;
        for (int k : {Nazwa1, Nazwa2, Ulica, Miejscowosc, Nip})
            if (!obcy[k].isEmpty())
                tresc << obcy[k];
        const QString teraz = tresc.isEmpty()
                                  ? QStringLiteral("jest teraz pusty")
                                  : QStringLiteral("zawiera teraz: %1").arg(tresc.join(QStringLiteral(", ")));
        if (!m_dialogi.pytanieDomyslnieNie(this, QStringLiteral("Wiersz %1 został zmieniony przez kogoś innego, odkąd "
                                                                "go tu wybrano, i %2. %3")
                                                     .arg(numerWiersza(wiersz), teraz, pytanie)))
            return ZapisWiersza::Niezapisany;
        widziany = obcy;
    }
}

bool Tdokumenty::potwierdzNip(int wiersz, const TekstyWiersza &teksty)
{
    // Only a NIP new to this row: one the row already held was shared before.
    const ListaKlientow &lista = m_otwarta.lista();
    if (kluczNip(teksty[Nip]) == kluczNip(lista.tekst(Nip, wiersz)))
        return true;
    const int inny = wierszZTymSamymNip(lista, teksty[Nip], wiersz);
    if (inny < 0)
        return true;
    return m_dialogi.pytanieDomyslnieNie(
        this, QStringLiteral("NIP %1 ma już wiersz %2: %3. Narzędzia klienta rozpoznają klienta po NIP, więc oba "
                             "wiersze miałyby wspólne komentarze i dokumenty. Zapisać mimo to?")
                  .arg(teksty[Nip], numerWiersza(inny), lista.tekst(Nazwa1, inny)));
}

void Tdokumenty::usunWpis()
{
    const int wiersz = wierszDocelowy();
    if (wiersz < 0)
        return;
    const TekstyWiersza widziany = widzianyWiersz(wiersz);
    const QString nazwa = widziany[Nazwa1];
    const QString pytanie = nazwa.isEmpty()
                                ? QStringLiteral("Usunąć wpis z wiersza %1 ?").arg(numerWiersza(wiersz))
                                : QStringLiteral("Usunąć wpis z wiersza %1: %2 ?").arg(numerWiersza(wiersz), nazwa);
    if (!m_dialogi.pytanieDomyslnieNie(this, pytanie))
        return;
    // The fields empty at once; when nothing was written (a list that stayed locked, a
    // row changed by someone else and kept) they get their texts back.
    const TekstyWiersza przed = tekstyPol();
    ustawPolaEdycji({m_ui->lp->text()});
    if (zapiszWiersz(wiersz, {}, widziany, QStringLiteral("Usunąć go mimo to?")) == ZapisWiersza::Niezapisany)
        ustawPolaEdycji(przed);
}

void Tdokumenty::cofnijZmiane()
{
    if (!m_listaOtwarta)
        return;
    if (m_otwarta.krokiDoCofniecia() == 0) {
        m_dialogi.informacja(this, QStringLiteral("Nie ma zmian listy do cofnięcia."));
        return;
    }
    const bool zmienione = polaZmienione();
    const TekstyWiersza pola = tekstyPol();
    const int wybrany = m_ui->lista->currentRow();
    const OtwartaLista::WynikCofania w = m_otwarta.cofnij();
    if (w.obcaZmiana()) {
        // Named by their numbers; a sort's step may name many.
        constexpr qsizetype Najwyzej = 5;
        QStringList numery;
        for (int r : w.obceWiersze.first(std::min(w.obceWiersze.size(), Najwyzej)))
            numery << numerWiersza(r);
        if (w.obceWiersze.size() > Najwyzej)
            numery << QStringLiteral("…");
        m_dialogi.informacja(
            this, QStringLiteral("%1 %2 listy %3 %4 przez kogoś innego po ostatniej zmianie w tym "
                                 "oknie. Cofnięcie zapisałoby na nich stan sprzed tamtych zmian, "
                                 "więc nie zostało wykonane.")
                      .arg(w.obceWiersze.size() == 1 ? QStringLiteral("Wiersz") : QStringLiteral("Wiersze"),
                           numery.join(QStringLiteral(", ")), QDir::toNativeSeparators(m_otwarta.biezacaLista()),
                           w.obceWiersze.size() == 1 ? QStringLiteral("został zmieniony")
                                                     : QStringLiteral("zostały zmienione")));
        poZmianieNaDysku();
        return;
    }
    if (!pokazPoZapisie(w.wynik, m_wierszPokazany >= 0 ? m_wierszPokazany : 0))
        return;
    // Typing that was never added stays in the fields.
    if (zmienione) {
        ustawPolaEdycji(pola);
        zaznacz(wybrany);
    }
}

void Tdokumenty::szukajMiejsca()
{
    if (!zachowajZmiany())
        return;
    const int wiersz = m_otwarta.pierwszyWolny();
    if (wiersz < 0) {
        m_dialogi.informacja(this, QStringLiteral("Na liście brak wolnego miejsca."));
        return;
    }
    zaznacz(wiersz);
    czytajZaznaczonyWiersz();
}

void Tdokumenty::szukajDanych()
{
    if (!zachowajZmiany())
        return;
    const auto tekst = m_dialogi.wpisz(this, QStringLiteral("Szukaj danych"), QStringLiteral("Podaj ciag znaków"));
    if (!tekst)
        return;
    m_szukany = *tekst;
    const int wiersz = m_otwarta.szukaj(*tekst);
    if (wiersz < 0) {
        m_dialogi.informacja(this, QStringLiteral("Na liście brak danych spełniajacych zadany warunek."));
        return;
    }
    zaznacz(wiersz);
    czytajZaznaczonyWiersz();
}

void Tdokumenty::szukajDalej()
{
    if (m_szukany.isEmpty()) {
        szukajDanych();
        return;
    }
    if (!zachowajZmiany())
        return;
    int wiersz = m_otwarta.szukaj(m_szukany, m_wierszPokazany + 1);
    if (wiersz < 0) {
        wiersz = m_otwarta.szukaj(m_szukany);
        if (wiersz < 0) {
            m_dialogi.informacja(this, QStringLiteral("Na liście brak danych spełniajacych zadany warunek."));
            return;
        }
        m_dialogi.informacja(
            this, QStringLiteral("Osiągnięto koniec listy; szukanie „%1” zaczęło się od wiersza 01.").arg(m_szukany));
    }
    zaznacz(wiersz);
    czytajZaznaczonyWiersz();
}

void Tdokumenty::sortuj(Kierunek kierunek)
{
    if (!zachowajZmiany())
        return;
    if (m_dialogi.pytanie(this, QStringLiteral("Sortować listę usług ?")))
        pokazPoZapisie(m_otwarta.sortuj(kierunek), 0);
}

// ---- list files

void Tdokumenty::pokazBezListy()
{
    m_listaOtwarta = false;
    m_obserwator->obserwuj(QString());
    m_zaznaczanie = true;
    m_ui->lista->clear();
    m_zaznaczanie = false;
    for (QLineEdit *p : polaEdycji())
        p->clear();
    m_wierszPokazany = -1;
    m_pokazane = {};
    wlaczPoleceniaListy(false);
    m_ui->tytulListy->setText(QStringLiteral("Lista klientów"));
}

void Tdokumenty::wlaczPoleceniaListy(bool wlaczone)
{
    for (QToolButton *b : {m_ui->szukajDanych, m_ui->szukajMiejsca, m_ui->sortujOdADoZ, m_ui->sortujOdZDoA,
                           m_ui->usunWpis, m_ui->dodajDoListy, m_ui->cofnij, m_ui->szukajDalej, m_ui->kopertyDlaWielu,
                           m_ui->etykiety, m_ui->eksportKlientow, m_ui->importKlientow})
        b->setEnabled(wlaczone);
}

void Tdokumenty::pokazOtwartaListe()
{
    m_ui->tytulListy->setText(QStringLiteral("Lista klientów bazy ")
                              + QDir::toNativeSeparators(m_otwarta.biezacaLista()));
    m_listaOtwarta = true;
    m_obserwator->obserwuj(m_otwarta.biezacaLista());
    odbuduj();
    pokazWiersz(0);
    wlaczPoleceniaListy(true);
    m_kontekst.przejdzDo(m_katalogDanych);
}

// Runs one of the two list-file dialogs; the dialog offers the last path chosen in it.
// Returns the chosen full path, or an empty text when the user cancelled.
QString Tdokumenty::wybierzPlikListy(bool zapis, const QString &katalog)
{
    QString &ostatni = zapis ? m_ostatniZapisany : m_ostatniOtwarty;
    UstawieniaPliku u;
    u.filtr = kFiltrList;
    u.rozszerzenie = QStringLiteral("dat");
    u.katalog = katalog;
    u.nazwa = ostatni;
    u.pytajONadpisanie = zapis;
    u.obiekt = zapis ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog2");
    const QString sciezka = zapis ? m_dialogi.zapiszPlik(this, u) : m_dialogi.otworzPlik(this, u);
    if (sciezka.isEmpty())
        return {};
    ostatni = QFileInfo(sciezka).absoluteFilePath();
    return ostatni;
}

void Tdokumenty::nowaLista()
{
    if (!zachowajZmiany())
        return;
    // "Firmy" under the working directory at the moment the dialog opens.
    const QString sciezka = wybierzPlikListy(true, m_kontekst.sciezkaRobocza(QStringLiteral("\\Firmy")));
    if (sciezka.isEmpty())
        return;
    if (const auto wynik = m_otwarta.utworzNowa(sciezka))
        pokazBlad(m_dialogi, this, wynik);
    else
        pokazOtwartaListe();
}

void Tdokumenty::czytajListe()
{
    if (!zachowajZmiany())
        return;
    m_katalogOtwierania = sciezkaDanych(m_katalogDanych, QStringLiteral("\\Firmy"));
    const QString sciezka = wybierzPlikListy(false, m_katalogOtwierania);
    if (sciezka.isEmpty())
        return;
    // A failed read leaves the list, its file and the window as they were.
    if (const auto wynik = m_otwarta.otworz(sciezka))
        pokazBlad(m_dialogi, this, wynik);
    else
        pokazOtwartaListe();
}

void Tdokumenty::usunListe()
{
    const QString katalog = QDir::isAbsolutePath(m_katalogOtwierania)
                                ? m_katalogOtwierania
                                : m_kontekst.sciezkaRobocza(QStringLiteral("\\") + m_katalogOtwierania);
    // A dialog of its own, with no list offered: the list to delete is chosen on purpose.
    UstawieniaPliku u;
    u.filtr = kFiltrList;
    u.rozszerzenie = QStringLiteral("dat");
    u.katalog = katalog;
    u.obiekt = QStringLiteral("OpenDialog2");
    u.tytul = QStringLiteral("Usuń listę");
    u.przycisk = QStringLiteral("Usuń");
    const QString wybrana = m_dialogi.otworzPlik(this, u);
    if (wybrana.isEmpty())
        return;
    const QString sciezka = QFileInfo(wybrana).absoluteFilePath();
    const QString nazwa = QDir::toNativeSeparators(sciezka);

    const QFileInfo plik(sciezka);
    // The open list, under any name: once deleted, the window no longer shows it.
    const bool otwarta = m_listaOtwarta && tenSamPlik(sciezka, m_otwarta.biezacaLista());
    bool usunieta = false;
    if (plik.exists() && !plik.isWritable()) {
        pokazBlad(m_dialogi, this, BladIO{BladIO::OdmowaDostepu});
    } else if (m_dialogi.pytanieDomyslnieNie(this, QStringLiteral("Usunąć listę %1 ?").arg(nazwa))) {
        // To the trash where the system keeps one; elsewhere for good, after one more question.
        const WspolnaLista::Wynik doKosza = OtwartaLista::usunPlikListy(sciezka, przeniesDoKosza);
        if (doKosza.zajeta) {
            m_dialogi.informacja(this, doKosza.komunikat);
        } else if (doKosza.ok()) {
            usunieta = true;
            m_dialogi.informacja(this, QStringLiteral("Lista została usunięta. Można ją odzyskać z kosza."));
        } else if (!plik.exists()) {
            m_dialogi.informacja(this, QStringLiteral("Nie udało się usunąć listy %1.").arg(nazwa));
        } else if (m_dialogi.pytanieDomyslnieNie(
                       this,
                       QStringLiteral("Listy %1 nie można przenieść do kosza. Usunąć ją na zawsze?").arg(nazwa))) {
            const auto wynik = OtwartaLista::usunPlikListy(sciezka);
            usunieta = wynik.ok();
            if (wynik.zajeta)
                m_dialogi.informacja(this, wynik.komunikat);
            else if (usunieta)
                m_dialogi.informacja(this, QStringLiteral("Lista została usunięta."));
            else
                m_dialogi.informacja(this, QStringLiteral("Nie udało się usunąć listy %1.").arg(nazwa));
        }
    }
    if (usunieta && otwarta) {
        m_otwarta.zamknij();
        pokazBezListy();
    }
    m_kontekst.przejdzDo(m_katalogDanych);
}

// ---- the envelope

void Tdokumenty::pokazKoperte()
{
    if (!m_koperta.pokazDlaKlienta)
        return;
    // A firm record that cannot be read stops here: the envelope window is not shown. A
    // missing one keeps the copy read before (or the empty one).
    if (const BladIO blad = m_firma.czytaj(m_katalogDanych)) {
        pokazBlad(m_dialogi, this, blad);
        return;
    }
    const WierszeKopertyKlienta wiersze = wierszeKopertyKlienta(m_firma, m_ui->nazwa1->text(), m_ui->nazwa2->text(),
                                                                m_ui->ulica->text(), m_ui->miejscowosc->text());
    m_koperta.pokazDlaKlienta(wiersze.nadawca, wiersze.odbiorca);
}

// ---- clients in and out

void Tdokumenty::eksportujKlientow()
{
    ::eksportujKlientow(this, m_dialogi, oknaWymiany, m_katalogWymiany, m_otwarta.lista(), m_otwarta.biezacaLista(),
                        m_ui->lista->currentRow(), czytajPodpisyInfo(m_katalogDanych).teksty,
                        {m_katalogDanych, m_kontekst.katalogStartowy()});
}

void Tdokumenty::importujKlientow()
{
    // A change of the open list: the window shows what was saved, and "Cofnij" takes it back.
    const ImportZOkna w =
        ::importujKlientow(this, m_dialogi, oknaWymiany, m_katalogWymiany, m_otwarta,
                           czytajPodpisyInfo(m_katalogDanych).teksty, {m_katalogDanych, m_kontekst.katalogStartowy()});
    if (w.wiersz >= 0)
        pokazPoZapisie(w.wynik, w.wiersz);
}

// One job of envelopes for the rows chosen, from the list in memory; nothing is saved.
void Tdokumenty::kopertyDlaWielu()
{
    if (!m_koperta.drukujDlaKlientow)
        return;
    if (const BladIO blad = m_firma.czytaj(m_katalogDanych)) {
        pokazBlad(m_dialogi, this, blad);
        return;
    }
    const ListaKlientow &lista = m_otwarta.lista();
    const QList<int> wiersze = wybierzDoKopert(this, lista);
    if (wiersze.isEmpty())
        return;
    QList<std::array<QString, 4>> odbiorcy;
    for (int w : wiersze)
        odbiorcy.append(wierszeKopertyKlienta(m_firma, lista.tekst(Nazwa1, w), lista.tekst(Nazwa2, w),
                                              lista.tekst(Ulica, w), lista.tekst(Miejscowosc, w))
                            .odbiorca);
    m_koperta.drukujDlaKlientow(this, wierszeKopertyKlienta(m_firma, {}, {}, {}, {}).nadawca, odbiorcy);
}

// The labels dialog for rows of the list in memory; nothing is saved to the list.
void Tdokumenty::drukujEtykiety()
{
    if (!m_etykiety.pokaz)
        return;
    m_etykiety.pokaz(this, m_katalogDanych, m_otwarta.lista(), wybierzDoEtykiet);
}

#include "moc_tdokumenty.cpp"
