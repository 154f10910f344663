#pragma once

#include "calendar.h"
#include "cli_options.h"
#include "observer.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace biteclock::cli {

/// What the command line reads from outside: today's date and the stored settings.
struct CliEnvironment {
    DateSerial today = 0;
    std::function<ObserverLocation()> currentLocation;
    std::function<std::optional<ObserverLocation>(const std::string&)> savedLocation;
    std::function<bool()> moonNorth;
    /// The print window's last choices: its data boxes and whether its paper is US Letter.
    std::function<CalendarBoxes()> calendarBoxes;
    std::function<bool()> letterPaper;
    /// The zone name the main window shows for the stored place ("Custom" for a typed offset).
    std::function<std::string()> zoneName;
};

/// Runs the command line: output to `out`, one line per problem to `err`. Returns the exit code:
/// 0 done, 1 the output could not be written, 2 bad input (nothing written to `out`).
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment);

} // namespace biteclock::cli
