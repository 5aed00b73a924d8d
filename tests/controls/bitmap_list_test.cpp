// The bitmap list: lookup by index, and its stream: layout of the header, round trips,
// rejection of foreign or cut streams, and how often the list tells its clients while loading.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "controls/bitmap_list.h"
#include "gfx/bitmap_stream.h"

namespace {

TBitmap Filled(int width, int height, TColor color)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y, color + static_cast<TColor>(x + 16 * y));
    return b;
}

std::string Saved(const TGaugeBitmaps& bitmaps)
{
    std::ostringstream out;
    bitmaps.SaveToStream(out);
    return out.str();
}

// A list holding one stale bitmap, counting its notifications.
struct CountedList {
    CountedList()
    {
        list.Bitmaps().Add(TBitmap(9, 9));
        link.OnChange = [this](TSharedComponent*) { ++notified; };
        list.InsertLink(link);
    }
    TBitmapList list{nullptr};
    TChangeLink link;
    int notified = 0;
};

TEST(GaugeBitmapsStream, StartsWithSignatureAndCount)
{
    TGaugeBitmaps bitmaps;
    EXPECT_EQ(Saved(bitmaps), std::string("\x62\x54\x35\x00\x00\x00\x00\x00", 8));
    bitmaps.Add(TBitmap(1, 1));
    bitmaps.Add(TBitmap(2, 1));
    const std::string bytes = Saved(bitmaps);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x62\x54\x35\x00\x02\x00\x00\x00", 8));
    EXPECT_EQ(bytes.substr(8, 2), "BM");
    EXPECT_EQ(bytes.size(), 8u + (54 + 4) + (54 + 8));
}

TEST(GaugeBitmapsStream, RoundTripReplacesTheListAndNotifiesOnce)
{
    TGaugeBitmaps source;
    source.Add(Filled(3, 2, clRed));
    source.Add(Filled(5, 4, 0x203040));
    CountedList target;
    std::istringstream in(Saved(source));
    target.list.Bitmaps().LoadFromStream(in);

    EXPECT_EQ(target.notified, 1);
    ASSERT_EQ(target.list.Bitmaps().Count(), 2);
    for (int i = 0; i < 2; ++i) {
        const TBitmap& want = *source.Bitmap(i);
        const TBitmap& got = *target.list.GetBitmap(i);
        ASSERT_EQ(got.Width(), want.Width());
        ASSERT_EQ(got.Height(), want.Height());
        for (int y = 0; y < want.Height(); ++y)
            for (int x = 0; x < want.Width(); ++x)
                EXPECT_EQ(got.Pixel(x, y), want.Pixel(x, y)) << i << ": " << x << "," << y;
    }
}

TEST(GaugeBitmapsStream, BadStreamsLeaveTheListEmptyAfterOneNotification)
{
    TGaugeBitmaps two;
    two.Add(TBitmap(2, 2));
    two.Add(TBitmap(3, 3));
    const std::string good = Saved(two);
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;  // nullptr: the bitmap reader's own message
    };
    const Case cases[] = {
        {"wrong signature", "\x62\x54\x36\x00" + good.substr(4), "Invalid file format"},
        {"empty stream", "", "Invalid file format"},
        {"cut count", good.substr(0, 6), "Invalid file format"},
        {"negative count", good.substr(0, 4) + std::string("\xFF\xFF\xFF\xFF", 4),
         "Invalid file format"},
        {"cut second bitmap", good.substr(0, good.size() - 1), nullptr},
        {"count beyond the bitmaps",
         good.substr(0, 4) + std::string("\x03\x00\x00\x00", 4) + good.substr(8), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CountedList target;
        std::istringstream in(c.bytes);
        try {
            target.list.Bitmaps().LoadFromStream(in);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGraphic& error) {
            if (c.message != nullptr) {
                EXPECT_STREQ(error.what(), c.message);
            }
        }
        EXPECT_EQ(target.list.Bitmaps().Count(), 0);
        EXPECT_EQ(target.notified, 1);
    }
}

TEST(GaugeBitmapsStream, AddAndClearEachNotifyOnce)
{
    CountedList target;
    target.list.Bitmaps().Add(TBitmap(1, 1));
    EXPECT_EQ(target.notified, 1);
    target.list.Bitmaps().Clear();
    EXPECT_EQ(target.notified, 2);
    EXPECT_EQ(target.list.Bitmaps().Count(), 0);
}

}  // namespace

TEST(GaugeBitmapList, LookupByIndexStoresCopies)
{
    TBitmapList list(nullptr);
    TBitmap picture(4, 3);
    picture.SetPixel(1, 1, clRed);
    list.Bitmaps().Add(picture);
    picture.SetPixel(1, 1, clBlue);
    ASSERT_NE(list.GetBitmap(0), nullptr);
    EXPECT_EQ(list.GetBitmap(0)->Pixel(1, 1), clRed);
    EXPECT_EQ(list.GetBitmap(1), nullptr);
    EXPECT_EQ(list.GetBitmap(-1), nullptr);
    EXPECT_EQ(list.Version(), "1.3");
}
