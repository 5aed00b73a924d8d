// Both windows at the display scales users run (100, 125, 150, 175 and 200 %): the design scaled,
// every text inside its control and its window, no label over another; and a window moved to a
// monitor of another scale laid out again as if started there.
#include "app_fixture.h"

#include <vector>

#include "app/memory_form.h"
#include "app/palette.h"
#include "app/pictures.h"
#include "controls/push_button.h"
#include "controls/scroll_text.h"
#include "gfx/font.h"
#include "ui/scaling.h"

namespace {

class DisplayScaleTest : public MainWindowTest {
protected:
    // Drives of every kind, the CD-ROM without a disc, with long figures in the captions.
    void StartAt(int dpi)
    {
        Headless().SetSystemDpi(dpi);
        Headless().SetScreenSize({2560, 1600});
        Fixed('C', 953869, 24105);
        Empty('D', sw::DriveKind::CdRom);
        Fixed('E', 40000, 39000);
        Start();
        Form->MemoryButton->Click();
        Headless().AdvanceTime(1000);
    }

    TMemoryPanel& Panel() { return MemoryWindowOf(*Form); }
};

bool SamePicture(const TBitmap& a, const TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// At twice the scale every design pixel is a 2 × 2 block: the picture is drawn, not blurred.
bool DoubledFrom(const TBitmap& doubled, const TBitmap& design)
{
    if (doubled.Width() != 2 * design.Width() || doubled.Height() != 2 * design.Height())
        return false;
    for (int y = 0; y < doubled.Height(); ++y)
        for (int x = 0; x < doubled.Width(); ++x)
            if (doubled.Pixel(x, y) != design.Pixel(x / 2, y / 2))
                return false;
    return true;
}

// Every shown control of `form`, depth first.
void ShownControls(const TWinControl& parent, std::vector<TControl*>& out)
{
    for (TControl* c : parent.Controls()) {
        if (!c->Visible())
            continue;
        out.push_back(c);
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            ShownControls(*windowed, out);
    }
}

// The text of every control fits inside it and the window; labels keep apart.
void ExpectWhole(TForm& form)
{
    std::vector<TControl*> controls;
    ShownControls(form, controls);
    const TRect window = form.ClientRect();
    std::vector<TRect> labels;
    for (TControl* c : controls) {
        const TPoint at = c->FormOffset();
        const TRect place = Bounds(at.x, at.y, c->Width(), c->Height());
        EXPECT_EQ(place.Intersect(window), place) << form.Name() << "." << c->Name();
        // A scrolling heading moves its text through its strip on purpose.
        if (c->Caption().empty() || dynamic_cast<TScrollText*>(c) != nullptr)
            continue;
        const TSize text = Fonts().TextExtent(c->Font(), c->Caption());
        EXPECT_LE(text.cx, c->Width()) << form.Name() << " \"" << c->Caption() << "\"";
        EXPECT_LE(text.cy, c->Height()) << form.Name() << " \"" << c->Caption() << "\"";
        if (dynamic_cast<TLabel*>(c) != nullptr) {
            for (const TRect& other : labels)
                EXPECT_TRUE(place.Intersect(other).IsEmpty())
                    << form.Name() << " \"" << c->Caption() << "\" overlaps a label";
            labels.push_back(place);
        }
    }
}

class EveryScale : public DisplayScaleTest, public ::testing::WithParamInterface<int> { };

TEST_P(EveryScale, BothWindowsAreTheDesignScaledWithEveryTextWhole)
{
    const int dpi = GetParam();
    StartAt(dpi);
    const auto scaled = [dpi](int v) { return MulDivRound(v, dpi, kDesignDpi); };
    EXPECT_EQ(Form->Width(), scaled(282));
    ASSERT_EQ(Form->MeterRows().size(), 3u);
    EXPECT_EQ(Form->MeterRows()[1].bar->Top() - Form->MeterRows()[0].bar->Top(), scaled(22));
    EXPECT_EQ(Form->Height(), scaled(22) * 2 + scaled(58));
    EXPECT_EQ(Form->MeterRows()[0].label->Font().pixelsPerInch, dpi);
    EXPECT_EQ(Platform.notifyArea->ShownIcon()->image.width, scaled(16)) << "the tray's picture";
    EXPECT_EQ(Panel().Left(), Form->Left() + Form->Width() + scaled(10)) << "the slide's gap";
    EXPECT_EQ(Panel().Height(), scaled(212));
    // The refresh button's hint, in a font and below the pointer at the window's scale.
    const TPoint refresh{Form->Left() + scaled(235), Form->Top() + scaled(16)};
    Headless().MouseMove(refresh);
    Headless().AdvanceTime(600);
    EXPECT_EQ(Headless().HintText(), "Refresh [R]");
    EXPECT_EQ(Headless().HintFont().height, scaled(-11));
    EXPECT_EQ(Headless().HintFont().pixelsPerInch, dpi);
    EXPECT_EQ(Headless().HintPoint().y, refresh.y + scaled(20));
    ExpectWhole(*Form);
    ExpectWhole(Panel());
}

// The rows of title ink within the title's band: {first, last}, band-relative.
std::pair<int, int> TitleInkRows(TMainWindow& form)
{
    form.PaintImage();
    const TControl& title = *form.TitleLabel;
    int first = -1;
    int last = -1;
    for (int y = 0; y < title.Height(); ++y)
        for (int x = 0; x < title.Width(); ++x)
            if (form.Image().Pixel(title.Left() + x, title.Top() + y) == palette::kPaleBlue) {
                first = first < 0 ? y : first;
                last = y;
            }
    return {first, last};
}

// Text as tall as each scale asks: the large-font faces up to 150 %, beyond it the 100 % faces
// magnified (1.75 times at 175 %, doubled at 200 %); the title as far from the top of its band as
// from its bottom, give or take a pixel.
TEST_P(EveryScale, TextIsAsTallAsTheScaleAsksAndTheTitleInTheMiddleOfItsBand)
{
    const int dpi = GetParam();
    StartAt(dpi);
    struct Heights {
        int dpi, rows, title;
    };
    for (const Heights& h :
         {Heights{96, 13, 16}, {120, 16, 20}, {144, 20, 20}, {168, 23, 28}, {192, 26, 32}}) {
        if (h.dpi != dpi)
            continue;
        EXPECT_EQ(Fonts().TextHeight(Form->MeterRows()[0].label->Font()), h.rows);
        EXPECT_EQ(Fonts().TextHeight(Form->MeterRows()[0].bar->Font()), h.rows);
        EXPECT_EQ(Fonts().TextHeight(Panel().PhysicalTotalFigure->Font()), h.rows);
        EXPECT_EQ(Fonts().TextHeight(Form->TitleLabel->Font()), h.title);
    }
    const auto [first, last] = TitleInkRows(*Form);
    const int above = first;
    const int below = Form->TitleLabel->Height() - 1 - last;
    // The cell's internal leading lies above the ink, so the ink sits a little low.
    const int leading = Fonts().Metrics(Form->TitleLabel->Font()).internalLeading;
    EXPECT_LE(std::abs(above - leading - below), 2) << above << " above, " << below << " below";
}

INSTANTIATE_TEST_SUITE_P(Dpi, EveryScale, ::testing::Values(96, 120, 144, 168, 192));

// The tray menu's pictures and the memory button's chip are drawn at the window's scale, and
// at 200 % each is its design with every pixel doubled.
TEST_F(DisplayScaleTest, MenuPicturesAndTheChipGlyphAreDrawnAtTheScale)
{
    EXPECT_TRUE(DoubledFrom(ExitMenuPicture(192), ExitMenuPicture(96)));
    EXPECT_TRUE(DoubledFrom(ShowMenuPicture(192), ShowMenuPicture(96)));
    EXPECT_TRUE(DoubledFrom(MemoryGlyphPicture(192), MemoryGlyphPicture(96)));

    StartAt(144);
    EXPECT_EQ(Form->MemoryButton->Glyph().Width(), 14);
    EXPECT_EQ(Form->MemoryButton->Glyph().Height(), 17);
    ChooseFromTrayMenu({});
    int pictures = 0;
    for (const TMenuEntry& entry : Headless().LastMenu()) {
        if (entry.picture == nullptr)
            continue;
        ++pictures;
        EXPECT_EQ(entry.picture->Width(), 24) << entry.caption;
        EXPECT_EQ(entry.picture->Height(), 24) << entry.caption;
    }
    EXPECT_EQ(pictures, 2) << "Show Tully and Exit";

    Headless().MoveToMonitorDpi(Form->Handle(), 96);
    EXPECT_TRUE(SamePicture(Form->MemoryButton->Glyph(), MemoryGlyphPicture(96)));
    ChooseFromTrayMenu({});
    for (const TMenuEntry& entry : Headless().LastMenu()) {
        if (entry.picture != nullptr) {
            EXPECT_EQ(entry.picture->Width(), 16) << entry.caption;
        }
    }
}

// Dragged to a 150 % monitor, the main window looks as one started there; the memory window
// follows its own monitor, and back at 100 % the main window is its old self again.
TEST_F(DisplayScaleTest, AWindowMovedToAnotherScaleIsLaidOutAgain)
{
    StartAt(144);
    Form->PaintImage();
    const TBitmap startedAt144 = Form->Image();
    Application().Reset();
    UseHeadlessBackend();

    StartAt(96);
    Form->PaintImage();
    const TBitmap startedAt96 = Form->Image();
    Headless().MoveToMonitorDpi(Form->Handle(), 144);
    EXPECT_EQ(Form->PixelsPerInch(), 144);
    EXPECT_EQ(Form->Width(), 423);
    EXPECT_EQ(Form->Left(), 523) << "at the place the platform suggests";
    EXPECT_EQ(Panel().PixelsPerInch(), 96) << "the memory window is on its own monitor";
    Form->PaintImage();
    EXPECT_TRUE(SamePicture(Form->Image(), startedAt144));

    Headless().MoveToMonitorDpi(Panel().Handle(), 120);
    EXPECT_EQ(Panel().Height(), 265);
    ExpectWhole(Panel());

    Headless().MoveToMonitorDpi(Form->Handle(), 96);
    Form->PaintImage();
    EXPECT_TRUE(SamePicture(Form->Image(), startedAt96));
}

}  // namespace
