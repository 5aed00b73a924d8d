// The family's hand-point cursor: made once, from the built-in picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include "controls/gauge_cursor.h"
#include "controls/gauge_resources.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

TEST(GaugeCursors, HandPointIsMadeOnceFromTheBuiltInPicture)
{
    auto owned = std::make_unique<HeadlessBackend>();
    HeadlessBackend* backend = owned.get();
    SetBackend(std::move(owned));
    Screen().Reset();
    RegisterGaugeCursors();
    const std::uintptr_t handle = Screen().Cursors(crGaugeHandPoint);
    const THeadlessCursor* made = backend->MadeCursor(handle);
    ASSERT_NE(made, nullptr);
    const TCursorResource& hand = LoadGaugeCursor("VRCURSORHANDPOINT");
    EXPECT_EQ(made->hotSpot, hand.hotSpot);
    EXPECT_EQ(made->image.Pixel(0, 0), made->transparent);
    EXPECT_EQ(made->image.Pixel(5, 1), clWhite);
    RegisterGaugeCursors();
    EXPECT_EQ(Screen().Cursors(crGaugeHandPoint), handle);
}
