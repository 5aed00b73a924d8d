#include "meter/low_space.h"

#include <utility>

#include "meter/caption.h"
#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {
namespace {

bool Counts(const MeterRow& row) { return row.Kind != "CD-ROM" && row.Responding && row.Total > 0; }

double FreeShare(const MeterRow& row) { return row.Free / row.Total * 100; }

}  // namespace

int LowSpacePercentOrDefault(int percent)
{
    return percent >= 1 && percent <= kMostLowSpacePercent ? percent : kDefaultLowSpacePercent;
}

bool IsLowOnSpace(const MeterRow& row, int percent)
{
    return Counts(row) && FreeShare(row) < percent;
}

std::string LowSpaceLine(const MeterRow& row, char decimalSeparator)
{
    const Percentages pct = DrivePercentages(row.Free, row.Used, row.Total);
    return std::string(1, row.Letter) + ": " + RealText(Round(row.Free), decimalSeparator) +
           row.UnitSuffix + " free of " + RealText(Round(row.Total), decimalSeparator) +
           row.UnitSuffix + " (" + IntText(pct.freePct) + " %)";
}

// A drive that did not answer keeps what was known of it; one missing from the scan is
// forgotten.
std::vector<MeterRow> LowSpaceWatch::Scan(const std::vector<MeterRow>& rows, int percent)
{
    std::map<char, bool> warned;
    std::vector<MeterRow> newlyLow;
    FAnyLow = false;
    for (const MeterRow& row : rows) {
        bool& rowWarned = warned[row.Letter];
        rowWarned = FWarned[row.Letter];
        if (!Counts(row))
            continue;
        if (FreeShare(row) < percent) {
            FAnyLow = true;
            if (!rowWarned)
                newlyLow.push_back(row);
            rowWarned = true;
        } else if (FreeShare(row) >= percent + 1) {
            rowWarned = false;
        }
    }
    FWarned = std::move(warned);
    return newlyLow;
}

void LowSpaceWatch::Reset()
{
    FWarned.clear();
    FAnyLow = false;
}

}  // namespace sw
