// Hears the mount table change: a thread of its own waits on /proc/self/mountinfo for the
// kernel's priority event, which comes with every mount and unmount the process can see. Nothing
// runs between changes; no timer polls.
#pragma once

#include <functional>
#include <thread>

namespace sw {

class MountWatcher {
public:
    // `changed` runs on the watcher's thread once as it starts, then after each change of the
    // table.
    explicit MountWatcher(std::function<void()> changed);
    // Wakes the thread and waits for it; a `changed` under way finishes first.
    ~MountWatcher();
    MountWatcher(const MountWatcher&) = delete;
    MountWatcher& operator=(const MountWatcher&) = delete;

    // False when the table or the thread's wake-up could not be opened: nothing is heard then.
    bool Watching() const { return FThread.joinable(); }

private:
    void Run();

    std::function<void()> FChanged;
    int FTable = -1;
    int FStop = -1;
    std::thread FThread;
};

}  // namespace sw
