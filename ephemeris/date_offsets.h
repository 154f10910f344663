#pragma once

#include "clock_text.h"
#include "date_serial.h"
#include "observer.h"
#include "phase_table.h"

#include <array>
#include <string>

namespace biteclock {

/// The UTC offset each date is computed with.
///
/// A date's offset is its zone's UTC offset at 12:00 local time on that date, and every time of
/// that date (sunrise, moonrise, the fishing periods, a new or full moon) is shown in that one
/// offset. On the two days a year when the clocks change, times before the change are therefore
/// shown in the day's noon offset: on a spring day whose clocks go from 2 to 3 AM, a moonset at
/// 1:30 AM standard time reads 02:30 AM. A day whose noon never happens on the clocks (the clocks
/// jump over it) takes the offset they jump to.
class DateOffsets {
public:
    virtual ~DateOffsets() = default;

    /// Hours east of Greenwich (zone time = UT + offset) for `date`; fractions where the zone has
    /// them (5.75 for Kathmandu, or a local mean time such as 2.5047 before a zone's first rule).
    virtual double offsetHours(DateSerial date) const = 0;

    /// Whether dates can differ in offset; false for one fixed offset, whose dates need no per-date
    /// work at all.
    virtual bool varies() const { return true; }
};

/// One offset for every date: a "Custom" offset, or the computer's zone with daylight saving off.
class FixedDateOffsets final : public DateOffsets {
public:
    explicit FixedDateOffsets(double hours)
        : hours_(hours) {}
    double offsetHours(DateSerial) const override { return hours_; }
    bool varies() const override { return false; }

private:
    double hours_;
};

/// `observer` at the offset of `date`: the same place, the zone offset and its negation replaced.
inline Observer observerOnDate(const Observer& observer, const DateOffsets& offsets, DateSerial date) {
    return observerFromDegrees(observer.latitudeDeg, observer.longitudeDeg, offsets.offsetHours(date));
}

/// One new or full moon of a year's table, in the offset of its own local date.
struct ZonedPhaseEvent {
    bool isNew = true;      ///< a new moon (even slots) or a full moon (odd slots)
    DateSerial date = 0;    ///< the local date
    std::string text;       ///< its clock text
    double offsetHours = 0; ///< the offset the date and time are given in
};

/// The 31 slots of a year's new and full moon table (see PhaseTable), each event in the offset of
/// the date it falls on. An event within an hour of midnight on a night whose offset changes can
/// fall on either date depending on the offset; it takes the earlier date that agrees with its
/// offset, or (when neither agrees, as on a night the clocks go back) the earlier date.
std::array<ZonedPhaseEvent, PhaseTable::kSlots> zonedPhaseTable(int year, const DateOffsets& offsets,
                                                                const ClockDesignators& designators = {});

} // namespace biteclock
