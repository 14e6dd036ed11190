#include "tdokumenty.h"
#include "ui_tdokumenty.h"

#include "aplikacja.h"
#include "dialogi.h"
#include "kontekst.h"
#include "liczby.h"
#include "sciezki.h"
#include "tkoperta_f.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTime>
#include <QTimer>

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

} // namespace

Tdokumenty::Tdokumenty(Kontekst &kontekst, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::Tdokumenty>()), m_kontekst(kontekst)
{
    zakonczProces = [] { QCoreApplication::exit(0); };
    m_katalogNarzedzi = QCoreApplication::applicationDirPath();
    m_ui->setupUi(this);
    wykonczWyglad();
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
        QStringLiteral("3.Jeżeli podany ciąg znaków wystepuje w jednym z tych pól, belka ustawi się na danym rekordzie."),
        QString(),
        QStringLiteral("Informacje o kliencie"),
        QString(25, u'-'),
        QStringLiteral("Jest to zbiór informacji ( komentarzy) na temat klienta. Baza informacji jest tworzona na "
                       "podstawie unikatowego "),
        QStringLiteral("numeru NIP i zawiera listę definiowalnych tematów pod którymi znajdują się notatki tematyczne."),
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
void Tdokumenty::wykonczWyglad()
{
    setFont(czcionka(QStringLiteral("Tahoma"), 11));
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    const QFont tahoma12 = czcionka(QStringLiteral("Tahoma"), 12);
    const QFont tahoma13 = czcionka(QStringLiteral("Tahoma"), 13);
    const QFont arial12 = czcionka(QStringLiteral("Arial"), 12);
    m_ui->zegar->setFont(tahoma13);
    m_ui->napisKlienci->setFont(czcionka(QStringLiteral("Arial"), 21));
    m_ui->tytulListy->setFont(tahoma12);
    m_ui->tekstPomocy->setFont(tahoma12);
    for (QLabel *l : m_ui->panelListy->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (l != m_ui->tytulListy)
            l->setFont(tahoma13);
    m_ui->lista->setFont(arial12);
    for (QLineEdit *p : polaEdycji())
        p->setFont(arial12);

    const std::pair<QToolButton *, QStyle::StandardPixmap> obrazki[] = {
        {m_ui->nowaLista, QStyle::SP_FileIcon},
        {m_ui->czytajListe, QStyle::SP_DialogOpenButton},
        {m_ui->usunListe, QStyle::SP_TrashIcon},
        {m_ui->szukajDanych, QStyle::SP_FileDialogContentsView},
        {m_ui->szukajMiejsca, QStyle::SP_ArrowForward},
        {m_ui->sortujOdADoZ, QStyle::SP_ArrowDown},
        {m_ui->sortujOdZDoA, QStyle::SP_ArrowUp},
        {m_ui->usunWpis, QStyle::SP_DialogDiscardButton},
        {m_ui->dodajDoListy, QStyle::SP_DialogSaveButton},
        {m_ui->pomoc, QStyle::SP_DialogHelpButton},
        {m_ui->cofnij, QStyle::SP_ArrowBack},
        {m_ui->szukajDalej, QStyle::SP_MediaSeekForward},
        {m_ui->kopertyDlaWielu, QStyle::SP_FileDialogListView},
        {m_ui->eksportKlientow, QStyle::SP_DialogSaveButton},
        {m_ui->importKlientow, QStyle::SP_DialogOpenButton},
        {m_ui->zamknijModul, QStyle::SP_DialogCloseButton},
        {m_ui->oKliencie, QStyle::SP_MessageBoxInformation},
        {m_ui->dokumentyKlienta, QStyle::SP_DirIcon},
        {m_ui->kopertaKlienta, QStyle::SP_FileDialogListView},
        {m_ui->koniecPomocy, QStyle::SP_DialogOkButton},
    };
    for (const auto &[przycisk, obrazek] : obrazki) {
        przycisk->setIcon(style()->standardIcon(obrazek));
        przycisk->setFont(tahoma12);
    }
    m_ui->zamknijModul->setFont(czcionka(QStringLiteral("Tahoma"), 12, true));
    m_ui->obrazek->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(105, 85));

    m_ui->lista->setItemDelegate(new WysokoscLinii(m_ui->lista));
    m_ui->tekstPomocy->setPlainText(tekstPomocy().join(u'\n'));
    m_ui->panelPomocy->hide();

    m_zegar = new QTimer(this);
    m_zegar->setObjectName(QStringLiteral("Timer1"));
    m_zegar->setInterval(100);
    m_formatCzasu = formatCzasu();

    // Centred on the desktop.
    if (const QScreen *ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void Tdokumenty::polacz()
{
    const Ui::Tdokumenty &ui = *m_ui;
    connect(m_zegar, &QTimer::timeout, this, &Tdokumenty::odswiezZegar);
    connect(ui.zamknijModul, &QToolButton::clicked, this, &Tdokumenty::pytajOKoniec);
    connect(ui.sortujOdZDoA, &QToolButton::clicked, this, [this] { sortuj(Kierunek::OdZDoA); });
    connect(ui.sortujOdADoZ, &QToolButton::clicked, this, [this] { sortuj(Kierunek::OdADoZ); });
    connect(ui.usunWpis, &QToolButton::clicked, this, &Tdokumenty::usunWpis);
    connect(ui.dodajDoListy, &QToolButton::clicked, this, &Tdokumenty::dodajDoListy);
    connect(ui.pomoc, &QToolButton::clicked, this, [this] {
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
                         m_sciezkiNarzedzi);
    });
    connect(ui.dokumentyKlienta, &QToolButton::clicked, this, [this] {
        uruchomNarzedzie(Narzedzie::Dokumenty, m_ui->nip->text(), m_ui->nazwa1->text(), m_katalogNarzedzi,
                         m_sciezkiNarzedzi);
    });
    connect(ui.kopertaKlienta, &QToolButton::clicked, this, &Tdokumenty::pokazKoperte);
    connect(ui.eksportKlientow, &QToolButton::clicked, this, &Tdokumenty::eksportujKlientow);
    connect(ui.importKlientow, &QToolButton::clicked, this, &Tdokumenty::importujKlientow);
    connect(ui.kopertyDlaWielu, &QToolButton::clicked, this, &Tdokumenty::kopertyDlaWielu);

    // The selected line changes by mouse, arrow keys or typing a row number; a click on
    // the line already selected reads the row again too.
    connect(ui.lista, &QListWidget::currentRowChanged, this, [this] {
        if (!m_zaznaczanie)
            czytajZaznaczonyWiersz();
    });
    connect(ui.lista, &QListWidget::itemClicked, this, [this](QListWidgetItem *pozycja) {
        if (m_ui->lista->row(pozycja) == m_wierszPrzedNacisnieciem)
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
    for (QLineEdit *p : polaEdycji())
        p->clear();
    for (QToolButton *b : {m_ui->szukajDanych, m_ui->szukajMiejsca, m_ui->sortujOdADoZ, m_ui->sortujOdZDoA,
                           m_ui->usunWpis, m_ui->dodajDoListy, m_ui->cofnij, m_ui->szukajDalej,
                           m_ui->kopertyDlaWielu, m_ui->eksportKlientow, m_ui->importKlientow})
        b->setEnabled(false);
    m_ui->tytulListy->setText(QStringLiteral("Lista klientów"));

    const KatalogDanych katalog = m_kontekst.rozwiazKatalogDanych();
    m_katalogDanych = katalog.katalog;
    m_katalogOtwierania = QStringLiteral("Firmy");
    if (katalog.blad) {
        pokazBlad(this, katalog.blad);
        return;
    }

    const Podpisy podpisy = czytajPodpisyInfo(m_katalogDanych);
    if (podpisy.blad) {
        pokazBlad(this, podpisy.blad);
        return;
    }
    QLabel *etykiety[] = {m_ui->podpisInfo1, m_ui->podpisInfo2, m_ui->podpisInfo3,
                          m_ui->podpisInfo4, m_ui->podpisInfo5, m_ui->podpisInfo6};
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        etykiety[i]->setText(podpisy.teksty[i]);
}

void Tdokumenty::odswiezZegar()
{
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
    if (!dialogi().pytanie(this, QStringLiteral("Koniec pracy ?")))
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
    zaznacz(wiersz);
}

bool Tdokumenty::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
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
    if (const BladIO blad = m_otwarta.wczytaj()) {
        pokazBlad(this, blad);
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
        dialogi().informacja(this, QStringLiteral("Nie podano numeru wiersza w polu Lp. Lista nie została zmieniona."));
    else
        dialogi().informacja(this, QStringLiteral("Na liście nie ma wiersza o numerze %1 (numery od 1 do %2). "
                                                  "Lista nie została zmieniona.")
                                       .arg(tekst)
                                       .arg(LiczbaWierszy));
    return -1;
}

void Tdokumenty::pokazPoZapisie(BladIO blad, int wiersz)
{
    if (blad) {
        pokazBlad(this, blad);
        return;
    }
    odbuduj();
    pokazWiersz(wiersz);
}

void Tdokumenty::dodajDoListy()
{
    const int wiersz = wierszDocelowy();
    if (wiersz >= 0)
        pokazPoZapisie(m_otwarta.ustawWiersz(wiersz, tekstyPol()), wiersz);
}

void Tdokumenty::usunWpis()
{
    if (!dialogi().pytanie(this, QStringLiteral("Usunąć wskazany wpis ?")))
        return;
    const int wiersz = wierszDocelowy();
    if (wiersz < 0)
        return;
    // The fields empty at once, whether or not the file takes the change.
    ustawPolaEdycji({m_ui->lp->text()});
    pokazPoZapisie(m_otwarta.wyczyscWiersz(wiersz), wiersz);
}

void Tdokumenty::szukajMiejsca()
{
    const int wiersz = m_otwarta.pierwszyWolny();
    if (wiersz < 0) {
        dialogi().informacja(this, QStringLiteral("Na liście brak wolnego miejsca."));
        return;
    }
    zaznacz(wiersz);
    czytajZaznaczonyWiersz();
}

void Tdokumenty::szukajDanych()
{
    const auto tekst = dialogi().wpisz(this, QStringLiteral("Szukaj danych"), QStringLiteral("Podaj ciag znaków"));
    if (!tekst)
        return;
    const int wiersz = m_otwarta.szukaj(*tekst);
    if (wiersz < 0) {
        dialogi().informacja(this, QStringLiteral("Na liście brak danych spełniajacych zadany warunek."));
        return;
    }
    zaznacz(wiersz);
    czytajZaznaczonyWiersz();
}

void Tdokumenty::sortuj(Kierunek kierunek)
{
    if (dialogi().pytanie(this, QStringLiteral("Sortować listę usług ?")))
        pokazPoZapisie(m_otwarta.sortuj(kierunek), 0);
}

// ---- list files

void Tdokumenty::pokazOtwartaListe()
{
    m_ui->tytulListy->setText(QStringLiteral("Lista klientów bazy ")
                              + QDir::toNativeSeparators(m_otwarta.biezacaLista()));
    odbuduj();
    pokazWiersz(0);
    for (QToolButton *b : {m_ui->szukajDanych, m_ui->szukajMiejsca, m_ui->sortujOdADoZ, m_ui->sortujOdZDoA,
                           m_ui->usunWpis, m_ui->dodajDoListy, m_ui->cofnij, m_ui->szukajDalej,
                           m_ui->kopertyDlaWielu, m_ui->eksportKlientow, m_ui->importKlientow})
        b->setEnabled(true);
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
    const QString sciezka = zapis ? dialogi().zapiszPlik(this, u) : dialogi().otworzPlik(this, u);
    if (sciezka.isEmpty())
        return {};
    ostatni = QFileInfo(sciezka).absoluteFilePath();
    return ostatni;
}

void Tdokumenty::nowaLista()
{
    // "Firmy" under the working directory at the moment the dialog opens.
    const QString sciezka = wybierzPlikListy(true, m_kontekst.sciezkaRobocza(QStringLiteral("\\Firmy")));
    if (sciezka.isEmpty())
        return;
    if (const BladIO blad = m_otwarta.utworzNowa(sciezka))
        pokazBlad(this, blad);
    else
        pokazOtwartaListe();
}

void Tdokumenty::czytajListe()
{
    m_katalogOtwierania = sciezkaDanych(m_katalogDanych, QStringLiteral("\\Firmy"));
    const QString sciezka = wybierzPlikListy(false, m_katalogOtwierania);
    if (sciezka.isEmpty())
        return;
    // A failed read leaves the list, its file and the window as they were.
    if (const BladIO blad = m_otwarta.otworz(sciezka))
        pokazBlad(this, blad);
    else
        pokazOtwartaListe();
}

void Tdokumenty::usunListe()
{
    const QString katalog = QDir::isAbsolutePath(m_katalogOtwierania)
                                ? m_katalogOtwierania
                                : m_kontekst.sciezkaRobocza(QStringLiteral("\\") + m_katalogOtwierania);
    const QString sciezka = wybierzPlikListy(false, katalog);
    if (sciezka.isEmpty())
        return;

    if (dialogi().pytanie(this, QStringLiteral("Usunąć listę ?"))) {
        if (OtwartaLista::usunPlikListy(sciezka))
            dialogi().informacja(this, QStringLiteral("Lista została usunięta."));
        else
            dialogi().informacja(this, QStringLiteral("Nie udało się usunąć listy %1.")
                                           .arg(QDir::toNativeSeparators(sciezka)));
    }
    m_kontekst.przejdzDo(m_katalogDanych);
}

// ---- the envelope

void Tdokumenty::pokazKoperte()
{
    if (!m_koperta_f)
        return;
    // A firm record that cannot be read stops here: the envelope window is not shown. A
    // missing one keeps the copy read before (or the empty one).
    if (const BladIO blad = m_firma.czytaj(m_katalogDanych)) {
        pokazBlad(this, blad);
        return;
    }
    const WierszeKopertyKlienta wiersze = wierszeKopertyKlienta(m_firma, m_ui->nazwa1->text(), m_ui->nazwa2->text(),
                                                                m_ui->ulica->text(), m_ui->miejscowosc->text());
    m_koperta_f->pokazDlaKlienta(wiersze.nadawca, wiersze.odbiorca);
}

// ---- clients in and out

void Tdokumenty::eksportujKlientow()
{
    ::eksportujKlientow(this, oknaWymiany, m_otwarta.lista(), m_ui->lista->currentRow(),
                        czytajPodpisyInfo(m_katalogDanych).teksty);
}

void Tdokumenty::importujKlientow()
{
    const int wiersz = ::importujKlientow(this, oknaWymiany, m_otwarta.biezacaLista(),
                                          czytajPodpisyInfo(m_katalogDanych).teksty);
    if (wiersz >= 0)
        pokazPoZapisie(m_otwarta.wczytaj(), wiersz);
}

// One job of envelopes for the rows chosen, from the list in memory; nothing is saved.
void Tdokumenty::kopertyDlaWielu()
{
    if (!m_koperta_f)
        return;
    if (const BladIO blad = m_firma.czytaj(m_katalogDanych)) {
        pokazBlad(this, blad);
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
    m_koperta_f->drukujDlaKlientow(this, wierszeKopertyKlienta(m_firma, {}, {}, {}, {}).nadawca, odbiorcy);
}
