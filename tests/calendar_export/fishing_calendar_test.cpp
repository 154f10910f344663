// The fishing calendar's events: which days and periods have one, and their times.
#include "calendar_zone.h"
#include "fishing_calendar.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

FishingCalendarRequest request(double lat, double lon, DateSerial from, int days) {
    FishingCalendarRequest r;
    r.place.observer = observerFromDegrees(lat, lon, 0);
    r.from = from;
    r.days = days;
    r.locationText = "Test Lake";
    r.stampUtcSeconds = 1765000000;
    return r;
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

TEST(FishingCalendar, DaysTheMoonStaysUpOrDownHaveNoPeriodEvents) {
    // Svalbard in June: "Stays Down" and "Can't Calc" all month.
    FishingCalendarRequest r = request(78.2, 15.6, dateSerial(2026, 6, 1), 5);
    r.kinds = CalendarEventKinds{true, false, false};
    const FishingCalendarText text = fishingCalendarText(r, FixedDateOffsets(1));
    EXPECT_EQ(text.events, 0);
    EXPECT_EQ(count(text.text, "BEGIN:VEVENT"), 0U);
    EXPECT_EQ(text.text.rfind("END:VCALENDAR\r\n"), text.text.size() - 15);
}

TEST(FishingCalendar, UtcTimesTakeTheDaysOwnOffsetEvenAFractionalOne) {
    FishingCalendarRequest r = request(27.7, 85.3, dateSerial(2030, 1, 10), 1);
    r.kinds = CalendarEventKinds{true, false, false};
    const FishingCalendarText text = fishingCalendarText(r, FixedDateOffsets(5.75));
    AlmanacDay day;
    day.observer = observerFromDegrees(27.7, 85.3, 5.75);
    const DayRecord record = computeDayRecord(day, dateSerial(2030, 1, 10));
    // 10 January 2030 at the upper major's clock time, less 5 h 45 min.
    const int hour = std::stoi(std::string(record.upperMajor.substr(0, 2))) % 12 +
                     (record.upperMajor.substr(6, 2) == "PM" ? 12 : 0);
    const int minute = std::stoi(std::string(record.upperMajor.substr(3, 2)));
    int utc = hour * 60 + minute - 345;
    int date = 10;
    if (utc < 0) {
        utc += 24 * 60;
        date = 9;
    }
    char expected[64];
    std::snprintf(expected, sizeof expected, "DTSTART:203001%02dT%02d%02d00Z", date, utc / 60, utc % 60);
    EXPECT_NE(text.text.find(expected), std::string::npos) << expected << "\n" << text.text;
    EXPECT_EQ(text.text.find("TZID"), std::string::npos);
}

TEST(FishingCalendar, EachDayAtTheGradeHasOneAllDayEvent) {
    FishingCalendarRequest r = request(40.7, -74.0, dateSerial(2026, 1, 1), 60);
    r.kinds = CalendarEventKinds{false, true, false};
    AlmanacDay day;
    int good = 0;
    int excellent = 0;
    for (int i = 0; i < 60; ++i) {
        day.observer = observerFromDegrees(40.7, -74.0, -5);
        const DayRecord record = computeDayRecord(day, dateSerial(2026, 1, 1) + i);
        good += record.rating >= 66;
        excellent += record.rating >= 100;
    }
    ASSERT_GT(good, excellent);
    ASSERT_GT(excellent, 0);
    r.minimumRating = 66;
    const FishingCalendarText goodDays = fishingCalendarText(r, FixedDateOffsets(-5));
    EXPECT_EQ(goodDays.events, good);
    EXPECT_EQ(count(goodDays.text, "DTSTART;VALUE=DATE:"), static_cast<std::size_t>(good));
    r.minimumRating = 100;
    const FishingCalendarText excellentDays = fishingCalendarText(r, FixedDateOffsets(-5));
    EXPECT_EQ(excellentDays.events, excellent);
    EXPECT_EQ(count(excellentDays.text, "SUMMARY:Excellent fishing day"),
              static_cast<std::size_t>(excellent));
}

TEST(FishingCalendar, AZoneIsDescribedWithEveryChangeInTheSpan) {
    const auto newYork = ZoneDateOffsets::named("America/New_York");
    ASSERT_TRUE(newYork);
    const CalendarZone zone = calendarZone(*newYork, dateSerial(2026, 1, 1), dateSerial(2027, 12, 31));
    EXPECT_EQ(zone.id, "America/New_York");
    EXPECT_EQ(zone.initial.offsetSeconds, -5 * 3600);
    EXPECT_EQ(zone.initial.abbreviation, "EST");
    ASSERT_EQ(zone.transitions.size(), 4U);
    // 8 March 2026 at 2 AM EST, 7 AM UTC.
    EXPECT_EQ(zone.transitions[0].utcSeconds, 1772953200);
    EXPECT_EQ(zone.transitions[0].offsetSeconds, -4 * 3600);
    EXPECT_TRUE(zone.transitions[0].daylight);
    EXPECT_EQ(zone.transitions[0].abbreviation, "EDT");
    // 1 November 2026 at 2 AM EDT, 6 AM UTC.
    EXPECT_EQ(zone.transitions[1].utcSeconds, 1793512800);
    EXPECT_FALSE(zone.transitions[1].daylight);
    // After 2037, where Qt 6.4's own list goes wrong for some zones, the changes still come from the rules.
    const auto santiago = ZoneDateOffsets::named("America/Santiago");
    ASSERT_TRUE(santiago);
    const CalendarZone later = calendarZone(*santiago, dateSerial(2040, 1, 1), dateSerial(2040, 12, 31));
    ASSERT_EQ(later.transitions.size(), 2U);
    for (const ZoneTransition& t : later.transitions) {
        const DateSerial local = static_cast<DateSerial>((t.utcSeconds + t.offsetSeconds) / 86400) + 25569;
        EXPECT_EQ(santiago->offsetSeconds(local + 1), t.offsetSeconds);
        EXPECT_NE(santiago->offsetSeconds(local - 1), t.offsetSeconds);
    }
}

TEST(FishingCalendar, OnlyANamedZoneGivesLocalTimes) {
    const FishingCalendarRequest r = request(40.7, -74.0, dateSerial(2026, 3, 1), 10);
    EXPECT_FALSE(withZoneOf(r, FixedDateOffsets(-5)).zone);
    const auto zoned = withZoneOf(r, *ZoneDateOffsets::named("America/New_York"));
    ASSERT_TRUE(zoned.zone);
    EXPECT_EQ(zoned.zone->transitions.size(), 1U);
}

TEST(FishingCalendar, PlacesWithoutANameAreGivenByTheirCoordinates) {
    EXPECT_EQ(coordinatesText(observerFromDegrees(40.7128, -74.006, 0)), "40\u00B043'N 74\u00B000'W");
    EXPECT_EQ(coordinatesText(observerFromDegrees(-33.8688, 151.2093, 0)), "33\u00B052'S 151\u00B013'E");
    EXPECT_EQ(calendarGradeRating("good"), 66);
    EXPECT_EQ(calendarGradeRating("poor"), std::nullopt);
}

} // namespace
} // namespace biteclock
