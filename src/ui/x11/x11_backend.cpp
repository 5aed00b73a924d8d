// The backend's connection and what it answers about the desktop as a whole: the pointer, the
// keyboard, the screen, its work areas and scale, the application's minimized state, and the
// popups it hands to X11Popups.
#include "ui/x11/x11_backend.h"

#include <X11/Xresource.h>
#include <X11/extensions/Xrandr.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <iterator>
#include <stdexcept>

#include "ui/x11/x11_desktop.h"
#include "ui/x11/x11_keys.h"
#include "ui/x11/x11_popups.h"

namespace {

// Errors arrive late and name requests on windows that may be gone by then (a form freed while
// the window manager still spoke of it); none of them may end the program.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

std::vector<TMonitor> Monitors(Display* display, Window root)
{
    std::vector<TMonitor> monitors;
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display, root, True, &count);
    for (int i = 0; i < count; ++i)
        monitors.push_back(
            {{info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height},
             info[i].primary != 0});
    if (info != nullptr)
        XRRFreeMonitors(info);
    return monitors;
}

std::vector<long> CardinalsOf(Display* display, Window window, Atom property)
{
    Atom type = kNone;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* longs = reinterpret_cast<const long*>(data);
        values.assign(longs, longs + count);
    }
    if (data != nullptr)
        XFree(data);
    return values;
}

}  // namespace

X11Backend::X11Backend(const std::vector<std::string>& moreAtoms)
    : FDisplay(XOpenDisplay(nullptr)), FGuiThread(std::this_thread::get_id()),
      FStart(std::chrono::steady_clock::now())
{
    if (FDisplay == nullptr)
        throw std::runtime_error("Cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(IgnoreError);
    InternKnownAtoms(moreAtoms);
    FRoot = DefaultRootWindow(FDisplay);
    XSelectInput(FDisplay, FRoot, PropertyChangeMask);
    int errorBase = 0;
    if (XRRQueryExtension(FDisplay, &FRandrEvent, &errorBase) != 0)
        XRRSelectInput(FDisplay, FRoot, RRScreenChangeNotifyMask);
    else
        FRandrEvent = -1;
    FWakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    ReadDesktopScale();
    FPopups = std::make_unique<X11Popups>(FDisplay, [this] { Step(); });
}

X11Backend::~X11Backend()
{
    FPopups.reset();
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

// One round trip for all the names the backend uses instead of one each as they come up.
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
    std::vector<char*> names;
    for (const char* name : kNames)
        names.push_back(const_cast<char*>(name));
    for (const std::string& name : moreAtoms)
        names.push_back(const_cast<char*>(name.c_str()));
    std::vector<Atom> atoms(names.size());
    if (XInternAtoms(FDisplay, names.data(), static_cast<int>(names.size()), False, atoms.data()) ==
        0)
        return;
    for (std::size_t i = 0; i < names.size(); ++i)
        FAtoms.emplace(names[i], atoms[i]);
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

// Read again only after the desktop said they changed: each reading is three round trips, and the
// program asks often while the desk settles after its start.
std::vector<TRect> X11Backend::WorkAreas()
{
    if (!FWorkAreas) {
        const std::vector<long> current =
            CardinalsOf(FDisplay, FRoot, Intern("_NET_CURRENT_DESKTOP"));
        const std::optional<TRect> workArea =
            WorkAreaOfDesktop(CardinalsOf(FDisplay, FRoot, Intern("_NET_WORKAREA")),
                              current.empty() ? 0 : current[0]);
        FWorkAreas = MonitorWorkAreas(Monitors(FDisplay, FRoot), workArea, ScreenSize());
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
