// Caption models, bar positions, the CD-ROM rules and the tooltip texts.
#include <gtest/gtest.h>

#include "meter/caption.h"
#include "meter/summary.h"

namespace sw {
namespace {

MeterRow Row(const char* kind, double free, double used, double total, const char* suffix)
{
    MeterRow row;
    row.Kind = kind;
    row.Free = free;
    row.Used = used;
    row.Total = total;
    row.UnitSuffix = suffix;
    return row;
}

struct ModelCase {
    int model;
    double free, used, total;
    const char* suffix;
    const char* caption;  // nullptr: none
};

TEST(MeterCaptionTest, FiveModelsInMegabytesAndGigabytes)
{
    const ModelCase cases[] = {
        {1, 14805, 25378, 40183, " MB", "[Used, Free] = 63 %, 37 %;"},
        {2, 14805, 25378, 40183, " MB", "[Used, Free] = 63 %, 14805 MB;"},
        {3, 14805, 25378, 40183, " MB", "[Used, Free] = 25378 MB, 37 %;"},
        {4, 14805, 25378, 40183, " MB", "[Used, Free] = 25378 MB, 14805 MB;"},
        {5, 14805, 25378, 40183, " MB", "[Total] = 40183 MB;"},
        {1, 14.458, 24.783, 39.241, " GB", "[Used, Free] = 63 %, 37 %;"},
        {2, 14.458, 24.783, 39.241, " GB", "[Used, Free] = 63 %, 14.458 GB;"},
        {3, 14.458, 24.783, 39.241, " GB", "[Used, Free] = 24.783 GB, 37 %;"},
        {4, 14.458, 24.783, 39.241, " GB", "[Used, Free] = 24.783 GB, 14.458 GB;"},
        {5, 14.458, 24.783, 39.241, " GB", "[Total] = 39.241 GB;"},
        {0, 14805, 25378, 40183, " MB", nullptr},
        {6, 14805, 25378, 40183, " MB", nullptr},
    };
    for (const auto& c : cases) {
        MeterDisplay d =
            ModelCaption(Row("FIXED", c.free, c.used, c.total, c.suffix), c.model, '.');
        SCOPED_TRACE(testing::Message() << "model " << c.model << c.suffix);
        EXPECT_EQ(d.position, 63);
        if (c.caption) {
            EXPECT_EQ(d.caption, c.caption);
        } else {
            EXPECT_FALSE(d.caption);
        }
    }
}

TEST(MeterCaptionTest, UsesTheLocaleSeparator)
{
    MeterDisplay d = ModelCaption(Row("REMOTE", 14.458, 24.783, 39.241, " GB"), 4, ',');
    EXPECT_EQ(d.caption, "[Used, Free] = 24,783 GB, 14,458 GB;");
}

TEST(MeterCaptionTest, NothingTotalGivesNoCaptionAndNoPosition)
{
    for (auto kind : {"FIXED", "REMOVABLE", "REMOTE"}) {
        const MeterRow row = Row(kind, 0, 0, 0, " MB");
        MeterDisplay none = ModelCaption(row, 2, '.');
        EXPECT_FALSE(none.caption) << kind;
        EXPECT_FALSE(none.position) << kind;
        EXPECT_FALSE(SpecialCaption(row, '.')) << kind;
    }
}

// Less than 1 MiB free: full, in every model, with nothing free; a disc keeps its own rules.
TEST(MeterCaptionTest, AFullDriveShowsFullWithNothingFree)
{
    const char* const captions[] = {
        nullptr,
        "[Used, Free] = 100 %, 0 %;",
        "[Used, Free] = 100 %, 0 MB;",
        "[Used, Free] = 500 MB, 0 %;",
        "[Used, Free] = 500 MB, 0 MB;",
        "[Total] = 500 MB;",
        nullptr,
    };
    for (auto kind : {"FIXED", "REMOVABLE", "REMOTE"})
        for (int model = 0; model <= kModelCount + 1; ++model) {
            SCOPED_TRACE(testing::Message() << kind << " model " << model);
            const MeterRow row = Row(kind, 0, 500, 500, " MB");
            MeterDisplay full = ModelCaption(row, model, '.');
            EXPECT_EQ(full.position, 100);
            if (captions[model]) {
                EXPECT_EQ(full.caption, captions[model]);
            } else {
                EXPECT_FALSE(full.caption);
            }
            EXPECT_FALSE(SpecialCaption(row, '.'));
        }
    EXPECT_EQ(ModelCaption(Row("FIXED", 0, 0.488, 0.488, " GB"), 2, ',').caption,
              "[Used, Free] = 100 %, 0 GB;");
    EXPECT_FALSE(ModelCaption(Row("CD-ROM", 0, 650, 650, " MB"), 2, '.').position);
}

TEST(DrivePercentagesTest, RoundedEachOnItsOwn)
{
    // 1/8 and 7/8 of 100 are 12.5 and 87.5: each goes to its own even neighbour.
    Percentages eighth = DrivePercentages(1, 7, 8);
    EXPECT_EQ(eighth.freePct, 12);
    EXPECT_EQ(eighth.usedPct, 88);
    Percentages none = DrivePercentages(0, 10, 10);
    EXPECT_EQ(none.freePct, 0);
    EXPECT_EQ(none.usedPct, 0);
}

struct CdCase {
    const char* name;
    double free, used, total;
    const char* unit;
    std::optional<std::string> caption;
    std::optional<int> position;
};

TEST(MeterCaptionTest, CdRomRules)
{
    const CdCase cases[] = {
        {"no disc", 0, 0, 0, "MB", "   NO DISC INSERTED !", std::nullopt},
        {"pressed CD", 0, 650, 650, "MB", "   Disc is inserted ! [Used] = 650 MB;", 100},
        {"rewritable", 400, 300, 700, "MB", "   Disc is inserted ! [Used] = 300 MB;", 43},
        {"rewritable in GB", 0.391, 0.293, 0.684, "GB", "   Disc is inserted ! [Used] = 0.293 GB;",
         43},
        {"DVD", 482, 4000, 4482, "MB", "   Disc is inserted ! [Used] = 4000 MB;", 569},
        {"full DVD", 0, 4400, 4400, "MB", "   Disc is inserted ! [Used] = 4400 MB;", 100},
    };
    for (const auto& c : cases) {
        std::string suffix = std::string(" ") + c.unit;
        auto d = SpecialCaption(Row("CD-ROM", c.free, c.used, c.total, suffix.c_str()), '.');
        ASSERT_TRUE(d) << c.name;
        EXPECT_EQ(d->caption, c.caption) << c.name;
        EXPECT_EQ(d->position, c.position) << c.name;
    }
}

TEST(MeterCaptionTest, CdRomHasAGeneralCaptionToReplaceInEveryModel)
{
    const MeterRow disc = Row("CD-ROM", 400, 300, 700, " MB");
    EXPECT_EQ(SpecialCaption(disc, '.')->caption, "   Disc is inserted ! [Used] = 300 MB;");
    for (int model = 1; model <= kModelCount; ++model)
        EXPECT_TRUE(ModelCaption(disc, model, '.').caption) << model;
}

TEST(SummaryTest, Entries)
{
    EXPECT_EQ(SummaryEntry('C', 14805, 40183, '.'), "C: 14805/40183  ");
    EXPECT_EQ(SummaryEntry('C', 14.458, 39.241, '.'), "C: 14/39  ");
    EXPECT_EQ(SummaryEntry('D', 0.5, 1.5, '.'), "D: 0.5/2  ") << "never 0 for something";
    EXPECT_EQ(SummaryEntry('E', 0.005, 0.098, ','), "E: 0,005/0,098  ");
    EXPECT_EQ(SummaryEntry('Z', 2.5, 3.5, '.'), "Z: 2/4  ");
}

TEST(SummaryTest, Tooltips)
{
    EXPECT_EQ(TooltipText(" GB", "C: 14/39  "), "FS/TS ( GB): C: 14/39  ");
    EXPECT_EQ(TooltipText(" MB", ""), "FS/TS ( MB): ");
    EXPECT_EQ(TooltipText("", ""), "FS/TS (): ");
}

}  // namespace
}  // namespace sw
