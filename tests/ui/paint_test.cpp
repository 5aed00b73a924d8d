// Form composition: background, windowless children in creation order, windowed children
// above them, clipping to parents; Invalidate paints later (a held form as the hold ends),
// Repaint at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_fixture.h"

namespace {

using PaintTest = UiTest;

TEST_F(PaintTest, WindowlessChildrenPaintInCreationOrderUnderWindowedOnes)
{
    TForm* form = ShownForm();
    form->SetColor(0x0000AA);
    auto* pad = new Pad(form, form, Bounds(0, 0, 30, 30));
    pad->SetColor(clBlue);
    auto* first = new Box(form, form, Bounds(10, 10, 40, 40));
    first->SetColor(clRed);
    auto* second = new Box(form, form, Bounds(20, 20, 40, 40));
    second->SetColor(clLime);
    auto* inner = new Box(form, pad, Bounds(25, 25, 20, 20));
    inner->SetColor(clYellow);
    form->Repaint();

    const TBitmap& image = backend->Window(form->Handle())->image;
    struct Case {
        TPoint p;
        TColor expected;
    } cases[] = {
        {{5, 5}, clBlue},  // windowed pad above everything
        {{29, 29}, clYellow},  // pad's child, clipped to the pad
        {{30, 30}, clLime},  // just outside the pad: the later windowless box
        {{15, 45}, clRed},  // the first box where the second does not reach
        {{55, 55}, clLime},     {{65, 65}, 0x0000AAu},  // background
        {{199, 99}, 0x0000AAu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(image.Pixel(c.p.x, c.p.y), c.expected) << c.p.x << "," << c.p.y;
}

// A show handler that repaints (a scan replacing rows, a focus moving) paints nothing yet: the
// window is composed and presented once, with the handler's change, as it shows.
TEST_F(PaintTest, AShowHandlersRepaintsWaitForTheOnePresentOfTheShow)
{
    auto* form = Application().CreateForm<TForm>();
    form->SetBounds(0, 0, 200, 100);
    auto* box = new Box(form, form, Bounds(0, 0, 10, 10));
    form->OnShow = [&](TObject*) {
        box->SetColor(clRed);
        box->Repaint();
        form->Repaint();
    };
    // As on the platform, the window is activated as it goes on screen, before it is presented.
    int presentsAtActivation = -1;
    form->OnActivate = [&](TObject*) {
        presentsAtActivation = backend->Window(form->Handle())->presents;
    };
    form->Show();
    EXPECT_EQ(presentsAtActivation, 0);
    EXPECT_EQ(backend->Window(form->Handle())->presents, 1);
    EXPECT_EQ(backend->Window(form->Handle())->image.Pixel(5, 5), clRed);
    box->SetColor(clLime);
    box->Repaint();
    EXPECT_EQ(backend->Window(form->Handle())->presents, 2);
}

// As on the platform, a hidden active window hears that it lost the activation once it is off
// the screen. An unframed one hands the activation to the application window that owns it, and
// the application passes it on from the queue; a framed one hands it to the next shown window.
TEST_F(PaintTest, HidingTheActiveFormDeactivatesItOffTheScreenAndHandsTheActivationOn)
{
    TForm* back = ShownForm();
    TForm* front = ShownForm();
    std::vector<std::string> log;
    front->OnHide = [&](TObject*) { log.push_back("hide"); };
    front->OnDeactivate = [&](TObject*) {
        log.push_back(backend->IsShown(front->Handle()) ? "deactivate on screen" : "deactivate");
    };
    back->OnActivate = [&](TObject*) { log.push_back("back activate"); };
    front->Hide();
    EXPECT_EQ(log, (std::vector<std::string>{"hide", "deactivate"}));
    EXPECT_EQ(backend->Foreground(), backend->AppWindow());
    backend->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"hide", "deactivate", "back activate"}));

    auto* framed = Application().CreateForm<TForm>();
    framed->SetBounds(0, 0, 100, 100);
    framed->Show();
    log.clear();
    framed->Hide();
    EXPECT_EQ(log, (std::vector<std::string>{"back activate"}));
    // Minimized, the form leaves the screen with the application window but keeps the
    // activation; the restore hands it to the application window, which gives it back from the
    // queue.
    back->OnDeactivate = [&](TObject*) { log.push_back("back deactivate"); };
    Application().Minimize();
    EXPECT_EQ(log, (std::vector<std::string>{"back activate"}));
    Application().Restore();
    EXPECT_EQ(backend->Foreground(), backend->AppWindow());
    backend->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"back activate", "back deactivate", "back activate"}));
    // With the last form the application window goes too, and the activation with it.
    back->Hide();
    backend->ProcessMessages();
    EXPECT_FALSE(Application().Active());
}

TEST_F(PaintTest, InvalidatePaintsFromTheQueueRepaintAtOnce)
{
    TForm* form = ShownForm();
    auto* box = new Box(form, form, Bounds(0, 0, 10, 10));
    backend->ProcessMessages();
    int presents = backend->Window(form->Handle())->presents;
    int paints = box->paints;

    box->Invalidate();
    box->Invalidate();
    EXPECT_EQ(box->paints, paints);
    backend->ProcessMessages();
    EXPECT_EQ(box->paints, paints + 1);
    EXPECT_EQ(backend->Window(form->Handle())->presents, presents + 1);

    box->SetColor(clRed);
    box->Repaint();
    EXPECT_EQ(box->paints, paints + 2);
    EXPECT_EQ(backend->Window(form->Handle())->image.Pixel(5, 5), clRed);

    // Held, an invalidation asks the platform for no paint: the hold's end presents it once.
    form->HoldPaint(true);
    box->SetColor(clLime);
    EXPECT_FALSE(backend->Window(form->Handle())->paintPending);
    form->HoldPaint(false);
    EXPECT_EQ(box->paints, paints + 3);
    EXPECT_EQ(backend->Window(form->Handle())->presents, presents + 3);
    EXPECT_EQ(backend->Window(form->Handle())->image.Pixel(5, 5), clLime);
    backend->ProcessMessages();
    EXPECT_EQ(box->paints, paints + 3);
}

TEST_F(PaintTest, HiddenControlsAndFormsOffTheScreenDoNotPaint)
{
    TForm* form = ShownForm();
    auto* box = new Box(form, form, Bounds(0, 0, 10, 10));
    box->SetColor(clRed);
    box->Hide();
    form->Repaint();
    EXPECT_EQ(box->paints, 0);
    EXPECT_EQ(backend->Window(form->Handle())->image.Pixel(5, 5), ColorToRGB(clBtnFace));
    form->Hide();
    box->Show();
    box->Repaint();
    EXPECT_EQ(box->paints, 0);

    // Minimized, the form keeps no picture and paints nothing nobody sees; restored, it
    // presents once, with what changed while it was away.
    form->Show();
    const int presents = backend->Window(form->Handle())->presents;
    const int paints = box->paints;
    box->drops = 0;
    Application().Minimize();
    EXPECT_TRUE(form->Image().Empty());
    EXPECT_EQ(box->drops, 1);
    box->SetColor(clLime);
    box->Repaint();
    form->Repaint();
    EXPECT_EQ(box->paints, paints);
    EXPECT_TRUE(form->Image().Empty());
    Application().Restore();
    EXPECT_EQ(backend->Window(form->Handle())->presents, presents + 1);
    EXPECT_EQ(backend->Window(form->Handle())->image.Pixel(5, 5), clLime);
}

TEST_F(PaintTest, ShownWindowRecordCarriesAlphaTopmostAndBounds)
{
    TForm* form = Application().CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(523, 288, 282, 154);
    form->SetAlphaBlend(true);
    form->SetAlphaBlendValue(200);
    form->Show();
    const THeadlessWindow* w = backend->Window(form->Handle());
    EXPECT_TRUE(w->visible);
    EXPECT_TRUE(w->params.layered);
    EXPECT_EQ(w->params.alpha, 200);
    EXPECT_EQ(w->params.bounds, Bounds(523, 288, 282, 154));
    EXPECT_EQ(form->ClientWidth(), 282);

    WindowId before = form->Handle();
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    EXPECT_EQ(form->Handle(), before);
    EXPECT_TRUE(w->params.topmost);
    form->SetAlphaBlendValue(128);
    EXPECT_EQ(w->params.alpha, 128);
}

TEST_F(PaintTest, ScreenshotStacksWindowsAndBlendsOnRequest)
{
    TForm* back = ShownForm();
    back->SetColor(clRed);
    TForm* front = Application().CreateForm<TForm>();
    front->SetBorderStyle(TFormBorderStyle::bsNone);
    front->SetBounds(150, 60, 50, 50);
    front->SetColor(clBlue);
    front->SetAlphaBlend(true);
    front->SetAlphaBlendValue(128);
    front->Show();
    backend->ProcessMessages();

    TBitmap plain = backend->Screenshot(clBlack);
    EXPECT_EQ(plain.Pixel(120, 70), clRed);
    EXPECT_EQ(plain.Pixel(160, 70), clBlue);
    EXPECT_EQ(plain.Pixel(10, 10), clBlack);
    TBitmap blended = backend->Screenshot(clBlack, true);
    EXPECT_EQ(blended.Pixel(160, 70), RGB(127, 0, 128));
}

}  // namespace

namespace {

TEST_F(PaintTest, OpaqueRepaintPaintsOnlyTheControlAndWhatLiesAboveIt)
{
    TForm* form = ShownForm();
    auto* under = new Box(form, form, Bounds(0, 0, 50, 50));
    auto* opaque = new Box(form, form, Bounds(10, 10, 20, 20));
    opaque->SetControlStyle(opaque->ControlStyle() | csOpaque);
    auto* above = new Box(form, form, Bounds(25, 25, 20, 20));
    auto* apart = new Box(form, form, Bounds(100, 0, 20, 20));
    above->SetColor(clLime);
    form->Repaint();
    int presents = backend->Window(form->Handle())->presents;

    opaque->SetColor(clRed);
    opaque->Repaint();
    EXPECT_EQ(under->paints, 1);
    EXPECT_EQ(apart->paints, 1);
    EXPECT_EQ(opaque->paints, 2);
    EXPECT_EQ(above->paints, 2);
    EXPECT_EQ(backend->Window(form->Handle())->presents, presents + 1);
    const TBitmap& image = backend->Window(form->Handle())->image;
    EXPECT_EQ(image.Pixel(15, 15), clRed);
    EXPECT_EQ(image.Pixel(27, 27), clLime);

    under->Repaint();
    EXPECT_EQ(apart->paints, 2);
}

TEST_F(PaintTest, DisabledWindowlessControlsGetHoverButNotInput)
{
    TForm* form = ShownForm();
    std::vector<std::string> log;
    auto* box = new Box(form, form, Bounds(0, 0, 20, 20), &log);
    box->SetName("box");
    box->SetEnabled(false);
    log.clear();
    int formClicks = 0;
    form->OnClick = [&](TObject*) { ++formClicks; };
    backend->Click({105, 55});
    EXPECT_TRUE(box->PointerInside());
    EXPECT_EQ(formClicks, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"box:enter"}));
}

}  // namespace
