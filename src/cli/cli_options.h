// The command line of tarvel-cli: the accepted texts of each option, the
// defaults taken from the computer's clock, and the request they build, for
// the computation of one instant and for the `table` subcommand.
//
// Everything here is a plain function of its inputs (the computer's clock comes
// in through LocalClock), so that tests reach every rule without running the
// program.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/solar_computation.h"
#include "places/place_search.h"
#include "format/number_text.h"
#include "civil/zone_rules.h"
#include "table/table_options.h"
#include "table/table_parameters.h"

namespace tarvel {

// Exit status of tarvel-cli.
inline constexpr int kExitSuccess = 0;      // results printed; also after --help, --version
inline constexpr int kExitOutputError = 1;  // the results could not be written
inline constexpr int kExitUsage = 2;        // bad usage or input: nothing computed

// A time zone in hours east of UTC, either a decimal ("5.75", "-3.5") or
// sign, hours and minutes ("+05:45", "-03:30", "5:30"; minutes 00 to 59), from
// -12 to +14 inclusive. nullopt outside that range or for any other text.
std::optional<float> ParseZoneHours(std::string_view text);

// A longitude in the program's convention, degrees positive WEST: a decimal
// ("-8", "74") or an unsigned decimal followed by E or W, either case ("12.5E"
// gives -12.5, "74W" gives 74); from -180 to 180 inclusive.
std::optional<double> ParseLongitudeWest(std::string_view text);

// A latitude in degrees positive north: a decimal ("-33.9") or an unsigned
// decimal followed by N or S, either case ("33.9S" gives -33.9); from -90 to
// 90 inclusive.
std::optional<double> ParseLatitude(std::string_view text);

// A civil date of the proleptic Gregorian calendar.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "YYYY-MM-DD": a year of 1 to 4 digits from 1 to 9999, a month and a day of 1
// or 2 digits; the date must exist (29 February only in leap years).
std::optional<CivilDate> ParseDate(std::string_view text);

// A reading of a clock.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    double second = 0;
};

// "HH:MM" or "HH:MM:SS" with hours 0 to 23 and minutes 0 to 59 of 1 or 2
// digits; seconds of 1 or 2 digits, optionally with decimals ("07.5"), from 0
// to below 60. Seconds default to 0.
std::optional<ClockTime> ParseClockTime(std::string_view text);

// The present moment on the computer's clock and its standard zone.
struct LocalMoment {
    CivilDate date;
    ClockTime time;               // whole seconds, summer hour included
    float standardZoneHours = 0;  // hours east of UTC, without the summer hour
};

// The computer's clock, replaceable in tests.
struct LocalClock {
    // The present local date and time and the standard zone.
    std::function<LocalMoment()> present;
    // Whether the computer's summer-time rule puts summer time in force at a
    // local date and time.
    std::function<bool(const CivilDate&, const ClockTime&)> summerTimeAt;
};

// The computer's own clock and summer-time rule (the C library's local time,
// which follows the TZ variable).
LocalClock SystemLocalClock();

// The standard offset of the computer's zone at an instant, in seconds east
// of UTC, from its time-zone rules: summer time need not be one hour.
long StandardOffsetSeconds(std::time_t instant);

// Adjustments of the prayer times, "fajr=2,isha=-1": names (fajr, sunrise,
// zuhr, asr, maghrib, isha; letter case ignored, blanks around an entry
// allowed) each given at most once, with whole minutes from -120 to 120 (an
// optional sign); the prayers not named get 0. Nothing for any other text,
// an empty one included.
std::optional<PrayerAdjustments> ParsePrayerAdjustments(std::string_view text);

// What the table subcommand writes.
enum class CliTableFormat {
    kWindow,     // the text of the table window
    kFile,       // the text of a saved file
    kClipboard,  // the tab-separated text of the clipboard
    kCsv,        // CSV for data tools
};

// A table to compute and write.
struct CliTableRequest {
    TableParameters parameters;
    TableColumnSet options;  // with the day times' columns
    CliTableFormat format = CliTableFormat::kWindow;
    std::optional<std::string> outputPath;  // none: standard output
};

// The charts the chart subcommand draws, by their command-line names.
inline constexpr const char* kCliChartKinds[] = {"sunpath", "sunpath-year", "analemma",
                                                 "equation-of-time", "daylight"};

// A chart to draw and write.
struct CliChartRequest {
    std::string kind;        // one of kCliChartKinds
    std::string outputPath;  // ending in .svg or .png
    int width = 1000;        // pixels
    int height = 700;
    bool prayerLines = false;  // daylight: the chosen method's prayers as lines
    bool polar = false;        // sunpath, sunpath-year: the stereographic polar form
};
inline constexpr int kCliChartMinSize = 200;
inline constexpr int kCliChartMaxSize = 8000;

// What to do after reading the command line.
enum class CliAction {
    kCompute,  // compute `request` and print it (as JSON when `json`)
    kTable,    // compute the table of `table` and write it
    kChart,    // draw the chart of `chart` for `request` (and `zoneRules`) and write it
    kPlaces,   // print the places found for `text` (see FindPlaces)
    kPrint,    // print `text` on standard output and exit with kExitSuccess
    kFail,     // print `text` (one line) on standard error and exit with kExitUsage
};

struct CliCommand {
    CliAction action = CliAction::kFail;
    std::string text;  // kPrint: the help or version text, ending in a newline;
                       // kFail: one line without its newline
    SolarRequest request;
    bool json = false;
    // Print the day times too (the chosen method's prayers, the twilights, the
    // golden hour and the night): with --twilights, --method, --ramadan,
    // --high-latitude-rule or --adjust. Without them the report and the JSON
    // are the documented ones.
    bool dayTimes = false;
    CliTableRequest table;
    CliChartRequest chart;
    // --place and --tz: the place chosen, and the zone rules whose clock the
    // date and time are read on (none: the documented zone and summer flag).
    std::optional<Place> place;
    std::shared_ptr<const ZoneRules> zoneRules;
    ResolvedReading reading;  // with zoneRules: how the clock reading occurs
};

// Reads the arguments that follow the program name with CLI11: the table
// subcommand when the first of them is "table" (see ParseTableCommandLine),
// otherwise the computation of one instant. Options not given take their
// defaults: the date, time and standard zone of clock.present(); summer time by
// clock.summerTimeAt() for the date and time when the zone is the computer's
// own standard zone, otherwise no summer time; the site at latitude 45,
// longitude -8 (8 degrees east), height 0; Bennett refraction, 1010 mbar,
// 10 degrees C, refraction height 100 m, humidity 20 %; Fajr -19, Isha -17
// degrees; the program's own prayer method, no high-latitude rule, no
// adjustment (--method, --ramadan, --high-latitude-rule, --adjust); Delta T
// from the built-in model (deltaTGiven false). --help and
// --version are a kPrint as soon as they are read. Each refusal is a kFail
// naming its option; of several faults the first found is reported, in this
// order: a value missing at the end, the values in the order of the help,
// --summer with --no-summer, unknown or stray arguments, the table's checks.
CliCommand ParseCommandLine(const std::vector<std::string>& args, const LocalClock& clock);

// Reads the arguments that follow "table". The instant and site options are
// those of one instant, read in the same way with the same defaults; --delta-t
// is refused (every row takes Delta T from the built-in model for its own
// date). Then --step (a decimal, default 1), --unit (ParseTableStepUnit,
// default hours), --points (ParseWholeNumber, default 50), --columns
// (ParseColumnOptionList, default none), --decimal-angles, --decimal-hours,
// --format (default window) and --output. The zone must be one of
// kZoneListOffsets; the parameters must pass ValidateTableParameters, and a
// fractional step needs the unit seconds (otherwise the engine's string 147):
// each refusal is a kFail naming its option.
CliCommand ParseTableCommandLine(const std::vector<std::string>& args, const LocalClock& clock);

// Reads the arguments that follow "chart": the instant and site options of
// one instant, read in the same way with the same defaults, then --kind
// (required, one of kCliChartKinds), --output (required: a file ending in
// .svg or .png, letter case ignored, in a folder that exists), --width and
// --height (whole pixels from kCliChartMinSize to kCliChartMaxSize, default
// 1000 by 700), --prayers and --polar. Each refusal is a kFail naming its option.
CliCommand ParseChartCommandLine(const std::vector<std::string>& args, const LocalClock& clock);

// The help text printed by chart --help.
std::string CliChartHelpText();

// The help text printed by --help.
std::string CliHelpText();

// The help text printed by table --help; the column names and the zones are
// taken from the table engine's own lists.
std::string CliTableHelpText();

// The line printed by --version.
std::string CliVersionText();

}  // namespace tarvel
