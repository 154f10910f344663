// A context that follows a zone computes every date exactly as a context fixed at that date's offset:
// the displayed day, the graph rows, a journal trip, the tray's day and look-ahead, a calendar page.
#include "calendar_page.h"
#include "daily_refresh.h"
#include "journal_moon.h"
#include "recording_page_writer.h"
#include "tray_almanac.h"
#include "zone_date_offsets.h"

#include <gtest/gtest.h>
#include <memory>
#include <tuple>

using biteclock::AlmanacDay;
using biteclock::DateSerial;
using biteclock::dateSerial;

namespace {

// New York harbour, 40 42' N 74 0' W; 2027's changes are on 14 March and 7 November.
biteclock::Observer newYorkAt(double hours) {
    return biteclock::observerFromDegrees(40.7, -74.0, hours);
}

std::shared_ptr<const biteclock::DateOffsets> newYorkRules() {
    return std::make_shared<const ZoneDateOffsets>(*ZoneDateOffsets::named("America/New_York"));
}

// As the window keeps it in December: today's offset stored, the zone's rules for the other dates.
AlmanacDay zonedDay(biteclock::AlmanacFlavour flavour = biteclock::AlmanacFlavour::Main) {
    AlmanacDay day(flavour);
    day.observer = newYorkAt(-5);
    day.dateOffsets = newYorkRules();
    return day;
}

AlmanacDay fixedDay(double hours, biteclock::AlmanacFlavour flavour = biteclock::AlmanacFlavour::Main) {
    AlmanacDay day(flavour);
    day.observer = newYorkAt(hours);
    return day;
}

// A date alone, as the command line's day command computes it.
AlmanacDay aloneAt(DateSerial date, double hours) {
    AlmanacDay day = fixedDay(hours);
    day.clearDayResults();
    biteclock::refreshDay(day, date, 0, false);
    return day;
}

// A caption as the window shows it: a hidden one's text is never seen.
std::string shown(const biteclock::Caption& c) {
    return c.visible ? c.text : std::string("<hidden>");
}

auto shownFields(const AlmanacDay& d) {
    const biteclock::MainWindowFields& m = d.main;
    return std::tuple(m.Text2, m.Text32, m.Text6, m.Text21, m.Text39, m.Text4, m.Text5, m.Text7, m.Text8,
                      shown(m.Label14), shown(m.Label18), m.Label13, d.MoonAge, d.MoonPictureId, d.DayRating,
                      d.RatingText);
}

auto trayFields(const TrayToday& t) {
    const biteclock::TrayWindowFields& f = t.fields;
    return std::tuple(f.sunrise, f.sunset, f.dayLength, f.Text2, f.Text3, f.Text4, f.Text5, f.Text7, f.Text8,
                      f.Label14, t.moonPictureId, t.moonAge, t.dayRating, t.ratingText, t.ratingIconId);
}

} // namespace

TEST(ZonedAlmanac, ASummerDaySeenInWinterHasItsSummerTimes) {
    AlmanacDay day = zonedDay();
    const DateSerial july4 = dateSerial(2027, 7, 4);
    biteclock::refreshDay(day, july4, 0, false);
    EXPECT_EQ(day.main.Text2, "05:30 AM");
    EXPECT_EQ(shownFields(day), shownFields(aloneAt(july4, -4)));
    EXPECT_EQ(day.observer.zoneOffsetHours, -4);
    EXPECT_EQ(day.phases.zoneOffsetHours, -4);
}

TEST(ZonedAlmanac, GraphRowsAcrossTheSpringChangeRateEachDateInItsOwnOffset) {
    // 2028's change is on 12 March; 19 and 20 March rate differently at -5 and at -4.
    AlmanacDay day = zonedDay();
    const DateSerial first = dateSerial(2028, 3, 1);
    const auto rows = biteclock::refreshDay(day, first, 40, false);
    ASSERT_EQ(rows.size(), 40u);
    int differFromWinter = 0;
    for (const biteclock::GraphRow& row : rows) {
        const double hours = row.date < dateSerial(2028, 3, 12) ? -5 : -4;
        EXPECT_EQ(row.rating, aloneAt(row.date, hours).DayRating) << row.label;
        differFromWinter += row.rating != aloneAt(row.date, -5).DayRating ? 1 : 0;
    }
    EXPECT_GE(differFromWinter, 1);
    // The displayed day is shown after the rows: back in its own offset, with its own table.
    EXPECT_EQ(day.observer.zoneOffsetHours, -5);
    EXPECT_EQ(day.phases.zoneOffsetHours, -5);
    EXPECT_EQ(shownFields(day), shownFields(aloneAt(first, -5)));
}

TEST(ZonedAlmanac, ADateEnteredAfterTheChangeIsComputedInItsOffset) {
    AlmanacDay day = zonedDay();
    biteclock::refreshDay(day, dateSerial(2026, 12, 9), 20, false);
    const DateSerial entered = dateSerial(2027, 8, 20);
    biteclock::loadPhaseTableFor(day, entered); // as the date entry does, at the stored offset
    biteclock::recomputeEnteredDay(day, entered, 20, false);
    const AlmanacDay alone = aloneAt(entered, -4);
    EXPECT_EQ(day.main.Text2, alone.main.Text2);
    EXPECT_EQ(day.main.Text21, alone.main.Text21);
    EXPECT_EQ(day.main.Text4, alone.main.Text4);
    EXPECT_EQ(day.DayRating, alone.DayRating);
    EXPECT_EQ(day.MoonAge, alone.MoonAge);
}

TEST(ZonedAlmanac, OneFixedOffsetGivesExactlyWhatNoOffsetsGive) {
    for (const DateSerial date :
         {dateSerial(2027, 1, 3), dateSerial(2027, 3, 10), dateSerial(2027, 12, 20)}) {
        AlmanacDay plain = fixedDay(-5);
        AlmanacDay fixed = fixedDay(-5);
        fixed.dateOffsets = std::make_shared<const biteclock::FixedDateOffsets>(-5);
        const auto plainRows = biteclock::refreshDay(plain, date, 30, true);
        const auto fixedRows = biteclock::refreshDay(fixed, date, 30, true);
        ASSERT_EQ(fixedRows.size(), plainRows.size());
        for (std::size_t i = 0; i < plainRows.size(); ++i) {
            EXPECT_EQ(fixedRows[i].rating, plainRows[i].rating);
            EXPECT_EQ(fixedRows[i].label, plainRows[i].label);
        }
        EXPECT_EQ(shownFields(fixed), shownFields(plain));
        EXPECT_EQ(fixed.phases.year, plain.phases.year);
    }
}

TEST(ZonedAlmanac, JournalTripsInJulyTakeTheSummerOffsetAndLeaveTheWindowAsItWas) {
    AlmanacDay day = zonedDay();
    biteclock::refreshDay(day, dateSerial(2026, 12, 9), 10, false);
    const biteclock::Observer before = day.observer;
    int captions = 0;
    for (int d = 1; d <= 31; ++d) {
        const DateSerial trip = dateSerial(2027, 7, d);
        AlmanacDay summer = fixedDay(-4);
        const auto expected = biteclock::journalMoon(summer, trip);
        const auto got = biteclock::journalMoon(day, trip);
        ASSERT_TRUE(got && expected);
        EXPECT_EQ(*got, *expected) << "July " << d;
        captions += got->caption.visible ? 1 : 0;
    }
    EXPECT_GE(captions, 2); // a new and a full moon, with their summer clock times
    EXPECT_EQ(day.observer, before);
    EXPECT_EQ(day.AlmanacDate, dateSerial(2026, 12, 9));
}

TEST(ZonedAlmanac, TrayTodayAndItsLookAheadFollowTheAutumnChange) {
    // 2029's change is on 4 November; at -5, 5 and 6 November rate higher than at -4.
    const DateSerial today = dateSerial(2029, 11, 1);
    AlmanacDay day = zonedDay(biteclock::AlmanacFlavour::Tray);
    AlmanacDay summer = fixedDay(-4, biteclock::AlmanacFlavour::Tray);
    EXPECT_EQ(trayFields(computeTrayToday(day, today)), trayFields(computeTrayToday(summer, today)));

    // Every look-ahead day rated as it would be alone in its offset: the first good one is the same.
    for (const int points : {33, 66, 100}) {
        std::optional<DateSerial> expected;
        for (int i = 0; i <= 20 && !expected; ++i) {
            const DateSerial d = today + i;
            if (aloneAt(d, d < dateSerial(2029, 11, 4) ? -4 : -5).DayRating >= points) {
                expected = d;
            }
        }
        const auto found = findAlarmDay(day, today, AlarmGrade{points, 20});
        ASSERT_EQ(found.has_value(), expected.has_value()) << points;
        if (found) {
            EXPECT_EQ(found->date, *expected) << points;
        }
        EXPECT_EQ(day.observer.zoneOffsetHours, -4);
        EXPECT_EQ(day.phases.zoneOffsetHours, -4);
    }
    const auto excellent = findAlarmDay(day, today, AlarmGrade{100, 20});
    ASSERT_TRUE(excellent);
    EXPECT_EQ(excellent->date, dateSerial(2029, 11, 6));
}

namespace {

QStringList julyPage(AlmanacDay day) {
    CalendarRequest request;
    request.year = 2027;
    request.month = 7;
    request.options.sunrise = true;
    request.options.moonrise = true;
    request.options.newFull = true;
    RecordingPageWriter writer;
    CalendarPage(day, writer).write(request);
    return writer.texts();
}

} // namespace

TEST(ZonedAlmanac, AJulyCalendarPrintedInWinterHasSummerTimes) {
    const QStringList zoned = julyPage(zonedDay());
    EXPECT_EQ(zoned, julyPage(fixedDay(-4)));
    EXPECT_NE(zoned, julyPage(fixedDay(-5)));
    // 4 July's sunrise, as the day command gives it with -4.
    EXPECT_TRUE(zoned.join(QLatin1Char('|')).contains(QStringLiteral("05:30 AM")));
}

TEST(ZonedAlmanac, APageLeavesTheSharedContextOnItsOwnDateAndOffset) {
    AlmanacDay day = zonedDay();
    biteclock::refreshDay(day, dateSerial(2026, 12, 9), 10, false);
    julyPage(day); // a copy: the page must also work on the window's own context
    CalendarRequest request;
    request.year = 2027;
    request.month = 7;
    RecordingPageWriter writer;
    CalendarPage(day, writer).write(request);
    EXPECT_EQ(day.AlmanacDate, dateSerial(2026, 12, 9));
    EXPECT_EQ(day.observer.zoneOffsetHours, -5);
    EXPECT_EQ(day.phases.zoneOffsetHours, -5);
    EXPECT_EQ(day.phases.year, 2026);
}
