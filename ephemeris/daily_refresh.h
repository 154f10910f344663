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

/// Puts AlmanacDate on `date`. When the context follows a zone (dateOffsets varies), the observer
/// also takes that date's offset, and a new and full moon table computed at another offset is
/// replaced by the date's own table at the new offset (see loadPhaseTableFor), so that a date is
/// computed exactly as it would be alone with its offset as the fixed one. With one fixed offset
/// nothing but AlmanacDate changes.
void moveToDate(AlmanacDay& day, DateSerial date);

/// Back on `date` after computing other dates: moveToDate, and when the context follows a zone the
/// date's own table as well (days in its offset may have left another year's). With one fixed offset
/// only AlmanacDate changes, as the other dates left the table and observer as they were.
void returnToDate(AlmanacDay& day, DateSerial date);

/// Whether the context's dates can differ in offset.
bool followsZone(const AlmanacDay& day);

/// The graph label of a date.
std::string graphRowLabel(DateSerial date, bool monthFirst);

/// Rates `days` days from `first` on, one calcmoon each on the table as it stands (a row in another
/// offset than the table's takes its own date's table, see moveToDate); leaves AlmanacDate, and the
/// observer's offset, on the last row's date.
std::vector<GraphRow> graphRows(AlmanacDay& day, DateSerial first, int days, bool monthFirst);

/// The day's computation in the order the window refreshes it, with the phase captions on: the new and full
/// moon table (in January the previous year's), the graph rows, phase and rating, sunrise and sunset, the
/// lunar distance, moonrise, moonset and the fishing periods. Each date in its own offset when the
/// context follows a zone. Leaves AlmanacDate, the observer and the table on the displayed date.
std::vector<GraphRow> refreshDay(AlmanacDay& day, DateSerial displayed, int graphDays, bool monthFirst);

/// A newly entered date in the order the date change computes it: the graph rows on the table as it
/// stands, then (in January only: the entry paths have loaded the entered year's table already) the
/// year before's table, phase and rating, sunrise and sunset, moonrise, moonset and the fishing
/// periods. The phase captions follow ShowPhaseLabels as it is. Leaves AlmanacDate on the entered
/// date, so that the lunar distance which follows is that day's.
std::vector<GraphRow> recomputeEnteredDay(AlmanacDay& day, DateSerial entered, int graphDays,
                                          bool monthFirst);

} // namespace biteclock
