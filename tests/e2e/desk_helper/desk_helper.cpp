// desk_helper.exe: plays the desk's part for tests/e2e/real_desk.sh. Started inside the
// program's virtual desktop (messages reach only windows of the same desktop), it appends one
// line per step to the log file named first on its command line:
//   endsession           WM_QUERYENDSESSION, then WM_ENDSESSION, to the window "Spacewell",
//                        as at log-off; logs "query N" (the answer) and "ended"
//   arrive L / remove L  a broadcast WM_DEVICECHANGE for drive letter L's volume; logs "sent"
//   lockrun / unlockrun  the machine's Run key (in the program's view: the helper is built
//                        for the same machine) read-only / writable again
//   resolution W H       the display's resolution changed to W x H; logs "changed N" (the
//                        platform's answer, 0 for done)
//   workarea             the primary monitor's work area as "left top right bottom"
// Failures log "error ..." instead.
#include <windows.h>

#include <dbt.h>
#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string LogPath;

void Log(const std::string& line)
{
    if (std::FILE* f = std::fopen(LogPath.c_str(), "ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

void EndSession()
{
    HWND main = FindWindowA(nullptr, "Spacewell");
    if (main == nullptr) {
        Log("error no window");
        return;
    }
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &answer);
    Log("query " + std::to_string(answer));
    SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &answer);
    Log("ended");
}

void Volume(char letter, bool arrival)
{
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof(volume);
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << ((letter | 0x20) - 'a');
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_DEVICECHANGE,
                        arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
                        reinterpret_cast<LPARAM>(&volume), SMTO_ABORTIFHUNG, 5000, &answer);
    Log("sent");
}

// Leaves everyone only reading (lock) or full access (unlock) on the key.
void LockRun(bool lock)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) {
        Log("error open");
        return;
    }
    PSECURITY_DESCRIPTOR sd = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA(
        lock ? "D:P(A;;KR;;;WD)" : "D:P(A;;KA;;;WD)", SDDL_REVISION_1, &sd, nullptr);
    const bool ok = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    LocalFree(sd);
    RegCloseKey(key);
    Log(ok ? (lock ? "locked" : "unlocked") : "error security");
}

void Resolution(int width, int height)
{
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    Log("changed " + std::to_string(ChangeDisplaySettingsA(&mode, 0)));
}

void WorkArea()
{
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    Log(std::to_string(area.left) + " " + std::to_string(area.top) + " " +
        std::to_string(area.right) + " " + std::to_string(area.bottom));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    LogPath = argv[1];
    const std::string command = argv[2];
    if (command == "endsession")
        EndSession();
    else if ((command == "arrive" || command == "remove") && argc > 3)
        Volume(argv[3][0], command == "arrive");
    else if (command == "lockrun" || command == "unlockrun")
        LockRun(command == "lockrun");
    else if (command == "resolution" && argc > 4)
        Resolution(std::atoi(argv[3]), std::atoi(argv[4]));
    else if (command == "workarea")
        WorkArea();
    else
        return 2;
    return 0;
}
