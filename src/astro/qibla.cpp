// The Qibla's direction and the clock time at which the Sun stands in it.
#include "astro/qibla.h"

#include <cmath>

#include "astro/constants.h"
#include "astro/solar_driver.h"

namespace tarvel {

namespace {

const double kDegToRad = kPi / 180.0;

// The scans of the Qibla window stop after two days of 0.1-hour steps even if
// the azimuth never changes sign (it always does within a day).
constexpr int kQiblaScanLimit = 480;

}  // namespace

double QiblaAzimuth(double latitude, double longitudeWest) {
    const double dLambda = (longitudeWest - kKaabaLongitudeWest) * kDegToRad;
    const double q = std::atan2(
        std::sin(dLambda), std::cos(latitude * kDegToRad) * std::tan(kKaabaLatitude * kDegToRad) -
                               std::sin(latitude * kDegToRad) * std::cos(dLambda));
    double qibla = -q * 180.0 / kPi - 180.0;
    if (qibla <= -180.0) qibla += 360.0;
    if (qibla > 180.0) qibla -= 360.0;
    return qibla;
}

bool Driver::PassesTarget(double t0, double d0, double t1, double d1, double target) {
    // A slow change of d: the shorter way round is the way it went.
    if (std::fabs(d1 - d0) <= 90.0) return true;
    // A fast swing (the Sun near the zenith) could have gone either way round:
    // narrow the step until d changes little across it; a passage through
    // +-180 keeps a jump of nearly 360 however narrow the step.
    for (int i = 0; i < 40 && std::fabs(d1 - d0) > 90.0 && t1 - t0 > 1e-9; ++i) {
        const double tm = (t0 + t1) / 2.0;
        SunAtClockTimeNoCarry(tm);
        const double dm = AzimuthDifference(sun_.azimuth, target);
        if ((d0 <= 0.0 && 0.0 <= dm) || (dm <= 0.0 && 0.0 <= d0)) {
            t1 = tm;
            d1 = dm;
        } else {
            t0 = tm;
            d0 = dm;
        }
    }
    return std::fabs(d1 - d0) <= 90.0;
}

double Driver::QiblaTime(double target, double riseBound, double setBound, bool sunRises) {
    if (!sunRises) return -1.0;

    // Start of the window: the first 0.1-hour step after the lower culmination,
    // moved to sunrise when that comes later.
    double a = -1.0;
    double t = 4.0;
    for (int i = 0; a < 0.0 && i < kQiblaScanLimit; ++i) {
        SunAtClockTimeNoCarry(t);
        a = sun_.azimuth;
        t = t - 0.1;
    }
    t = t + 0.2;
    SunAtClockTimeNoCarry(t);
    if (riseBound > t) {
        t = riseBound;
        SunAtClockTimeNoCarry(t);
    }
    double lo = t;
    double aPrev = sun_.azimuth;
    double fLo = AzimuthDifference(aPrev, target);

    // End of the window: the last step before the next lower culmination, moved
    // to sunset when that comes earlier.
    a = 1.0;
    double t2 = 20.0;
    for (int i = 0; a > 0.0 && i < kQiblaScanLimit; ++i) {
        SunAtClockTimeNoCarry(t2);
        a = sun_.azimuth;
        t2 = t2 + 0.1;
    }
    t2 = t2 - 0.2;
    SunAtClockTimeNoCarry(t2);
    if (t2 > setBound) {
        t2 = setBound;
        SunAtClockTimeNoCarry(t2);
    }
    double hi = t2;

    // Bracket: a 0.1-hour step in which the Sun's direction passes the target,
    // the two compared on the circle: the difference d = azimuth - target in
    // (-180, 180] passes through 0. Where d passes through +-180 instead, the
    // Sun passes the opposite direction, which is no crossing; where the
    // azimuth itself wraps through +-180 (the Sun due north, for a target near
    // north), d does not jump.
    bool bracketed = false;
    t = lo;
    for (;;) {
        const double t1 = t + 0.1;
        if (t1 > hi) break;
        SunAtClockTimeNoCarry(t1);
        const double a1 = sun_.azimuth;
        const double d0 = AzimuthDifference(aPrev, target);
        const double d1 = AzimuthDifference(a1, target);
        const bool passes = (d0 <= 0.0 && 0.0 <= d1) || (d1 <= 0.0 && 0.0 <= d0)
                                ? PassesTarget(t1 - 0.1, d0, t1, d1, target)
                                : false;
        if (passes) {
            lo = t1 - 0.1;
            hi = t1;
            fLo = d0;
            bracketed = true;
            break;
        }
        aPrev = a1;
        t = t1;
    }
    if (!bracketed) return -1.0;

    double delta = 999.0;
    int count = 0;
    double mid = lo;
    while (count < 150 && std::fabs(delta) > 1e-05) {
        mid = (lo + hi) / 2.0;
        SunAtClockTimeNoCarry(mid);
        delta = AzimuthDifference(sun_.azimuth, target);
        if (Sign(delta) == Sign(fLo)) {
            lo = mid;
            fLo = delta;
        } else {
            hi = mid;
        }
        ++count;
    }
    if (count == 150) {
        // Near the zenith the azimuth can move by more than 1e-05 degrees in
        // the smallest step of time a Julian Day resolves (about 40
        // microseconds); the bracket is then as narrow as it gets, and a mid
        // point within the tolerance of an answer is the answer.
        if (std::fabs(delta) > kAltitudeToleranceDeg) return -1.0;
    }
    double q = count == 150 ? mid : (lo + hi) / 2.0;
    // A mid point can meet the tolerance while the bracket is still wide, and
    // the middle of the bracket is then off the Qibla by more than the
    // tolerance of an answer: the answer is that mid point.
    if (q != mid) {
        const SunState last = sun_;
        SunAtClockTimeNoCarry(q);
        if (std::fabs(AzimuthDifference(sun_.azimuth, target)) > kAltitudeToleranceDeg) q = mid;
        sun_ = last;
    }
    while (q < 0.0) q += 24.0;
    while (q > 24.0) q -= 24.0;
    return q;
}

}  // namespace tarvel
