// The command line of tarvel-cli: what it asks for (the computation of one
// instant, a table, places or a chart), read from the arguments with the
// defaults taken from the computer's clock, and the help and version texts.
// The texts each option accepts are read by cli_value_readers.h; the
// computer's clock is civil/local_clock.h.
//
// Everything here is a plain function of its inputs (the computer's clock comes
// in through LocalClock), so that tests reach every rule without running the
// program.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/solar_computation.h"
#include "chart/sundial_model.h"
#include "civil/hijri_date.h"
#include "civil/local_clock.h"
#include "places/place_search.h"
#include "civil/zone_rules.h"
#include "cli/cli_value_readers.h"
#include "table/table_options.h"
#include "table/table_texts.h"
#include "table/table_parameters.h"
#include "table/table_texts.h"

namespace tarvel {

// Exit status of tarvel-cli.
inline constexpr int kExitSuccess = 0;      // results printed; also after --help, --version
inline constexpr int kExitOutputError = 1;  // the results could not be written
inline constexpr int kExitUsage = 2;        // bad usage or input: nothing computed

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
    std::vector<std::string_view> columnOrder;  // as --columns names them: the CSV's order
    CliTableFormat format = CliTableFormat::kWindow;
    std::optional<std::string> outputPath;  // none: standard output
};

// The charts the chart subcommand draws, by their command-line names.
inline constexpr const char* kCliChartKinds[] = {"sunpath", "sunpath-year", "analemma",
                                                 "equation-of-time", "daylight"};

// A chart to draw and write.
struct CliChartRequest {
    std::string kind;        // one of kCliChartKinds
    std::string outputPath;  // ending in .svg or .png, or "-": SVG on standard output
    int width = 1000;        // pixels
    int height = 700;
    bool prayerLines = false;  // daylight: the chosen method's prayers as lines
    bool polar = false;        // sunpath, sunpath-year: the stereographic polar form
};
inline constexpr int kCliChartMinSize = 200;
inline constexpr int kCliChartMaxSize = 8000;

// A sundial to draw and write (the sundial subcommand).
struct CliSundialRequest {
    SundialDesign design;
    std::string outputPath;  // ending in .svg, .pdf or .csv
};

// A calendar of events to compute and write (the calendar subcommand).
struct CliCalendarRequest {
    CivilDate start;                  // the first day
    int days = 7;                     // from kCliCalendarMinDays to kCliCalendarMaxDays
    std::vector<std::string> events;  // names of CalendarEventKinds, in their order
    std::optional<std::string> outputPath;  // none: standard output
};
inline constexpr int kCliCalendarMinDays = 1;
inline constexpr int kCliCalendarMaxDays = 366;

// What to do after reading the command line.
enum class CliAction {
    kCompute,  // compute `request` and print it (as JSON when `json`)
    kTable,    // compute the table of `table` and write it
    kChart,    // draw the chart of `chart` for `request` (and `zoneRules`) and write it
    kPlaces,   // print the places found for `text` (see FindPlaces), as JSON when `json`
    kCalendar, // write the iCalendar text of `calendar` for `request` (and `zoneRules`)
    kSundial,  // draw the sundial of `sundial` for `request` (and `zoneRules`) and write it
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
    // --calendar: the Islamic calendar of the Hijri date shown with the day times.
    HijriCalendar hijriCalendar = HijriCalendar::kUmmAlQura;
    CliTableRequest table;
    CliChartRequest chart;
    CliCalendarRequest calendar;
    CliSundialRequest sundial;
    // --place and --tz: the place chosen, and the zone rules whose clock the
    // date and time are read on (none: the documented zone and summer flag).
    std::optional<Place> place;
    std::shared_ptr<const ZoneRules> zoneRules;
    ResolvedReading reading;  // with zoneRules: how the clock reading occurs
    // --lang: "it", "en" or "pt"; empty: the language of the environment, by
    // the window's rule.
    std::string language;
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
// The table engine's refusals are worded by tableTexts (the interface
// language's).
CliCommand ParseCommandLine(const std::vector<std::string>& args, const LocalClock& clock,
                            const TableTexts& tableTexts = TableTexts());

// The language --lang asks for among args ("it", "en" or "pt"), read before
// the command line is parsed so that its refusals speak it; empty when none
// or another value (which the parse then refuses).
std::string LanguageAsked(const std::vector<std::string>& args);

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

// Reads the arguments that follow "calendar": the site, zone, atmosphere and
// prayer options of one instant, read in the same way with the same defaults
// (--time and --delta-t refused: every day is computed whole, Delta T from the
// built-in model), --date the first day (default today on this computer's
// clock), then --days (ParseWholeNumber, kCliCalendarMinDays to
// kCliCalendarMaxDays, default 7), --events (ParseCalendarEvents, default
// prayers) and --output (a file, or "-" for standard output, the default).
// Each refusal is a kFail naming its option.
CliCommand ParseCalendarCommandLine(const std::vector<std::string>& args,
                                    const LocalClock& clock);

// Reads the arguments that follow "sundial": the instant and site options of
// one instant, read in the same way with the same defaults (the site's height
// as --site-height), then --type (horizontal, vertical, equatorial or polar,
// default horizontal), --declination and --inclination (the wall's, degrees;
// see SundialDesign), --gnomon-height and --size (millimetres), --hours (a
// comma list of true, mean, italian, babylonian, temporal; default true),
// --subdivisions (1, 2 or 4), --dates (a comma list of solstices, equinoxes,
// zodiac, none and dates YYYY-MM-DD; default solstices,equinoxes) and --output
// (required: a file ending in .svg, .pdf or .csv, letter case ignored, in a
// folder that exists). Each refusal is a kFail naming its option.
CliCommand ParseSundialCommandLine(const std::vector<std::string>& args, const LocalClock& clock);

// The help text printed by sundial --help.
std::string CliSundialHelpText();

// The help text printed by calendar --help.
std::string CliCalendarHelpText();

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
