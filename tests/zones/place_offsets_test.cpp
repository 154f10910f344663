// Which offsets a place's dates take: its own zone, the computer's rules, or one fixed offset.
#include "place_offsets.h"
#include "qt_time_zone_source.h"
#include "shared_settings.h"

#include <QSettings>
#include <gtest/gtest.h>

using biteclock::dateSerial;

namespace {

const QtTimeZoneSource& newYorkComputer() {
    static const QtTimeZoneSource source(QTimeZone("America/New_York"),
                                         QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC));
    return source;
}

double january(const biteclock::DateOffsets& o) {
    return o.offsetHours(dateSerial(2027, 1, 15));
}
double july(const biteclock::DateOffsets& o) {
    return o.offsetHours(dateSerial(2027, 7, 4));
}

} // namespace

TEST(PlaceOffsets, TheComputersRulesWithTheDaylightBoxTicked) {
    const auto o = placeDateOffsets({{}, false, true, -5}, newYorkComputer());
    EXPECT_TRUE(o->varies());
    EXPECT_EQ(january(*o), -5);
    EXPECT_EQ(july(*o), -4);
}

TEST(PlaceOffsets, CustomAnUntickedBoxOrAComputerWithoutRulesKeepOneOffset) {
    const biteclock::FixedTimeZoneSource noRules(std::nullopt);
    for (const auto& [zone, computer] :
         {std::pair<PlaceZone, const biteclock::TimeZoneSource*>{{{}, true, true, 9.5}, &newYorkComputer()},
          {{{}, false, false, 9.5}, &newYorkComputer()},
          {{{}, false, true, 9.5}, &noRules}}) {
        const auto o = placeDateOffsets(zone, *computer);
        EXPECT_FALSE(o->varies());
        EXPECT_EQ(january(*o), 9.5);
        EXPECT_EQ(july(*o), 9.5);
    }
}

TEST(PlaceOffsets, APlacesOwnZoneWinsWhereverTheComputerIs) {
    // Adelaide while the computer keeps New York, whatever "Custom" and the box say.
    for (const bool custom : {false, true}) {
        for (const bool ticked : {false, true}) {
            const auto o = placeDateOffsets({QStringLiteral("Australia/Adelaide"), custom, ticked, -5},
                                            newYorkComputer());
            EXPECT_EQ(january(*o), 10.5);
            EXPECT_EQ(july(*o), 9.5);
        }
    }
    const auto kathmandu =
        placeDateOffsets({QStringLiteral("Asia/Kathmandu"), false, true, 0}, newYorkComputer());
    EXPECT_EQ(july(*kathmandu), 5.75);
}

TEST(PlaceOffsets, AnUnknownZoneFallsBackToTheStoredOffset) {
    for (const QString& bad : {QStringLiteral("Nowhere/Atlantis"), QStringLiteral("../../etc/passwd"),
                               QStringLiteral("America/New York"), QStringLiteral("  ")}) {
        const auto o =
            placeDateOffsets({bad.trimmed(), false, true, 3}, biteclock::FixedTimeZoneSource(std::nullopt));
        EXPECT_FALSE(o->varies()) << bad.toStdString();
        EXPECT_EQ(july(*o), 3);
    }
}

TEST(PlaceOffsets, TheStoreGivesTheZoneTheBoxesAndTheOffsetPassedIn) {
    SettingsStore store;
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Biteclock"), SettingsStore::kShared)
        .clear();
    EXPECT_EQ(storedPlaceZone(store, -5), (PlaceZone{{}, false, true, -5}));
    SharedSettings s(store);
    s.setZoneId(QStringLiteral("Australia/Adelaide"));
    s.setCustomZone(true);
    s.setFollowDaylight(false);
    EXPECT_EQ(storedPlaceZone(store, 10.5),
              (PlaceZone{QStringLiteral("Australia/Adelaide"), true, false, 10.5}));
}

TEST(PlaceOffsets, TheCacheKeepsANamedZoneUntilThePlaceChanges) {
    PlaceOffsetsCache cache;
    const PlaceZone adelaide{QStringLiteral("Australia/Adelaide"), false, true, 10.5};
    const auto first = cache.offsetsFor(adelaide, newYorkComputer());
    EXPECT_EQ(cache.offsetsFor(adelaide, newYorkComputer()), first);
    const auto other = cache.offsetsFor({QStringLiteral("Europe/Moscow"), false, true, 3}, newYorkComputer());
    EXPECT_NE(other, first);
    EXPECT_EQ(july(*other), 3);
    // The computer's own rules are the source's, worked out once for every window.
    EXPECT_EQ(cache.offsetsFor({{}, false, true, -5}, newYorkComputer()), newYorkComputer().dateOffsets());
}
