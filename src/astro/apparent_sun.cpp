#include "astro/apparent_sun.h"

#include <cmath>
#include <cstdlib>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"
#include "astro/sun_series_cache.h"
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

// The quantities of the aberration with the geometric longitude of the Sun
// already known: the eccentricity of the Earth's orbit, the longitude of its
// perihelion, and the angles in radians.
struct AberrationAngles {
    double e;
    double lambdaR;
    double betaR;
    double sunR;
    double varpiR;
};

AberrationAngles AberrationAnglesOf(double lambda, double beta, double jde, double sun) {
    const double t = Centuries(jde);
    const double varpi = 102.93735 + 1.71946 * t + 0.00046 * (t * t);
    return {0.016708634 - 0.000042037 * t - 0.0000001267 * (t * t), DegToRad(lambda),
            DegToRad(beta), DegToRad(sun), DegToRad(varpi)};
}

double AberrationLongitudeOf(const AberrationAngles& a) {
    const double k = kAberrationArcsec;
    return (a.e * k * std::cos(a.varpiR - a.lambdaR) - k * std::cos(a.sunR - a.lambdaR)) /
           std::cos(a.betaR) / 3600.0;
}

// Aberration with the geometric longitude of the Sun already known.
EclipticOffset AberrationWithSun(double lambda, double beta, double jde, double sun) {
    const AberrationAngles a = AberrationAnglesOf(lambda, beta, jde, sun);
    const double k = kAberrationArcsec;
    EclipticOffset off;
    off.dLongitude = AberrationLongitudeOf(a);
    off.dLatitude = -k * std::sin(a.betaR) *
                    (std::sin(a.sunR - a.lambdaR) - a.e * std::sin(a.varpiR - a.lambdaR)) / 3600.0;
    return off;
}

// Its longitude offset alone, the same value to the last bit (the apparent
// longitude needs no more).
double AberrationLongitudeWithSun(double lambda, double beta, double jde, double sun) {
    return AberrationLongitudeOf(AberrationAnglesOf(lambda, beta, jde, sun));
}

// The cosine and sine of the FK5 rotated longitude lambda', which both FK5
// corrections read.
struct Fk5Rotation {
    double cosLp;
    double sinLp;
};

Fk5Rotation Fk5Rotate(double theta, double jde) {
    const double lp = Fk5RotatedLongitude(theta, jde);
    return {std::cos(lp), std::sin(lp)};
}

// FK5 corrections in degrees from the rotation; beta in degrees.
double Fk5LongitudeFrom(const Fk5Rotation& r, double beta) {
    return (-0.09033 + 0.03916 * (r.cosLp + r.sinLp) * std::tan(DegToRad(beta))) / 3600.0;
}

double Fk5LatitudeFrom(const Fk5Rotation& r) {
    return 0.03916 * (r.cosLp - r.sinLp) / 3600.0;
}

// Apparent longitude from the geometric longitude theta, the geometric
// latitude beta0 = -B, the nutation in longitude (arcseconds) and the FK5
// rotation of theta.
double ApparentLongitudeWith(double theta, double beta0, double nutationLongitudeArcsec, double jde,
                             const Fk5Rotation& rotation) {
    const double lambda1 = theta + Fk5LongitudeFrom(rotation, beta0);
    const double lambda2 = lambda1 + nutationLongitudeArcsec / 3600.0;
    const double beta1 = beta0 + Fk5LatitudeFrom(rotation);
    return lambda2 + AberrationLongitudeWithSun(lambda2, beta1, jde, theta);
}

double ApparentLongitudeFrom(double theta, double beta0, double nutationLongitudeArcsec,
                             double jde) {
    return ApparentLongitudeWith(theta, beta0, nutationLongitudeArcsec, jde, Fk5Rotate(theta, jde));
}

// The sine and cosine of the obliquity, which the equatorial coordinates and
// the equation of time read.
struct ObliquityTrig {
    double sinE;
    double cosE;
};

ObliquityTrig ObliquitySinCos(double epsilon) {
    const double e = DegToRad(epsilon);
    return {std::sin(e), std::cos(e)};
}

EquatorialCoords EclipticToEquatorialWith(double lambda, double beta, const ObliquityTrig& e) {
    const double l = DegToRad(lambda);
    const double b = DegToRad(beta);
    EquatorialCoords eq;
    eq.ra = RadToHours(std::atan2(std::sin(l) * e.cosE - std::tan(b) * e.sinE, std::cos(l)));
    if (eq.ra < 0.0) eq.ra += 24.0;
    eq.dec = RadToDeg(std::asin(std::sin(b) * e.cosE + std::cos(b) * e.sinE * std::sin(l)));
    return eq;
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

// cosTrueObliquity: the cosine of the true obliquity.
double EquationOfTimeMinutesWith(double jde, double alphaHours, double nutationLongitudeArcsec,
                                 double cosTrueObliquity) {
    const double m = MeanLongitudeForEquationOfTime(jde);
    const double e =
        m - 0.0057183 - 15.0 * alphaHours + (nutationLongitudeArcsec / 3600.0) * cosTrueObliquity;
    return NormalizeDegrees(e) * 4.0;
}

double EquationOfTimeMinutesFrom(double jde, double alphaHours, double nutationLongitudeArcsec,
                                 double trueObliquity) {
    return EquationOfTimeMinutesWith(jde, alphaHours, nutationLongitudeArcsec,
                                     std::cos(DegToRad(trueObliquity)));
}

}  // namespace

double SunGeometricLongitude(double jde) {
    return NormalizeDegrees(EarthHeliocentricLongitude(jde) + 180.0);
}

double Fk5LongitudeCorrection(double theta, double beta, double jde) {
    return Fk5LongitudeFrom(Fk5Rotate(theta, jde), beta);
}

double Fk5LatitudeCorrection(double theta, double jde) {
    return Fk5LatitudeFrom(Fk5Rotate(theta, jde));
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
    return EclipticToEquatorialWith(lambda, beta, ObliquitySinCos(epsilon));
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

SunSite SunSiteAt(double latitude, double longitude) {
    const double phi = DegToRad(latitude);
    return {latitude, longitude, ObserverParallaxOf(latitude, 0.0), std::sin(phi), std::cos(phi)};
}

SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, double latitude, double longitude,
                     double deltaT, bool deltaTGiven) {
    return SunPosition(year, month, day, hour, minute, second, zoneHours, zoneMinutes,
                       SunSiteAt(latitude, longitude), deltaT, deltaTGiven);
}

SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, const SunSite& site, double deltaT,
                     bool deltaTGiven) {
    return SunPosition(year, month, day, hour, minute, second, zoneHours, zoneMinutes, site,
                       deltaT, deltaTGiven, SunSeriesSource::kFull);
}

SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, const SunSite& site, double deltaT,
                     bool deltaTGiven, SunSeriesSource source) {
    const double longitude = site.longitude;
    SunState s;
    const double jd =
        ClockReadingToJulianDay(year, month, day, hour, minute, second, zoneHours, zoneMinutes);
    s.julianDay = jd;
    // One calendar conversion of jd for Delta T and the sidereal time at jd.
    const CalendarInstant calendar = CalendarOfJulianDay(jd);
    s.deltaT = deltaTGiven ? deltaT : DeltaTSeconds(jd, calendar);
    const double jde = jd + s.deltaT / 86400.0;

    // Each series once per distinct argument: L, B and both nutation series at
    // JDE, R, the 2000B nutation and the sidereal time at the UT Julian Day; the
    // Earth's series in one pass, the three nutations in another. The
    // arithmetic is that of the single-quantity functions above, step for step.
    // From the full series, or from their Chebyshev spans for a search.
    const SunSeriesValues series = source == SunSeriesSource::kFull
                                       ? SunSeriesFull(jde, jd)
                                       : SunSeriesInterpolated(jde, jd);
    const EarthSeriesSums& earth = series.earth;
    const SunNutations& nutations = series.nutations;
    const double theta = NormalizeDegrees(EarthLongitudeDegFromRad(earth.longitudeRad) + 180.0);
    const double beta0 = -RadToDeg(earth.latitudeRad);
    const Nutation1980& nutation = nutations.apparentPlace;
    const double meanObliquity = MeanObliquity(jde);
    const double trueObliquity = meanObliquity + nutation.obliquityArcsec / 3600.0;

    // The FK5 rotation of theta and the obliquity's sine and cosine, each once.
    const Fk5Rotation rotation = Fk5Rotate(theta, jde);
    const double lambda =
        ApparentLongitudeWith(theta, beta0, nutation.longitudeArcsec, jde, rotation);
    const double beta = beta0 + Fk5LatitudeFrom(rotation);
    s.eclipticLongitude = lambda;
    s.eclipticLatitude = beta;

    const ObliquityTrig obliquity = ObliquitySinCos(trueObliquity);
    const EquatorialCoords eq = EclipticToEquatorialWith(lambda, beta, obliquity);
    s.rightAscension = eq.ra;
    s.declination = eq.dec;

    const double distance = earth.radiusAu;
    const EquatorialCoords topo =
        TopocentricEquatorialWith(eq.ra, eq.dec, distance, longitude, site.parallax,
                                  GreenwichSiderealTime(jde, nutations.atJde));
    s.topoRightAscension = topo.ra;
    s.topoDeclination = topo.dec;

    s.siderealTime = GreenwichSiderealTime(jd, nutations.atJd, calendar);
    const double hourAngle = 15.0 * s.siderealTime - longitude - 15.0 * topo.ra;
    const HorizontalCoords hz =
        EquatorialToHorizontalWith(hourAngle, topo.dec, site.sinLatitude, site.cosLatitude);
    s.azimuth = hz.azimuthFromSouthDeg;
    s.altitude = hz.altitudeDeg;

    double eot =
        EquationOfTimeMinutesWith(jde, eq.ra, nutation.longitudeArcsec, obliquity.cosE) * 60.0;
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
