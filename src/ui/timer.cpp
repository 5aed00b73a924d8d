// The message timer component over the backend's timers.
#include "ui/timer.h"

#include <utility>

#include "ui/application.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() { StopTimer(); }

void TTimer::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms)
{
    if (FInterval == ms)
        return;
    FInterval = ms;
    UpdateTimer();
}

void TTimer::SetOnBeat(bool value)
{
    if (FOnBeat == value)
        return;
    FOnBeat = value;
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

void TTimer::UpdateTimer()
{
    StopTimer();
    if (!FEnabled || FInterval == 0 || Loading())
        return;
    Backend& backend = CurrentBackend();
    auto tick = [this] { Application().Guard([this] { Timer(); }); };
    FRunningOnBeat = FOnBeat;
    FTimerId = FOnBeat ? backend.StartBeatTimer(FInterval, std::move(tick))
                       : backend.StartTimer(FInterval, std::move(tick));
}

void TTimer::StopTimer()
{
    if (FTimerId == 0)
        return;
    if (FRunningOnBeat)
        CurrentBackend().StopBeatTimer(FTimerId);
    else
        CurrentBackend().StopTimer(FTimerId);
    FTimerId = 0;
}
