#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <limits>
#include <regex>
#include <system_error>

#include "astro/calendar.h"
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

char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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

// What each option with a value accepts, as said in messages.
struct OptionText {
    const char* name;
    const char* accepts;
};

constexpr OptionText kOptionTexts[] = {
    {"--date", "a date YYYY-MM-DD that exists, years 1 to 9999 (proleptic Gregorian calendar)"},
    {"--time",
     "a clock time HH:MM or HH:MM:SS, hours 0 to 23, minutes 0 to 59, seconds 0 to below 60"},
    {"--zone",
     "hours east of UTC from -12 to 14, as a decimal (5.75, -3.5) or as +HH:MM or -HH:MM"},
    {"--lat", "a latitude in degrees from -90 to 90, negative south (or 33.9S, 45N)"},
    {"--lon", "a longitude in degrees from -180 to 180, positive WEST (or 12.5E, 74W)"},
    {"--height", "a height above sea level in metres from -1000 to 20000"},
    {"--delta-t", "Delta T in seconds, a decimal number"},
    {"--refraction", "bennett or integration"},
    {"--pressure", "an air pressure in mbar from 0 to 1200"},
    {"--temperature", "an air temperature in degrees Celsius above -273, up to 200"},
    {"--refraction-height", "a height in metres from 0 to 10000"},
    {"--humidity", "a relative humidity in percent from 0 to 100"},
    {"--fajr", "a Sun altitude in degrees from -90 to 0"},
    {"--isha", "a Sun altitude in degrees from -90 to 0"},
    {"--step", "a step as a decimal number, 0.01 to 60"},
    {"--unit", "years, months, days, hours, minutes or seconds"},
    {"--points", "a whole number of rows, 1 to 1000"},
    {"--columns", "column names separated by commas, or all (listed by tarvel-cli table --help)"},
    {"--format", "window, file, clipboard or csv"},
    {"--output", "the name of the file to write"},
};

// The options that take no value.
constexpr std::string_view kFlagNames[] = {"--summer", "--no-summer", "--json", "--decimal-angles",
                                           "--decimal-hours"};

bool IsFlag(std::string_view name) {
    return std::find(std::begin(kFlagNames), std::end(kFlagNames), name) != std::end(kFlagNames);
}

const char* AcceptsOf(std::string_view name) {
    for (const OptionText& option : kOptionTexts) {
        if (name == option.name) return option.accepts;
    }
    return nullptr;
}

CliCommand Failure(std::string message) {
    CliCommand command;
    command.action = CliAction::kFail;
    // One line: whatever a library put into the text, keep it on a single line.
    std::replace(message.begin(), message.end(), '\n', ' ');
    command.text = std::string(kProgram) + ": " + message;
    return command;
}

CliCommand NotAccepted(std::string_view name, std::string_view value) {
    return Failure(std::string(name) + " '" + std::string(value) + "' not accepted: expected " +
                   AcceptsOf(name));
}

// A decimal within [low, high].
std::optional<double> ParseDecimalIn(std::string_view text, double low, double high) {
    const std::optional<double> value = ParseDecimal(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

// The messages of the command-line parser, turned into one line that names
// the option and what it accepts. `command` is the command whose options were
// read ("tarvel-cli" or "tarvel-cli table").
CliCommand ParserFailure(const CLI::ParseError& error, const std::vector<std::string>& extras,
                         const std::string& command) {
    const std::string what = error.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        const std::string first = extras.empty() ? what : extras.front();
        if (!first.empty() && first.front() == '-') {
            return Failure("unknown option '" + first + "'; the options are listed by " + command +
                           " --help");
        }
        if (first == "table" && command == kProgram) {
            return Failure("unexpected argument 'table': the table subcommand comes first, as in " +
                           command + " table --step 1 --unit days (see " + command +
                           " table --help)");
        }
        return Failure("unexpected argument '" + first + "'; " + command +
                       " takes options only (see " + command + " --help)");
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return Failure("--summer and --no-summer exclude each other: give at most one of them");
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // The texts begin with the option's name: "--lat: 1 required TEXT
        // missing", "--lat: At Most 1 required but received 2", "json was
        // given a disallowed flag override".
        std::string name = what.substr(0, what.find_first_of(": "));
        if (name.rfind("--", 0) != 0) name = "--" + name;
        const char* accepts = AcceptsOf(name);
        const bool flag = IsFlag(name);
        if (accepts != nullptr && what.find("missing") != std::string::npos) {
            return Failure(name + " needs a value: " + accepts);
        }
        if ((accepts != nullptr || flag) && what.find("received") != std::string::npos) {
            return Failure(name + " given more than once: give it once" +
                           (accepts != nullptr ? std::string(", with ") + accepts : ""));
        }
        if (flag && what.find("flag override") != std::string::npos) {
            return Failure(name + " takes no value");
        }
    }
    return Failure(what + " (see " + command + " --help)");
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
    std::cmatch groups;
    if (!Matches(text, R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)", groups)) return std::nullopt;
    // std::from_chars reads the same grammar without a leading "+" and does not
    // depend on the locale.
    const char* first = text.data() + (text.front() == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

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
    constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day >
            kDaysInMonth[date.month - 1] + (date.month == 2 ? IsLeapYear(date.year, 1) : 0)) {
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

std::optional<RefractionModel> ParseRefractionModel(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), ToLower);
    if (lower == "bennett") return kRefractionBennett;
    if (lower == "integration") return kRefractionIntegration;
    return std::nullopt;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    std::cmatch groups;
    if (!Matches(text, R"(([+-]?)(\d+))", groups)) return std::nullopt;
    // Saturates just past the range of int, then clamps.
    constexpr long long kPastInt = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long value = 0;
    for (const char digit : groups.str(2)) value = std::min(value * 10 + (digit - '0'), kPastInt);
    if (groups[1] == "-") value = -value;
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

std::optional<CliTableFormat> ParseTableFormat(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), ToLower);
    if (lower == "window") return CliTableFormat::kWindow;
    if (lower == "file") return CliTableFormat::kFile;
    if (lower == "clipboard") return CliTableFormat::kClipboard;
    if (lower == "csv") return CliTableFormat::kCsv;
    return std::nullopt;
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
        return CLibraryDaylightTime(
            {date.year, date.month, date.day, time.hour, time.minute, time.second});
    };
    return clock;
}

std::string CliVersionText() {
    return std::string(kProgram) + " " + TARVEL_VERSION + "\n";
}

std::string CliHelpText() {
    return R"(Usage: tarvel-cli [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--zone Z] [--summer | --no-summer]
                  [--lat DEG] [--lon DEG] [--height M] [--delta-t SEC]
                  [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                  [--refraction-height M] [--humidity PCT] [--fajr DEG] [--isha DEG] [--json]
       tarvel-cli table [options]   (an ephemeris table: see tarvel-cli table --help)
       tarvel-cli --help | --version

Computes the Sun's position and the solar times for one civil instant and one
observer: time measures, ecliptic, equatorial and horizontal coordinates,
geometric and apparent rise, transit and set, Islamic prayer times and the
Qibla. Prints the texts of the main window, grouped under its captions, or
with --json every value as a number.

The table subcommand repeats the computation for a series of instants a fixed
step apart and writes the ephemeris table as text or CSV.

Instant:
  --date YYYY-MM-DD     civil date, years 1 to 9999 of the proleptic Gregorian
                        calendar (default: today on this computer's clock)
  --time HH:MM[:SS]     clock time, summer hour included; the seconds may have
                        decimals (default: now on this computer's clock)
  --zone Z              standard time zone in hours east of UTC, -12 to 14, as a
                        decimal (5.75, -3.5) or as +HH:MM or -HH:MM (+05:45,
                        -03:30) (default: this computer's standard zone)
  --summer              the clock shows summer time, one hour ahead of the zone
  --no-summer           the clock shows the zone's standard time
                        (default: this computer's summer-time rule at the given
                        date and time when the zone is this computer's own,
                        otherwise no summer time)

Observer:
  --lat DEG             latitude in degrees, -90 to 90, negative south; also
                        written 33.9S or 45N (default: 45)
  --lon DEG             longitude in degrees, -180 to 180, positive WEST and
                        negative east; also written 12.5E (= -12.5) or 74W
                        (= 74) (default: -8, that is 8E)
  --height M            height above sea level in metres, -1000 to 20000, for
                        the apparent horizon; below sea level the horizon has
                        no dip (default: 0)
  --delta-t SEC         Delta T = TT - UT in seconds, used for every evaluation
                        (default: the built-in model, for each date evaluated)

Atmosphere and prayers:
  --refraction bennett|integration
                        refraction by the Bennett formula or by numerical
                        integration through a model atmosphere (default: bennett)
  --pressure MBAR       air pressure in mbar, 0 to 1200 (default: 1010)
  --temperature C       air temperature in degrees Celsius, above -273, up to
                        200 (default: 10)
  --refraction-height M height in metres for the integration, 0 to 10000
                        (default: 100)
  --humidity PCT        relative humidity in percent for the integration, 0 to
                        100 (default: 20)
  --fajr DEG            altitude of the Sun's centre at Fajr, -90 to 0
                        (default: -19)
  --isha DEG            altitude of the Sun's centre at Isha, -90 to 0
                        (default: -17)

Output:
  --json                print every computed value and the request as one JSON
                        object; a value that does not exist is null
  -h, --help            print this help and exit
  --version             print the version and exit

Numbers are written with "." as the decimal point. A negative value follows
its option as the next argument (--lat -33.9) or after "=" (--lat=-33.9).

Exit status:
  0  success (also after --help and --version)
  1  the results could not be written to standard output
  2  bad usage or input: one line on standard error, nothing on standard output
)";
}

namespace {

// The options of one instant and one observer, shared by both commands: their
// texts as given, registered on a parser, then read into a request.
class InstantSiteOptions {
  public:
    InstantSiteOptions() = default;
    InstantSiteOptions(const InstantSiteOptions&) = delete;
    InstantSiteOptions& operator=(const InstantSiteOptions&) = delete;

    // Adds the options to app.
    void AddTo(CLI::App& app) {
        for (Valued& v : valued_) {
            v.option = app.add_option(v.name, *v.value);
        }
        CLI::Option* summerFlag = app.add_flag("--summer", summer_)->disable_flag_override();
        CLI::Option* noSummerFlag = app.add_flag("--no-summer", noSummer_)->disable_flag_override();
        summerFlag->excludes(noSummerFlag);
    }

    // The text given to the option with a value `name` ("" when not given).
    const std::string& Text(std::string_view name) const {
        static const std::string kNone;
        for (const Valued& v : valued_) {
            if (name == v.name) return *v.value;
        }
        return kNone;
    }

    // Whether the option with a value `name` was given.
    bool Given(std::string_view name) const {
        for (const Valued& v : valued_) {
            if (name == v.name) return v.option != nullptr && v.option->count() > 0;
        }
        return false;
    }

    // The request of the options given, the others taking their defaults (see
    // ParseCommandLine); a kFail command naming the first option whose text is
    // not accepted. `now` is clock.present().
    std::optional<CliCommand> Read(const LocalClock& clock, const LocalMoment& now,
                                   SolarRequest& request) const {
        request = SolarRequest();  // the site and atmosphere defaults of the settings

        CivilDate civilDate = now.date;
        if (Given("--date")) {
            const std::optional<CivilDate> value = ParseDate(date_);
            if (!value) return NotAccepted("--date", date_);
            civilDate = *value;
        }
        ClockTime clockTime = now.time;
        if (Given("--time")) {
            const std::optional<ClockTime> value = ParseClockTime(time_);
            if (!value) return NotAccepted("--time", time_);
            clockTime = *value;
        }
        request.zoneHours = now.standardZoneHours;
        if (Given("--zone")) {
            const std::optional<float> value = ParseZoneHours(zone_);
            if (!value) return NotAccepted("--zone", zone_);
            request.zoneHours = *value;
        }
        if (Given("--lat")) {
            const std::optional<double> value = ParseLatitude(lat_);
            if (!value) return NotAccepted("--lat", lat_);
            request.latitude = *value;
        }
        if (Given("--lon")) {
            const std::optional<double> value = ParseLongitudeWest(lon_);
            if (!value) return NotAccepted("--lon", lon_);
            request.longitude = *value;
        }
        if (Given("--refraction")) {
            const std::optional<RefractionModel> model = ParseRefractionModel(refraction_);
            if (!model) return NotAccepted("--refraction", refraction_);
            request.refractionModel = *model;
        }
        // Plain decimals with their ranges.
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        struct Ranged {
            const char* name;
            const std::string* text;
            double low;
            double high;
            double* target;
        };
        const Ranged ranged[] = {
            {"--height", &height_, -1000.0, 20000.0, &request.height},
            {"--delta-t", &deltaT_, -kInfinity, kInfinity, &request.deltaT},
            {"--pressure", &pressure_, 0.0, 1200.0, &request.pressure},
            {"--temperature", &temperature_, std::nextafter(-273.0, 0.0), 200.0,
             &request.temperature},
            {"--refraction-height", &refractionHeight_, 0.0, 10000.0, &request.refractionHeight},
            {"--humidity", &humidity_, 0.0, 100.0, &request.humidity},
            {"--fajr", &fajr_, -90.0, 0.0, &request.fajrAngle},
            {"--isha", &isha_, -90.0, 0.0, &request.ishaAngle},
        };
        for (const Ranged& r : ranged) {
            if (!Given(r.name)) continue;
            const std::optional<double> value = ParseDecimalIn(*r.text, r.low, r.high);
            if (!value) return NotAccepted(r.name, *r.text);
            *r.target = *value;
        }
        request.deltaTGiven = Given("--delta-t");

        request.year = civilDate.year;
        request.month = civilDate.month;
        request.day = civilDate.day;
        request.hour = clockTime.hour;
        request.minute = clockTime.minute;
        request.second = clockTime.second;
        request.zoneMinutes = request.zoneHours * 60;
        if (summer_) {
            request.summerTime = true;
        } else if (noSummer_) {
            request.summerTime = false;
        } else if (request.zoneHours == now.standardZoneHours) {
            // The computer's rule belongs to the computer's own zone only.
            request.summerTime = SummerTimeByComputerRule(
                {civilDate.year, civilDate.month, civilDate.day, clockTime.hour, clockTime.minute,
                 clockTime.second},
                [&](const TableRowInstant&) { return clock.summerTimeAt(civilDate, clockTime); });
        } else {
            request.summerTime = false;
        }
        return std::nullopt;
    }

  private:
    struct Valued {
        const char* name;
        std::string* value;
        CLI::Option* option = nullptr;
    };

    std::string date_, time_, zone_, lat_, lon_, height_, deltaT_, refraction_, pressure_,
        temperature_, refractionHeight_, humidity_, fajr_, isha_;
    bool summer_ = false;
    bool noSummer_ = false;
    Valued valued_[14] = {
        {"--date", &date_},
        {"--time", &time_},
        {"--zone", &zone_},
        {"--lat", &lat_},
        {"--lon", &lon_},
        {"--height", &height_},
        {"--delta-t", &deltaT_},
        {"--refraction", &refraction_},
        {"--pressure", &pressure_},
        {"--temperature", &temperature_},
        {"--refraction-height", &refractionHeight_},
        {"--humidity", &humidity_},
        {"--fajr", &fajr_},
        {"--isha", &isha_},
    };
};

CliCommand PrintCommand(std::string text) {
    CliCommand command;
    command.action = CliAction::kPrint;
    command.text = std::move(text);
    return command;
}

// Parses args (in their order) with app; a command to return when parsing
// ended in help, version or a failure.
std::optional<CliCommand> Parse(CLI::App& app, const std::vector<std::string>& args,
                                const std::string& command, std::string (*helpText)()) {
    // CLI11 takes the arguments in reverse order.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return PrintCommand(helpText());
    } catch (const CLI::CallForVersion&) {
        return PrintCommand(CliVersionText());
    } catch (const CLI::ParseError& error) {
        return ParserFailure(error, app.remaining(), command);
    }
    return std::nullopt;
}

// The offsets of the table's zones as "%g" texts, in list order.
std::vector<std::string> TableZoneTexts() {
    std::vector<std::string> texts;
    for (const float offset : kTableZoneOffsets) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(offset));
        texts.emplace_back(text);
    }
    return texts;
}

// The names of the table's optional columns, in table order.
std::vector<std::string> TableColumnNames() {
    std::vector<std::string> names;
    for (const TableColumnOption& option : kTableColumnOptions) {
        names.emplace_back(option.name);
    }
    return names;
}

std::string JoinedWithCommas(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

bool IsTableZone(float zoneHours) {
    return std::find(kTableZoneOffsets.begin(), kTableZoneOffsets.end(), zoneHours) !=
           kTableZoneOffsets.end();
}

// The option a validation failure of the table concerns.
const char* TableFieldOption(TableField field) {
    switch (field) {
        case TableField::StartInstant:
            return "--date/--time";
        case TableField::Zone:
            return "--zone";
        case TableField::Longitude:
            return "--lon";
        case TableField::Latitude:
            return "--lat";
        case TableField::Height:
            return "--height";
        case TableField::PointCount:
            return "--points";
        case TableField::StepValue:
            return "--step";
        case TableField::None:
            break;
    }
    return "table";
}

// The table's parameters from the request of one instant: the first row's
// instant, zone, summer time, site, refraction and prayer settings.
TableParameters TableParametersOf(const SolarRequest& request) {
    TableParameters p;
    p.startYear = request.year;
    p.startMonth = request.month;
    p.startDay = request.day;
    p.startHour = request.hour;
    p.startMinute = request.minute;
    p.startSecond = request.second;
    p.zoneHours = request.zoneHours;
    p.summerTime = request.summerTime;
    p.latitude = request.latitude;
    p.longitude = request.longitude;
    p.height = request.height;
    p.refractionModel = request.refractionModel;
    p.refractionHeight = request.refractionHeight;
    p.humidity = request.humidity;
    p.pressure = request.pressure;
    p.temperature = request.temperature;
    p.fajrAngle = request.fajrAngle;
    p.ishaAngle = request.ishaAngle;
    return p;
}

// The items separated by ", " and broken into lines of at most `width`
// characters; the first line continues a line at column `firstColumn`, the
// others start with `indent` blanks.
std::string WrappedList(const std::vector<std::string>& items, std::size_t indent,
                        std::size_t width, std::size_t firstColumn) {
    std::string text;
    std::size_t column = firstColumn;
    bool lineEmpty = true;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
        if (!lineEmpty && column + 1 + item.size() > width) {
            text += "\n" + std::string(indent, ' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            text += ' ';
            ++column;
        }
        text += item;
        column += item.size();
        lineEmpty = false;
    }
    return text;
}

}  // namespace

CliCommand ParseCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    if (!args.empty() && args.front() == "table") {
        return ParseTableCommandLine(std::vector<std::string>(args.begin() + 1, args.end()), clock);
    }

    CLI::App app{"", kProgram};
    app.set_help_flag("-h,--help");
    app.set_version_flag("--version", CliVersionText());
    InstantSiteOptions instantSite;
    instantSite.AddTo(app);
    bool json = false;
    app.add_flag("--json", json)->disable_flag_override();
    if (std::optional<CliCommand> ended = Parse(app, args, kProgram, CliHelpText)) {
        return *ended;
    }

    CliCommand command;
    if (std::optional<CliCommand> failure =
            instantSite.Read(clock, clock.present(), command.request)) {
        return *failure;
    }
    command.action = CliAction::kCompute;
    command.json = json;
    return command;
}

CliCommand ParseTableCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    const std::string commandName = std::string(kProgram) + " table";
    CLI::App app{"", commandName};
    app.set_help_flag("-h,--help");
    InstantSiteOptions instantSite;
    instantSite.AddTo(app);
    std::string step, unit, points, columns, format, output;
    bool decimalAngles = false, decimalHours = false;
    CLI::Option* stepOption = app.add_option("--step", step);
    CLI::Option* unitOption = app.add_option("--unit", unit);
    CLI::Option* pointsOption = app.add_option("--points", points);
    CLI::Option* columnsOption = app.add_option("--columns", columns);
    CLI::Option* formatOption = app.add_option("--format", format);
    CLI::Option* outputOption = app.add_option("--output", output);
    app.add_flag("--decimal-angles", decimalAngles)->disable_flag_override();
    app.add_flag("--decimal-hours", decimalHours)->disable_flag_override();
    if (std::optional<CliCommand> ended = Parse(app, args, commandName, CliTableHelpText)) {
        return *ended;
    }

    if (instantSite.Given("--delta-t")) {
        return Failure(
            "--delta-t does not apply to table: every row takes Delta T from the built-in model "
            "for its own date");
    }
    const LocalMoment now = clock.present();
    SolarRequest request;
    if (std::optional<CliCommand> failure = instantSite.Read(clock, now, request)) {
        return *failure;
    }

    CliTableRequest table;
    table.parameters = TableParametersOf(request);
    if (stepOption->count() > 0) {
        const std::optional<double> value = ParseDecimal(step);
        if (!value) return NotAccepted("--step", step);
        table.parameters.stepValue = *value;
    }
    if (unitOption->count() > 0) {
        const std::optional<TableStepUnit> value = ParseTableStepUnit(unit);
        if (!value) return NotAccepted("--unit", unit);
        table.parameters.stepUnit = *value;
    }
    if (pointsOption->count() > 0) {
        const std::optional<int> value = ParseWholeNumber(points);
        if (!value) return NotAccepted("--points", points);
        table.parameters.pointCount = *value;
    }
    if (columnsOption->count() > 0) {
        const ColumnOptionParse parsed = ParseColumnOptionList(columns, table.options);
        if (!parsed.ok) return Failure("--columns: " + parsed.error);
    }
    table.options.decimalAngles = decimalAngles;
    table.options.decimalHours = decimalHours;
    if (formatOption->count() > 0) {
        const std::optional<CliTableFormat> value = ParseTableFormat(format);
        if (!value) return NotAccepted("--format", format);
        table.format = *value;
    }
    if (outputOption->count() > 0) {
        table.outputPath = output;
    }

    // The table knows the 40 zones of its zone list only.
    if (!IsTableZone(table.parameters.zoneHours)) {
        const std::string accepted =
            "one of the table's zones, in hours east of UTC (also as +HH:MM or -HH:MM): " +
            JoinedWithCommas(TableZoneTexts());
        if (instantSite.Given("--zone")) {
            return Failure("--zone '" + instantSite.Text("--zone") +
                           "' not accepted by table: expected " + accepted);
        }
        char own[32];
        std::snprintf(own, sizeof own, "%g", static_cast<double>(table.parameters.zoneHours));
        return Failure(std::string("this computer's standard zone (") + own +
                       " hours east of UTC) is not a zone of the table: give --zone with " +
                       accepted);
    }

    // The engine's own checks and messages.
    const TableValidation validation = ValidateTableParameters(table.parameters);
    if (!validation.ok()) {
        return Failure(std::string(TableFieldOption(validation.field)) + ": " + validation.message);
    }
    if (IsFractionalStepRefused(table.parameters.stepValue, table.parameters.stepUnit)) {
        return Failure("--step: " + TableTexts().Get(table_string::kFractionalStep));
    }

    CliCommand command;
    command.action = CliAction::kTable;
    command.table = table;
    return command;
}

std::string CliTableHelpText() {
    constexpr std::size_t kIndent = 24;
    constexpr std::size_t kWidth = 80;
    std::string text =
        R"(Usage: tarvel-cli table [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--zone Z] [--summer | --no-summer]
                        [--lat DEG] [--lon DEG] [--height M]
                        [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                        [--refraction-height M] [--humidity PCT] [--fajr DEG] [--isha DEG]
                        [--step N] [--unit years|months|days|hours|minutes|seconds] [--points N]
                        [--columns LIST|all] [--decimal-angles] [--decimal-hours]
                        [--format window|file|clipboard|csv] [--output FILE]
       tarvel-cli table --help

Computes an ephemeris table: the solar computation of tarvel-cli repeated for
--points instants, the first at the given date and time, each next one --step
units after the one before, for one observer. Every row takes Delta T from the
built-in model for its own date. The texts are those of the table window, with
its Italian headings; the decimal separator and the short date format come
from the locale (LC_ALL, LC_NUMERIC, LC_TIME, LANG). Every line ends in CR LF.

First row and observer (read as by tarvel-cli, see tarvel-cli --help):
  --date YYYY-MM-DD     date of the first row, 1900-01-01 to 3000-01-01
                        (default: today on this computer's clock)
  --time HH:MM[:SS]     clock time of the first row, summer hour included
                        (default: now on this computer's clock)
  --zone Z              standard time zone in hours east of UTC, one of the
                        table's zones (also written +HH:MM or -HH:MM):
                        )";
    text += WrappedList(TableZoneTexts(), kIndent, kWidth, kIndent) + "\n";
    text += R"(                        (default: this computer's standard zone)
  --summer, --no-summer the clock shows summer time, or standard time
                        (default: this computer's summer-time rule at the given
                        date and time when the zone is this computer's own,
                        otherwise no summer time)
  --lat DEG             latitude, -90 to 90, negative south, or 33.9S, 45N
                        (default: 45)
  --lon DEG             longitude, -180 to 180, positive WEST, or 12.5E, 74W
                        (default: -8, that is 8E)
  --height M            height above sea level in metres, 0 to 10000
                        (default: 0)
  --refraction, --pressure, --temperature, --refraction-height, --humidity,
  --fajr, --isha        as for tarvel-cli (defaults: bennett, 1010, 10, 100,
                        20, -19, -17)
  --delta-t does not apply: the table always takes Delta T from the model.

Steps:
  --step N              size of one step, 0.01 to 60; a fraction (0.5) only
                        with --unit seconds (default: 1)
  --unit UNIT           years, months, days, hours, minutes or seconds
                        (default: hours)
  --points N            number of rows, 1 to 1000 (default: 50)

Columns and formats:
  --columns LIST|all    the optional columns after the date and the time,
                        comma-separated, letter case ignored, or all for every
                        one (default: none):
                        )";
    text += WrappedList(TableColumnNames(), kIndent, kWidth, kIndent) + "\n";
    text += R"(  --decimal-angles      angles as decimal degrees (default: degrees, minutes
                        and seconds)
  --decimal-hours       hours as decimal hours (default: hours, minutes and
                        seconds)

Output:
  --format FORMAT       window: the text of the table window (default);
                        file: the text of "Salva su file", every cell with the
                        locale's decimal separator;
                        clipboard: the text of "Copia nella clipboard", cells
                        separated by tabs;
                        csv: a header row of English column names and the
                        values as plain numbers with "." (hours, degrees,
                        seconds, days)
  --output FILE         write FILE instead of standard output; FILE is
                        replaced whole, or left as it was when writing fails
  -h, --help            print this help and exit

Exit status:
  0  the table was written
  1  the table could not be written to FILE or to standard output: one line
     on standard error naming the file; an existing FILE is left as it was
  2  bad usage or parameters: one line on standard error, nothing written
)";
    return text;
}

}  // namespace tarvel
