#include "forms/caption_number.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "forms/runtime_error.h"

namespace forms {
namespace {

constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Most captions hold a handful of plain digits; reading them directly keeps
// the level check, which parses the score many times a millisecond, cheap.
bool parsePlainDigits(std::string_view text, double& out) {
    if (text.empty() || text.size() > 15) return false;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    out = static_cast<double>(value);
    return true;
}

// The power of ten of the first significant digit of a number's text that
// from_chars has read in full ("0.05" gives -2, "12e3" gives 4). Only the
// sign of the result matters, so the exponent is capped.
std::int64_t leadingPowerOfTen(std::string_view text) {
    if (text.front() == '-') text.remove_prefix(1);
    const size_t exponentAt = std::min(text.find_first_of("eE"), text.size());
    const std::string_view mantissa = text.substr(0, exponentAt);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<std::int64_t>(mantissa.find_first_of("123456789"));
    const std::int64_t power = first < point ? point - first - 1 : point - first;

    std::string_view exponent = text.substr(std::min(exponentAt + 1, text.size()));
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
        exponent.remove_prefix(1);
    }
    std::int64_t magnitude = 0;
    for (const char c : exponent) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (c - '0'), 1 << 30);
    }
    return negative ? power - magnitude : power + magnitude;
}

}  // namespace

double parseNumber(std::string_view text) {
    double value = 0;
    if (parsePlainDigits(text, value)) return value;

    text = trimBlanks(text);
    if (text.empty()) throw RuntimeError(RuntimeError::TypeMismatch);
    const bool leadingPlus = text.front() == '+';
    if (leadingPlus) text.remove_prefix(1);
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars accepts "inf" and "nan" (also after a minus sign), which are
    // no numbers in a caption.
    const std::string_view digits = !text.empty() && text.front() == '-' ? text.substr(1) : text;
    if (digits.empty() ||
        !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '.')) {
        throw RuntimeError(RuntimeError::TypeMismatch);
    }
    if (leadingPlus && text.front() == '-') throw RuntimeError(RuntimeError::TypeMismatch);
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    // Text after a number makes no number, however large the number.
    if (error == std::errc::invalid_argument || end != last) {
        throw RuntimeError(RuntimeError::TypeMismatch);
    }
    if (error == std::errc::result_out_of_range) {
        // Out of range on the small side is a number too close to zero to
        // tell from it; only the large side overflows.
        if (leadingPowerOfTen(text) < 0) return text.front() == '-' ? -0.0 : 0.0;
        throw RuntimeError(RuntimeError::Overflow);
    }
    return value;
}

std::string formatNumber(double value) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::Overflow);
    const double whole = std::nearbyint(value);
    if (std::fabs(whole) > kLargestExactWhole) throw RuntimeError(RuntimeError::Overflow);
    if (whole == 0) return "0";  // also turns -0 into "0"
    return std::to_string(static_cast<std::int64_t>(whole));
}

}  // namespace forms
