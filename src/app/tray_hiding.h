// The program hidden to the tray and brought back, as the tray icon asks: the application's
// taskbar window shown or hidden, the application minimized or restored, and its main form
// following (with the icon's Snap, also as it hides).
#pragma once

#include "controls/tray_program.h"

class TTrayHiding : public ITrayProgram {
public:
    bool Shown() const override;
    bool Minimized() const override;
    void HideAtStart() override;
    void HideToTray(bool snap) override;
    void RestoreFromTray() override;

private:
    // Hidden at start without being minimized, until the next restore.
    bool FHiddenUnminimized = false;
};
