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

int RunProgram(sw::PlatformServices services)
{
    CreateMainWindow(std::move(services));
    Application().Run();
    return 0;
}
