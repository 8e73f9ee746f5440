#pragma once

#include "platform/application.h"

namespace klonkatron {

// Makes every window of the game known to the program by name.
void registerWindows(forms::Application& app);

// The program's title, which message boxes without a title of their own show.
inline constexpr const char* kProgramTitle = "Klonkatron Game";

// The window the program opens first, and the only one it opens itself.
inline constexpr const char* kStartupWindow = "frmSplash";

}  // namespace klonkatron
