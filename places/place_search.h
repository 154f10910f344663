#pragma once

#include <string>
#include <vector>

namespace biteclock {

/// A town of the offline place list.
struct Place {
    std::string name;        ///< "South Lake Tahoe"
    std::string state;       ///< "California"; may be empty
    std::string country;     ///< "United States"
    std::string countryCode; ///< "US"
    double latitudeDeg = 0;  ///< north positive
    double longitudeDeg = 0; ///< east positive
    std::string zone;        ///< IANA zone name, "America/Los_Angeles"
    unsigned population = 0;

    /// "South Lake Tahoe, California, United States" (the state left out when there is none).
    std::string label() const;
};

/// Towns matching `query`, best first: the list's own ranking of names that contain the query
/// (in any case; "Sao Paulo" finds São Paulo), then those the query matches once its accents are
/// taken off ("Zürich" finds Zurich). Parts after a comma narrow the matches to towns whose state,
/// country or country code contains them ("Portland, Maine", "Paris, US"). A blank query finds
/// nothing. Names are UTF-8.
std::vector<Place> findPlaces(const std::string& query);

/// How many towns the list holds.
int placeCount();

} // namespace biteclock
