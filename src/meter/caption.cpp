// The caption models and the CD-ROM rules, which measure a disc against a 703 MB CD.
#include "meter/caption.h"

#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {
namespace {

constexpr double kCdReferenceMB = 703;

std::optional<std::string> ModelCaption(int model, double free, double used, double total,
                                        const Percentages& pct, const std::string& suffix, char sep)
{
    const std::string head = "[Used, Free] = ";
    switch (model) {
    case 1:
        return head + IntText(pct.usedPct) + " %, " + IntText(pct.freePct) + " %;";
    case 2:
        return head + IntText(pct.usedPct) + " %, " + RealText(free, sep) + suffix + ";";
    case 3:
        return head + RealText(used, sep) + suffix + ", " + IntText(pct.freePct) + " %;";
    case 4:
        return head + RealText(used, sep) + suffix + ", " + RealText(free, sep) + suffix + ";";
    case 5:
        return "[Total] = " + RealText(total, sep) + suffix + ";";
    default:
        return std::nullopt;
    }
}

void ApplyCdRules(MeterDisplay& display, double free, double used, double total,
                  const std::string& suffix, const std::string& sizeUnit, char sep)
{
    if (free == 0 && total == 0) {
        display.caption = "   NO DISC INSERTED !";
        return;
    }
    display.caption = "   Disc is inserted ! [Used] = " + RealText(used, sep) + suffix + ";";
    double reference = sizeUnit == "GB" ? MBToGB(kCdReferenceMB) : kCdReferenceMB;
    display.position = static_cast<int>(Round(used / reference * 100));
    if (used == total)
        display.position = 100;
}

}  // namespace

Percentages DrivePercentages(double free, double used, double total)
{
    if (free == 0 || total == 0)
        return {};
    return {static_cast<int>(Round(used / total * 100)),
            static_cast<int>(Round(free / total * 100))};
}

MeterDisplay MeterCaption(int model, const std::string& kind, double free, double used,
                          double total, const std::string& unitSuffix, const std::string& sizeUnit,
                          char decimalSeparator)
{
    MeterDisplay display;
    if (free != 0 && total != 0) {
        Percentages pct = DrivePercentages(free, used, total);
        display.position = pct.usedPct;
        display.caption = ModelCaption(model, free, used, total, pct, unitSuffix, decimalSeparator);
    }
    if (kind == "CD-ROM")
        ApplyCdRules(display, free, used, total, unitSuffix, sizeUnit, decimalSeparator);
    return display;
}

}  // namespace sw
