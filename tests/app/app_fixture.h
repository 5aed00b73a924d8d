// The whole program on the headless backend with a fake drive table: a test fills the table,
// starts the program and looks at the main window's rows, pixels and screen place.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "app/program.h"
#include "controls/progress_bar.h"
#include "controls/border.h"
#include "platform/fake/fake_platform.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"
#include "ui/label.h"
#include "ui/timer.h"

inline constexpr std::int64_t MiB = 1024 * 1024;

// The fake drive table, counting scans: each scan walks the letters from B.
class CountingDrives : public sw::FakeDrives {
public:
    sw::DriveKind Kind(char letter) override
    {
        if (letter == 'B')
            ++Scans;
        return FakeDrives::Kind(letter);
    }
    // Drive workers ask too.
    std::atomic<int> Scans = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseHeadlessBackend();
        // The tray icon's double-click wait runs on the toolkit's clock, whichever backend a
        // restarted program has.
        Platform.notifyArea->SetTimerHost({[](unsigned ms, std::function<void()> tick) {
                                               return Headless().StartTimer(ms, std::move(tick));
                                           },
                                           [](int id) { Headless().StopTimer(id); }});
    }
    void TearDown() override { Application().Reset(); }

    void Fixed(char letter, std::int64_t totalMB, std::int64_t freeMB, std::uint32_t serial = 0)
    {
        sw::FakeDrive d;
        d.kind = sw::DriveKind::Fixed;
        d.totalBytes = totalMB * MiB;
        d.freeBytes = freeMB * MiB;
        d.serial = serial;
        Platform.drives->Set(letter, d);
    }

    // A drive of `kind` without a medium: it takes a slot, and only a CD-ROM drive gets a row.
    void Empty(char letter, sw::DriveKind kind)
    {
        sw::FakeDrive d;
        d.kind = kind;
        d.mediaPresent = false;
        Platform.drives->Set(letter, d);
    }

    // Starts the program as spacewell.exe does: the main window shows unless its creation
    // left only the tray icon.
    TMainWindow& Start()
    {
        Form = CreateMainWindow(Platform.Services());
        Application().Run();
        return *Form;
    }

    TColor Pixel(int x, int y)
    {
        Form->PaintImage();
        return Form->Image().Pixel(x, y);
    }

    // Ctrl+Alt+D as the system delivers it: to the window holding the registration, if any.
    bool PressHotkey()
    {
        const auto holder = Platform.hotkeys->Holder(ssAlt | ssCtrl, TKey{'D'});
        if (!holder)
            return false;
        Headless().Hotkey(holder->id, holder->window);
        return true;
    }

    // A click on the tray icon; a single click arrives once the double-click time has passed.
    void ClickTray(sw::PointerButton button = sw::PointerButton::Left)
    {
        Platform.notifyArea->Click(button);
        Headless().AdvanceTime(600);
    }

    // Opens the tray icon's menu with a right click and chooses the item at `path`.
    void ChooseFromTrayMenu(std::vector<std::string> path)
    {
        Headless().ChooseMenuItem(HeadlessBackend::ByCaption(std::move(path)));
        ClickTray(sw::PointerButton::Right);
    }

    bool Shown() const { return Headless().IsShown(Form->Handle()); }

    TGradientBar& Bar(int row) { return *Form->MeterRows().at(row).bar; }
    TLabel& Letter(int row) { return *Form->MeterRows().at(row).label; }

    sw::FakePlatform Platform;
    TMainWindow* Form = nullptr;
};
