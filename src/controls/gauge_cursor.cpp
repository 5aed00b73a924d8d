// Registers the family's hand-point cursor with the backend, falling back to the stock hand.
#include "controls/gauge_cursor.h"

#include <cstdint>

#include "controls/gauge_resources.h"
#include "ui/application.h"

void RegisterGaugeCursors()
{
    std::uintptr_t& handle = Screen().Cursors(crGaugeHandPoint);
    if (handle != 0)
        return;
    const TCursorResource& hand = LoadGaugeCursor("VRCURSORHANDPOINT");
    const TBitmap picture = CursorPicture(hand);
    handle = Screen().MakeCursor(picture, picture.TransparentColor, hand.hotSpot);
    // A platform that cannot make it still shows a hand: its own.
    if (handle == 0)
        handle = Screen().Cursors(crHandPoint);
}
