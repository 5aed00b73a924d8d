// The toolkit on real Win32 windows: a borderless alpha-blended form with a windowed child,
// painted (no paint left queued by its show), hit-tested, made topmost in place, ticking a
// timer, then closed. Needs a display.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gfx/canvas.h"
#include "ui/application.h"
#include "ui/timer.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

class Swatch : public TCustomControl {
public:
    explicit Swatch(TComponent* owner) : TCustomControl(owner) { }

protected:
    void Paint() override
    {
        Canvas().Brush = TBrush{clBlue, TBrushStyle::bsSolid};
        Canvas().FillRect(ClientRect());
    }
};

class BodyDragForm : public TForm {
public:
    explicit BodyDragForm(TComponent* owner) : TForm(owner)
    {
        SetBorderStyle(TFormBorderStyle::bsNone);
        SetBounds(100, 100, 120, 80);
        SetColor(clRed);
        SetAlphaBlend(true);
        SetAlphaBlendValue(200);
        child = new Swatch(this);
        child->SetBounds(10, 10, 20, 20);
        child->SetParent(this);
    }
    Swatch* child;

protected:
    void HitTest(TPoint, THitTest& result) override
    {
        if (result == THitTest::Client)
            result = THitTest::Caption;
    }
};

void Pump(const std::function<bool()>& done)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        Application().ProcessMessages();
        Sleep(5);
    }
}

// At start the tray icon hides, minimizes, shows and restores the application before any form
// shows. The taskbar window keeps those steps to itself and goes on screen where they ended once
// the message loop runs, after the main form; from then on each step goes on screen at once.
// Run alone by its own test entry, since nothing may have shown before it.
TEST(UiWin32FirstShow, DISABLED_ApplicationWindowStepsBeforeTheFirstFormGoOnScreenAsOne)
{
    HWND app = reinterpret_cast<HWND>(Application().Handle());
    Application().Icon().SetImage(TBitmap(16, 16), clNone);
    Application().HideApplicationWindow();
    Application().Minimize();
    EXPECT_TRUE(Application().IsApplicationWindowIconic());
    EXPECT_FALSE(IsWindowVisible(app));
    Application().ShowApplicationWindow();
    Application().Restore();
    EXPECT_FALSE(Application().IsApplicationWindowIconic());
    EXPECT_FALSE(IsWindowVisible(app));

    auto* form = Application().CreateForm<BodyDragForm>();
    form->Show();
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_EQ(SendMessageA(app, WM_GETICON, ICON_BIG, 0), 0);
    Application().ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_NE(SendMessageA(app, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_FALSE(IsIconic(app));
    Application().Minimize();
    EXPECT_TRUE(IsIconic(app));
    Application().Restore();
    EXPECT_FALSE(IsIconic(app));
    Application().Reset();
}

TEST(UiWin32, AlphaFormWithAChildPaintsHitTestsAndCloses)
{
    Application().SetTitle("Spacewell v.1");
    auto* form = Application().CreateForm<BodyDragForm>();
    form->Show();
    HWND hwnd = reinterpret_cast<HWND>(form->Handle());
    // The whole picture presented with the show makes the paint the system queued for it
    // needless: left queued, it would paint the window a second time.
    const bool paintLeftByShow = GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
    Application().ProcessMessages();
    if (!IsWindow(hwnd)) {
        Application().Reset();
        FAIL() << "no display: Wine cannot create windows here, so nothing was checked";
    }
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(paintLeftByShow);

    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_TRUE(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), reinterpret_cast<HWND>(Application().Handle()));
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 80);

    EXPECT_EQ(form->Image().Pixel(5, 5), clRed);
    EXPECT_EQ(form->Image().Pixel(15, 15), clBlue);

    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTCAPTION);
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(115, 115)), HTCLIENT);

    form->SetFormStyle(TFormStyle::fsStayOnTop);
    EXPECT_EQ(reinterpret_cast<HWND>(form->Handle()), hwnd);
    EXPECT_TRUE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    int ticks = 0;
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    Pump([&] { return ticks >= 2; });
    EXPECT_GE(ticks, 2);

    std::atomic<bool> synced = false;
    DWORD ranOn = 0;
    std::thread worker([&] {
        Application().Synchronize([&] { ranOn = GetCurrentThreadId(); });
        synced = true;
    });
    Pump([&] { return synced.load(); });
    worker.join();
    EXPECT_EQ(ranOn, GetCurrentThreadId());

    bool closed = false;
    form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(Application().Terminated());
    Application().Reset();
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
