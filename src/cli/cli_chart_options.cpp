// The chart subcommand: its usage, description, exit statuses and options
// (the kind, the file, the picture's size and the chart's forms), and the
// chart it asks for.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/cli_command_line.h"

namespace tarvel {

namespace cli {

namespace {

constexpr char kChartUsage[] =
    R"(Usage: tarvel-cli chart --kind sunpath|sunpath-year|analemma|equation-of-time|daylight
                        --output FILE.svg|FILE.png [--width PX] [--height PX] [--prayers] [--polar]
                        [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--zone Z] [--summer | --no-summer]
                        [--lat DEG] [--lon DEG] [--site-height M] [--delta-t SEC]
                        [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                        [--refraction-height M] [--humidity PCT] [--fajr DEG] [--isha DEG]
                        [--method NAME] [--ramadan] [--high-latitude-rule RULE] [--adjust LIST]
                        [--place NAME] [--tz AREA/CITY]
       tarvel-cli chart --help
)";

constexpr char kChartDescription[] =
    "Draws a chart for the instant and observer read as by tarvel-cli and writes it as SVG or "
    "PNG: sunpath, the Sun's altitude against its bearing on the date (hours of the clock, "
    "rise, transit and set, the Sun at the given time, the twilights below the horizon and the "
    "Qibla); sunpath-year, the paths on the 21st of each month of the year; analemma, the Sun "
    "at the given time of the zone's standard clock (the summer hour removed) every day of the "
    "year and the equation of time against the "
    "declination; equation-of-time, over the year; daylight, the day and the civil, nautical "
    "and astronomical twilights over the year on the clock of the zone (with --tz or --place "
    "its summer time), with the day length. Bearings are counted from the north through the "
    "east. --height is the picture's here: the site's height is --site-height. The texts are in "
    "the interface language (--lang).";

}  // namespace

void CommandLine::AddChartCommand() {
    chart_ = app_.add_subcommand("chart", Wrapped(kChartDescription, 80));
    chart_->formatter(std::make_shared<HelpLayout>(kChartUsage));
    chart_->footer(
        "Exit status:" + ExitStatus(kExitSuccess, "the chart was written") +
        ExitStatus(kExitOutputError,
                   "the chart could not be written to FILE: one line on standard error") +
        ExitStatus(kExitUsage, "bad usage or input: one line on standard error, nothing written"));
    AddChartOptions();
    AddInstantAndSite(*chart_, false, "--site-height");
    AddHelp(*chart_);
}

void CommandLine::AddChartOptions() {
    CLI::App& app = *chart_;
    app.option_defaults()->group("Chart");
    std::vector<std::string> kinds(std::begin(kCliChartKinds), std::end(kCliChartKinds));
    AddRead(app,
            {"--kind", "KIND", "%1 or %2", "the chart to draw", "",
             {Joined({kinds.begin(), kinds.end() - 1}, ", ", ", "), kinds.back()}},
            chartRequest_.kind,
            [](std::string_view name) -> std::optional<std::string> {
                for (const char* kind : kCliChartKinds) {
                    if (name == kind) return std::string(name);
                }
                return std::nullopt;
            })
        ->required();
    AddRead(
        app,
        {"--output", "FILE",
         "the name of a file ending in .svg or .png, in a folder that exists, or - for standard "
         "output",
         "an SVG drawing or a PNG picture, by the name's ending; an SVG drawing on standard "
         "output for -"},
        chartRequest_.outputPath,
        [](std::string_view name) { return OutputFileName(name, {".svg", ".png"}, true); })
        ->required();
    const char* pixels = "a whole number of pixels, %1 to %2";
    const std::vector<std::string> bounds = {std::to_string(kCliChartMinSize),
                                             std::to_string(kCliChartMaxSize)};
    const auto size = [](std::string_view text) -> std::optional<int> {
        const std::optional<int> value = ParseWholeNumber(text);
        if (!value || *value < kCliChartMinSize || *value > kCliChartMaxSize) return std::nullopt;
        return value;
    };
    AddRead(app,
            {"--width", "PX", pixels, "the picture's width", std::to_string(chartRequest_.width),
             bounds},
            chartRequest_.width, size);
    AddRead(
        app,
        {"--height", "PX", pixels, "the picture's height", std::to_string(chartRequest_.height),
         bounds},
        chartRequest_.height, size);
    AddLanguage(app);
    AddFlag(app, "--prayers", chartRequest_.prayerLines,
            "daylight: also the chosen method's Fajr, Zuhr, Asr, Maghrib and Isha as lines");
    AddFlag(app, "--polar", chartRequest_.polar,
            "sunpath, sunpath-year: the polar form, a stereographic projection with the zenith "
            "in the middle, the north up and the east to the right");
}

CliCommand CommandLine::ChartCommand(const LocalClock& clock) const {
    if (!app_.get_options([](const CLI::Option* option) { return option->count() > 0; }).empty()) {
        throw Refusal(CliWord(
            "unexpected argument 'chart': the chart subcommand comes first, as in tarvel-cli "
            "chart --kind sunpath --output sun.svg (see tarvel-cli chart --help)"));
    }
    CliCommand command;
    command.action = CliAction::kChart;
    command.chart = chartRequest_;
    command.request = Request(clock);
    ApplyPlaceAndZone(command, true);
    return command;
}

}  // namespace cli

CliCommand ParseChartCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    return cli::ParseSubcommand("chart", args, clock);
}

std::string CliChartHelpText() {
    return cli::CommandLine().ChartHelp();
}

}  // namespace tarvel
