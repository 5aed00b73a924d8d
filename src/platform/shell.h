// Asking the desktop shell to perform a verb ("open") on a document or web address.
#pragma once

#include <memory>
#include <string>

#include "platform/window_id.h"

namespace sw {

class IShell {
public:
    virtual ~IShell() = default;
    // False when the shell refused; callers that do not care may ignore it. `parent` (0: none)
    // owns any window the shell shows on the way, such as an error message.
    virtual bool ShellOpen(WindowId parent, const std::string& verb, const std::string& target,
                           const std::string& params) = 0;
};

// The shell of the system the program was built for.
std::shared_ptr<IShell> MakeNativeShell();

}  // namespace sw
