// spacewell.exe: the platform's own text drawing, colours and windows, the real services, then
// the program.
#include "app/program.h"
#include "gfx/win32/gdi_font_engine.h"
#include "gfx/win32/system_colors.h"
#include "gfx/win32/windows_api.h"
#include "ui/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    InstallGdiFontEngine();
    InstallWin32SystemColors();
    SetBackend(MakeWin32Backend());
    const auto instance = sw::MakeWin32SingleInstance();
    return RunProgram(sw::MakeNativeServices(), *instance);
}
