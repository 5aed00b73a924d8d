// The program a tray icon stands for, as far as the icon hides it to the tray and brings it
// back. The application implements it (app/tray_hiding.h); the icon's rules (which click or
// option hides or restores, when its own icon comes and goes) speak of the program only
// through it. An icon given none leaves the program as it is and counts it as shown.
#pragma once

class ITrayProgram {
public:
    virtual ~ITrayProgram() = default;
    // Neither hidden at start nor minimized.
    virtual bool Shown() const = 0;
    virtual bool Minimized() const = 0;
    // Hidden as it starts, without being minimized: its main window will not show when the
    // message loop begins, nor its taskbar button.
    virtual void HideAtStart() = 0;
    // Minimizes a shown program (with `snap` its main window goes first) and takes away its
    // taskbar button.
    virtual void HideToTray(bool snap) = 0;
    // Brings back the taskbar button, the restored program and its main window.
    virtual void RestoreFromTray() = 0;
};
