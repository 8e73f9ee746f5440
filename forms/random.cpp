#include "forms/random.h"

#include <bit>

namespace forms {

void Random::randomize(double seed) {
    // Seeds that differ by a fraction of a second give different sequences:
    // every bit of the single-precision value takes part.
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(seed));
    const std::uint32_t folded = bits ^ (bits >> 8) ^ (bits << 8);
    state_ = (state_ ^ folded) & kMask;
}

float Random::next() {
    state_ = (state_ * 1140671485U + 12820163U) & kMask;
    return static_cast<float>(state_) / 16777216.0F;
}

}  // namespace forms
