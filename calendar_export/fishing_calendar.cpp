#include "fishing_calendar.h"

#include "clock_text.h"
#include "ical_text.h"
#include "version.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace biteclock {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kPeriodSeconds = 2 * 3600;
// The date serial of 1970-01-01, where UTC seconds count from.
constexpr DateSerial kUnixEpochSerial = 25569;

// Local or UTC date-time as seconds from the start of date serial 0.
std::int64_t secondsAt(DateSerial date, int secondsOfDay) {
    return static_cast<std::int64_t>(date) * kSecondsPerDay + secondsOfDay;
}

// "YYYYMMDDTHHMMSS".
std::string dateTimeText(std::int64_t seconds) {
    const auto date = static_cast<DateSerial>(
        seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay));
    const auto inDay = static_cast<int>(seconds - static_cast<std::int64_t>(date) * kSecondsPerDay);
    const CalendarDate c = calendarDate(date);
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d", c.year, c.month, c.day, inDay / 3600,
                  inDay / 60 % 60, inDay % 60);
    return text;
}

std::string dateText(DateSerial date) {
    const CalendarDate c = calendarDate(date);
    char text[12];
    std::snprintf(text, sizeof text, "%04d%02d%02d", c.year, c.month, c.day);
    return text;
}

// "-0500", "+0545", or with seconds "+023017".
std::string offsetText(int seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    const int magnitude = std::abs(seconds);
    char text[12];
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, "%c%02d%02d%02d", sign, magnitude / 3600, magnitude / 60 % 60,
                      magnitude % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02d%02d", sign, magnitude / 3600, magnitude / 60 % 60);
    }
    return text;
}

// The seconds of the day of an "hh:mm AM" clock text; none for a blank or "Can't Calc".
std::optional<int> clockSeconds(std::string_view text) {
    const auto time = readEventClockText(text);
    return time ? std::optional<int>((time->hour * 60 + time->minute) * 60) : std::nullopt;
}

struct PeriodKind {
    std::string_view DayRecord::*time;
    const char* uidPart;
    const char* summary;
    const char* category;
    const char* centre;
};

constexpr PeriodKind kPeriods[] = {
    {&DayRecord::upperMajor, "upper-major", "Major fishing period (Moon above)", "Major period",
     "the Moon's estimated passage overhead"},
    {&DayRecord::riseMinor, "rise-minor", "Minor fishing period (moonrise)", "Minor period", "moonrise"},
    {&DayRecord::lowerMajor, "lower-major", "Major fishing period (Moon below)", "Major period",
     "the Moon's estimated passage underfoot"},
    {&DayRecord::setMinor, "set-minor", "Minor fishing period (moonset)", "Minor period", "moonset"},
};

class CalendarWriter {
public:
    explicit CalendarWriter(const FishingCalendarRequest& request)
        : request_(request) {
        const double lat = request.place.observer.latitudeDeg;
        const double lon = request.place.observer.longitudeDeg;
        char key[64];
        std::snprintf(key, sizeof key, "%.4f%c%.4f%c", std::fabs(lat), lat < 0 ? 'S' : 'N', std::fabs(lon),
                      lon < 0 ? 'W' : 'E');
        placeKey_ = key;
        char geo[64];
        std::snprintf(geo, sizeof geo, "GEO:%.6f;%.6f", lat, lon);
        geo_ = geo;
        location_ = "LOCATION:" + icalText(request.locationText);
        stamp_ = "DTSTAMP:" + dateTimeText(request.stampUtcSeconds + secondsAt(kUnixEpochSerial, 0)) + "Z";
    }

    std::string header() const;
    std::string footer() const { return "END:VCALENDAR\r\n"; }
    // The events of one day; their number added to `events`.
    void appendDay(std::string& out, const DayRecord& day, std::atomic<long>& events) const;

private:
    // "DTSTART;TZID=...:20260315T050000" or "DTSTART:20260315T100000Z" of a local date-time.
    std::string timeProperty(const char* name, const DayRecord& day, DateSerial date, int secondsOfDay) const;
    void beginEvent(std::string& out, DateSerial date, const char* kind) const;
    void endEvent(std::string& out, const char* category) const;
    std::string dayFacts(const DayRecord& day) const;
    void appendZone(std::string& out) const;

    const FishingCalendarRequest& request_;
    std::string placeKey_;
    std::string geo_;
    std::string location_;
    std::string stamp_;
};

std::string CalendarWriter::header() const {
    std::string out;
    appendContentLine(out, "BEGIN:VCALENDAR");
    appendContentLine(out, "VERSION:2.0");
    appendContentLine(out, std::string("PRODID:-//Biteclock//Biteclock ") + kVersion + "//EN");
    appendContentLine(out, "CALSCALE:GREGORIAN");
    appendContentLine(out, "METHOD:PUBLISH");
    appendContentLine(out, "X-WR-CALNAME:" + icalText("Fishing times: " + request_.locationText));
    if (request_.zone) {
        appendContentLine(out, "X-WR-TIMEZONE:" + request_.zone->id);
        appendZone(out);
    }
    return out;
}

void CalendarWriter::appendZone(std::string& out) const {
    const CalendarZone& zone = *request_.zone;
    appendContentLine(out, "BEGIN:VTIMEZONE");
    appendContentLine(out, "TZID:" + zone.id);
    const auto component = [&out](const ZoneTransition& t, int offsetBefore, std::int64_t localStart) {
        const char* kind = t.daylight ? "DAYLIGHT" : "STANDARD";
        appendContentLine(out, std::string("BEGIN:") + kind);
        appendContentLine(out, "DTSTART:" + dateTimeText(localStart));
        appendContentLine(out, "TZOFFSETFROM:" + offsetText(offsetBefore));
        appendContentLine(out, "TZOFFSETTO:" + offsetText(t.offsetSeconds));
        if (!t.abbreviation.empty()) {
            appendContentLine(out, "TZNAME:" + icalText(t.abbreviation));
        }
        appendContentLine(out, std::string("END:") + kind);
    };
    // The offset the span begins in, from the day before its first day.
    component(zone.initial, zone.initial.offsetSeconds, secondsAt(request_.from - 1, 0));
    int before = zone.initial.offsetSeconds;
    for (const ZoneTransition& t : zone.transitions) {
        // Each change at its local time in the offset before it, as the clocks showed it.
        component(t, before, t.utcSeconds + secondsAt(kUnixEpochSerial, 0) + before);
        before = t.offsetSeconds;
    }
    appendContentLine(out, "END:VTIMEZONE");
}

std::string CalendarWriter::timeProperty(const char* name, const DayRecord& day, DateSerial date,
                                         int secondsOfDay) const {
    const std::int64_t local = secondsAt(date, secondsOfDay);
    if (request_.zone) {
        return std::string(name) + ";TZID=" + request_.zone->id + ":" + dateTimeText(local);
    }
    const auto offset = static_cast<std::int64_t>(std::llround(day.utcOffsetHours * 3600));
    return std::string(name) + ":" + dateTimeText(local - offset) + "Z";
}

void CalendarWriter::beginEvent(std::string& out, DateSerial date, const char* kind) const {
    appendContentLine(out, "BEGIN:VEVENT");
    appendContentLine(out, "UID:" + dateText(date) + "-" + kind + "-" + placeKey_ + "@biteclock");
    appendContentLine(out, stamp_);
}

void CalendarWriter::endEvent(std::string& out, const char* category) const {
    appendContentLine(out, location_);
    appendContentLine(out, geo_);
    appendContentLine(out, std::string("CATEGORIES:Fishing,") + category);
    appendContentLine(out, "TRANSP:TRANSPARENT");
    appendContentLine(out, "END:VEVENT");
}

std::string CalendarWriter::dayFacts(const DayRecord& day) const {
    std::string facts = "Prediction: " + std::string(day.ratingText) +
                        "\nMoon age: " + std::to_string(day.moonAge) + (day.moonAge == 1 ? " day" : " days");
    facts += "\nSunrise: " + std::string(day.sunrise) + "\nSunset: " + std::string(day.sunset);
    return facts;
}

void CalendarWriter::appendDay(std::string& out, const DayRecord& day, std::atomic<long>& events) const {
    const DateSerial date = day.serial;
    long made = 0;
    if (request_.kinds.days && day.rating >= request_.minimumRating && !day.ratingText.empty()) {
        beginEvent(out, date, "day");
        appendContentLine(out, "DTSTART;VALUE=DATE:" + dateText(date));
        appendContentLine(out, "DTEND;VALUE=DATE:" + dateText(date + 1));
        appendContentLine(out, "SUMMARY:" + icalText(std::string(day.ratingText) + " fishing day"));
        const auto listed = [](std::string_view first, std::string_view second) {
            std::string list;
            for (const std::string_view t : {first, second}) {
                if (clockSeconds(t)) {
                    list += (list.empty() ? " " : ", ") + std::string(t);
                }
            }
            return list.empty() ? std::string(" none") : list;
        };
        const std::string periods = "\nMajor periods:" + listed(day.upperMajor, day.lowerMajor) +
                                    "\nMinor periods:" + listed(day.riseMinor, day.setMinor);
        appendContentLine(out, "DESCRIPTION:" + icalText(dayFacts(day) + periods));
        endEvent(out, "Fishing day");
        ++made;
    }
    if (request_.kinds.periods) {
        for (const PeriodKind& kind : kPeriods) {
            const auto start = clockSeconds(day.*kind.time);
            if (!start) {
                continue;
            }
            beginEvent(out, date, kind.uidPart);
            appendContentLine(out, timeProperty("DTSTART", day, date, *start));
            appendContentLine(out, timeProperty("DTEND", day, date, *start + kPeriodSeconds));
            appendContentLine(out, std::string("SUMMARY:") + icalText(kind.summary));
            appendContentLine(out, "DESCRIPTION:" + icalText(std::string("Two hours centred on ") +
                                                             kind.centre + ".\n" + dayFacts(day)));
            endEvent(out, kind.category);
            ++made;
        }
    }
    if (request_.kinds.phases && !day.phaseEvent.empty()) {
        if (const auto at = clockSeconds(day.phaseEventTime)) {
            const bool isNew = day.phaseEvent == "New Moon";
            beginEvent(out, date, isNew ? "new-moon" : "full-moon");
            appendContentLine(out, timeProperty("DTSTART", day, date, *at));
            appendContentLine(out, "SUMMARY:" + icalText(day.phaseEvent));
            appendContentLine(out, "DESCRIPTION:" + icalText(std::string(day.phaseEvent) + " at " +
                                                             std::string(day.phaseEventTime) + "."));
            endEvent(out, "Moon phase");
            ++made;
        }
    }
    events += made;
}

} // namespace

std::string coordinatesText(const Observer& observer) {
    const auto part = [](double value, char positive, char negative) {
        const long minutes = std::lround(std::fabs(value) * 60);
        char text[32];
        std::snprintf(text, sizeof text, "%ld\u00B0%02ld'%c", minutes / 60, minutes % 60,
                      value < 0 ? negative : positive);
        return std::string(text);
    };
    return part(observer.latitudeDeg, 'N', 'S') + " " + part(observer.longitudeDeg, 'E', 'W');
}

std::optional<int> calendarGradeRating(const std::string& name) {
    if (name == "fair") {
        return 33;
    }
    if (name == "good") {
        return 66;
    }
    if (name == "excellent") {
        return 100;
    }
    return std::nullopt;
}

bool writeFishingCalendar(const FishingCalendarRequest& request, const DateOffsets& offsets,
                          const BlockTaker& take, long& events) {
    const CalendarWriter writer(request);
    std::atomic<long> count = 0;
    std::string header = writer.header();
    bool ok = take(header);
    if (ok) {
        ok = formatDaySpan(
            request.place, offsets, request.from, request.days, request.jobs,
            [&](std::string& out, const DayRecord& day) { writer.appendDay(out, day, count); }, take);
    }
    if (ok) {
        std::string footer = writer.footer();
        ok = take(footer);
    }
    events = count;
    return ok;
}

FishingCalendarText fishingCalendarText(const FishingCalendarRequest& request, const DateOffsets& offsets) {
    FishingCalendarText out;
    writeFishingCalendar(
        request, offsets,
        [&out](std::string& block) {
            out.text += block;
            return true;
        },
        out.events);
    return out;
}

} // namespace biteclock
