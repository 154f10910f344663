// The companion's reads of the shared settings, with its own defaults, and what it writes back.
#include "main_program_path.h"
#include "settings_store.h"
#include "tray_settings.h"
#include "tray_test_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class TraySettingsTest : public ::testing::Test {
protected:
    // The program folder's default is the running program's folder, which needs the application.
    void SetUp() override { trayTestApplication(); }

    void set(const QString& key, const QString& value) {
        store.write(SettingsStore::kShared, SettingsStore::kSettings, key, value);
    }
    QString stored(const QString& key) const {
        return store.read(SettingsStore::kShared, SettingsStore::kSettings, key, QStringLiteral("<missing>"));
    }

    TrayTestEnvironment env;
    SettingsStore store;
    TraySettings settings{store};
};

TEST_F(TraySettingsTest, AnEmptyStoreGivesTheCompanionsOwnDefaults) {
    EXPECT_EQ(settings.tipsShown(), true);
    EXPECT_EQ(settings.moonNorth(), true);
    EXPECT_EQ(settings.showMoon(), true);
    EXPECT_EQ(settings.showFish(), true);
    EXPECT_EQ(settings.alarmOn(), false);
    EXPECT_EQ(settings.displayForm(), true);
    EXPECT_EQ(settings.dayType(), QStringLiteral("0"));
    EXPECT_EQ(settings.daysInAdvance(), 0);
    EXPECT_EQ(settings.fishPath(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(settings.noTrayNoticeGiven(), false);

    const biteclock::ObserverLocation place = settings.location();
    EXPECT_EQ(place.latitudeDegrees, -39);
    EXPECT_EQ(place.latitudeMinutes, 0);
    EXPECT_EQ(place.northOrSouth, "N");
    EXPECT_EQ(place.longitudeDegrees, 150);
    EXPECT_EQ(place.longitudeMinutes, 0);
    EXPECT_EQ(place.westOrEast, "W");
    EXPECT_EQ(place.gmtHours, 13);
}

TEST_F(TraySettingsTest, StoredValuesAreReadAsTheMainProgramWroteThem) {
    set(QStringLiteral("latdeg"), QStringLiteral(" 33"));
    set(QStringLiteral("latmin"), QStringLiteral(" 52"));
    set(QStringLiteral("NorS"), QStringLiteral("S"));
    set(QStringLiteral("londeg"), QStringLiteral(" 151"));
    set(QStringLiteral("lonmin"), QStringLiteral(" 12"));
    set(QStringLiteral("WorE"), QStringLiteral("E"));
    set(QStringLiteral("gmt"), QStringLiteral(" 9.5"));
    set(QStringLiteral("runalarm"), QStringLiteral("True"));
    set(QStringLiteral("showmoon"), QStringLiteral("0"));
    set(QStringLiteral("moonorth"), QStringLiteral("False"));
    set(QStringLiteral("daytype"), QStringLiteral("Good & Excellent Days"));
    set(QStringLiteral("daysinadvance"), QStringLiteral(" 5"));
    set(QStringLiteral("displayform"), QStringLiteral("0"));

    const biteclock::ObserverLocation place = settings.location();
    EXPECT_EQ(place.latitudeDegrees, 33);
    EXPECT_EQ(place.latitudeMinutes, 52);
    EXPECT_EQ(place.northOrSouth, "S");
    EXPECT_EQ(place.longitudeDegrees, 151);
    EXPECT_EQ(place.longitudeMinutes, 12);
    EXPECT_EQ(place.westOrEast, "E");
    EXPECT_EQ(place.gmtHours, 9.5);
    EXPECT_EQ(settings.alarmOn(), true);
    EXPECT_EQ(settings.showMoon(), false);
    EXPECT_EQ(settings.showFish(), true);
    EXPECT_EQ(settings.moonNorth(), false);
    EXPECT_EQ(settings.dayType(), QStringLiteral("Good & Excellent Days"));
    EXPECT_EQ(settings.daysInAdvance(), 5);
    EXPECT_EQ(settings.displayForm(), false);
}

TEST_F(TraySettingsTest, AHandEditedLookAheadStaysWithinAYear) {
    set(QStringLiteral("daysinadvance"), QStringLiteral("-4"));
    EXPECT_EQ(settings.daysInAdvance(), 0);
    set(QStringLiteral("daysinadvance"), QStringLiteral("99999999"));
    EXPECT_EQ(settings.daysInAdvance(), 366);
    set(QStringLiteral("daysinadvance"), QStringLiteral("three"));
    EXPECT_EQ(settings.daysInAdvance(), 0);
}

TEST_F(TraySettingsTest, TheProgramFolderDefaultsToTheRunningCompanionsFolderAndAStoredOneWins) {
    // The test program's own folder stands for the companion's: the build folder here.
    const QString own = TraySettings::defaultFishPath();
    ASSERT_FALSE(own.isEmpty());
    EXPECT_TRUE(QDir::isAbsolutePath(own));
    EXPECT_EQ(QDir(own), QDir(QFileInfo(QCoreApplication::applicationFilePath()).absolutePath()));
    EXPECT_EQ(settings.fishPath(), own);
    EXPECT_EQ(mainProgramFolder(settings.fishPath(), env.path(QStringLiteral("elsewhere"))),
              QDir::cleanPath(own));

    ASSERT_EQ(QDir().mkpath(env.path(QStringLiteral("opt/biteclock"))), true);
    set(QStringLiteral("fishpath"), env.path(QStringLiteral("opt/biteclock")));
    EXPECT_EQ(settings.fishPath(), env.path(QStringLiteral("opt/biteclock")));
    EXPECT_EQ(mainProgramFolder(settings.fishPath(), own), env.path(QStringLiteral("opt/biteclock")));
}

TEST_F(TraySettingsTest, WritesUseTheStoredForms) {
    settings.setShowMoon(false);
    settings.setShowFish(true);
    settings.setDisplayForm(false);
    settings.setNoTrayNoticeGiven();
    EXPECT_EQ(stored(QStringLiteral("showmoon")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("showfish")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("displayform")), QStringLiteral("0"));
    EXPECT_EQ(settings.noTrayNoticeGiven(), true);
}

} // namespace
