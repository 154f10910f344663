// The drawn Moon and fish pictures.
#include "tray_icon.h"
#include "tray_test_environment.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override { trayTestApplication(); }

    static QColor centre(int id) { return trayPixmap(id, 32).toImage().pixelColor(16, 16); }
    static QColor at(int id, int x, int y) { return trayPixmap(id, 32).toImage().pixelColor(x, y); }
};

TEST_F(TrayIconTest, EveryAlmanacPictureIsDrawnAtEachSize) {
    for (int id = 100; id <= 111; ++id) {
        EXPECT_EQ(trayIcon(id).isNull(), false) << id;
        EXPECT_EQ(trayPixmap(id, 32).size(), QSize(32, 32)) << id;
    }
    for (int id = 201; id <= 204; ++id) {
        EXPECT_EQ(trayIcon(id).isNull(), false) << id;
        EXPECT_EQ(trayPixmap(id, 22).size(), QSize(22, 22)) << id;
    }
}

TEST_F(TrayIconTest, UnknownIdentifiersGiveNoPicture) {
    for (const int id : {0, 99, 112, 200, 205, -1}) {
        EXPECT_EQ(trayIcon(id).isNull(), true) << id;
        EXPECT_EQ(trayPixmap(id, 32).isNull(), true) << id;
    }
}

TEST_F(TrayIconTest, TheNewMoonIsDarkAndTheFullMoonLit) {
    EXPECT_LT(centre(100).lightness(), 100);
    EXPECT_GT(centre(106).lightness(), 180);
}

TEST_F(TrayIconTest, TheWaxingMoonIsLitOnTheRightAndTheWaningOnTheLeft) {
    // Half Moons: 103 lit from the right, 109 from the left.
    EXPECT_GT(at(103, 24, 16).lightness(), 180);
    EXPECT_LT(at(103, 8, 16).lightness(), 100);
    EXPECT_GT(at(109, 8, 16).lightness(), 180);
    EXPECT_LT(at(109, 24, 16).lightness(), 100);
    // A crescent is dark in the middle, a gibbous Moon lit.
    EXPECT_LT(centre(101).lightness(), 100);
    EXPECT_GT(centre(105).lightness(), 180);
}

TEST_F(TrayIconTest, TheFishHasItsPredictionsColour) {
    EXPECT_EQ(centre(201), QColor(0, 0, 192));
    EXPECT_EQ(centre(202), QColor(0, 255, 0));
    EXPECT_EQ(centre(203), QColor(255, 255, 128));
    EXPECT_EQ(centre(204), QColor(255, 255, 255));
}

} // namespace
