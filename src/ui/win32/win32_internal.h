// What the Win32 backend's files share: handle conversions, the window classes and their
// procedures' registration, the record kept per form window and the conversions of pictures
// into GDI objects, and the translations between the toolkit's vocabulary and Win32's numbers.
// Only this folder includes it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/win32/win32_backend.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/win32/win32_icon.h"

namespace win32ui {

inline constexpr char kFormClass[] = "SpacewellForm";
inline constexpr char kAppClass[] = "SpacewellApplication";
inline constexpr char kUtilClass[] = "SpacewellUtility";
inline constexpr char kHintClass[] = "SpacewellHint";
// Wakes the utility window to run work posted from other threads.
inline constexpr UINT kRunPosted = WM_APP + 1;

// Which area's leave notification a form window has asked for: the pointer over its client
// area, or over a body whose hit test answers non-client.
enum class Tracking { none, client, body };

// Per form window: where its messages go, the leave notification it waits for, the device
// context its class gives it for life, whether the backend has asked for a paint not yet come,
// and the backend's count of screen changes when the window was last validated.
struct FormWindow {
    IWindowHandler* handler = nullptr;
    Tracking tracking = Tracking::none;
    HDC dc = nullptr;
    // Has a frame and caption, which WM_PAINT must let the system draw.
    bool framed = false;
    bool paintAsked = false;
    std::uint64_t validatedAt = 0;
};

// The one backend the window procedures report to.
extern Win32Backend* gBackend;

inline HWND H(WindowId id) { return reinterpret_cast<HWND>(id); }
inline WindowId Id(HWND hwnd) { return reinterpret_cast<WindowId>(hwnd); }
// The record of a form window; nullptr once its form let it go.
inline FormWindow* FormOf(HWND hwnd)
{
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The classes of forms, the application window, the utility window and the hint window.
void RegisterWindowClasses();

// 0x00BBGGRR pixels as the top-down 32-bit DIB rows GDI expects, of the whole image, or of
// `part` of it into the start of `out`, which grows to hold them and never shrinks (a caller
// may keep it from call to call).
std::vector<std::uint32_t> DibPixels(const TBitmap& image);
void DibPixels(const TBitmap& image, TRect part, std::vector<std::uint32_t>& out);
HBITMAP MakeDib(const TBitmap& image);
// An icon, or a cursor with its hot spot when `hotSpot` is given.
HICON MakeIcon(const TBitmap& image, TColor transparent, const TPoint* hotSpot = nullptr);

// A virtual-key code as the toolkit's key (TKey::None for keys it has no name for), and back.
TKey KeyOf(WPARAM virtualKey);
int VirtualKeyOf(TKey key);
LRESULT HitTestCode(THitTest hit);
// The command a WM_SYSCOMMAND or WM_CLOSE gives the application; nothing for other messages.
std::optional<TSysCommand> SysCommandOf(UINT msg, WPARAM wParam);
UINT MessageBoxStyle(TMsgBoxButtons buttons, TMsgBoxIcon icon);
TMsgBoxResult MessageBoxResult(int answer);

}  // namespace win32ui
