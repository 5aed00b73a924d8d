// Program start, shared by the Windows executable and anything else that runs the whole
// program (tests, the snapshot tool) on other platform services.
#pragma once

#include "platform/services.h"
#include "platform/single_instance.h"

class TMainWindow;
class TMemoryPanel;

// Titles the application and creates the main window on `services`, then the hidden memory
// window, and registers the hotkey; the main window has run its creation (its drive scans) when
// this returns.
TMainWindow* CreateMainWindow(sw::PlatformServices services);

// The memory window CreateMainWindow made beside `main`, for tests and tools that look inside it.
TMemoryPanel& MemoryWindowOf(TMainWindow& main);

// CreateMainWindow, with the main window shown (unless the settings start it minimized) before
// the memory window and the hotkey are made, then the message loop until the main window
// closes; while it runs, a later start's request shows the main window. When `instance` finds a
// copy already running, this start only asks that copy to show its window and returns at once: no
// window, no tray icon, no settings written.
int RunProgram(sw::PlatformServices services, sw::ISingleInstance& instance);
