#include "fontydruku.h"

#include "kontekst.h"
#include "rekord.h"

FontyDruku::FontyDruku(const Kontekst &kontekst, Dialogi &dialogi)
    : m_kontekst(kontekst)
    , m_dialogi(dialogi)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    m_dialog = {f, RekordCzcionki::KolorTekstuOkna};
}

QString FontyDruku::sciezkaPliku(const QString &nazwa) const
{
    return m_kontekst.sciezkaRobocza(QStringLiteral("\\FONT\\") + nazwa);
}

bool FontyDruku::CzytajFonty(QWidget *rodzic, const QString &nazwa)
{
    if (const BladIO blad = ::CzytajFonty(sciezkaPliku(nazwa), m_czcionka)) {
        pokazBlad(m_dialogi, rodzic, blad);
        return false;
    }
    return true;
}

bool FontyDruku::ZapiszFonty(QWidget *rodzic, const QString &nazwa)
{
    const QString sciezka = sciezkaPliku(nazwa);
    if (plikIstnieje(sciezka)) {
        // Only the record is read afresh here; the current face and size stay.
        if (const BladIO blad = czytajRekord(sciezka, m_czcionka.rekord, RekordCzcionki::Rozmiar)) {
            pokazBlad(m_dialogi, rodzic, blad);
            return false;
        }
        // The chooser opens with the stored font: colour, face, size, style.
        m_dialog.kolor = m_czcionka.kolor();
        const QString twarz = RekordCzcionki::nazwa(m_czcionka.rekord);
        if (!twarz.isEmpty())
            m_dialog.czcionka.setFamily(twarz);
        if (RekordCzcionki::wielkosc(m_czcionka.rekord) > 0)
            m_dialog.czcionka.setPointSize(RekordCzcionki::wielkosc(m_czcionka.rekord));
        RekordCzcionki::ustawStyl(m_dialog.czcionka, m_czcionka.styl());
    }

    const std::optional<WyborCzcionki> wybor = m_dialogi.czcionka(rodzic, m_dialog);
    if (!wybor)
        return true;
    m_dialog = *wybor;
    if (const BladIO blad = ::ZapiszFonty(sciezka, m_czcionka, m_dialog.czcionka, m_dialog.kolor)) {
        pokazBlad(m_dialogi, rodzic, blad);
        return false;
    }
    return true;
}
