// The tax number: its check digit, and the rows of a list holding the same number. The
// client tools key their notes and documents by it, so two rows sharing one share them.
#pragma once

#include "listaklientow.h"

#include <QString>

namespace Klienci {

// The number without separators (spaces, '-', '.', '/') and without a leading "PL", in
// capitals: two texts with the same key are the same number. Empty for a text without a
// digit.
QString kluczNip(QStringView nip);

// A NIP of ten digits (separators aside) whose check digit is wrong. Any other text is
// never called wrong: the suite's other modules may hold numbers in other forms.
bool zlaCyfraKontrolnaNip(QStringView nip);

// The first row other than `pomin` whose nip has the same key; -1 when none (or the
// text has no key).
int wierszZTymSamymNip(const ListaKlientow &lista, QStringView nip, int pomin = -1);

} // namespace Klienci
