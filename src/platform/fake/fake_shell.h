// A shell that records what it was asked to open, and succeeds or refuses as the test says.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace sw {

struct ShellOpenCall {
    WindowId parent = 0;
    std::string verb;
    std::string target;
    std::string params;
};

class FakeShell : public IShell {
public:
    std::vector<ShellOpenCall> Calls;
    bool Succeeds = true;

    bool ShellOpen(WindowId parent, const std::string& verb, const std::string& target,
                   const std::string& params) override
    {
        Calls.push_back({parent, verb, target, params});
        return Succeeds;
    }
};

}  // namespace sw
