#pragma once

#include "date_offsets.h"
#include "date_serial.h"
#include "day_record.h"
#include "observer.h"
#include "ordered_blocks.h"

#include <functional>
#include <string>

namespace biteclock {

/// The place a span of days is computed for.
struct SpanPlace {
    Observer observer;      ///< the place; each date takes its own offset
    bool moonNorth = true;  ///< Moon pictures as seen from the north
    std::string zone;       ///< the zone's IANA name the days name, or empty
    std::string placeLabel; ///< the town the days name, or empty
};

/// A day of the place as computeDayRecord gives it at `offsetHours`, naming the place's zone and
/// town. `day` keeps its table and caches between calls; its moonorth is used.
DayRecord placedDayRecord(AlmanacDay& day, const SpanPlace& place, double offsetHours, DateSerial date);

/// Appends the text of one day.
using DayFormatter = std::function<void(std::string& out, const DayRecord& record)>;

/// Days per block of work: large enough that a block's set-up costs nothing, small enough that a
/// span of a few months still spreads over the cores.
inline constexpr int kDaysPerBlock = 256;

/// The days from `from` on, `days` of them, as computeDayRecord gives them with each date in its own
/// offset (`offsets`, asked on the calling thread only, a block ahead of the threads that compute), formatted
/// one after another in date order and handed to `take` in blocks. Blocks of days are computed on up to
/// `jobs` threads, each from a fresh almanac context that first computes the day before its first day (the
/// moonrise and moonset a day keeps from the days before it), so that the text is the same, byte for
/// byte, at any number of jobs. False when `take` stopped the work.
bool formatDaySpan(const SpanPlace& place, const DateOffsets& offsets, DateSerial from, int days, int jobs,
                   const DayFormatter& format, const BlockTaker& take, int daysPerBlock = kDaysPerBlock);

} // namespace biteclock
