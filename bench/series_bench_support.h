// Shared pieces of the benchmarks that compare the series kernels: a timer for
// ratios measured in the same run, and the bare loop of vector cosines that is
// the throughput limit of a series evaluation.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <vector>

#include "astro/earth_position.h"
#include "astro/series_kernel.h"

namespace tarvel::bench_support {

// Seconds per call of f(i), over n calls.
template <typename F>
double SecondsPerCall(int n, F f) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) f(i);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / n;
}

// The terms of all 17 series of the Earth.
inline std::size_t EarthTermCount() {
    std::size_t terms = 0;
    for (const Vsop87Series& s : kEarthL) terms += s.count;
    for (const Vsop87Series& s : kEarthB) terms += s.count;
    for (const Vsop87Series& s : kEarthR) terms += s.count;
    return terms;
}

// Seconds for the cosines of n arguments with a kernel's Cosines (std::cos for
// kScalar), stored to an array: no series, no table, only the cosine calls. The
// arguments are those of the Earth's series on 2025 January 1 (B + C tau),
// repeated as needed.
inline double BareCosineSeconds(SeriesKernel kernel, std::size_t n) {
    std::vector<double> arguments;
    const double tau = (2460676.5 - 2451545) / 365250;
    while (arguments.size() < n) {
        for (const Vsop87Series* group : {kEarthL, kEarthB, kEarthR}) {
            const int count = group == kEarthB ? 5 : 6;
            for (int k = 0; k < count; ++k) {
                for (std::size_t t = 0; t < group[k].count && arguments.size() < n; ++t) {
                    arguments.push_back(group[k].terms[t].B + group[k].terms[t].C * tau);
                }
            }
        }
    }
    std::vector<double> cosines(n);
    return SecondsPerCall(400, [&](int) {
        Cosines(kernel, arguments.data(), cosines.data(), n);
        benchmark::DoNotOptimize(cosines.data());
        benchmark::ClobberMemory();
    });
}

}  // namespace tarvel::bench_support
