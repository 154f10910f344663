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
/// the store's defaults, as a store the window never wrote gives them.
inline CliEnvironment fixedEnvironment() {
    CliEnvironment env;
    env.today = dateSerial(2000, 3, 15);
    env.currentPlace = [] {
        StoredPlace p;
        p.location.gmtHours = 13;
        p.zoneName = "Coordinated Universal Time";
        p.file = "/home/ann/.config/Biteclock/Bitetray.ini";
        p.defaults = true;
        return p;
    };
    env.savedPlace = [](const std::string& name) -> std::optional<StoredPlace> {
        if (name != "Sydney Harbour") {
            return std::nullopt;
        }
        StoredPlace p;
        ObserverLocation& l = p.location;
        l.name = name;
        l.latitudeDegrees = 33;
        l.latitudeMinutes = 52;
        l.northOrSouth = "S";
        l.longitudeDegrees = 151;
        l.longitudeMinutes = 12;
        l.westOrEast = "E";
        l.gmtHours = 11;
        p.zoneName = "Custom";
        p.file = "/home/ann/.config/Biteclock/Biteclock.ini";
        return p;
    };
    env.moonNorth = [] { return true; };
    return env;
}

/// The text's lines, without their line ends.
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
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
