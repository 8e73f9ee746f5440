#pragma once

#include <string>
#include <string_view>

namespace forms::win32 {

// The core's texts are UTF-8; the wide functions of Windows take UTF-16.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

}  // namespace forms::win32
