#pragma once

#include "designs/program.h"
#include "forms/application.h"

namespace klonkatron {

// Makes every window of the game known to the program by name.
void registerWindows(forms::Application& app);

// The window the program opens first, and the only one it opens itself.
inline constexpr const char* kStartupWindow = "frmSplash";

}  // namespace klonkatron
