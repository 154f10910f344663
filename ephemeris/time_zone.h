#pragma once

#include "date_offsets.h"

#include <memory>
#include <optional>
#include <string>

namespace biteclock {

/// The computer's time-zone information. Biases are in minutes with UT = local + bias.
struct TimeZoneInfo {
    enum class State { NoDaylightRules, Standard, Daylight };

    int biasMinutes = 0;
    int standardBiasMinutes = 0;
    int daylightBiasMinutes = 0;
    std::string standardName;
    std::string daylightName;
    State state = State::NoDaylightRules;
};

/// Where the computer's zone comes from; none when it cannot be read.
class TimeZoneSource {
public:
    virtual ~TimeZoneSource() = default;
    virtual std::optional<TimeZoneInfo> current() const = 0;
    /// The zone's rules as the offset of each date (see DateOffsets); none when they cannot be
    /// asked, and every date then takes the one offset current() gives.
    virtual std::shared_ptr<const DateOffsets> dateOffsets() const { return nullptr; }
};

/// A zone given once, for tests and tools.
class FixedTimeZoneSource final : public TimeZoneSource {
public:
    explicit FixedTimeZoneSource(std::optional<TimeZoneInfo> info)
        : info_(std::move(info)) {}
    std::optional<TimeZoneInfo> current() const override { return info_; }

private:
    std::optional<TimeZoneInfo> info_;
};

/// The computer's offset and zone name as the almanac uses them.
struct ZoneQuery {
    int offsetMinutes = 0; ///< minutes east of Greenwich
    double hours = 0;      ///< offsetMinutes / 60
    std::string name;      ///< at most 32 characters; empty when the zone could not be read
};

/// The computer's offset, with the daylight shift only while it is in force and followDaylight is
/// set (the daylight box). A zone that cannot be read gives offset 0 and the name passed in.
ZoneQuery queryTimeZone(const TimeZoneSource& source, bool followDaylight, const std::string& nameIn = {});

} // namespace biteclock
