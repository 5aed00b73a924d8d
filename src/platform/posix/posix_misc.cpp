// /proc/self/exe, the user's numeric locale and xdg-open.
#include "platform/posix/posix_misc.h"

#include <langinfo.h>
#include <locale.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <thread>
#include <vector>

extern char** environ;

namespace sw {

std::string PosixPaths::ExecutablePath()
{
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

bool PosixPaths::FileExists(const std::string& path)
{
    struct stat st { };
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

char PosixLocale::DecimalSeparator()
{
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!user)
        return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    char separator = radix && radix[0] ? radix[0] : '.';
    freelocale(user);
    return separator;
}

bool PosixShell::ShellOpen(const std::string& verb, const std::string& target,
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
