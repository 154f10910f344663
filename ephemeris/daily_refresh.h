#pragma once

#include "almanac_day.h"

#include <cstdint>
#include <string>
#include <vector>

namespace biteclock {

/// One day of the prediction graph.
struct GraphRow {
    DateSerial date = 0;
    std::string label;       ///< "day/month", or "month/day" month first; no leading zeros
    std::int16_t rating = 0; ///< 0, 33, 66 or 100
};

/// The graph label of a date.
std::string graphRowLabel(DateSerial date, bool monthFirst);

/// Rates `days` days from `first` on, one calcmoon each on the table as it stands; leaves
/// AlmanacDate on the last row's date.
std::vector<GraphRow> graphRows(AlmanacDay& day, DateSerial first, int days, bool monthFirst);

/// The day's computation in the order the window refreshes it, with the phase captions on: the new and full
/// moon table (in January the previous year's), the graph rows, phase and rating, sunrise and sunset, the
/// lunar distance, moonrise, moonset and the fishing periods. Leaves AlmanacDate on the displayed date.
std::vector<GraphRow> refreshDay(AlmanacDay& day, DateSerial displayed, int graphDays, bool monthFirst);

} // namespace biteclock
