// Places by name, from the gazetteer built from GeoNames' cities1000 (every
// place of at least 1,000 inhabitants, with its alternate names, region,
// country, IANA time zone, position and population; see gazetteer_format.h).
// Free of Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// The language of a found place's local names (Place::local): English (the
// data's own names of places, the English names of regions and countries),
// or one of the interface's other languages.
enum class PlaceNames { kEnglish, kItalian, kPortuguese };

// The names for an interface's language code ("ITA", "ENU", "PTB"; English
// for any other).
PlaceNames PlaceNamesForLanguage(std::string_view code);

struct Place {
    std::string name;          // "Rome"
    std::string region;        // "Lazio" (English; empty when the data has none)
    std::string country;       // "Italy" (English)
    std::string timeZone;      // "Europe/Rome"
    double latitude = 0;       // degrees, positive north
    double longitudeEast = 0;  // degrees, positive EAST, as the data gives it
    long population = 0;
    std::string countryCode;  // "IT" (ISO 3166-1)
    // The name the query matched, as the data writes it: the place's own name
    // or one of its other names ("Roma", "Bombay", "Москва").
    std::string matchedName;
    // The query was the whole of that name, not only its beginning.
    bool exactMatch = false;

    // The names in the language the search asked for ("Roma", "Lazio",
    // "Italia"), each the English one where the data has none in it; empty
    // in a place not made by a search (its labels are then the English ones).
    struct Names {
        std::string name, region, country;
    } local;

    // "Rome, Lazio, Italy" (the region left out when it repeats the name).
    std::string Label() const;
    // Why the place was found: "Roma → Rome, Lazio, Italy" when it was found
    // by another of its names, otherwise its label.
    std::string MatchLabel() const;
    // The same in the language the search asked for: "Roma, Lazio, Italia",
    // "München → Monaco di Baviera, Baviera, Germania".
    std::string LocalLabel() const;
    std::string LocalMatchLabel() const;
    // The program's convention: longitude positive WEST.
    double LongitudeWest() const { return -longitudeEast + 0.0; }
};

// The longest query a search takes, in bytes: longer than any place's name
// with its region and country; a longer query finds nothing.
inline constexpr std::size_t kMaxPlaceQueryBytes = 200;

// Safe from any thread. The gazetteer is mapped on the first search.
//
// The places one of whose names begins with the query (compared under
// FoldName: letter case, accents and punctuation ignored, so "sao paulo" finds
// São Paulo and "Kiev" Kyiv): the places the whole of whose name the query is
// first, then the capitals of countries, then the most populous. "Rome,
// Italy", "Roma, Italia", "Rome, US" or "Rome, GA": each part after a comma
// must begin a word of the region's or the country's name (in English, in the
// interface's languages or the country's own) or be its code. At most `limit`
// places.
std::vector<Place> FindPlaces(std::string_view query, std::size_t limit = 20,
                              PlaceNames names = PlaceNames::kEnglish);

// Up to `limit` labels (LocalLabel) of places close to a query that found nothing: the
// places one of whose names shares the longest beginning with the query's
// first part (under FoldName), ranked as FindPlaces ranks; none when no name
// shares even its first letter.
std::vector<std::string> ClosePlaceNames(std::string_view query, std::size_t limit = 5,
                                         PlaceNames names = PlaceNames::kEnglish);

// Empty when the gazetteer is in place; otherwise why no place can be found
// ("the places' index ... is missing"), in English.
std::string PlaceIndexProblem();

// Empty when the gazetteer is in place; otherwise the file it was first
// looked for in, which is missing or damaged (for the user's own message).
// The gazetteer is the program's own (beside it, or in ../share/tarvel), or
// the one file TARVEL_PLACES_INDEX names.
std::string MissingPlaceIndex();

}  // namespace tarvel
