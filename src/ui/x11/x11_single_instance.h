// One running copy per user on a display: the first copy owns the selection
// _SPACEWELL_<uid>; a later start finds its owner and sends that window a message that asks
// the running copy to show its window.
#pragma once

#include <xcb/xcb.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/single_instance.h"
#include "ui/x11/x11_backend.h"

class X11SingleInstance : public sw::ISingleInstance {
public:
    // The atoms to intern with the backend's at the start.
    static std::vector<std::string> AtomNames();

    // Asks at once who owns the selection; ClaimFirst reads the answer.
    explicit X11SingleInstance(X11Backend& backend);
    ~X11SingleInstance() override;

    bool ClaimFirst() override;
    void AskFirstToShow() override;
    void OnShowRequest(std::function<void()> show) override { FShow = std::move(show); }

private:
    bool Filter(const XEvent& event);
    Window OwnerAskedAtStart();

    X11Backend& FBackend;
    Display* FDisplay;
    // The selection's name and the show request's type.
    Atom FName = 0;
    Atom FShowMessage = 0;
    Window FWindow = 0;
    std::optional<xcb_get_selection_owner_cookie_t> FOwnerAsked;
    int FFilter = 0;
    std::function<void()> FShow;
};
