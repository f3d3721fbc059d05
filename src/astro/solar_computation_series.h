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

#include "astro/solar_computation.h"
#include "astro/sun_series_cache.h"

namespace tarvel {

SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries);
// The same, with the number of the Sun's evaluations it made.
SolarResult CalcSolarParameters(const SolarRequest& request, SunSeriesSource searchSeries,
                                int& sunEvaluations);

}  // namespace tarvel
