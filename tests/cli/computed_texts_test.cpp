// The main window's texts of real computations: the substitutes and special
// forms appear where the computed values call for them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "format/format_texts.h"
#include "format/result_texts.h"

namespace tarvel {
namespace {

SolarRequest Request(int year, int month, int day, int hour, double latitude, double longitudeWest,
                     float zoneHours, bool summer) {
    SolarRequest request;
    request.year = year;
    request.month = month;
    request.day = day;
    request.hour = hour;
    request.minute = 0;
    request.second = 0;
    request.zoneHours = zoneHours;
    request.zoneMinutes = zoneHours * 60;
    request.latitude = latitude;
    request.longitude = longitudeWest;
    request.summerTime = summer;
    request.deltaT = 69.2;
    request.deltaTGiven = true;
    return request;
}

using F = ResultTextField;

TEST(ComputedTextsTest, QiblaFromItalyIsEast) {
    const SolarRequest rome = Request(2024, 6, 21, 12, 41.9, -12.5, 1.0f, true);
    const SolarResult result = CalcSolarParameters(rome);
    const std::string text = TextOf(MainWindowResultTexts(rome, result), F::Qibla);
    EXPECT_GT(result.qiblaAzimuth, 0.0);
    EXPECT_EQ(text, FormatQiblaDirection(result.qiblaAzimuth));
    EXPECT_EQ(text.substr(text.size() - 5), "  EST") << text;
}

TEST(ComputedTextsTest, TemporalHoursHiddenAtSeventyDegreesShownAtSixtySixAndAHalf) {
    // An equinox: the Sun rises and sets at both latitudes, so the temporal
    // hours exist and only the latitude hides them.
    for (double latitude : {70.0, -70.0, 66.5, -66.5}) {
        const SolarRequest request = Request(2024, 3, 20, 10, latitude, -12.5, 1.0f, false);
        const SolarResult result = CalcSolarParameters(request);
        ASSERT_TRUE(std::isfinite(result.temporalHours)) << "latitude " << latitude;
        const std::string text = TextOf(MainWindowResultTexts(request, result), F::TemporalHours);
        const std::string expected = std::fabs(latitude) >= 66.55
                                         ? std::string(kUndefinedTimeText)
                                         : FormatTimeOfDay(result.temporalHours);
        EXPECT_EQ(text, expected) << "latitude " << latitude << ", temporalHours "
                                  << result.temporalHours;
    }
}

TEST(ComputedTextsTest, PolarNightShowsNegativeTransitAltitudeAndNoQiblaTime) {
    const SolarRequest request = Request(2024, 12, 21, 12, 80.0, -15.0, 1.0f, false);
    const SolarResult result = CalcSolarParameters(request);
    ASSERT_LT(result.transitAltitude, 0.0);
    ASSERT_LT(result.transitAltitude + result.transitRefraction, 0.0);
    const std::vector<ResultText> texts = MainWindowResultTexts(request, result);
    EXPECT_EQ(TextOf(texts, F::GeometricTransitAltitude).rfind(" -", 0), 0u)
        << TextOf(texts, F::GeometricTransitAltitude);
    EXPECT_EQ(TextOf(texts, F::ApparentTransitAltitude).rfind(" -", 0), 0u)
        << TextOf(texts, F::ApparentTransitAltitude);
    EXPECT_EQ(TextOf(texts, F::GeometricTransitAltitude),
              FormatHorizontalAngle(result.transitAltitude));
    EXPECT_EQ(result.qiblaTime, -1.0);
    EXPECT_EQ(TextOf(texts, F::QiblaTime), " --:--:-----.-");
    EXPECT_EQ(TextOf(texts, F::TemporalHours), " 00:00:00.0");
}

TEST(ComputedTextsTest, RefractionShownAsZeroWithTheSunBelowTheHorizon) {
    const SolarRequest night = Request(2024, 6, 21, 1, 41.9, -12.5, 1.0f, true);
    const SolarResult result = CalcSolarParameters(night);
    ASSERT_LT(result.refractedAltitude, 0.0);
    EXPECT_EQ(TextOf(MainWindowResultTexts(night, result), F::Refraction), "0.0000'")
        << "refraction " << result.refraction << " deg";

    const SolarRequest day = Request(2024, 6, 21, 12, 41.9, -12.5, 1.0f, true);
    const SolarResult dayResult = CalcSolarParameters(day);
    EXPECT_EQ(TextOf(MainWindowResultTexts(day, dayResult), F::Refraction),
              FormatRefraction(dayResult.refraction * 60.0));
}

TEST(ComputedTextsTest, ZuhrIsTransitAndMaghribIsGeometricSet) {
    for (double latitude : {-45.0, 0.0, 41.9, 60.0}) {
        const SolarRequest request = Request(2024, 11, 5, 9, latitude, 74.0, -5.0f, false);
        const std::vector<ResultText> texts =
            MainWindowResultTexts(request, CalcSolarParameters(request));
        EXPECT_EQ(TextOf(texts, F::Zuhr), TextOf(texts, F::GeometricTransit))
            << "latitude " << latitude;
        EXPECT_EQ(TextOf(texts, F::ApparentTransit), TextOf(texts, F::GeometricTransit))
            << "latitude " << latitude;
        EXPECT_EQ(TextOf(texts, F::Maghrib), TextOf(texts, F::GeometricSet))
            << "latitude " << latitude;
    }
}

}  // namespace
}  // namespace tarvel
