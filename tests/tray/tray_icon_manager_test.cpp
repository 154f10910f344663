// The icon operations over the notification area, and the tips they carry.
#include "recording_tray_backend.h"
#include "tray_icon_manager.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayTip, ShortTipsAreKeptWhole) {
    EXPECT_EQ(trayTipText(QStringLiteral("Moon Age: 5 Days")), QStringLiteral("Moon Age: 5 Days"));
    EXPECT_EQ(trayTipText(QString()), QString());
    EXPECT_EQ(trayTipText(QString(63, QLatin1Char('a'))), QString(63, QLatin1Char('a')));
}

TEST(TrayTip, TipsOf64CharactersOrMoreAreCutAt64) {
    EXPECT_EQ(trayTipText(QString(64, QLatin1Char('b'))), QString(64, QLatin1Char('b')));
    EXPECT_EQ(trayTipText(QString(65, QLatin1Char('c'))), QString(64, QLatin1Char('c')));
    const QString tip = QStringLiteral("Fishing Prediction: ") + QString(80, QLatin1Char('x'));
    EXPECT_EQ(trayTipText(tip).size(), 64);
    EXPECT_EQ(trayTipText(tip), tip.left(64));
}

TEST(TrayTip, CarriesNoNul) {
    const QString withNul = QStringLiteral("Moon Age: ") + QChar(u'\0') + QStringLiteral("junk");
    EXPECT_EQ(trayTipText(withNul), QStringLiteral("Moon Age: "));
    EXPECT_EQ(trayTipText(QString(70, QChar(u'\0'))), QString());
}

class IconManagerTest : public ::testing::Test {
protected:
    IconManagerTest() { manager.setPictures(104, 202); }

    RecordingTrayBackend backend;
    TrayIconManager manager{backend};
};

TEST_F(IconManagerTest, AddsTheMoonAndTheFishWithTheirPicturesAndTips) {
    manager.ItemAdd(QStringLiteral("Moon Age: 8 Days"));
    manager.Itemaddfish(QStringLiteral("Fishing Prediction: Good"));
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("add Moon 104 Moon Age: 8 Days"),
                                          QStringLiteral("add Fish 202 Fishing Prediction: Good")}));
    EXPECT_EQ(manager.moonShown(), true);
    EXPECT_EQ(manager.fishShown(), true);
}

TEST_F(IconManagerTest, AddCutsTheTip) {
    manager.ItemAdd(QString(70, QLatin1Char('m')));
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("add Moon 104 ") + QString(64, QLatin1Char('m'))}));
}

TEST_F(IconManagerTest, RemovingAnIconNeverAddedDoesNothing) {
    manager.ItemDelete();
    manager.ItemDeletemoon();
    manager.ItemDeletefish();
    EXPECT_EQ(backend.calls, QStringList());
}

TEST_F(IconManagerTest, EachIconIsRemovedOnce) {
    manager.ItemAdd(QStringLiteral("Moon Age: 8 Days"));
    manager.Itemaddfish(QStringLiteral("Fishing Prediction: Good"));
    backend.calls.clear();
    manager.ItemDeletemoon();
    manager.ItemDelete();
    manager.ItemDeletefish();
    manager.ItemDeletefish();
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("remove Moon"), QStringLiteral("remove Fish")}));
    EXPECT_EQ(manager.moonShown(), false);
    EXPECT_EQ(manager.fishShown(), false);
}

TEST_F(IconManagerTest, AddingAShownIconOnlyUpdatesIt) {
    manager.ItemAdd(QStringLiteral("Moon Age: 8 Days"));
    manager.ItemAdd(QStringLiteral("Moon Age: 9 Days"));
    EXPECT_EQ(backend.calls,
              QStringList({QStringLiteral("add Moon 104 Moon Age: 8 Days"),
                           QStringLiteral("picture Moon 104"), QStringLiteral("tip Moon Moon Age: 9 Days")}));
}

TEST_F(IconManagerTest, ModifyAndTipChangeTheShownMoonOnly) {
    manager.ItemModify(105);
    manager.ItemSetToolTipText(QStringLiteral("ignored"));
    EXPECT_EQ(backend.calls, QStringList());

    manager.ItemAdd(QStringLiteral("Moon Age: 8 Days"));
    manager.ItemModify(106);
    manager.ItemSetToolTipText(QString(66, QLatin1Char('t')));
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("add Moon 105 Moon Age: 8 Days"),
                                          QStringLiteral("picture Moon 106"),
                                          QStringLiteral("tip Moon ") + QString(64, QLatin1Char('t'))}));
}

} // namespace
