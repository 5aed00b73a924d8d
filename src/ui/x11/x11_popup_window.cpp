#include "ui/x11/x11_popup_window.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <utility>

#include "ui/x11/x11_image.h"

namespace {

constexpr long kEventMask = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                            PointerMotionMask | StructureNotifyMask;

// Tells compositors and window managers what the window is, for their shadows and stacking.
void SetWindowType(Display* display, Window window, TPopupKind kind)
{
    const char* type = kind == TPopupKind::Menu   ? "_NET_WM_WINDOW_TYPE_POPUP_MENU"
                       : kind == TPopupKind::Hint ? "_NET_WM_WINDOW_TYPE_TOOLTIP"
                                                  : "_NET_WM_WINDOW_TYPE_DIALOG";
    Atom value = XInternAtom(display, type, False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM,
                    32, PropModeReplace, reinterpret_cast<unsigned char*>(&value), 1);
}

}  // namespace

TX11PopupWindow::TX11PopupWindow(Display* display, TPopupKind kind) : FDisplay(display)
{
    XSetWindowAttributes attributes{};
    attributes.override_redirect = kind != TPopupKind::Dialog;
    attributes.save_under = kind != TPopupKind::Dialog;
    attributes.event_mask = kEventMask;
    // No background (X's None, spelt out where its macro may be taken back): the picture
    // covers the whole window, so the server paints nothing first.
    attributes.background_pixmap = 0;
    FWindow = XCreateWindow(
        display, DefaultRootWindow(display), 0, 0, 1, 1, 0, CopyFromParent, InputOutput,
        CopyFromParent, CWOverrideRedirect | CWSaveUnder | CWEventMask | CWBackPixmap, &attributes);
    FGc = XCreateGC(display, FWindow, 0, nullptr);
    SetWindowType(display, FWindow, kind);
}

TX11PopupWindow::~TX11PopupWindow()
{
    XFreeGC(FDisplay, FGc);
    XDestroyWindow(FDisplay, FWindow);
    XFlush(FDisplay);
}

void TX11PopupWindow::Show(TBitmap picture, TPoint screen)
{
    FPicture = std::move(picture);
    FBounds = {screen.x, screen.y, screen.x + FPicture.Width(), screen.y + FPicture.Height()};
    XMoveResizeWindow(FDisplay, FWindow, screen.x, screen.y,
                      static_cast<unsigned>(FPicture.Width()),
                      static_cast<unsigned>(FPicture.Height()));
    XMapRaised(FDisplay, FWindow);
    FMapped = true;
    Paint();
}

void TX11PopupWindow::Repaint(TBitmap picture)
{
    FPicture = std::move(picture);
    Paint();
}

void TX11PopupWindow::Hide()
{
    if (FMapped)
        XUnmapWindow(FDisplay, FWindow);
    FMapped = false;
    XFlush(FDisplay);
}

void TX11PopupWindow::Paint()
{
    if (FMapped)
        PutBitmap(FDisplay, FWindow, FGc, FPicture, FPicture.BoundsRect());
    XFlush(FDisplay);
}

TKey PopupKey(const XKeyEvent& event)
{
    XKeyEvent copy = event;
    const KeySym symbol = XLookupKeysym(&copy, 0);
    // Letters are their capitals, as the toolkit numbers them.
    if (symbol >= XK_a && symbol <= XK_z)
        return static_cast<TKey>('A' + (symbol - XK_a));
    switch (symbol) {
    case XK_Up:
    case XK_KP_Up:
        return TKey::Up;
    case XK_Down:
    case XK_KP_Down:
        return TKey::Down;
    case XK_Left:
    case XK_KP_Left:
        return TKey::Left;
    case XK_Right:
    case XK_KP_Right:
        return TKey::Right;
    case XK_Return:
    case XK_KP_Enter:
        return TKey::Return;
    case XK_Escape:
        return TKey::Escape;
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return TKey::Tab;
    case XK_space:
        return TKey::Space;
    default:
        return TKey{};
    }
}

TShiftState PopupShift(unsigned state) { return (state & ShiftMask) ? ssShift : 0; }

TSize PopupScreen(Display* display)
{
    const int screen = DefaultScreen(display);
    return {DisplayWidth(display, screen), DisplayHeight(display, screen)};
}
