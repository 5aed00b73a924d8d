// Colour values shared by every layer: 0x00BBGGRR, with system colours (0xFF0000nn) kept
// symbolic until something is drawn, so a theme change or another platform's palette applies.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// "No colour" and "the toolkit's default colour" markers; neither is ever drawn as such.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: the low byte is the platform's system-colour index.
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clActiveBorder = 0xFF00000A;
constexpr TColor clInactiveBorder = 0xFF00000B;
constexpr TColor clAppWorkSpace = 0xFF00000C;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;

constexpr int SystemColorCount = 32;
using TSystemColorTable = std::array<TColor, SystemColorCount>;

// The names are parenthesised so that <windows.h>'s macros of the same names, when a
// win32/ file includes both, neither break these declarations nor change any result.
constexpr TColor(RGB)(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int(GetRValue)(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int(GetGValue)(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int(GetBValue)(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000) == clSystemColor; }

// Resolves a system colour through the current table; any other value keeps its low 24 bits.
TColor ColorToRGB(TColor color);

// Replaces the system-colour source (Win32 installs GetSysColor); an empty function restores
// the built-in table.
void SetSystemColorTable(std::function<TColor(int index)> lookup);
// Installs a fixed table of the 32 system colours, e.g. one also written into a Wine prefix.
void SetSystemColorTable(const TSystemColorTable& table);
// The classic Windows scheme that non-Win32 builds use unless told otherwise.
const TSystemColorTable& DefaultSystemColors();
