// The solar computation's driver, shared by its parts (not for callers: they
// use solar_computation.h and event_search.h).
//
// Given:    a SolarRequest.
// Returned: SunSearch: the Sun evaluated at clock times of the request's date
//           (each reading once per call) and the search for the instant at
//           which an event's condition crosses zero. Driver: the events of
//           SolarResult on top of it.
// Notes:    the parts live in event_search.cpp (evaluation and search),
//           solar_computation.cpp (the instant, transit, rise and set, the
//           prayers: the driver's steps) and qibla.cpp (the Qibla time). What
//           each event is, its condition, is in solar_events.h; the Asr and
//           hour-system formulas in asr.h and hour_systems.h. Every search
//           starts from the Sun state the previous one left (the searches are
//           chained): the order of the steps is part of the results.
// References: Meeus ch. 15 (rising, transit and setting by iteration);
//           regula falsi with the Illinois modification (M. Dowell and P.
//           Jarratt, BIT 11, 168 (1971)).
#pragma once

#include <cmath>
#include <type_traits>

#include "astro/apparent_sun.h"
#include "astro/event_search.h"
#include "astro/solar_computation.h"
#include "astro/solar_events.h"
#include "astro/sun_memo.h"
#include "astro/sun_series_cache.h"

namespace tarvel {

// A non-owning reference to a callable (a search's condition): valid while
// the callable it was made from lives, as for an argument of a call.
template <typename Signature>
class FunctionRef;

template <typename R, typename... Args>
class FunctionRef<R(Args...)> {
  public:
    template <typename F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, FunctionRef>)
        FunctionRef(const F& f)  // NOLINT: converts implicitly, as a callable argument
        : object_(&f), call_([](const void* object, Args... args) -> R {
              return (*static_cast<const F*>(object))(args...);
          }) {}

    R operator()(Args... args) const { return call_(object_, args...); }

  private:
    const void* object_;
    R (*call_)(const void*, Args...);
};

// An event's condition: a function of a Sun state and its clock time that is
// zero at the event.
using EventCondition = FunctionRef<double(const SunState&, double)>;
// A local apparent solar time of an event from the Sun's declination (hours;
// not-a-number where the Sun does not reach the event).
using ApparentTimeRule = FunctionRef<double(double)>;

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

// One call's evaluations of the Sun and the search for events among them.
class SunSearch {
  public:
    // searchSeries: where the evaluations of the searches take the series
    // from (the requested instant's own evaluation always takes the full
    // series).
    // dayMemo: evaluations shared with other calls of the same date, site
    // and series (DayEvaluations), or none.
    explicit SunSearch(const SolarRequest& request,
                       SunSeriesSource searchSeries = SunSeriesSource::kFull,
                       DaySunMemo* dayMemo = nullptr);

    // See FindAltitudeCrossings.
    void FindCrossings(AltitudeCrossing* crossings, int count);
    // See FindAltitudeCrossingsOfDay.
    void FindCrossingsOfDay(double transit, AltitudeCrossing* crossings, int count);
    int evaluations() const { return evaluations_; }

  protected:
    // The Sun at a clock reading of the requested date (summer hour removed),
    // evaluated once per reading, from the searches' series.
    void Evaluate(int hour, int minute, double second);
    // The same from the full series (the requested instant).
    void EvaluateFull(int hour, int minute, double second);
    void EvaluateFrom(SunSeriesSource source, int hour, int minute, double second);
    // Clock time t split without carrying 60.0 seconds (transit and Qibla searches).
    void SunAtClockTimeNoCarry(double t);
    // Clock time t split with the carry of 60.0 seconds (the other searches).
    void SunAtClockTimeCarry(double t);

    // Local apparent solar time to clock time with the current equation of time.
    double ApparentToClock(double apparent) const {
        return clock_.ApparentToClock(apparent, sun_.equationOfTime);
    }
    // Hour angle in hours at which the Sun's centre stands at altitude h0 for
    // declination dec at the request's latitude; not-a-number when it never does.
    double HourAngle(double h0, double dec) const {
        return HourAngleAtAltitude(h0, dec, clock_.latitude);
    }
    // The same for the true horizon.
    double HourAngleGeometric(double dec) const {
        return GeometricHalfDayArc(dec, clock_.latitude);
    }

    // Whether the Sun at clock time t meets a condition within tolerance.
    // Evaluates the Sun at t unless the current state is already at that instant.
    bool Meets(EventCondition condition, double t, double tolerance);
    // Evaluates the Sun at midnight, at the culminations and at the next
    // midnight of the requested date, once per call.
    void EnsureDaySamples();
    // A crossing of the condition through zero in the given direction on the
    // requested date, refined to the instant; the current state is left at it.
    // With two crossings, the one nearest the anchor (without an anchor: the
    // first rising or the last setting one). A circular condition (an hour
    // angle in (-12, 12]) jumping through +-12 does not cross.
    bool CrossingOnDate(EventCondition condition, Crossing direction, bool circular, double anchor,
                        double& time);
    // The zero of the condition between clock times lo and hi, where it has the
    // values f0 and f1 of opposite signs, by regula falsi; the current state is
    // left at it. Not-a-number when the condition is not a number on the way.
    double Refine(EventCondition condition, double lo, double hi, double f0, double f1);
    // Turns a search's answer into a real crossing on the date. An answer that
    // meets the condition stands and the chained state is kept as the search
    // left it. Otherwise (no answer, or one where nothing happens, as when an
    // event drifts across midnight on the clock) the crossing on the date is
    // looked for; without one the event does not occur (time 0, the chained
    // state kept). Returns whether the event occurs.
    bool Settle(EventCondition condition, Crossing direction, bool circular, double tolerance,
                bool found, double anchor, double& time);
    // The apparent rise and set and the prayers: at most 5 evaluations,
    // stopping when two successive clock-time estimates (the first compared
    // with `previous`) differ by no more than 0.1 s; then settled on the date.
    bool Iterate(ApparentTimeRule apparentTime, EventCondition condition, Crossing direction,
                 double previous, double& time);

    const SolarRequest& request_;
    SearchClock clock_;
    SunSite site_;  // the request's site, for every evaluation
    SunState sun_;
    SunMemo memo_;
    SunSeriesSource searchSeries_;
    DaySunMemo* dayMemo_;
    int evaluations_ = 0;                // evaluations made, readings found in memo_ not counted
    double transitHint_ = std::nan("");  // clock time of the transit once found
    DaySamples samples_;
};

// One call of CalcSolarParameters: the driver's steps over the search.
class Driver : public SunSearch {
  public:
    using SunSearch::SunSearch;

    SolarResult Run();

  private:
    void Transit(SolarResult& r);
    // Geometric rise (rising) or set; returns false when there is none.
    bool GeometricEvent(bool rising, double& time, double& azimuth);
    bool ApparentEvent(bool rising, double h0, double& time, double& azimuth);
    // Clock time at which the Sun's azimuth (from the south, positive west)
    // equals target between the bounds; -1 when it does not (qibla.cpp).
    double QiblaTime(double target, double riseBound, double setBound, bool sunRises);
    // Whether the difference d = azimuth - target, of opposite signs d0 and d1
    // at clock times t0 and t1, passes through 0 between them rather than
    // through +-180 (the Sun in the opposite direction).
    bool PassesTarget(double t0, double d0, double t1, double d1, double target);
};

}  // namespace tarvel
