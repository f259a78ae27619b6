// The store of decodes ahead: what it finds for a part, and what it lets go to stay within its
// budget.

#include "pictures/decodedahead.h"

#include <gtest/gtest.h>

namespace {

StoredDecode Bitmap(int width, int height, QRect part = {}) {
    StoredDecode stored;
    stored.decoded.bitmap = QImage(width, height, QImage::Format_RGB888);
    stored.decoded.offset = part.topLeft();
    stored.part = part;
    return stored;
}

} // namespace

TEST(DecodedAhead, FindsWhatCoversThePartAndDropsTheLeastRecentlyUsedPastItsBudget) {
    // Room for two 100 x 100 bitmaps (30,000 bytes each), not three.
    DecodedAhead store(70'000);
    const AheadKey first{1, 1000, 1, OutputSpace::Screen};
    const AheadKey second{2, 1000, 1, OutputSpace::Screen};
    const AheadKey third{3, 1000, 8, OutputSpace::Screen};
    store.Store(first, Bitmap(100, 100, QRect(50, 50, 100, 100)));
    EXPECT_TRUE(store.Holds(first, QRect(60, 60, 20, 20)));
    EXPECT_FALSE(store.Holds(first, QRect(40, 60, 20, 20))) << "outside the part decoded";
    EXPECT_FALSE(store.Holds(first, {})) << "a part is no whole picture";
    EXPECT_FALSE(store.Holds({1, 1000, 2, OutputSpace::Screen}, {})) << "another scale";
    EXPECT_FALSE(store.Holds({1, 1000, 1, OutputSpace::Srgb}, QRect(60, 60, 20, 20)));

    store.Store(second, Bitmap(100, 100));
    ASSERT_TRUE(store.Find(first, QRect(60, 60, 20, 20))) << "now the most recently used";
    store.Store(third, Bitmap(100, 100));
    EXPECT_TRUE(store.Holds(first, QRect(60, 60, 20, 20)));
    EXPECT_FALSE(store.Holds(second, {}));
    EXPECT_TRUE(store.Holds(third, {}));
    EXPECT_EQ(store.HeldBytes(), 60'000u);

    // The whole picture replaces its part; a bitmap past the whole budget is not kept.
    store.Store(first, Bitmap(100, 100));
    EXPECT_EQ(store.Count(), 2);
    store.Store(second, Bitmap(200, 200));
    EXPECT_FALSE(store.Holds(second, {}));
    store.Drop();
    EXPECT_EQ(store.HeldBytes(), 0u);
    EXPECT_FALSE(store.Holds(first, {}));
}
