#pragma once

#include <string_view>

namespace forms {

// Decimal number text read into the nearest double, rounded half to even,
// as std::from_chars reads it; written out here because not every C++
// library has from_chars for floating-point numbers, and a caption must
// read alike on every platform.
struct DecimalReading {
    enum class Outcome {
        Number,     // `value` holds it; too close to zero for a double, it is a signed zero
        NotNumber,  // the text is not a decimal number
        TooLarge,   // the number rounds beyond the largest double
    };
    Outcome outcome = Outcome::NotNumber;
    double value = 0;
};

// Reads the whole of `text` as an optional minus sign, decimal digits with
// an optional point (at least one digit), and an optional exponent ("e" or
// "E", an optional sign and at least one digit). Nothing else is a number:
// no blanks, no plus sign in front, no "inf", "nan" or hexadecimal.
DecimalReading readDecimal(std::string_view text);

}  // namespace forms
