// Cost of one Sun position and of one full solar computation, with ratios that
// survive a noisy shared machine: a Sun position against one full VSOP87D
// evaluation (L, B and R), and the driver against the Sun evaluations it makes;
// and both with each series kernel against the scalar reference of the same run;
// the day times against the full computation.

#include <benchmark/benchmark.h>

#include <vector>

#include "astro/apparent_sun.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"
#include "astro/prayer_times.h"
#include "astro/series_kernel.h"
#include "astro/solar_computation.h"
#include "astro/solar_computation_series.h"
#include "astro/sun_series_cache.h"
#include "series_bench_support.h"

namespace {

using tarvel::bench_support::SecondsPerCall;

double FullVsopSeconds() {
    return SecondsPerCall(400, [](int i) {
        double jde = 2460676.5 + i * 0.37;
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLongitude(jde));
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLatitude(jde));
        benchmark::DoNotOptimize(tarvel::EarthRadiusVector(jde));
    });
}

// One Sun position at a site whose constants are made once, as the solar
// computation evaluates the Sun (the site's parallax factors and latitude
// sine and cosine once per computation), Delta T from the model.
tarvel::SunState OneSun(int i) {
    static const tarvel::SunSite site = tarvel::SunSiteAt(45.0, -8.0);
    return tarvel::SunPosition(2025, 3, 20, 9 + i % 6, 17, 3.5, 1, 0, site, 0.0, false);
}

// The same with the site's constants made for the call.
tarvel::SunState OneSunAndSite(int i) {
    return tarvel::SunPosition(2025, 3, 20, 9 + i % 6, 17, 3.5, 1, 0, 45.0, -8.0, 0.0, false);
}

double SunSeconds() {
    return SecondsPerCall(400, [](int i) { benchmark::DoNotOptimize(OneSun(i)); });
}

// One Sun position through the out-parameter form; ratio to one full L, B and R
// evaluation measured in the same run.
void BM_CalcSunPosition(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        double lon, lat, az, alt, ra, dec, eot, dt = 0, tra, tdec, st, jd;
        tarvel::CalcSunPosition(lon, lat, az, alt, ra, dec, eot, dt, 2025, 3, 20, 9 + i++ % 6, 17,
                                3.5, 1, 0, 45.0, -8.0, tra, tdec, st, jd, 0);
        benchmark::DoNotOptimize(alt);
    }
    double ratio = 0;
    for (int k = 0; k < 3; ++k) ratio += SunSeconds() / FullVsopSeconds();
    state.counters["ratio_to_full_vsop"] = ratio / 3;
}
BENCHMARK(BM_CalcSunPosition);

// One Sun position with a kernel made active for the call, as f(i).
auto SunWith(tarvel::SeriesKernel kernel) {
    return [kernel](int i) {
        const tarvel::ScopedSeriesKernel scoped(kernel);
        benchmark::DoNotOptimize(OneSun(i));
    };
}

// The sines and cosines of the series one Sun position evaluates: every term of
// the Earth's series (L and B at JDE, R at JD), a sine and a cosine of every term
// of the 1980 nutation, and of the 2000B nutation for each of the two sidereal
// times (at JDE for the topocentric place, at JD for the reported time).
std::size_t CosinesPerSunPosition() {
    return tarvel::bench_support::EarthTermCount() + 2 * tarvel::kNutation1980TermCount +
           2 * 2 * tarvel::kNutation2000BTermCount;
}

// One Sun position (SunPosition at a site made once) with one series kernel.
// After the timed loop, in the same run, each the least of 30 alternating
// rounds: us, this kernel's microseconds per position; scalar_us, the scalar
// reference's; bare_cosines_us, a bare loop of as many of this kernel's
// cosines as one position evaluates; site_per_call_us, a position whose site
// constants are made for the call; and the ratios speedup_over_scalar
// (scalar_us / us) and ratio_to_bare_cosines (us / bare_cosines_us).
void BM_SunPositionWith(benchmark::State& state, tarvel::SeriesKernel kernel) {
    const tarvel::ScopedSeriesKernel scoped(kernel);
    if (!scoped.active()) {
        state.SkipWithError("the processor does not support this kernel");
        return;
    }
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(OneSun(i++));
    const std::vector<double> least = tarvel::bench_support::LeastTimes(
        30, 20,
        {SunWith(kernel), SunWith(tarvel::SeriesKernel::kScalar),
         tarvel::bench_support::BareCosines(kernel, CosinesPerSunPosition()), [kernel](int k) {
             const tarvel::ScopedSeriesKernel scopedK(kernel);
             benchmark::DoNotOptimize(OneSunAndSite(k));
         }});
    state.counters["cosines"] = static_cast<double>(CosinesPerSunPosition());
    state.counters["us"] = least[0] * 1e6;
    state.counters["scalar_us"] = least[1] * 1e6;
    state.counters["bare_cosines_us"] = least[2] * 1e6;
    state.counters["site_per_call_us"] = least[3] * 1e6;
    state.counters["speedup_over_scalar"] = least[1] / least[0];
    state.counters["ratio_to_bare_cosines"] = least[0] / least[2];
}
BENCHMARK_CAPTURE(BM_SunPositionWith, scalar, tarvel::SeriesKernel::kScalar);
BENCHMARK_CAPTURE(BM_SunPositionWith, sse2, tarvel::SeriesKernel::kSse2);
BENCHMARK_CAPTURE(BM_SunPositionWith, avx2, tarvel::SeriesKernel::kAvx2);
BENCHMARK_CAPTURE(BM_SunPositionWith, avx512, tarvel::SeriesKernel::kAvx512);

void BM_Nutation1980(benchmark::State& state) {
    double jde = 2460676.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::Nutation1980Both(jde));
    }
}
BENCHMARK(BM_Nutation1980);

void BM_Nutation2000B(benchmark::State& state) {
    double jd = 2460676.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(jd);
        benchmark::DoNotOptimize(tarvel::Nutation2000BBoth(jd));
    }
}
BENCHMARK(BM_Nutation2000B);

tarvel::SolarRequest Day(int which) {
    tarvel::SolarRequest rq;
    rq.year = 2025;
    rq.hour = 10;
    rq.deltaTGiven = true;
    rq.deltaT = 69.2;
    switch (which) {
        case 0:  // mid-latitude day
            rq.month = 3, rq.day = 20, rq.zoneHours = 1, rq.latitude = 45, rq.longitude = -8;
            break;
        case 1:  // polar day
            rq.month = 6, rq.day = 21, rq.zoneHours = 1, rq.latitude = 80, rq.longitude = -15;
            break;
        default:  // the near-zenith Sun at Mecca in late May
            rq.month = 5, rq.day = 27, rq.zoneHours = 3, rq.latitude = 21.4225,
            rq.longitude = -39.8262;
            break;
    }
    rq.SetZone(rq.zoneHours);
    return rq;
}

// A full computation; reports the Sun evaluations per call and the driver's
// time over (evaluations x one Sun position measured in the same run).
void BM_CalcSolarParameters(benchmark::State& state) {
    const tarvel::SolarRequest rq = Day(static_cast<int>(state.range(0)));
    int evaluations = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvel::CalcSolarParameters(rq, evaluations));
    }
    double overhead = 0;
    for (int k = 0; k < 3; ++k) {
        const double call = SecondsPerCall(
            5, [&](int) { benchmark::DoNotOptimize(tarvel::CalcSolarParameters(rq)); });
        overhead += call / (evaluations * SunSeconds());
    }
    state.counters["sun_evaluations"] = evaluations;
    state.counters["overhead_ratio"] = overhead / 3;
}
BENCHMARK(BM_CalcSolarParameters)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The day times (a method's prayers with a high-latitude rule, the twilights
// and the night, over a computed SolarResult); ratio_to_solar_parameters is
// their time over one full computation's, both measured in the same run.
void BM_CalcDayTimes(benchmark::State& state) {
    tarvel::SolarRequest rq = Day(static_cast<int>(state.range(0)));
    rq.prayerMethod = tarvel::PrayerMethod::kMuslimWorldLeague;
    rq.highLatitudeRule = tarvel::HighLatitudeRule::kSeventhOfTheNight;
    const tarvel::SolarResult result = tarvel::CalcSolarParameters(rq);
    for (auto _ : state) benchmark::DoNotOptimize(tarvel::CalcDayTimes(rq, result));
    state.counters["ratio_to_solar_parameters"] = tarvel::bench_support::LeastTimeRatio(
        5, 4, [&](int) { benchmark::DoNotOptimize(tarvel::CalcDayTimes(rq, result)); },
        [&](int) { benchmark::DoNotOptimize(tarvel::CalcSolarParameters(rq)); });
}
BENCHMARK(BM_CalcDayTimes)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The mid-latitude day with one series kernel; speedup_over_scalar is the
// scalar reference's time over this kernel's, each the least of 5 alternating
// rounds after the timed loop.
void BM_CalcSolarParametersWith(benchmark::State& state, tarvel::SeriesKernel kernel) {
    const tarvel::ScopedSeriesKernel scoped(kernel);
    if (!scoped.active()) {
        state.SkipWithError("the processor does not support this kernel");
        return;
    }
    const tarvel::SolarRequest rq = Day(0);
    for (auto _ : state) benchmark::DoNotOptimize(tarvel::CalcSolarParameters(rq));
    const auto with = [&rq](tarvel::SeriesKernel k) {
        return [&rq, k](int) {
            const tarvel::ScopedSeriesKernel scopedK(k);
            benchmark::DoNotOptimize(tarvel::CalcSolarParameters(rq));
        };
    };
    state.counters["speedup_over_scalar"] = tarvel::bench_support::LeastTimeRatio(
        5, 4, with(tarvel::SeriesKernel::kScalar), with(kernel));
}
BENCHMARK_CAPTURE(BM_CalcSolarParametersWith, scalar, tarvel::SeriesKernel::kScalar)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalcSolarParametersWith, avx2, tarvel::SeriesKernel::kAvx2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CalcSolarParametersWith, avx512, tarvel::SeriesKernel::kAvx512)
    ->Unit(benchmark::kMillisecond);

// One Sun position from the Chebyshev spans (the span already made), over
// instants that stay in one span. After the timed loop, in the same run, each
// the least of 30 alternating rounds: us, microseconds per position from the
// spans; full_us, from the full series; bare_cosines_us, the bare loop of the
// vector cosines one full position evaluates; and the ratios.
void BM_SunPositionInterpolated(benchmark::State& state) {
    static const tarvel::SunSite site = tarvel::SunSiteAt(45.0, -8.0);
    const auto sun = [](tarvel::SunSeriesSource source) {
        return [source](int i) {
            benchmark::DoNotOptimize(tarvel::SunPosition(2025, 3, 20, 9 + i % 6, 17, 3.5, 1, 0,
                                                         site, 0.0, false, source));
        };
    };
    const auto interpolated = sun(tarvel::SunSeriesSource::kInterpolated);
    int i = 0;
    for (auto _ : state) interpolated(i++);
    const std::vector<double> least = tarvel::bench_support::LeastTimes(
        30, 20,
        {interpolated, sun(tarvel::SunSeriesSource::kFull),
         tarvel::bench_support::BareCosines(tarvel::ActiveSeriesKernel(),
                                            CosinesPerSunPosition())});
    state.counters["us"] = least[0] * 1e6;
    state.counters["full_us"] = least[1] * 1e6;
    state.counters["bare_cosines_us"] = least[2] * 1e6;
    state.counters["speedup_over_full"] = least[1] / least[0];
    state.counters["ratio_to_bare_cosines"] = least[0] / least[2];
}
BENCHMARK(BM_SunPositionInterpolated);

// A full computation with the searches on the spans (made once, kept by the
// process); speedup_over_full is the time with the full series over this one,
// each the least of 5 alternating rounds after the timed loop.
void BM_CalcSolarParametersInterpolated(benchmark::State& state) {
    const tarvel::SolarRequest rq = Day(static_cast<int>(state.range(0)));
    const auto with = [&rq](tarvel::SunSeriesSource source) {
        return [&rq, source](int) {
            benchmark::DoNotOptimize(tarvel::CalcSolarParameters(rq, source));
        };
    };
    for (auto _ : state) with(tarvel::SunSeriesSource::kInterpolated)(0);
    state.counters["speedup_over_full"] = tarvel::bench_support::LeastTimeRatio(
        5, 4, with(tarvel::SunSeriesSource::kFull), with(tarvel::SunSeriesSource::kInterpolated));
}
BENCHMARK(BM_CalcSolarParametersInterpolated)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
