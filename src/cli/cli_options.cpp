#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <system_error>
#include <utility>

#include "astro/calendar.h"
#include "astro/prayer_times.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "table/table_parameters.h"
#include "table/table_texts.h"

#ifndef TARVEL_VERSION
#error "TARVEL_VERSION must be defined by the build"
#endif

namespace tarvel {

namespace {

constexpr char kProgram[] = "tarvel-cli";

// Whether the whole text matches `pattern` (ECMAScript grammar, \d an ASCII
// digit), with its groups.
bool Matches(std::string_view text, const char* pattern, std::cmatch& groups) {
    return std::regex_match(text.data(), text.data() + text.size(), groups, std::regex(pattern));
}

// A decimal without sign followed by one of two hemisphere letters (either
// case): the value with the sign of its hemisphere (positive for `positive`);
// otherwise a decimal with its own sign.
std::optional<double> ParseWithHemisphere(std::string_view text, char positive, char negative) {
    std::cmatch groups;
    if (!Matches(text, "([^+-].*)([A-Za-z])", groups)) return ParseDecimal(text);
    const char letter = static_cast<char>(groups.str(2)[0] | 0x20);  // ASCII lower case
    const std::optional<double> value = ParseDecimal(groups.str(1));
    if (!value || (letter != positive && letter != negative)) return std::nullopt;
    // + 0.0: "0E" gives 0, not -0.
    return (letter == positive ? *value : -*value) + 0.0;
}

}  // namespace

std::optional<float> ParseZoneHours(std::string_view text) {
    std::optional<double> hours = ParseDecimal(text);
    std::cmatch groups;
    if (Matches(text, R"(([+-]?)(\d{1,2}):([0-5]\d))", groups)) {
        hours = (groups[1] == "-" ? -1.0 : 1.0) *
                (std::stoi(groups.str(2)) + std::stoi(groups.str(3)) / 60.0);
    }
    if (!hours || *hours < -12.0 || *hours > 14.0) return std::nullopt;
    return static_cast<float>(*hours);
}

std::optional<double> ParseLongitudeWest(std::string_view text) {
    const std::optional<double> value = ParseWithHemisphere(text, 'w', 'e');
    if (!value || *value < -180.0 || *value > 180.0) return std::nullopt;
    return value;
}

std::optional<double> ParseLatitude(std::string_view text) {
    const std::optional<double> value = ParseWithHemisphere(text, 'n', 's');
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

// The offset in force when summer time is not, otherwise that of the nearest
// earlier (or else later) instant of standard time under the same rules, since
// summer time need not be one hour (half an hour at Lord Howe).
long StandardOffsetSeconds(std::time_t instant) {
    std::tm local{};
    if (localtime_r(&instant, &local) == nullptr) return 0;
    if (local.tm_isdst <= 0) return local.tm_gmtoff;
    constexpr std::time_t kWeek = 7 * 24 * 3600;
    for (const std::time_t direction : {-kWeek, kWeek}) {
        for (int week = 1; week <= 104; ++week) {
            const std::time_t other = instant + direction * week;
            std::tm then{};
            if (localtime_r(&other, &then) != nullptr && then.tm_isdst == 0) {
                return then.tm_gmtoff;
            }
        }
    }
    return local.tm_gmtoff - 3600;  // summer time all year: assume one hour
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

LocalClock SystemLocalClock() {
    LocalClock clock;
    clock.present = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        LocalMoment moment;
        moment.date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
        moment.time = {local.tm_hour, local.tm_min, static_cast<double>(local.tm_sec)};
        moment.standardZoneHours = static_cast<float>(StandardOffsetSeconds(now) / 3600.0);
        return moment;
    };
    clock.summerTimeAt = [](const CivilDate& date, const ClockTime& time) {
        return CLibraryDaylightTime(ClockInstant{
            ClockReading{date.year, date.month, date.day, time.hour, time.minute, time.second}});
    };
    return clock;
}

std::string CliVersionText() {
    return std::string(kProgram) + " " + TARVEL_VERSION + "\n";
}

namespace {

// A refusal of the command line: its one line, after "tarvel-cli: ". The
// validators and checks below throw it; CLI11 passes it on unchanged to the
// failure formatter, as every CLI::ParseError.
class Refusal : public CLI::ParseError {
  public:
    explicit Refusal(const std::string& line)
        : CLI::ParseError("Refusal", line, CLI::ExitCodes::ValidationError) {}
};

// A number as "%g" writes it: "0.01", "-1000", "5.75".
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The items separated by `separator`, the last two by `last` ("a, b or c").
std::string Joined(const std::vector<std::string>& items, const char* separator = ", ",
                   const char* last = " or ") {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? last : separator) + items[i];
    }
    return text;
}

// The help's layout: an option and its value in the first 24 columns, what it
// means in the other 56.
constexpr std::size_t kOptionColumn = 24;
constexpr std::size_t kMeaningWidth = 80 - kOptionColumn;

// The text broken at blanks into lines of at most `width` characters; its own
// line breaks stay.
std::string Wrapped(const std::string& text, std::size_t width = kMeaningWidth) {
    std::string wrapped;
    std::istringstream paragraphs(text);
    for (std::string paragraph; std::getline(paragraphs, paragraph);) {
        if (!wrapped.empty()) wrapped += '\n';
        std::istringstream words(paragraph);
        std::size_t column = 0;
        for (std::string word; words >> word; column += word.size()) {
            const bool fits = column + 1 + word.size() <= width;
            if (column > 0) wrapped += fits ? " " : "\n";
            column = column > 0 && fits ? column + 1 : 0;
            wrapped += word;
        }
    }
    return wrapped;
}

// An option with a value: its name and placeholder, the texts it accepts (as
// the refusals say), more about it and its default (for the help).
struct OptionText {
    std::string name;
    std::string placeholder;
    std::string accepts;
    std::string more = {};
    std::string byDefault = {};

    std::string Help() const {
        return Wrapped(accepts + (more.empty() ? "" : "; " + more)) +
               (byDefault.empty() ? "" : "\n" + Wrapped("(default: " + byDefault + ")"));
    }
};

// The texts `read` gives a value for.
template <typename Read>
CLI::Validator Reads(Read read) {
    return CLI::Validator([read](std::string& text) { return read(text) ? "" : "refused"; }, "");
}

// The value names of an option whose value is one of a few names.
template <typename T>
using Names = std::vector<std::pair<std::string, T>>;

const Names<RefractionModel> kRefractionNames = {{"bennett", kRefractionBennett},
                                                 {"integration", kRefractionIntegration}};
const Names<HighLatitudeRule> kRuleNames = {{"none", HighLatitudeRule::kNone},
                                            {"middle", HighLatitudeRule::kMiddleOfTheNight},
                                            {"seventh", HighLatitudeRule::kSeventhOfTheNight},
                                            {"angle", HighLatitudeRule::kTwilightAngle}};

// The methods by their command-line names, in the engine's order.
Names<PrayerMethod> MethodNames() {
    Names<PrayerMethod> names;
    for (const PrayerMethodParameters& m : kPrayerMethods) names.emplace_back(m.key, m.method);
    return names;
}

// One line of the help per method: its name, the authority and its parameters.
std::string MethodsHelp() {
    std::string help;
    for (const PrayerMethodParameters& m : kPrayerMethods) {
        std::string line = std::string(m.key) + ": ";
        if (m.method == PrayerMethod::kTarvel) {
            line +=
                "the program's own, Fajr at --fajr, Isha at --isha, Maghrib the geometric "
                "sunset";
        } else if (m.method == PrayerMethod::kCustom) {
            line += "Fajr at --fajr, Isha at --isha, Maghrib the apparent sunset";
        } else {
            line += std::string(m.title) + ", Fajr " + Number(-m.fajrAngle) + " deg, Isha ";
            line += m.ishaMinutes > 0 ? Number(m.ishaMinutes) + " min after Maghrib"
                                      : Number(-m.ishaAngle) + " deg";
            if (m.ramadanIshaMinutes > 0) {
                line += " (" + Number(m.ramadanIshaMinutes) + " with --ramadan)";
            }
            if (m.maghrib == MaghribEvent::kAltitude) {
                line += ", Maghrib " + Number(-m.maghribAngle) + " deg";
            }
            const PrayerAdjustments& o = m.offsets;
            if (!(o == PrayerAdjustments())) {
                line += "; minutes: sunrise " + std::to_string(o.sunrise) + ", Zuhr " +
                        std::to_string(o.zuhr) + ", Asr " + std::to_string(o.asr) + ", Maghrib " +
                        std::to_string(o.maghrib);
            }
        }
        help += "\n" + Wrapped(line);
    }
    return help;
}

const Names<CliTableFormat> kFormatNames = {{"window", CliTableFormat::kWindow},
                                            {"file", CliTableFormat::kFile},
                                            {"clipboard", CliTableFormat::kClipboard},
                                            {"csv", CliTableFormat::kCsv}};

// What the table accepts as a zone, as its refusals say.
std::string TableZonesAccepted() {
    std::vector<std::string> zones;
    for (const float offset : kZoneListOffsets) zones.push_back(Number(offset));
    return "one of the table's zones, in hours east of UTC (also as +HH:MM or -HH:MM): " +
           Joined(zones, ", ", ", ");
}

// The option a validation failure of the table concerns.
std::string TableFieldOption(TableField field) {
    constexpr std::pair<TableField, const char*> kOptions[] = {
        {TableField::StartInstant, "--date/--time"},
        {TableField::Zone, "--zone"},
        {TableField::Longitude, "--lon"},
        {TableField::Latitude, "--lat"},
        {TableField::Height, "--height"},
        {TableField::PointCount, "--points"},
        {TableField::StepValue, "--step"}};
    for (const auto& [named, option] : kOptions) {
        if (named == field) return option;
    }
    return "table";
}

// CLI11's help with the documented usage lines first, then the description,
// the options by group and the footer.
class HelpLayout : public CLI::Formatter {
  public:
    explicit HelpLayout(std::string usage) : usage_(std::move(usage)) {
        column_width(kOptionColumn);
    }
    std::string make_usage(const CLI::App*, std::string) const override { return usage_; }
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        return make_usage(app, name) + "\n" + make_description(app) + make_groups(app, mode) +
               "\n" + make_footer(app);
    }

  private:
    std::string usage_;
};

constexpr char kUsage[] =
    R"(Usage: tarvel-cli [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--zone Z] [--summer | --no-summer]
                  [--lat DEG] [--lon DEG] [--height M] [--delta-t SEC]
                  [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                  [--refraction-height M] [--humidity PCT] [--fajr DEG] [--isha DEG] [--json]
                  [--method NAME] [--ramadan] [--high-latitude-rule RULE] [--adjust LIST]
                  [--twilights] [--place NAME] [--tz AREA/CITY]
       tarvel-cli table [options]   (an ephemeris table: see tarvel-cli table --help)
       tarvel-cli places QUERY      (cities by name: see tarvel-cli places --help)
       tarvel-cli chart [options]   (a chart as SVG or PNG: see tarvel-cli chart --help)
       tarvel-cli --help | --version
)";

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
    "east. --height is the picture's here: the site's height is --site-height. The texts are the "
    "program's Italian ones, or those of the language of LANGUAGE, "
    "LC_ALL, LC_MESSAGES or LANG when it is English or Portuguese.";

constexpr char kTableUsage[] =
    R"(Usage: tarvel-cli table [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--zone Z] [--summer | --no-summer]
                        [--lat DEG] [--lon DEG] [--height M]
                        [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                        [--refraction-height M] [--humidity PCT] [--fajr DEG] [--isha DEG]
                        [--method NAME] [--ramadan] [--high-latitude-rule RULE] [--adjust LIST]
                        [--place NAME] [--tz AREA/CITY]
                        [--step N] [--unit years|months|days|hours|minutes|seconds] [--points N]
                        [--columns LIST|all] [--decimal-angles] [--decimal-hours]
                        [--format window|file|clipboard|csv] [--output FILE]
       tarvel-cli table --help
)";

constexpr char kDescription[] =
    "Computes the Sun's position and the solar times for one civil instant and one observer: "
    "time measures, ecliptic, equatorial and horizontal coordinates, geometric and apparent "
    "rise, transit and set, Islamic prayer times and the Qibla. Prints the texts of the main "
    "window, grouped under its captions, or with --json every value as a number.\n\n"
    "The table subcommand repeats the computation for a series of instants a fixed step apart "
    "and writes the ephemeris table as text or CSV; the chart subcommand draws the Sun's path, "
    "the analemma, the equation of time or the day and twilights over the year as SVG or PNG.";

constexpr char kTableDescription[] =
    "Computes an ephemeris table: the solar computation of tarvel-cli repeated for --points "
    "instants, the first at the given date and time, each next one --step units after the one "
    "before, for one observer. Every row takes Delta T from the built-in model for its own "
    "date. The texts are those of the table window, with its Italian headings; the decimal "
    "separator and the short date format come from the locale (LC_ALL, LC_NUMERIC, LC_TIME, "
    "LANG). Every line ends in CR LF.\n\n"
    "The first row and the observer are read as by tarvel-cli, within the table's limits: ";

std::string ExitStatus(int code, const std::string& meaning) {
    return "\n  " + std::to_string(code) + "  " + meaning;
}

// The command line of tarvel-cli: the options of one instant and those of the
// table subcommand, typed, checked and bound to what they fill by CLI11, which
// writes the help from them.
class CommandLine {
  public:
    CommandLine();

    // See ParseCommandLine.
    CliCommand Parse(const std::vector<std::string>& args, const LocalClock& clock);

    std::string Help() const { return app_.help(); }
    std::string TableHelp() const { return table_->help(kProgram); }
    std::string ChartHelp() const { return chart_->help(kProgram); }

  private:
    // heightOption: the name of the site's height (the chart's --height is
    // the picture's).
    void AddInstantAndSite(CLI::App& app, bool forTable,
                           const std::string& heightOption = "--height");
    void AddTableOptions();
    void AddChartOptions();
    // Gives an option with a value its texts and its refusals: given more than
    // once, or with a text `check` refuses.
    CLI::Option* Described(CLI::Option* option, const OptionText& text,
                           const CLI::Validator& check);
    // An option whose text `read` turns into the value of `target`, the texts
    // out of `also` refused.
    template <typename Target, typename Read>
    CLI::Option* AddRead(CLI::App& app, const OptionText& text, Target& target, Read read,
                         const CLI::Validator& also = {});
    // A decimal number within bounds.
    CLI::Option* AddDecimal(CLI::App& app, OptionText text, ValueBounds bounds, double& target);
    // An option whose value is one of `names`, letter case ignored.
    template <typename T>
    CLI::Option* AddNamed(CLI::App& app, OptionText text, T& target, const Names<T>& names);

    SolarRequest Request(const LocalClock& clock) const;
    // --place and --tz: the site and the clock's rules into command; with
    // `resolve`, the request's clock reading resolved on the rules' clock.
    void ApplyPlaceAndZone(CliCommand& command, bool resolve) const;
    CliCommand TableCommand(const LocalClock& clock) const;
    CliCommand ChartCommand(const LocalClock& clock) const;
    // The one line of a refusal, for CLI11's failure_message.
    std::string FailureLine(const CLI::Error& error) const;
    // Every argument "--name" or "--name=..." names an option of the program
    // (or, after a subcommand's name, of that subcommand).
    void RefuseUnknownOptions(const std::vector<std::string>& args) const;
    std::string NameOf(const CLI::App* command) const {
        if (command == table_) return std::string(kProgram) + " table";
        if (command == chart_) return std::string(kProgram) + " chart";
        if (command == places_) return std::string(kProgram) + " places";
        return kProgram;
    }

    CLI::App app_{Wrapped(kDescription, 80), kProgram};
    CLI::App* table_ = nullptr;
    CLI::App* places_ = nullptr;
    CLI::App* chart_ = nullptr;
    std::map<const CLI::Option*, std::string> accepts_;  // of each option with a value
    std::string lastArgument_;

    // What the options fill.
    SolarRequest given_;  // the site and atmosphere, over the settings' defaults
    std::optional<CivilDate> date_;
    std::optional<ClockTime> time_;
    std::optional<float> zone_;
    std::optional<double> deltaT_;
    bool summer_ = false;
    bool noSummer_ = false;
    std::optional<std::string> timeZone_;  // --tz
    std::optional<Place> place_;           // --place
    std::string placesQuery_;              // the places subcommand's query
    bool json_ = false;
    bool twilights_ = false;
    CliTableRequest tableRequest_;  // the steps, columns, format and output file
    CliChartRequest chartRequest_;  // the chart's kind, file and size
};

// A flag, refused with a text after "=" other than "true" (which reads as the
// flag alone).
CLI::Option* AddFlag(CLI::App& app, const std::string& name, bool& target,
                     const std::string& help) {
    const std::string refusal = name + " takes no value";
    // Like an option with a value, a flag is given once.
    const auto option = std::make_shared<CLI::Option*>(nullptr);
    const CLI::Validator alone(
        [refusal, name, option](std::string& value) {
            if (value != "true") throw Refusal(refusal);
            if (*option != nullptr && (*option)->count() > 1) {
                throw Refusal(name + " given more than once: give it once");
            }
            return std::string();
        },
        "");
    *option = app.add_flag(name, target, Wrapped(help))->check(alone);
    return *option;
}

void AddHelp(CLI::App& app) {
    // Acted on when met, so that the help comes whatever the values around it.
    app.add_flag_callback(
           "-h,--help", [] { throw CLI::CallForHelp(); }, "print this help and exit")
        ->trigger_on_parse();
}

CommandLine::CommandLine() {
    app_.set_help_flag();  // AddHelp's instead, among the output options
    app_.formatter(std::make_shared<HelpLayout>(kUsage));
    app_.failure_message([this](const CLI::App*, const CLI::Error& e) { return FailureLine(e); });
    app_.footer(
        Wrapped("Numbers are written with \".\" as the decimal point. A negative value follows "
                "its option as the next argument (--lat -33.9) or after \"=\" (--lat=-33.9).",
                80) +
        "\n\nExit status:" + ExitStatus(kExitSuccess, "success (also after --help and --version)") +
        ExitStatus(kExitOutputError, "the results could not be written to standard output") +
        ExitStatus(kExitUsage,
                   "bad usage or input: one line on standard error, nothing on standard output"));
    app_.require_subcommand(0, 1);
    const std::string limits = "a first row from " + std::to_string(kTableFirstStartYear) +
                               "-01-01 00:00:00 to " + std::to_string(kTableLastStartYear) +
                               "-01-01 00:00:00, a height from " + Number(kTableMinHeight) +
                               " to " + Number(kTableMaxHeight) + " m, a zone of its list.";
    table_ = app_.add_subcommand("table", Wrapped(kTableDescription + limits, 80));
    table_->formatter(std::make_shared<HelpLayout>(kTableUsage));
    table_->footer(
        "Exit status:" + ExitStatus(kExitSuccess, "the table was written") +
        ExitStatus(kExitOutputError,
                   "the table could not be written to FILE or to standard output: one line\n"
                   "     on standard error naming the file; an existing FILE is left as it was") +
        ExitStatus(kExitUsage,
                   "bad usage or parameters: one line on standard error, nothing written"));

    AddInstantAndSite(app_, false);
    app_.option_defaults()->group("Output");
    AddFlag(app_, "--json", json_,
            "print every computed value and the request as one JSON object; a value that does "
            "not exist is null");
    AddFlag(app_, "--twilights", twilights_,
            "also print the prayers of the chosen method (with its sunrise, Shuruq), the "
            "dawns and dusks of the civil (-6 deg), nautical (-12) and astronomical (-18) "
            "twilights, the end and start of the golden hour (+6), and the night from sunset "
            "to the next sunrise (its length, middle and the start of its last third); so "
            "does any of --method, --ramadan, --high-latitude-rule and --adjust. A time a "
            "high-latitude rule gave is followed by the rule's name (in JSON: fajrRule, "
            "ishaRule)");
    AddHelp(app_);
    const std::string version = CliVersionText();
    app_.set_version_flag("--version", version.substr(0, version.size() - 1),
                          "print the version and exit")
        ->trigger_on_parse();

    AddInstantAndSite(*table_, true);
    AddTableOptions();
    AddHelp(*table_);

    places_ = app_.add_subcommand(
        "places", Wrapped("Lists the cities whose name (or a word of it) begins with QUERY, letter "
                          "case and accents ignored, most populous first: name, region, country, "
                          "latitude (positive north), longitude (positive WEST, as --lon takes "
                          "it), time zone and population. \"Rome, Italy\" narrows the list by "
                          "region or country.",
                          80));
    places_->formatter(std::make_shared<HelpLayout>(
        "Usage: tarvel-cli places QUERY\n       tarvel-cli places --help\n"));
    places_->add_option("QUERY", placesQuery_, "the beginning of a city's name")->required();
    places_->footer("Exit status:" + ExitStatus(kExitSuccess, "places were listed") +
                    ExitStatus(kExitUsage, "no place matches QUERY: one line on standard error"));
    AddHelp(*places_);

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
    AddRead(app, {"--kind", "KIND", Joined(kinds), "the chart to draw"}, chartRequest_.kind,
            [](std::string_view name) -> std::optional<std::string> {
                for (const char* kind : kCliChartKinds) {
                    if (name == kind) return std::string(name);
                }
                return std::nullopt;
            })
        ->required();
    AddRead(
        app,
        {"--output", "FILE", "the name of a file ending in .svg or .png, in a folder that exists",
         "an SVG drawing or a PNG picture, by the name's ending"},
        chartRequest_.outputPath,
        [](std::string_view name) -> std::optional<std::string> {
            namespace fs = std::filesystem;
            const fs::path path{std::string(name)};
            std::string suffix = path.extension().string();
            std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            std::error_code error;
            if (suffix != ".svg" && suffix != ".png") return std::nullopt;
            if (!path.has_filename() || fs::is_directory(path, error)) return std::nullopt;
            const fs::path folder = path.has_parent_path() ? path.parent_path() : ".";
            if (!fs::is_directory(folder, error)) return std::nullopt;
            return std::string(name);
        })
        ->required();
    const std::string pixels = "a whole number of pixels, " + std::to_string(kCliChartMinSize) +
                               " to " + std::to_string(kCliChartMaxSize);
    const auto size = [](std::string_view text) -> std::optional<int> {
        const std::optional<int> value = ParseWholeNumber(text);
        if (!value || *value < kCliChartMinSize || *value > kCliChartMaxSize) return std::nullopt;
        return value;
    };
    AddRead(app,
            {"--width", "PX", pixels, "the picture's width", std::to_string(chartRequest_.width)},
            chartRequest_.width, size);
    AddRead(
        app,
        {"--height", "PX", pixels, "the picture's height", std::to_string(chartRequest_.height)},
        chartRequest_.height, size);
    AddFlag(app, "--prayers", chartRequest_.prayerLines,
            "daylight: also the chosen method's Fajr, Zuhr, Asr, Maghrib and Isha as lines");
    AddFlag(app, "--polar", chartRequest_.polar,
            "sunpath, sunpath-year: the polar form, a stereographic projection with the zenith "
            "in the middle, the north up and the east to the right");
}

CliCommand CommandLine::ChartCommand(const LocalClock& clock) const {
    if (!app_.get_options([](const CLI::Option* option) { return option->count() > 0; }).empty()) {
        throw Refusal(
            "unexpected argument 'chart': the chart subcommand comes first, as in tarvel-cli "
            "chart --kind sunpath --output sun.svg (see tarvel-cli chart --help)");
    }
    CliCommand command;
    command.action = CliAction::kChart;
    command.chart = chartRequest_;
    command.request = Request(clock);
    ApplyPlaceAndZone(command, true);
    return command;
}

void CommandLine::AddInstantAndSite(CLI::App& app, bool forTable, const std::string& heightOption) {
    const char* rowAndObserver =
        "First row and observer (read as by tarvel-cli, see tarvel-cli --help)";
    app.option_defaults()->group(forTable ? rowAndObserver : "Instant");
    AddRead(app,
            {"--date", "YYYY-MM-DD",
             "a date YYYY-MM-DD that exists, years 1 to 9999 (proleptic Gregorian calendar)", "",
             "today on this computer's clock"},
            date_, ParseDate);
    AddRead(app,
            {"--time", "HH:MM[:SS]",
             "a clock time HH:MM or HH:MM:SS, hours 0 to 23, minutes 0 to 59, seconds 0 to below "
             "60",
             "summer hour included; the seconds may have decimals", "now on this computer's clock"},
            time_, ParseClockTime);
    const std::string ownZone = "this computer's standard zone";
    // The table knows the zones of its zone list only, and says so whatever
    // the value refused.
    CLI::Option* zone = AddRead(
        app,
        {"--zone", "Z",
         forTable ? TableZonesAccepted()
                  : "hours east of UTC from -12 to 14, as a decimal (5.75, -3.5) or as +HH:MM or "
                    "-HH:MM",
         forTable ? "" : "the standard time zone", ownZone},
        zone_, ParseZoneHours);
    if (forTable) {
        zone->check(CLI::Validator(
            [](std::string& text) {
                if (!IsListedZone(*ParseZoneHours(text))) {
                    throw Refusal("--zone '" + text + "' not accepted by table: expected " +
                                  TableZonesAccepted());
                }
                return std::string();
            },
            ""));
    }
    CLI::Option* summer = AddFlag(app, "--summer", summer_,
                                  "the clock shows summer time, one hour ahead of the zone");
    summer->excludes(AddFlag(app, "--no-summer", noSummer_,
                             "the clock shows the zone's standard time\n(default: this computer's "
                             "summer-time rule at the given date and time when the zone is this "
                             "computer's own, otherwise no summer time)"));

    AddRead(
        app,
        {"--tz", "AREA/CITY",
         "a time-zone name of the system's tz database, such as Europe/Rome or "
         "America/Sao_Paulo",
         "the date and time are read on that zone's clock, its offset and summer time as its "
         "rules give them for the date"},
        timeZone_, [](std::string_view name) -> std::optional<std::string> {
            if (!FindZoneRules(name)) return std::nullopt;
            return std::string(name);
        });

    app.option_defaults()->group(forTable ? rowAndObserver : "Observer");
    AddRead(
        app,
        {"--place", "NAME",
         "the name of a city of at least 15,000 inhabitants, optionally narrowed by its region "
         "or country (\"Rome, Italy\", \"Rome, Georgia\"); the most populous match",
         "sets the latitude and longitude, and the place's time zone unless --tz is given "
         "(the height stays --height)"},
        place_, [](std::string_view name) -> std::optional<Place> {
            const std::vector<Place> found = FindPlaces(name, 1);
            if (!found.empty()) return found.front();
            const std::vector<std::string> close = ClosePlaceNames(name);
            throw Refusal("--place '" + std::string(name) + "': no such place" +
                          (close.empty() ? std::string(" in the list of cities")
                                         : "; close names: " + Joined(close, "; ", "; ")));
        });

    AddRead(app,
            {"--lat", "DEG", "a latitude in degrees from -90 to 90, negative south (or 33.9S, 45N)",
             "", Number(given_.latitude)},
            given_.latitude, ParseLatitude);
    AddRead(
        app,
        {"--lon", "DEG", "a longitude in degrees from -180 to 180, positive WEST (or 12.5E, 74W)",
         "", Number(given_.longitude)},
        given_.longitude, ParseLongitudeWest);
    AddDecimal(app,
               {heightOption, "M", "a height above sea level in metres",
                "for the apparent horizon; below sea level the horizon has no dip"},
               kHeightBounds, given_.height);
    OptionText deltaT{"--delta-t", "SEC", "Delta T in seconds, a decimal number",
                      "Delta T = TT - UT, used for every evaluation",
                      "the built-in model, for each date evaluated"};
    if (forTable) {
        const std::string why = "every row takes Delta T from the built-in model for its own date";
        deltaT.more = "does not apply: " + why;
        deltaT.byDefault.clear();
        const CLI::Validator refused(
            [why](std::string&) -> std::string {
                throw Refusal("--delta-t does not apply to table: " + why);
            },
            "");
        Described(app.add_option(deltaT.name), deltaT, refused);
    } else {
        deltaT.accepts +=
            " from " + Number(kDeltaTBounds.low) + " to " + Number(kDeltaTBounds.high);
        AddRead(app, deltaT, deltaT_, ParseDecimal,
                CLI::Range(kDeltaTBounds.low, kDeltaTBounds.high));
    }

    app.option_defaults()->group(forTable ? rowAndObserver : "Atmosphere and prayers");
    AddNamed(app,
             {"--refraction", "", "",
              "refraction by the Bennett formula or by numerical integration through a model "
              "atmosphere"},
             given_.refractionModel, kRefractionNames);
    AddDecimal(app, {"--pressure", "MBAR", "an air pressure in mbar"}, kPressureBounds,
               given_.pressure);
    AddDecimal(app, {"--temperature", "C", "an air temperature in degrees Celsius"},
               kTemperatureBounds, given_.temperature);
    AddDecimal(app, {"--refraction-height", "M", "a height in metres", "for the integration"},
               kRefractionHeightBounds, given_.refractionHeight);
    AddDecimal(app, {"--humidity", "PCT", "a relative humidity in percent", "for the integration"},
               kHumidityBounds, given_.humidity);
    AddDecimal(app, {"--fajr", "DEG", "a Sun altitude in degrees", "of the Sun's centre at Fajr"},
               kPrayerAngleBounds, given_.fajrAngle);
    AddDecimal(app, {"--isha", "DEG", "a Sun altitude in degrees", "of the Sun's centre at Isha"},
               kPrayerAngleBounds, given_.ishaAngle);
    AddNamed(app,
             {"--method", "NAME", "",
              "the method of the prayer times, letter case ignored; every method but default "
              "takes the apparent sunset as Maghrib:" +
                  MethodsHelp()},
             given_.prayerMethod, MethodNames());
    AddFlag(app, "--ramadan", given_.ramadan,
            "with --method makkah: Isha 120 minutes after Maghrib instead of 90");
    AddNamed(app,
             {"--high-latitude-rule", "RULE", "",
              "Fajr and Isha where the Sun does not reach their angle, or reaches it further "
              "from sunrise or sunset than the rule allows: none (they do not occur), middle "
              "(the middle of the night), seventh (a seventh of the night), angle (the angle/60 "
              "of the night); the night runs from sunset to the next sunrise"},
             given_.highLatitudeRule, kRuleNames);
    AddRead(
        app,
        {"--adjust", "LIST",
         "prayers with whole minutes, such as fajr=2,isha=-1: fajr, sunrise, zuhr, asr, "
         "maghrib, isha, each once, minutes from " +
             Number(kPrayerAdjustmentBounds.low) + " to " + Number(kPrayerAdjustmentBounds.high),
         "added to the method's times", "none"},
        given_.prayerAdjustments, ParsePrayerAdjustments);
}

void CommandLine::AddTableOptions() {
    CLI::App& app = *table_;
    TableParameters& p = tableRequest_.parameters;
    app.option_defaults()->group("Steps");
    AddRead(
        app,
        {"--step", "N",
         "a step as a decimal number, " + Number(kTableMinStep) + " to " + Number(kTableMaxStep),
         "a fraction (0.5) only with --unit seconds", Number(p.stepValue)},
        p.stepValue, ParseDecimal);
    std::vector<std::string> units;
    for (int unit = 0; unit < kTableStepUnitCount; ++unit) {
        units.emplace_back(TableStepUnitName(static_cast<TableStepUnit>(unit)));
    }
    AddRead(app, {"--unit", "UNIT", Joined(units), "", std::string(TableStepUnitName(p.stepUnit))},
            p.stepUnit, ParseTableStepUnit);
    AddRead(app,
            {"--points", "N",
             "a whole number of rows, " + std::to_string(kTableMinPointCount) + " to " +
                 std::to_string(kTableMaxPointCount),
             "", std::to_string(p.pointCount)},
            p.pointCount, ParseWholeNumber);

    app.option_defaults()->group("Columns and formats");
    std::vector<std::string> columns;
    for (const TableColumnOption& option : kTableColumnOptions) columns.emplace_back(option.name);
    std::vector<std::string> dayColumns;
    for (const TableDayTimeColumnOption& option : kTableDayTimeColumnOptions) {
        dayColumns.emplace_back(option.name);
    }
    // The list sets the column flags, leaving the format choices as they are.
    const auto readColumns = [this](std::string_view list) {
        TableColumnSet options = tableRequest_.options;
        const ColumnOptionParse parsed = ParseColumnOptionList(list, options, options.dayColumns);
        if (!parsed.ok) throw Refusal("--columns: " + parsed.error);
        return std::optional<TableColumnSet>(options);
    };
    AddRead(app,
            {"--columns", "LIST|all",
             "column names separated by commas, or all (listed by tarvel-cli table --help)",
             "the optional columns after the date and the time, letter case ignored; all "
             "selects these:\n" +
                 Joined(columns, ", ", ", ") +
                 "\nand these are named one by one: the chosen method's sunrise (Shuruq), the "
                 "dawn and dusk of each twilight, the end and start of the golden hour, the "
                 "night's length, middle and the start of its last third:\n" +
                 Joined(dayColumns, ", ", ", "),
             "none"},
            tableRequest_.options, readColumns);
    AddFlag(app, "--decimal-angles", tableRequest_.options.decimalAngles,
            "angles as decimal degrees (default: degrees, minutes and seconds)");
    AddFlag(app, "--decimal-hours", tableRequest_.options.decimalHours,
            "hours as decimal hours (default: hours, minutes and seconds)");

    app.option_defaults()->group("Output");
    AddNamed(app,
             {"--format", "FORMAT", "",
              "window: the text of the table window; file: the text of \"Salva su file\", every "
              "cell with the locale's decimal separator; clipboard: the text of \"Copia nella "
              "clipboard\", cells separated by tabs; csv: a header row of English column names "
              "and the values as plain numbers with \".\" (hours, degrees, seconds, days)"},
             tableRequest_.format, kFormatNames);
    AddRead(app,
            {"--output", "FILE", "the name of a file to write, in a folder that exists",
             "written instead of standard output, replaced whole, or left as it was when writing "
             "fails",
             "standard output"},
            tableRequest_.outputPath, [](std::string_view name) -> std::optional<std::string> {
                // Checked before anything is computed: a name, not a folder,
                // in a folder that exists.
                namespace fs = std::filesystem;
                const fs::path path{std::string(name)};
                std::error_code error;
                if (name.empty() || !path.has_filename() || fs::is_directory(path, error)) {
                    return std::nullopt;
                }
                const fs::path folder = path.has_parent_path() ? path.parent_path() : ".";
                if (!fs::is_directory(folder, error)) return std::nullopt;
                return std::string(name);
            });
}

CLI::Option* CommandLine::Described(CLI::Option* option, const OptionText& text,
                                    const CLI::Validator& check) {
    option->description(text.Help())->type_name(text.placeholder);
    // A transform: `check` may rewrite the text for the conversion that follows.
    option->transform(CLI::Validator(
        [option, text, check](std::string& value) {
            if (option->count() > 1) {
                throw Refusal(text.name + " given more than once: give it once, with " +
                              text.accepts);
            }
            const std::string given = value;
            if (!check(value).empty()) {
                throw Refusal(text.name + " '" + given + "' not accepted: expected " +
                              text.accepts);
            }
            return std::string();
        },
        ""));
    accepts_[option] = text.accepts;
    return option;
}

template <typename Target, typename Read>
CLI::Option* CommandLine::AddRead(CLI::App& app, const OptionText& text, Target& target, Read read,
                                  const CLI::Validator& also) {
    const CLI::callback_t store = [&target, read](const CLI::results_t& texts) {
        target = *read(texts.front());
        return true;
    };
    return Described(app.add_option(text.name, store), text, Reads(read) & also);
}

CLI::Option* CommandLine::AddDecimal(CLI::App& app, OptionText text, ValueBounds bounds,
                                     double& target) {
    text.accepts += " from " + Number(bounds.low) + " to " + Number(bounds.high);
    text.byDefault = Number(target);
    return AddRead(app, text, target, ParseDecimal, CLI::Range(bounds.low, bounds.high));
}

template <typename T>
CLI::Option* CommandLine::AddNamed(CLI::App& app, OptionText text, T& target,
                                   const Names<T>& names) {
    std::vector<std::string> listed;
    for (const auto& [name, value] : names) {
        listed.push_back(name);
        if (value == target) text.byDefault = name;
    }
    if (text.placeholder.empty()) text.placeholder = Joined(listed, "|", "|");
    text.accepts = Joined(listed);
    // IsMember refuses other texts and writes a name as listed; Transformer
    // turns it into its value, which CLI11 converts into target.
    return Described(app.add_option(text.name, target), text,
                     CLI::IsMember(names, CLI::ignore_case) & CLI::Transformer(names));
}

SolarRequest CommandLine::Request(const LocalClock& clock) const {
    const LocalMoment now = clock.present();
    SolarRequest request = given_;
    const CivilDate date = date_.value_or(now.date);
    const ClockTime time = time_.value_or(now.time);
    request.SetClockReading({date.year, date.month, date.day, time.hour, time.minute, time.second});
    request.SetZone(zone_.value_or(now.standardZoneHours));
    request.deltaTGiven = deltaT_.has_value();
    request.deltaT = deltaT_.value_or(request.deltaT);
    if (summer_ || noSummer_) {
        request.summerTime = summer_;
    } else if (request.zoneHours == now.standardZoneHours) {
        // The computer's rule belongs to the computer's own zone only.
        request.summerTime = SummerTimeByComputerRule(
            ClockInstant{request.Clock()},
            [&](const ClockInstant&) { return clock.summerTimeAt(date, time); });
    }
    return request;
}

void CommandLine::ApplyPlaceAndZone(CliCommand& command, bool resolve) const {
    if (!place_ && !timeZone_) return;
    const auto given = [this](const char* name) {
        const CLI::App* owner = table_->parsed() ? table_ : chart_->parsed() ? chart_ : &app_;
        return owner->get_option(name)->count() > 0;
    };
    const char* option = place_ ? "--place" : "--tz";
    for (const char* other : {"--lat", "--lon", "--zone", "--summer", "--no-summer"}) {
        const bool site = other == std::string_view("--lat") || other == std::string_view("--lon");
        if (given(other) && (place_ || !site)) {
            throw Refusal(std::string(option) + " and " + other +
                          " exclude each other: " + option +
                          (place_ ? " gives the site and its zone's clock"
                                  : " gives the zone's clock, its offset and summer time"));
        }
    }
    command.place = place_;
    command.zoneRules = FindZoneRules(timeZone_ ? *timeZone_ : place_->timeZone);
    if (!command.zoneRules) {
        throw Refusal("--place '" + place_->Label() + "': its time zone " + place_->timeZone +
                      " is not in this computer's tz database");
    }
    SolarRequest& request = command.request;
    if (place_) {
        request.latitude = place_->latitude;
        request.longitude = place_->LongitudeWest();
    }
    if (!resolve) return;
    ClockInstant reading{request.Clock()};
    if (!date_ || !time_) {
        // The present on the zone's clock; a given date or time replaces its part.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto seconds = std::chrono::floor<std::chrono::seconds>(now);
        const ClockInstant present = command.zoneRules->ReadingAt(
            seconds.count(), std::chrono::duration<double>(now - seconds).count());
        if (!date_) {
            reading.year = present.year;
            reading.month = present.month;
            reading.day = present.day;
        }
        if (!time_) {
            reading.hour = present.hour;
            reading.minute = present.minute;
            reading.second = present.second;
        }
    }
    command.reading = SetRequestOnRules(request, *command.zoneRules, reading);
}

CliCommand CommandLine::TableCommand(const LocalClock& clock) const {
    if (!app_.get_options([](const CLI::Option* option) { return option->count() > 0; }).empty()) {
        throw Refusal(
            "unexpected argument 'table': the table subcommand comes first, as in tarvel-cli "
            "table --step 1 --unit days (see tarvel-cli table --help)");
    }
    const SolarRequest q = Request(clock);
    CliCommand command;
    command.action = CliAction::kTable;
    command.table = tableRequest_;
    TableParameters& p = command.table.parameters;
    p.SetStart(q.Clock());
    p.zoneHours = q.zoneHours;
    p.summerTime = q.summerTime;
    static_cast<ObserverSettings&>(p) = q;
    command.request = q;
    ApplyPlaceAndZone(command, false);
    p.latitude = command.request.latitude;
    p.longitude = command.request.longitude;
    p.zoneRules = command.zoneRules;

    // A given zone was checked when read: this one is the computer's own.
    if (!p.zoneRules && !IsListedZone(p.zoneHours)) {
        throw Refusal("this computer's standard zone (" + Number(p.zoneHours) +
                      " hours east of UTC) is not a zone of the table: give --zone with " +
                      TableZonesAccepted());
    }
    // The engine's own checks and messages.
    const TableValidation validation = ValidateTableParameters(p);
    if (!validation.ok()) {
        throw Refusal(TableFieldOption(validation.field) + ": " + validation.message);
    }
    if (IsFractionalStepRefused(p.stepValue, p.stepUnit)) {
        throw Refusal("--step: " + TableTexts().Get(table_string::kFractionalStep));
    }
    return command;
}

void CommandLine::RefuseUnknownOptions(const std::vector<std::string>& args) const {
    const CLI::App* owner = &app_;
    for (const std::string& arg : args) {
        if ((arg == "table" || arg == "places" || arg == "chart") && owner == &app_) {
            owner = arg == "table" ? table_ : arg == "chart" ? chart_ : places_;
            continue;
        }
        if (arg.size() < 3 || arg.rfind("--", 0) != 0) continue;
        const std::string name = arg.substr(0, arg.find('='));
        if (owner->get_option_no_throw(name) == nullptr) {
            throw Refusal("unknown option '" + name + "'; the options are listed by " +
                          NameOf(owner) + " --help");
        }
    }
}

CliCommand CommandLine::Parse(const std::vector<std::string>& args, const LocalClock& clock) {
    lastArgument_ = args.empty() ? std::string() : args.back();
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 reads from the back
    try {
        // An unknown option is refused even beside --help or --version, which
        // act as soon as they are read.
        RefuseUnknownOptions(args);
        app_.parse(reversed);
        if (table_->parsed()) return TableCommand(clock);
        if (chart_->parsed()) return ChartCommand(clock);
        CliCommand command;
        if (places_->parsed()) {
            if (FindPlaces(placesQuery_, 1).empty()) {
                const std::vector<std::string> close = ClosePlaceNames(placesQuery_);
                throw Refusal("no place matches '" + placesQuery_ + "'" +
                              (close.empty() ? std::string()
                                             : "; close names: " + Joined(close, "; ", "; ")));
            }
            command.action = CliAction::kPlaces;
            command.text = placesQuery_;
            return command;
        }
        command.action = CliAction::kCompute;
        command.request = Request(clock);
        command.json = json_;
        command.dayTimes = twilights_;
        for (const char* option : {"--method", "--ramadan", "--high-latitude-rule", "--adjust"}) {
            command.dayTimes = command.dayTimes || app_.get_option(option)->count() > 0;
        }
        ApplyPlaceAndZone(command, true);
        return command;
    } catch (const CLI::ParseError& error) {
        // CLI11 writes the help or the version (exit code 0), or FailureLine's
        // refusal (exit codes from 100 on, which are kExitUsage).
        std::ostringstream out;
        std::ostringstream err;
        const bool printed = app_.exit(error, out, err) == 0;
        CliCommand command;
        command.action = printed ? CliAction::kPrint : CliAction::kFail;
        command.text = printed ? out.str() : err.str();
        return command;
    }
}

std::string CommandLine::FailureLine(const CLI::Error& error) const {
    // The command read last: a subcommand once it began.
    const CLI::App* command = table_->parsed()    ? table_
                              : chart_->parsed()  ? chart_
                              : places_->parsed() ? places_
                                                  : &app_;
    std::string line = error.what() + (" (see " + NameOf(command) + " --help)");
    if (dynamic_cast<const Refusal*>(&error) != nullptr) {
        line = error.what();
    } else if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        // The program's own arguments are checked before the subcommand's.
        const CLI::App* owner = app_.remaining_size() > 0 ? &app_ : command;
        const std::vector<std::string> rest = owner->remaining();
        const std::string first = rest.empty() ? std::string() : rest.front();
        const std::string name = NameOf(owner);
        if (owner == places_) {
            line = "unexpected argument '" + first + "'; " + name +
                   " takes one QUERY: put a name of several words in quotes (see " + name +
                   " --help)";
        } else {
            line = first.rfind('-', 0) == 0 ? "unknown option '" + first +
                                                  "'; the options are listed by " + name + " --help"
                                            : "unexpected argument '" + first + "'; " + name +
                                                  " takes options only (see " + name + " --help)";
        }
    } else if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        line = "--summer and --no-summer exclude each other: give at most one of them";
    } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // A value is missing when the arguments ran out: the last one named
        // the option, alone or before "=".
        const CLI::Option* option =
            command->get_option_no_throw(lastArgument_.substr(0, lastArgument_.find('=')));
        const auto accepts = accepts_.find(option);
        if (accepts != accepts_.end()) {
            line = option->get_name() + " needs a value: " + accepts->second;
        }
    }
    std::replace(line.begin(), line.end(), '\n', ' ');  // one line, whatever a library wrote
    return std::string(kProgram) + ": " + line;
}

}  // namespace

CliCommand ParseCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    return CommandLine().Parse(args, clock);
}

CliCommand ParseTableCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    std::vector<std::string> all = {"table"};
    all.insert(all.end(), args.begin(), args.end());
    return ParseCommandLine(all, clock);
}

std::string CliHelpText() {
    return CommandLine().Help();
}

CliCommand ParseChartCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    std::vector<std::string> all = {"chart"};
    all.insert(all.end(), args.begin(), args.end());
    return ParseCommandLine(all, clock);
}

std::string CliChartHelpText() {
    return CommandLine().ChartHelp();
}

std::string CliTableHelpText() {
    return CommandLine().TableHelp();
}

}  // namespace tarvel
