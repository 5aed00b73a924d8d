// The marquee: colour blending of the fading edges, the text strip and its key colour, the
// scrolling offset per tick and its wrap-around, the composed picture on a form, ticks from
// the worker thread (run on the GUI thread, ignored while inactive, none with interval 0)
// and a heading set up while its form loads.
#include "controls/scroll_text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "gfx/canvas.h"
#include "gui_pump.h"
#include "ui/application.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "gauge_fixture.h"

namespace {

using namespace std::chrono_literals;

constexpr TColor Heading = 0xB35900;
constexpr TColor Letters = 0xFFEEDD;

// A scrolling text that counts its repaint requests (one per build and one per tick) and
// those made off the thread that created it.
class CountingScrollText : public TScrollText {
public:
    using TScrollText::TScrollText;

    std::atomic<int> requests = 0;
    std::atomic<int> foreign = 0;

protected:
    void RequestRepaint() override
    {
        if (std::this_thread::get_id() != FCreator)
            ++foreign;
        ++requests;
        TScrollText::RequestRepaint();
    }

private:
    const std::thread::id FCreator = std::this_thread::get_id();
};

struct BlendCase {
    TColor c1, c2;
    int steps, index;
    TColor expected;
};

class ScrollTextBlend : public ::testing::TestWithParam<BlendCase> { };

TEST_P(ScrollTextBlend, BlendsChannelsWithRoundedSteps)
{
    const BlendCase c = GetParam();
    EXPECT_EQ(BlendColor(c.c1, c.c2, c.steps, c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, ScrollTextBlend,
                         ::testing::Values(BlendCase{Heading, Letters, 15, 1, Heading},
                                           BlendCase{Heading, Letters, 15, 8, RGB(111, 164, 217)},
                                           BlendCase{Heading, Letters, 15, 15, Letters},
                                           // The index is clamped into 1 .. steps.
                                           BlendCase{Heading, Letters, 15, 0, Heading},
                                           BlendCase{Heading, Letters, 15, 99, Letters},
                                           // -2.5 rounds away from zero to -3.
                                           BlendCase{RGB(10, 0, 0), RGB(5, 0, 0), 3, 2,
                                                     RGB(7, 0, 0)},
                                           // A single step has nothing to blend: the first colour.
                                           BlendCase{Heading, Letters, 1, 1, Heading},
                                           BlendCase{clBtnFace, clWhite, 2, 1, 0xC0C0C0}));

class ScrollText : public ::testing::Test {
protected:
    void SetUp() override { UseHeadlessBackend(); }
    void TearDown() override { Application().Reset(); }

    // A memory-window heading: bold, light letters on dark blue, moving right to left.
    static void MakeHeading(TScrollText& text, const std::string& caption)
    {
        TFontSpec font = text.Font();
        font.bold = true;
        font.color = Letters;
        text.SetFont(font);
        text.SetColor(Heading);
        text.SetScrollDirection(sdRightToLeft);
        text.SetCaption(caption);
    }

    static int CaptionWidth(const TScrollText& text)
    {
        return text.TextStrip().Width() - 2 * text.Width();
    }
};

TEST_F(ScrollText, DefaultsAndAnEmptyCaption)
{
    TScrollText text(nullptr);
    EXPECT_EQ(text.Width(), 70);
    EXPECT_EQ(text.Height(), 18);
    EXPECT_EQ(text.ScrollOffset(), -70);
    EXPECT_FALSE(text.Active());
    EXPECT_TRUE(text.Threaded());
    EXPECT_EQ(text.Interval(), 50);
    EXPECT_FALSE(text.Timer().Enabled());
    EXPECT_EQ(text.TextStrip().Width(), 140);
    EXPECT_EQ(text.TextStrip().Height(), 18);
}

TEST_F(ScrollText, RightToLeftTextWrapsAfterItsWidthPlusTheControlWidth)
{
    TScrollText text(nullptr);
    MakeHeading(text, "Virtual MEMORY");
    ASSERT_EQ(text.ScrollOffset(), 0);
    const int w = CaptionWidth(text);
    ASSERT_GT(w, 70);
    for (int i = 1; i < w + 70; ++i)
        text.Tick();
    EXPECT_EQ(text.ScrollOffset(), -(w + 69));
    text.Tick();
    EXPECT_EQ(text.ScrollOffset(), 0);
}

TEST_F(ScrollText, LeftToRightTextRestartsBeyondTheLeftEdge)
{
    TScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    text.SetScrollDirection(sdLeftToRight);
    const int start = 70 - text.TextStrip().Width();
    EXPECT_EQ(text.ScrollOffset(), start);
    text.SetPixelStep(4);
    text.Tick();
    EXPECT_EQ(text.ScrollOffset(), start + 4);
    while (text.ScrollOffset() > start)
        text.Tick();
    EXPECT_EQ(text.ScrollOffset(), start);
}

TEST_F(ScrollText, DisabledControlFreezesTheText)
{
    TScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    text.Tick();
    text.SetEnabled(false);
    text.Tick();
    text.Tick();
    EXPECT_EQ(text.ScrollOffset(), -1);
}

TEST_F(ScrollText, LettersUseAKeyColourOtherThanTheirOwn)
{
    TScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    EXPECT_TRUE(text.TextStrip().Transparent);
    EXPECT_EQ(text.TextStrip().TransparentColor, clGreen);

    TFontSpec font = text.Font();
    font.color = clGreen;
    text.SetFont(font);
    EXPECT_EQ(text.TextStrip().TransparentColor, clRed);
    text.SetFont(text.Font());
    text.SetColor(clGreen);
    EXPECT_EQ(text.TextStrip().TransparentColor, clRed);

    // The letters are in the key colour, between blank margins one control wide.
    int keyed = 0;
    const TBitmap& strip = text.TextStrip();
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < strip.Width(); ++x)
            if (strip.Pixel(x, y) == clRed) {
                ++keyed;
                EXPECT_GE(x, 70);
                EXPECT_LT(x, strip.Width() - 70);
            }
    EXPECT_GT(keyed, 0);
}

TEST_F(ScrollText, EdgesFadeFromBackgroundToLetterColour)
{
    TScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    const TBitmap& edges = text.EdgeBitmap();
    for (int i = 0; i < 15; ++i) {
        const TColor expected = BlendColor(Heading, Letters, 15, i + 1);
        EXPECT_EQ(edges.Pixel(i, 9), expected) << i;
        EXPECT_EQ(edges.Pixel(69 - i, 17), expected) << i;
    }
    EXPECT_EQ(edges.Pixel(0, 0), Heading);
    EXPECT_EQ(edges.Pixel(35, 9), Letters);

    text.SetEdgeStyle(esLeft);
    EXPECT_EQ(text.EdgeBitmap().Pixel(69, 9), Letters);
    text.SetEdgeWidth(1);
    EXPECT_EQ(text.EdgeBitmap().Pixel(0, 9), Heading);
    EXPECT_EQ(text.EdgeBitmap().Pixel(1, 9), Letters);
}

TEST_F(ScrollText, NegativeIntervalIsARangeError)
{
    TScrollText text(nullptr);
    EXPECT_THROW(text.SetInterval(-1), ERangeError);
    text.SetInterval(0);
    EXPECT_EQ(text.Timer().Interval(), 0u);
}

TEST_F(ScrollText, PictureShowsLettersOnlyWhereTheStripLetsTheEdgesThrough)
{
    TForm* form = Application().CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, 200, 40);
    form->Show();
    auto* text = new TScrollText(form);
    text->SetParent(form);
    text->SetBounds(96, 8, 70, 18);
    MakeHeading(*text, "MEMORY");
    // Offset 0: the text lies just beyond the right edge, the strip is plain background.
    for (int x = 0; x < 70; ++x)
        ASSERT_EQ(form->Image().Pixel(96 + x, 8 + 9), Heading) << x;

    // Bring the letters to the middle; their pixels show the fully lit edge bitmap.
    for (int i = 0; i < 70; ++i)
        text->Tick();
    const TBitmap& strip = text->TextStrip();
    int lit = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 15; x < 55; ++x) {
            const bool letter = strip.Pixel(x - text->ScrollOffset(), y) == clGreen;
            ASSERT_EQ(form->Image().Pixel(96 + x, 8 + y), letter ? Letters : Heading)
                << x << "," << y;
            lit += letter ? 1 : 0;
        }
    EXPECT_GT(lit, 0);
}

TEST_F(ScrollText, MessageTimerScrollsOnTheGuiClock)
{
    TScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    text.SetThreaded(false);
    EXPECT_FALSE(text.Threaded());
    text.SetActive(true);
    EXPECT_EQ(text.Timer().Thread(), nullptr);
    Headless().AdvanceTime(50 * 3);
    EXPECT_EQ(text.ScrollOffset(), -3);
    text.SetActive(false);
    Headless().AdvanceTime(50 * 3);
    EXPECT_EQ(text.ScrollOffset(), -3);
}

TEST_F(ScrollText, ThreadedScrollingRunsItsTicksOnTheGuiThread)
{
    CountingScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    text.SetInterval(5);
    text.SetActive(true);
    ASSERT_TRUE(text.Threaded());
    ASSERT_NE(text.Timer().Thread(), nullptr);
    const int before = text.requests;
    // A tick waits for the GUI thread, so the pump sees every step.
    ASSERT_TRUE(PumpUntil([&] { return text.ScrollOffset() <= -5; }));
    EXPECT_EQ(text.ScrollOffset(), -5);
    EXPECT_EQ(text.requests, before + 5);
    EXPECT_EQ(text.foreign, 0);
}

TEST_F(ScrollText, InactiveTextKeepsItsWorkerAwakeButStandsStill)
{
    CountingScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    text.SetInterval(5);
    text.SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return text.ScrollOffset() <= -2; }));

    text.SetActive(false);
    EXPECT_FALSE(text.Timer().Enabled());
    const int frozen = text.ScrollOffset();
    const int requests = text.requests;
    PumpFor(60ms);
    EXPECT_EQ(text.ScrollOffset(), frozen);
    EXPECT_EQ(text.requests, requests);
    ASSERT_NE(text.Timer().Thread(), nullptr);
    EXPECT_FALSE(text.Timer().Thread()->Parked());

    text.SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return text.ScrollOffset() < frozen; }));
    EXPECT_EQ(text.foreign, 0);
}

TEST_F(ScrollText, ZeroIntervalParksTheWorker)
{
    CountingScrollText text(nullptr);
    MakeHeading(text, "MEMORY");
    text.SetInterval(0);
    text.SetActive(true);
    ASSERT_NE(text.Timer().Thread(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return text.Timer().Thread()->Parked(); }));
    PumpFor(30ms);
    EXPECT_EQ(text.ScrollOffset(), 0);

    text.SetInterval(5);
    ASSERT_TRUE(PumpUntil([&] { return text.ScrollOffset() <= -2; }));
    text.SetInterval(0);
    ASSERT_TRUE(PumpUntil([&] { return text.Timer().Thread()->Parked(); }));
    const int parkedAt = text.ScrollOffset();
    PumpFor(30ms);
    EXPECT_EQ(text.ScrollOffset(), parkedAt);
    EXPECT_TRUE(text.Timer().Thread()->Parked());
}

}  // namespace

// A heading placed on a form while it loads, in the order the memory window's form sets it.
using ScrollTextOnForm = GaugeFormTest;

TEST_F(ScrollTextOnForm, LoadingBuildsOnceAndTheTextEntersFromTheRight)
{
    auto* text = new CountingScrollText(Form.get());
    text->SetParent(Form.get());
    text->SetBounds(96, 8, 70, 18);
    text->SetInterval(5);
    text->SetThreaded(true);
    text->SetScrollDirection(sdRightToLeft);
    EXPECT_EQ(text->ScrollOffset(), 0);
    EXPECT_TRUE(text->TextStrip().Empty());
    text->SetActive(true);
    EXPECT_TRUE(text->Timer().Enabled());
    EXPECT_NE(text->Timer().Thread(), nullptr);  // started at once, ticks wait for the pump
    TFontSpec font = text->Font();
    font.bold = true;
    font.color = Letters;
    text->SetFont(font);
    text->SetColor(Heading);
    text->SetCaption("MEMORY");
    EXPECT_TRUE(text->TextStrip().Empty());
    EXPECT_TRUE(text->EdgeBitmap().Empty());
    EXPECT_EQ(text->requests, 0);

    Form->AfterConstruction();
    EXPECT_EQ(text->requests, 1);
    EXPECT_EQ(text->ScrollOffset(), 0);
    const int w = text->TextStrip().Width() - 140;
    EXPECT_GT(w, 0);
    EXPECT_EQ(text->EdgeBitmap().Width(), 70);
    Form->Show();

    ASSERT_TRUE(PumpUntil([&] { return text->ScrollOffset() <= -10; }));
    EXPECT_EQ(text->ScrollOffset(), -10);
    EXPECT_EQ(text->requests, 1 + 10);
    EXPECT_EQ(text->foreign, 0);
    // Ten pixels in: letters show only in the rightmost ten columns (fading at the edge).
    const TBitmap& screen = Form->Image();
    int letters = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 70; ++x) {
            const TColor seen = screen.Pixel(96 + x, 8 + y);
            ASSERT_EQ(seen, text->Image().Pixel(x, y)) << x << "," << y;
            if (seen != Heading) {
                EXPECT_GE(x, 60) << x << "," << y;
                ++letters;
            }
        }
    EXPECT_GT(letters, 0);
}
