#pragma once

#include "cli_options.h"
#include "trip_log.h"
#include "trip_stats.h"

#include <iosfwd>
#include <string>

namespace biteclock::cli {

/// Runs "journal list|export|stats" over the command's folder (else `defaultFolder`), each trip's
/// date computed at `place`. Output to `out`, one line per problem to `err`; the exit code: 0 done,
/// 1 the output or the CSV file could not be written, 2 the folder cannot be read.
int runJournal(const JournalCommand& command, const TripPlace& place, const std::string& defaultFolder,
               std::ostream& out, std::ostream& err);

/// The trips as the list shows them: a header and one aligned line a trip (text), one JSON object a
/// trip (JSON Lines), or the CSV of tripsCsv.
std::string journalListText(const std::vector<TripRecord>& trips);
std::string journalListJson(const std::vector<TripRecord>& trips);

/// The statistics as a table per grouping (text) or one JSON object.
std::string journalStatsText(const TripStats& stats);
std::string journalStatsJson(const TripStats& stats);

} // namespace biteclock::cli
