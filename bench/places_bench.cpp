// Cost of finding a place by name in the gazetteer, as --place does (the first
// place) and as the window's list does (ten), for whole names in several
// scripts, a narrowed query and one letter (the widest range of keys). The
// gazetteer is mapped before the timing starts. The ratio benchmark times a
// lookup and the folding of its query inside the same iterations: the search
// over the folding alone, a ratio that holds on a shared, noisy machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "places/name_fold.h"
#include "places/place_search.h"

namespace {

const char* const kQueries[] = {"Roma", "St Petersburg", "München", "Москва", "Rome, US", "s"};

void BM_FindPlaces(benchmark::State& state) {
    const std::string query = kQueries[state.range(0)];
    const auto limit = static_cast<std::size_t>(state.range(1));
    benchmark::DoNotOptimize(tarvel::FindPlaces("Roma", 1));  // the mapping, once
    for (auto _ : state) benchmark::DoNotOptimize(tarvel::FindPlaces(query, limit));
    state.SetLabel(query);
}
BENCHMARK(BM_FindPlaces)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 10}})->Unit(benchmark::kMicrosecond);

void BM_FindPlacesOverFolding(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kFoldBatch = 16;
    const std::string query = kQueries[state.range(0)];
    benchmark::DoNotOptimize(tarvel::FindPlaces("Roma", 1));
    double findNs = 0.0, foldNs = 0.0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(tarvel::FindPlaces(query, 1));
        const auto t1 = Clock::now();
        for (int i = 0; i < kFoldBatch; ++i) benchmark::DoNotOptimize(tarvel::FoldName(query));
        const auto t2 = Clock::now();
        findNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
        foldNs += std::chrono::duration<double, std::nano>(t2 - t1).count() / kFoldBatch;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["find_us"] = findNs / n / 1000.0;
    state.counters["fold_us"] = foldNs / n / 1000.0;
    state.counters["find_over_fold"] = foldNs > 0.0 ? findNs / foldNs : 0.0;
    state.SetLabel(query);
}
BENCHMARK(BM_FindPlacesOverFolding)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
