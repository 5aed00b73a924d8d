// The hook the Win32 program uses so that the canvas resolves system colours with the platform's
// own palette. No <windows.h> here: callers stay platform-free.
#pragma once

// Makes ColorToRGB resolve system colours through GetSysColor.
void InstallWin32SystemColors();
