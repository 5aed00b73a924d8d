// A form's top-level window and the properties the window manager reads from it: no frame
// (_MOTIF_WM_HINTS), its states (_NET_WM_STATE: above, skipping the taskbar), its type and
// owner (the panel a utility window transient for the main form), its opacity
// (_NET_WM_WINDOW_OPACITY) and its icon (_NET_WM_ICON).

#include <poll.h>

#include <chrono>
#include <cstring>

#include "ui/x11/x11_backend.h"
#include "ui/x11/x11_image.h"

namespace {

constexpr long kEventMask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                            ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                            LeaveWindowMask | StructureNotifyMask | FocusChangeMask |
                            PropertyChangeMask;

// _NET_WM_STATE's client message actions.
constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status; flag 2 = decorations.
constexpr long kMotifDecorationsFlag = 2;

// Long enough for a window manager on a busy desk, short enough that a window that never shows
// (kept on another desktop, wholly covered) costs a start little.
constexpr auto kExposeWait = std::chrono::milliseconds(100);

struct ExposeWatch {
    Window window;
    bool seen;
};

// Looks at the events without taking any: the loop handles the exposure as any other event.
Bool NoteExpose(Display*, XEvent* event, XPointer watch)
{
    auto& w = *reinterpret_cast<ExposeWatch*>(watch);
    if (event->type == Expose && event->xexpose.window == w.window)
        w.seen = true;
    return False;
}

// The first window a WINDOW property names, or none (also when `window` is gone).
Window WindowProperty(Display* display, Window window, Atom property)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window named = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && count == 1 && format == 32)
        named = *reinterpret_cast<const Window*>(data);
    if (data != nullptr)
        XFree(data);
    return named;
}

}  // namespace

X11Backend::FormWindow* X11Backend::Find(WindowId window)
{
    auto at = FForms.find(static_cast<Window>(window));
    return at == FForms.end() ? nullptr : &at->second;
}

WindowId X11Backend::NewWindow(const TWindowParams& params, IWindowHandler* handler)
{
    XSetWindowAttributes attributes{};
    attributes.event_mask = kEventMask;
    attributes.background_pixmap = kNone;  // the form paints every pixel: no flash of a colour
    attributes.bit_gravity = NorthWestGravity;
    const TRect b = params.bounds;
    const Window window = XCreateWindow(
        FDisplay, FRoot, b.left, b.top, static_cast<unsigned>(std::max(b.Width(), 1)),
        static_cast<unsigned>(std::max(b.Height(), 1)), 0, CopyFromParent, InputOutput,
        CopyFromParent, CWEventMask | CWBackPixmap | CWBitGravity, &attributes);
    Atom protocols[] = {Intern("WM_DELETE_WINDOW"), Intern("WM_TAKE_FOCUS")};
    XSetWMProtocols(FDisplay, window, protocols, 2);
    XClassHint classHint{const_cast<char*>("spacewell"), const_cast<char*>("Spacewell")};
    XSetClassHint(FDisplay, window, &classHint);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(FDisplay, window, &hints);
    FormWindow& form = FForms[window];
    form.handler = handler;
    form.params = params;
    form.gc = XCreateGC(FDisplay, window, 0, nullptr);
    SetPlacementHints(window, b);
    SetWindowCaption(window, params.caption);
    SetDecorations(window, params.framed);
    SetTypeAndOwner(window, params);
    SetWmStates(window, params);
    SetOpacity(window, params.layered, params.alpha);
    if (!FAppIcon.Empty())
        PutIcon(window, FAppIcon, FAppIconTransparent);
    return window;
}

void X11Backend::FreeWindow(WindowId window)
{
    auto at = FForms.find(static_cast<Window>(window));
    if (at == FForms.end())
        return;
    XFreeGC(FDisplay, at->second.gc);
    FForms.erase(at);
    if (FMainOwner == window)
        FMainOwner = 0;
    if (FFocus == window)
        FFocus = 0;
    if (FPointerWindow == window)
        FPointerWindow = 0;
    XDestroyWindow(FDisplay, static_cast<Window>(window));
    XFlush(FDisplay);
}

// Undecorated windows have no frame, and the program draws frames of its own.
TRect X11Backend::FrameMargins(const TWindowParams&) { return {}; }

void X11Backend::SetWindowBounds(WindowId window, TRect screen)
{
    FormWindow* form = Find(window);
    if (form == nullptr)
        return;
    form->params.bounds = screen;
    SetPlacementHints(window, screen);
    XMoveResizeWindow(FDisplay, window, screen.left, screen.top,
                      static_cast<unsigned>(std::max(screen.Width(), 1)),
                      static_cast<unsigned>(std::max(screen.Height(), 1)));
    XFlush(FDisplay);
}

void X11Backend::SetWindowVisible(WindowId window, bool visible)
{
    FormWindow* form = Find(window);
    if (form == nullptr || form->wanted == visible)
        return;
    form->wanted = visible;
    if (visible)
        MapForm(window, *form);
    else
        XWithdrawWindow(FDisplay, window, DefaultScreen(FDisplay));
    XFlush(FDisplay);
    form->awaitingExposure = visible && !FIconic && !Owned(window);
}

// What is drawn into a window before it is on the screen is lost: a form's first picture after
// it shows waits until the window is exposed. Not an owned one's (the memory window): it may
// come up wholly behind its owner, where no exposure comes until it moves out.
void X11Backend::AwaitExposure(Window window)
{
    const auto deadline = std::chrono::steady_clock::now() + kExposeWait;
    ExposeWatch watch{window, false};
    for (;;) {
        XEvent event;
        XCheckIfEvent(FDisplay, &event, NoteExpose, reinterpret_cast<XPointer>(&watch));
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (watch.seen || left.count() <= 0)
            return;
        pollfd display{ConnectionNumber(FDisplay), POLLIN, 0};
        poll(&display, 1, static_cast<int>(left.count()));
    }
}

// Maps the window iconified while the application is minimized. Each map states the window's
// wishes again: a window manager forgets them when a window is withdrawn.
void X11Backend::MapForm(Window window, FormWindow& form)
{
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = FIconic ? IconicState : NormalState;
    XSetWMHints(FDisplay, window, &hints);
    SetPlacementHints(window, form.params.bounds);
    SetWmStates(window, form.params);
    XMapRaised(FDisplay, window);
}

void X11Backend::SetWindowCaption(WindowId window, const std::string& caption)
{
    if (FormWindow* form = Find(window))
        form->params.caption = caption;
    XStoreName(FDisplay, window, caption.c_str());
    XChangeProperty(FDisplay, window, Intern("_NET_WM_NAME"), Intern("UTF8_STRING"), 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(caption.data()),
                    static_cast<int>(caption.size()));
}

void X11Backend::SetWindowAlpha(WindowId window, bool layered, std::uint8_t alpha)
{
    if (FormWindow* form = Find(window)) {
        form->params.layered = layered;
        form->params.alpha = alpha;
    }
    SetOpacity(window, layered, alpha);
    XFlush(FDisplay);
}

// A compositing manager blends the window by this cardinal (0xFFFFFFFF opaque).
void X11Backend::SetOpacity(Window window, bool layered, std::uint8_t alpha)
{
    const Atom opacity = Intern("_NET_WM_WINDOW_OPACITY");
    if (!layered || alpha == 255) {
        XDeleteProperty(FDisplay, window, opacity);
        return;
    }
    const long value = static_cast<long>(alpha * 0x01010101ul);
    XChangeProperty(FDisplay, window, opacity, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
}

void X11Backend::SetWindowTopmost(WindowId window, bool topmost)
{
    FormWindow* form = Find(window);
    if (form == nullptr || form->params.topmost == topmost)
        return;
    form->params.topmost = topmost;
    SetWmStates(window, form->params);
    if (WmState(window) != WithdrawnState)
        SendWmState(window, topmost, Intern("_NET_WM_STATE_ABOVE"));
    XFlush(FDisplay);
}

// Read by the window manager as the window maps.
void X11Backend::SetWmStates(Window window, const TWindowParams& params)
{
    std::vector<Atom> states;
    if (params.topmost)
        states.push_back(Intern("_NET_WM_STATE_ABOVE"));
    if (params.toolWindow || Owned(window)) {
        states.push_back(Intern("_NET_WM_STATE_SKIP_TASKBAR"));
        states.push_back(Intern("_NET_WM_STATE_SKIP_PAGER"));
    }
    XChangeProperty(FDisplay, window, Intern("_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
}

// Once mapped, the window manager owns the state and hears changes as messages to the root.
void X11Backend::SendWmState(Window window, bool add, Atom state)
{
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = Intern("_NET_WM_STATE");
    message.xclient.format = 32;
    message.xclient.data.l[0] = add ? kStateAdd : kStateRemove;
    message.xclient.data.l[1] = static_cast<long>(state);
    message.xclient.data.l[3] = 1;  // from an application
    XSendEvent(FDisplay, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &message);
}

void X11Backend::SetDecorations(Window window, bool framed)
{
    const Atom motif = Intern("_MOTIF_WM_HINTS");
    if (framed) {
        XDeleteProperty(FDisplay, window, motif);
        return;
    }
    const long hints[5] = {kMotifDecorationsFlag, 0, 0, 0, 0};
    XChangeProperty(FDisplay, window, motif, motif, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints), 5);
}

// The first form that is no tool window is the main one, with the program's taskbar button; the
// forms after it (the memory window) stay with it, above it and minimized with it, as the
// windows an application window owns do on Windows, and have no button of their own.
void X11Backend::SetTypeAndOwner(Window window, const TWindowParams& params)
{
    const Atom type =
        Intern(params.toolWindow ? "_NET_WM_WINDOW_TYPE_UTILITY" : "_NET_WM_WINDOW_TYPE_NORMAL");
    XChangeProperty(FDisplay, window, Intern("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
    if (!params.toolWindow && FMainOwner == 0)
        FMainOwner = window;
    else if (Owned(window))
        XSetTransientForHint(FDisplay, window, FMainOwner);
}

bool X11Backend::Owned(Window window) const { return FMainOwner != 0 && window != FMainOwner; }

// The window goes where the program puts it, at the size it has, not where the window manager
// would place a new window.
void X11Backend::SetPlacementHints(Window window, TRect bounds)
{
    XSizeHints size{};
    size.flags = USPosition | PPosition | USSize | PSize | PMinSize | PMaxSize;
    size.x = bounds.left;
    size.y = bounds.top;
    size.width = size.min_width = size.max_width = std::max(bounds.Width(), 1);
    size.height = size.min_height = size.max_height = std::max(bounds.Height(), 1);
    XSetWMNormalHints(FDisplay, window, &size);
}

void X11Backend::SetWindowIcon(WindowId window, const TBitmap& image, TColor transparent)
{
    if (FormWindow* form = Find(window)) {
        form->hasIcon = true;
        PutIcon(window, image, transparent);
    }
}

// _NET_WM_ICON: width, height, then ARGB pixels as cardinals; `transparent` pixels clear.
void X11Backend::PutIcon(Window window, const TBitmap& image, TColor transparent)
{
    if (image.Empty())
        return;
    std::vector<long> data{image.Width(), image.Height()};
    const std::uint32_t* bits = image.Bits();
    for (int i = 0; i < image.Width() * image.Height(); ++i) {
        const std::uint32_t bgr = bits[i] & 0xFFFFFF;
        const std::uint32_t rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | (bgr >> 16);
        const bool clear = transparent != clNone && bgr == (transparent & 0xFFFFFF);
        data.push_back(static_cast<long>(clear ? 0 : 0xFF000000 | rgb));
    }
    XChangeProperty(FDisplay, window, Intern("_NET_WM_ICON"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
}

void X11Backend::Present(WindowId window, const TBitmap& image, TRect dirty)
{
    FormWindow* form = Find(window);
    if (form == nullptr)
        return;
    if (form->awaitingExposure) {
        form->awaitingExposure = false;
        AwaitExposure(window);
    }
    PutBitmap(FDisplay, window, form->gc, image, dirty);
}

void X11Backend::InvalidateWindow(WindowId window)
{
    if (FormWindow* form = Find(window))
        form->paintPending = true;
}

// Through the window manager, which raises and focuses it; without one, directly.
void X11Backend::SetForeground(WindowId window)
{
    if (Find(window) == nullptr)
        return;
    const Atom active = Intern("_NET_ACTIVE_WINDOW");
    if (WmSupports(active)) {
        XEvent message{};
        message.xclient.type = ClientMessage;
        message.xclient.window = window;
        message.xclient.message_type = active;
        message.xclient.format = 32;
        message.xclient.data.l[0] = 2;  // as a pager asks: the user's wish, never refused
        message.xclient.data.l[1] = CurrentTime;
        XSendEvent(FDisplay, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &message);
    } else {
        XRaiseWindow(FDisplay, window);
        if (WmState(window) == NormalState)
            XSetInputFocus(FDisplay, window, RevertToParent, CurrentTime);
    }
    XFlush(FDisplay);
}

// WM_STATE as the window manager set it: Withdrawn (also without a window manager), Normal
// or Iconic.
long X11Backend::WmState(Window window)
{
    const Atom wmState = Intern("WM_STATE");
    Atom type = kNone;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long state = WithdrawnState;
    if (XGetWindowProperty(FDisplay, window, wmState, 0, 2, False, wmState, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr && count > 0 && format == 32)
        state = *reinterpret_cast<const long*>(data);
    if (data != nullptr)
        XFree(data);
    return state;
}

// A window manager names a window of its own on the root, which names itself again; one that
// crashed leaves _NET_SUPPORTED behind, but that window went with it.
bool X11Backend::WmSupports(Atom atom)
{
    const Atom check = Intern("_NET_SUPPORTING_WM_CHECK");
    const Window own = WindowProperty(FDisplay, FRoot, check);
    if (own == 0 || WindowProperty(FDisplay, own, check) != own)
        return false;
    Atom type = kNone;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool supported = false;
    if (XGetWindowProperty(FDisplay, FRoot, Intern("_NET_SUPPORTED"), 0, 4096, False, XA_ATOM,
                           &type, &format, &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        supported = std::find(atoms, atoms + count, atom) != atoms + count;
    }
    if (data != nullptr)
        XFree(data);
    return supported;
}
