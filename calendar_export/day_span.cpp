#include "day_span.h"

#include "almanac_day.h"

#include <algorithm>
#include <vector>

namespace biteclock {
DayRecord placedDayRecord(AlmanacDay& day, const SpanPlace& place, double offsetHours, DateSerial date) {
    day.observer = observerFromDegrees(place.observer.latitudeDeg, place.observer.longitudeDeg, offsetHours);
    DayRecord record = computeDayRecord(day, date);
    record.zone = place.zone;
    record.place = place.placeLabel;
    return record;
}

bool formatDaySpan(const SpanPlace& place, const DateOffsets& offsets, DateSerial from, int days, int jobs,
                   const DayFormatter& format, const BlockTaker& take, int daysPerBlock) {
    daysPerBlock = std::max(1, daysPerBlock);
    // The offsets are read on this thread, block by block as the blocks are readied: a zone's
    // offsets are worked out on first use and are not to be shared between threads. Index 0 is the
    // day before `from`.
    const DateSerial first = from - 1;
    std::vector<double> offsetHours(static_cast<std::size_t>(days) + 1);
    const auto offsetOf = [&](DateSerial date) {
        return offsetHours[static_cast<std::size_t>(date - first)];
    };
    const auto readOffsets = [&](int block) {
        const DateSerial start = from + block * daysPerBlock;
        const DateSerial end = std::min<DateSerial>(start + daysPerBlock, from + days);
        for (DateSerial date = block == 0 ? first : start; date < end; ++date) {
            offsetHours[static_cast<std::size_t>(date - first)] = offsets.offsetHours(date);
        }
    };

    const int blocks = (days + daysPerBlock - 1) / daysPerBlock;
    const auto makeBlock = [&](int block) {
        const DateSerial start = from + block * daysPerBlock;
        const DateSerial end = std::min<DateSerial>(start + daysPerBlock, from + days);
        AlmanacDay day;
        day.moonorth = place.moonNorth;
        if (block > 0) {
            // As a run from `from` would have left it.
            static_cast<void>(placedDayRecord(day, place, offsetOf(start - 1), start - 1));
        }
        std::string text;
        for (DateSerial date = start; date < end; ++date) {
            format(text, placedDayRecord(day, place, offsetOf(date), date));
        }
        return text;
    };
    return runOrderedBlocks(blocks, jobs, makeBlock, take, readOffsets);
}

} // namespace biteclock
