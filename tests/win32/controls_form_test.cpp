// The gauge, button, link and check box controls on a real Win32 window: one form holding each
// of them, laid out like the memory window, is shown, repainted and left to run briefly (the
// scrolling heading ticks from its worker thread), then checked at known pixels and closed.
// Nothing may reach the error box. Needs a display.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/link_label.h"
#include "controls/progress_bar.h"
#include "controls/check_box.h"
#include "controls/border.h"
#include "controls/level_bar.h"
#include "controls/scroll_text.h"
#include "controls/track_bar.h"
#include "controls/push_button.h"
#include "ui/application.h"
#include "ui/form.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

constexpr TColor WindowColor = 0xFFEEDD;
constexpr TColor TitleColor = 0xB35900;
constexpr TPoint TrackAt{8, 60};
constexpr TPoint LevelAt{240, 40};
constexpr TPoint HeadingAt{96, 8};
constexpr TPoint ButtonAt{260, 8};
constexpr TPoint ProgressAt{26, 200};

class GaugeForm : public TForm {
public:
    explicit GaugeForm(TComponent* owner) : TForm(owner)
    {
        SetBorderStyle(TFormBorderStyle::bsNone);
        SetBounds(120, 120, 282, 260);
        SetColor(WindowColor);
        AddBorder();
        AddHeading();
        AddTrackBar();
        AddLevelBar();
        AddButton();
        AddProgress();
        AddLinkAndCheckbox();
    }

    TScrollText* heading = nullptr;
    TLevelBar* level = nullptr;

private:
    template <class T> T* Place(TPoint at, int width, int height)
    {
        auto* control = new T(this);
        control->SetParent(this);
        control->SetBounds(at.x, at.y, width, height);
        return control;
    }

    void AddBorder()
    {
        auto* border = Place<TBorder>({0, 0}, 282, 50);
        border->SetShadowColor(TitleColor);
        border->SetHighlightColor(0xFFA851);
    }

    void AddHeading()
    {
        heading = Place<TScrollText>(HeadingAt, 70, 18);
        heading->SetThreaded(true);
        heading->SetScrollDirection(sdRightToLeft);
        heading->SetActive(true);
        heading->SetCaption("MEMORY");
        TFontSpec font = heading->Font();
        font.bold = true;
        font.color = 0xFFEEDD;
        heading->SetFont(font);
        heading->SetColor(TitleColor);
    }

    void AddTrackBar()
    {
        auto* bar = Place<TTrackBar>(TrackAt, 201, 25);
        bar->SetPosition(39);
        bar->SetGutterWidth(10);
        bar->SetTickMarks(TTickMarks::tmBottomRight);
        bar->SetEnabled(false);
    }

    void AddLevelBar()
    {
        level = Place<TLevelBar>(LevelAt, 25, 145);
        TBevel& bevel = level->Bevel();
        bevel.SetInnerStyle(TBevelStyle::bsNone);
        bevel.SetInnerSpace(1);
        bevel.SetInnerColor(clBlack);
        bevel.SetOuterStyle(TBevelStyle::bsNone);
        bevel.SetOuterOutline(TBevelOutlineStyle::osNone);
        level->SetPosition(50);
    }

    void AddButton()
    {
        auto* button = Place<TPushButton>(ButtonAt, 15, 15);
        button->SetCaption("x");
        button->SetColorScheme(TColorScheme::csSky);
        button->SetCtl3D(false);
        button->SetGradient(false);
        button->SetTabStop(false);
    }

    void AddProgress()
    {
        auto* bar = Place<TGradientBar>(ProgressAt, 200, 20);
        bar->SetColor(clSilver);
        bar->SetParentColor(false);
        bar->SetBorderStyle(TFormBorderStyle::bsNone);
        bar->SetStartColor(TitleColor);
        bar->SetEndColor(TitleColor);
        bar->SetSolid(true);
        bar->SetPosition(50);
    }

    void AddLinkAndCheckbox()
    {
        auto* link = Place<TLinkLabel>({16, 100}, 109, 20);
        link->SetCaption("Product Web Page");
        link->SetHotTrack(true);
        auto* box = Place<TCheckBox>({16, 130}, 161, 17);
        box->SetCaption("Start Minimized");
        box->SetChecked(true);
    }
};

void Pump(const std::function<bool()>& done)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        Application().ProcessMessages();
        Sleep(5);
    }
}

TEST(ControlsWin32, FormWithEachControlPaintsTicksAndCloses)
{
    std::string errors;
    Application().OnException = [&](const std::exception& error) {
        errors += error.what() + std::string("\n");
    };
    auto* form = Application().CreateForm<GaugeForm>();
    form->Show();
    Application().ProcessMessages();
    HWND hwnd = reinterpret_cast<HWND>(form->Handle());
    if (!IsWindow(hwnd)) {
        Application().Reset();
        FAIL() << "no display: Wine cannot create windows here, so nothing was checked";
    }
    form->Repaint();
    const int startOffset = form->heading->ScrollOffset();
    Pump([&] { return form->heading->ScrollOffset() != startOffset; });
    EXPECT_NE(form->heading->ScrollOffset(), startOffset) << "the heading never ticked";
    form->Repaint();
    Application().ProcessMessages();

    const TBitmap& image = form->Image();
    auto at = [&](TPoint origin, int x, int y) { return image.Pixel(origin.x + x, origin.y + y); };
    // Border frame: highlight outline from (0, 0), shadow just inside it, corners left alone.
    EXPECT_EQ(image.Pixel(0, 0), 0xFFA851u);
    EXPECT_EQ(image.Pixel(1, 1), TitleColor);
    EXPECT_EQ(image.Pixel(0, 49), WindowColor);
    EXPECT_EQ(image.Pixel(281, 0), WindowColor);
    // Track bar: black gutter inside its ring; the thumb's silver body at left 77, top 4.
    EXPECT_EQ(at(TrackAt, 150, 12), clBlack);
    EXPECT_EQ(at(TrackAt, 77 + 4, 4 + 8), clSilver);
    EXPECT_EQ(at(TrackAt, 77, 4 + 8), clBlack);
    // Level bar at 50: the lowest segment lit lime, the highest unlit maroon, black between.
    EXPECT_EQ(at(LevelAt, 12, 143), clLime);
    EXPECT_EQ(at(LevelAt, 12, 1), clMaroon);
    EXPECT_EQ(at(LevelAt, 12, 2), clBlack);
    EXPECT_EQ(form->level->Height(), 145);
    // Scrolling heading: its outermost columns fade fully into the background.
    EXPECT_EQ(at(HeadingAt, 0, 9), TitleColor);
    EXPECT_EQ(at(HeadingAt, 69, 9), TitleColor);
    // Title button: TColorScheme::csSky outline and flat face.
    EXPECT_EQ(at(ButtonAt, 0, 0), 0xB35900u);
    EXPECT_EQ(at(ButtonAt, 1, 1), 0xFFE0C1u);
    // Progress bar: the filled half in the start colour, the rest in the bar's colour.
    EXPECT_EQ(at(ProgressAt, 5, 10), TitleColor);
    EXPECT_EQ(at(ProgressAt, 190, 10), clSilver);

    // The same picture reached the window on the screen.
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0xFFA851u);
    EXPECT_EQ(GetPixel(dc, LevelAt.x + 12, LevelAt.y + 143), clLime);
    EXPECT_EQ(GetPixel(dc, TrackAt.x + 77 + 4, TrackAt.y + 4 + 8), clSilver);
    ReleaseDC(hwnd, dc);

    EXPECT_EQ(errors, "");
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Application().Terminated());
    Application().Reset();
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
