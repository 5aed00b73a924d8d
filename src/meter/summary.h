// The notification-area tooltip: free and total space of every drive with free space.
#pragma once

#include <string>

namespace sw {

// "C: 14805/40183  ": free and total rounded to whole units of the scan, two spaces after.
std::string SummaryEntry(char letter, double free, double total, char decimalSeparator);

// "FS/TS ( MB): " followed by the entries; unitSuffix is empty before any drive was seen.
std::string TooltipText(const std::string& unitSuffix, const std::string& entries);

}  // namespace sw
