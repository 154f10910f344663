#pragma once

#include "cli_options.h"
#include "trip_log.h"
#include "trip_stats.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace biteclock::cli {

/// Runs "journal list|export|stats" over `folder` (the command's, else Biteclock's), each trip's date
/// computed at the place `place` gives (none after its line on `err`), asked once the folder is
/// found good. Output to `out`, one line per problem to `err`; the exit code: 0 done, 1 the output
/// or the CSV file could not be written, 2 bad input (the folder or the place).
int runJournal(const JournalCommand& command, const std::string& folder,
               const std::function<std::optional<TripPlace>()>& place, std::ostream& out, std::ostream& err);

/// The trips as the list shows them: a header and one aligned line a trip (text), one JSON object a
/// trip (JSON Lines), or the CSV of tripsCsv.
std::string journalListText(const std::vector<TripRecord>& trips);
std::string journalListJson(const std::vector<TripRecord>& trips);

/// The statistics as a table per grouping (text) or one JSON object.
std::string journalStatsText(const TripStats& stats);
std::string journalStatsJson(const TripStats& stats);

} // namespace biteclock::cli
