#include "zone_choice.h"

#include "place_search.h"
#include "terminal_text.h"
#include "zone_date_offsets.h"

#include <cmath>
#include <ostream>

namespace biteclock::cli {
namespace {

void splitAngle(double value, char positive, char negative, double& degrees, double& minutes,
                std::string& letter) {
    const double magnitude = std::fabs(value);
    degrees = std::floor(magnitude);
    minutes = (magnitude - degrees) * 60;
    letter = std::string(1, value < 0 ? negative : positive);
}

} // namespace

std::optional<ZoneChoice> chooseZone(const LocationOptions& options, std::ostream& err) {
    ZoneChoice choice;
    std::optional<ZoneDateOffsets> zone;
    if (options.placeQuery) {
        const auto places = findPlaces(*options.placeQuery);
        if (places.empty()) {
            err << "biteclock-cli: --place: no town matches " << quotedForTerminal(*options.placeQuery)
                << " (see biteclock-cli places NAME)\n";
            return std::nullopt;
        }
        const Place& best = places.front();
        zone = ZoneDateOffsets::named(QByteArray::fromStdString(best.zone));
        if (!zone) {
            err << "biteclock-cli: --place: the zone " << quotedForTerminal(best.zone) << " of "
                << terminalSafe(best.label()) << " is not in this computer's time zone data\n";
            return std::nullopt;
        }
        ObserverLocation l;
        l.name = best.name;
        splitAngle(best.latitudeDeg, 'N', 'S', l.latitudeDegrees, l.latitudeMinutes, l.northOrSouth);
        splitAngle(best.longitudeDeg, 'E', 'W', l.longitudeDegrees, l.longitudeMinutes, l.westOrEast);
        choice.place = l;
        choice.latitudeDeg = best.latitudeDeg;
        choice.longitudeDeg = best.longitudeDeg;
        choice.placeLabel = best.label();
    } else if (options.zoneName) {
        zone = *options.zoneName == "local"
                   ? ZoneDateOffsets::system()
                   : ZoneDateOffsets::named(QByteArray::fromStdString(*options.zoneName));
        if (!zone) {
            err << "biteclock-cli: --tz: no time zone is named " << quotedForTerminal(*options.zoneName)
                << "; expected an IANA name such as America/New_York, or local\n";
            return std::nullopt;
        }
    } else {
        return choice;
    }
    choice.zone = zone->id().toStdString();
    choice.offsets = std::make_shared<const ZoneDateOffsets>(std::move(*zone));
    return choice;
}

} // namespace biteclock::cli
