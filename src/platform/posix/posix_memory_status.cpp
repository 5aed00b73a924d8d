// Picks the four figures out of /proc/meminfo in place: no stream, no allocation per read.
#include "platform/posix/posix_memory_status.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>

namespace sw {
namespace {

constexpr std::int64_t kMaxKiB = std::numeric_limits<std::int64_t>::max() / 1024;

// The four figures wanted, in the order ParseMemInfo unpacks them.
constexpr std::array<std::string_view, 4> kNames{"MemTotal", "MemAvailable", "CommitLimit",
                                                 "Committed_AS"};

std::string_view NextWord(std::string_view& line)
{
    const std::size_t at = std::min(line.find_first_not_of(" \t"), line.size());
    const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
    const std::string_view word = line.substr(at, end - at);
    line.remove_prefix(end);
    return word;
}

// "Name:   1234 kB" as the name and the bytes; a line of another shape gives nothing.
std::optional<std::pair<std::string_view, std::int64_t>> FigureOf(std::string_view line)
{
    const std::string_view name = NextWord(line), count = NextWord(line), unit = NextWord(line);
    if (name.size() < 2 || name.back() != ':' || unit != "kB" || !NextWord(line).empty())
        return std::nullopt;
    std::int64_t kib = 0;
    const auto [stop, error] = std::from_chars(count.data(), count.data() + count.size(), kib);
    if (error != std::errc() || stop != count.data() + count.size() || kib < 0 || kib > kMaxKiB)
        return std::nullopt;
    return std::pair(name.substr(0, name.size() - 1), kib * 1024);
}

}  // namespace

MemoryStatus ParseMemInfo(std::string_view text)
{
    std::array<std::optional<std::int64_t>, kNames.size()> figures;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const auto figure = FigureOf(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!figure)
            continue;
        const auto name = std::find(kNames.begin(), kNames.end(), figure->first);
        if (name != kNames.end())
            figures[name - kNames.begin()] = figure->second;
    }
    const auto& [total, available, limit, committed] = figures;
    if (!total || !available || !limit || !committed)
        return {};
    return {*total, *available, *limit, std::max<std::int64_t>(0, *limit - *committed)};
}

PosixMemoryStatus::PosixMemoryStatus()
    : FFile(open("/proc/meminfo", O_RDONLY | O_CLOEXEC)), FText(4096)
{
}

PosixMemoryStatus::~PosixMemoryStatus()
{
    if (FFile >= 0)
        close(FFile);
}

std::string_view PosixMemoryStatus::ReadFile()
{
    if (FFile < 0)
        return {};
    for (;;) {
        std::size_t got = 0;
        ssize_t part;
        while (got < FText.size() && (part = pread(FFile, FText.data() + got, FText.size() - got,
                                                   static_cast<off_t>(got))) > 0)
            got += static_cast<std::size_t>(part);
        if (got < FText.size())
            return {FText.data(), got};
        FText.resize(FText.size() * 2);  // a table longer than ever seen: read it again whole
    }
}

MemoryStatus PosixMemoryStatus::Read()
{
    const auto now = std::chrono::steady_clock::now();
    if (!FRead || now - FReadAt >= kReusedFor) {
        FLast = ParseMemInfo(ReadFile());
        FReadAt = now;
        FRead = true;
    }
    return FLast;
}

}  // namespace sw
