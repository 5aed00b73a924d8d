// The scan's walk over the letters' answers. A drive of the four kinds takes a slot even when it
// gets no row, so rows keep their places; other kinds take none.
#include "meter/drive_scanner.h"

#include <utility>

#include "meter/caption.h"
#include "meter/summary.h"
#include "meter/units.h"

namespace sw {
namespace {

struct KindInfo {
    const char* text;
    std::uint32_t startColor;
    std::uint32_t endColor;
};

const KindInfo* FindKind(DriveKind driveKind)
{
    static const KindInfo kRemovable{"REMOVABLE", kClBackground, kClBackground};
    static const KindInfo kFixed{"FIXED", kClGreen, kClGreen};
    static const KindInfo kRemote{"REMOTE", kClYellow, kClRed};
    static const KindInfo kCdrom{"CD-ROM", kClFuchsia, kClPurple};
    switch (driveKind) {
    case DriveKind::Removable:
        return &kRemovable;
    case DriveKind::Fixed:
        return &kFixed;
    case DriveKind::Network:
        return &kRemote;
    case DriveKind::CdRom:
        return &kCdrom;
    default:
        return nullptr;
    }
}

// A row request with what the kind alone decides.
MeterRow KindRow(char letter, const KindInfo& kind)
{
    MeterRow row;
    row.Letter = letter;
    row.Kind = kind.text;
    row.StartColor = kind.startColor;
    row.EndColor = kind.endColor;
    return row;
}

}  // namespace

DriveScanner::DriveScanner(std::shared_ptr<IDrives> drives, AddMeterRowFn addMeterRow,
                           GuiThreadHooks hooks)
    : FAddMeterRow(std::move(addMeterRow)), FAsker(std::move(drives), std::move(hooks))
{
}

std::optional<MeterRow> DriveScanner::AnsweredRow(char letter, const DriveAnswer& answer)
{
    const KindInfo* kind = FindKind(answer.kind);
    if (!kind)
        return std::nullopt;
    if (answer.serial)
        FSerial = *answer.serial;
    MeterRow row = KindRow(letter, *kind);
    row.Serial = FSerial;
    row.Free = answer.freeMB;
    row.Total = answer.totalMB;
    return row;
}

std::string DriveScanner::ScanDrives(const std::string& unit, char decimalSeparator)
{
    FAsker.AskAll(FReplies);
    return Walk(unit, decimalSeparator, FAddMeterRow);
}

std::string DriveScanner::WatchDrives(const std::string& unit, char decimalSeparator,
                                      const AddMeterRowFn& addMeterRow)
{
    FAsker.AskKnownDrives(FReplies);
    return Walk(unit, decimalSeparator, addMeterRow);
}

// The letters' answers, from B to Z, into rows and the tooltip.
std::string DriveScanner::Walk(const std::string& unit, char decimalSeparator,
                               const AddMeterRowFn& addMeterRow)
{
    std::string summary;
    int slot = 0;
    FSerial.clear();
    for (char letter = 'B'; letter <= 'Z'; ++letter) {
        const LetterReply& reply = FReplies[letter - 'A'];
        std::optional<MeterRow> row;
        if (reply.answer) {
            row = AnsweredRow(letter, *reply.answer);
        } else if (const KindInfo* kind = FindKind(reply.lastKnownKind)) {
            // Late: the slot and colours of the kind it last said, and nothing measured.
            row = KindRow(letter, *kind);
            row->Responding = false;
        }
        if (!row)
            continue;
        row->Used = row->Total - row->Free;
        row->FreeMB = row->Free;
        row->TotalMB = row->Total;
        if (unit == "GB") {
            row->Free = MBToGB(row->Free);
            row->Total = MBToGB(row->Total);
            row->Used = MBToGB(row->Used);
            FUnitSuffix = " GB";
        } else {
            FUnitSuffix = " MB";
        }
        row->Slot = slot++;
        row->UnitSuffix = FUnitSuffix;
        if (row->Kind == "CD-ROM" || row->Total > 0 || !row->Responding)
            addMeterRow(*row);
        if (row->Free > 0 || IsFullDrive(*row))
            summary += SummaryEntry(letter, row->Free, row->Total, decimalSeparator);
    }
    return TooltipText(FUnitSuffix, summary);
}

}  // namespace sw
