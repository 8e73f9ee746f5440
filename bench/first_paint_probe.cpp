// Starts a program and prints the milliseconds from its start to the first
// frame it painted on the X server: the first drawing into any of its
// windows, as the server's damage extension reports it, that leaves more
// than the black of a new window. Game and baseline
// are timed by the same probe, with no help from either program.
//   first_paint_probe PROGRAM [ARGS...]      (on the display of $DISPLAY)
// The display must hold no other client's windows; the program is ended
// once its first frame is there.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

extern char** environ;

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A new window is black; its first frame is the first drawing that leaves
// anything else in it. (The first damage of a Qt window can be that black,
// cleared, a moment before the frame itself.)
bool holdsAPicture(Display* display, Drawable window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool drawn = false;
    for (int y = 0; y < image->height && !drawn; ++y) {
        for (int x = 0; x < image->width && !drawn; ++x) drawn = XGetPixel(image, x, y) != 0;
    }
    XDestroyImage(image);
    return drawn;
}

// A window can be gone before its damage is watched; that is no failure.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    // A busy server may turn a connection away for a moment.
    Display* display = XOpenDisplay(nullptr);
    for (int tries = 0; display == nullptr && tries < 20; ++tries) {
        usleep(100'000);
        display = XOpenDisplay(nullptr);
    }
    int damageEvent = 0;
    int damageError = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "no X display with the damage extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    // Every top-level window the program creates is announced here.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, &argv[1], environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }

    int status = 1;
    const double deadline = start + 30000;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (nowMs() < deadline) {
        if (XPending(display) == 0) {
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display, damage.damage, None, None);
            if (!holdsAPicture(display, damage.drawable)) continue;
            std::printf("%.1f\n", nowMs() - start);
            status = 0;
            break;
        }
    }
    if (status != 0) std::fprintf(stderr, "no frame within 30 s\n");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
