// Parsing the snapshot tool's drive table into the fake drive service.
#include "drive_table.h"

#include <cctype>
#include <map>
#include <sstream>

namespace {

bool KindOf(const std::string& name, sw::DriveKind& kind)
{
    static const std::map<std::string, sw::DriveKind> kinds = {
        {"fixed", sw::DriveKind::Fixed},
        {"removable", sw::DriveKind::Removable},
        {"network", sw::DriveKind::Network},
        {"cdrom", sw::DriveKind::CdRom},
        {"ramdisk", sw::DriveKind::RamDisk}};
    auto it = kinds.find(name);
    if (it == kinds.end())
        return false;
    kind = it->second;
    return true;
}

bool ParseLine(const std::string& line, char& letter, sw::FakeDrive& drive)
{
    std::istringstream fields(line);
    std::string letterText, kind, total, free, serial;
    if (!(fields >> letterText >> kind >> total >> free) || letterText.size() != 1)
        return false;
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letterText[0])));
    if (letter < 'A' || letter > 'Z' || !KindOf(kind, drive.kind))
        return false;
    if (total == "-" && free == "-") {
        drive.mediaPresent = false;
    } else {
        try {
            drive.totalBytes = std::stoll(total);
            drive.freeBytes = std::stoll(free);
        } catch (const std::exception&) {
            return false;
        }
    }
    if (fields >> serial) {
        try {
            drive.serial = static_cast<std::uint32_t>(std::stoul(serial, nullptr, 16));
        } catch (const std::exception&) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ReadDriveTable(std::istream& in, sw::FakeDrives& drives, std::string& error)
{
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        char letter = 0;
        sw::FakeDrive drive;
        if (!ParseLine(line, letter, drive)) {
            error =
                "line " + std::to_string(number) + ": expected \"letter kind total free [serial]\"";
            return false;
        }
        drives.Set(letter, drive);
    }
    return true;
}
