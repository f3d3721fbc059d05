// Cost of one Sun position and of one full solar computation, with ratios that
// survive a noisy shared machine: a Sun position against one full VSOP87D
// evaluation (L, B and R), and the driver against the Sun evaluations it makes.

#include <benchmark/benchmark.h>

#include <chrono>

#include "astro/apparent_sun.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"
#include "astro/solar_computation.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds per call of f, over n calls.
template <typename F>
double SecondsPerCall(int n, F f) {
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) f(i);
    return std::chrono::duration<double>(Clock::now() - start).count() / n;
}

double FullVsopSeconds() {
    return SecondsPerCall(400, [](int i) {
        double jde = 2460676.5 + i * 0.37;
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLongitude(jde));
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLatitude(jde));
        benchmark::DoNotOptimize(tarvel::EarthRadiusVector(jde));
    });
}

tarvel::SunState OneSun(int i) {
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

}  // namespace
