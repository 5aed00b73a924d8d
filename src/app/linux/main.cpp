// spacewell on Linux desktops: the X11 toolkit backend, the POSIX services with the hotkey as a
// key grab, mounts and unmounts told as drive arrivals and removals, the icon as a status item
// on the session bus, one copy per user on the display, and the desktop's end-of-session
// signals handled as a log-off is on Windows (the settings kept, the program ended). Text is drawn
// with the bitmap faces of the default font engine and the classic system colours, as the snapshots
// are.
#include <malloc.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <future>
#include <memory>

#include "app/program.h"
#include "gfx/font.h"
#include "platform/posix/dbus/dbus_notify_area.h"
#include "platform/posix/native_services.h"
#include "platform/posix/posix_drives.h"
#include "ui/x11/x11_backend.h"
#include "ui/x11/x11_hotkeys.h"
#include "ui/x11/x11_single_instance.h"

namespace {

// SIGTERM, SIGHUP and SIGINT arrive through a descriptor the loop watches, never at a random
// point of the program: blocked before any thread starts, so that every thread inherits it.
sigset_t BlockSessionSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaddset(&signals, signal);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

void EndSessionOnSignals(X11Backend& backend, const sigset_t& signals)
{
    const int fd = signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
    backend.WatchReadable(fd, [fd, &backend] {
        signalfd_siginfo info{};
        while (read(fd, &info, sizeof info) == sizeof info)
            backend.EndSession();
    });
}

// What needs no display, made on a thread while the GUI thread opens the display (mostly waiting
// for the X server's answers). The thread runs at the lowest priority: on a small machine a busy
// thread beside the waiting one delays each answer the X server would give at once.
struct DisplayFreeServices {
    sw::PlatformServices services;
    std::shared_ptr<sw::PosixDrives> drives;
};

DisplayFreeServices MakeDisplayFreeServices()
{
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    auto drives = std::make_shared<sw::PosixDrives>();
    DisplayFreeServices made{sw::MakeNativeServices(drives), drives};
    // The windows' face is read from its file now, not when the first label is measured (at
    // 100 %; another scale reads its own file then). A missing file is reported there.
    try {
        Fonts().Metrics(TFontSpec{});
    } catch (const std::exception&) {
    }
    return made;
}

}  // namespace

int main()
{
    // Pictures (a drive's bar is some 20 KB) get pages of their own, which go back to the
    // system when a hidden window lets go of them instead of staying in the heap.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024);
    const sigset_t sessionSignals = BlockSessionSignals();
    auto making = std::async(std::launch::async, MakeDisplayFreeServices);
    std::unique_ptr<X11Backend> owned;
    try {
        owned = std::make_unique<X11Backend>(X11SingleInstance::AtomNames());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "spacewell: %s\n", error.what());
        return 1;
    }
    X11Backend& backend = *owned;
    // Asks now who runs already; the answer comes while the services are finished.
    X11SingleInstance instance(backend);
    auto [services, drives] = making.get();
    SetBackend(std::move(owned));
    EndSessionOnSignals(backend, sessionSignals);
    services.hotkeys = std::make_shared<X11Hotkeys>(backend);
    drives->OnMountsChanged([&backend](bool arrival, const std::string& letters) {
        backend.AnnounceVolumes(arrival, letters);
    });
    services.notifyArea = sw::MakeDbusNotifyArea(
        [&backend](std::function<void()> work) { backend.PostToGuiThread(std::move(work)); });
    return RunProgram(std::move(services), instance);
}
