// Replays fuzz inputs through a fuzz target once, without libFuzzer: each argument is a
// file or a folder of files. Used by the ordinary and the sanitizer builds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar);

namespace {

void odtworzPlik(const std::filesystem::path &plik)
{
    std::ifstream f(plik, std::ios::binary);
    const std::vector<char> bajty{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bajty.data()), bajty.size());
}

} // namespace

int main(int argc, char **argv)
{
    int ile = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto &wpis : std::filesystem::directory_iterator(p)) {
                if (wpis.is_regular_file()) {
                    odtworzPlik(wpis.path());
                    ++ile;
                }
            }
        } else if (std::filesystem::exists(p)) {
            odtworzPlik(p);
            ++ile;
        }
    }
    std::printf("%d inputs replayed\n", ile);
    return 0;
}
