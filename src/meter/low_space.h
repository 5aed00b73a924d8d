// The low-space rule: which drives are nearly full, and which of them became so since the last
// scan, so that a warning is given once per drive rather than at every scan.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "meter/meter_row.h"
#include "platform/notify_area.h"

namespace sw {

// Free space below this share of a drive, in percent, makes it low, unless the settings say
// otherwise.
inline constexpr int kDefaultLowSpacePercent = 10;
inline constexpr int kMostLowSpacePercent = 50;

// A threshold read from the settings file: 1..50 as it is, anything else the default.
int LowSpacePercentOrDefault(int percent);

// A fixed, removable or network drive that answered, with a size and less than `percent` of it
// free. A CD-ROM never is: a full disc is normal.
bool IsLowOnSpace(const MeterRow& row, int percent);

// "D: 3 GB free of 64 GB (5 %)": the figures as the bar's captions give them in the scan's
// unit, a gigabyte figure below 1 GB in megabytes ("E: 5 MB free of 100 MB (5 %)"), and the
// free share rounded.
std::string LowSpaceLine(const MeterRow& row, char decimalSeparator);

// One line per row, cut after the last whole line that leaves room for a last one saying how
// many more drives are low, so that the text fits in `limit` characters.
std::string LowSpaceBalloonText(const std::vector<MeterRow>& rows, char decimalSeparator,
                                std::size_t limit = kBalloonTextLimit);

// Remembers the drives already warned of. A drive is warned of again only after it rose a point
// above the threshold, or was missing from a scan.
class LowSpaceWatch {
public:
    // One scan's rows; returns the low drives not warned of yet, in the rows' order.
    std::vector<MeterRow> Scan(const std::vector<MeterRow>& rows, int percent);
    // Whether the last scan found any drive low.
    bool AnyLow() const { return FAnyLow; }
    // Forgets every warning, as when warnings are switched off.
    void Reset();

private:
    std::map<char, bool> FWarned;
    bool FAnyLow = false;
};

}  // namespace sw
