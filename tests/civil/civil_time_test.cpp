// Civil time under a zone's real rules: the zone meridian and summer shift a
// computation takes from the rules, and every event read on the clock in
// force at its own instant. The offsets expected are Python's zoneinfo's for
// the same instants; the events' instants come from the same computation on
// a UTC clock, so a wrong offset, not the astronomy, is what these catch.
#include <date/date.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "support/solar_support.h"
#include "support/zone_support.h"

namespace tarvel {
namespace {

using test_support::Rules;

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
        if (c.summer) {
            EXPECT_EQ(request.summerShiftSeconds, c.shiftSeconds) << what;
        }
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

// The night of 30 March 2024 in Rome runs across the change: its last third
// starts at 03:07 summer time on the 31st, a clock time that existed (02:07
// did not).
TEST(CivilTimeTest, NightAcrossTheChangeIsOnTheNextDaysClock) {
    const auto rules = Rules("Europe/Rome");
    SolarRequest request = OnRules(*rules, {2024, 3, 30, 12, 0, 0}, 41.9, -12.5);
    SolarResult result = CalcSolarParameters(request);
    DayTimes days = CalcDayTimes(request, result);
    const double lengthBefore = days.nightLength;
    const EventClocks clocks = ReadEventsOnClocks(request, rules.get(), result, &days);
    const EventClock& third = clocks.Of(ResultFieldId::NightLastThird);
    EXPECT_EQ(third.dayOffset, 1);
    EXPECT_EQ(days.dayOffset.nightLastThird, 1);
    EXPECT_EQ(third.offsetSeconds, 7200);
    EXPECT_TRUE(third.offsetDiffers);
    EXPECT_NEAR(days.nightLastThird, 3.0 + 7.2 / 60.0, 1.0 / 60.0);
    // The middle (00:13, before the change) stays on winter time.
    EXPECT_EQ(clocks.Of(ResultFieldId::NightMiddle).offsetSeconds, 3600);
    EXPECT_EQ(days.nightLength, lengthBefore);  // elapsed time
    EXPECT_EQ(EventClockNote(third), "UTC+2 CEST");
}

// The clock reading of hours on the date dayOffset days after the request's
// (whole seconds, the fraction dropped).
ClockInstant DateAfterDaysReading(const SolarRequest& request, int dayOffset, double hours) {
    const CalendarDate date = DateAfterDays({request.year, request.month, request.day}, dayOffset);
    const auto seconds = static_cast<long>(std::floor(hours * 3600.0));
    ClockInstant reading;
    reading.year = date.year;
    reading.month = date.month;
    reading.day = date.day;
    reading.hour = static_cast<int>(seconds / 3600);
    reading.minute = static_cast<int>(seconds / 60 % 60);
    reading.second = static_cast<double>(seconds % 60);
    return reading;
}

// Sites under real zones across their change days and the high-latitude
// summer, asked at several clock times of each day: every event read on its
// clock gives back its instant through the rules (the offset is the one in
// force then, and the reading is not one the clock skipped); every night is
// shorter than a day; every morning event comes before its day's transit and
// every evening event after it.
TEST(CivilTimeSweep, EventsReadBackThroughTheRules) {
    const struct {
        const char* zone;
        double latitude;
        double longitudeWest;
        ClockReading first;
        int days;
    } sites[] = {
        {"Europe/Rome", 41.9, -12.5, {2024, 3, 29}, 4},
        {"Europe/Rome", 41.9, -12.5, {2024, 10, 25}, 4},
        {"America/Sao_Paulo", -23.55, 46.63, {2018, 2, 16}, 3},
        {"America/Sao_Paulo", -23.55, 46.63, {2018, 11, 2}, 4},
        {"Australia/Lord_Howe", -31.55, -159.08, {2024, 4, 5}, 4},
        {"Australia/Lord_Howe", -31.55, -159.08, {2024, 10, 5}, 3},
        {"Europe/Dublin", 53.35, 6.26, {2024, 3, 30}, 3},
        {"Europe/Dublin", 53.35, 6.26, {2024, 10, 26}, 3},
        {"America/St_Johns", 47.56, 52.71, {2024, 3, 9}, 3},
        {"America/St_Johns", 47.56, 52.71, {2024, 11, 2}, 3},
        {"Pacific/Apia", -13.83, 171.76, {2011, 12, 28}, 5},
        {"Atlantic/Reykjavik", 64.1466, 21.9426, {2024, 6, 18}, 6},
        {"America/Anchorage", 64.8378, 147.7164, {2024, 3, 9}, 3},
        {"America/Anchorage", 64.8378, 147.7164, {2024, 6, 19}, 4},
        {"Europe/Helsinki", 65.0121, -25.4651, {2024, 3, 30}, 3},
        {"Europe/Helsinki", 65.0121, -25.4651, {2024, 6, 20}, 3},
    };
    const int askedHours[] = {0, 1, 2, 3, 12, 23};
    int checked = 0;
    for (const auto& site : sites) {
        const auto rules = FindZoneRules(site.zone);
        ASSERT_TRUE(rules) << site.zone;
        for (int d = 0; d < site.days; ++d) {
            for (const int hour : askedHours) {
                ClockReading asked = site.first;
                asked.day += d;
                asked.hour = hour;
                SolarRequest request = OnRules(*rules, asked, site.latitude, site.longitudeWest);
                request.prayerMethod = PrayerMethod::kMuslimWorldLeague;
                request.highLatitudeRule = HighLatitudeRule::kMiddleOfTheNight;
                const SolarResult onOneClock = CalcSolarParameters(request);
                const DayTimes daysOnOneClock = CalcDayTimes(request, onOneClock);
                SolarResult result = onOneClock;
                DayTimes days = daysOnOneClock;
                const EventClocks clocks = ReadEventsOnClocks(request, rules.get(), result, &days);
                const std::string what =
                    std::string(site.zone) + " asked " + test_support::ReadingText(request.Clock());

                // Seconds since 1970 of a time on the request's one clock.
                const double dateSeconds =
                    static_cast<double>(
                        (date::sys_days(date::year(request.year) /
                                        date::month(static_cast<unsigned>(request.month)) / 1) +
                         date::days(request.day - 1))
                            .time_since_epoch()
                            .count()) *
                    86400.0;
                const double requestOffset = RequestClockOffsetSeconds(request);
                const auto instant = [&](double hours, int dayOffset) {
                    return dateSeconds + dayOffset * 86400.0 + hours * 3600.0 - requestOffset;
                };
                const auto check = [&](const ResultField& field, double before, int dayBefore,
                                       double after) {
                    const EventClock& clock = clocks.Of(field.id);
                    const std::string name = what + " " + std::string(field.key);
                    const double expected = instant(before, dayBefore);
                    const double read = dateSeconds + clock.dayOffset * 86400.0 + after * 3600.0 -
                                        clock.offsetSeconds;
                    EXPECT_NEAR(read, expected, 1e-3) << name;
                    const auto utc = static_cast<std::int64_t>(std::floor(expected));
                    EXPECT_EQ(rules->StateAt(utc).offsetSeconds, clock.offsetSeconds) << name;
                    EXPECT_GE(after, 0.0) << name;
                    EXPECT_LT(after, 24.0) << name;
                    ClockInstant reading = DateAfterDaysReading(request, clock.dayOffset, after);
                    const ResolvedReading back = rules->Resolve(reading);
                    EXPECT_NE(back.kind, ClockReadingKind::Skipped) << name;
                    ++checked;
                };
                for (const ResultField& field : kResultFields) {
                    if (!IsEventTime(field.id) || !field.Present(onOneClock)) continue;
                    check(field, field.value(onOneClock), 0, field.value(result));
                }
                const double transit = instant(onOneClock.transit, 0);
                for (const ResultField& field : kDayTimeFields) {
                    if (!IsEventTime(field.id) || !field.PresentIn(onOneClock, &daysOnOneClock)) {
                        continue;
                    }
                    const double at =
                        instant(field.dayValue(daysOnOneClock), field.DayOffsetIn(&daysOnOneClock));
                    check(field, field.dayValue(daysOnOneClock), field.DayOffsetIn(&daysOnOneClock),
                          field.dayValue(days));
                    if (!onOneClock.occurs.transit) continue;
                    const std::string name = what + " " + std::string(field.key);
                    switch (field.id) {
                        case ResultFieldId::AstronomicalDawn:
                        case ResultFieldId::NauticalDawn:
                        case ResultFieldId::CivilDawn:
                        case ResultFieldId::GoldenHourEnd:
                        case ResultFieldId::PrayerFajr:
                        case ResultFieldId::PrayerSunrise:
                            EXPECT_LT(at, transit) << name;
                            break;
                        case ResultFieldId::GoldenHourStart:
                        case ResultFieldId::CivilDusk:
                        case ResultFieldId::NauticalDusk:
                        case ResultFieldId::AstronomicalDusk:
                        case ResultFieldId::PrayerMaghrib:
                        case ResultFieldId::PrayerIsha:
                        case ResultFieldId::NightMiddle:
                        case ResultFieldId::NightLastThird:
                            EXPECT_GT(at, transit) << name;
                            break;
                        default:
                            break;
                    }
                }
                if (days.occurs.night) {
                    EXPECT_GT(days.nightLength, 0.0) << what;
                    EXPECT_LT(days.nightLength, 24.0) << what;
                }
            }
        }
    }
    EXPECT_GT(checked, 5000);
}

}  // namespace
}  // namespace tarvel
