// The backend's connection and what it answers about the desktop as a whole: the pointer, the
// keyboard, the screen, its work areas and scale, the application's minimized state, and the
// popups it hands to X11Popups.
#include "ui/x11/x11_backend.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xresource.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <iterator>
#include <stdexcept>

#include "ui/x11/x11_batched.h"
#include "ui/x11/x11_desktop.h"
#include "ui/x11/x11_keys.h"
#include "ui/x11/x11_popups.h"

namespace {

// Errors arrive late and name requests on windows that may be gone by then (a form freed while
// the window manager still spoke of it); none of them may end the program.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

X11Backend::X11Backend(const std::vector<std::string>& moreAtoms)
    : FDisplay(XOpenDisplay(nullptr)), FGuiThread(std::this_thread::get_id()),
      FStart(std::chrono::steady_clock::now())
{
    if (FDisplay == nullptr)
        throw std::runtime_error("Cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(IgnoreError);
    FRoot = DefaultRootWindow(FDisplay);
    InternKnownAtoms(moreAtoms);
    XSelectInput(FDisplay, FRoot, PropertyChangeMask);
    if (FRandrEvent >= 0) {
        xcb_randr_select_input(XGetXCBConnection(FDisplay), static_cast<xcb_window_t>(FRoot),
                               XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE);
        ReceiveScreenChanges();
    }
    // The window is placed on these once it is built: their answers come meanwhile.
    AskDeskLayout();
    FWakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    ReadDesktopScale();
    FPopups = std::make_unique<X11Popups>(FDisplay, [this] { Step(); });
}

X11Backend::~X11Backend()
{
    FPopups.reset();
    // Answers still on their way are dropped while the connection is there to drop them.
    FDeskAsked.reset();
    for (auto& [window, form] : FForms) {
        XFreeGC(FDisplay, form.gc);
        XDestroyWindow(FDisplay, window);
    }
    for (const LazyCursor& cursor : FCursors)
        if (cursor.made != 0)
            XFreeCursor(FDisplay, cursor.made);
    XCloseDisplay(FDisplay);
    close(FWakeFd);
}

// One round trip for all the names the backend uses, and RandR, instead of one each as they come
// up.
void X11Backend::InternKnownAtoms(const std::vector<std::string>& moreAtoms)
{
    static constexpr const char* kNames[] = {"_MOTIF_WM_HINTS",
                                             "_NET_ACTIVE_WINDOW",
                                             "_NET_CURRENT_DESKTOP",
                                             "_NET_SUPPORTED",
                                             "_NET_SUPPORTING_WM_CHECK",
                                             "_NET_WM_ICON",
                                             "_NET_WM_MOVERESIZE",
                                             "_NET_WM_NAME",
                                             "_NET_WM_STATE",
                                             "_NET_WM_STATE_ABOVE",
                                             "_NET_WM_STATE_SKIP_PAGER",
                                             "_NET_WM_STATE_SKIP_TASKBAR",
                                             "_NET_WM_WINDOW_OPACITY",
                                             "_NET_WM_WINDOW_TYPE",
                                             "_NET_WM_WINDOW_TYPE_NORMAL",
                                             "_NET_WM_WINDOW_TYPE_UTILITY",
                                             "_NET_WORKAREA",
                                             "UTF8_STRING",
                                             "WM_DELETE_WINDOW",
                                             "WM_PROTOCOLS",
                                             "WM_STATE",
                                             "WM_TAKE_FOCUS"};
    std::vector<std::string> names(std::begin(kNames), std::end(kNames));
    names.insert(names.end(), moreAtoms.begin(), moreAtoms.end());
    const TBatchedAtoms batched = InternWithRandr(XGetXCBConnection(FDisplay), names);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (batched.atoms[i] != kNone)
            FAtoms.emplace(names[i], batched.atoms[i]);
    FRandrEvent = batched.randrEventBase.value_or(-1);
}

Atom X11Backend::Intern(const char* name)
{
    auto [at, added] = FAtoms.try_emplace(name, kNone);
    if (added)
        at->second = XInternAtom(FDisplay, name, False);
    return at->second;
}

void X11Backend::ReadDesktopScale()
{
    const char* resources = XResourceManagerString(FDisplay);
    FDpi = DpiOfResources(resources != nullptr ? resources : "");
}

void X11Backend::AnnounceVolumes(bool arrival, std::string letters)
{
    PostToGuiThread([this, arrival, letters = std::move(letters)] {
        if (FAppHandler != nullptr)
            FAppHandler->AppVolumeChanged(arrival, letters);
    });
}

void X11Backend::EndSession()
{
    if (FAppHandler != nullptr)
        RunReported([this] { FAppHandler->AppEndSession(); });
}

void X11Backend::WatchReadable(int fd, std::function<void()> ready)
{
    FWatched[fd] = std::move(ready);
}

int X11Backend::AddEventFilter(std::function<bool(const XEvent& event)> filter)
{
    FFilters.emplace(FNextFilter, std::move(filter));
    return FNextFilter++;
}

void X11Backend::RemoveEventFilter(int id) { FFilters.erase(id); }

void X11Backend::DeliverHotkey(WindowId window, int id)
{
    if (FormWindow* form = Find(window))
        RunReported([&] { form->handler->WndHotkey(id); });
}

void X11Backend::SetAppIcon(const TBitmap& image, TColor transparent)
{
    FAppIcon = image;
    FAppIconTransparent = transparent;
    for (auto& [window, form] : FForms)
        if (!form.hasIcon)
            PutIcon(window, image, transparent);
}

// Iconifies the forms on screen; those shown while minimized map iconified.
void X11Backend::MinimizeApp()
{
    FIconic = true;
    for (auto& [window, form] : FForms)
        if (form.wanted)
            XIconifyWindow(FDisplay, window, DefaultScreen(FDisplay));
    XFlush(FDisplay);
}

void X11Backend::RestoreApp()
{
    FIconic = false;
    for (auto& [window, form] : FForms)
        if (form.wanted)
            MapForm(window, form);
    XFlush(FDisplay);
}

TPoint X11Backend::CursorPos()
{
    Window rootReturn = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(FDisplay, FRoot, &rootReturn, &child, &x, &y, &wx, &wy, &mask);
    return {x, y};
}

void X11Backend::SetCursorPos(TPoint screen)
{
    XWarpPointer(FDisplay, kNone, FRoot, 0, 0, 0, 0, screen.x, screen.y);
    XFlush(FDisplay);
}

// Kept by pulling the pointer back as it moves over the program's windows; the controls clip
// only while they hold the button down, which keeps the pointer's events with them.
void X11Backend::ClipCursor(const TRect* screen)
{
    FClip = screen != nullptr ? std::optional<TRect>(*screen) : std::nullopt;
}

TShiftState X11Backend::KeyboardShift()
{
    Window rootReturn = 0, child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(FDisplay, FRoot, &rootReturn, &child, &x, &y, &wx, &wy, &mask);
    return ShiftOfMask(mask) & (ssShift | ssCtrl | ssAlt);
}

bool X11Backend::KeyPressed(TKey key)
{
    const KeySym symbol = KeySymOf(key);
    if (symbol == NoSymbol)
        return false;
    const KeyCode code = XKeysymToKeycode(FDisplay, symbol);
    char keys[32] = {};
    XQueryKeymap(FDisplay, keys);
    return code != 0 && (keys[code / 8] & (1 << (code % 8))) != 0;
}

bool X11Backend::InputWaiting()
{
    {
        std::lock_guard lock(FPostLock);
        if (!FPosted.empty())
            return true;
    }
    return XPending(FDisplay) > 0;
}

TSize X11Backend::ScreenSize()
{
    const int screen = DefaultScreen(FDisplay);
    return {DisplayWidth(FDisplay, screen), DisplayHeight(FDisplay, screen)};
}

void X11Backend::AskDeskLayout()
{
    FDeskAsked = std::make_unique<TAskedDeskLayout>(
        XGetXCBConnection(FDisplay), static_cast<xcb_window_t>(FRoot),
        Intern("_NET_CURRENT_DESKTOP"), Intern("_NET_WORKAREA"), FRandrEvent >= 0);
}

void X11Backend::ForgetWorkAreas()
{
    FWorkAreas.reset();
    FDeskAsked.reset();
}

// Read again only after the desktop said they changed: the program asks often while the desk
// settles after its start.
std::vector<TRect> X11Backend::WorkAreas()
{
    if (!FWorkAreas) {
        if (!FDeskAsked)
            AskDeskLayout();
        const TDeskLayout layout = FDeskAsked->Take();
        FDeskAsked.reset();
        const std::optional<TRect> workArea = WorkAreaOfDesktop(
            layout.workAreas, layout.currentDesktop.empty() ? 0 : layout.currentDesktop[0]);
        FWorkAreas = MonitorWorkAreas(layout.monitors, workArea, ScreenSize());
    }
    return *FWorkAreas;
}

int X11Backend::TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen)
{
    return FPopups->TrackMenu(items, screen, FDpi);
}

TMsgBoxResult X11Backend::ShowMessageBox(const std::string& text, const std::string& caption,
                                         TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    return FPopups->MessageBox(text, caption, buttons, icon, FDpi);
}

void X11Backend::ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                                const TFontSpec& font)
{
    FPopups->ShowHint(text, screen, color, font);
}

void X11Backend::HideHintWindow() { FPopups->HideHint(); }
