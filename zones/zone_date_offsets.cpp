#include "zone_date_offsets.h"

#include "vector_state.h"

#include <QDateTime>
#include <algorithm>

namespace {

// Seconds from the Unix epoch to 30 December 1899, the almanac's day 0.
constexpr qint64 kSerialEpochSeconds = -2209161600;

qint64 noonUtcSeconds(biteclock::DateSerial date) {
    return kSerialEpochSeconds + static_cast<qint64>(date) * 86400 + 12 * 3600;
}

int offsetAt(const QTimeZone& zone, qint64 utcSeconds) {
    // Asked with a UTC instant, never with a local time: Qt 6.4 resolves some local times after a
    // zone's last listed change in the wrong offset (New York's noon of 14 March 2038 as -5).
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC));
}

// Local noon is the instant noonUtc - offset; an offset is the date's when the zone gives that very
// offset at that instant. `hint` (yesterday's offset) is tried first: most days need one question.
int noonOffset(const QTimeZone& zone, biteclock::DateSerial date, int hint) {
    const qint64 noon = noonUtcSeconds(date);
    const int first = offsetAt(zone, noon - hint);
    if (first == hint) {
        return hint;
    }
    const int second = offsetAt(zone, noon - first);
    if (second == first) {
        return first;
    }
    // Neither agrees: the clocks jump over noon, from the smaller offset to the larger.
    return std::max(first, second);
}

} // namespace

int noonOffsetSeconds(const QTimeZone& zone, biteclock::DateSerial date) {
    return noonOffset(zone, date, offsetAt(zone, noonUtcSeconds(date)));
}

std::optional<ZoneDateOffsets> ZoneDateOffsets::named(const QByteArray& ianaId) {
    if (ianaId.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(ianaId)) {
        return std::nullopt;
    }
    QTimeZone zone(ianaId);
    releaseUpperVectorState();
    if (!zone.isValid()) {
        return std::nullopt;
    }
    return ZoneDateOffsets(std::move(zone));
}

ZoneDateOffsets ZoneDateOffsets::system() {
    ZoneDateOffsets local(QTimeZone::systemTimeZone());
    releaseUpperVectorState();
    return local;
}

ZoneDateOffsets::ZoneDateOffsets(QTimeZone zone)
    : zone_(std::move(zone)) {}

const ZoneDateOffsets::YearOffsets& ZoneDateOffsets::yearOffsets(int year) const {
    const auto found = years_->find(year);
    if (found != years_->end()) {
        return found->second;
    }
    YearOffsets offsets;
    const biteclock::DateSerial first = biteclock::dateSerial(year, 1, 1);
    const int days = biteclock::isLeapYear(year) ? 366 : 365;
    offsets.seconds.reserve(static_cast<std::size_t>(days));
    int hint = noonOffsetSeconds(zone_, first);
    for (int i = 0; i < days; ++i) {
        hint = noonOffset(zone_, first + i, hint);
        offsets.seconds.push_back(hint);
    }
    releaseUpperVectorState();
    return years_->emplace(year, std::move(offsets)).first->second;
}

int ZoneDateOffsets::offsetSeconds(biteclock::DateSerial date) const {
    const biteclock::CalendarDate c = biteclock::calendarDate(date);
    const int dayOfYear = date - biteclock::dateSerial(c.year, 1, 1);
    return yearOffsets(c.year).seconds[static_cast<std::size_t>(dayOfYear)];
}

double ZoneDateOffsets::offsetHours(biteclock::DateSerial date) const {
    return offsetSeconds(date) / 3600.0;
}
