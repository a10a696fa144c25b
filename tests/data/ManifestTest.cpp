// The manifest's own consistency: the generator and the tests both rely on it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Manifest.h"

namespace {

using datagen::Entry;
using datagen::Kind;

TEST(Manifest, EverySpriteNamesAMaskOfItsOwnSize) {
    for (const Entry& entry : datagen::Manifest()) {
        if (entry.mask.empty()) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        const Entry* mask = datagen::Find(entry.mask);
        ASSERT_NE(mask, nullptr);
        EXPECT_EQ(mask->kind, Kind::Mask);
        EXPECT_EQ(mask->width, entry.width);
        EXPECT_EQ(mask->height, entry.height);
    }
}

TEST(Manifest, EveryMaskCutsOutASprite) {
    for (const Entry& entry : datagen::Manifest()) {
        if (entry.kind == Kind::Mask) {
            const Entry* sprite = datagen::SpriteOf(entry);
            ASSERT_NE(sprite, nullptr) << entry.name;
            EXPECT_EQ(sprite->kind, Kind::Colour);
        }
    }
}

TEST(Manifest, NoTwoEntriesShareAFile) {
    std::set<std::string> paths;
    for (const Entry& entry : datagen::Manifest()) {
        EXPECT_TRUE(paths.insert(datagen::DiskPath(entry.name)).second) << entry.name;
    }
}

TEST(Manifest, NamesAreFoundWithEitherSeparatorButOnlyInTheirOwnCase) {
    const Entry* fighter = datagen::Find("Bitmaps\\Vijand1.bmp");
    ASSERT_NE(fighter, nullptr);
    EXPECT_EQ(datagen::Find("Bitmaps/Vijand1.bmp"), fighter);
    EXPECT_EQ(datagen::Find("Bitmaps/vijand1.bmp"), nullptr);
    EXPECT_EQ(datagen::DiskPath("Bitmaps\\Vijand1.bmp"), "Bitmaps/Vijand1.bmp");
    EXPECT_NE(datagen::Find("Bitmaps\\Start2.bmp"), nullptr);  // named with a forward slash in the manifest
}

}  // namespace
