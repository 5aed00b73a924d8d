// The least an Xlib program does to show a window like spacewell's: opens the display, maps a
// 282 x 80 window named "Bare" and puts one image into it at its first expose, then waits for
// the end. bench/x11.sh times spacewell's start against it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <vector>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    const int width = 282, height = 80;
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 523, 288, width, height, 0, 0, 0);
    XStoreName(display, window, "Bare");
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xDDEEFF);
    XImage* image =
        XCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                     ZPixmap, 0, reinterpret_cast<char*>(pixels.data()), width, height, 32, 0);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            XPutImage(display, window, gc, image, 0, 0, 0, 0, width, height);
            XFlush(display);
        }
    }
}
