// The window's clock without the window: the manual entry as set, and under a
// zone's rules the zone list's offset, the summer box and the computation's
// request following the reading.
#include "civil/clock_state.h"

#include <gtest/gtest.h>

#include <string>

#include "civil/tz_zone_rules.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

TEST(ClockStateTest, ManualEntryIsTakenAsSet) {
    ClockState clock;
    clock.reading = {2024, 7, 15, 12, 0, 0};
    clock.zoneHours = 5.75f;
    clock.summerTime = true;
    clock.FollowRules();  // no rules: nothing changes
    SolarRequest request;
    clock.ApplyTo(request);
    EXPECT_EQ(request.zoneHours, 5.75f);
    EXPECT_EQ(request.zoneMinutes, 345.0f);
    EXPECT_TRUE(request.summerTime);
    EXPECT_EQ(request.summerShiftSeconds, 3600);
    EXPECT_EQ(request.hour, 12);
}

TEST(ClockStateTest, UnderRulesTheZoneAndBoxFollowTheReading) {
    const struct {
        const char* zone;
        ClockReading reading;
        const char* computed;  // the reading the request takes
        float zoneHours;
        bool summer;
        int shiftSeconds;
    } cases[] = {
        // The gap of the spring change: just after it.
        {"Europe/Rome", {2024, 3, 31, 2, 30, 0}, "2024-03-31 03:00:00.000", 1.0f, true, 3600},
        {"Europe/Rome", {2024, 1, 15, 2, 30, 0}, "2024-01-15 02:30:00.000", 1.0f, false, 0},
        // No summer time in Riyadh, whatever the computer's own rules say.
        {"Asia/Riyadh", {2024, 7, 15, 12, 0, 0}, "2024-07-15 12:00:00.000", 3.0f, false, 0},
        {"Australia/Lord_Howe",
         {2024, 1, 15, 12, 0, 0},
         "2024-01-15 12:00:00.000",
         10.5f,
         true,
         1800},
    };
    for (const auto& c : cases) {
        ClockState clock;
        clock.zoneHours = -5.0f;  // a manual zone the rules replace
        clock.rules = FindZoneRules(c.zone);
        ASSERT_TRUE(clock.rules) << c.zone;
        clock.reading = c.reading;
        clock.FollowRules();
        const std::string what = std::string(c.zone) + " " + test_support::ReadingText(c.reading);
        EXPECT_EQ(clock.zoneHours, c.zoneHours) << what;
        EXPECT_EQ(clock.summerTime, c.summer) << what;
        SolarRequest request;
        clock.ApplyTo(request);
        EXPECT_EQ(test_support::ReadingText(request.Clock()), c.computed) << what;
        EXPECT_EQ(request.zoneHours, c.zoneHours) << what;
        EXPECT_EQ(request.summerTime, c.summer) << what;
        if (c.summer) {
            EXPECT_EQ(request.summerShiftSeconds, c.shiftSeconds) << what;
        }
    }
}

}  // namespace
}  // namespace tarvel
