// Program start: the application's title, the main window, the message loop.
#include "app/program.h"

#include <utility>

#include "app/app_icon.h"
#include "app/main_form.h"
#include "controls/vr_base.h"
#include "ui/application.h"

TForm1* CreateMainWindow(sw::PlatformServices services)
{
    Application().SetTitle("Spacewell v.1");
    Application().Icon().SetImage(SpacewellIconPicture(), clNone);
    RegisterVrCursors();
    return Application().CreateForm<TForm1>(std::move(services));
}

int RunProgram(sw::PlatformServices services)
{
    CreateMainWindow(std::move(services));
    Application().Run();
    return 0;
}
