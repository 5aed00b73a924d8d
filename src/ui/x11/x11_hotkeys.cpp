// Grabs are taken and checked at once (XSync), because a refusal comes back as an error that
// Xlib would otherwise report much later, to the general error handler. Only a refused grab
// counts, so errors of earlier requests met on the way change nothing.
#include "ui/x11/x11_hotkeys.h"

#include <X11/XKBlib.h>
#include <X11/Xproto.h>
#include <X11/keysym.h>

#include <algorithm>

#include "ui/x11/x11_keys.h"

namespace {

bool gGrabRefused = false;

int NoteRefusal(Display*, XErrorEvent* error)
{
    if (error->error_code == BadAccess && error->request_code == X_GrabKey)
        gGrabRefused = true;
    return 0;
}

// Keys that differ in these only are the same hotkey.
constexpr unsigned kModifierMask = ShiftMask | ControlMask | Mod1Mask;

unsigned MaskOf(TShiftState modifiers)
{
    unsigned mask = 0;
    if ((modifiers & ssShift) != 0)
        mask |= ShiftMask;
    if ((modifiers & ssCtrl) != 0)
        mask |= ControlMask;
    if ((modifiers & ssAlt) != 0)
        mask |= Mod1Mask;
    return mask;
}

}  // namespace

X11Hotkeys::X11Hotkeys(X11Backend& backend)
    : FBackend(backend), FDisplay(backend.XDisplay()), FRoot(DefaultRootWindow(FDisplay))
{
    FFilter = FBackend.AddEventFilter([this](const XEvent& event) { return Filter(event); });
}

X11Hotkeys::~X11Hotkeys()
{
    FBackend.RemoveEventFilter(FFilter);
    for (const Grab& grab : FGrabs)
        UngrabAllLocks(grab.code, grab.modifiers);
}

bool X11Hotkeys::Register(WindowId window, int id, TShiftState modifiers, TKey key)
{
    const bool taken = std::any_of(FGrabs.begin(), FGrabs.end(), [&](const Grab& grab) {
        return grab.window == window && grab.id == id;
    });
    const KeySym symbol = KeySymOf(key);
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(FDisplay, symbol);
    if (taken || code == 0)
        return false;
    const unsigned mask = MaskOf(modifiers);
    if (!GrabAllLocks(code, mask))
        return false;
    FGrabs.push_back({window, id, code, mask});
    return true;
}

bool X11Hotkeys::Unregister(WindowId window, int id)
{
    auto at = std::find_if(FGrabs.begin(), FGrabs.end(), [&](const Grab& grab) {
        return grab.window == window && grab.id == id;
    });
    if (at == FGrabs.end())
        return false;
    UngrabAllLocks(at->code, at->modifiers);
    FGrabs.erase(at);
    XFlush(FDisplay);
    return true;
}

// CapsLock is Lock; NumLock is whichever modifier the keyboard map gives Num_Lock.
std::vector<unsigned> X11Hotkeys::LockStates()
{
    unsigned numLock = 0;
    const KeyCode numLockCode = XKeysymToKeycode(FDisplay, XK_Num_Lock);
    XModifierKeymap* map = XGetModifierMapping(FDisplay);
    for (int modifier = 0; modifier < 8 && numLockCode != 0; ++modifier)
        for (int k = 0; k < map->max_keypermod; ++k)
            if (map->modifiermap[modifier * map->max_keypermod + k] == numLockCode)
                numLock = 1u << modifier;
    XFreeModifiermap(map);
    return {0, LockMask, numLock, LockMask | numLock};
}

bool X11Hotkeys::GrabAllLocks(KeyCode code, unsigned modifiers)
{
    gGrabRefused = false;
    auto* previous = XSetErrorHandler(NoteRefusal);
    for (unsigned locks : LockStates())
        XGrabKey(FDisplay, code, modifiers | locks, FRoot, False, GrabModeAsync, GrabModeAsync);
    XSync(FDisplay, False);
    XSetErrorHandler(previous);
    if (gGrabRefused)
        UngrabAllLocks(code, modifiers);
    return !gGrabRefused;
}

void X11Hotkeys::UngrabAllLocks(KeyCode code, unsigned modifiers)
{
    for (unsigned locks : LockStates())
        XUngrabKey(FDisplay, code, modifiers | locks, FRoot);
}

// The grabbed key's press goes to the window it was registered for; its release is dropped.
bool X11Hotkeys::Filter(const XEvent& event)
{
    if ((event.type != KeyPress && event.type != KeyRelease) || event.xkey.window != FRoot)
        return false;
    const unsigned mask = event.xkey.state & kModifierMask;
    for (const Grab& grab : FGrabs)
        if (grab.code == event.xkey.keycode && grab.modifiers == mask) {
            if (event.type == KeyPress)
                FBackend.DeliverHotkey(grab.window, grab.id);
            return true;
        }
    return false;
}
