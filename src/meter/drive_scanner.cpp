// The scan's walk over the letters. A drive of the four kinds takes a slot even when it gets no
// row, so rows keep their places; other kinds take none.
#include "meter/drive_scanner.h"

#include <string_view>

#include "meter/caption.h"
#include "meter/drive_measure.h"
#include "meter/summary.h"
#include "meter/units.h"

namespace sw {
namespace {

struct KindInfo {
    const char* text;
    std::uint32_t startColor;
    std::uint32_t endColor;
};

const KindInfo* FindKind(int driveType)
{
    static const KindInfo kRemovable{"REMOVABLE", kClBackground, kClBackground};
    static const KindInfo kFixed{"FIXED", kClGreen, kClGreen};
    static const KindInfo kRemote{"REMOTE", kClYellow, kClRed};
    static const KindInfo kCdrom{"CD-ROM", kClFuchsia, kClPurple};
    switch (driveType) {
    case kDriveRemovable:
        return &kRemovable;
    case kDriveFixed:
        return &kFixed;
    case kDriveRemote:
        return &kRemote;
    case kDriveCdrom:
        return &kCdrom;
    default:
        return nullptr;
    }
}

std::string RootOf(char letter) { return std::string(1, letter) + ":\\"; }

}  // namespace

DriveScanner::DriveScanner(IDrives& drives, AddMeterRowFn addMeterRow)
    : FDrives(drives), FAddMeterRow(std::move(addMeterRow))
{
}

void DriveScanner::MeasureSpace(char letter, Figures& figures)
{
    int number = letter - 'A' + 1;
    figures.free = DriveFreeMB(FDrives, number);
    figures.total = DriveTotalMB(FDrives, number);
}

bool DriveScanner::Measure(char letter, Figures& figures)
{
    const std::string root = RootOf(letter);
    int type = FDrives.DriveType(root);
    const KindInfo* kind = FindKind(type);
    if (!kind)
        return false;
    figures.kind = kind->text;
    figures.startColor = kind->startColor;
    figures.endColor = kind->endColor;
    if (type == kDriveFixed || type == kDriveRemote) {
        FSerial = VolumeSerialText(FDrives, root);
        MeasureSpace(letter, figures);
    } else if (type == kDriveCdrom) {
        if (IsDiskPresent(FDrives, letter)) {
            FSerial = VolumeSerialText(FDrives, root);
            if (FDrives.IsReadable(root))
                MeasureSpace(letter, figures);
        }
    } else {
        // Read with dialogs off too: an empty drive must not ask the user to insert a disk.
        {
            ErrorModeSwitch quiet(FDrives);
            FSerial = VolumeSerialText(FDrives, root);
        }
        if (IsDiskPresent(FDrives, letter) && FDrives.IsReadable(root))
            MeasureSpace(letter, figures);
    }
    return true;
}

std::string DriveScanner::ScanDrives(const std::string& unit, char decimalSeparator)
{
    std::string summary;
    int slot = 0;
    FSerial.clear();
    for (char letter = 'B'; letter <= 'Z'; ++letter) {
        Figures f;
        if (Measure(letter, f)) {
            double used = f.total - f.free;
            if (unit == "GB") {
                f.free = MBToGB(f.free);
                f.total = MBToGB(f.total);
                used = MBToGB(used);
                FUnitSuffix = " GB";
            } else {
                FUnitSuffix = " MB";
            }
            const MeterRow row{letter,  f.kind, FSerial,      f.free,     used,
                               f.total, slot,   f.startColor, f.endColor, FUnitSuffix};
            if (f.kind == std::string_view("CD-ROM") || f.total > 0)
                FAddMeterRow(row);
            ++slot;
            if (f.free > 0 || IsFullDrive(row))
                summary += SummaryEntry(letter, f.free, f.total, decimalSeparator);
        }
    }
    return TooltipText(FUnitSuffix, summary);
}

}  // namespace sw
