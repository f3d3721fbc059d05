// The year charts' one kind of parallel work: every index of a range once, on
// as many threads as the machine has processors.
#pragma once

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tarvel {

template <typename Body>
void ForEachOnAllCores(int count, const Body& body) {
    if (count <= 0) return;
    const unsigned threads =
        std::clamp(std::thread::hardware_concurrency(), 1u, static_cast<unsigned>(count));
    std::atomic<int> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto work = [&] {
        for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
            try {
                body(i);
            } catch (...) {
                const std::lock_guard lock(failureMutex);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(threads - 1);
        for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
        work();
    }  // joins the helpers
    if (failure) std::rethrow_exception(failure);
}

}  // namespace tarvel
