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

DriveAnswer MeasureDrive(IDrives& drives, char letter, int type)
{
    const std::string root = std::string(1, letter) + ":\\";
    const int number = letter - 'A' + 1;
    DriveAnswer answer;
    answer.type = type;
    auto measureSpace = [&] {
        answer.freeMB = DriveFreeMB(drives, number);
        answer.totalMB = DriveTotalMB(drives, number);
    };
    if (type == kDriveFixed || type == kDriveRemote) {
        answer.serial = VolumeSerialText(drives, root);
        measureSpace();
    } else if (type == kDriveCdrom) {
        if (IsDiskPresent(drives, letter)) {
            answer.serial = VolumeSerialText(drives, root);
            if (drives.IsReadable(root))
                measureSpace();
        }
    } else if (type == kDriveRemovable) {
        // Read with dialogs off too: an empty drive must not ask the user to insert a disk.
        {
            ErrorModeSwitch quiet(drives);
            answer.serial = VolumeSerialText(drives, root);
        }
        if (IsDiskPresent(drives, letter) && drives.IsReadable(root))
            measureSpace();
    }
    return answer;
}

ErrorModeSwitch::ErrorModeSwitch(IDrives& drives)
    : FDrives(drives), FPrevious(drives.SetErrorMode(kSemFailCriticalErrors))
{
}

ErrorModeSwitch::~ErrorModeSwitch() { FDrives.SetErrorMode(FPrevious); }

}  // namespace sw
