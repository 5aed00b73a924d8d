// The platform's own system colours for ColorToRGB.
#include "gfx/color.h"
#include "gfx/win32/system_colors.h"
#include "gfx/win32/windows_api.h"

void InstallWin32SystemColors()
{
    SetSystemColorTable([](int index) { return static_cast<TColor>(GetSysColor(index)); });
}
