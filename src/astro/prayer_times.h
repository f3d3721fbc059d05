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

// What gave a prayer time other than its own crossing or a high-latitude rule.
enum class PrayerTimeMark {
    kNone,
    kSeasonal,         // the Moonsighting Committee's seasonal limit
    kSunsetInterval,   // Tehran's Maghrib: the Sun never reaches -4.5 degrees
    kNearestLatitude,  // the polar rule: the time at the nearest latitude
    kNearestDay,       // the polar rule: the time of the nearest date
};

// Tehran's Maghrib where the Sun does not reach its altitude: this many
// minutes after the apparent set.
inline constexpr double kTehranMaghribFallbackMinutes = 19.0;

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
extern const std::array<PrayerMethodParameters, 14> kPrayerMethods;

// The parameters of a method (kTarvel for a value out of the list).
const PrayerMethodParameters& MethodParameters(PrayerMethod method);

// The method named by its key, letter case ignored ("MWL"; "default" is
// kTarvel); nothing for an unknown name.
std::optional<PrayerMethod> ParsePrayerMethod(std::string_view name);

// The command-line name of a rule: "none", "middle", "seventh", "angle",
// "recommended".
std::string_view HighLatitudeRuleKey(HighLatitudeRule rule);

// The rule named by its key, letter case ignored; nothing for an unknown name.
std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view name);

// The rule a setting puts in force at a latitude (degrees, either
// hemisphere): kRecommended is kNone up to 48 degrees and kSeventhOfTheNight
// beyond; every other rule is itself.
HighLatitudeRule EffectiveRule(HighLatitudeRule rule, double latitude);

// The command-line name of a polar rule: "none", "nearest-latitude",
// "nearest-day"; of a shafaq: "general", "red", "white"; of a rounding:
// "none", "nearest", "up".
std::string_view PolarRuleKey(PolarRule rule);
std::string_view ShafaqKey(Shafaq shafaq);
std::string_view PrayerRoundingKey(PrayerRounding rounding);

// Each named by its key, letter case ignored; nothing for an unknown name.
std::optional<PolarRule> ParsePolarRule(std::string_view name);
std::optional<Shafaq> ParseShafaq(std::string_view name);
std::optional<PrayerRounding> ParsePrayerRounding(std::string_view name);

// The rounding a method's own timetables use when they are rounded to the
// minute: up for Singapore's, to the nearest minute for every other.
PrayerRounding MethodRounding(PrayerMethod method);

// A clock time in [0, 24) on the date dayOffset names, rounded to the minute
// by rounding: kNearest to the nearest minute (half a minute goes up), kUp to
// the next whole minute unless it is one already (within 1e-7 minutes).
// 24:00 after rounding is 00:00 of the next date (dayOffset + 1).
void RoundPrayerTime(PrayerRounding rounding, double& time, int& dayOffset);

// The Moonsighting Committee's seasonal limits, minutes: how long before
// sunrise Fajr may fall at the latest and after sunset Isha at the latest,
// from the absolute latitude (degrees) and the days since the winter
// solstice of the observer's hemisphere (SeasonDays). Four values a, b, c, d
// of the form base + k/55 * |latitude| are joined by straight lines over the
// season: a at day 0, b at 91, c at 137, d at 183, then back through c (229)
// and b (275) to a. Fajr: base 75 and k 28.65, 19.44, 32.74, 48.1. Isha
// (shafaq): general base 75 and k 25.60, 2.050, -9.21, 6.14; red base 62 and
// k 17.40, -7.16, 5.12, 19.44; white base 75 and k 25.60, 7.16, 36.84, 81.84.
double MoonsightingFajrMinutes(double latitude, int seasonDays);
double MoonsightingIshaMinutes(double latitude, int seasonDays, Shafaq shafaq);

// The days since the winter solstice of the hemisphere of latitude, as the
// Committee counts them: north, the day of the year (1 on 1 January) plus 10;
// south, the day of the year less 172 (173 in a leap year); within [0, days
// of the year).
int SeasonDays(double latitude, int year, int month, int day);

// The angles and the Isha interval a request's settings put in force.
struct EffectivePrayerAngles {
    double fajrAngle;    // degrees
    double ishaAngle;    // degrees; not-a-number when Isha is an interval
    double ishaMinutes;  // minutes after Maghrib; 0 when Isha is by angle
    double maghribAngle; // degrees when Maghrib is at an altitude, else 0
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
    // The rule that gave Fajr or Isha; kNone when the angle or interval did
    // (with kRecommended, the rule it put in force).
    HighLatitudeRule fajrRule = HighLatitudeRule::kNone;
    HighLatitudeRule ishaRule = HighLatitudeRule::kNone;
    // What else gave a prayer instead of its own crossing (kNone: its
    // crossing, or the high-latitude rule named above), with the latitude
    // (degrees) or the whole days from the request's date of the day whose
    // time it took.
    struct Mark {
        PrayerTimeMark by = PrayerTimeMark::kNone;
        double latitude = 0;
        int days = 0;
    };
    struct Marks {
        Mark fajr;
        Mark sunrise;
        Mark asr1;
        Mark asr2;
        Mark maghrib;
        Mark isha;
    } marks;

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
    // The blue hour: from the civil dawn to the centre rising through -4
    // degrees (which starts the morning's golden hour, ended by
    // goldenHourEnd), and from the centre setting through -4 degrees (which
    // ends the evening's golden hour, started by goldenHourStart) to the civil
    // dusk.
    double blueHourMorningEnd = 0;
    double blueHourEveningStart = 0;

    // The apparent daylight (SolarResult::apparentDaylight) less that of the
    // previous date, hours; there when both dates have an apparent rise and
    // set.
    double dayLengthChange = 0;

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
        bool blueHourMorningEnd = false;
        bool blueHourEveningStart = false;
        bool dayLengthChange = false;
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
        int blueHourMorningEnd = 0;
        int blueHourEveningStart = 0;
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
// Between the blue hour and the golden hour.
inline constexpr double kBlueHourAltitude = -4.0;

// The day times of a request, from the SolarResult CalcSolarParameters gave
// for it. Raises nothing.
// Fills everything but dayLengthChange (AddDayLengthChange). With a polar
// rule, the prayers still absent after the high-latitude rule come from the
// nearest latitude or date that has them, marked (DayTimes::marks).
DayTimes CalcDayTimes(const SolarRequest& request, const SolarResult& result);

// Sets days.dayLengthChange from the apparent daylight of the request's date
// (result, as CalcSolarParameters gave it) and of the previous date, computed
// here at the same clock reading. Raises nothing.
void AddDayLengthChange(const SolarRequest& request, const SolarResult& result, DayTimes& days);

// days with the method's prayers (Fajr, sunrise, Zuhr, Asr 1 and 2, Maghrib,
// Isha) rounded to the minute by rounding (RoundPrayerTime); the twilights
// and the night as they are.
DayTimes RoundedPrayers(const DayTimes& days, PrayerRounding rounding);

// The portion of the night a rule allows between Fajr and sunrise or between
// sunset and Isha, for a prayer at angle degrees: 1/2, 1/7 or |angle|/60; 0
// for kNone.
double NightPortion(HighLatitudeRule rule, double angle);

// True when the settings give the documented prayer times unchanged: the
// program's own method, no high-latitude or polar rule, no adjustment, no
// Isha interval or Maghrib angle of the user's.
bool IsDocumentedPrayerSetting(const PrayerMethodSettings& settings);

}  // namespace tarvel
