// The notification area ("tray"): the shell keeps one icon per program there, with a tip and now
// and then a balloon, and reports the pointer's activity over it. This interface gives a
// component a hidden tray window (which also runs the component's timers), shows, changes and
// removes that window's icon, and hands what the shell and the session report back to the
// component as events, all as plain values, so the component's rules can be tested against a
// fake shell. A desktop may also tell clicks apart itself ("activated", "menu asked at x, y")
// and draw the icon's menu from a description the program gives it; it then says so in its
// features and reports those events instead of raw presses.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/icon_image.h"
#include "platform/window_id.h"

namespace sw {

enum class BalloonIcon { None, Info, Warning, Error };

// What a balloon holds at most, in characters: the system's limits, which a text is cut to.
inline constexpr std::size_t kBalloonTitleLimit = 63;
inline constexpr std::size_t kBalloonTextLimit = 255;

// A balloon over the icon; one without title and text closes the balloon shown.
struct NotifyBalloon {
    std::string title;
    std::string text;
    BalloonIcon icon = BalloonIcon::None;
    unsigned timeoutMs = 0;

    friend bool operator==(const NotifyBalloon&, const NotifyBalloon&) = default;
};

// A change to a shown icon: only the parts given change.
struct NotifyIconChange {
    std::optional<IconImage> image;
    std::optional<std::string> tip;
    std::optional<NotifyBalloon> balloon;

    friend bool operator==(const NotifyIconChange&, const NotifyIconChange&) = default;
};

enum class NotifyMenuToggle { None, Check, Radio };

// One item of the icon's menu as a desktop that draws the menu is given it.
struct NotifyMenuItem {
    // Reported back when the item is chosen; unique within one description.
    int id = 0;
    // "-" is a separator.
    std::string caption;
    NotifyMenuToggle toggle = NotifyMenuToggle::None;
    bool checked = false;
    // Radio items of one group within one submenu exclude each other.
    int group = 0;
    bool enabled = true;
    bool isDefault = false;
    // A submenu when not empty.
    std::vector<NotifyMenuItem> items;

    friend bool operator==(const NotifyMenuItem&, const NotifyMenuItem&) = default;
};

// The icon's menu, top-level items in order.
using NotifyMenu = std::vector<NotifyMenuItem>;

// What the shell in use can do; a component shapes what it sends by it.
struct NotifyAreaFeatures {
    // The longest tip the shell shows, in characters.
    std::size_t tipLength = 127;
    // Tips keep their line breaks.
    bool multiLineTips = true;
    bool balloons = true;
    // The shell itself asks for the icon's menu after a right click and from the keyboard;
    // without this, a component opens its menu on the right button's release.
    bool menuRequests = true;
    // The desktop draws the icon's menu itself from the description the window is given,
    // asking for it fresh before it shows the menu and reporting the item chosen.
    bool desktopMenus = false;
    // The shell reports the pointer's moves over the icon; one that does not (a status item's
    // host) gets a new tip as soon as it is set, since no move would ever bring it.
    bool pointerMoves = true;
    // There is a notification area at all: a desktop without one (a bare window manager) shows
    // no icon, so hiding the window to it would leave nothing to bring it back by.
    bool present = true;

    friend bool operator==(const NotifyAreaFeatures&, const NotifyAreaFeatures&) = default;
};

enum class PointerButton { Left, Right, Middle };
enum class ButtonAction { Down, Up, DoubleClick };
// How the shell asks for the icon's menu: after a right click, or from the keyboard.
enum class MenuRequest { ContextMenu, KeySelect };
enum class BalloonEvent { Shown, Hidden, TimedOut, Clicked };

// Cursor position in screen coordinates and which keys and buttons are held, read together
// when a report is handled.
struct TrayPointerState {
    int x = 0;
    int y = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
};

// What reaches a tray window, in the order it happens. Every call comes on the thread that made
// the window.
class ITrayEvents {
public:
    virtual ~ITrayEvents() = default;
    virtual void PointerMoved() = 0;
    virtual void ButtonChanged(ButtonAction action, PointerButton button) = 0;
    virtual void MenuRequested(MenuRequest how) = 0;
    // A desktop that tells clicks apart itself: the icon was activated (its left click, or the
    // keyboard's equivalent) with the pointer at x, y (screen pixels).
    virtual void Activated(int x, int y) = 0;
    // Such a desktop asks for the icon's menu, drawn by the program, at x, y (screen pixels).
    virtual void MenuAskedAt(int x, int y) = 0;
    // A desktop that draws the menu is about to show it: the window's description is brought
    // up to date now. Then the item chosen, by its id, if any.
    virtual void MenuAboutToShow() = 0;
    virtual void MenuItemChosen(int id) = 0;
    virtual void BalloonChanged(BalloonEvent event) = 0;
    // The shell started again (its taskbar was created anew) and has forgotten every icon.
    virtual void ShellRestarted() = 0;
    virtual void TimerFired(unsigned id) = 0;
    // Asked before the session ends: true lets it end.
    virtual bool SessionMayEnd() = 0;
    // The session ends now (true), or an announced end was cancelled (false).
    virtual void SessionEnded(bool ending) = 0;
};

// One hidden window with at most one icon: it exists from creation to destruction and passes
// everything it hears to its events.
class ITrayWindow {
public:
    virtual ~ITrayWindow() = default;
    virtual WindowId Handle() const = 0;
    // Each call answers false when the shell refused, which callers may ignore: a restarted
    // shell reports ShellRestarted and the icon is shown again. Showing an icon that is shown,
    // or changing or removing one that is not, is refused.
    virtual bool ShowIcon(const IconImage& image, const std::string& tip) = 0;
    virtual bool ChangeIcon(const NotifyIconChange& change) = 0;
    virtual bool RemoveIcon() = 0;
    // A repeating timer that reports TimerFired(id); setting it again restarts it.
    virtual void SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void KillTimer(unsigned id) = 0;
    // Makes the hidden window the foreground window, so a menu opened for it closes on a click
    // elsewhere; MenuClosed afterwards lets the system finish that switch.
    virtual void SetForeground() = 0;
    virtual void MenuClosed() = 0;
    // The menu a desktop that draws menus shows for the icon; others ignore it.
    virtual void SetMenu(const NotifyMenu& menu) = 0;
    // Whether a shown icon is on the desktop now. A shell says so when the icon is shown; a
    // desktop whose host of icons comes and goes on its own (and is still being asked while the
    // program starts) answers here, when it matters.
    virtual bool IconReachable() { return true; }
};

class INotifyArea {
public:
    virtual ~INotifyArea() = default;
    // `events` must outlive the window.
    virtual std::unique_ptr<ITrayWindow> CreateTrayWindow(ITrayEvents& events) = 0;
    virtual NotifyAreaFeatures Features() = 0;
    // Milliseconds between two clicks that still make a double click.
    virtual unsigned DoubleClickTime() = 0;
    virtual TrayPointerState PointerState() = 0;
    // Shows or hides the process in the system's task list where the system can do that.
    virtual void SetTaskListVisible(bool visible) = 0;
};

// The notification area of the system the program was built for.
std::shared_ptr<INotifyArea> MakeNativeNotifyArea();

// The service tray icons use unless they are given one: the native one until replaced.
std::shared_ptr<INotifyArea> DefaultNotifyArea();
void SetDefaultNotifyArea(std::shared_ptr<INotifyArea> area);

}  // namespace sw
