// The observer, defined once: where they stand, the air their refraction
// models see, the Sun's altitudes that define Fajr and Isha, and the prayer
// times' method, high-latitude rule and adjustments. The request of one
// computation, the table's parameters and the application's stored settings
// are composed of these records.
//
// Given:    (data types) the site (latitude degrees north positive, longitude
//           degrees positive WEST, height in metres above sea level), the
//           atmosphere (refraction model, pressure in mbar, temperature in
//           deg C, height of the refraction in metres, relative humidity in
//           percent), the Fajr and Isha altitudes (degrees, negative), the
//           prayer method, its high-latitude rule and minute adjustments.
// Returned: nothing; ValueBounds give the accepted range of each value.
// Notes:    the defaults are the program's documented ones (45 N, 8 E, sea
//           level; Bennett at 1010 mbar and 10 deg C; Fajr at -19, Isha at
//           -17 degrees; the program's own method without a high-latitude
//           rule). The enumerations' values are stored in settings: keep them.
//           Not-a-number lies in no range of ValueBounds.
// References: refraction.h for the atmosphere's models; the prayer methods'
//           angles and Isha intervals as their authorities publish them
//           (listed in kPrayerMethods, prayer_times.h).
#pragma once

#include "astro/refraction.h"

namespace tarvel {

// Latitude positive north, longitude positive WEST (east negative), degrees;
// height above sea level in metres (the apparent horizon's dip only).
struct ObserverSite {
    double latitude = 45.0;   // -90 ... 90
    double longitude = -8.0;  // -180 ... 180
    double height = 0.0;

    friend bool operator==(const ObserverSite&, const ObserverSite&) = default;
};

// The refraction model and its atmosphere.
struct Atmosphere {
    RefractionModel refractionModel = kRefractionBennett;
    double refractionHeight = 100.0;  // metres, for the integration model
    double humidity = 20.0;           // percent, for the integration model
    double pressure = 1010.0;         // mbar, both models
    double temperature = 10.0;        // deg C, both models

    friend bool operator==(const Atmosphere&, const Atmosphere&) = default;
};

// Altitudes of the Sun's centre, degrees (negative), that define Fajr and Isha.
struct PrayerAngles {
    double fajrAngle = -19.0;
    double ishaAngle = -17.0;

    friend bool operator==(const PrayerAngles&, const PrayerAngles&) = default;
};

// The method that gives the prayer times the program shows as the prayers
// (DayTimes, prayer_times.h): its angles, Isha interval, Maghrib and minute
// offsets are listed in kPrayerMethods. kTarvel, the program's own, is the
// documented behaviour: Fajr and Isha at fajrAngle and ishaAngle, Maghrib the
// geometric set. kCustom takes fajrAngle and ishaAngle too, with the apparent
// set as Maghrib. The values are stored: keep them.
enum class PrayerMethod : int {
    kTarvel = 0,
    kMuslimWorldLeague = 1,
    kNorthAmerica = 2,  // Islamic Society of North America
    kEgypt = 3,
    kUmmAlQura = 4,  // Umm al-Qura University, Makkah
    kKarachi = 5,
    kTehran = 6,
    kDubai = 7,
    kKuwait = 8,
    kQatar = 9,
    kSingapore = 10,
    kTurkey = 11,
    kCustom = 12,
    // Moonsighting Committee Worldwide: Fajr and Isha at 18 degrees held
    // within its seasonal limits, Maghrib three minutes after sunset.
    kMoonsighting = 13,
};

// What gives Fajr and Isha in a night where the Sun does not reach their angle,
// or reaches it further from sunrise or sunset than the rule allows: kNone
// (the documented behaviour: the prayer does not occur), the middle of the
// night, a seventh of the night, or the portion angle/60 of the night. The
// night runs from the date's sunset to the next date's sunrise. The values are
// stored: keep them.
enum class HighLatitudeRule : int {
    kNone = 0,
    kMiddleOfTheNight = 1,
    kSeventhOfTheNight = 2,
    kTwilightAngle = 3,
    // No rule up to 48 degrees of latitude (either hemisphere), a seventh of
    // the night beyond.
    kRecommended = 4,
};

// What gives the prayers that are still absent after the high-latitude rule
// (the Sun neither sets nor rises, or never reaches a prayer's angle): kNone
// (they stay absent), the times of the nearest latitude towards the equator
// where they occur (half-degree steps), or those of the nearest date where
// they occur. The values are stored: keep them.
enum class PolarRule : int {
    kNone = 0,
    kNearestLatitude = 1,
    kNearestDay = 2,
};

// The twilight glow whose end gives the Moonsighting Committee's Isha: the
// general rule, the red glow (shafaq ahmar) or the white one (shafaq abyad).
// The values are stored: keep them.
enum class Shafaq : int {
    kGeneral = 0,
    kRed = 1,
    kWhite = 2,
};

// How prayer times are rounded to the minute for display and export: not at
// all, to the nearest minute, or up to the next one. The values are stored:
// keep them.
enum class PrayerRounding : int {
    kNone = 0,
    kNearest = 1,
    kUp = 2,
};

// Whole minutes added to each prayer time of the method (after the method's
// own offsets); Asr's apply to Asr 1 and Asr 2.
struct PrayerAdjustments {
    int fajr = 0;
    int sunrise = 0;
    int zuhr = 0;
    int asr = 0;
    int maghrib = 0;
    int isha = 0;

    friend bool operator==(const PrayerAdjustments&, const PrayerAdjustments&) = default;
};

// The prayer times' method and its choices. The defaults give the documented
// prayer times unchanged.
struct PrayerMethodSettings {
    PrayerMethod prayerMethod = PrayerMethod::kTarvel;
    // Umm al-Qura: Isha 120 minutes after Maghrib (Ramadan) instead of 90.
    bool ramadan = false;
    HighLatitudeRule highLatitudeRule = HighLatitudeRule::kNone;
    PrayerAdjustments prayerAdjustments;
    // What gives the prayers the high-latitude rule leaves absent.
    PolarRule polarRule = PolarRule::kNone;
    // The Moonsighting Committee's Isha.
    Shafaq shafaq = Shafaq::kGeneral;
    // Isha this many minutes after Maghrib instead of the method's Isha;
    // 0: the method's.
    double ishaIntervalMinutes = 0;
    // Maghrib when the Sun's centre sets through this altitude (degrees,
    // negative) instead of the method's Maghrib; 0: the method's.
    double maghribAngle = 0;
    // The rounding of the shown and exported prayer times (PrayerRounding).
    PrayerRounding rounding = PrayerRounding::kNone;
    // The calendar of the Hijri date shown beside the civil date: a
    // HijriCalendar value (civil/hijri_date.h; 0 Umm al-Qura, 1 tabular).
    int hijriCalendar = 0;

    friend bool operator==(const PrayerMethodSettings&, const PrayerMethodSettings&) = default;
};

// All of them: what persists for the observer from one run to the next.
struct ObserverSettings : ObserverSite, Atmosphere, PrayerAngles, PrayerMethodSettings {
    friend bool operator==(const ObserverSettings&, const ObserverSettings&) = default;
};

// The values accepted for an observer, wherever they come in (the windows,
// the command-line tool, the stored settings): physically meaningful ones.
// Not-a-number lies in no range.
struct ValueBounds {
    double low;
    double high;
    bool Contains(double value) const { return value >= low && value <= high; }
};

inline constexpr ValueBounds kLatitudeBounds{-90.0, 90.0};
inline constexpr ValueBounds kLongitudeBounds{-180.0, 180.0};
// From below the Dead Sea's shore to above the highest summits.
inline constexpr ValueBounds kHeightBounds{-1000.0, 20000.0};
// Air pressure, mbar: from high in the atmosphere to above any sea-level record.
inline constexpr ValueBounds kPressureBounds{20.0, 1200.0};
// Air temperature, deg C: about the extremes ever recorded at the surface.
inline constexpr ValueBounds kTemperatureBounds{-90.0, 60.0};
inline constexpr ValueBounds kRefractionHeightBounds{0.0, 10000.0};
inline constexpr ValueBounds kHumidityBounds{0.0, 100.0};
// The Sun's altitude at Fajr or Isha: below the horizon.
inline constexpr ValueBounds kPrayerAngleBounds{-90.0, 0.0};
// A prayer time's adjustment, whole minutes: up to two hours either way.
inline constexpr ValueBounds kPrayerAdjustmentBounds{-120.0, 120.0};
// An Isha interval after Maghrib, minutes (0: none).
inline constexpr ValueBounds kIshaIntervalBounds{0.0, 300.0};
// A Maghrib altitude of the Sun's centre, degrees (0: the method's Maghrib).
inline constexpr ValueBounds kMaghribAngleBounds{-30.0, 0.0};

// Copies what the preferences dialog edits (refraction model and atmosphere,
// prayer angles, the prayer times' method and its choices); the site is left
// alone.
inline void CopyPreferences(const ObserverSettings& from, ObserverSettings& to) {
    static_cast<Atmosphere&>(to) = from;
    static_cast<PrayerAngles&>(to) = from;
    static_cast<PrayerMethodSettings&>(to) = from;
}

}  // namespace tarvel
