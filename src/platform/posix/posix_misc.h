// The small POSIX services: executable path, locale, and the desktop's opener.
#pragma once

#include "platform/locale.h"
#include "platform/paths.h"
#include "platform/shell.h"

namespace sw {

class PosixPaths : public IPaths {
public:
    std::string ExecutablePath() override;
    bool FileExists(const std::string& path) override;
};

// The user's LC_NUMERIC setting, whatever locale the program itself runs in.
class PosixLocale : public ILocale {
public:
    char DecimalSeparator() override;
};

// "open" hands the target to xdg-open without waiting for it; other verbs are refused.
class PosixShell : public IShell {
public:
    bool ShellOpen(const std::string& verb, const std::string& target,
                   const std::string& params) override;
};

}  // namespace sw
