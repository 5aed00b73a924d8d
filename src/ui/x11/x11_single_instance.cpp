// The selection is the X server's own lock: it goes with the connection of the copy that owns
// it, so a copy that crashed leaves nothing behind that keeps the next start from running.
#include "ui/x11/x11_single_instance.h"

#include <X11/Xlib-xcb.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ui/x11/x11_batched.h"

namespace {

std::string SelectionName() { return "_SPACEWELL_" + std::to_string(getuid()); }

constexpr const char* kShowMessage = "_SPACEWELL_SHOW";

}  // namespace

std::vector<std::string> X11SingleInstance::AtomNames() { return {SelectionName(), kShowMessage}; }

X11SingleInstance::X11SingleInstance(X11Backend& backend)
    : FBackend(backend), FDisplay(backend.XDisplay()),
      FName(backend.Intern(SelectionName().c_str())), FShowMessage(backend.Intern(kShowMessage))
{
    FFilter = FBackend.AddEventFilter([this](const XEvent& event) { return Filter(event); });
    xcb_connection_t* connection = XGetXCBConnection(FDisplay);
    FOwnerAsked = xcb_get_selection_owner(connection, static_cast<xcb_atom_t>(FName));
    xcb_flush(connection);
}

X11SingleInstance::~X11SingleInstance()
{
    FBackend.RemoveEventFilter(FFilter);
    if (FWindow != 0)
        XDestroyWindow(FDisplay, FWindow);
    if (FOwnerAsked)
        xcb_discard_reply(XGetXCBConnection(FDisplay), FOwnerAsked->sequence);
}

Window X11SingleInstance::OwnerAskedAtStart()
{
    xcb_connection_t* connection = XGetXCBConnection(FDisplay);
    xcb_get_selection_owner_reply_t* reply =
        AnswerOf(xcb_get_selection_owner_reply, connection, *FOwnerAsked);
    FOwnerAsked.reset();
    const Window owner = reply != nullptr ? reply->owner : kNone;
    std::free(reply);
    return owner;
}

bool X11SingleInstance::ClaimFirst()
{
    const Window owner = FOwnerAsked ? OwnerAskedAtStart() : XGetSelectionOwner(FDisplay, FName);
    if (owner != kNone)
        return false;
    FWindow = XCreateWindow(FDisplay, DefaultRootWindow(FDisplay), -1, -1, 1, 1, 0, 0, InputOnly,
                            CopyFromParent, 0, nullptr);
    XSetSelectionOwner(FDisplay, FName, FWindow, CurrentTime);
    return XGetSelectionOwner(FDisplay, FName) == FWindow;
}

void X11SingleInstance::AskFirstToShow()
{
    const Window owner = XGetSelectionOwner(FDisplay, FName);
    if (owner == kNone)
        return;
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = owner;
    message.xclient.message_type = FShowMessage;
    message.xclient.format = 32;
    XSendEvent(FDisplay, owner, False, NoEventMask, &message);
    XSync(FDisplay, False);
}

// The show request; a request for the selection's contents is refused, as it holds none.
bool X11SingleInstance::Filter(const XEvent& event)
{
    if (FWindow == 0 || event.xany.window != FWindow)
        return false;
    if (event.type == ClientMessage && event.xclient.message_type == FShowMessage && FShow)
        FShow();
    if (event.type == SelectionRequest) {
        XEvent refusal{};
        refusal.xselection.type = SelectionNotify;
        refusal.xselection.requestor = event.xselectionrequest.requestor;
        refusal.xselection.selection = event.xselectionrequest.selection;
        refusal.xselection.target = event.xselectionrequest.target;
        refusal.xselection.property = kNone;
        refusal.xselection.time = event.xselectionrequest.time;
        XSendEvent(FDisplay, refusal.xselection.requestor, False, NoEventMask, &refusal);
    }
    return true;
}
