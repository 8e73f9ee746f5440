#pragma once

#include <string_view>

namespace forms {

// Whether Windows would hand the file a path names to its command
// interpreter: a batch file, ".bat" or ".cmd" in any case. Windows drops
// trailing dots and spaces from a file name, so "tool.bat. " is one too.
bool isBatchFile(std::string_view path);

}  // namespace forms
