// Shared pieces of the benchmarks that compare the series kernels: timers for
// ratios measured in the same run, and the bare loop of vector cosines that is
// the throughput limit of a series evaluation.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <limits>
#include <vector>

#include "astro/earth_position.h"
#include "astro/series_kernel.h"

namespace tarvel::bench_support {

// Seconds per call of f(i), over n calls.
template <typename F>
double SecondsPerCall(int n, F&& f) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) f(i);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / n;
}

// The ratio of the seconds per call of a to those of b, each the least over
// `rounds` rounds of n calls, the rounds of a and b alternating: on a shared
// machine the least time is the least disturbed one, and alternating lets both
// see the same load.
template <typename A, typename B>
double LeastTimeRatio(int rounds, int n, A&& a, B&& b) {
    double leastA = std::numeric_limits<double>::infinity();
    double leastB = leastA;
    for (int r = 0; r < rounds; ++r) {
        leastA = std::min(leastA, SecondsPerCall(n, a));
        leastB = std::min(leastB, SecondsPerCall(n, b));
    }
    return leastA / leastB;
}

// Seconds per call of each function, each the least over `rounds` rounds of n
// calls, the rounds of the functions alternating (as LeastTimeRatio).
inline std::vector<double> LeastTimes(int rounds, int n,
                                      const std::vector<std::function<void(int)>>& functions) {
    std::vector<double> least(functions.size(), std::numeric_limits<double>::infinity());
    for (int r = 0; r < rounds; ++r) {
        for (std::size_t f = 0; f < functions.size(); ++f) {
            least[f] = std::min(least[f], SecondsPerCall(n, functions[f]));
        }
    }
    return least;
}

// The terms of all 17 series of the Earth.
inline std::size_t EarthTermCount() {
    std::size_t terms = 0;
    for (const Vsop87Series& s : kEarthL) terms += s.count;
    for (const Vsop87Series& s : kEarthB) terms += s.count;
    for (const Vsop87Series& s : kEarthR) terms += s.count;
    return terms;
}

// A bare loop of n cosines with a kernel's Cosines (std::cos for kScalar),
// stored to an array: no series, no table, only the cosine calls. The arguments
// are those of the Earth's series on 2025 January 1 (B + C tau), repeated as
// needed. Call it as f(i).
class BareCosines {
  public:
    BareCosines(SeriesKernel kernel, std::size_t n) : kernel_(kernel), cosines_(n) {
        const double tau = (2460676.5 - 2451545) / 365250;
        while (arguments_.size() < n) {
            for (const Vsop87Series* group : {kEarthL, kEarthB, kEarthR}) {
                const int count = group == kEarthB ? 5 : 6;
                for (int k = 0; k < count; ++k) {
                    for (std::size_t t = 0; t < group[k].count && arguments_.size() < n; ++t) {
                        arguments_.push_back(group[k].terms[t].B + group[k].terms[t].C * tau);
                    }
                }
            }
        }
    }

    void operator()(int) {
        Cosines(kernel_, arguments_.data(), cosines_.data(), arguments_.size());
        benchmark::DoNotOptimize(cosines_.data());
        benchmark::ClobberMemory();
    }

  private:
    SeriesKernel kernel_;
    std::vector<double> arguments_;
    std::vector<double> cosines_;
};

}  // namespace tarvel::bench_support
