// How the program's windows reach each other: the client list window asks the envelope
// window, which another unit owns, only through OknoKoperty, wired here.
#pragma once

#include "tdokumenty.h"

#include <functional>

class Tkoperta_f;

// "Koperta" and "Koperty dla wielu" of the client list window, done by the envelope
// window that `okno` gives (made when first asked for, if it makes it then).
OknoKoperty polaczKoperte(std::function<Tkoperta_f &()> okno);
