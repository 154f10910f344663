#pragma once

#include "time_zone.h"

#include <QDateTime>
#include <QTimeZone>

/// The computer's zone read through QTimeZone, in the form of a Windows zone query: the base bias
/// (minutes, UT = local + bias), the daylight bias, the two names and whether daylight time is in
/// force. `at` fixes the moment for tests; an invalid one means "now".
class QtTimeZoneSource final : public biteclock::TimeZoneSource {
public:
    explicit QtTimeZoneSource(QTimeZone zone = QTimeZone::systemTimeZone(), QDateTime at = {})
        : zone_(std::move(zone))
        , at_(std::move(at)) {}

    std::optional<biteclock::TimeZoneInfo> current() const override;

private:
    QTimeZone zone_;
    QDateTime at_;
};
