// Decimal text read into the nearest double, rounded half to even: checked
// exactly on the halfway points between neighbouring doubles, where a
// reading that is off by the least amount rounds the wrong way.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "forms/decimal_to_double.h"

namespace coretest {
namespace {

using forms::DecimalReading;
using forms::readDecimal;
using Outcome = DecimalReading::Outcome;
using Limits = std::numeric_limits<double>;

// The double a text reads as; fails the test for any other outcome.
double valueOf(const std::string& text) {
    const DecimalReading reading = readDecimal(text);
    EXPECT_EQ(reading.outcome, Outcome::Number) << text;
    return reading.value;
}

// A decimal number as exact digits × 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
    [[nodiscard]] std::string text() const { return digits + "e" + std::to_string(exponent); }
};

// The digits of value × factor^times, exactly.
std::string digitsOfProduct(std::uint64_t value, int factor, int times) {
    std::vector<int> digits;  // least significant first
    for (; value != 0; value /= 10) digits.push_back(static_cast<int>(value % 10));
    for (int i = 0; i < times; ++i) {
        int carry = 0;
        for (int& digit : digits) {
            const int product = digit * factor + carry;
            digit = product % 10;
            carry = product / 10;
        }
        for (; carry != 0; carry /= 10) digits.push_back(carry % 10);
    }
    std::string text;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        text += static_cast<char>('0' + *digit);
    }
    return text;
}

// A positive double as units × 2^unitExponent, units a whole number below
// 2^53 and the unit that of its last bit.
struct Units {
    std::uint64_t units = 0;
    int unitExponent = 0;
};

Units unitsOf(double value) {
    int exponent = 0;
    (void)std::frexp(value, &exponent);
    const int unitExponent = std::max(exponent - 53, -1074);
    return {static_cast<std::uint64_t>(std::ldexp(value, -unitExponent)), unitExponent};
}

// The point exactly halfway between a positive double and the next one up:
// (2 units + 1) × 2^(unitExponent - 1).
Decimal halfwayAbove(double value) {
    const Units units = unitsOf(value);
    const std::uint64_t odd = 2 * units.units + 1;
    const int power = units.unitExponent - 1;
    if (power >= 0) return {digitsOfProduct(odd, 2, power), 0};
    return {digitsOfProduct(odd, 5, -power), power};
}

// The same number with `extra` digits appended, the last of them `last`
// and the others zero; `below` takes one from the last digit first, so
// that the new digits lie just under the number instead of just over it.
Decimal nudged(Decimal number, int extra, char last, bool below) {
    if (below) {
        size_t at = number.digits.size();
        while (number.digits[--at] == '0') number.digits[at] = '9';
        --number.digits[at];
    }
    number.digits += std::string(extra - 1, below ? '9' : '0') + last;
    number.exponent -= extra;
    return number;
}

double nextUp(double value) { return std::nextafter(value, Limits::infinity()); }

TEST(DecimalToDoubleTest, ReadsOnlyTheDecimalGrammar) {
    for (const char* text : {"0", "-0", "7", "1.", ".5", "-.5", "00012", "1e5", "1E+5", "1e-5",
                             "2.5e0", "0e999999999999999999999999", "-1.25E-3"}) {
        EXPECT_EQ(readDecimal(text).outcome, Outcome::Number) << text;
    }
    for (const char* text : {"",    "-",   ".",   "-.", "e5",    ".e5",         "1e",    "1e+",
                             "1e-", "+1",  "--1", " 1", "1 ",    "1.2.3",       "1e5.0", "0x10",
                             "1,5", "inf", "nan", "1f", "1e5e5", "\xef\xbc\x91"}) {
        EXPECT_EQ(readDecimal(text).outcome, Outcome::NotNumber) << text;
    }
}

TEST(DecimalToDoubleTest, ReadsTheNearestDouble) {
    EXPECT_EQ(valueOf("0.1"), 0.1);
    EXPECT_EQ(valueOf("-2.5"), -2.5);
    EXPECT_EQ(valueOf("1e23"), 1e23);
    EXPECT_EQ(valueOf("8.589973e9"), 8.589973e9);
    EXPECT_EQ(valueOf("123456789012345678901234567890"), 123456789012345678901234567890.0);
    EXPECT_EQ(valueOf("0.000000000000000000000000000001"), 1e-30);
    EXPECT_EQ(valueOf("2.2250738585072011e-308"), 0x0.fffffffffffffp-1022);
    EXPECT_EQ(valueOf("2.2250738585072014e-308"), Limits::min());
    EXPECT_EQ(valueOf("4.9e-324"), Limits::denorm_min());
    EXPECT_EQ(valueOf("1.7976931348623157e308"), Limits::max());
    EXPECT_EQ(valueOf("1.7976931348623158e308"), Limits::max());
    EXPECT_EQ(valueOf("0.0017976931348623157e311"), Limits::max());
}

TEST(DecimalToDoubleTest, TooCloseToZeroIsASignedZero) {
    for (const char* text : {"1e-400", "2.4703282292062327e-324", "0.0000e-99999999"}) {
        EXPECT_EQ(valueOf(text), 0.0) << text;
        EXPECT_FALSE(std::signbit(valueOf(text))) << text;
        EXPECT_TRUE(std::signbit(valueOf(std::string("-") + text))) << text;
    }
    EXPECT_EQ(valueOf("2.4703282292062328e-324"), Limits::denorm_min());
}

TEST(DecimalToDoubleTest, BeyondTheLargestDoubleIsTooLarge) {
    for (const char* text : {"1.7976931348623159e308", "-1e309", "1e99999999999999999999",
                             "0.00001e999999999999999999999999999999"}) {
        EXPECT_EQ(readDecimal(text).outcome, Outcome::TooLarge) << text;
    }
}

TEST(DecimalToDoubleTest, HalfwayBetweenTwoDoublesRoundsToTheEvenOne) {
    const double below2To53 = 9007199254740991.0;
    for (const double lower :
         {1.0, 0.1, 3.0, below2To53, 9007199254740992.0, 1e23, 1e300, Limits::denorm_min(),
          0.0 + 2 * Limits::denorm_min(), Limits::min() - Limits::denorm_min(), Limits::min(),
          Limits::max() / 2}) {
        const double upper = nextUp(lower);
        const double even = unitsOf(lower).units % 2 == 0 ? lower : upper;
        const Decimal halfway = halfwayAbove(lower);
        EXPECT_EQ(valueOf(halfway.text()), even) << halfway.text();
        EXPECT_EQ(valueOf(nudged(halfway, 1, '1', false).text()), upper) << lower;
        EXPECT_EQ(valueOf(nudged(halfway, 1, '9', true).text()), lower) << lower;
        EXPECT_EQ(valueOf("-" + halfway.text()), -valueOf(halfway.text())) << lower;
    }
    // The smallest subnormal's own halfway point from zero rounds to zero,
    // the even one.
    const Decimal halfDenormMin{digitsOfProduct(1, 5, 1075), -1075};
    EXPECT_EQ(valueOf(halfDenormMin.text()), 0.0);
    EXPECT_EQ(valueOf(nudged(halfDenormMin, 3, '1', false).text()), Limits::denorm_min());
}

TEST(DecimalToDoubleTest, ADigitFarBeyondAHalfwayPointStillDecides) {
    // Halfway points between subnormals have over 760 significant digits:
    // the deciding digit lies hundreds of places past them. The lower
    // neighbour is the even one, so a lost digit would round down.
    const double lower = Limits::min() - 2 * Limits::denorm_min();
    const double upper = nextUp(lower);
    ASSERT_EQ(unitsOf(lower).units % 2, 0U);
    const Decimal halfway = halfwayAbove(lower);
    ASSERT_GT(halfway.digits.size(), 760U);
    EXPECT_EQ(valueOf(nudged(halfway, 500, '1', false).text()), upper);
    EXPECT_EQ(valueOf(nudged(halfway, 500, '0', false).text()), lower);
    EXPECT_EQ(valueOf(nudged(halfway, 500, '1', true).text()), lower);
    // Written with a point and leading zeros instead of an exponent.
    const std::string fraction =
        "0." + std::string(static_cast<size_t>(-halfway.exponent) - halfway.digits.size(), '0') +
        halfway.digits;
    EXPECT_EQ(valueOf(fraction + std::string(300, '0')), lower);
    EXPECT_EQ(valueOf(fraction + std::string(300, '0') + "1"), upper);
}

TEST(DecimalToDoubleTest, HalfwayAboveTheLargestDoubleIsTooLarge) {
    const Decimal halfway = halfwayAbove(Limits::max());
    EXPECT_EQ(readDecimal(halfway.text()).outcome, Outcome::TooLarge);
    EXPECT_EQ(valueOf(nudged(halfway, 5, '1', true).text()), Limits::max());
}

#if defined(__cpp_lib_to_chars)
// Where the C++ library reads floating-point numbers itself, both readings
// agree on numbers of every size and length.
TEST(DecimalToDoubleTest, AgreesWithTheLibrarysOwnReading) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-360, 330);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i) text += static_cast<char>('0' + digit(random));
        text += "e" + std::to_string(exponent(random));
        double expected = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(end, text.data() + text.size());
        const DecimalReading reading = readDecimal(text);
        if (error == std::errc::result_out_of_range) {
            // Too large where the exponent is positive, too close to zero
            // where it is negative (no mantissa here is long enough to
            // bring either back).
            if (text.find("e-") == std::string::npos) {
                EXPECT_EQ(reading.outcome, Outcome::TooLarge) << text;
            } else {
                EXPECT_EQ(reading.outcome, Outcome::Number) << text;
                EXPECT_EQ(reading.value, 0.0) << text;
            }
            continue;
        }
        ASSERT_EQ(reading.outcome, Outcome::Number) << text;
        EXPECT_EQ(reading.value, expected) << text;
    }
}
#endif

}  // namespace
}  // namespace coretest
