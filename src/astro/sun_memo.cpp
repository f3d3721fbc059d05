#include "astro/sun_memo.h"

#include <cstring>

namespace tarvel {

template <std::size_t Slots>
bool BasicSunMemo<Slots>::Find(int hour, int minute, double second, SunState& state) const {
    const Key key = MakeKey(hour, minute, second);
    for (std::size_t i = Slot(key);; i = (i + 1) & (kSlots - 1)) {
        if (!used_[i]) return false;
        if (keys_[i] == key) {
            std::memcpy(&state, states_[i].bytes, sizeof state);
            return true;
        }
    }
}

template <std::size_t Slots>
void BasicSunMemo<Slots>::Keep(int hour, int minute, double second, const SunState& state) {
    if (count_ >= kMaxKept) return;
    const Key key = MakeKey(hour, minute, second);
    std::size_t i = Slot(key);
    while (used_[i]) {
        if (keys_[i] == key) return;
        i = (i + 1) & (kSlots - 1);
    }
    used_[i] = true;
    keys_[i] = key;
    std::memcpy(states_[i].bytes, &state, sizeof state);
    ++count_;
}

template <std::size_t Slots>
void BasicSunMemo<Slots>::Clear() {
    std::memset(used_, 0, sizeof used_);
    count_ = 0;
}

template <std::size_t Slots>
typename BasicSunMemo<Slots>::Key BasicSunMemo<Slots>::MakeKey(int hour, int minute, double second) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &second, sizeof bits);
    return {static_cast<std::int64_t>(hour) * 4096 + minute, bits};
}

template <std::size_t Slots>
std::size_t BasicSunMemo<Slots>::Slot(const Key& key) {
    std::uint64_t h = key.secondBits ^ (static_cast<std::uint64_t>(key.hourMinute) << 32);
    h ^= h >> 29;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 32;
    return static_cast<std::size_t>(h) & (kSlots - 1);
}

template class BasicSunMemo<512>;
template class BasicSunMemo<4096>;

}  // namespace tarvel
