// What a meter row shows for one drive: the bar's caption in the chosen caption model and how far
// it is filled, the special captions of CD-ROM drives and of drives that did not answer, and the
// letter label's hint.
#pragma once

#include <optional>
#include <string>

#include "meter/meter_row.h"

namespace sw {

// Caption models (FModel): 1 percentages, 2 percentage and value, 3 value and percentage,
// 4 values, 5 total.
inline constexpr int kModelCount = 5;

struct Percentages {
    int usedPct = 0;
    int freePct = 0;
};

// Both rounded on their own from the figures in the scan's unit; 0 and 0 when Free or Total
// is 0.
Percentages DrivePercentages(double free, double used, double total);

// The caption to write on the bar, or none; the position to give it, or none (the bar keeps
// its own). A position may exceed 100: the bar clamps it.
struct MeterDisplay {
    std::optional<std::string> caption;
    std::optional<int> position;
};

// Less than 1 MiB free on a drive that has a size: a CD-ROM disc has its own rules, any other
// drive shows full, with nothing free, rather than as the empty bar of an unknown size.
bool IsFullDrive(const MeterRow& row);

// The general rule, for every kind: the caption of the model and the used share as position,
// both only when Free and Total are non-zero, or position 100 and nothing free for a full
// drive; no caption for a model outside 1..5.
MeterDisplay ModelCaption(const MeterRow& row, int model, char decimalSeparator);

// The caption and position that take the general ones' place: "   NOT RESPONDING !" for a drive
// that did not answer in time; for a CD-ROM drive the disc rules, which measure the disc against
// a 703 MB CD in the row's unit; nothing for the others.
std::optional<MeterDisplay> SpecialCaption(const MeterRow& row, char decimalSeparator);

// The hint of the row's letter label: the volume serial, or that the drive did not answer.
std::string LetterHint(const MeterRow& row);

}  // namespace sw
