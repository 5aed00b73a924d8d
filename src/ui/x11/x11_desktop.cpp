// Work areas and the display scale from the desktop's own words.
#include "ui/x11/x11_desktop.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kLowestDpi = 48;
constexpr int kHighestDpi = 480;

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<TRect> WorkAreaOfDesktop(const std::vector<long>& cardinals, long desktop)
{
    const auto at = static_cast<std::size_t>(std::max(desktop, 0L)) * 4;
    if (cardinals.size() < at + 4)
        return std::nullopt;
    const TRect area{static_cast<int>(cardinals[at]), static_cast<int>(cardinals[at + 1]),
                     static_cast<int>(cardinals[at] + cardinals[at + 2]),
                     static_cast<int>(cardinals[at + 1] + cardinals[at + 3])};
    if (area.IsEmpty())
        return std::nullopt;
    return area;
}

std::vector<TRect> MonitorWorkAreas(const std::vector<TMonitor>& monitors,
                                    const std::optional<TRect>& workArea, TSize screen)
{
    const TRect whole{0, 0, screen.cx, screen.cy};
    if (monitors.empty())
        return {workArea.value_or(whole)};
    std::vector<TMonitor> ordered = monitors;
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const TMonitor& m) { return m.primary; });
    std::vector<TRect> areas;
    for (const TMonitor& monitor : ordered) {
        const TRect cut = workArea ? monitor.bounds.Intersect(*workArea) : monitor.bounds;
        areas.push_back(cut.IsEmpty() ? monitor.bounds : cut);
    }
    return areas;
}

int DpiOfResources(std::string_view resources)
{
    constexpr std::string_view kName = "Xft.dpi:";
    while (!resources.empty()) {
        const auto end = resources.find('\n');
        const std::string_view line = Trimmed(resources.substr(0, end));
        resources = end == std::string_view::npos ? std::string_view{} : resources.substr(end + 1);
        if (!line.starts_with(kName))
            continue;
        const std::string_view value = Trimmed(line.substr(kName.size()));
        double dpi = 0;
        const auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), dpi);
        if (error != std::errc{} || rest != value.data() + value.size())
            return kDefaultDpi;
        const long rounded = std::lround(dpi);
        return rounded >= kLowestDpi && rounded <= kHighestDpi ? static_cast<int>(rounded)
                                                               : kDefaultDpi;
    }
    return kDefaultDpi;
}
