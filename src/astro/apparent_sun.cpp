#include "astro/apparent_sun.h"

#include <cmath>
#include <cstdlib>

#include "astro/calendar.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"
#include "astro/time_scales.h"
#include "astro/topocentric.h"

namespace tarvel {

namespace {

constexpr double kAberrationArcsec = 20.49552;  // constant of aberration kappa

double Centuries(double jde) {
    return (jde - 2451545.0) / 36525.0;
}

// FK5 rotated longitude lambda' in radians.
double Fk5RotatedLongitude(double theta, double jde) {
    const double t = Centuries(jde);
    return DegToRad(theta - 1.397 * t - 0.00031 * (t * t));
}

// Aberration with the geometric longitude of the Sun already known.
EclipticOffset AberrationWithSun(double lambda, double beta, double jde, double sun) {
    const double t = Centuries(jde);
    const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * (t * t);
    const double varpi = 102.93735 + 1.71946 * t + 0.00046 * (t * t);
    const double k = kAberrationArcsec;
    const double lambdaR = DegToRad(lambda);
    const double betaR = DegToRad(beta);
    const double sunR = DegToRad(sun);
    const double varpiR = DegToRad(varpi);
    EclipticOffset off;
    off.dLongitude = (e * k * std::cos(varpiR - lambdaR) - k * std::cos(sunR - lambdaR)) /
                     std::cos(betaR) / 3600.0;
    off.dLatitude =
        -k * std::sin(betaR) * (std::sin(sunR - lambdaR) - e * std::sin(varpiR - lambdaR)) / 3600.0;
    return off;
}

// Apparent longitude from the geometric longitude theta, the geometric
// latitude beta0 = -B and the nutation in longitude (arcseconds).
double ApparentLongitudeFrom(double theta, double beta0, double nutationLongitudeArcsec,
                             double jde) {
    const double lambda1 = theta + Fk5LongitudeCorrection(theta, beta0, jde);
    const double lambda2 = lambda1 + nutationLongitudeArcsec / 3600.0;
    const double beta1 = beta0 + Fk5LatitudeCorrection(theta, jde);
    return lambda2 + AberrationWithSun(lambda2, beta1, jde, theta).dLongitude;
}

// The Sun's mean longitude of the equation of time, reduced, degrees.
double MeanLongitudeForEquationOfTime(double jde) {
    const double tau = (jde - 2451545.0) / 365250.0;
    const double tau2 = tau * tau;
    const double tau3 = tau2 * tau;
    const double tau4 = tau3 * tau;
    const double tau5 = tau4 * tau;
    return NormalizeDegrees(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau2 +
                            tau3 / 49931.0 - tau4 / 15300.0 - tau5 / 2000000.0);
}

double EquationOfTimeMinutesFrom(double jde, double alphaHours, double nutationLongitudeArcsec,
                                 double trueObliquity) {
    const double m = MeanLongitudeForEquationOfTime(jde);
    const double e = m - 0.0057183 - 15.0 * alphaHours +
                     (nutationLongitudeArcsec / 3600.0) * std::cos(DegToRad(trueObliquity));
    return NormalizeDegrees(e) * 4.0;
}

}  // namespace

double SunGeometricLongitude(double jde) {
    return NormalizeDegrees(EarthHeliocentricLongitude(jde) + 180.0);
}

double Fk5LongitudeCorrection(double theta, double beta, double jde) {
    const double lp = Fk5RotatedLongitude(theta, jde);
    return (-0.09033 + 0.03916 * (std::cos(lp) + std::sin(lp)) * std::tan(DegToRad(beta))) / 3600.0;
}

double Fk5LatitudeCorrection(double theta, double jde) {
    const double lp = Fk5RotatedLongitude(theta, jde);
    return 0.03916 * (std::cos(lp) - std::sin(lp)) / 3600.0;
}

EclipticOffset AnnualAberration(double lambda, double beta, double jde) {
    return AberrationWithSun(lambda, beta, jde, SunGeometricLongitude(jde));
}

double SunApparentLongitude(double jde) {
    const double theta = SunGeometricLongitude(jde);
    const double beta0 = -EarthHeliocentricLatitude(jde);
    return ApparentLongitudeFrom(theta, beta0, NutationLongitude1980(jde), jde);
}

double SunApparentLatitude(double jde) {
    return -EarthHeliocentricLatitude(jde) + Fk5LatitudeCorrection(SunGeometricLongitude(jde), jde);
}

EquatorialCoords EclipticToEquatorial(double lambda, double beta, double epsilon) {
    const double l = DegToRad(lambda);
    const double b = DegToRad(beta);
    const double e = DegToRad(epsilon);
    EquatorialCoords eq;
    eq.ra =
        RadToHours(std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l)));
    if (eq.ra < 0.0) eq.ra += 24.0;
    eq.dec =
        RadToDeg(std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l)));
    return eq;
}

double EquationOfTimeMinutes(double jde) {
    const double alpha = EclipticToEquatorial(SunApparentLongitude(jde), SunApparentLatitude(jde),
                                              TrueObliquity(jde))
                             .ra;
    return EquationOfTimeMinutesFrom(jde, alpha, NutationLongitude1980(jde), TrueObliquity(jde));
}

double ClockReadingToJulianDay(int year, int month, int day, int hour, int minute, double second,
                               std::int16_t zoneHours, int zoneMinutes) {
    // Month lengths of the given year (stepping back from January lands on
    // December, whose length does not depend on the year).
    const int givenYear = year;
    const auto monthLength = [givenYear](int m) { return MonthLength(givenYear, m, 1); };
    // The minutes take the sign of the hours; an offset of less than an hour
    // west of Greenwich (zone hours 0, e.g. -0:30) has only the minutes to
    // carry its sign.
    const int sign = zoneHours < 0 || (zoneHours == 0 && zoneMinutes < 0) ? -1 : 1;
    const double offset = zoneHours + (sign * std::abs(zoneMinutes)) / 60.0;
    double h = hour - offset;
    if (h < 0.0) {
        h = h + 24.0;
        day = day - 1;
        if (day < 1) {
            month = month - 1;
            if (month < 1) {
                month = 12;
                year = year - 1;
            }
            day = monthLength(month);
        }
    }
    if (h > 23.0) {
        h = h - 24.0;
        day = day + 1;
        if (day > monthLength(month)) {
            month = month + 1;
            if (month > 12) {
                month = 1;
                year = year + 1;
            }
            day = 1;
        }
    }
    JulianDate date;
    date.SetDateTime(year, month, day, h, minute, second, 1);
    return date.jd;
}

SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, double latitude, double longitude,
                     double deltaT, bool deltaTGiven) {
    SunState s;
    const double jd =
        ClockReadingToJulianDay(year, month, day, hour, minute, second, zoneHours, zoneMinutes);
    s.julianDay = jd;
    s.deltaT = deltaTGiven ? deltaT : DeltaTSeconds(jd);
    const double jde = jd + s.deltaT / 86400.0;

    // Each series once per distinct argument: L, B and both nutation series at
    // JDE, R and the sidereal time at the UT Julian Day. The arithmetic is that of
    // the single-quantity functions above, step for step.
    const double theta = NormalizeDegrees(EarthHeliocentricLongitude(jde) + 180.0);
    const double beta0 = -EarthHeliocentricLatitude(jde);
    const Nutation1980 nutation = Nutation1980Both(jde);
    const double trueObliquity = MeanObliquity(jde) + nutation.obliquityArcsec / 3600.0;

    const double lambda = ApparentLongitudeFrom(theta, beta0, nutation.longitudeArcsec, jde);
    const double beta = beta0 + Fk5LatitudeCorrection(theta, jde);
    s.eclipticLongitude = lambda;
    s.eclipticLatitude = beta;

    const EquatorialCoords eq = EclipticToEquatorial(lambda, beta, trueObliquity);
    s.rightAscension = eq.ra;
    s.declination = eq.dec;

    const double distance = EarthRadiusVector(jd);
    const EquatorialCoords topo = TopocentricEquatorialAt(
        eq.ra, eq.dec, distance, longitude, latitude, 0.0, GreenwichSiderealTime(jde));
    s.topoRightAscension = topo.ra;
    s.topoDeclination = topo.dec;

    s.siderealTime = GreenwichSiderealTime(jd);
    const double hourAngle = 15.0 * s.siderealTime - longitude - 15.0 * topo.ra;
    const HorizontalCoords hz = EquatorialToHorizontal(hourAngle, topo.dec, latitude);
    s.azimuth = hz.azimuthFromSouthDeg;
    s.altitude = hz.altitudeDeg;

    double eot =
        EquationOfTimeMinutesFrom(jde, eq.ra, nutation.longitudeArcsec, trueObliquity) * 60.0;
    if (eot > 1200.0) eot = eot - 86400.0;
    s.equationOfTime = eot;
    return s;
}

void CalcSunPosition(double& eclipticLongitude, double& eclipticLatitude, double& azimuth,
                     double& altitude, double& rightAscension, double& declination,
                     double& equationOfTime, double& deltaT, int year, int month, int day, int hour,
                     int minute, double second, std::int16_t zoneHours, int zoneMinutes,
                     double latitude, double longitude, double& topoRightAscension,
                     double& topoDeclination, double& siderealTime, double& julianDay,
                     int deltaTGiven) {
    const SunState s = SunPosition(year, month, day, hour, minute, second, zoneHours, zoneMinutes,
                                   latitude, longitude, deltaT, deltaTGiven != 0);
    eclipticLongitude = s.eclipticLongitude;
    eclipticLatitude = s.eclipticLatitude;
    azimuth = s.azimuth;
    altitude = s.altitude;
    rightAscension = s.rightAscension;
    declination = s.declination;
    equationOfTime = s.equationOfTime;
    if (deltaTGiven == 0) deltaT = s.deltaT;
    topoRightAscension = s.topoRightAscension;
    topoDeclination = s.topoDeclination;
    siderealTime = s.siderealTime;
    julianDay = s.julianDay;
}

}  // namespace tarvel
