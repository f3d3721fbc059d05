// The Earth's heliocentric position from the complete VSOP87D series, referred
// to the mean ecliptic and equinox of date.
//
// Given:    a dynamical Julian Day (JDE).
// Returned: heliocentric longitude and latitude in degrees, radius vector in
//           astronomical units.
// Notes:    pure functions of their arguments and of the series kernel. All 2425
//           terms (generated table, see vsop87d_earth_table.cpp); tau in Julian
//           millennia from J2000.0. The one-argument forms use
//           ActiveSeriesKernel() (series_kernel.h): by default glibc's vector
//           cosine for the widest instruction set of the processor, lane-wise
//           partial sums reduced in a fixed order; with TARVEL_SCALAR_SERIES=1
//           in the environment, the scalar reference (std::cos, every series
//           summed in stored order). The forms with a SeriesKernel argument
//           evaluate with that kernel, which must be supported. Vector and
//           scalar L, B and R agree within 1e-11 rad and 1e-11 AU over
//           1900-2100. The vector kernels read a copy of the table in blocks of
//           eight terms, built once at the first vector evaluation.
// References: P. Bretagnon and G. Francou, "Planetary theories in
//           rectangular and spherical variables. VSOP87 solutions", Astron.
//           Astrophys. 202, 309-315 (1988); Meeus ch. 32 and appendix III.
#pragma once

#include <cstddef>

#include "astro/series_kernel.h"

namespace tarvel {

// A, B, C of one term: amplitude (1e-8 rad or 1e-8 AU), phase (rad),
// frequency (rad per Julian millennium). The term is A cos(B + C tau).
struct Vsop87Term {
    double A, B, C;
};

// A series: `count` terms summed in stored order.
struct Vsop87Series {
    const Vsop87Term* terms;
    std::size_t count;
};

// The 17 series of the Earth (2425 terms, one contiguous block in the order
// L0..L5, B0..B4, R0..R5); generated into vsop87d_earth_table.cpp.
extern const Vsop87Series kEarthL[6];
extern const Vsop87Series kEarthB[5];
extern const Vsop87Series kEarthR[6];

// Heliocentric ecliptic longitude L in degrees, in [0, 360] (360 stays 360), at
// a Julian Ephemeris Day.
double EarthHeliocentricLongitude(double jde);
// Heliocentric ecliptic latitude B in degrees, not reduced, at a Julian
// Ephemeris Day.
double EarthHeliocentricLatitude(double jde);
// Radius vector R in astronomical units at a Julian Day (the callers pass the
// universal-time Julian Day).
double EarthRadiusVector(double jd);

// L and B at one instant from one evaluation of tau; each is bit for bit the
// value of EarthHeliocentricLongitude(jde) and EarthHeliocentricLatitude(jde).
struct EarthLongitudeLatitude {
    double longitudeDeg;  // L in degrees, [0, 360]
    double latitudeDeg;   // B in degrees, not reduced
};
EarthLongitudeLatitude EarthHeliocentricLB(double jde);

// L and B at a Julian Ephemeris Day and R at a Julian Day, as one Sun position
// needs them, from one pass over the table (a single kernel call for the 17
// series); each bit for bit the value of EarthHeliocentricLongitude(jde),
// EarthHeliocentricLatitude(jde) and EarthRadiusVector(jd).
struct EarthPosition {
    double longitudeDeg;  // L in degrees, [0, 360]
    double latitudeDeg;   // B in degrees, not reduced
    double radiusAu;      // R in astronomical units
};
EarthPosition EarthHeliocentricLBR(double jde, double jd);

// L and B in radians as the series sum them (L not reduced into a turn) at a
// Julian Ephemeris Day and R in astronomical units at a Julian Day: the values
// EarthHeliocentricLBR converts, from the same pass, to the last bit (the
// Chebyshev spans of sun_series_cache.h are fitted to them).
struct EarthSeriesSums {
    double longitudeRad;  // L, radians, continuous in time
    double latitudeRad;   // B, radians
    double radiusAu;      // R, astronomical units
};
EarthSeriesSums EarthHeliocentricSums(double jde, double jd);
// L in degrees in [0, 360] from L in radians as the series sum it: the
// conversion of EarthHeliocentricLBR.
double EarthLongitudeDegFromRad(double longitudeRad);

// The same with an explicit kernel instead of ActiveSeriesKernel().
double EarthHeliocentricLongitude(double jde, SeriesKernel kernel);
double EarthHeliocentricLatitude(double jde, SeriesKernel kernel);
double EarthRadiusVector(double jd, SeriesKernel kernel);
EarthLongitudeLatitude EarthHeliocentricLB(double jde, SeriesKernel kernel);
EarthPosition EarthHeliocentricLBR(double jde, double jd, SeriesKernel kernel);
EarthSeriesSums EarthHeliocentricSums(double jde, double jd, SeriesKernel kernel);

}  // namespace tarvel
