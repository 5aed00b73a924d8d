// The balloon's texts for nearly full drives: figures that never read as nothing when something
// is there, in both units, and a long list cut at a whole line.
#include <gtest/gtest.h>

#include "meter/low_space.h"
#include "meter/units.h"

namespace sw {
namespace {

// A drive as the scan gives it in `unit`, from its megabyte figures.
MeterRow Drive(char letter, double freeMB, double totalMB, const char* unit)
{
    MeterRow row;
    row.Letter = letter;
    row.Kind = "FIXED";
    row.FreeMB = freeMB;
    row.TotalMB = totalMB;
    const bool gigabytes = std::string(unit) == "GB";
    row.Free = gigabytes ? MBToGB(freeMB) : freeMB;
    row.Total = gigabytes ? MBToGB(totalMB) : totalMB;
    row.Used = gigabytes ? MBToGB(totalMB - freeMB) : totalMB - freeMB;
    row.UnitSuffix = std::string(" ") + unit;
    return row;
}

TEST(LowSpaceBalloonTest, FiguresHaveTheCaptionsPrecisionAndMegabytesBelowOneGigabyte)
{
    struct Case {
        double freeMB, totalMB;
        const char* unit;
        char separator;
        const char* line;
    } cases[] = {
        {3072, 65536, "MB", '.', "D: 3072 MB free of 65536 MB (5 %)"},
        {3072, 65536, "GB", '.', "D: 3 GB free of 64 GB (5 %)"},
        {3000, 65536, "GB", ',', "D: 2,93 GB free of 64 GB (5 %)"},
        {5, 100, "GB", '.', "D: 5 MB free of 100 MB (5 %)"},
        {922, 32768, "GB", '.', "D: 922 MB free of 32 GB (3 %)"},
        {1024, 20480, "GB", '.', "D: 1 GB free of 20 GB (5 %)"},
        {0, 100, "GB", '.', "D: 0 MB free of 100 MB (0 %)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LowSpaceLine(Drive('D', c.freeMB, c.totalMB, c.unit), c.separator), c.line);
}

TEST(LowSpaceBalloonTest, ALongListEndsAfterAWholeLineWithHowManyMoreAreLow)
{
    std::vector<MeterRow> rows;
    for (char letter = 'E'; letter <= 'Y'; ++letter)
        rows.push_back(Drive(letter, 5, 100, "MB"));
    // Each line "E: 5 MB free of 100 MB (5 %)" is 28 characters, 29 with its line break.
    const std::string text = LowSpaceBalloonText(rows, '.');
    EXPECT_LE(text.size(), kBalloonTextLimit);
    EXPECT_EQ(text.substr(text.rfind('\n') - 28), "K: 5 MB free of 100 MB (5 %)\n"
                                                  "and 14 more drives are low");
    EXPECT_EQ(LowSpaceBalloonText({rows[0], rows[1]}, '.', 52),
              "E: 5 MB free of 100 MB (5 %)\nand 1 more drive is low");
    EXPECT_EQ(LowSpaceBalloonText({rows[0], rows[1]}, '.', 30), "and 2 more drives are low")
        << "not even one line fits";
    EXPECT_EQ(LowSpaceBalloonText({rows[0], rows[1]}, '.', 57),
              "E: 5 MB free of 100 MB (5 %)\nF: 5 MB free of 100 MB (5 %)")
        << "exactly full";
}

}  // namespace
}  // namespace sw
