// The day times in the table: their columns and option names, the chosen
// method's prayers in the prayer columns, the rule mark in the text and the
// rule columns in CSV, and the documented table unchanged by them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/table_support.h"
#include "table/table_columns.h"
#include "table/table_csv.h"
#include "table/table_layout.h"
#include "table/table_run.h"
#include "table_test_support.h"

namespace tarvel {
namespace {

using table_test::Lines;
using table_test::PlainRow;

// A row whose day times have plain values: the method's Fajr given by a rule.
TableRow RowWithDayTimes(HighLatitudeRule rule) {
    TableRow row = PlainRow();
    DayTimes d;
    d.rule = rule;
    d.fajr = 1.5;
    d.fajrRule = rule;
    d.isha = 23.25;
    d.zuhr = 11.75;
    d.asr1 = 14.0;
    d.asr2 = 14.5;
    d.maghrib = 16.75;
    d.sunrise = 7.25;
    d.civilDawn = 6.75;
    d.nightLength = 14.5;
    d.occurs.fajr = d.occurs.isha = d.occurs.zuhr = d.occurs.asr1 = d.occurs.asr2 = true;
    d.occurs.maghrib = d.occurs.sunrise = d.occurs.civilDawn = d.occurs.night = true;
    row.days = d;
    return row;
}

TEST(DayTimeColumns, OptionNamesAndSelection) {
    struct Case {
        const char* list;
        bool ok;
        const char* selected;  // ColumnOptionList with the day times' columns
        std::vector<int> numbers;
    } cases[] = {
        {"sunrise", true, "sunrise", {1, 2, 48}},
        {"NIGHT, fajr", true, "fajr,night", {1, 2, 40, 57, 58, 59}},
        {"civilTwilight,nauticalTwilight,astronomicalTwilight,goldenHour",
         true,
         "civilTwilight,nauticalTwilight,astronomicalTwilight,goldenHour",
         {1, 2, 49, 50, 51, 52, 53, 54, 55, 56}},
        {"all", true, nullptr, {}},  // the 33 of the options dialog only
        {"sunrise,dusk", false, nullptr, {}},
    };
    for (const Case& c : cases) {
        TableOptions options;
        TableDayTimeColumns days;
        days.showGoldenHour = true;  // cleared by every list that is read
        const ColumnOptionParse parse = ParseColumnOptionList(c.list, options, days);
        EXPECT_EQ(parse.ok, c.ok) << c.list << ": " << parse.error;
        if (!c.ok) {
            EXPECT_NE(parse.error.find("known columns: all, deltaT,"), std::string::npos);
            EXPECT_NE(parse.error.find(",sunrise,civilTwilight,"), std::string::npos);
            EXPECT_TRUE(days.showGoldenHour) << "unchanged";
            continue;
        }
        if (c.selected == nullptr) {
            TableOptions every;
            SetAllColumnFlags(every, true);
            EXPECT_EQ(options, every);
            EXPECT_EQ(days, TableDayTimeColumns());
            continue;
        }
        EXPECT_EQ(ColumnOptionList(options, days), c.selected);
        std::vector<int> numbers;
        for (const TableColumn* column : SelectedTableColumns(TableColumnSet(options, days))) {
            numbers.push_back(column->number);
        }
        EXPECT_EQ(numbers, c.numbers) << c.list;
    }
    // The documented list reads the 33 names only.
    TableOptions options;
    EXPECT_FALSE(ParseColumnOptionList("sunrise", options).ok);
}

TEST(DayTimeColumns, HeadingsCellsAndTheRuleMark) {
    TableColumnSet set;
    set.showFajr = true;
    set.showZuhr = true;
    set.dayColumns.showSunrise = true;
    set.dayColumns.showCivilTwilight = true;
    const std::vector<std::string> headings =
        Lines(TableTextWriter(set, TableTarget::Window).HeadingLines());
    const std::size_t fixed = std::string("    data     |     ora     |").size();
    EXPECT_EQ(headings[0].substr(fixed),
              "    Fajr     |    Zuhr     |   Shuruq    |    alba     | crepuscolo  |");
    EXPECT_EQ(headings[1].substr(fixed),
              "             |             |             |   civile    |   civile    |");

    // Without day times the prayer columns show the documented values; with
    // them the method's, and a time a rule gave carries the mark in place of
    // the cell's last blank (the time stays where it is).
    const std::string plain =
        Lines(TableTextWriter(set, TableTarget::Window).RowLine(PlainRow(), 45.0))[0].substr(fixed);
    EXPECT_EQ(plain, "  05:45:00.0 |  11:45:00.0 |  00:00:00.0 |  00:00:00.0 |  00:00:00.0 |");
    const TableRow ruled = RowWithDayTimes(HighLatitudeRule::kSeventhOfTheNight);
    EXPECT_EQ(
        Lines(TableTextWriter(set, TableTarget::Window).RowLine(ruled, 45.0))[0].substr(fixed),
        "  01:30:00.0*|  11:45:00.0 |  07:15:00.0 |  06:45:00.0 |  00:00:00.0 |");
    set.decimalHours = true;
    EXPECT_EQ(Lines(TableTextWriter(set, TableTarget::File).RowLine(ruled, 45.0))[0].substr(fixed),
              "   1.5000000*|  11.7500000 |   7.2500000 |   6.7500000 |   0.0000000 |");
    const std::string clipboard = TableTextWriter(set, TableTarget::Clipboard).RowLine(ruled, 45.0);
    EXPECT_NE(clipboard.find("\t  1.5000000*\t 11.7500000\t"), std::string::npos) << clipboard;
    // Isha unmarked: the angle gave it.
    set.showIsha = true;
    EXPECT_NE(TableTextWriter(set, TableTarget::File).RowLine(ruled, 45.0).find(" 23.2500000 |"),
              std::string::npos);
}

TEST(DayTimeColumns, CsvValuesAndRuleColumns) {
    TableColumnSet set;
    set.showFajr = true;
    set.showIsha = true;
    set.dayColumns.showSunrise = true;
    set.dayColumns.showNight = true;
    TableRow absent = RowWithDayTimes(HighLatitudeRule::kSeventhOfTheNight);
    absent.days->occurs.night = false;
    absent.days->occurs.fajr = false;
    absent.days->fajrRule = HighLatitudeRule::kNone;
    EXPECT_EQ(Lines(WriteTableCsv(
                  set, {RowWithDayTimes(HighLatitudeRule::kSeventhOfTheNight), absent}, 45.0)),
              (std::vector<std::string>{
                  "Date,Time,Fajr,FajrRule,Isha,IshaRule,Sunrise,NightLength,NightMiddle,"
                  "NightLastThird",
                  "2025-12-09,12:00:00.00,1.5,seventh,23.25,,7.25,14.5,0,0",
                  "2025-12-09,12:00:00.00,,,23.25,,7.25,,,"}));
    // Without a rule in force there are no rule columns; without day times
    // the prayer columns are the documented ones and the day times' empty.
    EXPECT_EQ(
        Lines(WriteTableCsv(set, {RowWithDayTimes(HighLatitudeRule::kNone), PlainRow()}, 45.0)),
        (std::vector<std::string>{
            "Date,Time,Fajr,Isha,Sunrise,NightLength,NightMiddle,NightLastThird",
            "2025-12-09,12:00:00.00,1.5,23.25,7.25,14.5,0,0",
            "2025-12-09,12:00:00.00,5.75,18.25,,,,"}));
}

// A day time on another date than its row's: its own date in a column after
// it in CSV (only where some row has one), and the sign of the other date in
// place of the cell's first blank in the text (the time stays where it is).
TEST(DayTimeColumns, TimesOnAnotherDateCarryIt) {
    TableColumnSet set;
    set.showFajr = true;
    set.showIsha = true;
    set.dayColumns.showNight = true;
    TableRow late = RowWithDayTimes(HighLatitudeRule::kSeventhOfTheNight);
    late.days->isha = 0.25;
    late.days->dayOffset.isha = 1;
    late.days->nightMiddle = 23.5;
    late.days->dayOffset.nightMiddle = -1;  // as a dawn before the date's midnight would be
    EXPECT_EQ(Lines(WriteTableCsv(
                  set, {late, RowWithDayTimes(HighLatitudeRule::kSeventhOfTheNight)}, 45.0)),
              (std::vector<std::string>{
                  "Date,Time,Fajr,FajrRule,Isha,IshaDate,IshaRule,NightLength,NightMiddle,"
                  "NightMiddleDate,NightLastThird",
                  "2025-12-09,12:00:00.00,1.5,seventh,0.25,2025-12-10,,14.5,23.5,2025-12-08,0",
                  "2025-12-09,12:00:00.00,1.5,seventh,23.25,2025-12-09,,14.5,0,2025-12-09,0"}));
    const std::size_t fixed = std::string("    data     |     ora     |").size();
    const std::string line =
        Lines(TableTextWriter(set, TableTarget::Window).RowLine(late, 45.0))[0].substr(fixed);
    EXPECT_EQ(line.substr(0, 28), "  01:30:00.0*| +00:15:00.0 |") << line;
    EXPECT_NE(line.find("| -23:30:00.0 |"), std::string::npos) << line;
}

TEST(DayTimeColumns, RunsComputeTheDayTimesWhenNeeded) {
    TableParameters p = test_support::RomeSolsticeTable(3);
    TableColumnSet set;
    set.showFajr = true;
    set.showMaghrib = true;
    set.showIsha = true;
    EXPECT_FALSE(TableNeedsDayTimes(p, set));
    const TableRunResult documented = RunTable(p, set, TableTarget::File);
    ASSERT_EQ(documented.status, TableRunStatus::Ok);

    // A day times' column with the documented settings: the prayer columns
    // keep every character.
    TableColumnSet withNight = set;
    withNight.dayColumns.showNight = true;
    EXPECT_TRUE(TableNeedsDayTimes(p, withNight));
    const TableRunResult night = RunTable(p, withNight, TableTarget::File);
    const std::vector<std::string> a = Lines(documented.text);
    const std::vector<std::string> b = Lines(night.text);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(b[i].substr(0, a[i].size()), a[i]) << "line " << i;
    }

    // Another method: its Maghrib is the apparent set, later than the
    // geometric one.
    p.prayerMethod = PrayerMethod::kMuslimWorldLeague;
    EXPECT_TRUE(TableNeedsDayTimes(p, set));
    const TableComputation rows = [&] {
        TableRunControl control;
        control.dayTimes = true;
        return ComputeTableRows(p, control);
    }();
    ASSERT_EQ(rows.status, TableRunStatus::Ok);
    for (const TableRow& row : rows.rows) {
        ASSERT_TRUE(row.days.has_value());
        EXPECT_EQ(row.days->maghrib, row.result.apparentSet);
        EXPECT_GT(row.days->maghrib, row.result.geometricSet);
    }
    const std::string csv = WriteTableCsv(set, rows.rows, p.latitude);
    EXPECT_EQ(Lines(csv)[0], "Date,Time,Fajr,Maghrib,Isha");
    EXPECT_NE(csv.find(RoundTripDecimal(rows.rows[0].result.apparentSet)), std::string::npos);

    // A high-latitude rule at 60 degrees north: Fajr and Isha marked.
    p.latitude = 60;
    p.highLatitudeRule = HighLatitudeRule::kMiddleOfTheNight;
    const TableRunResult marked = RunTable(p, set, TableTarget::Window);
    ASSERT_EQ(marked.status, TableRunStatus::Ok);
    const std::vector<std::string> lines = Lines(marked.text);
    EXPECT_EQ(std::count(lines.back().begin(), lines.back().end(), '*'), 2) << lines.back();
}

}  // namespace
}  // namespace tarvel
