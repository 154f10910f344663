#include "fishing_periods.h"

#include <cctype>

namespace biteclock {
namespace {

constexpr DateTimeSeconds kHour = 3600;

bool readNumber(std::string_view text, std::size_t& pos, int& value) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && pos - start < 4) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos > start;
}

// The midpoint of a span of whole minutes is a whole number of seconds.
DateTimeSeconds half(DateTimeSeconds seconds) {
    return seconds / 2;
}

} // namespace

DateTimeSeconds rawTimeOfDay(std::string_view raw) {
    std::size_t pos = 0;
    int hour = 0;
    int minute = 0;
    if (!readNumber(raw, pos, hour)) {
        return 0;
    }
    while (pos < raw.size() && raw[pos] == ' ') {
        ++pos;
    }
    if (pos < raw.size() && raw[pos] == ':') {
        ++pos;
        readNumber(raw, pos, minute);
    }
    if (hour > 23 || minute > 59) {
        return 0;
    }
    return hour * kHour + minute * 60;
}

std::string rawEventText(ClockTime time) {
    std::string text = "   ";
    auto appendWhole = [&text](int value) {
        if (value >= 10) {
            text += static_cast<char>('0' + value / 10 % 10);
        }
        text += static_cast<char>('0' + value % 10);
    };
    appendWhole(time.hour);
    text += " : ";
    appendWhole(time.minute);
    return text;
}

std::optional<FishingPeriods> computeFishingPeriods(DateSerial base,
                                                    const std::array<MoonDayReading, 3>& days) {
    std::array<DateTimeSeconds, 3> moonRise{};
    std::array<DateTimeSeconds, 3> moonSet{};
    for (std::size_t i = 0; i < 3; ++i) {
        const DateTimeSeconds dayStart =
            static_cast<DateTimeSeconds>(base + static_cast<int>(i) - 1) * kSecondsPerDay;
        moonRise[i] = dayStart + rawTimeOfDay(days[i].rise);
        moonSet[i] = dayStart + rawTimeOfDay(days[i].seti);
    }
    if (days[1].allDay) {
        return std::nullopt;
    }
    const bool noRise = days[1].noRise;
    const bool noSet = days[1].noSet;

    FishingPeriods p;
    p.moonRise = moonRise[1];
    p.moonSet = moonSet[1];
    p.noRise = noRise;
    p.noSet = noSet;

    // Upper major: midway from a moonrise to the next moonset, an hour early.
    if (timeOf(moonRise[1]) > timeOf(moonSet[1])) {
        DateTimeSeconds upper = moonRise[1] + half(moonSet[2] - moonRise[1]) - kHour;
        p.upperMajor = upper;
        if (dateOf(upper) > dateOf(moonRise[1])) {
            // That passage falls tomorrow: take the previous night's.
            upper = moonRise[0] + half(moonSet[1] - moonRise[0]) - kHour;
            p.upperMajor = upper;
            if (dateOf(upper) < dateOf(moonRise[1])) {
                p.upperMajor.reset();
            }
        }
    } else {
        const DateTimeSeconds span = noSet ? moonSet[2] - moonRise[1] : moonSet[1] - moonRise[1];
        p.upperMajor = moonRise[1] + half(span) - kHour;
    }

    // Rise minor: an hour before moonrise.
    p.riseMinor = (noRise ? moonRise[2] : moonRise[1]) - kHour;
    if (dateOf(*p.riseMinor) < dateOf(moonRise[1])) {
        p.riseMinor.reset();
    }
    if (timeOf(moonRise[1]) > 0 && timeOf(moonRise[2]) < kHour) {
        // Tomorrow's moonrise is in its first hour, so its minor period begins tonight.
        p.riseMinor = moonRise[2] - kHour;
    }

    // Lower major: midway from a moonset to the next moonrise, an hour early.
    if (timeOf(moonSet[1]) > timeOf(moonRise[2])) {
        DateTimeSeconds lower = moonSet[1] + half(moonRise[2] - moonSet[1]) - kHour;
        p.lowerMajor = lower;
        if (dateOf(lower) > dateOf(moonSet[1])) {
            lower = moonSet[0] + half(moonRise[1] - moonSet[0]) - kHour;
            p.lowerMajor = lower;
            if (dateOf(lower) < dateOf(moonSet[1])) {
                p.lowerMajor.reset();
            }
        }
    } else {
        const DateTimeSeconds span = noSet ? moonRise[2] - moonSet[1] : moonRise[1] - moonSet[1];
        p.lowerMajor = moonSet[1] + half(span) - kHour;
    }

    // Set minor: an hour before moonset.
    p.setMinor = (noSet ? moonSet[2] : moonSet[1]) - kHour;
    if (dateOf(*p.setMinor) < dateOf(moonSet[1])) {
        p.setMinor.reset();
    }
    if (timeOf(moonSet[1]) > 0 && timeOf(moonSet[2]) < kHour) {
        p.setMinor = moonSet[2] - kHour;
    }
    return p;
}

std::string periodClockText(DateTimeSeconds t, const ClockDesignators& designators) {
    const DateTimeSeconds seconds = timeOf(t);
    return eventClockText(static_cast<int>(seconds / kHour), static_cast<int>((seconds % kHour) / 60),
                          designators);
}

} // namespace biteclock
