// The hook the Win32 program uses so that the canvas draws text with GDI. No <windows.h> here:
// callers stay platform-free.
#pragma once

// Makes Fonts() the GDI engine: CreateFontA faces drawn into a DIB section and copied as a mask.
void InstallGdiFontEngine();
