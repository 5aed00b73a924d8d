// Picks the four figures out of /proc/meminfo in place: no stream, no allocation per read, and
// only the four wanted lines read closely.
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

std::string_view TrimmedLeft(std::string_view text)
{
    return text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
}

// "   1234 kB" as bytes; a text of another shape gives nothing.
std::optional<std::int64_t> KibFigure(std::string_view text)
{
    text = TrimmedLeft(text);
    std::int64_t kib = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), kib);
    if (error != std::errc() || kib < 0 || kib > kMaxKiB)
        return std::nullopt;
    const std::string_view rest = text.substr(static_cast<std::size_t>(stop - text.data()));
    const std::string_view unit = TrimmedLeft(rest);
    const bool apart = unit.size() < rest.size();
    if (!apart || !unit.starts_with("kB") || !TrimmedLeft(unit.substr(2)).empty())
        return std::nullopt;
    return kib * 1024;
}

}  // namespace

MemoryStatus ParseMemInfo(std::string_view text)
{
    std::array<std::optional<std::int64_t>, kNames.size()> figures;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t colon = line.find(':');
        const auto name = std::find(kNames.begin(), kNames.end(), line.substr(0, colon));
        if (colon != std::string_view::npos && name != kNames.end())
            figures[name - kNames.begin()] = KibFigure(line.substr(colon + 1));
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
