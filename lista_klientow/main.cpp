// Lista klientów: keeps a firm's list of clients and prints addressed envelopes.

#include "aplikacja.h"
#include "dialogi.h"
#include "drukowanie.h"
#include "katalogdanych.h"
#include "kontekst.h"
#include "magazynkoperty.h"
#include "polaczenia.h"
#include "polecenia.h"
#include "tdokumenty.h"
#include "tform3.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QDir>

#include <memory>

int main(int argc, char *argv[])
{
    if (Polecenia::jestPolecenie(argc))
        return Polecenia::uruchom(argc, argv);

    QApplication app(argc, argv);
    // No display name: under X11 Qt appends it to every window title, and the windows and
    // message boxes carry their own captions ("Pytanie", "Informacja", none for the main
    // window) and nothing else.
    QApplication::setApplicationName(QStringLiteral("lista_klientow"));
    zaladujTlumaczenia(app);

    // Where the program was started; the windows move the working directory from there.
    Kontekst kontekst(QDir::currentPath());
    // The dialogs and the printer the windows share.
    PrawdziweDialogi dialogi;
    WspolnaDrukarka drukarka;

    // The client list window runs its creation handler as it is made. The envelope
    // window is made when "Koperta" first needs it, so that start-up does not pay for it;
    // its defaults files are checked (and those missing created) now, as it always was
    // at start.
    std::unique_ptr<Tkoperta_f> koperta_f;
    Tdokumenty dokumenty(kontekst, dialogi);
    {
        MagazynKoperty magazyn;
        const KatalogDanych katalog = kontekst.rozwiazKatalogDanych();
        magazyn.ustawKatalog(katalog.katalog);
        if (const BladIO blad = katalog.blad ? katalog.blad : magazyn.utworzBrakujace())
            pokazBlad(dialogi, nullptr, blad);
    }
    dokumenty.ustawKoperte(polaczKoperte([&]() -> Tkoperta_f & {
        if (!koperta_f)
            koperta_f = std::make_unique<Tkoperta_f>(kontekst, dialogi, drukarka, nullptr,
                                                     Tkoperta_f::Ustawienia::PrzyPierwszymUzyciu);
        return *koperta_f;
    }));
    dokumenty.ustawEtykiety(polaczEtykiety(
        dialogi, [&]() -> QPrinter & { return drukarka(); }, kontekst));
    Tform3 form3(&dokumenty);

    dokumenty.show();
    return app.exec();
}
