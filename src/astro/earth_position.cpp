// The Earth's heliocentric L, B and R: every term of the VSOP87D series, summed in
// stored order.

#include "astro/earth_position.h"

#include <cmath>
#include <cstddef>

#include "astro/calendar.h"

namespace tarvel {
namespace {

// Julian millennia of 365250 days from J2000.0 (JD 2451545.0).
double MillenniaFromJ2000(double jd) {
    return (jd - 2451545) / 365250;
}

// Sum over the terms, in stored order, of A cos(B + C tau).
double SumSeries(const Vsop87Series& series, double tau) {
    double sum = 0.0;
    for (std::size_t i = 0; i < series.count; ++i) {
        const Vsop87Term& term = series.terms[i];
        sum += term.A * std::cos(term.B + term.C * tau);
    }
    return sum;
}

// (S0 + S1 tau + S2 tau^2 + ... + Sn tau^n) / 1e8 over `count` series, the powers
// of tau formed by repeated multiplication (tau2 = tau * tau, tau3 = tau2 * tau,
// ...). In radians for L and B, in astronomical units for R.
double EvaluateSeries(const Vsop87Series* series, int count, double tau) {
    double sum = SumSeries(series[0], tau);
    double power = 1.0;  // 1.0 * tau is exactly tau
    for (int k = 1; k < count; ++k) {
        power = power * tau;
        sum = sum + SumSeries(series[k], tau) * power;
    }
    return sum / 1e8;
}

double LongitudeDeg(double tau) {
    return NormalizeDegrees(RadToDeg(EvaluateSeries(kEarthL, 6, tau)));
}

double LatitudeDeg(double tau) {
    return RadToDeg(EvaluateSeries(kEarthB, 5, tau));
}

}  // namespace

double EarthHeliocentricLongitude(double jde) {
    return LongitudeDeg(MillenniaFromJ2000(jde));
}

double EarthHeliocentricLatitude(double jde) {
    return LatitudeDeg(MillenniaFromJ2000(jde));
}

double EarthRadiusVector(double jd) {
    return EvaluateSeries(kEarthR, 6, MillenniaFromJ2000(jd));
}

EarthLongitudeLatitude EarthHeliocentricLB(double jde) {
    const double tau = MillenniaFromJ2000(jde);
    return {LongitudeDeg(tau), LatitudeDeg(tau)};
}

}  // namespace tarvel
