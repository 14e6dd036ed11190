#include "dialogi.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

QMessageBox::StandardButton pokaz(QWidget *rodzic, QMessageBox::Icon ikona, const QString &tytul, const QString &tekst,
                                  QMessageBox::StandardButtons przyciski)
{
    QMessageBox okno(ikona, tytul, tekst, przyciski, rodzic);
    okno.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(okno.exec());
}

QString wybierzPlik(QWidget *rodzic, const UstawieniaPliku &u, QFileDialog::AcceptMode tryb)
{
    QFileDialog okno(rodzic);
    if (!u.obiekt.isEmpty())
        okno.setObjectName(u.obiekt);
    okno.setAcceptMode(tryb);
    if (!u.tytul.isEmpty())
        okno.setWindowTitle(u.tytul);
    if (!u.przycisk.isEmpty())
        okno.setLabelText(QFileDialog::Accept, u.przycisk);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setNameFilter(u.filtr);
    okno.setDefaultSuffix(u.rozszerzenie);
    if (!u.katalog.isEmpty() && QFileInfo(u.katalog).isDir())
        okno.setDirectory(u.katalog);
    if (!u.nazwa.isEmpty())
        okno.selectFile(u.nazwa);
    okno.setOption(QFileDialog::DontConfirmOverwrite, !u.pytajONadpisanie);
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return {};
    return dodajRozszerzenie(okno.selectedFiles().constFirst(), u.rozszerzenie);
}
} // namespace

void pokazBlad(Dialogi &dialogi, QWidget *rodzic, const BladIO &blad)
{
    dialogi.blad(rodzic, blad.tekst());
}

QString dodajRozszerzenie(const QString &sciezka, const QString &rozszerzenie)
{
    if (sciezka.isEmpty() || rozszerzenie.isEmpty())
        return sciezka;
    if (QFileInfo(sciezka).fileName().contains(u'.'))
        return sciezka;
    return sciezka + u'.' + rozszerzenie;
}

// ---- the real dialogs

bool PrawdziweDialogi::pytanie(QWidget *rodzic, const QString &tekst)
{
    return pokaz(rodzic, QMessageBox::NoIcon, QStringLiteral("Pytanie"), tekst, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

bool PrawdziweDialogi::pytanieDomyslnieNie(QWidget *rodzic, const QString &tekst)
{
    QMessageBox okno(QMessageBox::NoIcon, QStringLiteral("Pytanie"), tekst, QMessageBox::Yes | QMessageBox::No, rodzic);
    okno.setTextFormat(Qt::PlainText);
    okno.setDefaultButton(QMessageBox::No);
    okno.setEscapeButton(QMessageBox::No);
    return okno.exec() == QMessageBox::Yes;
}

std::optional<bool> PrawdziweDialogi::pytanieZAnuluj(QWidget *rodzic, const QString &tekst)
{
    QMessageBox okno(QMessageBox::NoIcon, QStringLiteral("Pytanie"), tekst,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, rodzic);
    okno.setTextFormat(Qt::PlainText);
    // The translation may be missing: the three answers are named here.
    okno.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
    okno.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
    okno.button(QMessageBox::Cancel)->setText(QStringLiteral("&Anuluj"));
    okno.setDefaultButton(QMessageBox::Yes);
    okno.setEscapeButton(QMessageBox::Cancel);
    switch (okno.exec()) {
    case QMessageBox::Yes: return true;
    case QMessageBox::No: return false;
    default: return std::nullopt;
    }
}

void PrawdziweDialogi::informacja(QWidget *rodzic, const QString &tekst)
{
    pokaz(rodzic, QMessageBox::NoIcon, QStringLiteral("Informacja"), tekst, QMessageBox::Ok);
}

void PrawdziweDialogi::blad(QWidget *rodzic, const QString &tekst)
{
    pokaz(rodzic, QMessageBox::Critical, QStringLiteral("Lista klientów"), tekst, QMessageBox::Ok);
}

QString PrawdziweDialogi::otworzPlik(QWidget *rodzic, const UstawieniaPliku &u)
{
    return wybierzPlik(rodzic, u, QFileDialog::AcceptOpen);
}

QString PrawdziweDialogi::zapiszPlik(QWidget *rodzic, const UstawieniaPliku &u)
{
    return wybierzPlik(rodzic, u, QFileDialog::AcceptSave);
}

std::optional<QString> PrawdziweDialogi::wpisz(QWidget *rodzic, const QString &tytul, const QString &zacheta)
{
    bool ok = false;
    const QString tekst = QInputDialog::getText(rodzic, tytul, zacheta, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return tekst;
}

bool PrawdziweDialogi::drukuj(QWidget *rodzic, QPrinter *drukarka)
{
    // The program's one print dialog, the envelope window's.
    QPrintDialog okno(drukarka, rodzic);
    okno.setObjectName(QStringLiteral("PrintDialog1"));
    return okno.exec() == QDialog::Accepted;
}

std::optional<WyborCzcionki> PrawdziweDialogi::czcionka(QWidget *rodzic, const WyborCzcionki &poczatkowa)
{
    // Qt's font dialog offers underline and strike-out but no colour: it is shown inside
    // a dialog of our own with a "Kolor:" choice of the 16 standard colours. The first
    // entry keeps the colour the dialog was preset with (also a system colour).
    QDialog okno(rodzic);
    okno.setObjectName(QStringLiteral("FontDialog1"));
    okno.setWindowTitle(QStringLiteral("Czcionka"));
    auto *uklad = new QVBoxLayout(&okno);

    auto *wybor = new QFontDialog(&okno);
    wybor->setObjectName(QStringLiteral("czcionka"));
    wybor->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    wybor->setWindowFlags(Qt::Widget);
    wybor->setSizeGripEnabled(false);
    wybor->setCurrentFont(poczatkowa.czcionka);
    uklad->addWidget(wybor);

    auto *wiersz = new QHBoxLayout;
    auto *etykieta = new QLabel(QStringLiteral("Kolor:"), &okno);
    auto *kolory = new QComboBox(&okno);
    kolory->setObjectName(QStringLiteral("kolor"));
    etykieta->setBuddy(kolory);
    wiersz->addWidget(etykieta);
    wiersz->addWidget(kolory);
    wiersz->addStretch(1);
    uklad->addLayout(wiersz);

    auto probka = [](const QColor &k) {
        QPixmap p(16, 12);
        p.fill(k);
        return QIcon(p);
    };
    const quint32 preset = quint32(poczatkowa.kolor);
    const bool systemowy = (preset & 0xFF000000u) != 0;
    if (systemowy)
        kolory->addItem(QStringLiteral("Bieżący"), QVariant());
    else
        kolory->addItem(probka(QColor(int(preset & 0xFF), int((preset >> 8) & 0xFF), int((preset >> 16) & 0xFF))),
                        QStringLiteral("Bieżący"), QVariant());
    struct Kolor
    {
        const char16_t *nazwa;
        int r, g, b;
    };
    static const Kolor standardowe[] = {
        {u"Czarny", 0, 0, 0},       {u"Kasztanowy", 128, 0, 0}, {u"Zielony", 0, 128, 0},
        {u"Oliwkowy", 128, 128, 0}, {u"Granatowy", 0, 0, 128},  {u"Purpurowy", 128, 0, 128},
        {u"Morski", 0, 128, 128},   {u"Szary", 128, 128, 128},  {u"Srebrny", 192, 192, 192},
        {u"Czerwony", 255, 0, 0},   {u"Limonkowy", 0, 255, 0},  {u"Żółty", 255, 255, 0},
        {u"Niebieski", 0, 0, 255},  {u"Fuksja", 255, 0, 255},   {u"Akwamaryna", 0, 255, 255},
        {u"Biały", 255, 255, 255},
    };
    for (const Kolor &k : standardowe) {
        const qint32 wartosc = qint32(quint32(k.r) | (quint32(k.g) << 8) | (quint32(k.b) << 16));
        kolory->addItem(probka(QColor(k.r, k.g, k.b)), QString::fromUtf16(k.nazwa), wartosc);
    }

    auto *przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &okno);
    uklad->addWidget(przyciski);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, &okno, &QDialog::accept);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, &okno, &QDialog::reject);
    // Enter and Escape inside the embedded font dialog end the whole dialog.
    QObject::connect(wybor, &QDialog::accepted, &okno, &QDialog::accept);
    QObject::connect(wybor, &QDialog::rejected, &okno, &QDialog::reject);

    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    const QVariant wybrany = kolory->currentData();
    return WyborCzcionki{wybor->currentFont(), wybrany.isValid() ? wybrany.toInt() : poczatkowa.kolor};
}
