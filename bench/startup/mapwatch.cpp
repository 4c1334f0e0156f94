// Starts a program and reports how long it takes until its first top-level
// window is mapped on the X display, and the program's peak memory by then.
//   mapwatch PROGRAM [ARGS...]   prints: map_ms=<ms> peak_kib=<KiB>
#include <X11/Xlib.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double mapMs = -1;
    const int fd = ConnectionNumber(display);
    while (mapMs < 0 && Clock::now() - start < std::chrono::seconds(30)) {
        if (XPending(display) == 0) {
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            timeval timeout{0, 100000};
            select(fd + 1, &fds, nullptr, nullptr, &timeout);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    // Let the first paint finish before taking the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (mapMs < 0) {
        std::fprintf(stderr, "mapwatch: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("map_ms=%.1f peak_kib=%ld\n", mapMs, usage.ru_maxrss);
    return 0;
}
