// The Sun states of one call of the solar computation, kept by the clock
// reading they were evaluated at.
//
// Given:    a clock reading (hour, minute, second as the driver passes them
//           to the evaluation) and the Sun state evaluated there.
// Returned: for a reading seen before in the call, the state it had.
// Notes:    a search that comes back to a reading already evaluated (the scans
//           of the Qibla window over a grid of 0.1 h, a check at the estimate a
//           search ended on) takes the state it had, which is what evaluating
//           again gives: an evaluation is a pure function of the reading within
//           one call. Readings are told apart by the second's bits (-0.0 and
//           0.0 are two readings), so a kept state is the one the evaluation
//           would return, to the last bit. Open addressing over a fixed table
//           of Slots slots (512 for one call, SunMemo; 4096 for the calls of
//           one civil date, DaySunMemo); once three quarters are used,
//           readings are evaluated without being kept. No allocation.
// References: D. E. Knuth, The Art of Computer Programming, vol. 3, 6.4
//           (open addressing with linear probing); the slot from a
//           multiply-xorshift mix with the first multiplier of S. Vigna's
//           splitmix64.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "astro/apparent_sun.h"

namespace tarvel {

template <std::size_t Slots>
class BasicSunMemo {
  public:
    // Copies the state kept for the reading to state; false when there is none.
    bool Find(int hour, int minute, double second, SunState& state) const;
    // Keeps the state for the reading unless one is kept or the table is full.
    void Keep(int hour, int minute, double second, const SunState& state);
    // Forgets every kept state.
    void Clear();

  private:
    static_assert((Slots & (Slots - 1)) == 0, "a power of two");
    static constexpr std::size_t kSlots = Slots;
    static constexpr std::size_t kMaxKept = kSlots * 3 / 4;  // keeps probes short

    struct Key {
        std::int64_t hourMinute;
        std::uint64_t secondBits;  // the second's bits: -0.0 and 0.0 are two readings
        friend bool operator==(const Key&, const Key&) = default;
    };

    static Key MakeKey(int hour, int minute, double second);
    static std::size_t Slot(const Key& key);

    // A state's bytes (SunState is trivially copyable), left uninitialised
    // until kept: a call keeps a few hundred states at most.
    struct StateBytes {
        alignas(SunState) unsigned char bytes[sizeof(SunState)];
    };
    static_assert(std::is_trivially_copyable_v<SunState>);

    bool used_[kSlots] = {};
    std::size_t count_ = 0;
    Key keys_[kSlots];
    StateBytes states_[kSlots];
};

extern template class BasicSunMemo<512>;
extern template class BasicSunMemo<4096>;

// The evaluations of one call.
using SunMemo = BasicSunMemo<512>;
// The evaluations of the calls of one civil date at one site (solar_computation_series.h).
using DaySunMemo = BasicSunMemo<4096>;

}  // namespace tarvel
