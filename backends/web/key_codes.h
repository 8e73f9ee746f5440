#pragma once

#include <string_view>

#include "forms/events.h"

namespace forms::web {

// A browser's key (KeyboardEvent.key, layout-aware) as the core's key event
// (forms/events.h): its code in the core's table and the character it
// produces, as the desktop programs report them (Enter, Escape, Backspace
// and Tab produce their control characters there too).
KeyEvent keyEventOf(std::string_view domKey, int shift);

}  // namespace forms::web
