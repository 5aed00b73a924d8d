// One running copy of the program per user session: a later start finds the running copy, asks
// it to show its window and ends without touching anything.
#pragma once

#include <functional>
#include <memory>

namespace sw {

class ISingleInstance {
public:
    virtual ~ISingleInstance() = default;
    // Claims the program's name for this process for as long as the object lives; false when a
    // running copy holds it.
    virtual bool ClaimFirst() = 0;
    // From a later start that lost the claim: asks the running copy to show its window.
    virtual void AskFirstToShow() = 0;
    // In the running copy: `show` runs on the GUI thread each time a later start asks.
    virtual void OnShowRequest(std::function<void()> show) = 0;
};

// The Windows program's claim: a named mutex, and a message to the running copy's hidden window.
std::unique_ptr<ISingleInstance> MakeWin32SingleInstance();

}  // namespace sw
