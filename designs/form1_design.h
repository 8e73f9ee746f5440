#pragma once

#include "forms/form_design.h"

namespace klonkatron {

// The board window as designed: every control front to back.
const forms::FormDesign& form1Design();

// The caption of the banner `pauz`: 50 blanks push the word onto a lower
// line of the wrapped label.
inline constexpr const char* kWelcomeBanner =
    "                                                  Welcome!";
inline constexpr const char* kPausedBanner =
    "                                                  Paused...";

}  // namespace klonkatron
