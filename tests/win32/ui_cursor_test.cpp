// Cursors the toolkit makes from a picture on real Win32: a cursor (not an icon) with the
// hot spot asked for, its see-through pixels in the mask.
#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "ui/backend.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

TEST(Win32Cursor, MadeFromAPictureWithItsHotSpot)
{
    TBitmap picture(16, 16);
    picture.Canvas().Brush = TBrush{clFuchsia, TBrushStyle::bsSolid};
    picture.Canvas().FillRect(picture.BoundsRect());
    picture.SetPixel(5, 0, clBlack);
    picture.SetPixel(5, 1, clWhite);
    const std::uintptr_t handle = CurrentBackend().MakeCursor(picture, clFuchsia, {5, 0});
    ASSERT_NE(handle, 0u);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(handle), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(CurrentBackend().MakeCursor(TBitmap(), clFuchsia, {0, 0}), 0u);
}

}  // namespace
