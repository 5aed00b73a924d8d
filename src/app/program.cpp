// Program start: the application's title, the main window, the memory window, the message loop.
#include "app/program.h"

#include <utility>

#include "app/app_icon.h"
#include "app/main_form.h"
#include "app/memory_form.h"
#include "controls/gauge_base.h"
#include "ui/application.h"

TForm1* CreateMainWindow(sw::PlatformServices services)
{
    Application().SetTitle("Spacewell v.1");
    Application().Icon().SetImage(SpacewellIconPicture(), clNone);
    RegisterVrCursors();
    TForm1* main = Application().CreateForm<TForm1>(services);
    main->Form2 = Application().CreateForm<TForm2>(*main, std::move(services));
    return main;
}

// Only this file makes the memory window, so only here is its class known for certain.
TForm2& MemoryWindowOf(TForm1& main) { return static_cast<TForm2&>(*main.Form2); }

int RunProgram(sw::PlatformServices services, sw::ISingleInstance& instance)
{
    if (!instance.ClaimFirst()) {
        instance.AskFirstToShow();
        return 0;
    }
    CreateMainWindow(std::move(services));
    // Asked for the main window of the moment: none once the program is ending.
    instance.OnShowRequest([] {
        if (auto* main = dynamic_cast<TForm1*>(Application().MainForm()))
            Application().Guard([main] { main->ShowForSecondStart(); });
    });
    Application().Run();
    return 0;
}
