// Measuring one drive: its size in whole megabytes, whether a medium is present, and its
// volume serial as text; and all of one letter's questions, as a scan's worker asks them.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/drives.h"

namespace sw {

// A conversion that cannot be made, such as a drive letter outside A..Z.
struct EConvertError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Bytes divided by 1024 twice with truncation; a failed query (-1 bytes) gives 0.
double DriveTotalMB(IDrives& drives, char letter);
double DriveFreeMB(IDrives& drives, char letter);

// Whether the drive answers a size query, asked with critical-error dialogs switched off.
// Letters 'a'..'z' count as capitals; anything else raises EConvertError.
bool IsDiskPresent(IDrives& drives, char letter);

// "1A2B - 3C4D" for the serial 0x1A2B3C4D; a failed query gives "0000 - 0000". A drive that is a
// mounted folder is named first: "/media/me/STICK (STICK)  1A2B - 3C4D", the label in brackets
// when there is one.
std::string VolumeSerialText(IDrives& drives, char letter);

// One letter's answers: its kind, then for the four kinds the serial text,
// when the serial was read, and the megabytes free and in all (0 when not measured).
struct DriveAnswer {
    DriveKind kind = DriveKind::Absent;
    std::optional<std::string> serial;
    double freeMB = 0;
    double totalMB = 0;
};

// Asks what a drive of `kind` needs, in the scan's order: fixed and network drives the
// serial and the space; a CD-ROM drive the presence test, then the serial and, if readable, the
// space; a removable drive the serial with dialogs off, then presence, readability and space.
DriveAnswer MeasureDrive(IDrives& drives, char letter, DriveKind kind);

// Switches critical-error dialogs off for its lifetime and restores the previous mode.
class ErrorModeSwitch {
public:
    explicit ErrorModeSwitch(IDrives& drives);
    ~ErrorModeSwitch();
    ErrorModeSwitch(const ErrorModeSwitch&) = delete;
    ErrorModeSwitch& operator=(const ErrorModeSwitch&) = delete;

private:
    IDrives& FDrives;
    ErrorMode FPrevious;
};

}  // namespace sw
