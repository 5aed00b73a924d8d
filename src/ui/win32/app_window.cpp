// The application window: the taskbar button, its title and icon, minimize and restore, and
// the activation it takes.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

void Win32Backend::SetAppTitle(const std::string& title)
{
    SetWindowTextA(H(FAppWindow), title.c_str());
}

void Win32Backend::SetAppIcon(const TBitmap& image, TColor transparent)
{
    const auto icon = reinterpret_cast<std::uintptr_t>(MakeIcon(image, transparent));
    if (!FAppWindowOffScreen)
        SendAppIcon(icon);
    if (FAppIcon != 0)
        DestroyIcon(reinterpret_cast<HICON>(FAppIcon));
    FAppIcon = icon;
}

void Win32Backend::SendAppIcon(std::uintptr_t icon)
{
    SendMessageA(H(FAppWindow), WM_SETICON, ICON_BIG, static_cast<LPARAM>(icon));
    SendMessageA(H(FAppWindow), WM_SETICON, ICON_SMALL, static_cast<LPARAM>(icon));
}

void Win32Backend::ShowAppWindow(bool visible, bool activate)
{
    if (FAppWindowOffScreen) {
        FAppWindowOffScreen->visible = visible;
        // A show that does not activate also restores a minimized window.
        if (visible && !activate)
            FAppWindowOffScreen->iconic = false;
        return;
    }
    ShowWindow(H(FAppWindow), !visible ? SW_HIDE : activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    ++FScreenChanges;
}

bool Win32Backend::AppWindowIconic()
{
    if (FAppWindowOffScreen)
        return FAppWindowOffScreen->iconic;
    return IsIconic(H(FAppWindow)) != FALSE;
}

void Win32Backend::MinimizeApp()
{
    if (FAppWindowOffScreen)
        *FAppWindowOffScreen = {true, true};
    else
        ShowWindow(H(FAppWindow), SW_MINIMIZE);
    ++FScreenChanges;
}

void Win32Backend::RestoreApp()
{
    if (FAppWindowOffScreen)
        *FAppWindowOffScreen = {true, false};
    else
        ShowWindow(H(FAppWindow), SW_RESTORE);
    ++FScreenChanges;
}

// The icon and the state kept so far go on screen in one step; from now on every change goes
// there at once. The show activates: Wine's taskbar adds a button only for a window that does.
void Win32Backend::PutAppWindowOnScreen()
{
    if (!FAppWindowOffScreen)
        return;
    const AppWindowState state = *FAppWindowOffScreen;
    FAppWindowOffScreen.reset();
    if (FAppIcon != 0)
        SendAppIcon(FAppIcon);
    if (state.iconic)
        ShowWindow(H(FAppWindow), SW_SHOWMINNOACTIVE);
    if (state.visible && !state.iconic)
        ShowWindow(H(FAppWindow), SW_SHOW);
    else if (!state.visible && state.iconic)
        ShowWindow(H(FAppWindow), SW_HIDE);
    ++FScreenChanges;
}

bool Win32Backend::AppActive()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &pid);
    return pid == GetCurrentProcessId();
}

std::intptr_t Win32Backend::AppMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (auto answer = DeskNotice(msg, wParam, lParam))
        return *answer;
    // Its system menu, from the taskbar button.
    NoteModalLoop(msg);
    // The taskbar button and Alt+Tab activate this window, which takes no keys: the toolkit
    // hands the focus on to a form.
    if (msg == WM_SETFOCUS)
        PostAppActivated();
    const std::optional<TSysCommand> command = SysCommandOf(msg, wParam);
    if (command && FAppHandler != nullptr && FAppHandler->AppCommand(*command))
        return 0;
    return DefWindowProcA(H(FAppWindow), msg, wParam, lParam);
}
