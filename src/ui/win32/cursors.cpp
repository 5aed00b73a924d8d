// The mouse cursor: position, clipping, stock shapes and shapes made from pictures.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

TPoint Win32Backend::CursorPos()
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Backend::SetCursorPos(TPoint screen) { ::SetCursorPos(screen.x, screen.y); }

void Win32Backend::ClipCursor(const TRect* screen)
{
    if (screen == nullptr) {
        ::ClipCursor(nullptr);
        return;
    }
    RECT r{screen->left, screen->top, screen->right, screen->bottom};
    ::ClipCursor(&r);
}

std::uintptr_t Win32Backend::LoadStockCursor(TCursor id)
{
    int resource = 32512;  // IDC_ARROW
    switch (id) {
    case crNone:
        return 0;
    case crCross:
        resource = 32515;
        break;
    case crIBeam:
        resource = 32513;
        break;
    case crHourGlass:
        resource = 32514;
        break;
    case crNo:
        resource = 32648;
        break;
    case crHandPoint:
        resource = 32649;
        break;
    case crSizeAll:
        resource = 32646;
        break;
    default:
        break;
    }
    return reinterpret_cast<std::uintptr_t>(LoadCursorA(nullptr, MAKEINTRESOURCEA(resource)));
}

std::uintptr_t Win32Backend::MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
{
    HICON cursor = MakeIcon(image, transparent, &hotSpot);
    if (cursor == nullptr)
        return 0;
    FCursors.push_back(reinterpret_cast<std::uintptr_t>(cursor));
    return FCursors.back();
}

void Win32Backend::SetCursorShape(std::uintptr_t cursor)
{
    ::SetCursor(reinterpret_cast<HCURSOR>(cursor));
}
