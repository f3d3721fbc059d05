// Row instants: the stepping rules of every unit, with their month ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "table/table_layout.h"
#include "table/table_parameters.h"
#include "support/solar_support.h"
#include "table/table_run.h"

namespace tarvel {
namespace {

std::string Show(const ClockInstant& t) {
    return test_support::ReadingText(t);
}

TEST(SteppingTest, OneStep) {
    const struct {
        ClockInstant from;
        double step;
        TableStepUnit unit;
        ClockInstant expected;
    } cases[] = {
        {{2025, 1, 31, 12, 0, 0}, 1, TableStepUnit::Days, {2025, 2, 1, 12, 0, 0}},
        {{2025, 12, 31, 12, 0, 0}, 1, TableStepUnit::Days, {2026, 1, 1, 12, 0, 0}},
        {{2025, 1, 31, 12, 0, 0}, 30, TableStepUnit::Days, {2025, 3, 2, 12, 0, 0}},
        {{2024, 1, 1, 12, 0, 0}, 60, TableStepUnit::Days, {2024, 3, 1, 12, 0, 0}},
        {{2025, 1, 31, 12, 0, 0}, 60, TableStepUnit::Days, {2025, 4, 1, 12, 0, 0}},
        {{2024, 3, 10, 12, 0, 0}, 25, TableStepUnit::Months, {2026, 4, 10, 12, 0, 0}},
        {{2024, 12, 10, 12, 0, 0}, 1, TableStepUnit::Months, {2025, 1, 10, 12, 0, 0}},
        {{2024, 1, 10, 12, 0, 0}, 60, TableStepUnit::Months, {2029, 1, 10, 12, 0, 0}},
        {{2023, 2, 28, 20, 0, 0}, 60, TableStepUnit::Hours, {2023, 3, 3, 8, 0, 0}},
        {{2025, 6, 30, 23, 30, 0}, 60, TableStepUnit::Minutes, {2025, 7, 1, 0, 30, 0}},
        {{2025, 12, 31, 23, 59, 30}, 30, TableStepUnit::Seconds, {2026, 1, 1, 0, 0, 0}},
        {{2025, 6, 1, 12, 0, 59}, 0.5, TableStepUnit::Seconds, {2025, 6, 1, 12, 0, 59.5}},
        {{2025, 6, 1, 12, 0, 59.5}, 0.5, TableStepUnit::Seconds, {2025, 6, 1, 12, 1, 0}},
        {{2025, 6, 1, 12, 0, 30}, 60, TableStepUnit::Seconds, {2025, 6, 1, 12, 1, 30}},
        // Years and Months keep the day: a day the reached month lacks stays.
        {{2024, 2, 29, 12, 0, 0}, 1, TableStepUnit::Years, {2025, 2, 29, 12, 0, 0}},
        {{2025, 1, 31, 12, 0, 0}, 3, TableStepUnit::Months, {2025, 4, 31, 12, 0, 0}},
        // ... and the next day step counts on from it: 31 April + 1 day is 2 May.
        {{2025, 4, 31, 12, 0, 0}, 1, TableStepUnit::Days, {2025, 5, 2, 12, 0, 0}},
        // Gregorian leap years.
        {{1900, 2, 28, 12, 0, 0}, 1, TableStepUnit::Days, {1900, 3, 1, 12, 0, 0}},
        {{2000, 2, 28, 12, 0, 0}, 1, TableStepUnit::Days, {2000, 2, 29, 12, 0, 0}},
    };
    for (const auto& c : cases) {
        ClockInstant t = c.from;
        AdvanceRowInstant(t, c.step, c.unit);
        EXPECT_EQ(t, c.expected) << "AdvanceRowInstant(" << Show(c.from) << ", " << c.step << " "
                                 << TableStepUnitName(c.unit) << "): expected " << Show(c.expected)
                                 << ", obtained " << Show(t);
    }
}

TEST(SteppingTest, RowsOfHalfSeconds) {
    TableParameters p;
    p.start = {2025, 6, 1, 12, 0, 59.0};
    p.stepValue = 0.5;
    p.stepUnit = TableStepUnit::Seconds;
    p.pointCount = 4;
    const std::vector<ClockInstant> expected = {{2025, 6, 1, 12, 0, 59.0},
                                                   {2025, 6, 1, 12, 0, 59.5},
                                                   {2025, 6, 1, 12, 1, 0.0},
                                                   {2025, 6, 1, 12, 1, 0.5}};
    EXPECT_EQ(TableRowInstants(p), expected);
}

TEST(SteppingTest, DaysAreCountedFromTheRowJustWritten) {
    TableParameters p;
    p.start = {2025, 1, 31, 12, 0, 0.0};
    p.stepValue = 30;
    p.stepUnit = TableStepUnit::Days;
    p.pointCount = 3;
    const std::vector<ClockInstant> rows = TableRowInstants(p);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Show(rows[1]), "2025-03-02 12:00:00.000");
    EXPECT_EQ(Show(rows[2]), "2025-04-01 12:00:00.000");
}

TEST(SteppingTest, DateCellOfADayTheMonthLacks) {
    const struct {
        ClockInstant instant;
        int year, month, day;
    } cases[] = {
        {{2025, 4, 31, 12, 0, 0}, 2025, 5, 1},   {{2025, 2, 29, 0, 0, 0}, 2025, 3, 1},
        {{2024, 2, 29, 23, 0, 0}, 2024, 2, 29},  {{2025, 12, 31, 12, 0, 0}, 2025, 12, 31},
        {{63000, 6, 31, 12, 0, 0}, 63000, 7, 1},  // far beyond any platform formatter
    };
    for (const auto& c : cases) {
        int year = 0, month = 0, day = 0;
        RowCalendarDate(c.instant, year, month, day);
        EXPECT_TRUE(year == c.year && month == c.month && day == c.day)
            << "RowCalendarDate(" << Show(c.instant) << "): expected " << c.year << "-" << c.month
            << "-" << c.day << ", obtained " << year << "-" << month << "-" << day;
    }
}

TEST(SteppingTest, StepUnitNames) {
    for (int i = 0; i < kTableStepUnitCount; ++i) {
        const auto unit = static_cast<TableStepUnit>(i);
        EXPECT_EQ(ParseTableStepUnit(TableStepUnitName(unit)), unit) << TableStepUnitName(unit);
        EXPECT_EQ(ParseTableStepUnit(TableStepUnitListText(unit)), unit)
            << TableStepUnitListText(unit);
    }
    EXPECT_EQ(ParseTableStepUnit("Hours"), TableStepUnit::Hours);
    EXPECT_EQ(TableStepUnitListText(TableStepUnit::Years), "anni");
    EXPECT_EQ(TableStepUnitListText(TableStepUnit::Seconds), "secondi");
    EXPECT_FALSE(ParseTableStepUnit("fortnights").has_value());
}

TEST(SteppingTest, SummerTimeFromTheComputersRules) {
    const char* old = std::getenv("TZ");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("TZ", "Europe/Rome", 1);
    ::tzset();
    const struct {
        ClockInstant instant;
        bool expected;
    } cases[] = {
        {{2025, 7, 1, 12, 0, 0}, true},  {{2025, 1, 1, 12, 0, 0}, false},
        {{1960, 7, 1, 12, 0, 0}, false},  // not later than 1970-01-01 12:00:00: cleared
        {{1970, 1, 1, 12, 0, 0}, false}, {{2999, 7, 1, 12, 0, 0}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SummerTimeForStartInstant(c.instant), c.expected)
            << "SummerTimeForStartInstant(" << Show(c.instant) << ") with TZ=Europe/Rome";
    }
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_FALSE(SummerTimeForStartInstant({2025, 7, 1, 12, 0, 0})) << "TZ=UTC";
    if (old != nullptr) {
        ::setenv("TZ", saved.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

}  // namespace
}  // namespace tarvel
