// The split operations against their worked values and edge cases, a sweep
// around every minute boundary, and the behaviour for values that cannot be
// split.
#include "format/sexagesimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace tarvel {
namespace {

using SplitFunction = SexagesimalParts (*)(double);

struct SplitCase {
    const char* function;
    SplitFunction split;
    double value;
    std::int32_t whole;
    std::int32_t minutes;
    double seconds;
    double secondsTolerance;  // half a unit of the last digit given
};

std::string Describe(const char* function, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%s(%.10g)", function, value);
    return text;
}

void ExpectParts(const SplitCase& c) {
    const SexagesimalParts got = c.split(c.value);
    const std::string name = Describe(c.function, c.value);
    EXPECT_EQ(got.whole, c.whole) << name << ": whole";
    EXPECT_EQ(got.minutes, c.minutes) << name << ": minutes";
    EXPECT_NEAR(got.seconds, c.seconds, c.secondsTolerance) << name << ": seconds";
}

TEST(SplitTest, WorkedValuesAndEdgeCases) {
    const std::vector<SplitCase> cases = {
        // Worked examples.
        {"SplitDegrees", SplitDegrees, 45.5, 45, 30, 0.0, 0.0},
        // Seconds 59.9676 print as "60.0": carried into the minutes, then the whole part.
        {"SplitDegrees", SplitDegrees, 10.999991, 11, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, 359.999995, 360, 0, 0.0, 0.0},
        {"SplitHours", SplitHours, 23.999995, 0, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, -1.999991, -2, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, -0.5, 0, -30, 0.0, 0.0},
        // Carry through the minutes into the whole part.
        {"SplitHours", SplitHours, 0.9999999, 1, 0, 0.0, 0.0},
        {"SplitHours", SplitHours, -1.999991, -2, 0, 0.0, 0.0},
        // Wraps after a carry.
        {"SplitHours", SplitHours, 23.99999, 0, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, 359.99999, 360, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, 360.99999, 1, 0, 0.0, 0.0},
        // Hours wrap only at exactly 24.
        {"SplitHours", SplitHours, 25.999999, 26, 0, 0.0, 0.0},
        // No wrap without a carry.
        {"SplitHours", SplitHours, 24.0, 24, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, 360.0, 360, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, 361.5, 361, 30, 0.0, 0.0},
        // Negative values carry away from zero and are never wrapped.
        {"SplitDegrees", SplitDegrees, -0.0999972, 0, -6, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, -359.99999, -360, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, -360.99999, -361, 0, 0.0, 0.0},
        // 59.949 s is written 59.9: no carry, the seconds are not rounded.
        {"SplitDegrees", SplitDegrees, 59.949 / 3600.0, 0, 0, 59.949, 5e-4},
        {"SplitHours", SplitHours, 7.0 + 59.0 / 60.0 + 59.949 / 3600.0, 7, 59, 59.949, 5e-4},
        {"SplitDegrees", SplitDegrees, -59.949 / 3600.0, 0, 0, -59.949, 5e-4},
        // Exactly 0, and a tiny negative value whose parts are zero or negative.
        {"SplitDegrees", SplitDegrees, 0.0, 0, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, -0.00001, 0, 0, -0.036, 5e-4},
        // A whole part of three digits.
        {"SplitDegrees", SplitDegrees, 123.5, 123, 30, 0.0, 0.0},
        // Parts without carry: seconds are (0.0018923 h) * 3600 - 45 * 60.
        {"SplitHours", SplitHours, 18.7518923, 18, 45, 6.81228, 5e-6},
        {"SplitDegrees", SplitDegrees, -23.4392911, -23, -26, -21.44796, 5e-6},
    };
    for (const SplitCase& c : cases) {
        ExpectParts(c);
    }
}

// Values that cannot be split (whole part beyond ±2147483646, or not finite)
// come back as whole = 0, minutes = 0, seconds = value × 3600, with no carry.
TEST(SplitTest, ValuesBeyondTheIntegerRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const double huge = std::numeric_limits<double>::max();
    const std::vector<SplitCase> cases = {
        // Largest whole part that is split: the carry reaches 2147483647.
        {"SplitHours", SplitHours, 2147483646.99999, 2147483647, 0, 0.0, 0.0},
        {"SplitHours", SplitHours, -2147483646.99999, -2147483647, 0, 0.0, 0.0},
        {"SplitDegrees", SplitDegrees, 2147483646.99999, 2147483647 - 360, 0, 0.0, 0.0},
        {"SplitHours", SplitHours, 2147483646.5, 2147483646, 30, 0.0, 0.0},
        // Beyond.
        {"SplitHours", SplitHours, 2147483647.0, 0, 0, 2147483647.0 * 3600.0, 0.0},
        {"SplitHours", SplitHours, 2147483647.99999, 0, 0, 2147483647.99999 * 3600.0, 0.0},
        {"SplitDegrees", SplitDegrees, -2147483648.0, 0, 0, -2147483648.0 * 3600.0, 0.0},
        {"SplitDegrees", SplitDegrees, 1e10, 0, 0, 3.6e13, 0.0},
        {"SplitDegrees", SplitDegrees, -1e300, 0, 0, -3.6e303, 1e288},
    };
    for (const SplitCase& c : cases) {
        ExpectParts(c);
    }

    const struct {
        const char* function;
        SplitFunction split;
        double value;
        double seconds;
    } infinite[] = {
        {"SplitDegrees", SplitDegrees, inf, inf},
        {"SplitHours", SplitHours, -inf, -inf},
        {"SplitDegrees", SplitDegrees, huge, inf},  // value × 3600 overflows
        {"SplitHours", SplitHours, -huge, -inf},
    };
    for (const auto& c : infinite) {
        const SexagesimalParts got = c.split(c.value);
        const std::string name = Describe(c.function, c.value);
        EXPECT_EQ(got.whole, 0) << name;
        EXPECT_EQ(got.minutes, 0) << name;
        EXPECT_EQ(got.seconds, c.seconds) << name;
    }

    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (SplitFunction split : {SplitDegrees, SplitHours}) {
        const SexagesimalParts got = split(nan);
        EXPECT_EQ(got.whole, 0) << "split(NaN)";
        EXPECT_EQ(got.minutes, 0) << "split(NaN)";
        EXPECT_TRUE(std::isnan(got.seconds)) << "split(NaN): seconds " << got.seconds;
    }
}

// Round trip around every minute boundary of a few whole parts, on both sides of
// the carry threshold (0.05 s): the parts never show 60 minutes or seconds that
// print as "60.0", all parts have the sign of the value, and they add up to the
// value within the 0.05 s that a carry may drop.
TEST(SplitTest, SweepAcrossMinuteBoundariesRoundTrips) {
    const double offsetsSeconds[] = {0.0,  1e-9,   1e-6, 0.001, 0.0499, 0.04999999,
                                     0.05, 0.0501, 0.06, 0.5,   1.0,    30.0};
    for (const bool hours : {false, true}) {
        const SplitFunction split = hours ? SplitHours : SplitDegrees;
        const char* function = hours ? "SplitHours" : "SplitDegrees";
        for (const int whole : {0, 1, 12, 22, 89, 179, 358}) {
            for (int minute = 1; minute <= 60; ++minute) {
                for (const double offset : offsetsSeconds) {
                    for (const double sign : {1.0, -1.0}) {
                        const double x = sign * (whole + minute / 60.0 - offset / 3600.0);
                        const SexagesimalParts p = split(x);
                        const std::string name = Describe(function, x);
                        char secondsText[32];
                        std::snprintf(secondsText, sizeof secondsText, "%04.1lf",
                                      std::fabs(p.seconds));
                        EXPECT_LE(std::abs(p.minutes), 59) << name;
                        EXPECT_LT(std::fabs(p.seconds), 60.0) << name;
                        EXPECT_NE(std::string(secondsText), "60.0") << name;
                        if (sign < 0.0) {
                            EXPECT_LE(p.whole, 0) << name;
                            EXPECT_LE(p.minutes, 0) << name;
                            EXPECT_LE(p.seconds, 1e-9) << name;
                        } else {
                            EXPECT_GE(p.whole, 0) << name;
                            EXPECT_GE(p.minutes, 0) << name;
                            EXPECT_GE(p.seconds, -1e-9) << name;
                        }
                        // None of these values reaches a wrap (a carry to 24 h or past 360°).
                        const double sum = p.whole + p.minutes / 60.0 + p.seconds / 3600.0;
                        EXPECT_NEAR(sum, x, 0.05 / 3600.0 + 1e-12) << name;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarvel
