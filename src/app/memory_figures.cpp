// The memory window's refresh, as it shows and twice a second while on the screen: the four figures
// read afresh, written as captions, on the level bar and on the two track bars. The track bars
// truncate to tenths of a gigabyte while the gigabyte texts round, so 2 147 352 576 bytes show
// "2 GB" beside a thumb at 19.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "app/memory_form.h"
#include "app/paint_hold.h"
#include "app/sys_info.h"
#include "controls/level_bar.h"
#include "controls/track_bar.h"
#include "meter/memory_caption.h"
#include "meter/number_text.h"
#include "meter/units.h"
#include "ui/label.h"

namespace {

// Free as a share of total, in percent; a total of 0 counts as nothing free.
int PercentFree(std::int64_t freeKB, std::int64_t totalKB)
{
    if (totalKB == 0)
        return 0;
    const double percent = sw::Round(static_cast<double>(freeKB) / totalKB * 100);
    return static_cast<int>(std::clamp(percent, 0.0, 100.0));
}

// Tenths of a gigabyte, truncated at each step; the track bar clamps it to its range.
int TenthsOfGB(std::int64_t kilobytes)
{
    const std::int64_t tenths = kilobytes / 1024 * 10 / 1024;
    return static_cast<int>(std::min<std::int64_t>(tenths, std::numeric_limits<int>::max()));
}

// A kilobyte count in gigabytes, kilobytes and megabytes.
void ShowFigure(TLabel& label, std::int64_t kilobytes, char separator)
{
    label.SetCaption(sw::MemoryFigureCaption(kilobytes, separator));
}

std::string GigabyteText(std::int64_t kilobytes, char separator)
{
    return sw::RealText(sw::KilobytesToGB(kilobytes), separator) + " GB";
}

}  // namespace

// The changed captions and bars reach the screen in one repaint as the refresh ends, not in a
// paint the window asks the platform for: under Wine that paint cost another wake-up and four
// more trips to the wineserver, twice a second.
void TMemoryPanel::RefreshFigures(TObject* /*sender*/)
{
    const PaintHold hold(*this);
    // Each figure is its own query, in this order.
    const std::int64_t freePhys = SysInfo->Memory().FreePhysicalMemory() / 1024;
    const std::int64_t totalPhys = SysInfo->Memory().TotalPhysicalMemory() / 1024;
    const std::int64_t freeVirtual = SysInfo->Memory().FreeVirtualMemory() / 1024;
    const std::int64_t totalVirtual = SysInfo->Memory().TotalVirtualMemory() / 1024;
    const char separator = FServices.locale->DecimalSeparator();

    ShowFigure(*PhysicalTotalFigure, totalPhys, separator);
    AvailableLevel->SetPosition(PercentFree(freePhys, totalPhys));
    ShowFigure(*PhysicalAvailableFigure, freePhys, separator);
    TotalTrackBar->SetPosition(TenthsOfGB(totalPhys));
    TotalScaleLabel->SetCaption(GigabyteText(totalPhys, separator));
    AvailableTrackBar->SetPosition(TenthsOfGB(freePhys));
    AvailableScaleLabel->SetCaption(GigabyteText(freePhys, separator));
    ShowFigure(*VirtualAvailableFigure, freeVirtual, separator);
    ShowFigure(*VirtualTotalFigure, totalVirtual, separator);
}
