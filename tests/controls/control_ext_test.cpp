// The control extension layer: overridden notifications still run the toolkit's handling,
// the hover flag is right when the enter/leave events fire, the parent-colour event follows
// the inherited colour, and the hint colour reaches the hint.
#include "controls/control_ext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

// Records every operation the layer calls.
template <class TBase> class Recorder : public TBase {
public:
    explicit Recorder(TComponent* owner) : TBase(owner) { }
    using TBase::HintShow;
    std::vector<std::string> log;

protected:
    // Each base still runs, so the toolkit keeps its own handling.
    void ColorChanged() override
    {
        log.push_back("color");
        TBase::ColorChanged();
    }
    void FontChanged() override
    {
        log.push_back("font");
        TBase::FontChanged();
    }
    void TextChanged() override
    {
        log.push_back("text");
        TBase::TextChanged();
    }
    void EnabledChanged() override
    {
        log.push_back("enabled");
        TBase::EnabledChanged();
    }
    void VisibleChanged() override
    {
        log.push_back("visible");
        TBase::VisibleChanged();
    }
    void FocusChanged(TWinControl* focused) override
    {
        log.push_back("focus");
        TBase::FocusChanged(focused);
    }
};

class ControlExt : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend = &UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 100, 60);
        form->Show();
    }
    void TearDown() override { Application().Reset(); }

    HeadlessBackend* backend = nullptr;
    TForm* form = nullptr;
};

TEST_F(ControlExt, NotificationsArriveAsOperations)
{
    auto* control = new Recorder<TExtGraphicControl>(form);
    control->SetParent(form);
    control->log.clear();  // taking over the form's colour and font
    control->SetColor(clRed);
    TFontSpec font = control->Font();
    font.bold = true;
    control->SetFont(font);
    control->SetCaption("a");
    control->SetEnabled(false);
    control->SetVisible(false);
    const std::vector<std::string> expected{"color", "font", "text", "enabled", "visible"};
    EXPECT_EQ(control->log, expected);
    EXPECT_EQ(control->Color(), clRed);
}

TEST_F(ControlExt, WindowedControlsHearFocusChanges)
{
    auto* control = new Recorder<TExtCustomControl>(form);
    control->SetParent(form);
    control->SetBounds(0, 0, 20, 20);
    control->SetTabStop(true);
    control->SetFocus();
    EXPECT_NE(std::find(control->log.begin(), control->log.end(), "focus"), control->log.end());
}

TEST_F(ControlExt, HoverFlagIsSetBeforeEnterAndClearedBeforeLeave)
{
    auto* control = new TExtGraphicControl(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 20, 20);
    std::vector<std::string> seen;
    auto note = [&](const std::string& event) {
        seen.push_back(event + (control->PointerInside() ? ":in" : ":out"));
    };
    control->OnMouseEnter = [&](TObject*) { note("enter"); };
    control->OnMouseLeave = [&](TObject*) { note("leave"); };
    backend->MouseMove({15, 15});
    EXPECT_TRUE(control->PointerInside());
    backend->MouseMove({50, 50});
    EXPECT_FALSE(control->PointerInside());
    EXPECT_EQ(seen, (std::vector<std::string>{"enter:in", "leave:out"}));
}

TEST_F(ControlExt, ParentColourEventFollowsTheInheritedColour)
{
    auto* control = new TExtGraphicControl(form);
    control->SetParent(form);
    std::vector<TColor> seen;
    control->OnParentColorChange = [&](TObject*) { seen.push_back(control->Color()); };
    form->SetColor(clYellow);
    control->SetColor(clRed);  // no longer inherits
    form->SetColor(clBlue);
    EXPECT_EQ(control->Color(), clRed);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), clYellow);
}

TEST_F(ControlExt, HintColourReachesTheHintUnlessDefault)
{
    Recorder<TExtGraphicControl> control(nullptr);
    EXPECT_EQ(control.HintColor(), clDefault);
    THintInfo info;
    info.HintColor = clInfoBk;
    control.HintShow(info);
    EXPECT_EQ(info.HintColor, clInfoBk);
    control.SetHintColor(clLime);
    control.HintShow(info);
    EXPECT_EQ(info.HintColor, clLime);
}

}  // namespace
