// The per-drive measurements of the scan.
#include "meter/drive_measure.h"

#include <cstdio>

namespace sw {
namespace {

double BytesToMB(std::int64_t bytes) { return static_cast<double>(bytes / 1024 / 1024); }

}  // namespace

double DriveTotalMB(IDrives& drives, char letter) { return BytesToMB(drives.Space(letter).total); }

double DriveFreeMB(IDrives& drives, char letter)
{
    return BytesToMB(drives.Space(letter).freeToCaller);
}

bool IsDiskPresent(IDrives& drives, char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        throw EConvertError("Not a valid drive ID");
    ErrorModeSwitch quiet(drives);
    return drives.Space(letter).ok;
}

std::string VolumeSerialText(IDrives& drives, char letter)
{
    const VolumeSerialNumber volume = drives.VolumeSerial(letter);
    char text[16];
    std::snprintf(text, sizeof text, "%04X - %04X", static_cast<unsigned>(volume.serial >> 16),
                  static_cast<unsigned>(volume.serial & 0xFFFFu));
    if (volume.mountPoint.empty())
        return text;
    const std::string label = volume.label.empty() ? "" : " (" + volume.label + ")";
    return volume.mountPoint + label + "  " + text;
}

DriveAnswer MeasureDrive(IDrives& drives, char letter, DriveKind kind)
{
    DriveAnswer answer;
    answer.kind = kind;
    // One query gives both figures: each is a trip to the system (several under Wine).
    auto measureSpace = [&] {
        const DiskSpace space = drives.Space(letter);
        answer.freeMB = BytesToMB(space.freeToCaller);
        answer.totalMB = BytesToMB(space.total);
    };
    if (kind == DriveKind::Fixed || kind == DriveKind::Network) {
        answer.serial = VolumeSerialText(drives, letter);
        measureSpace();
    } else if (kind == DriveKind::CdRom) {
        if (IsDiskPresent(drives, letter)) {
            answer.serial = VolumeSerialText(drives, letter);
            if (drives.IsReadable(letter))
                measureSpace();
        }
    } else if (kind == DriveKind::Removable) {
        // Read with dialogs off too: an empty drive must not ask the user to insert a disk.
        {
            ErrorModeSwitch quiet(drives);
            answer.serial = VolumeSerialText(drives, letter);
        }
        if (IsDiskPresent(drives, letter) && drives.IsReadable(letter))
            measureSpace();
    }
    return answer;
}

ErrorModeSwitch::ErrorModeSwitch(IDrives& drives) : FDrives(drives), FPrevious(drives.QuietErrors())
{
}

ErrorModeSwitch::~ErrorModeSwitch() { FDrives.RestoreErrors(FPrevious); }

}  // namespace sw
