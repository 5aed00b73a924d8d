// Focus, tab order and key routing; mouse capture, enter/leave, clicks; hit-testing and
// dragging by the body; hints.
#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace {

using Log = std::vector<std::string>;

class InputTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = ShownForm();
        form->SetName("form");
        a = new Pad(form, form, Bounds(10, 10, 20, 20), &log);
        a->SetName("a");
        b = new Pad(form, form, Bounds(40, 10, 20, 20), &log);
        b->SetName("b");
        c = new Pad(form, form, Bounds(70, 10, 20, 20), &log);
        c->SetName("c");
    }
    TForm* form = nullptr;
    Pad* a = nullptr;
    Pad* b = nullptr;
    Pad* c = nullptr;
    Log log;
};

TEST_F(InputTest, TabFollowsTabOrderSkippingUnfocusableControls)
{
    c->SetTabOrder(0);
    b->SetEnabled(false);
    form->SelectFirst();
    EXPECT_EQ(form->ActiveControl(), c);
    backend->KeyDown(TKey::Tab);
    EXPECT_EQ(form->ActiveControl(), a);
    backend->KeyDown(TKey::Tab);
    EXPECT_EQ(form->ActiveControl(), c);
    backend->KeyDown(TKey::Tab, ssShift);
    EXPECT_EQ(form->ActiveControl(), a);
    EXPECT_EQ(a->TabOrder(), 1);
}

TEST_F(InputTest, FocusChangeRunsExitThenEnter)
{
    a->SetFocus();
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log, (Log{"a:exit", "b:enter"}));
    EXPECT_TRUE(b->Focused());
    b->Hide();
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(InputTest, KeyPreviewSeesKeysBeforeTheFocusedControlAndMayStopThem)
{
    b->SetFocus();
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, TKey& key, TShiftState) {
        log.push_back("form:keydown " + std::to_string(static_cast<int>(key)));
        if (key == TKey::F5)
            key = TKey::None;
    };
    form->OnKeyPress = [&](TObject*, char& key) { log.push_back(std::string("form:char ") + key); };
    log.clear();
    backend->PressKey(TKey{'R'}, 'r');
    backend->KeyDown(TKey::F5);
    EXPECT_EQ(log, (Log{"form:keydown 82", "b:keydown 82", "form:char r", "b:char r", "b:keyup 82",
                        "form:keydown 276"}));
}

TEST_F(InputTest, DialogKeysReachControlsThatDidNotWantThem)
{
    b->SetFocus();
    b->takesReturn = true;
    log.clear();
    backend->KeyDown(TKey::Return);
    EXPECT_EQ(log, (Log{"b:keydown 258", "b:dialog return"}));
    b->wantsReturn = true;
    log.clear();
    backend->KeyDown(TKey::Return);
    EXPECT_EQ(log, (Log{"b:keydown 258"}));
}

TEST_F(InputTest, AltLetterOffersAnAcceleratorToTheControls)
{
    c->accel = 'X';
    a->SetFocus();
    log.clear();
    backend->KeyDown(TKey{'X'}, ssAlt);
    backend->KeyDown(TKey{'X'});
    EXPECT_EQ(log, (Log{"a:keydown 88", "c:accel X", "a:keydown 88"}));
}

TEST_F(InputTest, PressCapturesTheMouseUntilRelease)
{
    log.clear();
    backend->MouseDown({115, 65});
    backend->MouseMove({300, 300});
    backend->MouseUp({300, 300});
    EXPECT_EQ(
        log, (Log{"a:mouseenter", "a:down@5,5", "a:mouseleave", "a:move@190,240", "a:up@190,240"}));
    EXPECT_EQ(backend->CaptureWindow(), 0u);
}

TEST_F(InputTest, ReleaseInsideIsAClickBeforeTheButtonUp)
{
    log.clear();
    backend->Click({145, 65});
    backend->AdvanceTime(1000);
    backend->MouseDown({145, 65});
    backend->MouseUp({170, 65});
    EXPECT_EQ(log, (Log{"b:mouseenter", "b:down@5,5", "b:click", "b:up@5,5", "b:down@5,5",
                        "b:mouseleave", "c:mouseenter", "b:move@30,5", "b:up@30,5"}));
}

TEST_F(InputTest, EnterAndLeaveFollowThePointerAcrossControlsAndWindows)
{
    std::vector<std::string> boxes;
    auto* box = new Box(form, form, Bounds(100, 60, 30, 30), &boxes);
    box->SetName("box");
    boxes.clear();
    backend->MouseMove({205, 115});
    EXPECT_TRUE(box->PointerInside());
    backend->MouseMove({600, 600});
    EXPECT_FALSE(box->PointerInside());
    EXPECT_EQ(boxes, (Log{"box:enter", "box:leave"}));
}

TEST_F(InputTest, SecondPressWithinTheDoubleClickTimeIsADoubleClick)
{
    Log boxes;
    auto* box = new Box(form, form, Bounds(100, 60, 30, 30), &boxes);
    box->SetName("box");
    boxes.clear();
    backend->Click({205, 115});
    backend->AdvanceTime(100);
    backend->Click({205, 115});
    backend->AdvanceTime(600);
    backend->Click({205, 115});
    EXPECT_EQ(boxes,
              (Log{"box:enter", "box:down@5,5", "box:click", "box:up@5,5", "box:dblclick",
                   "box:down2@5,5", "box:up@5,5", "box:down@5,5", "box:click", "box:up@5,5"}));
}

class DragForm : public TForm {
public:
    using TForm::TForm;

protected:
    void HitTest(TPoint, THitTest& result) override
    {
        if (result == THitTest::Client)
            result = THitTest::Caption;
    }
};

TEST_F(InputTest, BodyDragsTheWindowWhileWindowedChildrenKeepTheirClicks)
{
    auto* drag = Application().CreateForm<DragForm>();
    drag->SetBorderStyle(TFormBorderStyle::bsNone);
    drag->SetBounds(400, 300, 100, 80);
    new Box(drag, drag, Bounds(0, 0, 50, 20));
    auto* pad = new Pad(drag, drag, Bounds(60, 0, 20, 20), &log);
    pad->SetName("pad");
    drag->Show();

    backend->MouseDown({410, 310});
    backend->MouseMove({430, 350});
    backend->MouseUp({430, 350});
    EXPECT_EQ(drag->Left(), 420);
    EXPECT_EQ(drag->Top(), 340);
    EXPECT_EQ(backend->Window(drag->Handle())->params.bounds, Bounds(420, 340, 100, 80));

    log.clear();
    backend->Click({485, 345});
    EXPECT_EQ(drag->Left(), 420);
    EXPECT_EQ(log, (Log{"pad:mouseenter", "pad:down@5,5", "pad:click", "pad:up@5,5"}));
}

TEST_F(InputTest, OverADraggingBodyWindowlessControlsStillHoverAndShowTheirHints)
{
    auto* drag = Application().CreateForm<DragForm>();
    drag->SetBorderStyle(TFormBorderStyle::bsNone);
    drag->SetBounds(400, 300, 100, 80);
    auto* box = new Box(drag, drag, Bounds(0, 0, 50, 20), &log);
    box->SetName("box");
    box->SetHint("C: serial");
    box->SetShowHint(true);
    auto* pad = new Pad(drag, drag, Bounds(60, 0, 20, 20), &log);
    pad->SetName("pad");
    pad->SetHint("pad hint");
    pad->SetShowHint(true);
    drag->Show();
    log.clear();

    backend->MouseMove({410, 310});
    backend->AdvanceTime(600);
    EXPECT_EQ(backend->HintText(), "C: serial");
    backend->MouseMove({465, 305});
    EXPECT_EQ(backend->HintText(), "");
    backend->AdvanceTime(600);
    EXPECT_EQ(backend->HintText(), "pad hint") << "a windowed control's hint as before";
    backend->MouseMove({420, 310});
    backend->AdvanceTime(600);
    EXPECT_EQ(backend->HintText(), "C: serial");

    backend->MouseDown({420, 310});
    EXPECT_EQ(backend->HintText(), "") << "dragging hides the hint";
    backend->AdvanceTime(600);
    backend->MouseMove({440, 350});
    backend->MouseUp({440, 350});
    EXPECT_EQ(backend->HintText(), "");
    EXPECT_EQ(drag->Left(), 420);
    EXPECT_EQ(drag->Top(), 340);
    EXPECT_EQ(log, (Log{"box:enter", "box:leave", "pad:mouseenter", "pad:mouseleave", "box:enter",
                        "box:leave"}));
}

TEST_F(InputTest, HintShowsAfterThePauseAndHidesOnLeave)
{
    a->SetHint("Close [Q]|long text");
    a->SetShowHint(true);
    backend->MouseMove({115, 65});
    EXPECT_EQ(backend->HintText(), "");
    backend->AdvanceTime(600);
    EXPECT_EQ(backend->HintText(), "Close [Q]");
    backend->MouseMove({150, 90});
    EXPECT_EQ(backend->HintText(), "");
}

TEST_F(InputTest, CursorComesFromTheControlUnderThePointer)
{
    b->SetCursor(crHandPoint);
    Screen().Cursors(crHandPoint) = 4242;
    backend->MouseMove({145, 65});
    EXPECT_EQ(backend->CurrentCursor(), 4242u);
    backend->MouseMove({105, 95});
    EXPECT_EQ(backend->CurrentCursor(), Screen().Cursors(crArrow));
}

// Shows the cross over its left half only; elsewhere its own Cursor.
class HalfCross : public Pad {
public:
    using Pad::Pad;
    TCursor CursorAt(TPoint client) const override
    {
        return client.x < Width() / 2 ? crCross : Cursor();
    }
};

TEST_F(InputTest, ControlMayShowAnotherCursorOverPartOfItself)
{
    auto* half = new HalfCross(form, form, Bounds(100, 40, 20, 20));
    half->SetCursor(crHandPoint);
    Screen().Cursors(crCross) = 77;
    Screen().Cursors(crHandPoint) = 4242;
    backend->MouseMove(half->ClientToScreen({9, 5}));
    EXPECT_EQ(backend->CurrentCursor(), 77u);
    backend->MouseMove(half->ClientToScreen({10, 5}));
    EXPECT_EQ(backend->CurrentCursor(), 4242u);
    // The capturing control is asked even with the pointer outside it.
    backend->MouseDown(half->ClientToScreen({10, 5}));
    backend->MouseMove(half->ClientToScreen({-30, 5}));
    EXPECT_EQ(backend->CurrentCursor(), 77u);
    backend->MouseUp(half->ClientToScreen({-30, 5}));
}

TEST_F(InputTest, MadeCursorKeepsItsPictureAndHotSpot)
{
    TBitmap picture(4, 3);
    picture.SetPixel(2, 1, clWhite);
    const std::uintptr_t handle = backend->MakeCursor(picture, clBlack, {2, 1});
    ASSERT_NE(handle, 0u);
    const THeadlessCursor* made = backend->MadeCursor(handle);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->image.Pixel(2, 1), clWhite);
    EXPECT_EQ(made->transparent, clBlack);
    EXPECT_EQ(made->hotSpot, (TPoint{2, 1}));
    EXPECT_NE(backend->MakeCursor(picture, clBlack, {0, 0}), handle);
    EXPECT_EQ(backend->MadeCursor(backend->LoadStockCursor(crArrow)), nullptr);
    EXPECT_EQ(backend->MakeCursor(TBitmap(), clBlack, {0, 0}), 0u);
}

TEST_F(InputTest, FreeingTheHoveredAndCapturedControlIsSafe)
{
    backend->MouseDown({145, 65});
    delete b;
    backend->MouseMove({150, 70});
    backend->MouseUp({150, 70});
    EXPECT_EQ(backend->CaptureWindow(), 0u);
}

}  // namespace
