#pragma once

#include "forms/form_design.h"

namespace klonkatron {

// The splash window the program opens with.
const forms::FormDesign& frmSplashDesign();

}  // namespace klonkatron
