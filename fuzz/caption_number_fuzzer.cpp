// Caption text of any bytes read as a number, and numbers written back as
// text. Every outcome is checked against a plain reading of the rules: a
// number is blanks, one optional sign, decimal digits with an optional point
// and exponent, blanks; its value is the C library's; it is too large only
// where that value is infinite. A written number reads back as itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "forms/caption_number.h"
#include "forms/runtime_error.h"
#include "fuzz/require.h"

namespace {

using forms::RuntimeError;
using klonkatron::fuzz::require;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view withoutBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The grammar of a number, read character by character.
bool isNumberText(std::string_view text) {
    size_t at = 0;
    const auto digitsFrom = [&] {
        const size_t start = at;
        while (at < text.size() && isDigit(text[at])) ++at;
        return at - start;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    size_t mantissa = digitsFrom();
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digitsFrom();
    }
    if (mantissa == 0) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        if (digitsFrom() == 0) return false;
    }
    return at == text.size();
}

// What the rules say a caption reads as: a value, or the error it raises.
struct Expected {
    int error = 0;
    double value = 0;
};

Expected expectedReading(std::string_view caption) {
    const std::string_view text = withoutBlanks(caption);
    if (!isNumberText(text)) return {RuntimeError::TypeMismatch};
    const std::string copy(text);
    const double value = std::strtod(copy.c_str(), nullptr);
    if (std::isinf(value)) return {RuntimeError::Overflow};
    return {0, value};
}

void checkReading(std::string_view caption) {
    const Expected expected = expectedReading(caption);
    try {
        const double value = forms::parseNumber(caption);
        require(expected.error == 0, "a text that is no number was read as one");
        require(value == expected.value, "a number was read with another value");
    } catch (const RuntimeError& error) {
        require(expected.error != 0, "a number was refused");
        require(error.number() == expected.error, "the wrong error for a text that is no number");
    }
}

bool isWholeNumberText(const std::string& text) {
    if (text == "0") return true;
    const size_t first = text.front() == '-' ? 1 : 0;
    if (first >= text.size() || text[first] == '0') return false;
    for (size_t i = first; i < text.size(); ++i) {
        if (!isDigit(text[i])) return false;
    }
    return true;
}

void checkWriting(double value) {
    const double whole = std::nearbyint(value);
    const bool fits = std::isfinite(value) && std::fabs(whole) <= 9007199254740992.0;
    try {
        const std::string text = forms::formatNumber(value);
        require(fits, "a number beyond the exact whole numbers was written");
        require(isWholeNumberText(text), "a number was written in another form");
        require(forms::parseNumber(text) == whole, "a written number reads back as another");
    } catch (const RuntimeError& error) {
        require(!fits, "a whole number within range was refused");
        require(error.number() == RuntimeError::Overflow, "the wrong error for a huge number");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view caption(reinterpret_cast<const char*>(data), size);
    checkReading(caption);
    try {
        checkWriting(forms::parseNumber(caption));
    } catch (const RuntimeError&) {
    }
    // The first eight bytes as a double: infinities, NaNs, huge numbers and
    // fractions that no caption would give.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkWriting(value);
    }
    return 0;
}
