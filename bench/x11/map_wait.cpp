// Waits until a window with the given title (or a window manager's frame around it) is mapped
// on the X display and prints the wall-clock time of that moment in nanoseconds. It prints
// "ready" once it listens, so that the program to be timed can start after it; it waits at most
// the given seconds (30 by default). It sleeps until the X server reports a map, so it takes no
// time from the program it times.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Named(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    const bool same =
        XFetchName(display, window, &name) != 0 && name != nullptr && std::strcmp(name, title) == 0;
    if (name != nullptr)
        XFree(name);
    return same;
}

// The window or one a window manager framed it in: a frame's descendants, a few levels down.
bool NamedWithin(Display* display, Window window, const char* title, int depth = 3)
{
    if (Named(display, window, title))
        return true;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (depth == 0 || XQueryTree(display, window, &root, &parent, &children, &count) == 0)
        return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i)
        found = NamedWithin(display, children[i], title, depth - 1);
    if (children != nullptr)
        XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace std::chrono;
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_wait TITLE [SECONDS]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_wait: no X display\n");
        return 2;
    }
    // Top-level windows are the root's children: the program's own, or a window manager's frames.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::puts("ready");
    std::fflush(stdout);
    const auto deadline = steady_clock::now() + seconds(argc > 2 ? std::atoi(argv[2]) : 30);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            // The moment the map is told, not after the round trips that find out whose it is.
            const auto told = system_clock::now().time_since_epoch();
            if (event.type == MapNotify && NamedWithin(display, event.xmap.window, argv[1])) {
                std::printf("%lld\n",
                            static_cast<long long>(duration_cast<nanoseconds>(told).count()));
                return 0;
            }
        }
        poll(&connection, 1, 100);
    }
    std::fprintf(stderr, "map_wait: no window named %s was mapped\n", argv[1]);
    return 1;
}
