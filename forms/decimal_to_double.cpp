#include "forms/decimal_to_double.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace forms {
namespace {

// Significant digits kept exactly. A tie between two doubles has at most 767
// significant digits, so a nonzero digit beyond these can only tell "just
// above" from "exactly on" a tie; one digit 1 in its place says the same.
constexpr size_t kKeptDigits = 800;
// Exponents stop growing once past this: no text is long enough
// for the digits of its number to bring such an exponent back into range.
constexpr std::int64_t kExponentCap = 100'000'000'000'000'000;

constexpr int kMantissaBits = 53;
constexpr int kLowestExponent = -1074;  // of the last bit of the smallest subnormal
constexpr int kHighestExponent = 971;   // of the last bit of the largest double
constexpr std::uint64_t kHidden = std::uint64_t{1} << (kMantissaBits - 1);

// An unsigned whole number of any size, in 32-bit words, least significant
// first, with just the arithmetic the conversion needs.
class BigNumber {
public:
    explicit BigNumber(std::uint32_t value) {
        if (value != 0) words_.push_back(value);
    }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& word : words_) {
            const std::uint64_t product = std::uint64_t{word} * factor + carry;
            word = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
    }

    void multiplyByPowerOfTen(std::int64_t power) {
        for (; power >= 9; power -= 9) multiplyAdd(1'000'000'000, 0);
        for (; power > 0; --power) multiplyAdd(10, 0);
    }

    void shiftLeft(std::int64_t bits) {
        if (words_.empty() || bits == 0) return;
        const auto wholeWords = static_cast<size_t>(bits / 32);
        const auto rest = static_cast<unsigned>(bits % 32);
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& word : words_) {
                const std::uint32_t next = word >> (32 - rest);
                word = (word << rest) | carry;
                carry = next;
            }
            if (carry != 0) words_.push_back(carry);
        }
        words_.insert(words_.begin(), wholeWords, 0);
    }

    void shiftRightOne() {
        for (size_t i = 0; i < words_.size(); ++i) {
            const std::uint32_t high = i + 1 < words_.size() ? words_[i + 1] << 31 : 0;
            words_[i] = (words_[i] >> 1) | high;
        }
        trim();
    }

    // Subtracts a number no larger than this one.
    void subtract(const BigNumber& other) {
        std::int64_t borrow = 0;
        for (size_t i = 0; i < words_.size(); ++i) {
            std::int64_t difference =
                std::int64_t{words_[i]} - borrow - (i < other.words_.size() ? other.words_[i] : 0);
            borrow = difference < 0 ? 1 : 0;
            if (difference < 0) difference += std::int64_t{1} << 32;
            words_[i] = static_cast<std::uint32_t>(difference);
        }
        trim();
    }

    [[nodiscard]] std::int64_t bitLength() const {
        if (words_.empty()) return 0;
        std::int64_t bits = static_cast<std::int64_t>(words_.size() - 1) * 32;
        for (std::uint32_t top = words_.back(); top != 0; top >>= 1) ++bits;
        return bits;
    }

    friend int compare(const BigNumber& a, const BigNumber& b) {
        if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
        for (size_t i = a.words_.size(); i-- > 0;) {
            if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
        }
        return 0;
    }

private:
    void trim() {
        while (!words_.empty() && words_.back() == 0) words_.pop_back();
    }

    std::vector<std::uint32_t> words_;
};

// The quotient of two numbers whose quotient has at most 60 bits; the
// dividend is left holding the remainder.
std::uint64_t divide(BigNumber& dividend, BigNumber divisor) {
    constexpr int kQuotientBits = 60;
    divisor.shiftLeft(kQuotientBits - 1);
    std::uint64_t quotient = 0;
    for (int bit = kQuotientBits - 1; bit >= 0; --bit) {
        if (compare(dividend, divisor) >= 0) {
            dividend.subtract(divisor);
            quotient |= std::uint64_t{1} << bit;
        }
        divisor.shiftRightOne();
    }
    return quotient;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number's text taken apart: its value is digits × 10^exponent.
struct DecimalParts {
    bool negative = false;
    std::string digits;  // without leading zeros; empty for zero
    std::int64_t exponent = 0;
};

bool splitDecimal(std::string_view text, DecimalParts& parts) {
    size_t at = 0;
    parts.negative = at < text.size() && text[at] == '-';
    if (parts.negative) ++at;

    size_t mantissaDigits = 0;
    bool droppedNonZero = false;
    const auto takeDigits = [&](bool afterPoint) {
        for (; at < text.size() && isDigit(text[at]); ++at) {
            ++mantissaDigits;
            if (afterPoint) --parts.exponent;
            if (parts.digits.empty() && text[at] == '0') continue;
            if (parts.digits.size() < kKeptDigits) {
                parts.digits.push_back(text[at]);
            } else {
                ++parts.exponent;
                droppedNonZero = droppedNonZero || text[at] != '0';
            }
        }
    };
    takeDigits(false);
    if (at < text.size() && text[at] == '.') {
        ++at;
        takeDigits(true);
    }
    if (mantissaDigits == 0) return false;
    if (droppedNonZero) {
        parts.digits.push_back('1');
        --parts.exponent;
    }

    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        const size_t exponentStart = at;
        std::int64_t magnitude = 0;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            if (magnitude < kExponentCap) magnitude = magnitude * 10 + (text[at] - '0');
        }
        if (at == exponentStart) return false;
        parts.exponent += negativeExponent ? -magnitude : magnitude;
    }
    return at == text.size();
}

// The nearest double to digits × 10^exponent, found exactly: the number as
// a fraction of two whole numbers, scaled by a power of two so that the
// quotient has 53 bits (fewer for a subnormal), and its remainder deciding
// the rounding.
DecimalReading nearestDouble(const DecimalParts& parts) {
    const double sign = parts.negative ? -1.0 : 1.0;
    const auto digitCount = static_cast<std::int64_t>(parts.digits.size());
    // The number lies in [10^(digitCount - 1 + exponent), 10^(digitCount + exponent)).
    if (parts.digits.empty() || digitCount + parts.exponent < -324) {
        return {DecimalReading::Outcome::Number, sign * 0.0};
    }
    if (digitCount - 1 + parts.exponent > 308) return {DecimalReading::Outcome::TooLarge};

    BigNumber numerator(0);
    for (const char digit : parts.digits) {
        numerator.multiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    }
    BigNumber denominator(1);
    if (parts.exponent > 0) {
        numerator.multiplyByPowerOfTen(parts.exponent);
    } else {
        denominator.multiplyByPowerOfTen(-parts.exponent);
    }

    // number / 2^binaryExponent = quotient + remainder / divisor
    std::int64_t binaryExponent = std::max<std::int64_t>(
        numerator.bitLength() - denominator.bitLength() - kMantissaBits, kLowestExponent);
    for (;;) {
        BigNumber remainder = numerator;
        BigNumber divisor = denominator;
        if (binaryExponent >= 0) {
            divisor.shiftLeft(binaryExponent);
        } else {
            remainder.shiftLeft(-binaryExponent);
        }
        std::uint64_t quotient = divide(remainder, divisor);
        if (quotient >= 2 * kHidden) {
            ++binaryExponent;
            continue;
        }
        if (quotient < kHidden && binaryExponent > kLowestExponent) {
            --binaryExponent;
            continue;
        }

        remainder.shiftLeft(1);
        const int half = compare(remainder, divisor);
        if (half > 0 || (half == 0 && (quotient & 1) != 0)) ++quotient;
        if (quotient == 2 * kHidden) {
            quotient = kHidden;
            ++binaryExponent;
        }
        if (binaryExponent > kHighestExponent) return {DecimalReading::Outcome::TooLarge};
        const double magnitude =
            std::ldexp(static_cast<double>(quotient), static_cast<int>(binaryExponent));
        return {DecimalReading::Outcome::Number, sign * magnitude};
    }
}

}  // namespace

DecimalReading readDecimal(std::string_view text) {
    DecimalParts parts;
    if (!splitDecimal(text, parts)) return {DecimalReading::Outcome::NotNumber};
    return nearestDouble(parts);
}

}  // namespace forms
