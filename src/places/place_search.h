// Places by name, from the cities of the system's geonames database (the
// cities of at least 15,000 inhabitants, with their region, country, IANA
// time zone and position). Free of Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

struct Place {
    std::string name;      // "Rome"
    std::string region;    // "Lazio"
    std::string country;   // "Italy" (in the language of the process's locale)
    std::string timeZone;  // "Europe/Rome"
    double latitude = 0;   // degrees, positive north
    double longitudeEast = 0;  // degrees, positive EAST, as the database gives it
    long population = 0;

    // "Rome, Lazio, Italy" (the region left out when it repeats the name).
    std::string Label() const;
    // The program's convention: longitude positive WEST.
    double LongitudeWest() const { return -longitudeEast + 0.0; }
};

// The longest query a search takes, in bytes: longer than any place's name
// with its region and country; a longer query finds nothing.
inline constexpr std::size_t kMaxPlaceQueryBytes = 200;

// Safe from any thread: the queries take their turns.
//
// The places whose name begins with the query or one of whose words does
// (letter case and accents ignored: "sao paulo" finds São Paulo), most
// populous first. "Rome, Italy" or "Rome, Georgia": the words after a comma
// must begin the region or the country (each part in turn). At most `limit`
// places.
std::vector<Place> FindPlaces(std::string_view query, std::size_t limit = 20);

// Up to `limit` names of places close to a query that found nothing: the
// places whose name shares the longest beginning with the query's first part
// (letter case and accents ignored), most populous first; none when no name
// shares even its first letter. One pass over the cities, whatever the query.
std::vector<std::string> ClosePlaceNames(std::string_view query, std::size_t limit = 5);

}  // namespace tarvel
