// The mount table's watcher: poll() on the table for POLLPRI and on an eventfd that the
// destructor signals.
#include "platform/posix/mount_watcher.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace sw {

MountWatcher::MountWatcher(std::function<void()> changed) : FChanged(std::move(changed))
{
    FTable = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    FStop = eventfd(0, EFD_CLOEXEC);
    if (FTable >= 0 && FStop >= 0)
        FThread = std::thread([this] { Run(); });
}

MountWatcher::~MountWatcher()
{
    if (FThread.joinable()) {
        const std::uint64_t one = 1;
        while (write(FStop, &one, sizeof one) < 0 && errno == EINTR) { }
        FThread.join();
    }
    if (FTable >= 0)
        close(FTable);
    if (FStop >= 0)
        close(FStop);
}

void MountWatcher::Run()
{
    // A change made after the table was opened but before the first wait counts too.
    FChanged();
    pollfd waits[2] = {{FTable, POLLPRI, 0}, {FStop, POLLIN, 0}};
    for (;;) {
        if (poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (waits[1].revents != 0)
            return;
        // The kernel marks a change with POLLERR | POLLPRI, and rearms on this very poll.
        if ((waits[0].revents & (POLLPRI | POLLERR)) != 0)
            FChanged();
    }
}

}  // namespace sw
