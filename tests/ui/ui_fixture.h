// A fresh headless backend and application for every test, plus small test controls that
// record what the toolkit tells them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"
#include "ui/wincontrol.h"

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { backend = &UseHeadlessBackend(); }
    void TearDown() override { Application().Reset(); }

    // A borderless form at (100, 50), 200 x 100, created and shown.
    TForm* ShownForm()
    {
        TForm* form = Application().CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(100, 50, 200, 100);
        form->Show();
        return form;
    }

    HeadlessBackend* backend = nullptr;
};

// A windowless control that fills itself with its colour and logs notifications.
class Box : public TGraphicControl {
public:
    Box(TComponent* owner, TWinControl* parent, TRect bounds,
        std::vector<std::string>* log = nullptr)
        : TGraphicControl(owner), log(log)
    {
        SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        SetParent(parent);
    }
    void Paint() override
    {
        Canvas().Brush = TBrush{Color(), TBrushStyle::bsSolid};
        Canvas().FillRect(ClientRect());
        ++paints;
    }
    void DropPictures() override { ++drops; }
    int paints = 0;
    int drops = 0;
    std::vector<std::string>* log;

protected:
    void Note(const std::string& what)
    {
        if (log != nullptr)
            log->push_back(Name() + ":" + what);
    }
    void MouseEnter() override
    {
        TGraphicControl::MouseEnter();
        Note("enter");
    }
    void MouseLeave() override
    {
        TGraphicControl::MouseLeave();
        Note("leave");
    }
    void MouseDown(TMouseButton, TShiftState shift, int x, int y) override
    {
        Note("down" + std::string((shift & ssDouble) ? "2" : "") + "@" + std::to_string(x) + "," +
             std::to_string(y));
    }
    void MouseUp(TMouseButton, TShiftState, int x, int y) override
    {
        Note("up@" + std::to_string(x) + "," + std::to_string(y));
    }
    void Click() override { Note("click"); }
    void DblClick() override { Note("dblclick"); }
    void ColorChanged() override
    {
        TGraphicControl::ColorChanged();
        Note("color");
    }
    void FontChanged() override
    {
        TGraphicControl::FontChanged();
        Note("font");
    }
};

// A focusable windowed control that fills itself and logs focus and keys.
class Pad : public TCustomControl {
public:
    Pad(TComponent* owner, TWinControl* parent, TRect bounds,
        std::vector<std::string>* log = nullptr)
        : TCustomControl(owner), log(log)
    {
        SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        SetTabStop(true);
        SetParent(parent);
    }
    void Paint() override
    {
        Canvas().Brush = TBrush{Color(), TBrushStyle::bsSolid};
        Canvas().FillRect(ClientRect());
    }
    std::vector<std::string>* log;
    bool wantsReturn = false;
    bool takesReturn = false;
    char accel = 0;

protected:
    void Note(const std::string& what)
    {
        if (log != nullptr)
            log->push_back(Name() + ":" + what);
    }
    void DoEnter() override
    {
        Note("enter");
        TCustomControl::DoEnter();
    }
    void DoExit() override
    {
        Note("exit");
        TCustomControl::DoExit();
    }
    void KeyDown(TKey& key, TShiftState shift) override
    {
        Note("keydown " + std::to_string(static_cast<int>(key)));
        TCustomControl::KeyDown(key, shift);
    }
    void KeyPress(char& key) override
    {
        Note(std::string("char ") + key);
        TCustomControl::KeyPress(key);
    }
    void KeyUp(TKey& key, TShiftState shift) override
    {
        Note("keyup " + std::to_string(static_cast<int>(key)));
        TCustomControl::KeyUp(key, shift);
    }
    bool WantsKey(TKey key, TShiftState) const override
    {
        return wantsReturn && key == TKey::Return;
    }
    bool DialogKey(TKey key, TShiftState shift) override
    {
        if (key == TKey::Return && takesReturn && Focused()) {
            Note("dialog return");
            return true;
        }
        return TCustomControl::DialogKey(key, shift);
    }
    bool DialogChar(char key) override
    {
        if (accel != 0 && key == accel) {
            Note(std::string("accel ") + key);
            return true;
        }
        return TCustomControl::DialogChar(key);
    }
    void MouseDown(TMouseButton, TShiftState, int x, int y) override
    {
        Note("down@" + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseMove(TShiftState, int x, int y) override
    {
        if (MouseCapture())
            Note("move@" + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseUp(TMouseButton, TShiftState, int x, int y) override
    {
        Note("up@" + std::to_string(x) + "," + std::to_string(y));
    }
    void Click() override
    {
        Note("click");
        TCustomControl::Click();
    }
    void MouseEnter() override
    {
        TCustomControl::MouseEnter();
        Note("mouseenter");
    }
    void MouseLeave() override
    {
        TCustomControl::MouseLeave();
        Note("mouseleave");
    }
};
