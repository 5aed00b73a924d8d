// Reads /proc/meminfo afresh on every call and picks the four figures out of it.
#include "platform/posix/posix_memory_status.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace sw {
namespace {

constexpr std::int64_t kMaxKiB = std::numeric_limits<std::int64_t>::max() / 1024;

// The whitespace-separated words of a line.
std::vector<std::string_view> WordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// "Name:   1234 kB" lines as bytes by name; lines of another shape are left out. Read twice a
// second while the memory window is open or closed, so it parses in place, without streams.
std::map<std::string, std::int64_t> FiguresOf(std::string_view text)
{
    std::map<std::string, std::int64_t> figures;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const auto words = WordsOf(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (words.size() != 3 || words[2] != "kB" || words[0].size() < 2 || words[0].back() != ':')
            continue;
        std::int64_t kib = 0;
        const auto [stop, error] =
            std::from_chars(words[1].data(), words[1].data() + words[1].size(), kib);
        if (error == std::errc() && stop == words[1].data() + words[1].size() && kib >= 0 &&
            kib <= kMaxKiB)
            figures[std::string(words[0].substr(0, words[0].size() - 1))] = kib * 1024;
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
    std::string text;
    if (std::FILE* file = std::fopen("/proc/meminfo", "re")) {
        char chunk[4096];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            text.append(chunk, got);
        std::fclose(file);
    }
    return ParseMemInfo(text);
}

}  // namespace sw
