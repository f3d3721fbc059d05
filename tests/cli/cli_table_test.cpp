// The table subcommand of tarvel-cli read from its arguments, and its output
// produced in this process: the parameters and options it builds, the refusals
// with the engine's messages, and the texts it takes from the table engine.
#include "cli/cli_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "support/table_support.h"
#include "table/table_csv.h"
#include "table/table_options.h"
#include "table/table_parameters.h"
#include "table/table_run.h"
#include "table/table_texts.h"

namespace tarvel {
namespace {

// A clock fixed at 2024-07-01 12:34:56 in a zone of standard offset
// `zoneHours` whose summer time runs from April to September.
LocalClock FixedClock(float zoneHours = 1.0f) {
    LocalClock clock;
    clock.present = [zoneHours] {
        LocalMoment moment;
        moment.date = {2024, 7, 1};
        moment.time = {12, 34, 56.0};
        moment.standardZoneHours = zoneHours;
        return moment;
    };
    clock.summerTimeAt = [](const CivilDate& date, const ClockTime&) {
        return date.month >= 4 && date.month <= 9;
    };
    return clock;
}

std::string Joined(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& a : args) text += a + " ";
    return text;
}

// ParseCommandLine of "table" followed by args.
CliCommand ParseTable(std::vector<std::string> args, float zoneHours = 1.0f) {
    args.insert(args.begin(), "table");
    return ParseCommandLine(args, FixedClock(zoneHours));
}

TEST(CliTableTest, DefaultsAreThoseOfAFreshTableWindow) {
    const CliCommand command = ParseTable({});
    ASSERT_EQ(command.action, CliAction::kTable) << command.text;
    const TableParameters& p = command.table.parameters;
    // The instant and site defaults of one instant.
    EXPECT_EQ(p.start.year, 2024);
    EXPECT_EQ(p.start.month, 7);
    EXPECT_EQ(p.start.day, 1);
    EXPECT_EQ(p.start.hour, 12);
    EXPECT_EQ(p.start.minute, 34);
    EXPECT_EQ(p.start.second, 56.0);
    EXPECT_EQ(p.zoneHours, 1.0f);
    EXPECT_TRUE(p.summerTime);
    // The observer of the stored settings' defaults (checked against the
    // documented values by the settings store's tests).
    EXPECT_EQ(static_cast<const ObserverSettings&>(p), ObserverSettings());
    // The window's own defaults.
    EXPECT_EQ(p.stepValue, 1.0);
    EXPECT_EQ(p.stepUnit, TableStepUnit::Hours);
    EXPECT_EQ(p.pointCount, 50);
    EXPECT_EQ(command.table.options, TableOptions());
    EXPECT_EQ(command.table.format, CliTableFormat::kWindow);
    EXPECT_FALSE(command.table.outputPath.has_value());
}

TEST(CliTableTest, GivenValuesFillTheParametersAsForOneInstant) {
    const std::vector<std::string> args = {"--date",
                                           "2024-06-21",
                                           "--time",
                                           "05:06:07",
                                           "--zone",
                                           "-03:30",
                                           "--lat",
                                           "33.9S",
                                           "--lon",
                                           "74W",
                                           "--height",
                                           "250",
                                           "--refraction",
                                           "integration",
                                           "--pressure",
                                           "990",
                                           "--temperature",
                                           "-5",
                                           "--refraction-height",
                                           "500",
                                           "--humidity",
                                           "65",
                                           "--fajr",
                                           "-18",
                                           "--isha",
                                           "-15.5",
                                           "--summer",
                                           "--step",
                                           "0.25",
                                           "--unit",
                                           "seconds",
                                           "--points",
                                           "1000",
                                           "--columns",
                                           "gmst, Declination",
                                           "--decimal-angles",
                                           "--decimal-hours",
                                           "--format",
                                           "CSV",
                                           "--output",
                                           "out.csv"};
    const CliCommand command = ParseTable(args);
    ASSERT_EQ(command.action, CliAction::kTable) << command.text;

    // The same options read as one instant give the same request.
    std::vector<std::string> oneInstant(args.begin(), args.begin() + 27);
    const CliCommand instant = ParseCommandLine(oneInstant, FixedClock());
    ASSERT_EQ(instant.action, CliAction::kCompute) << instant.text;
    const SolarRequest& q = instant.request;
    const TableParameters& p = command.table.parameters;
    EXPECT_EQ(p.start.year, q.year);
    EXPECT_EQ(p.start.month, q.month);
    EXPECT_EQ(p.start.day, q.day);
    EXPECT_EQ(p.start.hour, q.hour);
    EXPECT_EQ(p.start.minute, q.minute);
    EXPECT_EQ(p.start.second, q.second);
    EXPECT_EQ(p.zoneHours, q.zoneHours);
    EXPECT_EQ(p.summerTime, q.summerTime);
    EXPECT_EQ(p.latitude, q.latitude);
    EXPECT_EQ(p.longitude, q.longitude);
    EXPECT_EQ(p.height, q.height);
    EXPECT_EQ(p.refractionModel, q.refractionModel);
    EXPECT_EQ(p.pressure, q.pressure);
    EXPECT_EQ(p.temperature, q.temperature);
    EXPECT_EQ(p.refractionHeight, q.refractionHeight);
    EXPECT_EQ(p.humidity, q.humidity);
    EXPECT_EQ(p.fajrAngle, q.fajrAngle);
    EXPECT_EQ(p.ishaAngle, q.ishaAngle);
    // And the values themselves.
    EXPECT_EQ(p.start.second, 7.0);
    EXPECT_EQ(p.zoneHours, -3.5f);
    EXPECT_TRUE(p.summerTime);
    EXPECT_EQ(p.latitude, -33.9);
    EXPECT_EQ(p.longitude, 74.0);
    EXPECT_EQ(p.refractionModel, kRefractionIntegration);
    EXPECT_EQ(p.ishaAngle, -15.5);

    EXPECT_EQ(p.stepValue, 0.25);
    EXPECT_EQ(p.stepUnit, TableStepUnit::Seconds);
    EXPECT_EQ(p.pointCount, 1000);
    TableOptions expected;
    expected.showGmst = true;
    expected.showDeclination = true;
    expected.decimalAngles = true;
    expected.decimalHours = true;
    EXPECT_EQ(command.table.options, expected) << ColumnOptionList(command.table.options);
    EXPECT_EQ(command.table.format, CliTableFormat::kCsv);
    EXPECT_EQ(command.table.outputPath, std::optional<std::string>("out.csv"));
}

TEST(CliTableTest, StepsUnitsAndPoints) {
    struct Case {
        std::vector<std::string> args;
        double step;
        TableStepUnit unit;
        int points;
    } cases[] = {
        {{"--step", "60", "--unit", "years", "--points", "10"}, 60.0, TableStepUnit::Years, 10},
        {{"--step", "0.01", "--unit", "seconds"}, 0.01, TableStepUnit::Seconds, 50},
        {{"--step", "1e1", "--unit", "Months"}, 10.0, TableStepUnit::Months, 50},
        {{"--step", "2.0", "--unit", "days"}, 2.0, TableStepUnit::Days, 50},
        {{"--unit", "MINUTES", "--points", "1"}, 1.0, TableStepUnit::Minutes, 1},
        {{"--unit", "giorni"}, 1.0, TableStepUnit::Days, 50},  // the unit list's text
        {{"--points", "+7"}, 1.0, TableStepUnit::Hours, 7},
        {{"--step", "59.5", "--unit", "seconds", "--points", "1000"},
         59.5,
         TableStepUnit::Seconds,
         1000},
    };
    for (const Case& c : cases) {
        const CliCommand command = ParseTable(c.args);
        ASSERT_EQ(command.action, CliAction::kTable) << Joined(c.args) << command.text;
        const TableParameters& p = command.table.parameters;
        EXPECT_EQ(p.stepValue, c.step) << "table " << Joined(c.args);
        EXPECT_EQ(p.stepUnit, c.unit) << "table " << Joined(c.args);
        EXPECT_EQ(p.pointCount, c.points) << "table " << Joined(c.args);
    }
}

TEST(CliTableTest, ColumnLists) {
    TableOptions every;
    SetAllColumnFlags(every, true);
    TableOptions some;
    some.showEquationOfTime = true;
    some.showQiblaTime = true;
    struct Case {
        const char* list;
        TableOptions expected;
    } cases[] = {
        {"all", every},
        {"ALL", every},
        {"equationOfTime,qiblaTime", some},
        {"QIBLATIME , equationoftime", some},
        {"", TableOptions()},
    };
    for (const Case& c : cases) {
        const CliCommand command = ParseTable({"--columns", c.list});
        ASSERT_EQ(command.action, CliAction::kTable) << c.list << ": " << command.text;
        EXPECT_EQ(ColumnOptionList(command.table.options), ColumnOptionList(c.expected))
            << "--columns \"" << c.list << "\"";
        EXPECT_FALSE(command.table.options.decimalAngles || command.table.options.decimalHours);
    }
    // Every name of the engine's column table is accepted on its own.
    for (const TableColumnOption& option : kTableColumnOptions) {
        const CliCommand command = ParseTable({"--columns", std::string(option.name)});
        ASSERT_EQ(command.action, CliAction::kTable) << option.name << ": " << command.text;
        EXPECT_EQ(ColumnOptionList(command.table.options), option.name);
    }
}

TEST(CliTableTest, WholeNumbers) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"0", 0},
        {"1000", 1000},
        {"+7", 7},
        {"-3", -3},
        {"007", 7},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"1.5", {}},
        {"1e3", {}},
        {"", {}},
        {"+", {}},
        {" 5", {}},
        {"5 ", {}},
        {"0x10", {}},
        {"--5", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseWholeNumber(c.text), c.expected) << "ParseWholeNumber(\"" << c.text << "\")";
    }
}

TEST(CliTableTest, RefusalsAreOneLineNamingTheOption) {
    const std::string fractional = TableTexts().Get(table_string::kFractionalStep);
    struct Case {
        std::vector<std::string> args;
        std::string expected;  // the whole line
    } cases[] = {
        // The engine's validation, with its documented texts.
        {{"--step", "1.5", "--unit", "hours"}, "tarvel-cli: --step: " + fractional},
        {{"--step", "0.5", "--unit", "days"}, "tarvel-cli: --step: " + fractional},
        {{"--step", "1.5"}, "tarvel-cli: --step: " + fractional},  // the default unit, hours
        // The number of rows: the command line's own bounds (it streams
        // tables longer than the window's 1000 rows).
        {{"--points", "0"},
         "tarvel-cli: --points '0' not accepted: expected a whole number of rows, 1 to 1000000"},
        {{"--points", "1000001"},
         "tarvel-cli: --points '1000001' not accepted: expected a whole number of rows, 1 to "
         "1000000"},
        {{"--points", "-5"},
         "tarvel-cli: --points '-5' not accepted: expected a whole number of rows, 1 to 1000000"},
        {{"--step", "61"}, "tarvel-cli: --step: Immettere un numero compreso tra 0.01 e 60."},
        {{"--step", "0.001", "--unit", "seconds"},
         "tarvel-cli: --step: Immettere un numero compreso tra 0.01 e 60."},
        {{"--step", "0"}, "tarvel-cli: --step: Immettere un numero compreso tra 0.01 e 60."},
        {{"--height", "-1000.5"},
         "tarvel-cli: --height '-1000.5' not accepted: expected a height above sea level in "
         "metres from -1000 to 20000"},
        {{"--height", "20000.5"},
         "tarvel-cli: --height '20000.5' not accepted: expected a height above sea level in "
         "metres from -1000 to 20000"},
        {{"--date", "1899-12-31"},
         "tarvel-cli: --date/--time: Immettere una data e un'ora comprese tra 1900-01-01 00:00:00 "
         "e "
         "3000-01-01 00:00:00."},
        {{"--date", "3000-01-01", "--time", "00:00:01"},
         "tarvel-cli: --date/--time: Immettere una data e un'ora comprese tra 1900-01-01 00:00:00 "
         "e "
         "3000-01-01 00:00:00."},
        // The command line's own checks.
        {{"--delta-t", "69"},
         "tarvel-cli: --delta-t does not apply to table: every row takes Delta T from the built-in "
         "model for its own date"},
        {{"--step", "abc"},
         "tarvel-cli: --step 'abc' not accepted: expected a step as a decimal number, 0.01 to 60"},
        {{"--step", "1,5"},
         "tarvel-cli: --step '1,5' not accepted: expected a step as a decimal number, 0.01 to 60"},
        {{"--unit", "weeks"},
         "tarvel-cli: --unit 'weeks' not accepted: expected years, months, days, hours, minutes or "
         "seconds"},
        {{"--points", "2.5"},
         "tarvel-cli: --points '2.5' not accepted: expected a whole number of rows, 1 to "
         "1000000"},
        {{"--format", "xml"},
         "tarvel-cli: --format 'xml' not accepted: expected window, file, clipboard or csv"},
        {{"--step"}, "tarvel-cli: --step needs a value: a step as a decimal number, 0.01 to 60"},
        {{"--points", "1", "--points", "2"},
         "tarvel-cli: --points given more than once: give it once, with a whole number of rows, 1 "
         "to 1000000"},
        {{"--decimal-hours=1"}, "tarvel-cli: --decimal-hours takes no value"},
        {{"--json"},
         "tarvel-cli: unknown option '--json'; the options are listed by tarvel-cli table --help"},
        {{"stray"},
         "tarvel-cli: unexpected argument 'stray'; tarvel-cli table takes options only (see "
         "tarvel-cli table --help)"},
        {{"--lat", "91"},
         "tarvel-cli: --lat '91' not accepted: expected a latitude in degrees from -90 to 90, "
         "negative south (or 33.9S, 45N)"},
        {{"--summer", "--no-summer"},
         "tarvel-cli: --summer and --no-summer exclude each other: give at most one of them"},
    };
    for (const Case& c : cases) {
        const CliCommand command = ParseTable(c.args);
        EXPECT_EQ(command.action, CliAction::kFail) << "table " << Joined(c.args);
        EXPECT_EQ(command.text, c.expected) << "table " << Joined(c.args);
    }

    // Unknown column names: the engine's message, after the option.
    const CliCommand unknown = ParseTable({"--columns", "declination,sunspots"});
    EXPECT_EQ(unknown.action, CliAction::kFail);
    EXPECT_EQ(unknown.text.rfind("tarvel-cli: --columns: unknown column \"sunspots\"", 0), 0u)
        << unknown.text;
    EXPECT_EQ(unknown.text.find('\n'), std::string::npos) << unknown.text;
    // "all" beside a day time's column: every column of the form and that one.
    const CliCommand allAndSunrise = ParseTable({"--columns", "all,sunrise"});
    ASSERT_NE(allAndSunrise.action, CliAction::kFail) << allAndSunrise.text;
    EXPECT_TRUE(allAndSunrise.table.options.showDeclination);
    EXPECT_TRUE(allAndSunrise.table.options.dayColumns.showSunrise);
    const CliCommand empty = ParseTable({"--columns", "declination,,gmst"});
    EXPECT_EQ(empty.action, CliAction::kFail);
    EXPECT_EQ(empty.text.rfind("tarvel-cli: --columns: empty column name", 0), 0u) << empty.text;
}

TEST(CliTableTest, ZonesOutsideTheTablesListAreRefused) {
    const std::string accepted =
        "one of the table's zones, in hours east of UTC (also as +HH:MM or -HH:MM): -11, -10, "
        "-9.5, -9, -8, -7, -6, -5, -4.5, -4, -3.5, -3, -2, -1, 0, 1, 2, 3, 3.5, 4, 4.5, 5, 5.5, "
        "5.75, 6, 6.5, 7, 8, 8.5, 8.75, 9, 9.5, 10, 10.5, 11, 11.5, 12, 12.75, 13, 14";
    for (const char* zone : {"5.1", "-12", "12.5", "+05:30:00", "abc"}) {
        const CliCommand command = ParseTable({"--zone", zone});
        EXPECT_EQ(command.action, CliAction::kFail) << "--zone " << zone;
        const std::string text = zone;
        if (text == "+05:30:00" || text == "abc") {
            // Not a zone at all: still what the table accepts.
            EXPECT_EQ(command.text,
                      "tarvel-cli: --zone '" + text + "' not accepted: expected " + accepted)
                << command.text;
        } else {
            EXPECT_EQ(command.text, "tarvel-cli: --zone '" + text +
                                        "' not accepted by table: expected " + accepted)
                << "--zone " << zone;
        }
    }
    // Every zone of the list is taken, in either notation.
    for (const float offset : kZoneListOffsets) {
        char text[16];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(offset));
        const CliCommand command = ParseTable({"--zone", text});
        ASSERT_EQ(command.action, CliAction::kTable) << "--zone " << text << ": " << command.text;
        EXPECT_EQ(command.table.parameters.zoneHours, offset) << "--zone " << text;
    }
    for (const char* zone : {"+05:45", "-09:30", "+12:45", "-03:30"}) {
        EXPECT_EQ(ParseTable({"--zone", zone}).action, CliAction::kTable) << "--zone " << zone;
    }
    // The computer's own zone, when it is not in the list, needs --zone.
    const CliCommand own = ParseTable({}, -12.0f);
    EXPECT_EQ(own.action, CliAction::kFail);
    EXPECT_EQ(own.text,
              "tarvel-cli: this computer's standard zone (-12 hours east of UTC) is not a "
              "zone of the table: give --zone with " +
                  accepted);
    EXPECT_EQ(ParseTable({"--zone", "1"}, -12.0f).action, CliAction::kTable);
}

TEST(CliTableTest, HelpListsTheEnginesColumnsZonesAndExitCodes) {
    const CliCommand help = ParseTable({"--help"});
    ASSERT_EQ(help.action, CliAction::kPrint);
    EXPECT_EQ(help.text, CliTableHelpText());
    EXPECT_EQ(ParseTable({"-h"}).text, CliTableHelpText());
    const std::string& text = help.text;
    EXPECT_EQ(text.rfind("Usage: tarvel-cli table ", 0), 0u) << text;
    for (const TableColumnOption& option : kTableColumnOptions) {
        const std::string name(option.name);
        // As a word of the list: followed by "," or the end of the line.
        EXPECT_TRUE(text.find(" " + name + ",") != std::string::npos ||
                    text.find(" " + name + "\n") != std::string::npos)
            << "column " << name << " missing from the table help";
    }
    for (const float offset : kZoneListOffsets) {
        char zone[16];
        std::snprintf(zone, sizeof zone, " %g,", static_cast<double>(offset));
        EXPECT_TRUE(text.find(zone) != std::string::npos ||
                    text.find(std::string(zone).substr(0, std::string(zone).size() - 1) + "\n") !=
                        std::string::npos)
            << "zone" << zone << " missing from the table help";
    }
    for (const char* option : {"--step N", "--unit UNIT", "--points N", "--columns LIST|all",
                               "--decimal-angles", "--decimal-hours", "--format FORMAT",
                               "--output FILE", "Exit status:", "\n  0  ", "\n  1  ", "\n  2  "}) {
        EXPECT_NE(text.find(option), std::string::npos) << option << " missing from the help";
    }
    // No line wider than the usage lines.
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        EXPECT_LE(end - start, 100u) << text.substr(start, end - start);
        start = end + 1;
    }
    // The main help points to the subcommand.
    EXPECT_NE(CliHelpText().find("tarvel-cli table"), std::string::npos);
    // The table as a later argument is a misplaced subcommand.
    const CliCommand late = ParseCommandLine({"--lat", "5", "table"}, FixedClock());
    EXPECT_EQ(late.action, CliAction::kFail);
    EXPECT_NE(late.text.find("the table subcommand comes first"), std::string::npos) << late.text;
}

// The parameters of a short table at Rome, as the engine takes them.
TableParameters RomeParameters() {
    return test_support::RomeSolsticeTable(3);
}

TEST(CliTableTest, OutputIsTheEnginesTextForEachFormat) {
    CliTableRequest request;
    request.parameters = RomeParameters();
    request.options.showEquationOfTime = true;
    request.options.showDeclination = true;
    request.options.decimalHours = true;
    TableLocale comma;
    comma.decimalSeparator = ",";
    comma.shortDatePattern = "%d.%m.%Y";

    struct Case {
        CliTableFormat format;
        TableTarget target;
    } cases[] = {
        {CliTableFormat::kWindow, TableTarget::Window},
        {CliTableFormat::kFile, TableTarget::File},
        {CliTableFormat::kClipboard, TableTarget::Clipboard},
    };
    for (const Case& c : cases) {
        for (const TableLocale& locale : {TableLocale(), comma}) {
            request.format = c.format;
            const CliTableOutput output = ProduceTableOutput(request, locale);
            EXPECT_EQ(output.exitCode, kExitSuccess);
            EXPECT_EQ(output.diagnostics, "");
            const TableRunResult expected =
                RunTable(request.parameters, request.options, c.target, locale);
            ASSERT_EQ(expected.status, TableRunStatus::Ok);
            EXPECT_EQ(output.text, expected.text) << "format " << static_cast<int>(c.format)
                                                  << ", separator " << locale.decimalSeparator;
        }
    }

    request.format = CliTableFormat::kCsv;
    const TableComputation rows = ComputeTableRows(request.parameters);
    ASSERT_EQ(rows.status, TableRunStatus::Ok);
    const std::string csv = ProduceTableOutput(request, TableLocale()).text;
    EXPECT_EQ(ProduceTableOutput(request, comma).text, csv) << "CSV ignores the locale";
    // The engine's CSV with the command line's offset column.
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "Date,Time,UtcOffset,EquationOfTime,Declination");
    std::string engine = WriteTableCsv(request.options, rows.rows, request.parameters.latitude);
    std::string withoutOffsets = csv;
    for (std::size_t at; (at = withoutOffsets.find(",+02:00")) != std::string::npos;) {
        withoutOffsets.erase(at, 7);
    }
    withoutOffsets.replace(0, withoutOffsets.find("\r\n"), "Date,Time,EquationOfTime,Declination");
    EXPECT_EQ(withoutOffsets, engine);
}

TEST(CliTableTest, RowsThatFailAreReportedOnStandardErrorAndWrittenEmpty) {
    CliTableRequest request;
    request.parameters = RomeParameters();
    TableRunControl control;
    control.threadCount = 1;
    control.compute = [](const SolarRequest& q) {
        if (q.day == 22) throw std::runtime_error("no Sun\ntoday");
        return CalcSolarParameters(q);
    };
    struct Case {
        CliTableFormat format;
        const char* lastDate;
    } cases[] = {{CliTableFormat::kWindow, "23/06/2024"}, {CliTableFormat::kCsv, "2024-06-23"}};
    for (const Case& c : cases) {
        request.format = c.format;
        const CliTableOutput output = ProduceTableOutput(request, TableLocale(), control);
        EXPECT_EQ(output.exitCode, kExitSuccess);
        EXPECT_EQ(output.diagnostics,
                  "tarvel-cli: row 2 could not be computed and has no values: no Sun today\n");
        // The rows around the failing one are written.
        EXPECT_NE(output.text.find(c.lastDate), std::string::npos) << output.text;
    }
}

TEST(CliTableTest, EngineRefusalsAreUsageErrors) {
    CliTableRequest request;
    request.parameters = RomeParameters();
    request.parameters.stepValue = 1.5;
    for (CliTableFormat format : {CliTableFormat::kWindow, CliTableFormat::kCsv}) {
        request.format = format;
        const CliTableOutput output = ProduceTableOutput(request, TableLocale());
        EXPECT_EQ(output.exitCode, kExitUsage);
        EXPECT_EQ(output.text, "");
        EXPECT_EQ(output.diagnostics,
                  "tarvel-cli: " + TableTexts().Get(table_string::kFractionalStep) + "\n");
    }
}

}  // namespace
}  // namespace tarvel
