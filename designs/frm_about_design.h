#pragma once

#include <string>

#include "forms/form_design.h"

namespace klonkatron {

// The About window with the credits and the system-information button.
const forms::FormDesign& frmAboutDesign();

// The credits of its text box: seven lines, each ended by CR LF.
const std::string& aboutCredits();

}  // namespace klonkatron
