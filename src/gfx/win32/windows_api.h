// <windows.h> for files that also use the canvas: the API's DrawText/TextOut macros would
// rename TCanvas's and FontEngine's members, so they are dropped after the include.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef DrawText
#undef TextOut
