// The small fakes: executable path and file existence, locale, and a shell that records what
// it was asked to open.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/locale.h"
#include "platform/paths.h"
#include "platform/shell.h"

namespace sw {

class FakePaths : public IPaths {
public:
    std::string Executable = "C:\\Program Files\\Spacewell\\OrvaneTully.exe";
    std::set<std::string> ExistingFiles;

    std::string ExecutablePath() override { return Executable; }
    bool FileExists(const std::string& path) override { return ExistingFiles.count(path) != 0; }
};

class FakeLocale : public ILocale {
public:
    char Separator = '.';
    char DecimalSeparator() override { return Separator; }
};

struct ShellOpenCall {
    std::string verb;
    std::string target;
    std::string params;
};

class FakeShell : public IShell {
public:
    std::vector<ShellOpenCall> Calls;
    bool Succeeds = true;

    bool ShellOpen(const std::string& verb, const std::string& target,
                   const std::string& params) override
    {
        Calls.push_back({verb, target, params});
        return Succeeds;
    }
};

}  // namespace sw
