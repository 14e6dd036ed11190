// Lista klientów: keeps a firm's list of clients and prints addressed envelopes.

#include "aplikacja.h"
#include "kontekst.h"
#include "polecenia.h"
#include "tdokumenty.h"
#include "tform3.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QDir>

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

    // The three windows, in this order; each runs its creation handler as it is made.
    Tdokumenty dokumenty(kontekst);
    Tkoperta_f koperta_f(kontekst);
    Tform3 form3(&dokumenty);
    // "Koperta" of the client list window shows the envelope window for the client.
    dokumenty.ustawKoperte(&koperta_f);

    dokumenty.show();
    return app.exec();
}
