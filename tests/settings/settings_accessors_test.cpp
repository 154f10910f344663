// The typed accessors: every key's default on an empty store, the value forms written back, and the
// locations the command line reads.
#include "main_settings.h"
#include "settings_fixture.h"
#include "shared_settings.h"
#include "stored_location.h"

namespace {

using SharedSettingsTest = EmptyStoreTest;

TEST_F(SharedSettingsTest, EmptyStoreGivesTheDefaults) {
    const SharedSettings s(store);
    EXPECT_EQ(s.currentLocation(), QString());
    EXPECT_TRUE(s.moonNorth());
    EXPECT_TRUE(s.tipsShown());
    EXPECT_FALSE(s.alarmOn());
    EXPECT_TRUE(s.showMoonIcon());
    EXPECT_TRUE(s.showFishIcon());
    EXPECT_TRUE(s.followDaylight());
    EXPECT_EQ(s.dayType(), QStringLiteral("All Days"));
    EXPECT_EQ(s.daysInAdvance(), QStringLiteral("2"));
    EXPECT_FALSE(s.customZone());
    EXPECT_EQ(s.latitudeDegrees(), QStringLiteral("0"));
    EXPECT_EQ(s.latitudeMinutes(), QStringLiteral("0"));
    EXPECT_EQ(s.longitudeDegrees(), QStringLiteral("0"));
    EXPECT_EQ(s.longitudeMinutes(), QStringLiteral("0"));
    EXPECT_EQ(s.northOrSouth(), QStringLiteral("N"));
    EXPECT_EQ(s.westOrEast(), QStringLiteral("W"));
    EXPECT_EQ(s.gmt(), QStringLiteral("0"));
    EXPECT_EQ(s.gmtHours(), 13.0);
    EXPECT_TRUE(s.plusSignShown());
}

TEST_F(SharedSettingsTest, ValueFormsAsStored) {
    SharedSettings s(store);
    s.setMoonNorth(false);
    s.setShowMoonIcon(false);
    s.setShowFishIcon(true);
    s.setCustomZone(true);
    s.setLatitudeDegrees(QStringLiteral(" 39"));
    s.setGmt(QStringLiteral("-5"));
    EXPECT_EQ(shared(QStringLiteral("moonorth")), QStringLiteral("False"));
    EXPECT_EQ(shared(QStringLiteral("showmoon")), QStringLiteral("0"));
    EXPECT_EQ(shared(QStringLiteral("showfish")), QStringLiteral("1"));
    EXPECT_EQ(shared(QStringLiteral("custom")), QStringLiteral("True"));
    EXPECT_EQ(shared(QStringLiteral("latdeg")), QStringLiteral(" 39"));
    EXPECT_EQ(s.gmtHours(), -5.0);
    EXPECT_TRUE(iniText(SettingsStore::kShared).contains(QStringLiteral("[Settings]")));
}

TEST_F(SharedSettingsTest, HandEditedBooleansFallBackToTheirDefaults) {
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("moonorth"),
                QStringLiteral("maybe"));
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("runalarm"),
                QStringLiteral("-1"));
    const SharedSettings s(store);
    EXPECT_TRUE(s.moonNorth());
    EXPECT_TRUE(s.alarmOn());
}

TEST_F(SharedSettingsTest, TheOffsetIsReadWithTheDefaultOfItsReader) {
    SharedSettings s(store);
    EXPECT_EQ(s.gmt(), QStringLiteral("0"));
    EXPECT_EQ(s.computedGmt(), QStringLiteral("13"));
    s.setGmt(QStringLiteral(" 9.5"));
    EXPECT_EQ(s.gmt(), QStringLiteral(" 9.5"));
    EXPECT_EQ(s.computedGmt(), QStringLiteral(" 9.5"));
    EXPECT_EQ(s.gmtHours(), 9.5);
}

TEST_F(SharedSettingsTest, AnyOneOfThePlaceKeysCountsAsAStoredPlace) {
    SharedSettings s(store);
    // Keys that are not the place's do not count.
    s.setCurrentLocation(QStringLiteral("Home"));
    s.setAlarmOn(true);
    EXPECT_FALSE(s.placeStored());
    for (const char* key : {"latdeg", "latmin", "NorS", "londeg", "lonmin", "WorE", "gmt"}) {
        store.removeSection(SettingsStore::kShared, SettingsStore::kSettings);
        store.write(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key), QString());
        EXPECT_TRUE(s.placeStored()) << key;
    }
}

TEST_F(SharedSettingsTest, TrayStartTextsAreTheStoredTextsWithMissingOnesEmpty) {
    SharedSettings s(store);
    EXPECT_EQ(s.trayStartTexts(), QStringList({QString(), QString(), QString()}));
    // A default written for the first time is a change the log-on entry has to follow.
    const QStringList before = s.trayStartTexts();
    s.setShowMoonIcon(true);
    EXPECT_NE(s.trayStartTexts(), before);
    s.setShowFishIcon(false);
    s.setAlarmOn(true);
    EXPECT_EQ(s.trayStartTexts(),
              QStringList({QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("True")}));
}

using MainSettingsTest = EmptyStoreTest;

TEST_F(MainSettingsTest, EmptyStoreGivesTheDefaults) {
    const MainSettings s(store);
    EXPECT_FALSE(s.dayFirst());
    EXPECT_EQ(s.windowState(), 0);
    EXPECT_EQ(s.chartColour(), 12615680);
    EXPECT_EQ(s.chartStyle(), 1);
    EXPECT_EQ(s.graphDays(), 15);
    EXPECT_EQ(s.graphDaysText(), QStringLiteral("15"));
}

TEST_F(MainSettingsTest, WritesWholeNumbersAndBooleanTexts) {
    MainSettings s(store);
    s.setDayFirst(true);
    s.setWindowState(2);
    s.setChartStyle(6);
    s.setChartColour(255);
    EXPECT_EQ(main(QStringLiteral("daterep")), QStringLiteral("True"));
    EXPECT_EQ(main(QStringLiteral("winstate")), QStringLiteral("2"));
    EXPECT_EQ(main(QStringLiteral("graphstyle")), QStringLiteral("6"));
    EXPECT_EQ(main(QStringLiteral("Chartcolor")), QStringLiteral("255"));
    EXPECT_TRUE(s.dayFirst());
    EXPECT_EQ(s.chartColour(), 255);
    // The two applications keep separate files.
    EXPECT_EQ(shared(QStringLiteral("daterep")), QStringLiteral("<missing>"));
}

TEST_F(MainSettingsTest, AValueThatIsNoNumberReadsAsTheDefault) {
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("graphday"),
                QStringLiteral("lots"));
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("winstate"),
                QStringLiteral(" 2"));
    const MainSettings s(store);
    EXPECT_EQ(s.graphDays(), 15);
    EXPECT_EQ(s.windowState(), 2);
}

using StoredLocationTest = EmptyStoreTest;

TEST_F(StoredLocationTest, CurrentLocationOfAnEmptyStore) {
    const biteclock::ObserverLocation loc = storedCurrentLocation(store);
    EXPECT_EQ(loc.name, "");
    EXPECT_EQ(loc.latitudeDegrees, 0.0);
    EXPECT_EQ(loc.northOrSouth, "N");
    EXPECT_EQ(loc.westOrEast, "W");
    EXPECT_EQ(loc.gmtHours, 13.0);
}

TEST_F(StoredLocationTest, CurrentLocationReadsTheFieldTexts) {
    SharedSettings s(store);
    s.setCurrentLocation(QStringLiteral("Lake Erie"));
    s.setLatitudeDegrees(QStringLiteral(" 41"));
    s.setLatitudeMinutes(QStringLiteral(" 30"));
    s.setNorthOrSouth(QStringLiteral("N"));
    s.setLongitudeDegrees(QStringLiteral(" 81"));
    s.setLongitudeMinutes(QStringLiteral(" 42"));
    s.setWestOrEast(QStringLiteral("W"));
    s.setGmt(QStringLiteral("-5"));
    const biteclock::ObserverLocation loc = storedCurrentLocation(store);
    EXPECT_EQ(loc.name, "Lake Erie");
    EXPECT_EQ(loc.latitudeDegrees, 41.0);
    EXPECT_EQ(loc.latitudeMinutes, 30.0);
    EXPECT_EQ(loc.longitudeDegrees, 81.0);
    EXPECT_EQ(loc.longitudeMinutes, 42.0);
    EXPECT_EQ(loc.gmtHours, -5.0);
    const biteclock::Observer o = biteclock::observerFrom(loc);
    EXPECT_EQ(o.latitudeDeg, 41.5);
    EXPECT_EQ(o.longitudeDeg, -81.7);
}

TEST_F(StoredLocationTest, SavedLocationByNameWithTheCatalogueDefaults) {
    store.write(SettingsStore::kMain, SettingsStore::locationSection(QStringLiteral("Reef")),
                QStringLiteral("latdeg"), QStringLiteral(" 33"));
    const std::optional<biteclock::ObserverLocation> reef = storedLocation(store, QStringLiteral("Reef"));
    ASSERT_TRUE(reef.has_value());
    EXPECT_EQ(reef->latitudeDegrees, 33.0);
    EXPECT_EQ(reef->northOrSouth, "S");
    EXPECT_EQ(reef->westOrEast, "E");
    EXPECT_EQ(reef->gmtHours, 13.0);
    EXPECT_FALSE(storedLocation(store, QStringLiteral("Nowhere")).has_value());
    EXPECT_FALSE(storedLocation(store, QString()).has_value());
}

} // namespace
