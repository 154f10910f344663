#pragma once

#include "cli_app.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace biteclock::cli::testing {

struct CliRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

/// A store-less environment: today is 15 March 2000 and the stored place is 0 N 0 W at 13 hours,
/// as a store the window never wrote gives it.
inline CliEnvironment fixedEnvironment() {
    CliEnvironment env;
    env.today = dateSerial(2000, 3, 15);
    env.currentLocation = [] {
        ObserverLocation l;
        l.gmtHours = 13;
        return l;
    };
    env.savedLocation = [](const std::string& name) -> std::optional<ObserverLocation> {
        if (name != "Sydney Harbour") {
            return std::nullopt;
        }
        ObserverLocation l;
        l.name = name;
        l.latitudeDegrees = 33;
        l.latitudeMinutes = 52;
        l.northOrSouth = "S";
        l.longitudeDegrees = 151;
        l.longitudeMinutes = 12;
        l.westOrEast = "E";
        l.gmtHours = 11;
        return l;
    };
    env.moonNorth = [] { return true; };
    return env;
}

inline CliRun runWith(const std::vector<std::string>& args, const CliEnvironment& env = fixedEnvironment()) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.exitCode = runCli(args, out, err, env);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace biteclock::cli::testing
