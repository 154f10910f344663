#pragma once

#include "date_serial.h"

#include <QString>

/// The date shown over the chart for a selected point: day "/" month "/" year, or month "/" day "/"
/// year when the month comes first; day and month without leading zeros, the year in four digits
/// (4/3/2001).
QString selectedDateText(biteclock::DateSerial date, bool monthFirst);
