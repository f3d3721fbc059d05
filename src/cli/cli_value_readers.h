// The texts tarvel-cli accepts as values: zones, angles with hemisphere
// letters, dates, clock times and the prayers' adjustments. Numbers are read
// by format/number_text.h (ParseDecimal, ParseWholeNumber), which the readers
// build on. Each reader gives the value of the whole text, or nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/observer.h"
#include "civil/local_clock.h"
#include "format/number_text.h"

namespace tarvel {

// A time zone in hours east of UTC, either a decimal ("5.75", "-3.5") or
// sign, hours and minutes ("+05:45", "-03:30", "5:30"; minutes 00 to 59), from
// The zones the command line accepts, hours east of UTC: --zone, and the
// computer's own standard zone when no zone is given.
inline constexpr double kLowestZoneHours = -12.0;
inline constexpr double kHighestZoneHours = 14.0;

// -12 to +14 inclusive. nullopt outside that range or for any other text.
std::optional<float> ParseZoneHours(std::string_view text);

// A longitude as the command line reads it, degrees positive EAST (GPS, ISO
// 6709): a decimal ("12.5", "-74") or an unsigned angle followed by E or W,
// either case ("12.5E", "74W", "12°29'E"; ReadSiteAngle without blanks); from
// -180 to 180 inclusive. Returned in the
// computation's convention, degrees positive WEST ("12.5" and "12.5E" give
// -12.5, "-74" and "74W" give 74).
std::optional<double> ParseLongitudeWest(std::string_view text);

// A latitude in degrees positive north: a decimal ("-33.9") or an unsigned
// angle followed by N or S, either case ("33.9S" gives -33.9, "41°54'N" 41.9);
// from -90 to 90 inclusive.
std::optional<double> ParseLatitude(std::string_view text);

// "YYYY-MM-DD": a year of 1 to 4 digits from 1 to 9999, a month and a day of 1
// or 2 digits; the date must exist (29 February only in leap years).
std::optional<CivilDate> ParseDate(std::string_view text);

// "HH:MM" or "HH:MM:SS" with hours 0 to 23 and minutes 0 to 59 of 1 or 2
// digits; seconds of 1 or 2 digits, optionally with decimals ("07.5"), from 0
// to below 60. Seconds default to 0.
std::optional<ClockTime> ParseClockTime(std::string_view text);

// Adjustments of the prayer times, "fajr=2,isha=-1": names (fajr, sunrise,
// zuhr, asr, maghrib, isha; letter case ignored, blanks around an entry
// allowed) each given at most once, with whole minutes from -120 to 120 (an
// optional sign); the prayers not named get 0. Nothing for any other text,
// an empty one included.
std::optional<PrayerAdjustments> ParsePrayerAdjustments(std::string_view text);

// The refusal of a place's name longer than any place's (kMaxPlaceQueryBytes),
// for the option or argument named.
std::string PlaceQueryTooLong(std::string_view option);

// Empty when places can be found by name; otherwise the refusal that says the
// places' index is missing or damaged, for a search that found nothing.
std::string PlaceIndexMissing();

}  // namespace tarvel
