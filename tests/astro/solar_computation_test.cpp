// The driver: worked cases, the events found by its searches checked against a
// fresh evaluation of the Sun, and the sound behaviour at the edges (sites
// below sea level, Asr in the tropics, the Qibla window).
#include "astro/solar_computation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/solar_support.h"

namespace tarvel {
namespace {

using test_support::SunAt;
using test_support::WrapDegrees180;

// A request with Delta T given as 69.2 s, as the main window passes it.
SolarRequest Request(int year, int month, int day, int hour, int minute, float zone,
                     double latitude, double longitudeWest, bool summer = false) {
    return test_support::RequestWithDeltaT(
        69.2, test_support::Request(year, month, day, hour, minute, 0, zone, summer, latitude,
                                    longitudeWest));
}

TEST(CalcSolarParameters, PolarDayAndNight) {
    for (double lat : {70.0, 80.0}) {
        const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 1, lat, -15));
        SCOPED_TRACE(testing::Message() << "latitude " << lat);
        EXPECT_EQ(r.geometricRise, 0);
        EXPECT_EQ(r.geometricSet, 0);
        EXPECT_EQ(r.apparentRise, 0);
        EXPECT_EQ(r.apparentSet, 0);
        EXPECT_EQ(r.italianHours, 0);
        EXPECT_EQ(r.babylonianHours, 0);
        EXPECT_EQ(r.hoursToSunset, 0);
        EXPECT_EQ(r.geometricDaylight, 24);
        EXPECT_EQ(r.apparentDaylight, 24);
        EXPECT_TRUE(std::isnan(r.temporalHours));
        EXPECT_EQ(r.isha, 0);  // the Sun stays above -17 degrees
        EXPECT_NE(r.asr1, 0);
    }
    const SolarResult south = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 1, -70, -15));
    EXPECT_EQ(south.geometricDaylight, 0);
    EXPECT_EQ(south.apparentDaylight, 0);
    EXPECT_TRUE(std::isnan(south.temporalHours));
    EXPECT_LT(south.transitAltitude, 0);
}

TEST(CalcSolarParameters, NoIshaAtSixtyDegreesInSummer) {
    // The Sun does not reach -17 degrees, while the afternoon shadows still grow.
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 2, 60, -25));
    EXPECT_EQ(r.isha, 0);
    EXPECT_GT(r.asr1, r.transit);
    EXPECT_GT(r.asr2, r.asr1);
    EXPECT_GT(r.geometricDaylight, 18);
}

TEST(CalcSolarParameters, EveryOtherFieldIsANumber) {
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 1, 80, -15));
    const double* fields = &r.julianDay;
    const int count = sizeof(SolarResult) / sizeof(double);
    for (int i = 0; i < count; ++i) {
        if (&fields[i] == &r.temporalHours) continue;
        EXPECT_FALSE(std::isnan(fields[i])) << "field " << i;
    }
}

TEST(CalcSolarParameters, EquatorHasTwelveHourArcs) {
    const SolarResult r = CalcSolarParameters(Request(2024, 3, 5, 9, 0, 0, 0, 0));
    // 12 h of apparent time; the equation of time moves by a few seconds between
    // the two searches.
    EXPECT_NEAR(r.geometricSet - r.geometricRise, 12.0, 0.01);
}

TEST(CalcSolarParameters, SummerTimeShiftsEveryClockTimeByOneHour) {
    const SolarResult winter = CalcSolarParameters(Request(2024, 6, 21, 9, 0, 1, 45, -8));
    const SolarResult summer = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 1, 45, -8, true));
    EXPECT_GT(summer.transit, 13.0);
    EXPECT_NEAR(summer.transit - winter.transit, 1.0, 1e-6);
    EXPECT_NEAR(summer.geometricRise - winter.geometricRise, 1.0, 1e-6);
    EXPECT_NEAR(summer.apparentSet - winter.apparentSet, 1.0, 1e-6);
    EXPECT_NEAR(summer.fajr - winter.fajr, 1.0, 1e-6);
    EXPECT_NEAR(summer.qiblaTime - winter.qiblaTime, 1.0, 1e-6);
    EXPECT_EQ(summer.julianDay, winter.julianDay);
    // Solar times never include the summer hour.
    EXPECT_NEAR(summer.trueLocalTime, winter.trueLocalTime, 1e-9);
    EXPECT_NEAR(summer.meanLocalTime, winter.meanLocalTime, 1e-9);
}

TEST(CalcSolarParameters, SiteFarWestOfItsZoneMeridian) {
    // 100 degrees west on UTC+0: the set falls after 24:00 on the clock, and
    // the day is the set of the next day minus the rise.
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 12, 0, 0, 40, 100));
    EXPECT_LT(r.geometricSet, r.geometricRise);
    EXPECT_NEAR(r.geometricDaylight, r.geometricSet - r.geometricRise + 24, 1e-12);
    EXPECT_GT(r.geometricDaylight, 14.8);  // 40 N at the solstice: 14 h 51 min
    EXPECT_LT(r.geometricDaylight, 14.9);
    EXPECT_GT(r.longitudeDifference, 0);
}

TEST(CalcSolarParameters, MeanLocalTimeIsNotReduced) {
    // 0:10 on a clock whose zone meridian lies east of the observer.
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 0, 10, 1, 45, 8));
    EXPECT_LT(r.meanLocalTime, 0);
}

// The Kaaba at 21.4225 N, 39.8262 E. (With the older 21.423333 N, 39.823333 E,
// 300 m away, these were 56.7204 and 121.5124.)
TEST(CalcSolarParameters, QiblaDirectionWorkedValues) {
    EXPECT_NEAR(CalcSolarParameters(Request(2024, 1, 10, 12, 0, 1, 41.9, -12.5)).qiblaAzimuth,
                56.7232, 5e-5);
    EXPECT_NEAR(CalcSolarParameters(Request(2024, 1, 10, 12, 0, -5, 40.7, 74.0)).qiblaAzimuth,
                121.5138, 5e-5);
}

TEST(CalcSolarParameters, KaabaMeridianQiblaTimeIsTheTransit) {
    const SolarResult r = CalcSolarParameters(Request(2024, 4, 10, 12, 0, 3, 40, -39.8262));
    EXPECT_NEAR(r.qiblaAzimuth, 0.0, 1e-9);
    // The bisection stops within 1e-5 degrees of azimuth; near the meridian the
    // azimuth moves by about 20 degrees an hour here, so well within a second.
    EXPECT_NEAR(r.qiblaTime, r.transit, 1.0 / 3600.0);
}

// Each event found by a search, checked by evaluating the Sun again at it.
TEST(CalcSolarParameters, SearchesMeetTheirConditions) {
    struct Site {
        const char* name;
        SolarRequest rq;
    } sites[] = {
        {"Rome, summer", Request(2024, 6, 21, 10, 0, 1, 41.9, -12.5, true)},
        {"New York, winter", Request(2024, 12, 21, 15, 0, -5, 40.7, 74.0)},
        {"Sydney", Request(2024, 3, 1, 8, 0, 10, -33.87, -151.2)},
        {"Quito", Request(2024, 9, 1, 12, 0, -5, -0.2, 78.5)},
        {"Helsinki, 100 m", Request(2024, 4, 1, 12, 0, 2, 60.17, -24.94)},
    };
    sites[4].rq.height = 100;
    for (Site& s : sites) {
        SCOPED_TRACE(s.name);
        const SolarRequest& rq = s.rq;
        const SolarResult r = CalcSolarParameters(rq);
        // Rise and set: the searches solve for the geocentric declination while the
        // altitude is topocentric, so a parallax of up to 9" (0.0025 degrees) remains;
        // the iteration itself is converged to far less.
        EXPECT_NEAR(SunAt(rq, r.geometricRise).altitude, 0.0, 0.004);
        EXPECT_NEAR(SunAt(rq, r.geometricSet).altitude, 0.0, 0.004);
        const double h0 = (-50.0 - 2.12 * std::sqrt(rq.height)) / 60.0;
        EXPECT_NEAR(SunAt(rq, r.apparentRise).altitude, h0, 0.004);
        EXPECT_NEAR(SunAt(rq, r.apparentSet).altitude, h0, 0.004);
        EXPECT_NEAR(SunAt(rq, r.fajr).altitude, rq.fajrAngle, 0.004);
        EXPECT_NEAR(SunAt(rq, r.isha).altitude, rq.ishaAngle, 0.004);
        // Transit: the geocentric hour angle vanishes (the stop tolerance is
        // 1.2e-6 h of sidereal time, 2e-5 degrees).
        const SunState t = SunAt(rq, r.transit);
        const double hourAngle =
            WrapDegrees180(15 * t.siderealTime - rq.longitude - 15 * t.rightAscension);
        EXPECT_NEAR(hourAngle, 0.0, 1e-3);
        // Asr 1: the shadow is the object's length plus the noon shadow.
        const SunState a = SunAt(rq, r.asr1);
        const double noonShadow = std::tan(std::fabs(rq.latitude - a.declination) * M_PI / 180);
        const double asrAltitude = std::atan(1.0 / (1.0 + noonShadow)) * 180 / M_PI;
        EXPECT_NEAR(a.altitude, asrAltitude, 0.004);
        EXPECT_GT(r.asr1, r.transit);
        EXPECT_GT(r.asr2, r.asr1);
        // Qibla time: the Sun stands in the Qibla direction, between rise and set.
        if (r.qiblaTime >= 0) {
            EXPECT_NEAR(SunAt(rq, r.qiblaTime).azimuth, -r.qiblaAzimuth, 1e-3);
            EXPECT_GT(SunAt(rq, r.qiblaTime).altitude, -0.1);
        }
    }
}

TEST(CalcSolarParameters, SiteBelowSeaLevelHasAnApparentRiseAndSet) {
    SolarRequest rq = Request(2024, 6, 21, 10, 0, 3, 31.5, -35.5);  // Dead Sea shore
    rq.height = -430;
    const SolarResult r = CalcSolarParameters(rq);
    EXPECT_GT(r.apparentRise, 4.0);
    EXPECT_LT(r.apparentRise, r.geometricRise);
    EXPECT_GT(r.apparentSet, r.geometricSet);
    EXPECT_NEAR(SunAt(rq, r.apparentSet).altitude, -50.0 / 60.0, 0.004);
    EXPECT_GT(r.apparentDaylight, r.geometricDaylight);
    EXPECT_LT(r.apparentDaylight, 24);
}

TEST(CalcSolarParameters, AsrWhereTheSunCulminatesOnThePolesSide) {
    // 15 N in June: the Sun culminates north of the zenith; at the equator at a
    // solstice the declination must still count.
    struct Case {
        const char* name;
        SolarRequest rq;
    } cases[] = {
        {"15 N, June", Request(2024, 6, 21, 12, 0, 0, 15, 0)},
        {"equator, June", Request(2024, 6, 21, 12, 0, 0, 0, 0)},
        {"equator, December", Request(2024, 12, 21, 12, 0, 0, 0, 0)},
        {"15 S, December", Request(2024, 12, 21, 12, 0, 0, -15, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SolarResult r = CalcSolarParameters(c.rq);
        for (int k : {1, 2}) {
            const SunState a = SunAt(c.rq, k == 1 ? r.asr1 : r.asr2);
            const double noonShadow =
                std::tan(std::fabs(c.rq.latitude - a.declination) * M_PI / 180);
            const double expected = std::atan(1.0 / (k + noonShadow)) * 180 / M_PI;
            EXPECT_NEAR(a.altitude, expected, 0.004) << "Asr " << k;
        }
    }
}

TEST(CalcSolarParameters, QiblaTimeAfterTheAzimuthJumpsAtNoon) {
    // Sanaa in June: the Sun culminates north of the zenith, so its azimuth jumps
    // from -180 to +180 at noon; the Qibla (north-north-west) is reached in the
    // afternoon.
    const SolarRequest rq = Request(2024, 6, 21, 10, 0, 3, 15.35, -44.2);
    const SolarResult r = CalcSolarParameters(rq);
    ASSERT_GT(r.qiblaTime, r.transit);
    EXPECT_NEAR(SunAt(rq, r.qiblaTime).azimuth, -r.qiblaAzimuth, 1e-3);
    EXPECT_LT(r.qiblaTime, r.geometricSet);
}

TEST(CalcSolarParameters, NoQiblaTimeInPolarNight) {
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 1, -70, -15));
    EXPECT_EQ(r.qiblaTime, -1);
}

TEST(CalcSolarParameters, QiblaWindowIsCutAtSunriseAndSunsetThemselves) {
    // Kashgar keeps UTC+8 four hours east of its meridian.
    const SolarRequest rq = Request(2024, 3, 20, 12, 0, 8, 39.47, -75.99);
    const SolarResult r = CalcSolarParameters(rq);
    ASSERT_GE(r.qiblaTime, 0);
    EXPECT_GT(r.qiblaTime, r.geometricRise);
    EXPECT_LT(r.qiblaTime, r.geometricSet);
    EXPECT_NEAR(SunAt(rq, r.qiblaTime).azimuth, -r.qiblaAzimuth, 1e-3);
}

TEST(CalcSolarParameters, HourSystems) {
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 10, 0, 1, 45, -8));
    // Italian hours count from sunset, Babylonian from sunrise: their difference
    // is the day's length.
    EXPECT_NEAR(Wrap24(r.babylonianHours - r.italianHours), r.geometricDaylight, 0.02);
    EXPECT_NEAR(r.hoursToSunset, Wrap24(24 - r.italianHours), 1e-12);
    EXPECT_GT(r.temporalHours, 0);
    EXPECT_LT(r.temporalHours, 12);
}

TEST(CalcSolarParameters, ModelDeltaTFollowsTheDate) {
    SolarRequest rq = Request(1950, 7, 1, 12, 0, 0, 45, 0);
    rq.deltaTGiven = false;
    rq.deltaT = 1000;
    EXPECT_EQ(CalcSolarParameters(rq).deltaT, 29.265);
}

TEST(CalcSolarParameters, SummerClockAtMidnightMovesIntoThePreviousDay) {
    const SolarResult r = CalcSolarParameters(Request(2024, 6, 21, 0, 0, 1, 45, -8, true));
    // 0:00 summer time is 23:00 standard time of 20 June, 22:00 UT.
    EXPECT_NEAR(r.julianDay, 2460482.5 - 2.0 / 24.0, 1e-9);
    EXPECT_NEAR(r.meanLocalTime, 23.0 + 8.0 / 15.0 - 1.0, 1e-12);
}

TEST(Wrap24, OneCorrectionEachWayThenWholeDays) {
    EXPECT_EQ(Wrap24(0.0), 0.0);
    EXPECT_EQ(Wrap24(24.0), 24.0);
    EXPECT_EQ(Wrap24(-1.0), 23.0);
    EXPECT_EQ(Wrap24(25.0), 1.0);
    // More than a day off (a site far from its zone meridian, with summer time).
    EXPECT_EQ(Wrap24(-30.0), 18.0);
    EXPECT_EQ(Wrap24(54.0), 6.0);
    EXPECT_NEAR(Wrap24(48.398), 0.398, 1e-12);
}

}  // namespace
}  // namespace tarvel
