#include "cli/cli_value_readers.h"

#include <algorithm>
#include <iterator>
#include <regex>
#include <string>
#include <utility>

#include "astro/calendar.h"
#include "cli/cli_words.h"
#include "places/place_search.h"

namespace tarvel {

namespace {

// Whether the whole text matches `pattern` (ECMAScript grammar, \d an ASCII
// digit), with its groups.
bool Matches(std::string_view text, const char* pattern, std::cmatch& groups) {
    return std::regex_match(text.data(), text.data() + text.size(), groups, std::regex(pattern));
}

}  // namespace

std::optional<float> ParseZoneHours(std::string_view text) {
    std::optional<double> hours = ParseDecimal(text);
    std::cmatch groups;
    if (Matches(text, R"(([+-]?)(\d{1,2}):([0-5]\d))", groups)) {
        hours = (groups[1] == "-" ? -1.0 : 1.0) *
                (std::stoi(groups.str(2)) + std::stoi(groups.str(3)) / 60.0);
    }
    if (!hours || *hours < kLowestZoneHours || *hours > kHighestZoneHours) return std::nullopt;
    return static_cast<float>(*hours);
}

std::optional<double> ParseLongitudeWest(std::string_view text) {
    const std::optional<double> east =
        ReadSiteAngle(text, HemisphereWords{{"E"}, {"W"}}, AngleTextStyle::Argument);
    if (!east || *east < -180.0 || *east > 180.0) return std::nullopt;
    return -*east + 0.0;
}

std::optional<double> ParseLatitude(std::string_view text) {
    const std::optional<double> value =
        ReadSiteAngle(text, HemisphereWords{{"N"}, {"S"}}, AngleTextStyle::Argument);
    if (!value || *value < -90.0 || *value > 90.0) return std::nullopt;
    return value;
}

std::optional<CivilDate> ParseDate(std::string_view text) {
    std::cmatch groups;
    if (!Matches(text, R"((\d{1,4})-(\d{1,2})-(\d{1,2}))", groups)) return std::nullopt;
    const CivilDate date{std::stoi(groups.str(1)), std::stoi(groups.str(2)),
                         std::stoi(groups.str(3))};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > MonthLength(date.year, date.month, 1)) {
        return std::nullopt;
    }
    return date;
}

std::optional<ClockTime> ParseClockTime(std::string_view text) {
    std::cmatch groups;
    if (!Matches(text, R"((\d{1,2}):(\d{1,2})(?::(\d{1,2}(?:\.\d+)?))?)", groups)) {
        return std::nullopt;
    }
    const ClockTime time{std::stoi(groups.str(1)), std::stoi(groups.str(2)),
                         groups[3].matched ? *ParseDecimal(groups.str(3)) : 0.0};
    if (time.hour > 23 || time.minute > 59 || time.second >= 60.0) return std::nullopt;
    return time;
}

std::optional<PrayerAdjustments> ParsePrayerAdjustments(std::string_view text) {
    const std::pair<std::string_view, int PrayerAdjustments::*> kNames[] = {
        {"fajr", &PrayerAdjustments::fajr},       {"sunrise", &PrayerAdjustments::sunrise},
        {"zuhr", &PrayerAdjustments::zuhr},       {"asr", &PrayerAdjustments::asr},
        {"maghrib", &PrayerAdjustments::maghrib}, {"isha", &PrayerAdjustments::isha}};
    PrayerAdjustments adjustments;
    bool given[std::size(kNames)] = {};
    std::string_view rest = text;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string entry(rest.substr(0, comma));
        std::cmatch groups;
        if (!Matches(entry, R"(\s*([A-Za-z]+)\s*=\s*([+-]?\d+)\s*)", groups)) return std::nullopt;
        std::string name = groups.str(1);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return static_cast<char>(c | 0x20); });  // ASCII lower case
        const std::optional<int> minutes = ParseWholeNumber(groups.str(2));
        if (!minutes || !kPrayerAdjustmentBounds.Contains(*minutes)) return std::nullopt;
        bool known = false;
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (kNames[i].first != name) continue;
            if (given[i]) return std::nullopt;
            given[i] = true;
            adjustments.*kNames[i].second = *minutes;
            known = true;
        }
        if (!known) return std::nullopt;
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return adjustments;
}

std::string PlaceQueryTooLong(std::string_view option) {
    return CliMessage("%1: a place's name has at most %2 bytes",
                      {option, std::to_string(kMaxPlaceQueryBytes)});
}

std::string PlaceIndexMissing() {
    const std::string missing = MissingPlaceIndex();
    if (missing.empty()) return {};
    return CliMessage(
        "the places' index %1 is missing or damaged: no place can be found by name "
        "(reinstall the program, or give --lat, --lon and --tz)",
        {missing});
}

}  // namespace tarvel
