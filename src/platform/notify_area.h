// The notification area ("tray"): the shell keeps one icon per program there and reports mouse
// activity over it as messages to a hidden window. This interface gives a component that hidden
// window (with its timers), the shell's icon call and the few system queries around them, as
// plain values, so the component's rules can be tested against a fake shell.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_id.h"

namespace sw {

// Shell_NotifyIcon operations and field flags, Win32 numbering.
inline constexpr unsigned kNimAdd = 0;
inline constexpr unsigned kNimModify = 1;
inline constexpr unsigned kNimDelete = 2;
inline constexpr unsigned kNimSetVersion = 4;
inline constexpr unsigned kNifMessage = 0x1;
inline constexpr unsigned kNifIcon = 0x2;
inline constexpr unsigned kNifTip = 0x4;
inline constexpr unsigned kNifInfo = 0x10;
// A balloon's icon (dwInfoFlags), Win32 numbering.
inline constexpr std::uint32_t kNiifNone = 0;
inline constexpr std::uint32_t kNiifInfo = 1;
inline constexpr std::uint32_t kNiifWarning = 2;
inline constexpr std::uint32_t kNiifError = 3;

// Window messages the hidden window deals with, Win32 numbering.
inline constexpr unsigned kWmNull = 0x0000;
inline constexpr unsigned kWmQueryEndSession = 0x0011;
inline constexpr unsigned kWmEndSession = 0x0016;
inline constexpr unsigned kWmContextMenu = 0x007B;
inline constexpr unsigned kWmTimer = 0x0113;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmLButtonUp = 0x0202;
inline constexpr unsigned kWmLButtonDblClk = 0x0203;
inline constexpr unsigned kWmRButtonDown = 0x0204;
inline constexpr unsigned kWmRButtonUp = 0x0205;
inline constexpr unsigned kWmRButtonDblClk = 0x0206;
inline constexpr unsigned kWmMButtonDown = 0x0207;
inline constexpr unsigned kWmMButtonUp = 0x0208;
inline constexpr unsigned kWmMButtonDblClk = 0x0209;
inline constexpr unsigned kWmUser = 0x0400;
// Notifications a version-3 shell adds to the callback message's lParam.
inline constexpr unsigned kNinSelect = 0x0400;
inline constexpr unsigned kNinKeySelect = 0x0401;
inline constexpr unsigned kNinBalloonShow = 0x0402;
inline constexpr unsigned kNinBalloonHide = 0x0403;
inline constexpr unsigned kNinBalloonTimeout = 0x0404;
inline constexpr unsigned kNinBalloonUserClick = 0x0405;

// The message the shell sends to the hidden window, with the mouse message in lParam.
inline constexpr unsigned kTrayCallbackMessage = kWmUser + 1;
inline constexpr unsigned kTrayIconId = 1;
inline constexpr unsigned kNotifyIconVersion = 3;
// Shell versions are dwFileVersionMS words: major in the high 16 bits, minor in the low.
inline constexpr std::uint32_t kNewShellVersion = 0x50000;
// Sizes of the two 32-bit data block layouts: with the balloon fields, and the original one.
inline constexpr std::uint32_t kNewShellDataSize = 488;
inline constexpr std::uint32_t kOldShellDataSize = 88;

// An icon as the shell shows it: colour pixels 0x00BBGGRR, row-major from the top, and a mask
// that is non-zero where the icon is transparent.
struct TrayIconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint8_t> mask;

    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const TrayIconImage&, const TrayIconImage&) = default;
};

// The fields of the shell's notification data block that this program fills, by their
// Win32 names; cbSize names the 32-bit layout (kNewShellDataSize or kOldShellDataSize).
struct TrayIconData {
    std::uint32_t cbSize = 0;
    WindowId hWnd = 0;
    std::uint32_t uID = kTrayIconId;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = kTrayCallbackMessage;
    TrayIconImage hIcon;
    std::string szTip;
    std::uint32_t uVersion = 0;
    // Balloon fields, sent with kNifInfo; the shell keeps uTimeout and uVersion in one place.
    std::string szInfo;
    std::string szInfoTitle;
    std::uint32_t dwInfoFlags = 0;
    std::uint32_t uTimeout = 0;

    friend bool operator==(const TrayIconData&, const TrayIconData&) = default;
};

struct TrayMessage {
    unsigned msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// A hidden window's message handler: the result, or nothing for the platform's default handling.
using TrayWindowProc = std::function<std::optional<std::intptr_t>(const TrayMessage&)>;

// Cursor position in screen coordinates and which keys and buttons are held, read together
// when a notification is handled.
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

// One hidden window: it exists from creation to destruction and hands every message it gets,
// timers included, to its handler.
class ITrayWindow {
public:
    virtual ~ITrayWindow() = default;
    virtual WindowId Handle() const = 0;
    // Shell_NotifyIcon with `message` (kNim*); data.hWnd should be Handle(). False when the
    // shell refused, which callers may ignore: a restarted shell asks for its icons again.
    virtual bool NotifyIcon(unsigned message, const TrayIconData& data) = 0;
    // A repeating timer that delivers kWmTimer with wParam = id; setting it again restarts it.
    virtual void SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void KillTimer(unsigned id) = 0;
    // Makes the hidden window the foreground window, so a menu opened for it closes on a click
    // elsewhere.
    virtual void SetForeground() = 0;
    virtual void Post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

class INotifyArea {
public:
    virtual ~INotifyArea() = default;
    virtual std::unique_ptr<ITrayWindow> CreateTrayWindow(TrayWindowProc proc) = 0;
    // The shell's file version (dwFileVersionMS), or 0 when it cannot be read.
    virtual std::uint32_t ShellFileVersion() = 0;
    // The message id the shell broadcasts when its taskbar is created again.
    virtual unsigned TaskbarCreatedMessage() = 0;
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
