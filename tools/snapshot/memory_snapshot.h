// The memory window as the main window's ">>" button brings it out, drawn headlessly with fixed
// memory figures, for comparing with the real program's window under Wine.
#pragma once

#include <string>

#include "platform/fake/fake_platform.h"

// Starts the program on `platform` (its drive table already filled), lets the memory window
// refresh once, opens it and writes its picture to `path`, with the windows built for `dpi`.
// Prints the window's size and place; returns the process exit code.
int WriteMemorySnapshot(sw::FakePlatform& platform, const std::string& path, int dpi = 96);
