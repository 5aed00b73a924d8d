// The drive scan: walks the letters B..Z, classifies and measures each drive of the four kinds
// (removable, fixed, network, CD-ROM), hands a row request for each drive to be shown to the
// window's row builder, and builds the tooltip summary. It has no window code of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "meter/meter_row.h"
#include "platform/drives.h"

namespace sw {

// Bar colours, 0x00BBGGRR; clBackground is a system colour the bar resolves itself.
inline constexpr std::uint32_t kClBackground = 0xFF000001;
inline constexpr std::uint32_t kClGreen = 0x008000;
inline constexpr std::uint32_t kClYellow = 0x00FFFF;
inline constexpr std::uint32_t kClRed = 0x0000FF;
inline constexpr std::uint32_t kClFuchsia = 0xFF00FF;
inline constexpr std::uint32_t kClPurple = 0x800080;

using AddMeterRowFn = std::function<void(const MeterRow&)>;

class DriveScanner {
public:
    DriveScanner(IDrives& drives, AddMeterRowFn addMeterRow);

    // Runs the scan with the window's SizeUnit ("GB" for gigabytes, anything else megabytes)
    // and returns the tooltip text for the tray icon's Hint.
    std::string ScanDrives(const std::string& unit, char decimalSeparator);

    // " MB" or " GB" from the latest drive of the four kinds; kept from scan to scan, empty
    // before the first such drive ever.
    const std::string& UnitSuffix() const { return FUnitSuffix; }

private:
    struct Figures {
        const char* kind = nullptr;
        double free = 0;
        double total = 0;
        std::uint32_t startColor = 0;
        std::uint32_t endColor = 0;
    };
    // Measures a drive of the four kinds; false for any other kind.
    bool Measure(char letter, Figures& figures);
    void MeasureSpace(char letter, Figures& figures);

    IDrives& FDrives;
    AddMeterRowFn FAddMeterRow;
    std::string FUnitSuffix;
    std::string FSerial;
};

}  // namespace sw
