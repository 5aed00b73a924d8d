// What the memory window does when shown, when the host's transparency is copied, and when it
// is clicked or typed in. It has no key commands of its own: the host's shortcut keys work here
// too.
#include <string>

#include "app/app_icon.h"
#include "app/memory_form.h"
#include "app/memory_place.h"
#include "app/transparency.h"
#include "controls/border.h"
#include "ui/image.h"

namespace {

constexpr int kShownHeight = 212;
// The program's picture beside the virtual memory figures, in design pixels.
constexpr int kProgramIconSize = 32;

// The product page; the host is a reserved example domain, and the shell is given it without a
// scheme, as a web address typed into a browser.
const std::string kProductPage = "www.example.com/software.php?prodid=7";

}  // namespace

// Every time the window becomes visible: the host's width, colour and top, centred vertically
// on it. The left edge is the slide's business.
void TMemoryPanel::FormShow(TObject* /*sender*/)
{
    const TRect host = FHost.HostBounds();
    const int height = Scaled(kShownHeight);
    SetHeight(height);
    SetWidth(host.Width());
    SetColor(FHost.HostColor());
    TitleBorder->SetHeight(height);
    TitleBorder->SetWidth(Width());
    SetTop(CentredTop(host.top, host.Height(), height, WorkAreaAround(host)));
}

void TMemoryPanel::ChangeScale(int m, int d)
{
    TMemoryWindow::ChangeScale(m, d);
    ProgramIcon->SetPicture(SpacewellIconPicture(Scaled(kProgramIconSize)));
}

void TMemoryPanel::DpiChanged()
{
    if (!Visible())
        return;
    SetHeight(Scaled(kShownHeight));
    TitleBorder->SetHeight(Height());
    TitleBorder->SetWidth(Width());
}

// Alt+F4 and every other close lands here, as the own close button does: the host's button
// then reads ">>" again.
void TMemoryPanel::FormClose(TObject* /*sender*/, TCloseAction& /*action*/)
{
    FHost.MemoryWindowClosed();
}

// At 0 % blending goes off first, then follows the host's switch (which 0 % has turned off
// too); otherwise the alpha is worked out from the percentage, not copied, so a host still at
// its designed alpha gives a different value here.
void TMemoryPanel::SyncTransparency()
{
    const int percent = FHost.MainTransparency();
    if (percent == 0) {
        SetAlphaBlend(false);
        SetAlphaBlend(FHost.MainAlphaBlend());
        return;
    }
    SetAlphaBlend(FHost.MainAlphaBlend());
    SetAlphaBlendValue(AlphaForTransparency(percent));
}

// Hides at once, without the slide.
void TMemoryPanel::CloseButtonClick(TObject* /*sender*/) { Close(); }

void TMemoryPanel::CloseButtonKeyPress(TObject* /*sender*/, char& key)
{
    FHost.HandleShortcutKey(key);
}

// The shell's answer does not matter: a page that fails to open shows nothing.
void TMemoryPanel::ProductLinkMouseDown(TObject* /*sender*/, TMouseButton /*button*/,
                                        TShiftState /*shift*/, int /*x*/, int /*y*/)
{
    FServices.shell->ShellOpen(Handle(), "open", kProductPage, "");
}
