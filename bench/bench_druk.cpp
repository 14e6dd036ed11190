// Time to print one envelope (logo, sender and recipient blocks) to a PDF file at
// 600 dpi, the whole job from orientation to portrait again. Target: under 30 ms.

#include "druk_koperty.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

DaneKoperty koperta(bool zLogo)
{
    DaneKoperty d;
    d.nadawca = {QStringLiteral("Przedsiębiorstwo Handlowe \"Zażółć\""), QStringLiteral("ul. Długa 12/4"),
                 QStringLiteral("00-950 Warszawa"), QStringLiteral("NIP 526-000-00-00")};
    d.odbiorca = {QStringLiteral("Pan"), QStringLiteral("Jan Kowalski"), QStringLiteral("Gęślą Jaźń Sp. z o.o."),
                  QStringLiteral("ul. Polna 1"), QStringLiteral("90-001 Łódź")};
    d.polozenia = {QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("100"),
                   QStringLiteral("50"), QStringLiteral("1"),  QStringLiteral("3")};
    d.drukujLogo = zLogo;
    QImage logo(320, 200, QImage::Format_RGB32);
    logo.fill(QColor(30, 90, 160));
    d.logo = logo;
    d.krojCzcionki = QStringLiteral("DejaVu Sans");
    d.rozmiarCzcionki = 11;
    return d;
}

void drukujDoPdf(benchmark::State &stan, bool zLogo, bool poziomo)
{
    QTemporaryDir katalog;
    DaneKoperty d = koperta(zLogo);
    d.poziomo = poziomo;
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(katalog.filePath(QStringLiteral("koperta.pdf")));
    drukarka.setResolution(600);
    for (auto _ : stan) {
        if (drukujKoperty(drukarka, {d}))
            stan.SkipWithError("printing failed");
    }
}

void BM_KopertaPdf(benchmark::State &stan)
{
    drukujDoPdf(stan, false, false);
}
void BM_KopertaPdfZLogo(benchmark::State &stan)
{
    drukujDoPdf(stan, true, false);
}
void BM_KopertaPdfZLogoPoziomo(benchmark::State &stan)
{
    drukujDoPdf(stan, true, true);
}

BENCHMARK(BM_KopertaPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KopertaPdfZLogo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KopertaPdfZLogoPoziomo)->Unit(benchmark::kMillisecond);

} // namespace
