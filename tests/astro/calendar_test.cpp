// Calendar and Julian Day arithmetic against worked values, and round trips.
#include "astro/angles.h"
#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>

namespace tarvel {
namespace {

struct JdCase {
    int year, month;
    double day;
    int gregorian;
    double expected;
};

TEST(JulianDayFromCalendar, WorkedValues) {
    const JdCase cases[] = {
        {2000, 1, 1.5, 1, 2451545.0},   {1957, 10, 4.81, 1, 2436116.31},
        {333, 1, 27.5, 0, 1842713.0},   {-4712, 1, 1.5, 0, 0.0},
        {1582, 10, 15, 1, 2299160.5},   {1582, 10, 4, 0, 2299159.5},
        {-100, 3, 1, 1, 1684594.5},
    };
    for (const JdCase& c : cases) {
        EXPECT_NEAR(JulianDayFromCalendar(c.year, c.month, c.day, c.gregorian), c.expected, 5e-9)
            << "JulianDayFromCalendar(" << c.year << ", " << c.month << ", " << c.day << ", "
            << c.gregorian << ")";
    }
}

struct CalendarCase {
    double jd;
    int year, month, day, hour, minute;
    double second;
    double secondTolerance;
};

TEST(ToCalendar, WorkedValues) {
    const CalendarCase cases[] = {
        {2299160.5, 1582, 10, 15, 0, 0, 0.0, 1e-6},
        {2299160.4999, 1582, 10, 4, 23, 59, 51.36, 5e-3},
        {2451545.0, 2000, 1, 1, 12, 0, 0.0, 1e-6},
        {2451544.5, 2000, 1, 1, 0, 0, 0.0, 1e-6},
        {2436116.31, 1957, 10, 4, 19, 26, 24.0, 5e-2},
        {1507900.13, -584, 5, 28, 15, 7, 12.0, 5e-2},
        // Just below a whole hour the hour is already the next one.
        {2451544.5 + 0.4999999, 2000, 1, 1, 12, -1, 59.99, 5e-3},
    };
    for (const CalendarCase& c : cases) {
        int y, m, d, h, mi;
        double s;
        JulianDate(c.jd, 1).ToCalendar(y, m, d, h, mi, s);
        SCOPED_TRACE(testing::Message() << "ToCalendar(" << std::setprecision(12) << c.jd << ")");
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
        EXPECT_EQ(h, c.hour);
        EXPECT_EQ(mi, c.minute);
        EXPECT_NEAR(s, c.second, c.secondTolerance);
    }
}

// Every instant on a grid across the Julian-Gregorian switch and far from it
// converts back to the same Julian Day (the flag follows the date's calendar).
TEST(ToCalendar, RoundTripsAcrossCalendarSwitch) {
    for (double jd = 2299100.0; jd < 2299220.0; jd += 0.37) {
        int y, m, d, h, mi;
        double s;
        JulianDate(jd, 1).ToCalendar(y, m, d, h, mi, s);
        const int g = jd >= 2299160.5 ? 1 : 0;
        JulianDate back;
        back.SetDateTime(y, m, d, h, mi, s, g);
        EXPECT_NEAR(back.jd, jd, 1e-8) << "jd " << jd;
    }
    for (double jd = 0.0; jd < 5.0e6; jd += 12345.678) {
        int y, m, d, h, mi;
        double s;
        JulianDate(jd, 1).ToCalendar(y, m, d, h, mi, s);
        JulianDate back;
        back.SetDateTime(y, m, d, h, mi, s, jd >= 2299160.5 ? 1 : 0);
        EXPECT_NEAR(back.jd, jd, 1e-7) << "jd " << jd;
    }
}

// The conversion against the algorithm as written, every INT a floor of a
// double quotient: the same fields, to the last bit of the second, for every
// whole Julian Day of stretches around the calendar switch, the epochs and
// the end of the range, and for random instants of the whole range.
TEST(ToCalendar, EqualsTheAlgorithmInDoubles) {
    const auto literal = [](double jd, int& year, int& month, int& day, int& hour, int& minute,
                            double& second) {
        double whole = 0.0;
        const double f = std::modf(jd + 0.5, &whole);
        const int z = static_cast<int>(whole);
        double a = z;
        if (z >= 2299161) {
            const double alpha = std::floor((z - 1867216.25) / 36524.25);
            a = z + 1 + alpha - std::floor(alpha * 0.25);
        }
        const double b = a + 1524;
        const double c = std::floor((b - 122.1) / 365.25);
        const double d = std::floor(c * 365.25);
        const double e = std::floor((b - d) / 30.6001);
        const double dayWithFraction = (b - d - std::floor(e * 30.6001)) + f;
        day = static_cast<int>(dayWithFraction);
        month = e < 14 ? static_cast<int>(e) - 1 : static_cast<int>(e) - 13;
        year = month > 2 ? static_cast<int>(c) - 4716 : static_cast<int>(c) - 4715;
        double dayWhole = 0.0;
        const double g = std::modf(dayWithFraction, &dayWhole);
        hour = static_cast<int>(std::floor(g * 24.00001));
        minute = static_cast<int>(std::floor((g - hour / 24.0) * 1440.00001));
        second = (g - hour / 24.0 - minute / 1440.0) * 86400.0;
    };
    const auto check = [&](double jd) {
        int y1, m1, d1, h1, mi1, y2, m2, d2, h2, mi2;
        double s1, s2;
        JulianDate(jd, 1).ToCalendar(y1, m1, d1, h1, mi1, s1);
        literal(jd, y2, m2, d2, h2, mi2, s2);
        ASSERT_TRUE(y1 == y2 && m1 == m2 && d1 == d2 && h1 == h2 && mi1 == mi2 &&
                    std::memcmp(&s1, &s2, sizeof s1) == 0)
            << "jd " << std::setprecision(17) << jd << ": " << y1 << "-" << m1 << "-" << d1 << " "
            << h1 << ":" << mi1 << ":" << s1 << " instead of " << y2 << "-" << m2 << "-" << d2
            << " " << h2 << ":" << mi2 << ":" << s2;
    };
    const double starts[] = {-0.5,      1721057.5, 2299100.5, 2415020.5,
                             2451544.5, 2488069.5, 5373484.5, 2147483646.5 - 200000.0};
    for (const double start : starts) {
        for (int i = 0; i < 200000; ++i) check(start + i + (i % 7) * 0.1234567);
    }
    std::mt19937_64 random(20251213);
    std::uniform_real_distribution<double> anyInstant(-0.5, 2147483646.0);
    for (int i = 0; i < 200000; ++i) check(anyInstant(random));
}

TEST(ToCalendar, NonFiniteGivesZeroFields) {
    int y = 1, m = 1, d = 1, h = 1, mi = 1;
    double s = 0;
    JulianDate(std::numeric_limits<double>::quiet_NaN(), 1).ToCalendar(y, m, d, h, mi, s);
    EXPECT_EQ(y, 0);
    EXPECT_TRUE(std::isnan(s));
}

TEST(JulianDate, SetDateTimeCountsOn) {
    JulianDate a;
    a.SetDateTime(2024, 3, 1, -2, 0, 0, 1);  // 22:00 on 29 February
    EXPECT_DOUBLE_EQ(a.jd, JulianDayFromCalendar(2024, 2, 29 + 22.0 / 24.0, 1));
    JulianDate b(2000, 1, 1.5, 1);
    EXPECT_EQ(b.jd, 2451545.0);
    EXPECT_EQ(JulianDate().jd, 0.0);
    EXPECT_EQ(JulianDate().gregorian, 1);
}

TEST(JulianDate, FractionalYear) {
    EXPECT_EQ(JulianDate(2451544.5, 1).FractionalYear(), 2000.0);
    EXPECT_NEAR(JulianDate(2451545.0, 1).FractionalYear(), 2000.0013661, 5e-8);
}

TEST(JulianDate, DaysInMonth) {
    EXPECT_EQ(JulianDate(1900, 2, 10, 1).DaysInMonth(), 28);
    EXPECT_EQ(JulianDate(1900, 2, 10, 0).DaysInMonth(), 29);
    EXPECT_EQ(JulianDate(2000, 2, 10, 1).DaysInMonth(), 29);
    EXPECT_EQ(JulianDate(2000, 2, 10, 0).DaysInMonth(), 29);
    EXPECT_EQ(JulianDate(2023, 4, 30, 1).DaysInMonth(), 30);
    EXPECT_EQ(JulianDate(2023, 12, 31, 1).DaysInMonth(), 31);
}

TEST(IsLeapYear, Rules) {
    EXPECT_EQ(IsLeapYear(1900, 1), 0);
    EXPECT_EQ(IsLeapYear(1900, 0), 1);
    EXPECT_EQ(IsLeapYear(2000, 1), 1);
    EXPECT_EQ(IsLeapYear(-4, 1), 1);
    EXPECT_EQ(IsLeapYear(0, 1), 1);
    EXPECT_EQ(IsLeapYear(-100, 1), 0);
    EXPECT_EQ(IsLeapYear(2023, 1), 0);
}

TEST(AngleFunctions, Normalizations) {
    const double pi = 3.141592653589793;
    EXPECT_EQ(NormalizeDegrees(360.0), 360.0);
    EXPECT_EQ(NormalizeDegrees(-360.0), 0.0);
    EXPECT_EQ(NormalizeDegrees(720.0), 360.0);
    EXPECT_EQ(NormalizeDegrees(123.25), 123.25);
    EXPECT_EQ(NormalizeHours(-0.5), 23.5);
    EXPECT_EQ(NormalizeHours(24.0), 24.0);
    EXPECT_EQ(NormalizeHours(48.0), 24.0);
    EXPECT_EQ(NormalizeHours(-24.0), 0.0);
    EXPECT_EQ(NormalizeHours(0.0), 0.0);
    // Each whole-day step of the plain loop is exact: the result is the exact remainder.
    EXPECT_EQ(NormalizeHours(50.3), 50.3 - 24.0 - 24.0);
    EXPECT_EQ(NormalizeHours(-30.1), -30.1 + 24.0 + 24.0);
    EXPECT_EQ(NormalizeDegrees(-1e-20), 360.0);  // rounds onto the upper bound
    EXPECT_EQ(WrapRadians(pi), -pi);
    EXPECT_EQ(WrapRadians(-pi), pi);
    EXPECT_EQ(WrapRadians(7.0), 7.0 - 2 * pi);
    EXPECT_EQ(WrapRadians(1.0), 1.0);
}

// The reductions into [0, 360] and [0, 24] with the exact remainder of fmod,
// as they are defined, over values of every magnitude the computation meets
// and beyond it, many lying on or next to a multiple of the period.
TEST(AngleFunctions, NormalizationsAreTheExactRemainder) {
    const auto reference = [](double x, double period) {
        if (x < 0.0) {
            const double r = std::fmod(x, period);
            return r < 0.0 ? r + period : 0.0;
        }
        if (x > period) {
            const double r = std::fmod(x, period);
            return r == 0.0 ? period : r;
        }
        return x;
    };
    std::mt19937_64 random(20251210);
    for (const double period : {24.0, 360.0}) {
        for (int exponent = -20; exponent <= 60; ++exponent) {
            for (int i = 0; i < 2000; ++i) {
                const std::uint64_t bits = random();
                double x = std::ldexp(1.0 + static_cast<double>(bits >> 12) * 0x1p-52, exponent);
                if (i % 2 == 0) {
                    // On or a few units in the last place next to a whole number of periods.
                    x = std::floor(x / period) * period;
                    for (int k = static_cast<int>(bits % 7) - 3; k != 0; k += k > 0 ? -1 : 1) {
                        x = std::nextafter(x, k > 0 ? HUGE_VAL : -HUGE_VAL);
                    }
                }
                if (bits & 2) x = -x;
                const double expected = reference(x, period);
                const double obtained = period == 24.0 ? NormalizeHours(x) : NormalizeDegrees(x);
                ASSERT_EQ(std::memcmp(&obtained, &expected, sizeof(double)), 0)
                    << "period " << period << ", x " << std::hexfloat << x << ": " << obtained
                    << " instead of " << expected;
            }
        }
    }
}

TEST(AngleFunctions, NonFiniteArgumentsReturn) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(NormalizeHours(inf)));
    EXPECT_TRUE(std::isnan(NormalizeHours(-inf)));
    EXPECT_TRUE(std::isnan(NormalizeHours(nan)));
    EXPECT_TRUE(std::isnan(NormalizeDegrees(inf)));
    EXPECT_TRUE(std::isnan(NormalizeDegrees(nan)));
    // Huge but finite: no endless loop; a whole number of turns lands on 360.
    EXPECT_EQ(NormalizeDegrees(1e300), 360.0);
}

TEST(AngleFunctions, Conversions) {
    EXPECT_NEAR(DmsToDegrees(23, 26, 21.448, 1), 23.439291111, 5e-10);
    EXPECT_EQ(DmsToDegrees(0, 30, 0, 0), -0.5);
    EXPECT_EQ(DegreesToHours(45.0), 3.0);
    EXPECT_DOUBLE_EQ(DegToRad(180.0), M_PI);
    EXPECT_DOUBLE_EQ(RadToDeg(M_PI / 2), 90.0);
    EXPECT_DOUBLE_EQ(HoursToRad(12.0), M_PI);
    EXPECT_DOUBLE_EQ(RadToHours(M_PI / 4), 3.0);
}

}  // namespace
}  // namespace tarvel
