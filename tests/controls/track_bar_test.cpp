// The track bar: the memory window's read-only gauge pixel by pixel, the value setters, the
// value/pixel geometry, tick spacing, thumb frames and the interaction of an enabled bar.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "controls/gauge_cursor.h"
#include "controls/track_bar.h"
#include "gauge_fixture.h"

namespace {

// The memory window's bars: at (8, 48), 201 x 25.
constexpr int BarLeft = 8;
constexpr int BarTop = 48;
const std::vector<int> MemoryTickXs{14, 31, 48, 66, 83, 100, 117, 134, 152, 169, 186};

std::vector<int> BlackColumnsInRow(const TBitmap& image, int y)
{
    std::vector<int> xs;
    for (int x = 0; x < image.Width(); ++x)
        if (image.Pixel(x, y) == clBlack)
            xs.push_back(x);
    return xs;
}

// A picture filled with one colour.
TBitmap Solid(int w, int h, TColor color)
{
    TBitmap picture(w, h);
    picture.Canvas().Brush.color = color;
    picture.Canvas().FillRect(picture.BoundsRect());
    return picture;
}

// A thumb strip of 5 x 4 frames side by side, one plain colour each.
TBitmap FrameStrip(std::initializer_list<TColor> colors)
{
    TBitmap strip(5 * static_cast<int>(colors.size()), 4);
    int left = 0;
    for (TColor color : colors) {
        strip.Canvas().Brush.color = color;
        strip.Canvas().FillRect({left, 0, left + 5, 4});
        left += 5;
    }
    return strip;
}

}  // namespace

class TrackBarTest : public GaugeFormTest {
protected:
    TTrackBar* MakeMemoryBar(TTickMarks ticks)
    {
        auto* bar = new TTrackBar(Form.get());
        bar->SetParent(Form.get());
        bar->SetBounds(BarLeft, BarTop, 201, 25);
        bar->SetGutterWidth(10);
        bar->SetTickMarks(ticks);
        return bar;
    }

    // Pixels of the bar's last picture, in its client coordinates.
    static TColor At(const TTrackBar* bar, int x, int y) { return bar->Image().Pixel(x, y); }

    void Press(TTrackBar* bar, int x, int y) { Backend->MouseDown(bar->ClientToScreen({x, y})); }
    void Move(TTrackBar* bar, int x, int y) { Backend->MouseMove(bar->ClientToScreen({x, y})); }
    void Release(TTrackBar* bar, int x, int y) { Backend->MouseUp(bar->ClientToScreen({x, y})); }
};

TEST_F(TrackBarTest, Defaults)
{
    auto* bar = new TTrackBar(Form.get());
    EXPECT_EQ(bar->Width(), 175);
    EXPECT_EQ(bar->Height(), 45);
    EXPECT_FALSE(bar->TabStop());
    EXPECT_TRUE(bar->Options().Contains(TTrackBarOption::toThumbOpaque));
    EXPECT_FALSE(bar->Options().Contains(TTrackBarOption::toFixedPoints));
    EXPECT_EQ(bar->ThumbWidth(), 9);
    EXPECT_EQ(bar->ThumbHeight(), 17);
    EXPECT_EQ(bar->GutterBevel().OuterStyle(), TBevelStyle::bsLowered);
    EXPECT_EQ(bar->GutterBevel().TotalWidth(), 1);
    EXPECT_NE(Screen().Cursors(crGaugeHandPoint), 0u);
}

TEST_F(TrackBarTest, MemoryWindowGaugeAt39)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBottomRight);
    bar->SetEnabled(false);
    ShowForm();
    bar->SetPosition(39);
    EXPECT_EQ(bar->ThumbRect(), Bounds(77, 4, 9, 17));
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    // Gutter (10,7) 181 x 10: lowered ring, black inside.
    EXPECT_EQ(At(bar, 10, 7), shadow);
    EXPECT_EQ(At(bar, 189, 7), shadow);
    EXPECT_EQ(At(bar, 190, 7), highlight);
    EXPECT_EQ(At(bar, 10, 16), highlight);
    EXPECT_EQ(At(bar, 10, 15), shadow);
    EXPECT_EQ(At(bar, 190, 16), highlight);
    EXPECT_EQ(At(bar, 11, 8), clBlack);
    EXPECT_EQ(At(bar, 189, 15), clBlack);
    EXPECT_EQ(At(bar, 9, 10), FormColor);
    EXPECT_EQ(At(bar, 191, 10), FormColor);
    EXPECT_EQ(At(bar, 50, 6), FormColor);
    EXPECT_EQ(At(bar, 50, 17), FormColor);
    // The disabled thumb with one frame is the normal frame, drawn whole.
    EXPECT_EQ(At(bar, 77, 4), clBlack);
    EXPECT_EQ(At(bar, 78, 5), clWhite);
    EXPECT_EQ(At(bar, 80, 10), clSilver);
    EXPECT_EQ(At(bar, 84, 10), clGray);
    EXPECT_EQ(At(bar, 85, 20), clBlack);
    EXPECT_EQ(At(bar, 76, 10), clBlack);  // gutter fill beside the thumb
    EXPECT_EQ(At(bar, 86, 4), FormColor);
    // Ticks below the gutter from y 22; nothing above.
    EXPECT_EQ(BlackColumnsInRow(bar->Image(), 22), MemoryTickXs);
    EXPECT_EQ(BlackColumnsInRow(bar->Image(), 24), MemoryTickXs);
    EXPECT_TRUE(BlackColumnsInRow(bar->Image(), 21).empty());
    EXPECT_TRUE(BlackColumnsInRow(bar->Image(), 1).empty());
    // The picture reached the form at the bar's place.
    EXPECT_EQ(Pixel(BarLeft + 77, BarTop + 4), clBlack);
    EXPECT_EQ(Pixel(BarLeft + 14, BarTop + 22), clBlack);
    EXPECT_EQ(Pixel(BarLeft - 1, BarTop + 10), FormColor);
}

TEST_F(TrackBarTest, TopLeftTicksEndAtRowOne)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmTopLeft);
    ShowForm();
    EXPECT_EQ(BlackColumnsInRow(bar->Image(), 0), MemoryTickXs);
    EXPECT_EQ(BlackColumnsInRow(bar->Image(), 1), MemoryTickXs);
    EXPECT_TRUE(BlackColumnsInRow(bar->Image(), 2).empty());
    EXPECT_TRUE(BlackColumnsInRow(bar->Image(), 22).empty());
}

TEST_F(TrackBarTest, EndTicksAreOnePixelLonger)
{
    auto* bar = new TTrackBar(Form.get());
    bar->SetParent(Form.get());
    bar->SetPosition(50);
    ShowForm();
    // 175 x 45: gutter rows 18..26, ticks from 13 upwards and from 32 downwards.
    const int first = 14, last = 10 + 146 + 4, middle = 10 + 73 + 4;
    for (int x : {first, last}) {
        EXPECT_EQ(At(bar, x, 9), clBlack) << x;
        EXPECT_EQ(At(bar, x, 12), clBlack) << x;
        EXPECT_EQ(At(bar, x, 35), clBlack) << x;
        EXPECT_EQ(At(bar, x, 36), FormColor) << x;
        EXPECT_EQ(At(bar, x, 8), FormColor) << x;
    }
    EXPECT_EQ(At(bar, middle, 9), FormColor);
    EXPECT_EQ(At(bar, middle, 10), clBlack);
    EXPECT_EQ(At(bar, middle, 34), clBlack);
    EXPECT_EQ(At(bar, middle, 35), FormColor);
}

TEST_F(TrackBarTest, DenseTicksSkipValueSteps)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBottomRight);
    bar->SetFrequency(1);
    ShowForm();
    const std::vector<int> xs = BlackColumnsInRow(bar->Image(), 22);
    ASSERT_EQ(xs.size(), 34u);  // every third value, then the maximum
    EXPECT_EQ(xs.front(), 14);
    EXPECT_EQ(xs[1], 10 + 5 + 4);  // value 3: Round(5.16)
    EXPECT_EQ(xs.back(), 186);
}

TEST_F(TrackBarTest, ValueToPixelAndBackInEveryOrientationAndStyle)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    ShowForm();
    struct Case {
        int value, pixel;
    };
    for (const Case& c : std::vector<Case>{{0, 10}, {39, 77}, {50, 96}, {100, 182}}) {
        EXPECT_EQ(bar->ValueToPixel(c.value), c.pixel) << c.value;
        EXPECT_EQ(bar->PixelToValue(c.pixel), c.value) << c.pixel;
    }
    EXPECT_EQ(bar->PixelToValue(0), 0);
    EXPECT_EQ(bar->PixelToValue(400), 100);

    bar->SetStyle(TGaugeProgressStyle::psTopRight);
    EXPECT_EQ(bar->ValueToPixel(0), 182);
    EXPECT_EQ(bar->ValueToPixel(39), 115);

    bar->SetOrientation(TGaugeOrientation::voVertical);
    EXPECT_EQ(bar->Width(), 25);
    EXPECT_EQ(bar->Height(), 201);
    EXPECT_EQ(bar->ThumbWidth(), 17);
    EXPECT_EQ(bar->ThumbHeight(), 9);
    EXPECT_EQ(bar->ThumbRect().left, 4);
    EXPECT_EQ(bar->ValueToPixel(0), 10);  // top is the minimum with psTopRight
    bar->SetStyle(TGaugeProgressStyle::psBottomLeft);
    EXPECT_EQ(bar->ValueToPixel(0), 182);
    EXPECT_EQ(bar->ValueToPixel(100), 10);
    EXPECT_EQ(bar->PixelToValue(182), 0);
    EXPECT_EQ(bar->PixelToValue(10), 100);
}

TEST_F(TrackBarTest, VerticalBarDrawsItsThumbAndTicksAcross)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBottomRight);
    ShowForm();
    bar->SetOrientation(TGaugeOrientation::voVertical);
    bar->SetPosition(100);
    EXPECT_EQ(bar->ThumbRect(), Bounds(4, 10, 17, 9));
    EXPECT_EQ(At(bar, 4, 10), clBlack);
    EXPECT_EQ(At(bar, 5, 11), clWhite);
    // Gutter columns 7..16; ticks from x 22 at y = pixel + 4.
    EXPECT_EQ(At(bar, 22, 186), clBlack);
    EXPECT_EQ(At(bar, 22, 14), clBlack);
    EXPECT_EQ(At(bar, 21, 186), FormColor);
}

TEST_F(TrackBarTest, PositionClampsAndNotifiesOnlyOnChange)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    int changes = 0;
    bar->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, bar);
        ++changes;
    };
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(100);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetPosition(60);
    EXPECT_EQ(changes, 3);
    bar->SetMaxValue(40);
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(changes, 4);
    bar->SetMaxValue(90);
    EXPECT_EQ(bar->Position(), 40);
    bar->SetMinValue(50);
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(changes, 5);
}

TEST_F(TrackBarTest, ThumbFramesComeFromTheBitmapList)
{
    auto* list = new TBitmapList(Form.get());
    TBitmap frames(10, 4);
    frames.Canvas().Brush.color = clRed;
    frames.Canvas().FillRect({0, 0, 5, 4});
    frames.Canvas().Brush.color = clBlue;
    frames.Canvas().FillRect({5, 0, 10, 4});
    list->Bitmaps().Add(frames);
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    bar->SetBitmapList(list);
    bar->SetThumbImageIndex(0);
    bar->SetThumbStates(2);
    ShowForm();
    EXPECT_EQ(bar->ThumbWidth(), 5);
    EXPECT_EQ(bar->ThumbRect(), Bounds(10, 10, 5, 4));
    EXPECT_EQ(At(bar, 12, 11), clRed);
    bar->SetEnabled(false);
    EXPECT_EQ(At(bar, 12, 11), clBlue);

    delete list;
    EXPECT_EQ(bar->BitmapList(), nullptr);
    EXPECT_EQ(bar->ThumbHeight(), 17);
}

TEST_F(TrackBarTest, ThumbWithoutOpaqueOptionLeavesItsOutlineTransparent)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    bar->SetOptions({TTrackBarOption::toActiveClick});
    bar->SetPosition(39);
    ShowForm();
    EXPECT_EQ(At(bar, 80, 4), FormColor);
    EXPECT_EQ(At(bar, 78, 5), clWhite);
}

TEST_F(TrackBarTest, BackgroundPictureIsStretchedOverTheClientArea)
{
    auto* list = new TBitmapList(Form.get());
    TBitmap back(2, 2);
    back.Canvas().Brush.color = clPurple;
    back.Canvas().FillRect(back.BoundsRect());
    list->Bitmaps().Add(back);
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    bar->SetBitmapList(list);
    bar->SetBackImageIndex(0);
    ShowForm();
    EXPECT_EQ(At(bar, 0, 0), clPurple);
    EXPECT_EQ(At(bar, 200, 24), clPurple);
}

TEST_F(TrackBarTest, ClickJumpsAndDragFollowsWithTheCursorConfined)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    ShowForm();
    Press(bar, 150, 12);
    EXPECT_EQ(bar->Position(), 79);  // PixelToValue(146)
    EXPECT_FALSE(Backend->CursorClip().has_value());
    Release(bar, 150, 12);

    const int thumbLeft = bar->ThumbRect().left;
    EXPECT_EQ(thumbLeft, 146);
    Press(bar, thumbLeft + 2, 12);
    ASSERT_TRUE(Backend->CursorClip().has_value());
    EXPECT_EQ(*Backend->CursorClip(), Bounds(BarLeft, BarTop, 201, 25));
    Move(bar, 100, 12);
    EXPECT_EQ(bar->Position(), 51);  // PixelToValue(98)
    Move(bar, 0, 12);
    EXPECT_EQ(bar->Position(), 0);
    Release(bar, 0, 12);
    EXPECT_FALSE(Backend->CursorClip().has_value());
    Move(bar, 30, 12);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(TrackBarTest, HandCursorOverTheThumbOnly)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    ShowForm();
    Move(bar, 14, 12);
    EXPECT_EQ(Backend->CurrentCursor(), Screen().Cursors(crGaugeHandPoint));
    Move(bar, 100, 12);
    EXPECT_EQ(Backend->CurrentCursor(), Screen().Cursors(crArrow));
    // The published property never changes; the hand stays through a drag off the thumb.
    EXPECT_EQ(bar->Cursor(), crDefault);
    Press(bar, 14, 12);
    Move(bar, 250, 12);
    EXPECT_EQ(Backend->CurrentCursor(), Screen().Cursors(crGaugeHandPoint));
    Release(bar, 250, 12);
    bar->SetOptions({TTrackBarOption::toActiveClick});
    Move(bar, bar->ThumbRect().left + 1, 12);
    EXPECT_EQ(Backend->CurrentCursor(), Screen().Cursors(crArrow));
}

TEST_F(TrackBarTest, KeysStepByFrequency)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    bar->SetTabStop(true);
    ShowForm();
    bar->SetFocus();
    ASSERT_TRUE(bar->Focused());
    Backend->KeyDown(TKey::Right);
    EXPECT_EQ(bar->Position(), 10);
    Backend->KeyDown(TKey::Right, ssShift);
    EXPECT_EQ(bar->Position(), 10);
    Backend->KeyDown(TKey::Home);
    EXPECT_EQ(bar->Position(), 100);
    Backend->KeyDown(TKey::Left);
    EXPECT_EQ(bar->Position(), 90);
    Backend->KeyDown(TKey::End);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetStyle(TGaugeProgressStyle::psTopRight);
    Backend->KeyDown(TKey::Left);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetOrientation(TGaugeOrientation::voVertical);
    Backend->KeyDown(TKey::Down);
    EXPECT_EQ(bar->Position(), 20);
}

TEST_F(TrackBarTest, FocusFrameFollowsTheFocus)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    bar->SetTabStop(true);
    bar->SetFocusColor(clRed);
    bar->SetFocusOffset(2);
    auto* other = new TTrackBar(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(0, 100, 175, 45);
    other->SetTabStop(true);
    ShowForm();
    bar->SetFocus();
    EXPECT_EQ(At(bar, 2, 2), clRed);
    EXPECT_EQ(At(bar, 198, 22), clRed);
    EXPECT_EQ(At(bar, 1, 1), FormColor);
    EXPECT_EQ(At(bar, 3, 3), FormColor);
    other->SetFocus();
    EXPECT_EQ(At(bar, 2, 2), FormColor);
    bar->SetFocusOffset(-1);
    bar->SetFocus();
    EXPECT_EQ(At(bar, 2, 2), FormColor);
    EXPECT_EQ(At(bar, 0, 0), FormColor);
}

TEST_F(TrackBarTest, FixedPointsSnapToFrequency)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    bar->SetOptions({TTrackBarOption::toActiveClick, TTrackBarOption::toFixedPoints});
    ShowForm();
    EXPECT_EQ(bar->PixelToValue(77), 40);
    EXPECT_EQ(bar->PixelToValue(86), 40);
    Press(bar, 150, 12);
    EXPECT_EQ(bar->Position(), 80);
    EXPECT_EQ(bar->ThumbRect().left, 148);
}

TEST_F(TrackBarTest, MirroredStyleReadsClicksFromTheRight)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    bar->SetStyle(TGaugeProgressStyle::psTopRight);
    ShowForm();
    Press(bar, 150, 12);
    EXPECT_EQ(bar->Position(), 21);
    EXPECT_EQ(bar->ThumbRect().left, 146);
}

TEST_F(TrackBarTest, NothingPaintsWhileTheFormLoads)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    bar->SetPosition(50);
    EXPECT_TRUE(bar->Image().Empty());
    ShowForm();
    EXPECT_EQ(bar->ThumbRect().left, 96);
}

TEST_F(TrackBarTest, FourFrameThumbFollowsHoverDragAndEnabled)
{
    // Frames: normal, disabled, dragging, hot.
    auto* list = new TBitmapList(Form.get());
    list->Bitmaps().Add(FrameStrip({clRed, clBlue, clYellow, clPurple}));
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    bar->SetBitmapList(list);
    bar->SetThumbImageIndex(0);
    bar->SetThumbStates(4);
    ShowForm();
    ASSERT_EQ(bar->ThumbRect(), Bounds(10, 10, 5, 4));
    const auto thumb = [&] { return At(bar, bar->ThumbRect().left + 2, 11); };
    EXPECT_EQ(thumb(), clRed);

    struct Step {
        std::string what;
        std::function<void()> act;
        TColor frame;
    };
    const std::vector<Step> steps{
        {"pointer beside the thumb", [&] { Move(bar, 40, 11); }, clRed},
        {"pointer onto the thumb", [&] { Move(bar, 12, 11); }, clPurple},
        {"press on the thumb", [&] { Press(bar, 12, 11); }, clYellow},
        // Grabbed 2 pixels in: the thumb follows to 58 (value 27), still under the pointer.
        {"drag", [&] { Move(bar, 60, 11); }, clYellow},
        {"release over the thumb", [&] { Release(bar, 60, 11); }, clPurple},
        {"pointer off the thumb", [&] { Move(bar, 100, 20); }, clRed},
        {"disabled", [&] { bar->SetEnabled(false); }, clBlue},
        {"enabled again", [&] { bar->SetEnabled(true); }, clRed},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(thumb(), step.frame) << step.what;
    }
    EXPECT_EQ(bar->Position(), 27);
    EXPECT_EQ(bar->ThumbRect().left, 58);
}

TEST_F(TrackBarTest, ChangesOfTheSharedListReloadTheThumb)
{
    auto* list = new TBitmapList(Form.get());
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    bar->SetBitmapList(list);
    bar->SetThumbImageIndex(0);
    ShowForm();
    // Nothing at index 0 yet: the built-in thumb.
    EXPECT_EQ(bar->ThumbWidth(), 9);
    EXPECT_EQ(bar->ThumbHeight(), 17);

    list->Bitmaps().Add(Solid(6, 3, clRed));
    EXPECT_EQ(bar->ThumbRect(), Bounds(10, 11, 6, 3));
    EXPECT_EQ(At(bar, 12, 12), clRed);
    EXPECT_EQ(At(bar, 10, 4), FormColor);  // the built-in thumb's corner is gone

    // Replacing the list's contents (from a stream) reloads it again.
    TGaugeBitmaps replacement;
    replacement.Add(Solid(4, 7, clBlue));
    std::stringstream stream;
    replacement.SaveToStream(stream);
    list->Bitmaps().LoadFromStream(stream);
    EXPECT_EQ(bar->ThumbRect(), Bounds(10, 9, 4, 7));
    EXPECT_EQ(At(bar, 11, 9), clBlue);
    EXPECT_EQ(At(bar, 14, 12), clBlack);  // gutter fill right of the narrower thumb

    list->Bitmaps().Clear();
    EXPECT_EQ(bar->ThumbRect(), Bounds(10, 4, 9, 17));
    EXPECT_EQ(At(bar, 10, 4), clBlack);
    EXPECT_EQ(At(bar, 11, 5), clWhite);
}

TEST_F(TrackBarTest, PictureIsRedrawnBeforeOnChangeRuns)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmNone);
    ShowForm();
    const THeadlessWindow* window = Backend->Window(Form->Handle());
    ASSERT_NE(window, nullptr);
    struct Case {
        std::string what;
        std::function<void()> act;
        int position, thumbLeft;
    };
    const std::vector<Case> cases{
        {"Position", [&] { bar->SetPosition(39); }, 39, 77},
        {"click beside the thumb", [&] { Press(bar, 150, 12); }, 79, 146},
        {"MaxValue below Position", [&] { bar->SetMaxValue(50); }, 50, 182},
        {"key", [&] { Backend->KeyDown(TKey::End); }, 0, 10},
    };
    bar->SetTabStop(true);
    bar->SetFocus();
    ASSERT_TRUE(bar->Focused());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int calls = 0;
        bar->OnChange = [&](TObject*) {
            ++calls;
            EXPECT_EQ(bar->Position(), c.position);
            // The thumb's white inner edge is already at its new place, on the bar's
            // picture and on the screen.
            EXPECT_EQ(At(bar, c.thumbLeft + 1, 5), clWhite);
            EXPECT_EQ(window->image.Pixel(BarLeft + c.thumbLeft + 1, BarTop + 5), clWhite);
        };
        c.act();
        Release(bar, 150, 12);
        EXPECT_EQ(calls, 1);
    }
}

TEST_F(TrackBarTest, UnchangedValuesNeitherRepaintNorNotify)
{
    TTrackBar* bar = MakeMemoryBar(TTickMarks::tmBoth);
    bar->SetPosition(100);
    ShowForm();
    Backend->ProcessMessages();
    const THeadlessWindow* window = Backend->Window(Form->Handle());
    ASSERT_NE(window, nullptr);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    const TTrackBarOptions options = bar->Options();
    struct Case {
        std::string what;
        std::function<void()> act;
    };
    const std::vector<Case> cases{
        {"Position", [&] { bar->SetPosition(100); }},
        {"Position clamped to the current one", [&] { bar->SetPosition(250); }},
        {"MinValue", [&] { bar->SetMinValue(0); }},
        {"MaxValue", [&] { bar->SetMaxValue(100); }},
        {"Orientation", [&] { bar->SetOrientation(TGaugeOrientation::voHorizontal); }},
        {"Style", [&] { bar->SetStyle(TGaugeProgressStyle::psBottomLeft); }},
        {"Options", [&] { bar->SetOptions(options); }},
        {"Frequency", [&] { bar->SetFrequency(10); }},
        {"BorderWidth", [&] { bar->SetBorderWidth(10); }},
        {"GutterWidth", [&] { bar->SetGutterWidth(10); }},
        {"GutterColor", [&] { bar->SetGutterColor(clBlack); }},
        {"TickMarks", [&] { bar->SetTickMarks(TTickMarks::tmBoth); }},
        {"TickColor", [&] { bar->SetTickColor(clBlack); }},
        {"ThumbStates", [&] { bar->SetThumbStates(1); }},
        {"ThumbImageIndex", [&] { bar->SetThumbImageIndex(-1); }},
        {"BackImageIndex", [&] { bar->SetBackImageIndex(-1); }},
        {"ScaleOffset", [&] { bar->SetScaleOffset(5); }},
        {"FocusColor", [&] { bar->SetFocusColor(clBlack); }},
        {"FocusOffset", [&] { bar->SetFocusOffset(0); }},
    };
    for (const Case& c : cases) {
        const int presents = window->presents;
        c.act();
        EXPECT_EQ(window->presents, presents) << c.what;
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bar->BoundsRect(), Bounds(BarLeft, BarTop, 201, 25));

    // A real change reaches the screen at once.
    const int presents = window->presents;
    bar->SetPosition(99);
    EXPECT_EQ(window->presents, presents + 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(TrackBarTest, OrientationAndThumbStatesWhileLoading)
{
    auto* list = new TBitmapList(Form.get());
    list->Bitmaps().Add(FrameStrip({clRed, clBlue, clYellow, clPurple}));
    auto* bar = new TTrackBar(Form.get());
    bar->SetParent(Form.get());
    // As a form stores a vertical bar: its own size, then the orientation.
    bar->SetBounds(BarLeft, BarTop, 25, 201);
    bar->SetGutterWidth(10);
    bar->SetTickMarks(TTickMarks::tmNone);
    bar->SetOrientation(TGaugeOrientation::voVertical);
    EXPECT_EQ(bar->BoundsRect(), Bounds(BarLeft, BarTop, 25, 201));
    bar->SetBitmapList(list);
    bar->SetThumbImageIndex(0);
    bar->SetThumbStates(4);
    ShowForm();
    EXPECT_EQ(bar->BoundsRect(), Bounds(BarLeft, BarTop, 25, 201));
    EXPECT_EQ(bar->ThumbWidth(), 5);
    EXPECT_EQ(bar->ThumbHeight(), 4);
    // Centred across (25 - 5) / 2; value 0 at the bottom end: 10 + 191 - 10 - 4.
    EXPECT_EQ(bar->ThumbRect(), Bounds(10, 187, 5, 4));
    EXPECT_EQ(At(bar, 12, 188), clRed);
    EXPECT_EQ(At(bar, 15, 188), clBlack);  // gutter fill beside the one-frame-wide thumb
    EXPECT_EQ(At(bar, 8, 188), clBlack);
}
