// The platform's notices to the whole application: the end of the session, a change of the
// monitors or of a work area, a drive letter's volume coming or going, and the application's own
// window taking the activation. Top-level windows hear them, so the application window and any form
// may each pass the same notice on; the toolkit copes with hearing one twice.
#include "ui/win32/win32_internal.h"

#include <dbt.h>

using namespace win32ui;

namespace {

// The letters of a volume mask, bit 0 being A:.
std::string LettersOf(DWORD unitMask)
{
    std::string letters;
    for (int bit = 0; bit < 26; ++bit)
        if (unitMask & (DWORD{1} << bit))
            letters += static_cast<char>('A' + bit);
    return letters;
}

}  // namespace

std::optional<std::intptr_t> Win32Backend::DeskNotice(unsigned msg, std::uintptr_t wParam,
                                                      std::intptr_t lParam)
{
    if (FAppHandler == nullptr)
        return std::nullopt;
    switch (msg) {
    case WM_QUERYENDSESSION:
        return FAppHandler->AppQueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam != FALSE)
            FAppHandler->AppEndSession();
        return 0;
    case WM_DISPLAYCHANGE:
        FAppHandler->AppDisplayChanged();
        return std::nullopt;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            FAppHandler->AppWorkAreaChanged();
        return std::nullopt;
    case WM_DEVICECHANGE: {
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
        if ((wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE) ||
            header == nullptr || header->dbch_devicetype != DBT_DEVTYP_VOLUME)
            return std::nullopt;
        const auto* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(header);
        FAppHandler->AppVolumeChanged(wParam == DBT_DEVICEARRIVAL,
                                      LettersOf(volume->dbcv_unitmask));
        return TRUE;
    }
    default:
        return std::nullopt;
    }
}

// Posted, so that the activation under way finishes before the focus moves on.
void Win32Backend::PostAppActivated()
{
    PostToGuiThread([this] {
        if (FAppHandler != nullptr)
            FAppHandler->AppActivated();
    });
}

namespace {

// Collects one monitor's work area, the primary monitor's in front.
BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoA(monitor, &info) != FALSE) {
        auto& areas = *reinterpret_cast<std::vector<TRect>*>(data);
        const RECT& r = info.rcWork;
        const TRect area{r.left, r.top, r.right, r.bottom};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            areas.insert(areas.begin(), area);
        else
            areas.push_back(area);
    }
    return TRUE;
}

}  // namespace

std::vector<TRect> Win32Backend::WorkAreas()
{
    std::vector<TRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}
