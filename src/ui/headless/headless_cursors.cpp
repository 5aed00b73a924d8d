// The mouse cursor in memory: its clip, stock shapes by id and shapes made from pictures.
#include "ui/headless/headless_backend.h"

namespace {

// Made cursors are numbered above every stock id.
constexpr std::uintptr_t kFirstMadeCursor = 0x1000;

}  // namespace

void HeadlessBackend::ClipCursor(const TRect* screen)
{
    if (screen == nullptr)
        FClip.reset();
    else
        FClip = *screen;
}

std::uintptr_t HeadlessBackend::LoadStockCursor(TCursor id)
{
    // Stock cursors are named by their id's magnitude.
    return static_cast<std::uintptr_t>(-id);
}

std::uintptr_t HeadlessBackend::MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
{
    if (image.Empty())
        return 0;
    FMadeCursors.push_back({image, transparent, hotSpot});
    return kFirstMadeCursor + FMadeCursors.size() - 1;
}

const THeadlessCursor* HeadlessBackend::MadeCursor(std::uintptr_t handle) const
{
    if (handle < kFirstMadeCursor || handle - kFirstMadeCursor >= FMadeCursors.size())
        return nullptr;
    return &FMadeCursors[handle - kFirstMadeCursor];
}
