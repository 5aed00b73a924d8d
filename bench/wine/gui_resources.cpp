// Prints what a running program holds, found by its window title: its GDI and USER object
// counts, its kernel handles and its private memory in KiB, on one line
// ("gdi N user N handles N private N"). Wine answers 0 for the object counts and the private
// memory; the handle count is real there.
//   gui_resources.exe "Spacewell"
#include <windows.h>
#include <psapi.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui_resources WINDOW_TITLE\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0) {
        std::fprintf(stderr, "no window titled %s\n", argv[1]);
        return 1;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) {
        std::fprintf(stderr, "cannot open process %lu\n", processId);
        return 1;
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    std::printf("gdi %lu user %lu handles %lu private %llu\n",
                GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
                handles, static_cast<unsigned long long>(memory.PrivateUsage / 1024));
    CloseHandle(process);
    return 0;
}
