// Starts a program and measures, on the X display, the time from the start
// of the process until its first top-level window is mapped, and the peak
// resident memory of the process at that moment and half a second later.
// Usage: map_wait PROGRAM [ARGS...]; prints "map_ms=... hwm_map_kib=... hwm_settled_kib=...".
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long PeakResidentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_wait PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_wait: cannot open the X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    const int fd = ConnectionNumber(display);
    bool mapped = false;
    while (!mapped) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root)
                mapped = true;
        }
        if (mapped)
            break;
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) {
            std::fprintf(stderr, "map_wait: no window within 30 s\n");
            kill(child, SIGKILL);
            return 1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval timeout{0, 100000};
        select(fd + 1, &fds, nullptr, nullptr, &timeout);
    }
    const auto at_map = std::chrono::steady_clock::now();
    const long hwm_map = PeakResidentKib(child);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long hwm_settled = PeakResidentKib(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);

    const double ms = std::chrono::duration<double, std::milli>(at_map - start).count();
    std::printf("map_ms=%.1f hwm_map_kib=%ld hwm_settled_kib=%ld\n", ms, hwm_map, hwm_settled);
    return 0;
}
