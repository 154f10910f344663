#include "qt_time_zone_source.h"

#include "vector_state.h"
#include "zone_date_offsets.h"

#include <QLocale>

namespace {

// The daylight shift of a zone in seconds, looked up in the year around `at` when daylight time is
// not in force at that moment.
int daylightShiftSeconds(const QTimeZone& zone, const QDateTime& at) {
    const int now = zone.daylightTimeOffset(at);
    if (now != 0) {
        return now;
    }
    const QDateTime from = at.addDays(-366);
    const QDateTime to = at.addDays(366);
    for (const QTimeZone::OffsetData& t : zone.transitions(from, to)) {
        if (t.daylightTimeOffset != 0) {
            return t.daylightTimeOffset;
        }
    }
    return 0;
}

std::string zoneName(const QTimeZone& zone, QTimeZone::TimeType type, const QDateTime& at) {
    QString name = zone.displayName(type, QTimeZone::LongName, QLocale());
    if (name.isEmpty()) {
        name = zone.abbreviation(at);
    }
    if (name.isEmpty()) {
        name = QString::fromUtf8(zone.id());
    }
    return name.toStdString();
}

std::optional<biteclock::TimeZoneInfo> readZone(const QTimeZone& zone, const QDateTime& when) {
    if (!zone.isValid()) {
        return std::nullopt;
    }
    const QDateTime at = when.isValid() ? when : QDateTime::currentDateTimeUtc();
    biteclock::TimeZoneInfo info;
    info.biasMinutes = -zone.standardTimeOffset(at) / 60;
    info.standardBiasMinutes = 0;
    info.standardName = zoneName(zone, QTimeZone::StandardTime, at);
    const int shift = zone.hasDaylightTime() ? daylightShiftSeconds(zone, at) : 0;
    if (shift == 0) {
        info.state = biteclock::TimeZoneInfo::State::NoDaylightRules;
        info.daylightName = info.standardName;
        return info;
    }
    info.daylightBiasMinutes = -shift / 60;
    info.daylightName = zoneName(zone, QTimeZone::DaylightTime, at);
    info.state = zone.isDaylightTime(at) ? biteclock::TimeZoneInfo::State::Daylight
                                         : biteclock::TimeZoneInfo::State::Standard;
    return info;
}

} // namespace

std::optional<biteclock::TimeZoneInfo> QtTimeZoneSource::current() const {
    auto info = readZone(zone_, at_);
    // Qt's zone code leaves the vector registers' upper halves in use; every sine the window
    // computes after the query would be several times slower.
    releaseUpperVectorState();
    return info;
}

std::shared_ptr<const biteclock::DateOffsets> QtTimeZoneSource::dateOffsets() const {
    if (!offsets_) {
        offsets_ = std::make_shared<const ZoneDateOffsets>(ZoneDateOffsets::of(zone_));
        releaseUpperVectorState();
    }
    return offsets_;
}
