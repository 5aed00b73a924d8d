// Pop-up menus answered by the test's chooser, message boxes answered with their first button,
// and the hint window's text.
#include "ui/headless/headless_backend.h"

#include <algorithm>

TMenuChooser HeadlessBackend::ByCaption(std::vector<std::string> path)
{
    return [path](const std::vector<TMenuEntry>& items, TPoint) {
        const std::vector<TMenuEntry>* level = &items;
        const TMenuEntry* chosen = nullptr;
        for (const std::string& caption : path) {
            auto it = std::find_if(level->begin(), level->end(),
                                   [&](const TMenuEntry& e) { return e.caption == caption; });
            if (it == level->end() || !it->enabled)
                return 0;
            chosen = &*it;
            level = &it->items;
        }
        return chosen != nullptr && chosen->items.empty() ? chosen->command : 0;
    };
}

int HeadlessBackend::TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen)
{
    FLastMenu = items;
    FLastMenuPoint = screen;
    ++FMenuCount;
    return FChooser ? FChooser(items, screen) : 0;
}

TMsgBoxResult HeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption,
                                              TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    FLastMessageText = text;
    FLastMessageCaption = caption;
    FLastMessageIcon = icon;
    ++FMessageCount;
    return buttons == TMsgBoxButtons::YesNo ? TMsgBoxResult::Yes : TMsgBoxResult::Ok;
}

void HeadlessBackend::ShowHintWindow(const std::string& text, TPoint screen, TColor,
                                     const TFontSpec& font)
{
    FHintText = text;
    FHintPoint = screen;
    FHintFont = font;
}
