// Program start: the application's title, the main window, the memory window, the hotkey, the
// message loop.
#include "app/program.h"

#include <utility>

#include "app/app_icon.h"
#include "app/main_form.h"
#include "app/memory_form.h"
#include "controls/gauge_cursor.h"
#include "ui/application.h"

namespace {

TMainWindow* CreateMainForm(const sw::PlatformServices& services)
{
    Application().SetTitle("Spacewell v.1");
    Application().Icon().SetImage(SpacewellIconPicture(), clNone);
    RegisterGaugeCursors();
    return Application().CreateForm<TMainWindow>(services);
}

// What the main window does not need to appear.
void CompleteStart(TMainWindow& main, sw::PlatformServices services)
{
    main.MemoryPanel = Application().CreateForm<TMemoryPanel>(main, std::move(services));
    main.RegisterHotkey();
}

}  // namespace

TMainWindow* CreateMainWindow(sw::PlatformServices services)
{
    TMainWindow* main = CreateMainForm(services);
    CompleteStart(*main, std::move(services));
    return main;
}

// Only this file makes the memory window, so only here is its class known for certain.
TMemoryPanel& MemoryWindowOf(TMainWindow& main)
{
    return static_cast<TMemoryPanel&>(*main.MemoryPanel);
}

int RunProgram(sw::PlatformServices services, sw::ISingleInstance& instance)
{
    if (!instance.ClaimFirst()) {
        instance.AskFirstToShow();
        return 0;
    }
    // The window is on its way to the screen while the rest is made.
    TMainWindow* window = CreateMainForm(services);
    Application().ShowMainFormAtStart();
    CompleteStart(*window, std::move(services));
    // Asked for the main window of the moment: none once the program is ending.
    instance.OnShowRequest([] {
        if (auto* main = dynamic_cast<TMainWindow*>(Application().MainForm()))
            Application().Guard([main] { main->ShowForSecondStart(); });
    });
    Application().Run();
    return 0;
}
