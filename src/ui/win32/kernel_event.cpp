// The wake event as one kernel event. The standard library's mutex and condition variable
// cost several trips to the system per hand-over under MinGW's thread library (and, under
// Wine, to the wineserver); an event costs one wait and one set.
#include <stdexcept>

#include "ui/win32/win32_internal.h"

namespace {

class KernelEvent : public TWakeEvent {
public:
    KernelEvent() : FEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr))
    {
        if (FEvent == nullptr)
            throw std::runtime_error("No event could be created for a worker thread.");
    }
    ~KernelEvent() override { CloseHandle(FEvent); }
    KernelEvent(const KernelEvent&) = delete;
    KernelEvent& operator=(const KernelEvent&) = delete;

    void Set() override { SetEvent(FEvent); }
    bool Wait(unsigned ms) override { return WaitForSingleObject(FEvent, ms) == WAIT_OBJECT_0; }
    void Wait() override { WaitForSingleObject(FEvent, INFINITE); }

private:
    HANDLE FEvent;
};

}  // namespace

std::unique_ptr<TWakeEvent> Win32Backend::NewWakeEvent() { return std::make_unique<KernelEvent>(); }
