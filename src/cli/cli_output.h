// What tarvel-cli prints for one computation: the main window's texts grouped
// under its captions, or every value as JSON.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "astro/solar_computation.h"
#include "format/result_texts.h"
#include "places/place_search.h"
#include "table/zone_rules.h"

namespace tarvel {

// One line of the report: a result text with the Italian label the main window
// shows beside it, under the Italian caption of the window's group that frames
// it.
struct ReportLine {
    std::string_view caption;
    ResultTextField field;
    std::string_view label;
};

// Every line of the report, in the main window's reading order: each result
// text once, the lines of a group together.
std::span<const ReportLine> ResultReportLines();

// The texts as a report: for each group its caption on a line of its own, then
// one line per field, "  label: text", the texts aligned in one column (labels
// padded with blanks, counted in characters); a blank line between groups.
// Every line ends in "\n".
std::string ResultReport(const std::vector<ResultText>& texts);

// One JSON object: every SolarResult field under its own name (its
// ResultField::key) as a number, in the order of the record, null where the
// value is absent (an event that does not occur on the date, temporal hours
// that are not a number) or not finite; then "request" with every SolarRequest
// field under its own name (numbers, and true or false for summerTime and
// deltaTGiven).
nlohmann::ordered_json ResultJson(const SolarRequest& request, const SolarResult& result);

// With --place or --tz: the lines printed before the report, naming the place,
// the zone with the offset and summer flag used, and a clock reading that does
// not occur or occurs twice on the zone's clock, with the instant computed.
// Empty without a zone's rules.
std::string PlaceAndZoneReport(const std::optional<Place>& place,
                               const std::shared_ptr<const ZoneRules>& rules,
                               const ResolvedReading& reading);

// The same as JSON members "place" and "zone" added to json (nothing without
// a zone's rules).
void AddPlaceAndZoneJson(nlohmann::ordered_json& json, const std::optional<Place>& place,
                         const std::shared_ptr<const ZoneRules>& rules,
                         const ResolvedReading& reading);

// The places subcommand's lines: one per place found for query, "name, region,
// country  latitude  longitude-west  zone  population", most populous first.
std::string PlacesReport(const std::vector<Place>& places);

}  // namespace tarvel
