// The texts in which the main window shows its results.
//
// Each function prints one kind of value with its fixed printf format text,
// leading blanks included, with "." as the decimal point whatever the locale and
// the degree sign as UTF-8 "°". A signed quantity is shown with a minus form or
// a non-negative form chosen from the decimal value itself, never from its
// parts: a small negative value whose parts are all zero still shows its minus
// sign, exactly 0 shows the non-negative form. Sexagesimal fields print the
// magnitudes of the parts; "%02d" is a minimum width, so a whole part of 100 or
// more prints all its digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvel {

// Shown instead of a time that is not defined at the observer's latitude.
inline constexpr char kUndefinedTimeText[] = " 00:00:00.0";

// Shown instead of a time that does not occur.
inline constexpr char kNoEventTimeText[] = " --:--:-----.-";

// Time of day, unsigned: " %02d:%02d:%04.1lf" with the magnitudes of
// SplitHours(hours). The value is printed as given, not reduced: a negative
// value shows without its sign and 24 h or more shows an hour of 24 or more.
std::string FormatTimeOfDay(double hours);

// A clock reading given as its fields, not split and not carried, in the time
// of day format " %02d:%02d:%04.1lf"; the fields are printed as given.
std::string FormatClockReading(std::int32_t hour, std::int32_t minute, double second);

// Right ascension (or any signed hour value) with its decimal value:
// " %02d:%02d:%04.1lf (%+2.6f)", minus form "-%02d:%02d:%04.1lf (%+2.6f)",
// from SplitHours(hours).
std::string FormatRightAscension(double hours);

// Equation of time in seconds: " %02d:%02d:%04.1lf (%+2.1f s)", minus form
// "-%02d:%02d:%04.1lf (%+2.1f s)". Split on its own, without carry: minutes =
// seconds / 60 truncated towards zero, seconds = value - minutes * 60; the hour
// field is always 00 (59.97 s shows " 00:00:60.0 (+60.0 s)"). A value whose
// minute count does not fit a 32-bit integer, or a non-finite one, is printed
// with 0 minutes and the whole value in the seconds field.
std::string FormatEquationOfTime(double seconds);

// Longitude difference from the zone meridian (degrees, positive west) as a
// time: " %02d:%02d:%04.1f", minus form "-%02d:%02d:%04.1lf", the minus form
// when the difference is positive (the observer west of the zone meridian).
// Split on its own, without carry: F = degrees * 240 seconds of time, hours =
// F / 3600 truncated, minutes = F / 60 - hours * 60 truncated, seconds = F -
// minutes * 60 - hours * 3600. A value whose hour count does not fit a 32-bit
// integer, or a non-finite one, is printed with 0 hours, 0 minutes and all of F
// in the seconds field.
std::string FormatLongitudeDifferenceTime(double degrees);

// Altitude, azimuth or declination: "  %02d°%02d'%04.1lf\"  (%+2.6f)", minus
// form " -%02d°%02d'%04.1lf\"  (%+2.6f)", from SplitDegrees(degrees).
std::string FormatHorizontalAngle(double degrees);

// Ecliptic longitude or latitude: " %02d°%02d'%04.1lf\" (%+2.6f)", minus form
// "-%02d°%02d'%04.1lf\" (%+2.6f)", from SplitDegrees(degrees).
std::string FormatEclipticAngle(double degrees);

// Qibla direction (azimuth from the south, positive towards the east):
// "%02d°%02d'%04.1lf\"  %s" with the magnitudes of SplitDegrees(degrees) and
// east for a value >= 0, west for a negative value. The words are the
// Italian "EST" and "OVEST" unless a caller gives those of another language.
std::string FormatQiblaDirection(double degrees, std::string_view east = "EST",
                                 std::string_view west = "OVEST");

// Julian Day: "%.8lf".
std::string FormatJulianDay(double julianDay);

// ΔT after a computation, in seconds: "%.1lf".
std::string FormatDeltaTShort(double seconds);

// ΔT from the built-in model, in seconds: "%lf" (six decimals).
std::string FormatDeltaTModel(double seconds);

// Refraction in arcminutes: "%.4lf'".
std::string FormatRefraction(double arcminutes);

}  // namespace tarvel
