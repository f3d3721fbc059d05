// The Qibla: the direction of the Kaaba from the observer, and the clock time
// at which the Sun stands in that direction.
//
// Given:    the observer's latitude (degrees, north positive) and longitude
//           (degrees, positive WEST).
// Returned: the Qibla's azimuth in degrees in (-180, 180], from the south,
//           positive towards the EAST (the opposite sense to the Sun's
//           azimuth in SunState).
// Notes:    the initial course of the great circle from the observer to the
//           Kaaba. The Qibla time is the instant of the date, between sunrise
//           and sunset, at which the Sun's azimuth equals the Qibla's: the
//           event's condition is AzimuthDifference (solar_events.h); the
//           driver scans the day in 0.1-hour steps for a bracket, then halves
//           it to 1e-5 degrees. At some places and dates the Sun never stands
//           in the Qibla's direction while it is up: the time is then -1.
// References: the initial great-circle course, tan q = sin(dL) /
//           (cos(phi) tan(phi_K) - sin(phi) cos(dL)), from the spherical
//           triangle of pole, observer and Kaaba (W. M. Smart, Textbook on
//           Spherical Astronomy, ch. 1); the Kaaba at 21.4225 N, 39.8262 E.
#pragma once

namespace tarvel {

// The Kaaba, Mecca: 21.4225 N, 39.8262 E (longitude positive west).
inline constexpr double kKaabaLatitude = 21.4225;
inline constexpr double kKaabaLongitudeWest = -39.8262;

// Azimuth of the Qibla, degrees from the south positive towards the east, in
// (-180, 180].
double QiblaAzimuth(double latitude, double longitudeWest);

}  // namespace tarvel
