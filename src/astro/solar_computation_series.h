// The solar computation with a choice of series for its searches.
//
// Given:    a SolarRequest and where the searches' evaluations of the Sun take
//           the Earth's series and the nutations from (sun_series_cache.h).
// Returned: the SolarResult.
// Notes:    the requested instant is always evaluated from the full series,
//           so its coordinates, sidereal time and equation of time are those
//           of CalcSolarParameters(request) to the last bit. With
//           SunSeriesSource::kInterpolated the searches (transit, rise and
//           set, prayers, the Qibla time) read the Chebyshev spans: their
//           times stay within 1e-5 s of the full series' over 1900-2100 and
//           at every latitude (tests), at a fraction of the cost, but their
//           last digits differ from those of CalcSolarParameters(request),
//           which every documented figure and golden text keeps.
// References: see solar_computation.h and sun_series_cache.h.
#pragma once

#include <memory>

#include "astro/solar_computation.h"
#include "astro/sun_memo.h"
#include "astro/sun_series_cache.h"

namespace tarvel {

// The Sun's evaluations shared by the computations of one civil date: every
// search of a computation evaluates the Sun at clock readings of the
// request's date, a pure function of the reading, the date, the zone and
// summer state, the site, Delta T and the series. Computations of requests
// that agree in all of these (the rows of a table on one date) take the
// evaluations an earlier one made instead of making them again, so their
// searches, which follow the same steps from the same states, cost lookups;
// the results are those of separate computations to the last bit. The
// requested instant's own evaluation from the full series, when the searches
// take the spans, is not shared. One object per thread; a request of another
// date or site starts it afresh.
class DayEvaluations {
  public:
    DayEvaluations();
    ~DayEvaluations();
    DayEvaluations(const DayEvaluations&) = delete;
    DayEvaluations& operator=(const DayEvaluations&) = delete;

    // The memo for the request's date, site and series: the kept evaluations
    // when they belong to equal ones, otherwise emptied for them.
    DaySunMemo& For(const SolarRequest& request, SunSeriesSource searchSeries);

  private:
    struct Key;
    std::unique_ptr<Key> key_;
    std::unique_ptr<DaySunMemo> memo_;
};

SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries);
// The same, sharing the Sun's evaluations with the earlier computations of
// the date held by `day`.
SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                DayEvaluations& day);
// The same, with the number of the Sun's evaluations it made.
SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                int& sunEvaluations);
SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                DayEvaluations& day, int& sunEvaluations);

}  // namespace tarvel
