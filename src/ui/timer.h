// The message timer: OnTimer runs on the GUI thread every Interval milliseconds while Enabled.
// A handler's exception goes to the application's error box and the timer keeps running.
#pragma once

#include "ui/component.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned ms);
    // Ticks on the beats of the interval (its multiples on the steady clock) rather than an
    // interval after each start, where the loop keeps beats: timers whose intervals divide one
    // another then share the loop's wake-ups. For periodic work whose phase does not matter.
    bool OnBeat() const { return FOnBeat; }
    void SetOnBeat(bool value);
    TNotifyEvent OnTimer;
    // Starts counting the interval again with the current settings.
    void Restart() { UpdateTimer(); }

protected:
    void Loaded() override;
    virtual void Timer();

private:
    void UpdateTimer();
    void StopTimer();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    bool FOnBeat = false;
    int FTimerId = 0;
    // The running timer is the backend's beat timer.
    bool FRunningOnBeat = false;
};
