// Tables on a zone's real clock: rows across summer-time changes, and the
// offsets such rows may have.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "civil/tz_zone_rules.h"
#include "support/solar_support.h"
#include "support/zone_support.h"
#include "table/table_run.h"

namespace tarvel {
namespace {

using test_support::Rules;

std::string Reading(const ClockInstant& r) {
    return test_support::ReadingText(r);
}

TableParameters RomeTable(ClockInstant start, double step, TableStepUnit unit, int points) {
    TableParameters p;
    p.start = start;
    p.stepValue = step;
    p.stepUnit = unit;
    p.pointCount = points;
    p.latitude = 41.9;
    p.longitude = -12.5;
    p.zoneRules = Rules("Europe/Rome");
    return p;
}

// Steps of hours follow real time across the spring change; steps of days
// keep the clock reading across the autumn one.
TEST(ZoneTableTest, RowsCrossSummerTimeChanges) {
    const struct {
        TableParameters parameters;
        std::vector<const char*> readings;
        std::vector<bool> summer;
        double hoursBetweenFirstAndLast;
    } cases[] = {
        {RomeTable({2024, 3, 31, 0, 0, 0}, 1, TableStepUnit::Hours, 5),
         {"2024-03-31 00:00:00.000", "2024-03-31 01:00:00.000", "2024-03-31 03:00:00.000",
          "2024-03-31 04:00:00.000", "2024-03-31 05:00:00.000"},
         {false, false, true, true, true},
         4.0},
        {RomeTable({2024, 10, 27, 1, 0, 0}, 30, TableStepUnit::Minutes, 5),
         {"2024-10-27 01:00:00.000", "2024-10-27 01:30:00.000", "2024-10-27 02:00:00.000",
          "2024-10-27 02:30:00.000", "2024-10-27 02:00:00.000"},
         {true, true, true, true, false},
         2.0},
        {RomeTable({2024, 10, 26, 12, 0, 0}, 1, TableStepUnit::Days, 3),
         {"2024-10-26 12:00:00.000", "2024-10-27 12:00:00.000", "2024-10-28 12:00:00.000"},
         {true, false, false},
         49.0},
        // A start in the gap is computed just after the change.
        {RomeTable({2024, 3, 31, 2, 30, 0}, 1, TableStepUnit::Hours, 2),
         {"2024-03-31 03:00:00.000", "2024-03-31 04:00:00.000"},
         {true, true},
         1.0},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ValidateTableParameters(c.parameters).ok());
        const std::vector<ClockInstant> rows = TableRowInstants(c.parameters);
        ASSERT_EQ(rows.size(), c.readings.size());
        std::vector<double> julianDays;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(Reading(rows[i]), c.readings[i]) << "row " << i;
            EXPECT_EQ(rows[i].zoneSummerTime, c.summer[i]) << Reading(rows[i]);
            julianDays.push_back(
                CalcSolarParameters(TableRowRequest(c.parameters, rows[i])).julianDay);
        }
        EXPECT_NEAR((julianDays.back() - julianDays.front()) * 24.0, c.hoursBetweenFirstAndLast,
                    1e-6)
            << c.readings.front();
    }
}

// Offsets outside the manual zone list are allowed under zone rules
// (Kathmandu's +5:45 is in it, Dublin's -0:25:21 is not).
TEST(ZoneTableTest, HistoricOffsetsAreAllowedUnderZoneRules) {
    TableParameters p = RomeTable({1910, 6, 1, 12, 0, 0}, 1, TableStepUnit::Days, 2);
    p.zoneRules = Rules("Europe/Dublin");
    p.zoneHours = 5.5f;  // not used under rules
    EXPECT_TRUE(ValidateTableParameters(p).ok());
    const std::vector<ClockInstant> rows = TableRowInstants(p);
    EXPECT_EQ(rows.front().zoneOffsetSeconds, -1521);
    p.zoneRules = nullptr;
    p.zoneHours = -0.4225f;
    EXPECT_FALSE(ValidateTableParameters(p).ok());
}

// Each row's events on the clock in force at their instant: the row asked
// at 01:00 on the day the clocks go forward has its rise on summer time, as
// the same date asked at noon has it.
TEST(ZoneTableTest, EachRowsEventsAreOnTheirOwnClocks) {
    TableParameters p = RomeTable({2024, 3, 30, 1, 0, 0}, 1, TableStepUnit::Days, 3);
    const TableComputation computation = ComputeTableRows(p);
    ASSERT_EQ(computation.rows.size(), 3u);
    const ClockInstant noon[] = {
        {{2024, 3, 30, 12, 0, 0}}, {{2024, 3, 31, 12, 0, 0}}, {{2024, 4, 1, 12, 0, 0}}};
    for (std::size_t i = 0; i < 3; ++i) {
        TableParameters atNoon = p;
        atNoon.start = noon[i];
        atNoon.pointCount = 1;
        const SolarResult expected = ComputeTableRows(atNoon).rows.front().result;
        const SolarResult& row = computation.rows[i].result;
        EXPECT_NEAR(row.apparentRise * 3600.0, expected.apparentRise * 3600.0, 0.5)
            << Reading(computation.rows[i].instant);
        EXPECT_NEAR(row.apparentSet * 3600.0, expected.apparentSet * 3600.0, 0.5)
            << Reading(computation.rows[i].instant);
    }
}

}  // namespace
}  // namespace tarvel
