// Tooltip texts built from the scan's figures.
#include "meter/summary.h"

#include <algorithm>

#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {

namespace {

// Whole units, unless that would read 0 for a figure that is not.
std::string EntryFigure(double value, char decimalSeparator)
{
    const double whole = Round(value);
    return RealText(whole == 0 ? value : whole, decimalSeparator);
}

}  // namespace

std::string SummaryEntry(char letter, double free, double total, char decimalSeparator)
{
    return std::string(1, letter) + ": " + EntryFigure(free, decimalSeparator) + "/" +
           EntryFigure(total, decimalSeparator) + "  ";
}

std::string TooltipText(const std::string& unitSuffix, const std::string& entries)
{
    return "FS/TS (" + unitSuffix + "): " + entries;
}

std::string FittedTooltip(const std::string& text, std::size_t limit)
{
    static const std::string kMore = "...";
    if (text.size() <= limit)
        return text;
    if (limit < kMore.size())
        return text.substr(0, limit);
    // Every entry ends with two spaces; the opening part ends with one.
    std::size_t end = text.find(": ") == std::string::npos ? 0 : text.find(": ") + 2;
    for (std::size_t next = text.find("  ", end);
         next != std::string::npos && next + 2 + kMore.size() <= limit; next = text.find("  ", end))
        end = next + 2;
    return text.substr(0, std::min(end, limit - kMore.size())) + kMore;
}

}  // namespace sw
