#include "platform/posix/device_links.h"

#include <sys/stat.h>

#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace sw {
namespace {

// udev writes characters unsafe in a file name as "\x20".
std::string DecodeLinkName(const std::string& name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
            out += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> DeviceLinks::NameFor(const std::string& device)
{
    if (device.rfind("/dev/", 0) != 0)
        return std::nullopt;
    std::error_code ec;
    const fs::path target = fs::canonical(device, ec);
    if (ec)
        return std::nullopt;
    std::lock_guard lock(FLock);
    ReadIfChanged();
    const auto name = FNames.find(target.string());
    if (name == FNames.end())
        return std::nullopt;
    return name->second;
}

// Called with the lock held. A folder that is not there has no links.
void DeviceLinks::ReadIfChanged()
{
    struct stat folder { };
    const timespec changed = stat(FFolder.c_str(), &folder) == 0 ? folder.st_mtim : timespec{};
    if (FRead && changed.tv_sec == FChanged.tv_sec && changed.tv_nsec == FChanged.tv_nsec)
        return;
    // A second change within the clock tick of the first leaves the time as it was: a folder
    // changed in the last seconds is read again next time.
    FRead = std::time(nullptr) - changed.tv_sec > 2;
    FChanged = changed;
    FNames.clear();
    std::error_code ec;
    for (const auto& link : fs::directory_iterator(FFolder, ec)) {
        const fs::path target = fs::canonical(link.path(), ec);
        if (!ec)
            FNames.emplace(target.string(), DecodeLinkName(link.path().filename().string()));
    }
}

}  // namespace sw
