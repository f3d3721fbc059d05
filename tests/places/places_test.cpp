// Places from the gazetteer built from GeoNames' cities1000.
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
        {"Makkah", "Mecca, Mecca Region, Saudi Arabia", "Asia/Riyadh"},
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

// The place people mean by the names they type: local, English and former
// names, with or without accents, in other scripts, narrowed by region or
// country; checked by country and position (GeoNames' coordinates).
TEST(PlaceSearchTest, FindsThePlacePeopleMean) {
    const struct {
        const char* query;
        const char* country;
        double latitude, longitudeEast;
        const char* matched;  // the name matched, as MatchLabel shows it
    } cases[] = {
        {"Roma", "IT", 41.89, 12.51, "Roma \u2192 Rome, Lazio, Italy"},
        {"Wien", "AT", 48.21, 16.37, "Wien \u2192 Vienna, Austria"},
        {"St Petersburg", "RU", 59.94, 30.31, nullptr},
        {"Saint Petersburg", "RU", 59.94, 30.31, "Saint Petersburg, Russia"},
        {"Paris", "FR", 48.85, 2.35, nullptr},
        {"Rome, Georgia", "US", 34.26, -85.16, nullptr},
        {"Rome, US", "US", 34.26, -85.16, nullptr},
        {"Roma, Italia", "IT", 41.89, 12.51, nullptr},
        {"München, Bayern", "DE", 48.14, 11.58, "München \u2192 Munich, Bavaria, Germany"},
        {"Mecca", "SA", 21.43, 39.83, nullptr},
        {"Bombay", "IN", 19.07, 72.88, "Bombay \u2192 Mumbai, Maharashtra, India"},
        {"Kiev", "UA", 50.45, 30.52, nullptr},
        {"Zürich", "CH", 47.37, 8.55, nullptr},
        {"Kraków", "PL", 50.06, 19.94, nullptr},
        {"Reykjavík", "IS", 64.14, -21.90, nullptr},
        {"Montréal", "CA", 45.51, -73.59, nullptr},
        {"Köln", "DE", 50.93, 6.95, nullptr},
        {"MÜNCHEN", "DE", 48.14, 11.58, nullptr},
        {"Singapore", "SG", 1.29, 103.85, nullptr},
        {"مكة", "SA", 21.43, 39.83, nullptr},
        {"Москва", "RU", 55.75, 37.62, "Москва \u2192 Moscow, Russia"},
        {"Peking", "CN", 39.91, 116.40, nullptr},
        {"Lisboa", "PT", 38.72, -9.13, nullptr},
        {"Al-Qāhirah", "EG", 30.06, 31.25, nullptr},
        {"New York", "US", 40.71, -74.01, nullptr},
        {"Singap", "SG", 1.29, 103.85, nullptr},  // a beginning, while typing
    };
    for (const auto& c : cases) {
        const std::vector<Place> found = FindPlaces(c.query, 5);
        ASSERT_FALSE(found.empty()) << c.query;
        const Place& place = found.front();
        EXPECT_EQ(place.countryCode, c.country) << c.query << ": " << place.MatchLabel();
        EXPECT_NEAR(place.latitude, c.latitude, 0.1) << c.query << ": " << place.MatchLabel();
        EXPECT_NEAR(place.longitudeEast, c.longitudeEast, 0.1) << c.query << ": " << place.MatchLabel();
        if (c.matched != nullptr) {
            EXPECT_EQ(place.MatchLabel(), c.matched) << c.query;
        }
    }
}

// The labels in the interface's language: the names libgeonames translates,
// the English ones for the rest; the English label stays for storing, and a
// place is found by the names it is shown under.
TEST(PlaceSearchTest, LabelsInTheInterfacesLanguage) {
    const struct {
        const char* query;
        PlaceNames names;
        const char* shown;  // LocalMatchLabel
        const char* english;
    } cases[] = {
        {"Roma", PlaceNames::kItalian, "Roma, Lazio, Italia", "Rome, Lazio, Italy"},
        {"Roma", PlaceNames::kPortuguese, "Roma, L\u00E1cio, It\u00E1lia", "Rome, Lazio, Italy"},
        {"Roma", PlaceNames::kEnglish, "Roma \u2192 Rome, Lazio, Italy", "Rome, Lazio, Italy"},
        {"M\u00FCnchen", PlaceNames::kItalian,
         "M\u00FCnchen \u2192 Monaco di Baviera, Baviera, Germania", "Munich, Bavaria, Germany"},
        {"Monaco di Baviera", PlaceNames::kEnglish,
         "Monaco di Baviera \u2192 Munich, Bavaria, Germany", "Munich, Bavaria, Germany"},
        {"Munique", PlaceNames::kPortuguese, "Munique, Baviera, Alemanha",
         "Munich, Bavaria, Germany"},
    };
    for (const auto& c : cases) {
        const std::vector<Place> found = FindPlaces(c.query, 1, c.names);
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found.front().LocalMatchLabel(), c.shown) << c.query;
        EXPECT_EQ(found.front().Label(), c.english) << c.query;
    }
    // Close names in the same language.
    const std::vector<std::string> close = ClosePlaceNames("Romx", 5, PlaceNames::kItalian);
    ASSERT_FALSE(close.empty());
    EXPECT_EQ(close.front(), "Roma, Lazio, Italia");
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
