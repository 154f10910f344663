#pragma once

#include "time_zone.h"

#include <QDateTime>
#include <QTimeZone>
#include <memory>

/// The computer's zone read through QTimeZone, in the form of a Windows zone query: the base bias
/// (minutes, UT = local + bias), the daylight bias, the two names and whether daylight time is in
/// force. `at` fixes the moment for tests; an invalid one means "now".
class QtTimeZoneSource final : public biteclock::TimeZoneSource {
public:
    explicit QtTimeZoneSource(QTimeZone zone = QTimeZone::systemTimeZone(), QDateTime at = {})
        : zone_(std::move(zone))
        , at_(std::move(at)) {}

    std::optional<biteclock::TimeZoneInfo> current() const override;
    /// The zone's own rules, worked out once and shared by every caller.
    std::shared_ptr<const biteclock::DateOffsets> dateOffsets() const override;

private:
    QTimeZone zone_;
    QDateTime at_;
    mutable std::shared_ptr<const biteclock::DateOffsets> offsets_;
};
