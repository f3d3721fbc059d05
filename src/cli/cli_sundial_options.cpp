// The sundial subcommand: its usage, description, exit statuses and options
// (the plate, the gnomon, the hour systems, the date lines and the file), and
// the dial it asks for.
#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_command_line.h"

namespace tarvel {

namespace cli {

namespace {

constexpr char kSundialUsage[] =
    R"(Usage: tarvel-cli sundial --output FILE.svg|FILE.pdf|FILE.csv
                          [--type horizontal|vertical|equatorial|polar] [--declination DEG]
                          [--inclination DEG] [--gnomon-height MM] [--size MM] [--hours LIST]
                          [--subdivisions 1|2|4] [--dates LIST]
                          [--date YYYY-MM-DD] [--zone Z] [--lat DEG] [--lon DEG]
                          [--site-height M] [--place NAME] [--tz AREA/CITY]
       tarvel-cli sundial --help
)";

constexpr char kSundialDescription[] =
    "Draws the sundial of the observer read as by tarvel-cli, at true scale (a millimetre of "
    "the drawing is a millimetre of the plate, with a 100 mm scale bar to check a print), and "
    "writes it as SVG or PDF, or its lines' coordinates as CSV. The lines are the shadow of "
    "the nodus, the tip of a gnomon standing --gnomon-height millimetres out of the plate, "
    "computed from the program's Sun: the hour lines of each system asked for between the "
    "solstices of the year of --date, the date lines through the day; the polar style runs "
    "from the nodus to the dial's centre. Plate coordinates are millimetres from the foot of "
    "the gnomon, x to the right of one facing the plate and y up it (on a horizontal plate, "
    "east and north). The mean-time curves follow the zone's standard clock (--zone, or the "
    "standard offset of the zone of --tz or --place). The texts are in the interface language "
    "(--lang).";

const Names<DialType> kTypeNames = {{"horizontal", DialType::kHorizontal},
                                    {"vertical", DialType::kVertical},
                                    {"equatorial", DialType::kEquatorial},
                                    {"polar", DialType::kPolar}};

const Names<DialHourSystem> kHourNames = {{"true", DialHourSystem::kTrue},
                                          {"mean", DialHourSystem::kMean},
                                          {"italian", DialHourSystem::kItalian},
                                          {"babylonian", DialHourSystem::kBabylonian},
                                          {"temporal", DialHourSystem::kTemporal}};

// The most chosen dates a dial takes.
constexpr int kMaxChosenDates = 24;

std::vector<std::string> CommaItems(std::string_view text) {
    std::vector<std::string> items;
    std::string item;
    for (char c : text) {
        if (c == ',') {
            items.push_back(item);
            item.clear();
        } else if (c != ' ') {
            item.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    items.push_back(item);
    return items;
}

std::optional<std::vector<DialHourSystem>> ParseHours(std::string_view text) {
    std::vector<DialHourSystem> hours;
    for (const std::string& item : CommaItems(text)) {
        const auto found = std::find_if(kHourNames.begin(), kHourNames.end(),
                                        [&](const auto& name) { return name.first == item; });
        if (found == kHourNames.end()) return std::nullopt;
        if (std::find(hours.begin(), hours.end(), found->second) != hours.end()) {
            return std::nullopt;
        }
        hours.push_back(found->second);
    }
    return hours;
}

// The date lines: which of the named ones and the chosen dates.
struct DateLines {
    bool solstices = false;
    bool equinoxes = false;
    bool zodiac = false;
    std::vector<ChartDate> dates;
};

std::optional<DateLines> ParseDates(std::string_view text) {
    DateLines lines;
    const std::vector<std::string> items = CommaItems(text);
    if (items.size() == 1 && items.front() == "none") return lines;
    for (const std::string& item : items) {
        if (item == "solstices") {
            lines.solstices = true;
        } else if (item == "equinoxes") {
            lines.equinoxes = true;
        } else if (item == "zodiac") {
            lines.zodiac = true;
        } else if (const std::optional<CivilDate> date = ParseDate(item)) {
            if (static_cast<int>(lines.dates.size()) == kMaxChosenDates) return std::nullopt;
            lines.dates.push_back({date->year, date->month, date->day});
        } else {
            return std::nullopt;
        }
    }
    return lines;
}

}  // namespace

void CommandLine::AddSundialCommand() {
    sundial_ = app_.add_subcommand("sundial", Wrapped(kSundialDescription, 80));
    sundial_->formatter(std::make_shared<HelpLayout>(kSundialUsage));
    sundial_->footer(
        "Exit status:" + ExitStatus(kExitSuccess, "the sundial was written") +
        ExitStatus(kExitOutputError,
                   "the sundial could not be written to FILE: one line on standard error") +
        ExitStatus(kExitUsage, "bad usage or input: one line on standard error, nothing written"));
    AddSundialOptions();
    AddInstantAndSite(*sundial_, false, "--site-height");
    AddHelp(*sundial_);
}

void CommandLine::AddSundialOptions() {
    CLI::App& app = *sundial_;
    app.option_defaults()->group("Sundial");
    SundialDesign& design = sundialRequest_.design;
    AddRead(app,
            {"--output", "FILE",
             "the name of a file ending in .svg, .pdf or .csv, in a folder that exists",
             "an SVG drawing or a PDF page at true scale, or the CSV of the lines, by the name's "
             "ending"},
            sundialRequest_.outputPath,
            [](std::string_view name) {
                return OutputFileName(name, {".svg", ".pdf", ".csv"});
            })
        ->required();
    AddNamed(app,
             {"--type", "", "",
              "the plate: horizontal; vertical, a wall (--declination, --inclination); "
              "equatorial, parallel to the equator, facing the pole above the horizon; polar, "
              "parallel to the Earth's axis, facing the equator"},
             design.type, kTypeNames);
    AddDecimal(app,
               {"--declination", "DEG", "an angle in degrees",
                "vertical: the direction the wall faces, from the south, positive towards the "
                "west (-30 faces 30 degrees east of south, 180 north)"},
               {-180, 180}, design.declinationDeg);
    AddDecimal(app,
               {"--inclination", "DEG", "an angle in degrees",
                "vertical: the wall's tilt from the vertical, positive with its face turned "
                "up towards the sky (reclining), negative towards the ground"},
               {-kDialMaxInclinationDeg, kDialMaxInclinationDeg}, design.inclinationDeg);
    AddDecimal(
        app,
        {"--gnomon-height", "MM", "a length in millimetres", "the nodus' distance from the plate"},
        {kDialMinGnomonMm, kDialMaxGnomonMm}, design.gnomonHeightMm);
    AddDecimal(app, {"--size", "MM", "a length in millimetres", "the side of the square plate"},
               {kDialMinSizeMm, kDialMaxSizeMm}, design.sizeMm);
    std::vector<std::string> hourNames;
    for (const auto& [name, system] : kHourNames) hourNames.push_back(name);
    AddRead(app,
            {"--hours",
             "LIST",
             "a comma list of hour systems, each once: %1",
             "true: local apparent time; mean: the zone's clock, a figure-eight curve an hour; "
             "italian: hours since sunset; babylonian: hours since sunrise; temporal: the day "
             "in twelve equal parts",
             "true",
             {Joined(hourNames, ", ", ", ")}},
            design.hours, ParseHours);
    AddRead(app,
            {"--subdivisions", "N", "1, 2 or 4",
             "true and mean time: lines every hour, half or quarter hour", "1"},
            design.subdivisions, [](std::string_view text) -> std::optional<int> {
                const std::optional<int> value = ParseWholeNumber(text);
                if (!value || (*value != 1 && *value != 2 && *value != 4)) return std::nullopt;
                return value;
            });
    AddRead(app,
            {"--dates", "LIST",
             "a comma list of solstices, equinoxes, zodiac and up to 24 dates YYYY-MM-DD, or none",
             "the date lines: the solstices, the equinoxes, the Sun's entry into each sign, the "
             "declination at noon of each date given",
             "solstices,equinoxes"},
            dateLines_, [](std::string_view text) -> std::optional<std::string> {
                if (!ParseDates(text)) return std::nullopt;
                return std::string(text);
            });
    AddLanguage(app);
}

CliCommand CommandLine::SundialCommand(const LocalClock& clock) const {
    if (!app_.get_options([](const CLI::Option* option) { return option->count() > 0; }).empty()) {
        throw Refusal(CliWord(
            "unexpected argument 'sundial': the sundial subcommand comes first, as in tarvel-cli "
            "sundial --output dial.svg (see tarvel-cli sundial --help)"));
    }
    CliCommand command;
    command.action = CliAction::kSundial;
    command.sundial = sundialRequest_;
    const DateLines lines = *ParseDates(dateLines_);
    command.sundial.design.solstices = lines.solstices;
    command.sundial.design.equinoxes = lines.equinoxes;
    command.sundial.design.zodiac = lines.zodiac;
    command.sundial.design.dates = lines.dates;
    command.request = Request(clock);
    ApplyPlaceAndZone(command, true);
    return command;
}

}  // namespace cli

CliCommand ParseSundialCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    return cli::ParseSubcommand("sundial", args, clock);
}

std::string CliSundialHelpText() {
    return cli::CommandLine().SundialHelp();
}

}  // namespace tarvel
