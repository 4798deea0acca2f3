#pragma once

#include <cstdint>

namespace qv {

// The program's one uniform random generator, shared by the "rnd" function of
// expressions and by the visual effects. A 24-bit linear congruential
// generator of the classic BASIC kind: cheap, reproducible for a given seed,
// and its result is always strictly below 1.
class RandomSource {
public:
    RandomSource();  // seeded from the clock
    explicit RandomSource(uint32_t seed);

    // Restarts the sequence; the same seed always yields the same sequence.
    void seed(uint32_t s);

    // The next number, uniform in [0, 1), single precision.
    float next();

private:
    uint32_t state_ = 0;  // only the low 24 bits are ever used
};

}  // namespace qv
