// Message timers, all on the utility window.
#include "ui/win32/win32_internal.h"

#include <stdexcept>

using namespace win32ui;

int Win32Backend::StartTimer(unsigned intervalMs, std::function<void()> tick)
{
    int id = FNextTimer++;
    if (SetTimer(H(FUtilWindow), static_cast<UINT_PTR>(id), intervalMs, nullptr) == 0)
        throw std::runtime_error("No timer resources left.");
    FTimers[id] = std::move(tick);
    return id;
}

void Win32Backend::StopTimer(int id)
{
    if (FTimers.erase(id) != 0)
        KillTimer(H(FUtilWindow), static_cast<UINT_PTR>(id));
}

void Win32Backend::FireTimer(int id)
{
    auto it = FTimers.find(id);
    if (it == FTimers.end())
        return;
    // Copy: the tick may stop its own timer.
    std::function<void()> tick = it->second;
    RunReported(tick);
}
