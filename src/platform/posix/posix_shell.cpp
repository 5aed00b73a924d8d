// Opening documents and web addresses through xdg-open.
#include "platform/posix/posix_shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <memory>
#include <thread>
#include <vector>

extern char** environ;

namespace sw {

bool PosixShell::ShellOpen(WindowId /*parent*/, const std::string& verb, const std::string& target,
                           const std::string& params)
{
    if (verb != "open")
        return false;
    std::vector<std::string> args = {"xdg-open", target};
    if (!params.empty())
        args.push_back(params);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    // Reaped in the background so that no finished opener lingers as a zombie.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

std::shared_ptr<IShell> MakeNativeShell() { return std::make_shared<PosixShell>(); }

}  // namespace sw
