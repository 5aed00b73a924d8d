// Tooltip texts built from the scan's figures.
#include "meter/summary.h"

#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {

std::string SummaryEntry(char letter, double free, double total, char decimalSeparator)
{
    return std::string(1, letter) + ": " + RealText(Round(free), decimalSeparator) + "/" +
           RealText(Round(total), decimalSeparator) + "  ";
}

std::string TooltipText(const std::string& unitSuffix, const std::string& entries)
{
    return "FS/TS (" + unitSuffix + "): " + entries;
}

}  // namespace sw
