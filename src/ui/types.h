// The small vocabulary every toolkit header shares: mouse buttons, shift states, event
// signatures, key codes, hit-test codes, cursor ids and the enumerations of control properties.
// Several names equal <windows.h> macros with the same values; a win32/ file includes the
// toolkit's headers before <windows.h> so the macros arrive after these declarations.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/window_id.h"

class TObject;

// The toolkit names a window as the platform services do.
using sw::WindowId;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Bit set of keyboard modifiers and held mouse buttons.
using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

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
// A handler may set `key` to 0 to stop further processing of the key.
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// Virtual-key codes, Win32 numbering.
constexpr std::uint16_t VK_BACK = 0x08;
constexpr std::uint16_t VK_TAB = 0x09;
constexpr std::uint16_t VK_RETURN = 0x0D;
constexpr std::uint16_t VK_SHIFT = 0x10;
constexpr std::uint16_t VK_CONTROL = 0x11;
constexpr std::uint16_t VK_MENU = 0x12;
constexpr std::uint16_t VK_ESCAPE = 0x1B;
constexpr std::uint16_t VK_SPACE = 0x20;
constexpr std::uint16_t VK_PRIOR = 0x21;
constexpr std::uint16_t VK_NEXT = 0x22;
constexpr std::uint16_t VK_END = 0x23;
constexpr std::uint16_t VK_HOME = 0x24;
constexpr std::uint16_t VK_LEFT = 0x25;
constexpr std::uint16_t VK_UP = 0x26;
constexpr std::uint16_t VK_RIGHT = 0x27;
constexpr std::uint16_t VK_DOWN = 0x28;
constexpr std::uint16_t VK_DELETE = 0x2E;
constexpr std::uint16_t VK_F1 = 0x70;
constexpr std::uint16_t VK_F5 = 0x74;
constexpr std::uint16_t VK_F10 = 0x79;

// Hit-test answers of a form.
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;

// Application-window messages a hook may see, Win32 numbering.
constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_RESTORE = 0xF120;
constexpr unsigned SC_CLOSE = 0xF060;

// Message box styles and answers, Win32 numbering.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr int IDOK = 1;

// A message of the application window, for hooks: a hook that handles it returns true and
// may set Result.
struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};
using TWindowHook = std::function<bool(TMessage& message)>;

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
