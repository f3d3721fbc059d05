#include "astro/solar_computation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "astro/constants.h"

namespace tarvel {

double Wrap24(double hours) {
    double x = hours;
    if (x < 0.0) x += 24.0;
    if (x > 24.0) x -= 24.0;
    if (x < 0.0 || x > 24.0) {
        x = std::fmod(x, 24.0);
        if (x < 0.0) x += 24.0;
    }
    return x;
}

namespace {

const double kDegToRad = kPi / 180.0;
const double kRadToDeg = 180.0 / kPi;

// Transit: stop when |alpha - local sidereal time| is no more than this (hours).
constexpr double kTransitTolerance = 1.1574074074074074e-06;
// Apparent rise and set, prayers: stop when two estimates differ by no more (hours).
constexpr double kSearchTolerance = 2.777777777777778e-05;

// The Kaaba, Mecca: 21.4225 N, 39.8262 E.
constexpr double kKaabaLatitude = 21.4225;
constexpr double kKaabaLongitudeWest = -39.8262;

// A reported event is a real crossing: the Sun evaluated at the reported
// clock time meets the event's condition within these.
constexpr double kAltitudeToleranceDeg = 0.001;  // also for the Qibla's azimuth
constexpr double kHourAngleToleranceHours = 0.001 / 15.0;
// Two evaluations closer than this (hours) count as the same instant when a
// result is checked (the Sun moves less than 2e-5 degrees meanwhile).
constexpr double kSameInstantHours = 1e-6;

// The scans of the Qibla window stop after two days of 0.1-hour steps even if
// the azimuth never changes sign (it always does within a day).
constexpr int kQiblaScanLimit = 480;

bool SameSign(double a, double b) {
    return (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0);
}

int Sign(double x) {
    return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0);
}

// Difference of two azimuths on the circle, reduced into (-180, 180].
double AzimuthDifference(double azimuth, double target) {
    double d = azimuth - target;
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}

// Hours reduced into (-12, 12].
double WrapHalfDay(double hours) {
    double x = std::fmod(hours, 24.0);
    if (x <= -12.0) x += 24.0;
    if (x > 12.0) x -= 24.0;
    return x;
}

// How an event's condition changes sign at its crossing.
enum class Crossing { kRising, kSetting };

// The Sun's evaluations at fixed clock times of the date that bound the
// stretches over which the Sun only rises or only sets: midnight at both ends
// of the date and the culminations between. Shared by every search that must
// look for its crossing over the whole date.
struct DaySamples {
    static constexpr int kMax = 5;
    double time[kMax] = {};
    SunState sun[kMax];
    int count = 0;
};

// The Sun states of one call by the clock reading they were evaluated at: a
// search that comes back to a reading already evaluated (the scans of the
// Qibla window over a grid of 0.1 h, a check at the estimate a search ended
// on) takes the state it had, which is what evaluating again gives (an
// evaluation is a function of the reading alone within one call). Open
// addressing over a fixed table; once it is full, readings are evaluated
// without being kept.
class SunMemo {
  public:
    // Copies the state kept for the reading to state; false when there is none.
    bool Find(int hour, int minute, double second, SunState& state) const {
        const Key key = MakeKey(hour, minute, second);
        for (std::size_t i = Slot(key);; i = (i + 1) & (kSlots - 1)) {
            if (!used_[i]) return false;
            if (keys_[i] == key) {
                std::memcpy(&state, states_[i].bytes, sizeof state);
                return true;
            }
        }
    }

    void Keep(int hour, int minute, double second, const SunState& state) {
        if (count_ >= kMaxKept) return;
        const Key key = MakeKey(hour, minute, second);
        std::size_t i = Slot(key);
        while (used_[i]) {
            if (keys_[i] == key) return;
            i = (i + 1) & (kSlots - 1);
        }
        used_[i] = true;
        keys_[i] = key;
        std::memcpy(states_[i].bytes, &state, sizeof state);
        ++count_;
    }

  private:
    static constexpr std::size_t kSlots = 512;               // a power of two
    static constexpr std::size_t kMaxKept = kSlots * 3 / 4;  // keeps probes short

    struct Key {
        std::int64_t hourMinute;
        std::uint64_t secondBits;  // the second's bits: -0.0 and 0.0 are two readings
        friend bool operator==(const Key&, const Key&) = default;
    };

    static Key MakeKey(int hour, int minute, double second) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &second, sizeof bits);
        return {static_cast<std::int64_t>(hour) * 4096 + minute, bits};
    }

    static std::size_t Slot(const Key& key) {
        std::uint64_t h = key.secondBits ^ (static_cast<std::uint64_t>(key.hourMinute) << 32);
        h ^= h >> 29;
        h *= 0xbf58476d1ce4e5b9ULL;
        h ^= h >> 32;
        return static_cast<std::size_t>(h) & (kSlots - 1);
    }

    // A state's bytes (SunState is trivially copyable), left uninitialised
    // until kept: a call keeps a few hundred states at most.
    struct StateBytes {
        alignas(SunState) unsigned char bytes[sizeof(SunState)];
    };
    static_assert(std::is_trivially_copyable_v<SunState>);

    bool used_[kSlots] = {};
    std::size_t count_ = 0;
    Key keys_[kSlots];
    StateBytes states_[kSlots];
};

// One call of the driver: the request, the values shared by its steps, and the
// Sun state left by the most recent evaluation.
class Driver {
  public:
    explicit Driver(const SolarRequest& request) : request_(request) {
        // The summer shift: whole hours off the clock's hour, the rest (half an
        // hour at some places) off its seconds; 1 and 0 for the summer box.
        const int shift = request_.summerTime ? request_.summerShiftSeconds : 0;
        summerHour_ = shift / 3600;
        summerRestSeconds_ = static_cast<double>(shift - 3600 * summerHour_);
        summerHours_ = shift / 3600.0;
        zoneWhole_ = static_cast<std::int16_t>(std::trunc(request_.zoneHours));
        zoneRest_ = static_cast<int>(
            std::trunc(request_.zoneMinutes - 60 * std::trunc(request_.zoneHours)));
        latitude_ = request_.latitude;
        site_ = SunSiteAt(request_.latitude, request_.longitude);
    }

    SolarResult Run();
    // See FindAltitudeCrossings.
    void FindCrossings(AltitudeCrossing* crossings, int count);
    // See FindAltitudeCrossingsOfDay.
    void FindCrossingsOfDay(double transit, AltitudeCrossing* crossings, int count);
    int evaluations() const { return evaluations_; }

  private:
    // The Sun at a clock reading of the requested date (summer hour removed),
    // evaluated once per reading.
    void Evaluate(int hour, int minute, double second) {
        if (memo_.Find(hour, minute, second, sun_)) return;
        sun_ = SunPosition(request_.year, request_.month, request_.day, hour - summerHour_, minute,
                           second - request_.zoneSeconds - summerRestSeconds_, zoneWhole_, zoneRest_, site_, request_.deltaT,
                           request_.deltaTGiven);
        memo_.Keep(hour, minute, second, sun_);
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
        return Wrap24(apparent + summerHours_ - sun_.equationOfTime / 3600.0 + zoneMeridianHours_);
    }

    // Hour angle in hours at which the Sun's centre stands at altitude h0 for
    // declination dec; not-a-number when it never does.
    double HourAngle(double h0, double dec) const {
        const double x = (std::sin(h0 * kDegToRad) -
                          std::sin(dec * kDegToRad) * std::sin(latitude_ * kDegToRad)) /
                         (std::cos(dec * kDegToRad) * std::cos(latitude_ * kDegToRad));
        return std::acos(x) * kRadToDeg / 15.0;
    }
    // The same for the true horizon.
    double HourAngleGeometric(double dec) const {
        return std::acos(-std::tan(latitude_ * kDegToRad) * std::tan(dec * kDegToRad)) * kRadToDeg /
               15.0;
    }

    // Apparent time of Asr with shadow factor k for declination dec.
    double AsrApparentTime(double k, double dec) const;
    // Altitude of the Sun's centre at Asr with shadow factor k: the shadow
    // equals k times the object plus the noon shadow, cot hA = k + tan|phi - dec|;
    // not-a-number when the Sun does not rise (|phi - dec| >= 90).
    double AsrAltitude(double k, double dec) const;

    // UT Julian Day of clock time t (hours in [0, 24]) of the requested date.
    double ClockJulianDay(double t) const;
    // Geocentric altitude of the Sun's centre, degrees, at clock time t as the
    // searches reckon it: the declination of the state and the hour angle of the
    // local apparent time that the clock shows (apparent time - 12 h).
    double SearchAltitude(const SunState& sun, double t) const;
    // Local hour angle of the Sun, hours in (-12, 12], at clock time t as the
    // transit search reckons it (local sidereal time - right ascension), carried
    // from the state's instant to t at the sidereal rate.
    double TransitHourAngle(const SunState& sun, double t) const;

    // Whether the Sun at clock time t meets a condition (a function of a state
    // and its clock time that is zero at the event) within tolerance. Evaluates
    // the Sun at t unless the current state is already at that instant.
    template <typename Condition>
    bool Meets(Condition condition, double t, double tolerance);
    // Evaluates the Sun at midnight, at the culminations and at the next
    // midnight of the requested date, once per call.
    void EnsureDaySamples();
    // A crossing of the condition through zero in the given direction on the
    // requested date, refined to the instant; the current state is left at it.
    // With two crossings, the one nearest the anchor (without an anchor: the
    // first rising or the last setting one). A circular condition (an hour
    // angle in (-12, 12]) jumping through +-12 does not cross.
    template <typename Condition>
    bool CrossingOnDate(Condition condition, Crossing direction, bool circular, double anchor,
                        double& time);
    // The zero of the condition between clock times lo and hi, where it has the
    // values f0 and f1 of opposite signs, by regula falsi; the current state is
    // left at it. Not-a-number when the condition is not a number on the way.
    template <typename Condition>
    double Refine(Condition condition, double lo, double hi, double f0, double f1);
    // Turns a search's answer into a real crossing on the date. An answer that
    // meets the condition stands and the chained state is kept as the search
    // left it. Otherwise (no answer, or one where nothing happens, as when an
    // event drifts across midnight on the clock) the crossing on the date is
    // looked for; without one the event does not occur (time 0, the chained
    // state kept). Returns whether the event occurs.
    template <typename Condition>
    bool Settle(Condition condition, Crossing direction, bool circular, double tolerance,
                bool found, double anchor, double& time);

    // Length of daylight between a rise and a set of the date, hours in [0, 24]
    // (a set before the rise on the clock is the next day's). Without both: for
    // one of them alone, twice the half-day arc to altitude h0 of the current
    // declination; for neither, 24 when the declination and the latitude have
    // the same sign (the Sun does not set), otherwise 0.
    double Daylight(bool riseFound, bool setFound, double rise, double set, double h0) const {
        if (riseFound && setFound) {
            const double length = set - rise;
            return length < 0.0 ? length + 24.0 : length;
        }
        if (riseFound || setFound) {
            const double arc = 2.0 * HourAngle(h0, sun_.declination);
            if (!std::isnan(arc)) return arc;
        }
        return SameSign(sun_.declination, latitude_) ? 24.0 : 0.0;
    }

    void Transit(SolarResult& r);
    // Geometric rise (rising) or set; returns false when there is none.
    bool GeometricEvent(bool rising, double& time, double& azimuth);
    bool ApparentEvent(bool rising, double h0, double& time, double& azimuth);
    // The apparent rise and set and the prayers: at most 5 evaluations,
    // stopping when two successive clock-time estimates (the first compared
    // with `previous`) differ by no more than 0.1 s; then settled on the date.
    template <typename ApparentTime, typename Condition>
    bool Iterate(ApparentTime apparentTime, Condition condition, Crossing direction,
                 double previous, double& time);
    double QiblaTime(double target, double riseBound, double setBound, bool sunRises);
    // Whether the difference d = azimuth - target, of opposite signs d0 and d1
    // at clock times t0 and t1, passes through 0 between them rather than
    // through +-180 (the Sun in the opposite direction).
    bool PassesTarget(double t0, double d0, double t1, double d1, double target);

    const SolarRequest& request_;
    int summerHour_ = 0;            // whole hours of the summer shift in force, else 0
    double summerRestSeconds_ = 0;  // the shift's seconds beyond its whole hours
    double summerHours_ = 0;        // the whole shift in hours
    std::int16_t zoneWhole_ = 0;
    int zoneRest_ = 0;
    double latitude_ = 0;                  // degrees, north positive
    SunSite site_;                         // the request's site, for every evaluation
    double longitudeDifferenceHours_ = 0;  // longitude difference / 15, hours
    // The longitude difference as a clock correction (x 240 s / 3600), hours:
    // local apparent time + this = zone apparent time.
    double zoneMeridianHours_ = 0;
    SunState sun_;
    SunMemo memo_;
    int evaluations_ = 0;                // evaluations made, readings found in memo_ not counted
    double transitHint_ = std::nan("");  // clock time of the transit once found
    DaySamples samples_;
};

double Driver::ClockJulianDay(double t) const {
    const int h = static_cast<int>(std::trunc(t));
    const int m = static_cast<int>(std::trunc((t - h) * 60.0));
    const double sec = ((t - h) - m / 60.0) * 3600.0;
    return ClockReadingToJulianDay(request_.year, request_.month, request_.day, h - summerHour_, m,
                                   sec - request_.zoneSeconds - summerRestSeconds_, zoneWhole_, zoneRest_);
}

double Driver::SearchAltitude(const SunState& sun, double t) const {
    const double apparent = t - summerHours_ + sun.equationOfTime / 3600.0 - zoneMeridianHours_;
    const double hourAngle = (apparent - 12.0) * 15.0 * kDegToRad;
    const double phi = latitude_ * kDegToRad;
    const double dec = sun.declination * kDegToRad;
    const double sinAltitude =
        std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(hourAngle);
    return std::asin(std::clamp(sinAltitude, -1.0, 1.0)) * kRadToDeg;
}

double Driver::TransitHourAngle(const SunState& sun, double t) const {
    double theta = request_.zoneHours + request_.zoneSeconds / 3600.0 + sun.siderealTime - longitudeDifferenceHours_;
    if (theta > 24.0) theta -= 24.0;
    if (theta < 0.0) theta += 24.0;
    const double elapsedHours = (ClockJulianDay(t) - sun.julianDay) * 24.0;
    return WrapHalfDay(theta - sun.rightAscension + elapsedHours * kSiderealRate);
}

double Driver::AsrAltitude(double k, double dec) const {
    const double zenithAtNoon = std::fabs(latitude_ - dec);
    if (zenithAtNoon >= 90.0) return std::nan("");
    return std::atan(1.0 / (k + std::tan(zenithAtNoon * kDegToRad))) * kRadToDeg;
}

template <typename Condition>
bool Driver::Meets(Condition condition, double t, double tolerance) {
    if (std::fabs(ClockJulianDay(t) - sun_.julianDay) * 24.0 > kSameInstantHours) {
        SunAtClockTimeNoCarry(t);
    }
    return std::fabs(condition(sun_, t)) <= tolerance;
}

void Driver::EnsureDaySamples() {
    if (samples_.count > 0) return;
    const SunState chained = sun_;
    // The upper culmination: the transit when found, else the clock time of
    // local apparent noon; the lower ones lie half a day before and after.
    const double upper =
        std::isnan(transitHint_)
            ? Wrap24(12.0 + summerHours_ - sun_.equationOfTime / 3600.0 + zoneMeridianHours_)
            : transitHint_;
    const double candidates[] = {0.0, upper - 12.0, upper, upper + 12.0, 24.0};
    for (const double t : candidates) {
        if (t < 0.0 || t > 24.0) continue;
        if (samples_.count > 0 && t - samples_.time[samples_.count - 1] < 1e-4) continue;
        if (t < 24.0 && 24.0 - t < 1e-4) continue;
        SunAtClockTimeNoCarry(t);
        samples_.time[samples_.count] = t;
        samples_.sun[samples_.count] = sun_;
        ++samples_.count;
    }
    sun_ = chained;
}

template <typename Condition>
bool Driver::CrossingOnDate(Condition condition, Crossing direction, bool circular, double anchor,
                            double& time) {
    EnsureDaySamples();
    int chosen = -1;
    double best = 0.0;
    double f0 = 0.0;
    double f1 = 0.0;
    for (int i = 0; i + 1 < samples_.count; ++i) {
        const double a = condition(samples_.sun[i], samples_.time[i]);
        const double b = condition(samples_.sun[i + 1], samples_.time[i + 1]);
        if (!std::isfinite(a) || !std::isfinite(b)) continue;
        const bool crosses =
            direction == Crossing::kRising ? (a < 0.0 && b >= 0.0) : (a > 0.0 && b <= 0.0);
        if (!crosses || (circular && std::fabs(b - a) >= 12.0)) continue;
        double distance;
        if (std::isnan(anchor)) {
            distance = direction == Crossing::kRising ? i : -i;
        } else if (anchor < samples_.time[i]) {
            distance = samples_.time[i] - anchor;
        } else if (anchor > samples_.time[i + 1]) {
            distance = anchor - samples_.time[i + 1];
        } else {
            distance = 0.0;
        }
        if (chosen < 0 || distance < best) {
            chosen = i;
            best = distance;
            f0 = a;
            f1 = b;
        }
    }
    if (chosen < 0) return false;
    const double t = Refine(condition, samples_.time[chosen], samples_.time[chosen + 1], f0, f1);
    if (std::isnan(t)) return false;
    time = t;
    return true;
}

template <typename Condition>
double Driver::Refine(Condition condition, double lo, double hi, double f0, double f1) {
    // Regula falsi with the Illinois modification: the end that stays put has
    // its value halved, so both ends close in.
    double t = hi;
    bool evaluated = false;
    int side = 0;
    for (int i = 0; i < 100 && hi - lo > 1e-9; ++i) {
        t = (lo * f1 - hi * f0) / (f1 - f0);
        if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
        SunAtClockTimeNoCarry(t);
        evaluated = true;
        const double f = condition(sun_, t);
        if (!std::isfinite(f)) return std::nan("");
        if (std::fabs(f) <= 1e-10) break;
        if ((f < 0.0) == (f0 < 0.0)) {
            lo = t;
            f0 = f;
            if (side == 1) f1 *= 0.5;
            side = 1;
        } else {
            hi = t;
            f1 = f;
            if (side == -1) f0 *= 0.5;
            side = -1;
        }
    }
    if (!evaluated) SunAtClockTimeNoCarry(t);
    return t;
}

template <typename Condition>
bool Driver::Settle(Condition condition, Crossing direction, bool circular, double tolerance,
                    bool found, double anchor, double& time) {
    const SunState chained = sun_;
    if (found) {
        const bool meets = Meets(condition, time, tolerance);
        sun_ = chained;
        if (meets) return true;
        anchor = time;
    }
    double t = 0.0;
    if (CrossingOnDate(condition, direction, circular, anchor, t)) {
        time = t;
        return true;
    }
    sun_ = chained;
    time = 0.0;
    return false;
}

void Driver::Transit(SolarResult& r) {
    double t = 12.0 + summerHours_;
    double delta = 99.0;
    int count = 0;
    while (count < 50 && std::fabs(delta) > kTransitTolerance) {
        t = Wrap24(t);
        SunAtClockTimeNoCarry(t);
        double theta = request_.zoneHours + request_.zoneSeconds / 3600.0 + sun_.siderealTime - longitudeDifferenceHours_;
        if (theta > 24.0) theta -= 24.0;
        if (theta < 0.0) theta += 24.0;
        delta = sun_.rightAscension - theta;
        if (delta < -12.0) delta += 24.0;
        if (delta > 12.0) delta -= 24.0;
        t = t + 0.5 * delta;
        ++count;
    }
    double transit = Wrap24(t);
    const auto hourAngle = [this](const SunState& sun, double at) {
        return TransitHourAngle(sun, at);
    };
    r.occurs.transit = Settle(hourAngle, Crossing::kRising, true, kHourAngleToleranceHours, true,
                              std::nan(""), transit);
    if (r.occurs.transit) transitHint_ = transit;
    r.transit = transit;
    r.transitAltitude = sun_.altitude;
    r.transitRefraction =
        ComputeRefraction(r.transitAltitude, request_.refractionModel, request_.latitude,
                          request_.refractionHeight, request_.humidity, request_.pressure,
                          request_.temperature) /
        60.0;
}

bool Driver::GeometricEvent(bool rising, double& time, double& azimuth) {
    double apparent = 0.0;
    double estimate = std::nan("");
    for (int i = 0; i < 5; ++i) {
        const double h = HourAngleGeometric(sun_.declination);
        apparent = rising ? 12.0 - h : 12.0 + h;
        if (std::isnan(apparent)) break;
        estimate = ApparentToClock(apparent);
        SunAtClockTimeCarry(estimate);
    }
    bool found = false;
    if (std::isnan(apparent)) {
        time = 0.0;
    } else {
        const double h = HourAngleGeometric(sun_.declination);
        time = ApparentToClock(rising ? 12.0 - h : 12.0 + h);
        found = true;
    }
    const auto onHorizon = [this](const SunState& sun, double at) {
        return SearchAltitude(sun, at);
    };
    found = Settle(onHorizon, rising ? Crossing::kRising : Crossing::kSetting, false,
                   kAltitudeToleranceDeg, found, estimate, time);
    azimuth = sun_.azimuth;
    return found;
}

bool Driver::ApparentEvent(bool rising, double h0, double& time, double& azimuth) {
    const auto apparentTime = [this, rising, h0](double dec) {
        const double h = HourAngle(h0, dec);
        return rising ? 12.0 - h : 12.0 + h;
    };
    const auto onHorizon = [this, h0](const SunState& sun, double at) {
        return SearchAltitude(sun, at) - h0;
    };
    const bool found = Iterate(apparentTime, onHorizon,
                               rising ? Crossing::kRising : Crossing::kSetting, 0.0, time);
    azimuth = sun_.azimuth;
    return found;
}

double Driver::AsrApparentTime(double k, double dec) const {
    const double zenithAtNoon = std::fabs(latitude_ - dec);  // noon zenith distance, degrees
    if (zenithAtNoon >= 90.0) return std::nan("");           // the Sun does not rise
    const double g = Sign(latitude_);
    double hA;
    if (latitude_ != 0.0 && SameSign(latitude_ - dec, latitude_)) {
        // Culmination on the equator's side of the zenith: the noon altitude is
        // 90 - |phi| + g dec, and cot hA = k + cot X.
        const double x = 90.0 - std::fabs(latitude_) + g * dec;
        const double a = std::tan(x * kDegToRad);
        hA = std::atan(a / (k * a + 1.0)) * kRadToDeg;
        const double cosH =
            (std::sin(hA * kDegToRad) -
             std::sin(std::fabs(latitude_) * kDegToRad) * std::sin(g * dec * kDegToRad)) /
            (std::cos(std::fabs(latitude_) * kDegToRad) * std::cos(g * dec * kDegToRad));
        return 12.0 + std::acos(cosH) * kRadToDeg / 15.0;
    }
    // Anywhere else (pole's side of the zenith, the zenith itself, the equator)
    // the noon shadow is tan|phi - dec| times the object: cot hA = k + tan|phi - dec|.
    hA = std::atan(1.0 / (k + std::tan(zenithAtNoon * kDegToRad))) * kRadToDeg;
    return 12.0 + HourAngle(hA, dec);
}

template <typename ApparentTime, typename Condition>
bool Driver::Iterate(ApparentTime apparentTime, Condition condition, Crossing direction,
                     double previous, double& time) {
    double prev = previous;
    double delta = 99.0;
    int count = 0;
    double apparent = 0.0;
    double estimate = std::nan("");
    while (count < 5 && delta > kSearchTolerance) {
        apparent = apparentTime(sun_.declination);
        if (std::isnan(apparent)) break;
        const double t = ApparentToClock(apparent);
        estimate = t;
        SunAtClockTimeCarry(t);
        delta = std::fabs(t - prev);
        prev = t;
        ++count;
    }
    const bool found = !std::isnan(apparent);
    time = found ? ApparentToClock(apparentTime(sun_.declination)) : 0.0;
    return Settle(condition, direction, false, kAltitudeToleranceDeg, found, estimate, time);
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

SolarResult Driver::Run() {
    SolarResult r;

    // 1. Clock reading, with and without the summer hour.
    const double c = request_.hour + request_.minute / 60.0 + request_.second / 3600.0;
    double c0 = c - summerHours_;
    if (c0 < 0.0) c0 += 24.0;

    // 2. Longitude difference from the zone meridian; mean local time.
    const double l = request_.zoneMinutes * 15 / 60 + request_.zoneSeconds / 240.0 + request_.longitude;
    longitudeDifferenceHours_ = l / 15.0;
    r.meanLocalTime = c0 - longitudeDifferenceHours_;

    // 3. The Sun at the requested instant.
    Evaluate(request_.hour, request_.minute, request_.second);
    const SunState first = sun_;
    r.gmst = first.siderealTime;
    r.julianDay = first.julianDay;
    const double deltaT0 = first.deltaT;
    const double e0 = first.equationOfTime;
    const double dec0 = first.declination;

    // 4. Local sidereal time, not reduced.
    r.lmst = request_.zoneHours + request_.zoneSeconds / 3600.0 + r.gmst - longitudeDifferenceHours_;

    // 5. Refraction at the instant.
    r.altitude = first.altitude;
    const double refr = ComputeRefraction(r.altitude, request_.refractionModel, request_.latitude,
                                          request_.refractionHeight, request_.humidity,
                                          request_.pressure, request_.temperature);
    r.refraction = refr * 1 / 60;
    r.refractedAltitude = r.altitude + refr / 60.0 >= 0.0 ? r.altitude + refr / 60.0 : r.altitude;

    // 6. Equation of time corrected for Delta T.
    r.equationOfTime = e0 - deltaT0 * 0.00273790935;

    // 7.-8. Longitude difference as a time; true local and zone times.
    zoneMeridianHours_ = l * 240 / 3600;
    r.longitudeDifference = l;
    const double trueLocal = r.lmst + 12.0 - first.rightAscension;
    r.trueZoneTime = Wrap24(trueLocal + zoneMeridianHours_);
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
    const bool riseFound = GeometricEvent(true, r.geometricRise, r.geometricRiseAzimuth);
    const bool setFound = GeometricEvent(false, r.geometricSet, r.geometricSetAzimuth);
    r.occurs.geometricRise = riseFound;
    r.occurs.geometricSet = setFound;
    r.hoursToSunset = setFound ? Wrap24(24.0 - r.italianHours) : 0.0;
    r.geometricDaylight = Daylight(riseFound, setFound, r.geometricRise, r.geometricSet, 0.0);
    // Without a geometric sunrise or sunset the Sun either never sets or never rises.
    const bool sunRises = riseFound || setFound || SameSign(sun_.declination, latitude_);
    // Where the date lacks the rise or the set, the hours counted from them
    // follow the rule of the polar day.
    const bool riseAndSet = riseFound && setFound;
    if (!riseAndSet) {
        r.italianHours = 0.0;
        r.babylonianHours = 0.0;
        r.hoursToSunset = 0.0;
    }

    // 13. Apparent set, then apparent rise, on a horizon lowered by 50' and by
    // the dip for the observer's height (a site below sea level has no dip).
    const double h0 = ApparentHorizonAltitude(request_.height);
    r.occurs.apparentSet = ApparentEvent(false, h0, r.apparentSet, r.apparentSetAzimuth);
    r.occurs.apparentRise = ApparentEvent(true, h0, r.apparentRise, r.apparentRiseAzimuth);
    r.apparentDaylight =
        Daylight(r.occurs.apparentRise, r.occurs.apparentSet, r.apparentRise, r.apparentSet, h0);

    // 14. Temporal hours; the sunrise or sunset it forms bounds the Qibla window.
    // Where the date has only one of the rise and the set, the missing one
    // does not bound the window (a comparison with not-a-number is false).
    double riseBound = !riseFound && setFound ? std::nan("") : r.geometricRise;
    double setBound = !setFound && riseFound ? std::nan("") : r.geometricSet;
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
            const double rise =
                Wrap24(12.0 - h0Arc + summerHours_ - e0 / 3600.0 + zoneMeridianHours_);
            len = 2.0 * h0Arc / 12.0;
            x = (c - rise) / len;
            riseBound = rise;
        } else {
            const double set =
                Wrap24(12.0 + h0Arc + summerHours_ - e0 / 3600.0 + zoneMeridianHours_);
            len = (24.0 - 2.0 * h0Arc) / 12.0;
            x = (c - set) / len;
            setBound = set;
        }
        while (x < 0.0) x += 24.0 / len;
        while (x > 12.0) x -= 24.0 / len;
        // The day or night is told by the searched rise and set, the hour's
        // length by the instant's half-day arc; where the two disagree by a
        // moment, x leaves [0, 12] by as much.
        if (x < 0.0) x = 0.0;
        if (x > 12.0) x = 12.0;
        r.temporalHours = riseAndSet ? x : std::nan("");
    }

    // 15. Prayers, each search starting from the Sun the previous one left.
    const auto altitudeAbove = [this](double altitude) {
        return [this, altitude](const SunState& sun, double at) {
            return SearchAltitude(sun, at) - altitude;
        };
    };
    const auto asrShadow = [this](double k) {
        return [this, k](const SunState& sun, double at) {
            return SearchAltitude(sun, at) - AsrAltitude(k, sun.declination);
        };
    };
    // Each prayer search compares its first estimate with 99 h.
    constexpr double kFirstPrevious = 99.0;
    r.occurs.fajr =
        Iterate([this](double dec) { return 12.0 - HourAngle(request_.fajrAngle, dec); },
                altitudeAbove(request_.fajrAngle), Crossing::kRising, kFirstPrevious, r.fajr);
    r.occurs.asr1 = Iterate([this](double dec) { return AsrApparentTime(1.0, dec); },
                            asrShadow(1.0), Crossing::kSetting, kFirstPrevious, r.asr1);
    r.occurs.asr2 = Iterate([this](double dec) { return AsrApparentTime(2.0, dec); },
                            asrShadow(2.0), Crossing::kSetting, kFirstPrevious, r.asr2);
    r.occurs.isha =
        Iterate([this](double dec) { return 12.0 + HourAngle(request_.ishaAngle, dec); },
                altitudeAbove(request_.ishaAngle), Crossing::kSetting, kFirstPrevious, r.isha);

    // 16. Qibla direction (from the south, positive towards the east) and the
    // clock time at which the Sun stands in it.
    const double dLambda = (request_.longitude - kKaabaLongitudeWest) * kDegToRad;
    const double q = std::atan2(
        std::sin(dLambda), std::cos(latitude_ * kDegToRad) * std::tan(kKaabaLatitude * kDegToRad) -
                               std::sin(latitude_ * kDegToRad) * std::cos(dLambda));
    double qibla = -q * 180.0 / kPi - 180.0;
    if (qibla <= -180.0) qibla += 360.0;
    if (qibla > 180.0) qibla -= 360.0;
    r.qiblaAzimuth = qibla;
    r.qiblaTime = QiblaTime(-qibla, riseBound, setBound, sunRises);
    r.occurs.qiblaTime = r.qiblaTime >= 0.0;

    r.deltaT = request_.deltaTGiven ? request_.deltaT : sun_.deltaT;
    return r;
}

void Driver::FindCrossings(AltitudeCrossing* crossings, int count) {
    // The values of steps 2 and 7 of Run that the searches use.
    const double l =
        request_.zoneMinutes * 15 / 60 + request_.zoneSeconds / 240.0 + request_.longitude;
    longitudeDifferenceHours_ = l / 15.0;
    zoneMeridianHours_ = l * 240 / 3600;
    // The first search starts from the Sun at noon on the clock.
    SunAtClockTimeNoCarry(12.0 + summerHours_);
    constexpr double kFirstPrevious = 99.0;
    for (int i = 0; i < count; ++i) {
        AltitudeCrossing& c = crossings[i];
        const double altitude = c.altitude;
        const bool rising = c.rising;
        c.occurs = Iterate(
            [this, altitude, rising](double dec) {
                const double h = HourAngle(altitude, dec);
                return rising ? 12.0 - h : 12.0 + h;
            },
            [this, altitude](const SunState& sun, double at) {
                return SearchAltitude(sun, at) - altitude;
            },
            rising ? Crossing::kRising : Crossing::kSetting, kFirstPrevious, c.time);
    }
}

void Driver::FindCrossingsOfDay(double transit, AltitudeCrossing* crossings, int count) {
    const double l =
        request_.zoneMinutes * 15 / 60 + request_.zoneSeconds / 240.0 + request_.longitude;
    longitudeDifferenceHours_ = l / 15.0;
    zoneMeridianHours_ = l * 240 / 3600;
    // The Sun at the lower culmination before the transit, at the transit and
    // at the lower culmination after it, each evaluated when first needed.
    const double times[3] = {transit - 12.0, transit, transit + 12.0};
    SunState states[3];
    bool evaluated[3] = {false, false, false};
    const auto stateAt = [&](int i) -> const SunState& {
        if (!evaluated[i]) {
            SunAtClockTimeNoCarry(times[i]);
            states[i] = sun_;
            evaluated[i] = true;
        }
        return states[i];
    };
    for (int k = 0; k < count; ++k) {
        AltitudeCrossing& c = crossings[k];
        const double altitude = c.altitude;
        const auto above = [this, altitude](const SunState& sun, double at) {
            return SearchAltitude(sun, at) - altitude;
        };
        const int first = c.rising ? 0 : 1;
        const double f0 = above(stateAt(first), times[first]);
        const double f1 = above(stateAt(first + 1), times[first + 1]);
        const bool crosses = c.rising ? (f0 < 0.0 && f1 >= 0.0) : (f0 > 0.0 && f1 <= 0.0);
        const double t =
            crosses ? Refine(above, times[first], times[first + 1], f0, f1) : std::nan("");
        c.occurs = !std::isnan(t);
        c.time = c.occurs ? t : 0.0;
    }
}

}  // namespace

double ApparentHorizonAltitude(double heightM) {
    const double dipHeight = heightM > 0.0 ? heightM : 0.0;
    return (-50.0 - 2.12 * std::sqrt(dipHeight)) / 60.0;
}

void FindAltitudeCrossings(const SolarRequest& request, AltitudeCrossing* crossings, int count) {
    Driver driver(request);
    driver.FindCrossings(crossings, count);
}

void FindAltitudeCrossingsOfDay(const SolarRequest& request, double transit,
                                AltitudeCrossing* crossings, int count) {
    Driver driver(request);
    driver.FindCrossingsOfDay(transit, crossings, count);
}

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
