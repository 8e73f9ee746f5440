// The runtime's random numbers: repeatable from a seed, fractions in [0, 1)
// exact in single precision, and every value of the cycle reached.

#include <gtest/gtest.h>

#include <vector>

#include "forms/random.h"

namespace coretest {
namespace {

std::vector<float> draw(forms::Random& random, int count) {
    std::vector<float> values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) values.push_back(random.next());
    return values;
}

TEST(RandomTest, TheSameSeedGivesTheSameSequence) {
    forms::Random a;
    forms::Random b;
    a.randomize(32700.25);
    b.randomize(32700.25);
    EXPECT_EQ(draw(a, 100), draw(b, 100));
}

// The sequence follows from the bits of the seed in single precision, so a
// seed gives the same numbers on every processor and C++ library.
TEST(RandomTest, ASeedGivesTheSameNumbersOnEveryPlatform) {
    const auto firstThree = [](double seed) {
        forms::Random random;
        random.randomize(seed);
        std::vector<float> values = draw(random, 3);
        for (float& value : values) value *= 16777216.0F;
        return values;
    };
    EXPECT_EQ(firstThree(32700.25), (std::vector<float>{11364059, 8164914, 10298413}));
    EXPECT_EQ(firstThree(-1.5), (std::vector<float>{5463747, 11292282, 2693973}));
    EXPECT_EQ(firstThree(1e30), (std::vector<float>{12593947, 10832242, 2669}));
}

TEST(RandomTest, SeedsAPartOfASecondApartGiveDifferentSequences) {
    forms::Random a;
    forms::Random b;
    forms::Random unseeded;
    a.randomize(32700.25);
    b.randomize(32700.5);
    const auto first = draw(a, 20);
    EXPECT_NE(first, draw(b, 20));
    EXPECT_NE(first, draw(unseeded, 20));
}

TEST(RandomTest, TheCycleVisitsEveryFractionOnceAndStaysBelowOne) {
    forms::Random random;
    random.randomize(12345.0);
    constexpr int kCycle = 1 << 24;
    std::vector<bool> seen(kCycle);
    for (int i = 0; i < kCycle; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        const double scaled = static_cast<double>(r) * kCycle;
        ASSERT_EQ(scaled, static_cast<int>(scaled)) << "not exact in single precision";
        ASSERT_FALSE(seen[static_cast<int>(scaled)]) << "cycle shorter than 2^24, at " << i;
        seen[static_cast<int>(scaled)] = true;
    }
}

}  // namespace
}  // namespace coretest
