#pragma once

#include <QString>

// The temporary data root the benchmarks work in (with Admini and Firmy); it is also
// the current directory when they start.
QString katalogBenchmarku();
