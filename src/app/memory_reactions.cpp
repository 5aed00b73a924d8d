// What the memory window does when shown, when the main window's transparency is copied, and
// when it is clicked or typed in. It has no key commands of its own: the main window's
// shortcut keys work here too.
#include <string>

#include "app/main_form.h"
#include "app/memory_form.h"
#include "app/transparency.h"
#include "controls/border.h"
#include "controls/push_button.h"
#include "meter/units.h"

namespace {

constexpr int kShownHeight = 212;

// The product page; the host is a reserved example domain, and the shell is given it without a
// scheme, as a web address typed into a browser.
const std::string kProductPage = "www.example.com/software.php?prodid=7";

}  // namespace

// Every time the window becomes visible: the main window's width, colour and top, centred
// vertically on it. The left edge is the slide's business.
void TForm2::FormShow(TObject* sender)
{
    (void)sender;
    SetHeight(kShownHeight);
    SetWidth(FMain.Width());
    SetTop(FMain.Top());
    SetColor(FMain.Color());
    Border_Form->SetHeight(kShownHeight);
    Border_Form->SetWidth(Width());
    const int mainHeight = FMain.Height();
    if (mainHeight > kShownHeight)
        SetTop(Top() + static_cast<int>(sw::Round((mainHeight - kShownHeight) / 2.0)));
    else
        SetTop(Top() - static_cast<int>(sw::Round((kShownHeight - mainHeight) / 2.0)));
}

// At 0 % blending goes off first, then follows the main window's switch (which 0 % has turned
// off too); otherwise the alpha is worked out from the percentage, not copied, so a main window
// still at its designed alpha gives a different value here.
void TForm2::SyncTransparency()
{
    const int percent = FMain.MainTransparency();
    if (percent == 0) {
        SetAlphaBlend(false);
        SetAlphaBlend(FMain.MainAlphaBlend());
        return;
    }
    SetAlphaBlend(FMain.MainAlphaBlend());
    SetAlphaBlendValue(AlphaForTransparency(percent));
}

// The body drags the window: every client hit becomes a caption hit.
void TForm2::WMNCHitTest(TPoint screen, int& result)
{
    TForm::WMNCHitTest(screen, result);
    if (result == HTCLIENT)
        result = HTCAPTION;
}

// Hides at once, without the slide.
void TForm2::xButtonClick(TObject* sender)
{
    (void)sender;
    Close();
    FMain.Button_ShowRAM->SetCaption(">>");
}

void TForm2::xButtonKeyPress(TObject* sender, char& key)
{
    (void)sender;
    FMain.HandleShortcutKey(key);
}

// The shell's answer does not matter: a page that fails to open shows nothing.
void TForm2::Label_ProductMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x,
                                    int y)
{
    (void)sender;
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
    FServices.shell->ShellOpen("open", kProductPage, "");
}
