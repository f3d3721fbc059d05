// Places from the geonames database.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include <cmath>
#include <string>
#include <vector>

#include "places/place_search.h"

namespace tarvel {
namespace {

TEST(PlaceSearchTest, FindsCitiesByNameMostPopulousFirst) {
    const struct {
        const char* query;
        const char* label;
        const char* zone;
    } cases[] = {
        {"Rom", "Rome, Lazio, Italy", "Europe/Rome"},
        {"rome", "Rome, Lazio, Italy", "Europe/Rome"},
        {"Rome, Italy", "Rome, Lazio, Italy", "Europe/Rome"},
        {"Rome, Georgia", "Rome, Georgia, United States of America", "America/New_York"},
        {"sao paulo", "São Paulo, Brazil", "America/Sao_Paulo"},
        {"Makkah", "Makkah al Mukarramah, Mecca Region, Saudi Arabia", "Asia/Riyadh"},
    };
    for (const auto& c : cases) {
        const std::vector<Place> found = FindPlaces(c.query);
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found.front().Label(), c.label) << c.query;
        EXPECT_EQ(found.front().timeZone, c.zone) << c.query;
    }
    const Place rome = FindPlaces("Rome").front();
    EXPECT_NEAR(rome.latitude, 41.89, 0.01);
    EXPECT_NEAR(rome.LongitudeWest(), -12.51, 0.01);  // east is negative in the program
    EXPECT_TRUE(FindPlaces("Xqzvw").empty());
    EXPECT_TRUE(FindPlaces("Rome, Atlantis").empty());
    const std::vector<std::string> close = ClosePlaceNames("Romx");
    ASSERT_FALSE(close.empty());
    EXPECT_EQ(close.front(), "Rome, Lazio, Italy");
    EXPECT_LE(close.size(), 5u);
}

// A name that matches nothing costs one pass over the cities, however long:
// the close names of a name as long as the longest query, and a far longer
// query that finds nothing at once. The bound is generous (a machine under
// load); the old search took a minute for a thousand characters.
TEST(Places, NamesThatMatchNothingCostOnePass) {
    const auto start = std::chrono::steady_clock::now();
    const std::string longest = "Rom" + std::string(kMaxPlaceQueryBytes - 3, 'x');
    const std::vector<std::string> close = ClosePlaceNames(longest);
    ASSERT_FALSE(close.empty());
    EXPECT_EQ(close.front(), "Rome, Lazio, Italy");
    EXPECT_TRUE(FindPlaces(std::string(131000, 'q')).empty());
    EXPECT_TRUE(ClosePlaceNames(std::string(131000, 'q')).empty());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 10.0);
}

}  // namespace
}  // namespace tarvel
