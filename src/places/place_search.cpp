#include "places/place_search.h"

#include <geonames/geonames.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>

namespace tarvel {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// Lower case without accents, for comparing names: the database's own folding
// (g_str_to_ascii) then ASCII lower case.
std::string Folded(const std::string& text) {
    gchar* ascii = g_str_to_ascii(text.c_str(), "C");
    std::string folded(ascii != nullptr ? ascii : "");
    g_free(ascii);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

bool BeginsAWord(const std::string& text, const std::string& prefix) {
    if (prefix.empty()) return true;
    for (std::size_t at = text.find(prefix); at != std::string::npos;
         at = text.find(prefix, at + 1)) {
        if (at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]))) return true;
    }
    return false;
}

std::string Text(const gchar* text) {
    return text != nullptr ? text : "";
}

// The database is read on its first query and kept in the library's own
// globals: one query at a time, from whichever thread.
std::mutex& DatabaseMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<Place> Query(const std::string& name) {
    std::vector<Place> places;
    if (name.empty()) return places;
    const std::lock_guard<std::mutex> lock(DatabaseMutex());
    guint length = 0;
    std::unique_ptr<gint, decltype(&g_free)> indices(
        geonames_query_cities_sync(name.c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr, nullptr),
        &g_free);
    if (!indices) return places;
    for (guint i = 0; i < length; ++i) {
        GeonamesCity* city = geonames_get_city(indices.get()[i]);
        if (city == nullptr) continue;
        Place place;
        place.name = Text(geonames_city_get_name(city));
        place.region = Text(geonames_city_get_state(city));
        place.country = Text(geonames_city_get_country(city));
        place.timeZone = Text(geonames_city_get_timezone(city));
        place.latitude = geonames_city_get_latitude(city);
        place.longitudeEast = geonames_city_get_longitude(city);
        place.population = static_cast<long>(geonames_city_get_population(city));
        geonames_city_free(city);
        places.push_back(std::move(place));
    }
    // Most populous first, whatever order the database answers in.
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.population > b.population; });
    return places;
}

}  // namespace

std::string Place::Label() const {
    std::string label = name;
    if (!region.empty() && region != name) label += ", " + region;
    if (!country.empty()) label += ", " + country;
    return label;
}

std::vector<Place> FindPlaces(std::string_view query, std::size_t limit) {
    if (query.size() > kMaxPlaceQueryBytes) return {};
    std::vector<std::string> parts;
    std::string_view rest = query;
    while (true) {
        const auto comma = rest.find(',');
        parts.push_back(Trimmed(rest.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    std::vector<Place> found;
    for (Place& place : Query(parts.front())) {
        const std::string region = Folded(place.region);
        const std::string country = Folded(place.country);
        const bool narrowed =
            std::all_of(parts.begin() + 1, parts.end(), [&](const std::string& part) {
                const std::string folded = Folded(part);
                return BeginsAWord(region, folded) || BeginsAWord(country, folded);
            });
        if (!narrowed) continue;
        found.push_back(std::move(place));
        if (found.size() == limit) break;
    }
    return found;
}

std::vector<std::string> ClosePlaceNames(std::string_view query, std::size_t limit) {
    const std::string name = Folded(Trimmed(query.substr(0, query.find(','))));
    if (name.empty() || query.size() > kMaxPlaceQueryBytes) return {};
    // Every city once: how many leading characters its folded name shares
    // with the folded query; the cities sharing the most are the close ones.
    struct Close {
        int index;
        long population;
    };
    std::vector<Close> closest;
    std::size_t best = 0;
    {
        const std::lock_guard<std::mutex> lock(DatabaseMutex());
        const gint count = geonames_get_n_cities();
        for (gint index = 0; index < count; ++index) {
            GeonamesCity* city = geonames_get_city(index);
            if (city == nullptr) continue;
            const std::string folded = Folded(Text(geonames_city_get_name(city)));
            const auto [mismatch, unused] =
                std::mismatch(name.begin(), name.end(), folded.begin(), folded.end());
            const std::size_t shared = static_cast<std::size_t>(mismatch - name.begin());
            if (shared > 0 && shared >= best) {
                if (shared > best) closest.clear();
                best = shared;
                closest.push_back({index, static_cast<long>(geonames_city_get_population(city))});
            }
            geonames_city_free(city);
        }
    }
    std::stable_sort(closest.begin(), closest.end(),
                     [](const Close& a, const Close& b) { return a.population > b.population; });
    std::vector<std::string> names;
    const std::lock_guard<std::mutex> lock(DatabaseMutex());
    for (const Close& close : closest) {
        GeonamesCity* city = geonames_get_city(close.index);
        if (city == nullptr) continue;
        Place place;
        place.name = Text(geonames_city_get_name(city));
        place.region = Text(geonames_city_get_state(city));
        place.country = Text(geonames_city_get_country(city));
        geonames_city_free(city);
        if (std::find(names.begin(), names.end(), place.Label()) == names.end()) {
            names.push_back(place.Label());
        }
        if (names.size() == limit) break;
    }
    return names;
}

}  // namespace tarvel
