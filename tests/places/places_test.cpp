// Places from the geonames database, zone rules from the system's tz
// database, and tables and computations on a zone's real clock.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "places/place_search.h"
#include "places/tz_zone_rules.h"
#include "support/solar_support.h"
#include "table/table_run.h"
#include "table/zone_rules.h"

namespace tarvel {
namespace {

std::shared_ptr<const ZoneRules> Rules(const char* name) {
    std::shared_ptr<const ZoneRules> rules = FindZoneRules(name);
    EXPECT_TRUE(rules) << name;
    return rules;
}

std::string Reading(const TableRowInstant& r) {
    return test_support::ReadingText(r);
}

// Offsets and summer flags at a clock reading, from the zone's history.
TEST(ZoneRulesTest, OffsetsAndSummerTimeFollowEachZonesHistory) {
    const struct {
        const char* zone;
        TableRowInstant reading;
        long offset;
        long standard;
        bool summer;
    } cases[] = {
        {"Europe/Rome", {2024, 1, 15, 12, 0, 0}, 3600, 3600, false},
        {"Europe/Rome", {2024, 7, 15, 12, 0, 0}, 7200, 3600, true},
        {"Australia/Lord_Howe", {2024, 1, 15, 12, 0, 0}, 11 * 3600, 10 * 3600 + 1800, true},
        {"Australia/Lord_Howe", {2024, 7, 15, 12, 0, 0}, 10 * 3600 + 1800, 10 * 3600 + 1800,
         false},
        {"Asia/Kathmandu", {2024, 6, 1, 12, 0, 0}, 5 * 3600 + 2700, 5 * 3600 + 2700, false},
        {"America/St_Johns", {2024, 1, 15, 12, 0, 0}, -(3 * 3600 + 1800), -(3 * 3600 + 1800),
         false},
        {"America/St_Johns", {2024, 7, 15, 12, 0, 0}, -(2 * 3600 + 1800), -(3 * 3600 + 1800),
         true},
        // Summer time until 2019, none since.
        {"America/Sao_Paulo", {2018, 1, 15, 12, 0, 0}, -2 * 3600, -3 * 3600, true},
        {"America/Sao_Paulo", {2024, 1, 15, 12, 0, 0}, -3 * 3600, -3 * 3600, false},
        // Moscow: +3 with summer time, then +4 all year (2011-2014), then +3.
        {"Europe/Moscow", {2010, 1, 15, 12, 0, 0}, 3 * 3600, 3 * 3600, false},
        {"Europe/Moscow", {2012, 1, 15, 12, 0, 0}, 4 * 3600, 4 * 3600, false},
        {"Europe/Moscow", {2015, 1, 15, 12, 0, 0}, 3 * 3600, 3 * 3600, false},
        // Dublin Mean Time.
        {"Europe/Dublin", {1910, 6, 1, 12, 0, 0}, -(25 * 60 + 21), -(25 * 60 + 21), false},
    };
    for (const auto& c : cases) {
        const ResolvedReading resolved = Rules(c.zone)->Resolve(c.reading);
        const std::string what = std::string(c.zone) + " " + Reading(c.reading);
        EXPECT_EQ(resolved.kind, ClockReadingKind::Unique) << what;
        EXPECT_EQ(resolved.state.offsetSeconds, c.offset) << what;
        EXPECT_EQ(resolved.state.standardSeconds, c.standard) << what;
        EXPECT_EQ(resolved.state.summerTime, c.summer) << what;
        EXPECT_EQ(Reading(resolved.reading), Reading(c.reading)) << what;
    }
}

// Readings in a gap are computed just after the change; repeated ones at
// their first occurrence.
TEST(ZoneRulesTest, SkippedAndRepeatedReadings) {
    const struct {
        const char* zone;
        TableRowInstant reading;
        ClockReadingKind kind;
        const char* computed;
        long offset;
    } cases[] = {
        {"Europe/Rome", {2024, 3, 31, 2, 30, 0}, ClockReadingKind::Skipped,
         "2024-03-31 03:00:00.000", 7200},
        {"Europe/Rome", {2024, 10, 27, 2, 30, 15.5}, ClockReadingKind::Repeated,
         "2024-10-27 02:30:15.500", 7200},
        // Samoa skipped 30 December 2011 to cross the date line.
        {"Pacific/Apia", {2011, 12, 30, 12, 0, 0}, ClockReadingKind::Skipped,
         "2011-12-31 00:00:00.000", 14 * 3600},
    };
    for (const auto& c : cases) {
        const ResolvedReading resolved = Rules(c.zone)->Resolve(c.reading);
        const std::string what = std::string(c.zone) + " " + Reading(c.reading);
        EXPECT_EQ(resolved.kind, c.kind) << what;
        EXPECT_EQ(Reading(resolved.reading), c.computed) << what;
        EXPECT_EQ(resolved.state.offsetSeconds, c.offset) << what;
    }
    EXPECT_EQ(FindZoneRules("Mars/Olympus_Mons"), nullptr);
}

TEST(ZoneRulesTest, OffsetTexts) {
    EXPECT_EQ(UtcOffsetText(0), "UTC");
    EXPECT_EQ(UtcOffsetText(3600), "UTC+1");
    EXPECT_EQ(UtcOffsetText(-(3 * 3600 + 1800)), "UTC-3:30");
    EXPECT_EQ(UtcOffsetText(5 * 3600 + 2700), "UTC+5:45");
    EXPECT_EQ(UtcOffsetText(-1521), "UTC-0:25:21");
}

// An offset with seconds is the same instant as UTC read that much later:
// Dublin's 12:00:00 at -0:25:21 is 12:25:21 UTC.
TEST(ZoneRulesTest, OffsetsWithSecondsAreExact) {
    SolarRequest dublin;
    dublin.year = 1910;
    dublin.month = 6;
    dublin.day = 1;
    dublin.hour = 12;
    dublin.latitude = 53.35;
    dublin.longitude = 6.26;
    dublin.SetZoneOffsetSeconds(-1521);
    SolarRequest utc = dublin;
    utc.SetZone(0);
    utc.minute = 25;
    utc.second = 21;
    const SolarResult a = CalcSolarParameters(dublin);
    const SolarResult b = CalcSolarParameters(utc);
    EXPECT_NEAR(a.julianDay, b.julianDay, 1e-9);
    EXPECT_NEAR(a.azimuth, b.azimuth, 1e-6);
    EXPECT_NEAR((b.transit - a.transit) * 3600.0, 1521.0, 0.01);
    EXPECT_NEAR((b.geometricSet - a.geometricSet) * 3600.0, 1521.0, 0.01);
    EXPECT_NEAR(a.trueLocalTime, b.trueLocalTime, 1e-6);
}

TableParameters RomeTable(TableRowInstant start, double step, TableStepUnit unit, int points) {
    TableParameters p;
    p.SetStart(start);
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
        const std::vector<TableRowInstant> rows = TableRowInstants(c.parameters);
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
    const std::vector<TableRowInstant> rows = TableRowInstants(p);
    EXPECT_EQ(rows.front().zoneOffsetSeconds, -1521);
    p.zoneRules = nullptr;
    p.zoneHours = -0.4225f;
    EXPECT_FALSE(ValidateTableParameters(p).ok());
}

TEST(PlaceSearchTest, FindsCitiesByNameMostPopulousFirst) {
    const struct {
        const char* query;
        const char* label;
        const char* zone;
    } cases[] = {
        {"Rom", "Rome, Lazio, Italy", "Europe/Rome"},
        {"rome", "Rome, Lazio, Italy", "Europe/Rome"},
        {"Rome, Italy", "Rome, Lazio, Italy", "Europe/Rome"},
        {"Rome, Georgia", "Rome, Georgia, United States of America", "America/New_York"},
        {"sao paulo", "São Paulo, Brazil", "America/Sao_Paulo"},
        {"Makkah", "Makkah al Mukarramah, Mecca Region, Saudi Arabia", "Asia/Riyadh"},
    };
    for (const auto& c : cases) {
        const std::vector<Place> found = FindPlaces(c.query);
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found.front().Label(), c.label) << c.query;
        EXPECT_EQ(found.front().timeZone, c.zone) << c.query;
    }
    const Place rome = FindPlaces("Rome").front();
    EXPECT_NEAR(rome.latitude, 41.89, 0.01);
    EXPECT_NEAR(rome.LongitudeWest(), -12.51, 0.01);  // east is negative in the program
    EXPECT_TRUE(FindPlaces("Xqzvw").empty());
    EXPECT_TRUE(FindPlaces("Rome, Atlantis").empty());
    const std::vector<std::string> close = ClosePlaceNames("Romx");
    ASSERT_FALSE(close.empty());
    EXPECT_EQ(close.front(), "Rome, Lazio, Italy");
    EXPECT_LE(close.size(), 5u);
}

}  // namespace
}  // namespace tarvel
