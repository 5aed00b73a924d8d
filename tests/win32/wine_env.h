// The drive layout tests/win32/run.sh gives the Wine prefix, read from the environment; a test
// whose variable is missing skips.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace sw {

inline std::optional<std::string> WineEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return std::string(value);
}

// The drive letter an environment variable names, e.g. SPACEWELL_WINE_FIXED=M.
inline std::optional<char> WineDrive(const char* name)
{
    auto value = WineEnv(name);
    if (!value)
        return std::nullopt;
    return (*value)[0];
}

inline std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

#define SW_REQUIRE_DRIVE(var, name)                                                                \
    auto var##Opt = WineDrive(name);                                                               \
    if (!var##Opt)                                                                                 \
        FAIL() << name << " is not set: run.sh could not make that drive (its output says why)";   \
    const char var = *var##Opt

}  // namespace sw
