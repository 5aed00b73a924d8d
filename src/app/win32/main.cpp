// spacewell.exe: the platform's own text drawing and colours, the real services, then the
// program.
#include "app/program.h"
#include "gfx/win32/gdi_font_engine.h"
#include "gfx/win32/system_colors.h"
#include "gfx/win32/windows_api.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallGdiFontEngine();
    InstallWin32SystemColors();
    const auto instance = sw::MakeWin32SingleInstance();
    return RunProgram(sw::MakeNativeServices(), *instance);
}
