// Preloaded into a save to make the sync to disk fail the way a network file system or
// a failing disk reports a lost write: only at the sync. LK_BLAD_SYNC holds the errno
// number to fail with; unset, the calls go through.
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>

extern "C" {

static int blad()
{
    const char *s = getenv("LK_BLAD_SYNC");
    return s ? atoi(s) : 0;
}

int fsync(int fd)
{
    const int e = blad();
    if (e) {
        errno = e;
        return -1;
    }
    int (*prawdziwa)(int) = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return prawdziwa(fd);
}

int fdatasync(int fd)
{
    const int e = blad();
    if (e) {
        errno = e;
        return -1;
    }
    int (*prawdziwa)(int) = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    return prawdziwa(fd);
}
}
