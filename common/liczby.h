// Numbers typed by the user, and the rounding rules of the print layout.
#pragma once

#include <QString>
#include <QtGlobal>

// Lenient integer parse: never rejects a text. Leading spaces, one optional sign,
// then decimal digits or a hexadecimal number introduced by "$", "x", "X", "0x" or
// "0X". A wholly valid text gives its signed value; otherwise the value of the digits
// read before the fault, without the sign ("" -> 0, "12mm" -> 12, "-5x" -> 5).
// A number beyond the 32-bit range stops at the digit that would overflow and keeps
// the value read so far, as for any other fault.
qint32 parsujLiczbe(QStringView tekst);

// a / b rounded to the nearest integer, halves to even (b != 0). Exact: no floating point.
qint64 zaokraglijIloraz(qint64 a, qint64 b);
// a / b truncated toward zero (b != 0).
qint64 obetnijIloraz(qint64 a, qint64 b);
