// Hooks the Win32 program uses so that the canvas draws text with GDI and resolves system
// colours with the platform's own palette. No <windows.h> here: callers stay platform-free.
#pragma once

// Makes Fonts() the GDI engine: CreateFontA faces drawn into a DIB section and copied as a mask.
void InstallGdiFontEngine();

// Makes ColorToRGB resolve system colours through GetSysColor.
void InstallWin32SystemColors();
