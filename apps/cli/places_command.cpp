#include "places_command.h"

#include "day_record.h"
#include "place_search.h"
#include "terminal_text.h"

#include <cstdio>
#include <ostream>

namespace biteclock::cli {
namespace {

std::string degreesText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", degrees);
    return text;
}

void appendPlaceJson(std::string& out, const Place& p) {
    out += "{\"name\":";
    appendJsonString(out, p.name);
    out += ",\"state\":";
    appendJsonString(out, p.state);
    out += ",\"country\":";
    appendJsonString(out, p.country);
    out += ",\"country_code\":";
    appendJsonString(out, p.countryCode);
    out += ",\"latitude\":" + degreesText(p.latitudeDeg);
    out += ",\"longitude\":" + degreesText(p.longitudeDeg);
    out += ",\"zone\":";
    appendJsonString(out, p.zone);
    out += ",\"population\":" + std::to_string(p.population) + "}\n";
}

} // namespace

bool appendPlaces(const PlacesCommand& command, std::string& out, std::ostream& err) {
    const auto places = findPlaces(command.query);
    if (places.empty()) {
        err << "biteclock-cli: places: no town matches " << quotedForTerminal(command.query) << '\n';
        return false;
    }
    for (const Place& p : places) {
        if (command.format == OutputFormat::Json) {
            appendPlaceJson(out, p);
            continue;
        }
        // The list's names are its own data, but a terminal is still kept from acting on them.
        out += terminalSafe(p.label()) + "  " + degreesText(p.latitudeDeg) + "  " +
               degreesText(p.longitudeDeg) + "  " + terminalSafe(p.zone) + "  " +
               std::to_string(p.population) + '\n';
    }
    return true;
}

} // namespace biteclock::cli
