// The level bar: the memory window's hidden 25 x 145 bar segment by segment, the default
// bar's snapping, zones, lit counts, orientations and styles, setter rules, notifications and
// the resizing after a bevel change.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/level_bar.h"
#include "gauge_fixture.h"

class LevelBarTest : public GaugeFormTest {
protected:
    // AvailableLevel's bevel: only a one-pixel ring in the (black) inner colour.
    TLevelBar* MakeMemoryBar()
    {
        auto* bar = new TLevelBar(Form.get());
        bar->SetParent(Form.get());
        bar->SetBounds(0, 0, 25, 145);
        TBevel& bevel = bar->Bevel();
        bevel.SetInnerWidth(2);
        bevel.SetInnerStyle(TBevelStyle::bsNone);
        bevel.SetInnerSpace(1);
        bevel.SetInnerColor(clBlack);
        bevel.SetOuterStyle(TBevelStyle::bsNone);
        bevel.SetOuterOutline(TBevelOutlineStyle::osNone);
        bar->Palette2().SetLow(clOlive);
        bar->Palette2().SetHigh(clYellow);
        bar->Palette3().SetLow(clMaroon);
        bar->Palette3().SetHigh(clRed);
        return bar;
    }

    // g/G zone 1 unlit/lit, o/Y zone 2, m/R zone 3.
    static char Letter(TColor c)
    {
        return c == clGreen    ? 'g'
               : c == clLime   ? 'G'
               : c == clOlive  ? 'o'
               : c == clYellow ? 'Y'
               : c == clMaroon ? 'm'
               : c == clRed    ? 'R'
                               : '?';
    }

    // One letter per segment from k = 0 (the base), segment k read at `first` + k * `step`.
    static std::string Segments(const TLevelBar* bar, TPoint first, TPoint step)
    {
        std::string letters;
        for (int k = 0; k < bar->SegmentCount(); ++k)
            letters += Letter(bar->Image().Pixel(first.x + k * step.x, first.y + k * step.y));
        return letters;
    }

    static std::string Zones(int lit)
    {
        std::string expected;
        for (int k = 0; k < 72; ++k) {
            const bool on = k < lit;
            expected += k < 43 ? (on ? 'G' : 'g') : k < 61 ? (on ? 'Y' : 'o') : (on ? 'R' : 'm');
        }
        return expected;
    }
};

TEST_F(LevelBarTest, Defaults)
{
    auto* bar = new TLevelBar(Form.get());
    EXPECT_EQ(bar->Width(), 20);
    EXPECT_EQ(bar->Height(), 170);
    EXPECT_EQ(bar->Color(), clBlack);
    EXPECT_FALSE(bar->ParentColor());
    EXPECT_EQ(bar->Palette2().Low(), clOlive);
    EXPECT_EQ(bar->Palette3().High(), clRed);
    EXPECT_EQ(bar->Bevel().TotalWidth(), 5);
}

TEST_F(LevelBarTest, MemoryWindowBarLayoutAndLitCounts)
{
    TLevelBar* bar = MakeMemoryBar();
    ShowForm();
    EXPECT_EQ(bar->SegmentArea(), (TRect{1, 1, 24, 144}));
    EXPECT_EQ(bar->SegmentPitch(), 2);
    EXPECT_EQ(bar->SegmentCount(), 72);
    EXPECT_EQ(bar->Height(), 145);
    struct Case {
        int position, lit;
    };
    for (const Case& c : std::vector<Case>{{50, 36}, {10, 7}, {100, 72}, {0, 0}}) {
        bar->SetPosition(c.position);
        // Segment k lies at y = 1 + (71 - k) * 2, so the base is at the bottom.
        EXPECT_EQ(Segments(bar, {12, 143}, {0, -2}), Zones(c.lit)) << c.position;
    }
    bar->SetPosition(100);
    EXPECT_EQ(bar->Image().Pixel(1, 21), clRed);  // k = 61, the first of zone 3
    EXPECT_EQ(bar->Image().Pixel(23, 1), clRed);
    EXPECT_EQ(bar->Image().Pixel(12, 2), clBlack);  // spacing
    EXPECT_EQ(bar->Image().Pixel(0, 50), clBlack);  // ring
    EXPECT_EQ(bar->Image().Pixel(24, 50), clBlack);
    EXPECT_EQ(bar->Image().Pixel(12, 144), clBlack);
    EXPECT_EQ(Pixel(12, 143), clLime);
    EXPECT_EQ(Pixel(25, 143), FormColor);
}

TEST_F(LevelBarTest, DefaultBarSnapsTo169)
{
    auto* bar = new TLevelBar(Form.get());
    bar->SetParent(Form.get());
    ShowForm();
    EXPECT_EQ(bar->SegmentCount(), 80);
    EXPECT_EQ(bar->Height(), 169);
    EXPECT_EQ(bar->SegmentArea().Width(), 10);
    // Default bevel: black outline, raised ring, 2-pixel lowered ring, black inner space.
    EXPECT_EQ(bar->Image().Pixel(0, 80), clBlack);
    EXPECT_EQ(bar->Image().Pixel(1, 80), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bar->Image().Pixel(2, 80), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bar->Image().Pixel(3, 80), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bar->Image().Pixel(5, 163), clGreen);  // k = 0, right above the bottom rings
    EXPECT_EQ(bar->Image().Pixel(5, 5), clMaroon);  // k = 79
    EXPECT_EQ(Pixel(5, 169), FormColor);
}

TEST_F(LevelBarTest, EveryOrientationAndStylePutsSegmentZeroAtTheBase)
{
    TLevelBar* bar = MakeMemoryBar();
    ShowForm();
    bar->SetPosition(50);
    const std::string lit = Zones(36);
    EXPECT_EQ(Segments(bar, {12, 143}, {0, -2}), lit);
    bar->SetStyle(TGaugeProgressStyle::psTopRight);
    EXPECT_EQ(Segments(bar, {12, 1}, {0, 2}), lit);
    bar->SetOrientation(TGaugeOrientation::voHorizontal);
    EXPECT_EQ(bar->Width(), 145);
    EXPECT_EQ(bar->Height(), 25);
    EXPECT_EQ(bar->SegmentCount(), 72);
    EXPECT_EQ(Segments(bar, {143, 12}, {-2, 0}), lit);
    bar->SetStyle(TGaugeProgressStyle::psBottomLeft);
    EXPECT_EQ(Segments(bar, {1, 12}, {2, 0}), lit);
    EXPECT_EQ(bar->Image().Pixel(2, 12), clBlack);
}

TEST_F(LevelBarTest, ThickerSegmentsAndWiderSpacing)
{
    TLevelBar* bar = MakeMemoryBar();
    bar->SetTickHeight(3);
    bar->SetSpacing(2);
    ShowForm();
    EXPECT_EQ(bar->SegmentCount(), (143 + 2) / 5);
    EXPECT_EQ(bar->Height(), 2 + 29 * 5 - 2);
    bar->SetTickHeight(0);
    EXPECT_EQ(bar->TickHeight(), 3);
}

TEST_F(LevelBarTest, PercentSharesNeverExceed100)
{
    auto* bar = new TLevelBar(Form.get());
    ShowForm();
    bar->SetPercent1(90);
    EXPECT_EQ(bar->Percent1(), 75);
    bar->SetPercent1(60);
    bar->SetPercent2(50);
    EXPECT_EQ(bar->Percent2(), 25);
    bar->SetPercent2(40);
    EXPECT_EQ(bar->Percent2(), 40);
}

TEST_F(LevelBarTest, RangeSettersRefuseAnEmptyRange)
{
    auto* bar = new TLevelBar(Form.get());
    ShowForm();
    bar->SetMinValue(100);
    EXPECT_EQ(bar->MinValue(), 0);
    bar->SetMaxValue(0);
    EXPECT_EQ(bar->MaxValue(), 100);
    bar->SetPosition(70);
    bar->SetMaxValue(50);
    EXPECT_EQ(bar->Position(), 50);
    bar->SetMinValue(60);
    EXPECT_EQ(bar->MinValue(), 0);
    bar->SetMinValue(20);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 20);
}

TEST_F(LevelBarTest, NotificationsInOrder)
{
    auto* bar = new TLevelBar(Form.get());
    ShowForm();
    std::vector<std::string> calls;
    bar->OnChange = [&](TObject*) { calls.push_back("change"); };
    bar->OnMinValue = [&](TObject*) { calls.push_back("min"); };
    bar->OnMaxValue = [&](TObject*) { calls.push_back("max"); };
    bar->SetPosition(100);
    EXPECT_EQ(calls, (std::vector<std::string>{"change", "max"}));
    bar->SetPosition(100);
    bar->SetPosition(250);
    EXPECT_EQ(calls.size(), 2u);
    bar->SetPosition(-1);
    EXPECT_EQ(calls, (std::vector<std::string>{"change", "max", "change", "min"}));
    bar->SetPosition(40);
    EXPECT_EQ(calls.size(), 5u);
}

TEST_F(LevelBarTest, BevelChangeGrowsTheBarAroundItsSegments)
{
    TLevelBar* bar = MakeMemoryBar();
    ShowForm();
    bar->Bevel().SetOuterStyle(TBevelStyle::bsRaised);
    EXPECT_EQ(bar->Width(), 27);
    EXPECT_EQ(bar->Height(), 147);
    EXPECT_EQ(bar->SegmentArea(), (TRect{2, 2, 25, 145}));
    EXPECT_EQ(bar->SegmentCount(), 72);
    EXPECT_EQ(bar->Image().Pixel(0, 50), ColorToRGB(clBtnHighlight));

    TBevel plain;
    plain.SetOuterOutline(TBevelOutlineStyle::osNone);
    plain.SetOuterStyle(TBevelStyle::bsNone);
    plain.SetInnerStyle(TBevelStyle::bsNone);
    plain.SetInnerSpace(0);
    bar->SetBevel(plain);
    EXPECT_EQ(bar->Width(), 23);
    EXPECT_EQ(bar->Height(), 143);
}

TEST_F(LevelBarTest, BevelChangeBeforeTheFirstPaintKeepsTheInterior)
{
    auto* bar = new TLevelBar(Form.get());
    Form->AfterConstruction();
    bar->Bevel().SetInnerWidth(1);
    EXPECT_EQ(bar->Width(), 18);
    EXPECT_EQ(bar->Height(), 168);
}

TEST_F(LevelBarTest, PaletteChangeRepaints)
{
    TLevelBar* bar = MakeMemoryBar();
    ShowForm();
    bar->SetPosition(10);
    bar->Palette1().SetHigh(clAqua);
    EXPECT_EQ(bar->Image().Pixel(12, 143), clAqua);
}

TEST_F(LevelBarTest, HorizontalBarSnapsItsWidthToWholeSegments)
{
    // Default bevel, 5 pixels of rings on each side; the bars are 20 high.
    struct Case {
        int width, tickHeight, spacing, count, snapped;
    };
    const std::vector<Case> cases{
        {170, 1, 1, 80, 169},  // (160 + 1) div 2 segments, 2 x 5 + 80 x 2 - 1
        {169, 1, 1, 80, 169},  // already whole
        {170, 3, 2, 32, 168},  // (160 + 2) div 5, 10 + 32 x 5 - 2
        {171, 2, 0, 80, 170},  // 161 div 2, 10 + 80 x 2
    };
    std::vector<TLevelBar*> bars;
    int top = 0;
    for (const Case& c : cases) {
        auto* bar = new TLevelBar(Form.get());
        bar->SetParent(Form.get());
        bar->SetOrientation(TGaugeOrientation::voHorizontal);
        bar->SetBounds(0, top, c.width, 20);
        bar->SetTickHeight(c.tickHeight);
        bar->SetSpacing(c.spacing);
        bars.push_back(bar);
        top += 30;
    }
    ShowForm();
    const TColor shadow = ColorToRGB(clBtnShadow);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const TLevelBar* bar = bars[i];
        SCOPED_TRACE(c.width);
        EXPECT_EQ(bar->SegmentCount(), c.count);
        EXPECT_EQ(bar->Width(), c.snapped);
        EXPECT_EQ(bar->Height(), 20);
        EXPECT_EQ(bar->SegmentArea(), (TRect{5, 5, c.snapped - 5, 15}));
        // The last (unlit, zone 3) segment ends right at the rings, which are drawn at the
        // snapped width: inner space, lowered ring, raised ring, outline.
        const TBitmap& image = bar->Image();
        EXPECT_EQ(image.Width(), c.snapped);
        EXPECT_EQ(image.Pixel(c.snapped - 6, 10), clMaroon);
        EXPECT_EQ(image.Pixel(c.snapped - 5, 10), clBlack);
        EXPECT_EQ(image.Pixel(c.snapped - 2, 10), shadow);
        EXPECT_EQ(image.Pixel(c.snapped - 1, 10), clBlack);
        EXPECT_EQ(image.Pixel(5, 10), clGreen);  // segment 0 at the left
        EXPECT_EQ(Pixel(c.snapped, 30 * static_cast<int>(i) + 10), FormColor);
    }
}

TEST_F(LevelBarTest, PercentOneIsNotCutBackWhileLoading)
{
    TLevelBar* bar = MakeMemoryBar();
    bar->SetPercent1(90);
    EXPECT_EQ(bar->Percent1(), 90);
    bar->SetPercent2(30);  // refused even while loading: 90 + 30 > 100
    EXPECT_EQ(bar->Percent2(), 25);
    ShowForm();
    EXPECT_EQ(bar->Percent1(), 90);
    EXPECT_EQ(bar->Percent2(), 25);
    // 72 segments: zone 1 = 64, zones 1 and 2 reach 64 + 18 = 82, so there is no zone 3.
    bar->SetPosition(100);
    EXPECT_EQ(Segments(bar, {12, 143}, {0, -2}), std::string(64, 'G') + std::string(8, 'Y'));
}

TEST_F(LevelBarTest, PictureIsRedrawnBeforeTheNotificationsRun)
{
    TLevelBar* bar = MakeMemoryBar();
    ShowForm();
    const THeadlessWindow* window = Backend->Window(Form->Handle());
    ASSERT_NE(window, nullptr);
    // Segment k is read at y = 143 - 2k on the bar and on the screen.
    const auto seen = [&](int k) {
        const TColor onBar = bar->Image().Pixel(12, 143 - 2 * k);
        EXPECT_EQ(window->image.Pixel(12, 143 - 2 * k), onBar) << k;
        return onBar;
    };
    struct Case {
        int position;
        int lit;  // L of 72 segments
    };
    for (const Case& c : std::vector<Case>{{10, 7}, {100, 72}, {0, 0}, {50, 36}}) {
        SCOPED_TRACE(c.position);
        int calls = 0;
        const auto check = [&](TObject*) {
            ++calls;
            const std::string letters = Zones(c.lit);
            if (c.lit > 0) {
                EXPECT_EQ(Letter(seen(c.lit - 1)), letters[c.lit - 1]);
            }
            if (c.lit < 72) {
                EXPECT_EQ(Letter(seen(c.lit)), letters[c.lit]);
            }
        };
        bar->OnChange = check;
        bar->OnMinValue = check;
        bar->OnMaxValue = check;
        bar->SetPosition(c.position);
        EXPECT_EQ(calls, c.position == 0 || c.position == 100 ? 2 : 1);
    }
}
