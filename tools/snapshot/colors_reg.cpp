// REGEDIT4 text of the current system-colour table, one "R G B" value per colour name.
#include "colors_reg.h"

#include "gfx/color.h"

namespace {

// The registry names of the system colours, by index.
const char* const kColorNames[] = {"Scrollbar",
                                   "Background",
                                   "ActiveTitle",
                                   "InactiveTitle",
                                   "Menu",
                                   "Window",
                                   "WindowFrame",
                                   "MenuText",
                                   "WindowText",
                                   "TitleText",
                                   "ActiveBorder",
                                   "InactiveBorder",
                                   "AppWorkspace",
                                   "Hilight",
                                   "HilightText",
                                   "ButtonFace",
                                   "ButtonShadow",
                                   "GrayText",
                                   "ButtonText",
                                   "InactiveTitleText",
                                   "ButtonHilight",
                                   "ButtonDkShadow",
                                   "ButtonLight",
                                   "InfoText",
                                   "InfoWindow",
                                   "ButtonAlternateFace",
                                   "HotTrackingColor",
                                   "GradientActiveTitle",
                                   "GradientInactiveTitle",
                                   "MenuHilight",
                                   "MenuBar"};

}  // namespace

void WriteColorsReg(std::ostream& out)
{
    out << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\n";
    TColor index = 0;
    for (const char* name : kColorNames) {
        const TColor c = ColorToRGB(clSystemColor | index++);
        out << '"' << name << "\"=\"" << GetRValue(c) << ' ' << GetGValue(c) << ' ' << GetBValue(c)
            << "\"\n";
    }
}
