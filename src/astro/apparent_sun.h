// The Sun's apparent geocentric position for an instant (VSOP87D, FK5 frame
// correction, nutation of the 1980 theory, annual aberration, true obliquity),
// and the whole pipeline from a civil clock reading at a site to the Sun's
// ecliptic, equatorial, topocentric and horizontal coordinates.
//
// Given:    a clock reading of a zone's standard time, the zone, the site
//           (latitude north positive, longitude WEST positive) and Delta T.
// Returned: the Sun's apparent ecliptic and equatorial coordinates,
//           topocentric right ascension and declination, azimuth (from the
//           south, positive west) and altitude, sidereal time, Julian Day and
//           the equation of time in seconds.
// References: Meeus ch. 25 (the Sun to higher accuracy: FK5 correction,
//           aberration, nutation), ch. 13 (coordinate transformations) and
//           ch. 28 (equation of time).
#pragma once

#include <cstdint>

#include "astro/apparent_sun_types.h"
#include "astro/topocentric.h"

namespace tarvel {

// NormalizeDegrees(L + 180), degrees in [0, 360].
double SunGeometricLongitude(double jde);
// FK5 correction of the longitude in degrees; theta and beta in degrees.
double Fk5LongitudeCorrection(double theta, double beta, double jde);
// FK5 correction of the latitude in degrees.
double Fk5LatitudeCorrection(double theta, double jde);
// Annual aberration offsets in degrees for the apparent longitude lambda and
// latitude beta (degrees).
EclipticOffset AnnualAberration(double lambda, double beta, double jde);
// Apparent ecliptic longitude in degrees, not reduced into [0, 360].
double SunApparentLongitude(double jde);
// Ecliptic latitude in degrees (FK5-corrected, no nutation or aberration).
double SunApparentLatitude(double jde);
// Right ascension in hours, [0, 24), and declination in degrees.
EquatorialCoords EclipticToEquatorial(double lambda, double beta, double epsilon);
// Equation of time in minutes of time, [0, 1440].
double EquationOfTimeMinutes(double jde);

// Everything the solar computation needs of the Sun at one civil instant.
struct SunState {
    double eclipticLongitude = 0;   // apparent, degrees, not reduced
    double eclipticLatitude = 0;    // degrees
    double azimuth = 0;             // from the south, positive towards the west, degrees
    double altitude = 0;            // topocentric, no refraction, degrees
    double rightAscension = 0;      // geocentric, hours [0, 24)
    double declination = 0;         // geocentric, degrees
    double equationOfTime = 0;      // seconds, apparent minus mean time
    double topoRightAscension = 0;  // hours [0, 24]
    double topoDeclination = 0;     // degrees
    double siderealTime = 0;        // Greenwich, hours [0, 24]
    double julianDay = 0;           // UT
    double deltaT = 0;              // seconds, the value this evaluation used
};

// The Sun for a clock reading of the zone's standard time (hour may be -1 or
// above 23, minutes negative or above 59: they are counted on), zone as whole
// hours and minutes (the minutes' magnitude takes the sign of the hours, or
// its own sign when the whole hours are 0, as in -0:30),
// latitude north positive, longitude WEST positive. deltaTGiven == 0: Delta T is
// computed from the model and written to deltaT; otherwise deltaT is used.
void CalcSunPosition(double& eclipticLongitude, double& eclipticLatitude, double& azimuth,
                     double& altitude, double& rightAscension, double& declination,
                     double& equationOfTime, double& deltaT, int year, int month, int day, int hour,
                     int minute, double second, std::int16_t zoneHours, int zoneMinutes,
                     double latitude, double longitude, double& topoRightAscension,
                     double& topoDeclination, double& siderealTime, double& julianDay,
                     int deltaTGiven);

// The same evaluation returned as a value; identical to the last bit.
SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, double latitude, double longitude,
                     double deltaT, bool deltaTGiven);

// The site of the evaluations: latitude north positive, longitude WEST
// positive, degrees, and what depends on the site alone, computed once for all
// evaluations at it: the parallax factors at height 0 and the sine and cosine
// of the latitude.
struct SunSite {
    double latitude = 0;
    double longitude = 0;
    ObserverParallax parallax{};
    double sinLatitude = 0;
    double cosLatitude = 1;
};
SunSite SunSiteAt(double latitude, double longitude);

// SunPosition at a site made by SunSiteAt; the same values to the last bit.
SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, const SunSite& site, double deltaT,
                     bool deltaTGiven);

// UT Julian Day of a standard-time clock reading in a zone, with the day and
// month stepping of the pipeline.
double ClockReadingToJulianDay(int year, int month, int day, int hour, int minute, double second,
                               std::int16_t zoneHours, int zoneMinutes);

}  // namespace tarvel
