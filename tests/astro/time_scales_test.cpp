// Delta T model and sidereal time against worked values.
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

namespace tarvel {
namespace {

// Julian Day of a fractional year, inverting FractionalYear exactly enough.
double JdOfFractionalYear(double y) {
    const int year = static_cast<int>(std::floor(y));
    const double j1 = JulianDayFromCalendar(year, 1, 1.0, 1);
    const double n = IsLeapYear(year, 1) ? 366.0 : 365.0;
    return j1 + (y - year) * n;
}

TEST(DeltaTSeconds, WorkedValuesAtFractionalYears) {
    struct Case {
        double year, expected, tolerance;
    } cases[] = {
        {0.0, 9877.0, 5e-2},         {500.0, 4644.5, 5e-2},
        {948.0, 1828.92112, 5e-6},   {1000.0, 1612.0, 5e-2},
        {1620.0, 121.0, 5e-2},       {1621.0, 116.5, 5e-2},
        {1650.5, 45.5, 5e-2},        {1899.999, -2.80095, 5e-6},
        {1900.0, -2.395, 5e-4},      {1950.5, 29.265, 5e-4},
        {2000.0, 63.95448333, 5e-9}, {2024.99, 69.19115, 5e-6},
        {2025.0, 69.19801667, 5e-9}, {2100.0, 69.19801667, 5e-9},
    };
    for (const Case& c : cases) {
        const double jd = JdOfFractionalYear(c.year);
        EXPECT_NEAR(DeltaTSeconds(jd), c.expected, c.tolerance)
            << "DeltaTSeconds at year " << c.year << " (JD " << jd << ")";
    }
}

TEST(DeltaTSeconds, BoundaryYearsBelongToTheLaterRule) {
    // Just before 1620 the polynomial (79.7 s), at 1620 the table (121 s).
    EXPECT_NEAR(DeltaTSeconds(JulianDayFromCalendar(1619, 12, 31.9, 1)), 79.7, 0.05);
    EXPECT_EQ(DeltaTSeconds(JulianDayFromCalendar(1620, 1, 1.0, 1)), 121.0);
    EXPECT_EQ(DeltaTSeconds(JulianDayFromCalendar(1900, 1, 1.0, 1)), -2.395);
    // The yearly table is not interpolated.
    EXPECT_EQ(DeltaTSeconds(JulianDayFromCalendar(2024, 12, 31.9, 1)), 69.19115);
    EXPECT_EQ(DeltaTSeconds(JulianDayFromCalendar(2025, 1, 1.0, 1)), 69.19801667);
    // J2000.0 lies half a day into 2000.
    EXPECT_EQ(DeltaTSeconds(2451545.0), 63.95448333);
    // The two polynomials nearly meet at 948.
    EXPECT_NEAR(DeltaTSeconds(JdOfFractionalYear(947.9999)), 1829.13, 5e-3);
}

TEST(GreenwichSiderealTime, WorkedValues) {
    EXPECT_NEAR(GreenwichSiderealTime(2451545.0), 18.697137853, 5e-10);
    // 1987 April 10, 0h UT (Meeus, Astronomical Algorithms, example 12.a): mean
    // 13.1795463 h, the equation of the equinoxes about 0.231 s smaller.
    const double gst = GreenwichSiderealTime(2446895.5);
    EXPECT_NEAR(gst, 13.1795463 - 0.231 / 3600.0, 5e-7);
}

// The vector of the ERFA library's own tests (t_gst00b: 2006 January 15, 0h
// UT1 = TT), 1.754166136020645203 rad. ERFA's mean sidereal time is the IAU
// 2000 expression through the Earth rotation angle, this one the IAU 1982
// polynomial; in 2006 they differ by about 0.1 ms (9e-9 rad).
TEST(GreenwichSiderealTime, AgainstErfasTestVector) {
    const double radians = GreenwichSiderealTime(2400000.5 + 53736.0) * 15.0 * M_PI / 180.0;
    EXPECT_NEAR(radians, 1.754166136020645203, 2e-8);
}

TEST(GreenwichSiderealTime, StaysInRange) {
    for (double jd = 2451000.0; jd < 2452000.0; jd += 0.173) {
        const double g = GreenwichSiderealTime(jd);
        EXPECT_GE(g, 0.0);
        EXPECT_LE(g, 24.0);
    }
}

}  // namespace
}  // namespace tarvel
