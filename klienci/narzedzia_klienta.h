// What the client list window hands to other tools for the client in its edit fields:
// the comments tool "notar" and the documents tool "teczkar" (started by program name
// with two arguments), and the firm's sender lines for the envelope window.
#pragma once

#include "rekord.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

enum class Narzedzie { Komentarze, Dokumenty };

// "notar" or "teczkar".
QString programNarzedzia(Narzedzie n);

// The two arguments, exactly: "<nip>.kom" and "Komentarze dla: <nazwa1> " (or
// "Dokumenty dla: <nazwa1> "). The texts go in as they stand, untrimmed.
QStringList argumentyNarzedzia(Narzedzie n, const QString &nip, const QString &nazwa1);

// The executable `program` beside the running program (`katalogProgramu`) or else on the
// search path (`sciezki`; empty: the system's PATH). Empty when not found.
QString znajdzNarzedzie(const QString &program, const QString &katalogProgramu, const QStringList &sciezki = {});

// Starts the tool for this client without waiting for it; the arguments are handed over
// as separate arguments, with no shell between, so quotes and spaces arrive whole.
// A tool that is missing or cannot be started changes nothing and is not reported:
// the result (false) is only for tests.
bool uruchomNarzedzie(Narzedzie n, const QString &nip, const QString &nazwa1);
// The same, looking the tool up in the given places. With `srodekOkna` (the main window's
// centre on the screen) the tool gets it as LK_SRODEK_OKNA="x,y" and opens centred there.
bool uruchomNarzedzie(Narzedzie n, const QString &nip, const QString &nazwa1, const QString &katalogProgramu,
                      const QStringList &sciezki, std::optional<QPoint> srodekOkna = std::nullopt);

// The firm record "\ADMINI\firma.dat" (kept by another module of the suite; only read
// here): three sender lines of capacity 50 at offsets 0, 51 and 102 of 306 bytes.
namespace RekordFirmy {
constexpr qsizetype Rozmiar = 306;
constexpr std::array<qsizetype, 3> Nadawca = {0, 51, 102};
constexpr int PojemnoscNadawcy = 50;
} // namespace RekordFirmy

// The program's copy of the firm record: zero bytes until a read succeeds, then the last
// record read.
class KopiaFirmy
{
public:
    // Reads the firm record under the data root. A missing file keeps the copy as it is
    // (no error). A file that cannot be read gives the error and also keeps the copy.
    BladIO czytaj(const QString &katalogDanych, Otwarcie otwarcie = Otwarcie::OdczytIZapis);

    // Sender line 0..2.
    QString nadawca(int i) const;
    const QByteArray &rekord() const { return m_rekord; }

private:
    QByteArray m_rekord = QByteArray(RekordFirmy::Rozmiar, '\0');
};

// The lines "Koperta" writes into the envelope window.
struct WierszeKopertyKlienta
{
    std::array<QString, 4> nadawca;  // n1..n3 from the firm record, n4 always empty
    std::array<QString, 4> odbiorca; // o2..o5: nazwa1, nazwa2, ulica, miejscowosc
};

WierszeKopertyKlienta wierszeKopertyKlienta(const KopiaFirmy &firma, const QString &nazwa1, const QString &nazwa2,
                                            const QString &ulica, const QString &miejscowosc);
