// The toolkit on real Win32 windows: a borderless alpha-blended form with a windowed child,
// painted, hit-tested, made topmost in place, ticking a timer, then closed. Needs a display.
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
        Canvas().Brush = TBrush{clBlue, bsSolid};
        Canvas().FillRect(ClientRect());
    }
};

class BodyDragForm : public TForm {
public:
    explicit BodyDragForm(TComponent* owner) : TForm(owner)
    {
        SetBorderStyle(bsNone);
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
    void WMNCHitTest(TPoint, int& result) override
    {
        if (result == HTCLIENT)
            result = HTCAPTION;
    }
};

void Pump(const std::function<bool()>& done)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        Application().ProcessMessages();
        Sleep(5);
    }
}

TEST(UiWin32, AlphaFormWithAChildPaintsHitTestsAndCloses)
{
    Application().SetTitle("Spacewell v.1");
    auto* form = Application().CreateForm<BodyDragForm>();
    form->Show();
    Application().ProcessMessages();
    HWND hwnd = reinterpret_cast<HWND>(form->Handle());
    if (!IsWindow(hwnd)) {
        Application().Reset();
        FAIL() << "no display: Wine cannot create windows here, so nothing was checked";
    }
    EXPECT_TRUE(IsWindowVisible(hwnd));

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

    form->SetFormStyle(fsStayOnTop);
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
