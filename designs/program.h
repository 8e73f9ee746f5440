#pragma once

namespace klonkatron {

// The program's title: message boxes without a title of their own show it.
inline constexpr const char* kProgramTitle = "Klonkatron Game";

}  // namespace klonkatron
