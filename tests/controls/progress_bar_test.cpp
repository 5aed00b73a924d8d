// The gradient bar's geometry and pixels (blocks, ramp, remainder, text, frames) read from its
// Buffer, and which property changes rebuild that picture.
#include "controls/progress_bar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/color.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TColor Back = 0x123456;

// Counts the rebuilds that actually draw.
class CountingBar : public TGradientBar {
public:
    using TGradientBar::TGradientBar;
    int draws = 0;

protected:
    void DrawImage() override
    {
        ++draws;
        TGradientBar::DrawImage();
    }
};

class GradientBar : public ::testing::Test {
protected:
    void SetUp() override { UseHeadlessBackend(); }
    void TearDown() override { Application().Reset(); }

    // The main window's bar: 248 x 20, solid, silver, white bold text.
    static void MakeRowBar(TGradientBar& bar)
    {
        bar.SetBounds(26, 30, 248, 20);
        TFontSpec font = bar.Font();
        font.color = clWhite;
        font.bold = true;
        bar.SetFont(font);
        bar.SetColor(clSilver);
        bar.SetParentColor(false);
        bar.SetStartColor(clLime);
        bar.SetEndColor(clRed);
        bar.SetSolid(true);
    }

    static int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

    static int TextWidth(const TFontSpec& font, const std::string& text)
    {
        TBitmap scratch(1, 1);
        scratch.Canvas().Font = font;
        return scratch.Canvas().TextWidth(text);
    }
};

struct BlocksCase {
    int position;
    int fillWidth;
    int fullBlocks;
    int tailWidth;  // 0: no narrow last block
};

class GradientBarBlocks : public GradientBar, public ::testing::WithParamInterface<BlocksCase> { };

TEST_P(GradientBarBlocks, BlocksGapsAndRemainderOfTheDefaultBar)
{
    const BlocksCase c = GetParam();
    TGradientBar bar(nullptr);
    bar.SetColor(Back);
    bar.SetPosition(c.position);
    ASSERT_EQ(bar.FillWidth(), c.fillWidth);
    const TBitmap& b = bar.Buffer();
    ASSERT_EQ(b.Width(), 150);
    ASSERT_EQ(b.Height(), 15);

    // One colour per block, stepping by a pitch of 10 along a white-to-black ramp; the
    // channel is carried as a running real, as the bar does.
    const double step = -255.0 / c.fillWidth;
    double channel = 255;
    for (int k = 0; k < c.fullBlocks; ++k, channel += 10 * step) {
        const int v = Round(channel);
        for (int x = 1 + 10 * k; x < 10 * (k + 1); ++x)
            ASSERT_EQ(b.Pixel(x, 7), RGB(v, v, v)) << "block " << k << " x " << x;
        EXPECT_EQ(b.Pixel(10 * (k + 1), 7), Back) << "gap after block " << k;
    }
    if (c.tailWidth > 0) {
        const int v = Round(channel);
        const int tailX = 1 + 10 * c.fullBlocks;
        for (int x = tailX; x < tailX + c.tailWidth; ++x)
            EXPECT_EQ(b.Pixel(x, 7), RGB(v, v, v)) << "tail x " << x;
    }
    for (int x = c.fillWidth + 1; x <= 148; ++x)
        EXPECT_EQ(b.Pixel(x, 7), Back) << "remainder x " << x;
    for (int x = 0; x < 150; ++x) {
        EXPECT_EQ(b.Pixel(x, 0), Back);
        EXPECT_EQ(b.Pixel(x, 14), Back);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, GradientBarBlocks,
                         ::testing::Values(BlocksCase{50, 70, 7, 0}, BlocksCase{58, 80, 8, 0},
                                           BlocksCase{59, 90, 9, 0}, BlocksCase{97, 140, 14, 0},
                                           BlocksCase{98, 148, 14, 8}));

TEST_F(GradientBar, GradientBlocksRampEveryColumnAndSkipTheGap)
{
    TGradientBar bar(nullptr);
    bar.SetGradientBlocks(true);
    bar.SetPosition(50);
    const auto grey = [](double v) { return RGB(Round(v), Round(v), Round(v)); };
    const double step = -255.0 / 70;
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(bar.Buffer().Pixel(1 + i, 5), grey(255 + i * step));
    // The second block starts ten columns further down the ramp (nine columns and the gap).
    EXPECT_EQ(bar.Buffer().Pixel(11, 5), grey(255 + 10 * step));
}

struct RampedTailCase {
    int width;
    int position;
    int fillWidth;
    int fullBlocks;
    int tailWidth;
};

class GradientBarRampedTail : public GradientBar,
                              public ::testing::WithParamInterface<RampedTailCase> { };

// Every column, gaps included, moves the running channels one step along the ramp; the narrow
// last block goes on from where the full blocks left off, one colour per column.
TEST_P(GradientBarRampedTail, NarrowLastBlockIsRampedColumnByColumn)
{
    const RampedTailCase c = GetParam();
    constexpr TColor from = RGB(10, 250, 0);
    constexpr TColor to = RGB(250, 10, 128);
    TGradientBar bar(nullptr);
    bar.SetBounds(0, 0, c.width, 15);
    bar.SetColor(Back);
    bar.SetStartColor(from);
    bar.SetEndColor(to);
    bar.SetGradientBlocks(true);
    bar.SetPosition(c.position);
    ASSERT_EQ(bar.FillWidth(), c.fillWidth);
    const TBitmap& b = bar.Buffer();

    const double dr = double(GetRValue(to) - GetRValue(from)) / c.fillWidth;
    const double dg = double(GetGValue(to) - GetGValue(from)) / c.fillWidth;
    const double db = double(GetBValue(to) - GetBValue(from)) / c.fillWidth;
    double r = GetRValue(from), g = GetGValue(from), bl = GetBValue(from);
    const int tailX = 1 + 10 * c.fullBlocks;
    for (int x = 1; x < tailX + c.tailWidth; ++x, r += dr, g += dg, bl += db) {
        const TColor expected =
            x < tailX && x % 10 == 0 ? Back : RGB(Round(r), Round(g), Round(bl));
        for (int y : {1, 7, 13})
            ASSERT_EQ(b.Pixel(x, y), expected) << x << "," << y;
    }
    // The tail runs to the inner right edge: the bar looks full.
    EXPECT_EQ(tailX + c.tailWidth - 1, c.width - 2);
    EXPECT_NE(b.Pixel(tailX + c.tailWidth - 1, 7), b.Pixel(tailX, 7));
    EXPECT_EQ(b.Pixel(c.width - 1, 7), Back);
}

// 150 wide at 98: 14 blocks and 8 columns to spare; 95 wide at 99: raw fill 92, 9 blocks and
// 3 columns to spare, less than twice the leftover of 2.
INSTANTIATE_TEST_SUITE_P(Tails, GradientBarRampedTail,
                         ::testing::Values(RampedTailCase{150, 98, 148, 14, 8},
                                           RampedTailCase{95, 99, 93, 9, 3}));

TEST_F(GradientBar, EqualColoursFillEveryBlockAlikeAndKeepTheGaps)
{
    TGradientBar bar(nullptr);
    bar.SetColor(Back);
    bar.SetEndColor(clWhite);
    bar.SetPosition(98);
    for (int x = 1; x <= 148; ++x)
        EXPECT_EQ(bar.Buffer().Pixel(x, 3), x % 10 == 0 && x <= 140 ? Back : clWhite) << x;
}

TEST_F(GradientBar, RowBarAtFiftyRampsColumnsOneToHundredTwentyThree)
{
    TGradientBar bar(nullptr);
    MakeRowBar(bar);
    bar.SetPosition(50);
    ASSERT_EQ(bar.FillWidth(), 123);
    const TBitmap& b = bar.Buffer();
    // Lime (R 0, G 255) towards red (R 255, G 0); the last column stops one step short.
    const double d = 255.0 / 123;
    for (int i = 1; i <= 123; ++i)
        ASSERT_EQ(b.Pixel(i, 10), RGB(Round((i - 1) * d), Round(255 - (i - 1) * d), 0)) << i;
    EXPECT_NE(b.Pixel(123, 10), clRed);
    for (int x = 124; x <= 246; ++x)
        ASSERT_EQ(b.Pixel(x, 10), clSilver) << x;
    for (int x = 0; x < 248; ++x) {
        EXPECT_EQ(b.Pixel(x, 0), clSilver);
        EXPECT_EQ(b.Pixel(x, 19), clSilver);
    }
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(b.Pixel(0, y), clSilver);
        EXPECT_EQ(b.Pixel(247, y), clSilver);
    }
}

TEST_F(GradientBar, RampRoundsHalvesToEven)
{
    TGradientBar bar(nullptr);
    bar.SetBounds(0, 0, 4, 5);
    bar.SetStartColor(RGB(0, 0, 0));
    bar.SetEndColor(RGB(1, 3, 5));
    bar.SetSolid(true);
    bar.SetPosition(100);
    ASSERT_EQ(bar.FillWidth(), 2);
    // Second column: 0.5, 1.5 and 2.5 round to 0, 2 and 2.
    EXPECT_EQ(bar.Buffer().Pixel(2, 2), RGB(0, 2, 2));
}

TEST_F(GradientBar, SingleBorderDrawsThreeSunkenRings)
{
    TGradientBar bar(nullptr);
    bar.SetBorderStyle(TFormBorderStyle::bsSingle);
    const TBitmap& b = bar.Buffer();
    EXPECT_EQ(b.Pixel(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(b.Pixel(149, 14), ColorToRGB(clBtnFace));
    EXPECT_EQ(b.Pixel(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(b.Pixel(148, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(b.Pixel(1, 13), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(b.Pixel(2, 2), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(b.Pixel(147, 12), ColorToRGB(clBtnFace));
}

// The bar with the text drawn on top must equal the bar without text plus the text drawn
// at the expected origin.
void ExpectTextAt(const TGradientBar& withText, const TGradientBar& without,
                  const std::string& text, int expectedX)
{
    TBitmap expected = without.Buffer();
    TCanvas& canvas = expected.Canvas();
    canvas.Font = withText.Font();
    const TSize extent = canvas.TextExtent(text);
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.TextOut(expectedX, std::max((withText.Height() - extent.cy) / 2, 0), text);
    ASSERT_EQ(withText.Buffer().Width(), expected.Width());
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            ASSERT_EQ(withText.Buffer().Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}

TEST_F(GradientBar, CaptionIsCentredOnTheFillOrStartsAtZero)
{
    for (int position : {0, 10, 50, 100}) {
        TGradientBar bar(nullptr), plain(nullptr);
        for (TGradientBar* b : {&bar, &plain}) {
            MakeRowBar(*b);
            b->SetPosition(position);
        }
        const std::string text = "12.5 GB used / 3.25 GB free";
        bar.SetCaption(text);
        bar.SetTextOption(TBarTextOption::toCaption);
        const int width = TextWidth(bar.Font(), text);
        ExpectTextAt(bar, plain, text, std::max((bar.FillWidth() - width) / 2, 0));
    }
}

TEST_F(GradientBar, CentredTextUsesTheWholeWidth)
{
    TGradientBar bar(nullptr), plain(nullptr);
    for (TGradientBar* b : {&bar, &plain}) {
        MakeRowBar(*b);
        b->SetPosition(10);
    }
    bar.SetTextOption(TBarTextOption::toPercent);
    bar.SetTextCentered(true);
    const int width = TextWidth(bar.Font(), "10%");
    ExpectTextAt(bar, plain, "10%", (248 - width) / 2);
}

TEST_F(GradientBar, FormatCaptionTakesThePercentage)
{
    TGradientBar formatted(nullptr), literal(nullptr);
    for (TGradientBar* b : {&formatted, &literal}) {
        MakeRowBar(*b);
        b->SetPosition(42);
    }
    formatted.SetCaption("Used %5.3d%%");
    formatted.SetTextOption(TBarTextOption::toFormat);
    literal.SetCaption("Used   042%");
    literal.SetTextOption(TBarTextOption::toCaption);
    EXPECT_EQ(formatted.Percent(), 42);
    for (int x = 0; x < 248; ++x)
        ASSERT_EQ(formatted.Buffer().Pixel(x, 10), literal.Buffer().Pixel(x, 10)) << x;

    EXPECT_THROW(formatted.SetCaption("%s"), std::runtime_error);
    EXPECT_THROW(formatted.SetCaption("%d and %d"), std::runtime_error);
}

TEST_F(GradientBar, PositionChangeRebuildsOnlyWhenThePictureChanges)
{
    CountingBar bar(nullptr);
    bar.SetBounds(0, 0, 50, 15);
    bar.SetSolid(true);
    bar.SetCaption("C:");
    bar.SetTextOption(TBarTextOption::toCaption);
    const int before = bar.draws;
    // 48 x 1 / 100 is still no pixel: neither the fill nor the caption changes.
    bar.SetPosition(1);
    EXPECT_EQ(bar.draws, before);
    bar.SetPosition(50);
    EXPECT_EQ(bar.draws, before + 1);

    bar.SetTextOption(TBarTextOption::toPercent);
    const int percentBefore = bar.draws;
    bar.SetPosition(51);  // fill stays 24, percentage changes
    EXPECT_EQ(bar.FillWidth(), 24);
    EXPECT_EQ(bar.draws, percentBefore + 1);
}

TEST_F(GradientBar, SettersThatDoNotAlterThePictureDoNotRebuild)
{
    CountingBar bar(nullptr);
    bar.SetPosition(30);
    const int before = bar.draws;
    bar.SetPosition(30);
    bar.SetStep(5);
    bar.SetTextCentered(true);  // no text shown
    bar.SetCaption("ignored");  // TBarTextOption::toNoText
    bar.SetStartColor(clWhite);  // unchanged
    EXPECT_EQ(bar.draws, before);
    bar.SetSolid(true);
    bar.SetGradientBlocks(true);  // solid: no effect
    EXPECT_EQ(bar.draws, before + 1);
    bar.SetBorderStyle(TFormBorderStyle::bsSingle);
    bar.SetColor(clYellow);
    EXPECT_EQ(bar.draws, before + 3);
}

TEST_F(GradientBar, FontChangeRebuildsOnlyWhenTextIsShown)
{
    CountingBar bar(nullptr);
    TGradientBar plain(nullptr);
    for (TGradientBar* b : {static_cast<TGradientBar*>(&bar), &plain}) {
        MakeRowBar(*b);
        b->SetPosition(60);
    }
    bar.SetCaption("D:");
    const std::string text = "D:";

    // No text: the picture does not change, but the new font is taken for later.
    TFontSpec large = bar.Font();
    large.height = -13;
    large.color = clBlack;
    int before = bar.draws;
    bar.SetFont(large);
    EXPECT_EQ(bar.draws, before);
    bar.SetTextOption(TBarTextOption::toCaption);
    EXPECT_EQ(bar.draws, before + 1);
    ExpectTextAt(bar, plain, text, std::max((bar.FillWidth() - TextWidth(large, text)) / 2, 0));

    // Text shown: every font change redraws it at once.
    TFontSpec yellow = large;
    yellow.color = clYellow;
    yellow.bold = false;
    before = bar.draws;
    bar.SetFont(yellow);
    EXPECT_EQ(bar.draws, before + 1);
    ExpectTextAt(bar, plain, text, std::max((bar.FillWidth() - TextWidth(yellow, text)) / 2, 0));
}

TEST_F(GradientBar, CaptionChangeRebuildsOnlyWhenTheCaptionIsDrawn)
{
    const struct {
        TBarTextOption option;
        const char* first;
        const char* second;
        int rebuilds;
    } cases[] = {
        {TBarTextOption::toNoText, "C:", "D:", 0},
        {TBarTextOption::toCaption, "C:", "D:", 1},
        {TBarTextOption::toFormat, "%d%%", "Used %d%%", 1},
        {TBarTextOption::toPercent, "C:", "D:", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.option));
        CountingBar bar(nullptr);
        MakeRowBar(bar);
        bar.SetPosition(40);
        bar.SetCaption(c.first);
        bar.SetTextOption(c.option);
        const TBitmap picture = bar.Buffer();
        const int before = bar.draws;
        bar.SetCaption(c.second);
        EXPECT_EQ(bar.Caption(), c.second);
        EXPECT_EQ(bar.draws, before + c.rebuilds);
        if (c.rebuilds == 0) {
            for (int x = 0; x < 248; ++x)
                ASSERT_EQ(bar.Buffer().Pixel(x, 10), picture.Pixel(x, 10)) << x;
        }
    }
}

TEST_F(GradientBar, LoadingDefersEverythingToOneRebuild)
{
    CountingBar bar(nullptr);
    bar.BeginLoading();
    const int before = bar.draws;
    bar.SetPosition(50);
    bar.SetStartColor(clRed);
    bar.SetSolid(true);
    bar.SetTextOption(TBarTextOption::toPercent);
    EXPECT_EQ(bar.draws, before);
    EXPECT_EQ(bar.FillWidth(), 0);
    bar.EndLoading();
    EXPECT_EQ(bar.draws, before + 1);
    EXPECT_EQ(bar.FillWidth(), 74);

    // A range change that leaves the bar empty still owes the picture the settings before it.
    CountingBar empty(nullptr);
    empty.BeginLoading();
    empty.SetTextOption(TBarTextOption::toCaption);
    empty.SetMaximum(1000);
    empty.EndLoading();
    EXPECT_EQ(empty.draws, 1);
}

TEST_F(GradientBar, RangeClampsPositionAndBounds)
{
    TGradientBar bar(nullptr);
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-4);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetPosition(80);
    bar.SetMaximum(60);
    EXPECT_EQ(bar.Position(), 60);
    bar.SetMinimum(70);
    EXPECT_EQ(bar.Minimum(), 60);
    bar.SetMaximum(10);
    EXPECT_EQ(bar.Maximum(), 60);
    EXPECT_EQ(bar.Position(), 60);
    EXPECT_EQ(bar.Percent(), 0);
}

class GradientBarOnForm : public GradientBar {
protected:
    void SetUp() override
    {
        GradientBar::SetUp();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 200, 60);
        form->SetColor(clNavy);
        form->Show();
    }
    TForm* form = nullptr;
};

TEST_F(GradientBarOnForm, InheritedColourRebuildsWithTheParentsColour)
{
    auto* inherits = new CountingBar(form);
    auto* own = new CountingBar(form);
    for (CountingBar* bar : {inherits, own}) {
        bar->SetParent(form);
        bar->SetBounds(10, 10, 150, 15);
        bar->SetPosition(50);
    }
    own->SetColor(clYellow);
    ASSERT_TRUE(inherits->ParentColor());
    ASSERT_EQ(inherits->Buffer().Pixel(100, 7), clNavy);
    const int inheritsBefore = inherits->draws;
    const int ownBefore = own->draws;

    form->SetColor(clTeal);
    EXPECT_EQ(inherits->Color(), clTeal);
    EXPECT_EQ(inherits->draws, inheritsBefore + 1);
    // Remainder, gap and frame take the new colour; the blocks keep theirs.
    EXPECT_EQ(inherits->Buffer().Pixel(100, 7), clTeal);
    EXPECT_EQ(inherits->Buffer().Pixel(10, 7), clTeal);
    EXPECT_EQ(inherits->Buffer().Pixel(0, 0), clTeal);
    EXPECT_EQ(inherits->Buffer().Pixel(1, 7), clWhite);
    EXPECT_EQ(own->draws, ownBefore);
    EXPECT_EQ(own->Buffer().Pixel(100, 7), clYellow);
}

TEST_F(GradientBarOnForm, InheritedFontRebuildsOnlyWhenTextIsShown)
{
    const struct {
        TBarTextOption option;
        int rebuilds;
    } cases[] = {{TBarTextOption::toNoText, 0},
                 {TBarTextOption::toCaption, 1},
                 {TBarTextOption::toPercent, 1}};
    std::vector<CountingBar*> bars;
    for (const auto& c : cases) {
        auto* bar = new CountingBar(form);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 150, 15);
        bar->SetPosition(50);
        bar->SetCaption("C:");
        bar->SetTextOption(c.option);
        bars.push_back(bar);
    }
    std::vector<int> before;
    for (CountingBar* bar : bars)
        before.push_back(bar->draws);
    TFontSpec font = form->Font();
    font.bold = !font.bold;
    form->SetFont(font);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE(static_cast<int>(cases[i].option));
        EXPECT_EQ(bars[i]->Font(), font);
        EXPECT_EQ(bars[i]->draws, before[i] + cases[i].rebuilds);
    }
}

TEST_F(GradientBarOnForm, PaintNoticesAResizeAndRebuilds)
{
    auto* bar = new CountingBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 150, 15);
    bar->SetColor(clYellow);
    bar->SetPosition(50);
    bar->SetWidth(100);
    EXPECT_EQ(bar->Buffer().Width(), 150);
    form->Repaint();
    EXPECT_EQ(bar->Buffer().Width(), 100);
    // 98 x 50 / 100 = 49: four blocks and a leftover of 9, more than half the room of 10.
    EXPECT_EQ(bar->FillWidth(), 50);
    EXPECT_EQ(form->Image().Pixel(10 + 1, 10 + 5), clWhite);
    EXPECT_EQ(form->Image().Pixel(10 + 60, 10 + 5), clYellow);
}

TEST_F(GradientBarOnForm, TinyBarsPaintNothing)
{
    auto* bar = new TGradientBar(form);
    bar->SetParent(form);
    bar->SetColor(clYellow);
    bar->SetBounds(10, 10, 2, 15);
    form->Repaint();
    EXPECT_EQ(bar->Buffer().Width(), 2);
    EXPECT_NE(form->Image().Pixel(10, 12), clYellow);
    bar->SetBounds(10, 10, 0, 0);
    form->Repaint();
    EXPECT_EQ(bar->Buffer().Width(), 2);  // nothing to rebuild at size 0
}

class GradientBarSystemColors : public GradientBar {
protected:
    void TearDown() override
    {
        SetSystemColorTable(std::function<TColor(int)>{});
        GradientBar::TearDown();
    }
};

// Start and end colours are resolved when set and keep that RGB through a later change of the
// system colours; the bar's own Color is resolved whenever the picture is drawn.
TEST_F(GradientBarSystemColors, RampColoursKeepTheRgbTheyHadWhenSet)
{
    TGradientBar bar(nullptr);
    bar.SetBounds(0, 0, 100, 10);
    bar.SetColor(clBtnFace);
    bar.SetSolid(true);
    bar.SetStartColor(clBackground);
    bar.SetEndColor(clBtnHighlight);
    bar.SetPosition(50);
    ASSERT_EQ(bar.FillWidth(), 49);
    const TColor start = DefaultSystemColors()[1];
    const TColor end = DefaultSystemColors()[0x14];
    ASSERT_NE(start, end);

    TSystemColorTable changed{};
    for (int i = 0; i < SystemColorCount; ++i)
        changed[i] = RGB(7 * i, 200 - 3 * i, 100 + i);
    SetSystemColorTable(changed);
    ASSERT_NE(ColorToRGB(clBackground), start);
    bar.SetColor(clInfoBk);  // rebuilds with the changed table

    EXPECT_EQ(bar.StartColor(), clBackground);
    EXPECT_EQ(bar.EndColor(), clBtnHighlight);
    const TBitmap& b = bar.Buffer();
    auto channel = [](int from, int to, int column) {
        return Round(from + (column - 1) * (double(to - from) / 49));
    };
    for (int x = 1; x <= 49; ++x)
        ASSERT_EQ(b.Pixel(x, 4), RGB(channel(GetRValue(start), GetRValue(end), x),
                                     channel(GetGValue(start), GetGValue(end), x),
                                     channel(GetBValue(start), GetBValue(end), x)))
            << x;
    EXPECT_EQ(b.Pixel(50, 4), changed[0x18]);
    EXPECT_EQ(b.Pixel(0, 0), changed[0x18]);

    // Set again now, the same system colour takes the changed table's RGB.
    TGradientBar later(nullptr);
    later.SetBounds(0, 0, 100, 10);
    later.SetSolid(true);
    later.SetStartColor(clBackground);
    later.SetPosition(50);
    EXPECT_EQ(later.Buffer().Pixel(1, 4), changed[1]);
}

}  // namespace
