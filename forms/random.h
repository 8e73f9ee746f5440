#pragma once

#include <cstdint>

namespace forms {

// The runtime's random numbers: a linear congruential generator over 24
// bits, so every fraction it yields is exact in single precision and lies
// in [0, 1).
class Random {
public:
    // Seeds the sequence from a number, such as the seconds since midnight.
    void randomize(double seed);
    // The next fraction of the sequence, 0 <= r < 1.
    float next();

private:
    static constexpr std::uint32_t kMask = 0xFFFFFF;
    std::uint32_t state_ = 0x50000;
};

}  // namespace forms
