// A span of days computed in blocks, on one thread or several, reads exactly as one run through the
// days with one almanac context.
#include "almanac_day.h"
#include "day_span.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace biteclock {
namespace {

// Offsets that change on given dates, as a zone's do.
class SteppedOffsets final : public DateOffsets {
public:
    double offsetHours(DateSerial date) const override {
        const int inYear = (date - dateSerial(1990, 1, 1)) % 365;
        return inYear > 70 && inYear < 300 ? -4 : -5;
    }
};

std::string oneRun(const SpanPlace& place, const DateOffsets& offsets, DateSerial from, int days) {
    AlmanacDay day;
    day.moonorth = place.moonNorth;
    std::string text;
    for (DateSerial date = from; date < from + days; ++date) {
        day.observer = observerFromDegrees(place.observer.latitudeDeg, place.observer.longitudeDeg,
                                           offsets.offsetHours(date));
        appendJson(text, computeDayRecord(day, date));
    }
    return text;
}

std::string inBlocks(const SpanPlace& place, const DateOffsets& offsets, DateSerial from, int days, int jobs,
                     int daysPerBlock) {
    std::string text;
    const bool done = formatDaySpan(
        place, offsets, from, days, jobs, [](std::string& out, const DayRecord& r) { appendJson(out, r); },
        [&text](std::string& block) {
            text += block;
            return true;
        },
        daysPerBlock);
    EXPECT_TRUE(done);
    return text;
}

TEST(DaySpan, BlocksOnAnyNumberOfThreadsReadAsOneRun) {
    const SteppedOffsets stepped;
    const FixedDateOffsets fixed(1);
    struct Case {
        double lat, lon;
        const DateOffsets* offsets;
    };
    // New York; Svalbard, where the Moon stays up or down for days; the Ross Sea.
    for (const Case& c :
         {Case{40.7, -74.0, &stepped}, Case{78.2, 15.6, &fixed}, Case{-77.8, 166.7, &fixed}}) {
        SpanPlace place;
        place.observer = observerFromDegrees(c.lat, c.lon, 0);
        place.moonNorth = c.lat > 0;
        const DateSerial from = dateSerial(1999, 11, 20);
        const int days = 500;
        const std::string expected = oneRun(place, *c.offsets, from, days);
        for (const int daysPerBlock : {1, 7, 256}) {
            for (const int jobs : {1, 3}) {
                EXPECT_EQ(inBlocks(place, *c.offsets, from, days, jobs, daysPerBlock), expected)
                    << c.lat << " " << daysPerBlock << " " << jobs;
            }
        }
    }
}

TEST(DaySpan, TheDaysNameTheirZoneAndPlace) {
    SpanPlace place;
    place.observer = observerFromDegrees(-33.87, 151.2, 0);
    place.zone = "Australia/Sydney";
    place.placeLabel = "Sydney, New South Wales, Australia";
    const FixedDateOffsets offsets(10);
    std::vector<std::string> seen;
    formatDaySpan(
        place, offsets, dateSerial(2030, 1, 30), 3, 2,
        [&seen](std::string&, const DayRecord& r) {
            seen.push_back(r.date + " " + std::string(r.zone) + " " + std::string(r.place));
            EXPECT_EQ(r.utcOffsetHours, 10);
        },
        [](std::string&) { return true; }, 1);
    // The formatter runs on the blocks' threads; the order within a block is the dates'.
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "2030-01-30 Australia/Sydney Sydney, New South Wales, Australia",
                        "2030-01-31 Australia/Sydney Sydney, New South Wales, Australia",
                        "2030-02-01 Australia/Sydney Sydney, New South Wales, Australia",
                    }));
}

} // namespace
} // namespace biteclock
