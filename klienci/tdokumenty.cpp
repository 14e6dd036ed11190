#include "tdokumenty.h"

#include "aplikacja.h"
#include "dialogi.h"
#include "katalogdanych.h"
#include "liczby.h"
#include "polenip.h"
#include "sciezki.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTime>
#include <QTimer>
#include <QToolButton>

using namespace Klienci;

namespace {

const QColor kGranatowy(0, 0, 128);
const QColor kBordowy(128, 0, 0);
const QColor kSzary(128, 128, 128);
const QColor kTloOkna(234, 234, 234);
const QColor kTloListy(228, 241, 241);

const QString kFiltrList = QStringLiteral("Lista klientów (*.dat)");

QFont czcionka(const QString &rodzina, int piksele, bool pogrubiona = false)
{
    QFont f(rodzina);
    f.setPixelSize(piksele);
    f.setBold(pogrubiona);
    return f;
}

void ustawKolor(QWidget *w, QPalette::ColorRole rola, const QColor &kolor)
{
    // Only for the enabled states: a disabled control keeps the style's grey.
    QPalette p = w->palette();
    p.setColor(QPalette::Active, rola, kolor);
    p.setColor(QPalette::Inactive, rola, kolor);
    w->setPalette(p);
}

void ustawTlo(QWidget *w, const QColor &kolor)
{
    ustawKolor(w, QPalette::Window, kolor);
    w->setAutoFillBackground(true);
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

Tdokumenty::Tdokumenty(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    zakonczProces = [] { QCoreApplication::exit(0); };
    m_katalogNarzedzi = QCoreApplication::applicationDirPath();
    zbuduj();
    FormCreate();
}

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

void Tdokumenty::zbuduj()
{
    setObjectName(QStringLiteral("dokumenty"));
    setWindowTitle(QString());
    setFixedSize(861, 641);
    setFont(czcionka(QStringLiteral("Tahoma"), 11));
    ustawTlo(this, kTloOkna);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    auto etykieta = [](QWidget *rodzic, const char *nazwa, const QString &tekst, const QRect &miejsce,
                       const QFont &f, const QColor &kolor) {
        auto *l = new QLabel(tekst, rodzic);
        l->setObjectName(QLatin1String(nazwa));
        l->setGeometry(miejsce);
        l->setFont(f);
        ustawKolor(l, QPalette::WindowText, kolor);
        return l;
    };
    auto przycisk = [this](QWidget *rodzic, const char *nazwa, const QString &tekst, const QString &podpowiedz,
                           QStyle::StandardPixmap obrazek, const QRect &miejsce, bool obrazekPoPrawej) {
        auto *b = new QToolButton(rodzic);
        b->setObjectName(QLatin1String(nazwa));
        b->setText(tekst);
        b->setToolTip(podpowiedz);
        b->setIcon(style()->standardIcon(obrazek));
        b->setIconSize(QSize(16, 16));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (obrazekPoPrawej)
            b->setLayoutDirection(Qt::RightToLeft);
        b->setGeometry(miejsce);
        b->setFont(czcionka(QStringLiteral("Tahoma"), 12));
        ustawKolor(b, QPalette::ButtonText, kBordowy);
        return b;
    };

    // Clock and command panel at the right.
    Label2 = etykieta(this, "Label2", QStringLiteral("00:00:00"), QRect(700, 8, 153, 18),
                      czcionka(QStringLiteral("Tahoma"), 13), kSzary);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *panel1 = new QFrame(this);
    panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1 = panel1;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(700, 34, 153, 599);
    ustawTlo(Panel1, Qt::white);

    Label10 = etykieta(Panel1, "Label10", QStringLiteral("Klienci"), QRect(8, 6, 137, 26),
                       czcionka(QStringLiteral("Arial"), 21), kBordowy);
    Label10->setAlignment(Qt::AlignCenter);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 36, 105, 85);
    Image1->setScaledContents(true);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(105, 85));

    const int x = 6, szer = 141, wys = 26, odstep = 32;
    int y = 132;
    auto nastepny = [&] {
        const QRect r(x, y, szer, wys);
        y += odstep;
        return r;
    };
    SpeedButton10 = przycisk(Panel1, "SpeedButton10", QStringLiteral("Nowa lista"),
                             QStringLiteral("Stworzenie nowej, czystej listy klientów"), QStyle::SP_FileIcon,
                             nastepny(), true);
    SpeedButton11 = przycisk(Panel1, "SpeedButton11", QStringLiteral("Czytaj listę"),
                             QStringLiteral("Wczytanej listy z dysku"), QStyle::SP_DialogOpenButton, nastepny(), true);
    SpeedButton12 = przycisk(Panel1, "SpeedButton12", QStringLiteral("Usuń listę"),
                             QStringLiteral("Skasowanie wskazanej listy z dysku"), QStyle::SP_TrashIcon, nastepny(),
                             true);
    SpeedButton9 = przycisk(Panel1, "SpeedButton9", QStringLiteral("Szukaj danych"),
                            QStringLiteral("Szuka wpisu zawierajacego podany ciąg znaków"),
                            QStyle::SP_FileDialogContentsView, nastepny(), true);
    SpeedButton8 = przycisk(Panel1, "SpeedButton8", QStringLiteral("Szukaj miejsca"),
                            QStringLiteral("Odszuka pierwszy wolny wiersz"), QStyle::SP_ArrowForward, nastepny(), true);
    SpeedButton3 = przycisk(Panel1, "SpeedButton3", QStringLiteral("Sortowanie"),
                            QStringLiteral("Ułozy w kolejności alfabetycznej od A do Z"), QStyle::SP_ArrowDown,
                            nastepny(), true);
    SpeedButton2 = przycisk(Panel1, "SpeedButton2", QStringLiteral("Sortowanie"),
                            QStringLiteral("Ułozy w kolejności alfabetycznej od Z do A"), QStyle::SP_ArrowUp,
                            nastepny(), true);
    SpeedButton4 = przycisk(Panel1, "SpeedButton4", QStringLiteral("Usuń wpis"),
                            QStringLiteral("Usunie wskazaną pozycję"), QStyle::SP_DialogDiscardButton, nastepny(),
                            true);
    SpeedButton6 = przycisk(Panel1, "SpeedButton6", QStringLiteral("Dodaj do listy"),
                            QStringLiteral("Doda do listy nową lub poprawioną pozycję"), QStyle::SP_DialogSaveButton,
                            nastepny(), true);
    SpeedButton5 = przycisk(Panel1, "SpeedButton5", QStringLiteral("Pomoc"), QString(),
                            QStyle::SP_DialogHelpButton, nastepny(), true);
    SpeedButton1 = przycisk(Panel1, "SpeedButton1", QStringLiteral("Zamknij moduł"), QString(),
                            QStyle::SP_DialogCloseButton, QRect(x, 560, szer, wys), true);
    SpeedButton1->setFont(czcionka(QStringLiteral("Tahoma"), 12, true));

    // List panel at the left.
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(8, 8, 681, 623);
    ustawTlo(Panel2, kTloListy);

    Label1 = etykieta(Panel2, "Label1", QStringLiteral("Lista..."), QRect(12, 4, 657, 18),
                      czcionka(QStringLiteral("Tahoma"), 12), kBordowy);

    const QFont czcionkaPol = czcionka(QStringLiteral("Arial"), 12);
    lista = new QListWidget(Panel2);
    lista->setObjectName(QStringLiteral("lista"));
    lista->setAccessibleName(QStringLiteral("lista"));
    lista->setGeometry(12, 24, 657, 365);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setUniformItemSizes(true);
    lista->setItemDelegate(new WysokoscLinii(lista));
    lista->setFont(czcionkaPol);
    ustawKolor(lista, QPalette::Text, kGranatowy);

    auto *bevel = new QFrame(Panel2);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(12, 396, 657, 215);
    Bevel1 = bevel;

    const QFont czcionkaEtykiet = czcionka(QStringLiteral("Tahoma"), 13);
    auto pole = [&](auto *p, const char *nazwa, const QRect &miejsce) {
        p->setObjectName(QLatin1String(nazwa));
        p->setAccessibleName(QLatin1String(nazwa));
        p->setGeometry(miejsce);
        p->setFont(czcionkaPol);
        ustawKolor(p, QPalette::Text, kGranatowy);
        return p;
    };
    auto etykietaPola = [&](const char *nazwa, const QString &tekst, const QRect &miejsce) {
        return etykieta(Panel2, nazwa, tekst, miejsce, czcionkaEtykiet, kGranatowy);
    };

    const int xe = 22, xp = 110, wp = 21, lewaSzer = 320;
    Label3 = etykietaPola("Label3", QStringLiteral("Lp"), QRect(xe, 406, 80, 20));
    lp = pole(new QLineEdit(Panel2), "lp", QRect(xp, 405, 50, wp));
    SpeedButton13 = przycisk(Panel2, "SpeedButton13", QStringLiteral("O kliencie"),
                             QStringLiteral("Zestaw informacji i komentarzy o kliencie"),
                             QStyle::SP_MessageBoxInformation, QRect(180, 403, 110, 25), false);
    SpeedButton15 = przycisk(Panel2, "SpeedButton15", QStringLiteral("Dokumenty"),
                             QStringLiteral("Rejestrator dokumentów związanych z klientem"), QStyle::SP_DirIcon,
                             QRect(295, 403, 110, 25), false);
    SpeedButton14 = przycisk(Panel2, "SpeedButton14", QStringLiteral("Koperta"),
                             QStringLiteral("Wydruk koperty na adres klienta"), QStyle::SP_FileDialogListView,
                             QRect(410, 403, 110, 25), false);

    Label4 = etykietaPola("Label4", QStringLiteral("Nazwa"), QRect(xe, 436, 80, 20));
    nazwa1 = pole(new QLineEdit(Panel2), "nazwa1", QRect(xp, 435, lewaSzer, wp));
    nazwa2 = pole(new QLineEdit(Panel2), "nazwa2", QRect(xp, 459, lewaSzer, wp));
    Label7 = etykietaPola("Label7", QStringLiteral("Ulica"), QRect(xe, 488, 80, 20));
    ulica = pole(new QLineEdit(Panel2), "ulica", QRect(xp, 487, lewaSzer, wp));
    Label8 = etykietaPola("Label8", QStringLiteral("Miejscowość"), QRect(xe, 516, 86, 20));
    miejscowosc = pole(new QLineEdit(Panel2), "miejscowosc", QRect(xp, 515, lewaSzer, wp));
    Label6 = etykietaPola("Label6", QStringLiteral("NIP"), QRect(xe, 544, 80, 20));
    nip = pole(new PoleNip(Panel2), "nip", QRect(xp, 543, 160, wp));
    Label9 = etykietaPola("Label9", QStringLiteral("Opis"), QRect(xe, 572, 80, 20));
    opis = pole(new QLineEdit(Panel2), "opis", QRect(xp, 571, lewaSzer, wp));

    const int xi = 445, xip = 520, wip = 140;
    QLabel **etykietyInfo[] = {&Label5, &Label11, &Label12, &Label13, &Label14, &Label15};
    const char *nazwyEtykietInfo[] = {"Label5", "Label11", "Label12", "Label13", "Label14", "Label15"};
    QLineEdit **polaInfo[] = {&info1, &info2, &info3, &info4, &info5, &info6};
    for (int i = 0; i < 6; ++i) {
        const int yi = 435 + i * 28;
        *etykietyInfo[i] = etykietaPola(nazwyEtykietInfo[i], QStringLiteral("Info %1").arg(i + 1),
                                        QRect(xi, yi + 1, 74, 20));
        *polaInfo[i] = pole(new QLineEdit(Panel2), NazwyKolumn[Info1 + i], QRect(xip, yi, wip, wp));
    }
    Bevel1->lower();

    // Help panel over the list, hidden until "Pomoc".
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(71, 108, 689, 337);
    ustawTlo(Panel3, kTloListy);
    Memo1 = new QPlainTextEdit(Panel3);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(12, 12, 665, 261);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(czcionka(QStringLiteral("Tahoma"), 12));
    ustawKolor(Memo1, QPalette::Text, kGranatowy);
    Memo1->setPlainText(tekstPomocy().join(u'\n'));
    SpeedButton7 = przycisk(Panel3, "SpeedButton7", QStringLiteral("Koniec pomocy"), QString(),
                            QStyle::SP_DialogOkButton, QRect(544, 292, 133, 22), true);
    ustawKolor(SpeedButton7, QPalette::ButtonText, kGranatowy);
    Panel3->hide();

    // Keyboard order.
    const auto pola = polaEdycji();
    QWidget *poprzedni = lista;
    for (QLineEdit *p : pola) {
        setTabOrder(poprzedni, p);
        poprzedni = p;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    m_formatCzasu = formatCzasu();

    connect(Timer1, &QTimer::timeout, this, &Tdokumenty::Timer1Timer);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tdokumenty::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tdokumenty::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &Tdokumenty::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &Tdokumenty::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &Tdokumenty::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &Tdokumenty::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &Tdokumenty::SpeedButton7Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &Tdokumenty::SpeedButton8Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &Tdokumenty::SpeedButton9Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &Tdokumenty::SpeedButton10Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &Tdokumenty::SpeedButton11Click);
    connect(SpeedButton12, &QToolButton::clicked, this, &Tdokumenty::SpeedButton12Click);
    connect(SpeedButton13, &QToolButton::clicked, this, &Tdokumenty::SpeedButton13Click);
    connect(SpeedButton14, &QToolButton::clicked, this, &Tdokumenty::SpeedButton14Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &Tdokumenty::SpeedButton15Click);

    // The selected line changes by mouse, arrow keys or typing a row number; a click on
    // the line already selected reads the row again too.
    connect(lista, &QListWidget::currentRowChanged, this, &Tdokumenty::zmianaWiersza);
    connect(lista, &QListWidget::itemClicked, this, [this](QListWidgetItem *pozycja) {
        if (lista->row(pozycja) == m_wierszPrzedNacisnieciem)
            listaClick();
    });
    lista->viewport()->installEventFilter(this);

    // Centred on the desktop.
    if (const QScreen *ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    Timer1->start();
}

std::array<QLineEdit *, LiczbaKolumn> Tdokumenty::polaEdycji() const
{
    return {lp, nazwa1, nazwa2, ulica, miejscowosc, nip, opis, info1, info2, info3, info4, info5, info6};
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

// ---- creation, clock, help, quitting

void Tdokumenty::FormCreate()
{
    for (QLineEdit *p : polaEdycji())
        p->clear();
    for (QToolButton *b : {SpeedButton9, SpeedButton8, SpeedButton3, SpeedButton2, SpeedButton4, SpeedButton6})
        b->setEnabled(false);
    Label1->setText(QStringLiteral("Lista klientów"));
    m_zaznaczanie = true;
    lista->clear();
    m_zaznaczanie = false;
    m_biezacaLista = QStringLiteral("klienci.dat");

    const KatalogDanych katalog = rozwiazKatalogDanych();
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
    QLabel *etykiety[] = {Label5, Label11, Label12, Label13, Label14, Label15};
    for (int i = 0; i < PodpisyInfo::Liczba; ++i)
        etykiety[i]->setText(podpisy.teksty[i]);
}

void Tdokumenty::Timer1Timer()
{
    Label2->setText(QTime::currentTime().toString(m_formatCzasu));
    SpeedButton14->setEnabled(!nazwa1->text().isEmpty());
    SpeedButton13->setEnabled(!nip->text().isEmpty());
    SpeedButton15->setEnabled(!nip->text().isEmpty());
}

void Tdokumenty::SpeedButton5Click()
{
    Panel3->setGeometry(71, 108, 689, 337);
    Panel3->show();
    Panel3->raise();
}

void Tdokumenty::SpeedButton7Click()
{
    Panel3->hide();
}

void Tdokumenty::closeEvent(QCloseEvent *zdarzenie)
{
    // The window never closes the ordinary way: quitting ends the process.
    zdarzenie->ignore();
    FormCloseQuery();
}

bool Tdokumenty::FormCloseQuery()
{
    if (!dialogi().pytanie(this, QStringLiteral("Koniec pracy ?")))
        return false;
    zakoncz();
    return true;
}

void Tdokumenty::SpeedButton1Click()
{
    FormCloseQuery();
}

void Tdokumenty::zakoncz()
{
    Wygaszaj();
    if (zakonczProces)
        zakonczProces();
}

void Tdokumenty::Wygaszaj()
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
    lista->clear();
    lista->addItems(m_lista.linie());
    m_zaznaczanie = false;
}

void Tdokumenty::zaznacz(int wiersz)
{
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
    ustawPolaEdycji(m_lista.wiersz(wiersz));
    zaznacz(wiersz);
}

bool Tdokumenty::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (obiekt == lista->viewport() && zdarzenie->type() == QEvent::MouseButtonPress)
        m_wierszPrzedNacisnieciem = lista->currentRow();
    return QWidget::eventFilter(obiekt, zdarzenie);
}

void Tdokumenty::zmianaWiersza(int)
{
    if (!m_zaznaczanie)
        listaClick();
}

void Tdokumenty::listaClick()
{
    const int wiersz = lista->currentRow();
    // With no line selected there is no row to read.
    if (wiersz < 0 || wiersz >= LiczbaWierszy)
        return;
    if (const BladIO blad = m_lista.wczytaj(m_biezacaLista)) {
        pokazBlad(this, blad);
        return;
    }
    pokazWiersz(wiersz);
}

int Tdokumenty::wierszDocelowy()
{
    const QString tekst = lp->text();
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

void Tdokumenty::zapiszIOdswiez(const ListaKlientow &doZapisu, int wiersz)
{
    // Save, read back, rebuild, show: the list box then shows what the file holds.
    BladIO blad = doZapisu.zapisz(m_biezacaLista);
    if (!blad)
        blad = m_lista.wczytaj(m_biezacaLista);
    if (blad) {
        pokazBlad(this, blad);
        return;
    }
    odbuduj();
    pokazWiersz(wiersz);
}

void Tdokumenty::zapiszWiersz(int wiersz)
{
    m_lista.kopiujDoWiersza(wiersz, tekstyPol());
    zapiszIOdswiez(m_lista, wiersz);
}

void Tdokumenty::SpeedButton6Click()
{
    const int wiersz = wierszDocelowy();
    if (wiersz < 0)
        return;
    zapiszWiersz(wiersz);
}

void Tdokumenty::SpeedButton4Click()
{
    if (!dialogi().pytanie(this, QStringLiteral("Usunąć wskazany wpis ?")))
        return;
    const int wiersz = wierszDocelowy();
    if (wiersz < 0)
        return;
    const auto pola = polaEdycji();
    for (int k = Nazwa1; k < LiczbaKolumn; ++k)
        pola[k]->clear();
    zapiszWiersz(wiersz);
}

void Tdokumenty::SpeedButton8Click()
{
    const int wiersz = m_lista.pierwszyWolny();
    if (wiersz < 0) {
        dialogi().informacja(this, QStringLiteral("Na liście brak wolnego miejsca."));
        return;
    }
    zaznacz(wiersz);
    listaClick();
}

void Tdokumenty::SpeedButton9Click()
{
    const auto tekst = dialogi().wpisz(this, QStringLiteral("Szukaj danych"), QStringLiteral("Podaj ciag znaków"));
    if (!tekst)
        return;
    const int wiersz = m_lista.szukaj(*tekst);
    if (wiersz < 0) {
        dialogi().informacja(this, QStringLiteral("Na liście brak danych spełniajacych zadany warunek."));
        return;
    }
    zaznacz(wiersz);
    listaClick();
}

void Tdokumenty::sortuj(Kierunek kierunek)
{
    if (!dialogi().pytanie(this, QStringLiteral("Sortować listę usług ?")))
        return;
    m_lista.sortuj(kierunek);
    zapiszIOdswiez(m_lista.spakowana(), 0);
}

void Tdokumenty::SpeedButton3Click()
{
    sortuj(Kierunek::OdADoZ);
}

void Tdokumenty::SpeedButton2Click()
{
    sortuj(Kierunek::OdZDoA);
}

// ---- list files

void Tdokumenty::ustawKatalogBiezacy()
{
    // The data root as its folders are spelt on disk, which the network setting need not
    // match in letter case.
    QDir::setCurrent(m_katalogDanych.isEmpty() ? QStringLiteral("/") : dopasujWielkoscLiter(m_katalogDanych));
}

void Tdokumenty::pokazOtwartaListe(const QString &sciezka)
{
    m_biezacaLista = sciezka;
    Label1->setText(QStringLiteral("Lista klientów bazy ") + QDir::toNativeSeparators(sciezka));
    odbuduj();
    pokazWiersz(0);
    for (QToolButton *b : {SpeedButton9, SpeedButton8, SpeedButton3, SpeedButton2, SpeedButton4, SpeedButton6})
        b->setEnabled(true);
    ustawKatalogBiezacy();
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

void Tdokumenty::SpeedButton10Click()
{
    // "Firmy" relative to the current directory at the moment the dialog opens.
    const QString sciezka =
        wybierzPlikListy(true, dopasujWielkoscLiter(QDir::current().absoluteFilePath(QStringLiteral("Firmy"))));
    if (sciezka.isEmpty())
        return;

    // The list becomes the current one only once its file was written.
    const ListaKlientow nowa = ListaKlientow::nowa();
    if (const BladIO blad = nowa.zapisz(sciezka)) {
        pokazBlad(this, blad);
        return;
    }
    m_lista = nowa;
    pokazOtwartaListe(sciezka);
}

void Tdokumenty::SpeedButton11Click()
{
    m_katalogOtwierania = sciezkaDanych(m_katalogDanych, QStringLiteral("\\Firmy"));
    const QString sciezka = wybierzPlikListy(false, m_katalogOtwierania);
    if (sciezka.isEmpty())
        return;

    // A failed read leaves the list, its file and the window as they were.
    if (const BladIO blad = m_lista.wczytaj(sciezka)) {
        pokazBlad(this, blad);
        return;
    }
    pokazOtwartaListe(sciezka);
}

void Tdokumenty::SpeedButton12Click()
{
    const QString sciezka = wybierzPlikListy(
        false, QDir::isAbsolutePath(m_katalogOtwierania)
                   ? m_katalogOtwierania
                   : dopasujWielkoscLiter(QDir::current().absoluteFilePath(m_katalogOtwierania)));
    if (sciezka.isEmpty())
        return;

    if (dialogi().pytanie(this, QStringLiteral("Usunąć listę ?"))) {
        if (usunPlik(sciezka))
            dialogi().informacja(this, QStringLiteral("Lista została usunięta."));
        else
            dialogi().informacja(this, QStringLiteral("Nie udało się usunąć listy %1.")
                                           .arg(QDir::toNativeSeparators(sciezka)));
    }
    ustawKatalogBiezacy();
}

// ---- client tools

void Tdokumenty::uruchomNarzedzieKlienta(Narzedzie narzedzie)
{
    // The texts as they stand, saved or not. A tool that cannot be started changes nothing.
    uruchomNarzedzie(narzedzie, nip->text(), nazwa1->text(), m_katalogNarzedzi, m_sciezkiNarzedzi);
}

void Tdokumenty::SpeedButton13Click()
{
    uruchomNarzedzieKlienta(Narzedzie::Komentarze);
}

void Tdokumenty::SpeedButton15Click()
{
    uruchomNarzedzieKlienta(Narzedzie::Dokumenty);
}

void Tdokumenty::SpeedButton14Click()
{
    if (!m_koperta_f)
        return;
    // A firm record that cannot be read stops here: the envelope window is neither
    // filled nor shown. A missing one keeps the copy read before (or the empty one).
    if (const BladIO blad = m_firma.czytaj(m_katalogDanych)) {
        pokazBlad(this, blad);
        return;
    }
    const WierszeKopertyKlienta wiersze =
        wierszeKopertyKlienta(m_firma, nazwa1->text(), nazwa2->text(), ulica->text(), miejscowosc->text());
    m_koperta_f->pokazDlaKlienta(wiersze.nadawca, wiersze.odbiorca);
}
