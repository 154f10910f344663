#include "time_zone.h"

namespace biteclock {
namespace {

std::string zoneNameOf(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c == '\0' || out.size() == 32) {
            break;
        }
        out += c;
    }
    return out;
}

} // namespace

ZoneQuery queryTimeZone(const TimeZoneSource& source, bool followDaylight, const std::string& nameIn) {
    ZoneQuery q;
    q.name = nameIn;
    const std::optional<TimeZoneInfo> info = source.current();
    if (info) {
        TimeZoneInfo::State state = info->state;
        if (!followDaylight) {
            state = TimeZoneInfo::State::NoDaylightRules;
        }
        if (state == TimeZoneInfo::State::Daylight) {
            q.offsetMinutes = -(info->biasMinutes + info->daylightBiasMinutes);
            q.name = zoneNameOf(info->daylightName);
        } else {
            q.offsetMinutes = -(info->biasMinutes + info->standardBiasMinutes);
            q.name = zoneNameOf(info->standardName);
        }
    }
    q.hours = q.offsetMinutes / 60.0;
    return q;
}

} // namespace biteclock
