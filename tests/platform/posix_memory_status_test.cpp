// The memory figures picked out of /proc/meminfo texts, whole and broken; built where the POSIX
// backend is.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "platform/posix/posix_memory_status.h"

namespace sw {
namespace {

constexpr std::int64_t kKiB = 1024;

const std::string kMemInfo = "MemTotal:       16318208 kB\n"
                             "MemFree:          612340 kB\n"
                             "MemAvailable:    9876543 kB\n"
                             "HugePages_Total:       0\n"
                             "CommitLimit:    12345678 kB\n"
                             "Committed_AS:    2345678 kB\n";

std::string Replaced(const std::string& text, const std::string& from, const std::string& to)
{
    std::string out = text;
    out.replace(out.find(from), from.size(), to);
    return out;
}

TEST(MemInfoTest, FourFiguresOrAllZerosWhenOneIsMissingOrGarbled)
{
    struct Row {
        const char* story;
        std::string text;
        MemoryStatus expected;
    };
    const MemoryStatus none{};
    const Row rows[] = {
        {"a whole table",
         kMemInfo,
         {16318208 * kKiB, 9876543 * kKiB, 12345678 * kKiB, 10000000 * kKiB}},
        {"more committed than the limit leaves nothing, never less",
         Replaced(kMemInfo, " 2345678", " 99999999"),
         {16318208 * kKiB, 9876543 * kKiB, 12345678 * kKiB, 0}},
        {"no MemAvailable (an old kernel)", Replaced(kMemInfo, "MemAvailable:", "Cached:"), none},
        {"no commit figures", Replaced(kMemInfo, "Committed_AS:", "Dirty:"), none},
        {"a figure that is no number", Replaced(kMemInfo, "16318208", "16e18"), none},
        {"a negative figure", Replaced(kMemInfo, "12345678", "-12345678"), none},
        {"a figure too large for bytes", Replaced(kMemInfo, "9876543", "99999999999999999"), none},
        {"a figure in another unit", Replaced(kMemInfo, "16318208 kB", "16318208 MB"), none},
        {"a unit joined to its figure", Replaced(kMemInfo, "9876543 kB", "9876543kB"), none},
        {"an empty file", "", none},
    };
    for (const auto& row : rows) {
        const MemoryStatus s = ParseMemInfo(row.text);
        EXPECT_EQ(s.totalPhys, row.expected.totalPhys) << row.story;
        EXPECT_EQ(s.availPhys, row.expected.availPhys) << row.story;
        EXPECT_EQ(s.totalVirtual, row.expected.totalVirtual) << row.story;
        EXPECT_EQ(s.availVirtual, row.expected.availVirtual) << row.story;
    }
}

}  // namespace
}  // namespace sw
#endif
