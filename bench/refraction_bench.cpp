// Cost of one refraction by each model at true altitudes of 0, 10 and 45 degrees
// (1013.25 mbar, 15 C, 50 % humidity, latitude 45, height 0). The ratio
// benchmark times both models inside the same iterations, so its ratio holds on
// a shared, noisy machine.
#include <benchmark/benchmark.h>

#include <chrono>

#include "astro/refraction.h"

namespace {

constexpr double kPressure = 1013.25;
constexpr double kTemperature = 15.0;
constexpr double kLatitude = 45.0;
constexpr double kHeightM = 0.0;
constexpr double kHumidity = 50.0;

void BM_BennettRefraction(benchmark::State& state) {
    double h = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(h);
        benchmark::DoNotOptimize(tarvel::BennettRefraction(h, kPressure, kTemperature));
    }
}
BENCHMARK(BM_BennettRefraction)->Arg(0)->Arg(10)->Arg(45);

void BM_IntegratedRefraction(benchmark::State& state) {
    double h = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(h);
        benchmark::DoNotOptimize(tarvel::IntegratedRefraction(kLatitude, kHeightM, kHumidity, h,
                                                              kPressure, kTemperature));
    }
}
BENCHMARK(BM_IntegratedRefraction)->Arg(0)->Arg(10)->Arg(45);

// Each iteration times a batch of integrations and a batch of formula
// evaluations; the counters give ns per call of each and their ratio.
void BM_IntegratedOverBennett(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kBennettBatch = 256;
    constexpr int kIntegratedBatch = 4;
    double h = static_cast<double>(state.range(0));
    double bennettNs = 0.0;
    double integratedNs = 0.0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < kIntegratedBatch; ++i) {
            benchmark::DoNotOptimize(h);
            benchmark::DoNotOptimize(tarvel::IntegratedRefraction(kLatitude, kHeightM, kHumidity, h,
                                                                  kPressure, kTemperature));
        }
        const auto t1 = Clock::now();
        for (int i = 0; i < kBennettBatch; ++i) {
            benchmark::DoNotOptimize(h);
            benchmark::DoNotOptimize(tarvel::BennettRefraction(h, kPressure, kTemperature));
        }
        const auto t2 = Clock::now();
        integratedNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
        bennettNs += std::chrono::duration<double, std::nano>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    const double perIntegrated = integratedNs / (n * kIntegratedBatch);
    const double perBennett = bennettNs / (n * kBennettBatch);
    state.counters["integrated_ns"] = perIntegrated;
    state.counters["bennett_ns"] = perBennett;
    state.counters["integrated_per_bennett"] = perIntegrated / perBennett;
}
BENCHMARK(BM_IntegratedOverBennett)->Arg(0)->Arg(10)->Arg(45);

}  // namespace
