// Civil time under a zone's real rules: the zone meridian and summer shift a
// computation takes from the rules, and every event read on the clock in
// force at its own instant. The offsets expected are Python's zoneinfo's for
// the same instants; the events' instants come from the same computation on
// a UTC clock, so a wrong offset, not the astronomy, is what these catch.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

std::shared_ptr<const ZoneRules> Rules(const char* name) {
    std::shared_ptr<const ZoneRules> rules = FindZoneRules(name);
    EXPECT_TRUE(rules) << name;
    return rules;
}

SolarRequest OnRules(const ZoneRules& rules, ClockReading reading, double latitude,
                     double longitudeWest) {
    SolarRequest request;
    request.latitude = latitude;
    request.longitude = longitudeWest;
    request.deltaTGiven = false;
    SetRequestOnRules(request, rules, reading);
    return request;
}

// The zone meridian is the standard offset's, the summer shift the rules'
// real amount; the result equals that of the documented request with the
// same zone, summer flag and shift.
TEST(CivilTimeTest, ZoneMeridianAndSummerShiftComeFromTheRules) {
    const struct {
        const char* zone;
        ClockReading reading;
        double latitude;
        double longitudeWest;
        float standardHours;
        bool summer;
        int shiftSeconds;
        double longitudeDifference;
    } cases[] = {
        // Half an hour of summer time: the meridian stays at 157.5 degrees.
        {"Australia/Lord_Howe", {2024, 1, 15, 12, 0, 0}, -31.55, -159.08, 10.5f, true, 1800, -1.58},
        {"Australia/Lord_Howe",
         {2024, 7, 15, 12, 0, 0},
         -31.55,
         -159.08,
         10.5f,
         false,
         3600,
         -1.58},
        // British double summer time.
        {"Europe/London", {1943, 6, 21, 12, 0, 0}, 51.5, 0.1, 0.0f, true, 7200, 0.1},
        // Irish winter time and Moroccan Ramadan time are standard time.
        {"Europe/Dublin", {2024, 1, 15, 12, 0, 0}, 53.35, 6.26, 0.0f, false, 3600, 6.26},
        {"Europe/Dublin", {2024, 7, 15, 12, 0, 0}, 53.35, 6.26, 0.0f, true, 3600, 6.26},
        {"Africa/Casablanca", {2024, 3, 15, 12, 0, 0}, 33.6, 7.6, 0.0f, false, 3600, 7.6},
        {"America/St_Johns", {2024, 7, 15, 12, 0, 0}, 47.56, 52.71, -3.5f, true, 3600, 0.21},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.zone) + " " + test_support::ReadingText(c.reading);
        const SolarRequest request =
            OnRules(*Rules(c.zone), c.reading, c.latitude, c.longitudeWest);
        EXPECT_EQ(request.zoneHours, c.standardHours) << what;
        EXPECT_EQ(request.summerTime, c.summer) << what;
        if (c.summer) EXPECT_EQ(request.summerShiftSeconds, c.shiftSeconds) << what;
        const SolarResult result = CalcSolarParameters(request);
        EXPECT_NEAR(result.longitudeDifference, c.longitudeDifference, 1e-9) << what;

        SolarRequest documented = test_support::Request(
            c.reading.year, c.reading.month, c.reading.day, c.reading.hour, c.reading.minute,
            c.reading.second, c.standardHours, c.summer, c.latitude, c.longitudeWest);
        documented.summerShiftSeconds = c.shiftSeconds;
        const SolarResult expected = CalcSolarParameters(documented);
        EXPECT_EQ(result.trueZoneTime, expected.trueZoneTime) << what;
        EXPECT_EQ(result.apparentRise, expected.apparentRise) << what;
    }
}

// A summer shift of exactly one hour gives the documented results digit for
// digit (the summer box's hour).
TEST(CivilTimeTest, OneHourShiftIsTheSummerBoxHour) {
    SolarRequest box = test_support::Request(2024, 7, 15, 18, 30, 0, 1.0f, true, 41.9, -12.5);
    SolarRequest rules = box;
    rules.summerShiftSeconds = 3600;
    const SolarResult a = CalcSolarParameters(box);
    const SolarResult b = CalcSolarParameters(rules);
    EXPECT_EQ(a.julianDay, b.julianDay);
    EXPECT_EQ(a.apparentSet, b.apparentSet);
    EXPECT_EQ(a.isha, b.isha);
    EXPECT_EQ(a.italianHours, b.italianHours);
}

// The clock time of an event on the clock in force at its instant, against
// the same event on a UTC clock plus zoneinfo's offset then.
TEST(CivilTimeTest, EventsOnChangeDaysAreReadOnTheirOwnClocks) {
    const struct {
        const char* zone;
        ClockReading asked;
        double latitude;
        double longitudeWest;
        ClockReading utcDate;  // the UTC date of the event
        long offsetAtEvent;    // zoneinfo
        bool differs;          // from the asked instant's offset
    } cases[] = {
        // Asked before the spring change: the rise is on summer time.
        {"Europe/Rome", {2024, 3, 31, 1, 0, 0}, 41.9, -12.5, {2024, 3, 31, 0, 0, 0}, 7200, true},
        {"Europe/Rome", {2024, 3, 31, 12, 0, 0}, 41.9, -12.5, {2024, 3, 31, 0, 0, 0}, 7200, false},
        // Asked in the repeated hour (its first, summer, occurrence): the
        // rise is on winter time.
        {"Europe/Rome", {2024, 10, 27, 2, 30, 0}, 41.9, -12.5, {2024, 10, 27, 0, 0, 0}, 3600, true},
        // Lord Howe's half-hour change.
        {"Australia/Lord_Howe",
         {2024, 4, 7, 1, 0, 0},
         -31.55,
         -159.08,
         {2024, 4, 6, 0, 0, 0},
         37800,
         true},
        // São Paulo's change at midnight (2018-11-04 00:00 became 01:00).
        {"America/Sao_Paulo",
         {2018, 11, 3, 23, 0, 0},
         -23.55,
         46.63,
         {2018, 11, 3, 0, 0, 0},
         -10800,
         false},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.zone) + " " + test_support::ReadingText(c.asked);
        const auto rules = Rules(c.zone);
        const SolarRequest request = OnRules(*rules, c.asked, c.latitude, c.longitudeWest);
        SolarResult result = CalcSolarParameters(request);
        const EventClocks clocks = ReadEventsOnClocks(request, rules.get(), result, nullptr);
        const EventClock& rise = clocks.Of(ResultFieldId::ApparentRise);
        EXPECT_EQ(rise.offsetSeconds, c.offsetAtEvent) << what;
        EXPECT_EQ(rise.offsetDiffers, c.differs) << what;
        EXPECT_EQ(rise.dayOffset, 0) << what;

        const SolarRequest utc =
            test_support::Request(c.utcDate.year, c.utcDate.month, c.utcDate.day, 12, 0, 0, 0.0f,
                                  false, c.latitude, c.longitudeWest);
        const SolarResult onUtc = CalcSolarParameters(utc);
        ASSERT_TRUE(onUtc.occurs.apparentRise) << what;
        const double expected = std::fmod(onUtc.apparentRise + c.offsetAtEvent / 3600.0, 24.0);
        EXPECT_NEAR(result.apparentRise * 3600.0, expected * 3600.0, 0.5) << what;
        // Durations stay elapsed time (the same day on both clocks).
        if (c.utcDate.day == c.asked.day) {
            EXPECT_NEAR(result.apparentDaylight, onUtc.apparentDaylight, 1e-3) << what;
        }
    }
}

}  // namespace
}  // namespace tarvel
