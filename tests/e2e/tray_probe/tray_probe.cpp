// tray_probe.exe: a tray icon alone, for the end-to-end check of the notification area. It
// appends one line per event to the file named on its command line: "click left",
// "dblclick left", "click right", "menu" (the context menu opened), "item" (a menu item chosen).
#include <cstdio>
#include <string>

#include "controls/tray_icon.h"
#include "gfx/win32/gdi_font_engine.h"
#include "gfx/win32/system_colors.h"
#include "gfx/win32/windows_api.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/win32/win32_backend.h"

namespace {

std::string LogPath;

void Log(const char* line)
{
    if (std::FILE* f = std::fopen(LogPath.c_str(), "ab")) {
        std::fprintf(f, "%s\n", line);
        std::fclose(f);
    }
}

const char* ButtonName(TMouseButton button)
{
    switch (button) {
    case TMouseButton::mbLeft:
        return "left";
    case TMouseButton::mbRight:
        return "right";
    default:
        return "middle";
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    LogPath = commandLine;
    InstallGdiFontEngine();
    InstallWin32SystemColors();
    SetBackend(MakeWin32Backend());
    Application().SetTitle("Tray probe");
    auto* form = Application().CreateForm<TForm>();
    Application().SetShowMainForm(false);

    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(menu);
    item->SetCaption("Probe item");
    item->OnClick = [](TObject*) { Log("item"); };
    menu->Items()->Add(item);

    auto* tray = new TTrayIcon(form);
    tray->SetHint("Spacewell probe|not shown");
    tray->SetPopupMenu(menu);
    tray->OnClick = [](TObject*, TMouseButton b, TShiftState, int, int) {
        Log((std::string("click ") + ButtonName(b)).c_str());
    };
    tray->OnDblClick = [](TObject*, TMouseButton b, TShiftState, int, int) {
        Log((std::string("dblclick ") + ButtonName(b)).c_str());
    };
    tray->OnContextPopup = [](TObject*, TPoint, bool&) { Log("menu"); };
    tray->SetActive(true);
    Log("ready");
    Application().Run();
    return 0;
}
