// The program's own command line, the computation of one instant: its usage,
// description and exit statuses, its output options, --help and --version.
#include <memory>
#include <string>

#include "cli/cli_command_line.h"

#ifndef TARVEL_VERSION
#error "TARVEL_VERSION must be defined by the build"
#endif

namespace tarvel {

namespace cli {

namespace {

constexpr char kUsage[] =
    R"(Usage: tarvel-cli [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--zone Z] [--summer | --no-summer]
                  [--lat DEG] [--lon DEG] [--height M] [--delta-t SEC]
                  [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                  [--refraction-height M] [--humidity PCT] [--fajr DEG] [--isha DEG] [--json]
                  [--method NAME] [--ramadan] [--high-latitude-rule RULE] [--adjust LIST]
                  [--twilights] [--place NAME] [--tz AREA/CITY] [--polar-rule RULE]
                  [--shafaq NAME] [--isha-interval MIN] [--maghrib-angle DEG]
                  [--rounding MODE] [--calendar NAME]
       tarvel-cli table [options]   (an ephemeris table: see tarvel-cli table --help)
       tarvel-cli places QUERY      (cities by name: see tarvel-cli places --help)
       tarvel-cli chart [options]   (a chart as SVG or PNG: see tarvel-cli chart --help)
       tarvel-cli calendar [options] (an iCalendar file: see tarvel-cli calendar --help)
       tarvel-cli sundial [options] (a sundial as SVG, PDF or CSV: see tarvel-cli sundial --help)
       tarvel-cli --help | --version
)";

constexpr char kDescription[] =
    "Computes the Sun's position and the solar times for one civil instant and one observer: "
    "time measures, ecliptic, equatorial and horizontal coordinates, geometric and apparent "
    "rise, transit and set, Islamic prayer times and the Qibla. Prints the texts of the main "
    "window, grouped under its captions, or with --json every value as JSON.\n\n"
    "The command line counts as its users' other tools do: longitudes east positive (12.5 is "
    "12.5E), azimuths and the Qibla as bearings in degrees from north through east (0 to 360), "
    "and in JSON the time of every event as an ISO 8601 local timestamp with the offset of the "
    "clock in force then (2024-06-22T00:49:12.4+01:00). The window keeps its own forms.\n\n"
    "The table subcommand repeats the computation for a series of instants a fixed step apart "
    "and writes the ephemeris table as text or CSV; the chart subcommand draws the Sun's path, "
    "the analemma, the equation of time or the day and twilights over the year as SVG or PNG; "
    "the sundial subcommand draws the site's sundial at true scale as SVG or PDF.";

}  // namespace

void CommandLine::DescribeProgram() {
    app_.description(Wrapped(kDescription, 80));
    app_.formatter(std::make_shared<HelpLayout>(kUsage));
    app_.footer(
        Wrapped("Numbers are written with \".\" as the decimal point. A negative value follows "
                "its option as the next argument (--lat -33.9) or after \"=\" (--lat=-33.9).",
                80) +
        "\n\nExit status:" + ExitStatus(kExitSuccess, "success (also after --help and --version)") +
        ExitStatus(kExitOutputError, "the results could not be written to standard output") +
        ExitStatus(kExitUsage,
                   "bad usage or input: one line on standard error, nothing on standard output"));
}

void CommandLine::AddComputeOptions() {
    AddInstantAndSite(app_, false);
    app_.option_defaults()->group("Output");
    AddLanguage(app_);
    AddFlag(app_, "--json", json_,
            "print every computed value and the request as one JSON object (schemaVersion 2): "
            "events as ISO 8601 timestamps, solar and sidereal times and durations in hours, "
            "angles in degrees, Delta T and the equation of time in seconds, the Julian Day in "
            "days; a value that does not exist is null");
    static const Names<HijriCalendar> kCalendarNames = {
        {"umm-al-qura", HijriCalendar::kUmmAlQura}, {"tabular", HijriCalendar::kTabular}};
    AddNamed(app_,
             {"--calendar", "NAME", "",
              "the Islamic calendar of the Hijri date printed with the day times: umm-al-qura "
              "(Saudi Arabia's) or tabular (the 30-year civil cycle); the evening from Maghrib "
              "on belongs to the next Hijri day"},
             hijriCalendar_, kCalendarNames);
    AddFlag(app_, "--twilights", twilights_,
            "also print the prayers of the chosen method (with its sunrise, Shuruq), the "
            "dawns and dusks of the civil (-6 deg), nautical (-12) and astronomical (-18) "
            "twilights, the end and start of the golden hour (+6), and the night from sunset "
            "to the next sunrise (its length, middle and the start of its last third); so "
            "does any of --method, --ramadan, --high-latitude-rule, --adjust, --polar-rule, "
            "--shafaq, --isha-interval, --maghrib-angle, --rounding and --calendar. A time a "
            "high-latitude rule gave is followed by the rule's name (in JSON: fajrRule, "
            "ishaRule). With them come the blue hour (-6 to -4 deg) and the golden hour (-4 "
            "to +6 deg) as morning and evening ranges, the change of the day length from the "
            "previous day and the Hijri date");
    AddHelp(app_);
    const std::string version = CliVersionText();
    app_.set_version_flag("--version", version.substr(0, version.size() - 1),
                          "print the version and exit")
        ->trigger_on_parse();
}

CliCommand CommandLine::ComputeCommand(const LocalClock& clock) const {
    CliCommand command;
    command.action = CliAction::kCompute;
    command.request = Request(clock);
    command.json = json_;
    command.hijriCalendar = hijriCalendar_;
    command.dayTimes = twilights_;
    for (const char* option :
         {"--method", "--ramadan", "--high-latitude-rule", "--adjust", "--polar-rule", "--shafaq",
          "--isha-interval", "--maghrib-angle", "--rounding", "--calendar"}) {
        command.dayTimes = command.dayTimes || app_.get_option(option)->count() > 0;
    }
    ApplyPlaceAndZone(command, true);
    return command;
}

}  // namespace cli

std::string CliHelpText() {
    return cli::CommandLine().Help();
}

std::string CliVersionText() {
    return std::string(cli::kProgram) + " " + TARVEL_VERSION + "\n";
}

}  // namespace tarvel
