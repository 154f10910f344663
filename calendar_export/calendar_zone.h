#pragma once

#include "date_serial.h"
#include "fishing_calendar.h"
#include "zone_date_offsets.h"

/// A zone's offsets over the local dates `first` to `last`, as a calendar describes them: the offset
/// in force the day before `first`, then every change up to the day after `last`. The changes are
/// found from the zone's noon offsets and placed to the second by asking the zone at UTC instants
/// (Qt 6.4's own list of changes is wrong for some zones after 2037). Clears the processor's
/// vector state before returning.
biteclock::CalendarZone calendarZone(const ZoneDateOffsets& zone, biteclock::DateSerial first,
                                     biteclock::DateSerial last);

/// The request with its zone described when `offsets` are a named zone's (its events then in that
/// zone's local times), else as it was (its events in UTC).
biteclock::FishingCalendarRequest withZoneOf(biteclock::FishingCalendarRequest request,
                                             const biteclock::DateOffsets& offsets);
