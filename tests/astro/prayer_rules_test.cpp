// The prayer rules beyond the angles: the Moonsighting Committee's seasonal
// limits against its published formula worked by hand, the polar rules
// against fresh evaluations of the Sun at the latitude or date they chose,
// the recommended rule, Tehran's Maghrib without its altitude, the user's
// Isha interval and Maghrib altitude, the blue hour, the day length's change
// and the rounding of published timetables.
#include "astro/prayer_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/solar_events.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

using test_support::SunAt;

constexpr double kAltitudeTolerance = 0.004;  // degrees, as for the methods' own crossings
constexpr double kMinute = 1.0 / 60.0;

double FromDateMidnight(double time, int dayOffset) {
    return time + 24.0 * dayOffset;
}

TEST(MoonsightingCommittee, SeasonalLimitsWorkedByHand) {
    // Minutes from the published formula, worked by hand: Montreal (45.5017 N)
    // on 21 June 2024 is day 173 + 10 = 183 of its season, the value d;
    // Karachi (24.86 N) on 15 January 2024 is day 25, between a and b.
    struct Case {
        double latitude;
        int year, month, day;
        int seasonDays;
        double fajr, ishaGeneral, ishaRed, ishaWhite;  // minutes
    } cases[] = {
        {45.5017, 2024, 6, 21, 183, 114.7933, 80.0796, 62.0 + 19.44 / 55 * 45.5017,
         75.0 + 81.84 / 55 * 45.5017},
        {24.86, 2024, 1, 15, 25, 86.8061, 83.6469, 66.8150, 84.2814},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "latitude " << c.latitude);
        EXPECT_EQ(SeasonDays(c.latitude, c.year, c.month, c.day), c.seasonDays);
        EXPECT_NEAR(MoonsightingFajrMinutes(c.latitude, c.seasonDays), c.fajr, 1e-4);
        EXPECT_NEAR(MoonsightingIshaMinutes(c.latitude, c.seasonDays, Shafaq::kGeneral),
                    c.ishaGeneral, 1e-4);
        EXPECT_NEAR(MoonsightingIshaMinutes(c.latitude, c.seasonDays, Shafaq::kRed), c.ishaRed,
                    1e-4);
        EXPECT_NEAR(MoonsightingIshaMinutes(c.latitude, c.seasonDays, Shafaq::kWhite),
                    c.ishaWhite, 1e-4);
    }
    // The southern season starts at its own solstice: 21 June is day 1.
    EXPECT_EQ(SeasonDays(-33.9, 2024, 6, 21), 0);
    EXPECT_EQ(SeasonDays(-33.9, 2023, 6, 22), 1);
}

TEST(MoonsightingCommittee, FajrAndIshaHeldWithinTheLimits) {
    struct Case {
        const char* site;
        SolarRequest rq;
        Shafaq shafaq;
        bool fajrSeasonal, ishaSeasonal;  // which limit the 18 degrees cross
        double fajrMinutes, ishaMinutes;  // the limits worked by hand
    } cases[] = {
        // Montreal in June: 18 degrees fall long before sunrise and after
        // sunset, so both limits give the times.
        {"Montreal", test_support::Request(2024, 6, 21, 12, 0, 0, -5, true, 45.5017, 73.5673),
         Shafaq::kGeneral, true, true, 114.7933, 80.0796},
        // Karachi in January: the angle's Fajr comes after the limit and
        // stands; the red glow ends before 18 degrees.
        {"Karachi", test_support::Request(2024, 1, 15, 12, 0, 0, 5, false, 24.86, -67.01),
         Shafaq::kRed, false, true, 86.8061, 66.8150},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.site);
        c.rq.prayerMethod = PrayerMethod::kMoonsighting;
        c.rq.shafaq = c.shafaq;
        const SolarResult r = CalcSolarParameters(c.rq);
        const DayTimes d = CalcDayTimes(c.rq, r);
        ASSERT_TRUE(d.occurs.fajr && d.occurs.isha && d.occurs.maghrib && d.occurs.sunrise);
        // Maghrib three minutes after the apparent set.
        EXPECT_NEAR(d.maghrib, r.apparentSet + 3 * kMinute, 1e-9);
        EXPECT_EQ(d.sunrise, r.apparentRise);
        const double fajrLimit = d.sunrise - c.fajrMinutes * kMinute;
        const double ishaLimit = r.apparentSet + c.ishaMinutes * kMinute;
        EXPECT_EQ(d.marks.fajr.by == PrayerTimeMark::kSeasonal, c.fajrSeasonal);
        EXPECT_EQ(d.marks.isha.by == PrayerTimeMark::kSeasonal, c.ishaSeasonal);
        if (c.fajrSeasonal) {
            EXPECT_NEAR(d.fajr, fajrLimit, 1e-6);
            EXPECT_GT(SunAt(c.rq, d.fajr).altitude, -18.0);
        } else {
            EXPECT_NEAR(SunAt(c.rq, d.fajr).altitude, -18.0, kAltitudeTolerance);
            EXPECT_GT(d.fajr, fajrLimit);
        }
        if (c.ishaSeasonal) {
            EXPECT_NEAR(d.isha, ishaLimit, 1e-6);
            EXPECT_GT(SunAt(c.rq, d.isha).altitude, -18.0);
        } else {
            EXPECT_NEAR(SunAt(c.rq, d.isha).altitude, -18.0, kAltitudeTolerance);
        }
    }
}

// One prayer of DayTimes as these tests read it.
struct Prayer {
    const char* name;
    double DayTimes::*time;
    bool DayTimes::Occurrences::*occurs;
    int DayTimes::DayOffsets::*offset;
    DayTimes::Mark DayTimes::Marks::*mark;
};
constexpr Prayer kPrayers[] = {
    {"fajr", &DayTimes::fajr, &DayTimes::Occurrences::fajr, &DayTimes::DayOffsets::fajr,
     &DayTimes::Marks::fajr},
    {"sunrise", &DayTimes::sunrise, &DayTimes::Occurrences::sunrise,
     &DayTimes::DayOffsets::sunrise, &DayTimes::Marks::sunrise},
    {"maghrib", &DayTimes::maghrib, &DayTimes::Occurrences::maghrib,
     &DayTimes::DayOffsets::maghrib, &DayTimes::Marks::maghrib},
    {"isha", &DayTimes::isha, &DayTimes::Occurrences::isha, &DayTimes::DayOffsets::isha,
     &DayTimes::Marks::isha},
};

// The altitude of the Sun's centre at each prayer of the Muslim World League.
double AltitudeOf(const Prayer& p, const SolarRequest& rq) {
    const std::string name = p.name;
    if (name == "fajr") return -18.0;
    if (name == "isha") return -17.0;
    return ApparentHorizonAltitude(rq.height);
}

// The request moved to the latitude or date a mark names.
SolarRequest MovedTo(SolarRequest rq, const DayTimes::Mark& mark) {
    rq.latitude = mark.latitude;
    const CalendarDate date = DateAfterDays({rq.year, rq.month, rq.day}, mark.days);
    rq.year = date.year;
    rq.month = date.month;
    rq.day = date.day;
    rq.polarRule = PolarRule::kNone;
    return rq;
}

TEST(PolarRules, TimesOfTheNearestLatitudeOrDateMeetTheirAltitudesThere) {
    struct Site {
        const char* name;
        double latitude, longitudeWest;
    } sites[] = {{"Tromso", 69.6492, -18.9553}, {"Longyearbyen", 78.2232, -15.6267}};
    for (const Site& site : sites) {
        for (const int month : {6, 12}) {
            for (const PolarRule rule : {PolarRule::kNearestLatitude, PolarRule::kNearestDay}) {
                SCOPED_TRACE(testing::Message() << site.name << " month " << month << " "
                                                << PolarRuleKey(rule));
                SolarRequest rq = test_support::Request(2024, month, 21, 12, 0, 0, 1, month == 6,
                                                        site.latitude, site.longitudeWest);
                rq.prayerMethod = PrayerMethod::kMuslimWorldLeague;
                rq.polarRule = rule;
                const DayTimes d = CalcDayTimes(rq, CalcSolarParameters(rq));
                // Every prayer occurs: its own crossing, or all those that
                // were absent from one latitude or date.
                int marked = 0;
                DayTimes::Mark chosen;
                for (const Prayer& p : kPrayers) {
                    SCOPED_TRACE(p.name);
                    ASSERT_TRUE(d.occurs.*p.occurs);
                    const DayTimes::Mark& mark = d.marks.*p.mark;
                    const double t = FromDateMidnight(d.*p.time, d.dayOffset.*p.offset);
                    if (mark.by == PrayerTimeMark::kNone) {
                        EXPECT_NEAR(SunAt(rq, t).altitude, AltitudeOf(p, rq), kAltitudeTolerance);
                        continue;
                    }
                    if (marked++ > 0) {
                        EXPECT_EQ(mark.latitude, chosen.latitude);
                        EXPECT_EQ(mark.days, chosen.days);
                    }
                    chosen = mark;
                    EXPECT_EQ(mark.by, rule == PolarRule::kNearestLatitude
                                           ? PrayerTimeMark::kNearestLatitude
                                           : PrayerTimeMark::kNearestDay);
                    // The Sun at the chosen latitude or date is at the
                    // prayer's altitude then.
                    const SolarRequest there = MovedTo(rq, mark);
                    EXPECT_NEAR(SunAt(there, t).altitude, AltitudeOf(p, rq), kAltitudeTolerance)
                        << "latitude " << mark.latitude << ", days " << mark.days;
                }
                ASSERT_GE(marked, 2);  // at least the sunrise and Maghrib
                // One step nearer the observer one of them never occurs.
                DayTimes::Mark nearer = chosen;
                if (rule == PolarRule::kNearestLatitude) {
                    nearer.latitude += 0.5;
                    EXPECT_EQ(chosen.days, 0);
                } else {
                    EXPECT_EQ(chosen.latitude, rq.latitude);
                    if (std::abs(chosen.days) <= 1) continue;
                    nearer.days = chosen.days > 0 ? chosen.days - 1 : chosen.days + 1;
                }
                const SolarRequest step = MovedTo(rq, nearer);
                const DayTimes there = CalcDayTimes(step, CalcSolarParameters(step));
                bool allThere = true;
                for (const Prayer& p : kPrayers) {
                    if ((d.marks.*p.mark).by != PrayerTimeMark::kNone) {
                        allThere = allThere && there.occurs.*p.occurs;
                    }
                }
                // Asr too, absent where the Sun does not rise.
                if (d.marks.asr1.by != PrayerTimeMark::kNone) {
                    allThere = allThere && there.occurs.asr1;
                }
                if (d.marks.asr2.by != PrayerTimeMark::kNone) {
                    allThere = allThere && there.occurs.asr2;
                }
                EXPECT_FALSE(allThere) << "latitude " << nearer.latitude << ", days "
                                       << nearer.days;
            }
        }
    }
}

TEST(HighLatitudeRules, RecommendedFollowsTheLatitude) {
    for (const double latitude : {41.9, 51.5074, -52.0}) {
        SCOPED_TRACE(testing::Message() << "latitude " << latitude);
        SolarRequest rq = test_support::Request(2024, latitude < 0 ? 12 : 6, 21, 12, 0, 0, 0,
                                                false, latitude, 0.1278);
        rq.prayerMethod = PrayerMethod::kMuslimWorldLeague;
        rq.highLatitudeRule = HighLatitudeRule::kRecommended;
        const HighLatitudeRule inForce = std::fabs(latitude) > 48.0
                                             ? HighLatitudeRule::kSeventhOfTheNight
                                             : HighLatitudeRule::kNone;
        EXPECT_EQ(EffectiveRule(rq.highLatitudeRule, latitude), inForce);
        const SolarResult r = CalcSolarParameters(rq);
        const DayTimes recommended = CalcDayTimes(rq, r);
        rq.highLatitudeRule = inForce;
        const DayTimes same = CalcDayTimes(rq, r);
        EXPECT_EQ(recommended.fajr, same.fajr);
        EXPECT_EQ(recommended.isha, same.isha);
        EXPECT_EQ(recommended.fajrRule, same.fajrRule);
        EXPECT_EQ(recommended.ishaRule, same.ishaRule);
    }
}

TEST(PrayerChoices, TehranMaghribIshaIntervalAndMaghribAngle) {
    // Reykjavik in June: the Sun's centre stays above -2.5 degrees all night,
    // so Tehran's Maghrib falls back to the interval after the apparent set.
    SolarRequest rq =
        test_support::Request(2024, 6, 21, 12, 0, 0, 0, false, 64.1466, 21.9426);
    rq.prayerMethod = PrayerMethod::kTehran;
    const SolarResult r = CalcSolarParameters(rq);
    DayTimes d = CalcDayTimes(rq, r);
    ASSERT_TRUE(d.occurs.maghrib);
    EXPECT_EQ(d.marks.maghrib.by, PrayerTimeMark::kSunsetInterval);
    // The day's apparent set is the Maghrib of the Muslim World League (the
    // date's own set falls just after midnight and is the previous day's).
    rq.prayerMethod = PrayerMethod::kMuslimWorldLeague;
    const DayTimes mwl = CalcDayTimes(rq, r);
    ASSERT_TRUE(mwl.occurs.maghrib);
    EXPECT_NEAR(FromDateMidnight(d.maghrib, d.dayOffset.maghrib),
                FromDateMidnight(mwl.maghrib, mwl.dayOffset.maghrib) +
                    kTehranMaghribFallbackMinutes * kMinute,
                1e-9);
    EXPECT_NEAR(SunAt(rq, FromDateMidnight(mwl.maghrib, mwl.dayOffset.maghrib)).altitude,
                ApparentHorizonAltitude(0.0), kAltitudeTolerance);

    // Rome: a Maghrib altitude of the user's and Isha 75 minutes after it.
    rq = test_support::Request(2024, 6, 21, 12, 0, 0, 1, true, 41.9, -12.5);
    rq.prayerMethod = PrayerMethod::kMuslimWorldLeague;
    rq.maghribAngle = -4.0;
    rq.ishaIntervalMinutes = 75.0;
    ASSERT_FALSE(IsDocumentedPrayerSetting(rq));
    d = CalcDayTimes(rq, CalcSolarParameters(rq));
    ASSERT_TRUE(d.occurs.maghrib && d.occurs.isha);
    EXPECT_NEAR(SunAt(rq, d.maghrib).altitude, -4.0, kAltitudeTolerance);
    EXPECT_NEAR(FromDateMidnight(d.isha, d.dayOffset.isha) - d.maghrib, 75.0 * kMinute, 1e-9);
    EXPECT_EQ(d.marks.maghrib.by, PrayerTimeMark::kNone);
}

TEST(Twilights, BlueHourBoundsAndTheDayLengthsChange) {
    for (const int month : {3, 9}) {
        SCOPED_TRACE(testing::Message() << "month " << month);
        const SolarRequest rq = test_support::Request(2024, month, 1, 12, 0, 0, 1, false, 41.9,
                                                      -12.5);
        const SolarResult r = CalcSolarParameters(rq);
        DayTimes d = CalcDayTimes(rq, r);
        ASSERT_TRUE(d.occurs.blueHourMorningEnd && d.occurs.blueHourEveningStart);
        EXPECT_NEAR(SunAt(rq, d.blueHourMorningEnd).altitude, kBlueHourAltitude,
                    kAltitudeTolerance);
        EXPECT_NEAR(SunAt(rq, d.blueHourEveningStart).altitude, kBlueHourAltitude,
                    kAltitudeTolerance);
        // Blue hour, then golden hour, in the morning; the reverse at night.
        EXPECT_LT(d.civilDawn, d.blueHourMorningEnd);
        EXPECT_LT(d.blueHourMorningEnd, d.goldenHourEnd);
        EXPECT_LT(d.goldenHourStart, d.blueHourEveningStart);
        EXPECT_LT(d.blueHourEveningStart, d.civilDusk);

        // The day lengthens by about 3 minutes a day at the equinoxes at 42 N.
        AddDayLengthChange(rq, r, d);
        ASSERT_TRUE(d.occurs.dayLengthChange);
        EXPECT_NEAR(std::fabs(d.dayLengthChange) * 60.0, 2.8, 0.3);
        EXPECT_EQ(d.dayLengthChange > 0, month == 3);
    }
    // No change where a date has no sunset.
    const SolarRequest polar =
        test_support::Request(2024, 6, 21, 12, 0, 0, 1, true, 78.2232, -15.6267);
    const SolarResult r = CalcSolarParameters(polar);
    DayTimes d = CalcDayTimes(polar, r);
    AddDayLengthChange(polar, r, d);
    EXPECT_FALSE(d.occurs.dayLengthChange);
}

TEST(Rounding, PublishedTimetablesRoundToTheMinute) {
    struct Case {
        double time;
        PrayerRounding rounding;
        double rounded;
        int dayOffset;
    } cases[] = {
        {5.0 + 30.0 / 60 + 30.0 / 3600, PrayerRounding::kNearest, 5.0 + 31.0 / 60, 0},
        {5.0 + 30.0 / 60 + 29.9 / 3600, PrayerRounding::kNearest, 5.0 + 30.0 / 60, 0},
        {5.0 + 30.0 / 60 + 0.1 / 3600, PrayerRounding::kUp, 5.0 + 31.0 / 60, 0},
        {5.5, PrayerRounding::kUp, 5.5, 0},
        {5.5, PrayerRounding::kNearest, 5.5, 0},
        {23.0 + 59.0 / 60 + 45.0 / 3600, PrayerRounding::kNearest, 0.0, 1},
        {23.0 + 59.0 / 60 + 1.0 / 3600, PrayerRounding::kUp, 0.0, 1},
        {13.123456, PrayerRounding::kNone, 13.123456, 0},
    };
    for (const Case& c : cases) {
        double time = c.time;
        int dayOffset = 0;
        RoundPrayerTime(c.rounding, time, dayOffset);
        EXPECT_NEAR(time, c.rounded, 1e-12)
            << PrayerRoundingKey(c.rounding) << " of " << c.time * 3600.0 << " s";
        EXPECT_EQ(dayOffset, c.dayOffset) << PrayerRoundingKey(c.rounding) << " of " << c.time;
    }
    EXPECT_EQ(MethodRounding(PrayerMethod::kSingapore), PrayerRounding::kUp);
    EXPECT_EQ(MethodRounding(PrayerMethod::kMuslimWorldLeague), PrayerRounding::kNearest);
    EXPECT_EQ(ParsePrayerRounding("UP"), PrayerRounding::kUp);
    EXPECT_EQ(ParsePolarRule("nearest-day"), PolarRule::kNearestDay);
    EXPECT_EQ(ParseShafaq("white"), Shafaq::kWhite);
    EXPECT_EQ(ParseHighLatitudeRule("recommended"), HighLatitudeRule::kRecommended);
    EXPECT_EQ(ParsePrayerMethod("moonsighting"), PrayerMethod::kMoonsighting);
}

}  // namespace
}  // namespace tarvel
