// Lista klientów: keeps a firm's list of clients and prints addressed envelopes.

#include "aplikacja.h"
#include "kontekst.h"
#include "tdokumenty.h"
#include "tform3.h"
#include "tkoperta_f.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No display name: under X11 Qt appends it to every window title, and the windows and
    // message boxes carry their own captions ("Pytanie", "Informacja", none for the main
    // window) and nothing else.
    QApplication::setApplicationName(QStringLiteral("lista_klientow"));
    zaladujTlumaczenia(app);

    // The start and working directories, shared by the windows.
    Kontekst kontekst(QDir::currentPath());

    // The three windows, in this order; each runs its creation handler as it is made.
    Tdokumenty dokumenty;
    Tkoperta_f koperta_f(kontekst);
    Tform3 form3(&dokumenty);
    // "Koperta" of the client list window fills and shows the envelope window.
    dokumenty.ustawKoperte(&koperta_f);

    dokumenty.show();
    return app.exec();
}
