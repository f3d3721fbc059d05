// The main window's result texts, byte for byte.
#include "format/format_texts.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace tarvel {
namespace {

using TextFunction = std::string (*)(double);

struct TextCase {
    const char* function;
    TextFunction format;
    double value;
    const char* expected;
};

void ExpectTexts(const std::vector<TextCase>& cases) {
    for (const TextCase& c : cases) {
        char value[48];
        std::snprintf(value, sizeof value, "%.10g", c.value);
        EXPECT_EQ(c.format(c.value), std::string(c.expected)) << c.function << "(" << value << ")";
    }
}

TEST(FormatTextsTest, TimeOfDay) {
    ExpectTexts({
        {"FormatTimeOfDay", FormatTimeOfDay, 12.5, " 12:30:00.0"},
        {"FormatTimeOfDay", FormatTimeOfDay, 0.0, " 00:00:00.0"},
        {"FormatTimeOfDay", FormatTimeOfDay, 18.7518923, " 18:45:06.8"},
        // Carry and wrap of SplitHours.
        {"FormatTimeOfDay", FormatTimeOfDay, 23.999995, " 00:00:00.0"},
        {"FormatTimeOfDay", FormatTimeOfDay, 0.9999999, " 01:00:00.0"},
        // 59.949 s is written 59.9, not carried.
        {"FormatTimeOfDay", FormatTimeOfDay, 59.949 / 3600.0, " 00:00:59.9"},
        // Values are printed as given, not reduced: magnitudes only.
        {"FormatTimeOfDay", FormatTimeOfDay, 24.0, " 24:00:00.0"},
        {"FormatTimeOfDay", FormatTimeOfDay, -1.5, " 01:30:00.0"},
        {"FormatTimeOfDay", FormatTimeOfDay, 123.5, " 123:30:00.0"},
    });
}

TEST(FormatTextsTest, ClockReadingIsNeitherSplitNorCarried) {
    EXPECT_EQ(FormatClockReading(14, 5, 5.25), " 14:05:05.2");
    EXPECT_EQ(FormatClockReading(9, 59, 59.97), " 09:59:60.0");
    EXPECT_EQ(FormatClockReading(0, 0, 0.0), " 00:00:00.0");
}

TEST(FormatTextsTest, RightAscension) {
    ExpectTexts({
        {"FormatRightAscension", FormatRightAscension, 18.7518923, " 18:45:06.8 (+18.751892)"},
        {"FormatRightAscension", FormatRightAscension, 0.0, " 00:00:00.0 (+0.000000)"},
        {"FormatRightAscension", FormatRightAscension, 23.999995, " 00:00:00.0 (+23.999995)"},
        {"FormatRightAscension", FormatRightAscension, -1.999991, "-02:00:00.0 (-1.999991)"},
        {"FormatRightAscension", FormatRightAscension, -0.00001, "-00:00:00.0 (-0.000010)"},
    });
}

TEST(FormatTextsTest, HorizontalAngle) {
    ExpectTexts({
        {"FormatHorizontalAngle", FormatHorizontalAngle, -23.4392911,
         " -23\xC2\xB0"
         "26'21.4\"  (-23.439291)"},
        {"FormatHorizontalAngle", FormatHorizontalAngle, 45.5, "  45°30'00.0\"  (+45.500000)"},
        {"FormatHorizontalAngle", FormatHorizontalAngle, 123.5, "  123°30'00.0\"  (+123.500000)"},
        {"FormatHorizontalAngle", FormatHorizontalAngle, 10.999991, "  11°00'00.0\"  (+10.999991)"},
        // Exactly 0: non-negative form. A tiny negative value: minus form, zero fields.
        {"FormatHorizontalAngle", FormatHorizontalAngle, 0.0, "  00°00'00.0\"  (+0.000000)"},
        {"FormatHorizontalAngle", FormatHorizontalAngle, -0.00001, " -00°00'00.0\"  (-0.000010)"},
        // Negative carry away from zero.
        {"FormatHorizontalAngle", FormatHorizontalAngle, -0.0999972, " -00°06'00.0\"  (-0.099997)"},
        {"FormatHorizontalAngle", FormatHorizontalAngle, -1.999991, " -02°00'00.0\"  (-1.999991)"},
    });
}

TEST(FormatTextsTest, EclipticAngle) {
    ExpectTexts({
        {"FormatEclipticAngle", FormatEclipticAngle, 280.3682, " 280°22'05.5\" (+280.368200)"},
        {"FormatEclipticAngle", FormatEclipticAngle, 359.999995, " 360°00'00.0\" (+359.999995)"},
        {"FormatEclipticAngle", FormatEclipticAngle, 360.99999, " 01°00'00.0\" (+360.999990)"},
        {"FormatEclipticAngle", FormatEclipticAngle, -0.5, "-00°30'00.0\" (-0.500000)"},
        {"FormatEclipticAngle", FormatEclipticAngle, 0.0, " 00°00'00.0\" (+0.000000)"},
        {"FormatEclipticAngle", FormatEclipticAngle, -0.00001, "-00°00'00.0\" (-0.000010)"},
    });
}

TEST(FormatTextsTest, QiblaDirection) {
    const TextFunction italian = [](double d) { return FormatQiblaDirection(d); };
    // The words of another interface language replace the Italian ones; the
    // rest of the text is the same.
    const TextFunction english = [](double d) { return FormatQiblaDirection(d, "EAST", "WEST"); };
    ExpectTexts({
        {"FormatQiblaDirection", italian, 56.7, "56°42'00.0\"  EST"},
        {"FormatQiblaDirection", italian, 0.0, "00°00'00.0\"  EST"},
        {"FormatQiblaDirection", italian, -123.5, "123°30'00.0\"  OVEST"},
        {"FormatQiblaDirection", italian, -0.0999972, "00°06'00.0\"  OVEST"},
        {"FormatQiblaDirection(EAST, WEST)", english, 0.0, "00°00'00.0\"  EAST"},
        {"FormatQiblaDirection(EAST, WEST)", english, -0.00001, "00°00'00.0\"  WEST"},
    });
}

// Split on its own: minutes truncated towards zero, no carry, hour field 00.
TEST(FormatTextsTest, EquationOfTime) {
    ExpectTexts({
        {"FormatEquationOfTime", FormatEquationOfTime, -196.911, "-00:03:16.9 (-196.9 s)"},
        {"FormatEquationOfTime", FormatEquationOfTime, 59.97, " 00:00:60.0 (+60.0 s)"},
        {"FormatEquationOfTime", FormatEquationOfTime, -59.97, "-00:00:60.0 (-60.0 s)"},
        {"FormatEquationOfTime", FormatEquationOfTime, 985.3, " 00:16:25.3 (+985.3 s)"},
        {"FormatEquationOfTime", FormatEquationOfTime, 0.0, " 00:00:00.0 (+0.0 s)"},
        {"FormatEquationOfTime", FormatEquationOfTime, -0.02, "-00:00:00.0 (-0.0 s)"},
        // Whole minutes only, even past an hour.
        {"FormatEquationOfTime", FormatEquationOfTime, 3725.0, " 00:62:05.0 (+3725.0 s)"},
    });
}

// Split on its own, no carry; the minus form when the difference is positive
// (observer west of the zone meridian).
TEST(FormatTextsTest, LongitudeDifferenceTime) {
    ExpectTexts({
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, 0.0, " 00:00:00.0"},
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, 2.5, "-00:10:00.0"},
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, 15.0, "-01:00:00.0"},
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, -9.1875, " 00:36:45.0"},
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, -12.5, " 00:50:00.0"},
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, 20.7625, "-01:23:03.0"},
        // 59.97 s of time: no carry.
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, 59.97 / 240.0,
         "-00:00:60.0"},
        {"FormatLongitudeDifferenceTime", FormatLongitudeDifferenceTime, -59.97 / 240.0,
         " 00:00:60.0"},
    });
}

TEST(FormatTextsTest, DecimalValues) {
    ExpectTexts({
        {"FormatJulianDay", FormatJulianDay, 2451545.0, "2451545.00000000"},
        {"FormatJulianDay", FormatJulianDay, 2460000.123456789, "2460000.12345679"},
        {"FormatDeltaTShort", FormatDeltaTShort, 69.184, "69.2"},
        {"FormatDeltaTShort", FormatDeltaTShort, -2.06, "-2.1"},
        {"FormatDeltaTModel", FormatDeltaTModel, 69.184, "69.184000"},
        {"FormatDeltaTModel", FormatDeltaTModel, 10583.6, "10583.600000"},
        {"FormatRefraction", FormatRefraction, 34.47751, "34.4775'"},
        {"FormatRefraction", FormatRefraction, 0.0, "0.0000'"},
    });
}

TEST(FormatTextsTest, FixedTexts) {
    EXPECT_EQ(std::string(kUndefinedTimeText), " 00:00:00.0");
    EXPECT_EQ(std::string(kNoEventTimeText), " --:--:-----.-");
}

TEST(FormatTextsTest, DegreeSignIsUtf8) {
    const std::string text = FormatEclipticAngle(1.0);
    EXPECT_EQ(text,
              " 01\xC2\xB0"
              "00'00.0\" (+1.000000)");
}

// Values the split operations cannot take print without undefined behaviour,
// with all of the value in the seconds field: a not-a-number or an infinity
// stays visible.
TEST(FormatTextsTest, NonFiniteAndHugeValuesStayVisible) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* function;
        std::string text;
        const char* prefix;
        const char* contains;
    } cases[] = {
        {"FormatTimeOfDay(NaN)", FormatTimeOfDay(nan), " 00:00:", "nan"},
        {"FormatRightAscension(NaN)", FormatRightAscension(nan), " 00:00:", "nan"},
        {"FormatEquationOfTime(NaN)", FormatEquationOfTime(nan), " 00:00:", "nan"},
        {"FormatLongitudeDifferenceTime(NaN)", FormatLongitudeDifferenceTime(nan),
         " 00:00:", "nan"},
        {"FormatHorizontalAngle(-inf)", FormatHorizontalAngle(-inf), " -00°00'", "inf"},
        {"FormatQiblaDirection(inf)", FormatQiblaDirection(inf), "00°00'", "inf"},
        {"FormatEquationOfTime(1e300)", FormatEquationOfTime(1e300), " 00:00:1000000", " s)"},
        {"FormatLongitudeDifferenceTime(-1e12)", FormatLongitudeDifferenceTime(-1e12),
         " 00:00:240000000000000.0", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text.rfind(c.prefix, 0), 0u) << c.function << ": \"" << c.text << "\"";
        EXPECT_NE(c.text.find(c.contains), std::string::npos)
            << c.function << ": \"" << c.text << "\"";
    }
}

}  // namespace
}  // namespace tarvel
