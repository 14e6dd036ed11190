// How the program's windows reach each other: the client list window asks the envelope
// window and the labels dialog, which other units own, only through OknoKoperty and
// OknoEtykietKlientow, wired here.
#pragma once

#include "tdokumenty.h"

#include <functional>

class Dialogi;
class Kontekst;
class QPrinter;
class Tkoperta_f;

// "Koperta" and "Koperty dla wielu" of the client list window, done by the envelope
// window that `okno` gives (made when first asked for, if it makes it then).
OknoKoperty polaczKoperte(std::function<Tkoperta_f &()> okno);

// "Etykiety" of the client list window: the labels dialog with the program's dialogs and
// printer (made when first asked for) and the print font under the working directory of
// `kontekst`; the chooser runs as the dialog opens.
OknoEtykietKlientow polaczEtykiety(Dialogi &dialogi, std::function<QPrinter &()> drukarka, const Kontekst &kontekst);
