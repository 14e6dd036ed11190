// The benchmark program: times the client list, record files, the logo decoder and the
// envelope print, and prints the figures. It measures; it never fails on a time.

#include "lk_bench.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QString g_katalog;
}

QString katalogBenchmarku()
{
    return g_katalog;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // On the disk of the current directory, where the user's data would be.
    QTemporaryDir tmp(QDir::current().absoluteFilePath(QStringLiteral("lk_bench-XXXXXX")));
    g_katalog = tmp.path();
    QDir(g_katalog).mkdir(QStringLiteral("Admini"));
    QDir(g_katalog).mkdir(QStringLiteral("Firmy"));
    QDir::setCurrent(g_katalog);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
