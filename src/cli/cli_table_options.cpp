// The table subcommand: its usage, description, exit statuses and options
// (the steps, the columns, the format and the output file), and the table
// it asks for, checked as the table window checks it.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/cli_command_line.h"
#include "table/table_parameters.h"
#include "table/table_stream.h"
#include "table/table_texts.h"

namespace tarvel {

namespace cli {

namespace {

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

constexpr char kTableDescription[] =
    "Computes an ephemeris table: the solar computation of tarvel-cli repeated for --points "
    "instants, the first at the given date and time, each next one --step units after the one "
    "before, for one observer. Every row takes Delta T from the built-in model for its own "
    "date. The texts are those of the table window, in the interface language (--lang); the decimal "
    "separator and the short date format come from the locale (LC_ALL, LC_NUMERIC, LC_TIME, "
    "LANG). Every line ends in CR LF.\n\n"
    "The first row and the observer are read as by tarvel-cli, within the table's limits: ";

const Names<CliTableFormat> kFormatNames = {{"window", CliTableFormat::kWindow},
                                            {"file", CliTableFormat::kFile},
                                            {"clipboard", CliTableFormat::kClipboard},
                                            {"csv", CliTableFormat::kCsv}};

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

}  // namespace

std::string TableZoneList() {
    std::vector<std::string> zones;
    for (const float offset : kZoneListOffsets) zones.push_back(Number(offset));
    return Joined(zones, ", ", ", ");
}

void CommandLine::AddTableCommand() {
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
    AddInstantAndSite(*table_, true);
    AddTableOptions();
    AddHelp(*table_);
}

void CommandLine::AddTableOptions() {
    CLI::App& app = *table_;
    TableParameters& p = tableRequest_.parameters;
    app.option_defaults()->group("Steps");
    AddRead(
        app,
        {"--step", "N", "a step as a decimal number, %1 to %2",
         "a fraction (0.5) only with --unit seconds", Number(p.stepValue),
         {Number(kTableMinStep), Number(kTableMaxStep)}},
        p.stepValue, ParseDecimal);
    std::vector<std::string> units;
    for (int unit = 0; unit < kTableStepUnitCount; ++unit) {
        units.emplace_back(TableStepUnitName(static_cast<TableStepUnit>(unit)));
    }
    AddRead(app,
            {"--unit", "UNIT", "%1 or %2", "", std::string(TableStepUnitName(p.stepUnit)),
             {Joined({units.begin(), units.end() - 1}, ", ", ", "), units.back()}},
            p.stepUnit, ParseTableStepUnit);
    // Beyond the window's 1,000 rows the table is streamed as it is computed.
    AddRead(app,
            {"--points", "N", "a whole number of rows, %1 to %2",
             "more than " + std::to_string(kTableMaxPointCount) +
                 " rows are written as they are computed (a year at one-minute steps is "
                 "525600 rows)",
             std::to_string(p.pointCount),
             {std::to_string(kTableMinPointCount), std::to_string(kTableMaxStreamedPointCount)}},
            p.pointCount, [](std::string_view text) -> std::optional<int> {
                const std::optional<int> points = ParseWholeNumber(text);
                if (!points || *points < kTableMinPointCount ||
                    *points > kTableMaxStreamedPointCount) {
                    return std::nullopt;
                }
                return points;
            });

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
        if (!parsed.ok) {
            throw Refusal(parsed.entry.empty()
                              ? CliMessage("--columns: empty column name in \"%1\"", {list})
                              : CliMessage("--columns: unknown column \"%1\"; known columns: %2",
                                           {parsed.entry, parsed.known}));
        }
        tableRequest_.columnOrder = parsed.order;
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
              "in the order --columns gives them and the values as plain numbers with \".\" (hours, degrees, seconds, days), the "
              "date as YYYY-MM-DD, the time followed by UtcOffset, the offset of the row's clock "
              "(+01:00), and azimuths as bearings from north"},
             tableRequest_.format, kFormatNames);
    AddLanguage(app);
    AddRead(app,
            {"--output", "FILE", "the name of a file to write, in a folder that exists, or - for "
             "standard output",
             "written instead of standard output, replaced whole, or left as it was when writing "
             "fails; a pipe or a terminal is written directly",
             "standard output"},
            tableRequest_.outputPath, [](std::string_view name) -> std::optional<std::string> {
                if (name == "-") return std::string(name);
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

CliCommand CommandLine::TableCommand(const LocalClock& clock) const {
    if (!app_.get_options([](const CLI::Option* option) { return option->count() > 0; }).empty()) {
        throw Refusal(CliWord(
            "unexpected argument 'table': the table subcommand comes first, as in tarvel-cli "
            "table --step 1 --unit days (see tarvel-cli table --help)"));
    }
    const SolarRequest q = Request(clock);
    CliCommand command;
    command.action = CliAction::kTable;
    command.table = tableRequest_;
    if (command.table.outputPath == "-") command.table.outputPath.reset();  // standard output
    TableParameters& p = command.table.parameters;
    p.start = q.Clock();
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
        throw Refusal(CliMessage("this computer's standard zone (%1 hours east of UTC) is not a "
                                 "zone of the table: give --zone with %2",
                                 {Number(p.zoneHours),
                                  CliMessage(kTableZonesAccepted, {TableZoneList()})}));
    }
    // The engine's own checks and messages.
    // The number of rows was checked when read: the command line streams
    // the tables the window would refuse as too long.
    TableParameters checked = p;
    checked.pointCount = std::min(p.pointCount, kTableMaxPointCount);
    const TableValidation validation = ValidateTableParameters(checked, tableTexts_);
    if (!validation.ok()) {
        throw Refusal(TableFieldOption(validation.field) + ": " + validation.message);
    }
    if (IsFractionalStepRefused(p.stepValue, p.stepUnit)) {
        throw Refusal("--step: " + tableTexts_.Get(table_string::kFractionalStep));
    }
    return command;
}

}  // namespace cli

CliCommand ParseTableCommandLine(const std::vector<std::string>& args, const LocalClock& clock) {
    return cli::ParseSubcommand("table", args, clock);
}

std::string CliTableHelpText() {
    return cli::CommandLine().TableHelp();
}

}  // namespace tarvel
