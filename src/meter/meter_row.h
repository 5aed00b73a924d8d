// One drive's row request: everything the row builder and the caption rules need to know about
// a drive the scan decided to show.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// The arguments of one AddMeterRow request, in their order, with the unit the figures are in.
struct MeterRow {
    char Letter = 'C';
    std::string Kind;
    std::string Serial;
    double Free = 0;
    double Used = 0;
    double Total = 0;
    // Free and Total in megabytes whatever the unit, for texts that give a figure below 1 GB in
    // megabytes rather than as a fraction of a gigabyte.
    double FreeMB = 0;
    double TotalMB = 0;
    int Slot = 0;
    std::uint32_t StartColor = 0;
    std::uint32_t EndColor = 0;
    // " MB" or " GB": a space, then the unit of Free, Used and Total.
    std::string UnitSuffix;
    // False for a drive that did not answer in time: no figures, a caption that says so.
    bool Responding = true;
};

}  // namespace sw
