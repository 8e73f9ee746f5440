#pragma once

#include "designs/program.h"
#include "designs/window_names.h"
#include "forms/application.h"

namespace klonkatron {

// Makes every window of the game known to the program by its design's name,
// and the board the window the program cannot go on without.
void registerWindows(forms::Application& app);

// The window the program opens first, and the only one it opens itself.
inline constexpr const char* kStartupWindow = window::kSplash;

}  // namespace klonkatron
