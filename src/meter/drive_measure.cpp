// The per-drive measurements of the scan.
#include "meter/drive_measure.h"

#include <cstdio>

namespace sw {
namespace {

double BytesToMB(std::int64_t bytes) { return static_cast<double>(bytes / 1024 / 1024); }

}  // namespace

double DriveTotalMB(IDrives& drives, int driveNumber)
{
    return BytesToMB(drives.FreeAndTotalBytes(driveNumber).total);
}

double DriveFreeMB(IDrives& drives, int driveNumber)
{
    return BytesToMB(drives.FreeAndTotalBytes(driveNumber).freeToCaller);
}

bool IsDiskPresent(IDrives& drives, char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        throw EConvertError("Not a valid drive ID");
    ErrorModeSwitch quiet(drives);
    return drives.FreeAndTotalBytes(letter - 'A' + 1).ok;
}

std::string VolumeSerialText(IDrives& drives, const std::string& root)
{
    std::uint32_t serial = drives.VolumeSerial(root).serial;
    char text[16];
    std::snprintf(text, sizeof text, "%04X - %04X", static_cast<unsigned>(serial >> 16),
                  static_cast<unsigned>(serial & 0xFFFFu));
    return text;
}

ErrorModeSwitch::ErrorModeSwitch(IDrives& drives)
    : FDrives(drives), FPrevious(drives.SetErrorMode(kSemFailCriticalErrors))
{
}

ErrorModeSwitch::~ErrorModeSwitch() { FDrives.SetErrorMode(FPrevious); }

}  // namespace sw
