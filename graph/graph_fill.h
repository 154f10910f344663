#pragma once

#include "almanac_day.h"
#include "daily_refresh.h"

#include <vector>

/// The graph routine's computation: rates `days` days from the displayed date on, one `calcmoon` each on
/// the new and full moon table as it stands, with the Moon captions left alone. Afterwards the context
/// is back on the displayed date with that day's phase and rating, and the captions are on again.
std::vector<biteclock::GraphRow> graphFill(biteclock::AlmanacDay& day, biteclock::DateSerial displayed,
                                           int days, bool monthFirst);
