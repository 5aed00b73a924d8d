// The drive scan: walks the letters B..Z, classifies and measures each drive of the four kinds
// (removable, fixed, network, CD-ROM), hands a row request for each drive to be shown to the
// window's row builder, and builds the tooltip summary. It has no window code of its own; the
// drives are asked on workers (drive_asker.h), so a drive that does not answer never holds it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "meter/drive_asker.h"
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
    // The hooks let late answers reach the GUI thread; without them they are dropped.
    DriveScanner(std::shared_ptr<IDrives> drives, AddMeterRowFn addMeterRow,
                 GuiThreadHooks hooks = {});

    // Runs the scan with the window's SizeUnit ("GB" for gigabytes, anything else megabytes)
    // and returns the tooltip text for the tray icon's Hint. It waits for the drives at most
    // kAnswerBudget; a late drive of the four kinds gets a row that says so, and no figures.
    std::string ScanDrives(const std::string& unit, char decimalSeparator);
    // The same for a watch that measures the drives again: asks only the letters that were
    // drives of the four kinds at their last answer, and hands the row requests to
    // `addMeterRow` instead.
    std::string WatchDrives(const std::string& unit, char decimalSeparator,
                            const AddMeterRowFn& addMeterRow);

    // Asks the drives now, for a scan that follows within moments.
    void AskAhead() { FAsker.AskAhead(); }

    // The threads asking the drives, idle or not.
    int Workers() const { return FAsker.Workers(); }

    // " MB" or " GB" from the latest drive of the four kinds; kept from scan to scan, empty
    // before the first such drive ever.
    const std::string& UnitSuffix() const { return FUnitSuffix; }

private:
    std::string Walk(const std::string& unit, char decimalSeparator,
                     const AddMeterRowFn& addMeterRow);
    // The row request for a drive that answered, or none when its kind gets no slot.
    std::optional<MeterRow> AnsweredRow(char letter, const DriveAnswer& answer);

    AddMeterRowFn FAddMeterRow;
    DriveAsker FAsker;
    LetterReplies FReplies;
    std::string FUnitSuffix;
    std::string FSerial;
};

}  // namespace sw
