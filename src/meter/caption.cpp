// The caption models, the CD-ROM rules, which measure a disc against a 703 MB CD, and the caption
// of a drive that did not answer.
#include "meter/caption.h"

#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {
namespace {

constexpr double kCdReferenceMB = 703;

std::optional<std::string> ModelText(int model, const MeterRow& row, const Percentages& pct,
                                     char sep)
{
    const std::string& suffix = row.UnitSuffix;
    const std::string head = "[Used, Free] = ";
    switch (model) {
    case 1:
        return head + IntText(pct.usedPct) + " %, " + IntText(pct.freePct) + " %;";
    case 2:
        return head + IntText(pct.usedPct) + " %, " + RealText(row.Free, sep) + suffix + ";";
    case 3:
        return head + RealText(row.Used, sep) + suffix + ", " + IntText(pct.freePct) + " %;";
    case 4:
        return head + RealText(row.Used, sep) + suffix + ", " + RealText(row.Free, sep) + suffix +
               ";";
    case 5:
        return "[Total] = " + RealText(row.Total, sep) + suffix + ";";
    default:
        return std::nullopt;
    }
}

}  // namespace

bool IsFullDrive(const MeterRow& row)
{
    return row.Free == 0 && row.Total > 0 && row.Kind != "CD-ROM";
}

Percentages DrivePercentages(double free, double used, double total)
{
    if (free == 0 || total == 0)
        return {};
    return {static_cast<int>(Round(used / total * 100)),
            static_cast<int>(Round(free / total * 100))};
}

MeterDisplay ModelCaption(const MeterRow& row, int model, char decimalSeparator)
{
    if (IsFullDrive(row)) {
        const Percentages full{static_cast<int>(Round(row.Used / row.Total * 100)), 0};
        return {ModelText(model, row, full, decimalSeparator), 100};
    }
    if (row.Free == 0 || row.Total == 0)
        return {};
    Percentages pct = DrivePercentages(row.Free, row.Used, row.Total);
    return {ModelText(model, row, pct, decimalSeparator), pct.usedPct};
}

std::optional<MeterDisplay> SpecialCaption(const MeterRow& row, char decimalSeparator)
{
    if (!row.Responding)
        return MeterDisplay{"   NOT RESPONDING !", std::nullopt};
    if (row.Kind != "CD-ROM")
        return std::nullopt;
    if (row.Free == 0 && row.Total == 0)
        return MeterDisplay{"   NO DISC INSERTED !", std::nullopt};
    MeterDisplay display;
    display.caption = "   Disc is inserted ! [Used] = " + RealText(row.Used, decimalSeparator) +
                      row.UnitSuffix + ";";
    double reference = row.UnitSuffix == " GB" ? MBToGB(kCdReferenceMB) : kCdReferenceMB;
    display.position = static_cast<int>(Round(row.Used / reference * 100));
    if (row.Used == row.Total)
        display.position = 100;
    return display;
}

std::string LetterHint(const MeterRow& row)
{
    return row.Responding ? row.Serial : "The drive did not answer";
}

}  // namespace sw
