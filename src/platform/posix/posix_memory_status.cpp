// Reads /proc/meminfo afresh on every call and picks the four figures out of it.
#include "platform/posix/posix_memory_status.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>

namespace sw {
namespace {

constexpr std::int64_t kMaxKiB = std::numeric_limits<std::int64_t>::max() / 1024;

// "Name:   1234 kB" lines as bytes by name; lines of another shape are left out.
std::map<std::string, std::int64_t> FiguresOf(const std::string& text)
{
    std::map<std::string, std::int64_t> figures;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string name, number, unit, extra;
        if (!(fields >> name >> number >> unit) || fields >> extra || unit != "kB" ||
            name.size() < 2 || name.back() != ':')
            continue;
        std::int64_t kib = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), kib);
        if (error == std::errc() && end == number.data() + number.size() && kib >= 0 &&
            kib <= kMaxKiB)
            figures[name.substr(0, name.size() - 1)] = kib * 1024;
    }
    return figures;
}

}  // namespace

MemoryStatus ParseMemInfo(const std::string& text)
{
    const auto figures = FiguresOf(text);
    const auto figure = [&](const char* name) -> std::optional<std::int64_t> {
        const auto it = figures.find(name);
        return it == figures.end() ? std::nullopt : std::optional(it->second);
    };
    const auto total = figure("MemTotal"), available = figure("MemAvailable");
    const auto limit = figure("CommitLimit"), committed = figure("Committed_AS");
    if (!total || !available || !limit || !committed)
        return {};
    return {*total, *available, *limit, std::max<std::int64_t>(0, *limit - *committed)};
}

MemoryStatus PosixMemoryStatus::Read()
{
    std::ifstream in("/proc/meminfo");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseMemInfo(text.str());
}

}  // namespace sw
