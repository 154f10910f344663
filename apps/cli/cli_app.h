#pragma once

#include "cli_options.h"
#include "date_serial.h"
#include "observer.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace biteclock::cli {

/// A stored value that Biteclock's settings panel refuses.
struct StoredValueProblem {
    std::string key;  ///< as the settings file names it
    std::string text; ///< the stored text
    std::string rule; ///< what the panel takes there
    std::string file; ///< the settings file
};

/// A place as Biteclock's window computes with it.
struct StoredPlace {
    ObserverLocation location;
    std::string zoneName;  ///< the window's zone field for it: the computer's zone name or "Custom"
    std::string file;      ///< the settings file it comes from
    bool defaults = false; ///< nothing is stored there: the store's defaults
    std::optional<StoredValueProblem> problem; ///< the place is refused
};

/// What the command line reads from outside: today's date and the stored settings.
struct CliEnvironment {
    DateSerial today = 0;
    /// Now, in seconds since 1970-01-01 00:00 UTC: the time stamp of exported calendar events.
    std::int64_t nowUtcSeconds = 0;
    /// The current location as the main window's refresh would compute with it.
    std::function<StoredPlace()> currentPlace;
    /// A saved location by name; none when no location of that name is saved.
    std::function<std::optional<StoredPlace>(const std::string&)> savedPlace;
    std::function<bool()> moonNorth;
    /// The print window's last choices: its data boxes and whether its paper is US Letter.
    std::function<CalendarBoxes()> calendarBoxes;
    std::function<bool()> letterPaper;
    /// The folder Biteclock's journal window keeps its entries in.
    std::function<std::string()> journalFolder;
};

/// Runs the command line: output to `out`, one line per problem or note to `err`. Returns the exit
/// code: 0 done, 1 the output or a file could not be written, 2 bad input (nothing written to `out`).
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment);

} // namespace biteclock::cli
