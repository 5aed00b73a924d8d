// The memory window alone on the headless backend, beside a stub host that stands in for the main
// window: a test sets the memory figures the system reports and the host's place, colour and
// transparency, creates the window, lets its timer run and opens it as the host would.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/memory_form.h"
#include "controls/push_button.h"
#include "platform/fake/fake_platform.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

inline constexpr std::int64_t KiB = 1024;

// A plain form made first, so the application's main form is the host and not the memory
// window; it is never shown. It answers with what the test set and records what it was told.
class StubHost : public TForm, public IMemoryWindowHost {
public:
    explicit StubHost(TComponent* owner) : TForm(owner) { }

    TRect HostBounds() const override { return Place; }
    TColor HostColor() const override { return Body; }
    bool MainAlphaBlend() const override { return Blend; }
    int MainTransparency() const override { return Percent; }
    void HandleShortcutKey(char key) override { Keys += key; }
    void MemoryWindowClosed() override { ++Closed; }

    // The main window's designed place, colour and first-start transparency.
    TRect Place = Bounds(523, 288, 282, 154);
    TColor Body = 0xFFEEDD;
    bool Blend = true;
    int Percent = 30;
    std::string Keys;
    int Closed = 0;
};

class MemoryWindowTest : public ::testing::Test {
protected:
    void SetUp() override { UseHeadlessBackend(); }
    void TearDown() override { Application().Reset(); }

    // Bytes, as the system reports them.
    void Memory(std::int64_t totalPhys, std::int64_t availPhys, std::int64_t totalVirtual = 0,
                std::int64_t availVirtual = 0)
    {
        Platform.memory->Status = {totalPhys, availPhys, totalVirtual, availVirtual};
    }

    TMemoryPanel& Start()
    {
        Host = Application().CreateForm<StubHost>();
        Panel = Application().CreateForm<TMemoryPanel>(*Host, Platform.Services());
        return *Panel;
    }
    // What the host's button does before its slide: the transparency, then the show.
    void Open()
    {
        Panel->SyncTransparency();
        Panel->Show();
    }
    // The window's timer interval passes once: one refresh.
    void Refresh() { Headless().AdvanceTime(500); }
    void ClickClose() { Headless().Click(Panel->CloseButton->ClientToScreen({7, 7})); }
    bool PanelShown() { return Headless().IsShown(Panel->Handle()); }
    const THeadlessWindow& PanelWindow() { return *Headless().Window(Panel->Handle()); }

    TColor PanelPixel(int x, int y)
    {
        Panel->PaintImage();
        return Panel->Image().Pixel(x, y);
    }

    sw::FakePlatform Platform;
    StubHost* Host = nullptr;
    TMemoryPanel* Panel = nullptr;
};
