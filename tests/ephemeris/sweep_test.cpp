// Every day of the almanac's range at a handful of places, each computed as a fresh window would
// compute it, checked for the shapes and ranges of what is shown and against independent sources:
// the lunation from the table's list of events, the Moon's day computed on its own.
#include "daily_refresh.h"
#include "horizon_scan.h"
#include "lunation_reference.h"
#include "moon_events.h"
#include "moon_phase.h"
#include "text_shapes.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace biteclock {
namespace {

struct Place {
    const char* name;
    double latitudeDeg;
    double longitudeDeg;
    double zoneOffsetHours;
};

void PrintTo(const Place& p, std::ostream* os) {
    *os << p.name;
}

using testing::isClockText;
using testing::isDayLengthText;

bool isPeriodText(const std::string& s) {
    return isClockText(s) || s == "     " || s == "Can't Calc";
}

bool isSharedPeriodText(const std::string& s) {
    return isClockText(s) || s == std::string(15, ' ') || s == "Can't Calc";
}

std::string expectedMoonText(const std::optional<ClockTime>& event, DayOutcome outcome, const char* none) {
    if (outcome == DayOutcome::StaysUp) {
        return "Stays Up";
    }
    if (outcome == DayOutcome::StaysDown) {
        return "Stays Down";
    }
    return event ? eventClockText(*event) : none;
}

class Sweep : public ::testing::TestWithParam<Place> {};

TEST_P(Sweep, EveryDayFrom1901To2200) {
    const Place& place = GetParam();
    const Observer observer =
        observerFromDegrees(place.latitudeDeg, place.longitudeDeg, place.zoneOffsetHours);
    std::map<int, PhaseTable> tables;
    AlmanacDay day;
    int failures = 0;
    const DateSerial first = dateSerial(kFirstYear, 1, 1);
    const DateSerial last = dateSerial(kLastYear, 12, 31);
    for (DateSerial date = first; date <= last && failures < 10; ++date) {
        day.startFresh();
        day.observer = observer;
        const std::vector<GraphRow> rows = refreshDay(day, date, 1, false);
        const MainWindowFields& f = day.main;
        const auto fail = [&](const char* what, const std::string& value) {
            ADD_FAILURE() << place.name << " " << date << " (" << calendarDate(date).year << "-"
                          << calendarDate(date).month << "-" << calendarDate(date).day << "): " << what
                          << " '" << value << "'";
            ++failures;
        };

        if (day.AlmanacDate != date) {
            fail("date left at", std::to_string(day.AlmanacDate));
        }
        if (rows.size() != 1 || rows[0].rating != day.DayRating) {
            fail("graph row", std::to_string(rows.size()));
        }

        // Phase, age and rating against the lunation as the table's events give it.
        const auto grade = ratingGrade(day.DayRating);
        if (!grade || day.RatingText != grade->text || day.RatingColour != grade->colour) {
            fail("rating", std::to_string(day.DayRating) + " " + day.RatingText + " " + day.RatingColour);
        }
        if (day.MoonPictureId < 100 || day.MoonPictureId > 111) {
            fail("picture", std::to_string(day.MoonPictureId));
        }
        if (day.MoonAge < 0 || day.MoonAge > 30) {
            fail("age", std::to_string(day.MoonAge));
        }
        const int tableYear = tableYearFor(calendarDate(date));
        auto table = tables.find(tableYear);
        if (table == tables.end()) {
            table = tables.emplace(tableYear, computePhaseTable(tableYear, place.zoneOffsetHours)).first;
        }
        const auto lunation = testing::lunationPlace(table->second, date);
        if (!lunation) {
            fail("no lunation around the date", "");
        } else {
            const auto r = ratePhase(lunation->daysToNewMoon, lunation->daysToFullMoon,
                                     lunation->daysSinceNewMoon, true);
            if (!r || r->dayRating != day.DayRating || r->moonPictureId != day.MoonPictureId ||
                r->moonAge != day.MoonAge || day.MoonAge != lunation->daysSinceNewMoon) {
                fail("lunation", std::to_string(day.DayRating) + " " + std::to_string(day.MoonPictureId) +
                                     " " + std::to_string(day.MoonAge));
            }
            const bool newMoonDay = lunation->daysToNewMoon == 0;
            const bool fullMoonDay = lunation->daysToFullMoon == 0;
            if ((day.DaysToNewMoon == 0) != newMoonDay || (day.DaysToFullMoon == 0) != fullMoonDay) {
                fail("event day",
                     std::to_string(day.DaysToNewMoon) + " " + std::to_string(day.DaysToFullMoon));
            }
            const char* caption = newMoonDay ? "New Moon" : fullMoonDay ? "Full Moon" : "";
            if ((newMoonDay || fullMoonDay) &&
                (f.Label14 != Caption{caption, true} || !f.Label18.visible || !isClockText(f.Label18.text))) {
                fail("caption", f.Label14.text + " " + f.Label18.text);
            }
            if (!newMoonDay && !fullMoonDay && (f.Label14.visible || f.Label18.visible)) {
                fail("caption shown", f.Label14.text);
            }
        }

        // Sun.
        if (!(isClockText(f.Text2) || f.Text2 == "No Rise" || f.Text2 == "Stays Down")) {
            fail("sunrise", f.Text2);
        }
        if (!(isClockText(f.Text32) || f.Text32 == "No Set" || f.Text32 == "Stays Up")) {
            fail("sunset", f.Text32);
        }
        if (!(isDayLengthText(f.Text6) || f.Text6 == "0 hrs" || f.Text6 == "24 hrs")) {
            fail("day length", f.Text6);
        }
        if (isClockText(f.Text2) && isClockText(f.Text32) && isDayLengthText(f.Text6)) {
            int minutes = testing::clockTextMinutes(f.Text32) - testing::clockTextMinutes(f.Text2);
            if (minutes < 0) {
                minutes += 1440;
            }
            const int shown = std::stoi(f.Text6.substr(0, 2)) * 60 + std::stoi(f.Text6.substr(5, 2));
            if (shown != minutes) {
                fail("day length from rise to set", f.Text6);
            }
        }

        // Moon: the day computed on its own, without the context's shared work.
        const MoonDay moon = computeMoonDay(calendarDate(date), observer);
        if (f.Text21 != expectedMoonText(moon.rise, moon.outcome, "No moonrise")) {
            fail("moonrise", f.Text21);
        }
        if (f.Text39 != expectedMoonText(moon.set, moon.outcome, "No moonset")) {
            fail("moonset", f.Text39);
        }
        const bool allDay = moon.outcome == DayOutcome::StaysUp || moon.outcome == DayOutcome::StaysDown;
        for (const std::string* period : {&f.Text4, &f.Text5, &f.Text7, &f.Text8}) {
            if (!isPeriodText(*period) || (*period == "Can't Calc") != allDay) {
                fail("period", *period);
            }
        }
        for (const std::string* shared :
             {&day.UpperMajorText, &day.RiseMinorText, &day.LowerMajorText, &day.SetMinorText}) {
            if (!isSharedPeriodText(*shared) || (*shared == "Can't Calc") != allDay) {
                fail("shared period", *shared);
            }
        }

        // Distance.
        const long km = std::stol(f.Label13);
        if (km < 350000 || km > 410000 || std::to_string(km) != f.Label13) {
            fail("distance", f.Label13);
        }
    }
    EXPECT_EQ(failures, 0);
}

// The equator at Greenwich, New York in summer time, Sydney in summer time, the Arctic Circle
// (midnight sun and polar night for the Sun) and Svalbard (days without moonrise or moonset).
std::string placeName(const ::testing::TestParamInfo<Place>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Places, Sweep,
                         ::testing::Values(Place{"Equator", 0, 0, 0}, Place{"NewYork", 40.7, -74, -4},
                                           Place{"Sydney", -33.87, 151.2, 11},
                                           Place{"ArcticCircle", 67, 0, 0}, Place{"Svalbard", 78, 15, 0}),
                         placeName);

} // namespace
} // namespace biteclock
