// Packed colours: the byte order, the ends of the range and the numbers no colour packs to.
#include "packed_colour.h"

#include <gtest/gtest.h>

TEST(PackedColour, RedIsTheLowByteAndBlueTheHigh) {
    EXPECT_EQ(packed_colour::toColour(255), QColor(255, 0, 0));
    EXPECT_EQ(packed_colour::toColour(255 * 256), QColor(0, 255, 0));
    EXPECT_EQ(packed_colour::toColour(255 * 65536), QColor(0, 0, 255));
    EXPECT_EQ(packed_colour::toColour(12 + 256 * 11 + 65536 * 10), QColor(12, 11, 10));
    EXPECT_EQ(packed_colour::toColour(0), QColor(0, 0, 0));
    EXPECT_EQ(packed_colour::toColour(0xFFFFFF), QColor(255, 255, 255));
}

TEST(PackedColour, NumbersOutsideTheRangeAreNoColour) {
    EXPECT_FALSE(packed_colour::toColour(-1).has_value());
    EXPECT_FALSE(packed_colour::toColour(0x1000000).has_value());
    EXPECT_FALSE(packed_colour::toColour(0x1000000LL * 256 + 5).has_value()); // no wrap into range
}

TEST(PackedColour, EveryColourPacksAndComesBack) {
    for (int red : {0, 1, 127, 255}) {
        for (int green : {0, 16, 254}) {
            for (int blue : {0, 9, 255}) {
                const QColor colour(red, green, blue);
                const int packed = packed_colour::fromColour(colour);
                EXPECT_EQ(packed, red + 256 * green + 65536 * blue);
                EXPECT_EQ(packed_colour::toColour(packed), colour);
            }
        }
    }
}
