#include "day_record.h"

#include "daily_refresh.h"
#include "date_rules.h"
#include "moon_phase.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace biteclock {
namespace {

void appendNumber(std::string& out, long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendDigits(std::string& out, int value, int width) {
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

} // namespace

std::string isoDate(DateSerial serial) {
    const CalendarDate c = calendarDate(serial);
    std::string text;
    text.reserve(10);
    appendDigits(text, c.year, 4);
    text += '-';
    appendDigits(text, c.month, 2);
    text += '-';
    appendDigits(text, c.day, 2);
    return text;
}

DayRecord computeDayRecord(AlmanacDay& day, DateSerial date) {
    day.clearDayResults();
    day.JournalPhaseLabel = false;
    day.lookAhead = false;
    // The graph rows do not touch any value shown here, so none are drawn.
    refreshDay(day, date, 0, false);

    const CalendarDate c = calendarDate(date);
    DayRecord r;
    r.serial = date;
    r.date = isoDate(date);
    r.weekday = weekdayName(weekdayNumber(date));
    r.season = seasonLabel(c.month, c.day);
    r.sunrise = day.main.Text2;
    r.sunset = day.main.Text32;
    r.dayLength = day.main.Text6;
    r.moonrise = day.main.Text21;
    r.moonset = day.main.Text39;
    r.upperMajor = day.main.Text4;
    r.lowerMajor = day.main.Text5;
    r.riseMinor = day.main.Text8;
    r.setMinor = day.main.Text7;
    r.moonAge = day.MoonAge;
    r.moonPicture = day.MoonPictureId;
    r.rating = day.DayRating;
    r.ratingText = day.RatingText;
    if (const auto grade = ratingGrade(day.DayRating); grade && !day.RatingColour.empty()) {
        r.ratingColour = grade->colourValue;
    }
    if (day.main.Label14.visible) {
        r.phaseEvent = day.main.Label14.text;
    }
    if (day.main.Label18.visible) {
        r.phaseEventTime = day.main.Label18.text;
    }
    std::from_chars(day.main.Label13.data(), day.main.Label13.data() + day.main.Label13.size(), r.distanceKm);
    r.utcOffsetHours = day.observer.zoneOffsetHours;
    return r;
}

std::string csvHeader(bool withZone) {
    std::string header =
        "date,weekday,season,sunrise,sunset,day_length,moonrise,moonset,upper_major,lower_major,"
        "rise_minor,set_minor,moon_age,moon_picture,rating,rating_text,rating_colour,phase_event,"
        "phase_event_time,distance_km,utc_offset";
    if (withZone) {
        header += ",zone";
    }
    return header;
}

void appendHours(std::string& out, double hours) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, hours);
    out.append(buffer, result.ptr);
}

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        out.append(text.substr(start, i - start));
        start = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default: {
            static constexpr char kHex[] = "0123456789abcdef";
            const char escaped[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            out.append(escaped, sizeof escaped);
        }
        }
    }
    out.append(text.substr(start));
    out += '"';
}

void appendCsvField(std::string& out, std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (blank(text.front()) || blank(text.back())));
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

namespace {

// Writes one JSON line into a buffer sized for it, then appends it in one piece: a range of a
// hundred thousand days spends its time on the almanac, not on string growth.
class JsonLineWriter {
public:
    explicit JsonLineWriter(std::size_t capacity)
        : buffer_(capacity) {}

    void raw(std::string_view text) {
        std::memcpy(buffer_.data() + size_, text.data(), text.size());
        size_ += text.size();
    }
    void raw(char c) { buffer_[size_++] = c; }

    void key(std::string_view name) {
        raw(first_ ? '{' : ',');
        first_ = false;
        raw('"');
        raw(name);
        raw("\":");
    }

    void text(std::string_view name, std::string_view value) {
        key(name);
        raw('"');
        for (const char ch : value) {
            const auto c = static_cast<unsigned char>(ch);
            if (c >= 0x20 && c != '"' && c != '\\') {
                raw(ch);
                continue;
            }
            static constexpr char kHex[] = "0123456789abcdef";
            switch (c) {
            case '"':
                raw("\\\"");
                break;
            case '\\':
                raw("\\\\");
                break;
            case '\n':
                raw("\\n");
                break;
            case '\r':
                raw("\\r");
                break;
            case '\t':
                raw("\\t");
                break;
            default:
                raw("\\u00");
                raw(kHex[c >> 4]);
                raw(kHex[c & 15]);
            }
        }
        raw('"');
    }

    void number(std::string_view name, long value) {
        key(name);
        const auto result = std::to_chars(buffer_.data() + size_, buffer_.data() + buffer_.size(), value);
        size_ = static_cast<std::size_t>(result.ptr - buffer_.data());
    }

    void hours(std::string_view name, double value) {
        key(name);
        const auto result = std::to_chars(buffer_.data() + size_, buffer_.data() + buffer_.size(), value);
        size_ = static_cast<std::size_t>(result.ptr - buffer_.data());
    }

    void finish(std::string& out) {
        raw("}\n");
        out.append(buffer_.data(), size_);
    }

private:
    std::vector<char> buffer_;
    std::size_t size_ = 0;
    bool first_ = true;
};

std::size_t jsonCapacity(const DayRecord& r) {
    // Keys and numbers take under 512 characters; a text escapes to at most six per character.
    const std::size_t texts = r.date.size() + r.weekday.size() + r.season.size() + r.sunrise.size() +
                              r.sunset.size() + r.dayLength.size() + r.moonrise.size() + r.moonset.size() +
                              r.upperMajor.size() + r.lowerMajor.size() + r.riseMinor.size() +
                              r.setMinor.size() + r.ratingText.size() + r.phaseEvent.size() +
                              r.phaseEventTime.size() + r.zone.size();
    return 512 + 6 * texts;
}

} // namespace

void appendJson(std::string& out, const DayRecord& r) {
    JsonLineWriter w(jsonCapacity(r));
    w.text("date", r.date);
    w.text("weekday", r.weekday);
    w.text("season", r.season);
    w.text("sunrise", r.sunrise);
    w.text("sunset", r.sunset);
    w.text("day_length", r.dayLength);
    w.text("moonrise", r.moonrise);
    w.text("moonset", r.moonset);
    w.text("upper_major", r.upperMajor);
    w.text("lower_major", r.lowerMajor);
    w.text("rise_minor", r.riseMinor);
    w.text("set_minor", r.setMinor);
    w.number("moon_age", r.moonAge);
    w.number("moon_picture", r.moonPicture);
    w.number("rating", r.rating);
    w.text("rating_text", r.ratingText);
    w.number("rating_colour", r.ratingColour);
    w.text("phase_event", r.phaseEvent);
    w.text("phase_event_time", r.phaseEventTime);
    w.number("distance_km", r.distanceKm);
    w.hours("utc_offset", r.utcOffsetHours);
    if (!r.zone.empty()) {
        w.text("zone", r.zone);
    }
    w.finish(out);
}

void appendCsv(std::string& out, const DayRecord& r) {
    auto text = [&out](std::string_view value) {
        appendCsvField(out, value);
        out += ',';
    };
    auto number = [&out](long value) {
        appendNumber(out, value);
        out += ',';
    };
    text(r.date);
    text(r.weekday);
    text(r.season);
    text(r.sunrise);
    text(r.sunset);
    text(r.dayLength);
    text(r.moonrise);
    text(r.moonset);
    text(r.upperMajor);
    text(r.lowerMajor);
    text(r.riseMinor);
    text(r.setMinor);
    number(r.moonAge);
    number(r.moonPicture);
    number(r.rating);
    text(r.ratingText);
    number(r.ratingColour);
    text(r.phaseEvent);
    text(r.phaseEventTime);
    appendNumber(out, r.distanceKm);
    out += ',';
    appendHours(out, r.utcOffsetHours);
    if (!r.zone.empty()) {
        out += ',';
        appendCsvField(out, r.zone);
    }
    out += '\n';
}

void appendText(std::string& out, const DayRecord& r) {
    auto line = [&out](std::string_view label, std::string_view value) {
        out += label;
        out.append(label.size() < 20 ? 20 - label.size() : 1, ' ');
        out += value;
        out += '\n';
    };
    std::string heading = std::string(r.weekday) + " " + r.date;
    if (!r.season.empty()) {
        heading += " (" + std::string(r.season) + ")";
    }
    line("Date", heading);
    line("Sunrise", r.sunrise);
    line("Sunset", r.sunset);
    line("Day length", r.dayLength);
    line("Moonrise", r.moonrise);
    line("Moonset", r.moonset);
    line("Major, Moon above", r.upperMajor);
    line("Major, Moon below", r.lowerMajor);
    line("Minor, moonrise", r.riseMinor);
    line("Minor, moonset", r.setMinor);
    line("Moon age", std::to_string(r.moonAge) + (r.moonAge == 1 ? " day" : " days"));
    line("Moon picture", std::to_string(r.moonPicture));
    line("Prediction", std::string(r.ratingText) + " (" + std::to_string(r.rating) + ")");
    if (!r.phaseEvent.empty()) {
        line(r.phaseEvent, r.phaseEventTime);
    }
    line("Lunar distance", std::to_string(r.distanceKm) + " km");
    if (!r.place.empty()) {
        line("Place", r.place);
    }
    if (!r.zone.empty()) {
        std::string zone(r.zone);
        zone += " (UTC";
        if (r.utcOffsetHours >= 0) {
            zone += '+';
        }
        appendHours(zone, r.utcOffsetHours);
        zone += ')';
        line("Zone", zone);
    }
}

} // namespace biteclock
