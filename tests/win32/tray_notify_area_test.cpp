// The Win32 notification area under Wine: the hidden window the shell talks to, the icon calls
// with a tooltip and a balloon in both layouts, the shell's and the session's messages turned
// into events, and icon handles made from pixels and a mask.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/notify_area.h"
#include "platform/win32/win32_icon.h"
#include "platform/win32/win32_notify_shell.h"

namespace sw {
namespace {

// Writes down every event as a short line.
class RecordedEvents : public ITrayEvents {
public:
    std::vector<std::string> lines;
    bool mayEnd = true;

    void PointerMoved() override { lines.push_back("move"); }
    void ButtonChanged(ButtonAction action, PointerButton button) override
    {
        static const char* const actions[] = {"down", "up", "double"};
        static const char* const buttons[] = {"left", "right", "middle"};
        lines.push_back(std::string(actions[static_cast<int>(action)]) + " " +
                        buttons[static_cast<int>(button)]);
    }
    void MenuRequested(MenuRequest how) override
    {
        lines.push_back(how == MenuRequest::ContextMenu ? "menu" : "menu key");
    }
    // The shell never reports these: a line for one fails the comparisons.
    void Activated(int, int) override { lines.push_back("activated"); }
    void MenuAskedAt(int, int) override { lines.push_back("menu asked"); }
    void MenuAboutToShow() override { lines.push_back("menu about to show"); }
    void MenuItemChosen(int) override { lines.push_back("menu item"); }
    void BalloonChanged(BalloonEvent event) override
    {
        static const char* const events[] = {"shown", "hidden", "timeout", "clicked"};
        lines.push_back(std::string("balloon ") + events[static_cast<int>(event)]);
    }
    void ShellRestarted() override { lines.push_back("restart"); }
    void TimerFired(unsigned id) override { lines.push_back("timer " + std::to_string(id)); }
    bool SessionMayEnd() override
    {
        lines.push_back("may end");
        return mayEnd;
    }
    void SessionEnded(bool ending) override { lines.push_back(ending ? "end" : "end cancelled"); }
};

IconImage RedSquare()
{
    IconImage image;
    image.width = 16;
    image.height = 16;
    image.pixels.assign(16 * 16, 0x0000FF);
    image.mask.assign(16 * 16, 0);
    return image;
}

class Win32TrayTest : public ::testing::Test {
protected:
    void SetUp() override { Open(MakeNativeNotifyArea()); }

    void Open(std::shared_ptr<INotifyArea> newArea)
    {
        window.reset();
        area = std::move(newArea);
        window = area->CreateTrayWindow(events);
        hwnd = reinterpret_cast<HWND>(window->Handle());
    }

    void PumpMessages()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    // What the shell sends for a mouse message or notification over the icon.
    LRESULT Notify(UINT notification)
    {
        return SendMessageA(hwnd, kTrayCallbackMessage, kTrayIconId, notification);
    }

    // Fails the test, saying why, when the session has no notification area to check against.
    bool NoShell(bool answered) const
    {
        return !answered && !FindWindowA("Shell_TrayWnd", nullptr);
    }

    RecordedEvents events;
    std::shared_ptr<INotifyArea> area;
    std::unique_ptr<ITrayWindow> window;
    HWND hwnd = nullptr;
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

TEST_F(Win32TrayTest, PostedCallbackReachesTheEvents)
{
    PostMessageA(hwnd, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
    Notify(WM_RBUTTONUP);
    PumpMessages();
    EXPECT_EQ(events.lines, (std::vector<std::string>{"up right", "down left"}));
}

TEST_F(Win32TrayTest, ShellNotificationsBecomeEvents)
{
    struct Case {
        UINT notification;
        const char* event;
        LRESULT answer;
    };
    const Case cases[] = {
        {WM_MOUSEMOVE, "move", 0},
        {WM_LBUTTONDOWN, "down left", 0},
        {WM_RBUTTONDOWN, "down right", 0},
        {WM_MBUTTONDOWN, "down middle", 0},
        {WM_LBUTTONUP, "up left", 0},
        {WM_RBUTTONUP, "up right", 0},
        {WM_MBUTTONUP, "up middle", 0},
        {WM_LBUTTONDBLCLK, "double left", 0},
        {WM_RBUTTONDBLCLK, "double right", 0},
        {WM_MBUTTONDBLCLK, "double middle", 0},
        {WM_CONTEXTMENU, "menu", 0},
        {NIN_KEYSELECT, "menu key", 0},
        {NIN_BALLOONSHOW, "balloon shown", 0},
        {NIN_BALLOONHIDE, "balloon hidden", 1},
        {NIN_BALLOONTIMEOUT, "balloon timeout", 1},
        {NIN_BALLOONUSERCLICK, "balloon clicked", 1},
    };
    for (const Case& c : cases) {
        events.lines.clear();
        EXPECT_EQ(Notify(c.notification), c.answer) << c.event;
        EXPECT_EQ(events.lines, std::vector<std::string>{c.event}) << std::hex << c.notification;
    }
    events.lines.clear();
    EXPECT_EQ(Notify(NIN_SELECT), 0);
    EXPECT_TRUE(events.lines.empty()) << "a left click's selection is the click itself";
}

TEST_F(Win32TrayTest, SessionTimerAndShellRestartBecomeEvents)
{
    EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), TRUE);
    events.mayEnd = false;
    EXPECT_EQ(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0), FALSE);
    SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
    SendMessageA(hwnd, WM_ENDSESSION, FALSE, 0);
    SendMessageA(hwnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(events.lines,
              (std::vector<std::string>{"may end", "may end", "end", "end cancelled", "restart"}));

    events.lines.clear();
    window->SetTimer(7, 10);
    const DWORD limit = GetTickCount() + 2000;
    while (events.lines.empty() && GetTickCount() < limit) {
        PumpMessages();
        Sleep(5);
    }
    window->KillTimer(7);
    ASSERT_FALSE(events.lines.empty()) << "the timer never fired";
    EXPECT_EQ(events.lines.front(), "timer 7");
}

TEST_F(Win32TrayTest, UnhandledMessagesGetTheDefaultAnswer)
{
    // WM_NULL (also what MenuClosed posts) must not pass for the shell's restart.
    EXPECT_EQ(SendMessageA(hwnd, WM_NULL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 0x234, 0, 0), 0);
    EXPECT_TRUE(events.lines.empty());

    window->MenuClosed();
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, hwnd, WM_NULL, WM_NULL, PM_REMOVE))
        << "after a menu, an empty message lets the foreground switch finish";
    PumpMessages();
    EXPECT_TRUE(events.lines.empty());
}

TEST_F(Win32TrayTest, SystemQueries)
{
    EXPECT_GE(ShellFileVersion(), 0x50000u) << "Wine reports shell32 6.0";
    EXPECT_EQ(ShellFileVersion(), ShellFileVersion());
    EXPECT_EQ(area->Features(), DialectOf(ShellFileVersion()).features);
    EXPECT_EQ(area->DoubleClickTime(), GetDoubleClickTime());
    // Modern systems have no RegisterServiceProcess: nothing happens.
    area->SetTaskListVisible(false);
    area->SetTaskListVisible(true);
}

TEST_F(Win32TrayTest, ShellVersionPicksTheLayoutAndTheFeatures)
{
    struct Case {
        std::uint32_t shellVersion;
        bool newLayout;
    };
    for (Case c :
         {Case{0x60000, true}, Case{0x50000, true}, Case{0x40047, false}, Case{0, false}}) {
        const ShellDialect dialect = DialectOf(c.shellVersion);
        EXPECT_EQ(dialect.dataSize, static_cast<DWORD>(c.newLayout ? NOTIFYICONDATAA_V2_SIZE
                                                                   : NOTIFYICONDATAA_V1_SIZE))
            << std::hex << c.shellVersion;
        // The shipped 32-bit program sends the layouts at their documented sizes.
        if (sizeof(void*) == 4) {
            EXPECT_EQ(dialect.dataSize, c.newLayout ? 488u : 88u);
        }
        EXPECT_EQ(dialect.version3, c.newLayout);
        const NotifyAreaFeatures expected = c.newLayout
                                                ? NotifyAreaFeatures{127, true, true, true}
                                                : NotifyAreaFeatures{63, false, false, false};
        EXPECT_EQ(dialect.features, expected) << std::hex << c.shellVersion;
    }
}

TEST_F(Win32TrayTest, BalloonIconsInTheShellsNumbering)
{
    EXPECT_EQ(InfoFlagsOf(BalloonIcon::None), static_cast<DWORD>(NIIF_NONE));
    EXPECT_EQ(InfoFlagsOf(BalloonIcon::Info), static_cast<DWORD>(NIIF_INFO));
    EXPECT_EQ(InfoFlagsOf(BalloonIcon::Warning), static_cast<DWORD>(NIIF_WARNING));
    EXPECT_EQ(InfoFlagsOf(BalloonIcon::Error), static_cast<DWORD>(NIIF_ERROR));
}

TEST_F(Win32TrayTest, IconWithTooltipIsAddedChangedAndRemoved)
{
    const bool added = window->ShowIcon(RedSquare(), "Spacewell");
    if (NoShell(added))
        FAIL() << "no notification area in this session, so nothing was checked";
    ASSERT_TRUE(added);
    NotifyIconChange tip;
    tip.tip = std::string(200, 'x');
    EXPECT_TRUE(window->ChangeIcon(tip)) << "an over-long tip is cut, not refused";
    NotifyIconChange balloon;
    balloon.balloon = NotifyBalloon{"Low disk space", "D: 5 %", BalloonIcon::Warning, 2000};
    EXPECT_TRUE(window->ChangeIcon(balloon));
    balloon.balloon = NotifyBalloon{};
    EXPECT_TRUE(window->ChangeIcon(balloon)) << "the empty balloon that closes it";
    NotifyIconChange image;
    IconImage green = RedSquare();
    green.pixels.assign(green.pixels.size(), 0x00FF00);
    image.image = green;
    EXPECT_TRUE(window->ChangeIcon(image));
    EXPECT_TRUE(window->RemoveIcon());
    EXPECT_FALSE(window->ChangeIcon(tip)) << "the shell no longer knows the icon";
    EXPECT_FALSE(window->RemoveIcon());
}

TEST_F(Win32TrayTest, OldShellLayoutIsSentAtItsOwnSize)
{
    Open(MakeWin32NotifyArea(0x40000));
    EXPECT_EQ(area->Features().tipLength, 63u);
    const bool added = window->ShowIcon(RedSquare(), std::string(100, 'y'));
    if (NoShell(added))
        FAIL() << "no notification area in this session, so nothing was checked";
    EXPECT_TRUE(added) << "the first-version block, its tip cut to 63 characters";
    NotifyIconChange tip;
    tip.tip = std::string(100, 'z');
    EXPECT_TRUE(window->ChangeIcon(tip));
    EXPECT_TRUE(window->RemoveIcon());
}

// Reads an icon's colour and mask bits back as 32-bit top-down rows.
std::vector<std::uint32_t> Bits(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bits;
}

TEST_F(Win32TrayTest, IconHandleFromPixelsAndMask)
{
    EXPECT_EQ(MakeIconHandle(IconImage{}), nullptr);

    // 3 × 2: a blue, a green and a see-through pixel above three red ones.
    IconImage image;
    image.width = 3;
    image.height = 2;
    image.pixels = {0xFF0000, 0x00FF00, 0x123456, 0x0000FF, 0x0000FF, 0x0000FF};
    image.mask = {0, 0, 1, 0, 0, 0};
    HICON icon = MakeIconHandle(image);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    const std::vector<std::uint32_t> colour = Bits(info.hbmColor, 3, 2);
    const std::vector<std::uint32_t> mask = Bits(info.hbmMask, 3, 2);
    // The DIB reads 0x00RRGGBB: blue, green, black where see-through, then red.
    EXPECT_EQ(colour[0] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(colour[1] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(colour[2] & 0xFFFFFF, 0u);
    EXPECT_EQ(colour[3] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(mask[0] & 0xFFFFFF, 0u);
    EXPECT_EQ(mask[2] & 0xFFFFFF, 0xFFFFFFu);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);

    const POINT hotSpot{2, 1};
    HICON cursor = MakeIconHandle(image, &hotSpot);
    ASSERT_NE(cursor, nullptr);
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 2u);
    EXPECT_EQ(info.yHotspot, 1u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
}

}  // namespace
}  // namespace sw
