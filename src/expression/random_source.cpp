#include "expression/random_source.h"

#include <chrono>

namespace qv {

namespace {

constexpr uint32_t kStateMask = 0xFFFFFFu;
constexpr uint32_t kMultiplier = 0x43FD43FDu;
constexpr uint32_t kIncrement = 0xC39EC3u;
constexpr float kStateRange = 16777216.0f;  // 2^24

uint32_t clockSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    const auto wide = static_cast<uint64_t>(ticks);
    return static_cast<uint32_t>(wide ^ (wide >> 32));
}

}  // namespace

RandomSource::RandomSource() { seed(clockSeed()); }

RandomSource::RandomSource(uint32_t s) { seed(s); }

void RandomSource::seed(uint32_t s) {
    // Fold the top byte in so that seeds differing only there still give
    // different sequences.
    state_ = (s ^ (s >> 24)) & kStateMask;
}

float RandomSource::next() {
    // Unsigned arithmetic wraps modulo 2^32, which is consistent with the
    // modulo 2^24 the mask applies. The multiplier is 1 mod 4 and the
    // increment odd, so the period is the full 2^24.
    state_ = (state_ * kMultiplier + kIncrement) & kStateMask;
    // Every 24-bit value is exact in a float, and the largest one divided
    // by 2^24 stays below 1.
    return static_cast<float>(state_) / kStateRange;
}

}  // namespace qv
