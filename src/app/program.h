// Program start, shared by the Windows executable and anything else that runs the whole
// program (tests, the snapshot tool) on other platform services.
#pragma once

#include "platform/services.h"

class TForm1;
class TForm2;

// Titles the application and creates the main window on `services`, then the hidden memory
// window; the main window has run its creation (its drive scans) when this returns.
TForm1* CreateMainWindow(sw::PlatformServices services);

// The memory window CreateMainWindow made beside `main`, for tests and tools that look inside it.
TForm2& MemoryWindowOf(TForm1& main);

// CreateMainWindow, then the message loop until the main window closes.
int RunProgram(sw::PlatformServices services);
