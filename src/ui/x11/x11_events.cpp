// The X events of the program's windows turned into the toolkit's reports: paints, the pointer
// (with the body that drags the window), keys, focus, moves, close requests, and the desktop's
// notices on the root window (monitors, work areas, scale).
#include "ui/x11/x11_backend.h"

#include <X11/Xlibint.h>
#include <xcb/randr.h>

#include <algorithm>

#include "ui/x11/x11_keys.h"
#include "ui/x11/x11_popups.h"

namespace {

// _NET_WM_MOVERESIZE's action that moves the window with the pointer.
constexpr long kMoveResizeMove = 8;

std::optional<TMouseButton> ButtonOf(unsigned button)
{
    switch (button) {
    case Button1:
        return TMouseButton::mbLeft;
    case Button2:
        return TMouseButton::mbMiddle;
    case Button3:
        return TMouseButton::mbRight;
    default:
        return std::nullopt;  // wheel steps
    }
}

TPoint Clamped(TPoint p, const TRect& r)
{
    return {std::clamp(p.x, r.left, r.right - 1), std::clamp(p.y, r.top, r.bottom - 1)};
}

// RandR's screen change as the loop reads it: an XConfigureEvent on the root with the new size
// (turned a quarter, the screen's width is its height).
Bool ScreenChangeFromWire(Display* display, XEvent* event, xEvent* wire)
{
    const auto* change = reinterpret_cast<const xcb_randr_screen_change_notify_event_t*>(wire);
    const bool turned =
        (change->rotation & (XCB_RANDR_ROTATION_ROTATE_90 | XCB_RANDR_ROTATION_ROTATE_270)) != 0;
    XConfigureEvent& out = event->xconfigure;
    out.type = change->response_type & 0x7f;
    out.serial = _XSetLastRequestRead(display, reinterpret_cast<xGenericReply*>(wire));
    out.send_event = (change->response_type & 0x80) != 0;
    out.display = display;
    out.event = out.window = change->root;
    out.width = turned ? change->height : change->width;
    out.height = turned ? change->width : change->height;
    return True;
}

}  // namespace

// Xlib drops the events of an extension it was not told of, and RandR is spoken through XCB.
void X11Backend::ReceiveScreenChanges()
{
    XESetWireToEvent(FDisplay, FRandrEvent + XCB_RANDR_SCREEN_CHANGE_NOTIFY, ScreenChangeFromWire);
}

void X11Backend::Dispatch(XEvent& event)
{
    const auto filters = FFilters;  // a filter may remove itself
    for (const auto& [id, filter] : filters)
        if (filter(event))
            return;
    if (FPopups->Filter(event))
        return;
    if (event.xany.window == FRoot || event.type == FRandrEvent + XCB_RANDR_SCREEN_CHANGE_NOTIFY) {
        DispatchRoot(event);
        return;
    }
    auto at = FForms.find(event.xany.window);
    if (at != FForms.end())
        DispatchForm(at->first, at->second, event);
}

// Xlib's own figures of the screen follow, as everything that asks DisplayWidth reads them.
void X11Backend::ScreenChanged(const XConfigureEvent& change)
{
    Screen* screen = DefaultScreenOfDisplay(FDisplay);
    screen->width = change.width;
    screen->height = change.height;
    ForgetWorkAreas();
    if (FAppHandler != nullptr)
        RunReported([this] { FAppHandler->AppDisplayChanged(); });
}

void X11Backend::DispatchRoot(const XEvent& event)
{
    if (FRandrEvent >= 0 && event.type == FRandrEvent + XCB_RANDR_SCREEN_CHANGE_NOTIFY) {
        ScreenChanged(event.xconfigure);
        return;
    }
    if (event.type != PropertyNotify)
        return;
    if (event.xproperty.atom == Intern("_NET_WORKAREA") ||
        event.xproperty.atom == Intern("_NET_CURRENT_DESKTOP"))
        ForgetWorkAreas();
    if (event.xproperty.atom == Intern("_NET_WORKAREA") && FAppHandler != nullptr)
        RunReported([this] { FAppHandler->AppWorkAreaChanged(); });
    else if (event.xproperty.atom == XA_RESOURCE_MANAGER)
        ReadDesktopScale();
}

void X11Backend::DispatchForm(Window window, FormWindow& form, XEvent& event)
{
    IWindowHandler& handler = *form.handler;
    switch (event.type) {
    case Expose:
        form.paintPending = true;
        form.awaitingExposure = false;  // the paint it asks for puts the picture on the screen
        break;
    case ButtonPress:
        ButtonPressed(window, form, event.xbutton);
        break;
    case ButtonRelease:
        if (FDrag && event.xbutton.button == Button1) {
            FDrag.reset();
        } else if (auto button = ButtonOf(event.xbutton.button)) {
            const TShiftState shift = ShiftOfMask(event.xbutton.state) & ~ButtonBit(*button);
            const TPoint client{event.xbutton.x, event.xbutton.y};
            RunReported([&] { handler.WndMouseUp(*button, shift, client); });
        }
        break;
    case MotionNotify:
        PointerMoved(window, form, event.xmotion);
        break;
    case EnterNotify:
        FPointerWindow = window;
        break;
    case LeaveNotify:
        if (event.xcrossing.mode == NotifyNormal && !FDrag)
            RunReported([&] { handler.WndMouseLeave(); });
        break;
    case KeyPress:
        KeyWentDown(window, event.xkey);
        break;
    case KeyRelease:
        if (const TKey key = KeyOfKeySym(XLookupKeysym(&event.xkey, 0)); key != TKey::None)
            RunReported([&] { handler.WndKeyUp(key, ShiftOfMask(event.xkey.state)); });
        break;
    case FocusIn:
    case FocusOut:
        if (event.xfocus.detail == NotifyPointer || event.xfocus.mode == NotifyGrab ||
            event.xfocus.mode == NotifyUngrab)
            break;
        if (event.type == FocusIn)
            FFocus = window;
        else if (FFocus == window)
            FFocus = 0;
        RunReported([&] { handler.WndActivate(event.type == FocusIn); });
        break;
    case ConfigureNotify:
        Configured(window, form, event.xconfigure);
        break;
    case MapNotify:
    case UnmapNotify:
        MappedByWindowManager(window, event.type == MapNotify);
        break;
    case ClientMessage:
        ProtocolMessage(window, form, event.xclient);
        break;
    default:
        break;
    }
}

// A left press where the form's body drags the window: the second within the double-click time
// is a double click on the body, the first starts the move.
void X11Backend::ButtonPressed(Window window, FormWindow& form, const XButtonEvent& press)
{
    const auto button = ButtonOf(press.button);
    if (!button)
        return;
    const TPoint client{press.x, press.y};
    THitTest hit = THitTest::Client;
    RunReported([&] { hit = form.handler->WndHitTest({press.x_root, press.y_root}); });
    if (*button == TMouseButton::mbLeft && hit == THitTest::Caption) {
        const bool twice = FLastBodyPress.window == window &&
                           press.time - FLastBodyPress.time <= DoubleClickTime();
        if (twice) {
            FLastBodyPress = {};
            RunReported([&] { form.handler->WndBodyDoubleClick(client); });
        } else {
            FLastBodyPress = {window, press.time};
            StartMove(window, press);
        }
        return;
    }
    const TShiftState shift = ShiftOfMask(press.state) | ButtonBit(*button);
    RunReported([&] { form.handler->WndMouseDown(*button, shift, client); });
}

// The window manager moves the window, so it keeps its place within the desktop's rules; a
// plain move follows the pointer where none offers that.
void X11Backend::StartMove(Window window, const XButtonEvent& press)
{
    const Atom moveResize = Intern("_NET_WM_MOVERESIZE");
    if (!WmSupports(moveResize)) {
        const TRect bounds = FForms[window].params.bounds;
        FDrag = PlainDrag{window, {press.x_root - bounds.left, press.y_root - bounds.top}};
        return;
    }
    XUngrabPointer(FDisplay, press.time);
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = moveResize;
    message.xclient.format = 32;
    message.xclient.data.l[0] = press.x_root;
    message.xclient.data.l[1] = press.y_root;
    message.xclient.data.l[2] = kMoveResizeMove;
    message.xclient.data.l[3] = Button1;
    message.xclient.data.l[4] = 1;  // from an application
    XSendEvent(FDisplay, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &message);
    XFlush(FDisplay);
}

void X11Backend::PointerMoved(Window window, FormWindow& form, const XMotionEvent& motion)
{
    FPointerWindow = window;
    const TPoint screen{motion.x_root, motion.y_root};
    if (FDrag) {
        XMoveWindow(FDisplay, FDrag->window, screen.x - FDrag->offset.x,
                    screen.y - FDrag->offset.y);
        return;
    }
    if (FClip && !FClip->Contains(screen)) {
        SetCursorPos(Clamped(screen, *FClip));
        return;
    }
    const TPoint client{motion.x, motion.y};
    RunReported([&] {
        if (form.handler->WndHitTest(screen) == THitTest::Caption)
            form.handler->WndMouseHover(client);
        else
            form.handler->WndMouseMove(ShiftOfMask(motion.state), client);
        form.handler->WndCursorAt(client);
    });
}

// The key as the toolkit names it, then the character it types (none while Alt is held). The
// key may close the form, so it is looked up again before the character.
void X11Backend::KeyWentDown(Window window, XKeyEvent& key)
{
    const TShiftState shift = ShiftOfMask(key.state);
    const TKey named = KeyOfKeySym(XLookupKeysym(&key, 0));
    if (FormWindow* form = Find(window); form != nullptr && named != TKey::None)
        RunReported([&] { form->handler->WndKeyDown(named, shift); });
    char typed[8] = {};
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&key, typed, sizeof typed, &symbol, nullptr);
    if (FormWindow* form = Find(window); form != nullptr && length == 1 && (shift & ssAlt) == 0)
        RunReported([&] { form->handler->WndChar(typed[0]); });
}

// Reported in root coordinates: a window manager's own notice says them; a real one gives the
// place within the frame it put the window in.
void X11Backend::Configured(Window window, FormWindow& form, const XConfigureEvent& configure)
{
    TPoint origin{configure.x, configure.y};
    if (!configure.send_event) {
        Window child = 0;
        XTranslateCoordinates(FDisplay, window, FRoot, 0, 0, &origin.x, &origin.y, &child);
    }
    const TRect bounds{origin.x, origin.y, origin.x + configure.width, origin.y + configure.height};
    if (bounds == form.params.bounds)
        return;
    form.params.bounds = bounds;
    RunReported([&] { form.handler->WndMoved(bounds); });
}

void X11Backend::ProtocolMessage(Window window, FormWindow& form,
                                 const XClientMessageEvent& message)
{
    if (message.message_type != Intern("WM_PROTOCOLS"))
        return;
    const Atom protocol = static_cast<Atom>(message.data.l[0]);
    if (protocol == Intern("WM_DELETE_WINDOW"))
        RunReported([&] { form.handler->WndCloseRequest(); });
    else if (protocol == Intern("WM_TAKE_FOCUS"))
        XSetInputFocus(FDisplay, window, RevertToParent, static_cast<Time>(message.data.l[1]));
}

// The window manager iconified a form (its own minimize) or brought an iconified one back (a
// click on its taskbar entry): the application follows, as it would its own minimize.
void X11Backend::MappedByWindowManager(Window window, bool mapped)
{
    FormWindow* form = Find(window);
    if (form == nullptr || !form->wanted || FAppHandler == nullptr)
        return;
    const long state = WmState(window);
    if (mapped && FIconic && state == NormalState)
        RunReported([this] { FAppHandler->AppCommand(TSysCommand::Restore); });
    else if (!mapped && !FIconic && state == IconicState)
        RunReported([this] { FAppHandler->AppCommand(TSysCommand::Minimize); });
}
