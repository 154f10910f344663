#pragma once

#include "cli_options.h"
#include "date_offsets.h"
#include "observer.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace biteclock::cli {

/// What --tz or --place chose: the offsets of the dates and, for a town, its place.
struct ZoneChoice {
    std::shared_ptr<const DateOffsets> offsets; ///< the zone's; none without --tz and --place
    std::string zone;                           ///< the zone's IANA name
    std::string placeLabel;                     ///< "South Lake Tahoe, California, United States"
    std::optional<ObserverLocation> place;      ///< the town, with --place
    std::optional<double> latitudeDeg;          ///< the town's exact coordinates, with --place
    std::optional<double> longitudeDeg;
};

/// The zone and town the options name; none after one line on `err` (an unknown zone, no town).
std::optional<ZoneChoice> chooseZone(const LocationOptions& options, std::ostream& err);

} // namespace biteclock::cli
