#pragma once

#include "platform/application.h"
#include "windows/program.h"

namespace klonkatron {

// Makes every window of the game known to the program by name.
void registerWindows(forms::Application& app);

// The window the program opens first.
inline constexpr const char* kStartupWindow = "Form1";

}  // namespace klonkatron
