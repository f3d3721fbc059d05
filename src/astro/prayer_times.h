// The prayer times of a calculation method, the twilights and the night of one
// civil date: a computation layered on CalcSolarParameters, which it leaves as
// it is.
//
// Given:    the SolarRequest (its PrayerMethodSettings choose the method, the
//           high-latitude rule and the adjustments; fajrAngle and ishaAngle
//           serve the program's own method and the custom one) and the
//           SolarResult CalcSolarParameters gave for it.
// Returned: DayTimes: the method's Fajr, sunrise, Zuhr, Asr 1 and 2, Maghrib
//           and Isha, each with its offsets, Fajr and Isha marked when a
//           high-latitude rule gave them; the dawns and dusks of the civil
//           (-6 degrees), nautical (-12) and astronomical (-18) twilights; the
//           end and start of the golden hour (+6); the night from the day's
//           sunset to the next sunrise, its middle and the start of its last
//           third; the date of each time.
// Notes:    every time belongs to the day of the request's date D, as
//           prayer-time and twilight tables reckon it: the morning's events
//           (the dawns, Fajr, sunrise, the end of the golden hour) are the
//           rising crossings before D's transit, the evening's (the start of
//           the golden hour, Maghrib, the dusks, Isha) the setting crossings
//           after it, wherever they fall on the clock; the night runs from
//           the first sunset after D's transit to the next sunrise. A
//           crossing found on the civil date stands when it lies on its side
//           of the transit (FindAltitudeCrossings); otherwise the day's own
//           is searched between the culminations
//           (FindAltitudeCrossingsOfDay). Altitudes are those of the Sun's
//           centre without refraction, as for the documented Fajr and Isha.
//           "Sunrise" and "sunset" of the night and of the rules are apparent
//           rise and set (the upper limb on the horizon with refraction and
//           the dip): SolarResult's own where they belong to the day. Times
//           are clock times in [0, 24) on the request's one clock, each with
//           the whole days from D to the date it falls on (dayOffset: +1 for
//           an Isha after midnight, -1 for a dawn before the previous
//           midnight); the night's length is the elapsed time. The method
//           only chooses angles, intervals and offsets: the Sun is computed
//           as always.
// References: the methods' parameters as the authorities publish them and
//           widely used prayer-time libraries carry them (see kPrayerMethods);
//           the high-latitude rules as those libraries define them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "astro/observer.h"
#include "astro/solar_computation.h"

namespace tarvel {

// Which event is a method's Maghrib.
enum class MaghribEvent {
    kGeometricSet,  // the Sun's centre on the true horizon (the documented Maghrib)
    kApparentSet,   // the apparent set: the upper limb on the horizon, with refraction
    kAltitude,      // the Sun's centre at maghribAngle, setting
};

// One method and its published parameters. Angles are altitudes of the Sun's
// centre in degrees (negative: below the horizon); not-a-number where the
// method takes the observer's own angle (fajrAngle, ishaAngle) or has none.
struct PrayerMethodParameters {
    PrayerMethod method;
    std::string_view key;    // the command-line name: "default", "mwl", "isna", ...
    std::string_view title;  // the authority's name
    double fajrAngle;
    double ishaAngle;           // not-a-number also for an Isha interval
    double ishaMinutes;         // Isha this many minutes after Maghrib; 0: by angle
    double ramadanIshaMinutes;  // the interval in Ramadan when it differs; 0: none
    MaghribEvent maghrib;
    double maghribAngle;        // for MaghribEvent::kAltitude
    PrayerAdjustments offsets;  // the method's own minute offsets
};

// Every method, in PrayerMethod order.
extern const std::array<PrayerMethodParameters, 13> kPrayerMethods;

// The parameters of a method (kTarvel for a value out of the list).
const PrayerMethodParameters& MethodParameters(PrayerMethod method);

// The method named by its key, letter case ignored ("MWL"; "default" is
// kTarvel); nothing for an unknown name.
std::optional<PrayerMethod> ParsePrayerMethod(std::string_view name);

// The command-line name of a rule: "none", "middle", "seventh", "angle".
std::string_view HighLatitudeRuleKey(HighLatitudeRule rule);

// The rule named by its key, letter case ignored; nothing for an unknown name.
std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view name);

// The angles and the Isha interval a request's settings put in force.
struct EffectivePrayerAngles {
    double fajrAngle;    // degrees
    double ishaAngle;    // degrees; not-a-number when Isha is an interval
    double ishaMinutes;  // minutes after Maghrib; 0 when Isha is by angle
};
EffectivePrayerAngles EffectiveAngles(const SolarRequest& request);

// The prayer times, twilights and night of the request's date. Clock times on
// the request's clock in [0, 24), each on the date dayOffset names; 0 (and
// offset 0) where the occurs flag is false.
struct DayTimes {
    // The settings the times were computed with.
    PrayerMethod method = PrayerMethod::kTarvel;
    HighLatitudeRule rule = HighLatitudeRule::kNone;

    // The method's prayers, with the method's offsets and the adjustments.
    // kTarvel: fajr, zuhr (the transit), asr1, asr2, maghrib (the geometric
    // set) and isha are SolarResult's own, and sunrise is the geometric rise;
    // the other methods take the apparent rise and set.
    double fajr = 0;
    double sunrise = 0;
    double zuhr = 0;
    double asr1 = 0;
    double asr2 = 0;
    double maghrib = 0;
    double isha = 0;
    // The rule that gave Fajr or Isha; kNone when the angle or interval did.
    HighLatitudeRule fajrRule = HighLatitudeRule::kNone;
    HighLatitudeRule ishaRule = HighLatitudeRule::kNone;

    // Twilights: the Sun's centre crossing -6, -12 and -18 degrees, rising
    // (dawn) and setting (dusk); the golden hour ends when the centre rises
    // through +6 degrees and starts when it sets through +6.
    double civilDawn = 0;
    double civilDusk = 0;
    double nauticalDawn = 0;
    double nauticalDusk = 0;
    double astronomicalDawn = 0;
    double astronomicalDusk = 0;
    double goldenHourEnd = 0;
    double goldenHourStart = 0;

    // The night from the first sunset after the date's transit to the next
    // sunrise: its length in hours (elapsed time, always under 24), its middle
    // and the start of its last third.
    double nightLength = 0;
    double nightMiddle = 0;
    double nightLastThird = 0;

    struct Occurrences {
        bool fajr = false;
        bool sunrise = false;
        bool zuhr = false;
        bool asr1 = false;
        bool asr2 = false;
        bool maghrib = false;
        bool isha = false;
        bool civilDawn = false;
        bool civilDusk = false;
        bool nauticalDawn = false;
        bool nauticalDusk = false;
        bool astronomicalDawn = false;
        bool astronomicalDusk = false;
        bool goldenHourEnd = false;
        bool goldenHourStart = false;
        bool night = false;  // the night's length, middle and last third
    } occurs;

    // Whole days from the request's date to the date each clock time falls
    // on: 0 on the date, +1 on the next (an Isha or a night's middle after
    // midnight), -1 on the previous (a dawn before the date's midnight).
    struct DayOffsets {
        int fajr = 0;
        int sunrise = 0;
        int zuhr = 0;
        int asr1 = 0;
        int asr2 = 0;
        int maghrib = 0;
        int isha = 0;
        int civilDawn = 0;
        int civilDusk = 0;
        int nauticalDawn = 0;
        int nauticalDusk = 0;
        int astronomicalDawn = 0;
        int astronomicalDusk = 0;
        int goldenHourEnd = 0;
        int goldenHourStart = 0;
        int nightMiddle = 0;
        int nightLastThird = 0;
    } dayOffset;
};

// A civil date, proleptic Gregorian.
struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// The date dayOffset whole days after date (before it when negative): with
// the request's date, the date a time of DayTimes falls on.
CalendarDate DateAfterDays(CalendarDate date, int dayOffset);

// Twilight altitudes of the Sun's centre, degrees.
inline constexpr double kCivilTwilightAltitude = -6.0;
inline constexpr double kNauticalTwilightAltitude = -12.0;
inline constexpr double kAstronomicalTwilightAltitude = -18.0;
inline constexpr double kGoldenHourAltitude = 6.0;

// The day times of a request, from the SolarResult CalcSolarParameters gave
// for it. Raises nothing.
DayTimes CalcDayTimes(const SolarRequest& request, const SolarResult& result);

// The portion of the night a rule allows between Fajr and sunrise or between
// sunset and Isha, for a prayer at angle degrees: 1/2, 1/7 or |angle|/60; 0
// for kNone.
double NightPortion(HighLatitudeRule rule, double angle);

// True when the settings give the documented prayer times unchanged: the
// program's own method, no high-latitude rule, no adjustment.
bool IsDocumentedPrayerSetting(const PrayerMethodSettings& settings);

}  // namespace tarvel
