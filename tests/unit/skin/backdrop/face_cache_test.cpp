#include "skin/backdrop/face_cache.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/backdrop/background_stamp.h"

namespace yf {
namespace {

TEST(FaceCacheTest, KeepsTheMostRecentlyUsedFacesAndDropsTheOldest) {
    FaceCache<int, std::string, 2> cache;
    EXPECT_EQ(cache.Find(1), nullptr);
    cache.Keep(1, "normal");
    cache.Keep(2, "hot");
    ASSERT_NE(cache.Find(1), nullptr);  // 1 is now the more recent of the two
    EXPECT_EQ(*cache.Find(1), "normal");
    cache.Keep(3, "pressed");  // takes the place of 2
    EXPECT_EQ(cache.Find(2), nullptr);
    EXPECT_EQ(*cache.Find(1), "normal");
    EXPECT_EQ(*cache.Find(3), "pressed");
    // A key that may not be kept finds nothing, even when an equal one is there.
    EXPECT_EQ(cache.Find(3, false), nullptr);
    cache.Clear();
    EXPECT_EQ(cache.Find(1), nullptr);
}

TEST(FaceCacheTest, AKeptKeyIsReplacedByItsNewFace) {
    FaceCache<int, std::string, 2> cache;
    cache.Keep(7, "first");
    cache.Keep(8, "other");
    cache.Find(8);
    cache.Keep(7, "second");  // the least recent slot, which held 7
    EXPECT_EQ(*cache.Find(7), "second");
    EXPECT_EQ(*cache.Find(8), "other");
}

TEST(BackgroundStampTest, OnlyKeepableEqualStampsShareABackground) {
    BackgroundStamp kept;
    kept.owner = 0x10;
    kept.imageVersion = 4;
    kept.x = 12;
    kept.keepable = true;
    BackgroundStamp now = kept;
    EXPECT_TRUE(SameBackground(kept, now));
    struct Change {
        const char* what;
        void (*apply)(BackgroundStamp&);
    };
    const Change changes[] = {
        {"new composition", [](BackgroundStamp& s) { ++s.imageVersion; }},
        {"caption redrawn", [](BackgroundStamp& s) { ++s.bandVersion; }},
        {"panels changed", [](BackgroundStamp& s) { ++s.panelsVersion; }},
        {"veil changed", [](BackgroundStamp& s) { ++s.settingsVersion; }},
        {"moved", [](BackgroundStamp& s) { ++s.x; }},
        {"resized", [](BackgroundStamp& s) { ++s.height; }},
        {"own image", [](BackgroundStamp& s) { s.keepable = false; }},
    };
    for (const Change& change : changes) {
        BackgroundStamp changed = kept;
        change.apply(changed);
        EXPECT_FALSE(SameBackground(kept, changed)) << change.what;
    }
    BackgroundStamp neither = kept;
    neither.keepable = false;
    EXPECT_FALSE(SameBackground(neither, neither));
}

}  // namespace
}  // namespace yf
