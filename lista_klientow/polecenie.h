// What every command of the command line shares: its messages and exit statuses, the
// options of the list and its rows, the data root found as at start-up.
#pragma once

#include "listaklientow.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <optional>

class Kontekst;
struct UstawieniaWsadowe;

namespace Polecenia {

// Exit statuses: 0 done, 1 the work failed (a file, the printer), 2 the command was
// written wrong.
constexpr int Blad = 1;
constexpr int ZlePolecenie = 2;

void pisz(std::FILE *gdzie, const QString &tekst);

// One command run: its name for messages and the error output.
class Polecenie
{
public:
    explicit Polecenie(QString nazwa);

    // "lista_klientow <command>: <text>" on standard error; returns `status`.
    int blad(const QString &tekst, int status = Blad) const;
    void uwaga(const QString &tekst) const;

    // Parses the command's arguments; returns the exit status when the run ends here
    // (help shown or a mistake reported).
    std::optional<int> parsuj(QCommandLineParser &p, const QStringList &argumenty, const QString &opis) const;

private:
    QString m_nazwa;
};

QCommandLineOption opcjaListy();
QCommandLineOption opcjaWierszy(const QString &domyslnie);

// A command that takes no file names but options.
std::optional<int> bezArgumentow(const Polecenie &p, const QCommandLineParser &parser);
// Exactly one of two outputs.
std::optional<int> jednoZ(const Polecenie &p, const QCommandLineParser &parser, const QCommandLineOption &a,
                          const QCommandLineOption &b);

QString sciezkaBezwzgledna(const QString &sciezka);

// The data root as at start-up, from the current directory. A start directory without
// an "Admini" folder holds no network setting and gets none: the data root is the start
// directory, and nothing is written there.
QString katalogDanych(const Kontekst &kontekst, const Polecenie &p);

// The captions of the free fields, read without creating a missing file.
std::array<QString, PodpisyInfo::Liczba> podpisy(const QString &katalog);

// The list named by --lista, read.
std::optional<int> wczytajListe(const Polecenie &p, const QString &sciezka, ListaKlientow &lista);

// The rows named by --wiersze, or all rows `domyslne` gives.
std::optional<int> wybierzWiersze(const Polecenie &p, const QCommandLineParser &parser, const QCommandLineOption &opcja,
                                  QList<int> domyslne, QList<int> &wiersze);

// The list named by --lista read into `l`, and the rows of --wiersze (all when not given)
// that hold a name or an address line, the rows "Koperty dla wielu" offers; the others
// are skipped with a note. Rows the list does not hold end the run with `statusZakresu`.
std::optional<int> wierszeZAdresem(const Polecenie &p, const QCommandLineParser &parser,
                                   const QCommandLineOption &lista, const QCommandLineOption &wiersze,
                                   int statusZakresu, ListaKlientow &l, QList<int> &zAdresem);

// The envelope settings of the data root (or of `profil`, when not empty) as `koperty`
// prints with them, the sender lines from the firm record; notes on standard error.
std::optional<int> ustawieniaKopert(const Polecenie &p, const Kontekst &kontekst, const QString &katalog,
                                    const QString &profil, UstawieniaWsadowe &u);

// The commands.
int koperty(const QStringList &argumenty);
int etykiety(const QStringList &argumenty);
int eksport(const QStringList &argumenty);
int import(const QStringList &argumenty);

} // namespace Polecenia
