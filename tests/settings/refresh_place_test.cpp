// The place a program that follows the main window computes with: the settings panel's check of the
// stored numbers, the computer's offset when the offset is not typed, and the store's defaults.
#include "location_catalogue.h"
#include "new_york_home.h"
#include "refresh_place.h"
#include "settings_fixture.h"
#include "shared_settings.h"

#include <optional>

namespace {

using biteclock::FixedTimeZoneSource;
using biteclock::TimeZoneInfo;

// India: 5.5 hours east, no daylight saving.
TimeZoneInfo india() {
    TimeZoneInfo z;
    z.biasMinutes = -330;
    z.standardName = "India Standard Time";
    return z;
}

// New York in summer: 5 hours west, 4 while daylight time is in force.
TimeZoneInfo newYorkSummer() {
    TimeZoneInfo z;
    z.biasMinutes = 300;
    z.daylightBiasMinutes = -60;
    z.standardName = "Eastern Standard Time";
    z.daylightName = "Eastern Daylight Time";
    z.state = TimeZoneInfo::State::Daylight;
    return z;
}

struct CheckCase {
    PlaceTexts texts;
    std::optional<QString> refusedKey; ///< none: the panel stores the place
};

class PlaceCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(PlaceCheck, RefusesWhatThePanelRefuses) {
    const CheckCase& c = GetParam();
    const auto fault = checkPlaceTexts(c.texts);
    ASSERT_EQ(fault.has_value(), c.refusedKey.has_value()) << (fault ? fault->key.toStdString() : "passed");
    if (fault) {
        EXPECT_EQ(fault->key, *c.refusedKey);
        EXPECT_FALSE(fault->rule.isEmpty());
    }
}

// Rows: latitude degrees, latitude minutes, longitude degrees, longitude minutes, hours.
INSTANTIATE_TEST_SUITE_P(
    Settings, PlaceCheck,
    ::testing::Values(CheckCase{{"40", "42", "74", "0", "-5"}, std::nullopt},
                      CheckCase{{" 89", " 59", " 179", " 59", " 13"}, std::nullopt},
                      CheckCase{{"0", "0", "0", "0", "-12"}, std::nullopt},
                      CheckCase{{"39.7", "0", "0", "0", "9.5"}, std::nullopt}, // taken as 39
                      CheckCase{{"1e400", "0", "0", "0", "0"}, std::nullopt}, // too large to read: reads as 0
                      CheckCase{{"1e308", "0", "0", "0", "0"}, QStringLiteral("latdeg")},
                      CheckCase{{"90", "0", "0", "0", "0"}, QStringLiteral("latdeg")},
                      CheckCase{{"0", "60", "0", "0", "0"}, QStringLiteral("latmin")},
                      CheckCase{{"0", "0", "180", "0", "0"}, QStringLiteral("londeg")},
                      CheckCase{{"0", "0", "-1e300", "0", "0"}, QStringLiteral("londeg")},
                      CheckCase{{"0", "0", "0", "-5", "0"}, QStringLiteral("lonmin")},
                      CheckCase{{"0", "0", "0", "1a", "0"}, QStringLiteral("lonmin")},
                      CheckCase{{"0", "0", "0", "0", "13.5"}, QStringLiteral("gmt")},
                      CheckCase{{"0", "0", "0", "0", "-12.5"}, QStringLiteral("gmt")},
                      CheckCase{{"0", "0", "0", "0", "1e20"}, QStringLiteral("gmt")},
                      CheckCase{{"0", "0", "0", "0", "5h"}, QStringLiteral("gmt")},
                      // Empty fields come first, the hours before the others, as the panel asks for them.
                      CheckCase{{"90", "", "0", "0", ""}, QStringLiteral("gmt")},
                      CheckCase{{"90", "", "0", "0", "0"}, QStringLiteral("latmin")},
                      // Ranges come before signs and characters.
                      CheckCase{{"-1", "abc", "0", "0", "99"}, QStringLiteral("gmt")}));

class RefreshPlaceTest : public EmptyStoreTest {
protected:
    void storeHome(bool custom, const QString& gmt) {
        storeNewYorkHome(store);
        SharedSettings s(store);
        s.setGmt(gmt);
        s.setCustomZone(custom);
    }
    RefreshPlace place(const TimeZoneInfo& zone) { return refreshPlace(store, FixedTimeZoneSource(zone)); }
};

TEST_F(RefreshPlaceTest, WithTheOffsetNotTypedTheComputersOffsetReplacesTheStoredOne) {
    storeHome(false, QStringLiteral("1e20"));
    const RefreshPlace p = place(india());
    ASSERT_FALSE(p.fault) << p.fault->key.toStdString();
    EXPECT_EQ(p.location.gmtHours, 5.5);
    EXPECT_EQ(p.location.latitudeDegrees, 40);
    EXPECT_EQ(p.location.longitudeDegrees, 74);
    EXPECT_EQ(p.location.westOrEast, "W");
    EXPECT_EQ(p.zoneName, QStringLiteral("India Standard Time"));
    EXPECT_FALSE(p.defaults);
}

TEST_F(RefreshPlaceTest, TheDaylightBoxDecidesWhetherTheDaylightShiftCounts) {
    storeHome(false, QStringLiteral("-5"));
    EXPECT_EQ(place(newYorkSummer()).location.gmtHours, -4);
    EXPECT_EQ(place(newYorkSummer()).zoneName, QStringLiteral("Eastern Daylight Time"));
    SharedSettings(store).setFollowDaylight(false);
    EXPECT_EQ(place(newYorkSummer()).location.gmtHours, -5);
    EXPECT_EQ(place(newYorkSummer()).zoneName, QStringLiteral("Eastern Standard Time"));
}

TEST_F(RefreshPlaceTest, ATypedOffsetIsCheckedAndKept) {
    storeHome(true, QStringLiteral("1e20"));
    const RefreshPlace refused = place(india());
    ASSERT_TRUE(refused.fault);
    EXPECT_EQ(refused.fault->key, QStringLiteral("gmt"));
    EXPECT_EQ(refused.fault->text, QStringLiteral("1e20"));
    EXPECT_EQ(refused.fault->file, store.fileName(SettingsStore::kShared));
    EXPECT_TRUE(refused.fault->file.endsWith(QStringLiteral("Biteclock/Bitetray.ini")));

    storeHome(true, QStringLiteral(" 9.5"));
    const RefreshPlace kept = place(india());
    ASSERT_FALSE(kept.fault);
    EXPECT_EQ(kept.location.gmtHours, 9.5);
    EXPECT_EQ(kept.zoneName, QStringLiteral("Custom"));
    // A typed offset equal to the computer's is the computer's zone again, as the panel decides.
    storeHome(true, QStringLiteral("5.5"));
    EXPECT_EQ(place(india()).zoneName, QStringLiteral("India Standard Time"));
}

TEST_F(RefreshPlaceTest, CoordinatesAreTakenAsTheWholeNumbersThePanelStores) {
    storeHome(true, QStringLiteral("-5"));
    SharedSettings(store).setLatitudeDegrees(QStringLiteral("39.7"));
    SharedSettings(store).setLongitudeMinutes(QStringLiteral("30.9"));
    const RefreshPlace p = place(india());
    ASSERT_FALSE(p.fault);
    EXPECT_EQ(p.location.latitudeDegrees, 39);
    EXPECT_EQ(p.location.longitudeMinutes, 30);
}

TEST_F(RefreshPlaceTest, StoredNonsenseIsRefusedNamingTheKey) {
    for (const auto& [key, text] : {std::pair{"latdeg", "1e308"}, std::pair{"londeg", "-1e300"},
                                    std::pair{"latmin", "75"}, std::pair{"lonmin", "x"}}) {
        storeHome(false, QStringLiteral("-5"));
        store.write(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key),
                    QLatin1String(text));
        const RefreshPlace p = place(india());
        ASSERT_TRUE(p.fault) << key;
        EXPECT_EQ(p.fault->key, QLatin1String(key));
        EXPECT_EQ(p.fault->text, QLatin1String(text));
    }
}

TEST_F(RefreshPlaceTest, AComputerOffsetThePanelRefusesIsNamedAsSuch) {
    storeHome(false, QStringLiteral("-5"));
    TimeZoneInfo kiribati;
    kiribati.biasMinutes = -14 * 60;
    const RefreshPlace p = place(kiribati);
    ASSERT_TRUE(p.fault);
    EXPECT_TRUE(p.fault->key.contains(QStringLiteral("computer"))) << p.fault->key.toStdString();
    EXPECT_EQ(p.fault->text, QStringLiteral(" 14"));
}

TEST_F(RefreshPlaceTest, AnEmptyStoreGivesTheDefaultsOfTheDailyComputation) {
    const RefreshPlace p = place(india());
    ASSERT_FALSE(p.fault);
    EXPECT_TRUE(p.defaults);
    EXPECT_EQ(p.location.latitudeDegrees, 0);
    EXPECT_EQ(p.location.northOrSouth, "N");
    EXPECT_EQ(p.location.westOrEast, "W");
    EXPECT_EQ(p.location.gmtHours, 13) << "without a name the panel stores nothing: the refresh's 13 hours";
    EXPECT_EQ(p.zoneName, QStringLiteral("India Standard Time"));
}

TEST_F(RefreshPlaceTest, WithoutANameTheStoredValuesAreUsedAsTheyStand) {
    storeHome(false, QStringLiteral("-5"));
    SharedSettings(store).setCurrentLocation(QString());
    SharedSettings(store).setLatitudeDegrees(QStringLiteral("39.7"));
    const RefreshPlace p = place(india());
    ASSERT_FALSE(p.fault);
    EXPECT_FALSE(p.defaults);
    EXPECT_EQ(p.location.latitudeDegrees, 39.7);
    EXPECT_EQ(p.location.gmtHours, -5) << "the panel's check stopped at the name: the stored offset";

    SharedSettings(store).setLatitudeDegrees(QStringLiteral("1e308"));
    ASSERT_TRUE(place(india()).fault);
    EXPECT_EQ(place(india()).fault->key, QStringLiteral("latdeg"));
}

TEST_F(RefreshPlaceTest, SavedLocationsAreCheckedTheSameWay) {
    LocationCatalogue catalogue(store);
    EXPECT_FALSE(savedPlace(store, QStringLiteral("Sydney")));
    catalogue.storeNames({QStringLiteral("Sydney"), QStringLiteral("Nowhere")});
    catalogue.writeEntry(QStringLiteral("Sydney"),
                         {QStringLiteral(" 33"), QStringLiteral(" 52"), QStringLiteral("S"),
                          QStringLiteral(" 151"), QStringLiteral(" 12"), QStringLiteral("E"),
                          QStringLiteral(" 10"), QString()});
    catalogue.writeEntry(QStringLiteral("Nowhere"),
                         {QStringLiteral("95"), QStringLiteral("0"), QStringLiteral("N"), QStringLiteral("0"),
                          QStringLiteral("0"), QStringLiteral("E"), QStringLiteral("0"), QString()});
    const auto sydney = savedPlace(store, QStringLiteral("Sydney"));
    ASSERT_TRUE(sydney);
    ASSERT_FALSE(sydney->fault);
    EXPECT_EQ(sydney->location.latitudeDegrees, 33);
    EXPECT_EQ(sydney->location.northOrSouth, "S");
    EXPECT_EQ(sydney->location.gmtHours, 10);
    const auto nowhere = savedPlace(store, QStringLiteral("Nowhere"));
    ASSERT_TRUE(nowhere && nowhere->fault);
    EXPECT_EQ(nowhere->fault->key, QStringLiteral("Settings\\Locations\\Nowhere\\latdeg"));
    EXPECT_EQ(nowhere->fault->file, store.fileName(SettingsStore::kMain));
}

} // namespace
