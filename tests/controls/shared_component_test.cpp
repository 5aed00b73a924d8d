// Shared-component links: the order they are told in, and release from either side.
#include <gtest/gtest.h>

#include <vector>
#include "controls/bitmap_list.h"
#include "controls/shared_component.h"
#include "gfx/bitmap.h"

TEST(SharedComponent, LinksAreToldInOrderAndReleasedOnDestruction)
{
    TChangeLink first, second;
    std::vector<int> calls;  // 1, 2: the links; 0: the list's own OnChange
    first.OnChange = [&](TSharedComponent*) { calls.push_back(1); };
    second.OnChange = [&](TSharedComponent*) { calls.push_back(2); };
    {
        TBitmapList list(nullptr);
        list.OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, &list);
            calls.push_back(0);
        };
        list.InsertLink(first);
        list.InsertLink(second);
        EXPECT_EQ(first.Sender(), &list);
        list.Bitmaps().Add(TBitmap(3, 2));
        EXPECT_EQ(calls, (std::vector<int>{1, 2, 0}));
        list.RemoveLink(first);
        EXPECT_EQ(first.Sender(), nullptr);
        list.Bitmaps().Clear();
        EXPECT_EQ(calls, (std::vector<int>{1, 2, 0, 2, 0}));
    }
    EXPECT_EQ(second.Sender(), nullptr);
}

TEST(SharedComponent, ALinkLeavesItsListWhenDestroyed)
{
    TBitmapList list(nullptr);
    int calls = 0;
    {
        TChangeLink link;
        link.OnChange = [&](TSharedComponent*) { ++calls; };
        list.InsertLink(link);
    }
    list.Bitmaps().Add(TBitmap(1, 1));
    EXPECT_EQ(calls, 0);
}
