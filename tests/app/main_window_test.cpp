// The program as a user first sees it without a settings file: the designed window, one scan
// with the default unit and caption model, rows with their captions and colours, the tooltip
// text, the letters' serial hints, and dragging the borderless window by its body.
#include "app_fixture.h"

#include "controls/gauge_cursor.h"
#include "controls/border.h"

namespace {

class FirstStartTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Fixed('C', 40183, 14805, 0x1A2B3C4D);
        sw::FakeDrive cd;
        cd.kind = sw::DriveKind::CdRom;
        cd.mediaPresent = false;
        Platform.drives->Set('D', cd);
        Empty('E', sw::DriveKind::Removable);
        sw::FakeDrive net;
        net.kind = sw::DriveKind::Network;
        net.totalBytes = 2000 * MiB;
        net.freeBytes = 500 * MiB;
        Platform.drives->Set('F', net);
        Start();
    }
};

TEST_F(FirstStartTest, TheWindowIsTheDesignedBorderlessStrip)
{
    EXPECT_EQ(Headless().AppTitle(), "Spacewell v.1");
    EXPECT_EQ(Application().MainForm(), Form);
    EXPECT_NE(Headless().MadeCursor(Screen().Cursors(crGaugeHandPoint)), nullptr)
        << "the hand cursor is there from the start";
    EXPECT_EQ(Application().Icon().Image().Pixel(0, 0), 0xB35900u) << "the program's own icon";
    EXPECT_EQ(Form->Icon().Image().Pixel(16, 5), 0x008000u);
    const THeadlessWindow* w = Headless().Window(Headless().WindowByCaption("Spacewell"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible);
    EXPECT_EQ(w->params.bounds, Bounds(523, 288, 282, 22 * 3 + 58));
    EXPECT_FALSE(w->params.framed);
    EXPECT_TRUE(w->params.layered);
    EXPECT_EQ(w->params.alpha, 200);
    EXPECT_TRUE(Form->KeyPreview());
    EXPECT_TRUE(Form->ShowHint());
    EXPECT_EQ(Form->Color(), 0xFFEEDDu);
    EXPECT_EQ(Form->TitleLabel->BoundsRect(), Bounds(8, 8, 266, 17));
    EXPECT_EQ(Form->TitleBorder->BoundsRect(), Bounds(0, 0, 282, 124));
    EXPECT_EQ(Form->WatchTimer->Interval(), 10000u);
    EXPECT_TRUE(Form->WatchTimer->Enabled());
}

TEST_F(FirstStartTest, DefaultsAreMegabytesModelTwoAndThirtyPercent)
{
    EXPECT_EQ(Form->SizeUnit(), "MB");
    EXPECT_EQ(Form->UnitSuffix(), " MB");
    EXPECT_EQ(Form->Model(), 2);
    EXPECT_EQ(Form->Transparency(), 30);
    // The designed alpha stays until a transparency is chosen.
    EXPECT_EQ(Form->AlphaBlendValue(), 200);
}

TEST_F(FirstStartTest, RowsCarryLetterCaptionAndColours)
{
    struct Row {
        const char* letter;
        int top;
        const char* caption;
        int position;
        TColor start, end;
    };
    const Row rows[] = {
        {"C:", 30, "[Used, Free] = 63 %, 14805 MB;", 63, clGreen, clGreen},
        {"D:", 52, "   NO DISC INSERTED !", 0, clFuchsia, clPurple},
        {"F:", 96, "[Used, Free] = 75 %, 500 MB;", 75, clYellow, clRed},
    };
    ASSERT_EQ(Form->MeterRows().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].letter);
        EXPECT_EQ(Letter(i).Caption(), rows[i].letter);
        EXPECT_TRUE(Letter(i).Font().bold);
        EXPECT_EQ(Letter(i).Color(), 0xFFEEDDu);
        EXPECT_TRUE(Letter(i).ShowHint());
        EXPECT_EQ(Bar(i).Top(), rows[i].top);
        EXPECT_EQ(Bar(i).Caption(), rows[i].caption);
        EXPECT_EQ(Bar(i).Position(), rows[i].position);
        EXPECT_EQ(Bar(i).StartColor(), rows[i].start);
        EXPECT_EQ(Bar(i).EndColor(), rows[i].end);
        EXPECT_TRUE(Bar(i).Solid());
        EXPECT_EQ(Bar(i).TextOption(), TBarTextOption::toCaption);
        EXPECT_EQ(Bar(i).Color(), clSilver);
        EXPECT_EQ(Bar(i).Font().color, clWhite);
        EXPECT_TRUE(Bar(i).Font().bold);
        EXPECT_TRUE(Bar(i).ShowHint());
    }
    EXPECT_EQ(Letter(0).Hint(), "1A2B - 3C4D");
}

TEST_F(FirstStartTest, TooltipListsTheDrivesWithFreeSpace)
{
    EXPECT_EQ(Form->TrayHint(), "FS/TS ( MB): C: 14805/40183  F: 500/2000  ");
}

TEST_F(FirstStartTest, TitleBandAndBarsShowTheirColours)
{
    EXPECT_EQ(Pixel(220, 12), 0xB35900u);  // title label, right of its text
    EXPECT_EQ(Pixel(250, 25), 0xFFEEDDu);  // below the 17-pixel label
    // C: 63 % of 246 inner columns is 154: green up to x = 26 + 154, silver after.
    EXPECT_EQ(Pixel(27, 31), clGreen);
    EXPECT_EQ(Pixel(180, 48), clGreen);
    EXPECT_EQ(Pixel(181, 31), clSilver);
    EXPECT_EQ(Pixel(257, 48), clSilver);  // the ">>" button covers the bar's last columns
    EXPECT_EQ(Pixel(26, 40), clSilver);  // the bar's frame
    EXPECT_EQ(Pixel(27, 53), clSilver);  // D: no disc, nothing filled
    EXPECT_EQ(Pixel(27, 97), clYellow);  // F: the ramp starts yellow
}

TEST_F(FirstStartTest, DraggingTheBodyMovesTheWindow)
{
    const struct {
        const char* where;
        TPoint grab;
    } grabs[] = {{"title label", {523 + 100, 288 + 12}},
                 {"a bar", {523 + 100, 288 + 40}},
                 {"an empty band", {523 + 100, 288 + 80}}};
    for (const auto& g : grabs) {
        SCOPED_TRACE(g.where);
        const TPoint start{Form->Left(), Form->Top()};
        const TPoint grab{g.grab.x + start.x - 523, g.grab.y + start.y - 288};
        Headless().MouseDown(grab);
        Headless().MouseMove({grab.x + 40, grab.y + 30});
        Headless().MouseUp({grab.x + 40, grab.y + 30});
        EXPECT_EQ(Form->Left(), start.x + 40);
        EXPECT_EQ(Form->Top(), start.y + 30);
        const THeadlessWindow* w = Headless().Window(Form->Handle());
        EXPECT_EQ(w->params.bounds.left, start.x + 40);
        EXPECT_EQ(w->params.bounds.top, start.y + 30);
    }
}

TEST_F(FirstStartTest, ALetterShowsItsSerialAsAHintAndTheBodyStillDrags)
{
    const TPoint letter{523 + 11, 288 + 41};
    Headless().MouseMove(letter);
    Headless().AdvanceTime(600);
    EXPECT_EQ(Headless().HintText(), "1A2B - 3C4D");
    Headless().MouseMove({523 + 235, 288 + 16});
    EXPECT_EQ(Headless().HintText(), "") << "leaving the letter hides it";
    Headless().AdvanceTime(600);
    EXPECT_EQ(Headless().HintText(), "Refresh [R]");

    Headless().MouseMove(letter);
    Headless().AdvanceTime(600);
    Headless().MouseDown(letter);
    EXPECT_EQ(Headless().HintText(), "") << "a drag by the letter hides it";
    Headless().MouseMove({letter.x + 40, letter.y + 30});
    Headless().MouseUp({letter.x + 40, letter.y + 30});
    EXPECT_EQ(Form->Left(), 523 + 40);
    EXPECT_EQ(Form->Top(), 288 + 30);
}

TEST_F(FirstStartTest, GigabytesChangeCaptionsAndTooltip)
{
    Form->ScanDrives("GB");
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 63 %, 14.458 GB;");
    EXPECT_EQ(Form->TrayHint(), "FS/TS ( GB): C: 14/39  F: 0.488/2  ")
        << "half a gigabyte free is not nothing";
}

}  // namespace
