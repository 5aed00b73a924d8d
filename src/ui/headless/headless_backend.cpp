// The in-memory backend's lifetime, and installing it for tests and tools.
#include "ui/headless/headless_backend.h"

#include <cassert>
#include <memory>

HeadlessBackend::HeadlessBackend() : FGuiThread(std::this_thread::get_id()) { }

HeadlessBackend::~HeadlessBackend() = default;

HeadlessBackend& UseHeadlessBackend()
{
    SetBackend(std::make_unique<HeadlessBackend>());
    return Headless();
}

HeadlessBackend& Headless()
{
    auto* backend = dynamic_cast<HeadlessBackend*>(&CurrentBackend());
    assert(backend != nullptr && "the headless backend is not installed");
    return *backend;
}
