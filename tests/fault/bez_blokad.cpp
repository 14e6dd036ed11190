// Preloaded into a program to make it run as on a mount without lock support: every
// fcntl record lock fails with ENOLCK; other fcntl calls go through.
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>

extern "C" int fcntl(int fd, int polecenie, ...)
{
    va_list a;
    va_start(a, polecenie);
    void *argument = va_arg(a, void *);
    va_end(a);
    if (polecenie == F_SETLK || polecenie == F_SETLKW || polecenie == F_OFD_SETLK || polecenie == F_OFD_SETLKW) {
        errno = ENOLCK;
        return -1;
    }
    using Fcntl = int (*)(int, int, ...);
    return reinterpret_cast<Fcntl>(dlsym(RTLD_NEXT, "fcntl"))(fd, polecenie, argument);
}
