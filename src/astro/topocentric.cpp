#include "astro/topocentric.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"

namespace tarvel {

const double SinSunParallax = std::sin(DegToRad(DmsToDegrees(0, 0, 8.794, 1)));

namespace {
constexpr double kAxisRatio = 0.99664719;        // b/a of the Earth ellipsoid
constexpr double kEquatorialRadiusM = 6378149.0;  // divides the observer's height
}  // namespace

double ObserverRhoCosPhi(double latitude, double heightM) {
    const double phi = DegToRad(latitude);
    const double u = std::atan(kAxisRatio * std::tan(phi));
    return std::cos(u) + (heightM / kEquatorialRadiusM) * std::cos(phi);
}

double ObserverRhoSinPhi(double latitude, double heightM) {
    const double phi = DegToRad(latitude);
    const double u = std::atan(kAxisRatio * std::tan(phi));
    return kAxisRatio * std::sin(u) + (heightM / kEquatorialRadiusM) * std::sin(phi);
}

ObserverParallax ObserverParallaxOf(double latitude, double heightM) {
    return {ObserverRhoSinPhi(latitude, heightM), ObserverRhoCosPhi(latitude, heightM)};
}

EquatorialCoords TopocentricEquatorialAt(double ra, double dec, double distance, double longitude,
                                         double latitude, double heightM,
                                         double greenwichSiderealHours) {
    return TopocentricEquatorialWith(ra, dec, distance, longitude,
                                     ObserverParallaxOf(latitude, heightM), greenwichSiderealHours);
}

EquatorialCoords TopocentricEquatorialWith(double ra, double dec, double distance, double longitude,
                                           const ObserverParallax& site,
                                           double greenwichSiderealHours) {
    const double rhoSin = site.rhoSinPhi;
    const double rhoCos = site.rhoCosPhi;
    const double sinPi = std::sin(std::asin(SinSunParallax / distance));
    const double h = HoursToRad(greenwichSiderealHours - longitude / 15.0 - ra);
    const double decRad = DegToRad(dec);
    const double x = std::cos(decRad) - rhoCos * sinPi * std::cos(h);
    const double y = -rhoCos * sinPi * std::sin(h);
    const double dAlpha = std::atan2(y, x);
    EquatorialCoords topo;
    topo.ra = NormalizeHours(RadToHours(dAlpha) + ra);
    topo.dec = RadToDeg(std::atan2((std::sin(decRad) - rhoSin * sinPi) * std::cos(dAlpha), x));
    return topo;
}

EquatorialCoords TopocentricEquatorial(double ra, double dec, double distance, double longitude,
                                       double latitude, double heightM, double jd) {
    return TopocentricEquatorialAt(ra, dec, distance, longitude, latitude, heightM,
                                   GreenwichSiderealTime(jd));
}

HorizontalCoords EquatorialToHorizontal(double hourAngle, double dec, double latitude) {
    const double phi = DegToRad(latitude);
    return EquatorialToHorizontalWith(hourAngle, dec, std::sin(phi), std::cos(phi));
}

HorizontalCoords EquatorialToHorizontalWith(double hourAngle, double dec, double sinLatitude,
                                            double cosLatitude) {
    const double h = DegToRad(hourAngle);
    const double d = DegToRad(dec);
    HorizontalCoords out;
    out.azimuthFromSouthDeg =
        RadToDeg(std::atan2(std::sin(h), std::cos(h) * sinLatitude - cosLatitude * std::tan(d)));
    out.altitudeDeg =
        RadToDeg(std::asin(std::cos(d) * cosLatitude * std::cos(h) + std::sin(d) * sinLatitude));
    return out;
}

}  // namespace tarvel
