// The day times: each method's prayers checked by evaluating the Sun again at
// them (and, for an Isha interval, against Maghrib), the high-latitude rules
// against the night's own arithmetic with the next sunrise found by the
// documented search of the next date, the twilights against fresh
// evaluations, and the program's own method against the documented results,
// to the last bit.
#include "astro/prayer_times.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "support/solar_support.h"

namespace tarvel {
namespace {

using test_support::SunAt;

// A reported event is a crossing within this of its altitude (the searches
// solve for the geocentric declination; the fresh evaluation is topocentric).
constexpr double kAltitudeTolerance = 0.004;
// Two searches of the same event agree within their stopping tolerance.
constexpr double kSameEventHours = 1e-4;

SolarRequest Site(const char* name, int month, int day) {
    const std::string site = name;
    if (site == "Mecca") {
        return test_support::Request(2024, month, day, 12, 0, 0, 3, false, 21.4225, -39.8262);
    }
    if (site == "Rome") {
        return test_support::Request(2024, month, day, 12, 0, 0, 1, true, 41.9, -12.5);
    }
    // London
    return test_support::Request(2024, month, day, 12, 0, 0, 0, true, 51.5074, 0.1278);
}

// A clock time of DayTimes counted from the midnight that begins the request's
// date: the clock time plus its day offset (negative before the date).
double FromDateMidnight(double time, int dayOffset) {
    return time + 24.0 * dayOffset;
}

// Hours from `earlier` to `later` on the clock, across midnight.
double HoursAfter(double later, double earlier) {
    return std::fmod(later - earlier + 48.0, 24.0);
}

// The lowest altitude of the Sun's centre on the date: at the lower culmination.
double LowestAltitude(const SolarRequest& rq, const SolarResult& r) {
    return std::fabs(rq.latitude + r.declination) - 90.0;
}

TEST(DayTimes, EachMethodsFajrAndIshaMeetTheirAltitudeOrInterval) {
    for (const char* site : {"Mecca", "Rome", "London"}) {
        for (const PrayerMethodParameters& m : kPrayerMethods) {
            SolarRequest rq = Site(site, 6, 21);
            rq.prayerMethod = m.method;
            rq.fajrAngle = -18.5;  // the own and the custom methods' angles
            rq.ishaAngle = -16.0;
            const SolarResult r = CalcSolarParameters(rq);
            const DayTimes d = CalcDayTimes(rq, r);
            const EffectivePrayerAngles a = EffectiveAngles(rq);
            SCOPED_TRACE(std::string(site) + ", " + std::string(m.key));
            EXPECT_EQ(d.fajrRule, HighLatitudeRule::kNone);
            EXPECT_EQ(d.ishaRule, HighLatitudeRule::kNone);

            // Fajr at its angle; absent where the Sun stays above it all night
            // (London in June never goes below -15.1 degrees).
            const double lowest = LowestAltitude(rq, r);
            // The Moonsighting Committee's seasonal limits are checked on
            // their own (prayer_rules_test.cpp).
            const bool fajrByAngle = d.marks.fajr.by == PrayerTimeMark::kNone;
            const bool ishaByAngle = d.marks.isha.by == PrayerTimeMark::kNone;
            if (fajrByAngle && std::fabs(a.fajrAngle - lowest) > 0.1) {
                EXPECT_EQ(d.occurs.fajr, a.fajrAngle > lowest) << "Fajr at " << a.fajrAngle;
            }
            const DayTimes::DayOffsets& o = d.dayOffset;
            if (d.occurs.fajr && fajrByAngle) {
                EXPECT_NEAR(SunAt(rq, FromDateMidnight(d.fajr, o.fajr)).altitude, a.fajrAngle,
                            kAltitudeTolerance);
                EXPECT_LT(FromDateMidnight(d.fajr, o.fajr), r.apparentRise);
            }

            // Maghrib: the geometric set (the own method), Tehran's altitude,
            // or the apparent set; before the method's offset.
            const double maghrib =
                FromDateMidnight(d.maghrib, o.maghrib) - m.offsets.maghrib / 60.0;
            const double maghribAltitude = m.maghrib == MaghribEvent::kGeometricSet ? 0.0
                                           : m.maghrib == MaghribEvent::kAltitude
                                               ? m.maghribAngle
                                               : ApparentHorizonAltitude(rq.height);
            ASSERT_TRUE(d.occurs.maghrib);
            EXPECT_NEAR(SunAt(rq, maghrib).altitude, maghribAltitude, kAltitudeTolerance);

            // Isha: its angle, or its interval after Maghrib.
            if (a.ishaMinutes > 0) {
                ASSERT_TRUE(d.occurs.isha);
                EXPECT_NEAR(FromDateMidnight(d.isha, o.isha) - maghrib, a.ishaMinutes / 60.0, 1e-9);
            } else {
                if (ishaByAngle && std::fabs(a.ishaAngle - lowest) > 0.1) {
                    EXPECT_EQ(d.occurs.isha, a.ishaAngle > lowest) << "Isha at " << a.ishaAngle;
                }
                if (d.occurs.isha && ishaByAngle) {
                    EXPECT_NEAR(SunAt(rq, FromDateMidnight(d.isha, o.isha)).altitude, a.ishaAngle,
                                kAltitudeTolerance);
                    EXPECT_GT(FromDateMidnight(d.isha, o.isha), r.transit);
                }
            }

            // Zuhr and Asr are the documented ones with the method's offsets.
            EXPECT_EQ(d.zuhr, Wrap24(r.transit + m.offsets.zuhr / 60.0));
            EXPECT_EQ(d.asr1, Wrap24(r.asr1 + m.offsets.asr / 60.0));
            EXPECT_EQ(d.asr2, Wrap24(r.asr2 + m.offsets.asr / 60.0));
            const double sunrise =
                m.method == PrayerMethod::kTarvel ? r.geometricRise : r.apparentRise;
            EXPECT_EQ(d.sunrise, Wrap24(sunrise + m.offsets.sunrise / 60.0));
        }
    }
}

TEST(DayTimes, PublishedParametersOfTheMethods) {
    struct Case {
        const char* key;
        double fajr;
        double isha;  // degrees, or minutes after Maghrib when interval
        bool interval;
        PrayerAdjustments offsets;
    } cases[] = {
        {"mwl", -18, -17, false, {}},
        {"isna", -15, -15, false, {}},
        {"egypt", -19.5, -17.5, false, {}},
        {"makkah", -18.5, 90, true, {}},
        {"karachi", -18, -18, false, {}},
        {"tehran", -17.7, -14, false, {}},
        {"DUBAI", -18.2, -18.2, false, {0, -3, 3, 3, 3, 0}},
        {"kuwait", -18, -17.5, false, {}},
        {"qatar", -18, 90, true, {}},
        {"singapore", -20, -18, false, {}},
        {"Turkey", -18, -17, false, {0, -7, 5, 4, 7, 0}},
    };
    for (const Case& c : cases) {
        const std::optional<PrayerMethod> method = ParsePrayerMethod(c.key);
        ASSERT_TRUE(method.has_value()) << c.key;
        SolarRequest rq;
        rq.prayerMethod = *method;
        const EffectivePrayerAngles a = EffectiveAngles(rq);
        EXPECT_EQ(a.fajrAngle, c.fajr) << c.key;
        EXPECT_EQ(c.interval ? a.ishaMinutes : a.ishaAngle, c.isha) << c.key;
        EXPECT_EQ(MethodParameters(*method).offsets, c.offsets) << c.key;
    }
    // Umm al-Qura in Ramadan; the own method takes the observer's angles.
    SolarRequest rq;
    rq.prayerMethod = PrayerMethod::kUmmAlQura;
    rq.ramadan = true;
    EXPECT_EQ(EffectiveAngles(rq).ishaMinutes, 120.0);
    rq.prayerMethod = PrayerMethod::kQatar;
    EXPECT_EQ(EffectiveAngles(rq).ishaMinutes, 90.0);
    EXPECT_EQ(ParsePrayerMethod("default"), PrayerMethod::kTarvel);
    EXPECT_EQ(ParsePrayerMethod("Custom"), PrayerMethod::kCustom);
    EXPECT_FALSE(ParsePrayerMethod("shafii").has_value());
    EXPECT_EQ(ParseHighLatitudeRule("Seventh"), HighLatitudeRule::kSeventhOfTheNight);
    EXPECT_FALSE(ParseHighLatitudeRule("").has_value());
}

TEST(DayTimes, TheProgramsOwnMethodGivesTheDocumentedResults) {
    const SolarRequest sites[] = {
        Site("Rome", 6, 21),
        Site("London", 6, 21),
        Site("Mecca", 12, 21),
        test_support::Request(2024, 6, 21, 10, 0, 0, 1, false, 80, -15),  // midnight Sun
        test_support::Request(2024, 3, 31, 23, 30, 0, 1, true, -33.87, -151.2),
    };
    for (const SolarRequest& rq : sites) {
        SCOPED_TRACE(testing::Message() << "latitude " << rq.latitude);
        const SolarResult r = CalcSolarParameters(rq);
        const DayTimes d = CalcDayTimes(rq, r);
        ASSERT_TRUE(IsDocumentedPrayerSetting(rq));
        // Bit for bit, and absent exactly where the documented ones are,
        // wherever a documented time lies on its side of the transit (the
        // morning's before, the evening's after); otherwise the day's own
        // crossing, on the date before or after.
        const struct {
            const char* name;
            double days;
            int dayOffset;
            bool occurs;
            double documented;
            bool documentedOccurs;
            bool morning;
        } same[] = {
            {"fajr", d.fajr, d.dayOffset.fajr, d.occurs.fajr, r.fajr, r.occurs.fajr, true},
            {"maghrib", d.maghrib, d.dayOffset.maghrib, d.occurs.maghrib, r.geometricSet,
             r.occurs.geometricSet, false},
            {"isha", d.isha, d.dayOffset.isha, d.occurs.isha, r.isha, r.occurs.isha, false},
            {"sunrise", d.sunrise, d.dayOffset.sunrise, d.occurs.sunrise, r.geometricRise,
             r.occurs.geometricRise, true},
        };
        for (const auto& e : same) {
            const bool onItsSide = e.documentedOccurs && (e.morning ? e.documented < r.transit
                                                                    : e.documented > r.transit);
            if (onItsSide || !e.occurs) {
                EXPECT_EQ(e.days, e.documented) << e.name;
                EXPECT_EQ(e.dayOffset, 0) << e.name;
                EXPECT_EQ(e.occurs, e.documentedOccurs) << e.name;
            } else {
                EXPECT_NE(e.dayOffset, 0) << e.name;
                const double t = FromDateMidnight(e.days, e.dayOffset);
                EXPECT_EQ(t < r.transit, e.morning) << e.name << " " << t;
            }
        }
        EXPECT_EQ(d.zuhr, r.transit);
        EXPECT_EQ(d.asr1, r.asr1);
        EXPECT_EQ(d.asr2, r.asr2);
        EXPECT_EQ(d.occurs.zuhr, r.occurs.transit);
        EXPECT_EQ(d.fajrRule, HighLatitudeRule::kNone);
        EXPECT_EQ(d.ishaRule, HighLatitudeRule::kNone);
        // And the day times leave the computation as it was.
        const SolarResult again = CalcSolarParameters(rq);
        EXPECT_EQ(again.fajr, r.fajr);
        EXPECT_EQ(again.qiblaTime, r.qiblaTime);
    }
}

// The rules at 55 and 60 degrees north in June, where the Sun does not reach
// -18 degrees, and in early May at London, where Fajr at -18 degrees occurs but
// lies further from sunrise than a seventh of the night.
TEST(DayTimes, HighLatitudeRulesFollowTheNightsArithmetic) {
    struct Case {
        double latitude;
        int month;
        int day;
        HighLatitudeRule rule;
        bool fajrByRule;
        bool ishaByRule;
    } cases[] = {
        {55, 6, 21, HighLatitudeRule::kMiddleOfTheNight, true, true},
        {55, 6, 21, HighLatitudeRule::kSeventhOfTheNight, true, true},
        {55, 6, 21, HighLatitudeRule::kTwilightAngle, true, true},
        {60, 6, 21, HighLatitudeRule::kMiddleOfTheNight, true, true},
        {60, 6, 21, HighLatitudeRule::kSeventhOfTheNight, true, true},
        {60, 6, 21, HighLatitudeRule::kTwilightAngle, true, true},
        {51.5074, 5, 1, HighLatitudeRule::kSeventhOfTheNight, true, true},
        {51.5074, 5, 1, HighLatitudeRule::kTwilightAngle, false, false},
        {51.5074, 5, 1, HighLatitudeRule::kMiddleOfTheNight, false, false},
    };
    for (const Case& c : cases) {
        SolarRequest rq =
            test_support::Request(2024, c.month, c.day, 12, 0, 0, 0, true, c.latitude, 0.0);
        rq.prayerMethod = PrayerMethod::kMuslimWorldLeague;
        rq.highLatitudeRule = c.rule;
        const SolarResult r = CalcSolarParameters(rq);
        const DayTimes d = CalcDayTimes(rq, r);
        SCOPED_TRACE(testing::Message() << "latitude " << c.latitude << ", " << c.month << "-"
                                        << c.day << ", rule " << HighLatitudeRuleKey(c.rule));

        // The night: the apparent set to the next date's apparent rise, as the
        // documented search of the next date finds it.
        SolarRequest next = rq;
        next.day += 1;
        const SolarResult tomorrow = CalcSolarParameters(next);
        ASSERT_TRUE(d.occurs.night);
        const double night = tomorrow.apparentRise + 24.0 - r.apparentSet;
        EXPECT_NEAR(d.nightLength, night, kSameEventHours);
        EXPECT_NEAR(d.nightMiddle, Wrap24(r.apparentSet + night / 2), kSameEventHours);
        EXPECT_NEAR(d.nightLastThird, Wrap24(r.apparentSet + night * 2 / 3), kSameEventHours);

        const double portionFajr = c.rule == HighLatitudeRule::kMiddleOfTheNight    ? 1.0 / 2
                                   : c.rule == HighLatitudeRule::kSeventhOfTheNight ? 1.0 / 7
                                                                                    : 18.0 / 60;
        const double portionIsha =
            c.rule == HighLatitudeRule::kTwilightAngle ? 17.0 / 60 : portionFajr;
        ASSERT_TRUE(d.occurs.fajr);
        ASSERT_TRUE(d.occurs.isha);
        if (c.fajrByRule) {
            EXPECT_EQ(d.fajrRule, c.rule);
            EXPECT_NEAR(d.fajr, Wrap24(r.apparentRise - portionFajr * d.nightLength), 1e-9);
        } else {
            EXPECT_EQ(d.fajrRule, HighLatitudeRule::kNone);
            EXPECT_NEAR(SunAt(rq, d.fajr).altitude, -18.0, kAltitudeTolerance);
            EXPECT_LE(HoursAfter(r.apparentRise, d.fajr), portionFajr * d.nightLength);
        }
        if (c.ishaByRule) {
            EXPECT_EQ(d.ishaRule, c.rule);
            EXPECT_NEAR(d.isha, Wrap24(r.apparentSet + portionIsha * d.nightLength), 1e-9);
        } else {
            EXPECT_EQ(d.ishaRule, HighLatitudeRule::kNone);
            EXPECT_NEAR(SunAt(rq, d.isha).altitude, -17.0, kAltitudeTolerance);
            EXPECT_LE(HoursAfter(d.isha, r.apparentSet), portionIsha * d.nightLength);
        }

        // Without a rule the same prayers do not occur, or keep their angle.
        rq.highLatitudeRule = HighLatitudeRule::kNone;
        const DayTimes none = CalcDayTimes(rq, r);
        EXPECT_EQ(none.fajrRule, HighLatitudeRule::kNone);
        if (c.latitude >= 55) {
            EXPECT_FALSE(none.occurs.fajr);
        }
        // The adjustments come after the rule.
        rq.highLatitudeRule = c.rule;
        rq.prayerAdjustments.fajr = 2;
        rq.prayerAdjustments.isha = -1;
        const DayTimes adjusted = CalcDayTimes(rq, r);
        EXPECT_NEAR(HoursAfter(adjusted.fajr, d.fajr), 2.0 / 60, 1e-9);
        EXPECT_NEAR(HoursAfter(d.isha, adjusted.isha), 1.0 / 60, 1e-9);
        EXPECT_EQ(adjusted.fajrRule, d.fajrRule);
    }
}

// An Isha interval needs no rule; a night without sunset gives no rule time.
TEST(DayTimes, RulesNeedANightAndAnIshaAtAnAngle) {
    SolarRequest rq = test_support::Request(2024, 6, 21, 12, 0, 0, 0, true, 60, 0.0);
    rq.prayerMethod = PrayerMethod::kUmmAlQura;
    rq.highLatitudeRule = HighLatitudeRule::kMiddleOfTheNight;
    DayTimes d = CalcDayTimes(rq, CalcSolarParameters(rq));
    EXPECT_EQ(d.ishaRule, HighLatitudeRule::kNone);
    EXPECT_NEAR(HoursAfter(d.isha, d.maghrib), 1.5, 1e-9);
    EXPECT_EQ(d.fajrRule, HighLatitudeRule::kMiddleOfTheNight);

    rq.latitude = 70;  // the midnight Sun: no sunset, no night
    d = CalcDayTimes(rq, CalcSolarParameters(rq));
    EXPECT_FALSE(d.occurs.night);
    EXPECT_FALSE(d.occurs.fajr);
    EXPECT_FALSE(d.occurs.isha);
    EXPECT_EQ(d.fajrRule, HighLatitudeRule::kNone);
}

TEST(DayTimes, TwilightsAtAMidLatitudeAndAtThePolarCircle) {
    struct Case {
        const char* what;
        SolarRequest rq;
        // Which occur: civil, nautical and astronomical twilights, golden
        // hour (dawn and dusk alike), and the night.
        bool civil, nautical, astronomical, golden, night;
    } cases[] = {
        {"Rome, June", Site("Rome", 6, 21), true, true, true, true, true},
        {"Rome, December", Site("Rome", 12, 21), true, true, true, true, true},
        // The polar circle at the solstices: in June the Sun dips just below
        // the true horizon but not to the apparent one; in December it stays
        // below +6 degrees, and its highest point is near -0.9 degrees.
        {"polar circle, June", test_support::Request(2024, 6, 21, 12, 0, 0, 2, true, 66.6, -25.7),
         false, false, false, true, false},
        {"polar circle, December",
         test_support::Request(2024, 12, 21, 12, 0, 0, 2, false, 66.6, -25.7), true, true, true,
         false, true},
        // Polar night at 70 degrees: the Sun rises to about -3.4 degrees.
        {"70 N, December", test_support::Request(2024, 12, 21, 12, 0, 0, 1, false, 70, -19), true,
         true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SolarResult r = CalcSolarParameters(c.rq);
        const DayTimes d = CalcDayTimes(c.rq, r);
        const DayTimes::Occurrences& o = d.occurs;
        EXPECT_EQ(o.civilDawn, c.civil);
        EXPECT_EQ(o.civilDusk, c.civil);
        EXPECT_EQ(o.nauticalDawn, c.nautical);
        EXPECT_EQ(o.nauticalDusk, c.nautical);
        EXPECT_EQ(o.astronomicalDawn, c.astronomical);
        EXPECT_EQ(o.astronomicalDusk, c.astronomical);
        EXPECT_EQ(o.goldenHourEnd, c.golden);
        EXPECT_EQ(o.goldenHourStart, c.golden);
        EXPECT_EQ(o.night, c.night);
        const struct {
            const char* name;
            bool occurs;
            double time;
            double altitude;
            bool morning;
        } events[] = {
            {"civil dawn", o.civilDawn, d.civilDawn, -6, true},
            {"civil dusk", o.civilDusk, d.civilDusk, -6, false},
            {"nautical dawn", o.nauticalDawn, d.nauticalDawn, -12, true},
            {"nautical dusk", o.nauticalDusk, d.nauticalDusk, -12, false},
            {"astronomical dawn", o.astronomicalDawn, d.astronomicalDawn, -18, true},
            {"astronomical dusk", o.astronomicalDusk, d.astronomicalDusk, -18, false},
            {"golden hour end", o.goldenHourEnd, d.goldenHourEnd, 6, true},
            {"golden hour start", o.goldenHourStart, d.goldenHourStart, 6, false},
        };
        for (const auto& e : events) {
            if (!e.occurs) {
                EXPECT_EQ(e.time, 0.0) << e.name;
                continue;
            }
            EXPECT_NEAR(SunAt(c.rq, e.time).altitude, e.altitude, kAltitudeTolerance) << e.name;
            // Rising in the morning, setting in the evening.
            const double later = SunAt(c.rq, e.time + 0.01).altitude;
            EXPECT_EQ(later > e.altitude, e.morning) << e.name;
        }
        if (c.civil && c.nautical && c.astronomical) {
            EXPECT_LT(d.astronomicalDawn, d.nauticalDawn);
            EXPECT_LT(d.nauticalDawn, d.civilDawn);
            EXPECT_LT(d.civilDusk, d.nauticalDusk);
            EXPECT_LT(d.nauticalDusk, d.astronomicalDusk);
        }
    }
}

// The crossings of the day times over a grid of sites and dates, with clocks
// far from their zone meridian: each reported time is a crossing of the
// date's day (a fresh evaluation of the Sun at it meets the altitude, reckoned
// from its hour angle, a rising one before the date's transit and a setting
// one after it), and a crossing is absent only where a minute-by-minute scan
// between the culminations finds none.
TEST(DayTimes, SweepOfTheCrossingsFindsTheDaysOwn) {
    constexpr double kDeg = M_PI / 180.0;
    struct Clock {
        float zone;
        bool summer;
        double longitudeWest;
    } clocks[] = {{1, true, -18.0686}, {-3, false, 64.0538}, {12.75, true, 176.5}};
    // Hourly evaluations from 12 h before the date's midnight to 12 h after
    // the next one.
    constexpr int kFirstHour = -12;
    constexpr int kHours = 48;
    std::ostringstream faults;
    for (double latitude : {-80.0, -66.6, -50.0, -20.0, 0.0, 35.0, 55.0, 60.0, 66.6, 70.0, 80.0}) {
        for (const Clock& c : clocks) {
            for (int month = 1; month <= 12; month += 2) {
                SolarRequest rq = test_support::Request(2024, month, 15, 12, 0, 0, c.zone, c.summer,
                                                        latitude, c.longitudeWest);
                rq.prayerMethod = PrayerMethod::kTehran;  // also Maghrib at -4.5 degrees
                const SolarResult r = CalcSolarParameters(rq);
                const DayTimes d = CalcDayTimes(rq, r);
                // The geocentric altitude, minute by minute, from hourly evaluations.
                SunState hourly[kHours + 1];
                for (int h = 0; h <= kHours; ++h) hourly[h] = SunAt(rq, kFirstHour + h);
                const auto altitudeAt = [&](double dec, double ra, double gst) {
                    const double hourAngle = (15 * gst - rq.longitude - 15 * ra) * kDeg;
                    return std::asin(std::sin(latitude * kDeg) * std::sin(dec * kDeg) +
                                     std::cos(latitude * kDeg) * std::cos(dec * kDeg) *
                                         std::cos(hourAngle)) /
                           kDeg;
                };
                std::vector<double> minute(kHours * 60 + 1);
                for (int i = 0; i <= kHours * 60; ++i) {
                    const int h = std::min(i / 60, kHours - 1);
                    const double f = (i - 60.0 * h) / 60.0;
                    const SunState& a = hourly[h];
                    double raB = hourly[h + 1].rightAscension;
                    if (raB - a.rightAscension < -12) raB += 24;
                    minute[i] =
                        altitudeAt(a.declination + f * (hourly[h + 1].declination - a.declination),
                                   a.rightAscension + f * (raB - a.rightAscension),
                                   a.siderealTime + f * 1.00273790935);
                }
                const DayTimes::DayOffsets& o = d.dayOffset;
                const struct {
                    const char* name;
                    bool occurs;
                    double time;
                    int dayOffset;
                    double altitude;
                    bool rising;
                } events[] = {
                    {"civilDawn", d.occurs.civilDawn, d.civilDawn, o.civilDawn, -6, true},
                    {"civilDusk", d.occurs.civilDusk, d.civilDusk, o.civilDusk, -6, false},
                    {"nauticalDawn", d.occurs.nauticalDawn, d.nauticalDawn, o.nauticalDawn, -12,
                     true},
                    {"nauticalDusk", d.occurs.nauticalDusk, d.nauticalDusk, o.nauticalDusk, -12,
                     false},
                    {"astronomicalDawn", d.occurs.astronomicalDawn, d.astronomicalDawn,
                     o.astronomicalDawn, -18, true},
                    {"astronomicalDusk", d.occurs.astronomicalDusk, d.astronomicalDusk,
                     o.astronomicalDusk, -18, false},
                    {"goldenHourEnd", d.occurs.goldenHourEnd, d.goldenHourEnd, o.goldenHourEnd, 6,
                     true},
                    {"goldenHourStart", d.occurs.goldenHourStart, d.goldenHourStart,
                     o.goldenHourStart, 6, false},
                    {"fajr", d.occurs.fajr, d.fajr, o.fajr, -17.7, true},
                    // Maghrib after the set by Tehran's interval where the
                    // Sun does not reach -4.5 degrees: the crossing is absent.
                    {"maghrib", d.occurs.maghrib && d.marks.maghrib.by == PrayerTimeMark::kNone,
                     d.maghrib, o.maghrib, -4.5, false},
                    {"isha", d.occurs.isha, d.isha, o.isha, -14, false},
                };
                std::ostringstream where;
                where << "lat " << latitude << " zone " << c.zone << " lon " << c.longitudeWest
                      << " month " << month << ": ";
                const double transit = r.transit;
                for (const auto& e : events) {
                    if (e.occurs) {
                        const double t = FromDateMidnight(e.time, e.dayOffset);
                        const SunState s = SunAt(rq, t);
                        const double altitude =
                            altitudeAt(s.declination, s.rightAscension, s.siderealTime);
                        const bool onItsSide = e.rising ? transit - 12.1 < t && t < transit
                                                        : transit < t && t < transit + 12.1;
                        if (!(e.time >= 0 && e.time < 24) || !onItsSide ||
                            !(std::fabs(altitude - e.altitude) <= 0.002)) {
                            faults << where.str() << e.name << " " << t << " at altitude "
                                   << altitude << ", transit " << transit << "\n";
                        }
                        continue;
                    }
                    // Absent: no clear crossing in the right direction between
                    // the culminations.
                    const double from = e.rising ? transit - 12 : transit;
                    const int first = static_cast<int>((from - kFirstHour) * 60) + 5;
                    for (int i = first; i + 10 <= first + 12 * 60 - 5; ++i) {
                        const double a = minute[i] - e.altitude;
                        const double b = minute[i + 5] - e.altitude;
                        if (std::fabs(a) > 0.003 && std::fabs(b) > 0.003 &&
                            (e.rising ? (a < 0 && b > 0) : (a > 0 && b < 0))) {
                            faults << where.str() << e.name << " absent, crossing at "
                                   << kFirstHour + (i + 2.5) / 60 << "\n";
                            break;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(faults.str(), "");
}

// Reproductions of the day's evening and night where the civil date holds
// the previous evening's sunset or Isha just after midnight. Expected: times
// counted from the date's midnight (above 24: on the next date), from a scan
// of the geocentric altitude of the Sun's centre (hour angle from sidereal
// time and right ascension of SunPosition) at 1-second steps, with the night's
// arithmetic done by hand on the scanned sunset and sunrises. The apparent
// horizon is -50'.
TEST(DayTimes, ReproductionsOfTheDaysEveningAndNight) {
    const auto request = [](int year, int month, int day, float zone, bool summer,
                            double latitude, double longitudeWest, PrayerMethod method,
                            HighLatitudeRule rule) {
        SolarRequest rq = test_support::Request(year, month, day, 12, 0, 0, zone, summer,
                                                latitude, longitudeWest);
        rq.prayerMethod = method;
        rq.highLatitudeRule = rule;
        return rq;
    };
    SolarRequest antarctic = request(1998, 12, 21, -3, false, -64.7743, 64.0538,
                                     PrayerMethod::kTarvel, HighLatitudeRule::kNone);
    antarctic.hour = 13;
    antarctic.deltaT = 63;
    antarctic.deltaTGiven = true;
    const SolarRequest reykjavik =
        request(2024, 6, 21, 0, false, 64.1466, 21.9426, PrayerMethod::kMuslimWorldLeague,
                HighLatitudeRule::kMiddleOfTheNight);
    const SolarRequest fairbanks =
        request(1977, 6, 21, -9, true, 64.8378, 147.7164, PrayerMethod::kMuslimWorldLeague,
                HighLatitudeRule::kMiddleOfTheNight);
    const SolarRequest paris15 = request(2024, 5, 15, 1, true, 48.85341, -2.3488,
                                         PrayerMethod::kKarachi, HighLatitudeRule::kNone);
    SolarRequest paris16 = paris15;
    paris16.day = 16;
    // Scanned: Antarctic set 24.122913, next rise 26.362264; Reykjavik rise
    // 2.920600, set 24.067681, next rise 26.926536; Fairbanks rise 2.956684,
    // set 24.796308, next rise 26.962172; Paris, Sun's centre through -18
    // degrees setting: 24.012577 (15th), 24.063112 (16th).
    constexpr double kTwoSeconds = 2.0 / 3600.0;
    // Each value with its flag and its day offset in DayTimes.
    struct Value {
        double DayTimes::*value;
        bool DayTimes::Occurrences::*occurs;
        int DayTimes::DayOffsets::*dayOffset;  // nullptr: a length
    };
    const Value nightLength{&DayTimes::nightLength, &DayTimes::Occurrences::night, nullptr};
    const Value nightMiddle{&DayTimes::nightMiddle, &DayTimes::Occurrences::night,
                            &DayTimes::DayOffsets::nightMiddle};
    const Value lastThird{&DayTimes::nightLastThird, &DayTimes::Occurrences::night,
                          &DayTimes::DayOffsets::nightLastThird};
    const Value maghrib{&DayTimes::maghrib, &DayTimes::Occurrences::maghrib,
                        &DayTimes::DayOffsets::maghrib};
    const Value fajr{&DayTimes::fajr, &DayTimes::Occurrences::fajr, &DayTimes::DayOffsets::fajr};
    const Value isha{&DayTimes::isha, &DayTimes::Occurrences::isha, &DayTimes::DayOffsets::isha};
    const struct {
        const char* what;
        const SolarRequest& rq;
        Value field;
        double expected;  // hours from the date's midnight, or a length
        int dayOffset;
    } cases[] = {
        {"Antarctic 1998-12-21, night's length", antarctic, nightLength, 2.239351, 0},
        {"Antarctic 1998-12-21, night's middle", antarctic, nightMiddle, 25.242589, 1},
        {"Antarctic 1998-12-21, last third", antarctic, lastThird, 25.615814, 1},
        {"Reykjavik 2024-06-21, Maghrib", reykjavik, maghrib, 24.067681, 1},
        {"Reykjavik 2024-06-21, night's length", reykjavik, nightLength, 2.858855, 0},
        {"Reykjavik 2024-06-21, Fajr by the middle", reykjavik, fajr, 1.491173, 0},
        {"Reykjavik 2024-06-21, Isha by the middle", reykjavik, isha, 25.497109, 1},
        {"Fairbanks 1977-06-21, night's length", fairbanks, nightLength, 2.165864, 0},
        {"Fairbanks 1977-06-21, Fajr by the middle", fairbanks, fajr, 1.873752, 0},
        {"Fairbanks 1977-06-21, Isha by the middle", fairbanks, isha, 25.879240, 1},
        {"Paris 2024-05-15, Isha at -18", paris15, isha, 24.012577, 1},
        {"Paris 2024-05-16, Isha at -18", paris16, isha, 24.063112, 1},
    };
    for (const auto& c : cases) {
        const DayTimes d = CalcDayTimes(c.rq, CalcSolarParameters(c.rq));
        ASSERT_TRUE(d.occurs.*c.field.occurs) << c.what;
        const int dayOffset = c.field.dayOffset != nullptr ? d.dayOffset.*c.field.dayOffset : 0;
        const double obtained = FromDateMidnight(d.*c.field.value, dayOffset);
        EXPECT_NEAR(obtained, c.expected, kTwoSeconds)
            << c.what << ": expected " << c.expected << ", obtained " << obtained;
        EXPECT_EQ(dayOffset, c.dayOffset) << c.what;
    }
}

// Across a year at high latitudes, with the middle-of-the-night rule: every
// night is shorter than a day and starts at the day's sunset (the method's
// Maghrib), every morning time precedes the date's transit by less than half
// a day and every evening time follows it by less than half a day.
TEST(DayTimes, SweepOfHighLatitudeDaysAndNights) {
    struct Site {
        const char* name;
        float zone;
        bool summer;
        double latitude;
        double longitudeWest;
    } sites[] = {
        {"Reykjavik", 0, false, 64.1466, 21.9426},
        {"Fairbanks", -9, true, 64.8378, 147.7164},
        {"Oulu", 2, true, 65.0121, -25.4651},
        {"Antarctic", -3, false, -64.7743, 64.0538},
    };
    std::ostringstream faults;
    for (const Site& site : sites) {
        for (int dayOfYear = 1; dayOfYear <= 366; dayOfYear += 5) {
            constexpr int kMonthLengths2024[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            int month = 1;
            int day = dayOfYear;
            while (day > kMonthLengths2024[month - 1]) day -= kMonthLengths2024[month++ - 1];
            SolarRequest rq = test_support::Request(2024, month, day, 12, 0, 0, site.zone,
                                                    site.summer, site.latitude,
                                                    site.longitudeWest);
            rq.prayerMethod = PrayerMethod::kMuslimWorldLeague;
            rq.highLatitudeRule = HighLatitudeRule::kMiddleOfTheNight;
            const SolarResult r = CalcSolarParameters(rq);
            const DayTimes d = CalcDayTimes(rq, r);
            std::ostringstream where;
            where << site.name << " 2024-" << month << "-" << day << " (transit " << r.transit << "): ";
            if (!r.occurs.transit) {
                faults << where.str() << "no transit\n";
                continue;
            }
            const DayTimes::DayOffsets& o = d.dayOffset;
            if (d.occurs.night) {
                const double maghrib = FromDateMidnight(d.maghrib, o.maghrib);
                const double middle = FromDateMidnight(d.nightMiddle, o.nightMiddle);
                if (!(d.nightLength > 0 && d.nightLength < 24) ||
                    std::fabs(middle - d.nightLength / 2 - maghrib) > 1e-9) {
                    faults << where.str() << "night " << d.nightLength << " from " << maghrib
                           << ", middle " << middle << "\n";
                }
            }
            const struct {
                const char* name;
                bool occurs;
                double time;
                int dayOffset;
                bool morning;
            } events[] = {
                {"astronomicalDawn", d.occurs.astronomicalDawn, d.astronomicalDawn,
                 o.astronomicalDawn, true},
                {"nauticalDawn", d.occurs.nauticalDawn, d.nauticalDawn, o.nauticalDawn, true},
                {"civilDawn", d.occurs.civilDawn, d.civilDawn, o.civilDawn, true},
                {"fajr", d.occurs.fajr, d.fajr, o.fajr, true},
                {"sunrise", d.occurs.sunrise, d.sunrise, o.sunrise, true},
                {"goldenHourEnd", d.occurs.goldenHourEnd, d.goldenHourEnd, o.goldenHourEnd, true},
                {"goldenHourStart", d.occurs.goldenHourStart, d.goldenHourStart,
                 o.goldenHourStart, false},
                {"maghrib", d.occurs.maghrib, d.maghrib, o.maghrib, false},
                {"civilDusk", d.occurs.civilDusk, d.civilDusk, o.civilDusk, false},
                {"nauticalDusk", d.occurs.nauticalDusk, d.nauticalDusk, o.nauticalDusk, false},
                {"astronomicalDusk", d.occurs.astronomicalDusk, d.astronomicalDusk,
                 o.astronomicalDusk, false},
                {"isha", d.occurs.isha, d.isha, o.isha, false},
                {"nightMiddle", d.occurs.night, d.nightMiddle, o.nightMiddle, false},
                {"nightLastThird", d.occurs.night, d.nightLastThird, o.nightLastThird, false},
            };
            for (const auto& e : events) {
                if (!e.occurs) continue;
                const double t = FromDateMidnight(e.time, e.dayOffset);
                const double fromTransit = t - r.transit;
                const bool onItsSide = e.morning ? fromTransit < 0 && fromTransit > -12.1
                                                 : fromTransit > 0 && fromTransit < 24;
                if (!onItsSide || !(e.time >= 0 && e.time < 24)) {
                    faults << where.str() << e.name << " at " << t << "\n";
                }
            }
        }
    }
    EXPECT_EQ(faults.str(), "");
}

// The day times' values described once: every value of DayTimes in the
// record's order, each absent exactly when its own flag says so, and the rule
// marks only on the method's Fajr and Isha.
}  // namespace
}  // namespace tarvel
