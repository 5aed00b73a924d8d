// The notification-area tooltip: free and total space of every drive with free space.
#pragma once

#include <cstddef>
#include <string>

namespace sw {

// "C: 14805/40183  ": free and total rounded to whole units of the scan, two spaces after; a
// figure that would round to 0 without being 0 keeps its three decimals ("E: 0.005/0.098  "),
// so a drive with something on it never reads as "0/0".
std::string SummaryEntry(char letter, double free, double total, char decimalSeparator);

// "FS/TS ( MB): " followed by the entries; unitSuffix is empty before any drive was seen.
std::string TooltipText(const std::string& unitSuffix, const std::string& entries);

// The tray's tooltip holds this many characters.
inline constexpr std::size_t kTooltipLimit = 127;

// `text` when it fits in `limit` characters; else cut after its last whole entry that leaves
// room for "..." and ended with it, so no drive shows half its figures. Three dots, not the
// ellipsis character: the tip goes to the shell as ANSI text, and they read the same in every
// code page.
std::string FittedTooltip(const std::string& text, std::size_t limit);

}  // namespace sw
