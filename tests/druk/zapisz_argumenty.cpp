// Test helper standing in for a client tool: writes its arguments, each ended by a NUL
// byte, to "argumenty.txt" in the current directory (whole, via a rename), and the window
// centre it was given, if any, to "srodek.txt" (before the arguments).
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (const char *srodek = std::getenv("LK_SRODEK_OKNA")) {
        std::FILE *s = std::fopen("srodek.txt", "wb");
        if (!s || std::fputs(srodek, s) < 0 || std::fclose(s) != 0)
            return 1;
    }
    std::FILE *f = std::fopen("argumenty.tmp", "wb");
    if (!f)
        return 1;
    for (int i = 1; i < argc; ++i) {
        std::fputs(argv[i], f);
        std::fputc('\0', f);
    }
    if (std::fclose(f) != 0)
        return 1;
    return std::rename("argumenty.tmp", "argumenty.txt") == 0 ? 0 : 1;
}
