// The observer's place on the Earth's ellipsoid, the diurnal parallax of the
// Sun, and horizontal coordinates.
//
// Given:    geocentric right ascension and declination, the Sun's distance,
//           the site (height in metres) and the sidereal time.
// Returned: topocentric right ascension and declination; azimuth from the
//           south (positive west) and altitude.
// References: Meeus ch. 11 (rho sin phi', rho cos phi' on an ellipsoid of
//           axis ratio b/a = 0.99664719), ch. 40 (parallax in right ascension
//           and declination) and ch. 13 (horizontal coordinates).
#pragma once

#include "astro/apparent_sun_types.h"

namespace tarvel {

// sin(8.794"), the sine of the Sun's equatorial horizontal parallax at 1 AU.
// Computed once before any computation runs, read-only afterwards.
extern const double SinSunParallax;

// rho cos phi' and rho sin phi' in Earth equatorial radii for a latitude in
// degrees (north positive) and a height in metres.
double ObserverRhoCosPhi(double latitude, double heightM);
double ObserverRhoSinPhi(double latitude, double heightM);

// Both factors of a site, for the many evaluations a computation makes at one
// site: ObserverRhoSinPhi and ObserverRhoCosPhi to the last bit.
struct ObserverParallax {
    double rhoSinPhi;
    double rhoCosPhi;
};
ObserverParallax ObserverParallaxOf(double latitude, double heightM);

// Topocentric right ascension (hours, [0, 24]) and declination (degrees) from the
// geocentric ones. distance in AU, longitude in degrees WEST positive, latitude in
// degrees, height in metres, jd the Julian Day for the sidereal time.
EquatorialCoords TopocentricEquatorial(double ra, double dec, double distance, double longitude,
                                       double latitude, double heightM, double jd);

// Same, with the Greenwich sidereal time at jd already known (hours).
EquatorialCoords TopocentricEquatorialAt(double ra, double dec, double distance, double longitude,
                                         double latitude, double heightM,
                                         double greenwichSiderealHours);

// Same, with the site's factors already known (ObserverParallaxOf(latitude,
// heightM)); the same values to the last bit.
EquatorialCoords TopocentricEquatorialWith(double ra, double dec, double distance, double longitude,
                                           const ObserverParallax& site,
                                           double greenwichSiderealHours);

struct HorizontalCoords {
    double azimuthFromSouthDeg;  // from the south, positive towards the west, -180..180
    double altitudeDeg;          // no refraction
};

// Azimuth and altitude from an hour angle (degrees, west positive), a
// declination and a latitude (degrees).
HorizontalCoords EquatorialToHorizontal(double hourAngle, double dec, double latitude);

// Same, with the sine and cosine of the latitude's radians already known; the
// same values to the last bit.
HorizontalCoords EquatorialToHorizontalWith(double hourAngle, double dec, double sinLatitude,
                                            double cosLatitude);

}  // namespace tarvel
