// The tray icon component on the real shell under Wine: its icon is in the notification area,
// and the shell's click notifications become the component's events on the real timer.
#include "controls/tray_icon.h"
#include "ui/application.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Event {
    char kind;  // 'c' click, 'd' double click, 'm' context menu
    TMouseButton button;
};

class Win32TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tray = std::make_unique<TTrayIcon>(nullptr);
        tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar, tvVisibleTaskList}));
        tray->SetHint("Spacewell|the drive meter");
        tray->OnClick = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            events.push_back({'c', b});
        };
        tray->OnDblClick = [this](TObject*, TMouseButton b, TShiftState, int, int) {
            events.push_back({'d', b});
        };
        tray->OnContextPopup = [this](TObject*, TPoint, bool& handled) {
            events.push_back({'m', TMouseButton::mbRight});
            handled = true;
        };
        tray->SetActive(true);
        hidden = FindWindowA("TPUtilWindowEx", "");
    }
    void TearDown() override { tray.reset(); }

    // What the shell sends for a mouse message over the icon.
    void Notify(UINT mouseMessage) { SendMessageA(hidden, 0x401, 1, mouseMessage); }

    // Runs the message loop until `count` events arrived or twice the double-click time passed.
    void WaitForEvents(std::size_t count)
    {
        const DWORD limit = GetTickCount() + 2 * GetDoubleClickTime();
        while (events.size() < count && GetTickCount() < limit) {
            Application().ProcessMessages();
            Sleep(10);
        }
    }

    // True while the shell knows the component's icon: changing it succeeds only then.
    bool IconInShell()
    {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V2_SIZE;
        data.hWnd = hidden;
        data.uID = 1;
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }

    std::unique_ptr<TTrayIcon> tray;
    HWND hidden = nullptr;
    std::vector<Event> events;
};

TEST_F(Win32TrayIconTest, IconIsInTheNotificationArea)
{
    ASSERT_NE(hidden, nullptr);
    if (!FindWindowA("Shell_TrayWnd", nullptr) && !IconInShell())
        FAIL() << "no notification area in this session, so nothing was checked";
    EXPECT_TRUE(IconInShell());
    Notify(WM_MOUSEMOVE);
    tray->SetActive(false);
    EXPECT_FALSE(IconInShell());
}

TEST_F(Win32TrayIconTest, SingleClickArrivesAfterTheDoubleClickTime)
{
    const DWORD start = GetTickCount();
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    Application().ProcessMessages();
    EXPECT_TRUE(events.empty());
    WaitForEvents(1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, 'c');
    EXPECT_EQ(events[0].button, TMouseButton::mbLeft);
    EXPECT_GE(GetTickCount() - start + 20, GetDoubleClickTime());
}

TEST_F(Win32TrayIconTest, DoubleClickIsNoClick)
{
    Notify(WM_LBUTTONDOWN);
    Notify(WM_LBUTTONUP);
    Notify(WM_LBUTTONDBLCLK);
    Notify(WM_LBUTTONUP);
    WaitForEvents(2);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, 'd');
}

TEST_F(Win32TrayIconTest, RightClickAsksForTheMenuAndClicksLater)
{
    Notify(WM_RBUTTONDOWN);
    Notify(WM_RBUTTONUP);
    Notify(WM_CONTEXTMENU);
    WaitForEvents(2);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, 'm');
    EXPECT_EQ(events[1].kind, 'c');
    EXPECT_EQ(events[1].button, TMouseButton::mbRight);
}

}  // namespace
