#include "platform/caption_number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/runtime_error.h"

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
    if (error == std::errc::result_out_of_range) throw RuntimeError(RuntimeError::Overflow);
    if (error != std::errc() || end != last) throw RuntimeError(RuntimeError::TypeMismatch);
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
