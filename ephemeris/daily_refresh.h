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

/// Puts into the context the new and full moon table that rates `date`: the table of its own year, or in
/// January the table of the year before (a year's table begins about its first new moon). Leaves
/// AlmanacDate on `date`.
void loadPhaseTableFor(AlmanacDay& day, DateSerial date);

/// The graph label of a date.
std::string graphRowLabel(DateSerial date, bool monthFirst);

/// Rates `days` days from `first` on, one calcmoon each on the table as it stands; leaves
/// AlmanacDate on the last row's date.
std::vector<GraphRow> graphRows(AlmanacDay& day, DateSerial first, int days, bool monthFirst);

/// The day's computation in the order the window refreshes it, with the phase captions on: the new and full
/// moon table (in January the previous year's), the graph rows, phase and rating, sunrise and sunset, the
/// lunar distance, moonrise, moonset and the fishing periods. Leaves AlmanacDate on the displayed date.
std::vector<GraphRow> refreshDay(AlmanacDay& day, DateSerial displayed, int graphDays, bool monthFirst);

/// A newly entered date in the order the date change computes it: the graph rows on the table as it
/// stands, then (in January only: the entry paths have loaded the entered year's table already) the
/// year before's table, phase and rating, sunrise and sunset, moonrise, moonset and the fishing
/// periods. The phase captions follow ShowPhaseLabels as it is. Leaves AlmanacDate on the entered
/// date, so that the lunar distance which follows is that day's.
std::vector<GraphRow> recomputeEnteredDay(AlmanacDay& day, DateSerial entered, int graphDays,
                                          bool monthFirst);

} // namespace biteclock
