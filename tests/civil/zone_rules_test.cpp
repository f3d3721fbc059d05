// Zone rules from the system's tz database: offsets, standard offsets and
// summer time through each zone's history, and clock readings on change days.
// Expected offsets as Python's zoneinfo gives them for the same instants.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "astro/solar_computation.h"
#include "civil/tz_zone_rules.h"
#include "support/solar_support.h"
#include "support/zone_support.h"

namespace tarvel {
namespace {

using test_support::Rules;

std::string Reading(const ClockInstant& r) {
    return test_support::ReadingText(r);
}

// Offsets and summer flags at a clock reading, from the zone's history.
TEST(ZoneRulesTest, OffsetsAndSummerTimeFollowEachZonesHistory) {
    const struct {
        const char* zone;
        ClockInstant reading;
        long offset;
        long standard;
        bool summer;
    } cases[] = {
        {"Europe/Rome", {2024, 1, 15, 12, 0, 0}, 3600, 3600, false},
        {"Europe/Rome", {2024, 7, 15, 12, 0, 0}, 7200, 3600, true},
        {"Australia/Lord_Howe", {2024, 1, 15, 12, 0, 0}, 11 * 3600, 10 * 3600 + 1800, true},
        {"Australia/Lord_Howe", {2024, 7, 15, 12, 0, 0}, 10 * 3600 + 1800, 10 * 3600 + 1800, false},
        {"Asia/Kathmandu", {2024, 6, 1, 12, 0, 0}, 5 * 3600 + 2700, 5 * 3600 + 2700, false},
        {"America/St_Johns",
         {2024, 1, 15, 12, 0, 0},
         -(3 * 3600 + 1800),
         -(3 * 3600 + 1800),
         false},
        {"America/St_Johns", {2024, 7, 15, 12, 0, 0}, -(2 * 3600 + 1800), -(3 * 3600 + 1800), true},
        // Summer time until 2019, none since.
        {"America/Sao_Paulo", {2018, 1, 15, 12, 0, 0}, -2 * 3600, -3 * 3600, true},
        {"America/Sao_Paulo", {2024, 1, 15, 12, 0, 0}, -3 * 3600, -3 * 3600, false},
        // Moscow: +3 with summer time, then +4 all year (2011-2014), then +3.
        {"Europe/Moscow", {2010, 1, 15, 12, 0, 0}, 3 * 3600, 3 * 3600, false},
        {"Europe/Moscow", {2012, 1, 15, 12, 0, 0}, 4 * 3600, 4 * 3600, false},
        {"Europe/Moscow", {2015, 1, 15, 12, 0, 0}, 3 * 3600, 3 * 3600, false},
        // Dublin Mean Time.
        {"Europe/Dublin", {1910, 6, 1, 12, 0, 0}, -(25 * 60 + 21), -(25 * 60 + 21), false},
        // The database flags Irish winter time and Moroccan Ramadan time as a
        // negative summer time: the lower offset is the standard one.
        {"Europe/Dublin", {2024, 1, 15, 12, 0, 0}, 0, 0, false},
        {"Europe/Dublin", {2024, 7, 15, 12, 0, 0}, 3600, 0, true},
        {"Africa/Casablanca", {2024, 3, 15, 12, 0, 0}, 0, 0, false},
        {"Africa/Casablanca", {2024, 5, 15, 12, 0, 0}, 3600, 0, true},
        // British double summer time: two hours ahead of GMT.
        {"Europe/London", {1943, 6, 21, 12, 0, 0}, 7200, 0, true},
        {"Europe/London", {1943, 1, 15, 12, 0, 0}, 3600, 0, true},
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
        ClockInstant reading;
        ClockReadingKind kind;
        const char* computed;
        long offset;
    } cases[] = {
        {"Europe/Rome",
         {2024, 3, 31, 2, 30, 0},
         ClockReadingKind::Skipped,
         "2024-03-31 03:00:00.000",
         7200},
        {"Europe/Rome",
         {2024, 10, 27, 2, 30, 15.5},
         ClockReadingKind::Repeated,
         "2024-10-27 02:30:15.500",
         7200},
        // Samoa skipped 30 December 2011 to cross the date line.
        {"Pacific/Apia",
         {2011, 12, 30, 12, 0, 0},
         ClockReadingKind::Skipped,
         "2011-12-31 00:00:00.000",
         14 * 3600},
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

}  // namespace
}  // namespace tarvel
