// The desktop's opener on POSIX systems.
#pragma once

#include "platform/shell.h"

namespace sw {

// "open" hands the target to xdg-open without waiting for it; other verbs are refused. The
// opener has no owner window to take.
class PosixShell : public IShell {
public:
    bool ShellOpen(WindowId parent, const std::string& verb, const std::string& target,
                   const std::string& params) override;
};

}  // namespace sw
