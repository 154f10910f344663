// Finding towns by name in the offline list (libgeonames' data, fixed by the Debian package).
#include "place_search.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using biteclock::findPlaces;
using biteclock::Place;

bool holds(const std::vector<Place>& places, const std::string& label) {
    return std::any_of(places.begin(), places.end(), [&](const Place& p) { return p.label() == label; });
}

TEST(PlaceSearch, APartOfTheNameFindsTheTownWithItsCoordinatesAndZone) {
    for (const char* query : {"Tahoe", "tahoe", "South Lake Tahoe", "  Tahoe "}) {
        const auto places = findPlaces(query);
        ASSERT_FALSE(places.empty()) << query;
        const Place& p = places.front();
        EXPECT_EQ(p.label(), "South Lake Tahoe, California, United States") << query;
        EXPECT_EQ(p.countryCode, "US");
        EXPECT_NEAR(p.latitudeDeg, 38.93324, 1e-5);
        EXPECT_NEAR(p.longitudeDeg, -119.98435, 1e-5);
        EXPECT_EQ(p.zone, "America/Los_Angeles");
        EXPECT_GT(p.population, 15000u);
    }
}

TEST(PlaceSearch, AccentsAreOptionalEitherWay) {
    // The list names Zurich without its accent and São Paulo with one.
    for (const char* query : {"Zurich", "Zürich", "ZÜRICH"}) {
        const auto places = findPlaces(query);
        ASSERT_FALSE(places.empty()) << query;
        EXPECT_EQ(places.front().name, "Zurich") << query;
        EXPECT_EQ(places.front().zone, "Europe/Zurich");
    }
    for (const char* query : {"Sao Paulo", "São Paulo"}) {
        const auto places = findPlaces(query);
        ASSERT_FALSE(places.empty()) << query;
        EXPECT_EQ(places.front().label(), "São Paulo, São Paulo, Brazil") << query;
        EXPECT_EQ(places.front().zone, "America/Sao_Paulo");
    }
    EXPECT_FALSE(findPlaces("Tromso").empty());
}

TEST(PlaceSearch, ANameOfSeveralCountriesListsTheLargestFirstAndTheOthersAfter) {
    const auto paris = findPlaces("Paris");
    ASSERT_GE(paris.size(), 2u);
    EXPECT_EQ(paris.front().countryCode, "FR");
    EXPECT_EQ(paris.front().zone, "Europe/Paris");
    EXPECT_TRUE(holds(paris, "Paris, Texas, United States"));

    const auto portland = findPlaces("Portland");
    ASSERT_GE(portland.size(), 2u);
    EXPECT_EQ(portland.front().label(), "Portland, Oregon, United States");
    EXPECT_TRUE(holds(portland, "Portland, State of Maine, United States"));
}

TEST(PlaceSearch, PartsAfterACommaNarrowByStateOrCountry) {
    const auto maine = findPlaces("Portland, Maine");
    ASSERT_FALSE(maine.empty());
    EXPECT_EQ(maine.front().label(), "Portland, State of Maine, United States");
    EXPECT_EQ(maine.front().zone, "America/New_York");
    EXPECT_TRUE(
        std::all_of(maine.begin(), maine.end(), [](const Place& p) { return p.state == "State of Maine"; }));

    const auto texas = findPlaces("paris, us");
    ASSERT_EQ(texas.size(), 1u);
    EXPECT_EQ(texas.front().label(), "Paris, Texas, United States");

    EXPECT_EQ(findPlaces("Paris, France").front().zone, "Europe/Paris");
    EXPECT_TRUE(findPlaces("Paris, Atlantis").empty());
}

TEST(PlaceSearch, NothingMatchesBlankUnknownOrBrokenNames) {
    EXPECT_TRUE(findPlaces("").empty());
    EXPECT_TRUE(findPlaces("   ").empty());
    EXPECT_TRUE(findPlaces(", Texas").empty());
    EXPECT_TRUE(findPlaces("Xyzzyqx").empty());
    EXPECT_TRUE(findPlaces("Z\xfcrich").empty()); // Latin-1, not UTF-8
    EXPECT_GT(biteclock::placeCount(), 20000);
}

} // namespace
