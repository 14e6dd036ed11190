// Starts a program on the X display and measures how long it takes until its first
// window is mapped, and how much memory it holds then (peak resident set, after the
// first window has been up for a moment). Prints "<milliseconds> <kilobytes>".
//   pomiar_startu PROGRAM [ARGUMENTS...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long szczytPamieci(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string wiersz;
    while (std::getline(status, wiersz))
        if (wiersz.rfind("VmHWM:", 0) == 0)
            return std::atol(wiersz.c_str() + 6);
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "użycie: %s PROGRAM [ARGUMENTY...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "brak połączenia z serwerem X\n");
        return 2;
    }
    xcb_screen_t *ekran = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t maska = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, ekran->root, XCB_CW_EVENT_MASK, &maska);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    double ms = -1;
    while (xcb_generic_event_t *z = xcb_wait_for_event(x)) {
        const bool zmapowane = (z->response_type & 0x7f) == XCB_MAP_NOTIFY
                               && !reinterpret_cast<xcb_map_notify_event_t *>(z)->override_redirect;
        std::free(z);
        if (zmapowane) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const long kb = szczytPamieci(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);
    if (ms < 0)
        return 1;
    std::printf("%.1f %ld\n", ms, kb);
    return 0;
}
