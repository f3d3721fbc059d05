// The texts of the day times: each value in the time format, the reason of an
// absent one, the rule that gave a time, and the method with its parameters.
#include <gtest/gtest.h>

#include <string>

#include "format/format_texts.h"
#include "format/result_texts.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

using F = DayTimeTextField;

SolarRequest At(double latitude, int month, PrayerMethod method) {
    SolarRequest rq = test_support::Request(2024, month, 21, 12, 0, 0, 0, true, latitude, 0.0);
    rq.prayerMethod = method;
    return rq;
}

TEST(DayTimeTexts, ValuesAbsencesAndRules) {
    struct Case {
        const char* what;
        SolarRequest rq;
        HighLatitudeRule rule;
        F field;
        EventAbsence absence;
        HighLatitudeRule given;
    } cases[] = {
        {"London, June: no -18 degrees", At(51.5, 6, PrayerMethod::kMuslimWorldLeague),
         HighLatitudeRule::kNone, F::Fajr, EventAbsence::AltitudeNotReached,
         HighLatitudeRule::kNone},
        {"London, June: a seventh of the night", At(51.5, 6, PrayerMethod::kMuslimWorldLeague),
         HighLatitudeRule::kSeventhOfTheNight, F::Fajr, EventAbsence::None,
         HighLatitudeRule::kSeventhOfTheNight},
        {"London, June: civil dawn", At(51.5, 6, PrayerMethod::kTarvel), HighLatitudeRule::kNone,
         F::CivilDawn, EventAbsence::None, HighLatitudeRule::kNone},
        {"70 N, June: no night", At(70, 6, PrayerMethod::kTarvel), HighLatitudeRule::kNone,
         F::NightMiddle, EventAbsence::PolarDay, HighLatitudeRule::kNone},
        {"70 N, June: no nautical dusk", At(70, 6, PrayerMethod::kTarvel), HighLatitudeRule::kNone,
         F::NauticalDusk, EventAbsence::AltitudeNotReached, HighLatitudeRule::kNone},
        {"70 N, December: no golden hour", At(70, 12, PrayerMethod::kTarvel),
         HighLatitudeRule::kNone, F::GoldenHourEnd, EventAbsence::AltitudeNotReached,
         HighLatitudeRule::kNone},
        {"70 N, December: no sunset, no night", At(70, 12, PrayerMethod::kTarvel),
         HighLatitudeRule::kNone, F::NightLength, EventAbsence::PolarNight,
         HighLatitudeRule::kNone},
        {"70 N, December: no Isha interval without Maghrib", At(70, 12, PrayerMethod::kQatar),
         HighLatitudeRule::kNone, F::Isha, EventAbsence::PolarNight, HighLatitudeRule::kNone},
    };
    for (Case& c : cases) {
        c.rq.highLatitudeRule = c.rule;
        const SolarResult r = CalcSolarParameters(c.rq);
        const DayTimes d = CalcDayTimes(c.rq, r);
        const std::vector<DayTimeText> texts = DayTimeTexts(c.rq, r, d);
        ASSERT_EQ(texts.size(), 18u);
        const DayTimeText& t = DayTextOf(texts, c.field);
        EXPECT_EQ(t.absence, c.absence) << c.what;
        EXPECT_EQ(t.rule, c.given) << c.what;
        if (c.absence == EventAbsence::None) {
            EXPECT_NE(t.text, " 00:00:00.0") << c.what;
        } else {
            EXPECT_EQ(t.text, " 00:00:00.0") << c.what;
            ResultTextOptions dashes;
            dashes.dashAbsentEvents = true;
            EXPECT_EQ(DayTextOf(DayTimeTexts(c.rq, r, d, dashes), c.field).text, kAbsentEventText)
                << c.what;
        }
    }
    // The value in the time format of the other events.
    const SolarRequest rome = At(41.9, 6, PrayerMethod::kMuslimWorldLeague);
    const SolarResult r = CalcSolarParameters(rome);
    const DayTimes d = CalcDayTimes(rome, r);
    EXPECT_EQ(DayTextOf(DayTimeTexts(rome, r, d), F::Maghrib).text, FormatTimeOfDay(d.maghrib));
    EXPECT_EQ(DayTextOf(DayTimeTexts(rome, r, d), F::Maghrib).text, FormatTimeOfDay(r.apparentSet));
}

TEST(DayTimeTexts, MethodsWithTheirParameters) {
    struct Case {
        PrayerMethod method;
        bool ramadan;
        const char* text;
    } cases[] = {
        {PrayerMethod::kTarvel, false, "Tarvel (Fajr -19°, Isha -17°)"},
        {PrayerMethod::kCustom, false, "personalizzato (Fajr -19°, Isha -17°)"},
        {PrayerMethod::kMuslimWorldLeague, false, "Muslim World League (Fajr -18°, Isha -17°)"},
        {PrayerMethod::kUmmAlQura, false,
         "Umm al-Qura University, Makkah (Fajr -18.5°, Isha 90 min)"},
        {PrayerMethod::kUmmAlQura, true,
         "Umm al-Qura University, Makkah (Fajr -18.5°, Isha 120 min)"},
        {PrayerMethod::kQatar, true, "Qatar (Fajr -18°, Isha 90 min)"},
        {PrayerMethod::kTehran, false,
         "Institute of Geophysics, University of Tehran (Fajr -17.7°, Isha -14°, Maghrib -4.5°)"},
    };
    for (const Case& c : cases) {
        SolarRequest rq;
        rq.prayerMethod = c.method;
        rq.ramadan = c.ramadan;
        EXPECT_EQ(PrayerMethodText(rq), c.text);
    }
    EXPECT_EQ(HighLatitudeRuleText(HighLatitudeRule::kNone), "nessuna");
    EXPECT_EQ(HighLatitudeRuleText(HighLatitudeRule::kTwilightAngle), "angolo/60 della notte");
    ResultTextOptions english;
    english.rules[1] = "middle of the night";
    EXPECT_EQ(HighLatitudeRuleText(HighLatitudeRule::kMiddleOfTheNight, english),
              "middle of the night");
}

// A day time's date in words after the time, in the report's Italian and in
// the words a window gives.
TEST(DayTimeTexts, DayOffsetInWords) {
    const ResultTextOptions italian;
    ResultTextOptions english;
    english.day = "day";
    english.days = "days";
    const struct {
        int dayOffset;
        const ResultTextOptions& options;
        const char* expected;
    } cases[] = {
        {0, italian, ""},
        {1, italian, "(+1 giorno)"},
        {-1, italian, "(-1 giorno)"},
        {2, italian, "(+2 giorni)"},
        {1, english, "(+1 day)"},
        {-2, english, "(-2 days)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayOffsetText(c.dayOffset, c.options), c.expected)
            << "DayOffsetText(" << c.dayOffset << ")";
    }
}

}  // namespace
}  // namespace tarvel
