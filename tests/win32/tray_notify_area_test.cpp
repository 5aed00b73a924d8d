// The Win32 notification area under Wine: the hidden window the shell talks to, the icon calls
// with a tooltip, and a callback message reaching the handler.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/notify_area.h"

namespace sw {
namespace {

class Win32TrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        area = MakeNativeNotifyArea();
        window =
            area->CreateTrayWindow([this](const TrayMessage& m) -> std::optional<std::intptr_t> {
                received.push_back(m);
                if (m.msg == kTrayCallbackMessage)
                    return 0;
                return std::nullopt;
            });
        hwnd = reinterpret_cast<HWND>(window->Handle());
    }

    void PumpMessages()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    TrayIconData IconData(const std::string& tip) const
    {
        TrayIconData data;
        data.cbSize = kNewShellDataSize;
        data.hWnd = window->Handle();
        data.uFlags = kNifMessage | kNifIcon | kNifTip;
        data.szTip = tip;
        data.uVersion = kNotifyIconVersion;
        data.hIcon.width = 16;
        data.hIcon.height = 16;
        data.hIcon.pixels.assign(16 * 16, 0x0000FF);
        data.hIcon.mask.assign(16 * 16, 0);
        return data;
    }

    std::shared_ptr<INotifyArea> area;
    std::unique_ptr<ITrayWindow> window;
    HWND hwnd = nullptr;
    std::vector<TrayMessage> received;
};

TEST_F(Win32TrayTest, HiddenWindowIsAZeroSizedToolPopup)
{
    ASSERT_TRUE(IsWindow(hwnd));
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    EXPECT_STREQ(className, "TPUtilWindowEx");
    EXPECT_NE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_POPUP, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetParent(hwnd), nullptr);
    RECT bounds{};
    GetWindowRect(hwnd, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    EXPECT_EQ(bounds.bottom - bounds.top, 0);
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 0);

    window.reset();
    EXPECT_FALSE(IsWindow(hwnd)) << "the window goes with its owner";
}

TEST_F(Win32TrayTest, PostedCallbackReachesTheHandler)
{
    window->Post(kTrayCallbackMessage, kTrayIconId, kWmLButtonDown);
    SendMessageA(hwnd, kTrayCallbackMessage, kTrayIconId, kWmRButtonUp);
    PumpMessages();
    std::vector<std::intptr_t> callbacks;
    for (const TrayMessage& m : received)
        if (m.msg == kTrayCallbackMessage && m.wParam == kTrayIconId)
            callbacks.push_back(m.lParam);
    EXPECT_EQ(callbacks, (std::vector<std::intptr_t>{kWmRButtonUp, kWmLButtonDown}));
}

TEST_F(Win32TrayTest, UnhandledMessagesGetTheDefaultAnswer)
{
    // WM_QUERYENDSESSION's default answer lets the session end.
    EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(received.size(), 1u);
}

TEST_F(Win32TrayTest, SystemQueries)
{
    EXPECT_GE(area->ShellFileVersion(), kNewShellVersion) << "Wine reports shell32 6.0";
    EXPECT_EQ(area->ShellFileVersion(), area->ShellFileVersion());
    EXPECT_EQ(area->DoubleClickTime(), GetDoubleClickTime());
    EXPECT_EQ(area->TaskbarCreatedMessage(), RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_GE(area->TaskbarCreatedMessage(), 0xC000u);
    // Modern systems have no RegisterServiceProcess: nothing happens.
    area->SetTaskListVisible(false);
    area->SetTaskListVisible(true);
}

TEST_F(Win32TrayTest, IconWithTooltipIsAddedChangedAndRemoved)
{
    const bool added = window->NotifyIcon(kNimAdd, IconData("Spacewell"));
    if (!added && !FindWindowA("Shell_TrayWnd", nullptr))
        FAIL() << "no notification area in this session, so nothing was checked";
    ASSERT_TRUE(added);
    TrayIconData data = IconData("Spacewell");
    data.uFlags = 0;
    EXPECT_TRUE(window->NotifyIcon(kNimSetVersion, data));
    data.uFlags = kNifTip;
    data.szTip = std::string(200, 'x');
    EXPECT_TRUE(window->NotifyIcon(kNimModify, data)) << "an over-long tip is cut, not refused";
    data.uFlags = 0;
    EXPECT_TRUE(window->NotifyIcon(kNimDelete, data));
    data.uFlags = kNifTip;
    EXPECT_FALSE(window->NotifyIcon(kNimModify, data)) << "the shell no longer knows the icon";
}

TEST_F(Win32TrayTest, OldShellLayoutIsSentAtItsOwnSize)
{
    TrayIconData data = IconData(std::string(100, 'y'));
    data.cbSize = kOldShellDataSize;
    const bool added = window->NotifyIcon(kNimAdd, data);
    if (!added && !FindWindowA("Shell_TrayWnd", nullptr))
        FAIL() << "no notification area in this session, so nothing was checked";
    EXPECT_TRUE(added) << "the first-version block, its tip cut to 63 characters";
    data.uFlags = kNifTip;
    EXPECT_TRUE(window->NotifyIcon(kNimModify, data));
    data.uFlags = 0;
    EXPECT_TRUE(window->NotifyIcon(kNimDelete, data));
}

}  // namespace
}  // namespace sw
