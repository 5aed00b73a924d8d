// The small vocabulary every toolkit header shares: mouse buttons, event signatures, hit-test
// answers, system commands, message-box buttons, cursor ids and the enumerations of control
// properties (keys and shift states come from platform/keys.h). The names and numbers are the
// toolkit's own; a backend translates its platform's (ui/win32 its virtual keys and messages), so
// <windows.h> may come before or after this header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/keys.h"
#include "platform/window_id.h"

class TObject;

// The toolkit names a window as the platform services do.
using sw::WindowId;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The shift-state bit that says `button` is held.
constexpr TShiftState ButtonBit(TMouseButton button)
{
    switch (button) {
    case TMouseButton::mbLeft:
        return ssLeft;
    case TMouseButton::mbRight:
        return ssRight;
    case TMouseButton::mbMiddle:
        return ssMiddle;
    }
    return 0;
}

enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// A handler may set `key` to TKey::None to stop further processing of the key.
using TKeyEvent = std::function<void(TObject* sender, TKey& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// What lies under a point of a form: nothing of it, its client area, or its title (which drags
// the window).
enum class THitTest { Nowhere, Client, Caption };

// Commands the system gives the application window (its taskbar button, its system menu).
enum class TSysCommand { Minimize, Restore, Close };
// Hooks see the application window's commands first: a hook that handles one returns true.
using TWindowHook = std::function<bool(TSysCommand command)>;

// A message box's buttons and icon, and the button that closed it.
enum class TMsgBoxButtons { Ok, OkCancel, YesNo };
enum class TMsgBoxIcon { None, Error, Warning, Information };
enum class TMsgBoxResult { Ok, Cancel, Yes, No };

// Cursor ids: negative ids are the platform's stock cursors; programs add their own (>0).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TFormStyle { fsNormal, fsStayOnTop };

// Border icons of a framed form, as bits.
using TBorderIcons = std::uint8_t;
constexpr TBorderIcons biSystemMenu = 0x01;
constexpr TBorderIcons biMinimize = 0x02;
constexpr TBorderIcons biMaximize = 0x04;

// Control style bits.
using TControlStyle = std::uint32_t;
// Paints every pixel of its bounds, so nothing beneath needs painting first.
constexpr TControlStyle csOpaque = 0x01;
// A press captures the mouse until release.
constexpr TControlStyle csCaptureMouse = 0x02;
// A left press and release inside is a click.
constexpr TControlStyle csClickEvents = 0x04;
// A second press within the double-click time is a double click.
constexpr TControlStyle csDoubleClicks = 0x08;

// Component state bits.
using TComponentState = std::uint32_t;
constexpr TComponentState csLoading = 0x01;
constexpr TComponentState csDesigning = 0x02;
constexpr TComponentState csDestroying = 0x04;

enum class TOperation { opInsert, opRemove };
