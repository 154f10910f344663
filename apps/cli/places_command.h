#pragma once

#include "cli_options.h"

#include <iosfwd>
#include <string>

namespace biteclock::cli {

/// Appends the towns matching the command's name to `out`, best first: in text one line each
/// ("label  latitude  longitude  zone  population"), in JSON one object per line. False, after one
/// line on `err`, when no town matches.
bool appendPlaces(const PlacesCommand& command, std::string& out, std::ostream& err);

} // namespace biteclock::cli
