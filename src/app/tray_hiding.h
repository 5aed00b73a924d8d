// The program hidden to the tray and brought back, as the tray icon asks: the application's
// taskbar window shown or hidden, the application minimized or restored, and its main form
// following (with the icon's Snap, also as it hides). Where the desktop shows no icon (a bare
// window manager) nothing could bring a hidden program back, so hiding only minimizes it and
// its windows and taskbar entries stay.
#pragma once

#include "controls/tray_program.h"

class TTrayIcon;

class TTrayHiding : public ITrayProgram {
public:
    // The icon that stands for the program; without one, hiding hides.
    void SetIcon(const TTrayIcon* icon) { FIcon = icon; }
    // Hiding takes the windows off the screen: an icon is there to bring them back.
    bool HidesWindows() const;
    bool Shown() const override;
    bool Minimized() const override;
    void HideAtStart() override;
    // A program that stays hidden after its start, where no icon could bring it back, starts
    // minimized instead, its taskbar entry kept.
    void KeepStartInReach();
    void HideToTray(bool snap) override;
    void RestoreFromTray() override;

private:
    // Hidden at start without being minimized, until the next restore.
    bool FHiddenUnminimized = false;
    const TTrayIcon* FIcon = nullptr;
};
