#include "tfont_f.h"

#include "rekordczcionki.h"
#include "rekord.h"
#include "sciezki.h"

#include <QDir>

Tfont_f::Tfont_f(QWidget *parent)
    : QWidget(parent), m_rekord(RekordCzcionki::Rozmiar, '\0')
{
    setObjectName(QStringLiteral("font_f"));
    setWindowTitle(QStringLiteral("Fonty"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    m_dialog = {f, RekordCzcionki::KolorTekstuOkna};
    FormCreate();
}

QString Tfont_f::sciezkaPliku(const QString &nazwa)
{
    return sciezkaDanych(QDir::currentPath(), QStringLiteral("\\FONT\\") + nazwa);
}

quint8 Tfont_f::styl() const { return RekordCzcionki::styl(m_rekord); }
qint32 Tfont_f::kolor() const { return RekordCzcionki::kolor(m_rekord); }
QColor Tfont_f::kolorDruku() const { return kolorZZapisu(kolor()); }

bool Tfont_f::CzytajFonty(const QString &nazwa)
{
    const QString sciezka = sciezkaPliku(nazwa);
    if (!plikIstnieje(sciezka))
        return true;
    if (const BladIO blad = czytajRekord(sciezka, m_rekord, RekordCzcionki::Rozmiar)) {
        pokazBlad(this, blad);
        return false;
    }
    m_nazwa = RekordCzcionki::nazwa(m_rekord);
    m_wielkosc = RekordCzcionki::wielkosc(m_rekord);
    return true;
}

bool Tfont_f::ZapiszFonty(const QString &nazwa)
{
    const QString sciezka = sciezkaPliku(nazwa);
    if (plikIstnieje(sciezka)) {
        if (const BladIO blad = czytajRekord(sciezka, m_rekord, RekordCzcionki::Rozmiar)) {
            pokazBlad(this, blad);
            return false;
        }
        // The dialog opens with the stored font: colour, face, size, style.
        m_dialog.kolor = RekordCzcionki::kolor(m_rekord);
        const QString twarz = RekordCzcionki::nazwa(m_rekord);
        if (!twarz.isEmpty())
            m_dialog.czcionka.setFamily(twarz);
        if (RekordCzcionki::wielkosc(m_rekord) > 0)
            m_dialog.czcionka.setPointSize(RekordCzcionki::wielkosc(m_rekord));
        RekordCzcionki::ustawStyl(m_dialog.czcionka, RekordCzcionki::styl(m_rekord));
    }

    const std::optional<WyborCzcionki> wybor = dialogi().czcionka(this, m_dialog);
    if (!wybor)
        return true;
    m_dialog = *wybor;

    // The record and the current font change only once the file has been written.
    QByteArray nowy = m_rekord;
    RekordCzcionki::wpisz(nowy, m_dialog.czcionka, m_dialog.kolor);
    if (const BladIO blad = zapiszRekord(sciezka, nowy)) {
        pokazBlad(this, blad);
        return false;
    }
    m_rekord = nowy;
    m_nazwa = RekordCzcionki::nazwa(m_rekord);
    m_wielkosc = RekordCzcionki::wielkosc(m_rekord);
    return true;
}
