// The places subcommand: its usage, description and exit statuses, its one
// QUERY, and the places it asks for.
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_command_line.h"
#include "cli/cli_value_readers.h"
#include "places/place_search.h"

namespace tarvel::cli {

void CommandLine::AddPlacesCommand() {
    places_ = app_.add_subcommand(
        "places", Wrapped("Lists the places one of whose names (their own, English or former "
                          "ones, in any script) begins with QUERY, letter case and accents "
                          "ignored; the whole name first, then capitals, then the most populous; "
                          "a place found by another name shows it (\"Roma → Rome, Lazio, "
                          "Italy\"): name, region, country, "
                          "latitude (positive north), longitude (positive east, as --lon takes "
                          "it), time zone and population. \"Rome, Italy\" narrows the list by "
                          "region or country. A label longer than 50 characters is cut to 49 and "
                          "\"…\", so that the columns stay in line.",
                          80));
    places_->formatter(std::make_shared<HelpLayout>(
        "Usage: tarvel-cli places QUERY [--json]\n       tarvel-cli places --help\n"));
    places_->add_option("QUERY", placesQuery_, "the beginning of a city's name")->required();
    AddLanguage(*places_);
    AddFlag(*places_, "--json", json_,
            "print the places as one JSON array of objects: name, region, country, latitude "
            "(degrees, positive north), longitude (degrees, positive EAST), timeZone, "
            "population, countryCode, matchedName (the name matched) and exactMatch (the "
            "whole of it)");
    places_->footer("Exit status:" + ExitStatus(kExitSuccess, "places were listed") +
                    ExitStatus(kExitUsage, "no place matches QUERY: one line on standard error"));
    AddHelp(*places_);
}

CliCommand CommandLine::PlacesCommand() const {
    if (placesQuery_.size() > kMaxPlaceQueryBytes) throw Refusal(PlaceQueryTooLong("QUERY"));
    if (FindPlaces(placesQuery_, 1, CliPlaceNames()).empty()) {
        if (const std::string missing = PlaceIndexMissing(); !missing.empty()) {
            throw Refusal(missing);
        }
        const std::vector<std::string> close = ClosePlaceNames(placesQuery_, 5, CliPlaceNames());
        throw Refusal(close.empty() ? CliMessage("no place matches '%1'", {placesQuery_})
                                    : CliMessage("no place matches '%1'; close names: %2",
                                                 {placesQuery_, Joined(close, "; ", "; ")}));
    }
    CliCommand command;
    command.action = CliAction::kPlaces;
    command.text = placesQuery_;
    command.json = json_;
    return command;
}

}  // namespace tarvel::cli
