// The main window's result texts: which value goes into which field, in which
// form, and the substitutes for values that are not shown.
#include "format/format_texts.h"
#include "format/result_texts.h"
#include "support/solar_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace tarvel {
namespace {

// A complete request: Rome-like site, summer time, typed ΔT.
SolarRequest FullRequest() {
    SolarRequest request;
    request.SetClockReading({2024, 6, 21, 14, 5, 7.25});
    request.zoneHours = 1.0f;
    request.zoneMinutes = 60.0f;
    request.latitude = 41.9;
    request.longitude = -12.5;
    request.height = 20;
    request.summerTime = true;
    request.refractionModel = kRefractionBennett;
    request.deltaT = 69.184;
    request.deltaTGiven = true;
    return request;
}

// A fabricated result whose fields all differ and are easy to read in
// sexagesimal form, so that a value shown in the wrong field is seen at once.
SolarResult FabricatedResult() {
    SolarResult r;
    r.julianDay = 2460483.0052083333;
    r.deltaT = 69.184;
    r.gmst = 6.5;
    r.lmst = 7.25;
    r.equationOfTime = -90.5;
    r.longitudeDifference = 2.5;
    r.meanLocalTime = 12.75;
    r.trueLocalTime = 12.5;
    r.trueZoneTime = 12.25;
    r.italianHours = 17.5;
    r.babylonianHours = 8.25;
    r.temporalHours = 7.75;
    r.hoursToSunset = 6.5 + 1.0 / 60.0;
    r.eclipticLongitude = 90.5;
    r.eclipticLatitude = -0.25;
    r.rightAscension = 6.0 + 1.0 / 60.0;
    r.declination = 23.5;
    r.topoRightAscension = 6.0 + 2.0 / 60.0;
    r.topoDeclination = 23.25;
    r.azimuth = -44.5;
    r.altitude = 66.25;
    r.refraction = 0.5 / 60.0;
    r.refractedAltitude = 66.25 + 0.5 / 60.0;
    r.transit = 13.2;
    r.transitAltitude = 71.5;
    r.transitRefraction = 0.25;
    r.geometricRise = 5.75;
    r.geometricRiseAzimuth = -122.5;
    r.geometricSet = 20.75;
    r.geometricSetAzimuth = 122.5;
    r.geometricDaylight = 15.0;
    r.apparentRise = 5.5;
    r.apparentRiseAzimuth = -123.5;
    r.apparentSet = 21.0;
    r.apparentSetAzimuth = 123.5;
    r.apparentDaylight = 15.5;
    r.fajr = 3.25;
    r.asr1 = 17.25;
    r.asr2 = 18.5;
    r.isha = 22.75;
    r.qiblaAzimuth = 56.5;
    r.qiblaTime = 11.5;
    return r;
}

using F = ResultTextField;

struct ExpectedField {
    ResultTextField field;
    const char* text;
};

// Compares the texts with the expected rows, in order, printing the field on
// failure.
void ExpectFields(const std::vector<ResultText>& texts, const std::vector<ExpectedField>& rows) {
    ASSERT_EQ(texts.size(), rows.size()) << "MainWindowResultTexts: number of fields";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ExpectedField& e = rows[i];
        const ResultText& t = texts[i];
        EXPECT_EQ(t.field, e.field) << "MainWindowResultTexts: field #" << i;
        EXPECT_EQ(t.text, e.text) << "MainWindowResultTexts: text of field #" << i;
    }
}

TEST(ResultTextsTest, EveryFieldWithItsText) {
    ExpectFields(MainWindowResultTexts(FullRequest(), FabricatedResult()),
                 {
                     {F::DeltaT, "69.2"},
                     {F::JulianDay, "2460483.00520833"},
                     {F::Gmst, " 06:30:00.0"},
                     {F::Lmst, " 07:15:00.0"},
                     {F::EquationOfTime, "-00:01:30.5 (-90.5 s)"},
                     // West of the zone meridian: minus form. 2.5 degrees = 10 minutes of time.
                     {F::LongitudeDifference, "-00:10:00.0"},
                     // The request's clock reading, not the result's.
                     {F::MeanZoneTime, " 14:05:07.2"},
                     {F::MeanLocalTime, " 12:45:00.0"},
                     {F::TrueZoneTime, " 12:15:00.0"},
                     {F::TrueLocalTime, " 12:30:00.0"},
                     {F::ItalianHours, " 17:30:00.0"},
                     {F::BabylonianHours, " 08:15:00.0"},
                     {F::TemporalHours, " 07:45:00.0"},
                     {F::HoursToSunset, " 06:31:00.0"},
                     {F::EclipticLatitude, "-00°15'00.0\" (-0.250000)"},
                     {F::EclipticLongitude, " 90°30'00.0\" (+90.500000)"},
                     {F::RightAscension, " 06:01:00.0 (+6.016667)"},
                     {F::Declination, "  23°30'00.0\"  (+23.500000)"},
                     {F::TopoRightAscension, " 06:02:00.0 (+6.033333)"},
                     {F::TopoDeclination, "  23°15'00.0\"  (+23.250000)"},
                     {F::Azimuth, " -44°30'00.0\"  (-44.500000)"},
                     {F::Altitude, "  66°15'00.0\"  (+66.250000)"},
                     {F::Refraction, "0.5000'"},
                     {F::RefractedAltitude, "  66°15'30.0\"  (+66.258333)"},
                     {F::GeometricRise, " 05:45:00.0"},
                     {F::GeometricRiseAzimuth, " -122°30'00.0\"  (-122.500000)"},
                     {F::GeometricTransit, " 13:12:00.0"},
                     {F::GeometricTransitAltitude, "  71°30'00.0\"  (+71.500000)"},
                     {F::GeometricSet, " 20:45:00.0"},
                     {F::GeometricSetAzimuth, "  122°30'00.0\"  (+122.500000)"},
                     {F::GeometricDaylight, " 15:00:00.0"},
                     {F::ApparentRise, " 05:30:00.0"},
                     {F::ApparentRiseAzimuth, " -123°30'00.0\"  (-123.500000)"},
                     {F::ApparentTransit, " 13:12:00.0"},
                     // Transit altitude plus the refraction at the transit.
                     {F::ApparentTransitAltitude, "  71°45'00.0\"  (+71.750000)"},
                     {F::ApparentSet, " 21:00:00.0"},
                     {F::ApparentSetAzimuth, "  123°30'00.0\"  (+123.500000)"},
                     {F::ApparentDaylight, " 15:30:00.0"},
                     {F::Fajr, " 03:15:00.0"},
                     {F::Zuhr, " 13:12:00.0"},
                     {F::Asr1, " 17:15:00.0"},
                     {F::Asr2, " 18:30:00.0"},
                     {F::Maghrib, " 20:45:00.0"},
                     {F::Isha, " 22:45:00.0"},
                     {F::Qibla, "56°30'00.0\"  EST"},
                     {F::QiblaTime, " 11:30:00.0"},
                 });
}

TEST(ResultTextsTest, TemporalHoursOnlyBelowThePolarCirclesAndWhenDefined) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double latitude;
        double temporalHours;
        const char* expected;
    } cases[] = {
        {70.0, 7.75, " 00:00:00.0"},
        {-70.0, 7.75, " 00:00:00.0"},
        {66.55, 7.75, " 00:00:00.0"},
        {-66.55, 7.75, " 00:00:00.0"},
        {66.5, 7.75, " 07:45:00.0"},
        {-66.5, 7.75, " 07:45:00.0"},
        {0.0, 11.5, " 11:30:00.0"},
        // Not-a-number (no sunrise or sunset) is never printed as a number.
        {70.0, nan, " 00:00:00.0"},
        {66.5, nan, " 00:00:00.0"},
    };
    for (const Case& c : cases) {
        SolarRequest request = FullRequest();
        request.latitude = c.latitude;
        SolarResult result = FabricatedResult();
        result.temporalHours = c.temporalHours;
        EXPECT_EQ(TextOf(MainWindowResultTexts(request, result), F::TemporalHours), c.expected)
            << "MainWindowResultTexts TemporalHours, latitude " << c.latitude << ", temporalHours "
            << c.temporalHours;
    }
}

TEST(ResultTextsTest, QiblaTimeDashesOnlyWhenNegative) {
    struct Case {
        double qiblaTime;
        const char* expected;
    } cases[] = {
        {-1.0, " --:--:-----.-"},
        {-0.0000001, " --:--:-----.-"},
        {0.0, " 00:00:00.0"},
        {11.5, " 11:30:00.0"},
    };
    for (const Case& c : cases) {
        SolarResult result = FabricatedResult();
        result.qiblaTime = c.qiblaTime;
        EXPECT_EQ(TextOf(MainWindowResultTexts(FullRequest(), result), F::QiblaTime), c.expected)
            << "MainWindowResultTexts QiblaTime, qiblaTime " << c.qiblaTime;
    }
}

TEST(ResultTextsTest, RefractionIsZeroWhenTheRefractedAltitudeIsNegative) {
    struct Case {
        double refractionDeg;
        double refractedAltitude;
        const char* expected;
    } cases[] = {
        // Below the horizon the computation keeps a refraction, the field shows 0.
        {0.5 / 60.0, -12.0, "0.0000'"},
        {34.5 / 60.0, -0.0001, "0.0000'"},
        // Exactly on the horizon the refraction is shown.
        {34.5 / 60.0, 0.0, "34.5000'"},
        {0.5 / 60.0, 66.25, "0.5000'"},
    };
    for (const Case& c : cases) {
        SolarResult result = FabricatedResult();
        result.refraction = c.refractionDeg;
        result.refractedAltitude = c.refractedAltitude;
        EXPECT_EQ(TextOf(MainWindowResultTexts(FullRequest(), result), F::Refraction), c.expected)
            << "MainWindowResultTexts Refraction, refraction " << c.refractionDeg
            << " deg, refractedAltitude " << c.refractedAltitude;
    }
}

TEST(ResultTextsTest, NegativeTransitAltitudeUsesTheMinusAngleForm) {
    SolarResult result = FabricatedResult();
    result.transitAltitude = -13.5;
    result.transitRefraction = -0.25;
    const std::vector<ResultText> texts = MainWindowResultTexts(FullRequest(), result);
    EXPECT_EQ(TextOf(texts, F::GeometricTransitAltitude), " -13°30'00.0\"  (-13.500000)");
    EXPECT_EQ(TextOf(texts, F::ApparentTransitAltitude), " -13°45'00.0\"  (-13.750000)");
}

TEST(ResultTextsTest, ZuhrIsTheTransitAndMaghribTheGeometricSet) {
    // Values away from the easy ones: the same text comes from the same value.
    for (double transit : {0.0, 11.999999, 12.0876543, 23.9999999}) {
        for (double set : {0.0, 17.123456, 21.99999}) {
            SolarResult result = FabricatedResult();
            result.transit = transit;
            result.geometricSet = set;
            const std::vector<ResultText> texts = MainWindowResultTexts(FullRequest(), result);
            EXPECT_EQ(TextOf(texts, F::Zuhr), TextOf(texts, F::GeometricTransit))
                << "Zuhr, transit " << transit;
            EXPECT_EQ(TextOf(texts, F::ApparentTransit), TextOf(texts, F::GeometricTransit))
                << "ApparentTransit, transit " << transit;
            EXPECT_EQ(TextOf(texts, F::Maghrib), TextOf(texts, F::GeometricSet))
                << "Maghrib, set " << set;
        }
    }
}

TEST(ResultTextsTest, QiblaDirectionEastOrWest) {
    struct Case {
        double azimuth;
        const char* expected;
    } cases[] = {
        {56.5, "56°30'00.0\"  EST"},
        {0.0, "00°00'00.0\"  EST"},
        {-120.25, "120°15'00.0\"  OVEST"},
        {-0.00001, "00°00'00.0\"  OVEST"},
    };
    for (const Case& c : cases) {
        SolarResult result = FabricatedResult();
        result.qiblaAzimuth = c.azimuth;
        EXPECT_EQ(TextOf(MainWindowResultTexts(FullRequest(), result), F::Qibla), c.expected)
            << "MainWindowResultTexts Qibla, qiblaAzimuth " << c.azimuth;
    }
}

TEST(ResultTextsTest, UnreducedSiderealAndMeanLocalTimesShowMagnitudes) {
    SolarResult result = FabricatedResult();
    result.lmst = -0.5;
    result.meanLocalTime = 25.5;
    const std::vector<ResultText> texts = MainWindowResultTexts(FullRequest(), result);
    EXPECT_EQ(TextOf(texts, F::Lmst), " 00:30:00.0");
    EXPECT_EQ(TextOf(texts, F::MeanLocalTime), " 25:30:00.0");
}

TEST(ResultTextsTest, ClockReadingIsTheRequestsFieldsNeitherSplitNorCarried) {
    SolarRequest request = FullRequest();
    request.hour = 9;
    request.minute = 59;
    request.second = 59.97;
    EXPECT_EQ(TextOf(MainWindowResultTexts(request, FabricatedResult()), F::MeanZoneTime),
              " 09:59:60.0");
}

TEST(ResultTextsTest, DeltaTWithOneDecimal) {
    SolarResult result = FabricatedResult();
    for (auto [deltaT, expected] : {std::pair{69.184, "69.2"}, std::pair{-3.25, "-3.2"},
                                    std::pair{0.0, "0.0"}, std::pair{12345.67, "12345.7"}}) {
        result.deltaT = deltaT;
        EXPECT_EQ(TextOf(MainWindowResultTexts(FullRequest(), result), F::DeltaT), expected)
            << "MainWindowResultTexts DeltaT, deltaT " << deltaT;
    }
}

TEST(ResultTextsTest, QiblaDirectionInTheWordsGiven) {
    ResultTextOptions options;
    options.east = "LESTE";
    options.west = "OESTE";
    SolarResult result = FabricatedResult();
    EXPECT_EQ(TextOf(MainWindowResultTexts(FullRequest(), result, options), F::Qibla),
              "56°30'00.0\"  LESTE");
    result.qiblaAzimuth = -120.25;
    EXPECT_EQ(TextOf(MainWindowResultTexts(FullRequest(), result, options), F::Qibla),
              "120°15'00.0\"  OESTE");
}

// The fabricated result with every event occurring.
SolarResult EveryEventOccurs() {
    SolarResult r = FabricatedResult();
    r.occurs = {true, true, true, true, true, true, true, true, true, true};
    return r;
}

// Which texts lack their event, why, and what the window then shows: a dash
// instead of the marker value, while the documented texts (the default
// options) keep the marker's form.
TEST(ResultTextsTest, AbsentEventsAndTheirReasons) {
    using A = EventAbsence;
    // With them the hours counted from the rise and set.
    const std::vector<ResultTextField> kGeometricRiseAndSet = {
        F::GeometricRise, F::GeometricRiseAzimuth, F::GeometricSet,    F::GeometricSetAzimuth,
        F::Maghrib,       F::ItalianHours,         F::BabylonianHours, F::TemporalHours,
        F::HoursToSunset};
    struct Case {
        const char* name;
        void (*change)(SolarRequest&, SolarResult&);
        // The fields without their event and why; every other field has it.
        std::vector<std::pair<std::vector<ResultTextField>, EventAbsence>> absent;
    };
    const std::vector<Case> cases = {
        {"geometric polar day",
         [](SolarRequest&, SolarResult& r) {
             r.occurs.geometricRise = r.occurs.geometricSet = false;
             r.geometricDaylight = 24.0;
         },
         {{kGeometricRiseAndSet, A::PolarDay}}},
        {"geometric polar night",
         [](SolarRequest&, SolarResult& r) {
             r.occurs.geometricRise = r.occurs.geometricSet = false;
             r.geometricDaylight = 0.0;
         },
         {{kGeometricRiseAndSet, A::PolarNight}}},
        {"geometric set on another date",
         [](SolarRequest&, SolarResult& r) { r.occurs.geometricSet = false; },
         {{{F::GeometricSet, F::GeometricSetAzimuth, F::Maghrib, F::ItalianHours,
            F::BabylonianHours, F::TemporalHours, F::HoursToSunset},
           A::OtherDate}}},
        {"apparent polar day",
         [](SolarRequest&, SolarResult& r) {
             r.occurs.apparentRise = r.occurs.apparentSet = false;
             r.apparentDaylight = 24.0;
         },
         {{{F::ApparentRise, F::ApparentRiseAzimuth, F::ApparentSet, F::ApparentSetAzimuth},
           A::PolarDay}}},
        {"apparent rise on another date",
         [](SolarRequest&, SolarResult& r) { r.occurs.apparentRise = false; },
         {{{F::ApparentRise, F::ApparentRiseAzimuth}, A::OtherDate}}},
        {"transit on another date",
         [](SolarRequest&, SolarResult& r) { r.occurs.transit = false; },
         {{{F::GeometricTransit, F::GeometricTransitAltitude, F::ApparentTransit,
            F::ApparentTransitAltitude, F::Zuhr},
           A::OtherDate}}},
        // At 60 degrees north with the declination +23.5 the Sun goes no lower
        // than -6.5 degrees: it never reaches -19 or -17.
        {"white night",
         [](SolarRequest& q, SolarResult& r) {
             q.latitude = 60.0;
             q.fajrAngle = -19.0;
             q.ishaAngle = -17.0;
             r.occurs.fajr = r.occurs.isha = false;
         },
         {{{F::Fajr, F::Isha}, A::AltitudeNotReached}}},
        // At 41.9 degrees it goes down to -24.6: the Isha of the date is
        // missing only because the clock carries it into the next day.
        {"Isha on another date",
         [](SolarRequest& q, SolarResult& r) {
             q.ishaAngle = -17.0;
             r.occurs.isha = false;
         },
         {{{F::Isha}, A::OtherDate}}},
        {"Asr on another date",
         [](SolarRequest&, SolarResult& r) { r.occurs.asr1 = false; },
         {{{F::Asr1}, A::OtherDate}}},
        {"Asr in a polar night",
         [](SolarRequest&, SolarResult& r) {
             r.occurs.geometricRise = r.occurs.geometricSet = false;
             r.geometricDaylight = 0.0;
             r.occurs.asr1 = r.occurs.asr2 = false;
         },
         {{kGeometricRiseAndSet, A::PolarNight}, {{F::Asr1, F::Asr2}, A::PolarNight}}},
        {"Asr in a polar day",
         [](SolarRequest&, SolarResult& r) {
             r.occurs.geometricRise = r.occurs.geometricSet = false;
             r.geometricDaylight = 24.0;
             r.occurs.asr2 = false;
         },
         {{kGeometricRiseAndSet, A::PolarDay}, {{F::Asr2}, A::AltitudeNotReached}}},
        {"no Qibla time",
         [](SolarRequest&, SolarResult& r) {
             r.occurs.qiblaTime = false;
             r.qiblaTime = -1.0;
         },
         {{{F::QiblaTime}, A::QiblaNotPassed}}},
    };
    ResultTextOptions dashed;
    dashed.dashAbsentEvents = true;
    for (const Case& c : cases) {
        SolarRequest request = FullRequest();
        SolarResult result = EveryEventOccurs();
        c.change(request, result);
        const std::vector<ResultText> documented = MainWindowResultTexts(request, result);
        const std::vector<ResultText> shown = MainWindowResultTexts(request, result, dashed);
        ASSERT_EQ(shown.size(), documented.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const ResultTextField field = shown[i].field;
            EventAbsence expected = A::None;
            for (const auto& [fields, why] : c.absent) {
                if (std::find(fields.begin(), fields.end(), field) != fields.end()) expected = why;
            }
            const std::string where =
                std::string(c.name) + ": field #" + std::to_string(static_cast<int>(field));
            EXPECT_EQ(AbsenceOf(field, request, result), expected) << where;
            EXPECT_EQ(shown[i].absence, expected) << where;
            EXPECT_EQ(documented[i].absence, expected) << where;
            // The window's dash; the Qibla time keeps its own dashes.
            const std::string dashedText = expected == A::None || field == F::QiblaTime
                                               ? documented[i].text
                                               : std::string(kAbsentEventText);
            EXPECT_EQ(shown[i].text, dashedText) << where;
        }
        EXPECT_EQ(TextOf(documented, F::QiblaTime),
                  result.occurs.qiblaTime ? " 11:30:00.0" : " --:--:-----.-")
            << c.name;
    }
}

// A request of the main window (Delta T given) for the real computations below.
SolarRequest RealRequest(int year, int month, int day, int hour, double latitude,
                         double longitudeWest, float zoneHours, bool summer) {
    return test_support::RequestWithDeltaT(
        69.2, test_support::Request(year, month, day, hour, 0, 0, zoneHours, summer, latitude,
                                    longitudeWest));
}

TEST(ResultTextsTest, RealComputationTemporalHoursHiddenByLatitudeOnly) {
    // An equinox: the Sun rises and sets at both latitudes, so the temporal
    // hours exist and only the latitude hides them.
    for (double latitude : {70.0, -70.0, 66.5, -66.5}) {
        const SolarRequest request = RealRequest(2024, 3, 20, 10, latitude, -12.5, 1.0f, false);
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

TEST(ResultTextsTest, RealComputationOfAPolarNight) {
    const SolarRequest request = RealRequest(2024, 12, 21, 12, 80.0, -15.0, 1.0f, false);
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

TEST(ResultTextsTest, RealComputationsOfPolarDaysAndNightsExplainTheirDashes) {
    ResultTextOptions dashed;
    dashed.dashAbsentEvents = true;
    struct Case {
        const char* name;
        int month;
        int day;
        double latitude;
        std::vector<std::pair<ResultTextField, EventAbsence>> expected;
    } cases[] = {
        {"polar night at 80 N",
         12,
         21,
         80.0,
         {{F::GeometricRise, EventAbsence::PolarNight},
          {F::ApparentSet, EventAbsence::PolarNight},
          {F::Maghrib, EventAbsence::PolarNight},
          {F::Asr1, EventAbsence::PolarNight},
          {F::GeometricTransit, EventAbsence::None},
          {F::QiblaTime, EventAbsence::QiblaNotPassed}}},
        {"polar day at 80 N",
         6,
         21,
         80.0,
         {{F::GeometricSet, EventAbsence::PolarDay},
          {F::ApparentRise, EventAbsence::PolarDay},
          {F::Fajr, EventAbsence::AltitudeNotReached},
          {F::Isha, EventAbsence::AltitudeNotReached},
          {F::Zuhr, EventAbsence::None}}},
        {"white night at 58 N",
         6,
         21,
         58.0,
         {{F::GeometricRise, EventAbsence::None},
          {F::Fajr, EventAbsence::AltitudeNotReached},
          {F::Asr1, EventAbsence::None}}},
    };
    for (const Case& c : cases) {
        const SolarRequest request =
            RealRequest(2024, c.month, c.day, 12, c.latitude, -15.0, 1.0f, false);
        const SolarResult result = CalcSolarParameters(request);
        const std::vector<ResultText> documented = MainWindowResultTexts(request, result);
        const std::vector<ResultText> shown = MainWindowResultTexts(request, result, dashed);
        for (const auto& [field, absence] : c.expected) {
            EXPECT_EQ(AbsenceOf(field, request, result), absence)
                << c.name << ": field #" << static_cast<int>(field);
            if (absence == EventAbsence::None || field == F::QiblaTime) {
                EXPECT_EQ(TextOf(shown, field), TextOf(documented, field))
                    << c.name << ": field #" << static_cast<int>(field);
            } else {
                EXPECT_EQ(TextOf(shown, field), kAbsentEventText)
                    << c.name << ": field #" << static_cast<int>(field);
                EXPECT_EQ(TextOf(documented, field), " 00:00:00.0")
                    << c.name << ": field #" << static_cast<int>(field);
            }
        }
    }
}

}  // namespace
}  // namespace tarvel
