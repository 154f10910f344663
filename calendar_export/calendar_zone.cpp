#include "calendar_zone.h"

#include "vector_state.h"

#include <QDateTime>

namespace {

// Seconds from the Unix epoch to 30 December 1899, the almanac's day 0.
constexpr qint64 kSerialEpochSeconds = -2209161600;

QDateTime utcInstant(qint64 seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

biteclock::ZoneTransition transitionAt(const QTimeZone& zone, qint64 utcSeconds) {
    const QDateTime at = utcInstant(utcSeconds);
    biteclock::ZoneTransition t;
    t.utcSeconds = utcSeconds;
    t.offsetSeconds = zone.offsetFromUtc(at);
    t.daylight = zone.isDaylightTime(at);
    t.abbreviation = zone.abbreviation(at).toStdString();
    return t;
}

// The first second in (`before`, `after`] at which the zone gives `offset`, given that it gives
// another offset at `before`.
qint64 firstSecondOf(const QTimeZone& zone, int offset, qint64 before, qint64 after) {
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        if (zone.offsetFromUtc(utcInstant(middle)) == offset) {
            after = middle;
        } else {
            before = middle;
        }
    }
    return after;
}

} // namespace

biteclock::CalendarZone calendarZone(const ZoneDateOffsets& zone, biteclock::DateSerial first,
                                     biteclock::DateSerial last) {
    const QTimeZone& rules = zone.zone();
    const auto noonUtc = [&zone](biteclock::DateSerial date) {
        return kSerialEpochSeconds + static_cast<qint64>(date) * 86400 + 12 * 3600 - zone.offsetSeconds(date);
    };
    biteclock::CalendarZone out;
    out.id = zone.id().toStdString();
    out.initial = transitionAt(rules, noonUtc(first - 1));
    int previous = zone.offsetSeconds(first - 1);
    for (biteclock::DateSerial date = first; date <= last + 1; ++date) {
        const int offset = zone.offsetSeconds(date);
        if (offset != previous) {
            const qint64 at = firstSecondOf(rules, offset, noonUtc(date - 1), noonUtc(date));
            out.transitions.push_back(transitionAt(rules, at));
        }
        previous = offset;
    }
    releaseUpperVectorState();
    return out;
}

biteclock::FishingCalendarRequest withZoneOf(biteclock::FishingCalendarRequest request,
                                             const biteclock::DateOffsets& offsets) {
    if (const auto* zone = dynamic_cast<const ZoneDateOffsets*>(&offsets)) {
        request.zone = calendarZone(*zone, request.from, request.from + request.days - 1);
    }
    return request;
}
