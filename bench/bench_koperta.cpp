// How long a logo takes to decode (RGB and CMYK) and a profile record to fill and read.

#include "jpeg.h"
#include "rekordykoperty.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <vector>

namespace {

// A synthetic picture of the given size, compressed once.
QByteArray obrazek(int szer, int wys, bool cmyk)
{
    const int skladowe = cmyk ? 4 : 3;
    std::vector<unsigned char> piksele(size_t(szer) * wys * skladowe);
    for (int y = 0; y < wys; ++y)
        for (int x = 0; x < szer; ++x)
            for (int k = 0; k < skladowe; ++k)
                piksele[(size_t(y) * szer + x) * skladowe + k] = (unsigned char)((x * (k + 1) + y * 3) & 0xFF);
    tjhandle h = tjInitCompress();
    unsigned char *wynik = nullptr;
    unsigned long rozmiar = 0;
    tjCompress2(h, piksele.data(), szer, 0, wys, cmyk ? TJPF_CMYK : TJPF_RGB, &wynik, &rozmiar, TJSAMP_420, 90, 0);
    QByteArray dane(reinterpret_cast<const char *>(wynik), qsizetype(rozmiar));
    tjFree(wynik);
    tjDestroy(h);
    return dane;
}

void BM_dekodujJpeg(benchmark::State &stan)
{
    const QByteArray dane = obrazek(int(stan.range(0)), int(stan.range(0)) * 2 / 3, stan.range(1) != 0);
    for (auto _ : stan) {
        const ObrazJpeg w = dekodujJpeg(dane);
        benchmark::DoNotOptimize(w.obraz.constBits());
    }
    stan.SetBytesProcessed(int64_t(stan.iterations()) * dane.size());
}
BENCHMARK(BM_dekodujJpeg)->ArgsProduct({{300, 1200}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_profil(benchmark::State &stan)
{
    UstawieniaKoperty u;
    u.nadawca = {QStringLiteral("Przedsiębiorstwo Usługowe"), QStringLiteral("ul. Długa 1"),
                 QStringLiteral("00-950 Warszawa"), QStringLiteral("NIP 123")};
    u.odLewej = {QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("150"), QStringLiteral("200")};
    u.odGory = u.odLewej;
    u.nazwaObrazka = QStringLiteral("/home/biuro/logo.jpg");
    u.rozmiar = 2;
    QByteArray bufor(ProfilKoperty::Rozmiar, '\0');
    for (auto _ : stan) {
        wpiszProfil(bufor, u);
        UstawieniaKoperty w;
        odczytajProfil(bufor, w);
        benchmark::DoNotOptimize(w.nadawca[0].size());
    }
}
BENCHMARK(BM_profil);

} // namespace
