// The message timer component over the backend's timers.
#include "ui/timer.h"

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
    FTimerId = CurrentBackend().StartTimer(FInterval,
                                           [this] { Application().Guard([this] { Timer(); }); });
}

void TTimer::StopTimer()
{
    if (FTimerId == 0)
        return;
    CurrentBackend().StopTimer(FTimerId);
    FTimerId = 0;
}
