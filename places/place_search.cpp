#include "place_search.h"

#include <algorithm>
#include <geonames.h>
#include <memory>

namespace biteclock {
namespace {

// The list names some countries formally; a label reads better with the name in everyday use.
std::string everydayCountry(const std::string& code, const std::string& name) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"US", "United States"}, {"JO", "Jordan"}, {"LT", "Lithuania"}, {"MC", "Monaco"}, {"MD", "Moldova"},
    };
    for (const auto& [c, n] : kNames) {
        if (code == c) {
            return n;
        }
    }
    return name;
}

std::string textOf(const gchar* text) {
    return text ? std::string(text) : std::string();
}

struct GFreeDeleter {
    void operator()(void* p) const { g_free(p); }
};

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The text with its accents taken off ("Zürich" gives "Zurich"); empty when it is not UTF-8.
std::string withoutAccents(const std::string& text) {
    if (!g_utf8_validate(text.c_str(), static_cast<gssize>(text.size()), nullptr)) {
        return {};
    }
    std::unique_ptr<gchar, GFreeDeleter> ascii(g_str_to_ascii(text.c_str(), "C"));
    return ascii.get();
}

// Lower case without accents, for the comparisons the list itself does not make.
std::string folded(const std::string& text) {
    std::unique_ptr<gchar, GFreeDeleter> lower(g_ascii_strdown(withoutAccents(text).c_str(), -1));
    return lower.get();
}

std::vector<int> queryIndices(const std::string& query) {
    guint length = 0;
    std::unique_ptr<gint, GFreeDeleter> indices(
        geonames_query_cities_sync(query.c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr, nullptr));
    if (!indices) {
        return {};
    }
    return std::vector<int>(indices.get(), indices.get() + length);
}

Place placeAt(int index) {
    GeonamesCity* city = geonames_get_city(index);
    Place p;
    if (!city) {
        return p;
    }
    p.name = textOf(geonames_city_get_name(city));
    p.state = textOf(geonames_city_get_state(city));
    p.countryCode = textOf(geonames_city_get_country_code(city));
    p.country = everydayCountry(p.countryCode, textOf(geonames_city_get_country(city)));
    p.latitudeDeg = geonames_city_get_latitude(city);
    p.longitudeDeg = geonames_city_get_longitude(city);
    p.zone = textOf(geonames_city_get_timezone(city));
    p.population = geonames_city_get_population(city);
    geonames_city_free(city);
    return p;
}

bool narrowedBy(const Place& place, const std::vector<std::string>& parts) {
    const std::string state = folded(place.state);
    const std::string country = folded(place.country);
    const std::string code = folded(place.countryCode);
    return std::all_of(parts.begin(), parts.end(), [&](const std::string& part) {
        return state.find(part) != std::string::npos || country.find(part) != std::string::npos ||
               code == part;
    });
}

} // namespace

std::string Place::label() const {
    return state.empty() ? name + ", " + country : name + ", " + state + ", " + country;
}

std::vector<Place> findPlaces(const std::string& query) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = query.find(',', start);
        parts.push_back(trimmed(query.substr(start, comma == std::string::npos ? comma : comma - start)));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    const std::string name = parts.front();
    if (name.empty() || !g_utf8_validate(name.c_str(), static_cast<gssize>(name.size()), nullptr)) {
        return {};
    }
    std::vector<std::string> narrowing;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].empty()) {
            narrowing.push_back(folded(parts[i]));
        }
    }

    std::vector<int> indices = queryIndices(name);
    // The list folds the accents of its own names but not of the query: "Zürich" finds nothing
    // there, while "Zurich" finds it.
    const std::string plain = withoutAccents(name);
    if (!plain.empty() && plain != name) {
        for (const int i : queryIndices(plain)) {
            if (std::find(indices.begin(), indices.end(), i) == indices.end()) {
                indices.push_back(i);
            }
        }
    }
    std::vector<Place> places;
    for (const int i : indices) {
        Place p = placeAt(i);
        if (!p.name.empty() && narrowedBy(p, narrowing)) {
            places.push_back(std::move(p));
        }
    }
    return places;
}

int placeCount() {
    return geonames_get_n_cities();
}

} // namespace biteclock
