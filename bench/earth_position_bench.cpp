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

// L, B and R with one kernel at one of the instants, as f(i).
auto EarthLBR(tarvel::SeriesKernel kernel) {
    return [kernel](int i) {
        double jde = kInstants[i % kInstantCount];
        benchmark::DoNotOptimize(jde);
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLongitude(jde, kernel));
        benchmark::DoNotOptimize(tarvel::EarthHeliocentricLatitude(jde, kernel));
        benchmark::DoNotOptimize(tarvel::EarthRadiusVector(jde, kernel));
    };
}

// L, B and R with one kernel. After the timed loop, in the same run:
// speedup_over_scalar, the scalar reference's time over this kernel's, and
// ratio_to_bare_cosines, this kernel's time over a bare loop of as many of its
// cosines as the series have terms (each the least of 30 alternating rounds).
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
    state.counters["speedup_over_scalar"] =
        tarvel::bench_support::LeastTimeRatio(30, 20, EarthLBR(tarvel::SeriesKernel::kScalar), lbr);
    state.counters["ratio_to_bare_cosines"] = tarvel::bench_support::LeastTimeRatio(
        30, 20, lbr, tarvel::bench_support::BareCosines(kernel, terms));
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
