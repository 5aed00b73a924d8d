// Where the meter rows go: one slot every 22 pixels below the title band, the window ending
// 8 pixels below the last bar, and only the latest scan's rows on the window.
#include "app_fixture.h"

#include <string>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"

namespace {

TEST_F(MainWindowTest, RowsStackBySlotAndTheWindowEndsBelowTheLastBar)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Fixed('E', 1000, 500);
    Start();
    struct Expected {
        int barTop, labelTop;
    };
    const Expected expected[] = {{30, 35}, {52, 57}, {74, 79}};
    ASSERT_EQ(Form->MeterRows().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Bar(i).BoundsRect(), Bounds(26, expected[i].barTop, 248, 20));
        EXPECT_EQ(Letter(i).Left(), 8);
        EXPECT_EQ(Letter(i).Top(), expected[i].labelTop);
        // Auto-size: the text height of the bold 13-pixel face.
        EXPECT_EQ(Letter(i).Height(), 13);
    }
    EXPECT_EQ(Letter(0).Width(), 12);  // "C:" in bold
    EXPECT_EQ(Form->Height(), 102);
    EXPECT_EQ(Form->TitleBorder->Height(), 102);
}

TEST_F(MainWindowTest, EachRowSetsTheHeightForItsSlot)
{
    const struct {
        int drives;
        int height;
    } cases[] = {{1, 80}, {2, 80}, {3, 102}};  // one drive: still the ">>" button whole
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drives);
        for (int i = 0; i < c.drives; ++i)
            Fixed(static_cast<char>('C' + i), 1000, 500);
        Start();
        EXPECT_EQ(Form->Height(), c.height);
        EXPECT_EQ(Form->ClientHeight(), c.height);
        EXPECT_EQ(Form->Width(), 282);
        Application().Reset();
    }
}

TEST_F(MainWindowTest, ASkippedSlotLeavesAnEmptyBandInTheWindowColour)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Empty('E', sw::DriveKind::Removable);
    Fixed('F', 1000, 500);
    Start();
    ASSERT_EQ(Form->MeterRows().size(), 3u);
    EXPECT_EQ(Bar(2).Top(), 96);
    EXPECT_EQ(Letter(2).Caption(), "F:");
    EXPECT_EQ(Form->Height(), 124);
    for (int y = 72; y < 96; ++y)
        for (int x : {8, 26, 150, 273})
            ASSERT_EQ(Pixel(x, y), 0xFFEEDDu) << x << "," << y;
}

TEST_F(MainWindowTest, ARefreshWithFewerDrivesShortensTheWindow)
{
    Fixed('C', 1000, 500);
    Empty('D', sw::DriveKind::Removable);
    Fixed('E', 1000, 500);
    Start();
    EXPECT_EQ(Form->Height(), 102);
    // Two slots lost at the end: shorter, down to what the ">>" button needs.
    Platform.drives->Remove('E');
    Form->ScanDrives("MB");
    EXPECT_EQ(Form->Height(), 80);
    ASSERT_EQ(Form->MeterRows().size(), 1u);
    // The vanished row's band is gone with the window's shorter height; the old bar is freed.
    EXPECT_EQ(Form->Image().Height(), 80);
}

TEST_F(MainWindowTest, ANewScanReplacesTheRowsOfTheLastOne)
{
    Fixed('C', 1000, 500);
    Fixed('D', 2000, 100);
    Start();
    const int components = Form->ComponentCount();
    for (int i = 0; i < 5; ++i)
        Form->ScanDrives("MB");
    EXPECT_EQ(Form->ComponentCount(), components);
    EXPECT_EQ(Form->MeterRows().size(), 2u);
    EXPECT_EQ(Form->ControlCount(), 2 + 4 + 2 * 2);  // title band, four buttons, two rows
}

TEST_F(MainWindowTest, ASlotEmptiedByRefreshShowsTheWindowColourNotAnOldRow)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Fixed('E', 1000, 500);
    Start();
    sw::FakeDrive gone;
    gone.kind = sw::DriveKind::Removable;
    gone.mediaPresent = false;
    Platform.drives->Set('D', gone);
    Form->ScanDrives("MB");
    EXPECT_EQ(Form->Height(), 102);
    EXPECT_EQ(Pixel(10, 60), 0xFFEEDDu);
    EXPECT_EQ(Pixel(100, 60), 0xFFEEDDu);
}

// A CD-ROM drive with a disc: the disc caption replaces the model's caption, and the disc is
// measured against a 703 MB CD rather than against its own size.
TEST_F(MainWindowTest, ADiscInTheCdDriveShowsItsOwnCaptionAndPosition)
{
    const struct {
        const char* what;
        int model;
        std::int64_t totalMB, freeMB;
        const char* caption;
        int position;
        const char* hint;
    } cases[] = {
        // Model 2 would say 75 %: R(300 / 703 x 100) = 43.
        {"rewritable", 2, 400, 100, "   Disc is inserted ! [Used] = 300 MB;", 43,
         "FS/TS ( MB): D: 100/400  "},
        {"rewritable, total model", 5, 400, 100, "   Disc is inserted ! [Used] = 300 MB;", 43,
         "FS/TS ( MB): D: 100/400  "},
        // R(4000 / 703 x 100) = 569, shown full.
        {"DVD", 2, 4482, 482, "   Disc is inserted ! [Used] = 4000 MB;", 100,
         "FS/TS ( MB): D: 482/4482  "},
        // R(650 / 703 x 100) = 92, but nothing is free: full.
        {"pressed CD", 1, 650, 0, "   Disc is inserted ! [Used] = 650 MB;", 100, "FS/TS ( MB): "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sw::FakeDrive cd;
        cd.kind = sw::DriveKind::CdRom;
        cd.totalBytes = c.totalMB * MiB;
        cd.freeBytes = c.freeMB * MiB;
        Platform.drives->Set('D', cd);
        Start();
        Form->SetModel(c.model);
        Form->ScanDrives(Form->SizeUnit());
        ASSERT_EQ(Form->MeterRows().size(), 1u);
        EXPECT_EQ(Letter(0).Caption(), "D:");
        EXPECT_EQ(Bar(0).Caption(), c.caption);
        EXPECT_EQ(Bar(0).Position(), c.position);
        EXPECT_EQ(Form->TrayHint(), c.hint);

        // The fill follows that position: fuchsia ramp, then silver.
        const int fill = 246 * c.position / 100;
        EXPECT_EQ(Bar(0).FillWidth(), fill);
        EXPECT_EQ(Pixel(27, 31), clFuchsia);
        EXPECT_NE(Bar(0).Buffer().Pixel(fill, 18), clSilver);
        if (fill < 246) {
            EXPECT_EQ(Bar(0).Buffer().Pixel(fill + 1, 18), clSilver);
        }
        Application().Reset();
    }
}

// The window's pixels in `r` must be `text` drawn from the top left in `font` over `back`;
// returns the number of ink pixels found.
int ExpectTextOnly(const TBitmap& image, const TRect& r, TColor back, const TFontSpec& font,
                   const std::string& text)
{
    TBitmap expected(r.Width(), r.Height());
    TCanvas& canvas = expected.Canvas();
    canvas.Brush = TBrush{back, TBrushStyle::bsSolid};
    canvas.FillRect(expected.BoundsRect());
    canvas.Font = font;
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.TextOut(0, 0, text);
    const TColor ink = ColorToRGB(font.color);
    int inkPixels = 0, foreign = 0, misplaced = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const TColor pixel = image.Pixel(x, y);
            foreign += pixel != back && pixel != ink;
            misplaced += pixel != expected.Pixel(x - r.left, y - r.top);
            inkPixels += pixel == ink;
        }
    EXPECT_EQ(foreign, 0) << "pixels neither ink nor background";
    EXPECT_EQ(misplaced, 0) << "pixels that differ from the text drawn at the top left";
    return inkPixels;
}

TEST_F(MainWindowTest, LetterLabelsAreBlackBoldTextOnTheWindowColour)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Start();
    Form->PaintImage();
    TFontSpec bold;
    bold.bold = true;
    TFontSpec regular;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(Letter(i).Transparent());
        const std::string text = Letter(i).Caption();
        const TRect r = Letter(i).BoundsRect();
        const int ink = ExpectTextOnly(Form->Image(), r, 0xFFEEDD, bold, text);
        EXPECT_GT(ink, 0);
        // Regular weight would leave fewer pixels inked.
        TBitmap thin(r.Width(), r.Height());
        thin.Canvas().Brush = TBrush{0xFFEEDD, TBrushStyle::bsSolid};
        thin.Canvas().FillRect(thin.BoundsRect());
        thin.Canvas().Font = regular;
        thin.Canvas().SetBkMode(TBackgroundMode::bkTransparent);
        thin.Canvas().TextOut(0, 0, text);
        int thinInk = 0;
        for (int y = 0; y < thin.Height(); ++y)
            for (int x = 0; x < thin.Width(); ++x)
                thinInk += thin.Pixel(x, y) == clBlack;
        EXPECT_GT(ink, thinInk);
    }
}

TEST_F(MainWindowTest, TitleTextIsLightOnDarkBlue)
{
    Fixed('C', 1000, 500);
    Start();
    Form->PaintImage();
    TFontSpec font;
    font.height = -13;
    font.bold = true;
    font.color = 0xFFEEDD;
    const std::string text = Form->TitleLabel->Caption();
    // The left half of the band holds the whole text, clear of the buttons at its right end.
    const TRect label = Form->TitleLabel->BoundsRect();
    const TRect left{label.left, label.top, label.left + label.Width() / 2, label.bottom};
    TBitmap scratch(1, 1);
    scratch.Canvas().Font = font;
    ASSERT_LT(scratch.Canvas().TextWidth(text), left.Width());
    EXPECT_GT(ExpectTextOnly(Form->Image(), left, 0xB35900, font, text), 0);
}

}  // namespace
