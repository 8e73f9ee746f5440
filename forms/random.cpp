#include "forms/random.h"

#include <cstring>

namespace forms {

void Random::randomize(double seed) {
    // Seeds that differ by a fraction of a second give different sequences:
    // every bit of the single-precision value takes part. (The bits are
    // copied rather than bit_cast, which not every C++ library has.)
    const float single = static_cast<float>(seed);
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof single);
    std::memcpy(&bits, &single, sizeof bits);
    const std::uint32_t folded = bits ^ (bits >> 8) ^ (bits << 8);
    state_ = (state_ ^ folded) & kMask;
}

float Random::next() {
    state_ = (state_ * 1140671485U + 12820163U) & kMask;
    return static_cast<float>(state_) / 16777216.0F;
}

}  // namespace forms
