// The chart colour: packed number, hexadecimal text and the colour applied.
#include "chart_colour.h"
#include "main_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartColour, DefaultIsRed0Green128Blue192) {
    EXPECT_EQ(chart_colour::toHex(MainSettings::kDefaultChartColour).toStdString(), "C08000");
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("C08000")), QColor(0, 128, 192));
    EXPECT_EQ(chart_colour::fromPacked(MainSettings::kDefaultChartColour), QColor(0, 128, 192));
}

TEST(ChartColour, BlueBelowSixteenIsAppliedExactly) {
    const int packed = 12 + 256 * 11 + 65536 * 10;
    EXPECT_EQ(chart_colour::toHex(packed).toStdString(), "A0B0C");
    EXPECT_EQ(chart_colour::fromHex(chart_colour::toHex(packed)), QColor(12, 11, 10));
    EXPECT_EQ(chart_colour::fromPacked(packed), QColor(12, 11, 10));
}

TEST(ChartColour, ShortNumbers) {
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("FF")), QColor(255, 0, 0));   // red
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("FF00")), QColor(0, 255, 0)); // green
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("0")), QColor(0, 0, 0));      // black
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("FFFFFF")), QColor(255, 255, 255));
    EXPECT_EQ(chart_colour::fromPacked(255), QColor(255, 0, 0));
}

TEST(ChartColour, RoundTripOfEveryByteEdge) {
    for (int red : {0, 1, 15, 16, 255}) {
        for (int green : {0, 1, 15, 16, 255}) {
            for (int blue : {0, 1, 15, 16, 255}) {
                const QColor colour(red, green, blue);
                const int packed = chart_colour::toPacked(colour);
                EXPECT_EQ(packed, red + 256 * green + 65536 * blue);
                EXPECT_EQ(chart_colour::fromHex(chart_colour::toHex(packed)), colour);
            }
        }
    }
}

TEST(ChartColour, DamagedValuesGiveTheDefault) {
    const QColor fallback(0, 128, 192);
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("xyz")), fallback);
    EXPECT_EQ(chart_colour::fromHex(QString()), fallback);
    EXPECT_EQ(chart_colour::fromHex(QStringLiteral("1000000")), fallback);
    EXPECT_EQ(chart_colour::fromPacked(-1), fallback);
    EXPECT_EQ(chart_colour::fromPacked(0x1000000), fallback);
}

} // namespace
