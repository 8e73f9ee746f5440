#include "forms/caption_number.h"

#include <cmath>
#include <cstdint>

#include "forms/decimal_to_double.h"
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

}  // namespace

double parseNumber(std::string_view text) {
    double value = 0;
    if (parsePlainDigits(text, value)) return value;

    text = trimBlanks(text);
    // One plus sign may lead, never before a minus sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') throw RuntimeError(RuntimeError::TypeMismatch);
    }
    // Text after a number makes no number, however large the number; a
    // number too close to zero to tell from it reads as zero.
    const DecimalReading reading = readDecimal(text);
    switch (reading.outcome) {
        case DecimalReading::Outcome::Number:
            return reading.value;
        case DecimalReading::Outcome::TooLarge:
            throw RuntimeError(RuntimeError::Overflow);
        case DecimalReading::Outcome::NotNumber:
            break;
    }
    throw RuntimeError(RuntimeError::TypeMismatch);
}

std::string formatNumber(double value) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::Overflow);
    const double whole = std::nearbyint(value);
    if (std::fabs(whole) > kLargestExactWhole) throw RuntimeError(RuntimeError::Overflow);
    if (whole == 0) return "0";  // also turns -0 into "0"
    return std::to_string(static_cast<std::int64_t>(whole));
}

}  // namespace forms
