// Pop-up menus: the toolkit's entries as a Win32 menu, tracked on the utility window.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

namespace {

// A picture with its transparent colour replaced by `background` (menus have no alpha here).
TBitmap Flatten(const TBitmap& image, TColor background)
{
    TBitmap out = image;
    if (!image.Transparent)
        return out;
    TColor key = ColorToRGB(image.EffectiveTransparentColor());
    TColor fill = ColorToRGB(background);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            if (out.Pixel(x, y) == key)
                out.SetPixel(x, y, fill);
    return out;
}

// Pictures share the check marks' column. Otherwise Wine sizes an item without a picture as if
// its caption started after the check marks, yet draws it after the widest picture too, cutting
// its end once the pictures outgrow the slack (at 125 % and beyond). Windows documents this
// style as reserving one column for the wider of the check mark and the pictures.
void SharePictureColumn(HMENU menu)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    info.dwStyle = MNS_CHECKORBMP;
    SetMenuInfo(menu, &info);
}

void AppendEntries(HMENU menu, const std::vector<TMenuEntry>& items, std::vector<HBITMAP>& pictures)
{
    SharePictureColumn(menu);
    for (const TMenuEntry& e : items) {
        if (e.caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.fType = e.radio ? MFT_RADIOCHECK : MFT_STRING;
        info.fState = (e.checked ? MFS_CHECKED : 0u) | (e.enabled ? 0u : MFS_GRAYED) |
                      (e.isDefault ? MFS_DEFAULT : 0u);
        info.wID = static_cast<UINT>(e.command);
        info.dwTypeData = const_cast<char*>(e.caption.c_str());
        if (!e.items.empty()) {
            HMENU sub = CreatePopupMenu();
            AppendEntries(sub, e.items, pictures);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = sub;
        }
        if (e.picture != nullptr && !e.picture->Empty()) {
            HBITMAP picture = MakeDib(Flatten(*e.picture, clMenu));
            pictures.push_back(picture);
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = picture;
        }
        InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

}  // namespace

int Win32Backend::TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen)
{
    PutAppWindowOnScreen();
    HMENU menu = CreatePopupMenu();
    std::vector<HBITMAP> pictures;
    AppendEntries(menu, items, pictures);
    int command =
        static_cast<int>(::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                          screen.x, screen.y, 0, H(FUtilWindow), nullptr));
    DestroyMenu(menu);
    for (HBITMAP picture : pictures)
        DeleteObject(picture);
    // A tray menu leaves the activation on the hidden window it was tracked for, which takes
    // no keys: the toolkit hands it on to a form.
    if (AppActive())
        PostAppActivated();
    return command;
}
