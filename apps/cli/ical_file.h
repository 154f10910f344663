#pragma once

#include "date_offsets.h"
#include "fishing_calendar.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace biteclock::cli {

/// An iCalendar file of fishing times as the ical command writes it.
struct IcalFile {
    FishingCalendarRequest request; ///< its zone is described here, from `offsets`
    std::shared_ptr<const DateOffsets> offsets;
    std::string output; ///< the file, or "-" for `standardOutput`
};

/// Writes the file whole or not at all (the standard output as it is made); false with the one
/// line that says why in `error`.
bool writeIcalFile(const IcalFile& file, std::ostream& standardOutput, std::string& error);

} // namespace biteclock::cli
