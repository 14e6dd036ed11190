#include "tkoperta_f.h"

#include "dialogi.h"
#include "drukowanie.h"
#include "jpeg.h"
#include "kontekst.h"
#include "aplikacja.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor Kasztanowy(128, 0, 0);
const QColor Granatowy(0, 0, 128);
const QColor Szary(128, 128, 128);

const QString PlikCzcionki = QStringLiteral("font_zentar.dat");
const QString TytulDomyslny = QStringLiteral("Adresowanie kopert - profil domyślny");

void ustawKolorTekstu(QWidget *w, QColor kolor)
{
    // Only for the enabled states: a disabled control keeps the style's grey.
    QPalette p = w->palette();
    for (auto grupa : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(grupa, QPalette::WindowText, kolor);
        p.setColor(grupa, QPalette::ButtonText, kolor);
        p.setColor(grupa, QPalette::Text, kolor);
    }
    w->setPalette(p);
}

void ustawTlo(QWidget *w, QColor kolor)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kolor);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont arial(int punkty, bool pogrubiona = false)
{
    QFont f(QStringLiteral("Arial"), punkty);
    f.setBold(pogrubiona);
    return f;
}

QLabel *etykieta(QWidget *rodzic, const char *nazwa, const QString &tekst, int x, int y,
                 int punkty = 9, bool pogrubiona = false, QColor kolor = Qt::black)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setObjectName(QLatin1String(nazwa));
    l->setFont(arial(punkty, pogrubiona));
    ustawKolorTekstu(l, kolor);
    l->move(x, y);
    l->adjustSize();
    return l;
}

// Unit labels: Arial 8, grey.
QLabel *jednostka(QWidget *rodzic, const char *nazwa, const QString &tekst, int x, int y)
{
    return etykieta(rodzic, nazwa, tekst, x, y, 8, false, Szary);
}

QLineEdit *pole(QWidget *rodzic, const char *nazwa, int x, int y, int szer)
{
    auto *e = new QLineEdit(rodzic);
    e->setObjectName(QLatin1String(nazwa));
    e->setAccessibleName(QLatin1String(nazwa));
    e->setFont(arial(9));
    ustawKolorTekstu(e, Granatowy);
    e->setGeometry(x, y, szer, 21);
    return e;
}

QToolButton *przycisk(QWidget *rodzic, const char *nazwa, const QString &tekst, QStyle::StandardPixmap ikona,
                      int x, int y, int szer, int wys = 28)
{
    auto *b = new QToolButton(rodzic);
    b->setObjectName(QLatin1String(nazwa));
    b->setText(tekst);
    b->setAccessibleName(tekst);
    b->setAutoRaise(true);
    b->setIcon(rodzic->style()->standardIcon(ikona));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The picture stands to the right of the caption.
    b->setLayoutDirection(Qt::RightToLeft);
    b->setFont(arial(9));
    ustawKolorTekstu(b, Kasztanowy);
    b->setGeometry(x, y, szer, wys);
    if (szer == 0)
        b->resize(b->sizeHint().width(), wys);
    return b;
}

template <typename T>
T *zaznaczane(QWidget *rodzic, const char *nazwa, const QString &tekst, int x, int y, int szer)
{
    auto *w = new T(tekst, rodzic);
    w->setObjectName(QLatin1String(nazwa));
    w->setFont(arial(9));
    ustawKolorTekstu(w, Kasztanowy);
    w->setGeometry(x, y, szer, 20);
    return w;
}

QFrame *panel(QWidget *rodzic, const char *nazwa, QRect miejsce, QColor tlo)
{
    auto *p = new QFrame(rodzic);
    p->setObjectName(QLatin1String(nazwa));
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setLineWidth(1);
    ustawTlo(p, tlo);
    p->setGeometry(miejsce);
    return p;
}

QTextEdit *memo(QWidget *rodzic, const char *nazwa, const QStringList &wiersze, QRect miejsce, bool wysrodkuj)
{
    auto *m = new QTextEdit(rodzic);
    m->setObjectName(QLatin1String(nazwa));
    m->setReadOnly(true);
    m->setFont(arial(9));
    m->setPlainText(wiersze.join(u'\n'));
    if (wysrodkuj) {
        QTextCursor k(m->document());
        k.select(QTextCursor::Document);
        QTextBlockFormat f;
        f.setAlignment(Qt::AlignHCenter);
        k.mergeBlockFormat(f);
    }
    m->setEnabled(false);
    // Disabled, but still to be read.
    QPalette p = m->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(48, 48, 48));
    m->setPalette(p);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setGeometry(miejsce);
    return m;
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
    g.drawEllipse(QRectF(8, 10, 26, 20));   // North America
    g.drawEllipse(QRectF(24, 34, 12, 24));  // South America
    g.drawEllipse(QRectF(44, 10, 16, 12));  // Europe
    g.drawEllipse(QRectF(46, 24, 16, 26));  // Africa
    g.drawEllipse(QRectF(58, 8, 34, 24));   // Asia
    g.drawEllipse(QRectF(78, 42, 14, 10));  // Australia
    g.setPen(QColor(255, 255, 255, 120));
    g.setBrush(Qt::NoBrush);
    g.drawLine(0, 34, 101, 34);
    return obraz;
}

} // namespace

Tkoperta_f::Tkoperta_f(Kontekst &kontekst, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_kontekst(kontekst),
      m_fonty(kontekst)
{
    setObjectName(QStringLiteral("koperta_f"));
    setWindowTitle(QStringLiteral("Wydruk kopert"));
    setFixedSize(824, 548);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    ustawTlo(this, QColor(243, 243, 243));
    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(ekran->availableGeometry().center());
        move(r.topLeft());
    }

    // Sender panel
    Panel1 = panel(this, "Panel1", QRect(8, 8, 400, 132), QColor(248, 248, 248));
    Label1 = etykieta(Panel1, "Label1", QStringLiteral("Nadawca"), 10, 6, 9, true);
    n1 = pole(Panel1, "n1", 10, 26, 380);
    n2 = pole(Panel1, "n2", 10, 51, 380);
    n3 = pole(Panel1, "n3", 10, 76, 380);
    n4 = pole(Panel1, "n4", 10, 101, 380);

    // Parameters group
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 146, 400, 394);
    Label14 = etykieta(GroupBox1, "Label14", QStringLiteral("Parametry koperty"), 10, 12, 9, true);
    poziomo = zaznaczane<QCheckBox>(GroupBox1, "poziomo", QStringLiteral("drukuj poziomo"), 260, 10, 130);
    Label16 = etykieta(GroupBox1, "Label16", QStringLiteral("Odbiorca"), 10, 36);
    Label3 = jednostka(GroupBox1, "Label3", QStringLiteral("od lewej (mm)"), 110, 38);
    Label4 = jednostka(GroupBox1, "Label4", QStringLiteral("od góry (mm)"), 200, 38);
    QRadioButton **przyciski[4] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    QLineEdit **lewe[4] = {&l1, &l2, &l3, &l4};
    QLineEdit **gorne[4] = {&g1, &g2, &g3, &g4};
    const char *nazwyPrzyciskow[4] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
    const char *nazwyLewych[4] = {"l1", "l2", "l3", "l4"};
    const char *nazwyGornych[4] = {"g1", "g2", "g3", "g4"};
    for (int i = 0; i < 4; ++i) {
        const int y = 56 + i * 24;
        *przyciski[i] = zaznaczane<QRadioButton>(GroupBox1, nazwyPrzyciskow[i],
                                                 QStringLiteral("rozmiar %1").arg(i + 1), 10, y, 95);
        *lewe[i] = pole(GroupBox1, nazwyLewych[i], 110, y, 70);
        *gorne[i] = pole(GroupBox1, nazwyGornych[i], 200, y, 70);
    }
    Label17 = etykieta(GroupBox1, "Label17", QStringLiteral("Nadawca"), 10, 158);
    Label12 = jednostka(GroupBox1, "Label12", QStringLiteral("od lewej (mm)"), 110, 160);
    Label15 = jednostka(GroupBox1, "Label15", QStringLiteral("od góry (mm)"), 200, 160);
    Label8 = jednostka(GroupBox1, "Label8", QStringLiteral("odstęp (mm)"), 290, 160);
    l_n = pole(GroupBox1, "l_n", 110, 176, 70);
    g_n = pole(GroupBox1, "g_n", 200, 176, 70);
    od = pole(GroupBox1, "od", 290, 176, 70);
    Shape1 = new QFrame(GroupBox1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(10, 208, 380, 3);
    ustawTlo(Shape1, QColor(200, 200, 200));
    Label13 = etykieta(GroupBox1, "Label13", QStringLiteral("Parametry Logo"), 10, 218, 9, true);
    Label9 = jednostka(GroupBox1, "Label9", QStringLiteral("od lewej (pix)"), 10, 242);
    Label10 = jednostka(GroupBox1, "Label10", QStringLiteral("od góry (pix)"), 100, 242);
    l_log = pole(GroupBox1, "l_log", 10, 258, 70);
    g_log = pole(GroupBox1, "g_log", 100, 258, 70);
    Bevel1 = new QFrame(GroupBox1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(280, 218, 107, 75);
    m_zastepczy = mapaSwiata();
    m_obrazPodgladu = m_zastepczy;
    Image2 = new QLabel(GroupBox1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    Image2->setGeometry(283, 221, 101, 69);
    Image2->setPixmap(QPixmap::fromImage(m_obrazPodgladu));
    SpeedButton6 = przycisk(GroupBox1, "SpeedButton6", QStringLiteral("Dołącz obrazek"),
                            QStyle::SP_DialogOpenButton, 10, 296, 0);
    SpeedButton7 = przycisk(GroupBox1, "SpeedButton7", QStringLiteral("Odłącz obrazek"),
                            QStyle::SP_DialogDiscardButton, 145, 296, 0);
    logo = zaznaczane<QCheckBox>(GroupBox1, "logo", QStringLiteral("drukuj obrazek"), 280, 300, 110);
    logo->setEnabled(false); // no picture named yet
    Label11 = etykieta(GroupBox1, "Label11", QStringLiteral("lokalizacja obrazka"), 10, 332);
    nazwa = pole(GroupBox1, "nazwa", 10, 350, 380);
    nazwa->setReadOnly(true);

    // Command column
    struct Polecenie { QToolButton **przycisk; const char *nazwa; QString tekst; QStyle::StandardPixmap ikona; };
    const Polecenie polecenia[] = {
        {&SpeedButton2, "SpeedButton2", QStringLiteral("Zapisz ustalenia jako domyślne"), QStyle::SP_DialogSaveButton},
        {&SpeedButton12, "SpeedButton12", QStringLiteral("Czytaj ustalenia domyślne"), QStyle::SP_BrowserReload},
        {&SpeedButton3, "SpeedButton3", QStringLiteral("Czcionka druku"), QStyle::SP_FileDialogDetailedView},
        {&SpeedButton11, "SpeedButton11", QStringLiteral("Zapisz profil"), QStyle::SP_DriveFDIcon},
        {&SpeedButton10, "SpeedButton10", QStringLiteral("Czytaj profil"), QStyle::SP_DirOpenIcon},
        {&SpeedButton9, "SpeedButton9", QStringLiteral("Pomoc"), QStyle::SP_DialogHelpButton},
        {&SpeedButton4, "SpeedButton4", QStringLiteral("Drukuj kopertę"), QStyle::SP_FileIcon},
    };
    int y = 10;
    for (const Polecenie &p : polecenia) {
        *p.przycisk = przycisk(this, p.nazwa, p.tekst, p.ikona, 420, y, 240, 30);
        y += 34;
    }

    // Decoration, clock and preset label
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(znaczek());
    Image1->setGeometry(724, 8, 84, 100);
    Label5 = etykieta(this, "Label5", QStringLiteral("00:00:00"), 700, 118, 10, false, Szary);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5->setGeometry(680, 118, 128, 20);
    Label7 = etykieta(this, "Label7", QString(), 600, 270, 9, false, Szary);
    Label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The sizes are shown as typed, even when they look like markup.
    Label7->setTextFormat(Qt::PlainText);
    Label7->setGeometry(560, 268, 248, 20);

    // Recipient panel
    Panel2 = panel(this, "Panel2", QRect(416, 296, 400, 244), QColor(248, 248, 248));
    Label2 = etykieta(Panel2, "Label2", QStringLiteral("Odbiorca"), 10, 6, 9, true);
    Label6 = etykieta(Panel2, "Label6", QStringLiteral("Forma"), 10, 30);
    o1 = pole(Panel2, "o1", 60, 27, 110);
    o2 = pole(Panel2, "o2", 10, 53, 380);
    o3 = pole(Panel2, "o3", 10, 78, 380);
    o4 = pole(Panel2, "o4", 10, 103, 380);
    o5 = pole(Panel2, "o5", 10, 128, 380);
    Memo2 = memo(Panel2, "Memo2",
                 {QStringLiteral("Po zdefiniowanu parametrów nadawcy, odbiorcy oraz logo zapisz definicje "),
                  QStringLiteral("w postaci profilu któremu nadaj przyjazną nazwę. W każdej chwili możesz "),
                  QStringLiteral("taki profil wczytać i drukować koperty na jego podstawie.")},
                 QRect(10, 154, 380, 54), true);
    Memo2->document()->setDocumentMargin(2);
    Memo2->setFont(arial(8));
    Memo2->setLineWrapMode(QTextEdit::NoWrap);
    SpeedButton1 = przycisk(Panel2, "SpeedButton1", QStringLiteral("Koniec"), QStyle::SP_DialogCloseButton,
                            298, 210, 94, 28);

    // Help panel
    Panel3 = panel(this, "Panel3", QRect(93, 62, 636, 390), QColor(239, 239, 239));
    Memo1 = memo(Panel3, "Memo1",
                 {QStringLiteral("1.Określ położenie napisów odbiorcy od lewej i górnej krawędzi koperty."),
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
                  QStringLiteral("wierszami.")},
                 QRect(8, 8, 620, 334), false);
    SpeedButton8 = przycisk(Panel3, "SpeedButton8", QStringLiteral("Powrót"), QStyle::SP_ArrowBack,
                            528, 350, 100, 32);
    Panel3->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    connect(RadioButton1, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton3Click);
    connect(RadioButton4, &QRadioButton::clicked, this, &Tkoperta_f::RadioButton4Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton4Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton7Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton8Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton9Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton10Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton11Click);
    connect(SpeedButton12, &QToolButton::clicked, this, &Tkoperta_f::SpeedButton12Click);
    connect(Timer1, &QTimer::timeout, this, &Tkoperta_f::Timer1Timer);
    Timer1->start();

    FormCreate();
}

// ---- helpers

QRadioButton *Tkoperta_f::przyciskRozmiaru(int numer) const
{
    switch (numer) {
    case 1: return RadioButton1;
    case 2: return RadioButton2;
    case 3: return RadioButton3;
    case 4: return RadioButton4;
    default: return nullptr;
    }
}

QLineEdit *Tkoperta_f::poleOdLewej(int numer) const
{
    QLineEdit *const pola[4] = {l1, l2, l3, l4};
    return pola[numer - 1];
}

QLineEdit *Tkoperta_f::poleOdGory(int numer) const
{
    QLineEdit *const pola[4] = {g1, g2, g3, g4};
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
    return logo->isChecked() && logo->isEnabled();
}

void Tkoperta_f::etykietaRozmiaru(int numer)
{
    Label7->setText(QStringLiteral("Rozmiar ") + poleOdLewej(numer)->text() + u'X' + poleOdGory(numer)->text());
}

void Tkoperta_f::zaznaczRozmiar(int numer)
{
    QRadioButton *przycisk = przyciskRozmiaru(numer);
    if (!przycisk || przycisk->isChecked())
        return;
    przycisk->setChecked(true);
    etykietaRozmiaru(numer);
}

UstawieniaKoperty Tkoperta_f::ustawienia() const
{
    UstawieniaKoperty u;
    u.nadawca = {n1->text(), n2->text(), n3->text(), n4->text()};
    for (int i = 1; i <= 4; ++i) {
        u.odLewej[i - 1] = poleOdLewej(i)->text();
        u.odGory[i - 1] = poleOdGory(i)->text();
    }
    u.odstep = od->text();
    u.nadawcaOdLewej = l_n->text();
    u.nadawcaOdGory = g_n->text();
    u.nazwaObrazka = nazwa->text();
    u.logoOdLewej = l_log->text();
    u.logoOdGory = g_log->text();
    u.formaAdresu = o1->text();
    u.rozmiar = quint8(wybranyRozmiar());
    u.logo = logo->isChecked() ? 1 : 0;
    u.poziomo = poziomo->isChecked() ? 1 : 0;
    return u;
}

void Tkoperta_f::zastosujOpcje(const UstawieniaKoperty &u)
{
    zaznaczRozmiar(u.rozmiar); // a value outside 1..4 leaves the radio buttons
    if (u.logo <= 1)
        logo->setChecked(u.logo == 1);
    if (u.poziomo <= 1)
        poziomo->setChecked(u.poziomo == 1);
}

void Tkoperta_f::zastosujLogo(const UstawieniaKoperty &u)
{
    nazwa->setText(u.nazwaObrazka);
    l_log->setText(u.logoOdLewej);
    g_log->setText(u.logoOdGory);
}

void Tkoperta_f::zastosujUklad(const UstawieniaKoperty &u, bool zNadawca)
{
    if (zNadawca) {
        n1->setText(u.nadawca[0]);
        n2->setText(u.nadawca[1]);
        n3->setText(u.nadawca[2]);
        n4->setText(u.nadawca[3]);
    }
    for (int i = 1; i <= 4; ++i) {
        poleOdLewej(i)->setText(u.odLewej[i - 1]);
        poleOdGory(i)->setText(u.odGory[i - 1]);
    }
    l_n->setText(u.nadawcaOdLewej);
    g_n->setText(u.nadawcaOdGory);
    od->setText(u.odstep);
}

void Tkoperta_f::oproznijObrazki()
{
    m_obrazDruku = QImage();
    m_obrazPodgladu = m_zastepczy;
    Image2->setPixmap(QPixmap::fromImage(m_obrazPodgladu));
}

bool Tkoperta_f::zaladujObrazkiLogo()
{
    const QString plik = nazwa->text();
    if (!obrazekIstnieje(plik))
        return true; // both pictures keep what they hold
    const ObrazJpeg wynik = wczytajJpeg(plik);
    if (!wynik.ok()) {
        // A picture that cannot be loaded must not leave an earlier logo to be printed.
        oproznijObrazki();
        dialogi().blad(this, wynik.blad);
        return false;
    }
    m_obrazPodgladu = wynik.obraz;
    Image2->setPixmap(QPixmap::fromImage(m_obrazPodgladu));
    m_obrazDruku = wynik.obraz;
    return true;
}

void Tkoperta_f::ustawPoleLogo()
{
    logo->setEnabled(obrazekIstnieje(nazwa->text()));
}

void Tkoperta_f::przejdzDoKataloguDanych()
{
    m_kontekst.przejdzDo(m_magazyn.katalog());
}

bool Tkoperta_f::blad(const BladIO &b)
{
    if (b)
        pokazBlad(this, b);
    return bool(b);
}

// ---- operations

bool Tkoperta_f::pokazDlaKlienta(const std::array<QString, 4> &nadawca, const std::array<QString, 4> &odbiorca)
{
    QLineEdit *const polaOdbiorcy[] = {o2, o3, o4, o5};
    QLineEdit *const polaNadawcy[] = {n1, n2, n3, n4};
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

bool Tkoperta_f::drukujDlaKlientow(QWidget *rodzic, const std::array<QString, 4> &nadawcaFirmy,
                                   const QList<std::array<QString, 4>> &odbiorcy)
{
    // Temporary: the print dialog and the job, without preview or progress.
    QPrinter &dr = drukarka();
    if (odbiorcy.isEmpty() || !dialogi().drukuj(rodzic, &dr))
        return false;
    if (!m_fonty.CzytajFonty(this, PlikCzcionki))
        return false;
    UstawieniaKoperty u = ustawienia();
    u.nadawca = nadawcaFirmy;
    u.logo = drukujLogo() ? 1 : 0;
    QList<DaneKoperty> koperty;
    for (const auto &odbiorca : odbiorcy)
        koperty.append(daneKoperty(u, odbiorca, m_obrazDruku, m_fonty.czcionka()));
    if (const auto blad = drukujNaDrukarce(dr, koperty)) {
        dialogi().blad(rodzic, *blad);
        return false;
    }
    return true;
}

bool Tkoperta_f::FormCreate()
{
    // 1. The envelope data root, from the working directory at this moment.
    const KatalogDanych katalog = m_kontekst.rozwiazKatalogDanych();
    m_magazyn.ustawKatalog(katalog.katalog);
    if (blad(katalog.blad))
        return false;

    // 2.
    zaznaczRozmiar(1);
    poziomo->setChecked(false);
    logo->setChecked(false);
    Panel3->hide();

    // 3. The sender lines and the recipient fields are left alone.
    for (QLineEdit *e : {l1, l2, l3, l4, l_n, g1, g2, g3, g4, g_n, od, nazwa, l_log, g_log})
        e->clear();

    // 4., 5. Logo record, then the layout record without its sender lines; a missing
    // file is created first.
    UstawieniaKoperty u;
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Logo, u, true)))
        return false;
    zastosujLogo(u);
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Uklad, u, true)))
        return false;
    zastosujUklad(u, false);

    // 6.
    RadioButton1Click();

    // 7. A logo that cannot be loaded is reported, but does not stop the set-up: the
    // window must still open, or the user could never detach the damaged picture.
    zaladujObrazkiLogo();

    // 8., 9. Form of address, print options.
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Forma, u, true)))
        return false;
    o1->setText(u.formaAdresu);
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Opcje, u, true)))
        return false;
    zastosujOpcje(u);

    // 10., 11.
    ustawPoleLogo();
    setWindowTitle(TytulDomyslny);
    return true;
}

void Tkoperta_f::RadioButton1Click() { etykietaRozmiaru(1); }
void Tkoperta_f::RadioButton2Click() { etykietaRozmiaru(2); }
void Tkoperta_f::RadioButton3Click() { etykietaRozmiaru(3); }
void Tkoperta_f::RadioButton4Click() { etykietaRozmiaru(4); }

void Tkoperta_f::SpeedButton12Click()
{
    if (!dialogi().pytanie(this, QStringLiteral("Wczytać ustawienia domyślne ?")))
        return;
    przejdzDoKataloguDanych();
    zaznaczRozmiar(1);
    poziomo->setChecked(false);
    logo->setChecked(false);

    // Each record shows as soon as it is read; an error stops at that record.
    UstawieniaKoperty u;
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Opcje, u)))
        return;
    zastosujOpcje(u);
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Logo, u)))
        return;
    zastosujLogo(u);
    if (blad(m_magazyn.wczytaj(MagazynKoperty::Rekord::Uklad, u)))
        return;
    zastosujUklad(u, true);

    if (const int n = wybranyRozmiar())
        etykietaRozmiaru(n);
    if (!zaladujObrazkiLogo())
        return;
    ustawPoleLogo();
    setWindowTitle(TytulDomyslny);
}

void Tkoperta_f::SpeedButton2Click()
{
    if (blad(m_magazyn.zapiszDomyslne(ustawienia())))
        return;
    ustawPoleLogo();
}

void Tkoperta_f::SpeedButton10Click()
{
    UstawieniaPliku ust;
    ust.filtr = QStringLiteral("Pliki profilów (*.pro)");
    ust.rozszerzenie = QStringLiteral("pro");
    ust.katalog = m_magazyn.katalogProfili();
    ust.obiekt = QStringLiteral("OpenDialog2");
    const QString plik = dialogi().otworzPlik(this, ust);
    if (plik.isEmpty())
        return;

    UstawieniaKoperty u;
    if (blad(m_magazyn.wczytajProfil(plik, u)))
        return;
    zastosujUklad(u, true);
    zastosujLogo(u);
    zastosujOpcje(u);
    if (!zaladujObrazkiLogo())
        return;
    ustawPoleLogo();
    przejdzDoKataloguDanych();
    setWindowTitle(QStringLiteral("Adresowanie kopert ") +
                   QDir::toNativeSeparators(QFileInfo(plik).absoluteFilePath()));
}

void Tkoperta_f::SpeedButton11Click()
{
    UstawieniaPliku ust;
    ust.filtr = QStringLiteral("Pliki profilów (*.pro)");
    ust.rozszerzenie = QStringLiteral("pro");
    ust.katalog = m_magazyn.katalogProfili();
    ust.pytajONadpisanie = true;
    ust.obiekt = QStringLiteral("SaveDialog1");
    const QString plik = dialogi().zapiszPlik(this, ust);
    if (plik.isEmpty())
        return;
    if (blad(m_magazyn.zapiszProfil(plik, ustawienia())))
        return;
    przejdzDoKataloguDanych();
}

void Tkoperta_f::SpeedButton6Click()
{
    UstawieniaPliku ust;
    ust.filtr = QStringLiteral("Pliki graficzne (*.jpg)");
    ust.rozszerzenie = QStringLiteral("jpg");
    ust.obiekt = QStringLiteral("OpenDialog1");
    const QString plik = dialogi().otworzPlik(this, ust);
    if (plik.isEmpty())
        return;
    nazwa->setText(QDir::toNativeSeparators(QFileInfo(plik).absoluteFilePath()));
    if (!zaladujObrazkiLogo())
        return;
    ustawPoleLogo();
    przejdzDoKataloguDanych();
}

void Tkoperta_f::SpeedButton7Click()
{
    nazwa->clear();
    ustawPoleLogo();
    // Nothing of the detached picture stays behind to be printed.
    oproznijObrazki();
}

void Tkoperta_f::SpeedButton3Click()
{
    m_fonty.ZapiszFonty(this, PlikCzcionki);
}

void Tkoperta_f::SpeedButton4Click()
{
    // The controls are read once the print dialog has closed, as they stand then.
    wykonajDrukKoperty(this, drukarka(), [this]() -> std::optional<DaneKoperty> {
        // The print font is read at every print, so a font just chosen counts.
        if (!m_fonty.CzytajFonty(this, PlikCzcionki))
            return std::nullopt;
        UstawieniaKoperty u = ustawienia();
        u.logo = drukujLogo() ? 1 : 0; // a disabled box counts as unticked
        return daneKoperty(u, {o2->text(), o3->text(), o4->text(), o5->text()}, m_obrazDruku, m_fonty.czcionka());
    });
}

void Tkoperta_f::SpeedButton9Click()
{
    Panel3->setGeometry(93, 62, 636, 390);
    Panel3->raise();
    Panel3->show();
}

void Tkoperta_f::SpeedButton8Click()
{
    Panel3->hide();
}

void Tkoperta_f::SpeedButton1Click()
{
    if (!dialogi().pytanie(this, QStringLiteral("Koniec pracy ?")))
        return;
    if (blad(m_magazyn.zapiszForme(o1->text())))
        return;
    setEnabled(false);
    hide();
    close();
}

void Tkoperta_f::Timer1Timer()
{
    Label5->setText(QLocale::system().toString(QTime::currentTime(), formatCzasu()));
}
