// Cost of the Earth's heliocentric position: L, B and R together and each alone.
// Besides the time per call, each benchmark reports the time per term; the
// baseline benchmark sums the same number of plain cosines, so the ratio of
// a series' time per term to the baseline's shows the overhead over the
// cosines themselves on whatever machine it runs. BM_EarthLBRWith compares the
// series kernels (scalar reference, SSE2, AVX2, AVX-512) in one run.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "astro/earth_position.h"
#include "astro/series_kernel.h"
#include "series_bench_support.h"

namespace {

using tarvel::kEarthB;
using tarvel::kEarthL;
using tarvel::kEarthR;
using tarvel::Vsop87Series;

// A few instants around 2025, visited in turn.
constexpr double kInstants[] = {2460676.5, 2460771.25, 2460862.75, 2460954.125};
constexpr std::size_t kInstantCount = sizeof(kInstants) / sizeof(kInstants[0]);

std::size_t CountTerms(const Vsop87Series* series, int count) {
    std::size_t terms = 0;
    for (int k = 0; k < count; ++k) terms += series[k].count;
    return terms;
}

void ReportPerTerm(benchmark::State& state, std::size_t termsPerCall) {
    state.counters["terms"] = static_cast<double>(termsPerCall);
    state.counters["per_term"] =
        benchmark::Counter(static_cast<double>(state.iterations() * termsPerCall),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// L, B and R at one instant, as three separate calls.
void BM_EarthLBR(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        double jde = kInstants[i++ % kInstantCount];
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLongitude(jde));
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLatitude(jde));
        benchmark::DoNotOptimize(tarvel::EarthRadiusVector(jde));
    }
    ReportPerTerm(state, CountTerms(kEarthL, 6) + CountTerms(kEarthB, 5) + CountTerms(kEarthR, 6));
}
BENCHMARK(BM_EarthLBR);

// L and B through the combined call, then R.
void BM_EarthLBCombinedAndR(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        double jde = kInstants[i++ % kInstantCount];
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLB(jde));
        benchmark::DoNotOptimize(tarvel::EarthRadiusVector(jde));
    }
    ReportPerTerm(state, CountTerms(kEarthL, 6) + CountTerms(kEarthB, 5) + CountTerms(kEarthR, 6));
}
BENCHMARK(BM_EarthLBCombinedAndR);

// L, B and R with one kernel at one of the instants, as f(i): the one pass of
// a Sun position (L and B at JDE, R at the Julian Day 69.2 s before).
auto EarthLBR(tarvel::SeriesKernel kernel) {
    return [kernel](int i) {
        double jde = kInstants[i % kInstantCount];
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLBR(jde, jde - 69.2 / 86400.0, kernel));
    };
}

// L, B and R with one kernel. After the timed loop, in the same run, each the
// least of 30 alternating rounds: us, this kernel's microseconds; scalar_us,
// the scalar reference's; bare_cosines_us, a bare loop of as many of its
// cosines as the series have terms; speedup_over_scalar (scalar_us / us) and
// ratio_to_bare_cosines (us / bare_cosines_us).
void BM_EarthLBRWith(benchmark::State& state, tarvel::SeriesKernel kernel) {
    if (!tarvel::SeriesKernelSupported(kernel)) {
        state.SkipWithError("the processor does not support this kernel");
        return;
    }
    auto lbr = EarthLBR(kernel);
    int i = 0;
    for (auto _ : state) lbr(i++);
    const std::size_t terms = tarvel::bench_support::EarthTermCount();
    ReportPerTerm(state, terms);
    const std::vector<double> least =
        tarvel::bench_support::LeastTimes(30, 20,
                                          {lbr, EarthLBR(tarvel::SeriesKernel::kScalar),
                                           tarvel::bench_support::BareCosines(kernel, terms)});
    state.counters["us"] = least[0] * 1e6;
    state.counters["scalar_us"] = least[1] * 1e6;
    state.counters["bare_cosines_us"] = least[2] * 1e6;
    state.counters["speedup_over_scalar"] = least[1] / least[0];
    state.counters["ratio_to_bare_cosines"] = least[0] / least[2];
}
BENCHMARK_CAPTURE(BM_EarthLBRWith, scalar, tarvel::SeriesKernel::kScalar);
BENCHMARK_CAPTURE(BM_EarthLBRWith, sse2, tarvel::SeriesKernel::kSse2);
BENCHMARK_CAPTURE(BM_EarthLBRWith, avx2, tarvel::SeriesKernel::kAvx2);
BENCHMARK_CAPTURE(BM_EarthLBRWith, avx512, tarvel::SeriesKernel::kAvx512);

// One of the three functions alone.
void BM_EarthOne(benchmark::State& state, double (*function)(double), std::size_t termsPerCall) {
    std::size_t i = 0;
    for (auto _ : state) {
        double jde = kInstants[i++ % kInstantCount];
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(function(jde));
    }
    ReportPerTerm(state, termsPerCall);
}
BENCHMARK_CAPTURE(BM_EarthOne, L, tarvel::EarthHeliocentricLongitude, CountTerms(kEarthL, 6));
BENCHMARK_CAPTURE(BM_EarthOne, B, tarvel::EarthHeliocentricLatitude, CountTerms(kEarthB, 5));
BENCHMARK_CAPTURE(BM_EarthOne, R, tarvel::EarthRadiusVector, CountTerms(kEarthR, 6));

// Baseline: as many plain cosines as L, B and R have terms, at the arguments
// B + C tau of 2025 January 1, summed with the amplitudes.
void BM_CosineBaseline(benchmark::State& state) {
    std::vector<double> amplitudes;
    std::vector<double> arguments;
    const double tau = (kInstants[0] - 2451545) / 365250;
    for (const Vsop87Series* group : {kEarthL, kEarthB, kEarthR}) {
        const int count = group == kEarthB ? 5 : 6;
        for (int k = 0; k < count; ++k) {
            for (std::size_t t = 0; t < group[k].count; ++t) {
                amplitudes.push_back(group[k].terms[t].A);
                arguments.push_back(group[k].terms[t].B + group[k].terms[t].C * tau);
            }
        }
    }
    for (auto _ : state) {
        double sum = 0.0;
        for (std::size_t t = 0; t < arguments.size(); ++t) {
            double argument = arguments[t];
            benchmark::DoNotOptimize(argument);
            sum += amplitudes[t] * std::cos(argument);
        }
        benchmark::DoNotOptimize(sum);
    }
    ReportPerTerm(state, arguments.size());
}
BENCHMARK(BM_CosineBaseline);

}  // namespace
