#include "astro/solar_computation.h"

#include <cmath>
#include <cstdint>

namespace tarvel {

double Wrap24(double hours) {
    double x = hours;
    if (x < 0.0) x += 24.0;
    if (x > 24.0) x -= 24.0;
    return x;
}

namespace {

const double kPi = 4.0 * std::atan(1.0);
const double kDegToRad = kPi / 180.0;
const double kRadToDeg = 180.0 / kPi;

// Transit: stop when |alpha - local sidereal time| is no more than this (hours).
constexpr double kTransitTolerance = 1.1574074074074074e-06;
// Apparent rise and set, prayers: stop when two estimates differ by no more (hours).
constexpr double kSearchTolerance = 2.777777777777778e-05;

constexpr double kKaabaLatitude = 21.423333;
constexpr double kKaabaLongitudeWest = -39.823333;

// The scans of the Qibla window stop after two days of 0.1-hour steps even if
// the azimuth never changes sign (it always does within a day).
constexpr int kQiblaScanLimit = 480;

bool SameSign(double a, double b) { return (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0); }

int Sign(double x) { return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0); }

// One call of the driver: the request, the values shared by its steps, and the
// Sun state left by the most recent evaluation.
class Driver {
public:
    explicit Driver(const SolarRequest& request) : rq_(request) {
        s_ = rq_.summerTime ? 1 : 0;
        zoneWhole_ = static_cast<std::int16_t>(std::trunc(rq_.zoneHours));
        zoneRest_ = static_cast<int>(std::trunc(rq_.zoneMinutes - 60 * std::trunc(rq_.zoneHours)));
        phi_ = rq_.latitude;
    }

    SolarResult Run();
    int evaluations() const { return evaluations_; }

private:
    // The Sun at a clock reading of the requested date (summer hour removed).
    void Evaluate(int hour, int minute, double second) {
        sun_ = SunPosition(rq_.year, rq_.month, rq_.day, hour - s_, minute, second, zoneWhole_,
                           zoneRest_, rq_.latitude, rq_.longitude, rq_.deltaT, rq_.deltaTGiven);
        ++evaluations_;
    }

    // Clock time t split without carrying 60.0 seconds (transit and Qibla searches).
    void SunAtClockTimeNoCarry(double t) {
        const int h = static_cast<int>(std::trunc(t));
        const int m = static_cast<int>(std::trunc((t - h) * 60.0));
        const double sec = ((t - h) - m / 60.0) * 3600.0;
        Evaluate(h, m, sec);
    }

    // Clock time t split with the carry of 60.0 seconds (the other searches).
    void SunAtClockTimeCarry(double t) {
        int h = static_cast<int>(std::trunc(t));
        int m = static_cast<int>(std::trunc((t - h) * 60.0));
        double sec = ((t - h) * 60.0 - m) * 60.0;
        if (sec == 60.0) {
            sec = 0.0;
            m += 1;
        }
        if (m == 60) {
            m = 0;
            h += 1;
        }
        if (h == 24) h = 0;
        Evaluate(h, m, sec);
    }

    // Local apparent solar time to clock time with the current equation of time.
    double ApparentToClock(double apparent) const {
        return Wrap24(apparent + s_ - sun_.equationOfTime / 3600.0 + d_);
    }

    // Hour angle in hours at which the Sun's centre stands at altitude h0 for
    // declination dec; not-a-number when it never does.
    double HourAngle(double h0, double dec) const {
        const double x = (std::sin(h0 * kDegToRad) - std::sin(dec * kDegToRad) * std::sin(phi_ * kDegToRad)) /
                         (std::cos(dec * kDegToRad) * std::cos(phi_ * kDegToRad));
        return std::acos(x) * kRadToDeg / 15.0;
    }
    // The same for the true horizon.
    double HourAngleGeometric(double dec) const {
        return std::acos(-std::tan(phi_ * kDegToRad) * std::tan(dec * kDegToRad)) * kRadToDeg / 15.0;
    }

    // Apparent time of Asr with shadow factor k for declination dec.
    double AsrApparentTime(double k, double dec) const;

    void Transit(SolarResult& r);
    // Geometric rise (rising) or set; returns false when there is none.
    bool GeometricEvent(bool rising, double& time, double& azimuth);
    bool ApparentEvent(bool rising, double h0, double& time, double& azimuth);
    template <typename ApparentTime>
    double Prayer(ApparentTime apparentTime);
    double QiblaTime(double target, double riseBound, double setBound, bool sunRises);

    const SolarRequest& rq_;
    int s_ = 0;
    std::int16_t zoneWhole_ = 0;
    int zoneRest_ = 0;
    double phi_ = 0;
    double lh_ = 0;  // longitude difference in hours
    double d_ = 0;   // longitude difference as a time correction, hours
    SunState sun_;
    int evaluations_ = 0;
};

void Driver::Transit(SolarResult& r) {
    double t = 12.0 + s_;
    double delta = 99.0;
    int count = 0;
    while (count < 50 && std::fabs(delta) > kTransitTolerance) {
        t = Wrap24(t);
        SunAtClockTimeNoCarry(t);
        double theta = rq_.zoneHours + sun_.siderealTime - lh_;
        if (theta > 24.0) theta -= 24.0;
        if (theta < 0.0) theta += 24.0;
        delta = sun_.rightAscension - theta;
        if (delta < -12.0) delta += 24.0;
        if (delta > 12.0) delta -= 24.0;
        t = t + 0.5 * delta;
        ++count;
    }
    r.transit = Wrap24(t);
    r.transitAltitude = sun_.altitude;
    r.transitRefraction =
        ComputeRefraction(r.transitAltitude, rq_.refractionModel, rq_.latitude,
                          rq_.refractionHeight, rq_.humidity, rq_.pressure, rq_.temperature) /
        60.0;
}

bool Driver::GeometricEvent(bool rising, double& time, double& azimuth) {
    double apparent = 0.0;
    for (int i = 0; i < 5; ++i) {
        const double h = HourAngleGeometric(sun_.declination);
        apparent = rising ? 12.0 - h : 12.0 + h;
        if (std::isnan(apparent)) break;
        SunAtClockTimeCarry(ApparentToClock(apparent));
    }
    bool found = false;
    if (std::isnan(apparent)) {
        time = 0.0;
    } else {
        const double h = HourAngleGeometric(sun_.declination);
        time = ApparentToClock(rising ? 12.0 - h : 12.0 + h);
        found = true;
    }
    azimuth = sun_.azimuth;
    return found;
}

bool Driver::ApparentEvent(bool rising, double h0, double& time, double& azimuth) {
    double prev = 0.0;
    double delta = 99.0;
    int count = 0;
    double apparent = 0.0;
    while (count < 5 && delta > kSearchTolerance) {
        const double h = HourAngle(h0, sun_.declination);
        apparent = rising ? 12.0 - h : 12.0 + h;
        if (std::isnan(apparent)) break;
        const double t = ApparentToClock(apparent);
        SunAtClockTimeCarry(t);
        delta = std::fabs(t - prev);
        prev = t;
        ++count;
    }
    bool found = false;
    if (std::isnan(apparent)) {
        time = 0.0;
    } else {
        const double h = HourAngle(h0, sun_.declination);
        time = Wrap24(ApparentToClock(rising ? 12.0 - h : 12.0 + h));
        found = true;
    }
    azimuth = sun_.azimuth;
    return found;
}

double Driver::AsrApparentTime(double k, double dec) const {
    const double zenithAtNoon = std::fabs(phi_ - dec);  // noon zenith distance, degrees
    if (zenithAtNoon >= 90.0) return std::nan("");      // the Sun does not rise
    const double g = Sign(phi_);
    double hA;
    if (phi_ != 0.0 && SameSign(phi_ - dec, phi_)) {
        // Culmination on the equator's side of the zenith: the noon altitude is
        // 90 - |phi| + g dec, and cot hA = k + cot X.
        const double x = 90.0 - std::fabs(phi_) + g * dec;
        const double a = std::tan(x * kDegToRad);
        hA = std::atan(a / (k * a + 1.0)) * kRadToDeg;
        const double cosH = (std::sin(hA * kDegToRad) -
                             std::sin(std::fabs(phi_) * kDegToRad) * std::sin(g * dec * kDegToRad)) /
                            (std::cos(std::fabs(phi_) * kDegToRad) * std::cos(g * dec * kDegToRad));
        return 12.0 + std::acos(cosH) * kRadToDeg / 15.0;
    }
    // Anywhere else (pole's side of the zenith, the zenith itself, the equator)
    // the noon shadow is tan|phi - dec| times the object: cot hA = k + tan|phi - dec|.
    hA = std::atan(1.0 / (k + std::tan(zenithAtNoon * kDegToRad))) * kRadToDeg;
    return 12.0 + HourAngle(hA, dec);
}

template <typename ApparentTime>
double Driver::Prayer(ApparentTime apparentTime) {
    double prev = 99.0;
    double delta = 99.0;
    int count = 0;
    double apparent = 0.0;
    while (count < 5 && delta > kSearchTolerance) {
        apparent = apparentTime(sun_.declination);
        if (std::isnan(apparent)) break;
        const double t = ApparentToClock(apparent);
        SunAtClockTimeCarry(t);
        delta = std::fabs(t - prev);
        prev = t;
        ++count;
    }
    if (std::isnan(apparent)) return 0.0;
    return ApparentToClock(apparentTime(sun_.declination));
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
    double fLo = aPrev - target;

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

    // Bracket: a 0.1-hour step in which the azimuth passes the target without
    // jumping through +-180 (near the zenith or a pole's-side culmination).
    bool bracketed = false;
    t = lo;
    for (;;) {
        const double t1 = t + 0.1;
        if (t1 > hi) break;
        SunAtClockTimeNoCarry(t1);
        const double a1 = sun_.azimuth;
        const bool passes = (aPrev <= target && target <= a1) || (a1 <= target && target <= aPrev);
        if (passes && std::fabs(a1 - aPrev) <= 180.0) {
            lo = t1 - 0.1;
            hi = t1;
            fLo = aPrev - target;
            bracketed = true;
            break;
        }
        aPrev = a1;
        t = t1;
    }
    if (!bracketed) return -1.0;

    double delta = 999.0;
    int count = 0;
    while (count < 150 && std::fabs(delta) > 1e-05) {
        const double mid = (lo + hi) / 2.0;
        SunAtClockTimeNoCarry(mid);
        delta = sun_.azimuth - target;
        if (Sign(delta) == Sign(fLo)) {
            lo = mid;
            fLo = delta;
        } else {
            hi = mid;
        }
        ++count;
    }
    if (count == 150) return -1.0;
    double q = (lo + hi) / 2.0;
    while (q < 0.0) q += 24.0;
    while (q > 24.0) q -= 24.0;
    return q;
}

SolarResult Driver::Run() {
    SolarResult r;

    // 1. Clock reading, with and without the summer hour.
    const double c = rq_.hour + rq_.minute / 60.0 + rq_.second / 3600.0;
    double c0 = c - s_;
    if (c0 < 0.0) c0 += 24.0;

    // 2. Longitude difference from the zone meridian; mean local time.
    const double l = rq_.zoneMinutes * 15 / 60 + rq_.longitude;
    lh_ = l / 15.0;
    r.meanLocalTime = c0 - lh_;

    // 3. The Sun at the requested instant.
    Evaluate(rq_.hour, rq_.minute, rq_.second);
    const SunState first = sun_;
    r.gmst = first.siderealTime;
    r.julianDay = first.julianDay;
    const double deltaT0 = first.deltaT;
    const double e0 = first.equationOfTime;
    const double dec0 = first.declination;

    // 4. Local sidereal time, not reduced.
    r.lmst = rq_.zoneHours + r.gmst - lh_;

    // 5. Refraction at the instant.
    r.altitude = first.altitude;
    const double refr = ComputeRefraction(r.altitude, rq_.refractionModel, rq_.latitude,
                                          rq_.refractionHeight, rq_.humidity, rq_.pressure,
                                          rq_.temperature);
    r.refraction = refr * 1 / 60;
    r.refractedAltitude = r.altitude + refr / 60.0 >= 0.0 ? r.altitude + refr / 60.0 : r.altitude;

    // 6. Equation of time corrected for Delta T.
    r.equationOfTime = e0 - deltaT0 * 0.00273790935;

    // 7.-8. Longitude difference as a time; true local and zone times.
    d_ = l * 240 / 3600;
    r.longitudeDifference = l;
    const double trueLocal = r.lmst + 12.0 - first.rightAscension;
    r.trueZoneTime = Wrap24(trueLocal + d_);
    r.trueLocalTime = Wrap24(trueLocal);

    // 9. Coordinates of the instant.
    r.eclipticLongitude = first.eclipticLongitude;
    r.eclipticLatitude = first.eclipticLatitude;
    r.rightAscension = first.rightAscension;
    r.topoRightAscension = first.topoRightAscension;
    r.azimuth = first.azimuth;
    r.declination = first.declination;
    r.topoDeclination = first.topoDeclination;

    // 10. Italian and Babylonian hours from the instant's half-day arc.
    const double h0Arc = HourAngleGeometric(dec0);
    if (std::isnan(h0Arc)) {
        r.italianHours = 0.0;
        r.babylonianHours = 0.0;
    } else {
        r.italianHours = Wrap24(r.trueLocalTime - (12.0 + h0Arc));
        r.babylonianHours = Wrap24(r.trueLocalTime - (12.0 - h0Arc));
    }

    // 11. Transit.
    Transit(r);

    // 12. Geometric rise and set, hours to sunset, geometric daylight.
    GeometricEvent(true, r.geometricRise, r.geometricRiseAzimuth);
    const bool setFound = GeometricEvent(false, r.geometricSet, r.geometricSetAzimuth);
    r.hoursToSunset = setFound ? Wrap24(24.0 - r.italianHours) : 0.0;
    if (setFound) {
        r.geometricDaylight = r.geometricSet - r.geometricRise;
    } else {
        r.geometricDaylight = SameSign(sun_.declination, phi_) ? 24.0 : 0.0;
    }
    // Without a geometric sunset the Sun either never sets or never rises.
    const bool sunRises = setFound || r.geometricDaylight == 24.0;

    // 13. Apparent set, then apparent rise, on a horizon lowered by 50' and by
    // the dip for the observer's height (a site below sea level has no dip).
    const double dipHeight = rq_.height > 0.0 ? rq_.height : 0.0;
    const double h0 = (-50.0 - 2.12 * std::sqrt(dipHeight)) / 60.0;
    ApparentEvent(false, h0, r.apparentSet, r.apparentSetAzimuth);
    const bool riseFound = ApparentEvent(true, h0, r.apparentRise, r.apparentRiseAzimuth);
    if (riseFound) {
        r.apparentDaylight = r.apparentSet - r.apparentRise;
    } else {
        r.apparentDaylight = SameSign(sun_.declination, phi_) ? 24.0 : 0.0;
    }

    // 14. Temporal hours; the sunrise or sunset it forms bounds the Qibla window.
    double riseBound = r.geometricRise;
    double setBound = r.geometricSet;
    {
        const double rg = r.geometricRise;
        const double sg = r.geometricSet;
        bool day;
        if (sg >= rg) {
            day = rg <= c && c <= sg;
        } else {
            day = !(sg <= c && c <= rg);
        }
        double x;
        double len;
        if (day) {
            const double rise = Wrap24(12.0 - h0Arc + s_ - e0 / 3600.0 + d_);
            len = 2.0 * h0Arc / 12.0;
            x = (c - rise) / len;
            riseBound = rise;
        } else {
            const double set = Wrap24(12.0 + h0Arc + s_ - e0 / 3600.0 + d_);
            len = (24.0 - 2.0 * h0Arc) / 12.0;
            x = (c - set) / len;
            setBound = set;
        }
        while (x < 0.0) x += 24.0 / len;
        while (x > 12.0) x -= 24.0 / len;
        r.temporalHours = x;
    }

    // 15. Prayers, each search starting from the Sun the previous one left.
    r.fajr = Prayer([this](double dec) { return 12.0 - HourAngle(rq_.fajrAngle, dec); });
    r.asr1 = Prayer([this](double dec) { return AsrApparentTime(1.0, dec); });
    r.asr2 = Prayer([this](double dec) { return AsrApparentTime(2.0, dec); });
    r.isha = Prayer([this](double dec) { return 12.0 + HourAngle(rq_.ishaAngle, dec); });

    // 16. Qibla direction (from the south, positive towards the east) and the
    // clock time at which the Sun stands in it.
    const double dLambda = (rq_.longitude - kKaabaLongitudeWest) * kDegToRad;
    const double q = std::atan2(std::sin(dLambda),
                                std::cos(phi_ * kDegToRad) * std::tan(kKaabaLatitude * kDegToRad) -
                                    std::sin(phi_ * kDegToRad) * std::cos(dLambda));
    double qibla = -q * 180.0 / kPi - 180.0;
    if (qibla <= -180.0) qibla += 360.0;
    if (qibla > 180.0) qibla -= 360.0;
    r.qiblaAzimuth = qibla;
    r.qiblaTime = QiblaTime(-qibla, riseBound, setBound, sunRises);

    r.deltaT = rq_.deltaTGiven ? rq_.deltaT : sun_.deltaT;
    return r;
}

}  // namespace

SolarResult CalcSolarParameters(const SolarRequest& request) {
    Driver driver(request);
    return driver.Run();
}

SolarResult CalcSolarParameters(const SolarRequest& request, int& sunEvaluations) {
    Driver driver(request);
    SolarResult r = driver.Run();
    sunEvaluations = driver.evaluations();
    return r;
}

}  // namespace tarvel
