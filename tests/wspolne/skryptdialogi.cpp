#include "skryptdialogi.h"

SkryptDialogi &SkryptDialogi::tak()
{
    m_odpowiedzi.append({Rodzaj::Tak, {}, {}, {}});
    return *this;
}
SkryptDialogi &SkryptDialogi::nie()
{
    m_odpowiedzi.append({Rodzaj::Nie, {}, {}, {}});
    return *this;
}
SkryptDialogi &SkryptDialogi::plik(const QString &s)
{
    m_odpowiedzi.append({Rodzaj::Plik, s, {}, {}});
    return *this;
}
SkryptDialogi &SkryptDialogi::anuluj()
{
    m_odpowiedzi.append({Rodzaj::Anuluj, {}, {}, {}});
    return *this;
}
SkryptDialogi &SkryptDialogi::tekst(const QString &t)
{
    m_odpowiedzi.append({Rodzaj::Tekst, t, {}, {}});
    return *this;
}
SkryptDialogi &SkryptDialogi::drukarka(std::function<void(QPrinter *)> ustaw)
{
    m_odpowiedzi.append({Rodzaj::Drukarka, {}, std::move(ustaw), {}});
    return *this;
}
SkryptDialogi &SkryptDialogi::czcionka(const WyborCzcionki &w)
{
    m_odpowiedzi.append({Rodzaj::Czcionka, {}, {}, w});
    return *this;
}

QStringList SkryptDialogi::teksty(const QString &rodzaj) const
{
    QStringList wynik;
    for (const auto &w : wywolania)
        if (w.rodzaj == rodzaj)
            wynik.append(w.tekst);
    return wynik;
}

void SkryptDialogi::wyczysc()
{
    wywolania.clear();
    niespodziewane.clear();
    m_odpowiedzi.clear();
}

std::optional<SkryptDialogi::Odpowiedz> SkryptDialogi::wez(const QString &rodzaj,
                                                           std::initializer_list<Rodzaj> pasujace)
{
    if (!m_odpowiedzi.isEmpty()) {
        for (Rodzaj r : pasujace) {
            if (m_odpowiedzi.constFirst().rodzaj == r)
                return m_odpowiedzi.takeFirst();
        }
    }
    niespodziewane.append(rodzaj + QStringLiteral(": ")
                          + (wywolania.isEmpty() ? QString() : wywolania.constLast().tekst));
    return std::nullopt;
}

bool SkryptDialogi::pytanie(QWidget *, const QString &tekst)
{
    wywolania.append({QStringLiteral("pytanie"), tekst, {}, {}});
    const auto o = wez(QStringLiteral("pytanie"), {Rodzaj::Tak, Rodzaj::Nie});
    return o && o->rodzaj == Rodzaj::Tak;
}

bool SkryptDialogi::pytanieDomyslnieNie(QWidget *rodzic, const QString &tekst)
{
    return pytanie(rodzic, tekst);
}

std::optional<bool> SkryptDialogi::pytanieZAnuluj(QWidget *, const QString &tekst)
{
    wywolania.append({QStringLiteral("pytanie"), tekst, {}, {}});
    const auto o = wez(QStringLiteral("pytanie"), {Rodzaj::Tak, Rodzaj::Nie, Rodzaj::Anuluj});
    if (!o || o->rodzaj == Rodzaj::Anuluj)
        return std::nullopt;
    return o->rodzaj == Rodzaj::Tak;
}

void SkryptDialogi::informacja(QWidget *, const QString &tekst)
{
    wywolania.append({QStringLiteral("informacja"), tekst, {}, {}});
}

void SkryptDialogi::blad(QWidget *, const QString &tekst)
{
    wywolania.append({QStringLiteral("blad"), tekst, {}, {}});
}

QString SkryptDialogi::otworzPlik(QWidget *, const UstawieniaPliku &u)
{
    wywolania.append({QStringLiteral("otworz"), u.katalog, u, {}});
    const auto o = wez(QStringLiteral("otworz"), {Rodzaj::Plik, Rodzaj::Anuluj});
    if (!o || o->rodzaj != Rodzaj::Plik)
        return {};
    return dodajRozszerzenie(o->tekst, u.rozszerzenie);
}

QString SkryptDialogi::zapiszPlik(QWidget *, const UstawieniaPliku &u)
{
    wywolania.append({QStringLiteral("zapisz"), u.katalog, u, {}});
    const auto o = wez(QStringLiteral("zapisz"), {Rodzaj::Plik, Rodzaj::Anuluj});
    if (!o || o->rodzaj != Rodzaj::Plik)
        return {};
    return dodajRozszerzenie(o->tekst, u.rozszerzenie);
}

std::optional<QString> SkryptDialogi::wpisz(QWidget *, const QString &tytul, const QString &zacheta)
{
    wywolania.append({QStringLiteral("wpisz"), tytul + u'|' + zacheta, {}, {}});
    const auto o = wez(QStringLiteral("wpisz"), {Rodzaj::Tekst, Rodzaj::Anuluj});
    if (!o || o->rodzaj != Rodzaj::Tekst)
        return std::nullopt;
    return o->tekst;
}

bool SkryptDialogi::drukuj(QWidget *, QPrinter *drukarka)
{
    wywolania.append({QStringLiteral("drukuj"), {}, {}, {}});
    const auto o = wez(QStringLiteral("drukuj"), {Rodzaj::Drukarka, Rodzaj::Anuluj});
    if (!o || o->rodzaj != Rodzaj::Drukarka)
        return false;
    if (o->ustaw)
        o->ustaw(drukarka);
    return true;
}

std::optional<WyborCzcionki> SkryptDialogi::czcionka(QWidget *, const WyborCzcionki &poczatkowa)
{
    wywolania.append({QStringLiteral("czcionka"), poczatkowa.czcionka.family(), {}, poczatkowa});
    const auto o = wez(QStringLiteral("czcionka"), {Rodzaj::Czcionka, Rodzaj::Anuluj});
    if (!o || o->rodzaj != Rodzaj::Czcionka)
        return std::nullopt;
    return o->czcionka;
}
