// A tray icon over a fake notification area whose timers run on the headless clock, with a
// shown main form: the control's tests use it alone, the program's hiding tests with a program.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/tray_icon.h"
#include "platform/fake/fake_notify_area.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

struct ClickRecord {
    TMouseButton button;
    TShiftState shift;
    int x;
    int y;
};

// The main window's designed values.
constexpr TTrayVisibilities kFormVisibility =
    TrayVisibilities({tvVisibleTaskList, tvAutoHide, tvRestoreClick, tvMinimizeClick});

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessBackend& backend = UseHeadlessBackend();
        area->SetTimerHost({[&backend](unsigned ms, std::function<void()> tick) {
                                return backend.StartTimer(ms, std::move(tick));
                            },
                            [&backend](int id) { backend.StopTimer(id); }});
        mainForm = Application().CreateForm<TForm>();
        mainForm->Show();
    }
    void TearDown() override
    {
        tray.reset();
        Application().Reset();
    }

    TTrayIcon& MakeTray(TTrayVisibilities visibility = kFormVisibility, bool active = true)
    {
        tray = std::make_unique<TTrayIcon>(nullptr, area);
        tray->SetProgram(program);
        tray->SetVisibility(visibility);
        tray->SetActive(active);
        return *tray;
    }
    void RecordClicks()
    {
        tray->OnClick = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            clicks.push_back({b, s, x, y});
        };
    }
    std::vector<sw::NotifyIconCall> CallsOf(sw::NotifyCallKind kind) const
    {
        std::vector<sw::NotifyIconCall> result;
        for (const auto& call : area->Calls)
            if (call.kind == kind)
                result.push_back(call);
        return result;
    }
    std::string ShownTip() const
    {
        const sw::FakeShownIcon* icon = area->ShownIcon();
        return icon ? icon->tip : "<no icon>";
    }
    // A change that names only the icon's image, or only its tip.
    static bool ImageOnly(const sw::NotifyIconCall& call)
    {
        return call.kind == sw::NotifyCallKind::Change && call.change.image && !call.change.tip &&
               !call.change.balloon;
    }
    static bool TipOnly(const sw::NotifyIconCall& call)
    {
        return call.kind == sw::NotifyCallKind::Change && !call.change.image && call.change.tip &&
               !call.change.balloon;
    }

    std::shared_ptr<sw::FakeNotifyArea> area = std::make_shared<sw::FakeNotifyArea>();
    // The program the tray hides and restores; none in the control's own tests.
    ITrayProgram* program = nullptr;
    std::unique_ptr<TTrayIcon> tray;
    TForm* mainForm = nullptr;
    std::vector<ClickRecord> clicks;
};
