// The charts' data against known values: the transit on the path, the
// analemma's declination extremes, the equation of time's turning points and
// zeros, the day length on the equator and beyond the polar circle, and the
// clock of the daylight chart following a zone's summer time.
#include "chart/chart_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "civil/tz_zone_rules.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

using test_support::Request;

// Day of the year of a date (0 for 1 January) of a chart's year.
double DayOfYear(int year, int month, int day) {
    const std::vector<ChartDate> dates = DatesOfYear(year);
    const auto it = std::find(dates.begin(), dates.end(), ChartDate{year, month, day});
    return static_cast<double>(it - dates.begin());
}

TEST(ChartBearings, EngineAzimuthsBecomeCompassBearings) {
    struct Case {
        double azimuth;
        double fromSouthWest;  // the Sun's: from the south, positive west
        double fromSouthEast;  // the Qibla's: from the south, positive east
    };
    const Case cases[] = {
        {0, 180, 180}, {90, 270, 90}, {-90, 90, 270}, {180, 0, 0}, {-135, 45, 315}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.azimuth);
        EXPECT_DOUBLE_EQ(BearingFromSouthWestAzimuth(c.azimuth), c.fromSouthWest);
        EXPECT_DOUBLE_EQ(BearingFromSouthEastAzimuth(c.azimuth), c.fromSouthEast);
    }
}

TEST(SunPathData, TransitIsThePathsHighestPointAndRiseAndSetLieEastAndWest) {
    struct Case {
        const char* site;
        SolarRequest request;
        double transitBearing;  // the Sun due south or due north at transit
    };
    const Case cases[] = {
        {"45N 8E, June", Request(2024, 6, 21, 10, 0, 0, 1, true, 45, -8), 180},
        {"45N 8E, December", Request(2024, 12, 21, 10, 0, 0, 1, false, 45, -8), 180},
        {"33.9S 18.4E, June", Request(2024, 6, 21, 10, 0, 0, 2, false, -33.9, -18.4), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        const SunPathChart chart = ComputeSunPath({c.request, nullptr}, false);
        const SolarResult result = CalcSolarParameters(c.request);
        ASSERT_TRUE(chart.transit.occurs);
        EXPECT_DOUBLE_EQ(chart.transit.point.altitudeDeg, result.transitAltitude);
        EXPECT_DOUBLE_EQ(chart.transit.point.clockHours, result.transit);
        EXPECT_NEAR(std::remainder(chart.transit.point.bearingDeg - c.transitBearing, 360.0), 0,
                    0.05);
        // No point of the path (every 5 minutes) stands above the transit.
        double highest = -90;
        for (const SkyPoint& p : chart.day.path) highest = std::max(highest, p.altitudeDeg);
        EXPECT_LE(highest, result.transitAltitude + 1e-6);
        EXPECT_GT(highest, result.transitAltitude - 0.05);

        ASSERT_EQ(chart.day.path.size(), 24u * 60 / kSunPathStepMinutes + 1);
        ASSERT_EQ(chart.day.hourMarks.size(), 24u);
        EXPECT_DOUBLE_EQ(chart.day.hourMarks[12].clockHours, 12.0);
        EXPECT_DOUBLE_EQ(chart.day.hourMarks[12].altitudeDeg, chart.day.path[144].altitudeDeg);
        // The point of the request's time is the engine's own.
        EXPECT_NEAR(chart.now.altitudeDeg, result.altitude, 1e-9);
        EXPECT_NEAR(chart.now.bearingDeg, BearingFromSouthWestAzimuth(result.azimuth), 1e-9);

        ASSERT_TRUE(chart.rise.occurs && chart.set.occurs);
        EXPECT_GT(chart.rise.point.bearingDeg, 0);
        EXPECT_LT(chart.rise.point.bearingDeg, 180);
        EXPECT_GT(chart.set.point.bearingDeg, 180);
        EXPECT_LT(chart.set.point.bearingDeg, 360);
        EXPECT_DOUBLE_EQ(chart.rise.point.altitudeDeg, ApparentHorizonAltitude(0));
    }
}

TEST(SunPathData, MonthPathsAreOnTheTwentyFirstAndQiblaFollowsTheEngine) {
    const SolarRequest rome = Request(2024, 3, 5, 9, 0, 0, 1, false, 41.9, -12.5);
    const SunPathChart chart = ComputeSunPath({rome, nullptr}, true);
    ASSERT_EQ(chart.monthPaths.size(), 12u);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(chart.monthPaths[m].date, (ChartDate{2024, m + 1, 21}));
    // Noon of 21 June stands higher than noon of 21 December by about twice
    // the obliquity.
    const double june = chart.monthPaths[5].hourMarks[12].altitudeDeg;
    const double december = chart.monthPaths[11].hourMarks[12].altitudeDeg;
    EXPECT_NEAR(june - december, 2 * 23.44, 0.5);
    // From Rome the Kaaba lies to the south-east, about 124 degrees.
    EXPECT_NEAR(chart.qiblaBearingDeg,
                BearingFromSouthEastAzimuth(CalcSolarParameters(rome).qiblaAzimuth), 1e-12);
    EXPECT_NEAR(chart.qiblaBearingDeg, 124, 2);
}

TEST(AnalemmaData, DeclinationExtremesAtTheSolsticesAndMarksInOrder) {
    const SolarRequest noon = Request(2024, 5, 1, 12, 0, 0, 1, false, 45, -8);
    const AnalemmaChart chart = ComputeAnalemma({noon, nullptr});
    ASSERT_EQ(chart.points.size(), 366u);
    ASSERT_EQ(chart.monthStarts.size(), 12u);
    EXPECT_EQ(chart.points[chart.monthStarts[2]].date, (ChartDate{2024, 3, 1}));
    ASSERT_EQ(chart.seasons.size(), 4u);
    struct Expected {
        SeasonMark season;
        ChartDate date;
        double declination;
        double tolerance;
    };
    const Expected expected[] = {
        {SeasonMark::kMarchEquinox, {2024, 3, 20}, 0, 0.3},
        {SeasonMark::kJuneSolstice, {2024, 6, 20}, 23.44, 0.01},
        {SeasonMark::kSeptemberEquinox, {2024, 9, 22}, 0, 0.3},
        {SeasonMark::kDecemberSolstice, {2024, 12, 21}, -23.44, 0.01},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const AnalemmaPoint& p = chart.points[chart.seasons[i].index];
        EXPECT_EQ(chart.seasons[i].season, expected[i].season);
        EXPECT_NEAR(DayOfYear(2024, p.date.month, p.date.day),
                    DayOfYear(2024, expected[i].date.month, expected[i].date.day), 1.0);
        EXPECT_NEAR(p.declinationDeg, expected[i].declination, expected[i].tolerance);
    }
    // Every point is the Sun at 12:00 of the clock.
    const SolarResult r = CalcSolarParameters(RequestOnDate({noon, nullptr}, {2024, 8, 1}, 12.0));
    const AnalemmaPoint& august = chart.points[static_cast<std::size_t>(DayOfYear(2024, 8, 1))];
    EXPECT_NEAR(august.altitudeDeg, r.altitude, 1e-9);
    EXPECT_NEAR(august.equationOfTimeMin, r.equationOfTime / 60.0, 1e-9);
}

TEST(AnalemmaData, KeepsTheStandardClockThroughSummerTime) {
    // 13:00 of Rome's summer clock is 12:00 of its standard clock, every date.
    const auto rules = FindZoneRules("Europe/Rome");
    ASSERT_NE(rules, nullptr);
    const AnalemmaChart chart =
        ComputeAnalemma({Request(2024, 7, 1, 13, 0, 0, 1, true, 41.9, -12.5), rules});
    EXPECT_DOUBLE_EQ(chart.clockHours, 12.0);
    for (const ChartDate date : {ChartDate{2024, 1, 10}, ChartDate{2024, 8, 1}}) {
        SCOPED_TRACE(date.month);
        const SolarResult r = CalcSolarParameters(
            Request(date.year, date.month, date.day, 12, 0, 0, 1, false, 41.9, -12.5));
        const AnalemmaPoint& p =
            chart.points[static_cast<std::size_t>(DayOfYear(2024, date.month, date.day))];
        EXPECT_NEAR(p.altitudeDeg, r.altitude, 1e-9);
    }
}

TEST(EquationOfTimeData, ExtremesAndZerosNearTheirKnownDates) {
    const EquationOfTimeChart chart =
        ComputeEquationOfTime({Request(2024, 1, 1, 0, 0, 0, 0, false, 0, 0), nullptr});
    ASSERT_EQ(chart.points.size(), 366u);
    ASSERT_EQ(chart.minima.size(), 2u);
    ASSERT_EQ(chart.maxima.size(), 2u);
    ASSERT_EQ(chart.zeros.size(), 4u);
    struct Feature {
        const char* what;
        EquationOfTimeFeature found;
        ChartDate date;
        double minutes;
    };
    const Feature features[] = {
        {"February minimum", chart.minima[0], {2024, 2, 11}, -14.2},
        {"May maximum", chart.maxima[0], {2024, 5, 14}, 3.7},
        {"July minimum", chart.minima[1], {2024, 7, 26}, -6.5},
        {"November maximum", chart.maxima[1], {2024, 11, 3}, 16.4},
        {"April zero", chart.zeros[0], {2024, 4, 15}, 0},
        {"June zero", chart.zeros[1], {2024, 6, 13}, 0},
        {"September zero", chart.zeros[2], {2024, 9, 1}, 0},
        {"December zero", chart.zeros[3], {2024, 12, 25}, 0},
    };
    for (const Feature& f : features) {
        SCOPED_TRACE(f.what);
        EXPECT_NEAR(f.found.dayOfYear, DayOfYear(2024, f.date.month, f.date.day) + 0.5, 2.0);
        EXPECT_NEAR(f.found.minutes, f.minutes, 0.2);
    }
}

TEST(DaylightData, TwelveHoursOnTheEquatorAllYear) {
    const DaylightChart chart =
        ComputeDaylight({Request(2024, 1, 1, 12, 0, 0, 0, false, 0, 0), nullptr});
    ASSERT_EQ(chart.days.size(), 366u);
    for (const DaylightDay& d : chart.days) {
        SCOPED_TRACE(test_support::ReadingText({d.date.year, d.date.month, d.date.day, 0, 0, 0}));
        EXPECT_NEAR(d.geometricDaylightHours, 12.0, 2.0 / 60);
        // Refraction and the Sun's semi-diameter add a few minutes.
        EXPECT_GT(d.apparentDaylightHours, 12.0);
        EXPECT_LT(d.apparentDaylightHours, 12.0 + 10.0 / 60);
        EXPECT_TRUE(d.sunrise.occurs && d.sunset.occurs && d.astronomicalDusk.occurs);
        EXPECT_NEAR(d.sunrise.hours, 6.0, 0.5);
    }
}

TEST(DaylightData, PolarDayAndNightBeyondThePolarCircle) {
    // 78.2N 15.6E, zone +1.
    const DaylightChart chart =
        ComputeDaylight({Request(2024, 1, 1, 12, 0, 0, 1, false, 78.2, -15.6), nullptr});
    struct Case {
        ChartDate date;
        double daylight;
    };
    const Case cases[] = {
        {{2024, 6, 21}, 24}, {{2024, 12, 21}, 0}, {{2024, 1, 15}, 0}, {{2024, 5, 10}, 24}};
    for (const Case& c : cases) {
        const DaylightDay& d =
            chart.days[static_cast<std::size_t>(DayOfYear(2024, c.date.month, c.date.day))];
        SCOPED_TRACE(test_support::ReadingText({d.date.year, d.date.month, d.date.day, 0, 0, 0}));
        EXPECT_EQ(d.apparentDaylightHours, c.daylight);
        EXPECT_FALSE(d.sunrise.occurs);
        EXPECT_FALSE(d.sunset.occurs);
        EXPECT_EQ(d.transitAltitudeDeg > 0, c.daylight == 24);
    }
}

TEST(DaylightData, ClockFollowsTheZonesSummerTime) {
    // Rome: summer time from 31 March 2024; the sunrise on the clock moves an
    // hour later, less the two minutes the days gain.
    const auto rules = FindZoneRules("Europe/Rome");
    ASSERT_NE(rules, nullptr);
    const DaylightChart chart =
        ComputeDaylight({Request(2024, 1, 1, 12, 0, 0, 1, false, 41.9, -12.5), rules});
    const DaylightDay& before = chart.days[static_cast<std::size_t>(DayOfYear(2024, 3, 30))];
    const DaylightDay& after = chart.days[static_cast<std::size_t>(DayOfYear(2024, 3, 31))];
    EXPECT_FALSE(before.summerTime);
    EXPECT_TRUE(after.summerTime);
    EXPECT_NEAR(after.sunrise.hours - before.sunrise.hours, 1.0 - 1.7 / 60, 0.5 / 60);

    // Without rules the request's clock holds all year.
    const DaylightChart fixed =
        ComputeDaylight({Request(2024, 1, 1, 12, 0, 0, 1, false, 41.9, -12.5), nullptr});
    EXPECT_NEAR(fixed.days[static_cast<std::size_t>(DayOfYear(2024, 3, 31))].sunrise.hours -
                    fixed.days[static_cast<std::size_t>(DayOfYear(2024, 3, 30))].sunrise.hours,
                -1.7 / 60, 0.5 / 60);
}

TEST(DaylightData, AgreesWithTheDaysOwnComputation) {
    // The chart's crossings against the full computation of each date, on
    // Rome's clock; the prayers, when asked for, are the day times' own.
    const auto rules = FindZoneRules("Europe/Rome");
    ASSERT_NE(rules, nullptr);
    const ChartInputs inputs{Request(2024, 1, 1, 12, 0, 0, 1, false, 41.9, -12.5), rules};
    const DaylightChart chart = ComputeDaylight(inputs, true);
    constexpr double kSecond = 1.0 / 3600;
    for (const ChartDate date : {ChartDate{2024, 1, 10}, ChartDate{2024, 3, 31},
                                 ChartDate{2024, 7, 1}, ChartDate{2024, 11, 15}}) {
        SCOPED_TRACE(test_support::ReadingText({date.year, date.month, date.day, 0, 0, 0}));
        const SolarRequest request = RequestOnDate(inputs, date, 12.0);
        const SolarResult r = CalcSolarParameters(request);
        const DayTimes t = CalcDayTimes(request, r);
        const DaylightDay& d =
            chart.days[static_cast<std::size_t>(DayOfYear(2024, date.month, date.day))];
        EXPECT_NEAR(d.sunrise.hours, r.apparentRise, kSecond);
        EXPECT_NEAR(d.sunset.hours, r.apparentSet, kSecond);
        EXPECT_NEAR(d.apparentDaylightHours, r.apparentDaylight, 2 * kSecond);
        EXPECT_NEAR(d.geometricDaylightHours, r.geometricDaylight, 2 * kSecond);
        EXPECT_NEAR(d.transitAltitudeDeg, r.transitAltitude, 0.05);
        EXPECT_NEAR(d.civilDawn.hours, t.civilDawn, kSecond);
        EXPECT_NEAR(d.nauticalDusk.hours, t.nauticalDusk, kSecond);
        EXPECT_NEAR(d.astronomicalDusk.hours, t.astronomicalDusk, kSecond);
        EXPECT_EQ(d.fajr.hours, t.fajr);
        EXPECT_EQ(d.isha.hours, t.isha);
        EXPECT_EQ(d.zuhr.hours, t.zuhr);
    }
}

TEST(YearChartCache, SameSiteAndYearReusedOtherSiteComputedAnew) {
    ClearYearChartCache();
    const ChartInputs a{Request(2024, 3, 5, 9, 0, 0, 1, false, 45, -8), nullptr};
    ChartInputs laterDate = a;
    laterDate.request.SetClockReading({2024, 8, 17, 18, 30, 0});
    ChartInputs otherSite = a;
    otherSite.request.latitude = 46;
    ChartInputs otherYear = a;
    otherYear.request.year = 2025;
    const auto first = CachedDaylight(a);
    EXPECT_EQ(CachedDaylight(laterDate), first);
    EXPECT_NE(CachedDaylight(otherSite), first);
    EXPECT_NE(CachedDaylight(otherYear), first);
    EXPECT_EQ(first->days.size(), 366u);
    const auto paths = CachedMonthPaths(a);
    EXPECT_EQ(CachedMonthPaths(laterDate), paths);
    EXPECT_EQ(paths->monthPaths.size(), 12u);
    EXPECT_EQ(CachedEquationOfTime(laterDate), CachedEquationOfTime(a));
    // The clock's zone is part of the key.
    ChartInputs otherZone = a;
    otherZone.request.SetZone(2);
    EXPECT_NE(CachedDaylight(otherZone), first);
}

}  // namespace
}  // namespace tarvel
