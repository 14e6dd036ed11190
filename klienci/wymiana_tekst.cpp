#include "wymiana_tekst.h"

#include "tekst.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>

using namespace Klienci;

namespace Wymiana {

QChar bezOgonka(QChar c)
{
    static const QString z = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    static const QString na = QStringLiteral("acelnoszzACELNOSZZ");
    const qsizetype i = z.indexOf(c);
    return i >= 0 ? na[i] : c;
}

QString uproscNazwe(QStringView s)
{
    QString wynik;
    wynik.reserve(s.size());
    for (QChar c : s) {
        c = bezOgonka(c);
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            wynik.append(c.toLower());
    }
    return wynik;
}

QByteArrayView bezBomUtf8(QByteArrayView b)
{
    return b.startsWith("\xEF\xBB\xBF") ? b.sliced(3) : b;
}

std::optional<QString> zUtf16(QByteArrayView b)
{
    if (!b.startsWith("\xFF\xFE") && !b.startsWith("\xFE\xFF"))
        return std::nullopt;
    QStringDecoder d(b.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    return QString(d.decode(b.sliced(2)));
}

std::optional<QString> zUtf8(QByteArrayView b)
{
    if (!b.isValidUtf8())
        return std::nullopt;
    return QString::fromUtf8(b);
}

QString jednaLinia(const QString &s)
{
    const auto sterujacy = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; };
    if (std::none_of(s.begin(), s.end(), sterujacy))
        return s;
    QString w;
    w.reserve(s.size());
    bool przerwa = false;
    for (QChar c : s) {
        if (c == u'\r' || c == u'\n') {
            przerwa = true;
            continue;
        }
        if (przerwa && !w.isEmpty())
            w += u' ';
        przerwa = false;
        w += sterujacy(c) ? QChar(u' ') : c;
    }
    return w;
}

qsizetype samotnySurogat(QStringView s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
        else if (s[i].isSurrogate())
            return i;
    }
    return -1;
}

QString dolacz(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + u' ' + b;
}

bool pustyKlient(const TekstyWiersza &t)
{
    return std::all_of(t.begin() + Nazwa1, t.end(), [](const QString &s) { return s.isEmpty(); });
}

WynikWczytania bladWczytania(const QString &blad, Format format)
{
    WynikWczytania w;
    w.blad = blad;
    w.format = format;
    return w;
}

QString bladRozmiaru()
{
    return QStringLiteral("Plik jest za duży (ponad %1 MB)").arg(MaksRozmiarPliku / (1024 * 1024));
}

std::optional<QByteArray> czytajCalosc(QIODevice &urzadzenie, QString &blad)
{
    constexpr qsizetype Kawalek = 64 * 1024;
    QByteArray dane;
    for (;;) {
        const qsizetype przed = dane.size();
        dane.resize(przed + Kawalek);
        const qint64 n = urzadzenie.read(dane.data() + przed, Kawalek);
        dane.resize(przed + std::max<qint64>(n, 0));
        if (n < 0) {
            blad = QStringLiteral("Błąd odczytu: %1").arg(urzadzenie.errorString());
            return std::nullopt;
        }
        if (dane.size() > MaksRozmiarPliku) {
            blad = bladRozmiaru();
            return std::nullopt;
        }
        if (n == 0)
            return dane;
    }
}

bool zapiszCalosc(QIODevice &urzadzenie, const QByteArray &dane, QString &blad)
{
    if (urzadzenie.write(dane) == dane.size())
        return true;
    blad = QStringLiteral("Błąd zapisu: %1").arg(urzadzenie.errorString());
    return false;
}

QByteArray kodujCp1250(QStringView s, bool &brak)
{
    brak = std::any_of(s.begin(), s.end(), [](QChar c) { return !miesciSieWCp1250(c); });
    return doCp1250(s);
}

QList<TekstyWiersza> klienciZListy(const ListaKlientow &lista, const QList<int> &wiersze)
{
    QList<TekstyWiersza> klienci;
    klienci.reserve(wiersze.size());
    for (int w : wiersze)
        klienci.append(lista.wiersz(w));
    return klienci;
}

} // namespace Wymiana
