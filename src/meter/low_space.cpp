#include "meter/low_space.h"

#include <string>
#include <utility>

#include "meter/caption.h"
#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {
namespace {

bool Counts(const MeterRow& row) { return row.Kind != "CD-ROM" && row.Responding && row.Total > 0; }

double FreeShare(const MeterRow& row) { return row.Free / row.Total * 100; }

constexpr double kMBPerGB = 1024;

// A megabyte figure is whole; a gigabyte one keeps the captions' three decimals, and one below
// 1 GB is given in megabytes, where it still reads as more than nothing.
std::string Figure(double value, double valueMB, const std::string& unitSuffix,
                   char decimalSeparator)
{
    if (unitSuffix == " GB" && valueMB < kMBPerGB)
        return RealText(valueMB, decimalSeparator) + " MB";
    return RealText(value, decimalSeparator) + unitSuffix;
}

std::string MoreLowLine(std::size_t count)
{
    return "and " + std::to_string(count) +
           (count == 1 ? " more drive is low" : " more drives are low");
}

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
    return std::string(1, row.Letter) + ": " +
           Figure(row.Free, row.FreeMB, row.UnitSuffix, decimalSeparator) + " free of " +
           Figure(row.Total, row.TotalMB, row.UnitSuffix, decimalSeparator) + " (" +
           IntText(pct.freePct) + " %)";
}

std::string LowSpaceBalloonText(const std::vector<MeterRow>& rows, char decimalSeparator,
                                std::size_t limit)
{
    std::string text;
    for (const MeterRow& row : rows)
        text += (text.empty() ? "" : "\n") + LowSpaceLine(row, decimalSeparator);
    if (text.size() <= limit)
        return text;
    std::string kept;
    std::size_t count = 0;
    for (const MeterRow& row : rows) {
        std::string longer =
            kept + (kept.empty() ? "" : "\n") + LowSpaceLine(row, decimalSeparator);
        if (longer.size() + 1 + MoreLowLine(rows.size() - count - 1).size() > limit)
            break;
        kept = std::move(longer);
        ++count;
    }
    return kept + (kept.empty() ? "" : "\n") + MoreLowLine(rows.size() - count);
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
