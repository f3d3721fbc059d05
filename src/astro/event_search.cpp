// The driver's evaluations of the Sun and its search for events: iteration
// from an event's apparent time, bracketing over the date and regula falsi.
#include "astro/event_search.h"

#include <cmath>

#include "astro/solar_driver.h"

namespace tarvel {

namespace {

// Apparent rise and set, prayers: stop when two estimates differ by no more (hours).
constexpr double kSearchTolerance = 2.777777777777778e-05;

// Two evaluations closer than this (hours) count as the same instant when a
// result is checked (the Sun moves less than 2e-5 degrees meanwhile).
constexpr double kSameInstantHours = 1e-6;

}  // namespace

SunSearch::SunSearch(const SolarRequest& request, SunSeriesSource searchSeries,
                     DaySunMemo* dayMemo)
    : request_(request),
      clock_(request),
      site_(SunSiteAt(request.latitude, request.longitude)),
      searchSeries_(searchSeries),
      dayMemo_(dayMemo) {}

void SunSearch::Evaluate(int hour, int minute, double second) {
    EvaluateFrom(searchSeries_, hour, minute, second);
}

void SunSearch::EvaluateFull(int hour, int minute, double second) {
    EvaluateFrom(SunSeriesSource::kFull, hour, minute, second);
}

void SunSearch::EvaluateFrom(SunSeriesSource source, int hour, int minute, double second) {
    if (memo_.Find(hour, minute, second, sun_)) return;
    // The date's shared evaluations hold the searches' series only.
    DaySunMemo* day = source == searchSeries_ ? dayMemo_ : nullptr;
    if (day != nullptr && day->Find(hour, minute, second, sun_)) {
        memo_.Keep(hour, minute, second, sun_);
        return;
    }
    sun_ = SunPosition(request_.year, request_.month, request_.day, hour - clock_.summerHour,
                       minute, second - request_.zoneSeconds - clock_.summerRestSeconds,
                       clock_.zoneWhole, clock_.zoneRest, site_, request_.deltaT,
                       request_.deltaTGiven, source);
    memo_.Keep(hour, minute, second, sun_);
    if (day != nullptr) day->Keep(hour, minute, second, sun_);
    ++evaluations_;
}

void SunSearch::SunAtClockTimeNoCarry(double t) {
    const int h = static_cast<int>(std::trunc(t));
    const int m = static_cast<int>(std::trunc((t - h) * 60.0));
    const double sec = ((t - h) - m / 60.0) * 3600.0;
    Evaluate(h, m, sec);
}

void SunSearch::SunAtClockTimeCarry(double t) {
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

bool SunSearch::Meets(EventCondition condition, double t, double tolerance) {
    if (std::fabs(clock_.JulianDay(t) - sun_.julianDay) * 24.0 > kSameInstantHours) {
        SunAtClockTimeNoCarry(t);
    }
    return std::fabs(condition(sun_, t)) <= tolerance;
}

void SunSearch::EnsureDaySamples() {
    if (samples_.count > 0) return;
    const SunState chained = sun_;
    // The upper culmination: the transit when found, else the clock time of
    // local apparent noon; the lower ones lie half a day before and after.
    const double upper = std::isnan(transitHint_)
                             ? Wrap24(12.0 + clock_.summerHours - sun_.equationOfTime / 3600.0 +
                                      clock_.zoneMeridianHours)
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

bool SunSearch::CrossingOnDate(EventCondition condition, Crossing direction, bool circular,
                               double anchor, double& time) {
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

double SunSearch::Refine(EventCondition condition, double lo, double hi, double f0, double f1) {
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

bool SunSearch::Settle(EventCondition condition, Crossing direction, bool circular,
                       double tolerance, bool found, double anchor, double& time) {
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

bool SunSearch::Iterate(ApparentTimeRule apparentTime, EventCondition condition, Crossing direction,
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

void SunSearch::FindCrossings(AltitudeCrossing* crossings, int count) {
    // The first search starts from the Sun at noon on the clock.
    SunAtClockTimeNoCarry(12.0 + clock_.summerHours);
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
                return SearchAltitude(clock_, sun, at) - altitude;
            },
            rising ? Crossing::kRising : Crossing::kSetting, kFirstPrevious, c.time);
    }
}

void SunSearch::FindCrossingsOfDay(double transit, AltitudeCrossing* crossings, int count) {
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
            return SearchAltitude(clock_, sun, at) - altitude;
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

void FindAltitudeCrossings(const SolarRequest& request, AltitudeCrossing* crossings, int count) {
    SunSearch search(request);
    search.FindCrossings(crossings, count);
}

void FindAltitudeCrossingsOfDay(const SolarRequest& request, double transit,
                                AltitudeCrossing* crossings, int count) {
    SunSearch search(request);
    search.FindCrossingsOfDay(transit, crossings, count);
}

}  // namespace tarvel
