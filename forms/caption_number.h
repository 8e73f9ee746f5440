#pragma once

#include <string>
#include <string_view>

namespace forms {

// Numbers kept in captions: read as double precision, written back as the
// shortest whole-number text ("0", "100", "-40").

// Parses caption text as a number. Leading and trailing blanks are allowed;
// anything else that is not a number raises the "type mismatch" error.
double parseNumber(std::string_view text);

// Writes a whole number as plain decimal digits with a leading minus sign
// only when negative. A value that is not finite or lies beyond what a
// double holds exactly as a whole number raises the "overflow" error; a
// fraction is rounded half to even first.
std::string formatNumber(double value);

}  // namespace forms
