// Icons and cursors for Win32 from plain pixels and a see-through mask: the one place that turns
// an IconImage into an icon handle.
#pragma once

#include <windows.h>

#include "platform/icon_image.h"

namespace sw {

// The header of a top-down 32-bit DIB of width × height (pixels 0x00RRGGBB, first row on top).
BITMAPINFO DibHeader(int width, int height);

// An icon, or with `hotSpot` a cursor, that the caller destroys (DestroyIcon / DestroyCursor);
// null for an empty image. See-through pixels come out black in the colour bitmap, so the screen
// shows unchanged through the mask's XOR step.
HICON MakeIconHandle(const IconImage& image, const POINT* hotSpot = nullptr);

}  // namespace sw
